// The undo history and the recovery copy on the largest tariff file the
// format allows: memory held by 100 steps, and the time each command and
// each copy costs.
#include <benchmark/benchmark.h>

#include <string>

#include "core/Recovery.h"
#include "core/UndoHistory.h"

namespace {

using namespace dudode;

// 50 zones with 50 entries in each list, names long enough to need the heap.
TTarifFile Largest() {
  TTarifFile doc;
  doc.Description = "Größte mögliche Tarifdatei";
  for (std::size_t z = 0; z < kMaxZones; ++z) {
    TKeyAndName zone;
    zone.Key = "ZONE" + std::to_string(1000 + z);
    zone.DisplayName = "Tarifzone_Nummer_" + std::to_string(z);
    zone.Access.PhoneNr = "0191011#0191012#0191013";
    for (int w = 0; w < 5; ++w) zone.WFreeTimes.push_back({w * 3600u, w * 3600u + 3599, 10.0});
    for (TDayClass dayClass : kDayClasses) {
      for (std::size_t i = 0; i < kMaxEntriesPerList; ++i) {
        TTarifEntry e;
        e.Weekdays = dayClass == TDayClass::Werktag ? 0b1111100 : 0b110000010;
        e.PricePerUnit = 0.01 * static_cast<double>(i % 13 + 1);
        e.StartSec = static_cast<std::uint32_t>(i * 1700);
        e.EndSec = e.StartSec + 1699;
        e.Takt = 60;
        e.Name = "Tarif Nummer " + std::to_string(i) + " mit langem Namen";
        e.DateFrom = "0101";
        e.DateTo = "3112";
        e.SortKey.Assign(EntrySortKey(e));
        zone.Entries(dayClass).push_back(e);
      }
    }
    doc.Zones.push_back(std::move(zone));
  }
  return doc;
}

// 100 steps; each changes one entry (an edit) or every price (a VAT run).
void RunSteps(benchmark::State& state, bool wholeFile) {
  const TTarifFile start = Largest();
  std::size_t bytes = 0;
  for (auto _ : state) {
    TTarifFile doc = start;
    TUndoHistory history;
    history.Reset(doc);
    for (int step = 0; step < 100; ++step) {
      if (wholeFile) {
        for (TKeyAndName& zone : doc.Zones) {
          for (TTarifEntry& e : zone.Werktag) e.PricePerUnit += 0.0001;
        }
      } else {
        doc.Zones[static_cast<std::size_t>(step) % kMaxZones].SaSo[0].PricePerUnit += 0.0001;
      }
      history.Record(doc, "Schritt", {}, {});
    }
    bytes = history.MemoryBytes();
  }
  state.counters["history_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["per_step_ms"] =
      benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_HistoryEntrySteps(benchmark::State& state) {
  RunSteps(state, false);
}
BENCHMARK(BM_HistoryEntrySteps)->Unit(benchmark::kMillisecond);

void BM_HistoryWholeFileSteps(benchmark::State& state) {
  RunSteps(state, true);
}
BENCHMARK(BM_HistoryWholeFileSteps)->Unit(benchmark::kMillisecond);

// What the timer does after a change: the whole document into the copy's bytes.
void BM_RecoveryImage(benchmark::State& state) {
  const TTarifFile doc = Largest();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string image = RecoveryImage(doc, "/home/benutzer/.local/share/dudode/");
    size = image.size();
    benchmark::DoNotOptimize(image.data());
  }
  state.counters["image_KB"] = static_cast<double>(size) / 1e3;
}
BENCHMARK(BM_RecoveryImage)->Unit(benchmark::kMillisecond);

}  // namespace
