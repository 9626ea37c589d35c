// The saturated-state correlations by saturation pressure p in MPa: the
// pressure is turned into the saturation temperature by the fitted polynomial
// and the temperature correlation is evaluated there.
#include "tabl1_internal.h"
#include "saturated_property_pieces.h"

namespace Tabl1 {
namespace {

using detail::evaluate_pieces;
using detail::saturation_temperature;
using detail::within_range;

constexpr detail::Range PIECES_RANGE{PS_MIN, PS_MAX};  // p, MPa
constexpr detail::Range SIGP_RANGE{0.0006100000000000001, PS_MAX};  // p, MPa; the first double above 0.00061

template <const auto& PIECES>
double by_pressure(const char* name, double p) {
    return within_range(name, 'p', PIECES_RANGE, p,
                        [](double ps) { return evaluate_pieces(PIECES, saturation_temperature(ps)); });
}

}  // namespace

double LWSP(double p) {
    return by_pressure<detail::LWST_PIECES>("LWSP", p);
}
double LPSP(double p) {
    return by_pressure<detail::LPST_PIECES>("LPSP", p);
}
double MWSP(double p) {
    return by_pressure<detail::MWST_PIECES>("MWSP", p);
}
double MPSP(double p) {
    return by_pressure<detail::MPST_PIECES>("MPSP", p);
}

double SIGP(double p) {
    return within_range("SIGP", 'p', SIGP_RANGE, p,
                        [](double ps) { return detail::surface_tension(saturation_temperature(ps)); });
}

}  // namespace Tabl1
