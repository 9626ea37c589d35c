// Results of the Calculate run, checked against the IAPWS-IF97 verification
// tables, the backward-equation verification values and steam-table figures.
#include "calculation_fixture.h"

#include "locale_guard.h"

#include "TFS.h"

#include <cmath>

namespace {

class CalculationResults : public ::testing::Test {
protected:
    LocaleGuard locale{LocaleGuard::FullStop()};
};

// The significant digits of a shown number: from its first nonzero digit to
// the exponent or the end.
int SignificantDigits(const std::string& text) {
    int count = 0;
    for (const char c : text.substr(0, text.find('E')))
        if (std::isdigit(static_cast<unsigned char>(c)) && (count > 0 || c != '0')) ++count;
    return count;
}

}  // namespace

TEST_F(CalculationResults, ByPTGivesTheIf97VerificationStates) {
    // Region 1: T = 300 K, p = 3 MPa.
    EXPECT_EQ(Results(ByPT("3", "26.85")), (Texts{"3.0000", "26.85", "115.33", "1.002E-03", "997.8529", "0.3923",
                                                  "4.173", "8.533E-04", "8.552E-07", "0.6119", "5.820"}));
    // Region 2: T = 700 K, p = 0.0035 MPa.
    EXPECT_EQ(Results(ByPT("0.0035", "426.85")),
              (Texts{"3.500E-03", "426.9", "3335.68", "9.230E+01", "1.083E-02", "10.175", "2.081", "2.557E-05",
                     "2.360E-03", "5.782E-02", "0.9203"}));
    // Region 3: T = 650 K, ρ = 500 kg/m³ lies at p = 25.5837018 MPa.
    EXPECT_EQ(Results(ByPT("25.5837018", "376.85")),
              (Texts{"25.5837", "376.9", "1863.43", "2.000E-03", "500.0000", "4.054", "13.894", "5.769E-05",
                     "1.154E-07", "0.3873", "2.070"}));
}

TEST_F(CalculationResults, DensityHasFourDecimalsByPTAndTwoByPH) {
    // Water at 0.1 MPa and 20 °C: μ ≈ 1002 µPa·s, λ ≈ 0.6 W/(m·K), Pr ≈ 7.
    EXPECT_EQ(Results(ByPT("0.1", "20")), (Texts{"0.1000", "20.00", "84.01", "1.002E-03", "998.2055", "0.2965", "4.185",
                                                 "1.002E-03", "1.003E-06", "0.5995", "6.991"}));
    // The enthalpy of that state gives it back.
    const Texts byPH = Results(ByPH("0.1", "84.0118"));
    EXPECT_EQ(byPH[1], "20.00");
    EXPECT_EQ(byPH[4], "998.21");
}

TEST_F(CalculationResults, ByPHGivesTheBackwardVerificationStates) {
    // Region 3a: T(20 MPa, 1700 kJ/kg) = 629.3083892 K, v = 1.749903962e-3 m³/kg.
    EXPECT_EQ(Results(ByPH("20", "1700")), (Texts{"20.0000", "356.2", "1700.00", "1.750E-03", "571.47", "3.815",
                                                  "9.619", "6.564E-05", "1.149E-07", "0.4337", "1.456"}));
    // Region 3b: T(20 MPa, 2500 kJ/kg) = 641.8418053 K, v = 6.670547043e-3 m³/kg.
    EXPECT_EQ(Results(ByPH("20", "2500")), (Texts{"20.0000", "368.7", "2500.00", "6.670E-03", "149.92", "5.068",
                                                  "21.974", "2.652E-05", "1.769E-07", "0.1893", "3.079"}));
    // Region 2 at 0.1 MPa lies between 250 °C (2974.5 kJ/kg) and 300 °C (3074.5 kJ/kg).
    EXPECT_EQ(Results(ByPH("0.1", "3000")), (Texts{"0.1000", "262.8", "3000.00", "2.466E+00", "0.4056", "8.083",
                                                   "1.994", "1.875E-05", "4.623E-05", "3.959E-02", "0.9445"}));
}

