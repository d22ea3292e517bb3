#include "templates/DiscountPositions.h"

#include <cmath>

#include "core/Values.h"

namespace dudode {

int ClampedPosition(double value, int min, int max) {
  if (std::isnan(value)) return min;
  const double rounded = std::round(value);
  if (rounded <= min) return min;
  if (rounded >= max) return max;
  return static_cast<int>(rounded);
}

TDiscountPositions DiscountPositionsOf(const TConnectionTemplate& connection) {
  TDiscountPositions p;
  p.Rate = ClampedPosition(connection.TenPlusRate * 100, kMinRate, kMaxRate);
  p.Minute = ClampedPosition(connection.TenPlusFrom / 60, kMinMinute, kMaxMinute);
  p.Active = connection.TenPlusActive != 0;
  p.Workday = ClampedPosition(connection.InstantWorkday * 100, kMinInstant, kMaxInstant);
  p.Weekend = ClampedPosition(connection.InstantWeekend * 100, kMinInstant, kMaxInstant);
  p.Holiday = ClampedPosition(connection.InstantHoliday * 100, kMinInstant, kMaxInstant);
  p.InstantActive = connection.InstantActive != 0 && InstantDiscountAllowed(connection);
  return p;
}

void StoreDiscountPositions(const TDiscountPositions& positions, TConnectionTemplate& connection) {
  connection.TenPlusRate = positions.Rate / 100.0;
  connection.TenPlusFrom = positions.Minute * 60.0;
  connection.TenPlusActive = positions.Active ? 1 : 0;
  connection.InstantWorkday = positions.Workday / 100.0;
  connection.InstantWeekend = positions.Weekend / 100.0;
  connection.InstantHoliday = positions.Holiday / 100.0;
  connection.InstantActive = positions.InstantActive && InstantDiscountAllowed(connection) ? 1 : 0;
}

bool InstantDiscountAllowed(const TConnectionTemplate& connection) {
  return connection.CityPlus == 0 && connection.CityWeekend == 0;
}

std::string SliderLabelText(const std::string& pattern, int value) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size()) {
      if (pattern[i + 1] == 'd') {
        text += IntegerText(value);
        ++i;
        continue;
      }
      if (pattern[i + 1] == '%') {
        text += '%';
        ++i;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

}  // namespace dudode
