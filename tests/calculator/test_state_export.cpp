// Copying and exporting rows of the table of states: the units in the header,
// the decimal point of CSV in every locale, quoting, and a write that fails
// whole.
#include "calculation_fixture.h"
#include "locale_guard.h"
#include "results_text.h"
#include "state_export.h"

#include "text_to_real.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Units American{PressureUnit::Psi, TemperatureUnit::Fahrenheit, UnitSystem::US};

QList<StateRow> ThreeRuns() {
    StateTable table;
    for (const CalculationRequest& request :
         {CalculationRequest{InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "100"}}},
          CalculationRequest{InputMode::ByPH, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Enthalpy, "2000"}}},
          CalculationRequest{
              InputMode::Saturation, SaturationInput::ByTs, {{Q::Temperature, "180"}}, {}, Transport::IAPWS2008_2011}})
        table.Append(request, std::get<Outputs>(Calculate(request)));
    return table.rows();
}

QStringList Lines(const QString& text, const QString& end) {
    QStringList lines = text.split(end);
    EXPECT_EQ(lines.takeLast(), "") << "every line ends with its line end";
    return lines;
}

// The digits a number's text writes, from its first to its last nonzero one:
// "100" one, "0,0125" three.
int NeededDigits(const QString& number) {
    QString digits = number.section(u'e', 0, 0);
    digits.remove(QRegularExpression(u"[^0-9]"_s));
    digits.remove(QRegularExpression(u"^0+|0+$"_s));
    return int(digits.size());
}

}  // namespace

TEST(StateExport, WritesUnitsInTheHeaderAndTheShownTextsInTheWindowsTable) {
    LocaleGuard comma(LocaleGuard::Comma());
    const QList<StateRow> rows = ThreeRuns();

    const QStringList csv = Lines(QString::fromUtf8(StatesCsv(rows, American)), "\r\n");
    ASSERT_EQ(csv.size(), 4);
    EXPECT_TRUE(
        csv[0].startsWith(R"~(No.,Mode,Phase,Transport,"typed p, psi","typed t, F","typed h, Btu/lb","t, F","p, psi",)~"
                          R"~("h, Btu/lb","S, Btu/(lb.F)","V, ft3/lb","Ro, lb/ft3","Cp, Btu/(lb.F)",)~"
                          R"~("Lmb, Btu/(h.ft.F)","Miu, lb/(ft.s)","Niu, ft2/s",Pr,"u, Btu/lb",)~"
                          R"~("Cv, Btu/(lb.F)","w, ft/s",k,"Alfa_v, 1/F","Kappa_T, 1/psi","(dp/dT)v, psi/F",)~"
                          R"~("Miu_JT, F/psi","Delta_T, Btu/(lb.psi)","g, Btu/lb","f, Btu/lb",Z,"a, ft2/s",)~"
                          R"~("e, Btu/lb",x,"ts', F","ps', psi",)~"))
        << csv[0].toStdString();
    EXPECT_TRUE(csv[0].endsWith(R"~("Sigma'', lbf/ft")~")) << csv[0].toStdString();
    EXPECT_TRUE(csv[1].startsWith(R"~(1,"p, t",Compressed water (IF97 region 1),IAPS 1985,145.0377377302168,212,,212,)~"
                                  R"~(145.0377377302168,180.47040062380194,0.3120070343332101,0.01670721851980665,)~"))
        << csv[1].toStdString();
    EXPECT_TRUE(
        csv[2].startsWith(R"~(2,"p, h","Wet steam, dryness x = 0.6142 (IF97 region 4)",IAPS 1985,145.0377377302168,,)~"
                          R"~(859.8452278589854,355.79413830463994,)~"))
        << csv[2].toStdString();
    const QStringList line = csv[3].split(',');
    EXPECT_EQ(line.mid(0, 7), (QStringList{"3", "ts", "", "IAPWS 2008/2011", "", "356", ""}));
    EXPECT_EQ(line.mid(7, 26), QStringList(26)) << "no state values on the saturation line";
    EXPECT_EQ(line[33], "356");

    // The window's table shows the window's texts, with the locale's separator;
    // wet steam has no heat capacity, and only wet steam a dryness.
    const QStringList text = Lines(StatesText(rows, American, Digits::Shown), "\n");
    ASSERT_EQ(text.size(), 4);
    EXPECT_TRUE(text[1].startsWith(
        "1\tp, t\tCompressed water (IF97 region 1)\tIAPS 1985\t145,03773773\t212\t\t212,0\t145,0377\t"));
    const QStringList header = text[0].split('\t');
    const qsizetype cp = header.indexOf("Cp, Btu/(lb.F)"), x = header.indexOf("x");
    EXPECT_EQ(text[2].split('\t')[cp], "");
    EXPECT_NE(text[1].split('\t')[cp], "");
    EXPECT_EQ(text[1].split('\t')[x], "");
    EXPECT_EQ(text[2].split('\t')[x], "0,6142");
    EXPECT_EQ(StatesText(rows, Units{}, Digits::Shown).split('\t').mid(7, 2), (QStringList{"t, C", "p, MPa"}));
}

