// What one frame of the default panel costs, against copying the same
// pixels once with memcpy:
//   full frame        every gauge updated, every window composited whole
//   full redraw       the same, with every gauge's picture drawn afresh
//                     (what a change of lighting costs)
//   incremental frame a few variables moved, only their gauges redrawn
//                     and composited
// The summary prints full / memcpy (target: at most 2) and
// full / incremental (target: at least 20).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <vector>

#include "app/session.h"

namespace {

using vantor::Panel;

Panel& TheTestPanel() {
  static std::unique_ptr<Panel> panel = [] {
    auto p = vantor::OpenSession({"", VANTOR_MODULE_DIR, ""});
    p->Seek(200);  // cruise: every instrument alive
    p->Update(true);
    for (const auto& w : p->windows()) p->Render(w.config->id, true);
    return p;
  }();
  return *panel;
}

size_t FramebufferBytes(Panel& panel) {
  size_t bytes = 0;
  for (const auto& w : panel.windows()) bytes += size_t(w.config->width) * w.config->height * 4;
  return bytes;
}

void BM_MemcpyFramebuffer(benchmark::State& state) {
  const size_t bytes = FramebufferBytes(TheTestPanel());
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyFramebuffer);

void BM_FullFrame(benchmark::State& state) {
  Panel& panel = TheTestPanel();
  for (auto _ : state) {
    panel.Update(true);
    for (const auto& w : panel.windows()) benchmark::DoNotOptimize(panel.Render(w.config->id, true));
  }
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state) {
  Panel& panel = TheTestPanel();
  for (auto _ : state) {
    // By day the panel lights change nothing to the eye, but a change of
    // options draws every gauge again.
    panel.panel_lights = !panel.panel_lights;
    panel.Update(true);
    for (const auto& w : panel.windows()) benchmark::DoNotOptimize(panel.Render(w.config->id, true));
  }
  panel.panel_lights = false;
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_IncrementalFrame(benchmark::State& state) {
  Panel& panel = TheTestPanel();
  double step = 0;
  for (auto _ : state) {
    // The engine speeds up a little: the tachometer and the oil needles move.
    step += 1;
    panel.vars().Set(0x186, 2300 + std::fmod(step, 200));  // ENGINE_RPM
    panel.vars().Set(0x1a0, 640 + std::fmod(step, 40));    // OIL_TEMPERATURE, Rankine
    panel.Update(true);
    for (const auto& w : panel.windows()) benchmark::DoNotOptimize(panel.Render(w.config->id, false));
  }
}
BENCHMARK(BM_IncrementalFrame)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> seconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0)
        seconds[r.benchmark_name()] = r.real_accumulated_time / double(r.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double copy = reporter.seconds["BM_MemcpyFramebuffer"];
  const double full = reporter.seconds["BM_FullFrame"];
  const double incremental = reporter.seconds["BM_IncrementalFrame"];
  const double redraw = reporter.seconds["BM_FullRedraw"];
  if (copy > 0 && full > 0 && incremental > 0) {
    std::cout << "\nframebuffer: " << FramebufferBytes(TheTestPanel()) / 1024 << " KiB in "
              << TheTestPanel().windows().size() << " windows\n"
              << "full frame / memcpy:        " << full / copy << "  (target <= 2)\n"
              << "full frame / incremental:   " << full / incremental << "  (target >= 20)\n"
              << "full redraw / memcpy:       " << redraw / copy << "\n";
  }
  benchmark::Shutdown();
  return 0;
}
