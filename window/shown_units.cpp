// The units the window shows: captions, typed inputs and results follow them.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "edit_binding.h"
#include "labelled_edit.h"
#include "text_fit.h"
#include "text_to_real.h"
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

// A typed number in other units, as exact as the run needs it; a text that is
// no number stays as it is.
QString Converted(const QString& typed, Quantity quantity, const Units& from, const Units& to) {
    try {
        const double value = FromShown(quantity, TextToReal(typed), from);
        return QString::number(ToShown(quantity, value, to), 'g', 12);
    } catch (const InvalidNumber&) {
        return typed;
    }
}

}  // namespace

void TForm1::applyUnitCaptions() {
    const auto caption = [this](QLineEdit* edit, Quantity quantity) {
        if (edit == nullptr) return;
        QLabel* label = labelOf(edit);
        if (!designedCaptions.contains(label)) designedCaptions.insert(label, label->text());
        const QString designed = designedCaptions.value(label);
        label->setText(units == Units{} || UnitText(quantity, units).isEmpty()
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
}

void TForm1::setUnits(const Units& chosen) {
    if (chosen == units) return;
    const Units previous = units;
    const bool panelWasStale = panelStale, sheetsWereStale = sheetsStale;
    units = chosen;
    QSettings settings;
    SaveUnits(settings, units);
    // The typed inputs keep meaning the same states.
    for (int q = 0; q < QuantityCount; ++q)
        for (const bool saturation : {false, true})
            if (QLineEdit* edit = InputEdit(*ui, saturation, Quantity(q)); edit != nullptr && !edit->text().isEmpty())
                edit->setText(Converted(edit->text(), Quantity(q), previous, units));
    applyUnitCaptions();
    // The last good runs again, in the new units.
    for (std::optional<Run>* run : {&panelRun, &sheetsRun}) {
        if (!*run) continue;
        CalculationRequest request = (*run)->request;
        for (auto it = request.typed.begin(); it != request.typed.end(); ++it)
            it.value() = Converted(it.value(), it.key(), previous, units);
        request.units = units;
        const Outcome outcome = Calculate(request);
        if (const auto* outputs = std::get_if<Outputs>(&outcome)) {
            showOutputs(*outputs);
            **run = Run{request, *outputs};
        }
    }
    // Converting the inputs changed no state: the results are as stale as before.
    setPanelStale(panelWasStale);
    setSheetsStale(sheetsWereStale);
    showStates();
}

void TForm1::chooseUnits() {
    UnitsDialog dialog(units, this);
    if (dialog.exec() == QDialog::Accepted) setUnits(dialog.chosen());
}
