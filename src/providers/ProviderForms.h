#pragma once
// What the provider editor's dialogs show and check, without any widget: the
// provider dialog's name, free hours and options, and the time window form
// shared by the entry dialog and the free-hours range dialog. The dialogs copy
// their widgets into a form, call a check, and show the form again.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "providers/Provider.h"
#include "zones/EntryForm.h"

namespace dudode {

// The characters a provider name cannot hold: they would break its PROVIDER
// line. They are dropped when typed and removed from pasted text.
bool IsDroppedProviderNameKey(char32_t ch);
// The name as stored: without those characters, without outer blanks, at
// most 100 characters.
std::string CleanProviderName(std::string_view text);
// Names compared as the user sees them: without regard to case, umlauts too.
bool SameProviderName(std::string_view a, std::string_view b);

// "Anzahl Freistunden": hours (up to four digits), minutes and seconds.
std::int32_t FreeHoursSeconds(std::string_view text);
// The message for a key the free hours cannot take.
std::string FreeHoursKeyMessage(const std::string& timeSeparator);

class TProviderForm {
 public:
  std::string Name;
  std::string FreeHoursText = "00:00:00";
  TProviderOptionsForm Options;
  // Names a new provider must not take; empty when a provider is edited
  // (a rename to another provider's name is allowed).
  std::vector<std::string> TakenNames;
  bool Confirmed = false;
  // Apply refused the free hours: they get the focus.
  bool FreeHoursRefused = false;

  // "Übernehmen" is enabled only with a name.
  bool CanApply() const;
  void LeaveName();
  // Shows the free hours normalised (00:90:00 becomes 01:30:00); more than
  // the field holds stays as typed, for Apply to refuse.
  void LeaveFreeHours();
  // Ticking the box clears both billing fields.
  void SetEntryTiming(bool checked);
  // Refuses free hours beyond the range and a taken name with a message; the
  // dialog then stays open.
  bool Apply();
  // The option record the confirmed form describes.
  TProviderOptions Store(double currencyBase) const;
};

// A new provider: every field at its default, no free-hours ranges.
TProviderForm NewProviderForm(const TProviderList& providers);
TProviderForm EditProviderForm(const TProvider& provider, double currencyBase);

enum class TWindowControl { None, TimeFrom, TimeTo, Takt, Price };

// A time window with its billing interval: a tariff entry (with its price)
// or a free-hours range (with its days).
class TWindowForm {
 public:
  explicit TWindowForm(std::string taktField) : taktField_(std::move(taktField)) {}

  std::string TimeFrom;  // HH, time separator, MM; blank when empty
  std::string TimeTo;
  double Takt = 60;
  double Price = 0;
  std::array<bool, 8> DayPressed{};  // by day code 1..7; [0] unused
  bool TimeFromValid = false;
  bool TimeToValid = false;
  bool TaktValid = false;
  bool Confirmed = false;

  void LeaveTimeFrom();
  void LeaveTimeTo();
  void LeaveTakt();
  void LeavePrice();
  // "Übernehmen": von, then bis, then the interval, each only after the one
  // before was valid. A blank time refuses without a message.
  bool Apply();

  TWindowControl TakeFocus() {
    const TWindowControl f = focus_;
    focus_ = TWindowControl::None;
    return f;
  }

 private:
  void Refuse(const std::string& message, TWindowControl focus);
  std::string taktField_;
  TWindowControl focus_ = TWindowControl::None;
};

// "Zeittakt" / "Taktung" keys: digits and one decimal separator; "." stands for
// the decimal separator (the number field writes it). Refusals show their
// message; true lets the key through.
bool WindowTaktKey(char32_t ch, std::string_view currentText);

// Tariff entries of a provider.
TWindowForm NewProvEntryForm();
TWindowForm EditProvEntryForm(const TProviderEntry& entry);
TProviderEntry StoreProvEntry(const TWindowForm& form);

// Free-hours ranges: a new one has every day button down. Storing keeps the
// holiday code of the edited range, which has no button.
TWindowForm NewRangeForm();
TWindowForm EditRangeForm(const TFreeHoursRange& range);
TFreeHoursRange StoreRange(const TWindowForm& form, TDaySet previousDays = 0);

// An interval as the editor shows it: "60,0000 Sekunde(n)".
std::string IntervalText(double seconds);

// The free-hours range list: one line per range, kept sorted by its first
// column ("18:00:00 - 07:59:59 Uhr").
using TRangeColumns = std::array<std::string, 3>;
TRangeColumns RangeColumns(const TFreeHoursRange& range);
void SortRanges(TFreeHoursRangeArray& ranges);

}  // namespace dudode
