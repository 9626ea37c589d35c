#include "quantities_dialog.h"

#include "panel_quantities.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QuantitiesDialog::QuantitiesDialog(const QList<Quantity>& chosen, const Units& units, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Quantities"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("The result panel shows up to %1 of these quantities:").arg(MostPanelQuantities)));
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
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

void QuantitiesDialog::keepWithinThePanel() {
    const qsizetype count = chosen().size();
    for (const auto& [q, box] : boxes) box->setEnabled(box->isChecked() || count < MostPanelQuantities);
    ok->setEnabled(count > 0);
}
