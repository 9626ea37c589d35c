#include "decimal_separator.h"

#include <QLocale>

QString LocaleDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QStringLiteral(".") : separator;
}
