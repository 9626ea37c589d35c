// The page Lines in the window: its table is the calculator's texts, a
// refused definition says why and keeps what was typed, a table can be
// cancelled, the start state comes from the table of states, the plot keeps
// lines, the files are written, and the settings come back.
#include "calculate_fixture.h"
#include "edit_binding.h"
#include "line_plot.h"
#include "lines_page.h"

#include "TFS.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QClipboard>
#include <QChartView>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QShortcut>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

class LinesTest : public CalculateTest {
protected:
    LinesPage& page = *form.linesPage();

    void define(LineKind kind, const QString& fixed, const QString& from, const QString& to, const QString& step,
                StepKind stepKind = StepKind::Increment) {
        page.kindBox()->setCurrentIndex(int(kind));
        page.fixedEdit()->setText(fixed);
        page.fromEdit()->setText(from);
        page.toEdit()->setText(to);
        page.stepKindBox()->setCurrentIndex(int(stepKind));
        page.stepEdit()->setText(step);
    }
    void make() {
        page.makeTable();
        page.waitForTable();
    }
    QString cell(int row, const QString& header) const {
        const QAbstractItemModel* model = page.tableView()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == header)
                return model->index(row, c).data().toString();
        return u"no column "_s + header;
    }
};

TEST_F(LinesTest, CtrlLShowsThePageWhoseTableShowsTheCalculatorsTextsRowByRow) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.setRG_1ItemIndex(int(InputMode::Saturation));
    QTest::keyClick(ui.LB_Ps, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(ui.PC_Right->currentWidget(), &page) << "the (p, t) mode is selected to show the right column";
    EXPECT_EQ(form.RG_1ItemIndex(), int(InputMode::ByPT));

    define(LineKind::Isobar, "1", "100", "200", "50");
    make();
    ASSERT_EQ(page.tableView()->model()->rowCount(), 5) << "100, 150, saturated water and steam, 200";
    calculateByPT("1", "150");
    for (const auto& [header, q] :
         {std::pair{u"h, kJ/kg"_s, Quantity::Enthalpy}, std::pair{u"Ro, kg/m3"_s, Quantity::Density},
          std::pair{u"Miu, Pa.s"_s, Quantity::DynamicViscosity}})
        EXPECT_EQ(cell(1, header), ResultEdit(ui, q, Phase::State)->text());
    EXPECT_EQ(cell(2, u"Phase"_s), u"Saturated water"_s);
    EXPECT_EQ(cell(3, u"x"_s), u"1.0000"_s);

    // A change of units writes the same rows anew, and converts what was typed.
    form.setUnits({PressureUnit::Bar, TemperatureUnit::Celsius, UnitSystem::SI});
    EXPECT_EQ(cell(0, u"p, bar"_s), u"10.0000"_s);
    EXPECT_EQ(page.fixedEdit()->text(), u"10"_s);
    form.setUnits({});  // kept in the settings the other tests read
}

// The page writes values into its edits (converted on a change of units,
// taken from a state) that it reads again: in a locale that groups thousands
// ("1,000") a value of a thousand or more must still read as itself.
TEST_F(LinesTest, ValuesOfAThousandOrMoreWrittenByThePageReadAsThemselves) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    define(LineKind::Isotherm, "400", "100", "50", "2", StepKind::Points);
    form.setUnits({PressureUnit::Bar, TemperatureUnit::Fahrenheit, UnitSystem::SI});
    make();
    EXPECT_EQ(page.fromEdit()->text(), u"1000"_s);
    EXPECT_EQ(page.table().line.from, 1000);
    EXPECT_EQ(page.table().line.fixed, 752);

    calculateByPT("100", "1100");
    ui.Tbl_States->selectRow(int(form.states().rows().size()) - 1);
    page.takeSelectedState();
    EXPECT_EQ(page.fixedEdit()->text(), u"1100"_s);
    make();
    EXPECT_DOUBLE_EQ(page.table().line.fixed, 1100);
    form.setUnits({});
    QLocale::setDefault(previous);
}

