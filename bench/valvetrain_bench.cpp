// Benchmarks of the animation's hot path: the pause, one whole pass, and drawing the frames.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/floor_window.h"
#include "bench/startup_comparison.h"
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
BENCHMARK(BM_Pause)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Pass(benchmark::State& state) {
  StartedWindow window;
  window.controller().state().k = 0;
  for (auto _ : state) window.controller().RunPass();
  state.counters["passes_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Pass)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor program's loop iteration: swap the picture, repaint, handle events.
void BM_FloorPass(benchmark::State& state) {
  FloorWindow window;
  window.show();
  for (auto _ : state) window.Iterate();
}
BENCHMARK(BM_FloorPass)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DrawAllFrames(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DrawFrameSet());
}
BENCHMARK(BM_DrawAllFrames)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace valvetrain

namespace {

// Keeps the median of every benchmark, in microseconds, as it passes them on to the console.
class MedianCollector final : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  struct Times {
    double real_us = 0, cpu_us = 0;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
      const double to_us = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const std::string& args = run.run_name.args;
      medians[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = {run.GetAdjustedRealTime() * to_us,
                                     run.GetAdjustedCPUTime() * to_us};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, Times> medians;
};

struct Goal {
  std::string figure;
  double value;
  std::string unit;
  std::string goal;
  bool met;
};

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string ProgramFolder() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

}  // namespace

using valvetrain::CompareStartup;
using valvetrain::Median;
using valvetrain::StartupComparison;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Our own options: --startup-runs=N (0 skips the start-up comparison) and --json=FILE.
  int startup_runs = 0;
  std::string json_path;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--startup-runs=", 0) == 0) {
      startup_runs = std::stoi(arg.substr(15));
    } else if (arg.rfind("--json=", 0) == 0) {
      json_path = arg.substr(7);
    } else {
      args.push_back(argv[i]);
    }
  }
  int bench_argc = static_cast<int>(args.size());
  int toolkit_argc = 1;
  QApplication app(toolkit_argc, argv);
  benchmark::Initialize(&bench_argc, args.data());
  if (benchmark::ReportUnrecognizedArguments(bench_argc, args.data())) return 1;
  MedianCollector collector(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                  : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();

  std::vector<Goal> goals;
  const auto& m = collector.medians;
  for (int k : {1000, 10000, 100000, 1000000}) {
    const auto found = m.find("BM_Pause/" + std::to_string(k));
    if (found == m.end()) continue;
    const double ratio = found->second.real_us / (k + 1);
    goals.push_back({"pause k=" + std::to_string(k) + " / (k+1) us", ratio, "", "0.98 .. 1.02",
                     ratio >= 0.98 && ratio <= 1.02});
  }
  if (auto found = m.find("BM_Pause/0"); found != m.end()) {
    goals.push_back({"pause k=0", found->second.real_us, "us", "< 3", found->second.real_us < 3});
  }
  const auto pass = m.find("BM_Pass"), floor = m.find("BM_FloorPass");
  if (pass != m.end() && floor != m.end()) {
    goals.push_back({"pass at k=0", pass->second.real_us, "us", "", true});
    goals.push_back({"pass at k=0, CPU", pass->second.cpu_us, "us", "", true});
    goals.push_back({"floor loop iteration", floor->second.real_us, "us", "", true});
    const double ratio = pass->second.real_us / floor->second.real_us;
    goals.push_back({"pass / floor iteration", ratio, "", "<= 1.2", ratio <= 1.2});
  }
  if (auto found = m.find("BM_DrawAllFrames"); found != m.end()) {
    const double ms = found->second.real_us / 1000;
    goals.push_back({"draw all 54 pictures", ms, "ms", "< 5", ms < 5});
  }
  if (startup_runs > 0) {
    const std::string folder = ProgramFolder();
    const StartupComparison startup =
        CompareStartup(folder + "/valvetrain", folder + "/valvetrain-floor", startup_runs);
    const double program_ms = Median(startup.program.first_picture_ms);
    const double floor_ms = Median(startup.floor.first_picture_ms);
    const double program_mib = Median(startup.program.resident_mib);
    const double floor_mib = Median(startup.floor.resident_mib);
    const std::string runs = " (" + std::to_string(startup_runs) + " runs, median)";
    goals.push_back({"start to first picture, valvetrain" + runs, program_ms, "ms", "", true});
    goals.push_back({"start to first picture, floor" + runs, floor_ms, "ms", "", true});
    goals.push_back(
        {"start-up / floor", program_ms / floor_ms, "", "<= 1.1", program_ms / floor_ms <= 1.1});
    goals.push_back({"resident memory, valvetrain" + runs, program_mib, "MiB", "", true});
    goals.push_back({"resident memory, floor" + runs, floor_mib, "MiB", "", true});
    goals.push_back(
        {"memory - floor", program_mib - floor_mib, "MiB", "<= 2", program_mib - floor_mib <= 2});
  }

  std::printf("\n%-52s %12s  %-14s %s\n", "figure", "value", "goal", "");
  for (const Goal& g : goals) {
    std::printf("%-52s %9s %-3s %-14s %s\n", g.figure.c_str(), Fixed(g.value, 3).c_str(),
                g.unit.c_str(), g.goal.c_str(), g.goal.empty() ? "" : (g.met ? "met" : "MISSED"));
  }
  if (!json_path.empty()) {
    std::ofstream json(json_path);
    json << "[\n";
    for (size_t i = 0; i < goals.size(); ++i) {
      const Goal& g = goals[i];
      json << "  {\"figure\": \"" << g.figure << "\", \"value\": " << Fixed(g.value, 4)
           << ", \"unit\": \"" << g.unit << "\", \"goal\": \"" << g.goal
           << "\", \"met\": " << (g.goal.empty() ? "null" : (g.met ? "true" : "false")) << "}"
           << (i + 1 < goals.size() ? "," : "") << "\n";
    }
    json << "]\n";
    std::printf("\nwritten to %s\n", json_path.c_str());
  }
  return 0;
}
