// The Calculate command without its window. Each mode reads its typed values,
// checks them in the order the user meets them, computes, and formats its
// outputs; a refused value ends the run by throwing its Refusal.
#include "calculation.h"

#include "TFS.h"
#include "Tabl1.h"
#include "calculation_values.h"
#include "number_format.h"
#include "phase_text.h"
#include "stop_explanation.h"
#include "text_to_real.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Range tests compare with the decimal bounds in extended precision, so that a
// typed bound is accepted or refused as the bound's decimal reads.
using Ext = long double;

// The highest pressure of the (p, t) and (p, h) modes, MPa.
constexpr Ext HighestPressure = 50.0L;

// The input edits, by objectName.
const QString PEdit = u"Lb_P"_s, TEdit = u"Lb_T"_s, HEdit = u"Lb_h"_s, PsEdit = u"LB_Ps"_s, TsEdit = u"LB_Ts"_s;

[[noreturn]] void RefuseValue(const QString& edit, const QString& message)
{
  throw Refusal{message, edit, Refusal::Reaction::ClearEdit};
}

// The typed number of an edit; an empty edit is refused with its "Insert"
// message, a text that is no number with the conversion's message.
double ReadTyped(const CalculationRequest& request, const QString& edit, const QString& insertMessage)
{
  const QString text = request.typed.value(edit);
  if (text.isEmpty()) throw Refusal{insertMessage, edit, Refusal::Reaction::FocusEdit};
  try {
    return TextToReal(text);
  } catch (const InvalidNumber& e) {
    throw Refusal{e.message(), edit, Refusal::Reaction::KeepEdit};
  }
}

// The (p, t) and (p, h) modes both start with the pressure.
double ReadPressure(const CalculationRequest& request)
{
  return ReadTyped(request, PEdit, u" Insert the p value"_s);
}

// A pressure or density below 0.01 would lose its digits in a fixed format
// (0.0035 kg/m³ as 0.00): it is written as the volume is, 3.500E-03.
QString FixedOrExponent(double value, int precision, int decimals)
{
  if (value != 0 && std::fabs(value) < 0.01) return ExponentFormat(value, 4, 2);
  return FixedFormat(value, precision, decimals);
}

// The result panel and the state panel; the density has four decimals after a
// (p, t) input, two after a (p, h) input. A wet-steam mixture has no heat
// capacity or transport properties: their edits are emptied.
Outputs StateOutputs(const StateValues& s, int densityPrecision, int densityDecimals)
{
  const auto defined = [&s](const QString& text) { return s.dryness ? QString() : text; };
  return {{
              {u"LB_PRes"_s, FixedOrExponent(s.p, 7, 4)},
              {u"LB_TRes"_s, FixedFormat(s.t, 5, 1)},
              {u"Lb_hRes"_s, FixedFormat(s.h, 6, 2)},
              {u"LB_VRES"_s, ExponentFormat(s.v, 4, 2)},
              {u"LB_RoRes"_s, FixedOrExponent(s.rho, densityPrecision, densityDecimals)},
              {u"LB_SRes"_s, FixedFormat(s.s, 5, 3)},
              {u"LB_CpRes"_s, defined(FixedFormat(s.cp, 6, 3))},
              {u"LB_MuRes"_s, defined(ExponentFormat(s.mu, 4, 2))},
              {u"LB_NuRes"_s, defined(ExponentFormat(s.nu, 4, 2))},
              {u"LB_LRes"_s, defined(FixedFormat(s.lambda, 5, 4))},
              {u"LB_PrRes"_s, defined(FixedFormat(s.pr, 4, 2))},
              {u"Lb_Phase"_s, PhaseOf(s)},
          },
          StateDiagramOf(s.p, s.s, s.t)};
}

Outputs RunByPT(const CalculationRequest& request)
{
  const double p = ReadPressure(request);
  const double t = ReadTyped(request, TEdit, u" Insert the t value"_s);
  if (Ext(p) > HighestPressure || Ext(p) < 0.0005L)
    RefuseValue(PEdit, u" Inadequately set pressure: P>50 MPa or P<0.0005 MPa"_s);
  // Accepted up to 651 °C; the message keeps the rounder 650.
  if (Ext(t) > 651.0L || Ext(t) < 0.1L)
    RefuseValue(TEdit, u" Inadequately set temperature: T>650 Celsius or T<0.1 Celsius"_s);
  return StateOutputs(StateByPT(p, t), 8, 4);
}

Outputs RunByPH(const CalculationRequest& request)
{
  const double p = ReadPressure(request);
  const double h = ReadTyped(request, HEdit, u" Insert the h value"_s);
  if (Ext(p) > HighestPressure || Ext(p) < 0.001L)
    RefuseValue(PEdit, u" Inadequately set pressure: P>50 MPa or P<0.001 MPa"_s);
  // A little above the enthalpy of compressed water at 0.1 °C, the coldest
  // state of the (p, t) mode, and never below 10 kJ/kg.
  double hmin = (0.9751L * p + 1.113L) * 1.01L;
  if (hmin < 10) hmin = 10;
  if (h < hmin)
    RefuseValue(HEdit, u" The enthalpy specified is below the allowable value hmin="_s + FixedFormat(hmin, 6, 2) +
                           u" kJ/kg"_s);
  constexpr double hmax = 3615;
  if (h > hmax)
    RefuseValue(HEdit, u" The specified enthalpy is higher than the allowable value  hmax="_s +
                           FixedFormat(hmax, 6, 1) + u" kJ/kg"_s);
  return StateOutputs(StateByPH(p, h), 6, 2);
}

