// The unit operations against their balances worked by hand from the
// formulation's states, and the demands they refuse.
#include "equipment.h"

#include "TFS.h"

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double Closed = 1e-9;  // how closely every balance closes, relative

void ExpectClosed(const Balance& b) {
    EXPECT_LE(std::abs(b.mass), Closed);
    EXPECT_LE(std::abs(b.energy), Closed);
}

// Relative to the size of the expected value (1 for values near zero).
void ExpectNear(double actual, double expected, double relative = 1e-12) {
    EXPECT_NEAR(actual, expected, relative * std::max(1.0, std::abs(expected)));
}

// Wet steam of dryness x; the saturated phases as the formulation gives them.
double HSat(double p, double x) {
    return x == 0 ? TFS::HSW_P(p) : x == 1 ? TFS::HSP_P(p) : TFS::H_PX(p, x);
}

TEST(Equipment, StreamOfTakesAnyStateModeAndRefusesAsTheCalculatorDoes) {
    const Stream byPT = StreamOf(*ModeByKey(u"p,t"), {10, 500}, 3);
    EXPECT_EQ(byPT.h, TFS::h_pt(10, 500));
    EXPECT_EQ(byPT.s, TFS::S_PT(10, 500));
    EXPECT_EQ(byPT.massFlow, 3);
    EXPECT_DOUBLE_EQ(byPT.energyFlow(), 3 * byPT.h);
    EXPECT_FALSE(byPT.twoPhase());
    const Stream wet = StreamOf(*ModeByKey(u"p,x"), {1, 0.25}, 1);
    EXPECT_EQ(wet.x, 0.25);
    EXPECT_EQ(wet.h, HSat(1, 0.25));
    // The state of (h, s) comes back with its pressure.
    const Stream byHS = StreamOf(*ModeByKey(u"h,s"), {byPT.h, byPT.s}, 1);
    EXPECT_NEAR(byHS.p, 10, 1e-9);

    const auto refusal = [](const char* mode, InputValues values, double flow) {
        try {
            StreamOf(*ModeByKey(QString::fromLatin1(mode)), values, flow, {}, u"spray"_s);
        } catch (const EquipmentRefusal& r) {
            return r.input + u" |"_s + r.message;
        }
        return QString();
    };
    EXPECT_EQ(refusal("p,t", {10, 2100}, 1),
              u"spray.t | Inadequately set temperature: T>2000 Celsius or T<0 Celsius"_s);
    EXPECT_EQ(refusal("p,t", {10, 500}, -1), u"spray.massFlow | Inadequately set mass flow: it is negative"_s);
    EXPECT_EQ(refusal("ps", {1, 0}, 1), u"spray | A stream is one state: give a saturated phase by (p, x) or (t, x)"_s);
}

TEST(Equipment, TurbineExpandsOnItsIsentropeAndGivesBackItsEfficiency) {
    // 4 MPa, 400 °C to 10 kPa at 85 %: the steam tables give h1 = 3214.5 kJ/kg,
    // s1 = 6.7714 kJ/(kg·K), and at 10 kPa x2s = (6.7714 − 0.6492)/7.4996.
    const Stream inlet = StreamPT(4, 400, 10);
    const double h2s = TFS::STATE_PS(0.01, inlet.s).h;
    const double h2 = inlet.h - 0.85 * (inlet.h - h2s);
    const Expansion e = Expand(inlet, 0.01, 0.85, 0.98);
    EXPECT_NEAR(inlet.h, 3214.5, 0.2);
    EXPECT_NEAR(h2s, 191.81 + (6.7714 - 0.6492) / 7.4996 * 2392.1, 0.5);
    EXPECT_EQ(e.isentropicOutlet.h, h2s);
    EXPECT_EQ(e.outlet.h, h2);
    EXPECT_EQ(e.outlet.p, 0.01);
    ExpectNear(e.outlet.x, (h2 - HSat(0.01, 0)) / (HSat(0.01, 1) - HSat(0.01, 0)));
    ExpectNear(e.specificWork, inlet.h - h2);
    ExpectNear(e.shaftPower, 10 * (inlet.h - h2));
    ExpectNear(e.generatorPower, 0.98 * 10 * (inlet.h - h2));
    EXPECT_EQ(e.outlet.massFlow, 10);
    ExpectClosed(e.balance);

    // The flow for 8 MW at the generator, and the efficiency of a measured outlet.
    const Expansion forPower = ExpandForPower(inlet, 0.01, 0.85, 0.98, 8000);
    ExpectNear(forPower.inlet.massFlow, 8000 / (0.98 * (inlet.h - h2)));
    ExpectNear(forPower.generatorPower, 8000);
    ExpectClosed(forPower.balance);
    const Expansion measured = ExpandTo(inlet, e.outlet, 0.98);
    ExpectNear(measured.isentropicEfficiency, 0.85);
    ExpectNear(measured.generatorPower, e.generatorPower);
    ExpectClosed(measured.balance);
}

