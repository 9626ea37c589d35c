// The Calculate command: read and check the typed values of the current input
// mode, compute every value, then write every output. A refused or failed run
// writes nothing, so the edits keep the results of the last good run.
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include "TFS.h"
#include "calculation_values.h"
#include "message_box.h"
#include "number_format.h"
#include "phase_text.h"
#include "text_to_real.h"
#include "ts_chart.h"

#include <ios>

namespace {

// A typed value the command refuses. After the message the focus moves to an
// empty edit; an edit holding a value out of range is cleared.
struct Refusal {
  enum class Reaction { FocusEdit, ClearEdit };
  QString message;
  QLineEdit* edit;
  Reaction reaction;
};

[[noreturn]] void RefuseValue(QLineEdit* edit, const QString& message)
{
  throw Refusal{message, edit, Refusal::Reaction::ClearEdit};
}

// The typed number of an edit; an empty edit is refused with its "Insert"
// message, a text that is no number raises InvalidNumber.
double ReadTyped(QLineEdit* edit, const QString& insertMessage)
{
  if (edit->text().isEmpty()) throw Refusal{insertMessage, edit, Refusal::Reaction::FocusEdit};
  return TextToReal(edit->text());
}

// Range tests compare with the decimal bounds in extended precision, so that a
// typed bound is accepted or refused as the bound's decimal reads.
using Ext = long double;

StateValues RunByPT(Ui::TForm1& ui)
{
  const double p = ReadTyped(ui.Lb_P, QStringLiteral(" Insert the p value"));
  const double t = ReadTyped(ui.Lb_T, QStringLiteral(" Insert the t value"));
  if (Ext(p) > 50.0L || Ext(p) < 0.0005L)
    RefuseValue(ui.Lb_P, QStringLiteral(" Inadequately set pressure: P>50 MPa or P<0.0005 MPa"));
  // Accepted up to 651 °C; the message keeps the rounder 650.
  if (Ext(t) > 651.0L || Ext(t) < 0.1L)
    RefuseValue(ui.Lb_T, QStringLiteral(" Inadequately set temperature: T>650 Celsius or T<0.1 Celsius"));
  return StateByPT(p, t);
}

StateValues RunByPH(Ui::TForm1& ui)
{
  const double p = ReadTyped(ui.Lb_P, QStringLiteral(" Insert the p value"));
  const double h = ReadTyped(ui.Lb_h, QStringLiteral(" Insert the h value"));
  if (Ext(p) > 50.0L || Ext(p) < 0.001L)
    RefuseValue(ui.Lb_P, QStringLiteral(" Inadequately set pressure: P>50 MPa or P<0.001 MPa"));
  // A little above the enthalpy of compressed water at 0.1 °C, the coldest
  // state of the (p, t) mode, and never below 10 kJ/kg.
  double hmin = (0.9751L * p + 1.113L) * 1.01L;
  if (hmin < 10) hmin = 10;
  if (h < hmin)
    RefuseValue(ui.Lb_h, QStringLiteral(" The enthalpy specified is below the allowable value hmin=") +
                             FixedFormat(hmin, 6, 2) + QStringLiteral(" kJ/kg"));
  constexpr double hmax = 3615;
  if (h > hmax)
    RefuseValue(ui.Lb_h, QStringLiteral(" The specified enthalpy is higher than the allowable value  hmax=") +
                             FixedFormat(hmax, 6, 1) + QStringLiteral(" kJ/kg"));
  return StateByPH(p, h);
}

SaturationValues RunByPs(Ui::TForm1& ui)
{
  const double ps = ReadTyped(ui.LB_Ps, QStringLiteral(" Insert the ps value"));
  // The saturation correlations end at 21.82 MPa.
  if (Ext(ps) > 21.82L || Ext(ps) < 0.00087L)
    RefuseValue(ui.LB_Ps, QStringLiteral(" Inadequately set pressure: Ps>21.819 MPa or Ps<0.00087 MPa"));
  return SaturationByPs(ps);
}

SaturationValues RunByTs(Ui::TForm1& ui)
{
  const double ts = ReadTyped(ui.LB_Ts, QStringLiteral(" Insert the ts value"));
  // 373.946 °C is the critical temperature, where the two phases merge.
  if (Ext(ts) > 373.946L || Ext(ts) < 0.01L)
    RefuseValue(ui.LB_Ts, QStringLiteral(" Inadequately set temperature: Ts>373.945 C or Ts<0.01 C"));
  return SaturationByTs(ts);
}

// What the state panel shows of a state: the name of its phase and its diagram.
struct StateDescription {
  QString phase;
  StateDiagram diagram;
};

StateDescription DescribeState(const StateValues& s)
{
  return {s.dryness ? PhaseOfWetSteam(*s.dryness) : PhaseOfState(s.p, s.t), StateDiagramOf(s.p, s.s, s.t)};
}

// The result panel; the density has four decimals after a (p, t) input, two
// after a (p, h) input. A wet-steam mixture has no heat capacity or transport
// properties: their edits are emptied.
void WriteState(Ui::TForm1& ui, const StateValues& s, const StateDescription& description, int densityPrecision,
                int densityDecimals)
{
  const auto defined = [&s](const QString& text) { return s.dryness ? QString() : text; };
  ui.LB_PRes->setText(FixedFormat(s.p, 7, 4));
  ui.LB_TRes->setText(FixedFormat(s.t, 5, 1));
  ui.Lb_hRes->setText(FixedFormat(s.h, 6, 2));
  ui.LB_VRES->setText(ExponentFormat(s.v, 4, 2));
  ui.LB_RoRes->setText(FixedFormat(s.rho, densityPrecision, densityDecimals));
  ui.LB_SRes->setText(FixedFormat(s.s, 5, 3));
  ui.LB_CpRes->setText(defined(FixedFormat(s.cp, 6, 3)));
  ui.LB_MuRes->setText(defined(ExponentFormat(s.mu, 4, 2)));
  ui.LB_NuRes->setText(defined(ExponentFormat(s.nu, 4, 2)));
  ui.LB_LRes->setText(defined(FixedFormat(s.lambda, 5, 4)));
  ui.LB_PrRes->setText(defined(FixedFormat(s.pr, 4, 2)));
  ui.Lb_Phase->setText(description.phase);
  ui.Chart_TS->showState(description.diagram);
}

// The twelve edits of one saturation sheet, in the order they are written.
struct SheetEdits {
  QLineEdit *ps, *ts, *h, *s, *v, *rho, *cp, *lambda, *mu, *nu, *pr, *sigma;
};

void WriteSheet(const SheetEdits& e, const SaturationValues& r, const SaturatedPhaseValues& phase,
                int prandtlDecimals)
{
  // Above 10 MPa the pressure has two integer digits and one decimal less.
  e.ps->setText(r.ps > 10 ? FixedFormat(r.ps, 6, 3) : FixedFormat(r.ps, 5, 4));
  e.ts->setText(FixedFormat(r.ts, 6, 2));
  e.h->setText(FixedFormat(phase.h, 6, 1));
  e.s->setText(FixedFormat(phase.s, 5, 3));
  e.v->setText(ExponentFormat(phase.v, 4, 2));
  e.rho->setText(FixedFormat(phase.rho, 5, 2));
  e.cp->setText(FixedFormat(phase.cp, 6, 3));
  e.lambda->setText(FixedFormat(phase.lambda, 5, 4));
  e.mu->setText(ExponentFormat(phase.mu, 4, 2));
  e.nu->setText(ExponentFormat(phase.nu, 4, 2));
  e.pr->setText(FixedFormat(phase.pr, 5, prandtlDecimals));
  e.sigma->setText(ExponentFormat(r.sigma, 4, 2));
}

void WriteSaturation(Ui::TForm1& ui, const SaturationValues& r)
{
  WriteSheet({ui.LB_PsResSS, ui.LB_TsResSS, ui.LB_hSS, ui.LB_SpSS, ui.LB_VudSS, ui.LB_RoSS, ui.LB_CpSS,
              ui.LB_LmbSS, ui.LB_MiuSS, ui.LB_NiuSS, ui.LB_PrSS, ui.LB_Sigma1},
             r, r.vapour, 4);
  WriteSheet({ui.LB_PsResS, ui.LB_TsResS, ui.LB_hS, ui.LB_SpS, ui.LB_VudS, ui.LB_RoS, ui.LB_CpS, ui.LB_LmbS,
              ui.LB_MiuS, ui.LB_NiuS, ui.LB_PrS, ui.LB_SIGMA},
             r, r.water, 3);
}

// A library failure abandons the run. The report keeps the number the users
// of this calculator know, and adds the library's own reason.
const QString IoErrorReport = QStringLiteral("I/O error 105");

} // namespace

