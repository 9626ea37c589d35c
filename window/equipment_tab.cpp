// The page Equipment as a tab of the right column, sharing the window's units,
// taking its inlet states from the selected rows of the table of states and
// adding the streams of its results to that table.
#include "equipment_page.h"
#include "message_box.h"
#include "number_format.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QComboBox>
#include <QTabWidget>

void TForm1::buildEquipmentPage() {
    equipment = new EquipmentPage;
    // As the page Lines: the window's plain font for a page of many controls.
    equipment->setStyleSheet(
        QStringLiteral("QLabel, QLineEdit, QPushButton, QTabWidget, QTabBar, QCheckBox, QComboBox, QTableWidget, "
                       "QHeaderView { font: 13px \"MS Sans Serif\"; }"));
    equipment->setSelectedStatesSource([this] {
        QList<StateRow> rows;
        for (const qsizetype index : selectedStates()) rows.append(table.rows()[index]);
        return rows;
    });
    connect(equipment, &EquipmentPage::streamToTable, this, &TForm1::addStreamToStates);
    connect(equipment, &EquipmentPage::processShown, this, [this] { showChartStates(selectedStates()); });
    addRightPage(equipment, QStringLiteral("Equipment"));
}

void TForm1::showEquipment() {
    if (inputMode() == InputMode::Saturation) setRG_1ItemIndex(int(InputMode::ByPT));
    ui->PC_Right->setCurrentWidget(equipment);
    equipment->operationBox()->setFocus();
}

// A stream becomes a state of the (p, h) mode, its values in full: the run of
// the calculator gives it every property, as a typed state has.
void TForm1::addStreamToStates(const Stream& stream) {
    CalculationRequest request{InputMode::ByPH, SaturationInput::ByPs, {}, {}, transport};
    request.typed.insert(Quantity::Pressure, ShortestText(stream.p));
    request.typed.insert(Quantity::Enthalpy, ShortestText(stream.h));
    const Outcome outcome = Calculate(request);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        ShowMessage(this, refusal->message);
        return;
    }
    if (const auto* stop = std::get_if<Stop>(&outcome)) {
        ShowErrorReport(this, stop->explanation, stop->reason);
        return;
    }
    appendState(request, std::get<Outputs>(outcome));
}
