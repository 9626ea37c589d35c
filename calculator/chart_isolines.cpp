#include "chart_isolines.h"

#include "TFS.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr double TriplePointTemperature = 0.01;  // °C
constexpr double LowestPressure = 0.000611657;    // MPa, the triple point's: below it no liquid
constexpr double HighestPressure = 100;          // MPa
constexpr double HighPressureTemperatureLimit = 800;  // °C, the formulation's top above 50 MPa
constexpr double HighestTemperature = 2000;           // °C, up to 50 MPa

// First samples of a line, and how far it is refined where shown: a chord
// longer than 1/120 of the view is halved, at most 8 times.
constexpr int Samples = 40;
constexpr double LongestShownChord = 1.0 / 120;
constexpr int MostHalvings = 8;

ChartPoint PointOf(const TFS::State& state) {
    return {state.p, state.t, state.h, state.s, state.v, state.x};
}

// A sample of a line at parameter `at`; none where the formulation serves no state.
using Sampler = std::function<std::optional<ChartPoint>(double)>;

std::optional<ChartPoint> Served(const std::function<TFS::State()>& state) {
    try {
        return PointOf(state());
    } catch (const TFS::FatalStop&) {
        return std::nullopt;
    }
}

// A line as a function of one parameter over [from, to], with points that
// lie at given parameters (the ends of a plateau across the dome, where the
// line has a kink or two points at one parameter).
struct LineShape {
    double from, to;
    Sampler at;
    std::vector<std::pair<double, ChartPoint>> fixed;
};

double TopTemperature(double p) {
    return p > 50 ? HighPressureTemperatureLimit : HighestTemperature;
}

double TopPressure(double t) {
    return t > HighPressureTemperatureLimit ? 50 : HighestPressure;
}

// An isobar over the temperatures, crossing the dome along its plateau.
LineShape IsobarShape(double p) {
    LineShape shape{0, TopTemperature(p), [p](double t) -> std::optional<ChartPoint> {
                        if (p < TFS::PKR && t == TFS::TS_P(p)) return std::nullopt;  // the plateau's own points
                        return Served([&] { return TFS::STATE_PT(p, t); });
                    },
                    {}};
    if (p >= LowestPressure && p < TFS::PKR) {
        const double ts = TFS::TS_P(p);
        shape.fixed.push_back({ts, PointOf(TFS::STATE_PX(p, 0))});
        shape.fixed.push_back({ts, PointOf(TFS::STATE_PX(p, 1))});
    }
    return shape;
}

// An isotherm over log p, from steam at the lowest pressures to water.
LineShape IsothermShape(double t) {
    LineShape shape{std::log(LowestPressure), std::log(TopPressure(t)),
                    [t](double logP) -> std::optional<ChartPoint> {
                        const double p = std::exp(logP);
                        if (t < TFS::TKR && p == TFS::PS_T(t)) return std::nullopt;
                        return Served([&] { return TFS::STATE_PT(p, t); });
                    },
                    {}};
    if (t >= TriplePointTemperature && t < TFS::TKR) {
        const double ps = std::log(TFS::PS_T(t));
        shape.fixed.push_back({ps, PointOf(TFS::STATE_TX(t, 1))});
        shape.fixed.push_back({ps, PointOf(TFS::STATE_TX(t, 0))});
    }
    return shape;
}

LineShape IsentropeShape(double s) {
    return {std::log(LowestPressure), std::log(HighestPressure),
            [s](double logP) { return Served([&] { return TFS::STATE_PS(std::exp(logP), s); }); }, {}};
}

LineShape IsenthalpShape(double h) {
    return {std::log(LowestPressure), std::log(HighestPressure),
            [h](double logP) { return Served([&] { return TFS::STATE_PH(std::exp(logP), h); }); }, {}};
}

