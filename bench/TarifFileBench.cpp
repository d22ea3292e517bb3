// Loading and saving the largest tariff file the format allows, next to a
// plain read and write of the same bytes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"

// Heap bytes in use while tracking is on, and their peak.
namespace heap {
bool track = false;
long long now = 0;
long long peak = 0;
}  // namespace heap

void* operator new(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  if (heap::track) {
    heap::now += static_cast<long long>(malloc_usable_size(p));
    heap::peak = std::max(heap::peak, heap::now);
  }
  return p;
}
void operator delete(void* p) noexcept {
  if (p && heap::track) heap::now -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace {

using namespace dudode;

const char* const kFileName = "RATES.0";

std::string BenchDir() {
  static const std::string dir = [] {
    const auto d = std::filesystem::temp_directory_path() / "dudode-bench-tarif";
    std::filesystem::create_directories(d);
    return d.string() + "/";
  }();
  return dir;
}

TTarifEntry Entry(int i, TDaySet days, const char* from, const char* to) {
  TTarifEntry e;
  e.Weekdays = days;
  e.PricePerUnit = 0.01 * (i % 13 + 1);
  e.StartSec = static_cast<std::uint32_t>((i % 24) * 3600 + (i / 24) * 60);
  e.EndSec = e.StartSec + 59 * 60 + 59 - static_cast<std::uint32_t>((i / 24) * 60);
  e.Takt = 60 + i;
  e.Units = i % 3;
  e.DateFrom = from;
  e.DateTo = to;
  e.Name = "Tarif Nummer " + std::to_string(i) + " mit langem Namen";
  return e;
}

// 50 zones, each with 50 workday and 50 weekend entries, free times,
// no-10plus windows and access data; 20 holidays.
TTarifFile LargestDocument() {
  TTarifFile doc;
  doc.FileName = kFileName;
  doc.Description = "Größte mögliche Tarifdatei";
  doc.WWW = "www.beispielnetz.example";
  doc.Hotline = "0800 555 0100";
  doc.Comment = "Erzeugt für die Messung";
  doc.FileDate = "01/01/2024";
  for (int h = 0; h < 20; ++h) doc.Holidays.push_back({(h < 9 ? "0" : "") + std::to_string(h + 1) + "12"});
  doc.Applications = {{"MSDIAL", "DFÜ-Netzwerk"}, {"DUDODE", "Dudode Zähler"}};
  const char* ranges[][2] = {{"0101", "3112"}, {"0104", "3009"}, {"7777", "7777"}, {"8888", "8888"}};
  for (std::size_t z = 0; z < kMaxZones; ++z) {
    TKeyAndName zone;
    zone.DisplayName = "Zone_" + std::to_string(z) + "_mit_Namen";
    zone.Key = NewZoneKey(zone.MenuCaption(), doc.ZoneKeys());
    zone.CalcTakt = 60;
    zone.FirstSecond = 1;
    zone.ConnectPrice = 0.06;
    zone.MonthlyFee = 4.95;
    zone.Relations = 0b10110;
    zone.TenPlusActive = z % 2 == 0;
    zone.RoundTo = static_cast<int>(z % 2);
    zone.Access = {"0191011#0191012#0191013", "gast\u00FEnutzer\u00FEdritter", "eins\u00FEzwei\u00FEdrei",
                   true, false};
    for (int w = 0; w < 5; ++w) {
      const std::uint32_t start = static_cast<std::uint32_t>(w * 4 * 3600);
      zone.WFreeTimes.push_back({start, start + 3599, 10.0 * w});
      zone.FFreeTimes.push_back({start, start + 3599, 5.0 * w});
      zone.WNo10plus.push_back({start, start + 1799});
      zone.FNo10plus.push_back({start, start + 1799});
    }
    for (int i = 0; i < static_cast<int>(kMaxEntriesPerList); ++i) {
      const auto& r = ranges[i % 4];
      zone.Werktag.push_back(Entry(i, 0b1111100, r[0], r[1]));
      zone.SaSo.push_back(Entry(i, 0b110000010, r[0], r[1]));
    }
    zone.CopyZoneValuesToEntries();
    doc.Zones.push_back(std::move(zone));
  }
  return doc;
}

void Prepare() {
  static const bool done = [] {
    SetProgramDirectory(BenchDir());
    SetMessageBoxHandler([](const std::string& text, const std::string&, int, MessageButtons, int) -> int {
      std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
      std::abort();
    });
    TTarifFile doc = LargestDocument();
    SaveTarifFile(doc, {.KeepDate = true});
    return true;
  }();
  (void)done;
}

std::string FileBytes() {
  std::string bytes;
  ReadWholeFile(BenchDir() + kFileName, bytes);
  return bytes;
}

void BM_LoadTarifFile(benchmark::State& state) {
  Prepare();
  const auto size = static_cast<std::int64_t>(FileBytes().size());
  for (auto _ : state) {
    TTarifFile doc;
    doc.FileName = kFileName;
    LoadTarifFile(doc);
    benchmark::DoNotOptimize(doc.Zones.data());
  }
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_LoadTarifFile)->Unit(benchmark::kMillisecond);

// The most heap a load holds at once, against the file's size.
void BM_LoadTarifFilePeakHeap(benchmark::State& state) {
  Prepare();
  const auto size = static_cast<double>(FileBytes().size());
  long long peak = 0;
  for (auto _ : state) {
    TTarifFile doc;
    doc.FileName = kFileName;
    heap::now = heap::peak = 0;
    heap::track = true;
    LoadTarifFile(doc);
    heap::track = false;
    peak = std::max(peak, heap::peak);
  }
  state.counters["peak_bytes"] = static_cast<double>(peak);
  state.counters["peak_per_file_byte"] = static_cast<double>(peak) / size;
}
BENCHMARK(BM_LoadTarifFilePeakHeap)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveTarifFile(benchmark::State& state) {
  Prepare();
  TTarifFile doc;
  doc.FileName = kFileName;
  LoadTarifFile(doc);
  const auto size = static_cast<std::int64_t>(FileBytes().size());
  for (auto _ : state) SaveTarifFile(doc, {.KeepDate = true});
  state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_SaveTarifFile)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state) {
  Prepare();
  std::string bytes;
  for (auto _ : state) {
    ReadWholeFile(BenchDir() + kFileName, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// The same replacement the save ends with: temporary file, sync, rename.
void BM_PlainAtomicWrite(benchmark::State& state) {
  Prepare();
  const std::string bytes = FileBytes();
  for (auto _ : state) AtomicWriteFile(BenchDir() + "copy.0", bytes);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainAtomicWrite)->Unit(benchmark::kMillisecond);

// A write without sync, for scale.
void BM_PlainStreamWrite(benchmark::State& state) {
  Prepare();
  const std::string bytes = FileBytes();
  for (auto _ : state) {
    std::ofstream out(BenchDir() + "copy.1", std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainStreamWrite)->Unit(benchmark::kMillisecond);

}  // namespace
