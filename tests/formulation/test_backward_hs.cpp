// The backward and boundary equations of (h, s) against the values the
// supplementary releases print for them (ten significant digits).
#include <gtest/gtest.h>

#include <cmath>

#include "backward_hs.h"

namespace {

// One unit of the tenth significant digit of a printed value.
double tenth_digit(double value) {
    return std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 9);
}

}  // namespace

// SR2-01 Tables 3 and 9 and the point under its Eq. (2); SR4-04 Tables 5, 11,
// 18, 24, 26 and 29. The boundaries h(s) take s alone (h unused).
TEST(BackwardHS, EveryEquationReproducesTheReleases) {
    using namespace TFS::detail;
    const struct {
        const char* name;
        double (*of_hs)(double h, double s);
        double (*of_s)(double s);
        double h, s, value;
    } cases[] = {
        {"p1", p_hs1, nullptr, 0.001, 0, 9.800980612e-4},
        {"p1", p_hs1, nullptr, 90, 0, 9.192954727e1},
        {"p1", p_hs1, nullptr, 1500, 3.4, 5.868294423e1},
        {"h2ab", nullptr, h2ab, 0, 7, 3376.437884},
        {"p2a", p_hs2a, nullptr, 2800, 6.5, 1.371012767},
        {"p2a", p_hs2a, nullptr, 2800, 9.5, 1.879743844e-3},
        {"p2a", p_hs2a, nullptr, 4100, 9.5, 1.024788997e-1},
        {"p2b", p_hs2b, nullptr, 2800, 6, 4.793911442},
        {"p2b", p_hs2b, nullptr, 3600, 6, 8.395519209e1},
        {"p2b", p_hs2b, nullptr, 3600, 7, 7.527161441},
        {"p2c", p_hs2c, nullptr, 2800, 5.1, 9.439202060e1},
        {"p2c", p_hs2c, nullptr, 2800, 5.8, 8.414574124},
        {"p2c", p_hs2c, nullptr, 3400, 5.8, 8.376903879e1},
        {"p3a", p_hs3a, nullptr, 1700, 3.8, 2.555703246e1},
        {"p3a", p_hs3a, nullptr, 2000, 4.2, 4.540873468e1},
        {"p3a", p_hs3a, nullptr, 2100, 4.3, 6.078123340e1},
        {"p3b", p_hs3b, nullptr, 2600, 5.1, 3.434999263e1},
        {"p3b", p_hs3b, nullptr, 2400, 4.7, 6.363924887e1},
        {"p3b", p_hs3b, nullptr, 2700, 5.0, 8.839043281e1},
        {"h'1", nullptr, h_liquid1, 0, 1, 3.085509647e2},
        {"h'1", nullptr, h_liquid1, 0, 2, 7.006304472e2},
        {"h'1", nullptr, h_liquid1, 0, 3, 1.198359754e3},
        {"h'3a", nullptr, h_liquid3a, 0, 3.8, 1.685025565e3},
        {"h'3a", nullptr, h_liquid3a, 0, 4, 1.816891476e3},
        {"h'3a", nullptr, h_liquid3a, 0, 4.2, 1.949352563e3},
        {"h''2ab", nullptr, h_vapour2ab, 0, 7, 2.723729985e3},
        {"h''2ab", nullptr, h_vapour2ab, 0, 8, 2.599047210e3},
        {"h''2ab", nullptr, h_vapour2ab, 0, 9, 2.511861477e3},
        {"h''2c3b", nullptr, h_vapour2c3b, 0, 5.5, 2.687693850e3},
        {"h''2c3b", nullptr, h_vapour2c3b, 0, 5, 2.451623609e3},
        {"h''2c3b", nullptr, h_vapour2c3b, 0, 4.5, 2.144360448e3},
        {"hB13", nullptr, hB13, 0, 3.7, 1.632525047e3},
        {"hB13", nullptr, hB13, 0, 3.6, 1.593027214e3},
        {"hB13", nullptr, hB13, 0, 3.5, 1.566104611e3},
        {"TB23", TB23_hs, nullptr, 2600, 5.1, 7.135259364e2},
        {"TB23", TB23_hs, nullptr, 2700, 5.15, 7.685345532e2},
        {"TB23", TB23_hs, nullptr, 2800, 5.2, 8.176202120e2},
        {"Tsat", Tsat_hs, nullptr, 1800, 5.3, 3.468475498e2},
        {"Tsat", Tsat_hs, nullptr, 2400, 6, 4.251373305e2},
        {"Tsat", Tsat_hs, nullptr, 2500, 5.5, 5.225579013e2},
    };
    for (const auto& c : cases) {
        const double value = c.of_hs != nullptr ? c.of_hs(c.h, c.s) : c.of_s(c.s);
        EXPECT_NEAR(value, c.value, tenth_digit(c.value)) << c.name << " at h = " << c.h << ", s = " << c.s;
    }
}
