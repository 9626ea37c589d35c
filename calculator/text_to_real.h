// Conversion of a typed number to a double, accepting a comma or a full stop
// as the decimal separator whatever the user's locale.
#pragma once

#include <QString>
#include <exception>
#include <utility>

// Raised for a text that is not a number or whose value overflows a double.
// The message for the user quotes the whole text as typed, so it is kept as a
// QString: a C string would end at a NUL character within the text.
class InvalidNumber : public std::exception {
public:
    explicit InvalidNumber(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "not a valid floating point value"; }

private:
    QString message_;
};

// The first comma or full stop becomes the locale's decimal separator; the
// result must then be: white space (spaces, tabs, line ends), an optional
// sign, digits with at most one decimal separator (at least one digit), an
// optional exponent (E or e, an optional sign, at least one digit), white
// space. A value too small for a double becomes zero; one too large is refused.
double TextToReal(const QString& text);