// Each kind of line keeps its own range: chosen again, it shows it; its
// numbers are never read with another kind's meaning, in the units shown or
// at the next start. "logarithmic" shows the choice for pressures only.
TEST_F(LinesTest, EachKindOfLineKeepsItsOwnRange) {
    define(LineKind::Isotherm, "250", "2", "30", "4", StepKind::Points);
    page.logarithmicBox()->setChecked(true);
    define(LineKind::Isobar, "1", "20", "300", "10");
    EXPECT_FALSE(page.logarithmicBox()->isChecked());
    EXPECT_FALSE(page.logarithmicBox()->isEnabled());
    form.setUnits({PressureUnit::Bar, TemperatureUnit::Celsius, UnitSystem::SI});
    page.kindBox()->setCurrentIndex(int(LineKind::Isotherm));
    const auto shown = [](const LinesPage& p) {
        return QStringList{p.fixedEdit()->text(), p.fromEdit()->text(), p.toEdit()->text(), p.stepEdit()->text(),
                           p.stepKindBox()->currentText()};
    };
    const QStringList isotherm{"250", "20", "300", "4", "Points"};
    EXPECT_EQ(shown(page), isotherm) << "its pressures in bar";
    EXPECT_TRUE(page.logarithmicBox()->isChecked());
    page.kindBox()->setCurrentIndex(int(LineKind::Isobar));
    EXPECT_EQ(shown(page), (QStringList{"10", "20", "300", "10", "Step"}));
    page.kindBox()->setCurrentIndex(int(LineKind::Isotherm));
    LinesPage again;
    EXPECT_EQ(shown(again), isotherm);
    again.kindBox()->setCurrentIndex(int(LineKind::Isobar));
    EXPECT_EQ(again.fixedEdit()->text(), u"10"_s);
    again.kindBox()->setCurrentIndex(int(LineKind::SaturationByP));
    EXPECT_EQ(again.fromEdit()->text(), u"10"_s) << "a kind never made: its first range, 1 MPa, in bar";
    form.setUnits({});
}

TEST_F(LinesTest, ARefusedDefinitionSaysWhyAndKeepsWhatWasTyped) {
    struct Case {
        QString from, to, step;
        StepKind kind;
        const char* message;
    };
    const Case cases[] = {
        {"20", "", "10", StepKind::Increment, " Insert the t to value"},
        {"20", "1.2.3", "10", StepKind::Increment, "'1.2.3' is not a valid floating point value"},
        {"20", "100", "0", StepKind::Increment, " The step must not be zero"},
        {"20", "100", "2.5", StepKind::Points, " The number of points must be a whole number"},
        {"0", "100000", "1", StepKind::Increment,
         " The line would have 100001 points; at most 10000 are computed: take a larger step"},
    };
    for (const Case& c : cases) {
        define(LineKind::Isobar, "1", c.from, c.to, c.step, c.kind);
        make();
        EXPECT_EQ(message(), c.message);
        EXPECT_EQ(page.toEdit()->text(), c.to);
        EXPECT_EQ(page.stepEdit()->text(), c.step);
        EXPECT_EQ(page.tableView()->model()->rowCount(), 0);
    }
    // A start state the calculator refuses is refused as the calculator refuses it.
    page.kindBox()->setCurrentIndex(int(LineKind::Isentrope));
    page.startPressureEdit()->setText("1000");
    make();
    const std::string refused = message();
    calculateByPT("1000", page.startTemperatureEdit()->text());
    EXPECT_EQ(refused, message());
    EXPECT_EQ(page.startPressureEdit()->text(), u"1000"_s);
}

TEST_F(LinesTest, ARefusedRowIsCutToThePhaseColumnWholeInItsTooltip) {
    define(LineKind::Isobar, "1", "3000", "3000", "10");
    make();
    EXPECT_EQ(page.findChild<QLabel*>(u"status"_s)->text(), u"1 row, 1 refused"_s);
    const QModelIndex note = page.tableView()->model()->index(0, 0);
    EXPECT_LT(page.tableView()->columnWidth(0),
              page.tableView()->fontMetrics().horizontalAdvance(note.data().toString()));
    EXPECT_EQ(note.data(Qt::ToolTipRole), note.data());
}

