// The name of a state's phase, with its IF97 region, as the state panel shows it.
#pragma once

#include <QString>

struct StateValues;

// "Compressed water (IF97 region 1)", "Superheated steam (IF97 region 2)", ...:
// a single-phase state by the region the formulation gives its (p, t); above
// the critical pressure by the physics, whatever the region: "Supercritical
// fluid" above the critical temperature, "Compressed water" below it. A
// two-phase state by its dryness: "Wet steam, dryness x = 0.6142 (IF97 region
// 4)" with x in the locale, and the ends of the plateau "Saturated water"
// (x = 0) and "Saturated steam" (x = 1).
QString PhaseOf(const StateValues& state);

// The dryness as the phase text writes it: "0.6142".
QString DrynessText(double x);
