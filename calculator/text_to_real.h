// Conversion of a typed number to a double, accepting a comma or a full stop
// as the decimal separator whatever the user's locale.
#pragma once

#include <QString>
#include <stdexcept>

// Raised for a text that is not a number or whose value overflows a double;
// what() is the message for the user (UTF-8).
class InvalidNumber : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The first comma or full stop becomes the locale's decimal separator; the
// result must then be: spaces, an optional sign, digits with at most one
// decimal separator (at least one digit), an optional exponent (E or e, an
// optional sign, at least one digit), spaces. A value too small for a double
// becomes zero; one too large is refused.
double TextToReal(const QString& text);