TEST(Equipment, PumpRaisesThePressureAboutVDeltaPOverItsEfficiency) {
    const Stream inlet = StreamPX(0.01, 0, 50);
    const Compression c = Compress(inlet, 15, 0.8);
    const double h2s = TFS::STATE_PS(15, inlet.s).h;
    ExpectNear(c.outlet.h, inlet.h + (h2s - inlet.h) / 0.8);
    ExpectNear(c.specificWork, (h2s - inlet.h) / 0.8);
    // Incompressible water: v·Δp/η within half a percent.
    EXPECT_NEAR(c.specificWork, inlet.v * (15 - 0.01) * 1000 / 0.8, 0.005 * c.specificWork);
    ExpectNear(c.power, 50 * c.specificWork);
    ExpectClosed(c.balance);
}

TEST(Equipment, ValveMixerAndHeatLossKeepTheEnergyOfTheirFlow) {
    const Stream inlet = StreamPT(10, 500, 4);
    const Throttling t = Throttle(inlet, 1);
    EXPECT_EQ(t.outlet.h, inlet.h);
    EXPECT_EQ(t.outlet.t, TFS::STATE_PH(1, inlet.h).t);
    EXPECT_LT(t.outlet.t, 500);  // steam cools as it is throttled (Joule–Thomson)
    ExpectClosed(t.balance);

    const QList<Stream> inlets{StreamPT(2, 300, 3), StreamPX(1.5, 0.9, 2), StreamPT(1.2, 100, 1)};
    const Mixing m = Mix(inlets, 1);
    ExpectNear(m.outlet.h, (3 * inlets[0].h + 2 * inlets[1].h + 1 * inlets[2].h) / 6);
    EXPECT_EQ(m.outlet.massFlow, 6);
    EXPECT_EQ(m.outlet.p, 1);
    ExpectClosed(m.balance);

    const HeatLoss l = LoseHeat(inlet, 0.02);
    ExpectNear(l.outlet.h, 0.98 * inlet.h);
    ExpectNear(l.heatLoss, 0.02 * 4 * inlet.h);
    EXPECT_EQ(l.outlet.p, 10);
    ExpectClosed(l.balance);
}

TEST(Equipment, DesuperheaterSpraysWhatTheEnthalpyBalanceAsks) {
    // 20 kg/s of 4 MPa, 450 °C steam let down to 1 MPa, 200 °C with 5 MPa, 100 °C water.
    const Stream inlet = StreamPT(4, 450, 20), spray = StreamPT(5, 100, 0);
    const double hOut = TFS::h_pt(1, 200);
    const Desuperheating d = Desuperheat(inlet, 1, spray, 200);
    ExpectNear(d.spray.massFlow, 20 * (inlet.h - hOut) / (hOut - spray.h));
    ExpectNear(d.outlet.massFlow, 20 + d.spray.massFlow);
    EXPECT_EQ(d.outlet.h, hOut);
    EXPECT_EQ(d.spray.h, spray.h);
    // About 0.3 kg of water per kilogram of steam: (3331 − 2828)/(2828 − 423).
    EXPECT_NEAR(d.spray.massFlow / 20, (3331.2 - 2828.3) / (2828.3 - 423.0), 0.002);
    ExpectClosed(d.balance);
}

