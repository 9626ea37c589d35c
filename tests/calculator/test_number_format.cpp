#include "number_format.h"

#include "locale_guard.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    int precision;
    int digits;
    const char* text;
};

void ExpectFixed(const FormatCase& c) {
    EXPECT_EQ(FixedFormat(c.value, c.precision, c.digits).toStdString(), c.text)
        << c.value << " fixed (" << c.precision << ", " << c.digits << ")";
}

void ExpectExponent(const FormatCase& c) {
    EXPECT_EQ(ExponentFormat(c.value, c.precision, c.digits).toStdString(), c.text)
        << c.value << " exponent (" << c.precision << ", " << c.digits << ")";
}

}  // namespace

TEST(FixedFormat, RoundsAtTheCoarserOfSignificantDigitAndDecimalPlace) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const FormatCase& c : {
             FormatCase{2800.1234, 6, 2, "2800.12"},
             {25, 7, 4, "25.0000"},
             {0.0012345, 5, 4, "0.0012"},
             {1.23456789, 6, 3, "1.235"},
             {12345.678, 6, 3, "12345.7"},  // sixth significant digit governs, no zeros after it
             {0.00087, 5, 4, "0.0009"},
             {10, 5, 4, "10.000"},
             {2201.7012, 5, 3, "2201.7"},
             {2278.3650, 5, 3, "2278.4"},
             {2331.9971, 5, 3, "2332.0"},
             {10.5, 6, 3, "10.500"},
             {3615, 6, 1, "3615.0"},
             {-273.15, 5, 1, "-273.2"},
             {0.99996, 4, 4, "1.0000"},  // carry into a new leading digit
             {0.00004, 5, 4, "0.0000"},
             {0.00005, 5, 4, "0.0001"},
         })
        ExpectFixed(c);
}

TEST(FixedFormat, HalvesOfTheTypedDecimalRoundAwayFromZero) {
    LocaleGuard locale(LocaleGuard::FullStop());
    // 2.675 and 1.005 are stored just below the half; users expect them rounded up.
    for (const FormatCase& c : {
             FormatCase{2.675, 6, 2, "2.68"},
             {-2.675, 6, 2, "-2.68"},
             {1.005, 6, 2, "1.01"},
             {0.125, 5, 2, "0.13"},
             {(0.9751 * 50 + 1.113) * 1.01, 6, 2, "50.37"},
             {(0.9751 * 1 + 1.113) * 1.01 < 10 ? 10.0 : 0.0, 6, 2, "10.00"},
         })
        ExpectFixed(c);
}

TEST(FixedFormat, NegativeValuesRoundingToZeroLoseTheirSign) {
    LocaleGuard locale(LocaleGuard::FullStop());
    ExpectFixed({-6e-8, 5, 3, "0.000"});
    ExpectFixed({-0.0, 5, 3, "0.000"});
    ExpectFixed({0.0, 4, 2, "0.00"});
    ExpectFixed({-0.0004, 5, 3, "0.000"});
    ExpectFixed({-0.0005, 5, 3, "-0.001"});
}

TEST(FixedFormat, IntegerPartLongerThanPrecisionGoesScientific) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const FormatCase& c : {
             FormatCase{1234567, 6, 3, "1.23457E+006"},
             {2000000, 6, 3, "2E+006"},
             {-2000000, 6, 3, "-2E+006"},
             {999999.7, 6, 2, "1E+06"},  // rounding adds the seventh digit
             {123456.4, 6, 2, "123456"},
         })
        ExpectFixed(c);
}

TEST(ExponentFormat, WritesPrecisionDigitsAndAPaddedSignedExponent) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const FormatCase& c : {
             FormatCase{0.0010434, 4, 2, "1.043E-03"},
             {1793.2, 4, 2, "1.793E+03"},
             {-1793.2, 4, 2, "-1.793E+03"},
             {1.5e-5, 4, 2, "1.500E-05"},
             {9.9996, 4, 2, "1.000E+01"},
             {1.0005, 4, 2, "1.001E+00"},
             {1e-100, 4, 2, "1.000E-100"},
             {0.0, 4, 2, "0.000E+00"},
             {-0.0, 4, 2, "0.000E+00"},
         })
        ExpectExponent(c);
}

TEST(NumberFormats, UseTheLocaleDecimalSeparatorWithoutGrouping) {
    LocaleGuard locale(LocaleGuard::Comma());
    ExpectFixed({2800.1234, 6, 2, "2800,12"});
    ExpectFixed({12345.678, 6, 3, "12345,7"});
    ExpectFixed({1234567, 6, 3, "1,23457E+006"});
    ExpectExponent({0.0010434, 4, 2, "1,043E-03"});
}

// Fewer than four significant digits of a nonzero value take more decimals
// from 0.1 up and the exponent format below; zero, and the short scientific
// form of a long integer part, stay.
TEST(FixedOrExponent, KeepsFourSignificantDigitsOfANonzeroValue) {
    LocaleGuard locale(LocaleGuard::Comma());
    for (const FormatCase& c : {
             FormatCase{0.0859, 6, 2, "8,590E-02"},
             {0.00004, 5, 4, "4,000E-05"},  // rounds to zero in fixed
             {-0.0005, 5, 3, "-5,000E-04"},
             {9.9996, 5, 1, "10,00"},  // rounds up to 10.0: three digits
             {99.96, 5, 1, "99,96"},
             {9.9961, 5, 1, "9,996"},  // 9.996 to four digits, not 10.00
             {0.99671, 4, 2, "0,9967"},
             {20, 5, 1, "20,00"},
             {0.98, 4, 2, "0,9800"},
             {-0.5, 4, 2, "-0,5000"},
             {0.0999, 4, 2, "9,990E-02"},
             {0.099999999, 4, 2, "0,1000"},  // 0.1000 to four digits
             {0.01, 5, 4, "1,000E-02"},
             {0.1234, 5, 4, "0,1234"},
             {0.0, 5, 3, "0,000"},
             {2000000, 6, 3, "2E+006"},
         })
        EXPECT_EQ(FixedOrExponent(c.value, c.precision, c.digits).toStdString(), c.text) << c.value;
}