TEST_F(LinesTest, AnIsentropeStartsFromTheSelectedStateAndTheCancelledTableLeavesTheLastOne) {
    calculateByPT("10", "500");
    ui.Tbl_States->selectRow(int(form.states().rows().size()) - 1);
    page.kindBox()->setCurrentIndex(int(LineKind::Isentrope));
    page.takeSelectedState();
    EXPECT_EQ(page.startPressureEdit()->text(), u"10"_s);
    EXPECT_EQ(page.startTemperatureEdit()->text(), u"500"_s);
    // The start state's entropy follows a change of units.
    const QString s = page.findChild<QLabel*>(u"startResult"_s)->text();
    form.setUnits({PressureUnit::MPa, TemperatureUnit::Celsius, UnitSystem::US});
    EXPECT_TRUE(page.findChild<QLabel*>(u"startResult"_s)->text().contains(u"Btu/(lb.F)"_s));
    form.setUnits({});
    EXPECT_EQ(page.findChild<QLabel*>(u"startResult"_s)->text(), s);
    define(LineKind::Isentrope, "", "10", "0.01", "4", StepKind::Points);
    page.logarithmicBox()->setChecked(true);
    make();
    ASSERT_EQ(page.tableView()->model()->rowCount(), 5) << "with the saturated steam where it crosses";
    EXPECT_EQ(cell(0, u"t, C"_s), u"500.0"_s);
    EXPECT_TRUE(cell(4, u"Phase"_s).startsWith(u"Wet steam"_s));

    define(LineKind::Isotherm, "380", "1", "50", "10000", StepKind::Points);
    page.makeTable();
    page.cancel();
    page.waitForTable();
    EXPECT_EQ(page.tableView()->model()->rowCount(), 5) << "the isentrope stays";
    EXPECT_FALSE(page.busy());
}

