// The Calculate button: the window hands the typed texts to the calculator
// core, then writes the texts it returns or shows its message. A refused or
// failed run writes nothing, so the edits keep the results of the last good run.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "diagram_chart.h"
#include "edit_binding.h"
#include "message_box.h"

#include <QLabel>

void TForm1::BB_CalkClick() {
    CalculationRequest request{inputMode(), saturationInput(), {}, units, transport, deadState, modeOptions()};
    for (const Quantity input : InputsOf(request.mode, request.saturationInput))
        request.typed.insert(input, InputEdit(*ui, request.saturation(), input)->text());

    const Outcome outcome = Calculate(request);
    if (const auto* outputs = std::get_if<Outputs>(&outcome)) {
        if (outputs->values.isEmpty()) return;  // no mode selected
        showOutputs(*outputs);
        if (request.saturation()) {
            sheetsRun = Run{request, *outputs, request};
            setSheetsStale(false);
        } else {
            panelRun = Run{request, *outputs, request};
            setPanelStale(false);
        }
        appendState(request, *outputs);
    } else if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        ShowMessage(this, refusal->message);
        // The user corrects the refused value next: the focus goes there, so that
        // typing cannot land in another input, and the text stays, selected, to
        // be mended (50010 for 5001) or typed over.
        focusInput(InputEdit(*ui, request.saturation(), refusal->input));
    } else if (const auto* stop = std::get_if<Stop>(&outcome)) {
        ShowErrorReport(this, stop->text, stop->explanation + QStringLiteral("\n\n") + stop->reason);
    }
}

void TForm1::showOutputs(const Outputs& outputs) {
    for (const Output& output : outputs.values) {
        QLineEdit* edit = ResultEdit(*ui, output.quantity, output.phase);
        edit->setText(output.text);
        edit->setToolTip(output.note);
    }
    if (outputs.diagram) {
        ui->Lb_Phase->setText(outputs.phaseName);
        showPagesPhase(outputs.phaseName);
        ui->Chart_TS->showState(*outputs.diagram);
    }
}