TEST_F(CalculationResults, ByPsFillsBothSheets) {
    // Steam tables at 1 MPa: 179.89 °C, h″ 2777.1, h′ 762.7, s″ 6.585, s′ 2.138,
    // v″ 0.1944, v′ 0.001127; σ(180 °C) = 42.2 mN/m; μ″ ≈ 15 µPa·s, μ′ ≈ 150 µPa·s.
    const Outcome outcome = ByPs("1");
    EXPECT_EQ(VapourSheet(outcome), (Texts{"1.0000", "179.89", "2777.1", "6.585", "1.943E-01", "5.145", "2.715",
                                           "3.645E-02", "1.503E-05", "2.921E-06", "1.1196", "4.219E-02"}));
    EXPECT_EQ(WaterSheet(outcome), (Texts{"1.0000", "179.89", "762.7", "2.138", "1.127E-03", "887.13", "4.405",
                                          "0.6738", "1.490E-04", "1.679E-07", "0.9738", "4.219E-02"}));
    EXPECT_EQ(Results(outcome), Texts(11, "")) << "the result panel is not written in the saturation mode";
}

TEST_F(CalculationResults, ByTsFillsBothSheets) {
    // Steam tables at 100 °C: 0.10142 MPa, h″ 2675.6,
    // h′ 419.1, s″ 7.354, s′ 1.307, v″ 1.672, v′ 0.001043; σ = 58.9 mN/m.
    const Outcome outcome = ByTs("100");
    EXPECT_EQ(VapourSheet(outcome), (Texts{"0.1014", "100.00", "2675.6", "7.354", "1.672E+00", "0.5981", "2.077",
                                           "2.509E-02", "1.231E-05", "2.057E-05", "0.9950", "5.887E-02"}));
    EXPECT_EQ(WaterSheet(outcome), (Texts{"0.1014", "100.00", "419.1", "1.307", "1.043E-03", "958.35", "4.217",
                                          "0.6783", "2.811E-04", "2.933E-07", "1.755", "5.887E-02"}));
}

