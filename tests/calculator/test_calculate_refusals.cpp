// Refused input and abandoned runs: the message, and whether the edit takes
// the focus, is cleared or is kept.
#include "calculation_fixture.h"

#include "TFS.h"
#include "locale_guard.h"
#include "number_format.h"
#include "stop_explanation.h"

#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

class Refusals : public ::testing::Test {
protected:
    LocaleGuard locale{LocaleGuard::FullStop()};
};

const std::string PressureRangePT = " Inadequately set pressure: P>100 MPa or P<0.0005 MPa [Pressure]";
const std::string TemperatureRangePT = " Inadequately set temperature: T>2000 Celsius or T<0 Celsius [Temperature]";
const std::string TemperatureRangeAbove50 =
    " Inadequately set temperature: at P>50 MPa T>800 Celsius or T<0 Celsius [Temperature]";
const std::string PressureRangePH = " Inadequately set pressure: P>100 MPa or P<0.001 MPa [Pressure]";
const std::string PressureRangePs = " Inadequately set pressure: Ps>21.819 MPa or Ps<0.00087 MPa [Pressure]";
const std::string TemperatureRangeTs = " Inadequately set temperature: Ts>373.945 C or Ts<0.01 C [Temperature]";

}  // namespace

TEST_F(Refusals, EmptyEditAsksForItsValueAndTakesTheFocus) {
    EXPECT_EQ(Described(ByPT("", "300")), " Insert the p value [Pressure]");
    EXPECT_EQ(Described(ByPT("10", "")), " Insert the t value [Temperature]");
    EXPECT_EQ(Described(ByPH("10", "")), " Insert the h value [Enthalpy]");
    EXPECT_EQ(Described(ByPs("")), " Insert the ps value [Pressure]");
    EXPECT_EQ(Described(ByTs("")), " Insert the ts value [Temperature]");
    EXPECT_EQ(Described(ByPS("1", "")), " Insert the s value [Entropy]");
    EXPECT_EQ(Described(ByPX("1", "")), " Insert the x value [Dryness]");
    EXPECT_EQ(Described(ByTX("", "1")), " Insert the t value [Temperature]");
}

// The (p, s) mode takes the pressures of the (p, h) mode and the entropies of
// the (p, t) mode's states at that pressure; the dryness modes only states
// with two phases.
TEST_F(Refusals, EntropyAndDrynessModesRefuseAtEachBound) {
    const auto entropyBound = [](double t) { return QString::number(TFS::S_PT(1, t), 'g', 17); };
    const std::string smin = "smin=" + FixedFormat(TFS::S_PT(1, 0), 6, 4).toStdString() + " kJ/(kg.C)";
    const std::string smax = "smax=" + FixedFormat(TFS::S_PT(1, 2000), 6, 4).toStdString() + " kJ/(kg.C)";
    const std::string dryness = " Inadequately set dryness: x>1 or x<0 [Dryness]";
    const struct {
        Outcome outcome;
        std::string described;
    } cases[] = {
        {ByPS("0.0009", "1"), PressureRangePH},
        {ByPS("100.01", "1"), PressureRangePH},
        {ByPS("1", entropyBound(0)), "outputs"},
        {ByPS("1", entropyBound(2000)), "outputs"},
        {ByPS("1", "-0.001"),
         " The entropy specified is below the allowable value " + smin + " at P=1 MPa (" + smax + ") [Entropy]"},
        {ByPS("1", "10.5"),
         " The specified entropy is higher than the allowable value " + smax + " at P=1 MPa (" + smin + ") [Entropy]"},
        {ByPX("0.0009", "0.5"), PressureRangePH},
        {ByPX("22.064", "0.5"), " The state has no two phases at P>=22.064 MPa [Pressure]"},
        {ByPX("22.0639", "1"), "outputs"},
        {ByPX("1", "1.0001"), dryness},
        {ByPX("1", "-0.0001"), dryness},
        {ByPX("1", "0"), "outputs"},
        {ByTX("373.946", "0.5"), " The state has no two phases at T>=373.946 C [Temperature]"},
        {ByTX("0.009", "0.5"), " Inadequately set temperature: T<0.01 C, below the triple point [Temperature]"},
        {ByTX("0.01", "0.5"), "outputs"},
        {ByTX("100", "2"), dryness},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(c.outcome), c.described);
}

