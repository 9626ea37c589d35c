#include "calculation_values.h"

#include "TFS.h"
#include "Tabl1.h"

namespace {

// The transport functions give µPa·s and the saturation correlations µPa·s too.
constexpr double MicroPascalSecondsPerPascalSecond = 1000000.0;
// TFS gives the conductivity in mW/(m·K).
constexpr double MilliwattsPerWatt = 1000.0;
// Tabl1 gives the surface tension in mN/m.
constexpr double MillinewtonsPerNewton = 1000.0;
// cp comes in kJ/(kg·K); the Prandtl number needs J/(kg·K).
constexpr double JoulesPerKilojoule = 1000.0;

// A state computed by the library at once, in the units of the window.
StateValues FromState(double p, const TFS::State& state)
{
  StateValues s{};
  s.p = p;
  s.t = state.t;
  s.h = state.h;
  s.v = state.v;
  s.rho = 1 / s.v;
  s.s = state.s;
  s.cp = state.cp;
  s.mu = state.mu / MicroPascalSecondsPerPascalSecond;
  s.nu = s.mu / s.rho;
  s.lambda = state.lambda / MilliwattsPerWatt;
  s.pr = state.pr;
  s.region = state.region;
  return s;
}

// Pr = ν·cp/(λ·v) with every quantity in SI units (ν/v = μ).
double PrandtlNumber(const SaturatedPhaseValues& phase)
{
  return phase.nu * phase.cp * JoulesPerKilojoule / (phase.lambda * phase.v);
}

// One saturated phase: thermodynamic values from TFS, transport values from
// the Tabl1 correlations of the one saturation coordinate x. Without a
// Prandtl correlation the number is formed from the other values.
struct PhaseCorrelations {
  double (*lambda)(double), (*mu)(double), (*pr)(double);
};

SaturatedPhaseValues SaturatedPhase(double x, const TFS::SaturatedPhase& state, const PhaseCorrelations& f)
{
  SaturatedPhaseValues phase{};
  phase.h = state.h;
  phase.s = state.s;
  phase.v = state.v;
  phase.rho = 1 / phase.v;
  phase.cp = state.cp;
  phase.lambda = f.lambda(x);
  phase.mu = f.mu(x) / MicroPascalSecondsPerPascalSecond;
  phase.nu = phase.mu / phase.rho;
  phase.pr = f.pr ? f.pr(x) : PrandtlNumber(phase);
  return phase;
}

} // namespace

StateValues StateByPT(double p, double t) { return FromState(p, TFS::STATE_PT(p, t)); }

StateValues StateByPH(double p, double h)
{
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
  if (p < TFS::PKR && state.x >= 0 && state.x <= 1) s.dryness = state.x;
  return s;
}

namespace {

// Both sheets at the one saturation coordinate x (ps or ts): h, s, v, cp and
// the other coordinate from the formulation's saturation line, so that the
// sheets show one state; transport values and σ from the correlations of x.
SaturationValues SaturationOf(double x, const TFS::Saturation& state, const PhaseCorrelations& steam,
                              const PhaseCorrelations& water, double (*sigma)(double))
{
  SaturationValues r{};
  r.ps = state.p;
  r.ts = state.t;
  r.vapour = SaturatedPhase(x, state.steam, steam);
  r.sigma = sigma(x) / MillinewtonsPerNewton;
  r.water = SaturatedPhase(x, state.water, water);
  return r;
}

} // namespace

SaturationValues SaturationByPs(double ps)
{
  return SaturationOf(ps, TFS::SATURATION_P(ps), {Tabl1::LPSP, Tabl1::MPSP, nullptr},
                      {Tabl1::LWSP, Tabl1::MWSP, nullptr}, Tabl1::SIGP);
}

SaturationValues SaturationByTs(double ts)
{
  return SaturationOf(ts, TFS::SATURATION_T(ts), {Tabl1::LPST, Tabl1::MPST, Tabl1::PRPST},
                      {Tabl1::LWST, Tabl1::MWST, Tabl1::PRWST}, Tabl1::SIGT);
}
