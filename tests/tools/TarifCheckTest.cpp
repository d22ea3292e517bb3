#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/RegionalSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/TarifCheck.h"

namespace dudode {
namespace {

std::uint32_t Sec(const std::string& hhmm) {
  return ParseTime(hhmm).Seconds;
}

TTarifEntry Entry(const std::string& start, const std::string& end, const std::string& from = "0101",
                  const std::string& to = "3112", double takt = 60, int units = 0) {
  TTarifEntry e;
  e.Weekdays = ParseWeekdays("23456");
  e.PricePerUnit = 0.06;
  e.StartSec = Sec(start);
  e.EndSec = Sec(end) + 59;
  e.Takt = takt;
  e.Units = units;
  e.Name = "Test";
  e.DateFrom = from;
  e.DateTo = to;
  return e;
}

const TTarifEntryList kWholeDay = {Entry("00:00", "05:59"), Entry("06:00", "23:59")};

TEST(TarifCheckTest, WalkFindsTheFirstGapOrNone) {
  TTarifEntry noTariff = Entry("06:00", "23:59", "0101", "3112", 0, 0);
  TTarifEntry endOfList;  // all empty: nothing after it is looked at
  endOfList.Units = 5;
  struct Case {
    const char* what;
    TTarifEntryList werktag;
    TTarifEntryList saso;
    TCheckOutcome outcome;
    TTariffGap gap;
  } cases[] = {
      {"no entries at all", {}, {}, TCheckOutcome::Gap, {1, 1, 0, 0, TDayClass::Werktag}},
      {"SaSo list alone covers everything", {}, kWholeDay, TCheckOutcome::Complete, {}},
      {"two windows in both lists", kWholeDay, kWholeDay, TCheckOutcome::Complete, {}},
      {"Werktag list alone does not", kWholeDay, {}, TCheckOutcome::Gap, {1, 1, 0, 0, TDayClass::SaSo}},
      {"29 February 12:00 missing in SaSo",
       kWholeDay,
       {Entry("00:00", "23:59", "0101", "2802"), Entry("00:00", "23:59", "0103", "3112"),
        Entry("00:00", "11:59", "2902", "2902"), Entry("12:01", "23:59", "2902", "2902")},
       TCheckOutcome::Gap,
       {2, 29, 12, 0, TDayClass::SaSo}},
      {"second window ends on 30 June",
       {Entry("00:00", "05:59"), Entry("06:00", "23:59", "0101", "3006")},
       {Entry("00:00", "05:59"), Entry("06:00", "23:59", "0101", "3006")},
       TCheckOutcome::Gap,
       {7, 1, 6, 0, TDayClass::Werktag}},
      {"an entry without Takt and units does not count",
       {Entry("00:00", "05:59"), noTariff},
       {Entry("00:00", "05:59"), noTariff},
       TCheckOutcome::Gap,
       {1, 1, 6, 0, TDayClass::Werktag}},
      {"fixed units without Takt count",
       {},
       {Entry("00:00", "23:59", "0101", "3112", 0, 3)},
       TCheckOutcome::Complete,
       {}},
      {"holiday-only, CityWeekend and CityPlus never cover",
       kWholeDay,
       {Entry("00:00", "23:59", "9999", "9999"), Entry("00:00", "23:59", "8888", "8888"),
        Entry("00:00", "23:59", "7777", "7777")},
       TCheckOutcome::Gap,
       {1, 1, 0, 0, TDayClass::SaSo}},
      {"moments between the steps are not tested",
       {},
       {Entry("00:00", "06:04"), Entry("06:10", "23:59")},
       TCheckOutcome::Complete,
       {}},
      {"a window across the new year never matches",
       {},
       {Entry("00:00", "23:59", "0103", "3112"), Entry("00:00", "23:59", "0112", "2802")},
       TCheckOutcome::Gap,
       {1, 1, 0, 0, TDayClass::Werktag}},
      {"an empty entry ends the list",
       {},
       {endOfList, Entry("00:00", "23:59")},
       TCheckOutcome::Gap,
       {1, 1, 0, 0, TDayClass::Werktag}},
      {"start and end are inclusive",
       {},
       {Entry("00:00", "12:20"), Entry("12:30", "23:59")},
       TCheckOutcome::Complete,
       {}},
      {"a step after the end is not covered",
       {},
       {Entry("00:00", "12:19"), Entry("12:30", "23:59")},
       TCheckOutcome::Gap,
       {1, 1, 12, 20, TDayClass::Werktag}},
      {"the last step of the year",
       {},
       {Entry("00:00", "23:59", "0101", "3012"), Entry("00:00", "23:49", "3112", "3112")},
       TCheckOutcome::Gap,
       {12, 31, 23, 50, TDayClass::Werktag}},
  };
  for (const auto& c : cases) {
    const TCheckResult result = CheckTariffYear(c.werktag, c.saso);
    EXPECT_EQ(c.outcome, result.Outcome) << c.what;
    if (c.outcome == TCheckOutcome::Gap) {
      EXPECT_EQ(c.gap, result.Gap) << c.what;
    }
  }
}

TEST(TarifCheckTest, HasValidTariffLimitsAreInclusive) {
  const TTarifEntryList list = {Entry("09:00", "17:59", "1503", "2010")};
  struct Case {
    const char* dateKey;
    std::uint32_t second;
    bool expected;
  } cases[] = {
      {"0315", Sec("09:00"), true},  {"1020", Sec("17:59") + 59, true},  {"0314", Sec("12:00"), false},
      {"1021", Sec("12:00"), false}, {"0601", Sec("08:59") + 59, false}, {"0601", Sec("18:00"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, HasValidTariff(list, c.dateKey, c.second)) << c.dateKey;
}

TEST(TarifCheckTest, CancelStopsSilentlyAndMonthsAreAnnounced) {
  std::vector<int> months;
  TCheckCallbacks callbacks;
  callbacks.MonthStarted = [&](int m) { months.push_back(m); };
  EXPECT_EQ(TCheckOutcome::Complete, CheckTariffYear({}, kWholeDay, callbacks).Outcome);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), months);

  // Cancelled in March: no further month, no gap.
  months.clear();
  callbacks.Cancelled = [&] { return months.size() == 3; };
  EXPECT_EQ(TCheckOutcome::Cancelled, CheckTariffYear({}, kWholeDay, callbacks).Outcome);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), months);

  // Asked between the minute steps too.
  int asked = 0;
  callbacks.MonthStarted = {};
  callbacks.Cancelled = [&] { return ++asked > 100; };
  EXPECT_EQ(TCheckOutcome::Cancelled, CheckTariffYear({}, kWholeDay, callbacks).Outcome);
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

}  // namespace
}  // namespace dudode
