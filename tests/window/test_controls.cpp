// Every control of the window: name, parent, place, size, caption, font, tab order.

#include "chart_page.h"
#include "form_fixture.h"
#include "on_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

struct Control {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text;  // caption, or the label of a labelled edit
};

// clang-format off
const Control controls[] = {
    {"BB_Calk", "Pan_Bot", {16, 77, 90, 40}, "Calk"},
    {"BitBtn1", "Pan_Bot", {176, 77, 90, 40}, "&Close"},
    {"PageControl1", "TForm1", {416, 124, 764, 526}, ""},
    {"PC_Right", "TForm1", {416, 124, 764, 526}, ""},
    {"Image1", "TabSheet1", {8, 8, 130, 110}, ""},
    {"Image2", "TabSheet2", {8, 8, 130, 110}, ""},
    {"Panel1", "TForm1", {1, 0, 896, 125}, ""},
    {"Bevel1", "Panel1", {0, 0, 897, 122}, ""},
    {"Lb_h", "Panel1", {424, 84, 65, 28}, "h, kJ/kg ="},
    {"Lb_P", "Panel1", {112, 84, 65, 28}, "p, MPa ="},
    {"Lb_T", "Panel1", {248, 84, 65, 28}, "t, C ="},
    // Widened for the modes added, and the sub-modes moved clear of them.
    {"RG_1", "Panel1", {40, -1, 615, 77}, ""},
    {"RG_4", "Panel1", {655, -1, 241, 49}, ""},
    {"LB_Ts", "Panel1", {808, 84, 57, 28}, "ts, C ="},
    {"LB_Ps", "Panel1", {672, 84, 57, 28}, "ps, MPa ="},
    {"Lb_S", "Panel1", {424, 84, 65, 28}, "s, kJ/(kg.C) ="},
    {"Lb_X", "Panel1", {424, 84, 65, 28}, "x ="},
    {"Pan_midl", "TForm1", {-1, 124, 418, 526}, ""},
    {"Bevel2", "Pan_midl", {0, 0, 417, 525}, ""},
    {"LB_TRes", "Pan_midl", {312, 16, 95, 28}, "Temperature t, C ="},
    {"LB_PRes", "Pan_midl", {312, 49, 95, 28}, "Pressure p, MPa ="},
    {"Lb_hRes", "Pan_midl", {312, 83, 95, 28}, "Enthalpy h, kJ/kg ="},
    {"LB_SRes", "Pan_midl", {312, 116, 95, 28}, "Entropy S, kJ/(kg.C) ="},
    {"LB_VRES", "Pan_midl", {312, 150, 95, 28}, "Specific volume V, m3/kg ="},
    {"LB_RoRes", "Pan_midl", {312, 183, 95, 28}, "Density Ro, kg/m3 ="},
    {"LB_CpRes", "Pan_midl", {312, 217, 95, 28}, "Heat capacity Cp, kJ/(kg.C) ="},
    {"LB_LRes", "Pan_midl", {312, 250, 95, 28}, "Thermal conductivity Lmb, W/(m.C) ="},
    {"LB_MuRes", "Pan_midl", {312, 284, 95, 28}, "Dynamic viscosity Miu, Pa.s ="},
    {"LB_NuRes", "Pan_midl", {312, 317, 95, 28}, "Kinematic viscosity Niu, m2/s ="},
    {"LB_PrRes", "Pan_midl", {312, 351, 95, 28}, "Prandtl number Pr ="},
    {"LB_URes", "Pan_midl", {312, 384, 95, 28}, "Internal energy u, kJ/kg ="},
    {"LB_CvRes", "Pan_midl", {312, 418, 95, 28}, "Heat capacity Cv, kJ/(kg.C) ="},
    {"LB_WRes", "Pan_midl", {312, 451, 95, 28}, "Speed of sound w, m/s ="},
    {"LB_KRes", "Pan_midl", {312, 485, 95, 28}, "Isentropic exponent k ="},
    {"LB_TsResS", "TabSheet1", {365, 8, 95, 28}, "Temperature ts, C ="},
    {"LB_PsResS", "TabSheet1", {365, 40, 95, 28}, "Pressure ps, MPa ="},
    {"LB_hS", "TabSheet1", {365, 72, 95, 28}, "Enthalpy hw, kJ/kg ="},
    {"LB_SpS", "TabSheet1", {365, 104, 95, 28}, "Entropy Sw, kJ/(kg.C) ="},
    {"LB_VudS", "TabSheet1", {365, 136, 95, 28}, "Specific volume Vw, m3/kg ="},
    {"LB_RoS", "TabSheet1", {365, 168, 95, 28}, "Density Row, kg/m3 ="},
    {"LB_CpS", "TabSheet1", {365, 200, 95, 28}, "Heat capacity Cpw, kJ/(kg.C) ="},
    {"LB_LmbS", "TabSheet1", {365, 232, 95, 28}, "Thermal conductivity Lmbw, W/(m.C) ="},
    {"LB_MiuS", "TabSheet1", {365, 264, 95, 28}, "Dynamic viscosity Miuw, Pa.s ="},
    {"LB_NiuS", "TabSheet1", {365, 296, 95, 28}, "Kinematic viscosity Niuw, m2/s ="},
    {"LB_PrS", "TabSheet1", {365, 328, 95, 28}, "Prandtl number Prw ="},
    {"LB_US", "TabSheet1", {365, 360, 95, 28}, "Internal energy uw, kJ/kg ="},
    {"LB_CvS", "TabSheet1", {365, 392, 95, 28}, "Heat capacity Cvw, kJ/(kg.C) ="},
    {"LB_WS", "TabSheet1", {365, 424, 95, 28}, "Speed of sound ww, m/s ="},
    {"LB_SIGMA", "TabSheet1", {365, 456, 95, 28}, "Surface tension coefficient Sigma, N/m ="},
    {"LB_TsResSS", "TabSheet2", {365, 8, 95, 28}, "Temperature ts, C ="},
    {"LB_PsResSS", "TabSheet2", {365, 40, 95, 28}, "Pressure ps, MPa ="},
    {"LB_hSS", "TabSheet2", {365, 72, 95, 28}, "Enthalpy hv, kJ/kg ="},
    {"LB_SpSS", "TabSheet2", {365, 104, 95, 28}, "Entropy Sv, kJ/(kg.C) ="},
    {"LB_VudSS", "TabSheet2", {365, 136, 95, 28}, "Specific volume Vv, m3/kg ="},
    {"LB_RoSS", "TabSheet2", {365, 168, 95, 28}, "Density Rov, kg/m3 ="},
    {"LB_CpSS", "TabSheet2", {365, 200, 95, 28}, "Heat capacity Cpv, kJ/(kg.C) ="},
    {"LB_LmbSS", "TabSheet2", {365, 232, 95, 28}, "Thermal conductivity LmbV, W/(m.C) ="},
    {"LB_MiuSS", "TabSheet2", {365, 264, 95, 28}, "Dynamic viscosity Miuv, Pa.s ="},
    {"LB_NiuSS", "TabSheet2", {365, 296, 95, 28}, "Kinematic viscosity Niuv, m2/s ="},
    {"LB_PrSS", "TabSheet2", {365, 328, 95, 28}, "Prandtl number Prv ="},
    {"LB_USS", "TabSheet2", {365, 360, 95, 28}, "Internal energy uv, kJ/kg ="},
    {"LB_CvSS", "TabSheet2", {365, 392, 95, 28}, "Heat capacity Cvv, kJ/(kg.C) ="},
    {"LB_WSS", "TabSheet2", {365, 424, 95, 28}, "Speed of sound wv, m/s ="},
    {"LB_Sigma1", "TabSheet2", {365, 456, 95, 28}, "Surface tension coefficient Sigma, N/m ="},
};
// clang-format on

