// The data of the temperature–entropy diagram of the state panel: the
// saturation dome, and the isobar and point of one state. Entropy s in
// kJ/(kg·K), temperature t in °C. No widgets: the chart only draws these.
#pragma once

#include <vector>

struct DiagramPoint {
    double s, t;
};
using DiagramCurve = std::vector<DiagramPoint>;

// Saturated water and saturated steam from the triple point (0.01 °C) up to
// the critical point, in rising temperature; both curves end in the critical
// point.
struct SaturationDome {
    DiagramCurve water, steam;
};

// A few milliseconds, the region 3 searches near the critical point costing
// most.
SaturationDome ComputeSaturationDome();

// Computed at the first call, then kept for the life of the program.
const SaturationDome& TheSaturationDome();

// The shown ranges: both axes start at 0, end at this corner and carry ticks
// at these steps.
struct DiagramRange {
    double sMax, tMax;
    double sTick, tTick;
};

// The range that fits the dome alone, before any state is shown.
DiagramRange DomeRange();

// One state on the diagram: its point, its isobar over the shown temperatures
// (with the two-phase plateau at the saturation temperature below the critical
// pressure) and the range that fits dome and state.
struct StateDiagram {
    DiagramPoint state;
    DiagramCurve isobar;
    DiagramRange range;
};

StateDiagram StateDiagramOf(double p, double s, double t);
