// What a run is asked beyond its typed values, beside the inputs: the branch
// where two states share the mode's pair, and in the (p, t) mode whether steam
// below its saturation temperature is the supercooled one.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

// Right of the mode's last input.
constexpr int Gap = 12;

}  // namespace

void TForm1::buildModeOptions() {
    QWidget* panel = ui->Lb_h->parentWidget();
    branchChoice = new QComboBox(panel);
    branchChoice->setObjectName(QStringLiteral("Cb_Branch"));
    branchChoice->setToolTip(QStringLiteral("Two states have this pair: the one to give"));
    metastableCheck = new QCheckBox(QStringLiteral("metastable steam"), panel);
    metastableCheck->setObjectName(QStringLiteral("Chk_Metastable"));
    metastableCheck->setToolTip(
        QStringLiteral("Below the saturation temperature, up to 10 MPa: supercooled steam, not water"));
    // Tab goes from the inputs to these, then to Calk.
    QWidget::setTabOrder(AllInputEdits(*ui).back(), branchChoice);
    QWidget::setTabOrder(branchChoice, metastableCheck);
    QWidget::setTabOrder(metastableCheck, ui->BB_Calk);
    // Another choice no longer matches the results on show.
    connect(branchChoice, &QComboBox::currentIndexChanged, this, [this] { setPanelStale(panelRun.has_value()); });
    connect(metastableCheck, &QCheckBox::toggled, this, [this] { setPanelStale(panelRun.has_value()); });
}

void TForm1::showModeOptions() {
    const ModeRow* mode = ModeOf(inputMode(), saturationInput());
    const bool state = mode != nullptr && !mode->saturation();
    {
        const QSignalBlocker quiet(branchChoice);
        branchChoice->clear();
        if (state)
            for (const StateBranch branch : mode->branches)
                branchChoice->addItem(BranchText(*mode, branch), int(branch));
    }
    branchChoice->setVisible(branchChoice->count() > 0);
    metastableCheck->setVisible(state && mode->mode == InputMode::ByPT);
    if (!state) return;
    const QRect last = InputEdit(*ui, false, mode->inputs.back())->geometry();
    for (QWidget* control : {static_cast<QWidget*>(branchChoice), static_cast<QWidget*>(metastableCheck)})
        control->setGeometry(last.right() + Gap, last.y(), control->sizeHint().width(), last.height());
}

ModeOptions TForm1::modeOptions() const {
    ModeOptions options;
    if (branchChoice->isVisibleTo(ui->Lb_h->parentWidget()))
        options.branch = StateBranch(branchChoice->currentData().toInt());
    options.metastable = metastableCheck->isVisibleTo(ui->Lb_h->parentWidget()) && metastableCheck->isChecked();
    return options;
}

void TForm1::setModeOptions(const ModeOptions& options) {
    const int branch = branchChoice->findData(int(options.branch));
    if (branch >= 0) branchChoice->setCurrentIndex(branch);
    metastableCheck->setChecked(options.metastable);
}
