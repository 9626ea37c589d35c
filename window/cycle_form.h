// The form of the Rankine cycle on the page Equipment, built from its own
// table of inputs as the operations' forms are from the core's.
#pragma once

#include "equipment_form.h"

// The form of the Rankine cycle: boiler, condenser, efficiencies and flow,
// and the optional reheat and feedwater heaters, each with its check box.
class CycleForm : public QWidget {
    Q_OBJECT

public:
    explicit CycleForm(QWidget* parent = nullptr);
    ~CycleForm() override;

    // Throws FormRefusal.
    RankineDefinition read(const Units& units) const;
    QList<ReportInput> reportInputs(const Units& units) const;
    QWidget* fieldOf(const QString& input) const;
    void setUnits(const Units& units);
    void save() const;
    void load(const Units& units);
    QWidget* firstField() const;
    ParameterInput* parameter(const QString& key) const;

    QCheckBox* const reheat;
    QCheckBox* const openHeater;
    QCheckBox* const closedHeater;
    QComboBox* const drain;

private:
    void showOptions();
    std::vector<std::unique_ptr<ParameterInput>> parameterInputs;
    Units units;
};
