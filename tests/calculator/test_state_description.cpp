// The state panel's data without widgets: the phase names, the diagram, and
// the wet-steam states of the (p, h) mode that gave the panel its dryness.
#include "calculation_fixture.h"
#include "calculation_values.h"
#include "diagram_curves.h"
#include "phase_text.h"

#include "TFS.h"
#include "locale_guard.h"
#include "number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

TEST(PhaseText, NamesTheRegionOfEachState) {
    const struct {
        double p, t;
        const char* phase;
    } states[] = {
        {1, 100, "Compressed water (IF97 region 1)"},
        {0.1, 100, "Superheated steam (IF97 region 2)"},  // ts(0.1 MPa) ≈ 99.61 °C
        {25, 380, "Supercritical fluid (IF97 region 3)"},
        {20, 360, "Water near the critical point (IF97 region 3)"},
        {20, 370, "Steam near the critical point (IF97 region 3)"},
        {5, 900, "High-temperature steam (IF97 region 5)"},
        // Above the critical pressure by the temperature, whatever the region.
        {30, 600, "Supercritical fluid (IF97 region 2)"},
        {30, 300, "Compressed water (IF97 region 1)"},
        {25, 360, "Compressed water (IF97 region 3)"},
    };
    for (const auto& state : states)
        EXPECT_EQ(PhaseOf(StateOf(state.p, TFS::STATE_PT(state.p, state.t))).toStdString(), state.phase)
            << state.p << ", " << state.t;
}

TEST(PhaseText, TwoPhaseStatesGiveTheirDrynessInTheLocale) {
    LocaleGuard comma(LocaleGuard::Comma());
    const auto phaseOf = [](double x) {
        StateValues state{};
        state.values[Quantity::Dryness] = x;
        return PhaseOf(state).toStdString();
    };
    EXPECT_EQ(phaseOf(0.61425), "Wet steam, dryness x = 0,6143 (IF97 region 4)");
    EXPECT_EQ(phaseOf(0.99996), "Wet steam, dryness x = 1,0000 (IF97 region 4)");
    EXPECT_EQ(phaseOf(0), "Saturated water");
    EXPECT_EQ(phaseOf(1), "Saturated steam");
}

TEST(TsDiagram, DomeRunsFromTheTriplePointToTheCriticalPointOnBothSides) {
    const SaturationDome& dome = TheSaturationDome();
    EXPECT_EQ(&dome, &TheSaturationDome()) << "computed once";
    ASSERT_EQ(dome.water.size(), dome.steam.size());
    EXPECT_EQ(dome.water.front().t, 0.01);
    EXPECT_NEAR(dome.water.front().s, 0, 1e-6);
    EXPECT_NEAR(dome.steam.front().s, 9.1555, 1e-4);
    EXPECT_EQ(dome.water.back().t, TFS::TKR);
    EXPECT_EQ(dome.water.back().s, dome.steam.back().s);
    EXPECT_NEAR(dome.water.back().s, 4.412, 1e-3);  // the critical entropy
    for (size_t i = 0; i + 1 < dome.water.size(); ++i) {
        EXPECT_LT(dome.water[i].t, dome.water[i + 1].t);
        EXPECT_LT(dome.water[i].s, dome.steam[i].s) << dome.water[i].t;
    }
}

// Along an isobar the entropy rises with the temperature; below the critical
// pressure it crosses the dome at the saturation temperature.
TEST(TsDiagram, IsobarCrossesTheDomeAlongItsPlateau) {
    const double ts = TFS::TS_P(1);
    // A wet state found from (h, s) may miss ts by a rounding: it stays on the plateau.
    for (const double t : {ts, std::nextafter(ts, 0.0)}) {
        const StateDiagram wet = StateDiagramOf(1, TFS::S_PX(1, 0.5), t, TFS::H_PX(1, 0.5));
        const auto& isobar = wet.isobar;
        for (size_t i = 0; i + 1 < isobar.size(); ++i) {
            EXPECT_LT(isobar[i].s, isobar[i + 1].s) << isobar[i].t;
            EXPECT_LE(isobar[i].t, isobar[i + 1].t);
        }
        const auto plateau =
            std::find_if(isobar.begin(), isobar.end(), [ts](const DiagramPoint& p) { return p.t == ts; });
        ASSERT_LE(plateau + 3, isobar.end());
        EXPECT_EQ(plateau[0].s, TFS::SSW_P(1));
        EXPECT_EQ(plateau[1].s, wet.state.s);
        EXPECT_EQ(plateau[2].s, TFS::SSP_P(1));
        EXPECT_GT(plateau[3].t, ts);
        EXPECT_EQ(isobar.back().t, wet.range.tMax);
    }

    const StateDiagram supercritical = StateDiagramOf(25, TFS::S_PT(25, 380), 380, TFS::h_pt(25, 380));
    for (size_t i = 0; i + 1 < supercritical.isobar.size(); ++i)
        EXPECT_LT(supercritical.isobar[i].s, supercritical.isobar[i + 1].s) << supercritical.isobar[i].t;
}