// The (h, s) mode takes the entropies of the states of the formulation from
// the lowest pressure of the (p, t) mode up, and at an entropy the enthalpies
// of those states, whose range it names.
TEST_F(Refusals, MollierModeNamesTheRangeAtTheEntropy) {
    const auto limit = [](double value, int decimals) { return FixedFormat(value, 6, decimals).toStdString(); };
    const std::string smin = limit(TFS::S_PT(100, 0), 4);
    constexpr double hottest = 2000;  // °C, the end of region 5 at 0.0005 MPa
    const std::string smax = limit(TFS::S_PT(0.0005, hottest), 4);
    const std::string hmax = limit(TFS::STATE_PS(100, 6).h, 2);
    const std::string at6 = " at s=6.0000 kJ/(kg.C) [Enthalpy]";
    const struct {
        Outcome outcome;
        std::string described;
    } cases[] = {
        {ByHS("", "6"), " Insert the h value [Enthalpy]"},
        {ByHS("3000", "-0.01"),
         " The entropy specified is below the allowable value smin=" + smin + " kJ/(kg.C) [Entropy]"},
        {ByHS("3000", "14"),
         " The specified entropy is higher than the allowable value smax=" + smax + " kJ/(kg.C) [Entropy]"},
        {ByHS("3700", "6"),
         " The specified enthalpy is higher than the allowable value  hmax=" + hmax + " kJ/kg" + at6},
        // The triple line: 273.16 K · 6 kJ/(kg·K) above saturated water at the triple point.
        {ByHS("1600", "6"), " The enthalpy specified is below the allowable value hmin=1638.96 kJ/kg" + at6},
        {ByHS("3671", "6"), "outputs"},
        {ByHS("1640", "6"), "outputs"},
        // The state at 50 MPa and 801 °C, on the upper edge of the domain.
        {ByHS("3929.0326414493725", "6.5254352963605484"), "outputs"},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(c.outcome), c.described);
}

TEST_F(Refusals, ChecksRunInOrderAndReportOnlyTheFirstFault) {
    // The pressure is converted before the temperature edit is looked at.
    EXPECT_EQ(Described(ByPT("1.2.3", "")), "'1.2.3' is not a valid floating point value [Pressure]");
    EXPECT_EQ(Described(ByPT("0.0004", "")), " Insert the t value [Temperature]");
    EXPECT_EQ(Described(ByPT("0.0004", "700")), PressureRangePT);
    EXPECT_EQ(Described(ByPH("110", "1")), PressureRangePH);
}

// 0 to 800 °C up to 100 MPa, on to 2000 °C up to 50 MPa; the refusal names
// the highest temperature at the typed pressure.
// A gauge below −1 atm reads an absolute pressure below zero: refused as any
// pressure below the range, whose limits the message gives in the gauge's unit.
TEST_F(Refusals, GaugePressuresBelowTheRangeAreRefusedInTheGaugeUnit) {
    const Units barGauge{PressureUnit::BarGauge};
    const auto run = [&](InputMode mode, Quantity second, const QString& p, const QString& value) {
        return Described(Calculate({mode, SaturationInput::ByPs, {{Q::Pressure, p}, {second, value}}, barGauge}));
    };
    const std::string pt = " Inadequately set pressure: P>998.987 bar g or P<-1.00825 bar g [Pressure]";
    EXPECT_EQ(run(InputMode::ByPT, Q::Temperature, "-1.1", "20"), pt);
    EXPECT_EQ(run(InputMode::ByPT, Q::Temperature, "-1.0083", "20"), pt);
    EXPECT_EQ(run(InputMode::ByPT, Q::Temperature, "-1.0082", "20"), "outputs");
    EXPECT_EQ(run(InputMode::ByPH, Q::Enthalpy, "-2", "100"),
              " Inadequately set pressure: P>998.987 bar g or P<-1.00325 bar g [Pressure]");
    EXPECT_EQ(Described(Calculate({InputMode::Saturation, SaturationInput::ByPs, {{Q::Pressure, "-1.02"}}, barGauge})),
              " Inadequately set pressure: Ps>217.177 bar g or Ps<-1.00455 bar g [Pressure]");
}