TEST(Equipment, HeaterReachesEachKindOfTarget) {
    const Stream inlet = StreamPT(10, 100, 5);
    using K = HeatTarget::Kind;
    struct Case {
        HeatTarget target;
        double pressure, outletEnthalpy;
    };
    const Case cases[] = {
        {{K::OutletTemperature, 300}, 10, TFS::h_pt(10, 300)},
        {{K::OutletDryness, 0.5}, 9.5, HSat(9.5, 0.5)},
        {{K::OutletEnthalpy, 3000}, 9.8, 3000},
        {{K::Duty, 1000}, 10, inlet.h + 1000.0 / 5},
        {{K::Duty, -100}, 10, inlet.h - 100.0 / 5},  // a cooler
    };
    for (const Case& c : cases) {
        const Heating h = Heat(inlet, c.pressure, c.target);
        ExpectNear(h.outlet.h, c.outletEnthalpy);
        ExpectNear(h.duty, 5 * (c.outletEnthalpy - inlet.h));
        EXPECT_EQ(h.outlet.p, c.pressure);
        ExpectClosed(h.balance);
    }
}

TEST(Equipment, FlashTankPartsTheInletAtTheTankSaturation) {
    // Boiler blowdown, saturated at 5 MPa, flashed at 0.2 MPa: about 29.5 % steam,
    // (1154.5 − 504.7)/2201.6 from the steam tables.
    const Stream blowdown = StreamPX(5, 0, 2);
    const Flashing f = Flash(blowdown, 0.2);
    const double hf = HSat(0.2, 0), hg = HSat(0.2, 1);
    ExpectNear(f.vapourFraction, (blowdown.h - hf) / (hg - hf));
    EXPECT_NEAR(f.vapourFraction, (1154.5 - 504.7) / 2201.6, 0.001);
    ExpectNear(f.vapour.massFlow, 2 * f.vapourFraction);
    EXPECT_EQ(f.vapour.x, 1);
    EXPECT_EQ(f.liquid.x, 0);
    EXPECT_EQ(f.liquid.t, TFS::TS_P(0.2));
    ExpectClosed(f.balance);
    // Water too cold to flash leaves whole as liquid, steam too hot as vapour.
    const Flashing cold = Flash(StreamPT(1, 100, 2), 0.2);
    EXPECT_EQ(cold.vapour.massFlow, 0);
    EXPECT_EQ(cold.liquid.massFlow, 2);
    ExpectClosed(cold.balance);
    const Flashing hot = Flash(StreamPT(1, 300, 2), 0.2);
    EXPECT_EQ(hot.vapourFraction, 1);
    EXPECT_EQ(hot.liquid.massFlow, 0);
    ExpectClosed(hot.balance);
}

TEST(Equipment, DeaeratorTakesTheSteamThatBringsItsWaterToSaturation) {
    // 50 kg/s of feedwater at 0.2 MPa, a vent of 0.5 %.
    const Stream water = StreamPT(0.3, 60, 0), steam = StreamPT(0.3, 200, 0);
    const Deaeration d = Deaerate(0.2, 0.005, 50, water, steam);
    const double hf = HSat(0.2, 0), hg = HSat(0.2, 1);
    // Mass: w + s = 50·1.005; energy: w·hw + s·hs = 50·hf + 0.25·hg.
    const double s = (50 * hf + 0.25 * hg - 50.25 * water.h) / (steam.h - water.h);
    ExpectNear(d.steam.massFlow, s);
    ExpectNear(d.water.massFlow, 50.25 - s);
    EXPECT_EQ(d.feedwater.massFlow, 50);
    EXPECT_EQ(d.feedwater.h, hf);
    ExpectNear(d.vent.massFlow, 0.25);
    ExpectClosed(d.balance);
}

