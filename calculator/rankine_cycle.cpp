// The Rankine cycle with an optional reheat, an open and a closed feedwater
// heater, built from the unit operations: the turbine expands section by
// section between its inlet, the extraction and reheat pressures and the
// condenser; the heaters' balances give the extraction fractions.
#include "equipment_parts.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

using Definition = RankineDefinition;

constexpr double ZeroCelsius = 273.15;  // K
// The saturation temperature at 1 kPa, the lowest pressure of the (p, h) states, rounded up.
constexpr double LowestCondenserTemperature = 6.97;  // °C

bool Given(double value) {
    return std::isfinite(value);
}

// An operation or a state inside the cycle refuses in the name of the
// cycle's input that led to it.
template <class Compute>
auto Within(const QString& key, Compute compute) -> decltype(compute()) {
    try {
        return Served(key, compute);
    } catch (const EquipmentRefusal& refusal) {
        Refuse(key, refusal.message);
    }
}

double CondenserPressure(const Definition& d) {
    const QString key = u"condenserPressure"_s;
    if (Given(d.condenserPressure) == Given(d.condenserTemperature))
        Refuse(key, u" Give the condenser either its pressure or its saturation temperature"_s);
    if (Given(d.condenserPressure)) {
        CheckPressure(d.condenserPressure, key, u"condenser pressure"_s);
        return d.condenserPressure;
    }
    // The saturation temperatures of the pressures the states take, 1 kPa up to the critical point.
    const double t = d.condenserTemperature;
    if (!(t >= LowestCondenserTemperature && t < TFS::TKR))
        Refuse(u"condenserTemperature"_s, u" Inadequately set condenser temperature: T>=373.946 Celsius or T<6.97 Celsius"_s);
    return TFS::PS_T(t);
}

// A pressure strictly between two others, as a heater or reheater sits between
// the condenser and the boiler.
void CheckBetween(double p, double below, double above, const QString& key, const QString& message) {
    if (!(p > below && p < above)) Refuse(key, message);
}

struct Pressures {
    double boiler, condenser;
};

Pressures CheckedPressures(const Definition& d) {
    CheckPressure(d.boilerPressure, u"boilerPressure"_s, u"boiler pressure"_s);
    const double pc = CondenserPressure(d);
    const double pb = d.boilerPressure;
    if (!(pc < pb)) Refuse(u"condenserPressure"_s, u" The condenser pressure is not below the boiler pressure"_s);
    // Above the critical pressure, steam is the fluid above the critical temperature.
    if (!(d.boilerTemperature > (pb < TFS::PKR ? TFS::TS_P(pb) : TFS::TKR)))
        Refuse(u"boilerTemperature"_s, u" The turbine inlet is not superheated: raise the boiler temperature"_s);
    CheckEfficiency(d.turbineEfficiency, u"turbineEfficiency"_s, u"turbine efficiency"_s);
    CheckEfficiency(d.pumpEfficiency, u"pumpEfficiency"_s, u"pump efficiency"_s);
    if (!(d.massFlow >= 0) || !std::isfinite(d.massFlow))
        Refuse(u"massFlow"_s, u" Inadequately set mass flow: it is negative"_s);
    if (d.reheat)
        CheckBetween(d.reheat->pressure, pc, pb, u"reheatPressure"_s,
                     u" The reheat pressure is not between the condenser and the boiler pressures"_s);
    if (d.openHeaterPressure)
        CheckBetween(*d.openHeaterPressure, pc, pb, u"openHeaterPressure"_s,
                     u" The open heater's pressure is not between the condenser and the boiler pressures"_s);
    // A heater's water leaves saturated at its pressure (the closed heater's drain).
    const auto checkSaturated = [](double p, const QString& key, const QString& name) {
        if (p >= TFS::PKR)
            Refuse(key, u" The "_s + name + u"'s pressure is not below the critical pressure 22.064 MPa: its water cannot "
                                            u"leave it saturated"_s);
    };
    if (d.openHeaterPressure) checkSaturated(*d.openHeaterPressure, u"openHeaterPressure"_s, u"open heater"_s);
    if (d.closedHeater)
        CheckBetween(d.closedHeater->pressure, d.openHeaterPressure.value_or(pc), pb, u"closedHeaterPressure"_s,
                     u" The closed heater's pressure is not between the open heater's (or the condenser's) and the "
                     u"boiler's"_s);
    if (d.closedHeater) checkSaturated(d.closedHeater->pressure, u"closedHeaterPressure"_s, u"closed heater"_s);
    return {pb, pc};
}

