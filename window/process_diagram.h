// The streams of one calculation on the T–s or h–s diagram with the
// saturation dome: each stream a numbered point (its row in the results), the
// processes drawn as lines from the streams entering to those leaving, along
// the isobar where the pressure stays; a cycle closed through its states in
// their order.
#pragma once

#include "diagram_chart.h"
#include "equipment.h"

#include <QWidget>

#include <utility>

class QComboBox;
class QLineSeries;

// Which streams a process joins, by their rows in the result: pairs for an
// operation (the inlet to each outlet it becomes), or for a cycle its loop in
// the order of its states, back to the first, with a heater's drain beside it.
QList<std::pair<int, int>> ProcessLinesOf(Operation operation, qsizetype streams);
QList<std::pair<int, int>> CycleLines(const QList<NamedStream>& states);

class ProcessDiagram : public QWidget {
    Q_OBJECT

public:
    explicit ProcessDiagram(QWidget* parent = nullptr);

    void showStreams(const QList<NamedStream>& streams, const QList<std::pair<int, int>>& lines);
    void setUnits(const Units& units);
    DiagramChart* chart() const { return diagram; }
    // Chooses T–s or h–s; the page places it.
    QComboBox* kindBox() const { return kind; }
    // The lines drawn, in the shown units.
    QList<QLineSeries*> processLines() const { return series; }

private:
    void redraw();
    QComboBox* kind;
    DiagramChart* diagram;
    QList<QLineSeries*> series;
    QList<NamedStream> streams;
    QList<DiagramCurve> paths;  // of the lines, in the core's units
    Units units;
};