using Controls = FormTest;

TEST_F(Controls, EveryControlHasItsParentPlaceSizeAndCaption) {
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = form.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent);
        EXPECT_EQ(widget->geometry(), c.geometry);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QLabel* label = labelOf(edit);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.text);
            // On the left: ending just before the edit, centred on the edit's height.
            EXPECT_EQ(label->geometry().right() + 1 + 3, edit->x());
            EXPECT_EQ(label->geometry().center().y(), edit->geometry().center().y());
            EXPECT_GT(label->width(), 0);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), c.text);
            EXPECT_FALSE(button->icon().isNull()) << "buttons carry a glyph";
        }
    }
    // The inputs of v and u added; 25 result rows: the panel has no σ, the sheets no κ.
    EXPECT_EQ(calculatorEdits().size(), 5 + 2 + 2 + 25 + 2 * 25);
}

TEST_F(Controls, RadioGroupsHoldTheirItemsInOrderAndColour) {
    auto items = [](QGroupBox* group) {
        QStringList texts;
        for (QRadioButton* item : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            item->ensurePolished();
            texts << item->text();
            EXPECT_EQ(
                item->palette().color(QPalette::WindowText),
                group == group->window()->findChild<QGroupBox*>("RG_1") ? QColor(0, 0, 0x80) : QColor(0x80, 0, 0));
        }
        return texts;
    };
    EXPECT_EQ(items(ui.RG_1),
              QStringList({"- F( p, t )", "- F( p, h )", "- saturation", "- F( p, s )", "- F( p, x )", "- F( t, x )",
                           "- F( h, s )", "- F( t, h )", "- F( t, s )", "- F( p, v )", "- F( t, v )", "- F( u, v )"}));
    EXPECT_EQ(items(ui.RG_4), QStringList({"- F( ps )", "- F( ts )"}));
}

