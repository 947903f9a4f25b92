// Benchmarks of the animation's hot path: the pause, one whole pass, and drawing the frames.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/floor_window.h"
#include "controller/step_clock.h"
#include "frames/frame_set.h"
#include "view/form1.h"

namespace valvetrain {
namespace {

// A shown, started window whose controller is ready to run passes.
class StartedWindow {
 public:
  StartedWindow() : form_(clock_) {
    form_.show();
    form_.controller().StartUp();
  }
  AnimationController& controller() { return form_.controller(); }

 private:
  MicrosecondClock clock_;
  Form1 form_;
};

void BM_Pause(benchmark::State& state) {
  StartedWindow window;
  window.controller().state().k = static_cast<float>(state.range(0));
  for (auto _ : state) window.controller().Pause();
  state.counters["steps"] = static_cast<double>(PauseSteps(window.controller().state().k));
}
BENCHMARK(BM_Pause)->Arg(0)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_Pass(benchmark::State& state) {
  StartedWindow window;
  window.controller().state().k = 0;
  for (auto _ : state) window.controller().RunPass();
  state.counters["passes_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Pass)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The floor program's loop iteration: swap the picture, repaint, handle events.
void BM_FloorPass(benchmark::State& state) {
  FloorWindow window;
  window.show();
  for (auto _ : state) window.Iterate();
}
BENCHMARK(BM_FloorPass)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_DrawAllFrames(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DrawFrameSet());
}
BENCHMARK(BM_DrawAllFrames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valvetrain

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int toolkit_argc = 1;
  QApplication app(toolkit_argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
