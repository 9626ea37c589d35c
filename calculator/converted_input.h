// Numbers the program writes into input edits: a value it fills in, and a
// typed value carried into other units.
#pragma once

#include "quantities.h"

#include <QString>

// A value as an input shows it: 10 significant digits, trailing zeros dropped,
// a full stop and no group separators ("1000", not "1,000", which TextToReal
// would read as 1), so that it reads back the same in any locale.
QString InputNumberText(double value);

// A typed number in other units, written as InputNumberText: closer than any
// input needs, and short enough to read. In the units it was typed in it is
// the typed text itself; a text that is no number stays as it is.
QString ConvertedInput(const QString& typed, Quantity quantity, const Units& from, const Units& to);
