#include "line_plot.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPageSize>
#include <QPdfWriter>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {

using Q = Quantity;

// Quantities that span decades along a line: a logarithmic axis shows them evenly.
bool SpansDecades(Quantity q) {
    return q == Q::Pressure || q == Q::SpecificVolume;
}

// The quantities of the steam-table diagrams, between which the dome is drawn.
bool OnDiagramsOfState(Quantity q) {
    return q == Q::Temperature || q == Q::Pressure || q == Q::Enthalpy || q == Q::Entropy || q == Q::SpecificVolume;
}

// Lines told apart in print, too.
const QColor LineColours[] = {QColor(0x1f, 0x4e, 0xb4), QColor(0xc8, 0x2a, 0x2a), QColor(0x1e, 0x8c, 0x3c),
                              QColor(0xe0, 0x8a, 0x00), QColor(0x7b, 0x3f, 0xb0), QColor(0x00, 0x8b, 0x8b)};
const QColor DomeColour(0x80, 0x80, 0x80);
const QString DomeName = QStringLiteral("Saturation line");
constexpr qsizetype MostMarkedPoints = 50;
// A row's values show while the pointer is this near its point, pixels.
constexpr double TipReach = 24;
constexpr double ScreenDotsPerInch = 96;
constexpr double MetresPerInch = 0.0254;

// The saturation line from the triple point to just below the critical
// point, closer near the top where the dome turns; computed once.
const LineTable& Dome() {
    static const LineTable dome = [] {
        LineTable table;
        for (const auto& [from, to, points] : {std::tuple{0.01, 360.0, 120}, std::tuple{361.0, 373.945, 40}}) {
            LineDefinition part;
            part.kind = LineKind::SaturationByT;
            part.from = from;
            part.to = to;
            part.stepKind = StepKind::Points;
            part.points = points;
            table.line = part;
            table.rows += ComputeLine(part, std::get<QList<LinePoint>>(PointsOf(part))).rows;
        }
        return table;
    }();
    return dome;
}

bool OnSaturationLine(const LineTable& table) {
    return table.line.kind == LineKind::SaturationByT || table.line.kind == LineKind::SaturationByP;
}

QList<LinePlot::Plotted> PointsOf(const LineTable& table, Quantity x, Quantity y, Phase phase, const Units& units) {
    QList<LinePlot::Plotted> points;
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const LineRow& row = table.rows[i];
        const double a = CellValue(row, {x, phase}), b = CellValue(row, {y, phase});
        if (!std::isnan(a) && !std::isnan(b)) points.append({{ToShown(x, a, units), ToShown(y, b, units)}, &row, phase});
    }
    return points;
}

QString AxisTitle(Quantity q, const Units& units) {
    return CaptionWithUnit(QLatin1String(RowOf(q).inputSymbol), q, units);
}

QString ValueText(double value) {
    return QLocale().toString(value, 'g', 6);
}

// Lines drawn on the frame are hard to see: the axes reach a little beyond them.
constexpr double LinearMargin = 0.03;       // of the range
constexpr double DecadesMargin = 0.05;      // of a decade, at least
constexpr double LogarithmicMargin = 0.03;  // of the decades shown
// Beyond this many decades the labels at 2 and 5 would crowd.
constexpr double MostDecadesLabelledAt125 = 3;

// A logarithmic axis holds the decimal logarithms of the values and is
// labelled at 1, 2 and 5 of each decade: Qt Charts' own logarithmic axis
// labels only its decades, and a range within a decade (0.25 to 5 MPa) by
// one number or none.
void LabelDecades(QCategoryAxis* axis, double low, double high) {
    const bool crowded = high - low > MostDecadesLabelledAt125;
    for (int decade = int(std::floor(low)); decade <= int(std::ceil(high)); ++decade)
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            if (crowded && mantissa != 1) continue;
            const double value = mantissa * std::pow(10.0, decade);
            const double at = std::log10(value);
            if (at >= low && at <= high) axis->append(QString::number(value, 'g', 6), at);
        }
}

}  // namespace

