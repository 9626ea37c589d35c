// The Calculate button: the window hands the typed texts to the calculator
// core, then writes the texts it returns or shows its message. A refused or
// failed run writes nothing, so the edits keep the results of the last good run.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "calculation.h"
#include "message_box.h"
#include "ts_chart.h"

namespace {

// The edits a run of the request's mode reads, in the order it reads them.
QList<QLineEdit*> InputsOf(const Ui::TForm1& ui, const CalculationRequest& request)
{
  switch (request.mode) {
  case InputMode::ByPT:
    return {ui.Lb_P, ui.Lb_T};
  case InputMode::ByPH:
    return {ui.Lb_P, ui.Lb_h};
  case InputMode::Saturation:
    return {request.saturationInput == SaturationInput::ByTs ? ui.LB_Ts : ui.LB_Ps};
  }
  return {};
}

} // namespace

void TForm1::BB_CalkClick()
{
  CalculationRequest request{InputMode(RG_1ItemIndex()), SaturationInput(RG_4ItemIndex()), {}};
  for (const QLineEdit* edit : {ui->Lb_P, ui->Lb_T, ui->Lb_h, ui->LB_Ps, ui->LB_Ts})
    request.typed.insert(edit->objectName(), edit->text());

  const Outcome outcome = Calculate(request);
  if (const auto* outputs = std::get_if<Outputs>(&outcome)) {
    for (const OutputText& output : outputs->texts) {
      if (output.edit == ui->Lb_Phase->objectName())
        ui->Lb_Phase->setText(output.text);
      else
        editsByName.value(output.edit)->setText(output.text);
    }
    if (outputs->diagram) ui->Chart_TS->showState(*outputs->diagram);
    if (outputs->texts.isEmpty()) return;
    rememberRun(InputsOf(*ui, request));
    if (request.mode == InputMode::Saturation)
      setSheetsStale(false);
    else
      setPanelStale(false);
  } else if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    ShowMessage(this, refusal->message);
    // The user corrects the refused value next: the focus goes there, so that
    // typing cannot land in another input.
    QLineEdit* edit = editsByName.value(refusal->edit);
    if (refusal->reaction == Refusal::Reaction::ClearEdit) edit->clear();
    focusInput(edit);
  } else if (const auto* stop = std::get_if<Stop>(&outcome)) {
    ShowErrorReport(this, stop->text, stop->explanation + QStringLiteral("\n\n") + stop->reason);
  }
}
