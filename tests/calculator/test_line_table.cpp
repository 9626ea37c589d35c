// Tables along a line of states: every row is the calculator's own run of its
// state, the saturation line is met where a line crosses it, refused points
// are rows that say why, and the steps of a range.
#include "calculation_fixture.h"
#include "line_table.h"
#include "locale_guard.h"

#include "TFS.h"
#include "number_format.h"
#include "text_to_real.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

LineDefinition Line(LineKind kind, double fixed, double from, double to, double step) {
    LineDefinition line;
    line.kind = kind;
    line.fixed = fixed;
    line.from = from;
    line.to = to;
    line.step = step;
    return line;
}

LineDefinition InPoints(LineDefinition line, int points, bool logarithmic = false) {
    line.stepKind = StepKind::Points;
    line.points = points;
    line.logarithmic = logarithmic;
    return line;
}

LineTable Computed(const LineDefinition& line) {
    const LinePoints points = PointsOf(line);
    if (const auto* refusal = std::get_if<QString>(&points)) ADD_FAILURE() << refusal->toStdString();
    return ComputeLine(line, std::get<QList<LinePoint>>(points));
}

// The column's values of every row, in the core's units.
std::vector<double> Column(const LineTable& table, Quantity q, Phase phase = Phase::State) {
    std::vector<double> values;
    for (const LineRow& row : table.rows) values.push_back(CellValue(row, {q, phase}));
    return values;
}

std::vector<std::string> Notes(const LineTable& table) {
    std::vector<std::string> notes;
    for (const LineRow& row : table.rows) notes.push_back(RowNote(row).toStdString());
    return notes;
}

// The same state typed into the calculator, each value in full.
Outcome TypedRun(const LinePoint& point, Transport transport) {
    CalculationRequest request{point.mode->mode, point.mode->saturationInput, {}, {}, transport};
    for (qsizetype i = 0; i < point.mode->inputs.size(); ++i)
        request.typed.insert(point.mode->inputs[i], QString::number(point.values[i], 'g', 17));
    return Calculate(request);
}

}  // namespace

TEST(LineTable, EveryRowIsTheCalculatorsRunOfItsStateWithItsTexts) {
    const LineDefinition lines[] = {
        Line(LineKind::Isobar, 1, 20, 400, 45),          Line(LineKind::Isotherm, 380, 1, 50, 7),
        Line(LineKind::Isentrope, 6.5, 20, 0.01, 4),     Line(LineKind::Isenthalp, 2800, 0.01, 30, 5),
        Line(LineKind::SaturationByT, 0, 0.01, 373, 60), Line(LineKind::SaturationByP, 0, 0.001, 21, 4),
    };
    for (LineDefinition line : lines)
        for (const Transport transport : {Transport::IAPS1985, Transport::IAPWS2008_2011}) {
            line.transport = transport;
            const LineTable table = Computed(line);
            ASSERT_GT(table.rows.size(), 3) << LineTitle(line).toStdString();
            for (const LineRow& row : table.rows) {
                const Outcome typed = TypedRun(row.point, transport);
                SCOPED_TRACE(LineTitle(line).toStdString() + " at " + std::to_string(row.point.values[0]));
                EXPECT_EQ(Described(row.outcome), Described(typed));
                if (!std::holds_alternative<Outputs>(typed)) continue;
                EXPECT_EQ(RowNote(row), std::get<Outputs>(typed).phaseName.isEmpty()
                                            ? u"Saturated water and steam"_s
                                            : std::get<Outputs>(typed).phaseName);
                for (const Output& output : std::get<Outputs>(typed).values) {
                    const LineColumn column{output.quantity, output.phase};
                    EXPECT_EQ(CellText(row, column, {}, Digits::Shown), output.text) << RowOf(output.quantity).name;
                    const double value = CellValue(row, column);
                    EXPECT_TRUE(value == output.value || (std::isnan(value) && std::isnan(output.value)));
                }
            }
        }
}