TEST_F(LinesTest, ThePlotKeepsLinesAndTheTableIsCopiedExportedAndPrinted) {
    define(LineKind::Isotherm, "300", "1", "50", "20", StepKind::Points);
    page.logarithmicBox()->setChecked(true);
    page.plot()->setAxes(Quantity::Pressure, Quantity::SpecificVolume);
    page.plot()->setLogarithmic(true, true);
    make();
    ASSERT_TRUE(page.plot()->keepCurrent());
    page.fixedEdit()->setText("400");
    make();
    QStringList names;
    for (QLineSeries* series : page.plot()->series()) names.append(series->name());
    EXPECT_EQ(names, (QStringList{"Saturation line", "Isotherm t = 300 C", "Isotherm t = 400 C"}));
    // The logarithmic p axis reaches a little beyond 1 and 50 MPa and is
    // labelled at 1, 2 and 5 of each decade.
    auto* p = qobject_cast<QCategoryAxis*>(page.plot()->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->categoriesLabels(), (QStringList{"1", "2", "5", "10", "20", "50"}));
    EXPECT_LT(p->min(), 0);
    EXPECT_GT(p->max(), std::log10(50.0));

    EXPECT_TRUE(page.tableText().startsWith(u"No.\tPhase\tt, C\tp, MPa\t"_s))
        << page.tableText().left(80).toStdString();
    const QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(page.exportCsv(folder.filePath("line.csv"), &error)) << error.toStdString();
    QFile csv(folder.filePath("line.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), "\"Isotherm t = 400 C, p from 1 to 50 MPa, 20 points spaced logarithmically\"\r\n");
    ASSERT_TRUE(page.savePdf(folder.filePath("line.pdf")));
    QFile pdf(folder.filePath("line.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(4), "%PDF");
    EXPECT_TRUE(page.plot()->save(folder.filePath("plot.svg"), &error));

    // The next start shows the same line, columns and axes; Cp and Cv, both
    // heat capacities, are told apart in the settings and in the axes' lists.
    page.setChosenQuantities({Quantity::Temperature, Quantity::Enthalpy, Quantity::IsochoricHeatCapacity});
    {
        LinesPage again;
        EXPECT_EQ(again.kindBox()->currentIndex(), int(LineKind::Isotherm));
        EXPECT_EQ(again.fixedEdit()->text(), u"400"_s);
        EXPECT_TRUE(again.logarithmicBox()->isChecked());
        EXPECT_EQ(again.chosenQuantities(),
                  (QList<Quantity>{Quantity::Temperature, Quantity::Enthalpy, Quantity::IsochoricHeatCapacity}));
        EXPECT_EQ(again.plot()->yQuantity(), Quantity::SpecificVolume);
        EXPECT_TRUE(again.plot()->xLogarithmic());
    }
    page.plot()->setAxes(Quantity::IsochoricHeatCapacity, Quantity::HeatCapacity);
    emit page.plot()->settingsChanged();
    LinesPage again;
    EXPECT_EQ(again.plot()->xQuantity(), Quantity::IsochoricHeatCapacity);
    EXPECT_EQ(again.plot()->yQuantity(), Quantity::HeatCapacity);
    const QComboBox* axis = again.plot()->findChild<QComboBox*>();
    QStringList items;
    for (int i = 0; i < axis->count(); ++i) items.append(axis->itemText(i));
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), items.size()) << items.join(u", "_s).toStdString();
}

// Each kind keeps its own start state and "logarithmic" choice. A start taken
// from the table of states comes back at the next start as the same state,
// although its rounded p and t name another (a wet state). Return on the
// form's check box or combos makes the table.
TEST_F(LinesTest, EachKindKeepsItsStartAndItsLogarithmicChoiceFromOneStartToTheNext) {
    form.setRG_1ItemIndex(int(InputMode::ByHS));
    type(ui.Lb_h, "2089.6403");
    type(ui.Lb_S, "6.599323");
    calculate();
    ui.Tbl_States->selectRow(int(form.states().rows().size()) - 1);
    define(LineKind::Isentrope, "", "0.01", "0.001", "3", StepKind::Points);
    page.takeSelectedState();
    page.logarithmicBox()->setChecked(true);
    make();
    ASSERT_EQ(page.table().rows.size(), 3);
    const double s = page.table().line.fixed;
    EXPECT_NEAR(s, 6.599323, 1e-12);
    const QString startP = page.startPressureEdit()->text();

    define(LineKind::Isenthalp, "", "10", "1", "2", StepKind::Points);
    EXPECT_FALSE(page.logarithmicBox()->isChecked()) << "the isentrope's choice";
    type(page.startPressureEdit(), "5");
    type(page.startTemperatureEdit(), "300");
    make();
    EXPECT_NEAR(page.table().line.fixed, 2925.6, 0.1);
    page.kindBox()->setCurrentIndex(int(LineKind::Isentrope));
    EXPECT_EQ(page.startPressureEdit()->text(), startP);
    EXPECT_TRUE(page.logarithmicBox()->isChecked());

    LinesPage again;
    ASSERT_EQ(again.kindBox()->currentIndex(), int(LineKind::Isentrope));
    QSignalSpy made(&again, &LinesPage::tableReady);
    for (QWidget* control : std::initializer_list<QWidget*>{again.logarithmicBox(), again.kindBox(), again.stepKindBox()}) {
        QTest::keyClick(control, Qt::Key_Return);
        again.waitForTable();
    }
    EXPECT_EQ(made.count(), 3);
    EXPECT_EQ(again.table().line.fixed, s);
    EXPECT_TRUE(again.table().line.logarithmic);
    again.kindBox()->setCurrentIndex(int(LineKind::Isenthalp));
    EXPECT_EQ(again.startPressureEdit()->text(), u"5"_s);
}

// The table behaves as the table of states: Tab leaves it, Ctrl+C copies its
// selected rows in full under the header. Its commands have menu entries,
// with keys that no other command of the window takes.
TEST_F(LinesTest, TheTableIsLeftByTabCopiesItsSelectedRowsAndItsCommandsAreInTheMenus) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.showLines();
    define(LineKind::Isobar, "1", "100", "200", "50");
    make();
    QTableView* view = page.tableView();
    view->setFocus();
    view->selectRow(1);
    view->selectionModel()->select(view->model()->index(4, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 3);
    EXPECT_TRUE(copied[0].startsWith(u"No.\tPhase\t"_s));
    EXPECT_TRUE(copied[1].startsWith(u"2\t"_s));
    EXPECT_TRUE(copied[2].startsWith(u"5\t"_s));
    const QStringList cells = copied[1].split(u'\t');
    EXPECT_TRUE(std::any_of(cells.begin(), cells.end(), [](const QString& c) { return c.toDouble() == TFS::h_pt(1, 150); }))
        << "h in full: " << copied[1].toStdString();
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), view);

    QStringList entries;
    for (QAction* menu : form.menuBar()->actions())
        for (QAction* entry : menu->menu()->actions())
            if (!entry->shortcut().isEmpty()) entries.append(entry->text());
    for (const QAction* command : {page.commands().copy, page.commands().csv, page.commands().print,
                                   page.commands().pdf})
        EXPECT_TRUE(entries.contains(command->text())) << command->text().toStdString();
    QList<QKeySequence> keys;
    for (const QAction* action : form.findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcutContext() != Qt::WidgetShortcut)
            keys.append(action->shortcut());
    for (const QShortcut* shortcut : form.findChildren<QShortcut*>()) keys.append(shortcut->key());
    for (const QKeySequence& key : keys)
        EXPECT_EQ(keys.count(key), 1) << key.toString().toStdString();
}