// What the turbine gives at one pressure on its way down.
struct TurbinePoint {
    double p;
    Stream extracted;  // the section's outlet: the steam bled here, before any reheat
    Stream leaving;    // what goes on down the turbine: after the reheater at the reheat pressure
};

// The turbine per kilogram entering it, section by section from the inlet
// down every extraction and the reheat pressure to the condenser.
QList<TurbinePoint> TurbineLine(const Definition& d, const Stream& inlet, double pc) {
    QList<double> stops{pc};
    if (d.reheat) stops.append(d.reheat->pressure);
    if (d.openHeaterPressure) stops.append(*d.openHeaterPressure);
    if (d.closedHeater) stops.append(d.closedHeater->pressure);
    std::sort(stops.begin(), stops.end(), std::greater<>());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    QList<TurbinePoint> points;
    Stream current = inlet;
    for (double p : stops) {
        const Stream out =
            Within(u"turbineEfficiency"_s, [&] { return Expand(current, p, d.turbineEfficiency).outlet; });
        TurbinePoint point{p, out, out};
        if (d.reheat && p == d.reheat->pressure) {
            if (!(d.reheat->temperature > out.t))
                Refuse(u"reheatTemperature"_s, u" The reheat temperature is not above the high-pressure turbine's outlet"_s);
            point.leaving = Within(u"reheatTemperature"_s, [&] { return StreamPT(p, d.reheat->temperature, 0); });
        }
        points.append(point);
        current = point.leaving;
    }
    return points;
}

Stream ExtractedAt(const QList<TurbinePoint>& points, double p) {
    for (const TurbinePoint& point : points)
        if (point.p == p) return point.extracted;
    return {};
}

// The feedwater from the condenser to the boiler, and the extraction
// fractions the heaters' balances ask, per kilogram of boiler steam.
struct FeedwaterTrain {
    Stream condensate, pumped;                 // the condenser's outlet and the first pump's
    Stream openOut, feedPumped;                // the open heater's outlet and the feed pump's
    Stream closedOut, drain, drainOnward;      // the closed heater's outlets; the drain pumped or throttled
    double closedFraction = 0, openFraction = 0;
    double heaterFlow = 1;  // through the closed heater and the feed pump: all but a drain pumped forward
    bool pumpedForward = false;
};

