// The table of states: numbering, the limit of rows, and its file, which keeps
// every value exactly, is set aside, never trusted, when damaged, and is shared
// by every window that runs, each save merging its window's changes.
#include "calculation_fixture.h"
#include "state_file.h"
#include "state_table.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <array>
#include <limits>
#include <numeric>

namespace {

// A row as one line that differs from another's wherever the rows differ,
// each double in all its digits.
std::string Described(const StateRow& row) {
    QString text = QString::number(row.number) + u' ' + QString::number(int(row.request.mode)) + u' ' +
                   QString::number(int(row.request.saturationInput)) + u' ' + TransportKey(row.request.transport) +
                   u' ' + row.phaseName;
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
StateRow Extremes(qint64 number) {
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

std::vector<qint64> Numbers(const QList<StateRow>& rows) {
    std::vector<qint64> numbers;
    for (const StateRow& row : rows) numbers.push_back(row.number);
    return numbers;
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
        const double kept = table.rows()[1].values[i].value, computed = line.values[i].value;
        EXPECT_TRUE(kept == computed || (std::isnan(kept) && std::isnan(computed))) << i;
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
    CalculationRequest byReleases = Line;
    byReleases.transport = Transport::IAPWS2008_2011;
    StateRow everyQuantity{8, byReleases, {}, {}};
    for (const Phase phase : {Phase::State, Phase::SaturatedWater, Phase::SaturatedSteam})
        for (int q = 0; q < QuantityCount; ++q) everyQuantity.values.append({Quantity(q), phase, q + 0.5});
    expected.append(everyQuantity);
    const auto read = ReadStatesFile(StatesFileText(expected), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(Described(*read), Described(expected));
    // A mode's branch and metastable steam come back for a recall.
    StateRow branched{9, Water, {}, {}};
    branched.request.options = {StateBranch::Wet, true};
    const auto withOptions = ReadStatesFile(StatesFileText({branched}), &error);
    ASSERT_TRUE(withOptions) << error.toStdString();
    EXPECT_EQ(withOptions->front().request.options, branched.request.options);
    // A file written before the choice of transport formulation: IAPS 1985.
    QByteArray older = StatesFileText({Extremes(1)});
    ASSERT_EQ(older.count("\"transport\": \"IAPS1985\","), 1);
    older.replace("\"transport\": \"IAPS1985\",", "");
    const auto olderRead = ReadStatesFile(older, &error);
    ASSERT_TRUE(olderRead) << error.toStdString();
    EXPECT_EQ(Described(*olderRead), Described(QList<StateRow>{Extremes(1)}));

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
               typedNoNumber = good, highestBelowLast = good, unknownTransport = good;
    versionTwo.replace("\"version\": 1", "\"version\": 2");
    unknownMode.replace("\"mode\": 0", "\"mode\": 99");
    fallingNumbers.replace("\"number\": 2", "\"number\": 1");
    unknownQuantity.replace("\"Cp\"", "\"cp\"");
    typedNoNumber.replace("\"100\"", "\"1o0\"");
    highestBelowLast.replace("\"highest\": 2", "\"highest\": 1");
    unknownTransport.replace("\"IAPS1985\"", "\"IAPWS2011\"");
    const QByteArray damaged[] = {good.left(good.size() / 2),
                                  random,
                                  versionTwo,
                                  unknownMode,
                                  fallingNumbers,
                                  unknownQuantity,
                                  typedNoNumber,
                                  highestBelowLast,
                                  unknownTransport,
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

// Two programs append a hundred rows each to one file at once, saving after
// every row and loading the file anew: no row is lost, none numbered twice,
// and no load finds the file missing while the other replaces it.
TEST_F(StateTableFile, TwoProgramsAppendingAtOnceKeepEveryRow) {
    constexpr int Count = 100;
    QString error;
    ASSERT_TRUE(StateTable().Save(path, &error)) << error.toStdString();
    const QString pressures[] = {"1", "2"};
    std::array<QProcess, 2> writers;
    for (std::size_t i = 0; i < writers.size(); ++i) {
        writers[i].start(STATE_TABLE_WRITER, {path, pressures[i], QString::number(Count)});
        ASSERT_TRUE(writers[i].waitForStarted());
    }
    for (QProcess& writer : writers) writer.write("go\n");
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(-1));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    StateTable table;
    ASSERT_EQ(table.Load(path).status, LoadResult::Status::Loaded);
    std::vector<qint64> expected(2 * Count);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(Numbers(table.rows()), expected);
    for (const QString& pressure : pressures)
        EXPECT_EQ(std::count_if(table.rows().begin(), table.rows().end(),
                                [&](const StateRow& row) { return row.request.typed.value(Q::Pressure) == pressure; }),
                  Count);
}

// Two tables on one file: each save takes in what the other saved; a removal
// or a clear takes away the rows its table had and no other; numbering goes on
// after a clear, and the oldest rows give way to a full file.
TEST_F(StateTableFile, ChangesOfTwoTablesMergeInTheFile) {
    StateTable a, b;
    QString error;
    EXPECT_EQ(a.Load(path).status, LoadResult::Status::NoFile);
    Append(a, Water);
    Append(a, Water);
    ASSERT_TRUE(a.Save(path, &error)) << error.toStdString();
    ASSERT_EQ(b.Load(path).status, LoadResult::Status::Loaded);
    Append(a, WetSteam);
    Append(b, Line);
    b.Remove({0});
    ASSERT_TRUE(a.Save(path, &error));
    ASSERT_TRUE(b.Save(path, &error));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(Numbers(b.rows()), (std::vector<qint64>{2, 3, 4}));
    EXPECT_EQ(b.rows()[1].request.mode, InputMode::ByPH) << "a's row";
    EXPECT_EQ(b.rows()[2].request.mode, InputMode::Saturation) << "b's row, numbered after a's";

    a.Clear();
    Append(b, Water);
    ASSERT_TRUE(a.Save(path, &error));
    EXPECT_EQ(Numbers(a.rows()), (std::vector<qint64>{4})) << "b's row, which a never had";
    ASSERT_TRUE(b.Save(path, &error));
    EXPECT_EQ(Numbers(b.rows()), (std::vector<qint64>{4, 5}));
    b.Clear();
    ASSERT_TRUE(b.Save(path, &error));
    StateTable restarted;
    ASSERT_EQ(restarted.Load(path).status, LoadResult::Status::Loaded);
    EXPECT_TRUE(restarted.rows().isEmpty());
    Append(restarted, Water);
    ASSERT_TRUE(restarted.Save(path, &error));
    EXPECT_EQ(Numbers(restarted.rows()), (std::vector<qint64>{6}));

    Append(a, WetSteam);
    for (int i = 0; i < StateTable::MaxRows; ++i) Append(b, Water);
    ASSERT_TRUE(b.Save(path, &error));
    ASSERT_TRUE(a.Save(path, &error));
    ASSERT_EQ(a.rows().size(), StateTable::MaxRows);
    EXPECT_EQ(a.rows().front().number, 8);
    EXPECT_EQ(a.rows().back().number, StateTable::MaxRows + 7);
    EXPECT_EQ(a.rows().back().request.mode, InputMode::ByPH);
}

// Numbers are 64-bit and read back exactly, also beyond 2^53, from files
// written before the largest number given was kept too. A file that has
// given the largest is read, and then takes no new row rather than number one
// twice: a table refuses it, a save leaves out another table's and says so.
TEST_F(StateTableFile, NumbersGoOnBeyondThirtyTwoBitsUpToTheLargest) {
    const Outputs water = std::get<Outputs>(Calculate(Water));
    QString error;
    for (const qint64 last : {qint64(std::numeric_limits<int>::max()), (qint64(1) << 53) + 1}) {
        QJsonObject older = QJsonDocument::fromJson(StatesFileText({Extremes(last)})).object();
        older.remove("highest");
        Write(QJsonDocument(older).toJson());
        StateTable table;
        ASSERT_EQ(table.Load(path).status, LoadResult::Status::Loaded) << last;
        Append(table, Water);
        ASSERT_TRUE(table.Save(path, &error));
        StateTable reread;
        ASSERT_EQ(reread.Load(path).status, LoadResult::Status::Loaded);
        EXPECT_EQ(Numbers(reread.rows()), (std::vector<qint64>{last, last + 1}));
    }

    Write(StatesFileText({Extremes(LargestStateNumber - 1)}));
    StateTable first, second;
    ASSERT_EQ(first.Load(path).status, LoadResult::Status::Loaded);
    ASSERT_EQ(second.Load(path).status, LoadResult::Status::Loaded);
    EXPECT_TRUE(first.Append(Water, water));
    EXPECT_TRUE(second.Append(Water, water));
    EXPECT_FALSE(first.Append(Water, water));
    ASSERT_TRUE(first.Save(path, &error));
    ASSERT_TRUE(second.Save(path, &error));
    EXPECT_TRUE(error.endsWith(StateTable::NumbersUsedUp())) << error.toStdString();
    EXPECT_EQ(Numbers(second.rows()), (std::vector<qint64>{LargestStateNumber - 1, LargestStateNumber}));
    second.Clear();
    ASSERT_TRUE(second.Save(path, &error));
    StateTable restarted;
    ASSERT_EQ(restarted.Load(path).status, LoadResult::Status::Loaded);
    EXPECT_FALSE(restarted.Append(Water, water));
    EXPECT_TRUE(restarted.rows().isEmpty());
}

// A save killed halfway leaves QSaveFile's "states.json.XXXXXX" beside the
// file: the next load removes it and nothing else.
TEST_F(StateTableFile, ALoadRemovesWhatKilledSavesLeft) {
    Write(StatesFileText({Extremes(1)}));
    const QStringList left{"states.json.a1B2c3", "states.json.ZZZZZZ"};
    const QStringList kept{"states.json",     "states.json.damaged", "states.json.damaged.2",
                           "states.json.bak", "states.json.a-b.c1",  "other.json.a1B2c3"};
    for (const QString& name : left + kept.mid(1)) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    StateTable table;
    EXPECT_EQ(table.Load(path).status, LoadResult::Status::Loaded);
    for (const QString& name : left) EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
    for (const QString& name : kept) EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
}

// A save killed between creating its lock and writing into it leaves an empty
// lock that names no program: once it is a second old it is taken over. A
// lock a living program holds is waited for only as long as asked; the rows
// of a save it refused wait for the next, and those of a closing window's
// refused save are kept beside the file for the next load.
TEST_F(StateTableFile, ALockThatNamesNoProgramIsTakenOverAndRefusedRowsAreKept) {
    StateTable table;
    Append(table, Water);
    {
        QFile nameless(path + ".lock");
        ASSERT_TRUE(nameless.open(QIODevice::WriteOnly));
        ASSERT_TRUE(nameless.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    }
    QString message;
    EXPECT_TRUE(table.Save(path, &message)) << message.toStdString();
    EXPECT_EQ(StateTable().Load(path).status, LoadResult::Status::Loaded);

    QLockFile held(path + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    Append(table, Water);
    bool busy = false;
    EXPECT_FALSE(table.Save(path, &message, std::chrono::milliseconds(0), &busy));
    EXPECT_TRUE(busy);
    ASSERT_TRUE(table.KeepUnsaved(path));
    held.unlock();

    StateTable next;
    ASSERT_EQ(next.Load(path).status, LoadResult::Status::Loaded);
    EXPECT_EQ(Numbers(next.rows()), (std::vector<qint64>{1, 2}));
    EXPECT_TRUE(QDir(dir.path()).entryList({"states.json.unsaved-*"}).isEmpty());
}
