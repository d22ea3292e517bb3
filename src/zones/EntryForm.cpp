#include "zones/EntryForm.h"

#include <cmath>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"
#include "zones/ClockField.h"

namespace dudode {
namespace {

constexpr const char* kNoDaysMessage =
    "Bitte legen Sie die Wochentage fest, an denen dieser Tarif gelten soll!";
constexpr const char* kTaktMessage = "Die Angabe im Feld Takt ist ungültig. Der Wert muss größer 0 betragen.";
constexpr const char* kUnitsMessage = "Die Angabe im Feld \"Anzahl Einheiten\" ist nicht korrekt!";
constexpr const char* kNameSeparatorMessage = "Der Tarifname darf kein \";\" und kein \",\" enthalten!";
constexpr const char* kNameReservedMessage =
    "Der Tarifname darf das reservierte Wort \"CityPlus\" nicht enthalten!";
constexpr const char* kDateMessage = "Das eingegebene Datum ist nicht korrekt!";
constexpr const char* kPriceMessage =
    "Der Wert für den Preis einer Einheit muss immer größer bzw. gleich 0 betragen!";
constexpr const char* kTimesMessage =
    "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!";
constexpr const char* kDatesMessage =
    "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!";
constexpr const char* kIncompleteMessage = "Nicht alle Felder sind korrekt ausgefüllt!";

constexpr const char* kCityWeekendName = "CityWeekend";
constexpr const char* kCityPlusName = "CityPlus";

// A validity date of the dialog (DD.MM.), checked in the leap year 1996 so
// that 29.02. counts.
struct TDayMonth {
  int Day = 0;
  int Month = 0;
  bool Valid = false;
};

TDayMonth ParseDayMonth(std::string_view text) {
  const std::string s = RemoveBlanks(text);
  if (CharCount(s) != 6) return {};
  bool okDay = false;
  bool okMonth = false;
  const int day = ParseInteger(MidChars(s, 0, 2), &okDay);
  const int month = ParseInteger(MidChars(s, 3, 2), &okMonth);
  static constexpr int kDaysIn1996[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (!okDay || !okMonth || month < 1 || month > 12 || day < 1 || day > kDaysIn1996[month - 1]) return {};
  return {day, month, true};
}

std::string DayMonthText(int day, int month) {
  const std::string& sep = Regional().DateSeparator;
  return TwoDigitText(day) + sep + TwoDigitText(month) + sep;
}

// The special code as the hidden date fields show it: 9999 -> 99.99.
std::string CodeDateText(const char* code) {
  const std::string& sep = Regional().DateSeparator;
  const std::string c(code);
  return c.substr(0, 2) + sep + c.substr(2, 2) + sep;
}

char32_t FirstCodePoint(const std::string& text) {
  if (text.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(text[0]);
  if (b0 < 0x80) return b0;
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : 1;
  char32_t cp = b0 & (0x3F >> extra);
  for (int i = 1; i <= extra && i < static_cast<int>(text.size()); ++i) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) & 0x3F);
  }
  return cp;
}

bool IsDigit(char32_t ch) {
  return ch >= U'0' && ch <= U'9';
}

}  // namespace

TDaySet DayClassDays(TDayClass dayClass) {
  TDaySet set = 0;
  if (dayClass == TDayClass::Werktag) {
    for (int code = kMonday; code <= kFriday; ++code) set |= DayBit(code);
  } else {
    set = DayBit(kSunday) | DayBit(kSaturday);
  }
  return set;
}

std::string DayClassName(TDayClass dayClass) {
  return dayClass == TDayClass::Werktag ? "Werktag" : "Sa./So./Feiertag";
}

bool TEntryForm::DayShown(int code) const {
  const bool weekend = code == kSunday || code == kSaturday;
  return DayClass == TDayClass::Werktag ? !weekend : weekend;
}

void TEntryForm::SetAllDays(bool enabled, bool pressed) {
  for (int code = kSunday; code <= kSaturday; ++code) {
    DayEnabled[static_cast<std::size_t>(code)] = enabled;
    DayPressed[static_cast<std::size_t>(code)] = pressed;
  }
}

void TEntryForm::HideDates(const char* code) {
  DatesEnabled = false;
  DatesShown = false;
  DateFrom = CodeDateText(code);
  DateTo = DateFrom;
  DateFromValid = true;
  DateToValid = true;
}

