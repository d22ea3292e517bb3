#include "tools/HolidayList.h"

#include <algorithm>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr const char* kLimitMessage = "Es können maximal 20 Feiertage aufgenommen werden!";
constexpr const char* kDuplicateMessage = "Dieser Feiertag ist schon aufgenommen wurden!";
constexpr const char* kSelectMessage = "Sie müssen einen Eintrag in der Liste selektieren!";
constexpr const char* kInvalidDateMessage = "Das eingegebene Datum ist nicht korrekt!";

bool ValidDayOfMonth(int day, int month) {
  // Checked against 1996, a leap year, so that 29.02. is a holiday date.
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

int NumberOf(std::string_view text, bool& ok) {
  bool parsed = false;
  const int n = ParseInteger(RemoveBlanks(text), &parsed);
  ok = ok && parsed;
  return n;
}

}  // namespace

std::string THolidayDateForm::EmptyText() {
  const std::string& sep = Regional().DateSeparator;
  return "  " + sep + "  " + sep;
}

bool THolidayDateForm::IsEmpty() const {
  return RemoveBlanks(StripDateSeparator(Text)).empty();
}

bool THolidayDateForm::Leave() {
  if (IsEmpty()) return true;
  const std::size_t sepChars = CharCount(Regional().DateSeparator);
  bool ok = true;
  const int day = NumberOf(LeftChars(Text, 2), ok);
  const int month = NumberOf(MidChars(Text, 2 + sepChars, 2), ok);
  Valid = ok && ValidDayOfMonth(day, month);
  if (!Valid) {
    ShowMessageBox(kInvalidDateMessage, "", mkFehler, mbOK);
    return false;
  }
  const std::string& sep = Regional().DateSeparator;
  Text = TwoDigitText(day) + sep + TwoDigitText(month) + sep;
  return true;
}

bool THolidayDateForm::Apply() {
  if (!Leave() || IsEmpty()) return false;
  Accepted = Valid;
  return Accepted;
}

THolidayList::THolidayList(const std::vector<TFeiertag>& holidays) {
  for (const TFeiertag& holiday : holidays) {
    if (!holiday.Date.empty()) Insert(HolidayDisplay(holiday.Date));
  }
}

bool THolidayList::CanAdd() const {
  // A file may bring more than the limit: all are shown, only adding stops.
  if (lines_.size() < kMaxHolidays) return true;
  ShowMessageBox(kLimitMessage, "", mkFehler, mbOK);
  return false;
}

int THolidayList::Add(const std::string& line) {
  if (Contains(line)) {
    ShowMessageBox(kDuplicateMessage, "", mkFehler, mbOK);
    return -1;
  }
  return Insert(line);
}

bool THolidayList::HasSelection(int index) const {
  if (index >= 0 && static_cast<std::size_t>(index) < lines_.size()) return true;
  ShowMessageBox(kSelectMessage, "", mkFehler, mbOK);
  return false;
}

int THolidayList::Change(int index, const std::string& line) {
  if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) return -1;
  if (lines_[static_cast<std::size_t>(index)] == line) return -1;
  if (Contains(line)) {
    ShowMessageBox(kDuplicateMessage, "", mkFehler, mbOK);
    return -1;
  }
  // The changed line moves to its sorted place at once.
  lines_.erase(lines_.begin() + index);
  return Insert(line);
}

bool THolidayList::Remove(int index) {
  if (!HasSelection(index)) return false;
  const std::string question =
      "Möchten Sie den Eintrag " + lines_[static_cast<std::size_t>(index)] + " wirklich löschen?";
  if (ShowMessageBox(question, "", mkBestaetigung, mbYesNo | mbDefaultSecond) != idYes) return false;
  lines_.erase(lines_.begin() + index);
  return true;
}

std::vector<TFeiertag> THolidayList::Holidays() const {
  std::vector<TFeiertag> holidays;
  for (const std::string& line : lines_) holidays.push_back({StripDateSeparator(line)});
  return holidays;
}

bool THolidayList::Contains(const std::string& line) const {
  return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

int THolidayList::Insert(const std::string& line) {
  // The index is taken before inserting: the insert may move the lines.
  const auto at = std::upper_bound(lines_.begin(), lines_.end(), line);
  const auto index = at - lines_.begin();
  lines_.insert(at, line);
  return static_cast<int>(index);
}

}  // namespace dudode
