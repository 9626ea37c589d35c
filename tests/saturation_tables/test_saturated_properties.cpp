#include <gtest/gtest.h>

#include <cmath>

#include "Tabl1.h"
#include "console.h"
#include "rounded.h"

TEST(SaturatedProperties, AtOneHundredDegrees) {
    EXPECT_TRUE(RoundsTo(Tabl1::LWST(100), "0.67829"));
    EXPECT_TRUE(RoundsTo(Tabl1::LPST(100), "0.025087"));
    EXPECT_TRUE(RoundsTo(Tabl1::MWST(100), "281.06"));
    EXPECT_TRUE(RoundsTo(Tabl1::MPST(100), "12.306"));
    EXPECT_TRUE(RoundsTo(Tabl1::PRWST(100), "1.7545"));
    EXPECT_TRUE(RoundsTo(Tabl1::PRPST(100), "0.99504"));
    EXPECT_TRUE(RoundsTo(Tabl1::SIGT(100), "58.868"));
}

TEST(SaturatedProperties, AtTheTriplePoint) {
    EXPECT_TRUE(RoundsTo(Tabl1::LWST(0.01), "0.56400"));
    EXPECT_TRUE(RoundsTo(Tabl1::MWST(0.01), "1793.0"));
    EXPECT_TRUE(RoundsTo(Tabl1::SIGT(0.01), "75.585"));
}

// Neighbouring fits are not joined: the value jumps at a border, and the
// border itself belongs to the piece the table gives it to.
TEST(SaturatedProperties, JumpsAtPieceBorders) {
    EXPECT_TRUE(RoundsTo(Tabl1::MWST(254.99), "110.06"));
    EXPECT_TRUE(RoundsTo(Tabl1::MWST(std::nextafter(255.0, 0.0)), "110.07"));
    EXPECT_TRUE(RoundsTo(Tabl1::MWST(255), "103.76"));

    EXPECT_TRUE(RoundsTo(Tabl1::PRPST(370), "9.6098"));
    EXPECT_TRUE(RoundsTo(Tabl1::PRPST(std::nextafter(370.0, 400.0)), "9.327"));
    EXPECT_TRUE(RoundsTo(Tabl1::PRPST(370.0001), "9.3272"));
}

// The pieces of every function cover its whole range without a gap: a value
// that falls between two intervals would come back as NaN.
TEST(SaturatedProperties, PiecesCoverTheWholeRange) {
    Console console;
    double (*const by_temperature[])(double) = {Tabl1::LWST,  Tabl1::LPST,  Tabl1::MWST, Tabl1::MPST,
                                                Tabl1::PRWST, Tabl1::PRPST, Tabl1::SIGT};
    for (auto f : by_temperature) {
        for (int k = 1; k <= 37400; ++k) {
            const double t = k * 0.01;
            ASSERT_TRUE(std::isfinite(f(t))) << t;
        }
        ASSERT_TRUE(std::isfinite(f(374.0)));
    }
    double (*const by_pressure[])(double) = {Tabl1::LWSP, Tabl1::LPSP, Tabl1::MWSP, Tabl1::MPSP, Tabl1::SIGP};
    for (auto f : by_pressure) {
        for (double p = 0.00087; p <= 21.8; p *= 1.001) ASSERT_TRUE(std::isfinite(f(p))) << p;
    }
    EXPECT_EQ(console.output(), "");
}

TEST(SurfaceTension, AtTheCriticalTemperature) {
    // 374 + 273.15 is the critical 647.15 K exactly, so τ = 0 is replaced by 1e-5.
    EXPECT_TRUE(RoundsTo(Tabl1::SIGT(374), "0.000124"));
    EXPECT_GT(Tabl1::SIGT(374), 0.0);
}

TEST(SaturatedPropertiesByPressure, AtOneMegapascal) {
    EXPECT_TRUE(RoundsTo(Tabl1::LWSP(1), "0.67382"));
    EXPECT_TRUE(RoundsTo(Tabl1::MWSP(1), "148.95"));
    EXPECT_TRUE(RoundsTo(Tabl1::MPSP(1), "15.029"));
    EXPECT_TRUE(RoundsTo(Tabl1::SIGP(1), "42.189"));
    EXPECT_TRUE(RoundsTo(Tabl1::SIGP(0.00087), "74.887"));
}

// By pressure the value is the temperature correlation at the saturation
// temperature of the same polynomial, bit for bit.
TEST(SaturatedPropertiesByPressure, EqualTheTemperatureTwinAtTheSaturationTemperature) {
    for (double p : {0.00087, 0.01, 0.1, 1.0, 5.0, 15.0, 21.0, 21.8}) {
        const double ts = Tabl1::TSP(p);
        EXPECT_EQ(Tabl1::LWSP(p), Tabl1::LWST(ts)) << p;
        EXPECT_EQ(Tabl1::LPSP(p), Tabl1::LPST(ts)) << p;
        EXPECT_EQ(Tabl1::MWSP(p), Tabl1::MWST(ts)) << p;
        EXPECT_EQ(Tabl1::MPSP(p), Tabl1::MPST(ts)) << p;
        EXPECT_EQ(Tabl1::SIGP(p), Tabl1::SIGT(ts)) << p;
    }
}
