// What the user feels in the wizard window, on the headless backend: building the window
// (tables loaded, step 1 built), one step change, one idle pass over the actions.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "Tutorial/Main.h"
#include "platform/headless/headless_backend.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/ui/application.h"

namespace {

struct Environment {
  Environment() {
    os::SetRegistry(&registry);
    os::SetFiles(&files);
    os::SetResourceLoader([](const std::string& name) {
      std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
      if (!in) throw os::OsError("missing " + name);
      return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    });
    folder = std::filesystem::temp_directory_path() / "bench-wizard";
    std::filesystem::create_directories(folder);
    registry.SetValue("Software\\Tavrilenk\\Zendri Accounting 2000\\Main", "", folder.string() + "/");
  }
  ~Environment() { std::filesystem::remove_all(folder); }

  headless::HeadlessBackend backend;
  ui::Application app{backend};
  headless::MemoryRegistry registry;
  headless::PosixFileSystem files;
  std::filesystem::path folder;
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
