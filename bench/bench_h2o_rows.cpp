// h2o's rows: (p, t) pairs read and written as full-precision CSV with every
// quantity, the work of `h2o --mode p,t`; items per second is states per second.
#include "command_line.h"
#include "state_rows.h"

#include <QLocale>
#include <benchmark/benchmark.h>

namespace {

void BM_H2oRowsPT(benchmark::State& state) {
    QLocale::setDefault(QLocale::c());
    QString input;
    constexpr int Rows = 1000;
    for (int i = 0; i < Rows; ++i)  // compressed water, superheated steam and region 5 alike
        input += QString::number(0.01 + 0.049 * i) + u',' + QString::number(1 + (i * 37) % 1990) + u'\n';
    const RunOptions options = std::get<BatchRun>(ParseCommandLine({QStringLiteral("--mode"), QStringLiteral("p,t")})).options;
    for (auto _ : state) {
        QString in = input, out, errors;
        QTextStream inStream(&in), outStream(&out), errorStream(&errors);
        benchmark::DoNotOptimize(WriteStateRows(inStream, outStream, errorStream, options));
        outStream.flush();
        benchmark::DoNotOptimize(out.size());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_H2oRowsPT)->Unit(benchmark::kMillisecond);

}  // namespace