// The twelve edits of one saturation sheet, in the order they are written.
struct SheetEdits {
  QString ps, ts, h, s, v, rho, cp, lambda, mu, nu, pr, sigma;
};

const SheetEdits VapourSheet{u"LB_PsResSS"_s, u"LB_TsResSS"_s, u"LB_hSS"_s,    u"LB_SpSS"_s,
                             u"LB_VudSS"_s,   u"LB_RoSS"_s,    u"LB_CpSS"_s,   u"LB_LmbSS"_s,
                             u"LB_MiuSS"_s,   u"LB_NiuSS"_s,   u"LB_PrSS"_s,   u"LB_Sigma1"_s};
const SheetEdits WaterSheet{u"LB_PsResS"_s, u"LB_TsResS"_s, u"LB_hS"_s,   u"LB_SpS"_s,
                            u"LB_VudS"_s,   u"LB_RoS"_s,    u"LB_CpS"_s,  u"LB_LmbS"_s,
                            u"LB_MiuS"_s,   u"LB_NiuS"_s,   u"LB_PrS"_s,  u"LB_SIGMA"_s};

void AddSheetTexts(Outputs& out, const SheetEdits& e, const SaturationValues& r, const SaturatedPhaseValues& phase,
                   int prandtlDecimals)
{
  out.texts += {
      // Above 10 MPa the pressure has two integer digits and one decimal less.
      {e.ps, r.ps > 10 ? FixedFormat(r.ps, 6, 3) : FixedOrExponent(r.ps, 5, 4)},
      {e.ts, FixedFormat(r.ts, 6, 2)},
      {e.h, FixedFormat(phase.h, 6, 1)},
      {e.s, FixedFormat(phase.s, 5, 3)},
      {e.v, ExponentFormat(phase.v, 4, 2)},
      {e.rho, FixedOrExponent(phase.rho, 5, 2)},
      {e.cp, FixedFormat(phase.cp, 6, 3)},
      {e.lambda, FixedFormat(phase.lambda, 5, 4)},
      {e.mu, ExponentFormat(phase.mu, 4, 2)},
      {e.nu, ExponentFormat(phase.nu, 4, 2)},
      {e.pr, FixedFormat(phase.pr, 5, prandtlDecimals)},
      {e.sigma, ExponentFormat(r.sigma, 4, 2)},
  };
}

// Both sheets, the vapour's first.
Outputs SaturationTexts(const SaturationValues& r)
{
  Outputs out;
  AddSheetTexts(out, VapourSheet, r, r.vapour, 4);
  AddSheetTexts(out, WaterSheet, r, r.water, 3);
  return out;
}

Outputs RunByPs(const CalculationRequest& request)
{
  const double ps = ReadTyped(request, PsEdit, u" Insert the ps value"_s);
  // The saturation correlations by pressure end here.
  if (Ext(ps) > Tabl1::PS_MAX || Ext(ps) < Tabl1::PS_MIN)
    RefuseValue(PsEdit, u" Inadequately set pressure: Ps>21.819 MPa or Ps<0.00087 MPa"_s);
  return SaturationTexts(SaturationByPs(ps));
}

Outputs RunByTs(const CalculationRequest& request)
{
  const double ts = ReadTyped(request, TsEdit, u" Insert the ts value"_s);
  // At the critical temperature the two phases merge: no saturation state.
  if (ts >= TFS::TKR || Ext(ts) < 0.01L)
    RefuseValue(TsEdit, u" Inadequately set temperature: Ts>373.945 C or Ts<0.01 C"_s);
  return SaturationTexts(SaturationByTs(ts));
}

Outputs RunMode(const CalculationRequest& request)
{
  switch (request.mode) {
  case InputMode::ByPT:
    return RunByPT(request);
  case InputMode::ByPH:
    return RunByPH(request);
  case InputMode::Saturation:
    switch (request.saturationInput) {
    case SaturationInput::ByPs:
      return RunByPs(request);
    case SaturationInput::ByTs:
      return RunByTs(request);
    }
  }
  return {}; // no item selected: nothing to calculate
}

// A library failure abandons the run. The report keeps the number the users
// of this calculator know, and adds the library's own reason.
const QString IoErrorReport = u"I/O error 105"_s;

} // namespace

Outcome Calculate(const CalculationRequest& request)
{
  try {
    return RunMode(request);
  } catch (const Refusal& refusal) {
    return refusal;
  } catch (const TFS::FatalStop& e) {
    const QString reason = QString::fromUtf8(e.what());
    return Stop{IoErrorReport, ExplanationOfStop(reason), reason};
  }
}
