// The window's modal message boxes, each with one OK button. Tests install a
// capture to read the messages instead of showing them.
#pragma once

#include <QString>

#include <functional>

class QWidget;

struct ShownMessage {
    QString text;
    QString informativeText;  // empty for the validation messages
};

// A validation message, e.g. " Insert the p value".
void ShowMessage(QWidget* parent, const QString& text);

// The report of a failure that abandoned a command, with the reason beneath.
void ShowErrorReport(QWidget* parent, const QString& text, const QString& reason);

// A question with Yes and No; true for Yes. Under a capture the question is
// captured and answered Yes.
bool Confirm(QWidget* parent, const QString& question);

// While a capture is installed every message goes to it and no box opens;
// an empty function restores the boxes.
void SetMessageCapture(std::function<void(const ShownMessage&)> capture);
