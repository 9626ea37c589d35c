// The IAPWS 2008 viscosity and 2011 conductivity of saturated water and
// steam: each phase at the saturation state as IF97 gives it (its density,
// heat capacities and compressibility), so that the values are those of the
// (p, t) functions taken up to the line from that phase's side.
#include "transport_2008_2011.h"

namespace TFS {
namespace {

enum class Side { WATER, STEAM };

const SaturatedPhase& phase_of(const Saturation& line, Side side) {
    return side == Side::WATER ? line.water : line.steam;
}

// The saturation state of a pressure or a temperature; the stop for one
// beyond the critical point names `function`.
Saturation line_by_pressure(double p, const char* function) {
    if (!(p <= PKR)) detail::refuse_pressure(function);
    return SATURATION_P(p);
}

Saturation line_by_temperature(double t, const char* function) {
    if (!(t <= TKR)) detail::refuse_temperature(function);
    return SATURATION_T(t);
}

double viscosity(const Saturation& line, Side side, const char* function) {
    detail::check_viscosity_2008_range(line.p, line.t, function);
    return detail::viscosity_2008(line.t, phase_of(line, side).v);
}

double conductivity(const Saturation& line, Side side, const char* function) {
    detail::check_conductivity_2011_range(line.p, line.t, function);
    return detail::conductivity_2011(line.t, phase_of(line, side), true).lambda;
}

}  // namespace

double MIU08SW_P(double p) {
    return viscosity(line_by_pressure(p, "MIU08SW_P"), Side::WATER, "MIU08SW_P");
}
double MIU08SP_P(double p) {
    return viscosity(line_by_pressure(p, "MIU08SP_P"), Side::STEAM, "MIU08SP_P");
}
double MIU08SW_T(double t) {
    return viscosity(line_by_temperature(t, "MIU08SW_T"), Side::WATER, "MIU08SW_T");
}
double MIU08SP_T(double t) {
    return viscosity(line_by_temperature(t, "MIU08SP_T"), Side::STEAM, "MIU08SP_T");
}
double LMB11SW_P(double p) {
    return conductivity(line_by_pressure(p, "LMB11SW_P"), Side::WATER, "LMB11SW_P");
}
double LMB11SP_P(double p) {
    return conductivity(line_by_pressure(p, "LMB11SP_P"), Side::STEAM, "LMB11SP_P");
}
double LMB11SW_T(double t) {
    return conductivity(line_by_temperature(t, "LMB11SW_T"), Side::WATER, "LMB11SW_T");
}
double LMB11SP_T(double t) {
    return conductivity(line_by_temperature(t, "LMB11SP_T"), Side::STEAM, "LMB11SP_T");
}

}  // namespace TFS
