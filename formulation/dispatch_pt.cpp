// Properties of any (p, t) state: the region of the state picks the equation.
#include "derivatives.h"

#include <cmath>

namespace TFS {
namespace {

// One property: its formula in a Gibbs region and in region 3, and the name the stops carry.
struct Property {
    const char* name;
    detail::GibbsProperty gibbs;
    detail::HelmholtzProperty helmholtz;
};

[[noreturn]] void stop_on_line(const char* name) {
    throw FatalStop(std::string("Вы попали на линию насыщения (") + name + ")");
}

// checked_region_pt yields no other number; kept so a future one cannot pass unnoticed.
[[noreturn]] void stop_unknown(const char* name) {
    throw FatalStop(std::string("НЕИЗВЕСТНАЯ ОБЛАСТЬ (") + name + ")");
}

// One property (a formula) or every property (a phase) of the state at (p, t)
// of the given REG_PT region, from that region's equation; region 3 takes the
// volume of its branch. On the saturation line it stops as the function `name`.
template <class Result>
Result in_region(double p, double t, detail::Region region, const char* name,
                 Result (*gibbs)(const detail::GibbsState&), Result (*helmholtz)(const detail::HelmholtzState&)) {
    using detail::Region;
    switch (region) {
        case Region::WATER: return detail::water(p, t, gibbs);
        case Region::STEAM: return detail::steam(p, t, gibbs);
        case Region::NEAR_CRITICAL:
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM:
            return detail::near_critical(p, detail::volume_kr(p, t, detail::branch_of(region)), t, helmholtz);
        // On the line itself the phase is undetermined.
        case Region::SATURATION_LINE: stop_on_line(name);
        case Region::HIGH_TEMPERATURE: return detail::high_temperature(p, t, gibbs);
        case Region::OUTSIDE: break;
    }
    stop_unknown(name);
}

double dispatch(double p, double t, const Property& f) {
    return in_region(p, t, detail::checked_region_pt(p, t), f.name, f.gibbs, f.helmholtz);
}

// A region 1 state lies below the saturation temperature, so region 1 is
// taken without its test against steam.
constexpr Property ENTHALPY{"h_pt", detail::enthalpy, detail::enthalpy};
constexpr Property ENTROPY{"S_PT", detail::entropy, detail::entropy};
constexpr Property VOLUME{"V_PT", detail::volume, detail::volume};
constexpr Property HEAT_CAPACITY{"Cp_PT", detail::heat_capacity, detail::heat_capacity};
constexpr Property INTERNAL_ENERGY{"U_PT", detail::internal_energy, detail::internal_energy};
constexpr Property ISOCHORIC_HEAT_CAPACITY{"Cv_PT", detail::isochoric_heat_capacity, detail::isochoric_heat_capacity};
constexpr Property SPEED_OF_SOUND{"W_PT", detail::speed_of_sound, detail::speed_of_sound};

// Below about 5.6e-309 MPa the reciprocal of the reduced pressure in the steam
// equations exceeds the largest double, and the volume with it: no result.
// (The transport properties take the volume as it is: at density 0 they are
// those of the dilute gas.)
double finite_volume(double v) {
    if (!std::isfinite(v)) throw FatalStop(detail::MESSAGE_OUTSIDE_PT);
    return v;
}

}  // namespace

int detail::branch_of(Region region) {
    return region == Region::NEAR_CRITICAL_STEAM ? 2 : 1;
}

detail::SinglePhase detail::single_phase(double p, double t, Region region, const char* name) {
    return in_region(p, t, region, name, phase, phase);
}

detail::SinglePhase detail::transport_inputs(double p, double t, Region region, const char* name) {
    return in_region(p, t, region, name, transport_phase, transport_phase);
}

State STATE_PT(double p, double t) {
    const detail::Region region = detail::checked_region_pt(p, t);
    const detail::SinglePhase x = detail::single_phase(p, t, region, "h_pt");
    // As V_PT, no state whose volume overflows (the lowest pressures).
    finite_volume(x.v);
    return detail::single_phase_state(region, 0, p, t, x.h, x);
}

// Member by member, so that a property added to State cannot take another's place.
State detail::single_phase_state(Region region, int code, double p, double t, double h, const SinglePhase& x) {
    State state{};
    state.region = static_cast<int>(region);
    state.code = code;
    state.p = p;
    state.t = t;
    state.h = h;
    state.s = x.s;
    state.v = x.v;
    state.cp = x.cp;
    state.u = x.u;
    state.cv = x.cv;
    state.w = x.w;
    state.kappa = x.kappa;
    state.mu = viscosity(t, x.v);
    state.lambda = conductivity(t, x.v);
    state.pr = prandtl(state.mu, x.cp, state.lambda);
    return state;
}

double h_pt(double p, double t) {
    return dispatch(p, t, ENTHALPY);
}
double S_PT(double p, double t) {
    return dispatch(p, t, ENTROPY);
}
double detail::volume_pt(double p, double t) {
    return dispatch(p, t, VOLUME);
}

double V_PT(double p, double t) {
    return finite_volume(detail::volume_pt(p, t));
}
double Cp_PT(double p, double t) {
    return dispatch(p, t, HEAT_CAPACITY);
}
double U_PT(double p, double t) {
    return dispatch(p, t, INTERNAL_ENERGY);
}
double Cv_PT(double p, double t) {
    return dispatch(p, t, ISOCHORIC_HEAT_CAPACITY);
}
double W_PT(double p, double t) {
    return dispatch(p, t, SPEED_OF_SOUND);
}

// κ needs both w and v of the state: one evaluation, one region 3 search at
// most; like V_PT it refuses a state whose volume is not finite.
double K_PT(double p, double t) {
    const detail::SinglePhase x = detail::single_phase(p, t, detail::checked_region_pt(p, t), "K_PT");
    finite_volume(x.v);
    return x.kappa;
}

}  // namespace TFS
