#include "text_to_real.h"

#include "locale_guard.h"

#include <gtest/gtest.h>

namespace {

// The message of the refusal, or "accepted" when the text converts.
std::string Refusal(const QString& text) {
    try {
        TextToReal(text);
        return "accepted";
    } catch (const InvalidNumber& e) {
        return e.message().toStdString();
    }
}

}  // namespace

TEST(TextToReal, CommaAndFullStopReadAlikeInEitherLocale) {
    for (const QLocale& l : {LocaleGuard::Comma(), LocaleGuard::FullStop()}) {
        LocaleGuard locale(l);
        EXPECT_EQ(TextToReal("0.5"), 0.5);
        EXPECT_EQ(TextToReal("0,5"), 0.5);
        EXPECT_EQ(TextToReal("1,5"), 1.5);
        EXPECT_EQ(TextToReal("-3.5E+2"), -350.0);
        EXPECT_EQ(TextToReal(",25"), 0.25);
        EXPECT_EQ(TextToReal("5."), 5.0);
        EXPECT_EQ(TextToReal("+21.819"), 21.819);
        EXPECT_EQ(TextToReal(" 1 "), 1.0);
        EXPECT_EQ(TextToReal("2e-3"), 0.002);
    }
}

// A spreadsheet's cell pastes with white space around it; a refusal shows the
// text exactly as it was typed, whatever the locale.
TEST(TextToReal, ReadsAPastedCellAndQuotesARefusalAsTyped) {
    for (const QLocale& l : {LocaleGuard::Comma(), LocaleGuard::FullStop()}) {
        LocaleGuard locale(l);
        for (const char* cell : {"12.5\n", "12.5\r\n", "\t12,5\t", " 12.5 \r\n", "\t 12.5"})
            EXPECT_EQ(TextToReal(cell), 12.5) << cell;
        for (const char* typed : {"1,000.5", "1.2.3", "1,2,3", "0.5x", " 1\n2 "})
            EXPECT_EQ(Refusal(typed),
                      QStringLiteral("'%1' is not a valid floating point value").arg(typed).toStdString());
    }
}

TEST(TextToReal, RefusesMalformedNumbers) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const char* text : {"", " ", ".", "-", "1e", "1e+", "e5", "1 2", "- 1", "0x10", "inf", "nan", "1.5e2.0", "１"})
        EXPECT_EQ(Refusal(QString::fromUtf8(text)),
                  QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString())
            << text;
}

TEST(TextToReal, OverflowIsRefusedUnderflowGivesZero) {
    LocaleGuard locale(LocaleGuard::FullStop());
    EXPECT_EQ(Refusal("1e400"), "'1e400' is not a valid floating point value");
    EXPECT_EQ(Refusal("-1e400"), "'-1e400' is not a valid floating point value");
    EXPECT_EQ(Refusal("0.01e311"), "'0.01e311' is not a valid floating point value");
    EXPECT_EQ(Refusal("1e99999999999999999999"), "'1e99999999999999999999' is not a valid floating point value");
    EXPECT_EQ(TextToReal("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(TextToReal("1e-400"), 0.0);
    EXPECT_EQ(TextToReal("0.000001e-320"), 0.0);
    EXPECT_EQ(TextToReal("0e99999"), 0.0);
}

// The decimal exponent counts every digit before the separator, every zero
// after it and the written exponent, however many there are.
TEST(TextToReal, LongTextsOverflowOrUnderflowByTheirTrueExponent) {
    LocaleGuard locale(LocaleGuard::FullStop());
    EXPECT_THROW(TextToReal("0." + QString(9'999'999, u'0') + "1e10000400"), InvalidNumber);  // 1e399
    EXPECT_EQ(TextToReal("1" + QString(1'000'000, u'0') + "e-10000000"), 0.0);
}
