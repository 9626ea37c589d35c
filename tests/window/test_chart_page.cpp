// The page Chart: a click or Enter calculates the point's state in the mode of
// the axes' pair, refused outside the domain as a typed pair is; wheel, drag
// and "Reset view" move the view and its isolines follow; the choice of
// isolines is kept; the chart is exported and printed; its colours read on
// light and dark backgrounds.

#include "chart_page.h"
#include "chart_print.h"
#include "chart_settings.h"
#include "edit_binding.h"
#include "equipment_page.h"
#include "form_fixture.h"
#include "isolines_dialog.h"
#include "lines_page.h"
#include "message_box.h"

#include "TFS.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ChartPageTest : public FormTest {
protected:
    QStringList messages;
    ChartPage& page = *form.chartPage();
    ChartView& view = *page.chartView();

    void SetUp() override {
        SetMessageCapture([this](const ShownMessage& message) { messages.append(message.text); });
        form.show();
        form.resize(form.designedSize());
        ui.PC_Right->setCurrentWidget(&page);
        QApplication::processEvents();
    }
    void TearDown() override { SetMessageCapture({}); }

    QPoint pixelOf(const ChartPoint& point) const { return view.frame().pixel(point).toPoint(); }
    double result(Quantity quantity) const { return ResultEdit(ui, quantity, Phase::State)->text().toDouble(); }
};

// Each kind in the mode of its axes' pair: the state under the click, to
// the resolution of a pixel (a few tenths of a kelvin to a kelvin or two; on
// p–v's logarithmic volume a pixel is some 2 % of v, about 10 K of steam).
TEST_F(ChartPageTest, AClickGivesTheStateAtItsPoint) {
    const TFS::State known = TFS::STATE_PT(1, 250);
    for (const auto& [kind, kelvins] : {std::pair{ChartKind::TemperatureEntropy, 2.5}, {ChartKind::EnthalpyEntropy, 2.5},
                                        {ChartKind::PressureEnthalpy, 2.5}, {ChartKind::PressureTemperature, 2.5},
                                        {ChartKind::PressureVolume, 12.0}}) {
        form.setChartKind(kind);
        const ChartPoint point{known.p, known.t, known.h, known.s, known.v};
        QTest::mouseClick(&view, Qt::LeftButton, {}, pixelOf(point));
        SCOPED_TRACE(KindRow(kind).key);
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
        EXPECT_EQ(form.RG_1ItemIndex(), int(KindRow(kind).clickMode));
        EXPECT_NEAR(result(Quantity::Temperature), 250, kelvins);
        EXPECT_NEAR(result(Quantity::Pressure), 1, 0.03);
    }
    // Enter on the keyboard's cross, which starts in the middle of the plot.
    form.setChartKind(ChartKind::PressureTemperature);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Return);
    const auto [t, p] = view.frame().values(view.frame().plot().center().toPoint());
    EXPECT_NEAR(result(Quantity::Temperature), t, 1);
    EXPECT_NEAR(result(Quantity::Pressure) / p, 1, 0.02);
}

// Beyond the formulation the run refuses as for a typed pair and keeps the pair.
TEST_F(ChartPageTest, AClickOutsideTheDomainIsRefused) {
    form.setChartKind(ChartKind::PressureEnthalpy);
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.frame().pixel(4150, 90).toPoint());
    ASSERT_EQ(messages.size(), 1);
    // The message the same pair typed by hand gets.
    CalculationRequest typed{InputMode::ByPH, SaturationInput::ByPs, {}, form.shownUnits(), form.transportChoice()};
    for (const Quantity q : {Quantity::Pressure, Quantity::Enthalpy})
        typed.typed.insert(q, InputEdit(ui, false, q)->text());
    const Outcome outcome = Calculate(typed);
    const auto* refusal = std::get_if<Refusal>(&outcome);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(messages.front(), refusal->message);
}

