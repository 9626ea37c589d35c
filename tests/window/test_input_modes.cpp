// Start-up state and the switching between the input modes.

#include "form_fixture.h"
#include "radio_group.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

namespace {

// Visibility of the controls that the input modes switch, in one comparable value.
struct ModeView {
    bool RG_4, LB_Ps, LB_Ts, Lb_P, Lb_T, Lb_h, PageControl1, results;
    bool operator==(const ModeView&) const = default;
};

void PrintTo(const ModeView& v, std::ostream* os) {
    *os << "RG_4 " << v.RG_4 << " LB_Ps " << v.LB_Ps << " LB_Ts " << v.LB_Ts << " Lb_P " << v.Lb_P << " Lb_T " << v.Lb_T
        << " Lb_h " << v.Lb_h << " PageControl1 " << v.PageControl1 << " results enabled " << v.results;
}

class InputModes : public FormTest {
protected:
    ModeView view() {
        bool results = enabled(form.resultEdits().front());
        const QList<QLineEdit*> edits = form.resultEdits();
        for (qsizetype row = 0; row < edits.size(); ++row) {
            EXPECT_EQ(enabled(edits[row]), results) << edits[row]->objectName().toStdString();
            // The default rows are the first ones.
            EXPECT_EQ(shown(edits[row]), row < form.shownQuantities().size())
                << "the chosen result rows stay visible in every mode";
        }
        return {!ui.RG_4->isHidden(),
                shown(ui.LB_Ps),
                shown(ui.LB_Ts),
                shown(ui.Lb_P),
                shown(ui.Lb_T),
                shown(ui.Lb_h),
                !ui.PageControl1->isHidden(),
                results};
    }
};

constexpr ModeView byPT{false, false, false, true, true, false, false, true};
constexpr ModeView byPH{false, false, false, true, false, true, false, true};
constexpr ModeView byPs{true, true, false, false, false, false, true, false};
constexpr ModeView byTs{true, false, true, false, false, false, true, false};

TEST_F(InputModes, OpensInThePTModeWithEveryEditEmpty) {
    EXPECT_EQ(form.RG_1ItemIndex(), 0);
    EXPECT_EQ(form.RG_4ItemIndex(), 0);
    EXPECT_EQ(view(), byPT);
    const QList<QLineEdit*> inputs{ui.Lb_P,
                                   ui.Lb_T,
                                   ui.Lb_h,
                                   ui.Lb_S,
                                   ui.Lb_X,
                                   ui.LB_Ps,
                                   ui.LB_Ts,
                                   form.findChild<QLineEdit*>("Added_input_V"),
                                   form.findChild<QLineEdit*>("Added_input_u")};
    for (QLineEdit* edit : calculatorEdits()) {
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
        // Results can be selected and copied, not typed over, and Tab passes them.
        const bool input = inputs.contains(edit);
        EXPECT_EQ(edit->isReadOnly(), !input) << edit->objectName().toStdString();
        EXPECT_EQ(edit->focusPolicy(), input ? Qt::StrongFocus : Qt::ClickFocus) << edit->objectName().toStdString();
    }
    EXPECT_EQ(ui.PageControl1->currentIndex(), 0);
}

TEST_F(InputModes, RG_1SwitchesEveryRowOfItsTable) {
    form.setRG_1ItemIndex(2);
    EXPECT_EQ(view(), byPs);
    form.setRG_1ItemIndex(1);
    EXPECT_EQ(view(), byPH);
    form.setRG_1ItemIndex(2);
    form.setRG_1ItemIndex(0);
    EXPECT_EQ(view(), byPT);
}

TEST_F(InputModes, AClickOnAnItemRunsTheHandlerAsSettingTheIndexDoes) {
    ui.RG_1Item2->click();
    EXPECT_EQ(form.RG_1ItemIndex(), 2);
    EXPECT_EQ(view(), byPs);
    ui.RG_4Item1->click();
    EXPECT_EQ(form.RG_4ItemIndex(), 1);
    EXPECT_EQ(view(), byTs);
    ui.RG_4Item0->click();
    EXPECT_EQ(view(), byPs);
}

TEST_F(InputModes, RG_4SwitchesBetweenThePsAndTheTsEdit) {
    form.setRG_1ItemIndex(2);
    form.setRG_4ItemIndex(1);
    EXPECT_EQ(view(), byTs);
    form.setRG_4ItemIndex(0);
    EXPECT_EQ(view(), byPs);
}

TEST_F(InputModes, RG_4DoesNotLookAtTheInputMode) {
    form.setRG_4ItemIndex(1);  // only the program can, RG_4 being hidden
    EXPECT_EQ(view(), (ModeView{false, false, true, true, true, false, false, false}));
}

TEST_F(InputModes, SaturationModeShowsTheEditOfTheSelectedSubMode) {
    form.setRG_1ItemIndex(2);
    form.setRG_4ItemIndex(1);
    form.setRG_1ItemIndex(1);  // leaving hides both saturation edits
    EXPECT_EQ(view(), byPH);
    form.setRG_1ItemIndex(2);  // coming back shows the ts edit the command reads
    EXPECT_EQ(view(), byTs);
    form.setRG_1ItemIndex(0);
    form.setRG_4ItemIndex(0);
    form.setRG_1ItemIndex(2);
    EXPECT_EQ(view(), byPs);
}

TEST_F(InputModes, NoSelectedItemChangesNothing) {
    form.setRG_1ItemIndex(1);
    setItemIndex(ui.RG_1, -1);
    EXPECT_EQ(form.RG_1ItemIndex(), -1);
    form.RG_1Click();
    EXPECT_EQ(view(), byPH);
    setItemIndex(ui.RG_4, -1);
    form.RG_4Click();
    EXPECT_EQ(view(), byPH);
}

TEST_F(InputModes, SwitchingModesClearsNoEdit) {
    const QList<QLineEdit*> edits = calculatorEdits();
    for (QLineEdit* edit : edits) edit->setText(edit->objectName());
    for (int mode : {1, 2, 0}) form.setRG_1ItemIndex(mode);
    form.setRG_4ItemIndex(1);
    for (QLineEdit* edit : edits) EXPECT_EQ(edit->text(), edit->objectName());
}

TEST_F(InputModes, CloseButtonClosesTheWindow) {
    form.show();
    ASSERT_TRUE(form.isVisible());
    ui.BitBtn1->click();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(InputModes, ClosingTheWindowEndsTheEventLoop) {
    form.show();
    QTimer::singleShot(0, ui.BitBtn1, &QPushButton::click);
    EXPECT_EQ(QApplication::exec(), 0);  // the program then ends with this code
}

TEST(RadioGroup, HandlerRunsOncePerChangeOfTheCheckedItem) {
    QGroupBox group;
    for (int i = 0; i < 3; ++i) new QRadioButton(&group);
    int runs = 0;
    onItemIndexChanged(&group, [&runs] { ++runs; });
    EXPECT_EQ(itemIndex(&group), -1);
    setItemIndex(&group, 2);
    EXPECT_EQ(runs, 1);
    setItemIndex(&group, 2);  // the same item again is no change
    EXPECT_EQ(runs, 1);
    setItemIndex(&group, 0);
    EXPECT_EQ(itemIndex(&group), 0);
    EXPECT_EQ(runs, 2);
    setItemIndex(&group, 7);  // out of range: none selected, no handler
    EXPECT_EQ(itemIndex(&group), -1);
    EXPECT_EQ(runs, 2);
    setItemIndex(&group, 0);  // a button unchecked this way can be checked again
    EXPECT_EQ(runs, 3);
}

}  // namespace
