#include <gtest/gtest.h>

#include "zones/GridTexts.h"

namespace dudode {
namespace {

TTarifEntry Entry(double takt, int units, const char* from = "0101", const char* to = "3112") {
  TTarifEntry e;
  e.Weekdays = DayBit(2) | DayBit(3) | DayBit(4) | DayBit(5) | DayBit(6);
  e.PricePerUnit = 0.12;
  e.StartSec = 8 * 3600;
  e.EndSec = 17 * 3600 + 59 * 60 + 59;
  e.Takt = takt;
  e.Units = units;
  e.Name = "Haupt Zeit";
  e.DateFrom = from;
  e.DateTo = to;
  return e;
}

TEST(GridTextsTest, CellTextsOfAnEntry) {
  const TTarifGridRow row = EntryCellTexts(Entry(60, 0, "0104", "3009"));
  const TTarifGridRow expected = {"08:00:00 Uhr",      "17:59:59 Uhr",   "60,0000 Sekunde(n)",
                                  "    0 Einheit(en)", "Haupt Zeit",     "01.04. / 30.09.",
                                  "0,1200 €",          "Mo Di Mi Do Fr "};
  EXPECT_EQ(expected, row);
}

TEST(GridTextsTest, IntervalAndUnitColumns) {
  struct Case {
    double takt;
    int units;
    const char* interval;
    const char* extra;
  } cases[] = {
      {0, 3, "    3 Einheit(en)", "    0 Einheit(en)"},
      {30, 2, "30,0000 Sekunde(n)", "    2 Einheit(en)"},
      {1.5, 0, "1,5000 Sekunde(n)", "    0 Einheit(en)"},
      {0, 12345, "12345 Einheit(en)", "    0 Einheit(en)"},
  };
  for (const Case& c : cases) {
    const TTarifGridRow row = EntryCellTexts(Entry(c.takt, c.units));
    EXPECT_EQ(c.interval, row[2]) << c.takt << "/" << c.units;
    EXPECT_EQ(c.extra, row[3]) << c.takt << "/" << c.units;
  }
}

TEST(GridTextsTest, SpecialValidityCodesDependOnDateFromOnly) {
  struct Case {
    const char* from;
    const char* to;
    const char* text;
  } cases[] = {
      {"9999", "9999", "Feiertag"},
      {"8888", "8888", "CityWeekend"},
      {"7777", "0101", "CityPlus"},
      {"0101", "8888", "01.01. / 88.88."},
      {"24.12.", "31.12.", "24.12. / 31.12."},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, EntryCellTexts(Entry(60, 0, c.from, c.to))[5]) << c.from;
}

TEST(GridTextsTest, WeekendEntryShowsItsDays) {
  TTarifEntry e = Entry(60, 0, "8888", "8888");
  e.Weekdays = DayBit(1) | DayBit(7);
  EXPECT_EQ("Sa So ", EntryCellTexts(e)[7]);
  e.Weekdays = DayBit(1) | DayBit(7) | DayBit(8);
  EXPECT_EQ("Sa So Fei", EntryCellTexts(e)[7]);
}

TEST(GridTextsTest, RowsSkipEntriesWithoutTariff) {
  TTarifEntryList list = {Entry(60, 0), Entry(0, 0), Entry(0, 2)};
  list[0].Name = "a";
  list[2].Name = "c";
  const std::vector<TTarifGridRow> rows = TarifGridRows(list);
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ("a", rows[0][4]);
  EXPECT_EQ("c", rows[1][4]);
  EXPECT_TRUE(TarifGridRows({}).empty());
}

}  // namespace
}  // namespace dudode