void TEntryForm::ShowBlankDates() {
  DatesEnabled = true;
  DatesShown = true;
  DateFrom.clear();
  DateTo.clear();
  DateFromValid = false;
  DateToValid = false;
  focus_ = TEntryControl::DateFrom;
}

void TEntryForm::ApplyOnlyUnitsEffects() {
  if (OnlyUnits) {
    CityWeekendEnabled = false;
    CityPlusEnabled = false;
    CityWeekend = false;
    CityPlus = false;
    UnitsToAddEnabled = false;
    UnitsToAdd = 0;
  } else {
    UnitsToAddEnabled = true;
    if (!Holiday) {
      CityWeekendEnabled = true;
      CityPlusEnabled = true;
      CityWeekend = false;
      CityPlus = false;
    }
  }
}

void TEntryForm::SetOnlyUnits(bool checked) {
  OnlyUnits = checked;
  ApplyOnlyUnitsEffects();
}

void TEntryForm::SetHoliday(bool checked) {
  Holiday = checked;
  if (checked) {
    HideDates(kHolidayOnlyCode);
    CityWeekend = false;
    CityPlus = false;
    CityWeekendEnabled = false;
    CityPlusEnabled = false;
    SetAllDays(false, false);
  } else {
    ShowBlankDates();
    CityWeekendEnabled = true;
    CityPlusEnabled = true;
    SetAllDays(true, false);
  }
}

void TEntryForm::SetCityWeekend(bool checked) {
  CityWeekend = checked;
  if (checked) {
    HideDates(kCityWeekendCode);
    Name = kCityWeekendName;
    CityPlus = false;
    HolidayEnabled = false;
    CityPlusEnabled = false;
    OnlyUnitsEnabled = false;
    SetAllDays(false, false);
    PressDay(kSaturday, true);
    PressDay(kSunday, true);
  } else {
    ShowBlankDates();
    Name.clear();
    HolidayEnabled = true;
    CityPlusEnabled = true;
    OnlyUnitsEnabled = true;
    SetAllDays(true, false);
  }
}

void TEntryForm::SetCityPlus(bool checked) {
  CityPlus = checked;
  if (checked) {
    HideDates(kCityPlusCode);
    Name = kCityPlusName;
    NameEnabled = false;
    CityWeekend = false;
    HolidayEnabled = false;
    CityWeekendEnabled = false;
    OnlyUnitsEnabled = false;
    SetAllDays(true, true);
  } else {
    ShowBlankDates();
    Name.clear();
    NameEnabled = true;
    HolidayEnabled = true;
    CityWeekendEnabled = true;
    OnlyUnitsEnabled = true;
    SetAllDays(true, false);
  }
}

void TEntryForm::Open() {
  TaktOrUnitsValid = TimeFromValid = TimeToValid = NameValid = DateFromValid = DateToValid = Confirmed =
      false;
  if (Name == kCityPlusName) NameEnabled = false;
  if (AnySpecial()) {
    DateFromValid = DateToValid = true;
    DatesEnabled = false;
    DatesShown = false;
  }
  if (CityWeekend || Holiday) {
    for (int code = kSunday; code <= kSaturday; ++code) DayEnabled[static_cast<std::size_t>(code)] = false;
    if (CityWeekend) {
      PressDay(kSaturday, true);
      PressDay(kSunday, true);
    }
  }
  if (!CityWeekend && !CityPlus) ApplyOnlyUnitsEffects();
  focus_ = TEntryControl::Price;
}

void TEntryForm::Refuse(const std::string& message, TEntryControl focus) {
  ShowMessageBox(message, {}, mkFehler, mbOK);
  focus_ = focus;
}

void TEntryForm::LeaveTimeFrom() {
  TimeFromValid = false;
  const TClockCheck check = CheckClockText(TimeFrom);
  if (check.State == TClockState::Blank) return;
  if (check.State == TClockState::Invalid) return Refuse(InvalidClockMessage(false), TEntryControl::TimeFrom);
  TimeFrom = check.Text;
  TimeFromValid = true;
}

void TEntryForm::LeaveTimeTo() {
  TimeToValid = false;
  const TClockCheck check = CheckClockText(TimeTo, true);
  if (check.State == TClockState::Blank) return;
  if (check.State == TClockState::Invalid) return Refuse(InvalidClockMessage(true), TEntryControl::TimeTo);
  TimeTo = check.Text;
  TimeToValid = true;
}

