#pragma once

class QLabel;
class QLineEdit;

// A caption or a number cut at its start can be misread, so texts that would
// not fit their box are shown in a font narrowed just enough to fit whole.

// Narrows the label's font just enough that its caption fits the room left of
// the edit; a fallback font wider than the designed one would otherwise cut
// off the start of the long captions.
void condenseLabelToFit(QLabel* label);

// The width an edit's text may take without scrolling: the edit less its
// frame, its text margins and the room kept for the cursor.
int textRoom(const QLineEdit* edit);

// From now on every text of the edit is shown whole: a text wider than the
// text room gets the edit's font narrowed just enough, any other the
// unnarrowed font.
void keepTextWhole(QLineEdit* edit);
