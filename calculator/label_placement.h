// Where the labels of a diagram's lines stand: each on its own line, inside
// the plot, and never over another label or a kept-free place (a state's
// mark). A line with no free place along it goes without a label. No
// widgets: positions in pixels of the plot.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

struct LabelRequest {
    QList<QPointF> line;  // the drawn polyline
    QSizeF size;          // of the label's text with its margin
};

// One result per request, in their order: the label's rectangle, centred on
// a point of its line; none where no place is free. Earlier requests are
// placed first. No label covers a kept-free rectangle or crosses a kept-clear
// line (the saturation dome, which many lines run close to).
QList<std::optional<QRectF>> PlaceLabels(const QList<LabelRequest>& requests, const QRectF& plot,
                                         const QList<QRectF>& keptFree = {},
                                         const QList<QList<QPointF>>& keptClear = {});

// Whether a polyline passes through a rectangle.
bool Crosses(const QList<QPointF>& line, const QRectF& rect);
