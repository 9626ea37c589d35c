// The table of states' file with a full table: a save merges, reading the
// file as it is before it writes the new one; a load reads it under the lock.
#include "state_table.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <variant>

namespace {

const CalculationRequest Run{
    InputMode::ByPT, SaturationInput::ByPs, {{Quantity::Pressure, "10"}, {Quantity::Temperature, "300"}}};

// A file of a full table, in a folder of its own.
struct FullTable {
    QTemporaryDir folder;
    QString path = folder.filePath("states.json");
    Outputs outputs = std::get<Outputs>(Calculate(Run));
    StateTable table;

    explicit FullTable(benchmark::State& state) {
        for (qsizetype i = 0; i < StateTable::MaxRows; ++i) table.Append(Run, outputs);
        QString message;
        if (!table.Save(path, &message)) state.SkipWithError(qPrintable(message));
    }
};

void SaveAFullTable(benchmark::State& state) {
    FullTable full(state);
    for (auto _ : state) {
        full.table.Append(Run, full.outputs);
        QString message;
        if (!full.table.Save(full.path, &message)) state.SkipWithError(qPrintable(message));
    }
}

void LoadAFullTable(benchmark::State& state) {
    FullTable full(state);
    for (auto _ : state) {
        StateTable table;
        if (table.Load(full.path).status != LoadResult::Status::Loaded) state.SkipWithError("not loaded");
        benchmark::DoNotOptimize(table);
    }
}

}  // namespace

BENCHMARK(SaveAFullTable)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAFullTable)->Unit(benchmark::kMillisecond);
