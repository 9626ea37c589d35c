#include "chart_view.h"

#include "palette_colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double WheelStep = 1.25;  // the zoom of one notch of the wheel
constexpr double KeyStep = 12;      // pixels the cross moves by an arrow key
constexpr double DragThreshold = 4;  // pixels: a shorter move is still a click

// The axis from `min` to `max`, zoomed by `factor` about the fraction `at`.
std::pair<double, double> Zoomed(const ChartAxis& axis, double min, double max, double at, double factor) {
    return {AxisValue(axis.logarithmic, min, max, at - at / factor),
            AxisValue(axis.logarithmic, min, max, at + (1 - at) / factor)};
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&task, &ChartIsolinesTask::ready, this, &ChartView::linesReady);
    connect(&task, &ChartIsolinesTask::busyChanged, this, &ChartView::busyChanged);
}

void ChartView::setKind(ChartKind kind, const std::vector<IsolineId>& ids) {
    scene.kind = kind;
    scene.lines = {};
    scene.range = KindRow(kind).defaultRange();
    shownIds = ids;
    askLines();
}

void ChartView::setIsolineIds(const std::vector<IsolineId>& ids) {
    shownIds = ids;
    askLines();
}

void ChartView::setStates(const ChartStates& states) {
    scene.states = states;
    update();
}

void ChartView::setUnits(const Units& units) {
    scene.units = units;
    update();
}

void ChartView::resetView() {
    setRange(KindRow(scene.kind).defaultRange());
}

void ChartView::setRange(const ChartRange& range) {
    const ChartKindRow& kind = KindRow(scene.kind);
    const ChartRange whole = kind.defaultRange();
    const auto sensible = [](const ChartAxis& axis, double min, double max, double wholeMin, double wholeMax) {
        const double width = axis.logarithmic ? std::log(max / min) : max - min;
        const double wholeWidth = axis.logarithmic ? std::log(wholeMax / wholeMin) : wholeMax - wholeMin;
        return width >= wholeWidth * 1e-6 && width <= wholeWidth * 100 && (!axis.logarithmic || min > 0);
    };
    if (!sensible(kind.x, range.xMin, range.xMax, whole.xMin, whole.xMax) ||
        !sensible(kind.y, range.yMin, range.yMax, whole.yMin, whole.yMax))
        return;
    scene.range = range;
    askLines();
}

void ChartView::zoomAbout(const QPointF& at, double factor) {
    const ChartKindRow& kind = KindRow(scene.kind);
    const QRectF plot = frame().plot();
    const double fx = std::clamp((at.x() - plot.left()) / plot.width(), 0.0, 1.0);
    const double fy = std::clamp((plot.bottom() - at.y()) / plot.height(), 0.0, 1.0);
    const ChartRange& r = scene.range;
    const auto [xMin, xMax] = Zoomed(kind.x, r.xMin, r.xMax, fx, factor);
    const auto [yMin, yMax] = Zoomed(kind.y, r.yMin, r.yMax, fy, factor);
    setRange({xMin, xMax, yMin, yMax});
}

ChartFrame ChartView::frame() const {
    return ChartFrame(KindRow(scene.kind), scene.range, PlotRectOf(rect(), look()));
}

void ChartView::askLines() {
    current = false;
    update();
    task.request({scene.kind, scene.range, shownIds});
}

void ChartView::linesReady(const ChartLinesRequest& request, const std::shared_ptr<const ChartLines>& lines) {
    // The lines of another kind are of no use; those of an earlier view of
    // this kind are drawn until the shown view's come.
    if (request.kind != scene.kind || request.ids != shownIds) return;
    const bool exact = request.range == scene.range;
    // A view's own lines (kept, and answered at once) stay when an earlier
    // view's computation ends after them.
    if (current && !exact) return;
    scene.lines = *lines;
    current = exact;
    update();
}

