// Tabulated reference values are rounded; a result passes when it rounds to
// the digits given.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iomanip>

inline ::testing::AssertionResult RoundsTo(double actual, const char* digits) {
    const char* point = std::strchr(digits, '.');
    const int decimals = point ? static_cast<int>(std::strlen(point + 1)) : 0;
    const double expected = std::strtod(digits, nullptr);
    const double half_unit = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    if (std::fabs(actual - expected) <= half_unit) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(10) << actual << " does not round to " << digits;
}