FeedwaterTrain Feedwater(const Definition& d, const QList<TurbinePoint>& points, double pb, double pc) {
    const std::optional<double> po = d.openHeaterPressure;
    FeedwaterTrain w;
    w.pumpedForward = d.closedHeater && d.closedHeater->drain == DrainRoute::PumpedForward;
    const auto pump = [&](const Stream& in, double p) {
        return Within(u"pumpEfficiency"_s, [&] { return Compress(in, p, d.pumpEfficiency).outlet; });
    };
    w.condensate = Within(u"condenserPressure"_s, [&] { return SaturatedAt(pc).water; });
    w.pumped = pump(w.condensate, po.value_or(pb));
    Stream closedIn = w.pumped;
    if (po) {
        w.openOut = Within(u"openHeaterPressure"_s, [&] { return SaturatedAt(*po).water; });
        w.feedPumped = closedIn = pump(w.openOut, pb);
    }
    if (d.closedHeater) {
        // The closed heater brings the feedwater to the saturation temperature
        // of its extraction, and leaves its drain saturated.
        const double ph = d.closedHeater->pressure;
        const QString key = u"closedHeaterPressure"_s;
        w.drain = Within(key, [&] { return SaturatedAt(ph).water; });
        w.closedOut = Within(key, [&] { return StreamPT(pb, w.drain.t, 0); });
        const double rise = w.closedOut.h - closedIn.h, given = ExtractedAt(points, ph).h - w.drain.h;
        if (!(rise > 0)) Refuse(key, u" The closed heater's feedwater is already at its saturation temperature"_s);
        if (!(given > 0)) Refuse(key, u" The closed heater's extraction steam cannot heat its feedwater"_s);
        // Pumped forward, the drain joins the feedwater: only the rest passes the heater.
        w.closedFraction = w.pumpedForward ? rise / (given + rise) : rise / given;
        w.heaterFlow = w.pumpedForward ? 1 - w.closedFraction : 1.0;
        w.drainOnward = w.pumpedForward ? pump(w.drain, pb)
                                        : Within(key, [&] { return Throttle(w.drain, po.value_or(pc)).outlet; });
    }
    if (po) {
        // The open heater mixes its extraction, the condensate and a cascaded
        // drain into saturated water.
        const Stream bled = ExtractedAt(points, *po);
        const double cascaded = d.closedHeater && !w.pumpedForward ? w.closedFraction : 0.0;
        const double needed = w.heaterFlow * (w.openOut.h - w.pumped.h) -
                              (cascaded > 0 ? cascaded * (w.drainOnward.h - w.pumped.h) : 0.0);
        if (!(bled.h > w.openOut.h))
            Refuse(u"openHeaterPressure"_s, u" The open heater's extraction steam cannot heat its water to saturation"_s);
        w.openFraction = needed / (bled.h - w.pumped.h);
        if (!(w.openFraction > 0))
            Refuse(u"openHeaterPressure"_s,
                   u" The closed heater's drain alone overheats the open heater: no extraction is left to it"_s);
    }
    if (!(w.closedFraction + w.openFraction < 1))
        Refuse(u"openHeaterPressure"_s, u" The heaters would take all the steam: none is left for the condenser"_s);
    return w;
}

// The name of a turbine point by the roles it plays: "Extraction to the
// closed heater, reheater inlet".
QString PointName(const Definition& d, double p, double pc) {
    QStringList roles;
    if (d.closedHeater && p == d.closedHeater->pressure) roles << u"extraction to the closed heater"_s;
    if (d.openHeaterPressure && p == *d.openHeaterPressure) roles << u"extraction to the open heater"_s;
    if (d.reheat && p == d.reheat->pressure) roles << u"reheater inlet"_s;
    if (p == pc) roles << u"turbine exhaust"_s;
    QString name = roles.join(u", "_s);
    name[0] = name[0].toUpper();
    return name;
}

}  // namespace

