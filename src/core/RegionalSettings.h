#pragma once
// The user's regional settings as the program sees them. German by default;
// the editor fills them once at start-up, tests and the command line keep the
// German values so that results do not depend on the machine.
#include <array>
#include <string>

namespace dudode {

struct RegionalSettings {
  std::string TimeSeparator = ":";
  std::string DateSeparator = ".";
  std::string DecimalSeparator = ",";
  std::string ThousandSeparator = ".";
  std::string CurrencySymbol = "€";
  // 0: symbol and number joined, 1: number and symbol joined,
  // 2: symbol, blank, number, 3: number, blank, symbol.
  int CurrencyFormat = 3;
  int CurrencyDecimals = 2;
  std::string ShortDateFormat = "dd.MM.yyyy";
  std::array<std::string, 12> LongMonthNames = {"Januar",    "Februar", "März",     "April",
                                                "Mai",       "Juni",    "Juli",     "August",
                                                "September", "Oktober", "November", "Dezember"};
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  // Sunday first, as the day codes count.
  std::array<std::string, 7> LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                             "Donnerstag", "Freitag", "Samstag"};
  std::array<std::string, 7> ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

  static RegionalSettings German() { return {}; }
};

// The settings in force for the whole program.
const RegionalSettings& Regional();
void SetRegional(const RegionalSettings& settings);

}  // namespace dudode