QList<Quantity> LinePlot::AxisQuantities() {
    QList<Quantity> quantities = ShowableQuantities(LineKind::Isobar);
    for (const Quantity q : ShowableQuantities(LineKind::SaturationByT))
        if (!quantities.contains(q)) quantities.append(q);
    quantities.append(Q::Dryness);
    return quantities;
}

LinePlot::LinePlot(QWidget* parent)
    : QWidget(parent),
      xAxis(new QComboBox),
      yAxis(new QComboBox),
      xLog(new QCheckBox(QStringLiteral("log"))),
      yLog(new QCheckBox(QStringLiteral("log"))),
      keepButton(new QPushButton(QStringLiteral("Keep line"))),
      clearButton(new QPushButton(QStringLiteral("Clear kept"))),
      view(new QChartView) {
    // With its symbol: "Heat capacity Cp" and "Heat capacity Cv" are told apart.
    for (const Quantity q : AxisQuantities()) {
        const QString item = QLatin1String(RowOf(q).name) + u' ' + QLatin1String(RowOf(q).inputSymbol);
        xAxis->addItem(item, int(q));
        yAxis->addItem(item, int(q));
    }
    keepButton->setToolTip(QStringLiteral("The line stays drawn when the next one is made"));
    auto* choices = new QHBoxLayout;
    choices->addWidget(yAxis);
    choices->addWidget(yLog);
    choices->addWidget(new QLabel(QStringLiteral("against")));
    choices->addWidget(xAxis);
    choices->addWidget(xLog);
    choices->addStretch();
    choices->addWidget(keepButton);
    choices->addWidget(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(view, 1);

    view->setRenderHint(QPainter::Antialiasing);
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
    setAxes(Q::Entropy, Q::Enthalpy);
    for (QComboBox* box : {xAxis, yAxis})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            redraw();
            emit settingsChanged();
        });
    for (QCheckBox* box : {xLog, yLog})
        connect(box, &QCheckBox::toggled, this, [this] {
            redraw();
            emit settingsChanged();
        });
    connect(keepButton, &QPushButton::clicked, this, &LinePlot::keepCurrent);
    connect(clearButton, &QPushButton::clicked, this, &LinePlot::clearKept);
    redraw();
}

QChart* LinePlot::chart() const {
    return view->chart();
}

QList<QLineSeries*> LinePlot::series() const {
    QList<QLineSeries*> all;
    for (QAbstractSeries* s : view->chart()->series()) all.append(static_cast<QLineSeries*>(s));
    return all;
}

Quantity LinePlot::xQuantity() const {
    return Quantity(xAxis->currentData().toInt());
}
Quantity LinePlot::yQuantity() const {
    return Quantity(yAxis->currentData().toInt());
}
bool LinePlot::xLogarithmic() const {
    return xLog->isChecked() && SpansDecades(xQuantity());
}
bool LinePlot::yLogarithmic() const {
    return yLog->isChecked() && SpansDecades(yQuantity());
}

void LinePlot::setAxes(Quantity x, Quantity y) {
    const QSignalBlocker quietX(xAxis), quietY(yAxis);
    xAxis->setCurrentIndex(xAxis->findData(int(x)));
    yAxis->setCurrentIndex(yAxis->findData(int(y)));
    redraw();
}

void LinePlot::setLogarithmic(bool x, bool y) {
    const QSignalBlocker quietX(xLog), quietY(yLog);
    xLog->setChecked(x);
    yLog->setChecked(y);
    redraw();
}

void LinePlot::setCurrent(const LineTable& table) {
    current = table;
    redraw();
}

bool LinePlot::keepCurrent() {
    if (!current) return false;
    kept.append(*current);
    current.reset();
    redraw();
    return true;
}

void LinePlot::clearKept() {
    kept.clear();
    redraw();
}

void LinePlot::setUnits(const Units& shown) {
    units = shown;
    redraw();
}

