#include "diagram_chart.h"

#include "diagram_labels.h"
#include "palette_colours.h"
#include "quantities.h"

#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPalette>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <cmath>
#include <initializer_list>

namespace {

// Axis titles spelled as the window's captions spell the units.
QValueAxis* NewAxis(const QFont& font) {
    auto* axis = new QValueAxis;
    axis->setTitleFont(font);
    axis->setLabelsFont(font);
    axis->setLabelFormat(QStringLiteral("%g"));
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

const QColor StateColour(0xff, 0x00, 0x00), TableColour(0x80, 0x80, 0x80), SelectedColour(0xff, 0xa0, 0x00);

// A saved diagram goes into reports and printouts: black on white, whatever
// the desktop's palette.
QPalette ReportPalette() {
    return QPalette(Qt::white);
}

// A filled circle, drawn as one picture at every point: a table of a thousand
// states would otherwise be a thousand items for the chart to lay out and paint.
QImage Dot(const QColor& colour, int size) {
    QImage dot(size, size, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    return dot;
}

// Replaces the series' points where they differ, and says so: a replacement
// lays the series out and paints it anew, and a click shows the state and
// the table's new row one after the other.
bool Replace(QXYSeries* series, const QList<QPointF>& points) {
    if (series->points() == points) return false;
    series->replace(points);
    return true;
}

// The least step of 1, 2, 2.5 or 5 times a power of ten that is at least `raw`.
double RoundStep(double raw) {
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * decade >= raw) return factor * decade;
    return 10 * decade;
}

// The axis from `start` to `end`, with ticks every `tick` from the core's zero, in the
// shown unit of `quantity`. In the core's units the designed ticks; in others
// about as many ticks, at round numbers of the shown unit, the axis ending at
// the first of them beyond each end.
void SetRange(QValueAxis* axis, Quantity quantity, double start, double end, double tick, const Units& units) {
    axis->setTickType(QValueAxis::TicksDynamic);
    if (units.core()) {
        axis->setRange(start, end);
        axis->setTickInterval(tick);
        return;
    }
    const double from = ToShown(quantity, start, units), to = ToShown(quantity, end, units);
    const double step = RoundStep((to - from) / ((end - start) / tick));
    axis->setRange(std::floor(from / step) * step, std::ceil(to / step) * step);
    axis->setTickInterval(step);
}

}  // namespace

DiagramChart::DiagramChart(QWidget* parent)
    : QChartView(parent),
      water(NewSeries<QLineSeries>(QStringLiteral("Water sat."))),
      steam(NewSeries<QLineSeries>(QStringLiteral("Vapor sat."))),
      critical(NewSeries<QScatterSeries>(QStringLiteral("Critical point"))),
      isobar(NewSeries<QLineSeries>(QStringLiteral("Isobar"))),
      state(NewSeries<QScatterSeries>(QStringLiteral("State"))),
      states(NewSeries<QScatterSeries>(QStringLiteral("Table"))),
      selectedStates(NewSeries<QScatterSeries>(QStringLiteral("Selected"))),
      process(NewSeries<QLineSeries>(QStringLiteral("Process"))) {
    setFocusPolicy(Qt::NoFocus);
    setRenderHint(QPainter::Antialiasing);
    // The whole diagram painted at once takes half the time of its changed
    // parts alone: clipped, the antialiased grid and curves draw slowly.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    critical->setMarkerSize(7);
    state->setMarkerSize(11);
    states->setMarkerSize(7);
    selectedStates->setMarkerSize(13);
    state->setColor(StateColour);
    states->setColor(TableColour);
    states->setLightMarker(Dot(TableColour, 7));
    selectedStates->setColor(SelectedColour);
    process->setColor(SelectedColour);
    process->setPen(QPen(SelectedColour, 2));

    QChart* diagram = chart();
    ensurePolished();  // the window's style sheet gives the font
    const QFont& font = this->font();
    diagram->setBackgroundRoundness(0);
    diagram->setMargins({4, 4, 4, 4});
    diagram->legend()->setFont(font);
    diagram->legend()->setAlignment(Qt::AlignBottom);

    entropyAxis = NewAxis(font);
    ordinateAxis = NewAxis(font);
    diagram->addAxis(entropyAxis, Qt::AlignBottom);
    diagram->addAxis(ordinateAxis, Qt::AlignLeft);
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{water, steam, isobar, process, critical, states, selectedStates, state}) {
        diagram->addSeries(series);
        series->attachAxis(entropyAxis);
        series->attachAxis(ordinateAxis);
    }
    // The table's points are numbered on the diagram, not in its legend.
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{states, selectedStates})
        diagram->legend()->markers(series).front()->setVisible(false);
    connect(diagram, &QChart::plotAreaChanged, this, &DiagramChart::placeNumbers);
    applyPalette(palette());
    redraw();
}

