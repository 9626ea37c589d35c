// Surface tension of water against its vapour on the saturation line.
#include "tabl1_internal.h"

#include <cmath>

namespace Tabl1 {
namespace {

constexpr double T_CRITICAL = 647.15;  // K

}  // namespace

double detail::surface_tension(double t) {
    double tau = (T_CRITICAL - (t + KELVIN)) / T_CRITICAL;
    // At 374 °C, t + 273.15 rounds to the critical constant itself; a small τ
    // keeps the logarithm finite there.
    if (tau == 0.0) tau = 1e-5;
    // Amplitude 0.2356 N/m, result in mN/m.
    return 1000.0 * 0.2356 * std::exp(1.256 * std::log(tau)) * (1.0 - 0.625 * tau);
}

}  // namespace Tabl1
