// An engineer's working session: the table of states fills with every good
// run, survives a restart and a damaged file, is shared by two windows, is
// copied, exported and
// recalled; units preset in the settings change captions, inputs and results;
// the diagram turns into the Mollier diagram and is saved.
#include "edit_binding.h"
#include "labelled_edit.h"
#include "message_box.h"
#include "u_H2O_ORV.h"
#include "ui_u_H2O_ORV.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineSeries>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QScatterSeries>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WorkingSession : public ::testing::Test {
protected:
    // Each test starts without a table of states or chosen units.
    WorkingSession() {
        QFile::remove(TForm1::statesPath());
        QSettings().clear();
        SetMessageCapture([this](const ShownMessage& m) { messages << m.text; });
    }
    ~WorkingSession() override { SetMessageCapture({}); }

    std::unique_ptr<TForm1> open() {
        auto form = std::make_unique<TForm1>();
        form->show();
        QApplication::processEvents();  // a message about the table comes once the window is shown
        return form;
    }
    static void run(TForm1& form, int mode, const QString& first, const QString& second = {}) {
        form.setRG_1ItemIndex(mode);
        Ui::TForm1& ui = ControlsOf(form);
        const QList<QLineEdit*> inputs = InputEditsOf(ui, InputMode(mode), SaturationInput::ByPs);
        inputs[0]->setText(first);
        if (inputs.size() > 1) inputs[1]->setText(second);
        ui.BB_Calk->click();
    }
    static QString cell(TForm1& form, int row, const QString& header) {
        const QAbstractItemModel* model = ControlsOf(form).Tbl_States->model();
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->headerData(column, Qt::Horizontal).toString() == header)
                return model->index(row, column).data().toString();
        return QStringLiteral("no column ") + header;
    }

    QStringList messages;
};

TEST_F(WorkingSession, EveryGoodRunIsARowKeptBetweenStarts) {
    {
        auto form = open();
        run(*form, 0, "1", "200");
        run(*form, 0, "110", "200");  // refused: no row
        run(*form, 1, "1", "2000");
        run(*form, 2, "0.1");
        ASSERT_EQ(form->states().rows().size(), 3);
        EXPECT_EQ(cell(*form, 0, "No."), "1");
        EXPECT_EQ(cell(*form, 0, "h, kJ/kg"), "2828.27");
        EXPECT_EQ(cell(*form, 1, "Phase"), "Wet steam, dryness x = 0.6142 (IF97 region 4)");
        EXPECT_EQ(ControlsOf(*form).Chart_TS->tablePoints()->count(), 2) << "the state runs are numbered points";
        form->deleteStates({0});
    }  // closed: the table is written
    auto again = open();
    ASSERT_EQ(again->states().rows().size(), 2);
    EXPECT_EQ(again->states().rows()[0].number, 2);
    run(*again, 0, "1", "300");
    EXPECT_EQ(again->states().rows().back().number, 4) << "numbers are not given twice";
    again->recallState(0);
    EXPECT_EQ(again->RG_1ItemIndex(), 1);
    EXPECT_EQ(ControlsOf(*again).Lb_h->text(), "2000");
    again->clearStates();
    EXPECT_EQ(messages.takeLast().toStdString(), "Clear all 3 states of the table?");
    EXPECT_TRUE(again->states().rows().isEmpty());
}

