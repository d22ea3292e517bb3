#pragma once
// The no-cost windows of a zone as their dialogs show them, and the window
// dialog's checks. The window dialog without the free seconds serves the
// 10plus exception windows too.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/TarifFile.h"
#include "core/Values.h"

namespace dudode {

// "von", "bis" and "Dauer" of a list row: 18:00:00 Uhr, 07:59:59 Uhr,
// 60,0000 Sekunde(n).
std::array<std::string, 3> NoCostRowTexts(const TFreeTimeEntry& window);
// The rows are kept in the order of their "von" text, i.e. by start time;
// free-time and 10plus windows alike.
template <typename TWindow>
void SortNoCostList(std::vector<TWindow>& windows) {
  std::stable_sort(windows.begin(), windows.end(), [](const TWindow& a, const TWindow& b) {
    return TimeText(a.StartSec) < TimeText(b.StartSec);
  });
}

// The window dialog's explanation: free times, or without the seconds field
// the times the 10plus discount is not offered.
std::string NoCostExplanation(bool secondsShown);

enum class TNoCostControl { None, TimeFrom, TimeTo, Seconds };

class TNoCostEditForm {
 public:
  std::string TimeFrom;  // hours, time separator, minutes
  std::string TimeTo;
  double Seconds = 0;
  bool SecondsShown = true;

  bool FromValid = false;
  bool ToValid = false;
  bool SecondsValid = false;

  // Filled fields are checked as when they are left, without messages;
  // hidden seconds count as valid.
  void Open();
  void LeaveTimeFrom();
  void LeaveTimeTo();
  void LeaveSeconds();
  // While typing, a complete valid time counts at once (without a message),
  // so that "Übernehmen" is enabled before the focus moves on; otherwise the
  // reduced dialog's last field would lead only to "Abbrechen".
  void Typed();
  // "Übernehmen" is enabled only while all three flags hold.
  bool ApplyEnabled() const { return FromValid && ToValid && SecondsValid; }
  // The window the confirmed fields describe (end minute included).
  TFreeTimeEntry Window() const;

  TNoCostControl TakeFocus() {
    const TNoCostControl f = focus_;
    focus_ = TNoCostControl::None;
    return f;
  }

 private:
  TNoCostControl focus_ = TNoCostControl::None;
};

// The window dialog filled from a window (times only when seconds are hidden).
TNoCostEditForm NoCostEditFormFor(const TFreeTimeEntry& window, bool withSeconds = true);

}  // namespace dudode
