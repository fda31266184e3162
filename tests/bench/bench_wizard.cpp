// What the user feels in the wizard window, on the headless backend: building the window
// (tables loaded, step 1 built), one step change, one idle pass over the actions.
#include <benchmark/benchmark.h>

#include <memory>

#include "Tutorial/Main.h"
#include "tests/bench/wizard_environment.h"

namespace {

struct Environment : WizardEnvironment {
  Environment() : WizardEnvironment("bench-wizard") {}
};

void BM_BuildWindow(benchmark::State& state) {
  Environment env;
  for (auto _ : state) {
    tutorial::TfmMain window(env.folder.string() + "/host.exe");
    benchmark::DoNotOptimize(window.PageOf(1));
  }
}
BENCHMARK(BM_BuildWindow)->Unit(benchmark::kMicrosecond);

void BM_StepChange(benchmark::State& state) {
  Environment env;
  tutorial::TfmMain window(env.folder.string() + "/host.exe");
  int step = 8;
  for (auto _ : state) {
    window.GoToStep(step);
    step = step == 20 ? 8 : step + 1;
  }
}
BENCHMARK(BM_StepChange)->Unit(benchmark::kMicrosecond);

void BM_IdleActionUpdate(benchmark::State& state) {
  Environment env;
  tutorial::TfmMain window(env.folder.string() + "/host.exe");
  window.GoToStep(static_cast<int>(state.range(0)));
  for (auto _ : state) env.app.Idle();
}
BENCHMARK(BM_IdleActionUpdate)->Arg(2)->Arg(12)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
