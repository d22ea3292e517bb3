#pragma once
// What the entry dialog shows and checks, without any widget: the field
// texts and values, the check boxes and day buttons with their enabled and
// shown states, the six field flags and the confirmed flag. The dialog copies
// its widgets into the form, calls a check or a click effect, and shows the
// form again; every rule and every message lives here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/TarifFile.h"

namespace dudode {

// The controls the form can send the focus to.
enum class TEntryControl { None, TimeFrom, TimeTo, Takt, Units, UnitsToAdd, Price, Name, DateFrom, DateTo };

// Day codes of the buttons: 1 So, 2 Mo ... 7 Sa (8, the holiday, has none).
inline constexpr int kSunday = 1;
inline constexpr int kMonday = 2;
inline constexpr int kFriday = 6;
inline constexpr int kSaturday = 7;
inline constexpr int kHoliday = 8;

// The day set a list's entries get when they are copied into it: Mo to Fr
// (124) or Sa and So (130).
TDaySet DayClassDays(TDayClass dayClass);
// "Werktag" or "Sa./So./Feiertag".
std::string DayClassName(TDayClass dayClass);

class TEntryForm {
 public:
  TDayClass DayClass = TDayClass::Werktag;

  std::string TimeFrom;  // hours, time separator, minutes; blank when empty
  std::string TimeTo;
  double Takt = 0;
  double Units = 0;       // "Anzahl Einheiten" of a fixed-unit entry
  double UnitsToAdd = 0;  // units at the start of a connection
  double Price = 0;
  std::string Name;
  std::string DateFrom;  // DD.MM. with the locale's date separator
  std::string DateTo;

  bool OnlyUnits = false;
  bool Holiday = false;  // "nur an gesetzlichen Feiertagen gültig"
  bool CityWeekend = false;
  bool CityPlus = false;
  bool OnlyUnitsEnabled = true;
  bool HolidayEnabled = true;
  bool CityWeekendEnabled = true;
  bool CityPlusEnabled = true;
  bool UnitsToAddEnabled = true;
  bool NameEnabled = true;
  bool DatesEnabled = true;
  bool DatesShown = true;
  std::array<bool, 8> DayPressed{};  // by day code 1..7; [0] unused
  std::array<bool, 8> DayEnabled{true, true, true, true, true, true, true, true};

  bool TaktOrUnitsValid = false;
  bool TimeFromValid = false;
  bool TimeToValid = false;
  bool NameValid = false;
  bool DateFromValid = false;
  bool DateToValid = false;
  bool Confirmed = false;

  // The list's mode shows Mo..Fr (Werktag) or Sa, So and the holiday and
  // CityWeekend boxes (SaSo).
  bool DayShown(int code) const;
  bool HolidayShown() const { return DayClass == TDayClass::SaSo; }
  bool CityWeekendShown() const { return DayClass == TDayClass::SaSo; }
  bool AnySpecial() const { return Holiday || CityWeekend || CityPlus; }

  // Check box clicks (also when a caller checks a box).
  void SetOnlyUnits(bool checked);
  void SetHoliday(bool checked);
  void SetCityWeekend(bool checked);
  void SetCityPlus(bool checked);
  void PressDay(int code, bool pressed) { DayPressed[static_cast<std::size_t>(code)] = pressed; }

  // The dialog opens: flags cleared, special states applied, focus on the price.
  void Open();

  // Checks when a field is left. A check that refuses shows its message and
  // asks for the focus back (TakeFocus).
  void LeaveTimeFrom();
  void LeaveTimeTo();
  void LeaveTakt();
  void LeaveUnits();
  void LeaveName();
  void LeaveDateFrom();
  void LeaveDateTo();
  void LeavePrice();

  // "Übernehmen": the final check in its fixed order. Returns Confirmed.
  bool Apply();

  // Where the focus has to go after the last call; None leaves it alone.
  TEntryControl TakeFocus() {
    const TEntryControl f = focus_;
    focus_ = TEntryControl::None;
    return f;
  }

 private:
  void ApplyOnlyUnitsEffects();
  void HideDates(const char* code);
  void ShowBlankDates();
  void SetAllDays(bool enabled, bool pressed);
  void Refuse(const std::string& message, TEntryControl focus);

  TEntryControl focus_ = TEntryControl::None;
};

// A new entry for the list: the file's default price and clock interval,
// valid 01.01. to 31.12., the mode's day buttons pressed.
TEntryForm NewEntryForm(const TTarifFile& document, TDayClass dayClass);
// The form filled from an existing entry of the list.
TEntryForm EditEntryForm(const TTarifEntry& entry, TDayClass dayClass);
// The entry that a confirmed form describes, with the zone's values. The
// clock interval is kept as entered.
TTarifEntry StoreEntryForm(const TEntryForm& form, const TKeyAndName& zone);

// Key filters of the entry dialog. Control characters (Backspace, Escape,
// Enter, shortcuts) are not filtered here.
// Times, name, dates, check boxes and unit fields drop ";", "," and "/".
bool IsDroppedEntryKey(char32_t ch);

// The clock interval: digits and one decimal separator; "." stands for the
// decimal separator (the number field writes it). Refusals show their
// message; true lets the key through.
bool TaktKey(char32_t ch, std::string_view currentText);
// The price: digits, "." and the decimal separator.
bool PriceKey(char32_t ch);

}  // namespace dudode