// The wheel zooms about the cursor (the value under it stays), a drag pans
// by as much as the hand moves, Reset view goes back; the isolines of every
// view are computed for it.
TEST_F(ChartPageTest, WheelDragAndResetMoveTheViewAndTheIsolinesFollow) {
    form.setChartKind(ChartKind::EnthalpyEntropy);
    const QPoint at = view.frame().plot().center().toPoint() + QPoint(60, -40);
    QTest::mouseMove(&view, at + QPoint(1, 1));  // a move, wherever an earlier test left the pointer
    QTest::mouseMove(&view, at);
    const QList<QLabel*> texts = page.statusBar()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](QLabel* text) { return text->text().startsWith("s = "); }))
        << "the pair under the cursor";
    const auto before = view.frame().values(at);
    QWheelEvent wheel(at, view.mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    const auto after = view.frame().values(at);
    EXPECT_NEAR(after.first, before.first, 1e-9);
    EXPECT_NEAR(after.second, before.second, 1e-6);
    EXPECT_NEAR(view.range().xMax - view.range().xMin, 10 / 1.5625, 1e-9);
    view.isolinesTask().finish();
    EXPECT_TRUE(view.linesCurrent());

    const ChartRange zoomed = view.range();
    const qsizetype rows = form.states().rows().size();
    QTest::mousePress(&view, Qt::LeftButton, {}, at);
    QTest::mouseMove(&view, at + QPoint(50, 0));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at + QPoint(50, 0));
    EXPECT_LT(view.range().xMin, zoomed.xMin);
    EXPECT_NEAR(view.range().xMax - view.range().xMin, zoomed.xMax - zoomed.xMin, 1e-9);
    EXPECT_EQ(form.states().rows().size(), rows) << "a drag calculates nothing";

    // Shift+drag: the rubber band's corners become the view's.
    const QPoint corner = at + QPoint(120, 80);
    const auto [x0, y1] = view.frame().values(at);
    const auto [x1, y0] = view.frame().values(corner);
    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, at);
    QTest::mouseMove(&view, corner);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::ShiftModifier, corner);
    EXPECT_NEAR(view.range().xMin, x0, 1e-9);
    EXPECT_NEAR(view.range().xMax, x1, 1e-9);
    EXPECT_NEAR(view.range().yMin, y0, 1e-6);
    EXPECT_NEAR(view.range().yMax, y1, 1e-6);

    page.findChild<QPushButton*>("Chart_ResetView")->click();
    EXPECT_EQ(view.range(), KindRow(ChartKind::EnthalpyEntropy).defaultRange());
    // Zooming out stops at a hundred times the default width.
    for (int i = 0; i < 40; ++i) view.zoomAbout(at, 0.5);
    EXPECT_LE(view.range().xMax - view.range().xMin, 1000);
    EXPECT_GT(view.range().xMax - view.range().xMin, 500);
}

// The page Lines' table is drawn as a line on every kind.
TEST_F(ChartPageTest, TheLinesTableIsDrawnAsALine) {
    LinesPage& lines = *form.linesPage();
    lines.kindBox()->setCurrentIndex(int(LineKind::Isobar));
    lines.fixedEdit()->setText("5");
    lines.fromEdit()->setText("100");
    lines.toEdit()->setText("500");
    lines.stepEdit()->setText("100");
    lines.makeTable();
    lines.waitForTable();
    QApplication::processEvents();
    const QList<ChartPoint>& line = view.shownScene().states.line;
    ASSERT_EQ(line.size(), 7) << "100 to 500 °C, and boiling at 263.9 °C";
    for (const ChartPoint& point : line) EXPECT_EQ(point.p, 5);
    EXPECT_EQ(line.back().t, 500);
}

