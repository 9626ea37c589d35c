// The quantities the result panel shows (View → Quantities…).
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"
#include "lines_page.h"
#include "panel_quantities.h"
#include "quantities_dialog.h"

#include <QSettings>

void TForm1::setPanelQuantities(const QList<Quantity>& chosen) {
    panelQuantities = chosen;
    QSettings settings;
    SavePanelQuantities(settings, chosen);
    ShowPanelRows(*ui, chosen);
}

void TForm1::setDeadState(const DeadState& dead) {
    deadState = dead;
    lines->setDeadState(dead);
    QSettings settings;
    SaveDeadState(settings, dead);
}

void TForm1::chooseQuantities() {
    QuantitiesDialog dialog(panelQuantities, deadState, units, this);
    if (dialog.exec() != QDialog::Accepted) return;
    setPanelQuantities(dialog.chosen());
    setDeadState(dialog.deadState());
}