TEST_F(Controls, PageControlsHaveTheirPagesFirstActive) {
    ASSERT_EQ(ui.PC_Right->count(), 5);
    EXPECT_EQ(ui.PC_Right->widget(0), ui.TabDiagram);
    EXPECT_EQ(ui.PC_Right->tabText(0), "Diagram");
    EXPECT_EQ(ui.PC_Right->widget(1), ui.TabStates);
    EXPECT_EQ(ui.PC_Right->tabText(1), "Table of states");
    EXPECT_EQ(ui.PC_Right->widget(2), form.linesPage());
    EXPECT_EQ(ui.PC_Right->tabText(2), "Lines");
    EXPECT_EQ(ui.PC_Right->widget(3), form.chartPage());
    EXPECT_EQ(ui.PC_Right->tabText(3), "Chart");
    EXPECT_EQ(ui.PC_Right->widget(4), form.equipmentPage());
    EXPECT_EQ(ui.PC_Right->tabText(4), "Equipment");
    EXPECT_EQ(ui.PC_Right->currentIndex(), 0);
    ASSERT_EQ(ui.PageControl1->count(), 2);
    EXPECT_EQ(ui.PageControl1->widget(0), ui.TabSheet1);
    EXPECT_EQ(ui.PageControl1->tabText(0), "Water sat.");
    EXPECT_EQ(ui.PageControl1->widget(1), ui.TabSheet2);
    EXPECT_EQ(ui.PageControl1->tabText(1), "Vapor sat.");
    EXPECT_EQ(ui.PageControl1->currentIndex(), 0);
    EXPECT_TRUE(ui.PageControl1->tabBar()->testAttribute(Qt::WA_Hover));
}

TEST_F(Controls, CaptionsAreBold17PixelMsSansSerif) {
    QList<QWidget*> captioned;
    for (QLineEdit* edit : calculatorEdits()) captioned << edit << labelOf(edit);
    for (auto* item : form.findChildren<QRadioButton*>()) captioned << item;
    captioned << ui.BB_Calk << ui.BitBtn1 << ui.RG_1 << ui.RG_4 << ui.PageControl1 << ui.PageControl1->tabBar();
    for (QWidget* widget : captioned) {
        SCOPED_TRACE(widget->objectName().toStdString());
        widget->ensurePolished();
        EXPECT_EQ(widget->font().family(), "MS Sans Serif");
        EXPECT_EQ(widget->font().pixelSize(), 17);
        EXPECT_TRUE(widget->font().bold());
    }
    ui.Pan_Bot->ensurePolished();
    EXPECT_EQ(ui.Pan_Bot->font().pixelSize(), 13);
    EXPECT_FALSE(ui.Pan_Bot->font().bold());
}

TEST_F(Controls, LongCaptionsFitTheRoomLeftOfTheirEdit) {
    for (QLineEdit* edit : calculatorEdits()) {
        QLabel* label = labelOf(edit);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    }
}