// The pressure at which V_PT (p, t) is v, between two pressures whose
// volumes lie on either side of it (given where known, so that the
// saturation pressure, where V_PT stops, is never evaluated): regula falsi
// in log p and log v with the Illinois step, to the last bits of v.
std::optional<double> PressureOfVolume(double t, double v, double lowP, double highP, double lowV, double highV) {
    double a = std::log(lowP), b = std::log(highP);
    double fa = std::log(lowV / v), fb = std::log(highV / v);
    if (!(fa >= 0 && fb <= 0)) return std::nullopt;
    int side = 0;
    for (int i = 0; i < 200; ++i) {
        const double c = fb == fa ? (a + b) / 2 : b - fb * (b - a) / (fb - fa);
        if (!(c > std::min(a, b) && c < std::max(a, b))) return std::exp(std::abs(fa) < std::abs(fb) ? a : b);
        const double fc = std::log(TFS::V_PT(std::exp(c), t) / v);
        if (std::abs(fc) < 1e-14) return std::exp(c);
        if (fc > 0) {
            a = c, fa = fc;
            if (side == +1) fb /= 2;
            side = +1;
        } else {
            b = c, fb = fc;
            if (side == -1) fa /= 2;
            side = -1;
        }
    }
    return std::nullopt;
}

std::optional<ChartPoint> IsochorePoint(double v, double t) {
    try {
        double lowP = LowestPressure, highP = TopPressure(t);
        double lowV = TFS::V_PT(lowP, t), highV = TFS::V_PT(highP, t);
        if (t >= TriplePointTemperature && t < TFS::TKR) {
            const TFS::Saturation line = TFS::SATURATION_T(t);
            // Wet steam of this volume at t: v = v′ + x·(v″ − v′).
            if (v >= line.water.v && v <= line.steam.v)
                return PointOf(TFS::STATE_TX(t, (v - line.water.v) / (line.steam.v - line.water.v)));
            if (v > line.steam.v)
                highP = line.p, highV = line.steam.v;
            else
                lowP = line.p, lowV = line.water.v;
        }
        const std::optional<double> p = PressureOfVolume(t, v, lowP, highP, lowV, highV);
        if (!p) return std::nullopt;
        return PointOf(TFS::STATE_PT(*p, t));
    } catch (const TFS::FatalStop&) {
        return std::nullopt;
    }
}

LineShape IsochoreShape(double v) {
    return {0, HighestTemperature, [v](double t) { return IsochorePoint(v, t); }, {}};
}

// A line of constant dryness from the triple point to the critical point.
// Near the critical point s′ and s″ close in like (TKR − t)^(1/3): the
// parameter u crowds the temperatures there in the same measure.
LineShape DrynessShape(double x) {
    const auto temperature = [](double u) {
        if (u <= 0) return TriplePointTemperature;  // exactly, where the formulation begins
        const double rest = 1 - u;
        return TFS::TKR - (TFS::TKR - TriplePointTemperature) * rest * rest * rest;
    };
    return {0, 1, [x, temperature](double u) -> std::optional<ChartPoint> {
                if (u >= 1) return CriticalChartPoint();
                return Served([&] { return TFS::STATE_TX(temperature(u), x); });
            },
            {}};
}

LineShape ShapeOf(const IsolineId& id) {
    switch (id.family) {
    case IsolineFamily::Isobar: return IsobarShape(id.value);
    case IsolineFamily::Isotherm: return IsothermShape(id.value);
    case IsolineFamily::Isochore: return IsochoreShape(id.value);
    case IsolineFamily::Isentrope: return IsentropeShape(id.value);
    case IsolineFamily::Isenthalp: return IsenthalpShape(id.value);
    case IsolineFamily::Dryness: return DrynessShape(id.value);
    }
    return DrynessShape(id.value);
}

// Where a point stands in the view, 0 to 1 across each axis.
struct ViewPlace {
    const ChartKindRow& kind;
    const ChartRange& range;

    std::pair<double, double> operator()(const ChartPoint& point) const {
        return {AxisFraction(kind.x.logarithmic, range.xMin, range.xMax, ValueOf(point, kind.x.quantity)),
                AxisFraction(kind.y.logarithmic, range.yMin, range.yMax, ValueOf(point, kind.y.quantity))};
    }
};

struct Sample {
    double at;
    std::optional<ChartPoint> point;
};

// Halves the chord from a to b where it crosses the view and is long there.
void Refine(const LineShape& shape, const ViewPlace& place, const Sample& a, const Sample& b, int depth,
            std::vector<ChartPoint>& out) {
    if (depth < MostHalvings && a.point && b.point && a.at != b.at) {
        const auto [ax, ay] = place(*a.point);
        const auto [bx, by] = place(*b.point);
        const bool crosses = std::max(ax, bx) >= 0 && std::min(ax, bx) <= 1 && std::max(ay, by) >= 0 &&
                             std::min(ay, by) <= 1;
        // A non-finite place (a log axis at a value ≤ 0) counts as long.
        const double length = std::hypot(bx - ax, by - ay);
        if (crosses && !(length <= LongestShownChord)) {
            const Sample middle{(a.at + b.at) / 2, shape.at((a.at + b.at) / 2)};
            if (middle.point) {
                Refine(shape, place, a, middle, depth + 1, out);
                out.push_back(*middle.point);
                Refine(shape, place, middle, b, depth + 1, out);
            }
        }
    }
}

