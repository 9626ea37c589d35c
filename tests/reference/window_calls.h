// One run of the window's Calculate command for the window reference table.
#pragma once

#include <QString>

class TForm1;

// The input modes by the keys of their rows: "p,t", "p,h", "p,s", "ps", "ts"...
// Selects the mode, empties every edit, types `first` and `second` into the
// mode's inputs in their order (a mode of one input takes `first` only),
// clicks Calculate and returns the texts of every output edit and of every
// message shown (text and informative text).
QString calculate_in_window(TForm1& form, const QString& mode, const QString& first, const QString& second);