TEST_F(Controls, TabOrderEndsWithTheInputsBeforeCalk) {
    // The inputs come last, so that Tab from the last shown input reaches Calk.
    const QStringList expected = {"BB_Calk", "BitBtn1",
                                  // water sheet, then vapour sheet
                                  "LB_TsResS", "LB_PsResS", "LB_SpS", "LB_VudS", "LB_RoS", "LB_CpS", "LB_LmbS",
                                  "LB_MiuS", "LB_NiuS", "LB_PrS", "LB_hS", "LB_SIGMA", "LB_TsResSS", "LB_PsResSS",
                                  "LB_SpSS", "LB_VudSS", "LB_RoSS", "LB_CpSS", "LB_LmbSS", "LB_MiuSS", "LB_NiuSS",
                                  "LB_PrSS", "LB_hSS", "LB_Sigma1",
                                  // result panel
                                  "Lb_hRes", "LB_PRes", "LB_TRes", "LB_CpRes", "LB_MuRes", "LB_LRes", "LB_PrRes",
                                  "LB_SRes", "LB_VRES", "LB_RoRes", "LB_NuRes",
                                  // input row
                                  "RG_1Item0", "RG_1Item1", "RG_1Item2", "RG_1Item3", "RG_1Item4", "RG_1Item5",
                                  "RG_4Item0", "RG_4Item1", "Lb_P", "Lb_T", "Lb_h", "Lb_S", "Lb_X", "LB_Ps", "LB_Ts"};
    QStringList chain{"BB_Calk"};
    for (QWidget* w = ui.BB_Calk->nextInFocusChain(); w != ui.BB_Calk; w = w->nextInFocusChain())
        if (expected.contains(w->objectName())) chain << w->objectName();
    EXPECT_EQ(chain.join(' ').toStdString(), expected.join(' ').toStdString());
}

// The designed client area below the menu bar, Calk and Close at its top
// right; larger, the pages on the right and the sheets take the room; smaller,
// the area scrolls and Calk and Close stay in the view's top right corner.
TEST_F(Controls, WindowOpensAtItsDesignedSizeAndPlaceAndGrowsOrShrinks) {
    EXPECT_EQ(form.windowTitle(), "Properties Water (free) Kelvane");
    const int menu = form.menuBar()->sizeHint().height();
    EXPECT_EQ(form.size(), QSize(1180, menu + 650));
    EXPECT_EQ(form.designedSize(), form.size());
    EXPECT_EQ(form.pos(), QPoint(319, 138));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    form.show();
    form.resize(form.designedSize());  // whatever the test screen's size
    QApplication::processEvents();
    const auto inArea = [this](QWidget* w) {
        const QPoint area = ui.Panel1->parentWidget()->mapTo(&form, QPoint());
        return QRect(w->mapTo(&form, QPoint()) - area, w->size());
    };
    EXPECT_EQ(inArea(ui.Pan_Bot), QRect(897, 0, 283, 125)) << "where it was drawn";
    const QRect pages = ui.PC_Right->geometry(), chart = ui.Chart_TS->geometry();

    form.resize(form.width() + 300, form.height() + 200);
    QApplication::processEvents();
    EXPECT_EQ(ui.PC_Right->geometry(), pages.adjusted(0, 0, 300, 200));
    EXPECT_EQ(ui.PageControl1->geometry(), pages.adjusted(0, 0, 300, 200));
    EXPECT_EQ(ui.Chart_TS->geometry(), chart.adjusted(0, 0, 300, 200));
    EXPECT_EQ(ui.Lb_Phase->geometry(), QRect(8, 8, ui.Pan_State->width() - 16, 28)) << "as drawn in its panel";
    EXPECT_EQ(ui.Pan_midl->geometry(), QRect(-1, 124, 418, 526 + 200)) << "the result panel keeps its place";
    EXPECT_EQ(inArea(ui.Pan_Bot), QRect(897 + 300, 0, 283, 125));

    form.resize(700, 500);
    QApplication::processEvents();
    const QWidget* view = ui.Pan_Bot->parentWidget();
    EXPECT_EQ(ui.Pan_Bot->geometry(), QRect(view->width() - 283, 0, 283, 125)) << "Calk and Close in view";
    EXPECT_EQ(ui.PC_Right->geometry(), pages) << "the designed area scrolls instead";
}

