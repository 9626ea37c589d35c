// The page "Equipment": the operation chosen from a list (a turbine, a pump,
// a valve, ... or a whole Rankine cycle), its form built from the core's table
// of operations, the inlet states typed in any state mode or taken from the
// selected rows of the table of states. The results: every stream a row in
// the user's units, the work, duty and power and the balances as figures, the
// streams drawn as a process on the T–s or h–s diagram; copied, exported as
// CSV, printed or saved as PDF; a stream added to the table of states. The
// last inputs of every form are kept. One operation takes microseconds, a
// cycle a fraction of a millisecond: they run on the window's thread.
#pragma once

#include "equipment_report.h"
#include "state_row.h"

#include <QWidget>

#include <functional>
#include <optional>

class CycleForm;
class OperationForm;
class ProcessDiagram;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

class EquipmentPage : public QWidget {
    Q_OBJECT

public:
    explicit EquipmentPage(QWidget* parent = nullptr);
    ~EquipmentPage() override;

    void setUnits(const Units& units);
    // Where "From selected states" takes its states: the selected rows of the
    // window's table of states, in their order.
    void setSelectedStatesSource(std::function<QList<StateRow>()> source);

    // Reads the form and shows the result; a refusal is a message, the input
    // it names focused with its text kept, the last result left as it was.
    void calculate();
    void takeSelectedStates();
    // The streams of the selected rows of the results go to the table of states.
    void addSelectedStreams();

    const std::optional<EquipmentReport>& report() const { return shownReport; }
    // The streams of the last calculation and the processes joining them, as
    // its diagram draws them.
    const QList<std::pair<int, int>>& processLines() const { return shownLines; }
    QString reportText() const;
    void copyReport();
    bool exportCsv(const QString& path, QString* error) const;
    bool savePdf(const QString& path) const;

    // The operation shown: an index into Operations(), or its size for the cycle.
    void showOperation(int index);
    QComboBox* operationBox() const { return operation; }
    OperationForm* operationForm(int index) const { return operationForms.value(index); }
    CycleForm* cycleForm() const { return cycle; }
    QTableWidget* streamsTable() const { return streams; }
    QTableWidget* figuresTable() const { return figures; }
    QTabWidget* views() const { return resultViews; }
    ProcessDiagram* diagram() const { return processDiagram; }
    QPushButton* calculateButton() const { return calculateCommand; }
    QPushButton* addButton() const { return addToTable; }

signals:
    void streamToTable(const Stream& stream);
    void processShown();

private:
    bool cycleShown() const;
    void showForm(int index);
    void refuse(QWidget* field, const QString& message);
    void showReport();
    void exportCsvByDialog();
    void printReport();
    void savePdfByDialog();
    QImage diagramPicture() const;

    QComboBox* operation;
    QPushButton* fromSelected;
    QPushButton* calculateCommand;
    QStackedWidget* forms;
    QList<OperationForm*> operationForms;
    CycleForm* cycle;
    QTabWidget* resultViews;
    QTableWidget* streams;
    QTableWidget* figures;
    ProcessDiagram* processDiagram;
    QPushButton* addToTable;

    Units units;
    std::function<QList<StateRow>()> selectedStates;
    std::optional<EquipmentReport> shownReport;
    QList<std::pair<int, int>> shownLines;
    bool loading = false;
};
