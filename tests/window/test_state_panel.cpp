// The state panel (phase and temperature-entropy diagram) and "Copy all
// results", as the window wires them.
#include "calculate_fixture.h"

#include "diagram_chart.h"
#include "number_format.h"
#include "panel_quantities.h"
#include "quantities_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTabBar>
#include <QValueAxis>

#include <numeric>

namespace {

using Q = Quantity;

class StatePanelTest : public CalculateTest {
protected:
    // The texts below are written with a full stop.
    const QLocale previousLocale;
    StatePanelTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~StatePanelTest() override { QLocale::setDefault(previousLocale); }

    DiagramChart& chart = *ui.Chart_TS;

    void calculateByPH(const QString& p, const QString& h) {
        form.setRG_1ItemIndex(1);
        type(ui.Lb_P, p);
        type(ui.Lb_h, h);
        calculate();
    }
    void calculateByTs(const QString& ts) {
        form.setRG_1ItemIndex(2);
        form.setRG_4ItemIndex(1);
        type(ui.LB_Ts, ts);
        calculate();
    }
    std::string phase() const { return ui.Lb_Phase->text().toStdString(); }
    std::string clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }
};

TEST_F(StatePanelTest, StandsInPlaceOfTheSheetsOutsideTheSaturationMode) {
    // The pages of the diagram and the table of states in the place of the sheets.
    EXPECT_EQ(ui.PC_Right->geometry(), ui.PageControl1->geometry());
    EXPECT_TRUE(ui.Pan_State->isVisible());
    EXPECT_EQ(phase(), "");
    EXPECT_GT(chart.waterCurve()->count(), 0) << "the dome is drawn from the start";
    EXPECT_EQ(chart.isobarCurve()->count(), 0);
    EXPECT_EQ(chart.statePoint()->count(), 0);
    form.setRG_1ItemIndex(1);
    EXPECT_TRUE(ui.Pan_State->isVisible());
    form.setRG_1ItemIndex(2);
    EXPECT_FALSE(ui.Pan_State->isVisible());
    EXPECT_TRUE(ui.PageControl1->isVisible());
}

