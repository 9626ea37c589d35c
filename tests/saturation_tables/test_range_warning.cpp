#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Tabl1.h"
#include "console.h"

namespace {

const std::string PROMPT = " Для продолжения работы нажмите кл. ENTER\n";

std::string first_line(const std::string& name, const std::string& tail) {
    return " Авост в " + name + ". Аргумент вне диапазона допустимых значений ," + tail + "\n";
}

// Remembers how much had been written at every flush.
class RecordingBuffer : public std::stringbuf {
public:
    std::vector<std::size_t> flushed_at;

protected:
    int sync() override {
        flushed_at.push_back(str().size());
        return 0;
    }
};

// A device that takes nothing: every write to it fails.
class RejectingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST(RangeWarning, ExactTextThenOneLineIsReadAndNoValueReturned) {
    Console console("first\nsecond\n");
    EXPECT_TRUE(std::isnan(Tabl1::TSP(0.0008)));
    EXPECT_EQ(console.output(), first_line("TSP", "p=   0.001") + PROMPT);
    EXPECT_EQ(console.unread_input(), "second\n");
}

TEST(RangeWarning, NegativeArgumentAndWideArgument) {
    {
        Console console;
        EXPECT_TRUE(std::isnan(Tabl1::PST(-0.001)));
        EXPECT_EQ(console.output(), first_line("PST", "t=  -0.001") + PROMPT);
    }
    {
        Console console;
        Tabl1::TSP(25);
        EXPECT_EQ(console.output(), first_line("TSP", "p=  25.000") + PROMPT);
    }
    {
        // A number wider than eight characters widens the field.
        Console console;
        Tabl1::PST(12345678.25);
        EXPECT_EQ(console.output(), first_line("PST", "t=12345678.250") + PROMPT);
    }
}

// The first line goes out in two pieces: the first one is flushed before the
// rest of the line is written.
TEST(RangeWarning, FirstLineIsFlushedInTwoPieces) {
    RecordingBuffer device;
    Console console("\n", &device);
    Tabl1::MWSP(30);
    const std::string first_piece = " Авост в MWSP. Аргумент вне диапазона допус";
    ASSERT_FALSE(device.flushed_at.empty());
    EXPECT_EQ(device.flushed_at.front(), first_piece.size());
    EXPECT_EQ(device.str(), first_line("MWSP", "p=  30.000") + PROMPT);
}

// A closed standard input or a console that takes no output ends the pause:
// the function returns its NaN and throws nothing.
TEST(RangeWarning, EndOfInputOrAFailedWriteReturnsNoValueWithoutThrowing) {
    {
        Console console("");
        EXPECT_TRUE(std::isnan(Tabl1::SIGT(-1)));
        EXPECT_EQ(console.output(), first_line("SIGT", "t=  -1.000") + PROMPT);
        EXPECT_FALSE(std::cin.fail());
        EXPECT_TRUE(std::isnan(Tabl1::SIGT(-1))) << "and again";
    }
    {
        RejectingBuffer device;
        Console console("first\n", &device);
        EXPECT_TRUE(std::isnan(Tabl1::LPST(400)));
        EXPECT_EQ(console.unread_input(), "first\n") << "a warning not shown is not waited on";
        EXPECT_FALSE(std::cout.fail());
    }
}

// A library user's own warning replaces the console's until it is removed.
TEST(RangeWarning, OwnWarningInsteadOfTheConsole) {
    static std::string given;
    const Tabl1::RangeWarning own = [](const char* function, char argument, double value) {
        given = std::string(function) + ' ' + argument + '=' + std::to_string(value);
    };
    Console console("first\n");
    EXPECT_EQ(Tabl1::SetRangeWarning(own), nullptr);
    EXPECT_TRUE(std::isnan(Tabl1::MWST(400)));
    EXPECT_EQ(given, "MWST t=400.000000");
    EXPECT_EQ(console.output(), "");
    EXPECT_EQ(Tabl1::SetRangeWarning(nullptr), own);
    EXPECT_TRUE(std::isnan(Tabl1::MWST(400)));
    EXPECT_EQ(console.output(), first_line("MWST", "t= 400.000") + PROMPT);
}

// Every bound is a decimal, and a double argument is accepted exactly when it
// lies within the decimal range. The double nearest the decimal lies on one
// side of it: inside the range (accepted) or outside (refused); its neighbour
// across the bound must get the other answer. A NaN is refused.
TEST(RangeWarning, BoundsAreTheirDecimals) {
    struct Bound {
        const char* name;
        double (*function)(double);
        double decimal;
        bool upper;
        bool decimal_accepted;
    };
    // clang-format off
    const Bound bounds[] = {
        {"TSP", Tabl1::TSP, 0.00087, false, true},     {"TSP", Tabl1::TSP, 22.08, true, true},
        {"PST", Tabl1::PST, 0.0, false, true},         {"PST", Tabl1::PST, 374.1, true, false},
        {"LWST", Tabl1::LWST, 0.01, false, true},      {"LWST", Tabl1::LWST, 374.0, true, true},
        {"LPST", Tabl1::LPST, 0.01, false, true},      {"LPST", Tabl1::LPST, 374.0, true, true},
        {"MWST", Tabl1::MWST, 0.01, false, true},      {"MWST", Tabl1::MWST, 374.0, true, true},
        {"MPST", Tabl1::MPST, 0.01, false, true},      {"MPST", Tabl1::MPST, 374.0, true, true},
        {"PRWST", Tabl1::PRWST, 0.01, false, true},    {"PRWST", Tabl1::PRWST, 374.0, true, true},
        {"PRPST", Tabl1::PRPST, 0.01, false, true},    {"PRPST", Tabl1::PRPST, 374.0, true, true},
        {"SIGT", Tabl1::SIGT, 0.0, false, true},       {"SIGT", Tabl1::SIGT, 374.0, true, true},
        {"LWSP", Tabl1::LWSP, 0.00087, false, true},   {"LWSP", Tabl1::LWSP, 21.82, true, false},
        {"LPSP", Tabl1::LPSP, 0.00087, false, true},   {"LPSP", Tabl1::LPSP, 21.82, true, false},
        {"MWSP", Tabl1::MWSP, 0.00087, false, true},   {"MWSP", Tabl1::MWSP, 21.82, true, false},
        {"MPSP", Tabl1::MPSP, 0.00087, false, true},   {"MPSP", Tabl1::MPSP, 21.82, true, false},
        {"SIGP", Tabl1::SIGP, 0.00061, false, false},  {"SIGP", Tabl1::SIGP, 21.82, true, false},
    };
    // clang-format on
    constexpr double INF = std::numeric_limits<double>::infinity();
    for (const Bound& bound : bounds) {
        SCOPED_TRACE(std::string(bound.name) + (bound.upper ? " upper " : " lower ") + std::to_string(bound.decimal));
        const double outward = bound.upper ? INF : -INF;
        const double neighbour = std::nextafter(bound.decimal, bound.decimal_accepted ? outward : -outward);
        const double accepted = bound.decimal_accepted ? bound.decimal : neighbour;
        const double refused = bound.decimal_accepted ? neighbour : bound.decimal;
        {
            Console console;
            EXPECT_TRUE(std::isfinite(bound.function(accepted)));
            EXPECT_EQ(console.output(), "");
        }
        {
            Console console;
            EXPECT_TRUE(std::isnan(bound.function(refused)));
            EXPECT_EQ(console.output().rfind(std::string(" Авост в ") + bound.name + ". ", 0), 0u);
        }
        {
            // A NaN lies in no range.
            Console console;
            EXPECT_TRUE(std::isnan(bound.function(std::numeric_limits<double>::quiet_NaN())));
            EXPECT_NE(console.output().find("=     nan\n"), std::string::npos) << console.output();
        }
    }
}
