// One run of the window's Calculate command for the window reference table.
#pragma once

#include <QString>

class TForm1;

// The input modes by their names in the table: "p,t", "p,h", "ps", "ts".
// Selects the mode, empties every edit, types `first` (p, ps or ts) and
// `second` (t or h), clicks Calculate and returns the texts of all 35 output
// edits and of every message shown (text and informative text).
QString calculate_in_window(TForm1& form, const QString& mode, const QString& first, const QString& second);
