// The chart on screen: the painted diagram of chart_painter.h with the
// user's hands on it. The wheel zooms about the cursor, a drag pans, a drag
// with Shift (or the right button) draws a rubber band to zoom into, "Reset
// view" goes back to the kind's default range. A click asks for the state
// of its point; on the keyboard the arrows move a cross, Enter asks for its
// point, + and − zoom about it. The isolines of each view come from the
// isolines task, off the window's thread.
#pragma once

#include "chart_isolines_task.h"
#include "chart_painter.h"

#include <QWidget>

#include <optional>

class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // The kind at its default view, with its isolines.
    void setKind(ChartKind kind, const std::vector<IsolineId>& ids);
    ChartKind kind() const { return scene.kind; }
    void setIsolineIds(const std::vector<IsolineId>& ids);
    const std::vector<IsolineId>& isolineIds() const { return shownIds; }
    void setStates(const ChartStates& states);
    void setUnits(const Units& units);

    void resetView();
    // Zooms by `factor` (> 1 in) about a point of the widget.
    void zoomAbout(const QPointF& at, double factor);
    // A range within a millionth and a hundred times the default one's
    // widths (in decades on a logarithmic axis); another is ignored.
    void setRange(const ChartRange& range);
    const ChartRange& range() const { return scene.range; }

    const ChartScene& shownScene() const { return scene; }
    ChartFrame frame() const;
    ChartIsolinesTask& isolinesTask() { return task; }
    // The isolines drawn are those of the shown view (not an earlier one's).
    bool linesCurrent() const { return current; }

signals:
    // A point chosen by a click or by Enter: the axes' values in the core's units.
    void pointChosen(double x, double y);
    // The pair under the cursor, as the status bar shows it; empty off the plot.
    void cursorMoved(const QString& text);
    void busyChanged(bool busy);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void askLines();
    void linesReady(const ChartLinesRequest& request, const std::shared_ptr<const ChartLines>& lines);
    ChartLook look() const;
    void moveCross(const QPointF& step);
    void showCursorAt(const QPointF& at);

    ChartScene scene;
    std::vector<IsolineId> shownIds;
    ChartIsolinesTask task;
    bool current = false;
    std::optional<QPointF> pressedAt;
    QPointF lastDragAt;
    bool dragged = false, banding = false;
    QRectF band;
    std::optional<QPointF> cross;  // the keyboard's cursor
};