QPointF DiagramChart::shown(const DiagramPoint& point) const {
    const bool mollier = shownKind == Kind::EnthalpyEntropy;
    return {ToShown(Quantity::Entropy, point.s, units),
            mollier ? ToShown(Quantity::Enthalpy, point.h, units) : ToShown(Quantity::Temperature, point.t, units)};
}

QList<QPointF> DiagramChart::shown(const DiagramCurve& curve) const {
    QList<QPointF> points;
    points.reserve(curve.size());
    for (const DiagramPoint& point : curve) points.append(shown(point));
    return points;
}

void DiagramChart::applyPalette(const QPalette& colours) {
    const QColor text = colours.color(QPalette::WindowText);
    chart()->setBackgroundBrush(colours.window());
    setBackgroundBrush(colours.window());  // the view's own, at the chart's edges
    chart()->legend()->setLabelColor(text);
    for (QValueAxis* axis : {entropyAxis, ordinateAxis}) {
        axis->setTitleBrush(text);
        axis->setLabelsColor(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(GridColour(colours));
    }
    const AccentColours accents = AccentColoursOf(colours);
    water->setColor(accents.navy);
    steam->setColor(accents.maroon);
    isobar->setColor(accents.green);
    critical->setColor(text);
    for (QGraphicsSimpleTextItem* number : numbers) number->setBrush(text);
}

void DiagramChart::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyPalette(palette());
}

void DiagramChart::setStateStale(bool stale) {
    state->setBrush(stale ? QBrush(Qt::NoBrush) : QBrush(StateColour));
    state->setBorderColor(StateColour);
}

void DiagramChart::showEvent(QShowEvent* event) {
    showDomeOnce();
    QChartView::showEvent(event);
}

void DiagramChart::showDomeOnce() {
    if (!water->points().isEmpty()) return;
    TheSaturationDome();
    redraw();
}

void DiagramChart::showState(const StateDiagram& diagram) {
    lastState = diagram;
    TheSaturationDome();
    redraw();
}

void DiagramChart::showTableStates(const QList<NumberedPoint>& table, const QList<qsizetype>& selectedIndexes) {
    tableStates = table;
    selected = selectedIndexes;
    redraw();
}

void DiagramChart::setKind(Kind kind) {
    shownKind = kind;
    redraw();
}

void DiagramChart::setUnits(const Units& shownUnits) {
    units = shownUnits;
    redraw();
}

