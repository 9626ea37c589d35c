#include "text_to_real.h"

#include "decimal_separator.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace {

// The first comma or full stop of the text replaced by the locale's separator.
QString WithLocaleSeparator(const QString& text) {
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (result[i] == u',' || result[i] == u'.') {
            result.replace(i, 1, LocaleDecimalSeparator());
            break;
        }
    }
    return result;
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Copies the digits starting at pos into out; returns how many there were.
qsizetype TakeDigits(const QString& text, qsizetype& pos, std::string& out) {
    const qsizetype start = pos;
    while (pos < text.size() && IsDigit(text[pos])) out.push_back(char(text[pos++].unicode()));
    return pos - start;
}

// The number as plain ASCII ("-12.5e3") when the text follows the grammar of a
// typed number, an empty string otherwise.
std::string AsciiNumber(const QString& text, const QString& separator) {
    qsizetype pos = 0;
    // A spreadsheet's cell pastes with its line end ("12.5\r\n"), and tabs or
    // spaces may come with it.
    auto skipSpaces = [&] {
        while (pos < text.size() && text[pos].isSpace()) ++pos;
    };
    std::string out;
    skipSpaces();
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-') out.push_back('-');
        ++pos;
    }
    qsizetype digits = TakeDigits(text, pos, out);
    if (QStringView(text).sliced(pos).startsWith(separator)) {
        pos += separator.size();
        out.push_back('.');
        digits += TakeDigits(text, pos, out);
    }
    if (digits == 0) return {};
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        ++pos;
        out.push_back('e');
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) out.push_back(char(text[pos++].unicode()));
        if (TakeDigits(text, pos, out) == 0) return {};
    }
    skipSpaces();
    return pos == text.size() ? out : std::string{};
}

// The written exponent of a number ("+12", "-3", "400"). Its magnitude is held
// at 10^17 at most: no text has that many digits, so beyond it the exponent
// alone decides whether the number overflows.
long long WrittenExponent(std::string_view text) {
    constexpr long long Held = 100'000'000'000'000'000;
    long long magnitude = 0;
    for (const char c : text)
        if (c >= '0' && c <= '9' && magnitude < Held) magnitude = magnitude * 10 + (c - '0');
    return text.starts_with('-') ? -magnitude : magnitude;
}

// Whether a number that lies outside the range of a double is too large (rather
// than too small): the decimal exponent of its first non-zero digit, counted
// from the digits before the point, the zeros after it and the written
// exponent, is not negative.
bool IsTooLarge(std::string_view number) {
    if (number.starts_with('-')) number.remove_prefix(1);
    const std::size_t ePos = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, ePos);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    long long exponent = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    if (ePos < number.size()) exponent += WrittenExponent(number.substr(ePos + 1));
    return exponent >= 0;
}

}  // namespace

double TextToReal(const QString& text) {
    const QString prepared = WithLocaleSeparator(text);
    const std::string number = AsciiNumber(prepared, LocaleDecimalSeparator());
    if (!number.empty()) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc() && end == number.data() + number.size()) return value;
        if (error == std::errc::result_out_of_range && !IsTooLarge(number)) return number[0] == '-' ? -0.0 : 0.0;
    }
    throw InvalidNumber(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}
