// Saturation line, IAPWS-IF97 equations 30 (pressure) and 31 (temperature).
#include "tfs_internal.h"

#include <cmath>

namespace TFS {
namespace {

// IAPWS-IF97 Table 34, n1 … n10.
// clang-format off
constexpr double n[10] = {
    1167.0521452767,  -724213.16703206, -17.073846940092,  12020.82470247,   -3232555.0322333,
    14.91510861353,   -4823.2657361591, 405113.40542057,   -0.23855557567849, 650.17534844798,
};
// clang-format on

}  // namespace

double detail::saturation_temperature(double p) {
    // β = p^¼ by two square roots: correctly rounded on every platform, and fast.
    const double beta = std::sqrt(std::sqrt(p));
    const double E = beta * beta + n[2] * beta + n[5];
    const double F = n[0] * beta * beta + n[3] * beta + n[6];
    const double G = n[1] * beta * beta + n[4] * beta + n[7];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    // Equation 31 has (n10 + D)² − 4·(n9 + n10·D) under the root, the same as
    // (n10 − D)² − 4·n9. Near the critical point D comes within 3 of n10 and
    // the first form loses five digits to cancellation; the second loses none.
    const double T = (n[9] + D - std::sqrt((n[9] - D) * (n[9] - D) - 4.0 * n[8])) / 2.0;
    return T - detail::KELVIN;
}

double detail::saturation_pressure(double t) {
    const double T = t + detail::KELVIN;
    const double theta = T + n[8] / (T - n[9]);
    const double A = theta * theta + n[0] * theta + n[1];
    const double B = n[2] * theta * theta + n[3] * theta + n[4];
    const double C = n[5] * theta * theta + n[6] * theta + n[7];
    const double x = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    // p = x⁴ as two squarings.
    const double x2 = x * x;
    return x2 * x2;
}

// Below about 5.7e-9 MPa (and at p ≤ 0) the line's equation has no
// temperature; a pressure that is not a number or infinite has none either.
double TS_P(double p) {
    const double t = detail::saturation_temperature(p);
    if (!(p > 0 && std::isfinite(t))) detail::refuse_pressure("TS_P");
    return t;
}

// Below absolute zero, and above about 431.6 °C where the line's equation
// ends, no pressure; nor for a temperature that is not a number or infinite.
double PS_T(double t) {
    const double p = detail::saturation_pressure(t);
    if (!(t > -detail::KELVIN && std::isfinite(p))) detail::refuse_temperature("PS_T");
    return p;
}

}  // namespace TFS
