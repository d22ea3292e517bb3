#include "providers/ProviderForms.h"

#include <algorithm>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"
#include "zones/ClockField.h"

namespace dudode {
namespace {

constexpr const char* kDuplicateNameMessage = "Es existiert bereits ein Provider mit diesem Namen!";
constexpr const char* kPriceMessage =
    "Der Wert für 'Gebühr \"pro\" Zeittakt' muss immer größer bzw. gleich 0 betragen!";
// 9999:59:59, the most the field can hold.
constexpr std::uint32_t kMaxFreeHours = 9999u * 3600u + 59u * 60u + 59u;

// Latin-1 capitals (UTF-8 C3 80..C3 9E, without the multiplication sign)
// and ASCII capitals folded to small letters.
std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto& c = reinterpret_cast<unsigned char&>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<unsigned char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      auto& next = reinterpret_cast<unsigned char&>(out[++i]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) next = static_cast<unsigned char>(next + 0x20);
    }
  }
  return out;
}

std::string Utf8Of(char32_t ch) {
  std::string out;
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
  return out;
}

void PressAllDays(TWindowForm& form) {
  for (int code = kSunday; code <= kSaturday; ++code) form.DayPressed[static_cast<std::size_t>(code)] = true;
}

}  // namespace

bool IsDroppedProviderNameKey(char32_t ch) {
  return ch == U';' || ch == U',' || ch == U'&';
}

std::string CleanProviderName(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsDroppedProviderNameKey(static_cast<unsigned char>(c))) kept += c;
  }
  return LeftChars(TrimBlanks(kept), kMaxProviderNameChars);
}

bool SameProviderName(std::string_view a, std::string_view b) {
  return FoldCase(a) == FoldCase(b);
}

std::int32_t FreeHoursSeconds(std::string_view text) {
  return static_cast<std::int32_t>(std::min(ParseTimeText(text), kMaxFreeHours));
}

namespace {
// More hours than the field holds; also hours too long to be counted.
bool FreeHoursBeyondRange(std::string_view text) {
  const std::string s = RemoveBlanks(text);
  std::string_view hours = std::string_view(s).substr(0, s.find(Regional().TimeSeparator));
  while (!hours.empty() && hours.front() == '0') hours.remove_prefix(1);
  return hours.size() > 4 || ParseTimeText(s) > kMaxFreeHours;
}
}  // namespace

std::string FreeHoursKeyMessage(const std::string& timeSeparator) {
  return "Nur Ziffern und " + timeSeparator + " erlaubt.";
}

bool TProviderForm::CanApply() const {
  return !TrimBlanks(Name).empty();
}

void TProviderForm::LeaveName() {
  Name = CleanProviderName(Name);
}

void TProviderForm::LeaveFreeHours() {
  if (FreeHoursBeyondRange(FreeHoursText)) return;
  FreeHoursText = TimeTextLong(static_cast<std::uint32_t>(FreeHoursSeconds(FreeHoursText)));
}

void TProviderForm::SetEntryTiming(bool checked) {
  Options.EntryTiming = checked;
  if (checked) Options.Timing = Options.MinConnectTime = 0;
}

bool TProviderForm::Apply() {
  Confirmed = FreeHoursRefused = false;
  LeaveName();
  LeaveFreeHours();
  if (!CanApply()) return false;
  if (FreeHoursBeyondRange(FreeHoursText)) {
    ShowMessageBox("Bitte geben Sie höchstens " + TimeTextLong(kMaxFreeHours) + " Freistunden an.", {},
                   mkFehler, mbOK);
    FreeHoursRefused = true;
    return false;
  }
  for (const std::string& taken : TakenNames) {
    if (SameProviderName(CleanProviderName(taken), Name)) {
      ShowMessageBox(kDuplicateNameMessage, {}, mkFehler, mbOK);
      return false;
    }
  }
  Confirmed = true;
  return true;
}

TProviderOptions TProviderForm::Store(double currencyBase) const {
  TProviderOptionsForm options = Options;
  options.FreeHours = FreeHoursSeconds(FreeHoursText);
  return OptionsFromForm(options, currencyBase);
}

TProviderForm NewProviderForm(const TProviderList& providers) {
  TProviderForm form;
  for (const TProvider& provider : providers) form.TakenNames.push_back(provider.Name);
  return form;
}

TProviderForm EditProviderForm(const TProvider& provider, double currencyBase) {
  TProviderForm form;
  form.Name = provider.Name;
  form.Options = FormFromOptions(provider.Options, currencyBase);
  form.FreeHoursText = TimeTextLong(static_cast<std::uint32_t>(std::max(0, provider.Options.FreeHours)));
  return form;
}

void TWindowForm::Refuse(const std::string& message, TWindowControl focus) {
  ShowMessageBox(message, {}, mkFehler, mbOK);
  focus_ = focus;
}

