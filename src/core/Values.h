#pragma once
// Small free functions that turn times, dates, day sets, area sets and prices
// into text and back, clean values read from files and name zones.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dudode {

// 16-bit set of day codes 1 Sunday, 2 Monday ... 7 Saturday, 8 holiday.
using TDaySet = std::uint16_t;
// 16-bit set of tariff area numbers 0 to 10.
using TRelationSet = std::uint16_t;

constexpr TDaySet DayBit(int code) {
  return static_cast<TDaySet>(1u << code);
}
constexpr bool HasDay(TDaySet set, int code) {
  return (set & DayBit(code)) != 0;
}

// Text cleaning.
std::string Clean(std::string_view text);  // blanks removed, cut before the first ";"
void CleanInPlace(std::string& text);
// Clean without a copy when there is no blank to remove; the result may point
// into scratch.
std::string_view CleanView(std::string_view text, std::string& scratch);
std::string RemoveBlanks(std::string_view text);
std::string BlankToUnderscore(std::string_view text);
std::string UnderscoreToBlank(std::string_view text);
std::string RemoveAmpersand(std::string_view text);
std::string CapitalizeGerman(std::string_view text);
std::string KeyLetters(std::string_view text);

// Numbers in data files: "." as decimal point. ok tells whether the whole text
// was a number; on failure the result is 0.
double ParseNumber(std::string_view text, bool* ok = nullptr);
std::int32_t ParseInteger(std::string_view text, bool* ok = nullptr);
// The value of the leading digits (with an optional sign); 0 when there are none.
std::int32_t LeadingInteger(std::string_view text);

// Times: whole seconds after midnight.
struct TParsedTime {
  std::uint32_t Seconds = 0;
  bool Valid = false;
};
TParsedTime ParseTime(std::string_view text);
std::string TimeTextLong(std::uint32_t seconds);
std::string TimeText(std::uint32_t seconds);
std::uint32_t ParseTimeText(std::string_view text);

// Dates: day and month only.
std::string StripDateSeparator(std::string_view text);
std::string DateSortKey(std::string_view text);
// Four digits (DDMM), the way entry dates are written.
bool IsDateCode(std::string_view text);
std::string DateDisplay(std::string_view text);
std::string HolidayDisplay(std::string_view text);
struct TDateTime;
std::string FileDateText(const TDateTime& today);
std::string FileDateDisplay(std::string_view text);

// Day sets and area sets.
TDaySet ParseWeekdays(std::string_view text);
std::string WeekdayDigits(TDaySet set);
std::string WeekdayNames(TDaySet set);
TRelationSet ParseRelations(std::string_view text);
std::string RelationsText(TRelationSet set);

// Numbers and prices. None of these follows the C library's locale.
std::string NumberText(double x);  // four decimals, "." as decimal point
std::string FixedText(double x, int decimals, std::string_view decimalSeparator = ".");
// A number as a user types it: blanks ignored, ",", "." or decimalSeparator as
// decimal point, empty text is 0. False when the text is no number.
bool ParseTypedNumber(std::string_view text, std::string_view decimalSeparator, double& value);
std::string IntegerText(long long n);
std::string PriceText(double x);
std::string MoneyText(double x);
int Percent(long long pos, long long min, long long max);
std::string TwoDigitText(int n);
std::string FourDigitText(int n);
std::string GroupedNumber(long long n);
std::string ByteSizeText(long long n);

// The same texts written at out, for writers that fill a buffer of their own
// (one append instead of one per field); each returns the end of its text.
inline constexpr std::size_t kNumberTextBytes = 400;  // room for any double
inline constexpr std::size_t kTimeTextBytes = 20;     // five characters
char* PutNumberText(char* out, double x);
// Whether NumberText(x) reads back as 0: a file cannot hold a smaller amount.
bool WritesAsZero(double x);
char* PutTimeText(char* out, std::uint32_t seconds);
std::size_t TimeTextLongBytes();
char* PutTimeTextLong(char* out, std::uint32_t seconds);
// With the separator given: for loops that write many, the settings are looked up once.
char* PutTimeTextLong(char* out, std::uint32_t seconds, std::string_view timeSeparator);
char* PutWeekdayDigits(char* out, TDaySet set);           // at most 8 bytes
char* PutStrippedDate(char* out, std::string_view text);  // at most text.size() bytes
char* PutDateSortKey(char* out, std::string_view text);   // at most text.size() bytes
char* PutDateSortKey(char* out, std::string_view text, std::string_view dateSeparator);

// Zone keys: 4 capital letters and 4 digits, unique among existingKeys (compared
// without regard to case, as the file store compares them).
std::string NewZoneKey(std::string_view displayName, const std::vector<std::string>& existingKeys);

}  // namespace dudode
