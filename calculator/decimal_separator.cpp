#include "decimal_separator.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

QString LocaleDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QStringLiteral(".") : separator;
}

QString WithDecimalPoint(QString text) {
    const QString separator = LocaleDecimalSeparator();
    if (separator == u"."_s) return text;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + 1)) {
        const qsizetype after = at + separator.size();
        if (at > 0 && after < text.size() && text[at - 1].isDigit() && text[after].isDigit())
            text.replace(at, separator.size(), u"."_s);
    }
    return text;
}
