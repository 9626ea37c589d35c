// The window works from the keyboard: typing goes into the mode's first input,
// Tab walks the shown inputs to Calk, Return or Enter calculates, also on Calk.

#include "calculate_fixture.h"

#include <QApplication>
#include <QRadioButton>

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

}  // namespace
