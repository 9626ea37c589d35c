#include "calculation_values.h"

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

// A state computed by the library at once, in the units of the window.
StateValues FromState(double p, const TFS::State& state) {
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

// A two-phase mixture has no heat capacity or transport properties.
void MarkTwoPhase(StateValues& s, double x) {
    s.values[Q::Dryness] = x;
    for (const Quantity q : {Q::HeatCapacity, Q::IsochoricHeatCapacity, Q::SpeedOfSound, Q::IsentropicExponent,
                             Q::Conductivity, Q::DynamicViscosity, Q::KinematicViscosity, Q::Prandtl})
        s.values[q] = std::numeric_limits<double>::quiet_NaN();
}

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

// A state of the (p, s), (p, x) or (t, x) mode: a two-phase state (region 4)
// has its dryness, as in the (p, h) mode.
StateValues WithDryness(double p, const TFS::State& state) {
    StateValues s = FromState(p, state);
    if (state.region == int(TFS::Region::SATURATION_LINE)) MarkTwoPhase(s, state.x);
    return s;
}

}  // namespace

StateValues StateByPT(double p, double t) {
    return FromState(p, TFS::STATE_PT(p, t));
}

StateValues StateByPS(double p, double s) {
    return WithDryness(p, TFS::STATE_PS(p, s));
}

StateValues StateByPX(double p, double x) {
    return WithDryness(p, TFS::STATE_PX(p, x));
}

StateValues StateByTX(double t, double x) {
    return WithDryness(TFS::PS_T(t), TFS::STATE_TX(t, x));
}

StateValues StateByPH(double p, double h) {
    const TFS::State state = TFS::STATE_PH(p, h);
    StateValues s = FromState(p, state);
    // From the saturated-water to the saturated-steam enthalpy below the
    // critical pressure the state is wet steam at the saturation temperature, of
    // dryness x = (h − h′)/(h″ − h′): its heat capacity and transport properties
    // are not defined. This holds up to the critical pressure, whatever code the
    // (p, h) classification gives above 16.5292 MPa. At the ends, x = 0 and
    // x = 1, it is saturated water or saturated steam, whose transport the
    // (p, t) functions cannot give either: at its saturation temperature they
    // could not tell the phase.
    if (p < TFS::PKR && state.x >= 0 && state.x <= 1) MarkTwoPhase(s, state.x);
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
