// The modes by (t, h), (t, s), (p, v), (t, v) and (u, v), the branch where two
// states share a pair and the metastable steam of the (p, t) mode, typed as a
// user does: every shown value is the library's.
#include "calculate_fixture.h"

#include "TFS.h"
#include "quantities.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include <cmath>
#include <functional>

namespace {

using Q = Quantity;

class NewModes : public CalculateTest {
protected:
    NewModes() { EXPECT_TRUE(QTest::qWaitForWindowActive(&form)); }

    QLineEdit* input(const char* name) { return form.findChild<QLineEdit*>(name); }
    QLineEdit* result(Quantity q) {
        for (QLineEdit* edit : form.resultEdits())
            if (labelOf(edit)->text().startsWith(ResultCaption(q, false))) return edit;
        return nullptr;
    }

    // Every value of the panel, chosen or not, against the library's state
    // and its derivatives; a wet state's single-phase values empty.
    void expectShown(const TFS::State& state, const std::string& mode) {
        SCOPED_TRACE(mode);
        const TFS::Derivatives d = TFS::DERIVATIVES(state);
        const bool wet = state.region == int(TFS::Region::SATURATION_LINE);
        const std::pair<Quantity, double> values[] = {{Q::Temperature, state.t},
                                                      {Q::Pressure, state.p},
                                                      {Q::Enthalpy, state.h},
                                                      {Q::Entropy, state.s},
                                                      {Q::SpecificVolume, state.v},
                                                      {Q::Density, 1 / state.v},
                                                      {Q::HeatCapacity, state.cp},
                                                      {Q::InternalEnergy, state.u},
                                                      {Q::IsochoricHeatCapacity, state.cv},
                                                      {Q::SpeedOfSound, state.w},
                                                      {Q::IsentropicExponent, state.kappa},
                                                      {Q::ThermalExpansion, d.alpha_v},
                                                      {Q::Compressibility, d.kappa_t},
                                                      {Q::PressureCoefficient, d.dp_dt_v},
                                                      {Q::JouleThomson, d.mu_jt},
                                                      {Q::ThrottlingCoefficient, d.delta_t},
                                                      {Q::GibbsEnergy, d.g},
                                                      {Q::HelmholtzEnergy, d.f},
                                                      {Q::CompressibilityFactor, d.z}};
        for (const auto& [q, value] : values) {
            QLineEdit* edit = result(q);
            ASSERT_NE(edit, nullptr) << RowOf(q).name;
            EXPECT_EQ(edit->text(), OutputText(q, value, Place::OtherStateModes, {})) << RowOf(q).name;
            if (wet && !RowOf(q).twoPhase) EXPECT_EQ(edit->text(), "") << RowOf(q).name;
        }
        if (wet) EXPECT_NE(ui.Lb_Phase->text().indexOf("dryness x = "), -1);
    }
};

TEST_F(NewModes, EachModeTypedOnceShowsTheLibrarysState) {
    const struct {
        int key;  // Alt+key selects the mode
        const char *first, *second, *a, *b;
        std::function<TFS::State()> expected;
    } cases[] = {
        {Qt::Key_1, "Lb_T", "Lb_h", "200", "1500", [] { return TFS::STATE_TH(200, 1500); }},
        {Qt::Key_2, "Lb_T", "Lb_S", "300", "6.5", [] { return TFS::STATE_TS(300, 6.5); }},
        {Qt::Key_3, "Lb_P", "Added_input_V", "1", "0.2", [] { return TFS::STATE_PV(1, 0.2); }},
        {Qt::Key_4, "Lb_T", "Added_input_V", "400", "0.05", [] { return TFS::STATE_TV(400, 0.05); }},
        {Qt::Key_5, "Added_input_u", "Added_input_V", "2600", "0.3", [] { return TFS::STATE_UV(2600, 0.3); }},
    };
    for (const auto& c : cases) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(c.key), Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), input(c.first)) << c.a;
        EXPECT_EQ(input(c.second)->y(), input(c.first)->y()) << "side by side";
        type(input(c.first), c.a);
        type(input(c.second), c.b);
        calculate();
        EXPECT_EQ(message(), "");
        expectShown(c.expected(), std::string(c.first) + " " + c.a);
    }
}

// Below 4 °C two pressures share an entropy: the branch beside the inputs
// gives either; where a pair has one state there is no choice.
TEST_F(NewModes, TheBranchBesideTheInputsChoosesBetweenTwoStates) {
    auto* branch = form.findChild<QComboBox*>("Cb_Branch");
    form.setRG_1ItemIndex(int(InputMode::ByTS));
    ASSERT_TRUE(branch->isVisible());
    EXPECT_EQ(branch->currentText(), "lower pressure");
    const double s = TFS::S_PT(5, 1);
    ASSERT_GT(TFS::STATE_TS(1, s, TFS::Branch::HIGHER).p, TFS::STATE_TS(1, s, TFS::Branch::LOWER).p + 1);
    type(ui.Lb_T, "1");
    type(ui.Lb_S, QString::number(s, 'g', 17));
    for (const auto& [index, library] : {std::pair{1, TFS::Branch::HIGHER}, std::pair{0, TFS::Branch::LOWER}}) {
        branch->setCurrentIndex(index);
        calculate();
        expectShown(TFS::STATE_TS(1, s, library), branch->currentText().toStdString());
    }
    form.setRG_1ItemIndex(int(InputMode::ByPV));
    EXPECT_EQ(branch->currentText(), "higher temperature");
    form.setRG_1ItemIndex(int(InputMode::ByTV));
    EXPECT_FALSE(branch->isVisible());
}

// Off by default; on, steam below its saturation temperature is the
// supercooled steam of the supplementary equation, up to 10 MPa.
TEST_F(NewModes, MetastableSteamIsTheCheckedChoiceOfThePTMode) {
    auto* metastable = form.findChild<QCheckBox*>("Chk_Metastable");
    ASSERT_TRUE(metastable->isVisible());
    EXPECT_FALSE(metastable->isChecked());
    calculateByPT("0.1", "90");
    EXPECT_EQ(ui.Lb_Phase->text(), "Compressed water (IF97 region 1)");
    metastable->setChecked(true);
    calculateByPT("0.1", "90");
    EXPECT_EQ(ui.Lb_Phase->text(), "Metastable steam (supercooled vapour)");
    EXPECT_EQ(ui.Lb_hRes->text(), OutputText(Q::Enthalpy, TFS::HMS_PT(0.1, 90), Place::ByPT, {}));
    calculateByPT("0.1", "150");
    EXPECT_EQ(ui.Lb_Phase->text(), "Superheated steam (IF97 region 2)") << "above the saturation temperature";
    metastable->setChecked(false);
    form.recallState(form.states().rows().size() - 2);
    EXPECT_TRUE(metastable->isChecked()) << "a recall brings the supercooled state back";
    calculate();
    EXPECT_EQ(ui.Lb_Phase->text(), "Metastable steam (supercooled vapour)");
    form.setRG_1ItemIndex(int(InputMode::ByPH));
    EXPECT_FALSE(metastable->isVisible());
}

}  // namespace
