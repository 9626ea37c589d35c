#include "command_line.h"
#include "state_rows.h"

#include "TFS.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace Qt::Literals::StringLiterals;

Command Parsed(std::initializer_list<const char*> arguments) {
    QStringList list;
    for (const char* a : arguments) list.append(QString::fromUtf8(a));
    return ParseCommandLine(list);
}

TEST(H2oCommandLine, NamesTheModeUnitsAndColumnsOrSaysWhatIsWrong) {
    const auto one = std::get<OneState>(Parsed({"t=200", "p=1,5"}));
    EXPECT_STREQ(one.options.mode->key, "p,t");
    EXPECT_EQ(one.values[0], 1.5);  // read in the mode's order, a comma as the decimal separator
    EXPECT_EQ(one.values[1], 200.0);
    EXPECT_STREQ(std::get<OneState>(Parsed({"ps=1"})).options.mode->key, "ps");

    const auto batch = std::get<BatchRun>(Parsed({"--mode", "p, h", "--pressure=bar", "--temperature", "F", "--units",
                                                  "US", "--transport", "IAPWS2008-2011", "--columns", "h,cp,RO"}));
    EXPECT_STREQ(batch.options.mode->key, "p,h");
    EXPECT_EQ(batch.options.units, (Units{PressureUnit::Bar, TemperatureUnit::Fahrenheit, UnitSystem::US}));
    EXPECT_EQ(batch.options.transport, Transport::IAPWS2008_2011);
    EXPECT_EQ(batch.options.columns, (QList{Quantity::Enthalpy, Quantity::HeatCapacity, Quantity::Density}));

    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parsed({"--mode", "p,t", "--help"})));
    for (const auto& wrong : {Parsed({}), Parsed({"--mode", "q"}), Parsed({"--pressure"}), Parsed({"--pressure", "atm"}),
                              Parsed({"--columns", "h,zz"}), Parsed({"--mode", "p,t", "p=1", "h=2"}),
                              Parsed({"p=1"}), Parsed({"p=abc", "t=1"}), Parsed({"stray"})})
        EXPECT_TRUE(std::holds_alternative<UsageError>(wrong));
}

// The CSV's cells, without the quotes of a quoted cell.
QList<QStringList> CsvRows(const QString& text) {
    QList<QStringList> rows;
    for (const QString& line : text.split(u"\r\n"_s, Qt::SkipEmptyParts)) {
        QStringList cells;
        QString cell;
        bool quoted = false;
        for (const QChar c : line) {
            if (c == u'"') quoted = !quoted;
            else if (c == u',' && !quoted) cells.append(std::exchange(cell, {}));
            else cell.append(c);
        }
        cells.append(cell);
        rows.append(cells);
    }
    return rows;
}

struct RowsRun {
    QList<QStringList> rows;
    QString errors;
    int refused;
};

RowsRun RowsOf(const QString& input, std::initializer_list<const char*> arguments) {
    QLocale::setDefault(QLocale::c());
    RunOptions options = std::get<BatchRun>(Parsed(arguments)).options;
    QString in = input, out, errors;
    QTextStream inStream(&in), outStream(&out), errorStream(&errors);
    const int refused = WriteStateRows(inStream, outStream, errorStream, options);
    outStream.flush();
    errorStream.flush();
    return {CsvRows(out), errors, refused};
}

double Number(const QString& cell) {
    return std::strtod(cell.toLatin1().constData(), nullptr);
}

TEST(H2oRows, EveryRowIsTheLibrarysStateToTheLastDigitOrSaysWhyNot) {
    const RowsRun run = RowsOf(u"p, MPa;t, C\n1;200\n10,5;500\n\n0.0001,20\nfoo,1\n1,2,3\n"_s,
                           {"--mode", "p,t", "--columns", "h,s,x"});
    ASSERT_EQ(run.rows.size(), 6);
    EXPECT_EQ(run.rows[0], (QStringList{u"line"_s, u"h, kJ/kg"_s, u"S, kJ/(kg.C)"_s, u"x"_s, u"phase"_s,
                                        u"refused"_s}));
    const struct {
        double p, t;
    } states[] = {{1, 200}, {10.5, 500}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Number(run.rows[i + 1][1]), TFS::h_pt(states[i].p, states[i].t));
        EXPECT_EQ(Number(run.rows[i + 1][2]), TFS::S_PT(states[i].p, states[i].t));
        EXPECT_EQ(run.rows[i + 1][3], QString());
        EXPECT_EQ(run.rows[i + 1][4], u"Superheated steam (IF97 region 2)"_s);
    }
    // Refused rows keep their line number and give the reason in the last column.
    EXPECT_EQ(run.rows[3].first(), u"5"_s);
    EXPECT_EQ(run.rows[3].last(), u"Inadequately set pressure: P>100 MPa or P<0.0005 MPa"_s);
    EXPECT_EQ(run.rows[4].last(), u"line 6: 'foo' is not a valid floating point value"_s);
    EXPECT_EQ(run.rows[5].last(), u"line 7: expected 2 numbers, found 3 fields"_s);
    for (const QStringList& row : run.rows) EXPECT_EQ(row.size(), 6);
    EXPECT_EQ(run.refused, 3);
    EXPECT_TRUE(run.errors.contains(u"line 6:"_s) && run.errors.endsWith(u"3 rows refused\n"_s));
}

TEST(H2oRows, ReadsAndWritesInTheChosenUnitsAndBothSaturatedPhases) {
    const RowsRun bar = RowsOf(u"10,200\n"_s, {"--mode", "p,t", "--pressure", "bar", "--columns", "p,h"});
    EXPECT_EQ(bar.rows[0][1], u"p, bar"_s);
    EXPECT_EQ(Number(bar.rows[1][1]), 10.0);
    EXPECT_EQ(Number(bar.rows[1][2]), TFS::h_pt(1, 200));

    const RowsRun line = RowsOf(u"1\n"_s, {"--mode", "ps", "--columns", "h"});
    EXPECT_EQ(line.rows[0].mid(1, 2), (QStringList{u"h', kJ/kg"_s, u"h'', kJ/kg"_s}));
    EXPECT_EQ(Number(line.rows[1][1]), TFS::HSW_P(1));
    EXPECT_EQ(Number(line.rows[1][2]), TFS::HSP_P(1));
}

TEST(H2oOneState, PrintsEveryQuantityWithItsUnitOrTheRefusal) {
    QLocale::setDefault(QLocale::c());
    QString text;
    ASSERT_TRUE(OneStateText(std::get<OneState>(Parsed({"p=1", "x=0.5"})), &text));
    EXPECT_TRUE(text.startsWith(u"Phase: Wet steam, dryness x = 0.5000 (IF97 region 4)\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Enthalpy h, kJ/kg = "_s + QString::number(TFS::H_PX(1, 0.5), 'g', 17)));
    EXPECT_FALSE(text.contains(u"Cp"_s));  // wet steam has no heat capacity

    EXPECT_FALSE(OneStateText(std::get<OneState>(Parsed({"p=1", "t=3000"})), &text));
    EXPECT_EQ(text, u"Inadequately set temperature: T>2000 Celsius or T<0 Celsius\n"_s);
}

}  // namespace
