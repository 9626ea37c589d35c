// The transport formulation of a run: IAPS 1985 by default; under IAPWS
// 2008/2011 the panel and the sheets show one state alike, and the sheets
// reach along the whole saturation line.
#include "calculation_fixture.h"

#include "TFS.h"
#include "locale_guard.h"
#include "line_table.h"
#include "state_export.h"
#include "state_table.h"
#include "text_to_real.h"

#include <algorithm>

namespace {

class TransportChoice : public ::testing::Test {
protected:
    LocaleGuard locale{LocaleGuard::FullStop()};
};

Outcome RunUnder(InputMode mode, SaturationInput by, const QMap<Quantity, QString>& typed,
                 Transport transport = Transport::IAPWS2008_2011) {
    return Calculate({mode, by, typed, {}, transport});
}

Outcome SheetsByPs(const QString& ps, Transport transport = Transport::IAPWS2008_2011) {
    return RunUnder(InputMode::Saturation, SaturationInput::ByPs, {{Q::Pressure, ps}}, transport);
}
Outcome SheetsByTs(const QString& ts, Transport transport = Transport::IAPWS2008_2011) {
    return RunUnder(InputMode::Saturation, SaturationInput::ByTs, {{Q::Temperature, ts}}, transport);
}

double ValueOf(const Outcome& outcome, Quantity quantity, Phase phase) {
    for (const Output& output : OutputsOf(outcome)->values)
        if (output.quantity == quantity && output.phase == phase) return output.value;
    return std::nan("");
}

QString Digits17(double x) {
    return QString::number(x, 'g', 17);
}

}  // namespace

TEST_F(TransportChoice, TheDefaultIsIAPS1985) {
    EXPECT_EQ(Results(ByPT("1", "200")),
              Results(RunUnder(InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "200"}},
                               Transport::IAPS1985)));
    EXPECT_EQ(VapourSheet(ByPs("1")), VapourSheet(SheetsByPs("1", Transport::IAPS1985)));
    // The releases give other transport values, the same thermodynamic ones.
    const Texts releases =
        Results(RunUnder(InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "200"}}));
    const Texts designed = Results(ByPT("1", "200"));
    EXPECT_EQ(Texts(releases.begin(), releases.begin() + 7), Texts(designed.begin(), designed.begin() + 7));
    EXPECT_EQ(releases[9], "3.631E-02");  // λ = LMB11_PT (1, 200) = 36.31 mW/(m·K)
    EXPECT_NE(releases[9], designed[9]);
    // Above the releases' 900 °C the state keeps its thermodynamic values.
    const Outcome hot = RunUnder(InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "1200"}});
    ASSERT_NE(OutputsOf(hot), nullptr);
    EXPECT_TRUE(std::isnan(ValueOf(hot, Q::DynamicViscosity, Phase::State)));
    EXPECT_FALSE(std::isnan(ValueOf(hot, Q::Enthalpy, Phase::State)));
}

// The sheet at 1 MPa and the panel's saturated steam of 1 MPa (x = 1) are one
// state: every value the sheet shows, the panel shows alike.
TEST_F(TransportChoice, PanelAndSheetShowOneSaturatedState) {
    const Outcome sheets = SheetsByPs("1");
    struct Panel {
        Outcome outcome;
        Phase phase;
    };
    for (const Panel& panel :
         {Panel{RunUnder(InputMode::ByPX, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Dryness, "1"}}),
                Phase::SaturatedSteam},
          Panel{RunUnder(InputMode::ByPX, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Dryness, "0"}}),
                Phase::SaturatedWater}}) {
        for (const Quantity q :
             {Q::Temperature, Q::Enthalpy, Q::Entropy, Q::SpecificVolume, Q::HeatCapacity, Q::Conductivity,
              Q::DynamicViscosity, Q::KinematicViscosity, Q::Prandtl, Q::IsochoricHeatCapacity, Q::SpeedOfSound}) {
            const double onSheet = ValueOf(sheets, q, panel.phase);
            EXPECT_NEAR(ValueOf(panel.outcome, q, Phase::State), onSheet, 1e-12 * std::fabs(onSheet))
                << RowOf(q).name << " of phase " << int(panel.phase);
        }
        EXPECT_GT(ValueOf(panel.outcome, Q::IsentropicExponent, Phase::State), 1);
    }
    // Off the line the panel goes on from the sheet's values: 1 MPa steam 0.12 K above it.
    const double sheet = ValueOf(sheets, Q::Conductivity, Phase::SaturatedSteam);
    const Outcome hotter =
        RunUnder(InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "180"}});
    EXPECT_NEAR(ValueOf(hotter, Q::Conductivity, Phase::State), sheet, 1e-3 * sheet);
}

