// What a run is asked beyond its typed values, beside the inputs: the branch
// where two states share the mode's pair, and in the (p, t) mode whether steam
// below its saturation temperature is the supercooled one.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

// The room right of the second input.
constexpr int Gap = 8, ChoiceWidth = 190;

}  // namespace

void TForm1::buildModeOptions() {
    QWidget* panel = ui->Lb_h->parentWidget();
    const QRect beside(ui->Lb_h->geometry().right() + Gap, ui->Lb_h->y(), ChoiceWidth, ui->Lb_h->height());
    branchChoice = new QComboBox(panel);
    branchChoice->setObjectName(QStringLiteral("Cb_Branch"));
    branchChoice->setGeometry(beside);
    branchChoice->setToolTip(QStringLiteral("Two states have this pair: the one to give"));
    metastableCheck = new QCheckBox(QStringLiteral("metastable steam"), panel);
    metastableCheck->setObjectName(QStringLiteral("Chk_Metastable"));
    metastableCheck->setGeometry(beside);
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
}

ModeOptions TForm1::modeOptions() const {
    ModeOptions options;
    if (branchChoice->isVisibleTo(ui->Lb_h->parentWidget()))
        options.branch = StateBranch(branchChoice->currentData().toInt());
    options.metastable = metastableCheck->isVisibleTo(ui->Lb_h->parentWidget()) && metastableCheck->isChecked();
    return options;
}
