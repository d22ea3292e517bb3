// The completeness walk, the coverage of one list and their messages.
#include <gtest/gtest.h>

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

// Limits inclusive; an entry without tariff is passed over, the empty entry ends the list.
TEST(TarifCheckTest, HasValidTariffLimitsAreInclusive) {
  const TTarifEntryList list = L("0000-0059! 0900-1759@1503-2010 end 0000-2359");
  const std::tuple<const char*, std::uint32_t, bool> cases[] = {
      {"0315", 9 * H, true},   {"1020", 18 * H - 1, true}, {"0314", 12 * H, false},
      {"1021", 12 * H, false}, {"0601", 9 * H - 1, false}, {"0601", 18 * H, false},
      {"0601", 0, false}};
  for (const auto& [key, second, covered] : cases)
    EXPECT_EQ(covered, HasValidTariff(list, key, second)) << key;
  EXPECT_FALSE(HasValidTariff(L("0900-1759"), "0601", 18 * H)) << "a list without end entry runs out";
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
      // Only an entry empty in all four of Takt, start, end and name ends the list.
      {"a name", {Entry(0, 0, "", "", 0, 0, "T"), Entry(0, 24 * H - 1)}, 3, 80, TSlotState::Covered, 1},
      {"a Takt", {Entry(0, 0, "", "", 60, 0, ""), Entry(0, 24 * H - 1)}, 3, 80, TSlotState::Covered, 1},
      {"a start", {Entry(60, 0, "", "", 0, 0, ""), Entry(0, 24 * H - 1)}, 3, 80, TSlotState::Covered, 1},
      {"an end", {Entry(0, 60, "", "", 0, 0, ""), Entry(0, 24 * H - 1)}, 3, 80, TSlotState::Covered, 1},
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

}  // namespace
}  // namespace dudode
