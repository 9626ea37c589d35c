// The decimal separator of the user's locale, for reading and writing numbers.
#pragma once

#include <QString>

// QLocale()'s decimal point; "." when the locale gives none.
QString LocaleDecimalSeparator();

// The text with the locale's separator turned into a point wherever it stands
// between two digits, as in a number: a file writes every number with a point,
// also those inside its texts ("x = 0,6142", "p from 0,5 to 10").
QString WithDecimalPoint(QString text);
