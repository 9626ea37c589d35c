// Saturation line, IAPWS-IF97 equations 30 (pressure) and 31 (temperature).
#include "internal.h"

#include <cmath>
#include <limits>

namespace TFS {
namespace {

using detail::Ext;

// IAPWS-IF97 Table 34, n1 … n10.
// clang-format off
constexpr double n[10] = {
    1167.0521452767,  -724213.16703206, -17.073846940092,  12020.82470247,   -3232555.0322333,
    14.91510861353,   -4823.2657361591, 405113.40542057,   -0.23855557567849, 650.17534844798,
};
// clang-format on

// The pressures over which saturation_t_estimate is checked against TS_P.
constexpr double ESTIMATE_P_MIN = 0.0005;  // MPa
constexpr double ESTIMATE_P_MAX = 100.0;   // MPa

}  // namespace

double detail::saturation_t_estimate(double p) {
    if (!(ESTIMATE_P_MIN <= p && p <= ESTIMATE_P_MAX)) return std::numeric_limits<double>::quiet_NaN();
    const double beta = std::exp(0.25 * std::log(p));
    const double E = beta * beta + n[2] * beta + n[5];
    const double F = n[0] * beta * beta + n[3] * beta + n[6];
    const double G = n[1] * beta * beta + n[4] * beta + n[7];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double T = (n[9] + D - std::sqrt((n[9] + D) * (n[9] + D) - 4.0 * (n[8] + n[9] * D))) / 2.0;
    return T - double(detail::KELVIN);
}

double TS_P(double p) {
    const double beta = std::exp(0.25L * std::log(Ext(p)));
    const double E = Ext(beta) * beta + Ext(n[2]) * beta + n[5];
    const double F = Ext(n[0]) * beta * beta + Ext(n[3]) * beta + n[6];
    const double G = Ext(n[1]) * beta * beta + Ext(n[4]) * beta + n[7];
    const double D = 2.0L * G / (-Ext(F) - std::sqrt(Ext(F) * F - 4.0L * E * G));
    const double T =
        (Ext(n[9]) + D - std::sqrt((Ext(n[9]) + D) * (Ext(n[9]) + D) - 4.0L * (n[8] + Ext(n[9]) * D))) / 2.0L;
    return T - detail::KELVIN;
}

double PS_T(double t) {
    const double T = t + detail::KELVIN;
    const double theta = T + n[8] / (Ext(T) - n[9]);
    const double A = Ext(theta) * theta + Ext(n[0]) * theta + n[1];
    const double B = Ext(n[2]) * theta * theta + Ext(n[3]) * theta + n[4];
    const double C = Ext(n[5]) * theta * theta + Ext(n[6]) * theta + n[7];
    const double x = 2.0L * C / (-Ext(B) + std::sqrt(Ext(B) * B - 4.0L * A * C));
    return std::exp(4.0L * std::log(Ext(x)));
}

}  // namespace TFS
