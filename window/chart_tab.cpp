// The page Chart as a tab of the right column: the kind View → Diagram
// chooses, the window's units, the table's states, and a click that
// calculates its point in the mode of the axes' pair.
#include "chart_page.h"
#include "equipment_page.h"
#include "lines_page.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "decimal_separator.h"
#include "edit_binding.h"

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>

#include <cmath>

void TForm1::buildChartPage() {
    chart = new ChartPage;
    // The designed area's large bold captions are not for a page of buttons.
    chart->setStyleSheet(QStringLiteral("QLabel, QPushButton, QStatusBar { font: 13px \"MS Sans Serif\"; }"));
    chart->setUnits(units);
    connect(chart->chartView(), &ChartView::pointChosen, this, &TForm1::calculateChartPoint);
    connect(lines, &LinesPage::tableReady, this, [this] { showChartStates(selectedStates()); });
    addRightPage(chart, QStringLiteral("Chart"));
}

void TForm1::setChartKind(ChartKind kind) {
    chart->setKind(kind);
    // The state panel's diagram draws these two kinds as it always has.
    if (kind == ChartKind::TemperatureEntropy) setDiagramKind(DiagramChart::Kind::TemperatureEntropy);
    if (kind == ChartKind::EnthalpyEntropy) setDiagramKind(DiagramChart::Kind::EnthalpyEntropy);
    for (QAction* action : diagramKinds->actions()) action->setChecked(action->data().toInt() == int(kind));
}

void TForm1::calculateChartPoint(double x, double y) {
    const ChartKindRow& kind = KindRow(chart->kind());
    setRG_1ItemIndex(int(kind.clickMode));
    for (const Quantity input : InputsOf(kind.clickMode, SaturationInput::ByPs)) {
        const double value = input == QuantityOf(kind.x.quantity) ? x : y;
        // Six digits: finer than a pixel of any view.
        InputEdit(*ui, false, input)
            ->setText(QString::number(ToShown(input, value, units), 'g', 6).replace(u'.', LocaleDecimalSeparator()));
    }
    BB_CalkClick();
}

// The table's states on the chart: every state mode's row, the selected
// ones joined, the last run's marked; and the page Lines' table as a line.
void TForm1::showChartStates(const QList<qsizetype>& selected) {
    ChartStates states;
    for (qsizetype i = 0; i < table.rows().size(); ++i) {
        const StateRow& row = table.rows()[i];
        ChartPoint point{NAN, NAN, NAN, NAN, NAN};
        for (const StoredValue& v : row.values) {
            if (v.phase != Phase::State) continue;
            if (v.quantity == Quantity::Pressure) point.p = v.value;
            if (v.quantity == Quantity::Temperature) point.t = v.value;
            if (v.quantity == Quantity::Enthalpy) point.h = v.value;
            if (v.quantity == Quantity::Entropy) point.s = v.value;
            if (v.quantity == Quantity::SpecificVolume) point.v = v.value;
        }
        if (std::isnan(point.s)) continue;  // a saturation run: two points, not one state
        if (selected.contains(i)) states.selected.append(states.points.size());
        states.numbers.append(row.number);
        states.points.append(point);
    }
    if (equipment != nullptr && equipment->report()) {
        for (const NamedStream& named : equipment->report()->streams) {
            const Stream& s = named.stream;
            states.streams.append({s.p, s.t, s.h, s.s, s.v});
        }
        states.processes = equipment->processLines();
    }
    for (const LineRow& row : lines->table().rows) {
        const auto value = [&row](Quantity quantity) { return CellValue(row, {quantity, Phase::State}); };
        states.line.append({value(Quantity::Pressure), value(Quantity::Temperature), value(Quantity::Enthalpy),
                            value(Quantity::Entropy), value(Quantity::SpecificVolume)});
    }
    if (panelRun && !states.points.isEmpty()) {
        states.current = states.points.back();
        states.currentStale = panelStale;
    }
    chart->chartView()->setStates(states);
}
