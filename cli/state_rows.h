// The states of h2o as text: rows of pairs read from a stream and written as
// CSV in full precision, or one state written as captioned lines.
#pragma once

#include "command_line.h"

#include <QString>
#include <QTextStream>

// Reads every line of `in`, writes the CSV to `out` and the messages about
// malformed lines to `errors`. Returns the number of rows refused.
int WriteStateRows(QTextStream& in, QTextStream& out, QTextStream& errors, const RunOptions& options);

// One state as "Enthalpy h, kJ/kg = 852.3829..." lines after its phase; on
// refusal false and the reason in *text.
bool OneStateText(const OneState& state, QString* text);