std::vector<ChartPoint> Trace(const LineShape& shape, const ViewPlace& place) {
    std::vector<Sample> samples;
    for (int i = 0; i <= Samples; ++i) {
        const double at = shape.from + (shape.to - shape.from) * i / Samples;
        // The fixed points stand in for samples at their own parameters.
        const bool fixedHere =
            std::any_of(shape.fixed.begin(), shape.fixed.end(), [at](const auto& fixed) { return fixed.first == at; });
        if (!fixedHere) samples.push_back({at, shape.at(at)});
    }
    for (const auto& [at, point] : shape.fixed) samples.push_back({at, point});
    std::stable_sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.at < b.at; });
    std::vector<ChartPoint> points;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (i > 0) Refine(shape, place, samples[i - 1], samples[i], 0, points);
        if (samples[i].point) points.push_back(*samples[i].point);
    }
    return points;
}

}  // namespace

ChartPoint CriticalChartPoint() {
    return {TFS::PKR, TFS::TKR, TFS::HSW_T(TFS::TKR), TFS::SSW_T(TFS::TKR), TFS::VSW_T(TFS::TKR)};
}

Isoline ComputeIsoline(const IsolineId& id, const ChartKindRow& kind, const ChartRange& range) {
    Isoline line{id, Trace(ShapeOf(id), ViewPlace{kind, range})};
    if (kind.wetStatesOnOnePlace() && id.family != IsolineFamily::Dryness)
        std::erase_if(line.points, [](const ChartPoint& point) { return point.x > 0 && point.x < 1; });
    return line;
}

ChartDome ComputeDome(const ChartKindRow& kind, const ChartRange& range) {
    return {ComputeIsoline({IsolineFamily::Dryness, 0}, kind, range),
            ComputeIsoline({IsolineFamily::Dryness, 1}, kind, range), CriticalChartPoint()};
}

std::vector<IsolineId> IsolinesOf(const QList<IsolineFamily>& families) {
    std::vector<IsolineId> ids;
    for (const IsolineFamily family : families)
        for (const double value : FamilyRow(family).values) ids.push_back({family, value});
    return ids;
}

ChartLines ComputeChartLines(const std::vector<IsolineId>& ids, const ChartKindRow& kind,
                             const ChartRange& range) {
    ChartLines lines{ComputeDome(kind, range), {}};
    for (const IsolineId& id : ids) lines.isolines.push_back(ComputeIsoline(id, kind, range));
    return lines;
}

namespace {

// The geometric mean of two values, rounded to the fewest significant digits
// that keep it between them, as printed charts write their values: 1.4
// between 1 and 2, 3 between 2 and 5, 7 between 5 and 10.
double RoundBetween(double low, double high) {
    const double mean = std::sqrt(low * high);
    for (int digits = 1; digits < 17; ++digits) {
        // Divided by an exact power of ten, 14 / 10 is the double nearest 1.4.
        const int shift = digits - 1 - int(std::floor(std::log10(mean)));
        const double scale = std::pow(10.0, std::abs(shift));
        const double rounded = shift >= 0 ? std::round(mean * scale) / scale : std::round(mean / scale) * scale;
        if (rounded > low && rounded < high) return rounded;
    }
    return mean;
}

}  // namespace

std::vector<IsolineId> FinerIsolines(const std::vector<IsolineId>& ids) {
    std::vector<IsolineId> finer;
    for (const IsolineFamilyRow& row : IsolineFamilies()) {
        std::vector<double> values;
        for (const IsolineId& id : ids)
            if (id.family == row.family) values.push_back(id.value);
        std::sort(values.begin(), values.end());
        const bool geometric = row.quantity == ChartQuantity::Pressure || row.quantity == ChartQuantity::Volume;
        for (size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                finer.push_back({row.family, geometric ? RoundBetween(values[i - 1], values[i])
                                                        : (values[i - 1] + values[i]) / 2});
            finer.push_back({row.family, values[i]});
        }
    }
    return finer;
}
