// The values that one run of the Calculate command computes, a state or both
// saturated phases, from what the formulation and the saturation correlations
// give; the modes' computations (modes.cpp) build on them. In the core's
// units: p in MPa, t in °C, h and u in kJ/kg, s, cp and cv in kJ/(kg·K), v in
// m³/kg, ρ in kg/m³, w in m/s, μ in Pa·s, ν in m²/s, λ in W/(m·K), σ in N/m.
// It names the formulation's types without including TFS.h.
// A state the property library cannot serve ends in TFS::FatalStop.
#pragma once

#include "quantities.h"
#include "transport_choice.h"

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

// A state the formulation computed at pressure p, as it gives it; under
// IAPWS 2008/2011 a single-phase state takes its transport from those
// releases at its (p, t).
StateValues StateOf(double p, const TFS::State& state, Transport transport = Transport::IAPS1985);
// A two-phase mixture of dryness x has no heat capacity or transport
// properties. Under IAPWS 2008/2011 a saturated phase (x = 0 or 1) is the
// phase of the saturation sheets at its pressure: its heat capacities, speed
// of sound and transport as the sheets show them.
void MarkTwoPhase(StateValues& s, double x, Transport transport = Transport::IAPS1985);
// As StateOf, a state of the saturation line (region 4) with its dryness.
StateValues WithDryness(double p, const TFS::State& state, Transport transport = Transport::IAPS1985);

// Both phases on the saturation line; each holds the line's ps and ts, and the
// surface tension, too. Under IAPS 1985 the transport values and σ come from
// the saturation-line correlations of the typed coordinate; under IAPWS
// 2008/2011 every value comes from IF97 at the saturation state, the transport
// from those releases and σ from IAPWS R1-76(2014), so that ps and ts of one
// state give one pair of sheets.
struct SaturationValues {
    QuantityValues water, steam;
};

SaturationValues SaturationByPs(double ps, Transport transport);
SaturationValues SaturationByTs(double ts, Transport transport);

// What a mode computes: one state, or both phases on the saturation line.
struct ModeValues {
    std::variant<StateValues, SaturationValues> values;
};
