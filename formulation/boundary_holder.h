// Which of two regions that meet holds their boundary itself, as the (p, t)
// classification puts a state on it.
#pragma once

#include "tfs_internal.h"

namespace TFS::detail {

// The rank of a region in holding a boundary it shares, lowest first: region
// 1 holds 350 °C, region 2 the B23 line and 800 °C. Where two regions'
// equations overlap or leave a step at their boundary, the state of the
// region that holds it is given, so that a state on the boundary comes back
// as itself.
inline int holds_boundary(Region region) {
    switch (region) {
        case Region::WATER: return 0;
        case Region::STEAM: return 1;
        case Region::HIGH_TEMPERATURE: return 3;
        default: return in_region3(region) ? 2 : 4;
    }
}

}  // namespace TFS::detail
