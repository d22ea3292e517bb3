// The completeness walk, the coverage of one list and their messages.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/RegionalSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/TarifCheck.h"
#include "tools/TarifCoverage.h"

namespace dudode {
namespace {

constexpr std::uint32_t H = 3600;
constexpr int kFeb29 = 59;
constexpr TDayClass W = TDayClass::Werktag, S = TDayClass::SaSo;

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

// Entries as "0600-2359@0101-3006": whole minutes (the end's last second), dates
// optional ("@2902" for one day); "!" adds no Takt, "#" fixed units without
// Takt; "end" is the empty entry that ends a list.
TTarifEntryList L(const std::string& text) {
  TTarifEntryList list;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t space = std::min(text.find(' ', at), text.size());
    const std::string t = text.substr(at, space - at);
    at = space + 1;
    auto seconds = [&t](std::size_t i) {
      return static_cast<std::uint32_t>(((t[i] - '0') * 10 + t[i + 1] - '0') * 3600 +
                                        ((t[i + 2] - '0') * 10 + t[i + 3] - '0') * 60);
    };
    if (t == "end") {
      list.emplace_back().Units = 5;  // units alone do not keep it in the list
      continue;
    }
    const bool dated = t.size() > 9 && t[9] == '@';
    const std::string from = dated ? t.substr(10, 4) : "0101";
    const std::string to = t.size() > 14 && t[14] == '-' ? t.substr(15, 4) : dated ? from : "3112";
    const bool noTakt = t.back() == '!' || t.back() == '#';
    list.push_back(Entry(seconds(0), seconds(5) + 59, from, to, noTakt ? 0 : 60, t.back() == '#' ? 3 : 0));
  }
  return list;
}

const std::string kDay = "0000-0559 0600-2359", kToJune = "0000-0559 0600-2359@0101-3006",
                  kNoFeb29 = "0000-2359@0101-2802 0000-2359@0103-3112";
const TTariffGap kComplete{0, 0, 0, 0, W};

TEST(TarifCheckTest, WalkFindsTheFirstGapOrNone) {
  struct Case {
    const char* what;
    std::string werktag, saso;
    TTariffGap gap;
  } cases[] = {
      {"no entries at all", "", "", {1, 1, 0, 0, W}},
      {"SaSo list alone covers everything", "", kDay, kComplete},
      {"two windows in both lists", kDay, kDay, kComplete},
      {"Werktag list alone does not", kDay, "", {1, 1, 0, 0, S}},
      {"29.02. 12:00 missing", kDay, kNoFeb29 + " 0000-1159@2902 1201-2359@2902", {2, 29, 12, 0, S}},
      {"second window ends on 30 June", kToJune, kToJune, {7, 1, 6, 0, W}},
      {"no Takt and no units", "0000-0559 0600-2359!", "0000-0559 0600-2359!", {1, 1, 6, 0, W}},
      {"fixed units without Takt count", "", "0000-2359#", kComplete},
      {"specials never cover", kDay, "0000-2359@9999 0000-2359@8888 0000-2359@7777", {1, 1, 0, 0, S}},
      {"moments between the steps are not tested", "", "0000-0604 0610-2359", kComplete},
      {"across the new year", "", "0000-2359@0103-3112 0000-2359@0112-2802", {1, 1, 0, 0, W}},
      {"an empty entry ends the list", "", "end 0000-2359", {1, 1, 0, 0, W}},
      {"start and end are inclusive", "", "0000-1220 1230-2359", kComplete},
      {"a step after the end is not covered", "", "0000-1219 1230-2359", {1, 1, 12, 20, W}},
      {"the last step of the year", "", "0000-2359@0101-3012 0000-2349@3112", {12, 31, 23, 50, W}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TCheckResult result = CheckTariffYear(L(c.werktag), L(c.saso));
    EXPECT_EQ(c.gap == kComplete ? TCheckOutcome::Complete : TCheckOutcome::Gap, result.Outcome);
    if (result.Outcome == TCheckOutcome::Gap) {
      EXPECT_EQ(c.gap, result.Gap);
    }
  }
}

TEST(TarifCheckTest, HasValidTariffLimitsAreInclusive) {
  const TTarifEntryList list = L("0900-1759@1503-2010");
  const std::tuple<const char*, std::uint32_t, bool> cases[] = {
      {"0315", 9 * H, true},   {"1020", 18 * H - 1, true}, {"0314", 12 * H, false},
      {"1021", 12 * H, false}, {"0601", 9 * H - 1, false}, {"0601", 18 * H, false}};
  for (const auto& [key, second, covered] : cases)
    EXPECT_EQ(covered, HasValidTariff(list, key, second)) << key;
}

TEST(TarifCheckTest, CancelStopsSilentlyAndMonthsAreAnnounced) {
  std::vector<int> months;
  TCheckCallbacks callbacks;
  callbacks.MonthStarted = [&](int m) { months.push_back(m); };
  EXPECT_EQ(TCheckOutcome::Complete, CheckTariffYear({}, L(kDay), callbacks).Outcome);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), months);

  // Cancelled in March: no further month, no gap.
  months.clear();
  callbacks.Cancelled = [&] { return months.size() == 3; };
  EXPECT_EQ(TCheckOutcome::Cancelled, CheckTariffYear({}, L(kDay), callbacks).Outcome);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), months);

  // Asked between the minute steps too.
  int asked = 0;
  callbacks.MonthStarted = {};
  callbacks.Cancelled = [&] { return ++asked > 100; };
  EXPECT_EQ(TCheckOutcome::Cancelled, CheckTariffYear({}, L(kDay), callbacks).Outcome);
  EXPECT_EQ(101, asked);
}

