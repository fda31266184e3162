// What the user waits for at the start and at the end of a run: the state store loading its
// four tables (and pictures) and saving them. Files go through the real, flushing file system.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Tutorial/dmMain.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/posix_file_system.h"
#include "platform/os/resources.h"

namespace {

// A temporary data folder holding the files of a run that filled every table.
class StoreBench {
 public:
  StoreBench() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tutor-bench-XXXXXX").string();
    folder_ = std::string(::mkdtemp(pattern.data())) + "/";
    os::SetFiles(&files_);
    os::SetRegistry(&registry_);
    os::SetResourceLoader([](const std::string& name) {
      std::ifstream in(std::string(TUTOR_RESOURCE_DIR "/skin/") + name, std::ios::binary);
      return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    });
    auto store = Create();
    for (data::Table* table : {&store->Company, &store->Currency, &store->DefAcct}) {
      table->Edit();
      table->Fields().front().SetEditText("True");
    }
    for (int task = 1; task <= 9; ++task) tutorial::SetTaskAccomplished(*store, task, true);
  }
  ~StoreBench() {
    std::filesystem::remove_all(folder_);
    os::SetResourceLoader(nullptr);
    os::SetRegistry(nullptr);
    os::SetFiles(nullptr);
  }

  std::unique_ptr<tutorial::TdmMainData> Create() {
    return std::make_unique<tutorial::TdmMainData>(
        folder_ + "Host.exe", [](const std::exception& e) {
          std::fprintf(stderr, "unexpected error: %s\n",
                       e.what());  // the timing would mean nothing
          std::abort();
        });
  }

 private:
  std::string folder_;
  headless::PosixFileSystem files_;
  headless::MemoryRegistry registry_;
};

void BM_StoreStartAndEnd(benchmark::State& state) {
  StoreBench bench;
  for (auto _ : state) bench.Create().reset();
}
BENCHMARK(BM_StoreStartAndEnd)->Unit(benchmark::kMicrosecond);

void BM_StoreStart(benchmark::State& state) {
  StoreBench bench;
  for (auto _ : state) {
    auto store = bench.Create();
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StoreStart)->Unit(benchmark::kMicrosecond);

void BM_StoreEnd(benchmark::State& state) {
  StoreBench bench;
  for (auto _ : state) {
    state.PauseTiming();
    auto store = bench.Create();
    state.ResumeTiming();
    store.reset();
  }
}
BENCHMARK(BM_StoreEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