TEST(WindowPlace, DesignedPlaceWhereTheWholeFrameFitsElseNearestWhereItDoes) {
    const QPoint designed(319, 138);
    const QSize frame(899 + 2, 588 + 32);
    EXPECT_EQ(placeOnScreen(designed, frame, {0, 0, 1280, 1024}), designed);
    EXPECT_EQ(placeOnScreen(designed, frame, {0, 0, 1280, 720}), QPoint(319, 100));
    EXPECT_EQ(placeOnScreen(designed, frame, {0, 24, 1000, 700}), QPoint(99, 104));
    // Larger than the area: title bar and Calk stay on the screen.
    EXPECT_EQ(placeOnScreen(designed, frame, {0, 0, 853, 640}), QPoint(0, 20));
    EXPECT_EQ(placeOnScreen(designed, frame, {0, 30, 800, 600}), QPoint(0, 30));
}

// A further window stands a step right and down, or left and up where the
// screen has no room, or as far as it has.
TEST(WindowPlace, AFurtherWindowStandsAsideWhereTheScreenHasRoom) {
    const QSize frame(1182, 720);
    const QPoint step(40, 40);
    EXPECT_EQ(asideOnScreen({100, 20}, frame, {0, 0, 1920, 1080}, step), QPoint(140, 60));
    EXPECT_EQ(asideOnScreen({184, 48}, frame, {0, 0, 1366, 768}, step), QPoint(144, 8));
    EXPECT_EQ(asideOnScreen({10, 10}, frame, {0, 0, 1200, 740}, step), QPoint(18, 20));
}

TEST_F(Controls, ShownWindowFrameStartsOnTheScreen) {
    form.show();
    const QRect area = form.screen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    EXPECT_TRUE(frame.topLeft() == QPoint(319, 138) || !area.contains(QRect(QPoint(319, 138), frame.size())));
    // Each way: inside the area, or from its start where the frame is larger.
    EXPECT_TRUE(frame.left() == area.left() || (area.left() <= frame.left() && frame.right() <= area.right()));
    EXPECT_TRUE(frame.top() == area.top() || (area.top() <= frame.top() && frame.bottom() <= area.bottom()));
}

}  // namespace

namespace {

// Run by ctest on a 1280 x 800 screen at scale 1.5 too: there the window is
// smaller than designed, and Calk and Close are still on the screen.
TEST(WindowFits, TheWholeFrameWithCalkAndCloseIsOnTheScreen) {
    TForm1 form;
    form.show();
    QApplication::processEvents();
    const QRect area = form.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(form.frameGeometry())) << area.width() << "x" << area.height();
    auto& ui = ControlsOf(form);
    for (QWidget* button : std::initializer_list<QWidget*>{ui.BB_Calk, ui.BitBtn1}) {
        const QRect inWindow(button->mapTo(&form, QPoint(0, 0)), button->size());
        EXPECT_TRUE(form.rect().contains(inWindow)) << button->objectName().toStdString();
    }
}

// Run by ctest on a 1920 x 1080 screen at scale 1.5 (1280 x 720) too: the
// window opens at its designed size, which fits that screen with a title bar
// and borders, and shows no scroll bar in any mode.
TEST(WindowOpensWhole, WithoutScrollBarsInEveryMode) {
    TForm1 form;
    form.show();
    QApplication::processEvents();
    const QMargins typicalFrame(4, 30, 4, 4);
    EXPECT_TRUE(QRect(0, 0, 1280, 720).contains(QRect(QPoint(), form.designedSize().grownBy(typicalFrame))));
    EXPECT_EQ(form.size(), form.designedSize());
    auto& ui = ControlsOf(form);
    const auto* scroll = form.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    const int modes = int(ui.RG_1->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly).size());
    for (int mode = 0; mode < modes; ++mode)
        for (int byTs = 0; byTs < 2; ++byTs) {
            form.setRG_1ItemIndex(mode);
            form.setRG_4ItemIndex(byTs);
            QApplication::processEvents();
            EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << mode;
            EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << mode;
        }
}

}  // namespace
