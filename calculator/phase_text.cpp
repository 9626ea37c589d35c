#include "phase_text.h"

#include "number_format.h"


QString PhaseOfState(int region)
{
  switch (region) {
  case 1:
    return QStringLiteral("Compressed water (IF97 region 1)");
  case 2:
    return QStringLiteral("Superheated steam (IF97 region 2)");
  case 3:  // above the critical pressure
    return QStringLiteral("Supercritical fluid (IF97 region 3)");
  case 31:
    return QStringLiteral("Water near the critical point (IF97 region 3)");
  case 32:
    return QStringLiteral("Steam near the critical point (IF97 region 3)");
  case 5:
    return QStringLiteral("High-temperature steam (IF97 region 5)");
  default:  // 4, exactly on the saturation line: the property functions stop before
    return {};
  }
}

QString PhaseOfWetSteam(double x)
{
  return QStringLiteral("Wet steam, dryness x = ") + FixedFormat(x, 5, 4) + QStringLiteral(" (IF97 region 4)");
}