TEST(TsDiagram, RangeFitsTheDomeAndTheState) {
    const DiagramRange dome = DomeRange();
    EXPECT_EQ(dome.sMax, 10);
    EXPECT_EQ(dome.tMax, 400);
    const DiagramRange hot =
        StateDiagramOf(0.0005, TFS::S_PT(0.0005, 651), 651, TFS::h_pt(0.0005, 651)).range;  // s ≈ 11.67
    EXPECT_EQ(hot.sMax, 12);
    EXPECT_EQ(hot.tMax, 700);
    EXPECT_EQ(hot.tTick, 100);
    // Region 5's temperatures and enthalpies: ticks wide enough for their labels, reaching the axis end.
    const DiagramRange hottest = StateDiagramOf(1, TFS::S_PT(1, 1900), 1900, TFS::h_pt(1, 1900)).range;
    EXPECT_EQ(hottest.tMax, 2000);
    EXPECT_EQ(hottest.tTick, 250);
    EXPECT_EQ(hottest.hMax, 8000);  // h ≈ 7077 kJ/kg
    EXPECT_EQ(hottest.hTick, 1000);
}

// The enthalpy–entropy diagram draws the same points by their h: the dome's
// from the saturated enthalpies, the isobar's from h(p, t) and across the dome
// along the plateau from h′ to h″, the state's from the run.
TEST(HsDiagram, PointsCarryTheirEnthalpyAndTheRangeFitsIt) {
    const SaturationDome& dome = TheSaturationDome();
    for (size_t i = 0; i + 1 < dome.water.size(); ++i) {
        EXPECT_EQ(dome.water[i].h, TFS::HSW_T(dome.water[i].t));
        EXPECT_EQ(dome.steam[i].h, TFS::HSP_T(dome.steam[i].t));
    }
    EXPECT_NEAR(dome.steam.back().h, 2087.5, 0.5);  // the critical enthalpy

    const Outcome wetRun = ByPH("1", "2000");
    const Outputs* wet = OutputsOf(wetRun);
    ASSERT_NE(wet, nullptr);
    const StateDiagram& diagram = *wet->diagram;
    EXPECT_EQ(diagram.state.h, 2000);
    const double ts = TFS::TS_P(1);
    std::vector<double> plateau;
    for (const DiagramPoint& point : diagram.isobar) {
        if (point.t == ts)
            plateau.push_back(point.h);
        else
            EXPECT_EQ(point.h, TFS::h_pt(1, point.t)) << point.t;
    }
    EXPECT_EQ(plateau, (std::vector<double>{TFS::HSW_P(1), 2000, TFS::HSP_P(1)}));

    const DiagramRange range = DomeRange();  // saturated steam peaks at about 2803 kJ/kg
    EXPECT_EQ(range.hMax, 3000);
    EXPECT_EQ(range.hTick, 500);
    EXPECT_EQ(StateDiagramOf(0.0005, TFS::S_PT(0.0005, 651), 651, 3830).range.hMax, 4000);
}

// Between h′ and h″ below the critical pressure: t = ts, s and v of the mixture
// of dryness x, no heat capacity or transport properties. At 20 MPa the
// formulation's own (p, h) classification calls the state region 3.
TEST(WetSteam, ByPHIsTheMixtureOfItsDryness) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const double p : {1.0, 20.0}) {
        const Outcome outcome = ByPH(QString::number(p), "2000");
        const double hWater = TFS::HSW_P(p);
        // The dryness as the formulation forms it for S_PH and V_PH.
        const double x = (2000.0 - hWater) / (TFS::HSP_P(p) - hWater);
        const double s = TFS::S_PX(p, x);
        const double v = TFS::V_PX(p, x);
        const double ts = TFS::TS_P(p);
        const Texts expected{FixedOrExponent(p, 7, 4).toStdString(),
                             FixedOrExponent(ts, 5, 1).toStdString(),
                             "2000.00",
                             ExponentFormat(v, 4, 2).toStdString(),
                             FixedOrExponent(1 / v, 6, 2).toStdString(),
                             FixedOrExponent(s, 5, 3).toStdString(),
                             "",
                             "",
                             "",
                             "",
                             ""};
        EXPECT_EQ(Results(outcome), expected) << p;
        EXPECT_EQ(Texts{PhaseName(outcome)},
                  Texts{"Wet steam, dryness x = " + FixedOrExponent(x, 5, 4).toStdString() + " (IF97 region 4)"});
        const StateDiagram& diagram = *std::get<Outputs>(outcome).diagram;
        EXPECT_EQ(diagram.state.s, s);
        EXPECT_EQ(diagram.state.t, ts);
    }
    const Outcome outcome = ByPH("1", "2000");
    EXPECT_EQ(TextsOf(outcome, {Q::Temperature}), Texts{"179.9"});
    EXPECT_EQ(PhaseName(outcome), "Wet steam, dryness x = 0.6142 (IF97 region 4)");
}