// View → Transport properties: two exclusive choices, the designed one first,
// kept in the settings; each row keeps its own, and Recall brings it back.
TEST_F(WorkingSession, TransportChoiceIsKeptAndRecalledWithItsRow) {
    auto form = open();
    QList<QAction*> choices;
    for (QAction* menu : form->menuBar()->actions())
        if (menu->text() == "&View")
            for (QAction* item : menu->menu()->actions())
                if (item->text() == "&Transport properties") choices = item->menu()->actions();
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0]->text(), "IAPS 1985");
    EXPECT_EQ(choices[1]->text(), "IAPWS 2008/2011");
    EXPECT_TRUE(choices[0]->isChecked());
    run(*form, 0, "1", "200");
    const QString designed = ControlsOf(*form).LB_LRes->text();
    choices[1]->trigger();
    EXPECT_FALSE(choices[0]->isChecked());
    EXPECT_EQ(QSettings().value("transport/formulation").toString(), "IAPWS2008-2011");
    EXPECT_TRUE(form->panelResultsStale()) << "the results on show are the other formulation's";
    run(*form, 0, "1", "200");
    EXPECT_EQ(ControlsOf(*form).LB_LRes->text(), "3.631E-02");
    EXPECT_NE(ControlsOf(*form).LB_LRes->text(), designed);
    EXPECT_EQ(cell(*form, 0, "Transport"), "IAPS 1985");
    EXPECT_EQ(cell(*form, 1, "Transport"), "IAPWS 2008/2011");
    form->recallState(0);
    EXPECT_EQ(form->transportChoice(), Transport::IAPS1985);
    EXPECT_TRUE(choices[0]->isChecked());
    form->setTransport(Transport::IAPWS2008_2011);
    form.reset();
    EXPECT_EQ(open()->transportChoice(), Transport::IAPWS2008_2011) << "the choice outlives the window";
}

