// One of several programs that share a table of states: once a line comes on
// its standard input, it appends and saves `count` rows one at a time, the
// pressure typed as `pressure` to tell its rows, and loads the file anew after
// each save. Exit code 0, or 1 with the reason on the standard error output.
#include "state_table.h"

#include <QTextStream>

#include <cstdio>
#include <variant>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: state_table_writer FILE PRESSURE COUNT\n", stderr);
        return 1;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const CalculationRequest request{
        InputMode::ByPT, SaturationInput::ByPs, {{Quantity::Pressure, argv[2]}, {Quantity::Temperature, "100"}}};
    const Outputs outputs = std::get<Outputs>(Calculate(request));
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    QTextStream(stdin).readLine();  // so that the programs start together

    StateTable table;
    table.Load(path);
    for (int i = 0; i < count; ++i) {
        table.Append(request, outputs);
        QString message;
        if (!table.Save(path, &message)) {
            std::fprintf(stderr, "save %d: %s\n", i, qPrintable(message));
            return 1;
        }
        // Meanwhile the other programs replace the file.
        StateTable reader;
        const LoadResult loaded = reader.Load(path);
        if (loaded.status != LoadResult::Status::Loaded) {
            std::fprintf(stderr, "load %d: status %d %s\n", i, int(loaded.status), qPrintable(loaded.message));
            return 1;
        }
    }
    return 0;
}