// The modes by (t, h), (t, s), (p, v), (t, v) and (u, v) refuse a temperature
// outside the (p, t) mode's, a pressure outside its and a volume not above
// zero; a pair no state has is the library's stop, explained.
TEST_F(Refusals, NewModesRefuseTheirRangesAndExplainPairsNoStateHas) {
    const auto run = [](InputMode mode, Quantity a, const QString& first, Quantity b, const QString& second) {
        return Described(Calculate({mode, SaturationInput::ByPs, {{a, first}, {b, second}}}));
    };
    const std::string temperature = " Inadequately set temperature: T>2000 Celsius or T<0 Celsius [Temperature]";
    const std::string volume = " Inadequately set specific volume: V<=0 [Specific volume]";
    EXPECT_EQ(run(InputMode::ByTH, Q::Temperature, "2000.1", Q::Enthalpy, "3000"), temperature);
    EXPECT_EQ(run(InputMode::ByTS, Q::Temperature, "-0.1", Q::Entropy, "1"), temperature);
    EXPECT_EQ(run(InputMode::ByTV, Q::Temperature, "-1", Q::SpecificVolume, "1"), temperature);
    EXPECT_EQ(run(InputMode::ByTV, Q::Temperature, "100", Q::SpecificVolume, "0"), volume);
    EXPECT_EQ(run(InputMode::ByPV, Q::Pressure, "0.0004", Q::SpecificVolume, "1"), PressureRangePT);
    EXPECT_EQ(run(InputMode::ByPV, Q::Pressure, "1", Q::SpecificVolume, "-1"), volume);
    EXPECT_EQ(run(InputMode::ByUV, Q::InternalEnergy, "2600", Q::SpecificVolume, "-0.3"), volume);
    const std::string stop = run(InputMode::ByTH, Q::Temperature, "20", Q::Enthalpy, "9000");
    EXPECT_NE(stop.find("No state of the formulation has this temperature and enthalpy."), std::string::npos) << stop;
    EXPECT_EQ(run(InputMode::ByUV, Q::InternalEnergy, "2600", Q::SpecificVolume, "0.3"), "outputs");
    // At 0 °C, below the triple point, no state lies between water and steam:
    // such an enthalpy, entropy or volume is the library's stop, explained.
    // Inside the step between the equations of regions 2 and 3 at the B23
    // line (428 °C, 22.2 MPa) the state on the line is shown.
    for (const auto& [mode, second, value, explanation] :
         {std::tuple{InputMode::ByTH, Q::Enthalpy, "1000", "temperature and enthalpy."},
          std::tuple{InputMode::ByTS, Q::Entropy, "3", "temperature and entropy."},
          std::tuple{InputMode::ByTV, Q::SpecificVolume, "0.1", "temperature and specific volume."}}) {
        const std::string stop = run(mode, Q::Temperature, "0", second, value);
        EXPECT_NE(stop.find(std::string("No state of the formulation has this ") + explanation), std::string::npos)
            << stop;
    }
    const double T23 = 428 + 273.15;
    const double p23 = 348.05185628969 - 1.1671859879975 * T23 + 0.0010192970039326 * T23 * T23;
    const double inside = (TFS::HP_PT(p23, 428) + TFS::HKR_PT(p23, 428, 1)) / 2;
    EXPECT_EQ(run(InputMode::ByTH, Q::Temperature, "428", Q::Enthalpy, QString::number(inside, 'g', 17)), "outputs");
}

