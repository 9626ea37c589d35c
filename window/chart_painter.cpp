#include "chart_painter.h"

#include "label_placement.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

ChartColours ChartColoursFor(bool dark) {
    // Light: dark hues of 4.5:1 and more on white. Dark: light hues of the
    // same families, 5:1 and more on the dark grey.
    if (dark)
        return {QColor(0x26, 0x26, 0x26), QColor(0xee, 0xee, 0xee), QColor(0x44, 0x44, 0x44),
                QColor(0xf0, 0xf0, 0xf0), QColor(0xff, 0x55, 0x55), QColor(0xb0, 0xb0, 0xb0),
                QColor(0xff, 0xb0, 0x30),
                {QColor(0x7a, 0xb0, 0xff), QColor(0xff, 0x8a, 0x7a), QColor(0x7e, 0xd9, 0x8a),
                 QColor(0xd0, 0xa4, 0xff), QColor(0xf0, 0xc0, 0x60), QColor(0x5c, 0xd6, 0xcc)}};
    return {Qt::white, Qt::black, QColor(0xe4, 0xe4, 0xe4), QColor(0x10, 0x10, 0x10), QColor(0xe0, 0x00, 0x00),
            QColor(0x70, 0x70, 0x70), QColor(0xd0, 0x70, 0x00),
            {QColor(0x1a, 0x56, 0xb8), QColor(0xb8, 0x2a, 0x1a), QColor(0x2a, 0x74, 0x2e), QColor(0x73, 0x3a, 0x9a),
             QColor(0x95, 0x55, 0x00), QColor(0x00, 0x6e, 0x66)}};
}

ChartFrame::ChartFrame(const ChartKindRow& kind, const ChartRange& range, const QRectF& plot)
    : kind(kind), range(range), area(plot) {}

QPointF ChartFrame::pixel(double x, double y) const {
    return {area.left() + area.width() * AxisFraction(kind.x.logarithmic, range.xMin, range.xMax, x),
            area.bottom() - area.height() * AxisFraction(kind.y.logarithmic, range.yMin, range.yMax, y)};
}

QPointF ChartFrame::pixel(const ChartPoint& point) const {
    return pixel(ValueOf(point, kind.x.quantity), ValueOf(point, kind.y.quantity));
}

std::pair<double, double> ChartFrame::values(const QPointF& at) const {
    return {AxisValue(kind.x.logarithmic, range.xMin, range.xMax, (at.x() - area.left()) / area.width()),
            AxisValue(kind.y.logarithmic, range.yMin, range.yMax, (area.bottom() - at.y()) / area.height())};
}

namespace {

// Each family its own dash, so that a grey printout tells them apart too.
QPen FamilyPen(IsolineFamily family, const QColor& colour, double width) {
    QPen pen(colour, width);
    switch (family) {
    case IsolineFamily::Isobar: break;
    case IsolineFamily::Isotherm: pen.setDashPattern({6, 3}); break;
    case IsolineFamily::Isochore: pen.setDashPattern({2, 2}); break;
    case IsolineFamily::Isentrope: pen.setDashPattern({8, 3, 2, 3}); break;
    case IsolineFamily::Isenthalp: pen.setDashPattern({4, 2, 1, 2, 1, 2}); break;
    case IsolineFamily::Dryness: pen.setDashPattern({1, 3}); break;
    }
    return pen;
}

QString Number(double value) {
    return QString::number(value, 'g', 4);
}

QString AxisTitle(ChartQuantity quantity, const Units& units) {
    const Quantity q = QuantityOf(quantity);
    return CaptionWithUnit(QString::fromLatin1(RowOf(q).inputSymbol), q, units);
}

QString LabelText(const IsolineId& id, const Units& units) {
    const IsolineFamilyRow& row = FamilyRow(id.family);
    if (!row.quantity) return QStringLiteral("x = ") + Number(id.value);
    const Quantity q = QuantityOf(*row.quantity);
    return Number(ToShown(q, id.value, units)) + ' ' + UnitText(q, units);
}

// The least step of 1, 2, 2.5 or 5 times a power of ten at least `raw`.
double RoundStep(double raw) {
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * decade >= raw * (1 - 1e-12)) return factor * decade;
    return 10 * decade;
}

struct Tick {
    double value;  // in the core's unit
    QString text;  // in the shown unit
};

