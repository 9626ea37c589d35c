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

}  // namespace

// A state computed by the library at once, in the units of the window.
StateValues StateOf(double p, const TFS::State& state) {
    StateProperties given = ThermodynamicOf(p, state.t, state);
    given.kappa = state.kappa;
    given.mu = state.mu / MicroPascalSecondsPerPascalSecond;
    given.lambda = state.lambda / MilliwattsPerWatt;
    given.pr = state.pr;
    return {ValuesOf(given), TFS::Region(state.region)};
}

void MarkTwoPhase(StateValues& s, double x) {
    s.values[Q::Dryness] = x;
    for (int q = 0; q < QuantityCount; ++q)
        if (!RowOf(Quantity(q)).twoPhase) s.values[Quantity(q)] = std::numeric_limits<double>::quiet_NaN();
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
    given.lambda = f.lambda(x);
    given.mu = f.mu(x) / MicroPascalSecondsPerPascalSecond;
    if (f.pr) given.pr = f.pr(x);
    given.sigma = sigma;
    return ValuesOf(given);
}

}  // namespace

StateValues WithDryness(double p, const TFS::State& state) {
    StateValues s = StateOf(p, state);
    if (state.region == int(TFS::Region::SATURATION_LINE)) MarkTwoPhase(s, state.x);
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

}  // namespace

SaturationValues SaturationByPs(double ps) {
    return SaturationOf(ps, TFS::SATURATION_P(ps), {Tabl1::LPSP, Tabl1::MPSP, nullptr},
                        {Tabl1::LWSP, Tabl1::MWSP, nullptr}, Tabl1::SIGP);
}

SaturationValues SaturationByTs(double ts) {
    return SaturationOf(ts, TFS::SATURATION_T(ts), {Tabl1::LPST, Tabl1::MPST, Tabl1::PRPST},
                        {Tabl1::LWST, Tabl1::MWST, Tabl1::PRWST}, Tabl1::SIGT);
}
