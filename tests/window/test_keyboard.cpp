// The window works from the keyboard: typing goes into the mode's first input,
// Tab walks the shown inputs to Calk, Return or Enter calculates, also on Calk;
// every shortcut works wherever the focus is.

#include "calculate_fixture.h"
#include "chart_page.h"
#include "lines_page.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

namespace {

class Keyboard : public CalculateTest {
protected:
    Keyboard() { EXPECT_TRUE(QTest::qWaitForWindowActive(&form)); }

    static QWidget* focused() { return QApplication::focusWidget(); }
    static QWidget* afterTab() {
        QTest::keyClick(focused(), Qt::Key_Tab);
        return focused();
    }
};

TEST_F(Keyboard, TypingAfterStartOrAModeSwitchGoesIntoTheFirstInput) {
    EXPECT_EQ(focused(), ui.Lb_P);
    QTest::keyClicks(focused(), "7");
    EXPECT_EQ(ui.Lb_P->text(), "7");
    form.setRG_1ItemIndex(2);
    EXPECT_EQ(focused(), ui.LB_Ps);
    form.setRG_4ItemIndex(1);
    EXPECT_EQ(focused(), ui.LB_Ts);
    form.setRG_1ItemIndex(1);
    EXPECT_EQ(focused(), ui.Lb_P);
    QTest::mouseClick(ui.RG_1Item2, Qt::LeftButton, {}, QPoint(8, ui.RG_1Item2->height() / 2));
    EXPECT_EQ(form.RG_1ItemIndex(), 2);
    EXPECT_EQ(focused(), ui.LB_Ts) << "the shown one of ps and ts";
}

TEST_F(Keyboard, TabFromPGoesToTheSecondInputThenCalk) {
    EXPECT_EQ(afterTab(), ui.Lb_T);
    EXPECT_EQ(afterTab(), form.findChild<QWidget*>("Chk_Metastable")) << "the (p, t) mode's check";
    EXPECT_EQ(afterTab(), ui.BB_Calk);
    form.setRG_1ItemIndex(1);
    EXPECT_EQ(afterTab(), ui.Lb_h) << "not the hidden t edit";
    QTest::keyClicks(focused(), "2800");
    EXPECT_EQ(ui.Lb_h->text(), "2800");
    EXPECT_EQ(afterTab(), ui.BB_Calk);
    form.setRG_1ItemIndex(2);
    EXPECT_EQ(afterTab(), ui.BB_Calk);
}

TEST_F(Keyboard, ReturnOrEnterInAnyInputCalculates) {
    type(ui.Lb_P, "1");
    type(ui.Lb_T, "200");
    QTest::keyClick(ui.Lb_P, Qt::Key_Return);
    EXPECT_EQ(ui.LB_TRes->text(), "200.0");
    type(ui.Lb_T, "300");
    ui.BB_Calk->setFocus();
    QTest::keyClick(ui.BB_Calk, Qt::Key_Return);
    EXPECT_EQ(ui.LB_TRes->text(), "300.0") << "Return on Calk clicks it";
    form.setRG_1ItemIndex(1);
    type(ui.Lb_h, "2800");
    QTest::keyClick(ui.Lb_h, Qt::Key_Enter);
    EXPECT_EQ(ui.Lb_hRes->text(), "2800.00");
    form.setRG_1ItemIndex(2);
    type(ui.LB_Ps, "1");
    QTest::keyClick(ui.LB_Ps, Qt::Key_Enter);
    EXPECT_EQ(ui.LB_PsResS->text(), "1.0000");
    EXPECT_EQ(message(), "");
    form.setRG_4ItemIndex(1);
    QTest::keyClick(ui.LB_Ts, Qt::Key_Return);
    EXPECT_EQ(message(), " Insert the ts value") << "refused as a click on Calk refuses";
}

// The table of states is left by Tab, its cells are walked by the arrow keys;
// the mode items are on the Tab chain by their checked item, and the arrow
// keys select between them.
TEST_F(Keyboard, TabLeavesTheTableAndReachesTheCheckedModeItem) {
    type(ui.Lb_P, "1");
    type(ui.Lb_T, "200");
    calculate();
    ui.PC_Right->setCurrentWidget(ui.TabStates);
    ui.Tbl_States->setFocus();
    ui.Tbl_States->setCurrentIndex(ui.Tbl_States->model()->index(0, 0));
    QTest::keyClick(ui.Tbl_States, Qt::Key_Right);
    EXPECT_EQ(ui.Tbl_States->currentIndex().column(), 1);
    EXPECT_NE(afterTab(), ui.Tbl_States);
    ui.Tbl_States->setFocus();
    QTest::keyClick(ui.Tbl_States, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), ui.PC_Right->tabBar()) << "the tabs of the pages come before the table";
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), ui.BitBtn1);

    form.setRG_1ItemIndex(1);
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), ui.RG_1Item1) << "from p, back to the checked item";
    QTest::keyClick(focused(), Qt::Key_Right);
    EXPECT_EQ(focused(), ui.RG_1Item2);
    EXPECT_EQ(form.RG_1ItemIndex(), 2);
    QTest::keyClick(focused(), Qt::Key_Left);
    EXPECT_EQ(focused(), ui.RG_1Item1);
    EXPECT_EQ(form.RG_1ItemIndex(), 1);
    EXPECT_EQ(afterTab(), ui.Lb_P);  // and no key held: QTest leaves Shift down after Shift+Tab
}

