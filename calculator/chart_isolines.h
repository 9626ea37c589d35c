// The isolines of a diagram, computed from exact states of the formulation:
// an isobar's points are states at its pressure, an isentrope's states at
// its entropy, and so on. Each line is sampled over its whole length, then
// refined where it crosses the shown range until its chords are short there,
// so that a zoomed view gets smooth lines at the cost of what it shows.
#pragma once

#include "chart_kinds.h"

#include <vector>

// Which isoline: its family and its value.
struct IsolineId {
    IsolineFamily family;
    double value;  // in the core's unit of the family's quantity; x for the dryness
    bool operator==(const IsolineId&) const = default;
};

struct Isoline {
    IsolineId id;
    std::vector<ChartPoint> points;  // in the order of the line
};

// The saturation dome is the dryness 0 (saturated water, from the triple
// point) and 1 (saturated steam) lines; both end in the critical point.
struct ChartDome {
    Isoline water, steam;
    ChartPoint critical;
};

ChartPoint CriticalChartPoint();

// One isoline refined for the kind's axes over `range`.
Isoline ComputeIsoline(const IsolineId& id, const ChartKindRow& kind, const ChartRange& range);
ChartDome ComputeDome(const ChartKindRow& kind, const ChartRange& range);

// The ids of the chosen families at their values.
std::vector<IsolineId> IsolinesOf(const QList<IsolineFamily>& families);

// The isolines and dome of a view, all at once.
struct ChartLines {
    ChartDome dome;
    std::vector<Isoline> isolines;
};
ChartLines ComputeChartLines(const std::vector<IsolineId>& ids, const ChartKindRow& kind, const ChartRange& range);

// A printed chart's finer grid: between each two neighbouring values of a
// family one more (for pressures and volumes, whose lines stand in decades,
// the geometric mean rounded to a round number; the middle for the others).
std::vector<IsolineId> FinerIsolines(const std::vector<IsolineId>& ids);
