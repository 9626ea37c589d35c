// Transport properties of saturated water and steam and the surface tension,
// by saturation temperature t in °C.
#include "tabl1_internal.h"
#include "saturated_property_pieces.h"

namespace Tabl1 {
namespace {

using detail::evaluate_pieces;
using detail::within_range;

constexpr detail::Range PIECES_RANGE{0.01, 374.0};  // t, °C
constexpr detail::Range SIGT_RANGE{0.0, 374.0};     // t, °C

template <const auto& PIECES>
double by_temperature(const char* name, double t) {
    return within_range(name, 't', PIECES_RANGE, t, [](double ts) { return evaluate_pieces(PIECES, ts); });
}

}  // namespace

double LWST(double t) {
    return by_temperature<detail::LWST_PIECES>("LWST", t);
}
double LPST(double t) {
    return by_temperature<detail::LPST_PIECES>("LPST", t);
}
double MWST(double t) {
    return by_temperature<detail::MWST_PIECES>("MWST", t);
}
double MPST(double t) {
    return by_temperature<detail::MPST_PIECES>("MPST", t);
}
double PRWST(double t) {
    return by_temperature<detail::PRWST_PIECES>("PRWST", t);
}
double PRPST(double t) {
    return by_temperature<detail::PRPST_PIECES>("PRPST", t);
}

double SIGT(double t) {
    return within_range("SIGT", 't', SIGT_RANGE, t, detail::surface_tension);
}

}  // namespace Tabl1