TEST(Equipment, BoilerHeatsItsFeedwaterIntoSteamAndBlowdown) {
    const Stream feedwater = StreamPT(12, 200, 0), steam = StreamPT(10, 500, 30);
    const Boiling b = Boil(feedwater, steam, 0.03, 0.9);
    const double fw = 30 / 0.97, hBlowdown = HSat(10, 0);
    ExpectNear(b.feedwater.massFlow, fw);
    ExpectNear(b.blowdown.massFlow, fw - 30);
    EXPECT_EQ(b.blowdown.h, hBlowdown);
    ExpectNear(b.boilerDuty, 30 * steam.h + (fw - 30) * hBlowdown - fw * feedwater.h);
    ExpectNear(b.fuelEnergy, b.boilerDuty / 0.9);
    ExpectClosed(b.balance);
}

// The smallest temperature difference along a counterflow exchanger, from its
// profile sampled at many points of the duty.
double SampledApproach(const Stream& hot, const Stream& cold, double duty) {
    double smallest = 1e300;
    for (int i = 0; i <= 400; ++i) {
        const double q = duty * i / 400;  // transferred from the cold end
        const double tHot = TFS::STATE_PH(hot.p, hot.h - (duty - q) / hot.massFlow).t;
        const double tCold = TFS::STATE_PH(cold.p, cold.h + q / cold.massFlow).t;
        smallest = std::min(smallest, tHot - tCold);
    }
    return smallest;
}

TEST(Equipment, ExchangerStopsWhereTheStreamsFirstComeWithinTheApproach) {
    // Water heating water: the cold outlet comes within 10 K of the hot inlet.
    const Stream hotWater = StreamPT(1, 150, 2), coldWater = StreamPT(1, 20, 1);
    const Exchanging ends = Exchange(hotWater, coldWater, 10);
    ExpectNear(ends.duty, TFS::h_pt(1, 140) - coldWater.h);
    ExpectNear(ends.coldOutlet.t, 140, 1e-9);
    EXPECT_EQ(ends.pinchTemperature, 140);
    ExpectClosed(ends.balance);

    // Hot steam raising 2 MPa steam: the pinch lies where the water starts to
    // boil, 10 K below the hot stream there:
    // Q = m_c (h′ − h_c,in) + m_h (h_h,in − h_h(t_s + 10 K)).
    const Stream gas = StreamPT(0.1, 500, 10), feed = StreamPT(2, 100, 3);
    const Exchanging boiling = Exchange(gas, feed, 10);
    const double ts = TFS::TS_P(2);
    ExpectNear(boiling.duty, 3 * (HSat(2, 0) - feed.h) + 10 * (gas.h - TFS::h_pt(0.1, ts + 10)));
    EXPECT_EQ(boiling.pinchTemperature, ts);
    // Nowhere closer than the approach (the samples straddle the pinch's kink).
    EXPECT_GE(SampledApproach(gas, feed, boiling.duty), 10 - 1e-9);
    ExpectClosed(boiling.balance);

    // 5 MPa steam cooling low-pressure steam: near its saturation the hot
    // steam's heat capacity rises, and the streams come closest inside, at
    // neither end nor any saturation point.
    const Stream hp = StreamPT(5, 550, 3), lp = StreamPT(0.01, 180, 4);
    const Exchanging inside = Exchange(hp, lp, 10);
    EXPECT_GT(inside.pinchTemperature, 180 + 1);
    EXPECT_LT(inside.pinchTemperature, inside.coldOutlet.t - 1);
    EXPECT_GE(SampledApproach(hp, lp, inside.duty), 10 - 1e-6);
    EXPECT_LT(SampledApproach(hp, lp, inside.duty), 10 + 0.01);  // and it does come that close
    EXPECT_GT(inside.hotOutlet.t - lp.t, 10 + 1);
    EXPECT_LT(inside.coldOutlet.t, hp.t - 10 - 1);
    ExpectClosed(inside.balance);
}

