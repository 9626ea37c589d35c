// The values that one run of the Calculate command computes, per input mode, in
// the units of the window: p in MPa, t in °C, h and u in kJ/kg, s, cp and cv in
// kJ/(kg·K), v in m³/kg, ρ in kg/m³, w in m/s, μ in Pa·s, ν in m²/s, λ in
// W/(m·K), σ in N/m.
// A state the property library cannot serve ends in TFS::FatalStop.
#pragma once

#include "TFS.h"
#include "quantities.h"

// A state of the (p, t) or (p, h) mode. A two-phase state (wet steam or a
// saturated phase, only from (p, h)) has its dryness; its heat capacity and
// transport properties are not defined (NaN) and are not shown.
struct StateValues {
    QuantityValues values;
    TFS::Region region;  // the formulation's region of (p, t)

    bool twoPhase() const { return !std::isnan(values[Quantity::Dryness]); }
};

StateValues StateByPT(double p, double t);
StateValues StateByPH(double p, double h);
StateValues StateByPS(double p, double s);
StateValues StateByPX(double p, double x);
StateValues StateByTX(double t, double x);

// Both phases on the saturation line; each holds the line's ps and ts, and the
// surface tension, too.
struct SaturationValues {
    QuantityValues water, steam;
};

SaturationValues SaturationByPs(double ps);
SaturationValues SaturationByTs(double ts);
