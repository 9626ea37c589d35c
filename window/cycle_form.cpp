#include "cycle_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

using K = ParameterKind;

// The cycle's own table of inputs; the reheat and the heaters are read where
// their boxes are checked.
enum CycleOption { Always, Reheat, OpenHeater, ClosedHeater };
struct CycleRow {
    ParameterRow row;
    CycleOption option;
};
// clang-format off
const CycleRow CycleRows[] = {
    {{"boilerPressure", "Boiler pressure", K::Pressure, 10, {}}, Always},
    {{"boilerTemperature", "Turbine inlet temperature", K::Temperature, 500, {}}, Always},
    {{"condenserPressure", "Condenser", K::Pressure, 0.01,
      {{"Condenser pressure", K::Pressure}, {"Condenser temperature", K::Temperature}}}, Always},
    {{"turbineEfficiency", "Turbine isentropic efficiency", K::Fraction, 0.85, {}}, Always},
    {{"pumpEfficiency", "Pump isentropic efficiency", K::Fraction, 0.8, {}}, Always},
    {{"massFlow", "Steam flow", K::MassFlow, 100, {}}, Always},
    {{"reheatPressure", "Reheat pressure", K::Pressure, 1.5, {}}, Reheat},
    {{"reheatTemperature", "Reheat temperature", K::Temperature, 500, {}}, Reheat},
    {{"openHeaterPressure", "Open heater pressure", K::Pressure, 0.5, {}}, OpenHeater},
    {{"closedHeaterPressure", "Closed heater pressure", K::Pressure, 3, {}}, ClosedHeater},
};
// clang-format on

}  // namespace

