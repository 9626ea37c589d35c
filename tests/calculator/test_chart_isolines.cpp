// The diagrams' isolines: every point a state of its line's value, the dome
// the saturation line, smooth lines in a zoomed view, and labels that never
// overlap.

#include "chart_isolines.h"
#include "label_placement.h"

#include "TFS.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool Near(double value, double expected, double relative = 1e-9) {
    return std::abs(value - expected) <= relative * std::max(std::abs(expected), 1.0);
}

// The dryness of a wet point from its enthalpy and the saturated phases'.
double DrynessOf(const ChartPoint& point) {
    const TFS::Saturation line = TFS::SATURATION_T(point.t);
    return (point.h - line.water.h) / (line.steam.h - line.water.h);
}

std::vector<IsolineId> EveryFamily() {
    QList<IsolineFamily> families;
    for (const IsolineFamilyRow& row : IsolineFamilies()) families.append(row.family);
    return IsolinesOf(families);
}

// A view of a quarter of the default one around the critical point's place.
ChartRange ZoomedOnCriticalPoint(const ChartKindRow& kind) {
    const ChartRange whole = kind.defaultRange();
    const ChartPoint critical = CriticalChartPoint();
    const auto around = [](const ChartAxis& axis, double min, double max, double centre) {
        const double at = AxisFraction(axis.logarithmic, min, max, centre);
        return std::pair{AxisValue(axis.logarithmic, min, max, at - 0.125),
                         AxisValue(axis.logarithmic, min, max, at + 0.125)};
    };
    const auto [xMin, xMax] = around(kind.x, whole.xMin, whole.xMax, ValueOf(critical, kind.x.quantity));
    const auto [yMin, yMax] = around(kind.y, whole.yMin, whole.yMax, ValueOf(critical, kind.y.quantity));
    return {xMin, xMax, yMin, yMax};
}

// The polyline of a line in pixels of a plot of `size`.
QList<QPointF> InPixels(const Isoline& line, const ChartKindRow& kind, const ChartRange& range, QSizeF size) {
    QList<QPointF> pixels;
    for (const ChartPoint& point : line.points)
        pixels.append({size.width() * AxisFraction(kind.x.logarithmic, range.xMin, range.xMax, ValueOf(point, kind.x.quantity)),
                       size.height() * (1 - AxisFraction(kind.y.logarithmic, range.yMin, range.yMax,
                                                         ValueOf(point, kind.y.quantity)))});
    return pixels;
}

TEST(ChartIsolines, EveryPointIsAStateOfItsLinesValue) {
    for (const ChartKindRow& kind : ChartKinds()) {
        const ChartLines lines = ComputeChartLines(EveryFamily(), kind, kind.defaultRange());
        for (const Isoline& line : lines.isolines) {
            SCOPED_TRACE(std::string(kind.key) + " " + FamilyRow(line.id.family).key + " " +
                         std::to_string(line.id.value));
            EXPECT_GT(line.points.size(), 10u);
            for (const ChartPoint& point : line.points) {
                const double value = line.id.family == IsolineFamily::Dryness
                                         ? (point.t >= TFS::TKR ? line.id.value : DrynessOf(point))
                                         : ValueOf(point, *FamilyRow(line.id.family).quantity);
                ASSERT_TRUE(Near(value, line.id.value)) << value << " at t = " << point.t << ", p = " << point.p;
            }
        }
    }
}

// Values the user may choose beyond the formulation's range give the part
// of the line it serves, or none, and no stop.
TEST(ChartIsolines, ValuesBeyondTheRangeGiveWhatIsServed) {
    const ChartKindRow& kind = KindRow(ChartKind::PressureVolume);
    for (const IsolineId id : {IsolineId{IsolineFamily::Isotherm, -50}, {IsolineFamily::Isotherm, 3000},
                                   {IsolineFamily::Isobar, 1e-6}, {IsolineFamily::Isobar, 500},
                                   {IsolineFamily::Isentrope, -5}, {IsolineFamily::Isenthalp, 1e5},
                                   {IsolineFamily::Isochore, 1e6}, {IsolineFamily::Dryness, 0}})
        EXPECT_NO_THROW(ComputeIsoline(id, kind, kind.defaultRange())) << FamilyRow(id.family).key << id.value;
}

// The dome is saturated water and steam from the triple point to the
// critical point; every dryness line runs between the same ends.
TEST(ChartIsolines, TheDomeIsTheSaturationLineAndTheDrynessLinesMeetIt) {
    const ChartKindRow& kind = KindRow(ChartKind::TemperatureEntropy);
    const ChartDome dome = ComputeDome(kind, kind.defaultRange());
    const ChartPoint critical = CriticalChartPoint();
    for (const auto& [line, steam] : {std::pair{&dome.water, false}, std::pair{&dome.steam, true}}) {
        ASSERT_EQ(line->points.front().t, 0.01);
        EXPECT_EQ(line->points.back().h, critical.h);
        for (const ChartPoint& point : line->points) {
            if (point.t >= TFS::TKR) continue;
            ASSERT_TRUE(Near(point.p, TFS::PS_T(point.t)));
            ASSERT_TRUE(Near(point.s, steam ? TFS::SSP_T(point.t) : TFS::SSW_T(point.t)));
            ASSERT_TRUE(Near(point.h, steam ? TFS::HSP_T(point.t) : TFS::HSW_T(point.t)));
        }
    }
    for (const double x : FamilyRow(IsolineFamily::Dryness).values) {
        const Isoline line = ComputeIsoline({IsolineFamily::Dryness, x}, kind, kind.defaultRange());
        EXPECT_EQ(line.points.front().t, 0.01);
        EXPECT_TRUE(Near(DrynessOf(line.points.front()), x));
        EXPECT_EQ(line.points.back().s, critical.s) << "x = " << x << " ends in the critical point";
        // Between the dome's branches at every temperature.
        for (const ChartPoint& point : line.points) {
            if (point.t < TFS::TKR) {
                ASSERT_TRUE(point.s > TFS::SSW_T(point.t) && point.s < TFS::SSP_T(point.t));
            }
        }
    }
}

