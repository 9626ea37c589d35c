// The supplementary equation of metastable steam, for the derivatives of its states.
#pragma once

#include "derivatives.h"

namespace TFS::detail {

// One property of the equation at (p, t), without the test of its range.
double metastable_steam(double p, double t, GibbsProperty of);

}  // namespace TFS::detail
