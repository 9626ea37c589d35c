// The numbers of the table's states on a diagram. States drawn at one place
// would write their numbers over each other: they share one label instead,
// "19, 25"; and no label is written over another. No widgets: the chart
// places the labels these give.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

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

// A label and the box its text takes (y grows downwards, as on a screen).
struct PlacedLabel {
    QRectF box;
    QString text;
};

// The labels of LabelsOfPlacedNumbers, each beside its state where no other
// label stands: above and right of it if free, else the first free of the
// places around it, nearest first. A label that finds no free place joins the
// label in its way ("6, 7, 8, 12, 15"), so that no two labels ever overlap.
// `sizeOf` gives the size a text takes.
QList<PlacedLabel> PlaceLabels(const QList<PlacedNumber>& numbers, double near,
                               const std::function<QSizeF(const QString&)>& sizeOf);
