// The older equation of state of water and steam that the (p, t) viscosity
// takes its density from. It has a saturation temperature of its own, which
// goes on by extrapolation above the critical pressure, so that the two
// branches still split there.
#include "tabl1_internal.h"

#include <cmath>

namespace Tabl1::detail {
namespace {

// Saturation temperature in °C at p in MPa: 1000 / D − 273.15 with D a
// polynomial in ln p.
double own_saturation_temperature(double p) {
    const auto L = powers<5>(std::log(p));
    const double D =
        2.20732 - 0.2117187 * L[1] - 0.002166605 * L[2] + 0.0001619692 * L[3] + 4.8998e-05 * L[4] + 3.691725e-06 * L[5];
    const double inverse_D = 1.0 / D;
    return 1000.0 * inverse_D - KELVIN;
}

// Compressed and saturated water, m³/kg: a polynomial in y = (50 − p) / 10
// whose coefficients depend on the temperature.
double liquid_volume(double p, double t) {
    const auto theta = powers<12>(t / 100.0);
    const auto a = powers<3>((t - 150.0) / 100.0);
    const auto b = powers<3>(100.0 / (t + 50.0));
    const auto y = powers<4>((50.0 - p) / 10.0);
    const double A0 = 0.0009771 + 1.774e-05 * theta[1] + 2.52e-05 * theta[2] + 2.96e-06 * a[3] * theta[1];
    const double A1 = 3.225e-06 + 1.3436e-06 * theta[1] + 1.684e-08 * theta[6] + 1.432e-07 * b[3];
    const double A2 = 3.7e-08 + 3.588e-08 * theta[3] - 4.05e-13 * theta[9];
    const double A4 = 1.1766e-13 * theta[12];
    return A0 + A1 * y[1] + A2 * y[2] + A4 * y[4];
}

// Steam, m³/kg: the ideal gas (R = 0.46151 kJ/(kg·K)) with two virial-like
// corrections in τ = T / 1000 K.
double vapour_volume(double p, double t) {
    const double tau = (t + KELVIN) / 1000.0;
    const double C1 = 0.0003237 + 0.00025 * tau - 0.0011354 / (tau * tau) - 0.0004381 / ((tau - 0.21) * (tau - 0.21));
    // τ⁻⁸ and τ⁻¹⁴ as exp(n · (−ln τ)) with whole-number n.
    constexpr int n8 = 8;
    constexpr int n14 = 14;
    const double C2 =
        5.6084e-06 - 2.5993e-06 * std::exp(n8 * -std::log(tau)) - 1.2604e-08 * std::exp(n14 * -std::log(tau));
    return 0.46151 * tau / p + C1 + C2 * p;
}

}  // namespace

double older_specific_volume(double p, double t) {
    const double ts = own_saturation_temperature(p);
    return t > ts ? vapour_volume(p, t) : liquid_volume(p, t);
}

}  // namespace Tabl1::detail
