// The page "Lines": a table of states along an isobar, an isotherm, the
// saturation line, an isentrope or an isenthalp, in the window's units; its
// columns chosen from the calculator's quantities; copied, exported as CSV,
// printed or saved as PDF; plotted, any quantity against any other. A table
// is computed off the window's thread; one that takes longer than a moment
// shows its progress and can be cancelled. The last settings are kept.
#pragma once

#include "line_table.h"
#include "state_row.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <optional>

class LinePlot;
class QAction;
class LineTableModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;

class LinesPage : public QWidget {
    Q_OBJECT

public:
    explicit LinesPage(QWidget* parent = nullptr);
    ~LinesPage() override;

    void setUnits(const Units& units);
    // The transport formulation of the next tables: the window's choice.
    void setTransport(Transport chosen) { transport = chosen; }
    // The dead state of the exergy of the next tables: the window's choice.
    void setDeadState(const DeadState& chosen) { dead = chosen; }
    // Where "From selected state" takes its state: the selected row of the
    // window's table of states, if any.
    void setSelectedStateSource(std::function<std::optional<StateRow>()> source);

    // Reads the definition and starts the table; a refused definition is a
    // message, the input it names focused with its text kept.
    void makeTable();
    void cancel();
    bool busy() const;
    // Waits for a table being computed (for the tests and the screenshots).
    void waitForTable();

    void takeSelectedState();
    const LineTable& table() const;
    QList<LineColumn> columns() const;
    // The selected rows (all when none is), with the header, in full.
    QString tableText() const;
    void copyTable();
    bool exportCsv(const QString& path, QString* error) const;
    bool savePdf(const QString& path);

    // Copy, CSV…, Print… and Save as PDF… of the table, for the window's menus.
    struct Commands {
        QAction *copy, *csv, *print, *pdf;
    };
    const Commands& commands() const { return tableCommands; }

    LinePlot* plot() const { return linePlot; }
    QTableView* tableView() const { return view; }
    QTabWidget* views() const { return tableAndPlot; }
    QProgressBar* progressBar() const { return progress; }

    // The controls of the definition, by what they hold.
    QComboBox* kindBox() const { return kind; }
    QLineEdit* fixedEdit() const { return fixed; }
    QLineEdit* startPressureEdit() const { return startP; }
    QLineEdit* startTemperatureEdit() const { return startT; }
    QLineEdit* fromEdit() const { return from; }
    QLineEdit* toEdit() const { return to; }
    QComboBox* stepKindBox() const { return stepKind; }
    QLineEdit* stepEdit() const { return step; }
    QCheckBox* logarithmicBox() const { return logarithmic; }
    void setChosenQuantities(const QList<Quantity>& quantities);
    QList<Quantity> chosenQuantities() const { return chosen; }

signals:
    void tableReady();

protected:
    // Return on the check box or a combo of the form makes the table, as on an edit.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LineKind lineKind() const;
    void showKind();
    void showUnits();
    void rebuildColumnMenu();
    // The definition in the shown units, or the refusal of one of its inputs.
    std::optional<LineDefinition> readDefinition();
    std::optional<double> readValue(QLineEdit* edit, const QString& symbol);
    std::optional<double> startValue(Quantity fixedQuantity);
    void refuse(QLineEdit* edit, const QString& message);
    void finishTable();
    void showProgress();
    void saveSettings() const;
    void loadSettings();
    void printTable();
    bool print(QPrinter& printer);
    void exportCsvByDialog();
    void savePdfByDialog();
    void savePlotByDialog();
    void convertTyped(const Units& before, const Units& after);
    // The range of the kind shown, kept from its edits; the kept range of the
    // kind chosen, shown in them.
    void keepRange();
    void showRange();
    void showStart();

    QComboBox* kind;
    QLabel* fixedCaption;
    QLineEdit* fixed;
    QLabel* startCaption;
    QLineEdit* startP;
    QLabel* startTCaption;
    QLineEdit* startT;
    QPushButton* fromSelected;
    QLabel* startResult;
    QLabel* rangeCaption;
    QLineEdit* from;
    QLineEdit* to;
    QLabel* rangeUnit;
    QComboBox* stepKind;
    QLineEdit* step;
    QCheckBox* logarithmic;
    QToolButton* columnsButton;
    QPushButton* make;
    QPushButton* cancelButton;
    QProgressBar* progress;
    QLabel* status;
    QTabWidget* tableAndPlot;
    QTableView* view;
    LineTableModel* model;
    LinePlot* linePlot;
    Commands tableCommands;

    Units units;
    Transport transport = Transport::IAPS1985;
    DeadState dead;
    bool unitsKnown = false;
    QList<Quantity> chosen;
    std::function<std::optional<StateRow>()> selectedState;
    // The start state of the kind shown: its s and h taken from the table of
    // states (its number) or computed from the typed p and t (number 0), kept
    // exact while its inputs are not typed over, and from one start to the
    // next: a wet state's rounded p and t would name another state.
    std::optional<StateRow> start;
    // The choice of the kind shown, if it runs along pressures; the box shows
    // it unchecked for the others, to which it does not apply.
    bool logarithmicChosen = false;
    // Each kind of line keeps its own last range and start, in the shown units.
    struct Range {
        QString fixed, from, to, step;
        StepKind stepKind = StepKind::Increment;
        QString startP, startT;
        std::optional<StateRow> start;
        bool logarithmic = false;
    };
    std::array<Range, LineKindCount> ranges;
    LineKind shownKind = LineKind::Isobar;
    Range shownRange() const;

    QFutureWatcher<LineTable> watcher;
    std::atomic<bool> cancelRequested = false;
    std::atomic<qsizetype> rowsDone = 0;
    qsizetype rowsToDo = 0;
    QTimer progressTimer;
    bool loading = false;
};
