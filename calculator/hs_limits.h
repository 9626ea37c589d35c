// The states the (h, s) mode accepts: those of the formulation's domain from
// the lowest pressure of the (p, t) mode up. At one entropy they form one
// stretch of enthalpies (along an isentrope h rises with p), whose ends the
// mode's refusals name.
#pragma once

#include <optional>

struct EnthalpyRange {
    double low, high;  // kJ/kg
};

// The lowest and the highest entropy of the accepted states, kJ/(kg·K).
double LowestEntropyHS();
double HighestEntropyHS();

// Whether the state of (h, s) is accepted.
bool AcceptedHS(double h, double s);

// The enthalpies of the accepted states of entropy s; none outside the entropies.
std::optional<EnthalpyRange> EnthalpiesAt(double s);

// Whether a refused h has crossed the highest enthalpy of the range rather
// than the lowest: it lies above it, or, where the refusal of one state at an
// end and the acceptance of its neighbour differ by their rounding, nearer it.
bool AboveEnthalpies(double h, const EnthalpyRange& range);
