#pragma once
// Today's date and time come from here, so that tests can set them.
#include <functional>

namespace dudode {

struct TDateTime {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

TDateTime Now();
// Replaces the clock (an empty function restores the system clock).
void SetClock(std::function<TDateTime()> clock);

}  // namespace dudode
