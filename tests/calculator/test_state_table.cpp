// The table of states: numbering, the limit of rows, and its file, which keeps
// every value exactly and is set aside, never trusted, when damaged.
#include "calculation_fixture.h"
#include "state_file.h"
#include "state_table.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

// A row as one line that differs from another's wherever the rows differ,
// each double in all its digits.
std::string Described(const StateRow& row) {
    QString text = QString::number(row.number) + u' ' + QString::number(int(row.request.mode)) + u' ' +
                   QString::number(int(row.request.saturationInput)) + u' ' + row.phaseName;
    for (auto it = row.request.typed.begin(); it != row.request.typed.end(); ++it)
        text += QStringLiteral(" %1=%2").arg(int(it.key())).arg(it.value());
    for (const StoredValue& v : row.values)
        text += QStringLiteral(" %1/%2:%3").arg(int(v.quantity)).arg(int(v.phase)).arg(v.value, 0, 'g', 17);
    return text.toStdString();
}

std::vector<std::string> Described(const QList<StateRow>& rows) {
    std::vector<std::string> lines;
    for (const StateRow& row : rows) lines.push_back(Described(row));
    return lines;
}

void Append(StateTable& table, const CalculationRequest& request) {
    table.Append(request, std::get<Outputs>(Calculate(request)));
}

const CalculationRequest Water{InputMode::ByPT, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Temperature, "100"}}};
const CalculationRequest WetSteam{InputMode::ByPH, SaturationInput::ByPs, {{Q::Pressure, "1"}, {Q::Enthalpy, "2000"}}};
const CalculationRequest Line{InputMode::Saturation, SaturationInput::ByTs, {{Q::Temperature, "180"}}};

// A row whose values test the file's numbers: thirds, the smallest and largest
// doubles, an integer beyond 2^53 and an undefined value.
StateRow Extremes(int number) {
    return {number,
            Water,
            u"Compressed water, \"quoted\"\n"_qs,
            {{Q::Temperature, Phase::State, std::numeric_limits<double>::denorm_min()},
             {Q::Pressure, Phase::State, 1.0 / 3},
             {Q::Enthalpy, Phase::State, std::numeric_limits<double>::max()},
             {Q::Entropy, Phase::State, 9007199254740993.0 * 4},
             {Q::HeatCapacity, Phase::State, std::numeric_limits<double>::quiet_NaN()},
             {Q::SurfaceTension, Phase::SaturatedSteam, -2.675e-300}}};
}

class StateTableFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath("states.json");

    void Write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

}  // namespace

TEST(StateTable, NumbersRunsKeepsTheirInputsAndTheNewestThousand) {
    StateTable table;
    CalculationRequest typedElsewhere = Water;
    typedElsewhere.typed.insert(Q::Enthalpy, "3000");  // an edit the (p, t) mode does not read
    Append(table, typedElsewhere);
    Append(table, Line);
    Append(table, WetSteam);
    ASSERT_EQ(table.rows().size(), 3);
    EXPECT_EQ(table.rows()[0].request.typed, Water.typed);
    EXPECT_EQ(table.rows()[1].phaseName, "");
    const Outputs line = std::get<Outputs>(Calculate(Line));
    ASSERT_EQ(table.rows()[1].values.size(), line.values.size());
    for (qsizetype i = 0; i < line.values.size(); ++i) {
        EXPECT_EQ(table.rows()[1].values[i].quantity, line.values[i].quantity);
        EXPECT_EQ(table.rows()[1].values[i].phase, line.values[i].phase);
        EXPECT_EQ(table.rows()[1].values[i].value, line.values[i].value);
    }

    table.Remove({2, 0, 2, -1, 7});
    ASSERT_EQ(table.rows().size(), 1);
    EXPECT_EQ(table.rows()[0].number, 2);
    table.Clear();
    EXPECT_TRUE(table.rows().isEmpty());
    for (int i = 0; i < StateTable::MaxRows + 2; ++i) Append(table, Water);
    ASSERT_EQ(table.rows().size(), StateTable::MaxRows);
    EXPECT_EQ(table.rows().front().number, 6);
    EXPECT_EQ(table.rows().back().number, StateTable::MaxRows + 5);
}

