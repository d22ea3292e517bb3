// The completeness walk over a whole year on a complete zone of 50 + 50
// entries: every one of the 52704 moments is tested.
#include <benchmark/benchmark.h>

#include "tools/TarifCheck.h"
#include "tools/TarifLint.h"

namespace {

using namespace dudode;

// 50 windows that together cover the day, valid all year.
TTarifEntryList FullDay(double price) {
  TTarifEntryList list;
  for (int i = 0; i < 50; ++i) {
    TTarifEntry e;
    e.Weekdays = ParseWeekdays("1234567");
    e.PricePerUnit = price;
    e.StartSec = static_cast<std::uint32_t>(i * 1440 / 50 * 60);
    e.EndSec = static_cast<std::uint32_t>((i + 1) * 1440 / 50 * 60 - 60 + 59);
    e.Takt = 60;
    e.Name = "Fenster " + std::to_string(i);
    e.DateFrom = "0101";
    e.DateTo = "3112";
    list.push_back(e);
  }
  return list;
}

void BM_YearWalkCompleteZone(benchmark::State& state) {
  const TTarifEntryList werktag = FullDay(0.06);
  const TTarifEntryList saso = FullDay(0.03);
  for (auto _ : state) {
    const TCheckResult result = CheckTariffYear(werktag, saso, {[] { return false; }, [](int) {}});
    if (result.Outcome != TCheckOutcome::Complete) state.SkipWithError("zone not complete");
  }
  state.SetItemsProcessed(state.iterations() * 52704);
}
BENCHMARK(BM_YearWalkCompleteZone)->Unit(benchmark::kMillisecond);

// What `check` does with the largest file: 50 zones of 50 + 50 entries.
void BM_CheckFiftyFullZones(benchmark::State& state) {
  std::vector<TKeyAndName> zones(kMaxZones);
  for (TKeyAndName& zone : zones) {
    zone.Werktag = FullDay(0.06);
    zone.SaSo = FullDay(0.03);
  }
  for (auto _ : state) {
    int complete = 0;
    for (const TKeyAndName& zone : zones) {
      complete += CheckTariffYear(zone.Werktag, zone.SaSo).Outcome == TCheckOutcome::Complete ? 1 : 0;
    }
    if (complete != static_cast<int>(kMaxZones)) state.SkipWithError("zone not complete");
  }
}
BENCHMARK(BM_CheckFiftyFullZones)->Unit(benchmark::kMillisecond);

// What `lint` does with the largest file: every pair of entries of every list.
void BM_LintFiftyFullZones(benchmark::State& state) {
  TTarifFile doc;
  doc.Zones.resize(kMaxZones);
  for (TKeyAndName& zone : doc.Zones) {
    zone.Werktag = FullDay(0.06);
    zone.SaSo = FullDay(0.03);
  }
  for (auto _ : state) {
    if (!LintTarifFile(doc).empty()) state.SkipWithError("findings in a plain file");
  }
}
BENCHMARK(BM_LintFiftyFullZones)->Unit(benchmark::kMillisecond);

// The coverage picture of one full zone: both lists.
void BM_CoverageOfOneFullZone(benchmark::State& state) {
  const TTarifEntryList werktag = FullDay(0.06);
  const TTarifEntryList saso = FullDay(0.03);
  for (auto _ : state) {
    const TListCoverage w(werktag);
    const TListCoverage s(saso);
    benchmark::DoNotOptimize(w.DaySlots(365));
    benchmark::DoNotOptimize(s.DaySlots(365));
  }
}
BENCHMARK(BM_CoverageOfOneFullZone)->Unit(benchmark::kMicrosecond);

// The same moments through the public per-list test, both lists each time,
// for comparison.
void BM_YearWalkByHasValidTariff(benchmark::State& state) {
  const TTarifEntryList werktag = FullDay(0.06);
  const TTarifEntryList saso = FullDay(0.03);
  static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (auto _ : state) {
    int covered = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= days[m - 1]; ++d) {
        const std::string key = TwoDigitText(m) + TwoDigitText(d);
        for (std::uint32_t s = 0; s < 86400; s += 600) {
          const bool w = HasValidTariff(werktag, key, s);
          covered += HasValidTariff(saso, key, s) || w ? 1 : 0;
        }
      }
    }
    benchmark::DoNotOptimize(covered);
  }
  state.SetItemsProcessed(state.iterations() * 52704);
}
BENCHMARK(BM_YearWalkByHasValidTariff)->Unit(benchmark::kMillisecond);

}  // namespace