// A saturation state by its temperature and by its pressure gives one pair of sheets.
TEST_F(TransportChoice, PsAndTsOfOneStateGiveOneSheet) {
    for (const double ts : {100.0, 340.0, 370.0}) {
        const Outcome byTs = SheetsByTs(QString::number(ts)), byPs = SheetsByPs(Digits17(TFS::PS_T(ts)));
        EXPECT_EQ(VapourSheet(byTs), VapourSheet(byPs)) << ts;
        EXPECT_EQ(WaterSheet(byTs), WaterSheet(byPs)) << ts;
    }
    // Under IAPS 1985 the correlations of each coordinate differ (λ″ 0.1003 and 0.1091).
    const Outcome byTs = SheetsByTs("340", Transport::IAPS1985), byPs = SheetsByPs("14.600181", Transport::IAPS1985);
    EXPECT_NE(VapourSheet(byTs)[7], VapourSheet(byPs)[7]);
}

TEST_F(TransportChoice, SaturationModeReachesTheWholeLine) {
    struct Case {
        Outcome outcome;
        std::string described;
    };
    const std::string pressure = " Inadequately set pressure: Ps>22.064 MPa or Ps<0.000611657 MPa [Pressure]";
    const std::string temperature = " Inadequately set temperature: Ts>373.946 C or Ts<0.01 C [Temperature]";
    for (const Case& c : {Case{SheetsByPs("22.064"), "outputs"},
                          {SheetsByPs("22.0641"), pressure},
                          {SheetsByPs("0.000611657"), "outputs"},
                          {SheetsByPs("0.00061165"), pressure},
                          {SheetsByTs("373.946"), "outputs"},
                          {SheetsByTs("373.9461"), temperature},
                          {SheetsByTs("0.01"), "outputs"},
                          {SheetsByTs("0.0099"), temperature},
                          // Under IAPS 1985 the correlations' range stays.
                          {SheetsByPs("21.9", Transport::IAPS1985),
                           " Inadequately set pressure: Ps>21.819 MPa or Ps<0.00087 MPa [Pressure]"}})
        EXPECT_EQ(Described(c.outcome), c.described);
    // σ by IAPWS R1-76(2014): 58.91 mN/m at 100 °C (the correlation gives 58.87).
    EXPECT_EQ(WaterSheet(SheetsByTs("100"))[11], "5.891E-02");
    EXPECT_EQ(WaterSheet(ByTs("100"))[11], "5.887E-02");
}

// Each formulation gives transport values only within the releases' range
// (up to 900 °C; the viscosity below the triple-point pressure from its temperature);
// beyond it the cells stay empty and say why, in the panel and the table of states.
TEST_F(TransportChoice, TransportBeyondItsRangeIsEmptyAndSaysWhy) {
    struct Case {
        const char *p, *t;
        bool viscosity, conductivity;
    };
    const Q transport[] = {Q::Conductivity, Q::DynamicViscosity, Q::KinematicViscosity, Q::Prandtl};
    for (const Transport formulation : {Transport::IAPS1985, Transport::IAPWS2008_2011}) {
        for (const Case& c : {Case{"1", "500", true, true}, {"1", "900", true, true}, {"1", "1500", false, false},
                              {"0.0005", "2000", false, false}, {"40", "850", true, true},
                              {"0.0005", "0.005", false, true}}) {  // below the triple point
            const CalculationRequest request{
                InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, c.p}, {Q::Temperature, c.t}}, {}, formulation};
            const Outputs outputs = std::get<Outputs>(Calculate(request));
            // A row of a line is run from its values: it carries the same notes.
            const Outputs row = std::get<Outputs>(CalculateValues(*ModeOf(InputMode::ByPT, SaturationInput::ByPs),
                                                                  {TextToReal(c.p), TextToReal(c.t)}, {}, formulation, {}, {},
                                                                  Written::ValuesOnly));
            const LineRow lineRow{{}, row};
            StateTable table;
            table.Append(request, outputs);
            const QList<QStringList> cells = StatesCells(table.rows(), {}, Digits::Shown);
            const QList<QStringList> notes = StatesNotes(table.rows());
            for (qsizetype i = 0; i < outputs.values.size(); ++i) {
                const Output& o = outputs.values[i];
                if (std::find(std::begin(transport), std::end(transport), o.quantity) == std::end(transport)) continue;
                const bool given = o.quantity == Q::Conductivity ? c.conductivity
                                   : o.quantity == Q::Prandtl    ? c.viscosity && c.conductivity
                                                                 : c.viscosity;
                const std::string where = std::string(c.p) + " MPa, " + c.t + " C, " + RowOf(o.quantity).name +
                                          ", " + TransportName(formulation).toStdString();
                EXPECT_EQ(std::isnan(o.value), !given) << where;
                EXPECT_EQ(o.note.isEmpty(), given) << where;
                EXPECT_EQ(o.note.contains(TransportName(formulation)), !given) << where;
                const qsizetype column = cells[0].indexOf(ValueHeader(Phase::State, o.quantity, {}));
                ASSERT_GE(column, 0) << where;
                EXPECT_EQ(cells[1][column], o.text) << where;
                EXPECT_EQ(notes[1][column], o.note) << where;
                EXPECT_EQ(row.values[i].note, o.note) << where;
                EXPECT_EQ(CellNote(lineRow, {o.quantity, Phase::State}), o.note) << where;
            }
        }
    }
}
