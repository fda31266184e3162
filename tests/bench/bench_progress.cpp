// What keeping progress on disk adds to a step change, on the headless backend: a creation
// step left after typing (the pending company values are written), and a set-up step change
// with nothing new to write.
#include <benchmark/benchmark.h>

#include <string>

#include "Tutorial/ContSheet.h"
#include "Tutorial/Main.h"
#include "tests/bench/wizard_environment.h"
#include "platform/ui/edit.h"

namespace {

struct Environment : WizardEnvironment {
  Environment() : WizardEnvironment("bench-progress") {}
};

// Step 3 with a new name typed, then on to step 4 and back.
void BM_CreationStepAfterTyping(benchmark::State& state) {
  Environment env;
  tutorial::TfmMain window(env.folder.string() + "/host.exe");
  window.GoToStep(3);
  int n = 0;
  for (auto _ : state) {
    window.PageOf(3)->Find<ui::Edit>("EditName1")->UserChangedText("Name " + std::to_string(n++));
    window.GoToStep(4);
    window.GoToStep(3);
  }
}
BENCHMARK(BM_CreationStepAfterTyping)->Unit(benchmark::kMicrosecond);

// Steps 8 to 20 in turn once every one was reached: no table and no "LastPage" changes.
void BM_SetUpStepNothingToWrite(benchmark::State& state) {
  Environment env;
  tutorial::TfmMain window(env.folder.string() + "/host.exe");
  for (int step = 8; step <= 20; ++step) window.GoToStep(step);
  int step = 8;
  for (auto _ : state) {
    window.GoToStep(step);
    step = step == 20 ? 8 : step + 1;
  }
}
BENCHMARK(BM_SetUpStepNothingToWrite)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