// A nonzero result that its fixed format would show with fewer than four
// significant digits takes the volume's exponent format, in every unit system;
// one that shows four or more keeps its fixed text.
TEST_F(CalculationResults, EveryNonzeroResultShowsFourSignificantDigits) {
    const Units us{PressureUnit::Psi, TemperatureUnit::Fahrenheit, UnitSystem::US};
    const Units kelvin{PressureUnit::KPa, TemperatureUnit::Kelvin, UnitSystem::SI};
    // Typed in the core's units, asked for in `units`.
    const auto run = [](InputMode mode, SaturationInput by, QMap<Quantity, double> typed, const Units& units) {
        CalculationRequest request{mode, by, {}, units};
        for (auto it = typed.begin(); it != typed.end(); ++it)
            request.typed.insert(it.key(), QString::number(ToShown(it.key(), it.value(), units), 'g', 17));
        return Calculate(request);
    };
    using M = InputMode;
    using S = SaturationInput;
    for (const Units& units : {Units{}, us, kelvin}) {
        for (const Outcome& outcome : {
                 run(M::ByPT, S::ByPs, {{Q::Pressure, 0.0005}, {Q::Temperature, 0.2}}, units),
                 run(M::ByPT, S::ByPs, {{Q::Pressure, 0.02}, {Q::Temperature, 231}}, units),
                 run(M::ByPT, S::ByPs, {{Q::Pressure, 1}, {Q::Temperature, 20}}, units),
                 run(M::ByPT, S::ByPs, {{Q::Pressure, 50}, {Q::Temperature, 650}}, units),
                 run(M::ByPH, S::ByPs, {{Q::Pressure, 0.001}, {Q::Enthalpy, 3615}}, units),
                 run(M::ByPX, S::ByPs, {{Q::Pressure, 0.002}, {Q::Dryness, 0.05}}, units),
                 run(M::Saturation, S::ByPs, {{Q::Pressure, 0.002}}, units),
                 run(M::Saturation, S::ByPs, {{Q::Pressure, 21}}, units),
                 run(M::Saturation, S::ByTs, {{Q::Temperature, 0.011}}, units),
                 run(M::Saturation, S::ByTs, {{Q::Temperature, 1}}, units),
             }) {
            const Outputs* outputs = OutputsOf(outcome);
            if (outputs == nullptr) continue;
            for (const Output& output : outputs->values) {
                if (output.text.isEmpty() || ToShown(output.quantity, output.value, units) == 0) continue;
                EXPECT_GE(SignificantDigits(output.text.toStdString()), 4)
                    << output.text.toStdString() << " for " << RowOf(output.quantity).name << " in "
                    << UnitText(output.quantity, units).toStdString();
            }
        }
    }
    // ρ of steam at 20 kPa and 231 °C, ρ″ at 2 kPa, s′ at 1 °C in US units; at the
    // triple point h′ and s′ are tiny but not zero. Four digits keep their text.
    EXPECT_EQ(TextsOf(ByPT("0.02", "231"), {Q::Density, Q::Temperature}), (Texts{"8.602E-02", "231.0"}));
    EXPECT_EQ(VapourSheet(ByPs("0.002"))[5], "1.493E-02");
    EXPECT_EQ(Sheet(run(M::Saturation, S::ByTs, {{Q::Temperature, 1}}, us), Phase::SaturatedWater)[3], "3.645E-03");
    EXPECT_EQ(WaterSheet(ByTs("0.01"))[2], "6.118E-04");
    EXPECT_EQ(WaterSheet(ByTs("0.01"))[3], "-6.161E-08");
    EXPECT_EQ(PhaseName(ByPX("1", "0.05")), "Wet steam, dryness x = 5.000E-02 (IF97 region 4)");
}

// Small pressures and densities would lose digits in the fixed format: they
// take the volume's exponent format.
// The exergy is nought at the dead state and the work a state could give
// against it elsewhere; at the saturation line both phases have one g, and
// the derivatives of each phase agree with cp − cv = T v α²/κ_T.
TEST_F(CalculationResults, ExergyFollowsTheDeadStateAndThePhasesHaveTheirDerivatives) {
    const auto exergy = [](const QString& p, const QString& t, DeadState dead) {
        return TextsOf(Calculate({InputMode::ByPT,
                                  SaturationInput::ByPs,
                                  {{Q::Pressure, p}, {Q::Temperature, t}},
                                  {},
                                  Transport::IAPS1985,
                                  dead}),
                       {Q::Exergy})[0];
    };
    EXPECT_EQ(exergy("0.101325", "25", {}), "0.00");
    EXPECT_EQ(exergy("0.2", "40", {40, 0.2}), "0.00");
    // Steam at 1 MPa and 200 °C against 25 °C: h − h0 − T0 (s − s0), by hand
    // from the steam tables' 2827.9 kJ/kg and 6.694 kJ/(kg·K), water's 104.93
    // and 0.3672 at the dead state: 836.6.
    EXPECT_NEAR(std::stod(exergy("1", "200", {})), 836.6, 0.2);

    const Outcome saturation = ByPs("1");
    const Outputs* sheets = OutputsOf(saturation);
    ASSERT_NE(sheets, nullptr);
    const auto value = [&](Quantity q, Phase phase) {
        for (const Output& o : sheets->values)
            if (o.quantity == q && o.phase == phase) return o.value;
        return std::nan("");
    };
    EXPECT_NEAR(value(Q::GibbsEnergy, Phase::SaturatedWater), value(Q::GibbsEnergy, Phase::SaturatedSteam), 0.01);
    for (const Phase phase : {Phase::SaturatedWater, Phase::SaturatedSteam}) {
        const double T = value(Q::Temperature, phase) + 273.15, v = value(Q::SpecificVolume, phase);
        const double alpha = value(Q::ThermalExpansion, phase), kappa = value(Q::Compressibility, phase);
        const double difference = value(Q::HeatCapacity, phase) - value(Q::IsochoricHeatCapacity, phase);
        EXPECT_NEAR(T * v * alpha * alpha / kappa * 1000, difference, 1e-9 * difference) << int(phase);
    }
}

