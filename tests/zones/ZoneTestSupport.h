#pragma once
// Documents for the zone editing tests.
#include <string>
#include <tuple>
#include <vector>

#include "core/TarifFile.h"
#include "support/ScriptedMessageBoxes.h"

namespace dudode::test {

inline TTarifEntry TimedEntry(std::string name, std::string from = "0101", std::string to = "3112",
                              std::uint32_t startHour = 0, std::uint32_t endHour = 24, TDaySet days = 124) {
  TTarifEntry e;
  e.Name = std::move(name);
  e.DateFrom = std::move(from);
  e.DateTo = std::move(to);
  e.StartSec = startHour * 3600;
  e.EndSec = endHour * 3600 - 1;
  e.Takt = 60;
  e.PricePerUnit = 0.06;
  e.Weekdays = days;
  return e;
}

inline TKeyAndName Zone(std::string caption, std::string key) {
  TKeyAndName zone;
  zone.SetMenuCaption(caption);
  zone.Key = std::move(key);
  return zone;
}

// A zone with n Werktag and m SaSo entries, each at its own hour of a
// different month so that sorting is visible.
inline TKeyAndName FilledZone(std::string caption, std::string key, int werktag, int saso) {
  TKeyAndName zone = Zone(std::move(caption), std::move(key));
  for (int i = 0; i < werktag; ++i) {
    zone.Werktag.push_back(TimedEntry("W" + std::to_string(i), "0101", "3112",
                                      static_cast<std::uint32_t>(i % 24),
                                      static_cast<std::uint32_t>(i % 24) + 1));
  }
  for (int i = 0; i < saso; ++i) {
    // Added latest hour first: the sort has to turn them round.
    const auto hour = static_cast<std::uint32_t>(23 - i % 24);
    zone.SaSo.push_back(TimedEntry("S" + std::to_string(i), "0101", "3112", hour, hour + 1, 130));
  }
  return zone;
}

// Every stored field of an entry but the sort key, for whole-record comparisons.
inline auto Fields(const TTarifEntry& e) {
  return std::tuple(e.Weekdays, e.PricePerUnit, e.CalcTakt, e.FirstSecond, e.StartSec, e.EndSec, e.Takt,
                    e.Units, e.Name, e.DateFrom, e.DateTo, e.ZoneConnectPrice, e.ZoneMonthlyFee);
}

inline std::vector<std::string> BoxTexts(const TScriptedMessageBoxes& boxes) {
  std::vector<std::string> texts;
  for (const auto& b : boxes.Boxes()) texts.push_back(b.Text);
  return texts;
}

inline TTarifFile ThreeZones() {
  TTarifFile doc;
  doc.Zones = {FilledZone("Nah", "NAH0001", 1, 0), FilledZone("Fern", "FERN0001", 2, 0),
               FilledZone("Mobil", "MOBI0001", 3, 0)};
  return doc;
}

}  // namespace dudode::test
