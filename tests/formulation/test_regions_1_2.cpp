#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TFS.h"
#include "stop_message.h"
#include "verification_values.h"

namespace {

using Property = std::function<double(double, double)>;

void expect_table(std::string_view table, const Property& v, const Property& h, const Property& s, const Property& cp) {
    int checked = 0;
    for (const auto& row : VERIFICATION) {
        if (row.table != table) continue;
        const Property& f = row.property == "v" ? v : row.property == "h" ? h : row.property == "s" ? s : cp;
        EXPECT_NEAR(f(row.arg1, row.arg2), row.value, nine_digits(row.value))
            << "Table " << table << " " << row.property << " at " << row.arg1 << " MPa, " << row.arg2 << " °C";
        ++checked;
    }
    EXPECT_EQ(checked, 12);
}

}  // namespace

TEST(Region1, ReproducesIapwsTable5) {
    expect_table("5", TFS::VW_PT, TFS::HW_PT, TFS::SW_PT, TFS::CpW_PT);
}

TEST(Region2, ReproducesIapwsTable15) {
    expect_table("15", TFS::VP_PT, TFS::HP_PT, TFS::SP_PT, TFS::CpP_PT);
}

TEST(Region1, SaturationGuardAllowsOneTenThousandthOfADegree) {
    // ts(0.1 MPa) ≈ 99.60592 °C
    EXPECT_NO_THROW(TFS::HW_PT(0.1, 99.606));
    EXPECT_NO_THROW(TFS::HW_PT(0.1, TFS::TS_P(0.1) + 0.00009));
    EXPECT_EQ(stop_message([] { TFS::HW_PT(0.1, TFS::TS_P(0.1) + 0.00011); }),
              "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (HW_PT)");
}

TEST(Region1, EveryGuardedFunctionStopsWithItsOwnName) {
    EXPECT_EQ(stop_message([] { TFS::HW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (HW_PT)");
    EXPECT_EQ(stop_message([] { TFS::SW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (SW_PT)");
    EXPECT_EQ(stop_message([] { TFS::VW_PT(0.1, 150); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (VW_PT)");
    EXPECT_EQ(stop_message([] { TFS::CpW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (CpW_PT)");
    EXPECT_EQ(stop_message([] { TFS::UW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (UW_PT)");
    EXPECT_EQ(stop_message([] { TFS::CvW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (CvW_PT)");
    EXPECT_EQ(stop_message([] { TFS::WW_PT(0.1, 100); }), "УТОЧНИТЕ ФУНКЦИЮ ДЛЯ ВАШИХ ПАРАМЕТРОВ (WW_PT)");
}

TEST(Region1, UnguardedVolumeAndStatesOutsideRegionOne) {
    // VW0_PT has no guard: the steam state is computed with the liquid formula.
    EXPECT_GT(TFS::VW0_PT(0.1, 150), 0.0);
    // Above the critical pressure TS_P continues to about 377 °C: no stop.
    EXPECT_NO_THROW(TFS::HW_PT(25, 370));
    EXPECT_EQ(TFS::VW_PT(3, 26.85), TFS::VW0_PT(3, 26.85));
}

TEST(Region2, HasNoGuardAndTendsToTheIdealGas) {
    EXPECT_NO_THROW(TFS::HP_PT(0.1, 50));
    for (double t : {100.0, 400.0, 800.0}) {
        const double p = 1e-7;
        EXPECT_NEAR(TFS::VP_PT(p, t) * p * 1000 / (0.461526 * (t + 273.15)), 1.0, 1e-7) << t;
    }
}