TEST_F(CalculationResults, SaturationPressureTakesThreeDecimalsAboveTenMPaAndAnExponentBelowATenth) {
    for (const auto& [ps, text] :
         {std::pair{"10", "10.000"}, {"10.5", "10.500"}, {"0.00087", "8.700E-04"}, {"0.01", "1.000E-02"}}) {
        const Outcome outcome = ByPs(ps);
        EXPECT_EQ(VapourSheet(outcome)[0], text);
        EXPECT_EQ(WaterSheet(outcome)[0], text);
    }
    EXPECT_EQ(WaterSheet(ByTs("310"))[0], "9.8647");       // 9.86 MPa
    EXPECT_EQ(VapourSheet(ByTs("0.01"))[5], "4.854E-03");  // ρ″ at the triple point
    EXPECT_EQ(TextsOf(ByPH("0.001", "3615"), {Q::Density}), Texts{"2.606E-03"});
}

// The other saturation coordinate is the formulation's, as h, s, v and cp are:
// the saturation correlations would show 365.70 °C, 99.64 °C and 20.734 MPa.
TEST_F(CalculationResults, SheetsShowOneStateOfTheFormulation) {
    EXPECT_EQ(WaterSheet(ByPs("20"))[1], "365.75");
    EXPECT_EQ(WaterSheet(ByPs("0.1"))[1], "99.61");
    EXPECT_EQ(VapourSheet(ByTs("370"))[0], "21.043");
}

// μ and ν are shown in Pa·s and m²/s as their labels say, and the Prandtl
// numbers formed by pressure agree with the correlations used by temperature.
TEST_F(CalculationResults, SaturationModesAgreeInUnitsAndPrandtlNumbers) {
    for (const char* ps : {"0.1", "1", "10"}) {
        const Outcome byPs = ByPs(ps);
        const Outcome byTs = ByTs(QString::fromStdString(WaterSheet(byPs)[1]));
        for (const auto& [byP, byT] :
             {std::pair{VapourSheet(byPs), VapourSheet(byTs)}, {WaterSheet(byPs), WaterSheet(byTs)}}) {
            for (int row : {8, 9, 10}) {  // μ, ν, Pr
                const double p = std::stod(byP[row]), t = std::stod(byT[row]);
                EXPECT_NEAR(p / t, 1.0, 0.05)
                    << "ps = " << ps << ", row " << row << ": " << byP[row] << " vs " << byT[row];
            }
            EXPECT_LT(std::stod(byP[8]), 1e-3) << "viscosity in Pa·s";
        }
    }
}

TEST(CalculationResultsInCommaLocale, ReadsEitherSeparatorAndWritesCommas) {
    LocaleGuard locale(LocaleGuard::Comma());
    const Texts withFullStop = Results(ByPT("0.5", "150"));
    const Texts withComma = Results(ByPT("0,5", "150"));
    EXPECT_EQ(withComma, withFullStop);
    EXPECT_EQ(withComma[0], "0,5000");
    EXPECT_EQ(withComma[3], "1,090E-03");
}

