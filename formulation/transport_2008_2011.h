// The IAPWS 2008 viscosity and the IAPWS 2011 thermal conductivity in their
// forms for industrial use with IAPWS-IF97; internal to the formulation.
#pragma once

#include "tfs_internal.h"

namespace TFS::detail {

// The critical point the releases reduce by: T* = 647.096 K, ρ* = 322 kg/m³
// (p* is PKR), and the highest temperature of both transport releases.
inline constexpr double T_CRITICAL_K = 647.096;
inline constexpr double RHO_CRITICAL = 322.0;  // kg/m³
inline constexpr double T_TRANSPORT_MAX_K = 1173.15;

// Viscosity at t (°C) and the density of volume v (m³/kg), without the
// critical enhancement (μ̄2 = 1), in µPa·s.
double viscosity_2008(double t, double v);

// The conductivity of a state with every term of it, as the release prints
// them: λ = λ̄0·λ̄1 + λ̄2 in mW/(m·K) (λ* = 1 mW/(m·K)); ζ and ζ at T_R as the
// density derivatives (∂ρ/∂p)_T in kg/(m³·MPa), ξ in nm, μ in µPa·s.
struct Conductivity2011 {
    double lambda, lambda0, lambda1, lambda2;
    double drho_dp, drho_dp_reference, xi, Z, mu;
};
// At t (°C) of the single-phase state x (its v, cp, cv and w); the critical
// enhancement λ̄2 left out (region 5) where `enhanced` is false.
Conductivity2011 conductivity_2011(double t, const SinglePhase& x, bool enhanced);

// The ranges of validity: a state outside them ends in the fatal stop that
// names `function`.
void check_viscosity_2008_range(double p, double t, const char* function);
void check_conductivity_2011_range(double p, double t, const char* function);

}  // namespace TFS::detail
