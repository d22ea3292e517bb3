#include "tools/TarifOptions.h"

#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidDate(int year, int month, int day) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  const int days = kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
  return day <= days;
}

std::string DateText(int year, int month, int day) {
  const std::string& sep = Regional().DateSeparator;
  return TwoDigitText(day) + sep + TwoDigitText(month) + sep + FourDigitText(year);
}

// A number made of digits only (no sign, no blanks).
bool DigitsValue(std::string_view text, int& value) {
  if (text.empty()) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

TTarifOptions OptionsOf(const TTarifFile& document) {
  TTarifOptions o;
  o.Description = document.Description;
  o.BaseConnectPrice = document.BaseConnectPrice;
  o.Price = document.Price;
  o.Takt = document.Takt;
  o.CityWeekend = document.CityWeekend;
  o.AccessCode = document.AccessCode;
  o.WWW = document.WWW;
  o.Hotline = document.Hotline;
  o.EMail = document.EMail;
  o.Comment = document.Comment;
  o.Copyright = document.Copyright;
  return o;
}

void ApplyOptions(TTarifFile& document, const TTarifOptions& o) {
  document.Description = TrimBlanks(o.Description);
  document.BaseConnectPrice = o.BaseConnectPrice;
  document.Price = o.Price;
  document.CityWeekend = o.CityWeekend;
  document.Takt = o.Takt;
  document.WWW = TrimBlanks(o.WWW);
  document.Hotline = TrimBlanks(o.Hotline);
  document.Comment = TrimBlanks(o.Comment);
  document.EMail = TrimBlanks(o.EMail);
  document.Copyright = TrimBlanks(o.Copyright);
  document.Modified = true;
  document.AccessCode = NetworkCodeForStorage(o.AccessCode);
}

std::string NetworkCodeForStorage(std::string_view code) {
  std::string trimmed = TrimBlanks(code);
  if (!trimmed.empty() && trimmed.front() != '0') trimmed.insert(trimmed.begin(), '0');
  return trimmed;
}

bool IsMissingFileName(std::string_view name) {
  const std::string trimmed = TrimBlanks(name);
  return trimmed.empty() || trimmed == kUnknownDescription;
}

std::string LastUpdateDisplay(std::string_view fileDate, const TDateTime& today) {
  std::string digits;
  for (char c : fileDate) {
    if (c != '/') digits += c;
  }
  if (digits.empty()) {
    digits = TwoDigitText(today.Month) + TwoDigitText(today.Day) + FourDigitText(today.Year);
  }
  int year = 0, month = 0, day = 0;
  if (digits.size() >= 8 && DigitsValue(std::string_view(digits).substr(4, 4), year) &&
      DigitsValue(std::string_view(digits).substr(0, 2), month) &&
      DigitsValue(std::string_view(digits).substr(2, 2), day) && IsValidDate(year, month, day)) {
    return DateText(year, month, day);
  }
  return DateText(today.Year, today.Month, today.Day);
}

bool PriceKeyAllowed(std::string_view character) {
  if (character.size() == 1 && character[0] >= '0' && character[0] <= '9') return true;
  return character == "." || character == "\b" || character == Regional().DecimalSeparator;
}

std::string PriceKeyMessage() {
  return "Nur Ziffern von \"0\" .. \"9\" und \"" + Regional().DecimalSeparator + "\" erlaubt!";
}

bool IsCommentCharacter(std::string_view character) {
  return character == ";";
}

}  // namespace dudode
