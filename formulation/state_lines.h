// States along an isotherm or an isobar by a second quantity (state_lines.cpp).
#pragma once

#include "derivatives.h"

namespace TFS::detail {

enum class Quantity { Enthalpy, Entropy, Volume };

// A line and the quantity met on it: the isotherm of the fixed temperature
// (the pressure free) or the isobar of the fixed pressure; the stop of its pair.
struct LineOf {
    bool isotherm;
    Quantity quantity;
    const char* outside;
};

// The state on the line at `fixed` whose quantity is `target`, of the branch
// where two states have it.
State state_on_line(const LineOf& of, double fixed, double target, Branch branch);

}  // namespace TFS::detail