QAbstractAxis* LinePlot::newAxis(Quantity q, bool logarithmic) const {
    QAbstractAxis* axis;
    if (logarithmic) {
        auto* log = new QCategoryAxis;
        log->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat(QStringLiteral("%g"));
        axis = linear;
    }
    axis->setTitleText(AxisTitle(q, units));
    return axis;
}

QLineSeries* LinePlot::addSeries(const QList<Plotted>& points, const QString& name, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    // On a logarithmic axis the logarithm, of the positive values alone.
    const bool logX = xLogarithmic(), logY = yLogarithmic();
    for (Plotted point : points) {
        const QPointF at = point.at;
        if ((logX && at.x() <= 0) || (logY && at.y() <= 0)) continue;
        point.at = {logX ? std::log10(at.x()) : at.x(), logY ? std::log10(at.y()) : at.y()};
        series->append(point.at);
        if (name != DomeName) plotted.append({series, point});
    }
    QPen pen(colour);
    pen.setWidthF(1.5);
    series->setPen(pen);
    // A line of few points shows where its rows are; a dense one is a curve.
    series->setPointsVisible(name != DomeName && points.size() <= MostMarkedPoints);
    view->chart()->addSeries(series);
    for (QAbstractAxis* axis : view->chart()->axes()) series->attachAxis(axis);
    return series;
}

void LinePlot::addLine(const LineTable& table, const QColor& colour) {
    const QString name = LineName(table.line);
    if (!OnSaturationLine(table)) {
        addSeries(PointsOf(table, xQuantity(), yQuantity(), Phase::State, units), name, colour);
        return;
    }
    addSeries(PointsOf(table, xQuantity(), yQuantity(), Phase::SaturatedWater, units),
              name + QStringLiteral(" (water)"), colour);
    addSeries(PointsOf(table, xQuantity(), yQuantity(), Phase::SaturatedSteam, units),
              name + QStringLiteral(" (steam)"), colour.darker(150));
}

// A new chart each time: axes removed from a chart and deleted leave their
// empty labels behind in its scene.
void LinePlot::redraw() {
    auto* chart = new QChart;
    chart->setMargins({2, 2, 2, 2});
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = view->chart();
    plotted.clear();
    view->setChart(chart);
    delete old;
    const Quantity x = xQuantity(), y = yQuantity();
    xLog->setEnabled(SpansDecades(x));
    yLog->setEnabled(SpansDecades(y));
    chart->addAxis(newAxis(x, xLogarithmic()), Qt::AlignBottom);
    chart->addAxis(newAxis(y, yLogarithmic()), Qt::AlignLeft);
    if (OnDiagramsOfState(x) && OnDiagramsOfState(y)) {
        // One curve up the water side and down the steam side.
        QList<Plotted> dome = PointsOf(Dome(), x, y, Phase::SaturatedWater, units);
        QList<Plotted> steam = PointsOf(Dome(), x, y, Phase::SaturatedSteam, units);
        std::reverse(steam.begin(), steam.end());
        addSeries(dome + steam, DomeName, DomeColour);
    }
    qsizetype colour = 0;
    for (const LineTable& table : kept) addLine(table, LineColours[colour++ % std::size(LineColours)]);
    if (current) addLine(*current, LineColours[colour % std::size(LineColours)]);
    fitAxes();
    keepButton->setEnabled(current.has_value());
    clearButton->setEnabled(!kept.isEmpty());
}

