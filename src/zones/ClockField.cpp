#include "zones/ClockField.h"

#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {

TClockCheck CheckClockText(std::string_view text, bool endOfWindow) {
  const std::string& sep = Regional().TimeSeparator;
  const std::size_t at = sep.empty() ? std::string_view::npos : text.find(sep);
  const std::string_view hoursText = text.substr(0, at);
  const std::string_view minutesText =
      at == std::string_view::npos ? std::string_view() : text.substr(at + sep.size(), 2);
  const std::string rest =
      at == std::string_view::npos ? std::string() : std::string(text.substr(at + sep.size()));
  if (RemoveBlanks(hoursText).empty() && RemoveBlanks(rest).empty())
    return {TClockState::Blank, std::string(text)};

  bool okHours = false;
  bool okMinutes = false;
  int hours = ParseInteger(TrimBlanks(hoursText), &okHours);
  int minutes = ParseInteger(TrimBlanks(minutesText), &okMinutes);
  if (!okHours || !okMinutes) return {TClockState::Invalid, std::string(text)};
  if (endOfWindow && minutes == 0) {
    minutes = 59;
    --hours;
    if (hours < 0 || hours > 24) hours = 23;
  }
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
    return {TClockState::Invalid, std::string(text)};
  return {TClockState::Valid, TwoDigitText(hours) + sep + TwoDigitText(minutes)};
}

std::string InvalidClockMessage(bool endField) {
  return std::string("Ungültige Uhrzeit im Feld \"") + (endField ? "Bis" : "Von") +
         "\". Uhrzeit in der Form HH" + Regional().TimeSeparator + "MM angeben.";
}

std::uint32_t ClockSeconds(std::string_view text, bool endOfWindow) {
  return ParseTimeText(std::string(text) + Regional().TimeSeparator + (endOfWindow ? "59" : "00"));
}

}  // namespace dudode