// Ctrl+PgDown and Ctrl+PgUp turn the right column's pages, round, from
// anywhere; the focus stays where it was, so typing goes on.
TEST_F(Keyboard, CtrlPageDownAndUpTurnThePagesOnTheRight) {
    auto* added = new QWidget;
    form.addRightPage(added, "Added");
    QWidget* lines = form.linesPage();
    QWidget* equipment = form.equipmentPage();
    for (const auto& [keys, shown] : {std::pair{Qt::Key_PageDown, ui.TabStates},
                                      {Qt::Key_PageDown, lines},
                                      {Qt::Key_PageDown, form.chartPage()},
                                      {Qt::Key_PageDown, equipment},
                                      {Qt::Key_PageDown, added},
                                      {Qt::Key_PageDown, ui.TabDiagram},
                                      {Qt::Key_PageUp, added}}) {
        QTest::keyClick(focused(), keys, Qt::ControlModifier);
        EXPECT_EQ(ui.PC_Right->currentWidget(), shown);
        EXPECT_EQ(focused(), ui.Lb_P);
    }
    form.setRG_1ItemIndex(2);
    QTest::keyClick(focused(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(ui.PC_Right->currentWidget(), added) << "the sheets stand there in the saturation mode";
    EXPECT_EQ(ui.PageControl1->currentWidget(), ui.TabSheet2) << "they turn instead";
}

// A control that takes every key as typed, as an edit on an X11 desktop takes
// Ctrl+E for "end of line" (the offscreen platform binds keys as Windows does).
class TakesEveryKey : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        event->accept();
        return true;
    }
};

TEST_F(Keyboard, EveryShortcutWorksFromAnInputTheTableAndTheDiagram) {
    // Each shortcut of the window with what tells that it ran; Ctrl+C of the
    // table is the table's own.
    std::vector<std::pair<QKeySequence, std::unique_ptr<QSignalSpy>>> shortcuts;
    for (QAction* action : form.findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcutContext() != Qt::WidgetShortcut)
            shortcuts.emplace_back(action->shortcut(), std::make_unique<QSignalSpy>(action, &QAction::triggered));
    for (QShortcut* shortcut : form.findChildren<QShortcut*>())
        shortcuts.emplace_back(shortcut->key(), std::make_unique<QSignalSpy>(shortcut, &QShortcut::activated));
    ASSERT_EQ(shortcuts.size(), 7u + 4u + 12u + 2u)
        << "export, quit, copy all results, lines, equipment, next and previous page; "
           "copy, CSV, print and PDF of a line; the modes; ps and ts";

    TakesEveryKey takesEveryKey;
    for (QWidget* place : std::initializer_list<QWidget*>{ui.Lb_P, ui.Tbl_States, ui.Chart_TS}) {
        place->installEventFilter(&takesEveryKey);
        for (auto& [keys, ran] : shortcuts) {
            form.setRG_1ItemIndex(0);
            form.show();            // again after Quit
            form.activateWindow();  // again after the export's dialog
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            ui.PC_Right->setCurrentWidget(place == ui.Tbl_States ? ui.TabStates : ui.TabDiagram);
            place->setFocus();
            // The export asks for a file: no file.
            QTimer::singleShot(0, [] {
                if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
            });
            QTest::keySequence(place, keys);
            EXPECT_EQ(ran->count(), 1) << place->objectName().toStdString() << " " << keys.toString().toStdString();
            ran->clear();
        }
    }
}

}  // namespace
