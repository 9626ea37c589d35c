#include "number_format.h"

#include "decimal_separator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// A finite value as decimal digits d0 d1 d2 ... meaning ±d0.d1d2... × 10^exponent.
// The digits start from the shortest text that reads back as the same double,
// so a value that was typed as 2.675 rounds like 2.675 and not like the binary
// fraction just below it.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zero unless the value is zero
    int exponent = 0;
};

Decimal ShortestDecimal(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific).ptr;
    const std::string s(text, end);  // "d.ddde±xx"
    const std::size_t e = s.find('e');
    Decimal d;
    d.negative = std::signbit(value);
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') d.digits.push_back(s[i]);
    d.exponent = std::stoi(s.substr(e + 1));
    return d;
}

bool IsZero(const Decimal& d) {
    return d.digits.find_first_not_of('0') == std::string::npos;
}

// Rounds to `keep` significant digits, halves away from zero. keep ≤ 0 means the
// rounding position lies left of the first digit.
void RoundToDigits(Decimal& d, int keep) {
    if (keep >= int(d.digits.size())) return;
    const bool up = keep >= 0 && d.digits[keep] >= '5';
    std::string kept(d.digits, 0, std::max(keep, 0));
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {  // 9.99 → 10.0: one more leading digit
            kept.insert(kept.begin(), '1');
            ++d.exponent;
        }
    }
    if (kept.empty()) kept.push_back('0');
    d.digits = std::move(kept);
}

// Rounds at the decimal place 10^-place.
void RoundAtPlace(Decimal& d, int place) {
    RoundToDigits(d, place + d.exponent + 1);
}

QString Sign(const Decimal& d) {
    return d.negative && !IsZero(d) ? QStringLiteral("-") : QString();
}

char DigitAt(const Decimal& d, int index) {
    return index >= 0 && index < int(d.digits.size()) ? d.digits[index] : '0';
}

QString ExponentPart(int exponent, int minDigits) {
    return QStringLiteral("E%1%2")
        .arg(QChar(exponent < 0 ? u'-' : u'+'))
        .arg(std::abs(exponent), minDigits, 10, QLatin1Char('0'));
}

// The short scientific form of the fixed format: trailing zeros dropped.
QString ShortScientific(Decimal d, int exponentDigits) {
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 1 : last + 1);
    QString text = Sign(d) + QChar(d.digits[0]);
    if (d.digits.size() > 1) text += LocaleDecimalSeparator() + QString::fromLatin1(d.digits.substr(1));
    return text + ExponentPart(d.exponent, exponentDigits);
}

// From 0.1 (10^-1) up a value short of digits takes more decimals rather
// than the exponent format: at most one zero stands before its digits.
constexpr int SmallestWidenedExponent = -1;

// Infinities and NaN have no digits to round.
QString NonFinite(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

QString FixedFormat(double value, int precision, int decimals) {
    if (!std::isfinite(value)) return NonFinite(value);
    Decimal d = ShortestDecimal(value);
    // The value's digits end where it was rounded: a place past it would
    // show a zero the value does not have (2201.7012 in (5, 3) is 2201.7).
    const int place = IsZero(d) ? decimals : std::min(precision - 1 - d.exponent, decimals);
    if (!IsZero(d)) RoundAtPlace(d, place);
    if (IsZero(d)) d.exponent = 0;
    if (d.exponent + 1 > precision) return ShortScientific(d, decimals);

    QString text = Sign(d);
    if (d.exponent < 0) text += u'0';
    for (int i = 0; i <= d.exponent; ++i) text += QChar(DigitAt(d, i));
    if (place > 0) {
        text += LocaleDecimalSeparator();
        for (int i = 1; i <= place; ++i) text += QChar(DigitAt(d, d.exponent + i));
    }
    return text;
}

QString ExponentFormat(double value, int precision, int exponentDigits) {
    if (!std::isfinite(value)) return NonFinite(value);
    Decimal d = ShortestDecimal(value);
    RoundToDigits(d, precision);
    if (IsZero(d)) d.exponent = 0;
    QString text = Sign(d) + QChar(DigitAt(d, 0));
    if (precision > 1) {
        text += LocaleDecimalSeparator();
        for (int i = 1; i < precision; ++i) text += QChar(DigitAt(d, i));
    }
    return text + ExponentPart(d.exponent, exponentDigits);
}

QString ShortestText(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text).replace(u'.', LocaleDecimalSeparator());
}

QString FixedOrExponent(double value, int precision, int decimals) {
    const QString fixed = FixedFormat(value, precision, decimals);
    if (value == 0 || !std::isfinite(value) || fixed.contains(u'E')) return fixed;
    // Decided on the value as its ShownDigits digits show it: 9.9961 is 9.996,
    // whose last digit stands at the third decimal, so it needs three decimals
    // (not "10.00"), and 0.09999999 is 0.1000 and reads as 0.1 does.
    Decimal d = ShortestDecimal(value);
    const int place = std::min(precision - 1 - d.exponent, decimals);
    RoundToDigits(d, ShownDigits);
    const int needed = ShownDigits - 1 - d.exponent;
    if (place >= needed) return fixed;
    if (d.exponent >= SmallestWidenedExponent) return FixedFormat(value, ShownDigits + 1, needed);
    return ExponentFormat(value, ShownDigits, 2);
}
