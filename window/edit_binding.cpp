#include "edit_binding.h"

#include "ui_u_H2O_ORV.h"

namespace {

using Q = Quantity;

// Result edits by phase: the result panel, the water sheet, the steam sheet.
struct ResultRow {
    Quantity quantity;
    QLineEdit* Ui::TForm1::*state;
    QLineEdit* Ui::TForm1::*water;
    QLineEdit* Ui::TForm1::*steam;
};

using F = Ui::TForm1;
// clang-format off
const ResultRow ResultRows[] = {
    {Q::Temperature,        &F::LB_TRes,   &F::LB_TsResS, &F::LB_TsResSS},
    {Q::Pressure,           &F::LB_PRes,   &F::LB_PsResS, &F::LB_PsResSS},
    {Q::Enthalpy,           &F::Lb_hRes,   &F::LB_hS,     &F::LB_hSS},
    {Q::Entropy,            &F::LB_SRes,   &F::LB_SpS,    &F::LB_SpSS},
    {Q::SpecificVolume,     &F::LB_VRES,   &F::LB_VudS,   &F::LB_VudSS},
    {Q::Density,            &F::LB_RoRes,  &F::LB_RoS,    &F::LB_RoSS},
    {Q::HeatCapacity,       &F::LB_CpRes,  &F::LB_CpS,    &F::LB_CpSS},
    {Q::Conductivity,       &F::LB_LRes,   &F::LB_LmbS,   &F::LB_LmbSS},
    {Q::DynamicViscosity,   &F::LB_MuRes,  &F::LB_MiuS,   &F::LB_MiuSS},
    {Q::KinematicViscosity, &F::LB_NuRes,  &F::LB_NiuS,   &F::LB_NiuSS},
    {Q::Prandtl,            &F::LB_PrRes,  &F::LB_PrS,    &F::LB_PrSS},
    {Q::InternalEnergy,     &F::LB_URes,   &F::LB_US,     &F::LB_USS},
    {Q::IsochoricHeatCapacity, &F::LB_CvRes, &F::LB_CvS,  &F::LB_CvSS},
    {Q::SpeedOfSound,       &F::LB_WRes,   &F::LB_WS,     &F::LB_WSS},
    {Q::IsentropicExponent, &F::LB_KRes,   nullptr,       nullptr},
    {Q::SurfaceTension,     nullptr,       &F::LB_SIGMA,  &F::LB_Sigma1},
};
// clang-format on

struct InputRow {
    Quantity quantity;
    QLineEdit* Ui::TForm1::*state;
    QLineEdit* Ui::TForm1::*saturation;
};

// clang-format off
const InputRow InputRows[] = {
    {Q::Pressure, &F::Lb_P, &F::LB_Ps},
    {Q::Temperature, &F::Lb_T, &F::LB_Ts},
    {Q::Enthalpy, &F::Lb_h, nullptr},
    {Q::Entropy, &F::Lb_S, nullptr},
    {Q::Dryness, &F::Lb_X, nullptr},
};
// clang-format on

QLineEdit* Member(const Ui::TForm1& ui, QLineEdit* Ui::TForm1::*edit) {
    return edit ? ui.*edit : nullptr;
}

}  // namespace

QLineEdit* InputEdit(const Ui::TForm1& ui, bool saturation, Quantity quantity) {
    for (const InputRow& row : InputRows)
        if (row.quantity == quantity) return Member(ui, saturation ? row.saturation : row.state);
    return nullptr;
}

QList<QLineEdit*> InputEdits(const Ui::TForm1& ui, bool saturation) {
    QList<QLineEdit*> edits;
    for (const InputRow& row : InputRows)
        if (QLineEdit* edit = Member(ui, saturation ? row.saturation : row.state)) edits.append(edit);
    return edits;
}

QList<QLineEdit*> AllInputEdits(const Ui::TForm1& ui) {
    return InputEdits(ui, false) + InputEdits(ui, true);
}

QList<QLineEdit*> InputEditsOf(const Ui::TForm1& ui, InputMode mode, SaturationInput saturationInput) {
    QList<QLineEdit*> edits;
    for (const Quantity input : InputsOf(mode, saturationInput))
        edits.append(InputEdit(ui, mode == InputMode::Saturation, input));
    return edits;
}

QLineEdit* ResultEdit(const Ui::TForm1& ui, Quantity quantity, Phase phase) {
    for (const ResultRow& row : ResultRows)
        if (row.quantity == quantity)
            return Member(ui, phase == Phase::State            ? row.state
                              : phase == Phase::SaturatedWater ? row.water
                                                               : row.steam);
    return nullptr;
}

QList<QLineEdit*> ResultEditsOf(const Ui::TForm1& ui, Phase phase) {
    QList<QLineEdit*> edits;
    for (const ResultRow& row : ResultRows)
        if (QLineEdit* edit = ResultEdit(ui, row.quantity, phase)) edits.append(edit);
    return edits;
}
