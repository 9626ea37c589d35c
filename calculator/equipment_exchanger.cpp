// The counterflow heat exchanger: the largest duty that keeps the hot stream
// at least the minimum approach hotter than the cold one all along.
#include "equipment_parts.h"

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// At the saturation temperature the enthalpy runs over the whole dome: the
// hot stream must stay at or above the temperature, so at least the liquid's
// enthalpy; the cold one at or below it, so at most the vapour's.
enum class Side { Liquid, Vapour };

double EnthalpyAt(double p, double t, Side side) {
    if (p < TFS::PKR && t == TFS::TS_P(p)) {
        const SaturatedStreams sat = SaturatedAt(p);
        return side == Side::Liquid ? sat.water.h : sat.steam.h;
    }
    return TFS::h_pt(p, t);
}

struct Sides {
    const Stream &hot, &cold;
    double approach;

    // The largest duty with which the hot stream's enthalpy at the point where
    // the cold one is at temperature tCold, after taking coldTaken kW from the
    // cold inlet, keeps the approach.
    double HotLimit(double coldTaken, double tCold) const {
        return coldTaken + hot.massFlow * (hot.h - EnthalpyAt(hot.p, tCold + approach, Side::Liquid));
    }
    // Likewise where the hot one is at tHot after giving hotGiven kW from its inlet.
    double ColdLimit(double hotGiven, double tHot) const {
        return hotGiven + cold.massFlow * (EnthalpyAt(cold.p, tHot - approach, Side::Vapour) - cold.h);
    }
};

}  // namespace

Exchanging Exchange(const Stream& hot, const Stream& cold, double minimumApproach) {
    const QString hotKey = u"hot"_s, coldKey = u"cold"_s, approachKey = u"minimumApproach"_s;
    CheckStream(hot, hotKey, u"hot stream"_s);
    CheckStream(cold, coldKey, u"cold stream"_s);
    if (!(hot.massFlow > 0)) Refuse(hotKey + u".massFlow"_s, u" The hot stream has no flow: it carries no heat"_s);
    if (!(cold.massFlow > 0)) Refuse(coldKey + u".massFlow"_s, u" The cold stream has no flow: it takes no heat"_s);
    if (!(minimumApproach >= 0) || !std::isfinite(minimumApproach))
        Refuse(approachKey, u" Inadequately set minimum approach: it is negative"_s);
    if (!(hot.t > cold.t + minimumApproach))
        Refuse(hotKey, u" The hot stream is not the minimum approach hotter than the cold inlet: no heat can pass"_s);
    return Served(approachKey, [&] {
        const Sides sides{hot, cold, minimumApproach};
        // Each end keeps the approach: the hot outlet against the cold inlet,
        // the cold outlet against the hot inlet.
        double duty = std::min(sides.HotLimit(0, cold.t), sides.ColdLimit(0, hot.t));
        // A boiling cold stream is coldest against the hot one where it starts
        // to boil; a condensing hot stream, where it starts to condense. Each
        // such point lies inside the exchanger only for a duty beyond its own.
        std::optional<SaturatedStreams> coldSat, hotSat;
        double taken = 0, given = 0;
        if (cold.p < TFS::PKR) {
            coldSat = SaturatedAt(cold.p);
            taken = cold.massFlow * (coldSat->water.h - cold.h);
            if (taken > 0 && taken < duty) duty = std::min(duty, sides.HotLimit(taken, coldSat->water.t));
        }
        if (hot.p < TFS::PKR) {
            hotSat = SaturatedAt(hot.p);
            given = hot.massFlow * (hot.h - hotSat->steam.h);
            if (given > 0 && given < duty) duty = std::min(duty, sides.ColdLimit(given, hotSat->steam.t));
        }
        Exchanging x;
        x.duty = duty;
        x.hotOutlet = StreamFromState(TFS::STATE_PH(hot.p, hot.h - duty / hot.massFlow), hot.massFlow);
        x.coldOutlet = StreamFromState(TFS::STATE_PH(cold.p, cold.h + duty / cold.massFlow), cold.massFlow);
        x.approach = std::min(hot.t - x.coldOutlet.t, x.hotOutlet.t - cold.t);
        if (coldSat && taken > 0 && taken < duty)
            x.approach = std::min(x.approach, TFS::STATE_PH(hot.p, hot.h - (duty - taken) / hot.massFlow).t -
                                                  coldSat->water.t);
        if (hotSat && given > 0 && given < duty)
            x.approach = std::min(x.approach, hotSat->steam.t - TFS::STATE_PH(cold.p, cold.h + (duty - given) /
                                                                                           cold.massFlow).t);
        x.balance = BalanceSheet().in(hot).in(cold).out(x.hotOutlet).out(x.coldOutlet).balance();
        return x;
    });
}
