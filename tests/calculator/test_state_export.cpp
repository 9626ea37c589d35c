// Copying and exporting rows of the table of states: the units in the header,
// the decimal point of CSV in every locale, quoting, and a write that fails
// whole.
#include "calculation_fixture.h"
#include "locale_guard.h"
#include "state_export.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr Units American{PressureUnit::Psi, TemperatureUnit::Fahrenheit, UnitSystem::US};

QList<StateRow> ThreeRuns() {
    StateTable table;
    for (const CalculationRequest& request :
         {CalculationRequest{InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "100"}}},
          CalculationRequest{InputMode::ByPH, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Enthalpy, "2000"}}},
          CalculationRequest{InputMode::Saturation, SaturationInput::ByTs, {{Q::Temperature, "180"}}}})
        table.Append(request, std::get<Outputs>(Calculate(request)));
    return table.rows();
}

QStringList Lines(const QString& text, const QString& end) {
    QStringList lines = text.split(end);
    EXPECT_EQ(lines.takeLast(), "") << "every line ends with its line end";
    return lines;
}

}  // namespace

TEST(StateExport, WritesUnitsInTheHeaderAndNumbersAsTheWindowDoes) {
    LocaleGuard comma(LocaleGuard::Comma());
    const QList<StateRow> rows = ThreeRuns();

    const QStringList csv = Lines(QString::fromUtf8(StatesCsv(rows, American)), "\r\n");
    ASSERT_EQ(csv.size(), 4);
    EXPECT_TRUE(csv[0].startsWith(R"~(No.,Mode,Phase,"typed p, psi","typed t, F","typed h, Btu/lb","t, F","p, psi",)~"
                                  R"~("h, Btu/lb","S, Btu/(lb.F)","V, ft3/lb","Ro, lb/ft3","Cp, Btu/(lb.F)",)~"
                                  R"~("Lmb, Btu/(h.ft.F)","Miu, lb/(ft.s)","Niu, ft2/s",Pr,"u, Btu/lb",)~"
                                  R"~("Cv, Btu/(lb.F)","w, ft/s",k,"ts', F","ps', psi",)~"))
        << csv[0].toStdString();
    EXPECT_TRUE(csv[0].endsWith(R"~("Sigma'', lbf/ft")~")) << csv[0].toStdString();
    EXPECT_TRUE(csv[1].startsWith(R"~(1,"p, t",Compressed water (IF97 region 1),145.03773773,212,,212.0,145.0377,)~"))
        << csv[1].toStdString();
    EXPECT_TRUE(csv[2].startsWith(
        R"~(2,"p, h","Wet steam, dryness x = 0,6142 (IF97 region 4)",145.03773773,,859.845227859,355.8,)~"))
        << csv[2].toStdString();
    const QStringList line = csv[3].split(',');
    EXPECT_EQ(line.mid(0, 6), (QStringList{"3", "ts", "", "", "356", ""}));
    EXPECT_EQ(line.mid(6, 15), QStringList(15)) << "no state values on the saturation line";
    EXPECT_EQ(line[21], "356.00");

    // The inputs too are in the shown units. The clipboard keeps the locale's
    // separator; wet steam has no heat capacity.
    const QStringList text = Lines(StatesText(rows, American), "\n");
    ASSERT_EQ(text.size(), 4);
    EXPECT_TRUE(
        text[1].startsWith("1\tp, t\tCompressed water (IF97 region 1)\t145,03773773\t212\t\t212,0\t145,0377\t"));
    const qsizetype cp = text[0].split('\t').indexOf("Cp, Btu/(lb.F)");
    EXPECT_EQ(text[2].split('\t')[cp], "");
    EXPECT_NE(text[1].split('\t')[cp], "");
    EXPECT_EQ(StatesText(rows, Units{}).split('\t').mid(6, 2), (QStringList{"t, C", "p, MPa"}));
}

TEST(StateExport, QuotesCsvFieldsAndKeepsTextColumnsWhole) {
    const StateRow row{9,
                       {InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "100"}}},
                       "He said \"wet\",\r\nthen",
                       {}};
    EXPECT_EQ(StatesCsv({row}, Units{}),
              "No.,Mode,Phase,\"typed p, MPa\",\"typed t, C\"\r\n"
              "9,\"p, t\",\"He said \"\"wet\"\",\r\nthen\",1,100\r\n");
    EXPECT_EQ(StatesText({row}, Units{}),
              "No.\tMode\tPhase\ttyped p, MPa\ttyped t, C\n"
              "9\tp, t\tHe said \"wet\",  then\t1\t100\n");
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
