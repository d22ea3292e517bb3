#pragma once
// The discount fields of a connection template as the positions of the
// discount dialog's sliders, and back.
#include <string>

#include "templates/ConnectionTemplate.h"

namespace dudode {

struct TDiscountPositions {
  int Rate = 1;    // percent, 1..99
  int Minute = 1;  // completed minute, 1..60
  bool Active = false;
  int Workday = 0;  // percent, 0..99
  int Weekend = 0;
  int Holiday = 0;
  bool InstantActive = false;

  bool operator==(const TDiscountPositions&) const = default;
};

inline constexpr int kMinRate = 1;
inline constexpr int kMaxRate = 99;
inline constexpr int kMinMinute = 1;
inline constexpr int kMaxMinute = 60;
inline constexpr int kMinInstant = 0;
inline constexpr int kMaxInstant = 99;

// round(value) within [min, max]; NaN gives min, infinities the nearer end.
int ClampedPosition(double value, int min, int max);

// Values outside a slider's range show as its nearest end.
TDiscountPositions DiscountPositionsOf(const TConnectionTemplate& connection);
// Stores what the dialog confirmed. A CityPlus or CityWeekend connection
// keeps its instant discount off.
void StoreDiscountPositions(const TDiscountPositions& positions, TConnectionTemplate& connection);

// Whether a connection with these options can have an instant discount.
bool InstantDiscountAllowed(const TConnectionTemplate& connection);

// Fills a label pattern: "%d" takes the value, "%%" prints one "%".
std::string SliderLabelText(const std::string& pattern, int value);

}  // namespace dudode
