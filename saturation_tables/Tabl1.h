// Tabl1: one-argument correlations along the saturation line of water.
#pragma once

namespace Tabl1 {
}  // namespace Tabl1
