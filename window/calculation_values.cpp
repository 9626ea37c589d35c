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

SaturationValues SaturationByPs(double ps)
{
  SaturationValues r{};
  r.ps = ps;
  r.ts = Tabl1::TSP(ps);

  SaturatedPhaseValues& vapour = r.vapour;
  vapour.h = TFS::HSP_P(ps);
  vapour.s = TFS::SSP_P(ps);
  vapour.v = TFS::VSP_P(ps);
  vapour.rho = 1 / vapour.v;
  vapour.cp = TFS::CSP_P(ps);
  vapour.lambda = Tabl1::LPSP(ps);
  vapour.mu = Tabl1::MPSP(ps) / MicroPascalSecondsPerPascalSecond;
  vapour.nu = vapour.mu / vapour.rho;
  vapour.pr = PrandtlNumber(vapour);

  r.sigma = Tabl1::SIGP(ps) / MillinewtonsPerNewton;

  SaturatedPhaseValues& water = r.water;
  water.h = TFS::HSW_P(ps);
  water.s = TFS::SSW_P(ps);
  water.v = TFS::VSW_P(ps);
  water.rho = 1 / water.v;
  water.lambda = Tabl1::LWSP(ps);
  water.mu = Tabl1::MWSP(ps) / MicroPascalSecondsPerPascalSecond;
  water.nu = water.mu / water.rho;
  water.cp = TFS::CSW_P(ps);
  water.pr = PrandtlNumber(water);
  return r;
}

SaturationValues SaturationByTs(double ts)
{
  SaturationValues r{};
  r.ts = ts;
  r.ps = Tabl1::PST(ts);

  SaturatedPhaseValues& vapour = r.vapour;
  vapour.h = TFS::HSP_T(ts);
  vapour.s = TFS::SSP_T(ts);
  vapour.v = TFS::VSP_T(ts);
  vapour.rho = 1 / vapour.v;
  vapour.cp = TFS::CSP_T(ts);
  vapour.lambda = Tabl1::LPST(ts);
  vapour.mu = Tabl1::MPST(ts) / MicroPascalSecondsPerPascalSecond;
  vapour.nu = vapour.mu / vapour.rho;
  vapour.pr = Tabl1::PRPST(ts);

  r.sigma = Tabl1::SIGT(ts) / MillinewtonsPerNewton;

  SaturatedPhaseValues& water = r.water;
  water.h = TFS::HSW_T(ts);
  water.s = TFS::SSW_T(ts);
  water.v = TFS::VSW_T(ts);
  water.rho = 1 / water.v;
  water.cp = TFS::CSW_T(ts);
  water.lambda = Tabl1::LWST(ts);
  water.mu = Tabl1::MWST(ts) / MicroPascalSecondsPerPascalSecond;
  water.nu = water.mu / water.rho;
  water.pr = Tabl1::PRWST(ts);
  return r;
}
