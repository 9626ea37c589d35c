// Paints a diagram with its isolines, labels, dome and states on any painter:
// the chart page on screen, an exported PNG, SVG or PDF, a printed page. The
// place of every value is the frame's; labels stand where label_placement.h
// finds them free.
#pragma once

#include "chart_isolines.h"
#include "units.h"

#include <QColor>
#include <QList>
#include <QRectF>

#include <array>
#include <optional>

class QPainter;

// Each family its own colour, at 3:1 or more against the background.
struct ChartColours {
    QColor background, text, grid, dome, state, table, selected;
    std::array<QColor, IsolineFamilyCount> families;
};
ChartColours ChartColoursFor(bool dark);

// The states drawn over the lines: the table's by their numbers, the
// selected ones joined in order as the process line, the last run's, and
// the points of the page Lines' table as one line.
struct ChartStates {
    QList<ChartPoint> line;
    // The streams of the last equipment calculation and the processes that
    // join them, by their indexes.
    QList<ChartPoint> streams;
    QList<std::pair<int, int>> processes;
    QList<qint64> numbers;
    QList<ChartPoint> points;
    QList<qsizetype> selected;
    std::optional<ChartPoint> current;
    bool currentStale = false;
};

// Where each value stands in a plot rectangle, and back.
class ChartFrame {
public:
    ChartFrame(const ChartKindRow& kind, const ChartRange& range, const QRectF& plot);
    QPointF pixel(const ChartPoint& point) const;
    QPointF pixel(double x, double y) const;
    // The axes' values at a pixel.
    std::pair<double, double> values(const QPointF& pixel) const;
    const QRectF& plot() const { return area; }

private:
    const ChartKindRow& kind;
    ChartRange range;
    QRectF area;
};

struct ChartScene {
    ChartKind kind = ChartKind::TemperatureEntropy;
    ChartRange range = KindRow(ChartKind::TemperatureEntropy).defaultRange();
    ChartLines lines;
    ChartStates states;
    Units units;
};

struct ChartLook {
    ChartColours colours;
    double fontPixels = 12;
    double lineWidth = 1;
    QString title;  // above the plot; none on screen
    QString footer;  // below it: the formulation of a printed chart
};

// The plot rectangle inside `target`, leaving room for the axes' numbers and titles.
QRectF PlotRectOf(const QRectF& target, const ChartLook& look);

void PaintChart(QPainter& painter, const ChartScene& scene, const QRectF& target, const ChartLook& look);

// "p = 1 MPa" style text of an axis pair, for the status bar.
QString PairText(const ChartKindRow& kind, double x, double y, const Units& units);
