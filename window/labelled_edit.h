#pragma once

class QLabel;
class QLineEdit;

// A labelled edit is a QLineEdit with its caption, a QLabel to its left whose
// buddy is the edit. The pair shows, hides, enables and disables as one control.
QLabel* labelOf(const QLineEdit* edit);
void setLabelledVisible(QLineEdit* edit, bool visible);
void setLabelledEnabled(QLineEdit* edit, bool enabled);
