// The name of a state's phase, with its IF97 region, as the state panel shows it.
#pragma once

#include <QString>

// A single-phase state, named by the region the formulation gives its (p, t),
// as REG_PT numbers it: "Compressed water (IF97 region 1)", ...
QString PhaseOfState(int region);

// A two-phase state of dryness x: "Wet steam, dryness x = 0.6142 (IF97 region 4)",
// x with four decimals and the locale's decimal separator.
QString PhaseOfWetSteam(double x);