TEST(LineTable, AnIsobarOrIsothermCrossingTheSaturationLineGetsBothSaturatedStatesThere) {
    const double ts = TFS::TS_P(1), ps = TFS::PS_T(200);
    struct Case {
        LineDefinition line;
        Quantity running;
        std::vector<double> values, dryness;
    };
    const double n = NAN;
    const Case cases[] = {
        {Line(LineKind::Isobar, 1, 100, 250, 50), Q::Temperature, {100, 150, ts, ts, 200, 250}, {n, n, 0, 1, n, n}},
        // Cooling: the steam condenses first.
        {Line(LineKind::Isobar, 1, 250, 100, 50), Q::Temperature, {250, 200, ts, ts, 150, 100}, {n, n, 1, 0, n, n}},
        // Compressing at a constant temperature: steam first, then water.
        {Line(LineKind::Isotherm, 200, 1, 2, 0.5), Q::Pressure, {1, 1.5, ps, ps, 2}, {n, n, 1, 0, n}},
        // Above the critical pressure and temperature no line is crossed.
        {Line(LineKind::Isobar, 25, 300, 500, 100), Q::Temperature, {300, 400, 500}, {n, n, n}},
        {Line(LineKind::Isotherm, 400, 10, 30, 10), Q::Pressure, {10, 20, 30}, {n, n, n}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LineTitle(c.line).toStdString());
        const LineTable table = Computed(c.line);
        EXPECT_EQ(Column(table, c.running), c.values);
        const std::vector<double> x = Column(table, Q::Dryness);
        ASSERT_EQ(x.size(), c.dryness.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_TRUE(x[i] == c.dryness[i] || (std::isnan(x[i]) && std::isnan(c.dryness[i]))) << i;
    }
}

// An isentrope or an isenthalp gets the saturated state where it passes the
// saturation line, between its neighbours, at the line's s or h.
TEST(LineTable, AnIsentropeOrIsenthalpCrossingTheSaturationLineGetsTheSaturatedStateThere) {
    struct Case {
        LineDefinition line;
        Quantity held;
        double x;
    };
    const Case cases[] = {
        {InPoints(Line(LineKind::Isentrope, 6.5, 20, 0.01, 0), 4, true), Q::Entropy, 1},
        {Line(LineKind::Isentrope, 3, 0.01, 30, 10), Q::Entropy, 0},
        {Line(LineKind::Isenthalp, 500, 1, 0.01, 0.33), Q::Enthalpy, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LineTitle(c.line).toStdString());
        const LineTable table = Computed(c.line);
        const std::vector<double> x = Column(table, Q::Dryness), p = Column(table, Q::Pressure);
        const auto at = std::size_t(std::find(x.begin(), x.end(), c.x) - x.begin());
        ASSERT_TRUE(at > 0 && at + 1 < x.size()) << ::testing::PrintToString(x);
        EXPECT_TRUE((p[at - 1] - p[at]) * (p[at] - p[at + 1]) > 0) << ::testing::PrintToString(p);
        EXPECT_NEAR(Column(table, c.held)[at], c.line.fixed, 1e-9 * c.line.fixed);
    }
}

TEST(LineTable, AnIsothermThroughRegion3AndAnIsentropeIntoWetSteamAreComputedThroughout) {
    const LineTable isotherm = Computed(Line(LineKind::Isotherm, 380, 16, 40, 4));
    const std::vector<std::string> notes = Notes(isotherm);
    EXPECT_EQ(
        std::count_if(notes.begin(), notes.end(), [](const std::string& n) { return n.find("region 3") != n.npos; }), 5)
        << ::testing::PrintToString(notes);

    // From 10 MPa and 500 °C down to 10 kPa: superheated, then wetter and wetter.
    const double s = TFS::S_PT(10, 500);
    const LineTable isentrope = Computed(InPoints(Line(LineKind::Isentrope, s, 10, 0.01, 0), 4, true));
    const std::vector<double> p = Column(isentrope, Q::Pressure);
    ASSERT_EQ(p.size(), 5u) << "with the saturated steam between 1 and 0.1 MPa";
    EXPECT_TRUE(p[0] == 10 && p[1] == 1 && p[3] == 0.1 && p[4] == 0.01);
    EXPECT_NEAR(Column(isentrope, Q::Temperature)[0], 500, 1e-9);
    const std::vector<double> x = Column(isentrope, Q::Dryness);
    EXPECT_TRUE(std::isnan(x[0]) && std::isnan(x[1])) << x[0] << ' ' << x[1];
    EXPECT_EQ(x[2], 1);
    EXPECT_GT(x[3], x[4]);
    EXPECT_GT(x[4], 0.7);
    EXPECT_LT(x[3], 1);
    EXPECT_EQ(RowNote(isentrope.rows[4]).left(9), u"Wet steam"_s);
}

TEST(LineTable, APointTheCalculatorRefusesIsARowThatSaysWhyAndKeepsItsValues) {
    // Ice is no state of the formulation in any range the calculator accepts.
    const LineTable table = Computed(Line(LineKind::Isobar, 1, -50, 100, 75));
    ASSERT_EQ(table.rows.size(), 4) << "-50, 0, 75, 100";
    const Outcome run = TypedRun(table.rows[0].point, Transport::IAPS1985);
    const auto* typed = std::get_if<Refusal>(&run);
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(RowNote(table.rows[0]), typed->message.trimmed());
    EXPECT_EQ(CellText(table.rows[0], {Q::Temperature, Phase::State}, {}, Digits::Full), u"-50"_s);
    EXPECT_EQ(CellText(table.rows[0], {Q::Enthalpy, Phase::State}, {}, Digits::Shown), u""_s);
    EXPECT_EQ(Notes(table)[1], "Compressed water (IF97 region 1)") << "the rest of the line is computed";
    // Beyond the critical point there is no saturation state.
    const LineTable beyond = Computed(Line(LineKind::SaturationByT, 0, 370, 374, 2));
    EXPECT_TRUE(std::holds_alternative<Refusal>(beyond.rows.back().outcome));
}

TEST(LineTable, StepsRunFromFromToToAndRefuseWhatCannotBeALine) {
    struct Case {
        LineDefinition line;
        std::vector<double> running;  // shown units
        const char* refusal;
    };
    const auto isobar = [](double from, double to, double step) { return Line(LineKind::Isobar, 1, from, to, step); };
    const auto isotherm = [](double from, double to, double step) {
        return Line(LineKind::Isotherm, 400, from, to, step);
    };
    LineDefinition fahrenheit = isobar(50, 80, 10);
    fahrenheit.units.temperature = TemperatureUnit::Fahrenheit;
    const auto logarithmic = [](LineDefinition line) {
        line.logarithmic = true;
        return line;
    };
    LineDefinition saturation = Line(LineKind::SaturationByT, 0, 0.01, 373.946, 10);
    std::vector<double> tens{0.01};
    for (int t = 10; t <= 370; t += 10) tens.push_back(t);
    tens.push_back(373.946);
    const Case cases[] = {
        {isobar(20, 100, 30), {20, 30, 60, 90, 100}, nullptr},  // the ends close the line
        {isobar(100, 20, 30), {100, 90, 60, 30, 20}, nullptr},  // from > to runs downwards
        {isobar(20, 100, -40), {20, 40, 80, 100}, nullptr},     // the step's sign is not asked for
        {isobar(0.1, 0.7, 0.1), {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7}, nullptr},
        // Steps on the multiples of the step, whichever the ends.
        {saturation, tens, nullptr},
        {isobar(105, 72, 10), {105, 100, 90, 80, 72}, nullptr},
        {isobar(20.0000000001, 40, 10), {20.0000000001, 30, 40}, nullptr},
        // Decades are themselves: 1 and 0.1, not 1.0000000000000004.
        {logarithmic(isotherm(10, 0.01, 10)), {10, 1, 0.1, 0.01}, nullptr},
        {logarithmic(isotherm(0.5, 100, 10)), {0.5, 1, 10, 100}, nullptr},
        {InPoints(isotherm(10, 0.001, 0), 5, true), {10, 1, 0.1, 0.01, 0.001}, nullptr},
        {isobar(50, 50, 0), {50}, nullptr},
        {fahrenheit, {50, 60, 70, 80}, nullptr},
        {logarithmic(isotherm(0.01, 1, 10)), {0.01, 0.1, 1}, nullptr},
        {InPoints(isotherm(1, 100, 0), 3, true), {1, 10, 100}, nullptr},
        {InPoints(isotherm(10, 20, 0), 3), {10, 15, 20}, nullptr},
        {InPoints(isotherm(10, 20, 0), 10000), {}, nullptr},
        {isobar(20, 100, 0), {}, " The step must not be zero"},
        {isobar(0, 10000, 1), {}, " The line would have 10001 points; at most 10000 are computed: take a larger step"},
        {InPoints(isotherm(10, 20, 0), 10001),
         {},
         " The line would have 10001 points; at most 10000 are computed: take a larger step"},
        {InPoints(isotherm(10, 20, 0), 0), {}, " Give at least one point"},
        {InPoints(isotherm(0, 20, 0), 5, true), {}, " A logarithmic range needs pressures above zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LineTitle(c.line).toStdString());
        const LinePoints points = PointsOf(c.line);
        if (c.refusal != nullptr) {
            ASSERT_TRUE(std::holds_alternative<QString>(points));
            EXPECT_EQ(std::get<QString>(points).toStdString(), c.refusal);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<QList<LinePoint>>(points)) << std::get<QString>(points).toStdString();
        const QList<LinePoint>& list = std::get<QList<LinePoint>>(points);
        if (c.running.empty()) {
            EXPECT_EQ(list.size(), 10000);
            continue;
        }
        const Quantity running = RunningQuantity(c.line.kind);
        const int at = c.line.kind == LineKind::Isobar ? 1 : 0;
        std::vector<double> shown;
        for (const LinePoint& point : list) shown.push_back(ToShown(running, point.values[at], c.line.units));
        ASSERT_EQ(shown.size(), c.running.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (c.line.units == Units{})
                EXPECT_EQ(shown[i], c.running[i]) << i;
            else
                EXPECT_NEAR(shown[i], c.running[i], 1e-12 * c.running[i]) << i;
    }
}

TEST(LineTable, CopiesAndWritesCsvInFullWithUnitsAndTheLineInTheHeader) {
    LocaleGuard comma(LocaleGuard::Comma());
    const LineDefinition line = Line(LineKind::SaturationByT, 0, 100, 120, 20);
    const LineTable table = Computed(line);
    const QList<LineColumn> columns = ColumnsOf(line.kind, {Q::Temperature, Q::Pressure, Q::Enthalpy});

    const QStringList text = LineText(table, columns, {}).split(u'\n');
    ASSERT_EQ(text.size(), 4);
    EXPECT_EQ(text[0], u"No.\tPhase\tts, C\tps, MPa\th', kJ/kg\th'', kJ/kg"_s);
    const QStringList first = text[1].split(u'\t');
    EXPECT_EQ(first.mid(0, 3), (QStringList{u"1"_s, u"Saturated water and steam"_s, u"100"_s}));
    EXPECT_EQ(TextToReal(first[4]), CellValue(table.rows[0], columns[2])) << "full precision";

    const QStringList csv = QString::fromUtf8(LineCsv(table, columns, {})).split(u"\r\n"_s);
    ASSERT_EQ(csv.size(), 7);
    EXPECT_EQ(csv[0], u"\"Saturation line by t, t from 100 to 120 C, step 20 C\""_s);
    EXPECT_EQ(csv[1], u"Units,MPa,C,SI"_s);
    EXPECT_TRUE(csv[2].startsWith(u"Formulations,IAPWS-IF97 "_s)) << csv[2].toStdString();
    LineDefinition current = table.line;
    current.transport = Transport::IAPWS2008_2011;
    EXPECT_TRUE(FormulationsOf(current).contains(u"IAPWS 2011"_s));
    EXPECT_EQ(csv[3], u"No.,Phase,\"ts, C\",\"ps, MPa\",\"h', kJ/kg\",\"h'', kJ/kg\""_s);
    EXPECT_TRUE(csv[4].startsWith(u"1,Saturated water and steam,100,0.1"_s)) << csv[4].toStdString();
    EXPECT_EQ(csv[6], u""_s);
    // The title's numbers have the point of the data.
    const QString title = QString::fromUtf8(LineCsv(Computed(Line(LineKind::SaturationByT, 0, 100, 100.5, 0.5)),
                                                    columns, {})).section(u"\r\n"_s, 0, 0);
    EXPECT_EQ(title, u"\"Saturation line by t, t from 100 to 100.5 C, step 0.5 C\""_s);
}

TEST(LineTable, AFilesDefaultNameIsTheLinesTitleWithoutWhatNoFileNameHolds) {
    LineDefinition isentrope = InPoints(Line(LineKind::Isentrope, 6.59932, 10, 0.01, 0), 10);
    EXPECT_EQ(LineFileName(isentrope), u"Isentrope s = 6.59932 kJ-(kg.C), p from 10 to 0.01 MPa, 10 points"_s);
    EXPECT_EQ(LineFileName(Line(LineKind::Isobar, 1, 20, 300, 10)), u"Isobar p = 1 MPa, t from 20 to 300 C, step 10 C"_s);
}
