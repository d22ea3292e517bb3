#include "zones/GridTexts.h"

#include "core/RegionalSettings.h"
#include "core/Values.h"

namespace dudode {
namespace {

std::string UnitsText(std::int32_t units) {
  const std::string digits = IntegerText(units);
  return std::string(digits.size() < 5 ? 5 - digits.size() : 0, ' ') + digits + " Einheit(en)";
}

// Four decimals with the locale's decimal separator.
std::string LocalNumberText(double value) {
  return FixedText(value, 4, Regional().DecimalSeparator);
}

std::string ValidityText(const TTarifEntry& entry) {
  // Only DateFrom tells a special code from a date range.
  if (entry.DateFrom == kHolidayOnlyCode) return "Feiertag";
  if (entry.DateFrom == kCityWeekendCode) return "CityWeekend";
  if (entry.DateFrom == kCityPlusCode) return "CityPlus";
  return DateDisplay(entry.DateFrom) + " / " + DateDisplay(entry.DateTo);
}

}  // namespace

TTarifGridRow EntryCellTexts(const TTarifEntry& entry) {
  TTarifGridRow row;
  row[0] = TimeTextLong(entry.StartSec) + " Uhr";
  row[1] = TimeTextLong(entry.EndSec) + " Uhr";
  row[2] = entry.Takt != 0 ? LocalNumberText(entry.Takt) + " Sekunde(n)" : UnitsText(entry.Units);
  row[3] = UnitsText(entry.Takt != 0 && entry.Units != 0 ? entry.Units : 0);
  row[4] = entry.Name;
  row[5] = ValidityText(entry);
  row[6] = PriceText(entry.PricePerUnit);
  row[7] = WeekdayNames(entry.Weekdays);
  return row;
}

std::vector<TTarifGridRow> TarifGridRows(const TTarifEntryList& entries) {
  std::vector<TTarifGridRow> rows;
  for (const TTarifEntry& entry : entries) {
    if (entry.IsTariff()) rows.push_back(EntryCellTexts(entry));
  }
  return rows;
}

}  // namespace dudode