TEST_F(Refusals, PTRangesIncludeTheirBounds) {
    for (const auto& [p, t] : {std::pair{"50", "2000"}, {"100", "800"}, {"0.0005", "0"}, {"50.0001", "0"}})
        EXPECT_EQ(Described(ByPT(p, t)), "outputs") << p << " MPa, " << t << " °C";
    EXPECT_EQ(Described(ByPT("0.0004", "20")), PressureRangePT);
    EXPECT_EQ(Described(ByPT("100.001", "20")), PressureRangePT);
    for (const char* t : {"2000.01", "-0.01"}) EXPECT_EQ(Described(ByPT("50", t)), TemperatureRangePT) << t;
    for (const char* t : {"800.01", "-0.01"}) EXPECT_EQ(Described(ByPT("50.0001", t)), TemperatureRangeAbove50) << t;
}

// The enthalpies of 0 °C and of the hottest state at the typed pressure, both named.
TEST_F(Refusals, PHRangesAndEnthalpyLimits) {
    EXPECT_EQ(Described(ByPH("0.0009", "100")), PressureRangePH);
    const struct {
        const char* p;
        double hmin, hmax;  // kJ/kg, the enthalpies of 0 °C and of 2000 or 800 °C
        const char *shownMin, *shownMax;
    } bounds[] = {{"0.001", TFS::h_pt(0.001, 0), TFS::h_pt(0.001, 2000), "-0.04", "7376.98"},
                  {"50", TFS::h_pt(50, 0), TFS::h_pt(50, 2000), "49.13", "7365.80"},
                  {"60", TFS::h_pt(60, 0), TFS::h_pt(60, 800), "58.59", "3880.15"}};
    for (const auto& b : bounds) {
        const auto typed = [](double h) { return QString::number(h, 'g', 17); };
        const std::string limits = std::string(" kJ/kg at P=") + b.p + " MPa (";
        EXPECT_EQ(Described(ByPH(b.p, typed(b.hmin))), "outputs") << b.p;
        EXPECT_EQ(Described(ByPH(b.p, typed(b.hmax))), "outputs") << b.p;
        EXPECT_EQ(Described(ByPH(b.p, typed(b.hmin - 0.001))),
                  std::string(" The enthalpy specified is below the allowable value hmin=") + b.shownMin + limits +
                      "hmax=" + b.shownMax + " kJ/kg) [Enthalpy]");
        EXPECT_EQ(Described(ByPH(b.p, typed(b.hmax + 0.001))),
                  std::string(" The specified enthalpy is higher than the allowable value hmax=") + b.shownMax +
                      limits + "hmin=" + b.shownMin + " kJ/kg) [Enthalpy]");
    }
}

TEST_F(Refusals, SaturationRangesHoldTheirDecimalBounds) {
    // The double nearest 21.82 lies above the decimal bound 21.82, so 21.82 is refused;
    // likewise the double nearest the critical temperature 373.946 °C.
    for (const char* ps : {"21.82", "0.00086"}) EXPECT_EQ(Described(ByPs(ps)), PressureRangePs) << ps;
    for (const char* ps : {"21.8199", "0.00087"}) EXPECT_EQ(Described(ByPs(ps)), "outputs") << ps;
    for (const char* ts : {"373.946", "0.009"}) EXPECT_EQ(Described(ByTs(ts)), TemperatureRangeTs) << ts;
    const QString justBelowCritical = QString::number(std::nextafter(TFS::TKR, 0.0), 'g', 17);
    for (const QString& ts : {QStringLiteral("373.945"), justBelowCritical, QStringLiteral("0.01")})
        EXPECT_EQ(Described(ByTs(ts)), "outputs") << ts.toStdString();
}