// Every series in view: the lines' own range, or the dome's alone before the
// first line, at round numbers.
void LinePlot::fitAxes() {
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    const QList<QLineSeries*> drawn = series();
    for (QLineSeries* s : drawn) {
        if (s->name() == DomeName && drawn.size() > 1) continue;
        for (const QPointF& p : s->points()) {
            left = std::min(left, p.x()), right = std::max(right, p.x());
            bottom = std::min(bottom, p.y()), top = std::max(top, p.y());
        }
    }
    const QList<QAbstractAxis*> horizontal = view->chart()->axes(Qt::Horizontal),
                                vertical = view->chart()->axes(Qt::Vertical);
    const auto fit = [](QAbstractAxis* axis, double low, double high) {
        if (!(high >= low)) return;
        if (auto* log = qobject_cast<QCategoryAxis*>(axis)) {
            const double margin = std::max(DecadesMargin, LogarithmicMargin * (high - low));
            log->setRange(low - margin, high + margin);
            log->setStartValue(low - margin);
            LabelDecades(log, low - margin, high + margin);
            return;
        }
        auto* linear = static_cast<QValueAxis*>(axis);
        if (high == low) low -= 1, high += 1;  // a line that holds this quantity fixed
        // Values that are all positive do not reach below zero for a margin.
        const double margin = LinearMargin * (high - low);
        linear->setRange(low >= 0 ? std::max(0.0, low - margin) : low - margin, high + margin);
        linear->applyNiceNumbers();
    };
    fit(horizontal.front(), left, right);
    fit(vertical.front(), bottom, top);
}

// The row drawn nearest the pointer on the screen, where the axes' scales
// are alike, within a reach: its line, p, t and the plotted values.
QString LinePlot::toolTipAt(const QPoint& at) const {
    const QPointF pointer = view->mapToScene(at);
    const PlottedPoint* nearest = nullptr;
    double best = TipReach * TipReach;
    for (const PlottedPoint& point : plotted) {
        const QPointF d = view->chart()->mapToPosition(point.point.at, point.series) - pointer;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= best) best = distance, nearest = &point;
    }
    if (nearest == nullptr) return {};
    const Plotted& point = nearest->point;
    QStringList lines{nearest->series->name()};
    QList<Quantity> shown{Q::Pressure, Q::Temperature};
    for (const Quantity q : {xQuantity(), yQuantity()})
        if (!shown.contains(q)) shown.append(q);
    for (const Quantity q : shown) {
        const double value = CellValue(*point.row, {q, point.phase});
        if (!std::isnan(value)) lines.append(AxisTitle(q, units) + QStringLiteral(": ") + ValueText(ToShown(q, value, units)));
    }
    return lines.join(u'\n');
}

bool LinePlot::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QString tip = toolTipAt(move->position().toPoint());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(move->globalPosition().toPoint(), tip, view);
    }
    return QWidget::eventFilter(watched, event);
}

bool LinePlot::save(const QString& path, QString* error, QSize pixels, int dotsPerInch) {
    bool written;
    QPainter painter;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(view->size());
        svg.setViewBox(view->rect());
        svg.setTitle(QStringLiteral("Lines of water and steam"));
        written = painter.begin(&svg);
        if (written) {
            view->render(&painter);
            written = painter.end();
        }
    } else if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        // A page the plot's size, drawn as lines and text, not pixels.
        QPdfWriter pdf(path);
        pdf.setTitle(QStringLiteral("Lines of water and steam"));
        pdf.setResolution(ScreenDotsPerInch);
        pdf.setPageMargins({});
        pdf.setPageSize(QPageSize(QSizeF(view->size()) * 72.0 / ScreenDotsPerInch, QPageSize::Point));
        written = painter.begin(&pdf);
        if (written) {
            view->render(&painter);
            written = painter.end();
        }
    } else {
        // Laid out at the size the pixels make at the resolution (a larger
        // picture at a higher resolution is the same plot, sharper), then drawn.
        if (pixels.isEmpty()) pixels = view->size();
        const double scale = double(dotsPerInch) / ScreenDotsPerInch;
        QImage image(pixels, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(dotsPerInch / MetresPerInch));
        image.setDotsPerMeterY(qRound(dotsPerInch / MetresPerInch));
        QChart* chart = view->chart();
        const QRectF shown = chart->geometry();
        const QRectF laidOut(shown.topLeft(), QSizeF(pixels) / scale);
        chart->setGeometry(laidOut);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        chart->scene()->render(&painter, QRectF(QPointF(), QSizeF(pixels)), laidOut, Qt::IgnoreAspectRatio);
        painter.end();
        chart->setGeometry(shown);
        written = image.save(path, "PNG");
    }
    if (!written && error != nullptr) *error = QStringLiteral("cannot write ") + path;
    return written;
}
