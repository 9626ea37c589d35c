#include "process_diagram.h"

#include <QComboBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <stdexcept>

namespace {

using O = Operation;

const QColor ProcessColour(0xff, 0xa0, 0x00);

}  // namespace

// The rows are those of the core's table of operations: a turbine's or pump's
// inlet, outlet and isentropic outlet; a header's inlets, then its outlet.
QList<std::pair<int, int>> ProcessLinesOf(Operation operation, qsizetype streams) {
    switch (operation) {
        case O::Turbine:
        case O::TurbineForPower:
        case O::TurbineTest:
        case O::Pump:
        case O::FlashTank:
        case O::Boiler: return {{0, 1}, {0, 2}};
        case O::Desuperheater: return {{0, 2}, {1, 2}};
        case O::Deaerator: return {{0, 2}, {1, 2}};
        case O::Exchanger: return {{0, 1}, {2, 3}};
        case O::Header: {
            QList<std::pair<int, int>> lines;
            for (int i = 0; i + 1 < streams; ++i) lines.append({i, int(streams - 1)});
            return lines;
        }
        case O::Valve:
        case O::Heater:
        case O::HeatLoss: break;
    }
    return {{0, 1}};
}

// The states of a cycle come in the order of the flow: the turbine, the
// condenser, the pumps and heaters of the feedwater train, then a closed
// heater's drain, which leaves the loop and joins it again.
QList<std::pair<int, int>> CycleLines(const QList<NamedStream>& states) {
    const auto drain = [&](qsizetype i) { return states[i].name.contains(u"drain", Qt::CaseInsensitive); };
    QList<int> loop;
    QList<std::pair<int, int>> lines;
    for (int i = 0; i < states.size(); ++i) {
        if (!drain(i)) loop.append(i);
        if (i > 0 && drain(i) && drain(i - 1)) lines.append({i - 1, i});
    }
    for (qsizetype k = 0; k < loop.size(); ++k) lines.append({loop[k], loop[(k + 1) % loop.size()]});
    return lines;
}

ProcessDiagram::ProcessDiagram(QWidget* parent) : QWidget(parent), kind(new QComboBox), diagram(new DiagramChart) {
    kind->addItem(QStringLiteral("T–s (temperature–entropy)"));
    kind->addItem(QStringLiteral("h–s (enthalpy–entropy, Mollier)"));
    kind->setToolTip(QStringLiteral("The diagram the streams are drawn on"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(diagram, 1);
    // The streams are numbered by their rows: the dome's colours need no legend here.
    diagram->chart()->legend()->hide();
    connect(kind, &QComboBox::currentIndexChanged, this, [this](int index) {
        diagram->setKind(index == 0 ? DiagramChart::Kind::TemperatureEntropy : DiagramChart::Kind::EnthalpyEntropy);
        redraw();
    });
}

// A process at one pressure (a heater, a boiler, a condenser) runs along its
// isobar, through the dome on the plateau; the others (an expansion, a
// throttling) are drawn straight from state to state.
namespace {

DiagramCurve PathOf(const Stream& from, const Stream& to) {
    if (std::isnan(from.s) || std::isnan(to.s) || to.massFlow == 0) return {};  // no flow: no process
    DiagramCurve path{{from.s, from.t, from.h}};
    if (std::abs(from.p - to.p) <= 1e-9 * from.p) {
        const bool rising = to.s > from.s;
        DiagramCurve between;
        // The isobar reaches up to its state: that of the hotter end. One the
        // formulation cannot draw all along is drawn straight.
        const Stream& hotter = to.t > from.t ? to : from;
        try {
            for (const DiagramPoint& point : StateDiagramOf(hotter.p, hotter.s, hotter.t, hotter.h).isobar)
                if (rising ? point.s > from.s && point.s < to.s : point.s < from.s && point.s > to.s)
                    between.push_back(point);
        } catch (const std::runtime_error&) {
            between.clear();
        }
        if (!rising) std::reverse(between.begin(), between.end());
        path.insert(path.end(), between.begin(), between.end());
    }
    path.push_back({to.s, to.t, to.h});
    return path;
}

}  // namespace

void ProcessDiagram::showStreams(const QList<NamedStream>& shownStreams, const QList<std::pair<int, int>>& shownLines) {
    streams = shownStreams;
    paths.clear();
    for (const auto& [from, to] : shownLines)
        if (from < streams.size() && to < streams.size())
            paths.append(PathOf(streams[from].stream, streams[to].stream));
    QList<DiagramChart::NumberedPoint> points;
    for (qsizetype i = 0; i < streams.size(); ++i) {
        const Stream& s = streams[i].stream;
        points.append(DiagramChart::NumberedPoint{i + 1, {s.s, s.t, s.h}});
    }
    diagram->showTableStates(points, {});
    redraw();
}

void ProcessDiagram::setUnits(const Units& shown) {
    units = shown;
    diagram->setUnits(units);
    redraw();
}

// The chart's own series follow its kind and units; these lines are drawn
// here in the same axes.
void ProcessDiagram::redraw() {
    QChart* chart = diagram->chart();
    while (series.size() < paths.size()) {
        auto* line = new QLineSeries;
        line->setPen(QPen(ProcessColour, 2));
        chart->addSeries(line);
        line->attachAxis(diagram->horizontalAxis());
        line->attachAxis(diagram->verticalAxis());
        chart->legend()->markers(line).front()->setVisible(false);
        series.append(line);
    }
    const bool mollier = diagram->kind() == DiagramChart::Kind::EnthalpyEntropy;
    for (qsizetype i = 0; i < series.size(); ++i) {
        QList<QPointF> points;
        if (i < paths.size())
            for (const DiagramPoint& point : paths[i])
                points.append({ToShown(Quantity::Entropy, point.s, units),
                               mollier ? ToShown(Quantity::Enthalpy, point.h, units)
                                       : ToShown(Quantity::Temperature, point.t, units)});
        series[i]->replace(points);
    }
}