// Columns are as wide as their texts: a wet state's phase in the Lines table,
// a longer typed value appended to the table of states.
TEST_F(LinesTest, ColumnsAreAsWideAsTheirTexts) {
    const auto whole = [](QTableView* view, int column) {
        return view->columnWidth(column) >= static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column);
    };
    page.kindBox()->setCurrentIndex(int(LineKind::Isentrope));
    type(page.startPressureEdit(), "1");
    type(page.startTemperatureEdit(), "200");
    define(LineKind::Isentrope, "", "1", "0.01", "5", StepKind::Points);
    make();
    ASSERT_TRUE(cell(4, u"Phase"_s).startsWith(u"Wet steam, dryness x = "_s));
    EXPECT_TRUE(whole(page.tableView(), 0));

    calculateByPT("1", "100");
    calculateByPT("1.23456789", "100.987654321");
    const QAbstractItemModel* states = ui.Tbl_States->model();
    for (int c = 0; c < states->columnCount(); ++c)
        EXPECT_TRUE(whole(ui.Tbl_States, c)) << states->headerData(c, Qt::Horizontal).toString().toStdString();
}

// The pages of a long line show their progress and a busy cursor while they
// are made; the cursor is the user's again after.
TEST_F(LinesTest, ALongLinesPagesShowTheirProgressWhileTheyAreMade) {
    define(LineKind::Isobar, "1", "20", "800", "3000", StepKind::Points);
    make();
    bool shown = false, busy = false;
    QTimer::singleShot(0, [&] {
        const auto* bar = page.findChild<QProgressDialog*>();
        shown = bar != nullptr && bar->isVisible();
        busy = QGuiApplication::overrideCursor() != nullptr;
    });
    const QTemporaryDir folder;
    ASSERT_TRUE(page.savePdf(folder.filePath("line.pdf")));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(busy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The pointer near a row, not only on the line, shows the row's line, p, t and
// plotted values; the plot is saved as a PNG of the size and resolution
// chosen, or as a PDF.
TEST_F(LinesTest, ThePointerNearARowShowsItsStateAndThePlotIsSavedAtTheChosenSize) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.showLines();
    page.views()->setCurrentIndex(1);
    define(LineKind::Isobar, "1", "100", "300", "100");
    page.plot()->setAxes(Quantity::Entropy, Quantity::Enthalpy);
    page.plot()->setLogarithmic(false, false);
    make();
    QLineSeries* line = page.plot()->series().back();
    ASSERT_EQ(line->count(), 5) << "100, both saturated states, 200 and 300";
    const QPoint at = page.plot()->chartView()->mapFromScene(page.plot()->chart()->mapToPosition(line->at(3), line));
    const QString tip = page.plot()->toolTipAt(at + QPoint(7, -7));
    for (const char* shown : {"Isobar p = 1 MPa\n", "p, MPa: 1\n", "t, C: 200\n", "s, kJ/(kg.C): ", "h, kJ/kg: "})
        EXPECT_TRUE(tip.contains(QString::fromUtf8(shown))) << shown << " in " << tip.toStdString();
    EXPECT_EQ(page.plot()->toolTipAt(at + QPoint(60, 60)), u""_s);

    const QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(page.plot()->save(folder.filePath("plot.png"), &error, QSize(900, 500), 144));
    const QImage png(folder.filePath("plot.png"));
    EXPECT_EQ(png.size(), QSize(900, 500));
    EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), 144);
    ASSERT_TRUE(page.plot()->save(folder.filePath("plot.pdf"), &error));
    QFile pdf(folder.filePath("plot.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(4), "%PDF");
}

}  // namespace
