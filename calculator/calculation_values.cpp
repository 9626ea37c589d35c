#include "calculation_values.h"

#include "TFS.h"
#include "Tabl1.h"

namespace {

using Q = Quantity;

// The transport functions give µPa·s and the saturation correlations µPa·s too.
constexpr double MicroPascalSecondsPerPascalSecond = 1000000.0;
// TFS gives the conductivity in mW/(m·K).
constexpr double MilliwattsPerWatt = 1000.0;
// Tabl1 gives the surface tension in mN/m.
constexpr double MillinewtonsPerNewton = 1000.0;

// p, t, h, s, v, cp, u, cv and w of a state or of a saturated phase.
template <class Phase>
StateProperties ThermodynamicOf(double p, double t, const Phase& state) {
    StateProperties given;
    given.p = p;
    given.t = t;
    given.h = state.h;
    given.s = state.s;
    given.v = state.v;
    given.cp = state.cp;
    given.u = state.u;
    given.cv = state.cv;
    given.w = state.w;
    return given;
}

// The derivatives of the state's equation, and its g, f and Z.
void SetDerivatives(StateProperties& given, const TFS::State& state) {
    const TFS::Derivatives d = TFS::DERIVATIVES(state);
    given.alphaV = d.alpha_v;
    given.kappaT = d.kappa_t;
    given.dpdT = d.dp_dt_v;
    given.muJT = d.mu_jt;
    given.deltaT = d.delta_t;
    given.g = d.g;
    given.f = d.f;
    given.z = d.z;
}

// The hottest saturation state of regions 1 and 2, °C: above it both phases
// are region 3's.
constexpr double Region3Saturation = 350.0;

// A saturated phase as a state of its region's equation, for its derivatives.
TFS::State PhaseState(const TFS::Saturation& line, const TFS::SaturatedPhase& phase, TFS::Region below350) {
    TFS::State state;
    state.region = int(line.t <= Region3Saturation ? below350 : TFS::Region::NEAR_CRITICAL);
    state.p = line.p;
    state.t = line.t;
    state.h = phase.h;
    state.s = phase.s;
    state.v = phase.v;
    state.u = phase.u;
    return state;
}

void SetPhaseDerivatives(StateProperties& given, const TFS::Saturation& line, const TFS::SaturatedPhase& phase) {
    SetDerivatives(given, PhaseState(line, phase, &phase == &line.water ? TFS::Region::WATER : TFS::Region::STEAM));
}

}  // namespace

// A state computed by the library at once, in the units of the window.
StateValues StateOf(double p, const TFS::State& state, Transport transport) {
    StateProperties given = ThermodynamicOf(p, state.t, state);
    given.kappa = state.kappa;
    SetDerivatives(given, state);
    // The library gives transport values to a single-phase state only, and
    // the calculator only within the releases' range: a hotter state is shown
    // without them rather than refused or extrapolated. The Prandtl number of
    // the releases is formed from theirs, as on the sheets.
    if (std::isnan(state.mu)) return {ValuesOf(given), TFS::Region(state.region)};
    const TransportCoverage covered = TransportCoverageAt(p, state.t);
    if (transport == Transport::IAPWS2008_2011) {
        if (covered.viscosity) given.mu = TFS::MIU08_PT(p, state.t) / MicroPascalSecondsPerPascalSecond;
        if (covered.conductivity) given.lambda = TFS::LMB11_PT(p, state.t) / MilliwattsPerWatt;
    } else {
        if (covered.viscosity) given.mu = state.mu / MicroPascalSecondsPerPascalSecond;
        if (covered.conductivity) given.lambda = state.lambda / MilliwattsPerWatt;
        if (covered.viscosity && covered.conductivity) given.pr = state.pr;
    }
    return {ValuesOf(given), TFS::Region(state.region)};
}

namespace {

// The 2008 viscosity and 2011 conductivity of one saturated phase by the
// saturation coordinate (µPa·s, mW/(m·K)).
struct PhaseReleases {
    double (*mu)(double), (*lambda)(double);
};

constexpr PhaseReleases WaterByPs{TFS::MIU08SW_P, TFS::LMB11SW_P}, SteamByPs{TFS::MIU08SP_P, TFS::LMB11SP_P};
constexpr PhaseReleases WaterByTs{TFS::MIU08SW_T, TFS::LMB11SW_T}, SteamByTs{TFS::MIU08SP_T, TFS::LMB11SP_T};

// A saturated phase wholly from IF97 at the saturation state and the releases
// of the coordinate x; the Prandtl number formed from them.
QuantityValues PhaseByReleases(double x, const TFS::Saturation& line, const TFS::SaturatedPhase& state,
                               const PhaseReleases& f, double sigma) {
    StateProperties given = ThermodynamicOf(line.p, line.t, state);
    given.kappa = state.kappa;  // not on a sheet; the panel's saturated phase shows it
    SetPhaseDerivatives(given, line, state);
    given.mu = f.mu(x) / MicroPascalSecondsPerPascalSecond;
    given.lambda = f.lambda(x) / MilliwattsPerWatt;
    given.sigma = sigma;
    return ValuesOf(given);
}

}  // namespace

