#include "edit_binding.h"

#include "ui_u_H2O_ORV.h"

#include "labelled_edit.h"

#include <QLabel>
#include <QTabBar>

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

const Phase Phases[] = {Phase::State, Phase::SaturatedWater, Phase::SaturatedSteam};

QWidget* AreaOf(const Ui::TForm1& ui, Phase phase) {
    return phase == Phase::State            ? static_cast<QWidget*>(ui.Pan_midl)
           : phase == Phase::SaturatedWater ? ui.TabSheet1
                                            : ui.TabSheet2;
}

QLineEdit* DesignedEdit(const Ui::TForm1& ui, Quantity quantity, Phase phase) {
    for (const ResultRow& row : ResultRows)
        if (row.quantity == quantity)
            return Member(ui, phase == Phase::State            ? row.state
                              : phase == Phase::SaturatedWater ? row.water
                                                               : row.steam);
    return nullptr;
}

// "Added_a_1": the symbol of the result row and the phase.
QString AddedName(Quantity quantity, Phase phase) {
    return QStringLiteral("Added_%1_%2").arg(QLatin1String(RowOf(quantity).symbol)).arg(int(phase));
}

bool Shown(Quantity quantity, Phase phase) {
    const auto shownIn = [quantity](Place place) { return FormatOf(quantity, place).kind != Format::Kind::None; };
    switch (phase) {
        case Phase::State: return shownIn(Place::ByPT) || shownIn(Place::OtherStateModes);
        case Phase::SaturatedWater: return shownIn(Place::SaturatedWater);
        case Phase::SaturatedSteam: return shownIn(Place::SaturatedSteam);
    }
    return false;
}

// The caption as the designed rows write it: "Enthalpy h, kJ/kg =", on a
// sheet with the phase's letter, "Enthalpy hw", "Enthalpy hv".
QString AddedCaption(Quantity quantity, Phase phase) {
    if (phase == Phase::State) return ResultCaption(quantity, false) + QStringLiteral(" =");
    const QuantityRow& row = RowOf(quantity);
    const QString symbol = QLatin1String(row.saturationSymbol) + (phase == Phase::SaturatedWater ? u'w' : u'v');
    return QLatin1String(row.name) + u' ' + CaptionWithUnit(symbol, quantity, {}) + QStringLiteral(" =");
}

// A copy of a labelled edit, `step` below it, with its own caption.
QLineEdit* AddRow(QWidget* area, const QLineEdit* last, int step, const QString& caption) {
    const QLabel* lastLabel = labelOf(last);
    auto* edit = new QLineEdit(area);
    edit->setFont(last->font());
    edit->setAlignment(last->alignment());
    edit->setGeometry(last->geometry().translated(0, step));
    auto* label = new QLabel(caption, area);
    label->setFont(lastLabel->font());
    label->setAlignment(lastLabel->alignment());
    label->setGeometry(lastLabel->geometry().translated(0, step));
    label->setBuddy(edit);
    return edit;
}

// The height the rows of an area have: a sheet's page is laid out only when
// shown, below the tabs of its page control.
int HeightOf(const Ui::TForm1& ui, Phase phase) {
    if (phase == Phase::State) return ui.Pan_midl->height();
    return ui.PageControl1->height() - ui.PageControl1->tabBar()->sizeHint().height();
}

// A sheet's row moved to the top of a column on the right of the designed
// one, its edit at the sheet's right margin, its caption between the columns.
void StartSecondColumn(const Ui::TForm1& ui, const QLineEdit* first, QLineEdit* edit) {
    constexpr int Gap = 10;
    const int right = ui.PageControl1->width() - 2 * Gap;
    const int labelX = first->geometry().right() + Gap;
    edit->move(right - edit->width(), first->y());
    QLabel* label = labelOf(edit);
    const int gap = first->x() - labelOf(first)->geometry().right() - 1;
    label->setGeometry(labelX, first->y(), edit->x() - gap - labelX, label->height());
}

// "Added_input_Ro": the symbol of the quantity's result row.
QString AddedInputName(Quantity quantity) {
    return QStringLiteral("Added_input_") + QLatin1String(RowOf(quantity).symbol);
}

QLineEdit* DesignedInput(const Ui::TForm1& ui, bool saturation, Quantity quantity) {
    for (const InputRow& row : InputRows)
        if (row.quantity == quantity) return Member(ui, saturation ? row.saturation : row.state);
    return nullptr;
}

}  // namespace

