// Loading and saving a full provider file (1024 providers of 20 + 20 entries
// and 5 free-hours ranges each), next to a raw read and write of its bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/Files.h"
#include "core/MessageBox.h"
#include "providers/ProviderFile.h"

namespace {

using namespace dudode;

std::string BenchDir() {
  static const std::string dir = [] {
    const auto d = std::filesystem::temp_directory_path() / "dudode-bench-providers";
    std::filesystem::create_directories(d);
    return d.string();
  }();
  return dir;
}

TProviderList FullModel() {
  TProviderList providers;
  for (int i = 0; i < kMaxProviders; ++i) {
    TProvider p;
    p.Name = "Anbieter Nummer " + std::to_string(i);
    p.Key = "ANBI" + std::to_string(10000 + i);
    p.Options.FreeHours = 3600 * (i % 10);
    p.Options.FreeHoursCosts = i % 3;
    p.Options.NoCostsFrom = 2000 + i;
    p.Options.CostsPerDay = i % 2;
    p.Options.FreeHoursPerDay = i % 2 == 0;
    for (int r = 0; r < 5; ++r) p.Options.FreeHoursRanges.push_back({0x00FC, r * 3600, r * 3600 + 1800, 60});
    for (int e = 0; e < kMaxProviderEntries; ++e) {
      const int start = e * 4320 / 60 * 60;
      const int end = (e + 1) * 4320 / 60 * 60 - 60 + 59;
      p.WerktagEntries.push_back({start, end, 60, 0.0125 + e / 10000.0});
      p.SaSoEntries.push_back({start, end, 30, 0.0100 + e / 10000.0});
    }
    providers.push_back(std::move(p));
  }
  return providers;
}

// Writes the full file once; every benchmark works on its bytes.
const std::string& FullFileBytes() {
  static const std::string bytes = [] {
    SetProgramDirectory(BenchDir());
    SetMessageBoxHandler([](const std::string&, const std::string&, int, MessageButtons, int) { return 1; });
    TProviderList providers = FullModel();
    if (!SaveProviderFile("Provider.ini", providers)) std::abort();
    std::string data;
    ReadWholeFile(BenchDir() + "/Provider.ini", data);
    return data;
  }();
  return bytes;
}

void BM_ProviderLoad(benchmark::State& state) {
  const std::string& bytes = FullFileBytes();
  for (auto _ : state) {
    TProviderList providers = LoadProviderFile("Provider.ini");
    benchmark::DoNotOptimize(providers.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_ProviderLoad)->Unit(benchmark::kMillisecond);

void BM_ProviderSave(benchmark::State& state) {
  const std::string& bytes = FullFileBytes();
  TProviderList providers = LoadProviderFile("Provider.ini");
  for (auto _ : state) {
    if (!SaveProviderFile("Provider.ini", providers)) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_ProviderSave)->Unit(benchmark::kMillisecond);

void BM_ProviderRawRead(benchmark::State& state) {
  const std::string& bytes = FullFileBytes();
  std::string data;
  for (auto _ : state) {
    ReadWholeFile(BenchDir() + "/Provider.ini", data);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_ProviderRawRead)->Unit(benchmark::kMillisecond);

void BM_ProviderRawWrite(benchmark::State& state) {
  const std::string& bytes = FullFileBytes();
  for (auto _ : state) {
    if (!AtomicWriteFile(BenchDir() + "/Raw.ini", bytes)) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_ProviderRawWrite)->Unit(benchmark::kMillisecond);

}  // namespace
