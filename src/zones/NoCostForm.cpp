#include "zones/NoCostForm.h"

#include <algorithm>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Values.h"
#include "zones/ClockField.h"

namespace dudode {

std::array<std::string, 3> NoCostRowTexts(const TFreeTimeEntry& window) {
  const std::string& sep = Regional().TimeSeparator;
  std::string seconds = NumberText(window.FreeSeconds);
  if (const auto dot = seconds.find('.'); dot != std::string::npos) {
    seconds.replace(dot, 1, Regional().DecimalSeparator);
  }
  return {TimeText(window.StartSec) + sep + "00 Uhr", TimeText(window.EndSec) + sep + "59 Uhr",
          seconds + " Sekunde(n)"};
}

std::string NoCostExplanation(bool secondsShown) {
  return secondsShown
             ? "Geben Sie an, zu welcher Zeit der Telefonanbieter kostenlose Telefongespäche anbietet."
             : "Geben Sie an, zu welcher Zeit der Telefonanbieter den Rabatt 10plus NICHT anbietet.";
}

void TNoCostEditForm::Open() {
  const TNoCostControl keep = focus_;
  if (CheckClockText(TimeFrom).State != TClockState::Blank) LeaveTimeFrom();
  if (CheckClockText(TimeTo).State != TClockState::Blank) LeaveTimeTo();
  // A window being changed brings its seconds: they count as checked, or
  // "Übernehmen" could never be reached without retyping them.
  SecondsValid = !SecondsShown || Seconds != 0;
  focus_ = keep;  // the window is not visible yet: nothing to return to
}

void TNoCostEditForm::LeaveTimeFrom() {
  FromValid = false;
  const TClockCheck check = CheckClockText(TimeFrom);
  if (check.State == TClockState::Blank) return;
  if (check.State == TClockState::Invalid) {
    ShowMessageBox(InvalidClockMessage(false), {}, mkFehler, mbOK);
    focus_ = TNoCostControl::TimeFrom;
    return;
  }
  TimeFrom = check.Text;
  FromValid = true;
}

void TNoCostEditForm::Typed() {
  // Only a field typed full counts; the leave check judges the rest.
  auto complete = [](const std::string& text) {
    return text.find(' ') == std::string::npos && CheckClockText(text).State == TClockState::Valid;
  };
  FromValid = complete(TimeFrom);
  ToValid = complete(TimeTo);
}

void TNoCostEditForm::LeaveTimeTo() {
  ToValid = false;
  const TClockCheck check = CheckClockText(TimeTo);
  if (check.State == TClockState::Blank) return;
  if (check.State == TClockState::Invalid) {
    ShowMessageBox(InvalidClockMessage(true), {}, mkFehler, mbOK);
    focus_ = TNoCostControl::TimeTo;
    return;
  }
  TimeTo = check.Text;
  ToValid = true;
}

void TNoCostEditForm::LeaveSeconds() {
  SecondsValid = Seconds != 0;
  if (!SecondsValid) {
    ShowMessageBox(
        "Die Angabe im Feld \"kostenlose Zeit\" ist ungültig. Der Wert muß größer 0 "
        "betragen.",
        {}, mkFehler, mbOK);
    focus_ = TNoCostControl::Seconds;
  }
}

TFreeTimeEntry TNoCostEditForm::Window() const {
  return {ClockSeconds(TimeFrom, false), ClockSeconds(TimeTo, true), SecondsShown ? Seconds : 0};
}

TNoCostEditForm NoCostEditFormFor(const TFreeTimeEntry& window, bool withSeconds) {
  TNoCostEditForm form;
  form.TimeFrom = TimeText(window.StartSec);
  form.TimeTo = TimeText(window.EndSec);
  form.Seconds = withSeconds ? window.FreeSeconds : 0;
  form.SecondsShown = withSeconds;
  return form;
}

}  // namespace dudode