// Typed in bar and °F, written in them, refused with limits in them; the state
// of 10 bar is that of 1 MPa.
TEST_F(CalculationResults, InputsOutputsAndLimitsFollowTheUnits) {
    const Units units{PressureUnit::Bar, TemperatureUnit::Fahrenheit, UnitSystem::SI};
    const auto byPT = [&](const QString& p, const QString& t) {
        return Calculate({InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, p}, {Q::Temperature, t}}, units});
    };
    const Outcome inBar = byPT("10", "392");  // 200 °C
    EXPECT_EQ(TextsOf(inBar, {Q::Pressure, Q::Temperature}), (Texts{"10.0000", "392.0"}));
    EXPECT_EQ(TextsOf(inBar, {Q::Enthalpy}), TextsOf(ByPT("1", "200"), {Q::Enthalpy}));
    EXPECT_EQ(Described(byPT("1100", "392")), " Inadequately set pressure: P>1000 bar or P<0.005 bar [Pressure]");
    EXPECT_EQ(Described(byPT("10", "3700")), " Inadequately set temperature: T>3632 F or T<32 F [Temperature]");
    EXPECT_EQ(Described(byPT("600", "1500")),
              " Inadequately set temperature: at P>500 bar T>1472 F or T<32 F [Temperature]");
}

// One state typed in each mode that can reach it, its coordinates typed to
// all digits: the modes of the result panel show the same texts, and the
// values of (p, t) (four decimals of ρ) and of the saturation sheets (other
// digits) agree with them to 1e-9. Steam at 1 MPa and 300 °C by (p, t),
// (p, h), (p, s) and (h, s); wet steam of x = 0.5 at 1 MPa by (p, x), (t, x),
// (p, h), (p, s) and (h, s); saturated steam at 1 MPa by ps, (p, x = 1) and (h, s).
TEST_F(CalculationResults, AStateTypedInEachModeShowsTheSameValues) {
    const auto typed = [](double value) { return QString::number(value, 'g', 17); };
    const auto values = [](const Outcome& outcome, Phase phase) {
        std::vector<std::pair<Quantity, double>> found;
        if (const Outputs* outputs = OutputsOf(outcome))
            for (const Output& output : outputs->values)
                if (output.phase == phase) found.emplace_back(output.quantity, output.value);
        return found;
    };
    // Every value `a` has agrees with the value of `b` of its quantity.
    const auto agree = [&](const Outcome& a, Phase phase_a, const Outcome& b, Phase phase_b) {
        const auto of_b = values(b, phase_b);
        for (const auto& [quantity, value] : values(a, phase_a))
            for (const auto& [other_quantity, other] : of_b)
                if (other_quantity == quantity && !std::isnan(value)) {
                    EXPECT_NEAR(other, value, 1e-9 * std::fabs(value)) << RowOf(quantity).name;
                }
    };

    const TFS::State steam = TFS::STATE_PT(1, 300);
    const Outcome byHS = ByHS(typed(steam.h), typed(steam.s));
    for (const Outcome& other : {ByPH("1", typed(steam.h)), ByPS("1", typed(steam.s))})
        EXPECT_EQ(Results(other), Results(byHS));
    agree(ByPT("1", "300"), Phase::State, byHS, Phase::State);

    const TFS::State wet = TFS::STATE_PX(1, 0.5);
    const Outcome byPX = ByPX("1", "0.5");
    for (const Outcome& other : {ByTX(typed(wet.t), "0.5"), ByPH("1", typed(wet.h)), ByPS("1", typed(wet.s)),
                                 ByHS(typed(wet.h), typed(wet.s))}) {
        EXPECT_EQ(Results(other), Results(byPX));
        EXPECT_EQ(TextsOf(other, {Q::Dryness}), TextsOf(byPX, {Q::Dryness}));
    }

    const TFS::State saturated = TFS::STATE_PX(1, 1);
    const Outcome byPs = ByPs("1");
    for (const Outcome& other : {ByPX("1", "1"), ByHS(typed(saturated.h), typed(saturated.s))})
        agree(other, Phase::State, byPs, Phase::SaturatedSteam);
}
