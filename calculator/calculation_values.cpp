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
// cp comes in kJ/(kg·K); the Prandtl number needs J/(kg·K).
constexpr double JoulesPerKilojoule = 1000.0;

// h, s, v and ρ of a state or a saturated phase.
void SetThermodynamic(QuantityValues& q, double h, double s, double v) {
    q[Q::Enthalpy] = h;
    q[Q::Entropy] = s;
    q[Q::SpecificVolume] = v;
    q[Q::Density] = 1 / v;
}

// u, cv and w of a state or a saturated phase.
template <class Phase>
void SetEnergyAndSound(QuantityValues& q, const Phase& phase) {
    q[Q::InternalEnergy] = phase.u;
    q[Q::IsochoricHeatCapacity] = phase.cv;
    q[Q::SpeedOfSound] = phase.w;
}

}  // namespace

// A state computed by the library at once, in the units of the window.
StateValues StateOf(double p, const TFS::State& state) {
    StateValues s{{}, TFS::Region(state.region)};
    QuantityValues& q = s.values;
    q[Q::Pressure] = p;
    q[Q::Temperature] = state.t;
    SetThermodynamic(q, state.h, state.s, state.v);
    q[Q::HeatCapacity] = state.cp;
    SetEnergyAndSound(q, state);
    q[Q::IsentropicExponent] = state.kappa;
    q[Q::DynamicViscosity] = state.mu / MicroPascalSecondsPerPascalSecond;
    q[Q::KinematicViscosity] = q[Q::DynamicViscosity] / q[Q::Density];
    q[Q::Conductivity] = state.lambda / MilliwattsPerWatt;
    q[Q::Prandtl] = state.pr;
    return s;
}

void MarkTwoPhase(StateValues& s, double x) {
    s.values[Q::Dryness] = x;
    for (const Quantity q : {Q::HeatCapacity, Q::IsochoricHeatCapacity, Q::SpeedOfSound, Q::IsentropicExponent,
                             Q::Conductivity, Q::DynamicViscosity, Q::KinematicViscosity, Q::Prandtl})
        s.values[q] = std::numeric_limits<double>::quiet_NaN();
}

namespace {

// Pr = ν·cp/(λ·v) with every quantity in SI units (ν/v = μ).
double PrandtlNumber(const QuantityValues& q) {
    return q[Q::KinematicViscosity] * q[Q::HeatCapacity] * JoulesPerKilojoule /
           (q[Q::Conductivity] * q[Q::SpecificVolume]);
}

// One saturated phase: thermodynamic values from TFS, transport values from
// the Tabl1 correlations of the one saturation coordinate x. Without a
// Prandtl correlation the number is formed from the other values.
struct PhaseCorrelations {
    double (*lambda)(double), (*mu)(double), (*pr)(double);
};

QuantityValues SaturatedPhase(double x, const TFS::Saturation& line, const TFS::SaturatedPhase& state,
                              const PhaseCorrelations& f, double sigma) {
    QuantityValues q;
    q[Q::Pressure] = line.p;
    q[Q::Temperature] = line.t;
    SetThermodynamic(q, state.h, state.s, state.v);
    q[Q::HeatCapacity] = state.cp;
    SetEnergyAndSound(q, state);
    q[Q::Conductivity] = f.lambda(x);
    q[Q::DynamicViscosity] = f.mu(x) / MicroPascalSecondsPerPascalSecond;
    q[Q::KinematicViscosity] = q[Q::DynamicViscosity] / q[Q::Density];
    q[Q::Prandtl] = f.pr ? f.pr(x) : PrandtlNumber(q);
    q[Q::SurfaceTension] = sigma;
    return q;
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
