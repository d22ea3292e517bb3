#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/TarifFile.h"

namespace dudode {
namespace {

TTarifEntry Entry(std::string name, std::string from, std::string to, std::uint32_t start, std::uint32_t end,
                  double takt = 60, std::int32_t units = 0) {
  return {0, 0, 0, 0, start, end, takt, units, std::move(name), std::move(from), std::move(to), 0, 0, {}};
}

std::vector<std::string> Names(const TTarifEntryList& list) {
  std::vector<std::string> names;
  for (const TTarifEntry& e : list) names.push_back(e.Name);
  return names;
}

// Entries without Takt and Units are dropped; units alone keep an entry.
TEST(SortEntryListTest, OrdersByValidityThenTimesWithSpecialCodesLastAndDropsNonTariffs) {
  TTarifEntryList list = {
      Entry("none", "0101", "3112", 0, 100, 0, 0),
      Entry("fixed units", "0101", "3112", 0, 200, 0, 3),
      Entry("holiday", "9999", "9999", 0, 86399),
      Entry("day", "0101", "3112", 32400, 64799),
      Entry("cityplus", "7777", "7777", 0, 86399),
      Entry("december", "1512", "3112", 0, 86399),
      Entry("night", "0101", "3112", 0, 32399),
      Entry("weekend", "8888", "8888", 0, 86399),
      Entry("april", "0104", "3009", 0, 86399),
      Entry("day-short", "0101", "3112", 32400, 50399),
      Entry("shorter-year", "01.01.", "30.06.", 0, 86399),
  };
  SortEntryList(list);
  EXPECT_EQ((std::vector<std::string>{"shorter-year", "fixed units", "night", "day-short", "day", "april",
                                      "december", "cityplus", "weekend", "holiday"}),
            Names(list));
  EXPECT_EQ("0101 1231 09:00:00 17:59:59", list[4].SortKey);
}

// Many lists with heavy duplication: the result must be ordered and keep
// every entry (the order of equal keys is not fixed).
TEST(SortEntryListTest, RandomListsComeOutOrderedAndComplete) {
  std::mt19937 random(4711);
  for (int round = 0; round < 300; ++round) {
    const int size = static_cast<int>(random() % 60);
    TTarifEntryList list;
    for (int i = 0; i < size; ++i) {
      const std::uint32_t start = static_cast<std::uint32_t>(random() % 4) * 3600;
      const char* from[] = {"0101", "1506", "7777", "9999"};
      list.push_back(Entry(std::to_string(i), from[random() % 4], "3112", start, start + 59,
                           static_cast<double>(random() % 3), 0));
    }
    TTarifEntryList expected = list;
    std::erase_if(expected, [](const TTarifEntry& e) { return !e.IsTariff(); });

    SortEntryList(list);
    ASSERT_EQ(expected.size(), list.size());
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const TTarifEntry& a, const TTarifEntry& b) {
      return a.SortKey < b.SortKey;
    }));
    std::vector<std::string> got = Names(list);
    std::vector<std::string> want = Names(expected);
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(want, got) << "round " << round;
  }
}

TEST(TarifFileTest, ZoneNameAsShownAndAsWritten) {
  struct Case {
    const char* displayName;
    const char* caption;
    const char* indexName;
  } cases[] = {
      {"City_Zone", "City Zone", "City_Zone"},
      {"Fern Zone", "Fern Zone", "Fern_Zone"},  // a blank that slipped in is still written as "_"
      {"Nah", "Nah", "Nah"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    TKeyAndName zone;
    zone.DisplayName = c.displayName;
    EXPECT_EQ(c.caption, zone.MenuCaption()) << c.displayName;
    EXPECT_EQ(c.indexName, zone.IndexName()) << c.displayName;
  }
  TKeyAndName zone;
  zone.SetMenuCaption("Region 50 Nord");
  EXPECT_EQ("Region_50_Nord", zone.DisplayName);
}

}  // namespace
}  // namespace dudode
