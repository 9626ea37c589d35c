#include "diagram_labels.h"

#include <algorithm>
#include <cmath>

namespace {

struct Group {
    double x, y;
    QList<qint64> numbers;
};

QList<Group> GroupsOf(const QList<PlacedNumber>& numbers, double near) {
    QList<Group> groups;
    for (const PlacedNumber& placed : numbers) {
        const auto together = [&](const Group& group) {
            return std::hypot(placed.x - group.x, placed.y - group.y) < near;
        };
        const auto found = std::find_if(groups.begin(), groups.end(), together);
        if (found != groups.end())
            found->numbers.append(placed.number);
        else
            groups.append({placed.x, placed.y, {placed.number}});
    }
    return groups;
}

QString TextOf(QList<qint64> numbers) {
    std::sort(numbers.begin(), numbers.end());
    QStringList texts;
    for (const qint64 number : numbers) texts.append(QString::number(number));
    return texts.join(QStringLiteral(", "));
}

// The space between a state's mark and its label.
constexpr double Gap = 3;
// How many label heights above and below its state a label may move.
constexpr int Rings = 4;

// The top-left corners tried for a label of `size` beside the state at (x,
// y), nearest first: above right, above left, below right, below left, right,
// left; then the corners again a label's height further out each time.
QList<QPointF> PlacesBeside(double x, double y, QSizeF size) {
    const double w = size.width(), h = size.height();
    QList<QPointF> places;
    for (int ring = 0; ring < Rings; ++ring) {
        const double d = Gap + ring * h;
        places += {{x + Gap + 1, y - d - h}, {x - Gap - w, y - d - h}, {x + Gap + 1, y + d}, {x - Gap - w, y + d}};
        if (ring == 0) places += {{x + Gap + 1, y - h / 2}, {x - Gap - w, y - h / 2}};
    }
    return places;
}

}  // namespace

QList<NumberLabel> LabelsOfPlacedNumbers(const QList<PlacedNumber>& numbers, double near) {
    QList<NumberLabel> labels;
    for (const Group& group : GroupsOf(numbers, near)) labels.append({group.x, group.y, TextOf(group.numbers)});
    return labels;
}

QList<PlacedLabel> PlaceLabels(const QList<PlacedNumber>& numbers, double near,
                               const std::function<QSizeF(const QString&)>& sizeOf) {
    QList<Group> groups = GroupsOf(numbers, near);
    // Each round places the labels in order; the first that finds no free
    // place joins the label in its way, and the labels are placed again.
    for (;;) {
        QList<PlacedLabel> placed;
        const auto taken = [&placed](const QRectF& box) {
            return std::find_if(placed.begin(), placed.end(), [&](const PlacedLabel& l) { return l.box.intersects(box); });
        };
        qsizetype blocked = -1, inTheWay = -1;
        for (qsizetype g = 0; g < groups.size() && blocked < 0; ++g) {
            const QString text = TextOf(groups[g].numbers);
            const QSizeF size = sizeOf(text);
            const QList<QPointF> places = PlacesBeside(groups[g].x, groups[g].y, size);
            const auto free = std::find_if(places.begin(), places.end(),
                                           [&](const QPointF& at) { return taken(QRectF(at, size)) == placed.end(); });
            if (free != places.end()) {
                placed.append({QRectF(*free, size), text});
                continue;
            }
            blocked = g;
            inTheWay = taken(QRectF(places.front(), size)) - placed.begin();
        }
        if (blocked < 0) return placed;
        groups[inTheWay].numbers += groups[blocked].numbers;
        groups.remove(blocked);
    }
}