// Every refusal: the input it names and its whole message.
TEST(Equipment, RefusesADemandNoStateSatisfiesAsAWhole) {
    const Stream steam = StreamPT(4, 400, 10), water = StreamPT(5, 100, 1);
    struct Case {
        std::function<void()> run;
        const char16_t *input, *message;
    };
    const Case cases[] = {
        {[&] { Expand(steam, 5, 0.85); }, u"outletPressure",
         u" The outlet pressure is above the turbine inlet's: steam does not expand uphill"},
        {[&] { Expand(steam, 1, 1.2); }, u"isentropicEfficiency", u" Inadequately set isentropic efficiency: not in (0, 1]"},
        {[&] { Expand(steam, 1, 0.85, 0); }, u"generatorEfficiency", u" Inadequately set generator efficiency: not in (0, 1]"},
        {[&] { Expand(StreamPT(4, 400, -1), 1, 0.85); }, u"inlet.massFlow",
         u" Inadequately set mass flow of the inlet: it is negative"},
        {[&] { ExpandForPower(steam, 4, 0.85, 1, 1000); }, u"outletPressure",
         u" The turbine does no work between these pressures: no flow gives a power"},
        {[&] { ExpandTo(steam, StreamPT(1, 390, 0), 1); }, u"outlet",
         u" The measured outlet's enthalpy is above the inlet's: the turbine did no work"},
        {[&] { ExpandTo(steam, StreamPX(0.01, 0.7, 0), 1); }, u"outlet",
         u" The measured outlet's enthalpy is below the isentropic outlet's: an efficiency above 1"},
        {[&] { Compress(water, 1, 0.8); }, u"outletPressure",
         u" The outlet pressure is below the pump inlet's: a pump raises the pressure"},
        {[&] { Compress(water, 200, 0.8); }, u"outletPressure",
         u" Inadequately set outlet pressure: P>100 MPa or P<0.001 MPa"},
        {[&] { Throttle(steam, 6); }, u"outletPressure", u" The outlet pressure is above the inlet's: it would flow backwards"},
        {[&] { Desuperheat(steam, 1, StreamPT(5, 260, 0), 250); }, u"spray",
         u" The spray water is not colder than the outlet temperature asked: it cannot cool the steam"},
        {[&] { Desuperheat(steam, 1, water, 170); }, u"outletTemperature",
         u" The outlet temperature asked is not above the saturation temperature at the outlet pressure: the steam "
         u"would condense"},
        {[&] { Desuperheat(steam, 1, water, 395); }, u"outletTemperature",
         u" The outlet temperature asked is above that of the inlet steam throttled to the outlet pressure: no spray "
         u"water can heat it"},
        {[&] { Desuperheat(steam, 1, StreamPT(0.5, 100, 0), 200); }, u"spray",
         u" The spray water's pressure is below the outlet pressure: it cannot be injected"},
        {[&] { Heat(steam, 10, {HeatTarget::Kind::OutletTemperature, 2100}); }, u"target",
         u" IF97 cannot give this state: The pressure and temperature lie outside the range of the "
         u"formulation."},
        {[&] { Heat(steam, 1, {HeatTarget::Kind::OutletTemperature, TFS::TS_P(1)}); }, u"target",
         u" The outlet temperature is the saturation temperature at the outlet pressure: it does not tell the phase; "
         u"give the outlet dryness"},
        {[&] { Heat(steam, 23, {HeatTarget::Kind::OutletDryness, 0.5}); }, u"outletPressure",
         u" The state has no two phases at P>=22.064 MPa"},
        {[&] { Heat(StreamPT(4, 400, 0), 4, {HeatTarget::Kind::Duty, 100}); }, u"inlet.massFlow",
         u" A duty heats a flow: the inlet has none"},
        {[&] { Mix({}, 1); }, u"inlet1", u" A header needs an inlet"},
        {[&] { Mix({steam, StreamPT(0.5, 200, 1)}, 1); }, u"outletPressure",
         u" The outlet pressure is above the inlet 2's: it would flow backwards"},
        {[&] { LoseHeat(steam, 1); }, u"fraction", u" Inadequately set fraction lost: not in [0, 1)"},
        {[&] { Flash(water, 23); }, u"tankPressure",
         u" The tank pressure is not below the critical pressure 22.064 MPa: no two phases"},
        {[&] { Deaerate(0.2, 0.005, 50, StreamPT(0.3, 130, 0), steam); }, u"water",
         u" The water is already as hot as the deaerator's saturated feedwater: it needs no steam"},
        {[&] { Deaerate(0.2, 0.005, 50, StreamPT(0.3, 60, 0), StreamPT(0.3, 100, 0)); }, u"steam",
         u" The steam cannot heat the water to the deaerator's saturation: it is not hot enough"},
        {[&] { Deaerate(0.2, 0.005, -1, water, steam); }, u"feedwaterFlow",
         u" Inadequately set feedwater flow: it is negative"},
        {[&] { Boil(StreamPT(3, 100, 0), steam, 0.02, 0.9); }, u"feedwater",
         u" The feedwater is below the steam's pressure: it cannot enter the boiler"},
        {[&] { Boil(water, steam, 0.02, 1.5); }, u"combustionEfficiency",
         u" Inadequately set combustion efficiency: not in (0, 1]"},
        {[&] { Exchange(StreamPT(1, 25, 1), StreamPT(1, 20, 1), 10); }, u"hot",
         u" The hot stream is not the minimum approach hotter than the cold inlet: no heat can pass"},
    };
    for (const Case& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << "accepted: " << QString::fromUtf16(c.message).toStdString();
        } catch (const EquipmentRefusal& r) {
            EXPECT_EQ(r.input, QString::fromUtf16(c.input));
            EXPECT_EQ(r.message, QString::fromUtf16(c.message));
        }
    }
}