TEST_F(Refusals, MalformedNumbersAreQuotedInEveryModeAndKept) {
    EXPECT_EQ(Described(ByPH("1", "1e")), "'1e' is not a valid floating point value [Enthalpy]");
    EXPECT_EQ(Described(ByPs("1e400")), "'1e400' is not a valid floating point value [Pressure]");
    // A NUL within a pasted text does not cut the quote short.
    const QString withNul = QStringLiteral("1") + QChar(u'\0') + QStringLiteral("5");
    EXPECT_EQ(Described(ByPT(withNul, "20")),
              ("'" + withNul + "' is not a valid floating point value [Pressure]").toStdString());
    LocaleGuard comma(LocaleGuard::Comma());
    EXPECT_EQ(Described(ByTs("1.2.3")), "'1.2.3' is not a valid floating point value [Temperature]");
}

// A refusal writes every number with the user's separator: the typed pressure
// as its limits.
TEST_F(Refusals, NumbersOfARefusalShareTheLocaleSeparator) {
    LocaleGuard comma(LocaleGuard::Comma());
    const auto has = [](const std::string& text, const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromStdString(text)).hasMatch();
    };
    for (const auto& outcome : {ByPH("0,5", "9000"), ByPT("0,0001", "20"), ByPH("0,0001", "100")}) {
        const std::string described = Described(outcome);
        EXPECT_TRUE(has(described, "[0-9],[0-9]") && !has(described, "[0-9][.][0-9]")) << described;
    }
}

// The fatal stop of the property library abandons the run; the report keeps
// its traditional text, explains the stop in English and names the library's
// reason beneath.
TEST_F(Refusals, LibraryStopGivesTheIoErrorWithItsExplanationAndReason) {
    // A temperature typed as exactly the saturation temperature of its pressure.
    EXPECT_EQ(Described(ByPT("1", QString::number(TFS::TS_P(1), 'g', 17))),
              "stop: I/O error 105 | The state lies on the saturation line: give a temperature off the line, or use "
              "the (p, h) mode for wet steam. | Вы попали на линию насыщения (h_pt)");
}

// Each stop of the formulation has its own explanation, not the general one.
TEST(StopExplanation, EachStopOfTheFormulationIsExplained) {
    const QString general = ExplanationOfStop(QString());
    // clang-format off
  const std::function<void()> stops[] = {
      [] { TFS::h_pt(1, TFS::TS_P(1)); },  // on the saturation line
      [] { TFS::h_pt(200, 20); },           // (p, t) outside the domain
      [] { TFS::T_PH(1, 8000); },           // (p, h) outside the domain
      [] { TFS::STATE_HS(5000, 6); },       // (h, s) outside the domain
      [] { TFS::HSW_P(30); },               // no saturation above the critical pressure
      [] { TFS::HSW_T(400); },              // nor above the critical temperature
      [] { TFS::MIU08_PT(1, 950); },        // beyond the IAPWS 2008 viscosity
      [] { TFS::LMB11_PT(60, 850); },       // beyond the IAPWS 2011 conductivity
      [] { TFS::STATE_PT_METASTABLE(1, 20); },  // far below the 5 % moisture line
      [] { TFS::STATE_TH(20, 9000); },      // pairs no state has
      [] { TFS::STATE_TS(20, 20); },
      [] { TFS::STATE_PV(1, 1e6); },
      [] { TFS::STATE_TV(20, 1e-5); },
      [] { TFS::STATE_UV(9000, 1); },
  };
    // clang-format on
    for (const auto& stop : stops) {
        try {
            stop();
            ADD_FAILURE() << "no stop";
        } catch (const TFS::FatalStop& e) {
            EXPECT_NE(ExplanationOfStop(QString::fromUtf8(e.what())), general) << e.what();
        }
    }
}

TEST(Calculation, NoSelectedModeCalculatesNothing) {
    for (const CalculationRequest& request :
         {CalculationRequest{InputMode(-1), SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "20"}}},
          CalculationRequest{
              InputMode::Saturation, SaturationInput(-1), {{Q::Pressure, "1"}, {Q::Temperature, "20"}}}}) {
        const Outcome outcome = Calculate(request);
        ASSERT_TRUE(std::holds_alternative<Outputs>(outcome)) << Described(outcome);
        EXPECT_TRUE(std::get<Outputs>(outcome).values.isEmpty());
    }
}
