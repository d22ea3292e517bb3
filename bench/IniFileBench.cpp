// Reading and writing a large section/key file, next to QSettings on the same file.
#include <benchmark/benchmark.h>

#include <QSettings>
#include <QString>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Files.h"
#include "core/IniFile.h"

namespace {

using dudode::TTheIniFile;

std::string BenchDir() {
  static const std::string dir = [] {
    const auto d = std::filesystem::temp_directory_path() / "dudode-bench-ini";
    std::filesystem::create_directories(d);
    return d.string();
  }();
  return dir;
}

// sections x keys lines of about 20 bytes: 100 x 500 is about 1 MB.
std::string MakeFile(int sections, int keys) {
  const std::string name = "bench" + std::to_string(sections) + "x" + std::to_string(keys) + ".ini";
  const std::string path = BenchDir() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int s = 0; s < sections; ++s) {
    out << "[Section" << s << "]\r\n";
    for (int k = 0; k < keys; ++k) out << "Key" << k << "=value" << s * 1000 + k << "\r\n";
  }
  return name;
}

void OpenIni(TTheIniFile& ini, const std::string& name) {
  ini.SetIniFileName(name);
  ini.SetIniLocation(dudode::loProgDir);
  ini.SetOpen(true);
}

void BM_IniReadEveryKey(benchmark::State& state) {
  dudode::SetProgramDirectory(BenchDir());
  const std::string name = MakeFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  std::vector<std::string> keys;
  for (auto _ : state) {
    TTheIniFile ini;
    OpenIni(ini, name);
    std::size_t total = 0;
    for (int s = 0; s < state.range(0); ++s) {
      ini.SetSection("Section" + std::to_string(s));
      ini.ReadSection(keys);
      for (const std::string& key : keys) total += ini.ReadString(key, "").size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_IniReadEveryKey)->Args({10, 500})->Args({100, 500})->Unit(benchmark::kMillisecond);

void BM_IniWriteEveryKeyAndFlush(benchmark::State& state) {
  dudode::SetProgramDirectory(BenchDir());
  const std::string name = MakeFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  int round = 0;
  for (auto _ : state) {
    TTheIniFile ini;
    OpenIni(ini, name);
    const std::string suffix = std::to_string(++round % 10);
    for (int s = 0; s < state.range(0); ++s) {
      ini.SetSection("Section" + std::to_string(s));
      for (int k = 0; k < state.range(1); ++k) ini.WriteString("Key" + std::to_string(k), "written" + suffix);
    }
    ini.Flush();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_IniWriteEveryKeyAndFlush)->Args({100, 500})->Unit(benchmark::kMillisecond);

void BM_QSettingsReadEveryKey(benchmark::State& state) {
  const std::string name = MakeFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const QString path = QString::fromStdString(BenchDir() + "/" + name);
  for (auto _ : state) {
    QSettings settings(path, QSettings::IniFormat);
    std::size_t total = 0;
    for (const QString& group : settings.childGroups()) {
      settings.beginGroup(group);
      for (const QString& key : settings.childKeys()) total += settings.value(key).toString().size();
      settings.endGroup();
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_QSettingsReadEveryKey)->Args({100, 500})->Unit(benchmark::kMillisecond);

}  // namespace
