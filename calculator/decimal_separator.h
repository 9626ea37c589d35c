// The decimal separator of the user's locale, for reading and writing numbers.
#pragma once

#include <QString>

// QLocale()'s decimal point; "." when the locale gives none.
QString LocaleDecimalSeparator();
