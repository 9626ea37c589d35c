// Runs of the calculator core as the window asks for them, and their outcomes
// in forms a test compares and prints.
#pragma once

#include "calculation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

inline Outcome ByPT(const QString& p, const QString& t)
{
  return Calculate({InputMode::ByPT, SaturationInput::ByPs, {{"Lb_P", p}, {"Lb_T", t}}});
}
inline Outcome ByPH(const QString& p, const QString& h)
{
  return Calculate({InputMode::ByPH, SaturationInput::ByPs, {{"Lb_P", p}, {"Lb_h", h}}});
}
inline Outcome ByPs(const QString& ps)
{
  return Calculate({InputMode::Saturation, SaturationInput::ByPs, {{"LB_Ps", ps}}});
}
inline Outcome ByTs(const QString& ts)
{
  return Calculate({InputMode::Saturation, SaturationInput::ByTs, {{"LB_Ts", ts}}});
}

// "outputs"; a refusal's message with what becomes of its edit, as in
// " Insert the p value [focus Lb_P]"; "stop: <text> | <explanation> | <reason>".
inline std::string Described(const Outcome& outcome)
{
  if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
    const char* reaction = refusal->reaction == Refusal::Reaction::FocusEdit   ? "focus"
                           : refusal->reaction == Refusal::Reaction::ClearEdit ? "clear"
                                                                               : "keep";
    return (refusal->message + " [" + reaction + " " + refusal->edit + "]").toStdString();
  }
  if (const auto* stop = std::get_if<Stop>(&outcome))
    return ("stop: " + stop->text + " | " + stop->explanation + " | " + stop->reason).toStdString();
  return "outputs";
}

// The texts a run gives the named edits, in the order named; "" for an edit it
// does not write.
inline Texts TextsOf(const Outcome& outcome, std::initializer_list<const char*> edits)
{
  const auto* outputs = std::get_if<Outputs>(&outcome);
  if (outputs == nullptr) {
    ADD_FAILURE() << Described(outcome);
    return {};
  }
  Texts texts;
  for (const char* edit : edits) {
    texts.emplace_back();
    for (const OutputText& output : outputs->texts)
      if (output.edit == QLatin1String(edit)) texts.back() = output.text.toStdString();
  }
  return texts;
}

// The result panel in the order of its rows: p, t, h, v, ρ, s, cp, μ, ν, λ, Pr.
inline Texts Results(const Outcome& outcome)
{
  return TextsOf(outcome, {"LB_PRes", "LB_TRes", "Lb_hRes", "LB_VRES", "LB_RoRes", "LB_SRes", "LB_CpRes", "LB_MuRes",
                           "LB_NuRes", "LB_LRes", "LB_PrRes"});
}
// A saturation sheet: ps, ts, h, s, v, ρ, cp, λ, μ, ν, Pr, σ.
inline Texts VapourSheet(const Outcome& outcome)
{
  return TextsOf(outcome, {"LB_PsResSS", "LB_TsResSS", "LB_hSS", "LB_SpSS", "LB_VudSS", "LB_RoSS", "LB_CpSS",
                           "LB_LmbSS", "LB_MiuSS", "LB_NiuSS", "LB_PrSS", "LB_Sigma1"});
}
inline Texts WaterSheet(const Outcome& outcome)
{
  return TextsOf(outcome, {"LB_PsResS", "LB_TsResS", "LB_hS", "LB_SpS", "LB_VudS", "LB_RoS", "LB_CpS", "LB_LmbS",
                           "LB_MiuS", "LB_NiuS", "LB_PrS", "LB_SIGMA"});
}
