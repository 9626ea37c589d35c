#include "diagram_labels.h"

#include <algorithm>
#include <cmath>

QList<NumberLabel> LabelsOfPlacedNumbers(const QList<PlacedNumber>& numbers, double near) {
    struct Group {
        double x, y;
        QList<qint64> numbers;
    };
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
    QList<NumberLabel> labels;
    for (Group& group : groups) {
        std::sort(group.numbers.begin(), group.numbers.end());
        QStringList texts;
        for (const qint64 number : group.numbers) texts.append(QString::number(number));
        labels.append({group.x, group.y, texts.join(QStringLiteral(", "))});
    }
    return labels;
}