void TForm1::BB_CalkClick()
{
  try {
    switch (RG_1ItemIndex()) {
    case 0: {
      const StateValues state = RunByPT(*ui);
      WriteState(*ui, state, DescribeState(state), 8, 4);
      rememberInputs({ui->Lb_P, ui->Lb_T});
      break;
    }
    case 1: {
      const StateValues state = RunByPH(*ui);
      WriteState(*ui, state, DescribeState(state), 6, 2);
      rememberInputs({ui->Lb_P, ui->Lb_h});
      break;
    }
    case 2:
      if (RG_4ItemIndex() == 0) {
        WriteSaturation(*ui, RunByPs(*ui));
        rememberInputs({ui->LB_Ps});
      } else if (RG_4ItemIndex() == 1) {
        WriteSaturation(*ui, RunByTs(*ui));
        rememberInputs({ui->LB_Ts});
      }
      break;
    }
  } catch (const Refusal& refusal) {
    ShowMessage(this, refusal.message);
    if (refusal.reaction == Refusal::Reaction::FocusEdit)
      refusal.edit->setFocus();
    else
      refusal.edit->clear();
  } catch (const InvalidNumber& e) {
    ShowMessage(this, QString::fromUtf8(e.what()));
  } catch (const TFS::FatalStop& e) {
    ShowErrorReport(this, IoErrorReport, QString::fromUtf8(e.what()));
  } catch (const std::ios_base::failure& e) {
    ShowErrorReport(this, IoErrorReport, QString::fromLocal8Bit(e.what()));
  }
}