// Round numbers of the shown unit: some `count` steps on a linear axis, the
// decades (with 2 and 5 where few) on a logarithmic one.
QList<Tick> TicksOf(const ChartAxis& axis, double min, double max, const Units& units, double count) {
    const Quantity q = QuantityOf(axis.quantity);
    const double from = ToShown(q, min, units), to = ToShown(q, max, units);
    QList<Tick> ticks;
    const auto add = [&](double shown) { ticks.append({FromShown(q, shown, units), QString::number(shown, 'g', 6)}); };
    if (axis.logarithmic) {
        const int first = int(std::floor(std::log10(from))), last = int(std::ceil(std::log10(to)));
        const bool few = last - first <= 3;
        const QList<double> factors = few ? QList<double>{1, 2, 5} : QList<double>{1};
        for (int e = first; e <= last; ++e)
            for (const double factor : factors) {
                const double shown = factor * std::pow(10.0, e);
                if (shown >= from * (1 - 1e-9) && shown <= to * (1 + 1e-9)) add(shown);
            }
        return ticks;
    }
    const double step = RoundStep((to - from) / count);
    for (double k = std::ceil(from / step - 1e-9); k * step <= to + step * 1e-9; ++k) add(k * step == 0 ? 0 : k * step);
    return ticks;
}

// The line's chords near the plot only: a dashed pen is laid along the
// whole path, clipped or not, and a zoomed view leaves most of it outside.
QPainterPath PathOf(const std::vector<ChartPoint>& points, const ChartFrame& frame) {
    const QRectF near = frame.plot().adjusted(-10, -10, 10, 10);
    QPainterPath path;
    std::optional<QPointF> last;
    bool drawnToLast = false;
    for (const ChartPoint& point : points) {
        const QPointF at = frame.pixel(point);
        if (!std::isfinite(at.x()) || !std::isfinite(at.y())) continue;
        // By the chord's extent: a level chord's box has no height, which
        // QRectF::intersects counts as meeting nothing.
        const bool shown = last && std::max(last->x(), at.x()) >= near.left() &&
                           std::min(last->x(), at.x()) <= near.right() && std::max(last->y(), at.y()) >= near.top() &&
                           std::min(last->y(), at.y()) <= near.bottom();
        if (shown) {
            if (!drawnToLast) path.moveTo(*last);
            path.lineTo(at);
        }
        drawnToLast = shown;
        last = at;
    }
    return path;
}

QList<QPointF> PixelsOf(const std::vector<ChartPoint>& points, const ChartFrame& frame) {
    QList<QPointF> pixels;
    for (const ChartPoint& point : points) pixels.append(frame.pixel(point));
    return pixels;
}

void PaintAxes(QPainter& painter, const ChartScene& scene, const ChartFrame& frame, const ChartLook& look) {
    const ChartKindRow& kind = KindRow(scene.kind);
    const QRectF plot = frame.plot();
    const QFontMetricsF metrics(painter.font());
    const QList<Tick> xTicks = TicksOf(kind.x, scene.range.xMin, scene.range.xMax, scene.units, plot.width() / (8 * look.fontPixels));
    const QList<Tick> yTicks = TicksOf(kind.y, scene.range.yMin, scene.range.yMax, scene.units, plot.height() / (4 * look.fontPixels));
    painter.setPen(QPen(look.colours.grid, look.lineWidth));
    for (const Tick& tick : xTicks) {
        const double x = frame.pixel(tick.value, scene.range.yMin).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const Tick& tick : yTicks) {
        const double y = frame.pixel(scene.range.xMin, tick.value).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(look.colours.text, look.lineWidth));
    painter.drawRect(plot);
    const double gap = look.fontPixels / 3;
    for (const Tick& tick : xTicks) {
        const double x = frame.pixel(tick.value, scene.range.yMin).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + gap));
        const double w = metrics.horizontalAdvance(tick.text);
        painter.drawText(QPointF(x - w / 2, plot.bottom() + gap + metrics.ascent()), tick.text);
    }
    for (const Tick& tick : yTicks) {
        const double y = frame.pixel(scene.range.xMin, tick.value).y();
        painter.drawLine(QPointF(plot.left() - gap, y), QPointF(plot.left(), y));
        const double w = metrics.horizontalAdvance(tick.text);
        painter.drawText(QPointF(plot.left() - 2 * gap - w, y + metrics.ascent() / 2 - 1), tick.text);
    }
    const QString xTitle = AxisTitle(kind.x.quantity, scene.units), yTitle = AxisTitle(kind.y.quantity, scene.units);
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(xTitle) / 2,
                             plot.bottom() + 2 * gap + metrics.height() + metrics.ascent()),
                     xTitle);
    painter.save();
    painter.translate(plot.left() - 5.5 * look.fontPixels, plot.center().y() + metrics.horizontalAdvance(yTitle) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, metrics.ascent()), yTitle);
    painter.restore();
}