// Two windows at once share the table: a save merges the rows the other
// window saved meanwhile and shows them, its own row numbered after them.
TEST_F(WorkingSession, TwoWindowsKeepEachOthersRows) {
    auto first = open();
    auto second = open();
    run(*first, 0, "1", "200");
    run(*second, 0, "2", "250");
    EXPECT_EQ(cell(*second, 0, "No."), "1");
    first->close();
    second->close();
    ASSERT_EQ(ControlsOf(*second).Tbl_States->model()->rowCount(), 2);
    EXPECT_EQ(cell(*second, 0, "p, MPa"), "1.0000");
    EXPECT_EQ(cell(*second, 1, "No."), "2");
    EXPECT_EQ(cell(*second, 1, "p, MPa"), "2.0000");
    EXPECT_EQ(ControlsOf(*second).Chart_TS->tablePoints()->count(), 2);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// A second window opens aside from the first, so that both are seen; once
// the first is closed, the next opens in its place.
TEST_F(WorkingSession, ASecondWindowOpensAsideFromTheFirst) {
    auto first = open();
    auto second = open();
    EXPECT_NE(second->pos(), first->pos());
    const QPoint place = first->pos();
    first.reset();
    second.reset();
    EXPECT_EQ(open()->pos(), place);
}

// A window closing while another program holds the table keeps its new rows
// beside the file, and the next window finds them in the table.
TEST_F(WorkingSession, RowsOfASaveRefusedAtCloseComeBackWithTheNextWindow) {
    auto form = open();
    run(*form, 0, "1", "200");
    QDir().mkpath(QFileInfo(TForm1::statesPath()).path());
    QLockFile held(TForm1::statesPath() + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    form->close();
    held.unlock();
    form.reset();
    auto next = open();
    ASSERT_EQ(next->states().rows().size(), 1);
    EXPECT_EQ(cell(*next, 0, "p, MPa"), "1.0000");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(WorkingSession, ADamagedTableIsSetAsideWithAMessage) {
    QDir().mkpath(QFileInfo(TForm1::statesPath()).path());
    QFile file(TForm1::statesPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\": 1, \"rows\": [tru");
    file.close();
    auto form = open();
    EXPECT_TRUE(form->states().rows().isEmpty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(QFile::exists(TForm1::statesPath() + ".damaged"));
    run(*form, 0, "1", "200");
    EXPECT_EQ(form->states().rows().size(), 1);
}

TEST_F(WorkingSession, SelectedRowsAreCopiedAndExported) {
    auto form = open();
    run(*form, 0, "1", "200");
    run(*form, 0, "2", "250");
    Ui::TForm1& ui = ControlsOf(*form);
    ui.PC_Right->setCurrentWidget(ui.TabStates);
    ui.Tbl_States->selectRow(1);
    ui.Tbl_States->setFocus();
    QTest::keyClick(ui.Tbl_States, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 2) << "the header and the selected row";
    EXPECT_TRUE(copied[0].startsWith("No.\tMode\tPhase"));
    EXPECT_TRUE(copied[1].startsWith("2\tp, t\t"));

    const QTemporaryDir folder;
    QString error;
    ui.Tbl_States->clearSelection();
    ASSERT_TRUE(form->exportStates(folder.filePath("states.csv"), &error)) << error.toStdString();
    QFile csv(folder.filePath("states.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count("\r\n"), 3) << "no selection: every row";
    EXPECT_FALSE(form->exportStates(folder.filePath("missing/states.csv"), &error));
}

TEST_F(WorkingSession, UnitsFromTheSettingsChangeCaptionsInputsAndResults) {
    QSettings settings;
    settings.setValue("units/pressure", "bar");
    settings.setValue("units/temperature", "F");
    settings.setValue("units/system", "US");
    settings.sync();
    auto form = open();
    Ui::TForm1& ui = ControlsOf(*form);
    EXPECT_EQ(labelOf(ui.Lb_P)->text(), "p, bar =");
    EXPECT_EQ(labelOf(ui.Lb_hRes)->text(), "Enthalpy h, Btu/lb =");
    EXPECT_EQ(labelOf(ui.LB_hS)->text(), "Enthalpy hw, Btu/lb =");
    run(*form, 0, "1100", "392");
    EXPECT_EQ(messages.takeLast().toStdString(), " Inadequately set pressure: P>1000 bar or P<0.005 bar");
    run(*form, 0, "10", "392");  // 1 MPa, 200 °C
    EXPECT_EQ(ui.LB_PRes->text(), "10.0000");
    EXPECT_EQ(ui.Lb_hRes->text(), "1215.94");  // 2828.27 kJ/kg
    const QStringList row = form->statesText().split('\n')[1].split('\t');
    EXPECT_EQ(row.mid(4, 2), (QStringList{"10", "392"})) << "the table's inputs as typed";
    const QValueAxis* entropy = ControlsOf(*form).Chart_TS->horizontalAxis();
    EXPECT_EQ(entropy->titleText(), "S, Btu/(lb.F)");
    // The designed 0 to 10 kJ/(kg.C) is 0 to 2.388 Btu/(lb.F): ticks at round
    // numbers of it, as many as designed, the last just beyond.
    EXPECT_GE((entropy->max() - entropy->min()) / entropy->tickInterval(), 5.0);
    EXPECT_LT(entropy->max(), 10 / 4.1868 + entropy->tickInterval());

    form->setUnits({});  // back: the typed inputs keep their states
    EXPECT_EQ(ui.Lb_P->text(), "1");
    EXPECT_EQ(ui.Lb_hRes->text(), "2828.27");
    EXPECT_EQ(labelOf(ui.Lb_hRes)->text(), "Enthalpy h, kJ/kg =");
    EXPECT_EQ(LoadUnits(settings), Units{});
}

// Each input is converted from its text as typed: a change of units and back
// gives the typed texts again. A converted text has 10 significant digits and
// leaves the input's font as it is.
TEST_F(WorkingSession, AChangeOfUnitsAndBackGivesTheTypedTextsAgain) {
    auto form = open();
    Ui::TForm1& ui = ControlsOf(*form);
    run(*form, 3, "1", "6.5");  // (p, s)
    const QFont font = ui.Lb_P->font();
    const QString copied = form->allResultsText();
    const Units psi{PressureUnit::Psi, TemperatureUnit::Celsius, UnitSystem::SI};
    const Units us{PressureUnit::MPa, TemperatureUnit::Fahrenheit, UnitSystem::US};
    const Units gauge{PressureUnit::BarGauge, TemperatureUnit::Celsius, UnitSystem::SI, MassFlowUnit::KilogramPerSecond,
                      PowerUnit::Kilowatt, 0.095};
    for (const Units& other : {psi, us, gauge, Units{PressureUnit::KPa, TemperatureUnit::Kelvin, UnitSystem::US}}) {
        form->setUnits(other);
        form->setUnits(psi);
        form->setUnits({});
        EXPECT_EQ(ui.Lb_P->text(), "1");
        EXPECT_EQ(ui.Lb_S->text(), "6.5");
        EXPECT_EQ(form->allResultsText(), copied) << "the run's inputs too";
    }
    form->setUnits(psi);
    EXPECT_EQ(ui.Lb_P->text(), "145.0377377") << "1 MPa = 145.03773773... psi";
    EXPECT_EQ(ui.Lb_P->font(), font);
    EXPECT_EQ(ui.Lb_P->cursorPosition(), 0) << "the text's start in view";
    ui.Lb_P->setText("150");  // typed in psi
    form->setUnits({});
    EXPECT_EQ(ui.Lb_P->text(), "1.034213594");
    form->setUnits(psi);
    EXPECT_EQ(ui.Lb_P->text(), "150");
    // A gauge: the input, the results, the captions, the table's header follow.
    form->setUnits({});
    run(*form, 0, "1", "200");
    form->setUnits(gauge);
    EXPECT_EQ(ui.Lb_P->text(), "9.05");
    EXPECT_EQ(labelOf(ui.Lb_P)->text(), "p, bar g =");
    EXPECT_EQ(ui.LB_PRes->text(), "9.0500");
    EXPECT_TRUE(form->statesText().split('\n')[0].contains("p, bar g")) << form->statesText().toStdString();
    QSettings settings;
    EXPECT_EQ(LoadUnits(settings), gauge) << "the gauge and its atmosphere kept";
}

// A file dialog opens in the Documents folder the first time, then in the
// folder last saved into, after a restart too.
TEST_F(WorkingSession, FileDialogsOpenInDocumentsThenInTheLastFolderUsed) {
    const QTemporaryDir home;
    const QString documents = home.filePath("Documents"), pictures = home.filePath("Pictures"),
                  reports = home.filePath("reports");
    for (const QString& folder : {documents, pictures, reports}) ASSERT_TRUE(QDir().mkpath(folder));
    // The desktop's folders, as xdg-user-dirs names them.
    ASSERT_TRUE(QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QFile userDirs(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs");
    ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
    userDirs.write(
        QStringLiteral("XDG_DOCUMENTS_DIR=\"%1\"\nXDG_PICTURES_DIR=\"%2\"\n").arg(documents, pictures).toUtf8());
    userDirs.close();

    QStringList openedIn;
    // The next dialog: where it opened; the file is saved in reports.
    const auto answer = [&](const QString& name) {
        QTimer::singleShot(0, [&, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            openedIn << dialog->directory().absolutePath();
            dialog->selectFile(QDir(reports).filePath(name));
            static_cast<QDialog*>(dialog)->accept();  // as Save does
        });
    };
    {
        auto form = open();
        run(*form, 0, "1", "200");
        answer("states.csv");
        form->exportStatesByDialog();
        answer("diagram.png");
        form->saveDiagramByDialog();
    }
    auto again = open();
    answer("diagram.svg");
    again->saveDiagramByDialog();
    userDirs.remove();
    EXPECT_EQ(openedIn, (QStringList{documents, reports, reports}));
    for (const char* name : {"states.csv", "diagram.png", "diagram.svg"})
        EXPECT_TRUE(QFile::exists(QDir(reports).filePath(name))) << name;
}

TEST_F(WorkingSession, TheMollierDiagramIsShownAndSaved) {
    auto form = open();
    run(*form, 0, "1", "200");
    form->setDiagramKind(DiagramChart::Kind::EnthalpyEntropy);
    DiagramChart& chart = *ControlsOf(*form).Chart_TS;
    EXPECT_EQ(chart.verticalAxis()->titleText(), "h, kJ/kg");
    EXPECT_NEAR(chart.statePoint()->at(0).y(), 2828.27, 0.01);
    EXPECT_NEAR(chart.waterCurve()->points().back().y(), 2087.5, 1.0) << "the dome's top at the critical enthalpy";
    const QTemporaryDir folder;
    for (const char* name : {"diagram.png", "diagram.svg"}) {
        QString error;
        EXPECT_TRUE(chart.save(folder.filePath(name), &error)) << error.toStdString();
        EXPECT_GT(QFileInfo(folder.filePath(name)).size(), 1000) << name;
    }
    form->setDiagramKind(DiagramChart::Kind::TemperatureEntropy);
    EXPECT_NEAR(chart.waterCurve()->points().back().y(), 373.946, 1e-9) << "the dome in temperatures again";
}

}  // namespace
