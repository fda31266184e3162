// The cost of narration in a step change, on the headless backend: a step change while a
// narration plays (stop, close, the next page's first play) against a silent one.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/ContSheet.h"
#include "Tutorial/Main.h"
#include "platform/headless/headless_backend.h"
#include "platform/headless/headless_sound_device.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/error.h"
#include "platform/os/resources.h"
#include "platform/os/sound_device.h"
#include "platform/ui/application.h"
#include "tests/unit/sound_test_support.h"

namespace {

struct Environment {
  Environment() {
    os::SetRegistry(&registry);
    os::SetFiles(&files);
    os::SetSoundDevice(&device);
    os::SetResourceLoader([](const std::string& name) {
      std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
      if (!in) throw os::OsError("missing " + name);
      return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    });
    folder = std::filesystem::temp_directory_path() / "bench-narration";
    std::filesystem::create_directories(folder);
    registry.SetValue("Software\\Tavrilenk\\Zendri Accounting 2000\\Main", "", folder.string() + "/");
    WriteBytes(folder.string() + "/narration.wav", WavBytes(5000));
  }
  ~Environment() {
    os::SetSoundDevice(nullptr);
    std::filesystem::remove_all(folder);
  }

  headless::HeadlessBackend backend;
  ui::Application app{backend};
  headless::MemoryRegistry registry;
  headless::PosixFileSystem files;
  headless::HeadlessSoundDevice device{backend};
  std::filesystem::path folder;
};

void StepChanges(benchmark::State& state, bool narrating) {
  Environment env;
  tutorial::TfmMain window(env.folder.string() + "/host.exe");
  tutorial::SoundFolder() = env.folder.string() + "/";
  int step = 8;
  for (auto _ : state) {
    if (narrating) {
      state.PauseTiming();
      window.PageOf(window.CurrentStep())->PlaySound("narration.wav");
      state.ResumeTiming();
    }
    window.GoToStep(step);
    step = step == 20 ? 8 : step + 1;
  }
  env.device.ClearLog();
}

void BM_StepChangeSilent(benchmark::State& state) { StepChanges(state, false); }
void BM_StepChangeWhileNarrating(benchmark::State& state) { StepChanges(state, true); }
BENCHMARK(BM_StepChangeSilent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepChangeWhileNarrating)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
