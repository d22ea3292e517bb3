#pragma once
// What the holiday editor and its date dialog show and check, without any
// widget. Lines are display forms ("24.12." under German settings).
#include <string>
#include <string_view>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

inline constexpr std::size_t kMaxHolidays = 20;

// The date dialog's field: "DD.MM." with blanks where nothing was typed.
class THolidayDateForm {
 public:
  std::string Text;
  bool Valid = false;     // the last check found a valid date
  bool Accepted = false;  // left through "Übernehmen"

  // The field with nothing typed: blanks and the two separators.
  static std::string EmptyText();
  bool IsEmpty() const;
  // Checks the field when it is left and writes it as two-digit day and
  // month. false (after the message) when the date is not valid; an empty
  // field passes unchanged.
  bool Leave();
  // "Übernehmen": accepted only with a valid date.
  bool Apply();
};

// The editor's list: kept sorted by its text, so by day, then month.
class THolidayList {
 public:
  explicit THolidayList(const std::vector<TFeiertag>& holidays);

  const std::vector<std::string>& Lines() const { return lines_; }
  // Whether a line may be added; shows the limit message when not.
  bool CanAdd() const;
  // Adds the line unless it is there already (message). Returns its index, or -1.
  int Add(const std::string& line);
  // Whether a line is selected; shows the selection message when not.
  bool HasSelection(int index) const;
  // Replaces the selected line unless the text is another line's (message).
  // Returns the line's new index, or -1 when nothing changed.
  int Change(int index, const std::string& line);
  // Removes the selected line after asking. true when it was removed.
  bool Remove(int index);
  // The lines as holidays (DDMM), in list order.
  std::vector<TFeiertag> Holidays() const;

 private:
  bool Contains(const std::string& line) const;
  int Insert(const std::string& line);

  std::vector<std::string> lines_;
};

}  // namespace dudode
