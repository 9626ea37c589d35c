// The chart page's redraw after a zoom, as the user waits for it (medians of
// five runs): the wheel's zoom by two about a point of the plot, the
// isolines of the new view computed (a new view each time: none comes from
// the kept ones), and the chart painted.
#include "chart_page.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

TForm1& BenchWindow();  // in bench_calculate.cpp

namespace {

void ZoomAndRedraw(benchmark::State& state, ChartKind kind) {
    TForm1& form = BenchWindow();
    form.show();
    ChartPage* page = form.chartPage();
    qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())->setCurrentWidget(page);
    form.setChartKind(kind);
    ChartView* view = page->chartView();
    view->isolinesTask().finish();
    QApplication::processEvents();
    const QPointF middle = view->frame().plot().center();
    // A view not seen before in every iteration of every repetition: the
    // kept views would otherwise answer.
    static int step = 0;
    for (auto _ : state) {
        view->resetView();
        view->isolinesTask().finish();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
        view->zoomAbout(middle + QPointF(0.1 * ++step, 0), 2);
        view->isolinesTask().finish();
        view->repaint();
    }
}

const bool registered = [] {
    for (const ChartKindRow& kind : ChartKinds())
        benchmark::RegisterBenchmark((std::string("ChartRedraw/") + kind.key + "/zoom").c_str(), ZoomAndRedraw, kind.kind)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10)  // each iteration also resets the view, outside the timing's interest
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    return true;
}();

}  // namespace