ChartLook ChartView::look() const {
    ChartLook look;
    look.colours = ChartColoursFor(IsDarkPalette(palette()));
    look.colours.background = palette().color(QPalette::Base);
    look.colours.text = palette().color(QPalette::Text);
    look.fontPixels = QFontInfo(font()).pixelSize();
    return look;
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(painter, scene, rect(), look());
    const QColor ink = palette().color(QPalette::Text);
    if (banding) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRect(band);
    }
    if (cross && hasFocus()) {
        painter.setPen(QPen(ink, 1));
        painter.drawLine(*cross - QPointF(8, 0), *cross + QPointF(8, 0));
        painter.drawLine(*cross - QPointF(0, 8), *cross + QPointF(0, 8));
    }
}

void ChartView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) update();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    pressedAt = lastDragAt = event->position();
    dragged = false;
    banding = event->button() == Qt::RightButton || event->modifiers().testFlag(Qt::ShiftModifier);
    band = QRectF(event->position(), QSizeF());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    showCursorAt(event->position());
    if (!pressedAt) return;
    const QPointF moved = event->position() - *pressedAt;
    if (!dragged && std::hypot(moved.x(), moved.y()) < DragThreshold) return;
    dragged = true;
    if (banding) {
        band = QRectF(*pressedAt, event->position()).normalized();
        update();
        return;
    }
    // The view follows the hand: the values under the press stay under the cursor.
    const ChartFrame shown = frame();
    const QPointF step = event->position() - lastDragAt;
    lastDragAt = event->position();
    const QRectF plot = shown.plot();
    const auto [xMin, yMax] = shown.values(plot.topLeft() - step);
    const auto [xMax, yMin] = shown.values(plot.bottomRight() - step);
    setRange({xMin, xMax, yMin, yMax});
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressedAt) return;
    pressedAt.reset();
    if (banding && dragged) {
        banding = false;
        const ChartFrame shown = frame();
        const QRectF chosen = band.intersected(shown.plot());
        if (chosen.width() > DragThreshold && chosen.height() > DragThreshold) {
            const auto [xMin, yMax] = shown.values(chosen.topLeft());
            const auto [xMax, yMin] = shown.values(chosen.bottomRight());
            setRange({xMin, xMax, yMin, yMax});
        }
        update();
        return;
    }
    banding = false;
    if (!dragged && event->button() == Qt::LeftButton && frame().plot().contains(event->position())) {
        const auto [x, y] = frame().values(event->position());
        emit pointChosen(x, y);
    }
}

void ChartView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) zoomAbout(event->position(), std::pow(WheelStep, notches));
    event->accept();
}

void ChartView::moveCross(const QPointF& step) {
    const QRectF plot = frame().plot();
    const QPointF at = cross.value_or(plot.center()) + step;
    cross = QPointF(std::clamp(at.x(), plot.left(), plot.right()), std::clamp(at.y(), plot.top(), plot.bottom()));
    showCursorAt(*cross);
    update();
}

// The chart's keys are its own while it has the focus: Enter chooses the
// cross's point here rather than running the window's Calculate.
bool ChartView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (const int own : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Equal, Qt::Key_Home,
                              Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
            if (key == own) {
                event->accept();
                return true;
            }
    }
    return QWidget::event(event);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left: moveCross({-KeyStep, 0}); return;
    case Qt::Key_Right: moveCross({KeyStep, 0}); return;
    case Qt::Key_Up: moveCross({0, -KeyStep}); return;
    case Qt::Key_Down: moveCross({0, KeyStep}); return;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomAbout(cross.value_or(frame().plot().center()), WheelStep); return;
    case Qt::Key_Minus: zoomAbout(cross.value_or(frame().plot().center()), 1 / WheelStep); return;
    case Qt::Key_Home: resetView(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        moveCross({});
        const auto [x, y] = frame().values(*cross);
        emit pointChosen(x, y);
        return;
    }
    default: QWidget::keyPressEvent(event);
    }
}

void ChartView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit cursorMoved({});
}

void ChartView::showCursorAt(const QPointF& at) {
    const ChartFrame shown = frame();
    if (!shown.plot().contains(at)) {
        emit cursorMoved({});
        return;
    }
    const auto [x, y] = shown.values(at);
    emit cursorMoved(PairText(KindRow(scene.kind), x, y, scene.units));
}
