#include "diagram_labels.h"

#include <QHash>

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

namespace {

// The placed labels by the squares of a grid they cover, so that a place is
// tested against the labels near it only: a table holds a thousand states.
class LabelGrid {
public:
    void add(qsizetype label, const QRectF& box) {
        forCells(box, [&](qint64 cell) { cells[cell].append(label); });
    }
    void remove(qsizetype label, const QRectF& box) {
        forCells(box, [&](qint64 cell) { cells[cell].removeOne(label); });
    }
    // A label whose box overlaps `box`, or -1.
    qsizetype inTheWay(const QRectF& box, const QList<QRectF>& boxes) const {
        qsizetype found = -1;
        forCells(box, [&](qint64 cell) {
            const auto at = cells.constFind(cell);
            if (found >= 0 || at == cells.cend()) return;
            for (const qsizetype label : *at)
                if (boxes[label].intersects(box)) {
                    found = label;
                    return;
                }
        });
        return found;
    }

private:
    static constexpr double Square = 64;
    template <class Visit>
    static void forCells(const QRectF& box, Visit visit) {
        for (qint64 i = qint64(std::floor(box.left() / Square)); i <= qint64(std::floor(box.right() / Square)); ++i)
            for (qint64 j = qint64(std::floor(box.top() / Square)); j <= qint64(std::floor(box.bottom() / Square)); ++j)
                visit((i << 32) ^ (j & 0xffffffff));
    }
    QHash<qint64, QList<qsizetype>> cells;
};

}  // namespace

QList<PlacedLabel> PlaceLabels(const QList<PlacedNumber>& numbers, double near,
                               const std::function<QSizeF(const QString&)>& sizeOf) {
    QList<Group> groups = GroupsOf(numbers, near);
    QList<QRectF> boxes(groups.size());  // empty: not placed, or joined another label
    QList<QString> texts(groups.size());
    LabelGrid grid;
    // Places a label beside its state; the label in the way of its first
    // place where none is free.
    const auto place = [&](qsizetype g) -> qsizetype {
        texts[g] = TextOf(groups[g].numbers);
        const QSizeF size = sizeOf(texts[g]);
        const QList<QPointF> places = PlacesBeside(groups[g].x, groups[g].y, size);
        for (const QPointF& at : places)
            if (grid.inTheWay(QRectF(at, size), boxes) < 0) {
                boxes[g] = QRectF(at, size);
                grid.add(g, boxes[g]);
                return -1;
            }
        return grid.inTheWay(QRectF(places.front(), size), boxes);
    };
    for (qsizetype g = 0; g < groups.size(); ++g) {
        // A label that finds no place joins the one in its way, which is
        // then placed again with its longer text.
        for (qsizetype label = g, blocker = place(g); blocker >= 0; label = blocker, blocker = place(label)) {
            groups[blocker].numbers += groups[label].numbers;
            groups[label].numbers.clear();
            grid.remove(blocker, boxes[blocker]);
            // Where the longer text still fits where the label stands, it stays.
            texts[blocker] = TextOf(groups[blocker].numbers);
            QRectF grown(boxes[blocker].topLeft(), sizeOf(texts[blocker]));
            // A label left of its state grows leftwards, off the state.
            if (boxes[blocker].left() < groups[blocker].x) grown.moveRight(boxes[blocker].right());
            boxes[blocker] = QRectF();
            if (grid.inTheWay(grown, boxes) < 0) {
                boxes[blocker] = grown;
                grid.add(blocker, grown);
                break;
            }
        }
    }
    QList<PlacedLabel> labels;
    for (qsizetype g = 0; g < groups.size(); ++g)
        if (!groups[g].numbers.isEmpty()) labels.append({boxes[g], texts[g]});
    return labels;
}