void MarkTwoPhase(StateValues& s, double x, Transport transport) {
    s.values[Q::Dryness] = x;
    for (int q = 0; q < QuantityCount; ++q)
        if (!RowOf(Quantity(q)).twoPhase) s.values[Quantity(q)] = std::numeric_limits<double>::quiet_NaN();
    if (transport != Transport::IAPWS2008_2011 || (x != 0 && x != 1)) return;
    const double p = s.values[Q::Pressure];
    const TFS::Saturation line = TFS::SATURATION_P(p);
    QuantityValues phase = x == 0 ? PhaseByReleases(p, line, line.water, WaterByPs, StateProperties::None)
                                  : PhaseByReleases(p, line, line.steam, SteamByPs, StateProperties::None);
    // The state keeps what it has; the phase gives what a mixture lacks.
    for (int q = 0; q < QuantityCount; ++q)
        if (std::isnan(s.values[Quantity(q)])) s.values[Quantity(q)] = phase[Quantity(q)];
}

namespace {

// One saturated phase: thermodynamic values from TFS, transport values from
// the Tabl1 correlations of the one saturation coordinate x. Without a
// Prandtl correlation the number is formed from the other values.
struct PhaseCorrelations {
    double (*lambda)(double), (*mu)(double), (*pr)(double);
};

QuantityValues SaturatedPhase(double x, const TFS::Saturation& line, const TFS::SaturatedPhase& state,
                              const PhaseCorrelations& f, double sigma) {
    StateProperties given = ThermodynamicOf(line.p, line.t, state);
    SetPhaseDerivatives(given, line, state);
    given.lambda = f.lambda(x);
    given.mu = f.mu(x) / MicroPascalSecondsPerPascalSecond;
    if (f.pr) given.pr = f.pr(x);
    given.sigma = sigma;
    return ValuesOf(given);
}

}  // namespace

StateValues WithDryness(double p, const TFS::State& state, Transport transport) {
    StateValues s = StateOf(p, state, transport);
    if (state.region == int(TFS::Region::SATURATION_LINE)) MarkTwoPhase(s, state.x, transport);
    return s;
}

namespace {

// Both sheets at the one saturation coordinate x (ps or ts): h, s, v, cp and
// the other coordinate from the formulation's saturation line, so that the
// sheets show one state; transport values and σ from the correlations of x.
SaturationValues SaturationOf(double x, const TFS::Saturation& line, const PhaseCorrelations& steam,
                              const PhaseCorrelations& water, double (*sigma)(double)) {
    const double tension = sigma(x) / MillinewtonsPerNewton;
    return {SaturatedPhase(x, line, line.water, water, tension), SaturatedPhase(x, line, line.steam, steam, tension)};
}

// Both sheets at x by the releases.
SaturationValues SaturationByReleases(double x, const TFS::Saturation& line, const PhaseReleases& water,
                                      const PhaseReleases& steam, double (*sigma)(double)) {
    const double tension = sigma(x) / MillinewtonsPerNewton;
    return {PhaseByReleases(x, line, line.water, water, tension), PhaseByReleases(x, line, line.steam, steam, tension)};
}

}  // namespace

SaturationValues SaturationByPs(double ps, Transport transport) {
    if (transport == Transport::IAPWS2008_2011)
        return SaturationByReleases(ps, TFS::SATURATION_P(ps), WaterByPs, SteamByPs, TFS::SIG14_P);
    return SaturationOf(ps, TFS::SATURATION_P(ps), {Tabl1::LPSP, Tabl1::MPSP, nullptr},
                        {Tabl1::LWSP, Tabl1::MWSP, nullptr}, Tabl1::SIGP);
}

SaturationValues SaturationByTs(double ts, Transport transport) {
    if (transport == Transport::IAPWS2008_2011)
        return SaturationByReleases(ts, TFS::SATURATION_T(ts), WaterByTs, SteamByTs, TFS::SIG14_T);
    return SaturationOf(ts, TFS::SATURATION_T(ts), {Tabl1::LPST, Tabl1::MPST, Tabl1::PRPST},
                        {Tabl1::LWST, Tabl1::MWST, Tabl1::PRWST}, Tabl1::SIGT);
}