// The window runs an operation from its row: every row runs its function on
// its typical values and shows closed balances.
TEST(Equipment, EveryRowOfTheTableRunsItsOperation) {
    const QList<Stream> samples{StreamPT(4, 400, 10), StreamPT(5, 100, 10), StreamPT(1, 300, 5)};
    QList<OperationInput> inputs;
    for (const OperationRow& row : Operations()) {
        EXPECT_EQ(&OperationRowOf(row.operation), &row);
        OperationInput in;
        for (const ParameterRow& p : row.parameters) in.parameters.append({p.typical, 0});
        switch (row.operation) {
            case Operation::Pump: in.streams = {StreamPT(0.5, 100, 10)}; break;
            case Operation::FlashTank: in.streams = {StreamPX(1, 0, 10)}; break;
            case Operation::Deaerator: in.streams = {StreamPT(0.3, 60, 0), StreamPT(0.3, 200, 0)}; break;
            case Operation::Boiler: in.streams = {StreamPT(12, 200, 0), StreamPT(10, 500, 30)}; break;
            case Operation::Exchanger: in.streams = {StreamPT(1, 300, 5), StreamPT(5, 100, 10)}; break;
            case Operation::Desuperheater: in.streams = {StreamPT(4, 400, 10), StreamPT(5, 100, 0)}; break;
            case Operation::TurbineTest: in.streams = {StreamPT(4, 400, 10), StreamPT(1, 250, 0)}; break;
            default: in.streams = {StreamPT(4, 400, 10), StreamPT(2, 300, 5)};
        }
        ASSERT_GE(in.streams.size(), row.streams.size()) << row.name;
        try {
            const OperationResult r = row.run(in);
            EXPECT_FALSE(r.streams.isEmpty()) << row.name;
            ExpectClosed(r.balance);
        } catch (const EquipmentRefusal& r) {
            ADD_FAILURE() << row.name << ": " << r.message.toStdString();
        }
    }
}

}  // namespace