// Another program computes with what this one computed: every number of a copy
// or an export, typed or computed, is the shortest text that reads back as the
// value in the shown units, and the dryness of wet steam has its column.
TEST(StateExport, CopiesAndExportsEveryValueInFull) {
    LocaleGuard comma(LocaleGuard::Comma());
    const QList<StateRow> rows = ThreeRuns();
    for (const Units& units : {Units{}, American}) {
        const QStringList lines = Lines(StatesText(rows, units, Digits::Full), "\n");
        ASSERT_EQ(lines.size(), rows.size() + 1);
        const qsizetype x = lines[0].split('\t').indexOf("x");
        ASSERT_GE(x, 0);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const StateRow& row = rows[i];
            QList<double> expected;  // the typed inputs, then the values
            for (const Quantity input : InputsOf(row.request.mode, row.request.saturationInput))
                expected.append(ToShown(input, TextToReal(row.request.typed.value(input)), units));
            for (const StoredValue& v : row.values)
                if (!std::isnan(v.value)) expected.append(ToShown(v.quantity, v.value, units));
            const QStringList cells = lines[i + 1].split('\t');
            for (const QString& cell : cells.mid(4)) {
                if (cell.isEmpty()) continue;
                const double value = TextToReal(cell);
                EXPECT_TRUE(expected.removeOne(value)) << cell.toStdString() << " is no value of row " << i;
                const int digits = NeededDigits(cell);
                EXPECT_TRUE(digits == 1 || QString::number(value, 'g', digits - 1).toDouble() != value)
                    << cell.toStdString() << " is not the shortest text";
            }
            EXPECT_TRUE(expected.isEmpty()) << expected.size() << " values of row " << i << " are missing";
        }
        EXPECT_EQ(lines[1].split('\t')[x], "") << "compressed water has no dryness";
        EXPECT_EQ(lines[2].split('\t')[x], "0,6142248896426703");
    }
}

// A spreadsheet's cell pastes with its line end: the run reads the number, and
// the table and the copy of the run keep it without the white space.
TEST(StateExport, KeepsAPastedInputWithoutItsWhiteSpace) {
    const CalculationRequest pasted{
        InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1\r\n"}, {Q::Temperature, "\t100 "}}};
    const Outputs outputs = std::get<Outputs>(Calculate(pasted));
    StateTable table;
    table.Append(pasted, outputs);
    EXPECT_EQ(Lines(StatesText(table.rows(), Units{}, Digits::Shown), "\n")[1].split('\t').mid(4, 2),
              (QStringList{"1", "100"}));
    EXPECT_TRUE(ResultsText(pasted, outputs).startsWith("p, MPa\t1\nt, C\t100\nPhase\t"));
}

TEST(StateExport, QuotesCsvFieldsAndKeepsTextColumnsWhole) {
    const StateRow row{9,
                       {InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "100"}}},
                       "He said \"wet\",\r\nthen",
                       {}};
    EXPECT_EQ(StatesCsv({row}, Units{}),
              "No.,Mode,Phase,Transport,\"typed p, MPa\",\"typed t, C\"\r\n"
              "9,\"p, t\",\"He said \"\"wet\"\",\r\nthen\",IAPS 1985,1,100\r\n");
    EXPECT_EQ(StatesText({row}, Units{}, Digits::Full),
              "No.\tMode\tPhase\tTransport\ttyped p, MPa\ttyped t, C\n"
              "9\tp, t\tHe said \"wet\",  then\tIAPS 1985\t1\t100\n");
}

TEST(StateExport, WriteCsvWritesAllOrNothing) {
    QTemporaryDir dir;
    const QList<StateRow> rows = ThreeRuns();
    QString error;
    ASSERT_TRUE(WriteCsv(dir.filePath("states.csv"), rows, American, &error)) << error.toStdString();
    QFile written(dir.filePath("states.csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), StatesCsv(rows, American));

    EXPECT_FALSE(WriteCsv(dir.filePath("missing/states.csv"), rows, American, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
}
