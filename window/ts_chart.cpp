#include "ts_chart.h"

#include "palette_colours.h"
#include "ts_diagram.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <initializer_list>

namespace {

QList<QPointF> PointsOf(const DiagramCurve& curve) {
    QList<QPointF> points;
    points.reserve(curve.size());
    for (const DiagramPoint& point : curve) points.append({point.s, point.t});
    return points;
}

// Axis titles spelled as the window's captions spell the units.
QValueAxis* NewAxis(const QString& title, const QFont& font) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(font);
    axis->setLabelsFont(font);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setMinorGridLineVisible(false);
    return axis;
}

template <typename Series>
Series* NewSeries(const QString& name) {
    auto* series = new Series;
    series->setName(name);
    return series;
}

// A grid a little off the background: light grey on a light palette, a grey
// a little lighter than the background on a dark one.
QColor GridColour(const QPalette& palette) {
    return IsDarkPalette(palette) ? palette.color(QPalette::Window).lighter(150) : QColor(0xdd, 0xdd, 0xdd);
}

const QColor IsobarColour(0x00, 0x80, 0x00), StateColour(0xff, 0x00, 0x00);

}  // namespace

TsChart::TsChart(QWidget* parent)
    : QChartView(parent),
      water(NewSeries<QLineSeries>(QStringLiteral("Water sat."))),
      steam(NewSeries<QLineSeries>(QStringLiteral("Vapor sat."))),
      critical(NewSeries<QScatterSeries>(QStringLiteral("Critical point"))),
      isobar(NewSeries<QLineSeries>(QStringLiteral("Isobar"))),
      state(NewSeries<QScatterSeries>(QStringLiteral("State"))) {
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing);
    critical->setMarkerSize(7);
    state->setMarkerSize(11);
    isobar->setColor(IsobarColour);
    state->setColor(StateColour);

    QChart* diagram = chart();
    ensurePolished();  // the window's style sheet gives the font
    const QFont& font = this->font();
    diagram->setBackgroundRoundness(0);
    diagram->setMargins({4, 4, 4, 4});
    diagram->legend()->setFont(font);
    diagram->legend()->setAlignment(Qt::AlignBottom);

    entropyAxis = NewAxis(QStringLiteral("S, kJ/(kg.C)"), font);
    temperatureAxis = NewAxis(QStringLiteral("t, C"), font);
    diagram->addAxis(entropyAxis, Qt::AlignBottom);
    diagram->addAxis(temperatureAxis, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{water, steam, isobar, critical, state}) {
        diagram->addSeries(series);
        series->attachAxis(entropyAxis);
        series->attachAxis(temperatureAxis);
    }
    applyPalette();
}

void TsChart::applyPalette() {
    const QPalette& colours = palette();
    const QColor text = colours.color(QPalette::WindowText);
    chart()->setBackgroundBrush(colours.window());
    chart()->legend()->setLabelColor(text);
    for (QValueAxis* axis : {entropyAxis, temperatureAxis}) {
        axis->setTitleBrush(text);
        axis->setLabelsColor(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(GridColour(colours));
    }
    const AccentColours accents = AccentColoursOf(colours);
    water->setColor(accents.navy);
    steam->setColor(accents.maroon);
    critical->setColor(text);
}

void TsChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyPalette();
}

void TsChart::setStateStale(bool stale) {
    state->setBrush(stale ? QBrush(Qt::NoBrush) : QBrush(StateColour));
    state->setBorderColor(StateColour);
}

void TsChart::showEvent(QShowEvent* event) {
    showDomeOnce();
    QChartView::showEvent(event);
}

void TsChart::showDomeOnce() {
    if (!water->points().isEmpty()) return;
    const SaturationDome& dome = TheSaturationDome();
    water->replace(PointsOf(dome.water));
    steam->replace(PointsOf(dome.steam));
    critical->replace({QPointF(dome.water.back().s, dome.water.back().t)});
    setRange(DomeRange());
}

void TsChart::setRange(const DiagramRange& range) {
    entropyAxis->setRange(0, range.sMax);
    entropyAxis->setTickInterval(range.sTick);
    temperatureAxis->setRange(0, range.tMax);
    temperatureAxis->setTickInterval(range.tTick);
}

void TsChart::showState(const StateDiagram& diagram) {
    showDomeOnce();
    isobar->replace(PointsOf(diagram.isobar));
    state->replace({QPointF(diagram.state.s, diagram.state.t)});
    setRange(diagram.range);
}
