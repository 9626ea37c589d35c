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

// The cycle as it is built up, state by state.
class Cycle {
public:
    explicit Cycle(const Definition& d) : d(d) {}

    const Stream& Add(const QString& name, const Stream& stream, double fraction) {
        states.append({int(states.size()) + 1, name, stream, fraction});
        return states.back().stream;
    }
    RankineResult Finished(double turbineWork, double pumpWork, double heatAdded, double heatRejected,
                           double boilerInflow);

    const Definition& d;
    QList<CycleState> states;
};

RankineResult Cycle::Finished(double turbineWork, double pumpWork, double heatAdded, double heatRejected,
                              double boilerInflow) {
    RankineResult r;
    for (CycleState& s : states) s.stream.massFlow = s.fraction * d.massFlow;
    r.states = states;
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
    r.balance = BalanceSheet()
                    .in(Stream{.h = 0, .massFlow = boilerInflow})
                    .energyIn(heatAdded + pumpWork)
                    .out(Stream{.h = 0, .massFlow = 1})
                    .energyOut(heatRejected + turbineWork)
                    .balance();
    return r;
}

// What the turbine gives at one pressure on its way down.
struct TurbinePoint {
    double p;
    Stream state;  // after the section ending here (after the reheater at the reheat pressure)
    Stream extracted;  // the steam bled here: the section's outlet, before any reheat
};

}  // namespace

