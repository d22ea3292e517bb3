#pragma once
// The check of a time field (hours, time separator, minutes) when it is left,
// shared by the entry dialog and the no-cost window dialog.
#include <cstdint>
#include <string>
#include <string_view>

namespace dudode {

enum class TClockState { Blank, Invalid, Valid };

struct TClockCheck {
  TClockState State = TClockState::Blank;
  std::string Text;  // when valid: two-digit hours, time separator, two-digit minutes
};

// Blank: nothing but blanks and the separator. endOfWindow applies the
// adjustment of an end time: a full hour becomes the minute before it
// (18:00 -> 17:59), and an hour that then falls outside 0..24 becomes 23.
TClockCheck CheckClockText(std::string_view text, bool endOfWindow = false);

// "Ungültige Uhrzeit im Feld "Von". ..." / "... "Bis". ..."
std::string InvalidClockMessage(bool endField);

// Seconds of a checked field's text: start with :00 added, end with :59.
std::uint32_t ClockSeconds(std::string_view text, bool endOfWindow);

}  // namespace dudode
