// The assistant's own share of "Finish" on step 5: the settings text, the host's answers (a
// fake that answers at once), the created record and the change to step 6.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "Tutorial/Main.h"
#include "platform/data/ensure_edit_mode.h"
#include "platform/headless/headless_backend.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/error.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/ui/application.h"
#include "tests/unit/fake_currency_host.h"

namespace {

void BM_FinishToStep6(benchmark::State& state) {
  headless::HeadlessBackend backend;
  ui::Application app{backend};
  headless::MemoryRegistry registry;
  headless::PosixFileSystem files;
  os::SetRegistry(&registry);
  os::SetFiles(&files);
  os::SetResourceLoader([](const std::string& name) {
    std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
    if (!in) throw os::OsError("missing " + name);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  });
  const auto folder = std::filesystem::temp_directory_path() / "bench-creation";
  std::filesystem::create_directories(folder);
  const std::string sample = (folder / "sample.gdb").string(), target = (folder / "new.gdb").string();
  std::ofstream(sample) << "sample";
  const char* tutorialKey = "Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial";
  registry.SetValue("Software\\Tavrilenk\\Zendri Accounting 2000\\Main", "", folder.string() + "/");
  registry.SetValue(tutorialKey, "SampleCompany", sample);

  fake::CompanyHost host;
  FakeHostLog log{host.calls};
  fake::Connection connection{log};
  connection.databaseName = target;
  backend.OnHostMessage = [&](void*, unsigned, uintptr_t cell, intptr_t) -> intptr_t {
    connection.AddRef();
    *reinterpret_cast<host::IZndrConnection**>(cell) = &connection;
    return 1;
  };
  {
    tutorial::TfmMain window(folder.string() + "/host.exe");
    host::TZndrAppData data{};
    data.MainForm = &host;
    window.SetAppData(data);
    data::Table& company = window.MainData().Company;
    data::EnsureEditMode(company);
    company.FieldByName("Path").SetAsString(target);
    company.FieldByName("Name1").SetAsString("Acme Trading");
    window.GoToStep(5);
    for (auto _ : state) {
      window.CreateNewCompany();
      state.PauseTiming();
      window.GoToStep(5);
      host.calls.clear();
      state.ResumeTiming();
    }
  }
  std::filesystem::remove_all(folder);
  os::SetRegistry(nullptr);
  os::SetFiles(nullptr);
}
BENCHMARK(BM_FinishToStep6)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
