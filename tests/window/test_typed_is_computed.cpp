// What the user typed is what gets computed: the program never leaves the
// cursor behind an old text, the results cannot be typed over, and results
// whose inputs changed are shown as stale while the copy keeps their run.
#include "calculate_fixture.h"

#include "diagram_chart.h"
#include "palette_colours.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineSeries>
#include <QRadioButton>
#include <QScatterSeries>
#include <QStyle>
#include <QTemporaryDir>
#include <QValueAxis>

#include <cmath>

namespace {

class TypedIsComputed : public CalculateTest {
protected:
    TypedIsComputed() { EXPECT_TRUE(QTest::qWaitForWindowActive(&form)); }

    static QLineEdit* focusedInput() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    // Typing after the program moved the focus replaces the input's whole text.
    static void expectFocusedWithTextSelected(QLineEdit* edit) {
        ASSERT_EQ(focusedInput(), edit);
        EXPECT_EQ(edit->selectedText(), edit->text()) << edit->objectName().toStdString();
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

TEST_F(TypedIsComputed, ModeSwitchesByClickOrKeySelectTheFirstInputsText) {
    type(ui.Lb_P, "1");
    form.setRG_1ItemIndex(1);
    form.setRG_1ItemIndex(0);
    expectFocusedWithTextSelected(ui.Lb_P);
    QTest::keyClicks(focusedInput(), "5");
    EXPECT_EQ(ui.Lb_P->text(), "5") << "not 15";

    // Ctrl+1 … Ctrl+3 select the modes, Ctrl+P and Ctrl+T the saturation inputs.
    type(ui.LB_Ps, "2");
    type(ui.LB_Ts, "100");
    const struct {
        int key;
        int mode, saturationInput;
        QLineEdit* first;
    } steps[] = {{Qt::Key_3, 2, 0, ui.LB_Ps}, {Qt::Key_T, 2, 1, ui.LB_Ts}, {Qt::Key_P, 2, 0, ui.LB_Ps},
                 {Qt::Key_2, 1, 0, ui.Lb_P},  {Qt::Key_T, 1, 0, ui.Lb_P},  {Qt::Key_6, 5, 0, ui.Lb_T},
                 {Qt::Key_4, 3, 0, ui.Lb_P},  {Qt::Key_1, 0, 0, ui.Lb_P}};
    for (const auto& step : steps) {
        press(step.key);
        EXPECT_EQ(form.RG_1ItemIndex(), step.mode) << step.key;
        EXPECT_EQ(form.RG_4ItemIndex(), step.saturationInput) << step.key;
        expectFocusedWithTextSelected(step.first);
    }
    EXPECT_EQ(ui.RG_1Item1->toolTip(), QKeySequence(Qt::CTRL | Qt::Key_2).toString(QKeySequence::NativeText));
    EXPECT_EQ(ui.RG_4Item1->toolTip(), QKeySequence(Qt::CTRL | Qt::Key_T).toString(QKeySequence::NativeText));
}

TEST_F(TypedIsComputed, ARefusedInputTakesTheFocus) {
    calculateByPT("110", "300");
    EXPECT_NE(message(), "");
    expectFocusedWithTextSelected(ui.Lb_P);
    QTest::keyClicks(focusedInput(), "20");
    EXPECT_EQ(ui.Lb_T->text(), "300");
    calculateByPT("1x", "300");
    EXPECT_NE(message(), "");
    expectFocusedWithTextSelected(ui.Lb_P);
    EXPECT_EQ(ui.Lb_P->text(), "1x");
}

TEST_F(TypedIsComputed, TabWalksTheInputsAndButtonsNotTheResults) {
    calculateByPT("1", "200");
    ui.Lb_P->setFocus();
    QList<QWidget*> visited;
    for (int step = 0; step < 12; ++step) {
        press(Qt::Key_Tab, Qt::NoModifier);
        visited << QApplication::focusWidget();
    }
    for (QWidget* widget : visited)
        EXPECT_FALSE(form.resultEdits().contains(widget)) << widget->objectName().toStdString();
    EXPECT_TRUE(visited.contains(ui.BB_Calk));
    EXPECT_TRUE(visited.contains(ui.Lb_T));
}

TEST_F(TypedIsComputed, ChangedInputsShowTheResultsStaleAndTheCopyKeepsTheirRun) {
    DiagramChart& chart = *ui.Chart_TS;
    calculateByPT("1", "200");
    const QString run = form.allResultsText();
    const QColor text = ui.LB_TRes->palette().color(QPalette::Text);

    QTest::mouseClick(ui.Lb_P, Qt::LeftButton);
    EXPECT_FALSE(form.panelResultsStale()) << "a click changes nothing";
    EXPECT_NE(ui.Lb_hRes->text(), "");

    QTest::keyClick(ui.Lb_T, Qt::Key_Backspace);  // 20 °C
    EXPECT_TRUE(form.panelResultsStale());
    EXPECT_NE(ui.LB_TRes->palette().color(QPalette::Text), text);
    EXPECT_EQ(chart.statePoint()->brush().style(), Qt::NoBrush) << "the state point is hollow";
    EXPECT_EQ(form.allResultsText(), run);
    EXPECT_FALSE(form.sheetResultsStale());

    calculate();
    EXPECT_FALSE(form.panelResultsStale());
    EXPECT_EQ(ui.LB_TRes->palette().color(QPalette::Text), text);
    EXPECT_EQ(chart.statePoint()->brush().style(), Qt::SolidPattern);
    EXPECT_NE(form.allResultsText(), run);
}

// The WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

// A desktop's palette, light or dark, is the application's when the window opens.
TEST(Palettes, RadioItemsAndDiagramTextsAreLegibleOnLightAndDarkPalettes) {
    const QPalette previous = QApplication::palette();
    for (const QPalette& palette : {QApplication::style()->standardPalette(), DarkPalette()}) {
        QApplication::setPalette(palette);
        TForm1 form;
        EXPECT_FALSE(form.grab().isNull());  // polished and drawn with the palette
        const QColor background = palette.color(QPalette::Window);
        for (QRadioButton* item : form.findChildren<QRadioButton*>())
            EXPECT_GE(ContrastRatio(item->palette().color(QPalette::WindowText), background), 4.5)
                << item->objectName().toStdString();
        for (QAbstractAxis* axis : ControlsOf(form).Chart_TS->chart()->axes()) {
            EXPECT_GE(ContrastRatio(axis->titleBrush().color(), background), 4.5);
            EXPECT_GE(ContrastRatio(axis->labelsColor(), background), 4.5);
        }
        if (palette == DarkPalette()) continue;
        EXPECT_EQ(ControlsOf(form).RG_1Item0->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80))
            << "navy";
        EXPECT_EQ(ControlsOf(form).RG_4Item0->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x00))
            << "maroon";
    }
    QApplication::setPalette(previous);
}

// The curves stand out from the diagram's background by the 3:1 graphics
// need, on a light palette and a dark one; a saved diagram is drawn for a
// report, on white in the light palette's colours, whatever the palette on
// screen.
TEST(Palettes, CurvesStandOutAndASavedDiagramIsDrawnOnWhite) {
    const QPalette previous = QApplication::palette();
    const QTemporaryDir folder;
    for (const QPalette& palette : {QApplication::style()->standardPalette(), DarkPalette()}) {
        QApplication::setPalette(palette);
        TForm1 form;
        Ui::TForm1& ui = ControlsOf(form);
        ui.Lb_P->setText("1");
        ui.Lb_T->setText("200");
        form.BB_CalkClick();
        DiagramChart& chart = *ui.Chart_TS;
        EXPECT_FALSE(form.grab().isNull());  // polished and drawn with the palette
        const QColor background = chart.chart()->backgroundBrush().color();
        for (const QLineSeries* curve : {chart.waterCurve(), chart.steamCurve(), chart.isobarCurve()})
            EXPECT_GE(ContrastRatio(curve->color(), background), 3.0) << curve->name().toStdString();

        QString error;
        ASSERT_TRUE(chart.save(folder.filePath("diagram.png"), &error)) << error.toStdString();
        ASSERT_TRUE(chart.save(folder.filePath("diagram.svg"), &error)) << error.toStdString();
        const QImage png(folder.filePath("diagram.png"));
        EXPECT_EQ(png.pixelColor(1, 1), QColor(Qt::white));
        bool lightIsobar = false;
        for (int y = 0; y < png.height() && !lightIsobar; ++y)
            for (int x = 0; x < png.width() && !lightIsobar; ++x)
                lightIsobar = png.pixelColor(x, y) == QColor(0x00, 0x80, 0x00);
        EXPECT_TRUE(lightIsobar);
        QFile svg(folder.filePath("diagram.svg"));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        EXPECT_TRUE(drawing.contains("fill=\"#ffffff\"")) << "the background";
        EXPECT_TRUE(drawing.contains("stroke=\"#008000\"")) << "the isobar";
        EXPECT_TRUE(drawing.contains("stroke=\"#000080\"")) << "saturated water";
        EXPECT_EQ(chart.chart()->backgroundBrush().color(), palette.color(QPalette::Window)) << "on screen as before";
        EXPECT_EQ(chart.isobarCurve()->color(), AccentColoursOf(palette).green);
    }
    QApplication::setPalette(previous);
}

TEST_F(TypedIsComputed, TheWindowShowsTheProgramsIcon) {
    EXPECT_FALSE(form.windowIcon().isNull());
}

}  // namespace
