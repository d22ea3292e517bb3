#include <gtest/gtest.h>

#include <tuple>

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
  EXPECT_EQ("0101 1231 09:00:00 17:59:59", list[4].SortKey.View());
}

TEST(TarifFileTest, ZoneNameAsShownAndAsWritten) {
  // The name held, as shown, as written.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"City_Zone", "City Zone", "City_Zone"},
      {"Fern Zone", "Fern Zone", "Fern_Zone"},  // a blank that slipped in is still written as "_"
      {"", "", ""},
  };
  for (const auto& [displayName, caption, indexName] : cases) {
    TKeyAndName zone;
    zone.DisplayName = displayName;
    EXPECT_EQ(std::tuple(caption, indexName), std::tuple(zone.MenuCaption(), zone.IndexName()))
        << displayName;
  }
  TKeyAndName zone;
  zone.SetMenuCaption("Region 50 Nord");
  EXPECT_EQ("Region_50_Nord", zone.DisplayName);
}

}  // namespace
}  // namespace dudode
