#include "diagram_curves.h"

#include "TFS.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double TriplePointTemperature = 0.01;  // °C, where the saturation curves begin

// Points of each saturation curve. Near the critical point s′ and s″ close in
// like (TKR − t)^(1/3), so the temperatures crowd towards TKR in the same
// measure; the curves' step in s then stays about even.
constexpr int DomeSegments = 48;

// Room between the outermost point and the frame, and the steps the axis ends
// are rounded up to. Above 400 °C the temperature ticks stand twice as far
// apart, and in region 5's temperatures and enthalpies wider still, so that
// their labels keep clear of each other (at most some nine ticks an axis).
constexpr double EntropyMargin = 0.3;            // kJ/(kg·K)
constexpr double TemperatureMargin = 15;         // °C
constexpr double EntropyStep = 1;                // kJ/(kg·K)
constexpr double TemperatureStep = 50;           // °C
constexpr double DenseTicksUpTo = 400;           // °C
constexpr double WideTicksAbove = 800;           // °C
constexpr double WideTemperatureStep = 250;      // °C
constexpr double EnthalpyMargin = 100;           // kJ/kg
constexpr double EnthalpyStep = 500;             // kJ/kg
constexpr double WideEnthalpyTicksAbove = 4500;  // kJ/kg
constexpr double WideEnthalpyStep = 1000;        // kJ/kg
constexpr double EdgeShare = 0.025;              // of an axis: the least room of a state from the frame

// Isobar samples over the shown temperatures. Region 3 states (350 °C up to
// the B23 line) cost about 0.1 ms each, so their number stays modest.
constexpr int IsobarSegments = 40;

constexpr double WetStateRounding = 1e-9;  // K

double RoundUp(double value, double step) {
    return std::ceil(value / step) * step;
}

// The ticks' step for an axis reaching tMax or hMax.
double TemperatureTick(double tMax) {
    return tMax > WideTicksAbove ? WideTemperatureStep : tMax > DenseTicksUpTo ? 2 * TemperatureStep : TemperatureStep;
}

double EnthalpyTick(double hMax) {
    return hMax > WideEnthalpyTicksAbove ? WideEnthalpyStep : EnthalpyStep;
}

// s and h of a (p, t) state: where the state lies in region 3 from one volume
// search (S_PT and h_pt would make one each), elsewhere from the two
// functions, which need none and leave out the transport properties.
DiagramPoint PointOfIsobar(double p, double t) {
    int region = 0;
    std::string caption;
    TFS::REG_PT(p, t, region, caption);
    const auto in = [region](TFS::Region r) { return region == int(r); };
    if (in(TFS::Region::NEAR_CRITICAL) || in(TFS::Region::NEAR_CRITICAL_WATER) ||
        in(TFS::Region::NEAR_CRITICAL_STEAM)) {
        const TFS::State state = TFS::STATE_PT(p, t);
        return {state.s, t, state.h};
    }
    return {TFS::S_PT(p, t), t, TFS::h_pt(p, t)};
}

// s(p, t) and h(p, t) for every sample temperature the (p, t) functions serve. They stop
// exactly on the saturation line, and a search near the critical point may find
// no root; such a sample is left out, the line passes straight by it.
void AddSinglePhasePoints(DiagramCurve& isobar, double p, double tMax) {
    const double ts = TFS::TS_P(p);
    for (int i = 0; i <= IsobarSegments; ++i) {
        const double t = TriplePointTemperature + (tMax - TriplePointTemperature) * i / IsobarSegments;
        if (t == ts) continue;
        try {
            isobar.push_back(PointOfIsobar(p, t));
        } catch (const TFS::FatalStop&) {
        }
    }
}

}  // namespace

SaturationDome ComputeSaturationDome() {
    SaturationDome dome;
    for (int i = 0; i < DomeSegments; ++i) {
        const double rest = 1 - double(i) / DomeSegments;
        const double t = TriplePointTemperature + (TFS::TKR - TriplePointTemperature) * (1 - rest * rest * rest);
        const TFS::Saturation line = TFS::SATURATION_T(t);
        dome.water.push_back({line.water.s, t, line.water.h});
        dome.steam.push_back({line.steam.s, t, line.steam.h});
    }
    // At the critical temperature the liquid and vapour roots coincide: one point
    // ends both curves.
    const DiagramPoint critical{TFS::SSW_T(TFS::TKR), TFS::TKR, TFS::HSW_T(TFS::TKR)};
    dome.water.push_back(critical);
    dome.steam.push_back(critical);
    return dome;
}

