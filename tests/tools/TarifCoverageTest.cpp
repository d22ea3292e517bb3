#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/TarifCheck.h"
#include "tools/TarifCoverage.h"

namespace dudode {
namespace {

TTarifEntry Entry(std::uint32_t start, std::uint32_t end, const std::string& from = "0101",
                  const std::string& to = "3112", double takt = 60, int units = 0,
                  const std::string& name = "T") {
  TTarifEntry e;
  e.StartSec = start;
  e.EndSec = end;
  e.Takt = takt;
  e.Units = units;
  e.Name = name;
  e.DateFrom = from;
  e.DateTo = to;
  return e;
}

constexpr std::uint32_t H = 3600;
constexpr int kFeb29 = 59;

TEST(TarifCoverageTest, SlotStatesAndCoveringEntries) {
  const TTarifEntry endOfList;
  struct Case {
    const char* what;
    TTarifEntryList list;
    int day;
    int slot;
    TSlotState state;
    int entry;
  } cases[] = {
      {"29 February alone", {Entry(0, 24 * H - 1, "2902", "2902")}, kFeb29, 0, TSlotState::Covered, 0},
      {"not the day after", {Entry(0, 24 * H - 1, "2902", "2902")}, kFeb29 + 1, 0, TSlotState::Gap, -1},
      {"window over the year end", {Entry(0, 24 * H - 1, "0112", "2802")}, 0, 0, TSlotState::Gap, -1},
      {"Takt 0 and units 0", {Entry(0, 24 * H - 1, "0101", "3112", 0, 0)}, 10, 10, TSlotState::Gap, -1},
      {"units without Takt", {Entry(0, 24 * H - 1, "0101", "3112", 0, 2)}, 10, 10, TSlotState::Covered, 0},
      {"holiday-only", {Entry(0, 12 * H - 1, "9999", "9999")}, 10, 71, TSlotState::SpecialOnly, -1},
      {"special beside its hours", {Entry(0, 12 * H - 1, "8888", "8888")}, 10, 72, TSlotState::Gap, -1},
      {"special code only as end date",
       {Entry(0, 24 * H - 1, "0101", "7777")},
       365,
       143,
       TSlotState::Covered,
       0},
      {"first entry in list order",
       {Entry(12 * H, 24 * H - 1), Entry(0, 24 * H - 1)},
       3,
       80,
       TSlotState::Covered,
       0},
      {"end of the list", {Entry(0, H), endOfList, Entry(0, 24 * H - 1)}, 3, 80, TSlotState::Gap, -1},
      {"start inside a step", {Entry(6 * H + 1, 24 * H - 1)}, 3, 36, TSlotState::Gap, -1},
      {"end beyond the day", {Entry(23 * H, 90000)}, 365, 143, TSlotState::Covered, 0},
  };
  for (const auto& c : cases) {
    const TListCoverage coverage(c.list);
    EXPECT_EQ(c.state, coverage.State(c.day, c.slot)) << c.what;
    EXPECT_EQ(c.entry, coverage.CoveringEntry(c.day, c.slot)) << c.what;
  }
}

TEST(TarifCoverageTest, GapsMergeIntoBlocks) {
  struct Case {
    TTarifEntryList list;
    std::vector<std::string> texts;
  } cases[] = {
      {{Entry(0, 6 * H - 1), Entry(6 * H, 24 * H - 1, "0101", "3006")}, {"01.07.–31.12., 06:00–23:59"}},
      {{Entry(0, 24 * H - 1, "0101", "2802"), Entry(0, 24 * H - 1, "0103", "3112"),
        Entry(0, 12 * H - 1, "2902", "2902")},
       {"29.02., 12:00–23:59"}},
      {{Entry(H, 24 * H - 1), Entry(0, 24 * H - 1, "0101", "3112", 0, 0)}, {"01.01.–31.12., 00:00–00:59"}},
      {{Entry(0, 10 * H - 1), Entry(11 * H, 24 * H - 1, "1503", "3112")},
       {"01.01.–14.03., 10:00–23:59", "15.03.–31.12., 10:00–10:59"}},
      {{Entry(0, 24 * H - 1)}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> texts;
    for (const TGapRange& range : GapRanges(TListCoverage(c.list))) texts.push_back(GapRangeText(range));
    EXPECT_EQ(c.texts, texts);
  }
}

// The walk as it reads: every moment, every entry in list order. Only the
// rearranged dates are taken once per entry, to keep it fast.
bool Literal(const TTarifEntryList& list, const std::vector<std::string>& from,
             const std::vector<std::string>& to, const std::string& key, std::uint32_t second) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TTarifEntry& e = list[i];
    if (e.Takt == 0 && e.StartSec == 0 && e.EndSec == 0 && e.Name.empty()) return false;
    if (key < from[i] || key > to[i] || !e.IsTariff()) continue;
    if (from[i] == "8888" || from[i] == "7777" || from[i] == "9999") continue;
    if (e.StartSec <= second && second <= e.EndSec) return true;
  }
  return false;
}

TCheckResult LiteralWalk(const TTarifEntryList& werktag, const TTarifEntryList& saso) {
  std::vector<std::string> dates[4];
  for (const TTarifEntry& e : werktag) {
    dates[0].push_back(DateSortKey(e.DateFrom));
    dates[1].push_back(DateSortKey(e.DateTo));
  }
  for (const TTarifEntry& e : saso) {
    dates[2].push_back(DateSortKey(e.DateFrom));
    dates[3].push_back(DateSortKey(e.DateTo));
  }
  for (int day = 0; day < kYearDays; ++day) {
    const std::string key = DayDateKey(day);
    for (std::uint32_t second = 0; second < 86400; second += 600) {
      if (Literal(saso, dates[2], dates[3], key, second)) continue;
      const TYearDate d = DateOfDay(day);
      const bool w = Literal(werktag, dates[0], dates[1], key, second);
      return {TCheckOutcome::Gap,
              {d.Month, d.Day, static_cast<int>(second / 3600), static_cast<int>(second % 3600 / 60),
               w ? TDayClass::SaSo : TDayClass::Werktag}};
    }
  }
  return {};
}

TTarifEntryList RandomList(std::mt19937& rng) {
  static const char* dates[] = {"0101", "3112", "2902", "0103", "2802", "0112", "3006",  "0107", "1503",
                                "3102", "9999", "8888", "7777", "",     "1",    "01.07", "0013"};
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  TTarifEntryList list;
  const int count = pick(6);
  for (int i = 0; i < count; ++i) {
    if (pick(15) == 0) {
      list.emplace_back();  // ends the list
      continue;
    }
    const bool wide = pick(3) == 0;
    const std::uint32_t start =
        wide ? 0 : static_cast<std::uint32_t>(pick(24 * 60)) * 60 + (pick(8) == 0 ? 7 : 0);
    const std::uint32_t end = wide ? 86399 : start + static_cast<std::uint32_t>(pick(12 * 60)) * 60 + 59;
    const bool allYear = pick(2) == 0;
    list.push_back(Entry(pick(10) == 0 ? 0 : start, pick(10) == 0 ? 0 : end,
                         allYear ? "0101" : dates[pick(17)], allYear ? "3112" : dates[pick(17)],
                         pick(6) == 0 ? 0 : 60, pick(4) == 0 ? 1 : 0, pick(12) == 0 ? "" : "T"));
  }
  // Mostly a wide entry last, so that walks often reach late in the year.
  static const char* lastDays[] = {"3112", "3112", "2902", "2802", "3006", "2412", "1508", "3010"};
  if (pick(3) != 0) {
    list.push_back(
        Entry(0, 86399 - static_cast<std::uint32_t>(pick(4) == 0) * 600, "0101", lastDays[pick(8)]));
  }
  return list;
}

TEST(TarifCoverageTest, SameResultsAsTheLiteralWalk) {
  std::mt19937 rng(18);
  for (int zone = 0; zone < 200; ++zone) {
    const TTarifEntryList werktag = RandomList(rng);
    const TTarifEntryList saso = RandomList(rng);
    const TCheckResult expected = LiteralWalk(werktag, saso);
    const TCheckResult actual = CheckTariffYear(werktag, saso);
    ASSERT_EQ(expected.Outcome, actual.Outcome) << zone;
    ASSERT_EQ(expected.Gap, actual.Gap) << zone;
    const TListCoverage coverage(saso);
    for (int sample = 0; sample < 50; ++sample) {
      const int day = static_cast<int>(rng() % kYearDays);
      const int slot = static_cast<int>(rng() % kDaySlots);
      const auto second = static_cast<std::uint32_t>(slot) * kSlotSeconds;
      ASSERT_EQ(HasValidTariff(saso, DayDateKey(day), second), coverage.Covered(day, slot)) << zone;
      // The covering entry is the first one that makes the moment covered.
      const int index = coverage.CoveringEntry(day, slot);
      if (index < 0) continue;
      const TTarifEntryList before(saso.begin(), saso.begin() + index);
      ASSERT_FALSE(HasValidTariff(before, DayDateKey(day), second)) << zone;
      ASSERT_TRUE(HasValidTariff({saso[static_cast<std::size_t>(index)]}, DayDateKey(day), second)) << zone;
    }
  }
}

}  // namespace
}  // namespace dudode