RankineResult RankineCycle(const RankineDefinition& d) {
    const Pressures pressures = CheckedPressures(d);
    const double pb = pressures.boiler, pc = pressures.condenser;
    const double eta = d.turbineEfficiency, etaPump = d.pumpEfficiency;
    const std::optional<double> po = d.openHeaterPressure;
    const bool closed = d.closedHeater.has_value();
    const double ph = closed ? d.closedHeater->pressure : NotDefined;
    const bool pumpedForward = d.closedHeater && d.closedHeater->drain == DrainRoute::PumpedForward;

    Cycle cycle(d);
    // The turbine, per kilogram entering it. The fractions are set once the
    // heaters' balances are known; the states do not depend on them.
    const Stream inlet = Within(u"boilerTemperature"_s, [&] { return StreamPT(pb, d.boilerTemperature, 0); });
    QList<double> stops{pc};
    if (d.reheat) stops.append(d.reheat->pressure);
    if (po) stops.append(*po);
    if (closed) stops.append(ph);
    std::sort(stops.begin(), stops.end(), std::greater<>());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());

    QList<TurbinePoint> points;
    Stream current = inlet;
    for (double p : stops) {
        const Stream out = Within(u"turbineEfficiency"_s, [&] { return Expand(current, p, eta).outlet; });
        TurbinePoint point{p, out, out};
        if (d.reheat && p == d.reheat->pressure) {
            if (!(d.reheat->temperature > out.t))
                Refuse(u"reheatTemperature"_s, u" The reheat temperature is not above the high-pressure turbine's outlet"_s);
            point.state = Within(u"reheatTemperature"_s, [&] { return StreamPT(p, d.reheat->temperature, 0); });
        }
        points.append(point);
        current = point.state;
    }
    const auto extractionAt = [&](double p) {
        for (const TurbinePoint& point : points)
            if (point.p == p) return point.extracted;
        return Stream{};
    };

    // The feedwater train from the condenser to the boiler.
    const Stream condensate = Within(u"condenserPressure"_s, [&] { return SaturatedAt(pc).water; });
    const double firstPumpTo = po.value_or(pb);
    const Stream pumped1 = Within(u"pumpEfficiency"_s, [&] { return Compress(condensate, firstPumpTo, etaPump).outlet; });
    Stream openOut, pumped2, closedIn = pumped1, closedOut, drain, drainPumped, drainThrottled;
    if (po) {
        openOut = Within(u"openHeaterPressure"_s, [&] { return SaturatedAt(*po).water; });
        pumped2 = Within(u"pumpEfficiency"_s, [&] { return Compress(openOut, pb, etaPump).outlet; });
        closedIn = pumped2;
    }
    double yClosed = 0, yOpen = 0;
    if (closed) {
        // The closed heater brings the feedwater to the saturation temperature
        // of its extraction, and leaves its drain saturated.
        drain = Within(u"closedHeaterPressure"_s, [&] { return SaturatedAt(ph).water; });
        closedOut = Within(u"closedHeaterPressure"_s, [&] { return StreamPT(pb, drain.t, 0); });
        const Stream bled = extractionAt(ph);
        const double rise = closedOut.h - closedIn.h, given = bled.h - drain.h;
        if (!(rise > 0))
            Refuse(u"closedHeaterPressure"_s, u" The closed heater's feedwater is already at its saturation temperature"_s);
        if (!(given > 0))
            Refuse(u"closedHeaterPressure"_s, u" The closed heater's extraction steam cannot heat its feedwater"_s);
        // Pumped forward, the drain joins the feedwater: only the rest passes the heater.
        yClosed = pumpedForward ? rise / (given + rise) : rise / given;
        if (pumpedForward)
            drainPumped = Within(u"pumpEfficiency"_s, [&] { return Compress(drain, pb, etaPump).outlet; });
        else
            drainThrottled = Within(u"closedHeaterPressure"_s, [&] { return Throttle(drain, po.value_or(pc)).outlet; });
    }
    // The water through the closed heater, which the open heater (or the first pump) delivers.
    const double trainFlow = pumpedForward ? 1 - yClosed : 1.0;
    if (po) {
        // The open heater mixes its extraction, the condensate and a cascaded
        // drain into saturated water.
        const Stream bled = extractionAt(*po);
        const bool cascaded = closed && !pumpedForward;
        const double needed =
            trainFlow * (openOut.h - pumped1.h) - (cascaded ? yClosed * (drainThrottled.h - pumped1.h) : 0.0);
        yOpen = needed / (bled.h - pumped1.h);
        if (!(bled.h > openOut.h))
            Refuse(u"openHeaterPressure"_s, u" The open heater's extraction steam cannot heat its water to saturation"_s);
        if (!(yOpen > 0))
            Refuse(u"openHeaterPressure"_s, u" The closed heater's drain alone overheats the open heater: no extraction is left to it"_s);
    }
    // The turbine's flow falls at each extraction; the condenser takes what is left.
    const double exhaustFlow = 1 - yClosed - yOpen;
    if (!(exhaustFlow > 0))
        Refuse(u"openHeaterPressure"_s, u" The heaters would take all the steam: none is left for the condenser"_s);

    // The states in the order of the flow, with the work and heat of each part.
    cycle.Add(u"Turbine inlet"_s, inlet, 1);
    double flow = 1, turbineWork = 0, heatAdded = 0, heatRejected = 0, pumpWork = 0;
    Stream before = inlet;
    for (const TurbinePoint& point : points) {
        turbineWork += flow * (before.h - point.extracted.h);
        QStringList roles;
        double bledHere = 0;
        if (closed && point.p == ph) {
            roles << u"extraction to the closed heater"_s;
            bledHere += yClosed;
        }
        if (po && point.p == po.value_or(0)) {
            roles << u"extraction to the open heater"_s;
            bledHere += yOpen;
        }
        const bool reheated = d.reheat && point.p == d.reheat->pressure;
        if (reheated) roles << u"reheater inlet"_s;
        if (point.p == pc) roles << u"turbine exhaust"_s;
        QString name = roles.join(u", "_s);
        name[0] = name[0].toUpper();
        cycle.Add(name, point.extracted, flow);
        flow -= bledHere;
        if (reheated) {
            cycle.Add(u"Reheater outlet"_s, point.state, flow);
            heatAdded += flow * (point.state.h - point.extracted.h);
        }
        before = point.state;
    }
    // The condenser takes the exhaust and a drain cascaded to it.
    const bool drainToCondenser = closed && !pumpedForward && !po;
    heatRejected = exhaustFlow * before.h + (drainToCondenser ? yClosed * drainThrottled.h : 0.0) -
                   (exhaustFlow + (drainToCondenser ? yClosed : 0.0)) * condensate.h;
    const double condensateFlow = exhaustFlow + (drainToCondenser ? yClosed : 0.0);
    cycle.Add(u"Condenser outlet"_s, condensate, condensateFlow);
    cycle.Add(po ? u"Condensate pump outlet"_s : u"Feed pump outlet"_s, pumped1, condensateFlow);
    pumpWork += condensateFlow * (pumped1.h - condensate.h);
    Stream toBoiler = pumped1;
    if (po) {
        cycle.Add(u"Open heater outlet"_s, openOut, trainFlow);
        cycle.Add(u"Feed pump outlet"_s, pumped2, trainFlow);
        pumpWork += trainFlow * (pumped2.h - openOut.h);
        toBoiler = pumped2;
    }
    if (closed) {
        cycle.Add(u"Closed heater feedwater outlet"_s, closedOut, trainFlow);
        cycle.Add(u"Closed heater drain"_s, drain, yClosed);
        toBoiler = closedOut;
        if (pumpedForward) {
            cycle.Add(u"Drain pump outlet"_s, drainPumped, yClosed);
            pumpWork += yClosed * (drainPumped.h - drain.h);
            Stream feed = closedOut, pumpedDrain = drainPumped;
            feed.massFlow = trainFlow;
            pumpedDrain.massFlow = yClosed;
            toBoiler = Within(u"closedHeaterPressure"_s, [&] { return Mix({feed, pumpedDrain}, pb).outlet; });
            cycle.Add(u"Feedwater to the boiler"_s, toBoiler, 1);
        } else {
            cycle.Add(po ? u"Drain throttled to the open heater"_s : u"Drain throttled to the condenser"_s,
                      drainThrottled, yClosed);
        }
    }
    heatAdded += inlet.h - toBoiler.h;
    if (!(turbineWork > pumpWork))
        Refuse(u"pumpEfficiency"_s, u" The cycle gives no net work: its pumps take all its turbine gives"_s);
    // What reaches the boiler, summed from the flows that join on the way.
    const double delivered = po ? condensateFlow + yOpen + (closed && !pumpedForward ? yClosed : 0.0) : condensateFlow;
    RankineResult r = cycle.Finished(turbineWork, pumpWork, heatAdded, heatRejected,
                                     delivered + (pumpedForward ? yClosed : 0.0));
    r.openHeaterFraction = yOpen;
    r.closedHeaterFraction = yClosed;
    const double hottest = std::max(d.boilerTemperature, d.reheat ? d.reheat->temperature : d.boilerTemperature);
    r.carnotEfficiency = 1 - (condensate.t + ZeroCelsius) / (hottest + ZeroCelsius);
    return r;
}
