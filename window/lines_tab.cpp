// The page Lines as a tab of the right column, sharing the window's units and
// taking its start state from the selected row of the table of states.
#include "lines_page.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QComboBox>
#include <QTabWidget>

void TForm1::buildLinesPage() {
    lines = new LinesPage;
    // The designed area's large bold captions are for its few inputs; a
    // page of many controls and a table reads in the window's plain font.
    lines->setStyleSheet(
        QStringLiteral("QLabel, QLineEdit, QPushButton, QTabWidget, QTabBar, QCheckBox, QComboBox, QToolButton "
                       "{ font: 13px \"MS Sans Serif\"; }"));
    lines->setSelectedStateSource([this]() -> std::optional<StateRow> {
        const QList<qsizetype> selected = selectedStates();
        if (selected.isEmpty()) return std::nullopt;
        return table.rows()[selected.front()];
    });
    addRightPage(lines, QStringLiteral("Lines"));
}

void TForm1::showLines() {
    if (inputMode() == InputMode::Saturation) setRG_1ItemIndex(int(InputMode::ByPT));
    ui->PC_Right->setCurrentWidget(lines);
    lines->kindBox()->setFocus();
}
