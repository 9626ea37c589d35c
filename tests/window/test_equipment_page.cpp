// The page Equipment in the window: every operation's form runs the core and
// shows its values, a refusal says why and keeps what was typed, the page is
// reached and walked by keyboard, the CSV has the inputs and units as header
// rows, and a stream joins the table of states.
#include "calculate_fixture.h"
#include "cycle_form.h"
#include "equipment_form.h"
#include "equipment_page.h"
#include "process_diagram.h"
#include "text_to_real.h"
#include "units_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

class EquipmentTest : public CalculateTest {
protected:
    EquipmentPage& page = *form.equipmentPage();

    QString cell(const QTableWidget* table, int row, int column) const {
        const QTableWidgetItem* item = table->item(row, column);
        return item != nullptr ? item->text() : u"no cell"_s;
    }
    static int indexOf(Operation operation) { return int(&OperationRowOf(operation) - Operations().data()); }
    OperationForm& formOf(Operation operation) const { return *page.operationForm(indexOf(operation)); }
    void show(Operation operation) { page.showOperation(indexOf(operation)); }
};

// Each form, run with the values it first shows, gives the streams and
// figures the core gives for the values it reads; the cycle too, its states
// closed into a loop on the diagram.
TEST_F(EquipmentTest, EveryFormShowsTheCoresResultOfItsValues) {
    for (int index = 0; index <= int(Operations().size()); ++index) {
        page.showOperation(index);
        page.calculate();
        const std::string name = page.operationBox()->currentText().toStdString();
        ASSERT_EQ(message(), "") << name;
        ASSERT_TRUE(page.report()) << name;
        QList<NamedStream> streams;
        QList<NamedFigure> figures;
        if (index < Operations().size()) {
            const OperationRow& row = Operations()[index];
            const OperationResult result = row.run(page.operationForm(index)->read({}));
            streams = result.streams;
            figures = result.figures;
        } else {
            const RankineResult cycle = RankineCycle(page.cycleForm()->read({}));
            for (const CycleState& state : cycle.states) streams.append({state.name, state.stream});
            figures = {{u"Net power"_s, ParameterKind::Power, cycle.netPower}};
            EXPECT_EQ(page.diagram()->processLines().size(), cycle.states.size()) << "closed";
        }
        ASSERT_EQ(page.streamsTable()->rowCount(), streams.size()) << name;
        for (int r = 0; r < streams.size(); ++r) {
            EXPECT_EQ(cell(page.streamsTable(), r, 3),
                      OutputText(Quantity::Enthalpy, streams[r].stream.h, Place::OtherStateModes, {}))
                << name << " row " << r;
            EXPECT_TRUE(cell(page.streamsTable(), r, 0).endsWith(streams[r].name)) << name;
        }
        // The figures by name: their values as the page writes them.
        for (const NamedFigure& figure : figures) {
            const auto rows = page.figuresTable()->findItems(figure.name, Qt::MatchExactly);
            ASSERT_EQ(rows.size(), 1) << name << " " << figure.name.toStdString();
            const double shown = TextToReal(cell(page.figuresTable(), rows.front()->row(), 1));
            EXPECT_NEAR(shown, figure.value, 1e-3 * std::max(1.0, std::fabs(figure.value))) << name;
        }
    }
}