void DiagramChart::redraw() {
    const bool mollier = shownKind == Kind::EnthalpyEntropy;
    entropyAxis->setTitleText(QStringLiteral("S, ") + UnitText(Quantity::Entropy, units));
    ordinateAxis->setTitleText(mollier ? QStringLiteral("h, ") + UnitText(Quantity::Enthalpy, units)
                                       : QStringLiteral("t, ") + UnitText(Quantity::Temperature, units));
    if (isVisible() || lastState || !tableStates.isEmpty()) {
        const SaturationDome& dome = TheSaturationDome();
        Replace(water, shown(dome.water));
        Replace(steam, shown(dome.steam));
        Replace(critical, {shown(dome.water.back())});
    }
    Replace(isobar, lastState ? shown(lastState->isobar) : QList<QPointF>());
    Replace(state, lastState ? QList<QPointF>{shown(lastState->state)} : QList<QPointF>());
    QList<QPointF> table;
    for (const NumberedPoint& numbered : tableStates) table.append(shown(numbered.point));
    const bool tableMoved = Replace(states, table);
    QList<QPointF> chosen;
    for (const qsizetype index : selected)
        if (index >= 0 && index < table.size()) chosen.append(table[index]);
    Replace(selectedStates, chosen);
    Replace(process, chosen.size() > 1 ? chosen : QList<QPointF>());
    chart()->legend()->markers(process).front()->setVisible(process->count() > 0);

    // The table's states are all inside the frame too.
    std::vector<DiagramPoint> shown;
    if (lastState) shown.push_back(lastState->state);
    for (const NumberedPoint& numbered : tableStates) shown.push_back(numbered.point);
    const DiagramRange range = RangeTakingIn(lastState ? lastState->range : DomeRange(), shown);
    const QRectF ends(QPointF(entropyAxis->min(), ordinateAxis->min()),
                      QPointF(entropyAxis->max(), ordinateAxis->max()));
    SetRange(entropyAxis, Quantity::Entropy, range.sMin, range.sMax, range.sTick, units);
    if (mollier)
        SetRange(ordinateAxis, Quantity::Enthalpy, range.hMin, range.hMax, range.hTick, units);
    else
        SetRange(ordinateAxis, Quantity::Temperature, range.tMin, range.tMax, range.tTick, units);
    if (tableMoved || ends != QRectF(QPointF(entropyAxis->min(), ordinateAxis->min()),
                                     QPointF(entropyAxis->max(), ordinateAxis->max())))
        placeNumbers();
}

// Each number beside its point, no label over another; states drawn at one
// place share a label.
void DiagramChart::placeNumbers() {
    QList<PlacedNumber> placed;
    for (qsizetype i = 0; i < tableStates.size() && i < states->count(); ++i) {
        const QPointF at = chart()->mapToPosition(states->at(i), states);
        if (chart()->plotArea().contains(at)) placed.append({at.x(), at.y(), tableStates[i].number});
    }
    if (labelFont != font()) {
        labelFont = font();
        labelSizes.clear();
    }
    QGraphicsSimpleTextItem probe;
    probe.setFont(labelFont);
    const QList<PlacedLabel> labels = PlaceLabels(placed, states->markerSize(), [&](const QString& text) {
        auto size = labelSizes.constFind(text);
        if (size == labelSizes.cend()) {
            probe.setText(text);
            size = labelSizes.insert(text, probe.boundingRect().size());
        }
        return *size;
    });
    while (numbers.size() < labels.size()) {
        auto* number = new QGraphicsSimpleTextItem(chart());
        number->setFont(font());
        number->setBrush(palette().color(QPalette::WindowText));
        numbers.append(number);
    }
    while (numbers.size() > labels.size()) delete numbers.takeLast();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (numbers[i]->text() != labels[i].text) numbers[i]->setText(labels[i].text);
        numbers[i]->setPos(labels[i].box.topLeft());
    }
}

QStringList DiagramChart::numberTexts() const {
    QStringList texts;
    for (const QGraphicsSimpleTextItem* number : numbers) texts.append(number->text());
    return texts;
}

bool DiagramChart::save(const QString& path, QString* error) {
    applyPalette(ReportPalette());
    const bool written = write(path);
    applyPalette(palette());
    if (!written) *error = QStringLiteral("cannot write ") + path;
    return written;
}

bool DiagramChart::write(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(QStringLiteral("Water and steam diagram"));
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        render(&painter);
        return painter.end();
    }
    return grab().save(path, "PNG");
}
