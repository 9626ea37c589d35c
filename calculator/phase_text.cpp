#include "phase_text.h"

#include "TFS.h"
#include "calculation_values.h"
#include "number_format.h"

namespace {

QString InRegion(const char* phase, int region)
{
  return QStringLiteral("%1 (IF97 region %2)").arg(QLatin1String(phase)).arg(region);
}

QString PhaseOfTwoPhaseState(double x)
{
  if (x == 0) return QStringLiteral("Saturated water");
  if (x == 1) return QStringLiteral("Saturated steam");
  return QStringLiteral("Wet steam, dryness x = ") + FixedFormat(x, 5, 4) + QStringLiteral(" (IF97 region 4)");
}

}  // namespace

QString PhaseOf(const StateValues& s)
{
  if (s.dryness) return PhaseOfTwoPhaseState(*s.dryness);
  // Above the critical pressure liquid and vapour are no longer told apart by
  // a phase change: the state is a liquid below the critical temperature and
  // a supercritical fluid above it, in region 1, 2 or 3 alike.
  if (s.p > TFS::PKR)
    return InRegion(s.t > TFS::TKR ? "Supercritical fluid" : "Compressed water", s.region);
  switch (s.region) {
  case 1:
    return InRegion("Compressed water", 1);
  case 2:
    return InRegion("Superheated steam", 2);
  case 31:
    return InRegion("Water near the critical point", 3);
  case 32:
    return InRegion("Steam near the critical point", 3);
  case 5:
    return InRegion("High-temperature steam", 5);
  default:  // 4, exactly on the saturation line: the property functions stop before
    return {};
  }
}