// A refused value is a message; the field it names keeps its text and takes
// the focus, selected; the result shown stays the last good one.
TEST_F(EquipmentTest, ARefusalSaysWhyAndKeepsWhatWasTyped) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.showEquipment();
    show(Operation::Turbine);
    OperationForm& turbine = formOf(Operation::Turbine);
    page.calculate();
    ASSERT_EQ(message(), "");
    const QString shown = page.reportText();
    QLineEdit* outletPressure = turbine.parameters()[0]->edit;
    QLineEdit* efficiency = turbine.parameters()[1]->edit;
    const struct {
        QLineEdit* edit;
        QString typed;
        const char* saying;
    } cases[] = {
        {outletPressure, u"20"_s, "pressure"},
        {efficiency, u"1.5"_s, "efficiency"},
        {efficiency, u"0,8x"_s, "not a valid floating point value"},
        {turbine.streams()[0]->first, u""_s, "Insert the p value"},
        {turbine.streams()[0]->flow, u"-3"_s, "flow"},
    };
    for (const auto& c : cases) {
        const QString before = c.edit->text();
        type(c.edit, c.typed);
        page.calculateButton()->setFocus();
        page.calculate();
        EXPECT_NE(message().find(c.saying), std::string::npos) << c.saying;
        EXPECT_EQ(c.edit->text(), c.typed);
        EXPECT_EQ(QApplication::focusWidget(), c.edit) << c.saying;
        EXPECT_EQ(page.reportText(), shown) << "nothing half computed";
        c.edit->setText(before);
    }
}

// Ctrl+M shows the page with the list of operations focused; Tab reaches every
// control of the form shown and the commands, and the operation's form
// follows the list's arrow keys.
TEST_F(EquipmentTest, EverythingIsReachedByKeyboard) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.setRG_1ItemIndex(int(InputMode::Saturation));
    QTest::keyClick(ui.LB_Ps, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(ui.PC_Right->currentWidget(), &page);
    ASSERT_EQ(QApplication::focusWidget(), page.operationBox());
    for (const int index : {indexOf(Operation::Header), int(Operations().size())}) {
        page.showOperation(index);
        // No two controls in view answer one Alt key: Alt+C closes the window.
        QMap<QKeySequence, QString> mnemonics;
        QStringList texts;
        for (QAction* menu : form.menuBar()->actions()) texts.append(menu->text());
        for (QAbstractButton* button : form.findChildren<QAbstractButton*>())
            if (button->isVisible()) texts.append(button->text());
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty()) continue;
            EXPECT_FALSE(mnemonics.contains(key)) << text.toStdString() << " and " << mnemonics[key].toStdString();
            mnemonics.insert(key, text);
        }
        QSet<QWidget*> reached;
        for (int tab = 0; tab < 60; ++tab) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* control : page.findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                                  qobject_cast<QAbstractButton*>(control) || qobject_cast<QTableWidget*>(control);
            if (operable && control->isVisible() && control->isEnabled()) {
                EXPECT_TRUE(reached.contains(control))
                    << index << " " << control->metaObject()->className() << " " << control->objectName().toStdString();
            }
        }
    }
    page.operationBox()->setFocus();
    page.showOperation(0);
    QTest::keyClick(page.operationBox(), Qt::Key_Down);
    EXPECT_EQ(page.operationBox()->currentIndex(), 1);
    EXPECT_TRUE(page.operationForm(1)->isVisible());
}

// The CSV names the operation, the units and every input before the streams
// and figures, numbers in full: they read back as the values computed.
TEST_F(EquipmentTest, TheCsvHasTheInputsAndUnitsAsHeaderRows) {
    // The plant's units, chosen as the user chooses them.
    UnitsDialog dialog(form.shownUnits(), &form);
    dialog.findChild<QComboBox*>(u"Cb_Pressure"_s)->setCurrentIndex(int(PressureUnit::Bar));
    dialog.findChild<QComboBox*>(u"Cb_MassFlow"_s)->setCurrentIndex(int(MassFlowUnit::TonnePerHour));
    dialog.findChild<QComboBox*>(u"Cb_Power"_s)->setCurrentIndex(int(PowerUnit::Megawatt));
    form.setUnits(dialog.chosen());
    show(Operation::Desuperheater);
    page.calculate();
    ASSERT_EQ(message(), "");
    const QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(page.exportCsv(dir.filePath(u"d.csv"_s), &error)) << error.toStdString();
    QFile file(dir.filePath(u"d.csv"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u"\r\n"_s);
    EXPECT_EQ(lines[0], u"Desuperheater"_s);
    EXPECT_EQ(lines[1], u"Units,\"pressure bar, temperature C, SI, mass flow t/h, power MW\""_s);
    EXPECT_TRUE(lines[2].startsWith(u"Input,Inlet steam mode,\"F( p, t )\","_s)) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(u"Input,Inlet steam p,40,bar"_s)) << lines[3].toStdString();
    const qsizetype header = lines.indexOf(
        u"Stream,\"p, bar\",\"t, C\",\"h, kJ/kg\",\"S, kJ/(kg.C)\",\"V, m3/kg\",x,"
        u"\"Mass flow, t/h\",\"Energy flow, MW\""_s);
    ASSERT_GT(header, 3);
    const Stream& outlet = page.report()->streams.back().stream;
    const QStringList last = lines[header + page.report()->streams.size()].split(u',');
    EXPECT_EQ(last[0], u"Outlet"_s);
    EXPECT_EQ(TextToReal(last[3]), outlet.h);
    EXPECT_DOUBLE_EQ(TextToReal(last[7]), outlet.massFlow * 3.6);
    ASSERT_TRUE(page.savePdf(dir.filePath(u"d.pdf"_s)));
    QFile pdf(dir.filePath(u"d.pdf"_s));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    form.setUnits({});
}

