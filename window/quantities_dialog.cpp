#include "quantities_dialog.h"

#include "panel_quantities.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// In the core's units, as the settings keep them.
QDoubleSpinBox* NewSpinBox(const char* name, double lowest, double highest, int decimals, double value,
                           const QString& unit) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(lowest, highest);
    box->setDecimals(decimals);
    box->setSuffix(u' ' + unit);
    box->setValue(value);
    return box;
}

}  // namespace

QuantitiesDialog::QuantitiesDialog(const QList<Quantity>& chosen, const DeadState& dead, const Units& units,
                                   QWidget* parent)
    : QDialog(parent),
      deadT(NewSpinBox("Sb_DeadT", LowestDeadTemperature, HighestDeadTemperature, 2, dead.t, QStringLiteral("°C"))),
      deadP(NewSpinBox("Sb_DeadP", LowestDeadPressure, HighestDeadPressure, 6, dead.p, QStringLiteral("MPa"))) {
    setWindowTitle(QStringLiteral("Quantities"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("The result panel shows up to %1 of these quantities:").arg(MostPanelQuantities)));
    auto* grid = new QGridLayout;
    const QList<Quantity> quantities = PanelQuantities();
    const qsizetype perColumn = (quantities.size() + 1) / 2;
    for (qsizetype i = 0; i < quantities.size(); ++i) {
        const Quantity q = quantities[i];
        auto* box = new QCheckBox(ResultCaption(q, false, units));
        box->setObjectName(QStringLiteral("Chk_") + QLatin1String(RowOf(q).symbol));
        box->setChecked(chosen.contains(q));
        connect(box, &QCheckBox::toggled, this, &QuantitiesDialog::keepWithinThePanel);
        grid->addWidget(box, int(i % perColumn), int(i / perColumn));
        boxes.append({q, box});
    }
    layout->addLayout(grid);
    auto* deadForm = new QFormLayout;
    deadForm->addRow(QStringLiteral("Dead state of the exergy: t&0"), deadT);
    deadForm->addRow(QStringLiteral("p0 (absolute)"), deadP);
    layout->addLayout(deadForm);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
    ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this, [this] {
        const QList<Quantity> defaults = DefaultPanelQuantities();
        for (const auto& [q, box] : boxes) box->setChecked(defaults.contains(q));
    });
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    keepWithinThePanel();
}

QList<Quantity> QuantitiesDialog::chosen() const {
    QList<Quantity> quantities;
    for (const auto& [q, box] : boxes)
        if (box->isChecked()) quantities.append(q);
    return quantities;
}

DeadState QuantitiesDialog::deadState() const {
    return {deadT->value(), deadP->value()};
}

void QuantitiesDialog::keepWithinThePanel() {
    const qsizetype count = chosen().size();
    for (const auto& [q, box] : boxes) box->setEnabled(box->isChecked() || count < MostPanelQuantities);
    ok->setEnabled(count > 0);
}
