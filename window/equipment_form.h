// The forms of the page Equipment, built from rows: a stream typed in any
// state mode of the calculator (or taken from the table of states) with its
// mass flow, a parameter with its unit (or a choice of what it gives), the
// form of an operation from the core's table of operations (the cycle's is in
// cycle_form.h). Each reads its values in the
// core's units or refuses the first wrong one, naming it and focusing its
// edit with the text kept; each keeps its texts in the settings.
#pragma once

#include "equipment.h"
#include "equipment_report.h"
#include "state_row.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;

// A value that cannot be read: the message and the edit to mend.
struct FormRefusal {
    QString message;
    QWidget* field;
};

// The number typed in `edit` in the core's units; throws FormRefusal for an
// empty or a wrong text.
double ReadNumber(QLineEdit* edit, const QString& name, const ValueUnit& unit, const Units& units);
// Where a form keeps its texts in the settings: "equipment/<name>/".
QString SettingsGroup(const QString& name);
// A refusal of the core names a parameter by its key or by a name it begins
// with ("reheat" for the reheat's pressure).
bool NamesParameter(const QString& input, const char* key);

// A stream: its state mode, the mode's two values, and its mass flow where it
// is given (a solved flow has no edit).
class StreamInput {
public:
    StreamInput(const StreamRow& row, QGridLayout* grid, int line);
    ~StreamInput();

    // Throws FormRefusal, or EquipmentRefusal from the core's check of the state.
    Stream read(const Units& units) const;
    QList<ReportInput> reportInputs(const Units& units) const;
    // The row's mode and inputs, in the shown units.
    void take(const StateRow& row, const Units& units);
    void setUnits(const Units& before, const Units& after);
    void save(QSettings& settings, const QString& group) const;
    // Without kept texts: the state such equipment commonly takes.
    void load(QSettings& settings, const QString& group, Operation operation, const Units& units);
    // The edit a refusal of the core names: "inlet.p", "inlet.massFlow", "inlet".
    QWidget* fieldOf(const QString& input) const;
    void setVisible(bool visible);
    QList<QWidget*> focusOrder() const;
    const StreamRow& row() const { return streamRow; }

    QComboBox* const mode;
    QLineEdit* const first;
    QLineEdit* const second;
    QLineEdit* const flow;  // nullptr where the flow is solved

private:
    const ModeRow& modeRow() const;
    void showCaptions();
    StreamRow streamRow;
    QLabel* caption;
    QLabel* firstCaption;
    QLabel* secondCaption;
    QLabel* flowCaption = nullptr;
    Units units;
};

// A parameter: its caption (or the choice of what it gives), its edit and unit.
class ParameterInput {
public:
    ParameterInput(const ParameterRow& row, QGridLayout* grid, int line, int column = 0);

    OperationInput::Value read(const Units& units) const;
    ReportInput reportInput(const Units& units) const;
    void setUnits(const Units& before, const Units& after);
    void save(QSettings& settings, const QString& group) const;
    void load(QSettings& settings, const QString& group, const Units& units);
    void setEnabled(bool enabled);
    const ParameterRow& row() const { return parameterRow; }
    ValueUnit unit() const;
    // A check box that switches the parameter on and off stands for its caption.
    void captionBy(QCheckBox* box, const QString& text, QGridLayout* grid, int line, int column = 0);

    QComboBox* const choice;  // nullptr without choices
    QLineEdit* const edit;

private:
    void showUnit();
    ParameterRow parameterRow;
    QLabel* caption;
    QLabel* unitLabel;
    Units units;
};

// The form of one operation: its streams beside its parameters; a header
// takes one inlet more or less by its buttons.
class OperationForm : public QWidget {
    Q_OBJECT

public:
    explicit OperationForm(const OperationRow& row, QWidget* parent = nullptr);
    ~OperationForm() override;

    // Throws FormRefusal or EquipmentRefusal.
    OperationInput read(const Units& units) const;
    QList<ReportInput> reportInputs(const Units& units) const;
    QWidget* fieldOf(const QString& input) const;
    // The selected states of the table into the streams, in order.
    void take(const QList<StateRow>& rows, const Units& units);
    void setUnits(const Units& units);
    void save() const;
    void load(const Units& units);
    void setInletCount(int count);
    QWidget* firstField() const;
    const OperationRow& row() const { return operationRow; }
    const std::vector<std::unique_ptr<StreamInput>>& streams() const { return streamInputs; }
    const std::vector<std::unique_ptr<ParameterInput>>& parameters() const { return parameterInputs; }

private:
    void showInlets();
    void orderFocus();
    QString group() const;
    const OperationRow& operationRow;
    QGridLayout* streamGrid;
    std::vector<std::unique_ptr<StreamInput>> streamInputs;
    std::vector<std::unique_ptr<ParameterInput>> parameterInputs;
    int inlets;
    QPushButton* moreInlets = nullptr;
    QPushButton* fewerInlets = nullptr;
    Units units;
};