// The texts last calculated in each form, its choices and the operation shown
// come back at the next start.
TEST_F(EquipmentTest, TheLastInputsOfEveryFormComeBack) {
    show(Operation::Heater);
    OperationForm& heater = formOf(Operation::Heater);
    heater.parameters()[1]->choice->setCurrentIndex(1);
    heater.parameters()[1]->edit->setText(u"0.9"_s);
    heater.streams()[0]->mode->setCurrentIndex(1);
    heater.streams()[0]->first->setText(u"2"_s);
    heater.streams()[0]->second->setText(u"500"_s);
    page.calculate();
    ASSERT_EQ(message(), "");
    page.showOperation(int(Operations().size()));
    page.cycleForm()->reheat->setChecked(true);
    page.calculate();
    ASSERT_EQ(message(), "");

    EquipmentPage again;
    EXPECT_EQ(again.operationBox()->currentText(), u"Rankine cycle"_s);
    EXPECT_TRUE(again.cycleForm()->reheat->isChecked());
    const OperationForm& kept = *again.operationForm(indexOf(Operation::Heater));
    EXPECT_EQ(kept.parameters()[1]->choice->currentIndex(), 1);
    EXPECT_EQ(kept.parameters()[1]->edit->text(), u"0.9"_s);
    EXPECT_EQ(kept.streams()[0]->mode->currentIndex(), 1);
    EXPECT_EQ(kept.streams()[0]->second->text(), u"500"_s);
}

// The selected streams of a result become (p, h) states of the table, and the
// table's selected states become the inlets of a form.
TEST_F(EquipmentTest, StreamsJoinTheTableOfStatesAndStatesFillTheInlets) {
    calculateByPT("4", "380");
    calculateByPT("1.5", "300");
    ui.Tbl_States->selectAll();
    show(Operation::Header);
    page.takeSelectedStates();
    OperationForm& header = formOf(Operation::Header);
    EXPECT_EQ(header.streams()[0]->first->text(), u"4"_s);
    EXPECT_EQ(header.streams()[1]->second->text(), u"300"_s);
    page.calculate();
    ASSERT_EQ(message(), "");
    const qsizetype before = form.states().rows().size();
    page.addSelectedStreams();
    EXPECT_NE(message().find("Select a stream"), std::string::npos);
    page.streamsTable()->selectRow(2);
    page.addSelectedStreams();
    ASSERT_EQ(form.states().rows().size(), before + 1);
    const StateRow& added = form.states().rows().back();
    EXPECT_EQ(added.request.mode, InputMode::ByPH);
    const Stream& outlet = page.report()->streams[2].stream;
    for (const StoredValue& value : added.values)
        if (value.quantity == Quantity::Temperature && value.phase == Phase::State) {
            EXPECT_NEAR(value.value, outlet.t, 1e-9 * outlet.t);
        }
}

}  // namespace