TEST_F(StateTableFile, KeepsEveryValueExactlyAndNumberingGoesOn) {
    StateTable table;
    Append(table, Water);
    Append(table, WetSteam);
    Append(table, Line);
    table.Remove({0});
    QString error;
    ASSERT_TRUE(table.Save(path, &error)) << error.toStdString();
    QList<StateRow> expected = table.rows();
    expected.append(Extremes(7));
    StateRow everyQuantity{8, Line, {}, {}};
    for (const Phase phase : {Phase::State, Phase::SaturatedWater, Phase::SaturatedSteam})
        for (int q = 0; q < QuantityCount; ++q) everyQuantity.values.append({Quantity(q), phase, q + 0.5});
    expected.append(everyQuantity);
    const auto read = ReadStatesFile(StatesFileText(expected), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(Described(*read), Described(expected));

    StateTable restarted;
    EXPECT_EQ(restarted.Load(path).status, LoadResult::Status::Loaded);
    EXPECT_EQ(Described(restarted.rows()), Described(table.rows()));
    Append(restarted, Water);
    EXPECT_EQ(restarted.rows().back().number, 4);

    StateTable empty;
    EXPECT_EQ(empty.Load(dir.filePath("none.json")).status, LoadResult::Status::NoFile);
    EXPECT_FALSE(empty.Save(dir.filePath("missing/states.json"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
}

// More rows than the table keeps: the newest stay, numbering goes on after them.
TEST_F(StateTableFile, ReadsAHugeFileDownToItsNewestRows) {
    QList<StateRow> rows;
    for (int number = 1; number <= 3 * StateTable::MaxRows; ++number) rows.append(Extremes(number));
    Write(StatesFileText(rows));
    StateTable table;
    EXPECT_EQ(table.Load(path).status, LoadResult::Status::Loaded);
    ASSERT_EQ(table.rows().size(), StateTable::MaxRows);
    EXPECT_EQ(table.rows().front().number, 2 * StateTable::MaxRows + 1);
    Append(table, Water);
    EXPECT_EQ(table.rows().back().number, 3 * StateTable::MaxRows + 1);
}

TEST_F(StateTableFile, SetsADamagedFileAsideAndStartsEmpty) {
    const QByteArray good = StatesFileText({Extremes(1), Extremes(2)});
    QByteArray random(4096, '\0');
    QRandomGenerator generator(97);
    for (char& byte : random) byte = char(generator.bounded(256));
    QByteArray versionTwo = good, unknownMode = good, fallingNumbers = good, unknownQuantity = good,
               typedNoNumber = good;
    versionTwo.replace("\"version\": 1", "\"version\": 2");
    unknownMode.replace("\"mode\": 0", "\"mode\": 99");
    fallingNumbers.replace("\"number\": 2", "\"number\": 1");
    unknownQuantity.replace("\"Cp\"", "\"cp\"");
    typedNoNumber.replace("\"100\"", "\"1o0\"");
    const QByteArray damaged[] = {good.left(good.size() / 2),
                                  random,
                                  versionTwo,
                                  unknownMode,
                                  fallingNumbers,
                                  unknownQuantity,
                                  typedNoNumber,
                                  "[]",
                                  ""};
    int kept = 0;
    for (const QByteArray& bytes : damaged) {
        ASSERT_NE(bytes, good);
        Write(bytes);
        StateTable table;
        const LoadResult result = table.Load(path);
        const QString aside = kept++ == 0 ? path + ".damaged" : path + ".damaged." + QString::number(kept);
        EXPECT_EQ(result.status, LoadResult::Status::Damaged) << kept;
        EXPECT_TRUE(table.rows().isEmpty());
        EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(aside))) << result.message.toStdString();
        EXPECT_FALSE(QFile::exists(path));
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
    }
}