// Zoomed in, a shown line is drawn of short chords: no corners where the
// default view's samples lay far apart.
TEST(ChartIsolines, AZoomedViewRefinesTheLinesItShows) {
    for (const ChartKindRow& kind : ChartKinds()) {
        const ChartRange zoomed = ZoomedOnCriticalPoint(kind);
        const ChartDome dome = ComputeDome(kind, zoomed);
        const QList<QPointF> pixels = InPixels(dome.steam, kind, zoomed, {1, 1});
        int shown = 0;
        for (qsizetype i = 1; i < pixels.size(); ++i) {
            const QRectF view(0, 0, 1, 1);
            if (!view.contains(pixels[i - 1]) || !view.contains(pixels[i])) continue;
            ++shown;
            const QPointF d = pixels[i] - pixels[i - 1];
            EXPECT_LE(std::hypot(d.x(), d.y()), 1.0 / 120) << kind.key;
        }
        EXPECT_GT(shown, 20) << kind.key;
    }
}

// A printed chart's finer grid writes round values between the usual ones.
TEST(ChartIsolines, APrintedChartsFinerGridHasRoundValuesBetween) {
    const std::vector<IsolineId> finer =
        FinerIsolines({{IsolineFamily::Isobar, 1}, {IsolineFamily::Isobar, 2}, {IsolineFamily::Isobar, 5},
                       {IsolineFamily::Isobar, 10}, {IsolineFamily::Isotherm, 200}, {IsolineFamily::Isotherm, 250}});
    std::vector<double> values;
    for (const IsolineId& id : finer) values.push_back(id.value);
    EXPECT_EQ(values, (std::vector<double>{1, 1.4, 2, 3, 5, 7, 10, 200, 225, 250}));
}

TEST(ChartKindsTable, AClickGivesTheInputsOfAModeOfTheAxesPair) {
    for (const ChartKindRow& kind : ChartKinds()) {
        const QList<Quantity> inputs = InputsOf(kind.clickMode, SaturationInput::ByPs);
        EXPECT_TRUE(inputs.contains(QuantityOf(kind.x.quantity)) && inputs.contains(QuantityOf(kind.y.quantity)))
            << kind.key;
    }
}

// Every isoline's label, at the default view of each kind and zoomed in:
// on its line, inside the plot, clear of the others, of the states' marks
// and of the dome.
TEST(LabelPlacement, LabelsStandOnTheirLinesAndNeverOverlap) {
    const QSizeF plot(900, 600);
    const QRectF state(440, 290, 20, 20);
    for (const ChartKindRow& kind : ChartKinds())
        for (const ChartRange& range : {kind.defaultRange(), ZoomedOnCriticalPoint(kind)}) {
            const ChartLines lines = ComputeChartLines(IsolinesOf(kind.defaultFamilies), kind, range);
            QList<LabelRequest> requests;
            for (const Isoline& line : lines.isolines) requests.append({InPixels(line, kind, range, plot), {64, 16}});
            const QList<QPointF> dome = InPixels(lines.dome.steam, kind, range, plot);
            const QList<std::optional<QRectF>> labels = PlaceLabels(requests, QRectF(QPointF(), plot), {state}, {dome});
            ASSERT_EQ(labels.size(), requests.size());
            int placed = 0;
            for (qsizetype i = 0; i < labels.size(); ++i) {
                if (!labels[i]) continue;
                ++placed;
                EXPECT_TRUE(QRectF(QPointF(), plot).contains(*labels[i]));
                EXPECT_FALSE(labels[i]->intersects(state));
                EXPECT_FALSE(Crosses(dome, *labels[i]));
                for (qsizetype j = 0; j < i; ++j) EXPECT_FALSE(labels[j] && labels[i]->intersects(*labels[j]));
                // The centre lies on a chord of the line.
                const QPointF c = labels[i]->center();
                const QList<QPointF>& line = requests[i].line;
                bool onLine = false;
                for (qsizetype k = 1; k < line.size() && !onLine; ++k) {
                    const QPointF a = line[k - 1], b = line[k];
                    const double cross = (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
                    const QRectF box = QRectF(a, b).normalized().adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
                    onLine = std::abs(cross) <= 1e-6 * (1 + std::hypot(b.x() - a.x(), b.y() - a.y())) && box.contains(c);
                }
                EXPECT_TRUE(onLine) << kind.key << " label " << i;
            }
            EXPECT_GE(placed, 3) << kind.key;
        }
    EXPECT_TRUE(Crosses({{0, 0}, {10, 10}}, QRectF(4, 5, 2, 2))) << "a line through the middle, no end inside";
    EXPECT_FALSE(Crosses({{0, 0}, {10, 10}}, QRectF(6, 1, 2, 2)));
}

}  // namespace
