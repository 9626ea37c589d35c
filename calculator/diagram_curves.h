// The data of the temperature–entropy and the enthalpy–entropy (Mollier)
// diagrams of the state panel: the saturation dome, and the isobar and point
// of one state. Each point carries its s, t and h, so that both diagrams draw
// the same points, computed once. Entropy s in kJ/(kg·K), temperature t in °C,
// enthalpy h in kJ/kg. No widgets: the charts only draw these.
#pragma once

#include <vector>

struct DiagramPoint {
    double s, t, h;
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

// The shown ranges: every axis ends at its maximum and carries ticks at its
// step, counted from 0. It starts at 0, or below where a state needs room
// there. The s axis is the same in both diagrams.
struct DiagramRange {
    double sMax, tMax;
    double sTick, tTick;
    double hMax, hTick;
    double sMin = 0, tMin = 0, hMin = 0;
};

// The range that fits the dome alone, before any state is shown.
DiagramRange DomeRange();

// The range widened where need be, so that the point stands inside every end
// by at least the room the shown state gets (0.3 kJ/(kg·K), 15 °C, 100 kJ/kg),
// and by about 2.5 % of the axis where that is more: a state is never drawn on the
// frame. An upper end rises to a whole tick, a lower one goes just as far as
// needed below 0.
DiagramRange RangeTakingIn(DiagramRange range, const std::vector<DiagramPoint>& points);

// One state on the diagrams: its point, its isobar over the shown temperatures
// (with the two-phase plateau at the saturation temperature below the critical
// pressure) and the range that fits dome and state. Above the state the
// isobar runs on to the top of the temperature axis; in the h–s diagram it may
// leave the frame there.
struct StateDiagram {
    DiagramPoint state;
    DiagramCurve isobar;
    DiagramRange range;
};

StateDiagram StateDiagramOf(double p, double s, double t, double h);
