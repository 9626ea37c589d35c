// Surface tension of water against its vapour on the saturation line by the
// IAPWS release R1-76(2014): σ = B·τ^μ·(1 + b·τ), τ = 1 − T/Tc.
#include "transport_2008_2011.h"

namespace TFS {
namespace {

constexpr double B = 235.8;  // mN/m
constexpr double b = -0.625;
constexpr double MU = 1.256;
// The release holds from the triple point up, and its equation extrapolates
// reasonably into supercooled water down to −25 °C; below that it gives none.
constexpr double T_LOWEST_C = -25.0;

bool within_release(double t) {
    return t >= T_LOWEST_C && t <= TKR;
}

}  // namespace

double SIG14_T(double t) {
    if (!within_release(t)) detail::refuse_temperature("SIG14_T");
    const double tau = 1.0 - (t + detail::KELVIN) / detail::T_CRITICAL_K;
    // At the critical point the two phases become one: no interface is left.
    if (!(tau > 0)) return 0.0;
    return B * POWR(tau, MU) * (1.0 + b * tau);
}

double SIG14_P(double p) {
    // The saturation temperature of the pressure must lie in the release's range.
    const double ts = p <= PKR ? detail::saturation_temperature(p) : NO_VALUE;
    if (!within_release(ts)) detail::refuse_pressure("SIG14_P");
    return SIG14_T(ts);
}

}  // namespace TFS
