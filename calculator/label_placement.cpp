#include "label_placement.h"

#include <algorithm>
#include <cmath>

namespace {

// Places tried along the shown part of a line, from its middle outwards, so
// that labels stand away from the frame where they can.
constexpr double Tries[] = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.45, 0.55, 0.35, 0.65, 0.25, 0.75, 0.15, 0.85, 0.1, 0.9};

// The stretches of a polyline inside the plot, with their lengths.
struct Stretch {
    QPointF from, to;
    double length;
};


QPointF PointAlong(const QList<Stretch>& stretches, double distance) {
    for (const Stretch& stretch : stretches) {
        if (distance <= stretch.length)
            return stretch.from + (stretch.to - stretch.from) * (stretch.length > 0 ? distance / stretch.length : 0);
        distance -= stretch.length;
    }
    return stretches.back().to;
}

// The part of the segment from a to b inside the rectangle, as the
// fractions of the segment where it enters and leaves (Liang–Barsky
// clipping); none where it passes outside.
std::optional<std::pair<double, double>> Clipped(QPointF a, QPointF b, const QRectF& rect) {
    double enter = 0, leave = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, r);
        else
            leave = std::min(leave, r);
        if (enter > leave) return std::nullopt;
    }
    return std::pair{enter, leave};
}

// The stretches of a polyline inside the plot, with their lengths: a long
// chord (the plateau of an isobar across the dome) counts with its shown part.
QList<Stretch> ShownStretches(const QList<QPointF>& line, const QRectF& plot) {
    QList<Stretch> stretches;
    for (qsizetype i = 1; i < line.size(); ++i)
        if (const auto part = Clipped(line[i - 1], line[i], plot)) {
            const QPointF d = line[i] - line[i - 1];
            stretches.append({line[i - 1] + d * part->first, line[i - 1] + d * part->second,
                              std::hypot(d.x(), d.y()) * (part->second - part->first)});
        }
    return stretches;
}

}  // namespace

bool Crosses(const QList<QPointF>& line, const QRectF& rect) {
    for (qsizetype i = 1; i < line.size(); ++i)
        if (Clipped(line[i - 1], line[i], rect)) return true;
    return false;
}

QList<std::optional<QRectF>> PlaceLabels(const QList<LabelRequest>& requests, const QRectF& plot,
                                         const QList<QRectF>& keptFree, const QList<QList<QPointF>>& keptClear) {
    QList<QRectF> taken = keptFree;
    QList<std::optional<QRectF>> placed;
    for (const LabelRequest& request : requests) {
        std::optional<QRectF> found;
        const QList<Stretch> stretches = ShownStretches(request.line, plot);
        double total = 0;
        for (const Stretch& stretch : stretches) total += stretch.length;
        if (total > 0)
            for (const double share : Tries) {
                const QPointF centre = PointAlong(stretches, share * total);
                QRectF rect(QPointF(), request.size);
                rect.moveCenter(centre);
                const auto overlaps = [&rect](const QRectF& other) { return rect.intersects(other); };
                const auto crossed = [&rect](const QList<QPointF>& line) { return Crosses(line, rect); };
                if (plot.contains(rect) && std::none_of(taken.begin(), taken.end(), overlaps) &&
                    std::none_of(keptClear.begin(), keptClear.end(), crossed)) {
                    found = rect;
                    break;
                }
            }
        if (found) taken.append(*found);
        placed.append(found);
    }
    return placed;
}
