// The values that one run of the Calculate command computes, a state or both
// saturated phases, from what the formulation and the saturation correlations
// give; the modes' computations (modes.cpp) build on them. In the core's
// units: p in MPa, t in °C, h and u in kJ/kg, s, cp and cv in kJ/(kg·K), v in
// m³/kg, ρ in kg/m³, w in m/s, μ in Pa·s, ν in m²/s, λ in W/(m·K), σ in N/m.
// It names the formulation's types without including TFS.h.
// A state the property library cannot serve ends in TFS::FatalStop.
#pragma once

#include "quantities.h"

#include <cmath>
#include <variant>

namespace TFS {
enum class Region : int;
struct State;
}  // namespace TFS

// A state of a state mode. A two-phase state (wet steam or a saturated phase)
// has its dryness; its heat capacity and transport properties are not defined
// (NaN) and are not shown.
struct StateValues {
    QuantityValues values;
    TFS::Region region;  // the formulation's region of (p, t)

    bool twoPhase() const { return !std::isnan(values[Quantity::Dryness]); }
};

// A state the formulation computed at pressure p, as it gives it.
StateValues StateOf(double p, const TFS::State& state);
// A two-phase mixture of dryness x has no heat capacity or transport properties.
void MarkTwoPhase(StateValues& s, double x);
// As StateOf, a state of the saturation line (region 4) with its dryness.
StateValues WithDryness(double p, const TFS::State& state);

// Both phases on the saturation line; each holds the line's ps and ts, and the
// surface tension, too.
struct SaturationValues {
    QuantityValues water, steam;
};

SaturationValues SaturationByPs(double ps);
SaturationValues SaturationByTs(double ts);

// What a mode computes: one state, or both phases on the saturation line.
struct ModeValues {
    std::variant<StateValues, SaturationValues> values;
};