RankineResult RankineCycle(const RankineDefinition& d) {
    const Pressures pressures = CheckedPressures(d);
    const double pb = pressures.boiler, pc = pressures.condenser;
    const Stream inlet = Within(u"boilerTemperature"_s, [&] { return StreamPT(pb, d.boilerTemperature, 0); });
    const QList<TurbinePoint> points = TurbineLine(d, inlet, pc);
    const FeedwaterTrain w = Feedwater(d, points, pb, pc);
    const bool closed = d.closedHeater.has_value(), open = d.openHeaterPressure.has_value();

    // The states in the order of the flow, numbered, each with its fraction
    // of the boiler's flow. The turbine's flow falls at each extraction.
    QList<CycleState> states;
    const auto add = [&](const QString& name, const Stream& stream, double fraction) {
        states.append({int(states.size()) + 1, name, stream, fraction});
    };
    add(u"Turbine inlet"_s, inlet, 1);
    double flow = 1, turbineWork = 0, heatAdded = 0, pumpWork = 0;
    Stream before = inlet;
    for (const TurbinePoint& point : points) {
        turbineWork += flow * (before.h - point.extracted.h);
        add(PointName(d, point.p, pc), point.extracted, flow);
        if (closed && point.p == d.closedHeater->pressure) flow -= w.closedFraction;
        if (open && point.p == *d.openHeaterPressure) flow -= w.openFraction;
        if (d.reheat && point.p == d.reheat->pressure) {
            add(u"Reheater outlet"_s, point.leaving, flow);
            heatAdded += flow * (point.leaving.h - point.extracted.h);
        }
        before = point.leaving;
    }
    // The condenser takes the exhaust, and a drain cascaded to it.
    const double drainToCondenser = closed && !w.pumpedForward && !open ? w.closedFraction : 0.0;
    const double condensateFlow = flow + drainToCondenser;
    const double heatRejected = flow * before.h + (drainToCondenser > 0 ? drainToCondenser * w.drainOnward.h : 0.0) -
                                condensateFlow * w.condensate.h;
    add(u"Condenser outlet"_s, w.condensate, condensateFlow);
    add(open ? u"Condensate pump outlet"_s : u"Feed pump outlet"_s, w.pumped, condensateFlow);
    pumpWork += condensateFlow * (w.pumped.h - w.condensate.h);
    Stream toBoiler = w.pumped;
    // What reaches the boiler, summed from the flows that join on the way.
    double delivered = condensateFlow;
    if (open) {
        delivered += w.openFraction + (closed && !w.pumpedForward ? w.closedFraction : 0.0);
        add(u"Open heater outlet"_s, w.openOut, w.heaterFlow);
        add(u"Feed pump outlet"_s, w.feedPumped, w.heaterFlow);
        pumpWork += w.heaterFlow * (w.feedPumped.h - w.openOut.h);
        toBoiler = w.feedPumped;
    }
    if (closed) {
        add(u"Closed heater feedwater outlet"_s, w.closedOut, w.heaterFlow);
        add(u"Closed heater drain"_s, w.drain, w.closedFraction);
        toBoiler = w.closedOut;
        if (w.pumpedForward) {
            add(u"Drain pump outlet"_s, w.drainOnward, w.closedFraction);
            pumpWork += w.closedFraction * (w.drainOnward.h - w.drain.h);
            Stream feed = w.closedOut, pumpedDrain = w.drainOnward;
            feed.massFlow = w.heaterFlow;
            pumpedDrain.massFlow = w.closedFraction;
            toBoiler = Within(u"closedHeaterPressure"_s, [&] { return Mix({feed, pumpedDrain}, pb).outlet; });
            delivered += w.closedFraction;
            add(u"Feedwater to the boiler"_s, toBoiler, 1);
        } else {
            add(open ? u"Drain throttled to the open heater"_s : u"Drain throttled to the condenser"_s,
                     w.drainOnward, w.closedFraction);
        }
    }
    heatAdded += inlet.h - toBoiler.h;
    if (!(turbineWork > pumpWork))
        Refuse(u"pumpEfficiency"_s, u" The cycle gives no net work: its pumps take all its turbine gives"_s);

    RankineResult r;
    r.states = states;
    for (CycleState& s : r.states) s.stream.massFlow = s.fraction * d.massFlow;
    r.openHeaterFraction = w.openFraction;
    r.closedHeaterFraction = w.closedFraction;
    r.turbineWork = turbineWork;
    r.pumpWork = pumpWork;
    r.heatAdded = heatAdded;
    r.heatRejected = heatRejected;
    r.netWork = turbineWork - pumpWork;
    r.netPower = r.netWork * d.massFlow;
    r.thermalEfficiency = r.netWork / heatAdded;
    r.heatRate = 3600.0 / r.thermalEfficiency;
    r.steamRate = 3600.0 / r.netWork;
    r.backWorkRatio = pumpWork / turbineWork;
    const double hottest = std::max(d.boilerTemperature, d.reheat ? d.reheat->temperature : d.boilerTemperature);
    r.carnotEfficiency = 1 - (w.condensate.t + ZeroCelsius) / (hottest + ZeroCelsius);
    // Per kilogram of boiler steam: what reaches the boiler against what leaves it,
    // the heat and pump work in against the heat and turbine work out.
    r.balance = BalanceSheet()
                    .in(Stream{.h = 0, .massFlow = delivered})
                    .energyIn(heatAdded + pumpWork)
                    .out(Stream{.h = 0, .massFlow = 1})
                    .energyOut(heatRejected + turbineWork)
                    .balance();
    return r;
}
