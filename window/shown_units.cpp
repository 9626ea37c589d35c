// The units the window shows: captions, typed inputs and results follow them.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "chart_page.h"
#include "converted_input.h"
#include "edit_binding.h"
#include "equipment_page.h"
#include "labelled_edit.h"
#include "lines_page.h"
#include "text_fit.h"
#include "units_dialog.h"

#include <QLabel>
#include <QSettings>

namespace {

// "Entropy Sw, kJ/(kg.C) =" with another unit: the text between the last
// ", " and the closing " =".
QString WithUnit(const QString& caption, const QString& unit) {
    const qsizetype end = caption.lastIndexOf(QStringLiteral(" ="));
    const qsizetype start = caption.lastIndexOf(QStringLiteral(", "), end);
    if (start < 0 || end < 0) return caption;
    return caption.left(start + 2) + unit + caption.mid(end);
}

}  // namespace

void TForm1::applyUnitCaptions() {
    const auto caption = [this](QLineEdit* edit, Quantity quantity) {
        if (edit == nullptr) return;
        QLabel* label = labelOf(edit);
        if (!designedCaptions.contains(label)) designedCaptions.insert(label, label->text());
        const QString designed = designedCaptions.value(label);
        label->setText(units.core() || UnitText(quantity, units).isEmpty()
                           ? designed
                           : WithUnit(designed, UnitText(quantity, units)));
        condenseLabelToFit(label);
    };
    for (int q = 0; q < QuantityCount; ++q) {
        for (const bool saturation : {false, true}) caption(InputEdit(*ui, saturation, Quantity(q)), Quantity(q));
        for (const Phase phase : {Phase::State, Phase::SaturatedWater, Phase::SaturatedSteam})
            caption(ResultEdit(*ui, Quantity(q), phase), Quantity(q));
    }
    ui->Chart_TS->setUnits(units);
    if (chart) chart->setUnits(units);
}

void TForm1::setUnits(const Units& chosen) {
    if (chosen == units) return;
    const Units previous = units;
    const bool panelWasStale = panelStale, sheetsWereStale = sheetsStale;
    units = chosen;
    QSettings settings;
    SaveUnits(settings, units);
    lines->setUnits(units);
    equipment->setUnits(units);
    // The typed inputs keep meaning the same states, converted from their
    // texts as typed. Without the edits' signals: the text as typed stays the
    // one kept, and the input keeps the font of its typed text, since a
    // conversion's 10 digits would be narrowed past reading; its start is
    // shown, its last digits matter least.
    for (int q = 0; q < QuantityCount; ++q)
        for (const bool saturation : {false, true}) {
            QLineEdit* edit = InputEdit(*ui, saturation, Quantity(q));
            if (edit == nullptr || edit->text().isEmpty()) continue;
            const TypedText typed = typedInputs.value(edit, {edit->text(), previous});
            const QSignalBlocker quiet(edit);
            edit->setText(ConvertedInput(typed.text, Quantity(q), typed.units, units));
            edit->setCursorPosition(0);
        }
    applyUnitCaptions();
    // The last good runs' values written anew in the new units, with the
    // requests as typed converted.
    for (std::optional<Run>* run : {&panelRun, &sheetsRun}) {
        if (!*run) continue;
        CalculationRequest request = (*run)->typed;
        for (auto it = request.typed.begin(); it != request.typed.end(); ++it)
            it.value() = ConvertedInput(it.value(), it.key(), (*run)->typed.units, units);
        request.units = units;
        Outputs outputs = (*run)->outputs;
        RewriteOutputs(outputs, request);
        showOutputs(outputs);
        **run = Run{request, outputs, (*run)->typed};
    }
    // Converting the inputs changed no state: the results are as stale as before.
    setPanelStale(panelWasStale);
    setSheetsStale(sheetsWereStale);
    showStates();
}

void TForm1::keepTypedInputs() {
    for (QLineEdit* edit : AllInputEdits(*ui))
        connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
            typedInputs.insert(edit, {text, units});
        });
}

void TForm1::chooseUnits() {
    UnitsDialog dialog(units, this);
    if (dialog.exec() == QDialog::Accepted) setUnits(dialog.chosen());
}