void TEntryForm::LeaveTakt() {
  TaktOrUnitsValid = Takt != 0;
  if (!TaktOrUnitsValid) Refuse(kTaktMessage, TEntryControl::Takt);
}

void TEntryForm::LeaveUnits() {
  TaktOrUnitsValid = Units > 0 && Units <= 999;
  if (!TaktOrUnitsValid) Refuse(kUnitsMessage, TEntryControl::Units);
}

void TEntryForm::LeaveName() {
  Name = TrimBlanks(Name);
  NameValid = false;
  if (Name.empty()) return;
  if (Name.find_first_of(";,") != std::string::npos)
    return Refuse(kNameSeparatorMessage, TEntryControl::Name);
  if (NameEnabled && Name.find(kCityPlusName) != std::string::npos) {
    return Refuse(kNameReservedMessage, TEntryControl::Name);
  }
  NameValid = true;
}

void TEntryForm::LeaveDateFrom() {
  DateFromValid = false;
  if (CharCount(RemoveBlanks(DateFrom)) != 6) return;
  const TDayMonth date = ParseDayMonth(DateFrom);
  if (!date.Valid) return Refuse(kDateMessage, TEntryControl::DateFrom);
  DateFrom = DayMonthText(date.Day, date.Month);
  DateFromValid = true;
}

void TEntryForm::LeaveDateTo() {
  DateToValid = false;
  if (CharCount(RemoveBlanks(DateTo)) != 6) return;
  const TDayMonth date = ParseDayMonth(DateTo);
  if (!date.Valid) return Refuse(kDateMessage, TEntryControl::DateTo);
  DateTo = DayMonthText(date.Day, date.Month);
  DateToValid = true;
}

void TEntryForm::LeavePrice() {
  if (Price < 0) Refuse(kPriceMessage, TEntryControl::Price);
}

bool TEntryForm::Apply() {
  Confirmed = false;
  bool daysSet = false;
  if (DayClass == TDayClass::Werktag) {
    for (int code = kMonday; code <= kFriday; ++code)
      daysSet = daysSet || DayPressed[static_cast<std::size_t>(code)];
  } else {
    if (Holiday) {
      PressDay(kSaturday, true);
      PressDay(kSunday, true);
    }
    daysSet = DayPressed[kSaturday] || DayPressed[kSunday];
  }
  if (!daysSet) {
    ShowMessageBox(kNoDaysMessage, {}, mkFehler, mbOK);
    return false;
  }

  LeaveTimeFrom();
  if (TimeFromValid) LeaveTimeTo();
  const bool timesValid = TimeFromValid && TimeToValid;
  if (timesValid) {
    if (OnlyUnits) {
      LeaveUnits();
    } else {
      LeaveTakt();
    }
  }
  if (TaktOrUnitsValid && timesValid) LeaveName();
  if (!AnySpecial() && TaktOrUnitsValid && timesValid && NameValid) {
    LeaveDateFrom();
    if (DateFromValid) LeaveDateTo();
  }

  // No window may run across midnight.
  if (timesValid && ClockSeconds(TimeTo, true) <= ClockSeconds(TimeFrom, false)) {
    TimeFromValid = TimeToValid = false;
    Refuse(kTimesMessage, TEntryControl::TimeFrom);
    return false;
  }
  if (!AnySpecial() && DateFromValid && DateToValid) {
    const TDayMonth from = ParseDayMonth(DateFrom);
    const TDayMonth to = ParseDayMonth(DateTo);
    if (!from.Valid || !to.Valid || to.Month < from.Month || (to.Month == from.Month && to.Day < from.Day)) {
      DateFromValid = DateToValid = false;
      Refuse(kDatesMessage, TEntryControl::DateFrom);
      return false;
    }
  }

  Confirmed = TaktOrUnitsValid && TimeFromValid && TimeToValid && NameValid && DateFromValid && DateToValid;
  if (!Confirmed) ShowMessageBox(kIncompleteMessage, {}, mkFehler, mbOK);
  return Confirmed;
}

TEntryForm NewEntryForm(const TTarifFile& document, TDayClass dayClass) {
  TEntryForm form;
  form.DayClass = dayClass;
  form.Price = document.Price;
  form.Takt = document.Takt;
  form.UnitsToAdd = 0;
  form.DateFrom = DayMonthText(1, 1);
  form.DateTo = DayMonthText(31, 12);
  const TDaySet days = DayClassDays(dayClass);
  for (int code = kSunday; code <= kSaturday; ++code) form.PressDay(code, HasDay(days, code));
  return form;
}

