// The Calculate command of each input mode at its slowest states, as a click
// runs it: reading the edits, the property calls and writing the outputs.
#include "message_box.h"
#include "u_H2O_ORV.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// One application and one window serve every benchmark; no display is needed.
TForm1& Form()
{
  static int argc = 1;
  static char name[] = "h2o_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  static TForm1 form;
  (void)app;
  return form;
}

void Type(const char* edit, const char* text)
{
  Form().findChild<QLineEdit*>(edit)->setText(text);
}

// Clicks Calculate over and over; a refused or failed run spoils the figure.
void RunCalculate(benchmark::State& state)
{
  bool refused = false;
  SetMessageCapture([&](const ShownMessage&) { refused = true; });
  for (auto _ : state) Form().BB_CalkClick();
  SetMessageCapture({});
  if (refused) state.SkipWithError("the command showed a message");
}

void CalculateByPT(benchmark::State& state, const char* p, const char* t)
{
  Form().setRG_1ItemIndex(0);
  Type("Lb_P", p);
  Type("Lb_T", t);
  RunCalculate(state);
}

void CalculateByPH(benchmark::State& state, const char* p, const char* h)
{
  Form().setRG_1ItemIndex(1);
  Type("Lb_P", p);
  Type("Lb_h", h);
  RunCalculate(state);
}

void CalculateByPs(benchmark::State& state, const char* ps)
{
  Form().setRG_1ItemIndex(2);
  Form().setRG_4ItemIndex(0);
  Type("LB_Ps", ps);
  RunCalculate(state);
}

void CalculateByTs(benchmark::State& state, const char* ts)
{
  Form().setRG_1ItemIndex(2);
  Form().setRG_4ItemIndex(1);
  Type("LB_Ts", ts);
  RunCalculate(state);
}

} // namespace

BENCHMARK_CAPTURE(CalculateByPT, compressed_water, "10", "300")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPT, near_critical, "22.064", "373.95")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPT, region3_dense, "25", "375")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPT, region3_light, "22.1", "380")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region1, "3", "500")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region3_critical, "22.064", "2087")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region3_liquid, "25", "1800")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region3_vapour, "25", "2400")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPH, region3_top, "50", "2200")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPs, low, "1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByPs, top, "21.8199")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByTs, low, "100")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalculateByTs, top, "373.945")->Unit(benchmark::kMicrosecond);
