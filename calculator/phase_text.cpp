#include "phase_text.h"

#include "TFS.h"
#include "calculation_values.h"
#include "number_format.h"

namespace {

using TFS::Region;

// The IF97 region a REG_PT region belongs to.
int If97Region(Region region) {
    switch (region) {
        case Region::NEAR_CRITICAL_WATER:
        case Region::NEAR_CRITICAL_STEAM: return 3;
        default: return int(region);
    }
}

QString InRegion(const char* phase, Region region) {
    return QStringLiteral("%1 (IF97 region %2)").arg(QLatin1String(phase)).arg(If97Region(region));
}

QString PhaseOfTwoPhaseState(double x) {
    if (x == 0) return QStringLiteral("Saturated water");
    if (x == 1) return QStringLiteral("Saturated steam");
    return QStringLiteral("Wet steam, dryness x = ") + DrynessText(x) + QStringLiteral(" (IF97 region 4)");
}

}  // namespace

QString DrynessText(double x) {
    return FixedOrExponent(x, 5, 4);
}

QString PhaseOf(const StateValues& s) {
    if (s.twoPhase()) return PhaseOfTwoPhaseState(s.values[Quantity::Dryness]);
    // Above the critical pressure liquid and vapour are no longer told apart by
    // a phase change: the state is a liquid below the critical temperature and
    // a supercritical fluid above it, in region 1, 2 or 3 alike.
    if (s.values[Quantity::Pressure] > TFS::PKR)
        return InRegion(s.values[Quantity::Temperature] > TFS::TKR ? "Supercritical fluid" : "Compressed water",
                        s.region);
    switch (s.region) {
        case Region::WATER: return InRegion("Compressed water", s.region);
        case Region::STEAM: return InRegion("Superheated steam", s.region);
        case Region::NEAR_CRITICAL_WATER: return InRegion("Water near the critical point", s.region);
        case Region::NEAR_CRITICAL_STEAM: return InRegion("Steam near the critical point", s.region);
        case Region::HIGH_TEMPERATURE: return InRegion("High-temperature steam", s.region);
        case Region(TFS::METASTABLE_STEAM): return QStringLiteral("Metastable steam (supercooled vapour)");
        default:  // the saturation line and outside: the property functions stop before
            return {};
    }
}
