// The state panel's data without widgets: the phase names and the diagram.
#include "phase_text.h"
#include "ts_diagram.h"

#include "TFS.h"
#include "locale_guard.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PhaseText, NamesTheRegionOfEachState)
{
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
  };
  for (const auto& state : states) EXPECT_EQ(PhaseOfState(state.p, state.t).toStdString(), state.phase) << state.t;
}

TEST(PhaseText, WetSteamGivesItsDrynessInTheLocale)
{
  LocaleGuard comma(LocaleGuard::Comma());
  EXPECT_EQ(PhaseOfWetSteam(0.61425).toStdString(), "Wet steam, dryness x = 0,6143 (IF97 region 4)");
  EXPECT_EQ(PhaseOfWetSteam(0.99996).toStdString(), "Wet steam, dryness x = 1,0000 (IF97 region 4)");
}

TEST(TsDiagram, DomeRunsFromTheTriplePointToTheCriticalPointOnBothSides)
{
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
TEST(TsDiagram, IsobarCrossesTheDomeAlongItsPlateau)
{
  const double ts = TFS::TS_P(1);
  const StateDiagram wet = StateDiagramOf(1, TFS::S_PX(1, 0.5), ts);
  const auto& isobar = wet.isobar;
  for (size_t i = 0; i + 1 < isobar.size(); ++i) {
    EXPECT_LT(isobar[i].s, isobar[i + 1].s) << isobar[i].t;
    EXPECT_LE(isobar[i].t, isobar[i + 1].t);
  }
  const auto plateau = std::find_if(isobar.begin(), isobar.end(), [ts](const DiagramPoint& p) { return p.t == ts; });
  ASSERT_LE(plateau + 3, isobar.end());
  EXPECT_EQ(plateau[0].s, TFS::SSW_P(1));
  EXPECT_EQ(plateau[1].s, wet.state.s);
  EXPECT_EQ(plateau[2].s, TFS::SSP_P(1));
  EXPECT_GT(plateau[3].t, ts);
  EXPECT_EQ(isobar.back().t, wet.range.tMax);

  const StateDiagram supercritical = StateDiagramOf(25, TFS::S_PT(25, 380), 380);
  for (size_t i = 0; i + 1 < supercritical.isobar.size(); ++i)
    EXPECT_LT(supercritical.isobar[i].s, supercritical.isobar[i + 1].s) << supercritical.isobar[i].t;
}

TEST(TsDiagram, RangeFitsTheDomeAndTheState)
{
  const DiagramRange dome = DomeRange();
  EXPECT_EQ(dome.sMax, 10);
  EXPECT_EQ(dome.tMax, 400);
  const DiagramRange hot = StateDiagramOf(0.0005, TFS::S_PT(0.0005, 651), 651).range;  // s ≈ 11.67
  EXPECT_EQ(hot.sMax, 12);
  EXPECT_EQ(hot.tMax, 700);
}
