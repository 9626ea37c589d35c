#pragma once

#include "calculation.h"
#include "chart_kinds.h"
#include "diagram_chart.h"
#include "equipment.h"
#include "state_table.h"
#include "units.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class EquipmentPage;
class ChartPage;
class LinesPage;
class QAction;
class QCheckBox;
class QComboBox;
class QActionGroup;
class QLabel;
class QLineEdit;
class QLockFile;
class QMenu;
class QMenuBar;
class QScrollArea;
class QStandardItemModel;
class StretchLayout;

namespace Ui {
class TForm1;
}

// The calculator's one window. Its controls come from resources/u_H2O_ORV.ui,
// the designed client area (named TForm1) below a menu bar, scrolled when the
// window is smaller than designed, with the panel of Calk and Close always in
// view at its top right. Which edit shows which quantity is known to edit_binding.cpp
// alone.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Selected items of the input mode and of the saturation sub-mode, the values
    // of InputMode and SaturationInput; -1 when none is selected.
    int RG_1ItemIndex() const;
    int RG_4ItemIndex() const;
    // Selecting another item runs RG_1Click or RG_4Click, as a click does.
    void setRG_1ItemIndex(int index);
    void setRG_4ItemIndex(int index);

    // The edits of the result panel of the state modes, in the order of the rows.
    QList<QLineEdit*> resultEdits() const;

    // The last good run of the current mode as tab-separated lines, its inputs
    // first; empty before the mode's first good run.
    QString allResultsText() const;
    // Puts them on the clipboard: Ctrl+Shift+C anywhere in the window, and
    // "Copy all results" in the context menus of the result panel and the sheets.
    void copyAllResults();
    QAction* const copyAllResultsAction;

    void FormCreate();
    void RG_1Click();
    void RG_4Click();
    void BB_CalkClick();  // the Calculate command, in calculate_click.cpp

    // Results whose inputs were changed since their run are shown greyed (the
    // state point hollow) until the next good run of that area.
    bool panelResultsStale() const { return panelStale; }
    bool sheetResultsStale() const { return sheetsStale; }

    // The controls by their names, for the tests, the screenshot tool and the
    // benchmarks that drive the window as a user does.
    friend Ui::TForm1& ControlsOf(TForm1& form);

    QMenuBar* menuBar() const { return menus; }

    // The units values are typed and shown in (View → Units…): read from the
    // settings at the start, kept there when changed. A change converts the
    // typed inputs and shows the last good runs anew.
    const Units& shownUnits() const { return units; }
    void setUnits(const Units& chosen);
    void chooseUnits();

    // The quantities of the result panel (View → Quantities…), in
    // shown_quantities.cpp: read from the settings at the start, kept there
    // when changed.
    const QList<Quantity>& shownQuantities() const { return panelQuantities; }
    void setPanelQuantities(const QList<Quantity>& chosen);
    // The dead state of the specific exergy of the next runs, chosen there too.
    const DeadState& exergyDeadState() const { return deadState; }
    void setDeadState(const DeadState& dead);
    void chooseQuantities();

    // The table of states, in state_table_view.cpp: every good run appends a row;
    // the rows are kept in the user's data folder between starts.
    const StateTable& states() const { return table; }
    QList<qsizetype> selectedStates() const;
    // The selected rows (or, none selected, all) as tab-separated lines with
    // a header, or as a CSV file.
    QString statesText() const;
    void copySelectedStates();
    bool exportStates(const QString& path, QString* error) const;
    void exportStatesByDialog();
    // The row's mode and inputs back into the inputs, in the shown units.
    void recallState(qsizetype row);
    void deleteStates(const QList<qsizetype>& rows);
    // After asking.
    void clearStates();
    // Where the table is kept.
    static QString statesPath();

    // The right column's pages (the diagram, the table of states, ...) are
    // tabs: a page added here comes after them. Ctrl+PgDown and Ctrl+PgUp
    // show the next or the previous one from anywhere in the window (step
    // +1 or -1, round); in the saturation mode they turn its sheets, which
    // stand there.
    void addRightPage(QWidget* page, const QString& title);
    void showRightPage(int step);

    // The formulation of the transport properties of the next runs (View →
    // Transport properties), kept in the settings; a recalled state brings
    // its own back.
    Transport transportChoice() const { return transport; }
    void setTransport(Transport chosen);

    // The page of tables and plots along a line (View → Lines, Ctrl+L), in
    // lines_tab.cpp; in the saturation mode, whose sheets stand in the right
    // column, the (p, t) mode is selected first.
    void showLines();
    LinesPage* linesPage() const { return lines; }

    // The page of unit operations and cycles (View → Equipment, Ctrl+M), in
    // equipment_tab.cpp; a stream of its results can join the table of states.
    void showEquipment();
    EquipmentPage* equipmentPage() const { return equipment; }
    void addStreamToStates(const Stream& stream);

    void setDiagramKind(DiagramChart::Kind kind);
    // The page Chart (View → Diagram chooses its kind; T–s and h–s also the
    // state panel's diagram), in chart_tab.cpp. A point chosen on it is
    // calculated in the mode of the axes' pair, where there is one.
    void setChartKind(ChartKind kind);
    ChartPage* chartPage() const { return chart; }
    void calculateChartPoint(double x, double y);
    void saveDiagramByDialog();
    // The size at which every control stands where it was drawn.
    QSize designedSize() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const std::unique_ptr<Ui::TForm1> ui;
    QWidget* const content;  // the designed client area
    QMenuBar* const menus;
    QSize designedClient;  // the description's size of the client area below the menu bar
    QScrollArea* scroll = nullptr;
    // Extra room goes to the pages on the right (the diagram, the table of
    // states) and to the sheets.
    std::unique_ptr<StretchLayout> contentStretch, stateStretch;
    // In window_frame.cpp: the frame around the designed area, the menus, the
    // place and size the window opens at and leaves with.
    void buildFrame();
    void buildMenuBar();
    void restorePlace();
    void savePlace() const;
    // Held while the window is open: the first free of "window-0.lock",
    // "window-1.lock", ... beside the table of states tells how many other
    // windows are open, and a later window opens that many steps aside.
    std::unique_ptr<QLockFile> instanceLock;
    int instance = 0;
    bool placedAside = false;
    void takeInstanceSlot();
    // Beside the right column's tabs: the phase of the last run, for the pages
    // other than the diagram, whose own title shows it.
    QLabel* pagesPhase = nullptr;
    // The phase beside the tabs takes the room the tabs leave, cut short with
    // "…" where it is longer (whole in its tooltip), so the tabs never scroll.
    void showPagesPhase(const QString& phase);
    void fitPagesPhase();
    void showAbout();

    InputMode inputMode() const { return InputMode(RG_1ItemIndex()); }
    SaturationInput saturationInput() const { return SaturationInput(RG_4ItemIndex()); }
    // A mode without a designed radio item gets one from its row.
    void addModeItems();
    // Shows the inputs the selected mode reads, and hides the others.
    void showInputsOfMode();
    // In mode_options.cpp: the branch of a pair two states share, and the
    // metastable steam of the (p, t) mode, beside the inputs.
    QComboBox* branchChoice = nullptr;
    QCheckBox* metastableCheck = nullptr;
    void buildModeOptions();
    void showModeOptions();
    ModeOptions modeOptions() const;
    // A recalled state's options into the controls of its mode.
    void setModeOptions(const ModeOptions& options);
    // The inputs of a state mode by slot, whatever their quantities: the first
    // where the pressure was designed, the second at its own designed place,
    // or, where that is the first slot, at the enthalpy's.
    void placeInputsBySlot(const QList<QLineEdit*>& inputs);
    QHash<QLineEdit*, QRect> designedPlaces;
    void setResultEditsEnabled(bool enabled);
    // The focus goes into the input with its text selected, so that typing
    // replaces it rather than adding to it.
    static void focusInput(QLineEdit* edit);
    void focusFirstInput();
    void addModeShortcuts();
    void applyPaletteColours();
    // The edits of both sheets, and the staleness of the panel and the sheets.
    QList<QLineEdit*> sheetEdits() const;
    void setPanelStale(bool stale);
    void setSheetsStale(bool stale);
    bool panelStale = false, sheetsStale = false;
    // Moved, and made smaller if need be, so that the whole frame is on the screen.
    void keepFrameOnScreen(QSize wanted);
    bool placedWithWindowFrame = false;
    QSize openingSize;  // the size restored or designed
    void addCopyAllResultsEntry(QWidget* area);
    void showOutputs(const Outputs& outputs);
    // The unit in each caption of an input or a result, as the units say.
    void applyUnitCaptions();
    QHash<QLabel*, QString> designedCaptions;
    Units units;
    QList<Quantity> panelQuantities;
    DeadState deadState;
    // Each input's text as last typed (or recalled), with the units it was
    // typed in: a change of units converts from it, so that a change and back
    // gives the typed text again.
    struct TypedText {
        QString text;
        Units units;
    };
    QHash<QLineEdit*, TypedText> typedInputs;
    void keepTypedInputs();
    StateTable table;
    QStandardItemModel* const statesModel;
    void setupStatesTable();
    void buildLinesPage();
    LinesPage* lines = nullptr;
    void buildEquipmentPage();
    EquipmentPage* equipment = nullptr;
    void buildChartPage();
    void showChartStates(const QList<qsizetype>& selected);
    ChartPage* chart = nullptr;
    void loadStates();
    void appendState(const CalculationRequest& request, const Outputs& outputs);
    bool saveStates(bool closing = false);
    void saveStatesSoon();
    void saveStatesOnClose();
    QTimer saveTimer;
    void showStates();  // the table's rows and their points on the diagram
    bool appendRowCells(const StateRow& row);
    void showTablePoints();
    QAction* copySelectedStatesAction = nullptr;
    QActionGroup* diagramKinds = nullptr;
    Transport transport = Transport::IAPS1985;
    QActionGroup* transportChoices = nullptr;
    void addTransportMenu(QMenu* view);
    void showPicture(QLabel* box, const QString& resource);

    // The last good runs that wrote the result panel and the sheets, as
    // "Copy all results" copies them: the request in the shown units, and as
    // it was typed.
    struct Run {
        CalculationRequest request;
        Outputs outputs;
        CalculationRequest typed;
    };
    std::optional<Run> panelRun, sheetsRun;
};

Ui::TForm1& ControlsOf(TForm1& form);
