// The dead state of the specific exergy: the surroundings a flow of water or
// steam could at most come to equilibrium with, kept in the settings.
#pragma once

#include "units.h"

class QSettings;
class QuantityValues;

struct DeadState {
    double t = 25;                  // °C
    double p = StandardAtmosphere;  // MPa

    bool operator==(const DeadState&) const = default;
};

// The ranges the settings accept: surroundings of liquid water or of vapour
// at the pressures of the (p, t) mode.
inline constexpr double LowestDeadTemperature = 0, HighestDeadTemperature = 100;  // °C
inline constexpr double LowestDeadPressure = 0.001, HighestDeadPressure = 1;      // MPa

// The keys exergy/t0 and exergy/p0; a missing one, or one out of its range,
// reads as the default.
DeadState LoadDeadState(QSettings& settings);
void SaveDeadState(QSettings& settings, const DeadState& dead);

// e = h − h0 − T0 (s − s0) of the values' h and s, h0 and s0 of water at the
// dead state (IF97 at t0 and p0); NaN where h or s is.
void SetExergy(QuantityValues& values, const DeadState& dead);
