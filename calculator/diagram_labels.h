// The numbers of the table's states on a diagram. States drawn at one place
// would write their numbers over each other: they share one label instead,
// "19, 25". No widgets: the chart places the labels these give.
#pragma once

#include <QList>
#include <QString>

struct PlacedNumber {
    double x, y;  // where the state is drawn
    qint64 number;
};

struct NumberLabel {
    double x, y;
    QString text;
};

// A state closer than `near` (in the units of x and y, e.g. pixels) to the
// first state of a label joins that label; the label stands at that first
// state and lists its numbers rising, separated by ", ". The labels come in
// the order of their first states.
QList<NumberLabel> LabelsOfPlacedNumbers(const QList<PlacedNumber>& numbers, double near);
