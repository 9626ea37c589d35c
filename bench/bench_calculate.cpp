// The Calculate command of each input mode at its slowest states, as a click
// runs it: reading the edits, the property calls, writing the outputs and the
// window's redraw with its diagram. And the start-up to a shown window.
#include "diagram_curves.h"
#include "message_box.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One application and one window serve every benchmark; no display is needed.
TForm1& Form() {
    static int argc = 1;
    static char name[] = "h2o_bench";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir home;  // neither the user's settings nor table of states
    static QApplication* app = [] {
        // A desktop's screen: on the offscreen platform's own 800 × 600 one the
        // window would open smaller than designed, with scroll bars to paint.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            QFile screens(home.filePath(QStringLiteral("screens.json")));
            if (screens.open(QIODevice::WriteOnly))
                screens.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                              R"( "logicalDpi": 96, "logicalBase": 96, "dpr": 1}]})");
            screens.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
        }
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        return new QApplication(argc, argv);
    }();
    // Like the application, the window lives to the end of the process: torn
    // down among the static objects, after Qt's own, it would crash.
    static TForm1* form = new TForm1;
    (void)app;
    return *form;
}

}  // namespace

// The same window for the chart's benchmarks.
TForm1& BenchWindow() {
    return Form();
}

namespace {

void Type(const char* edit, const char* text) {
    Form().findChild<QLineEdit*>(edit)->setText(text);
}

// The window as the user sees it after a click: the posted layout and update
// events handled, and the parts that changed painted.
void Redraw() {
    QApplication::processEvents();
}

// Clicks Calculate over and over; a refused or failed run spoils the figure.
// Each good run adds a row to the table of states. A session's table of
// `rows` states of the same mode stays at that size: the click's row is
// deleted again outside the timing, except in a full table, which drops its
// oldest row itself.
void RunCalculate(benchmark::State& state, int rows = 5) {
    bool refused = false;
    SetMessageCapture([&](const ShownMessage& message) {
        refused = !message.text.startsWith(QStringLiteral("Clear all"));
    });
    Form().show();
    Form().clearStates();
    for (int row = 0; row < rows; ++row) Form().BB_CalkClick();
    Redraw();
    const bool full = rows == int(StateTable::MaxRows);
    for (auto _ : state) {
        Form().BB_CalkClick();
        Redraw();
        if (full) continue;
        state.PauseTiming();
        Form().deleteStates({Form().states().rows().size() - 1});
        Redraw();
        state.ResumeTiming();
    }
    SetMessageCapture({});
    if (refused) state.SkipWithError("the command showed a message");
}

void CalculateByPT(benchmark::State& state, const char* p, const char* t) {
    Form().setRG_1ItemIndex(0);
    Type("Lb_P", p);
    Type("Lb_T", t);
    RunCalculate(state);
}

void CalculateByPH(benchmark::State& state, const char* p, const char* h) {
    Form().setRG_1ItemIndex(1);
    Type("Lb_P", p);
    Type("Lb_h", h);
    RunCalculate(state);
}

// A session that has filled the table: its states all drawn on the diagram.
void CalculateWithAFullTable(benchmark::State& state) {
    Form().setRG_1ItemIndex(0);
    Type("Lb_P", "10");
    Type("Lb_T", "300");
    RunCalculate(state, int(StateTable::MaxRows));
}

void CalculateByPs(benchmark::State& state, const char* ps) {
    Form().setRG_1ItemIndex(2);
    Form().setRG_4ItemIndex(0);
    Type("LB_Ps", ps);
    RunCalculate(state);
}

void CalculateByTs(benchmark::State& state, const char* ts) {
    Form().setRG_1ItemIndex(2);
    Form().setRG_4ItemIndex(1);
    Type("LB_Ts", ts);
    RunCalculate(state);
}

}  // namespace

// Region 3 and the saturated states above 350 °C search for a density; these are
// the slowest states found on a scan of each mode near the critical point.
BENCHMARK_CAPTURE(CalculateByPT, compressed_water, "10", "300")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPT, critical_point, "22.064", "373.95")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPT, region3_vapour_like, "19.25", "367.35")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, compressed_water, "3", "500")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, critical_point, "22.064", "2087")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region3_near_critical, "22.05", "2334")->Unit(benchmark::kMicrosecond);
// Wet steam: the saturated enthalpies and the plateau's ends come from region 3
// above 16.53 MPa.
BENCHMARK_CAPTURE(CalculateByPH, wet_steam, "1", "2000")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, wet_steam_near_critical, "22.05", "2000")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPs, one_MPa, "1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPs, region3, "19.687")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPs, top, "21.8199")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByTs, hundred_C, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByTs, region3, "370.435")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByTs, top, "373.945")->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculateWithAFullTable)->Unit(benchmark::kMicrosecond);

// Start-up to a shown window: built from its description, pictures decoded,
// shown and painted. The saturation dome is computed once per program, at the
// diagram's first showing; its cost is the next benchmark, to be added.
void StartUpToShownWindow(benchmark::State& state) {
    Form();  // the application
    for (auto _ : state) {
        TForm1 form;
        form.show();
        Redraw();
    }
}
BENCHMARK(StartUpToShownWindow)->Unit(benchmark::kMillisecond);

void SaturationDomeComputed(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ComputeSaturationDome());
}
BENCHMARK(SaturationDomeComputed)->Unit(benchmark::kMillisecond);