const SaturationDome& TheSaturationDome() {
    static const SaturationDome dome = ComputeSaturationDome();
    return dome;
}

DiagramRange DomeRange() {
    const DiagramCurve& steam = TheSaturationDome().steam;
    const double sDome = steam.front().s;  // the widest point of the dome
    // The highest enthalpy of saturated steam, near 235 °C, tops the dome in h–s.
    const double hDome =
        std::max_element(steam.begin(), steam.end(), [](const auto& a, const auto& b) { return a.h < b.h; })->h;
    const double tMax = RoundUp(TFS::TKR + TemperatureMargin, TemperatureStep);
    return {RoundUp(sDome + EntropyMargin, EntropyStep),   tMax,        EntropyStep, TemperatureTick(tMax),
            RoundUp(hDome + EnthalpyMargin, EnthalpyStep), EnthalpyStep};
}

namespace {

// The ticks of the axes' ends; the wide ticks reach the axis end.
void SettleTicks(DiagramRange& range) {
    range.tTick = TemperatureTick(range.tMax);
    range.hTick = EnthalpyTick(range.hMax);
    if (range.tTick == WideTemperatureStep) range.tMax = RoundUp(range.tMax, range.tTick);
    if (range.hTick == WideEnthalpyStep) range.hMax = RoundUp(range.hMax, range.hTick);
}

}  // namespace

DiagramRange RangeTakingIn(DiagramRange range, const std::vector<DiagramPoint>& points) {
    const auto takeIn = [](double& min, double& max, double value, double margin, double step) {
        max = std::max(max, RoundUp(value + margin, step));
        min = std::min(min, value - margin);
    };
    for (const DiagramPoint& point : points) {
        takeIn(range.sMin, range.sMax, point.s, EntropyMargin, EntropyStep);
        takeIn(range.tMin, range.tMax, point.t, TemperatureMargin, TemperatureStep);
        takeIn(range.hMin, range.hMax, point.h, EnthalpyMargin, EnthalpyStep);
    }
    SettleTicks(range);
    // On a wide axis (up to 2000 °C) the fixed room is a pixel or two: each
    // state keeps a share of the whole axis from the frame too.
    const auto share = [](const double min, const double max, double margin) {
        return std::max(margin, EdgeShare * (max - min));
    };
    const double sRoom = share(range.sMin, range.sMax, EntropyMargin);
    const double tRoom = share(range.tMin, range.tMax, TemperatureMargin);
    const double hRoom = share(range.hMin, range.hMax, EnthalpyMargin);
    for (const DiagramPoint& point : points) {
        takeIn(range.sMin, range.sMax, point.s, sRoom, EntropyStep);
        takeIn(range.tMin, range.tMax, point.t, tRoom, TemperatureStep);
        takeIn(range.hMin, range.hMax, point.h, hRoom, EnthalpyStep);
    }
    SettleTicks(range);
    return range;
}

StateDiagram StateDiagramOf(double p, double s, double t, double h) {
    StateDiagram diagram{{s, t, h}, {}, RangeTakingIn(DomeRange(), {{s, t, h}})};
    AddSinglePhasePoints(diagram.isobar, p, diagram.range.tMax);
    // Below the critical pressure the isobar crosses the dome along the plateau
    // from saturated water to saturated steam (below the triple-point pressure
    // the plateau lies under the diagram).
    const double ts = TFS::TS_P(p);
    if (p < TFS::PKR && ts >= TriplePointTemperature) {
        const TFS::Saturation line = TFS::SATURATION_P(p);
        diagram.isobar.push_back({line.water.s, ts, line.water.h});
        diagram.isobar.push_back({line.steam.s, ts, line.steam.h});
    }
    // The state itself lies on its isobar; as a vertex the line passes through
    // it. A wet state found from (h, s) has its temperature and pressure from
    // one another and may miss ts by a rounding; it is drawn at ts so that the
    // vertices sorted by t keep it on the plateau.
    DiagramPoint vertex = diagram.state;
    if (p < TFS::PKR && std::abs(vertex.t - ts) <= WetStateRounding) vertex.t = ts;
    diagram.isobar.push_back(vertex);
    std::sort(diagram.isobar.begin(), diagram.isobar.end(),
              [](const DiagramPoint& a, const DiagramPoint& b) { return a.t < b.t || (a.t == b.t && a.s < b.s); });
    return diagram;
}