TEST(TarifCheckTest, GapMessageUsesTheRegionalSeparators) {
  const TTariffGap gap{12, 24, 18, 30, TDayClass::Werktag};
  EXPECT_EQ(
      "Es existiert kein gültiger Tarif für den 24.12. 18:30:00 Uhr - Werktag. "
      "Überprüfen Sie die Angaben!",
      GapMessage(gap));
  EXPECT_NE(std::string::npos,
            GapMessage({7, 1, 6, 0, TDayClass::SaSo}).find(" 01.07. 06:00:00 Uhr - Sa./So./Feiertags."));
  RegionalSettings other = RegionalSettings::German();
  other.DateSeparator = "/";
  other.TimeSeparator = ".";
  SetRegional(other);
  EXPECT_NE(std::string::npos, GapMessage(gap).find(" 24/12/ 18.30.00 Uhr - Werktag."));
  SetRegional(RegionalSettings::German());
  EXPECT_EQ("Alle geprüften Tarifangaben sind vollständig!", CompleteMessage());
}

TEST(TarifCheckTest, CommandWithoutAZoneSaysSo) {
  TTarifFile doc;
  doc.Zones.resize(1);
  for (int zone : {-1, 1}) {
    test::TScriptedMessageBoxes boxes;
    boxes.Expect("Bitte legen Sie eine Tarifzone an oder wählen Sie eine Tarifzone aus!", idOK,
                 "Dudode - Editor 3.10");
    CheckZoneCommand(doc, zone,
                     [](const TKeyAndName&, const std::string&) { ADD_FAILURE() << "dialog shown"; });
  }
}

TEST(TarifCoverageTest, SlotStatesAndCoveringEntries) {
  struct Case {
    const char* what;
    TTarifEntryList list;
    int day, slot;
    TSlotState state;
    int entry;
  } cases[] = {
      {"29 February alone", L("0000-2359@2902"), kFeb29, 0, TSlotState::Covered, 0},
      {"not the day after", L("0000-2359@2902"), kFeb29 + 1, 0, TSlotState::Gap, -1},
      {"window over the year end", L("0000-2359@0112-2802"), 0, 0, TSlotState::Gap, -1},
      {"Takt 0 and units 0", L("0000-2359!"), 10, 10, TSlotState::Gap, -1},
      {"units without Takt", L("0000-2359#"), 10, 10, TSlotState::Covered, 0},
      {"holiday-only", L("0000-1159@9999"), 10, 71, TSlotState::SpecialOnly, -1},
      {"special beside its hours", L("0000-1159@8888"), 10, 72, TSlotState::Gap, -1},
      {"special code only as end date", L("0000-2359@0101-7777"), 365, 143, TSlotState::Covered, 0},
      {"first entry in list order", L("1200-2359 0000-2359"), 3, 80, TSlotState::Covered, 0},
      {"end of the list", L("0000-0100 end 0000-2359"), 3, 80, TSlotState::Gap, -1},
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
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {kToJune, {"01.07.–31.12., 06:00–23:59"}},
      {kNoFeb29 + " 0000-1159@2902", {"29.02., 12:00–23:59"}},
      {"0100-2359 0000-2359!", {"01.01.–31.12., 00:00–00:59"}},
      {"0000-0959 1100-2359@1503-3112", {"01.01.–14.03., 10:00–23:59", "15.03.–31.12., 10:00–10:59"}},
      {"0000-2359", {}},
  };
  for (const auto& [list, expected] : cases) {
    std::vector<std::string> texts;
    for (const TGapRange& range : GapRanges(TListCoverage(L(list)))) texts.push_back(GapRangeText(range));
    EXPECT_EQ(expected, texts) << list;
  }
}

// The walk as it reads: every moment, every entry in list order. Only the
// rearranged dates are taken once per entry, to keep it fast.
TCheckResult LiteralWalk(const TTarifEntryList& werktag, const TTarifEntryList& saso) {
  using TDated = std::vector<std::tuple<const TTarifEntry*, std::string, std::string>>;
  auto dated = [](const TTarifEntryList& list) {
    TDated out;
    for (const TTarifEntry& e : list) out.emplace_back(&e, DateSortKey(e.DateFrom), DateSortKey(e.DateTo));
    return out;
  };
  auto covered = [](const TDated& list, const std::string& key, std::uint32_t second) {
    for (const auto& [e, from, to] : list) {
      if (e->Takt == 0 && e->StartSec == 0 && e->EndSec == 0 && e->Name.empty()) return false;
      if (key < from || key > to || !e->IsTariff() || from == "8888" || from == "7777" || from == "9999")
        continue;
      if (e->StartSec <= second && second <= e->EndSec) return true;
    }
    return false;
  };
  const TDated w = dated(werktag), s = dated(saso);
  for (int day = 0; day < kYearDays; ++day) {
    const std::string key = DayDateKey(day);
    for (std::uint32_t second = 0; second < 86400; second += kSlotSeconds) {
      if (covered(s, key, second)) continue;
      const TYearDate d = DateOfDay(day);
      return {TCheckOutcome::Gap,
              {d.Month, d.Day, static_cast<int>(second / H), static_cast<int>(second % H / 60),
               covered(w, key, second) ? S : W}};
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