// The families in turns, so that each gets labels before the plot fills.
QList<const Isoline*> LabelOrder(const std::vector<Isoline>& isolines) {
    QList<const Isoline*> order;
    for (size_t round = 0; order.size() < qsizetype(isolines.size()); ++round) {
        for (int family = 0; family < IsolineFamilyCount; ++family) {
            size_t seen = 0;
            for (const Isoline& line : isolines)
                if (int(line.id.family) == family && seen++ == round) order.append(&line);
        }
        if (round > isolines.size()) break;
    }
    return order;
}

// A state's number, placed with the isolines' labels: it stands next to
// its dot, on a loop around it, wherever it is free.
struct NumberMark {
    QPointF at;
    double radius;
    QString text;
};

LabelRequest RequestAround(const NumberMark& mark, QSizeF size) {
    const double a = size.width() / 2 + mark.radius + 1, b = size.height() / 2 + mark.radius + 1;
    const QPointF c = mark.at;
    // From the upper right, where a number is looked for first, round.
    return {{c + QPointF(a, -b), c + QPointF(a, b), c + QPointF(-a, b), c + QPointF(-a, -b), c + QPointF(a, -b)}, size};
}

void PaintStates(QPainter& painter, const ChartScene& scene, const ChartFrame& frame, const ChartLook& look,
                 QList<QRectF>& marks, QList<NumberMark>& numbers) {
    const ChartStates& states = scene.states;
    const double dot = look.fontPixels * 0.55;
    // A state without one of the axes' values (a row of an older file) is not drawn.
    const auto drawable = [](const QPointF& at) { return std::isfinite(at.x()) && std::isfinite(at.y()); };
    QPainterPath line;
    for (const ChartPoint& point : states.line) {
        const QPointF at = frame.pixel(point);
        if (!drawable(at)) continue;
        if (line.elementCount() == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    painter.setPen(QPen(look.colours.text, 1.5 * look.lineWidth));
    painter.drawPath(line);
    // The equipment's streams: squares numbered by their rows in its results,
    // joined by their processes.
    painter.setPen(QPen(look.colours.state, 1.5 * look.lineWidth, Qt::DashLine));
    for (const auto& [from, to] : states.processes) {
        if (from < 0 || to < 0 || from >= states.streams.size() || to >= states.streams.size()) continue;
        const QPointF a = frame.pixel(states.streams[from]), b = frame.pixel(states.streams[to]);
        if (drawable(a) && drawable(b)) painter.drawLine(a, b);
    }
    for (qsizetype i = 0; i < states.streams.size(); ++i) {
        const QPointF at = frame.pixel(states.streams[i]);
        if (!drawable(at)) continue;
        const QRectF square(at.x() - dot * 0.7, at.y() - dot * 0.7, 1.4 * dot, 1.4 * dot);
        painter.setPen(QPen(look.colours.state, look.lineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square);
        marks.append(square);
        numbers.append({at, dot + look.lineWidth, u'S' + QString::number(i + 1)});
    }
    QList<QPointF> chosen;
    for (const qsizetype index : states.selected)
        if (index >= 0 && index < states.points.size() && drawable(frame.pixel(states.points[index])))
            chosen.append(frame.pixel(states.points[index]));
    if (chosen.size() > 1) {
        painter.setPen(QPen(look.colours.selected, 2 * look.lineWidth));
        painter.drawPolyline(chosen.data(), int(chosen.size()));
    }
    for (qsizetype i = 0; i < states.points.size(); ++i) {
        const QPointF at = frame.pixel(states.points[i]);
        if (!drawable(at)) continue;
        const bool selected = states.selected.contains(i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(selected ? look.colours.selected : look.colours.table);
        const double r = selected ? dot : dot * 0.7;
        painter.drawEllipse(at, r, r);
        marks.append(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        // Clear of the largest mark that can stand there: the last run's.
        if (i < states.numbers.size()) numbers.append({at, dot + look.lineWidth, QString::number(states.numbers[i])});
    }
    if (states.current && drawable(frame.pixel(*states.current))) {
        const QPointF at = frame.pixel(*states.current);
        painter.setPen(QPen(look.colours.state, 2 * look.lineWidth));
        painter.setBrush(states.currentStale ? QBrush(Qt::NoBrush) : QBrush(look.colours.state));
        painter.drawEllipse(at, dot, dot);
        marks.append(QRectF(at.x() - dot, at.y() - dot, 2 * dot, 2 * dot));
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

QRectF PlotRectOf(const QRectF& target, const ChartLook& look) {
    const double f = look.fontPixels;
    const double top = look.title.isEmpty() ? f : 3 * f;
    const double bottom = 3.6 * f + (look.footer.isEmpty() ? 0 : 2 * f);
    return target.adjusted(7 * f, top, -1.5 * f, -bottom);
}

void PaintChart(QPainter& painter, const ChartScene& scene, const QRectF& target, const ChartLook& look) {
    const ChartKindRow& kind = KindRow(scene.kind);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(look.fontPixels)));
    painter.setFont(font);
    painter.fillRect(target, look.colours.background);
    const ChartFrame frame(kind, scene.range, PlotRectOf(target, look));
    const QRectF plot = frame.plot();
    PaintAxes(painter, scene, frame, look);
    if (!look.title.isEmpty()) {
        QFont bold = font;
        bold.setBold(true);
        bold.setPixelSize(int(std::lround(look.fontPixels * 1.4)));
        painter.setFont(bold);
        painter.drawText(QRectF(target.left(), target.top(), target.width(), 3 * look.fontPixels), Qt::AlignCenter, look.title);
        painter.setFont(font);
    }
    if (!look.footer.isEmpty())
        painter.drawText(QRectF(target.left(), target.bottom() - 2 * look.fontPixels, target.width(), 2 * look.fontPixels),
                         Qt::AlignCenter, look.footer);

    painter.setClipRect(plot);
    for (const Isoline& line : scene.lines.isolines) {
        painter.setPen(FamilyPen(line.id.family, look.colours.families[int(line.id.family)], look.lineWidth));
        painter.drawPath(PathOf(line.points, frame));
    }
    painter.setPen(QPen(look.colours.dome, 2 * look.lineWidth));
    painter.drawPath(PathOf(scene.lines.dome.water.points, frame));
    painter.drawPath(PathOf(scene.lines.dome.steam.points, frame));
    if (!scene.lines.dome.water.points.empty()) {
        painter.setBrush(look.colours.dome);
        const double r = look.fontPixels * 0.3;
        painter.drawEllipse(frame.pixel(scene.lines.dome.critical), r, r);
        painter.setBrush(Qt::NoBrush);
    }
    QList<QRectF> marks;
    QList<NumberMark> numbers;
    PaintStates(painter, scene, frame, look, marks, numbers);

    // Each label on its line, over a patch of background that breaks the
    // line; the states' numbers first.
    const QFontMetricsF metrics(font);
    const QList<const Isoline*> order = LabelOrder(scene.lines.isolines);
    QList<LabelRequest> requests;
    QStringList texts;
    for (const NumberMark& number : numbers) {
        texts.append(number.text);
        requests.append(RequestAround(number, QSizeF(metrics.horizontalAdvance(number.text) + 2, metrics.height())));
    }
    for (const Isoline* line : order) {
        texts.append(LabelText(line->id, scene.units));
        requests.append({PixelsOf(line->points, frame),
                         QSizeF(metrics.horizontalAdvance(texts.back()) + look.fontPixels / 2, metrics.height())});
    }
    const QList<std::optional<QRectF>> labels =
        PlaceLabels(requests, plot, marks,
                    {PixelsOf(scene.lines.dome.water.points, frame), PixelsOf(scene.lines.dome.steam.points, frame)});
    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (!labels[i]) continue;
        const bool number = i < numbers.size();
        painter.fillRect(*labels[i], look.colours.background);
        painter.setPen(number ? look.colours.text : look.colours.families[int(order[i - numbers.size()]->id.family)]);
        painter.drawText(*labels[i], Qt::AlignCenter, texts[i]);
    }
    painter.restore();
}

QString PairText(const ChartKindRow& kind, double x, double y, const Units& units) {
    const auto part = [&units](ChartQuantity quantity, double value) {
        const Quantity q = QuantityOf(quantity);
        return QString::fromLatin1(RowOf(q).inputSymbol) + QStringLiteral(" = ") +
               QString::number(ToShown(q, value, units), 'g', 5) + ' ' + UnitText(q, units);
    };
    return part(kind.x.quantity, x) + QStringLiteral(", ") + part(kind.y.quantity, y);
}