// Exactly at a saturated enthalpy the state is the saturated phase itself,
// below and above 16.5292 MPa alike.
TEST(WetSteam, ExactlyAtASaturatedEnthalpyIsThatSaturatedPhase) {
    LocaleGuard locale(LocaleGuard::FullStop());
    for (const double p : {1.0, 20.0}) {
        const TFS::Saturation saturation = TFS::SATURATION_P(p);
        for (const auto& [phase, values] :
             {std::pair{"Saturated water", saturation.water}, std::pair{"Saturated steam", saturation.steam}}) {
            const Outcome outcome = ByPH(QString::number(p), QString::number(values.h, 'g', 17));
            EXPECT_EQ(PhaseName(outcome), phase);
            EXPECT_EQ(
                TextsOf(outcome, {Q::Temperature, Q::Entropy, Q::SpecificVolume, Q::HeatCapacity, Q::Prandtl}),
                (Texts{FixedOrExponent(saturation.t, 5, 1).toStdString(), FixedOrExponent(values.s, 5, 3).toStdString(),
                       ExponentFormat(values.v, 4, 2).toStdString(), "", ""}))
                << p;
        }
    }
}

// The (p, s), (p, x) and (t, x) modes give wet steam as the mixture of its
// dryness, as the formulation's mixtures form it.
TEST(WetSteam, ByEntropyOrDrynessIsTheMixture) {
    LocaleGuard locale(LocaleGuard::FullStop());
    const double x = 0.25, p = 1, t = 100, pOfT = TFS::PS_T(t);
    const auto text = [](const char* format, double value) {
        return (format[0] == 'E' ? ExponentFormat(value, 4, 2) : FixedOrExponent(value, 6, 2)).toStdString();
    };
    const struct {
        Outcome outcome;
        double p, t;
    } runs[] = {
        {ByPX("1", "0.25"), p, TFS::TS_P(p)},
        {ByTX("100", "0.25"), pOfT, t},
        {ByPS("1", QString::number(TFS::S_PX(p, x), 'g', 17)), p, TFS::TS_P(p)},
    };
    for (const auto& run : runs) {
        EXPECT_EQ(TextsOf(run.outcome, {Q::Enthalpy, Q::SpecificVolume, Q::Temperature, Q::HeatCapacity}),
                  (Texts{text("F", TFS::H_PX(run.p, x)), text("E", TFS::V_PX(run.p, x)),
                         FixedOrExponent(run.t, 5, 1).toStdString(), ""}))
            << run.p;
        EXPECT_EQ(PhaseName(run.outcome), "Wet steam, dryness x = 0.2500 (IF97 region 4)");
    }
    EXPECT_EQ(TextsOf(runs[0].outcome, {Q::Entropy}), Texts{FixedOrExponent(TFS::S_PX(p, x), 5, 3).toStdString()});
    EXPECT_EQ(PhaseName(ByPX("1", "1")), "Saturated steam");
}

// Next to the two-phase range the (p, h) mode keeps its single-phase states.
TEST(WetSteam, EndsAtTheSaturatedEnthalpies) {
    const double hSteam = TFS::HSP_P(1);
    const Outcome steam = ByPH("1", QString::number(std::nextafter(hSteam, 4000), 'g', 17));
    EXPECT_EQ(PhaseName(steam), "Superheated steam (IF97 region 2)");
    EXPECT_NE(TextsOf(steam, {Q::HeatCapacity}), Texts{""});
    EXPECT_EQ(PhaseName(ByPH("25", "2000")), "Supercritical fluid (IF97 region 3)");
}