void TWindowForm::LeaveTimeFrom() {
  const TClockCheck check = CheckClockText(TimeFrom);
  TimeFromValid = check.State == TClockState::Valid;
  if (check.State == TClockState::Invalid)
    return Refuse(InvalidClockMessage(false), TWindowControl::TimeFrom);
  if (TimeFromValid) TimeFrom = check.Text;
}

void TWindowForm::LeaveTimeTo() {
  const TClockCheck check = CheckClockText(TimeTo);
  TimeToValid = check.State == TClockState::Valid;
  if (check.State == TClockState::Invalid) return Refuse(InvalidClockMessage(true), TWindowControl::TimeTo);
  if (TimeToValid) TimeTo = check.Text;
}

void TWindowForm::LeaveTakt() {
  TaktValid = Takt != 0;
  if (!TaktValid) {
    Refuse("Der Betrag im Feld \"" + taktField_ + "\" muss größer 0 betragen!", TWindowControl::Takt);
  }
}

void TWindowForm::LeavePrice() {
  if (Price < 0) Refuse(kPriceMessage, TWindowControl::Price);
}

bool TWindowForm::Apply() {
  TimeToValid = TaktValid = false;
  LeaveTimeFrom();
  if (TimeFromValid) LeaveTimeTo();
  if (TimeFromValid && TimeToValid) LeaveTakt();
  Confirmed = TimeFromValid && TimeToValid && TaktValid;
  return Confirmed;
}

bool WindowTaktKey(char32_t ch, std::string_view currentText) {
  const std::string& sep = Regional().DecimalSeparator;
  if (ch >= U'0' && ch <= U'9') return true;
  const std::string typed = Utf8Of(ch);
  if (typed != sep && ch != U'.') {
    ShowMessageBox("Nur Ziffern und " + sep + " erlaubt.", {}, mkFehler, mbOK);
    return false;
  }
  if (currentText.find(sep) != std::string_view::npos) {
    ShowMessageBox("Nur Ziffern erlaubt. Die Angabe enthält bereits ein " + sep + ".", {}, mkFehler, mbOK);
    return false;
  }
  return true;
}

TWindowForm NewProvEntryForm() {
  return TWindowForm("Zeittakt");
}

TWindowForm EditProvEntryForm(const TProviderEntry& entry) {
  TWindowForm form("Zeittakt");
  form.TimeFrom = TimeText(static_cast<std::uint32_t>(entry.StartSec));
  form.TimeTo = TimeText(static_cast<std::uint32_t>(entry.EndSec));
  form.Takt = entry.Takt;
  form.Price = entry.Price;
  return form;
}

TProviderEntry StoreProvEntry(const TWindowForm& form) {
  TProviderEntry entry;
  entry.StartSec = static_cast<std::int32_t>(ClockSeconds(form.TimeFrom, false));
  entry.EndSec = static_cast<std::int32_t>(ClockSeconds(form.TimeTo, true));
  entry.Takt = form.Takt;
  entry.Price = form.Price;
  return entry;
}

TWindowForm NewRangeForm() {
  TWindowForm form("Taktung");
  PressAllDays(form);
  return form;
}

TWindowForm EditRangeForm(const TFreeHoursRange& range) {
  TWindowForm form("Taktung");
  form.TimeFrom = TimeText(static_cast<std::uint32_t>(range.StartSec));
  form.TimeTo = TimeText(static_cast<std::uint32_t>(range.EndSec));
  form.Takt = range.Takt;
  for (int code = kSunday; code <= kSaturday; ++code)
    form.DayPressed[static_cast<std::size_t>(code)] = HasDay(range.Days, code);
  return form;
}

TFreeHoursRange StoreRange(const TWindowForm& form, TDaySet previousDays) {
  TFreeHoursRange range;
  range.StartSec = static_cast<std::int32_t>(ClockSeconds(form.TimeFrom, false));
  range.EndSec = static_cast<std::int32_t>(ClockSeconds(form.TimeTo, false));
  range.Takt = form.Takt;
  range.Days = previousDays & DayBit(kHoliday);
  for (int code = kSunday; code <= kSaturday; ++code) {
    if (form.DayPressed[static_cast<std::size_t>(code)]) range.Days |= DayBit(code);
  }
  return range;
}

std::string IntervalText(double seconds) {
  std::string number = NumberText(seconds);
  if (const auto dot = number.find('.'); dot != std::string::npos) {
    number.replace(dot, 1, Regional().DecimalSeparator);
  }
  return number + " Sekunde(n)";
}

TRangeColumns RangeColumns(const TFreeHoursRange& range) {
  return {TimeTextLong(static_cast<std::uint32_t>(range.StartSec)) + " - " +
              TimeTextLong(static_cast<std::uint32_t>(range.EndSec) + 59) + " Uhr",
          IntervalText(range.Takt), WeekdayNames(range.Days)};
}

void SortRanges(TFreeHoursRangeArray& ranges) {
  std::stable_sort(ranges.begin(), ranges.end(), [](const TFreeHoursRange& a, const TFreeHoursRange& b) {
    return RangeColumns(a)[0] < RangeColumns(b)[0];
  });
}

}  // namespace dudode
