#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TFS.h"
#include "stop_message.h"

TEST(Transport, LiquidAndSteamAtAtmosphericPressure) {
    EXPECT_NEAR(TFS::MIU_PT(0.1, 20), 1001.6, 0.05);  // µPa·s
    EXPECT_NEAR(TFS::LMB_PT(0.1, 20), 599.5, 0.05);   // mW/(m·K)
    EXPECT_NEAR(TFS::PR_PT(0.1, 20), 6.99, 0.005);
    // Steam: the density is so low that the exponential term of λ2 is cut off.
    EXPECT_NEAR(TFS::MIU_PT(0.1, 200), 16.18, 0.005);
    EXPECT_NEAR(TFS::LMB_PT(0.1, 200), 33.37, 0.005);
    EXPECT_NEAR(TFS::PR_PT(0.1, 200), 0.958, 0.0005);
}

TEST(Transport, CompressedLiquidAtTenMegapascals) {
    EXPECT_NEAR(TFS::MIU_PT(10, 300), 86.46, 0.005);
    EXPECT_NEAR(TFS::LMB_PT(10, 300), 548.1, 0.05);
    EXPECT_NEAR(TFS::PR_PT(10, 300), 0.896, 0.0005);
}

TEST(Transport, PrandtlNumberCombinesTheThreeProperties) {
    for (const auto& [p, t] : {std::pair{0.1, 20.0}, {5.0, 600.0}, {25.0, 380.0}, {1.0, 1000.0}}) {
        const double expected = TFS::MIU_PT(p, t) * TFS::Cp_PT(p, t) / TFS::LMB_PT(p, t);
        EXPECT_NEAR(TFS::PR_PT(p, t), expected, 1e-13 * expected) << p << " MPa, " << t << " °C";
    }
}

// The critical term of the conductivity changes its temperature function at
// T̄ = T / 647.256 K = 1 (t = 374.106 °C): 1/ΔT above, C6/ΔT^0.6 below. Near
// the critical density the two differ by a factor 1.8 at T̄ = 0.99 and 1.01,
// so a branch taken on the wrong side shows at once.
TEST(Transport, ConductivityBranchTurnsAtReducedTemperatureOne) {
    // Independent evaluations of the equation at the densities of these states.
    EXPECT_NEAR(TFS::LMB_PT(23, 370), 397.927019, 1e-5);  // T̄ < 1
    EXPECT_NEAR(TFS::LMB_PT(23, 380), 258.712109, 1e-5);  // T̄ > 1
    // At T̄ = 1 both forms give ≈ 324, so the conductivity hardly jumps there.
    const double t_switch = 647.256 - 273.15;
    const double below = TFS::LMB_PT(23, std::nextafter(t_switch, 0.0));
    EXPECT_NEAR(TFS::LMB_PT(23, t_switch), below, 0.1);
}

TEST(Transport, ReachTheStopsOfTheVolumeDispatcher) {
    EXPECT_EQ(stop_message(TFS::MIU_PT, 1, TFS::TS_P(1)), "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(stop_message(TFS::LMB_PT, 1, TFS::TS_P(1)), "Вы попали на линию насыщения (V_PT)");
    EXPECT_EQ(stop_message(TFS::PR_PT, 55, 900), "ЗАДАННЫЕ P И T ЗА ПРЕДЕЛАМИ ДОПУСТИМЫХ ЗНАЧЕНИЙ:");
}

TEST(Powers, RealPowerIsExpOfTheScaledLogarithm) {
    EXPECT_DOUBLE_EQ(TFS::POWR(2, 0.5), std::sqrt(2.0));
    EXPECT_EQ(TFS::POWR(0.37, 0), 1.0);
    EXPECT_EQ(TFS::POWR(1234.5, 0), 1.0);
}