void AddInputsOfUndesignedQuantities(Ui::TForm1& ui) {
    for (const ModeRow& mode : Modes())
        for (const Quantity input : mode.inputs) {
            if (mode.saturation() || InputEdit(ui, false, input) != nullptr) continue;
            QLineEdit* edit =
                AddRow(ui.Lb_h->parentWidget(), ui.Lb_h, 0, InputCaption(input, false) + QStringLiteral(" ="));
            edit->setObjectName(AddedInputName(input));
        }
}

QLineEdit* InputEdit(const Ui::TForm1& ui, bool saturation, Quantity quantity) {
    if (QLineEdit* designed = DesignedInput(ui, saturation, quantity)) return designed;
    if (saturation) return nullptr;
    return ui.Lb_h->parentWidget()->findChild<QLineEdit*>(AddedInputName(quantity), Qt::FindDirectChildrenOnly);
}

QList<QLineEdit*> InputEdits(const Ui::TForm1& ui, bool saturation) {
    QList<QLineEdit*> edits;
    for (const InputRow& row : InputRows)
        if (QLineEdit* edit = Member(ui, saturation ? row.saturation : row.state)) edits.append(edit);
    if (!saturation)
        for (int q = 0; q < QuantityCount; ++q)
            if (DesignedInput(ui, false, Quantity(q)) == nullptr)
                if (QLineEdit* added = InputEdit(ui, false, Quantity(q))) edits.append(added);
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

// The tops of the result panel's designed rows: the places its shown rows take.
const char* const DesignedTops = "designedRowTops";

void AddResultRowsOfUndesignedQuantities(Ui::TForm1& ui) {
    QList<int> tops;
    for (const QLineEdit* edit : ResultEditsOf(ui, Phase::State)) tops.append(edit->y());
    ui.Pan_midl->setProperty(DesignedTops, QVariant::fromValue(tops));
    for (const Phase phase : Phases) {
        QList<QLineEdit*> rows = ResultEditsOf(ui, phase);
        const int step = rows.back()->y() - rows[rows.size() - 2]->y();
        for (int q = 0; q < QuantityCount; ++q) {
            if (!Shown(Quantity(q), phase) || DesignedEdit(ui, Quantity(q), phase) != nullptr) continue;
            QLineEdit* edit = AddRow(AreaOf(ui, phase), rows.back(), step, AddedCaption(Quantity(q), phase));
            edit->setObjectName(AddedName(Quantity(q), phase));
            // The panel shows the chosen rows only, in the designed places; a
            // sheet's rows go on in a column of their own on its right.
            if (phase != Phase::State && edit->geometry().bottom() >= HeightOf(ui, phase))
                StartSecondColumn(ui, rows.front(), edit);
            rows.append(edit);
        }
    }
}

void ShowPanelRows(Ui::TForm1& ui, const QList<Quantity>& chosen) {
    const QList<int> tops = ui.Pan_midl->property(DesignedTops).value<QList<int>>();
    qsizetype slot = 0;
    for (int q = 0; q < QuantityCount; ++q) {
        QLineEdit* edit = ResultEdit(ui, Quantity(q), Phase::State);
        if (edit == nullptr) continue;
        const bool shown = chosen.contains(Quantity(q)) && slot < tops.size();
        setLabelledVisible(edit, shown);
        if (!shown) continue;
        QLabel* label = labelOf(edit);
        label->move(label->x(), label->y() + tops[slot] - edit->y());
        edit->move(edit->x(), tops[slot]);
        ++slot;
    }
}

QLineEdit* ResultEdit(const Ui::TForm1& ui, Quantity quantity, Phase phase) {
    if (QLineEdit* designed = DesignedEdit(ui, quantity, phase)) return designed;
    return AreaOf(ui, phase)->findChild<QLineEdit*>(AddedName(quantity, phase), Qt::FindDirectChildrenOnly);
}

QList<QLineEdit*> ResultEditsOf(const Ui::TForm1& ui, Phase phase) {
    QList<QLineEdit*> edits;
    for (int q = 0; q < QuantityCount; ++q)
        if (QLineEdit* edit = ResultEdit(ui, Quantity(q), phase)) edits.append(edit);
    return edits;
}