TEntryForm EditEntryForm(const TTarifEntry& entry, TDayClass dayClass) {
  TEntryForm form;
  form.DayClass = dayClass;
  form.TimeFrom = TimeText(entry.StartSec);
  form.TimeTo = TimeText(entry.EndSec);
  form.Name = entry.Name;
  if (entry.Units != 0 && entry.Takt == 0) {
    form.SetOnlyUnits(true);
    form.Units = entry.Units;
  } else if (entry.Units == 0) {
    form.Takt = entry.Takt;
  } else {
    form.Takt = entry.Takt;
    form.UnitsToAdd = entry.Units;
  }
  form.Price = entry.PricePerUnit;
  if (entry.DateFrom == kHolidayOnlyCode) {
    form.SetHoliday(true);
  } else if (entry.DateFrom == kCityWeekendCode) {
    form.SetCityWeekend(true);
  } else if (entry.DateFrom == kCityPlusCode) {
    form.SetCityPlus(true);
  } else {
    form.DateFrom = LeftChars(DateDisplay(entry.DateFrom), 6);
    form.DateTo = LeftChars(DateDisplay(entry.DateTo), 6);
  }
  // Buttons are only pressed here, never released.
  for (int code = kSunday; code <= kSaturday; ++code) {
    if (HasDay(entry.Weekdays, code)) form.PressDay(code, true);
  }
  return form;
}

TTarifEntry StoreEntryForm(const TEntryForm& form, const TKeyAndName& zone) {
  TTarifEntry entry;
  if (form.OnlyUnits) {
    entry.Takt = 0;
    entry.Units = static_cast<std::int32_t>(std::lround(form.Units));
  } else {
    entry.Takt = form.Takt;
    entry.Units = static_cast<std::int32_t>(std::lround(form.UnitsToAdd));
  }
  entry.PricePerUnit = form.Price;
  entry.Name = LeftChars(form.Name, kMaxEntryNameChars);
  entry.StartSec = ClockSeconds(form.TimeFrom, false);
  entry.EndSec = ClockSeconds(form.TimeTo, true);
  entry.DateFrom = StripDateSeparator(form.DateFrom);
  entry.DateTo = StripDateSeparator(form.DateTo);
  entry.CalcTakt = zone.CalcTakt;
  entry.FirstSecond = zone.FirstSecond;
  entry.ZoneConnectPrice = zone.ConnectPrice;
  entry.ZoneMonthlyFee = zone.MonthlyFee;
  const TDaySet stored = DayClassDays(form.DayClass);
  for (int code = kSunday; code <= kSaturday; ++code) {
    if (HasDay(stored, code) && form.DayPressed[static_cast<std::size_t>(code)])
      entry.Weekdays |= DayBit(code);
  }
  if (form.DayClass == TDayClass::SaSo && form.Holiday && entry.DateFrom == kHolidayOnlyCode) {
    entry.Weekdays |= DayBit(kHoliday);
  }
  return entry;
}

bool IsDroppedEntryKey(char32_t ch) {
  return ch == U';' || ch == U',' || ch == U'/';
}

bool TaktKey(char32_t ch, std::string_view currentText) {
  const std::string& sepText = Regional().DecimalSeparator;
  const char32_t sep = FirstCodePoint(sepText);
  if (IsDigit(ch)) return true;
  if (ch != sep && ch != U'.') {
    ShowMessageBox("Nur Ziffern und " + sepText + " erlaubt.", {}, mkFehler, mbOK);
    return false;
  }
  if (currentText.find(sepText) != std::string_view::npos) {
    ShowMessageBox("Nur Ziffern erlaubt. Die Angabe enthaelt bereits ein " + sepText + ".", {}, mkFehler,
                   mbOK);
    return false;
  }
  return true;
}

bool PriceKey(char32_t ch) {
  const std::string& sepText = Regional().DecimalSeparator;
  const char32_t sep = FirstCodePoint(sepText);
  // A "." stands for the decimal separator, as in the other number fields.
  if (IsDigit(ch) || ch == sep || ch == U'.') return true;
  ShowMessageBox("Nur Ziffern von \"0\" .. \"9\" und \"" + sepText + "\" erlaubt!", {}, mkFehler, mbOK);
  return false;
}

}  // namespace dudode