// The streams of an equipment calculation stand on the chart, joined by their
// processes: a turbine's inlet to its outlets.
TEST_F(ChartPageTest, TheEquipmentsStreamsAreDrawnWithTheirProcesses) {
    EquipmentPage& equipment = *form.equipmentPage();
    equipment.showOperation(0);
    equipment.calculate();
    ASSERT_TRUE(equipment.report());
    const ChartStates& shown = view.shownScene().states;
    ASSERT_EQ(shown.streams.size(), equipment.report()->streams.size());
    for (qsizetype i = 0; i < shown.streams.size(); ++i) {
        EXPECT_EQ(shown.streams[i].h, equipment.report()->streams[i].stream.h);
        EXPECT_EQ(shown.streams[i].s, equipment.report()->streams[i].stream.s);
    }
    EXPECT_FALSE(shown.processes.isEmpty());
    EXPECT_EQ(shown.processes, equipment.processLines());
}

// The choice is kept per kind; a bad value is refused with its message and
// the dialog keeps what was typed.
TEST_F(ChartPageTest, TheChoiceOfIsolinesIsKeptAndCheckedWhenTyped) {
    form.setChartKind(ChartKind::PressureVolume);
    const std::vector<IsolineId> chosen = {{IsolineFamily::Isobar, 0.5}, {IsolineFamily::Isochore, 0.02}};
    page.setIsolines(chosen);
    QSettings settings;
    EXPECT_EQ(LoadIsolineChoice(settings, ChartKind::PressureVolume), chosen);
    EXPECT_EQ(LoadIsolineChoice(settings, ChartKind::TemperatureEntropy),
              IsolinesOf(KindRow(ChartKind::TemperatureEntropy).defaultFamilies));

    IsolinesDialog dialog(ChartKind::PressureVolume, chosen, form.shownUnits());
    EXPECT_TRUE(dialog.familyBox(IsolineFamily::Isobar)->isChecked());
    EXPECT_FALSE(dialog.familyBox(IsolineFamily::Isotherm)->isChecked());
    dialog.valuesEdit(IsolineFamily::Isobar)->setText("0,5; 2x");
    EXPECT_FALSE(dialog.read());
    dialog.valuesEdit(IsolineFamily::Isobar)->setText("0,5; -2");
    EXPECT_FALSE(dialog.read());
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(dialog.valuesEdit(IsolineFamily::Isobar)->text(), "0,5; -2");
    dialog.valuesEdit(IsolineFamily::Isobar)->setText("0,5; 2");
    const auto read = dialog.read();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 3u);
}

TEST_F(ChartPageTest, TheChartIsExportedAndPrinted) {
    form.setChartKind(ChartKind::PressureEnthalpy);
    view.isolinesTask().finish();
    const QTemporaryDir folder;
    for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
        QString error;
        EXPECT_TRUE(ExportChart(view.shownScene(), folder.filePath(name), &error)) << error.toStdString();
        EXPECT_GT(QFileInfo(folder.filePath(name)).size(), 10000) << name;
    }
    QString error;
    EXPECT_FALSE(ExportChart(view.shownScene(), folder.filePath("no/such/folder/chart.png"), &error));
    EXPECT_FALSE(error.isEmpty());
    QPdfWriter page(folder.filePath("print.pdf"));
    page.setPageSize(QPageSize(QPageSize::A3));
    EXPECT_TRUE(PrintChart(page, view.shownScene(), view.isolineIds()));
}

// The relative luminance contrast of each family's colour, the dome's and
// the text's against the background, light and dark.
TEST(ChartColours, EveryLineStandsOutAtThreeToOne) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    for (const bool dark : {false, true}) {
        const ChartColours colours = ChartColoursFor(dark);
        const double background = luminance(colours.background);
        QList<QColor> lines(colours.families.begin(), colours.families.end());
        lines << colours.dome << colours.text << colours.state << colours.selected;
        for (const QColor& line : lines) {
            const double l = luminance(line);
            EXPECT_GE((std::max(l, background) + 0.05) / (std::min(l, background) + 0.05), 3.0)
                << line.name().toStdString() << (dark ? " on dark" : " on light");
        }
    }
}

}  // namespace