// The selected states of the table are joined in their order, as a process;
// states at one place share one label; a state at the end of a tick stays
// inside the frame.
TEST_F(StatePanelTest, SelectedStatesMakeAProcessAndStatesAtOnePlaceOneLabel) {
    QList<qsizetype> earlier(form.states().rows().size());
    std::iota(earlier.begin(), earlier.end(), 0);
    form.deleteStates(earlier);
    for (const char* t : {"500", "200", "200"}) calculateByPT("1", t);
    const qint64 first = form.states().rows().front().number;
    QApplication::processEvents();
    EXPECT_EQ(chart.numberTexts(),
              (QStringList{QString::number(first), QStringLiteral("%1, %2").arg(first + 1).arg(first + 2)}));
    EXPECT_GT(chart.verticalAxis()->max(), 500);

    QItemSelectionModel* selection = ui.Tbl_States->selectionModel();
    for (const int row : {0, 2})
        selection->select(ui.Tbl_States->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(chart.processCurve()->points(), (QList<QPointF>{chart.tablePoints()->at(0), chart.tablePoints()->at(2)}));
    EXPECT_EQ(chart.selectedTablePoints()->count(), 2);
    selection->clearSelection();
    EXPECT_EQ(chart.processCurve()->count(), 0) << "no process without two selected states";
}

TEST_F(StatePanelTest, ShowsThePhaseAndMarksTheShownStateUntilTheNextGoodRun) {
    calculateByPT("10", "300");
    EXPECT_EQ(phase(), "Compressed water (IF97 region 1)");
    ASSERT_EQ(chart.statePoint()->count(), 1);
    const QPointF state = chart.statePoint()->at(0);
    EXPECT_EQ(FixedFormat(state.x(), 5, 3), ui.LB_SRes->text());
    EXPECT_EQ(FixedFormat(state.y(), 5, 1), ui.LB_TRes->text());
    EXPECT_TRUE(chart.isobarCurve()->points().contains(state));
    const QPointF critical = chart.criticalPoint()->at(0);
    EXPECT_EQ(chart.waterCurve()->points().back(), critical);
    EXPECT_EQ(chart.steamCurve()->points().back(), critical);

    calculateByPT("110", "300");
    EXPECT_NE(message(), "");
    EXPECT_EQ(phase(), "Compressed water (IF97 region 1)") << "a refused run leaves the panel";
    EXPECT_EQ(chart.statePoint()->at(0), state);

    calculateByPH("1", "2000");
    EXPECT_EQ(phase(), "Wet steam, dryness x = 0.6142 (IF97 region 4)");
    EXPECT_EQ(ui.LB_CpRes->text(), "");
    EXPECT_EQ(FixedFormat(chart.statePoint()->at(0).y(), 5, 1), "179.9");
}

// With another page in front, the phase of the last run stands beside the
// tabs; the diagram's page names it in its own title.
TEST_F(StatePanelTest, ThePhaseStandsBesideTheTabsOfTheOtherPages) {
    auto* besideTabs = form.findChild<QLabel*>(QStringLiteral("Lb_PagesPhase"));
    ASSERT_NE(besideTabs, nullptr);
    calculateByPH("1", "2000");
    ui.PC_Right->setCurrentWidget(ui.TabStates);
    EXPECT_TRUE(besideTabs->isVisible());
    // Whole where there is room, else cut short with "…"; whole in its tooltip.
    EXPECT_EQ(besideTabs->toolTip().toStdString(), phase());
    EXPECT_TRUE(besideTabs->text() == besideTabs->toolTip() || besideTabs->text().endsWith(QChar(0x2026)));
    EXPECT_GE(ui.PC_Right->tabBar()->width(), ui.PC_Right->tabBar()->sizeHint().width()) << "every tab in view";
    ui.PC_Right->setCurrentWidget(ui.TabDiagram);
    EXPECT_FALSE(besideTabs->isVisible());
}

// A state beyond the range of the transport equations leaves their edits and
// the table's cells empty, with a tooltip that says why; the next state clears it.
TEST_F(StatePanelTest, TransportBeyondItsRangeIsEmptyAndSaysWhy) {
    calculateByPT("1", "1500");
    const QAbstractItemModel* states = ui.Tbl_States->model();
    const int last = states->rowCount() - 1;
    int viscosity = -1;
    for (int c = 0; c < states->columnCount(); ++c)
        if (states->headerData(c, Qt::Horizontal).toString().startsWith(QStringLiteral("Miu,"))) viscosity = c;
    ASSERT_GE(viscosity, 0);
    for (QLineEdit* edit : {ui.LB_MuRes, ui.LB_NuRes, ui.LB_LRes, ui.LB_PrRes}) {
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
        EXPECT_TRUE(edit->toolTip().contains(QStringLiteral("IAPS 1985"))) << edit->objectName().toStdString();
    }
    EXPECT_EQ(states->index(last, viscosity).data().toString(), "");
    EXPECT_EQ(states->index(last, viscosity).data(Qt::ToolTipRole).toString(), ui.LB_MuRes->toolTip());
    calculateByPT("1", "500");
    EXPECT_NE(ui.LB_MuRes->text(), "");
    EXPECT_EQ(ui.LB_MuRes->toolTip(), "");
}

// View → Quantities…: the chosen rows take the designed places from the top,
// the others hide; the choice is kept for the next window, and the dialog
// lets no more rows be chosen than the panel holds.
TEST_F(StatePanelTest, ShowsTheChosenQuantitiesInTheDesignedPlacesAndKeepsTheChoice) {
    const int firstTop = ui.LB_TRes->y(), secondTop = ui.LB_PRes->y();
    EXPECT_EQ(form.shownQuantities(), DefaultPanelQuantities());
    form.setPanelQuantities({Q::Pressure, Q::InternalEnergy});
    form.setDeadState({20, 0.1});
    calculateByPT("3", "26.85");
    EXPECT_FALSE(shown(ui.LB_TRes));
    EXPECT_TRUE(shown(ui.LB_PRes) && shown(ui.LB_URes));
    EXPECT_EQ(ui.LB_PRes->y(), firstTop);
    EXPECT_EQ(ui.LB_URes->y(), secondTop);
    EXPECT_EQ(labelOf(ui.LB_URes)->y(), labelOf(ui.LB_PRes)->y() + secondTop - firstTop);
    EXPECT_EQ(ui.LB_URes->text(), "112.32");
    {
        TForm1 next;
        EXPECT_EQ(next.shownQuantities(), (QList<Quantity>{Q::Pressure, Q::InternalEnergy}));
        EXPECT_TRUE(ControlsOf(next).LB_TRes->isHidden());
        EXPECT_EQ(next.exergyDeadState(), (DeadState{20, 0.1}));
    }
    QuantitiesDialog dialog(DefaultPanelQuantities(), {}, {}, &form);
    const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), PanelQuantities().size());
    for (QCheckBox* box : boxes) EXPECT_EQ(box->isEnabled(), box->isChecked()) << "the panel is full";
    dialog.findChild<QCheckBox*>("Chk_t")->setChecked(false);
    for (QCheckBox* box : boxes) EXPECT_TRUE(box->isEnabled());
    form.setPanelQuantities(DefaultPanelQuantities());
    form.setDeadState({});
    EXPECT_EQ(ui.LB_TRes->y(), firstTop);
    EXPECT_TRUE(shown(ui.LB_TRes));
}

