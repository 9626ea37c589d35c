// Runs of the calculator core as the window asks for them, and their outcomes
// in forms a test compares and prints.
#pragma once

#include "calculation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using Texts = std::vector<std::string>;

using Q = Quantity;

inline Outcome ByPT(const QString& p, const QString& t) {
    return Calculate({InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, p}, {Q::Temperature, t}}});
}
inline Outcome ByPH(const QString& p, const QString& h) {
    return Calculate({InputMode::ByPH, SaturationInput::ByPs, {{Q::Pressure, p}, {Q::Enthalpy, h}}});
}
inline Outcome ByPS(const QString& p, const QString& s) {
    return Calculate({InputMode::ByPS, SaturationInput::ByPs, {{Q::Pressure, p}, {Q::Entropy, s}}});
}
inline Outcome ByPX(const QString& p, const QString& x) {
    return Calculate({InputMode::ByPX, SaturationInput::ByPs, {{Q::Pressure, p}, {Q::Dryness, x}}});
}
inline Outcome ByTX(const QString& t, const QString& x) {
    return Calculate({InputMode::ByTX, SaturationInput::ByPs, {{Q::Temperature, t}, {Q::Dryness, x}}});
}
inline Outcome ByHS(const QString& h, const QString& s) {
    return Calculate({InputMode::ByHS, SaturationInput::ByPs, {{Q::Enthalpy, h}, {Q::Entropy, s}}});
}
inline Outcome ByPs(const QString& ps) {
    return Calculate({InputMode::Saturation, SaturationInput::ByPs, {{Q::Pressure, ps}}});
}
inline Outcome ByTs(const QString& ts) {
    return Calculate({InputMode::Saturation, SaturationInput::ByTs, {{Q::Temperature, ts}}});
}

// "outputs"; a refusal's message with the input it sends the focus to, as in
// " Insert the p value [Pressure]"; "stop: <text> | <explanation> | <reason>".
inline std::string Described(const Outcome& outcome) {
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        return refusal->message.toStdString() + " [" + RowOf(refusal->input).name + "]";
    }
    if (const auto* stop = std::get_if<Stop>(&outcome))
        return ("stop: " + stop->text + " | " + stop->explanation + " | " + stop->reason).toStdString();
    return "outputs";
}

inline const Outputs* OutputsOf(const Outcome& outcome) {
    const auto* outputs = std::get_if<Outputs>(&outcome);
    if (outputs == nullptr) ADD_FAILURE() << Described(outcome);
    return outputs;
}

// The texts a run gives the quantities of a phase, in the order named; "" for
// one it does not write.
inline Texts TextsOf(const Outcome& outcome, std::initializer_list<Quantity> quantities, Phase phase = Phase::State) {
    const Outputs* outputs = OutputsOf(outcome);
    if (outputs == nullptr) return {};
    Texts texts;
    for (const Quantity quantity : quantities) {
        texts.emplace_back();
        for (const Output& output : outputs->values)
            if (output.quantity == quantity && output.phase == phase) texts.back() = output.text.toStdString();
    }
    return texts;
}

// The name of the state's phase.
inline std::string PhaseName(const Outcome& outcome) {
    const Outputs* outputs = OutputsOf(outcome);
    return outputs ? outputs->phaseName.toStdString() : std::string();
}

// The result panel: p, t, h, v, ρ, s, cp, μ, ν, λ, Pr.
inline Texts Results(const Outcome& outcome) {
    return TextsOf(outcome, {Q::Pressure, Q::Temperature, Q::Enthalpy, Q::SpecificVolume, Q::Density, Q::Entropy,
                             Q::HeatCapacity, Q::DynamicViscosity, Q::KinematicViscosity, Q::Conductivity, Q::Prandtl});
}
// A saturation sheet: ps, ts, h, s, v, ρ, cp, λ, μ, ν, Pr, σ.
inline Texts Sheet(const Outcome& outcome, Phase phase) {
    return TextsOf(
        outcome,
        {Q::Pressure, Q::Temperature, Q::Enthalpy, Q::Entropy, Q::SpecificVolume, Q::Density, Q::HeatCapacity,
         Q::Conductivity, Q::DynamicViscosity, Q::KinematicViscosity, Q::Prandtl, Q::SurfaceTension},
        phase);
}
inline Texts VapourSheet(const Outcome& outcome) {
    return Sheet(outcome, Phase::SaturatedSteam);
}
inline Texts WaterSheet(const Outcome& outcome) {
    return Sheet(outcome, Phase::SaturatedWater);
}
