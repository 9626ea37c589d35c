// The values that one run of the Calculate command computes, per input mode, in
// the units of the window: p in MPa, t in °C, h in kJ/kg, s and cp in kJ/(kg·K),
// v in m³/kg, ρ in kg/m³, μ in Pa·s, ν in m²/s, λ in W/(m·K), σ in N/m.
// A state the property libraries cannot serve ends in TFS::FatalStop (or, from
// the saturation correlations, std::ios_base::failure).
#pragma once

#include <optional>

// A state of the (p, t) or (p, h) mode. A two-phase state (wet steam, only
// from (p, h)) has its dryness; its heat capacity and transport properties
// are not defined and are not shown.
struct StateValues {
  double p, t, h, v, rho, s, cp, mu, nu, lambda, pr;
  int region;  // the formulation's region of (p, t), as REG_PT numbers it
  std::optional<double> dryness;
};

StateValues StateByPT(double p, double t);
StateValues StateByPH(double p, double h);

// Saturated water or saturated steam.
struct SaturatedPhaseValues {
  double h, s, v, rho, cp, lambda, mu, nu, pr;
};

struct SaturationValues {
  double ps, ts;
  SaturatedPhaseValues vapour, water;
  double sigma;
};

SaturationValues SaturationByPs(double ps);
SaturationValues SaturationByTs(double ts);