CycleForm::CycleForm(QWidget* parent)
    : QWidget(parent),
      reheat(new QCheckBox),
      openHeater(new QCheckBox),
      closedHeater(new QCheckBox),
      drain(new QComboBox) {
    setObjectName(u"RankineCycle"_s);
    drain->addItem(u"Drain pumped forward"_s, int(DrainRoute::PumpedForward));
    drain->addItem(u"Drain cascaded back"_s, int(DrainRoute::CascadedBack));
    auto* main = new QGridLayout;
    auto* options = new QGridLayout;
    for (QGridLayout* grid : {main, options}) grid->setVerticalSpacing(3);
    const QHash<int, QCheckBox*> boxes{{Reheat, reheat}, {OpenHeater, openHeater}, {ClosedHeater, closedHeater}};
    // The boxes' keys: Alt+R, Alt+N, Alt+L (Alt+C closes the window, Alt+U calculates).
    const QHash<int, QString> mnemonics{{Reheat, u"&Reheat pressure"_s},
                                        {OpenHeater, u"Ope&n heater pressure"_s},
                                        {ClosedHeater, u"C&losed heater pressure"_s}};
    int mainLine = 0, optionLine = 0, lastOption = Always;
    for (const CycleRow& row : CycleRows) {
        if (row.option == Always) {
            parameterInputs.push_back(std::make_unique<ParameterInput>(row.row, main, mainLine++));
            continue;
        }
        parameterInputs.push_back(std::make_unique<ParameterInput>(row.row, options, optionLine));
        if (row.option != lastOption)
            parameterInputs.back()->captionBy(boxes.value(row.option), mnemonics.value(row.option), options,
                                              optionLine);
        lastOption = row.option;
        ++optionLine;
    }
    options->addWidget(drain, optionLine++, 0, 1, 3);
    main->setRowStretch(mainLine, 1);
    options->setRowStretch(optionLine, 1);
    main->setColumnStretch(1, 1);
    options->setColumnStretch(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(main, 1);
    layout->addSpacing(12);
    layout->addLayout(options, 1);
    for (QCheckBox* box : {reheat, openHeater, closedHeater})
        connect(box, &QCheckBox::toggled, this, [this] { showOptions(); });
    showOptions();
}

CycleForm::~CycleForm() = default;

void CycleForm::showOptions() {
    const QHash<int, bool> on{{Always, true},
                              {Reheat, reheat->isChecked()},
                              {OpenHeater, openHeater->isChecked()},
                              {ClosedHeater, closedHeater->isChecked()}};
    for (std::size_t i = 0; i < parameterInputs.size(); ++i)
        parameterInputs[i]->setEnabled(on.value(CycleRows[i].option));
    drain->setEnabled(closedHeater->isChecked());
}

ParameterInput* CycleForm::parameter(const QString& key) const {
    for (const auto& input : parameterInputs)
        if (key == QLatin1String(input->row().key)) return input.get();
    return nullptr;
}

QWidget* CycleForm::firstField() const {
    return parameterInputs.front()->edit;
}

RankineDefinition CycleForm::read(const Units& shown) const {
    const auto value = [&](const char* key) { return parameter(QLatin1String(key))->read(shown).value; };
    RankineDefinition cycle;
    cycle.boilerPressure = value("boilerPressure");
    cycle.boilerTemperature = value("boilerTemperature");
    const OperationInput::Value condenser = parameter(u"condenserPressure"_s)->read(shown);
    (condenser.choice == 0 ? cycle.condenserPressure : cycle.condenserTemperature) = condenser.value;
    cycle.turbineEfficiency = value("turbineEfficiency");
    cycle.pumpEfficiency = value("pumpEfficiency");
    cycle.massFlow = value("massFlow");
    if (reheat->isChecked())
        cycle.reheat = RankineDefinition::Reheat{value("reheatPressure"), value("reheatTemperature")};
    if (openHeater->isChecked()) cycle.openHeaterPressure = value("openHeaterPressure");
    if (closedHeater->isChecked())
        cycle.closedHeater =
            RankineDefinition::ClosedHeater{value("closedHeaterPressure"), DrainRoute(drain->currentData().toInt())};
    return cycle;
}

QList<ReportInput> CycleForm::reportInputs(const Units& shown) const {
    QList<ReportInput> inputs;
    for (std::size_t i = 0; i < parameterInputs.size(); ++i) {
        const CycleOption option = CycleRows[i].option;
        if (option == Reheat && !reheat->isChecked()) continue;
        if (option == OpenHeater && !openHeater->isChecked()) continue;
        if (option == ClosedHeater && !closedHeater->isChecked()) continue;
        inputs.append(parameterInputs[i]->reportInput(shown));
    }
    if (closedHeater->isChecked()) inputs.append({u"Closed heater drain"_s, {}, NotDefined, drain->currentText()});
    return inputs;
}

QWidget* CycleForm::fieldOf(const QString& input) const {
    if (input == u"condenserTemperature"_s) return parameter(u"condenserPressure"_s)->edit;
    if (ParameterInput* exact = parameter(input)) return exact->edit;
    for (const auto& parameter : parameterInputs)
        if (parameter->edit->isEnabled() && NamesParameter(input, parameter->row().key)) return parameter->edit;
    return nullptr;
}

void CycleForm::setUnits(const Units& shown) {
    for (const auto& parameter : parameterInputs) parameter->setUnits(units, shown);
    units = shown;
}

void CycleForm::save() const {
    QSettings settings;
    const QString group = SettingsGroup(u"RankineCycle"_s);
    for (const auto& parameter : parameterInputs) parameter->save(settings, group);
    settings.setValue(group + u"reheat"_s, reheat->isChecked());
    settings.setValue(group + u"openHeater"_s, openHeater->isChecked());
    settings.setValue(group + u"closedHeater"_s, closedHeater->isChecked());
    settings.setValue(group + u"drain"_s, drain->currentIndex());
}

void CycleForm::load(const Units& shown) {
    QSettings settings;
    const QString group = SettingsGroup(u"RankineCycle"_s);
    units = shown;
    for (const auto& parameter : parameterInputs) parameter->load(settings, group, shown);
    reheat->setChecked(settings.value(group + u"reheat"_s, false).toBool());
    openHeater->setChecked(settings.value(group + u"openHeater"_s, false).toBool());
    closedHeater->setChecked(settings.value(group + u"closedHeater"_s, false).toBool());
    drain->setCurrentIndex(std::clamp(settings.value(group + u"drain"_s, 0).toInt(), 0, 1));
}