TEST_F(StatePanelTest, CopiesTheResultsOfTheCurrentModeAsColumns) {
    QGuiApplication::clipboard()->setText("before");
    form.copyAllResults();
    EXPECT_EQ(clipboard(), "before") << "nothing is copied before a first good run";

    calculateByPT("3", "26.85");
    QApplication::setActiveWindow(&form);  // shortcuts reach the active window only
    QTest::keyClick(ui.Lb_T, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard(),
              "p, MPa\t3\n"
              "t, C\t26.85\n"
              "Phase\tCompressed water (IF97 region 1)\n"
              "Transport properties\tIAPS 1985\n"
              "Temperature t, C\t26.85\n"
              "Pressure p, MPa\t3.0000\n"
              "Enthalpy h, kJ/kg\t115.33\n"
              "Entropy S, kJ/(kg.C)\t0.3923\n"
              "Specific volume V, m3/kg\t1.002E-03\n"
              "Density Ro, kg/m3\t997.8529\n"
              "Heat capacity Cp, kJ/(kg.C)\t4.173\n"
              "Thermal conductivity Lmb, W/(m.C)\t0.6119\n"
              "Dynamic viscosity Miu, Pa.s\t8.533E-04\n"
              "Kinematic viscosity Niu, m2/s\t8.552E-07\n"
              "Prandtl number Pr\t5.820\n"
              "Internal energy u, kJ/kg\t112.32\n"
              "Heat capacity Cv, kJ/(kg.C)\t4.121\n"
              "Speed of sound w, m/s\t1507.7\n"
              "Isentropic exponent k\t756.13\n"
              // Water's known 2.8e-4 1/K and 0.45 1/GPa near 27 °C; α/κ, v (T α − 1)/cp
              // and −μ cp of them, by hand.
              "Expansion coefficient Alfa_v, 1/K\t2.774E-04\n"
              "Compressibility Kappa_T, 1/MPa\t4.464E-04\n"
              "Pressure coefficient (dp/dT)v, MPa/K\t6.213E-01\n"
              "Joule-Thomson coeff. Miu_JT, K/MPa\t-2.202E-01\n"
              "Throttling coeff. Delta_T, kJ/(kg.MPa)\t9.188E-01\n"
              // h − T s, u − T s, p v/(R T), λ v/cp of IF97's verification state at 300 K, by hand
              "Gibbs energy g, kJ/kg\t-2.357\n"
              "Helmholtz energy f, kJ/kg\t-5.364\n"
              "Compressibility factor Z\t2.171E-02\n"
              "Thermal diffusivity a, m2/s\t1.469E-07\n"
              // against water at 25 °C and 0.101325 MPa
              "Specific exergy e, kJ/kg\t2.929\n");

    calculateByPH("1", "2000");
    type(ui.Lb_h, "2500");  // typed after the run: the copy keeps the run's input
    const QStringList wet = form.allResultsText().split('\n');
    EXPECT_EQ(wet.mid(0, 3),
              (QStringList{"p, MPa\t1", "h, kJ/kg\t2000", "Phase\tWet steam, dryness x = 0.6142 (IF97 region 4)"}));
    EXPECT_EQ(wet[10], "Heat capacity Cp, kJ/(kg.C)\t") << "an empty edit gives an empty cell";

    form.setRG_1ItemIndex(2);
    EXPECT_EQ(form.allResultsText(), "") << "the sheets hold no result yet";
    calculateByTs("100");
    const QStringList saturation = form.allResultsText().split('\n');
    // The input, the transport formulation, twenty-five rows, the last line's end.
    ASSERT_EQ(saturation.size(), 1 + 1 + 25 + 1);
    EXPECT_EQ(saturation[0], "ts, C\t100");
    EXPECT_EQ(saturation[1], "Transport properties\tIAPS 1985");
    EXPECT_EQ(saturation[4], "Enthalpy h, kJ/kg\t" + ui.LB_hS->text() + "\t" + ui.LB_hSS->text());
    EXPECT_EQ(saturation[12], "Prandtl number Pr\t" + ui.LB_PrS->text() + "\t" + ui.LB_PrSS->text());
    EXPECT_EQ(saturation[15], "Speed of sound w, m/s\t" + ui.LB_WS->text() + "\t" + ui.LB_WSS->text());
    for (QWidget* area : {static_cast<QWidget*>(ui.Pan_midl), ui.TabSheet1, ui.TabSheet2})
        EXPECT_TRUE(area->actions().contains(form.copyAllResultsAction)) << area->objectName().toStdString();
}

}  // namespace
