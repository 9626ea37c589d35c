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

// The transport half of a state whose temperature is known.
void AddTransport(StateValues& s)
{
  s.mu = TFS::MIU_PT(s.p, s.t) / MicroPascalSecondsPerPascalSecond;
  s.nu = s.mu / s.rho;
  s.lambda = TFS::LMB_PT(s.p, s.t) / MilliwattsPerWatt;
  s.pr = TFS::PR_PT(s.p, s.t);
}

// Pr = ν·cp/(λ·v) with every quantity in SI units (ν/v = μ).
double PrandtlNumber(const SaturatedPhaseValues& phase)
{
  return phase.nu * phase.cp * JoulesPerKilojoule / (phase.lambda * phase.v);
}

// The functions that give one saturated phase from the one saturation
// coordinate: thermodynamic values from TFS, transport values from Tabl1.
// Without a Prandtl correlation the number is formed from the other values.
struct PhaseFunctions {
  double (*h)(double), (*s)(double), (*v)(double), (*cp)(double);
  double (*lambda)(double), (*mu)(double), (*pr)(double);
};

SaturatedPhaseValues SaturatedPhase(double x, const PhaseFunctions& f)
{
  SaturatedPhaseValues phase{};
  phase.h = f.h(x);
  phase.s = f.s(x);
  phase.v = f.v(x);
  phase.rho = 1 / phase.v;
  phase.cp = f.cp(x);
  phase.lambda = f.lambda(x);
  phase.mu = f.mu(x) / MicroPascalSecondsPerPascalSecond;
  phase.nu = phase.mu / phase.rho;
  phase.pr = f.pr ? f.pr(x) : PrandtlNumber(phase);
  return phase;
}

// Between the saturated-water and saturated-steam enthalpies below the critical
// pressure a (p, h) state is a mixture of the two at the saturation
// temperature, of dryness x = (h − h′)/(h″ − h′). The formulation's own (p, h)
// classification gives this only up to 16.5292 MPa; the rule here holds up to
// the critical pressure.
std::optional<StateValues> WetSteamByPH(double p, double h)
{
  if (!(p < TFS::PKR)) return std::nullopt;
  const double hWater = TFS::HSW_P(p);
  const double hSteam = TFS::HSP_P(p);
  if (!(hWater < h && h < hSteam)) return std::nullopt;
  StateValues s{};
  s.p = p;
  s.h = h;
  s.t = TFS::TS_P(p);
  s.dryness = (h - hWater) / (hSteam - hWater);
  s.s = TFS::S_PX(p, *s.dryness);
  s.v = TFS::V_PX(p, *s.dryness);
  s.rho = 1 / s.v;
  return s;
}

} // namespace

StateValues StateByPT(double p, double t)
{
  StateValues s{};
  s.p = p;
  s.t = t;
  s.h = TFS::h_pt(p, t);
  s.v = TFS::V_PT(p, t);
  s.rho = 1 / s.v;
  s.s = TFS::S_PT(p, t);
  s.cp = TFS::Cp_PT(p, t);
  AddTransport(s);
  return s;
}

StateValues StateByPH(double p, double h)
{
  if (const std::optional<StateValues> wetSteam = WetSteamByPH(p, h)) return *wetSteam;
  StateValues s{};
  s.p = p;
  s.h = h;
  s.t = TFS::T_PH(p, h);
  s.v = TFS::V_PH(p, h);
  s.rho = 1 / s.v;
  s.s = TFS::S_PH(p, h);
  s.cp = TFS::Cp_PH(p, h);
  AddTransport(s);
  return s;
}

// The other saturation coordinate comes from the formulation's saturation
// line, as h, s, v and cp do, so that the sheets show one state.
SaturationValues SaturationByPs(double ps)
{
  SaturationValues r{};
  r.ps = ps;
  r.ts = TFS::TS_P(ps);
  r.vapour = SaturatedPhase(ps, {TFS::HSP_P, TFS::SSP_P, TFS::VSP_P, TFS::CSP_P, Tabl1::LPSP, Tabl1::MPSP, nullptr});
  r.sigma = Tabl1::SIGP(ps) / MillinewtonsPerNewton;
  r.water = SaturatedPhase(ps, {TFS::HSW_P, TFS::SSW_P, TFS::VSW_P, TFS::CSW_P, Tabl1::LWSP, Tabl1::MWSP, nullptr});
  return r;
}

SaturationValues SaturationByTs(double ts)
{
  SaturationValues r{};
  r.ts = ts;
  r.ps = TFS::PS_T(ts);
  r.vapour =
      SaturatedPhase(ts, {TFS::HSP_T, TFS::SSP_T, TFS::VSP_T, TFS::CSP_T, Tabl1::LPST, Tabl1::MPST, Tabl1::PRPST});
  r.sigma = Tabl1::SIGT(ts) / MillinewtonsPerNewton;
  r.water =
      SaturatedPhase(ts, {TFS::HSW_T, TFS::SSW_T, TFS::VSW_T, TFS::CSW_T, Tabl1::LWST, Tabl1::MWST, Tabl1::PRWST});
  return r;
}
