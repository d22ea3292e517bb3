#pragma once
// What the application editor and its row dialog show and check, without any
// widget. The grid always has at least one row: an empty placeholder when
// the table holds no application.
#include <string>
#include <string_view>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

struct TAppRow {
  std::string TapiName;
  std::string AppName;
};

// A TAPI name is a key of the file: "=", "[" and "]" and a leading ";" would
// corrupt its line, so they are taken out (typed or pasted); letters become
// capitals.
std::string CleanTapiName(std::string_view text);
// What to tell the user when CleanTapiName takes characters out of the text;
// empty when it takes none.
std::string TapiNameDropMessage(std::string_view text);
// Whether two TAPI names make the same key (letter case ignored, compared
// as they are stored: trimmed and cut to 20 characters).
bool SameTapiName(std::string_view a, std::string_view b);

// The row dialog. Both fields are required; a TAPI name another row has
// already is refused, because the file keeps only one of them.
class TAppForm {
 public:
  std::string TapiName;
  std::string AppName;
  std::vector<std::string> OtherTapiNames;
  bool Accepted = false;

  // "Übernehmen": true (and accepted) when the row may be taken.
  bool Apply();
};

class TAppTable {
 public:
  explicit TAppTable(const std::vector<TAppEntry>& applications);

  // Grid rows below the header, from index 0; never empty.
  const std::vector<TAppRow>& Rows() const { return rows_; }
  bool IsPlaceholder(int row) const;
  // The dialog form for adding, or for changing the row.
  TAppForm AddForm() const;
  TAppForm EditForm(int row) const;
  // Appends the row, or fills the placeholder row. Returns its index.
  int Add(const TAppRow& row);
  void Change(int row, const TAppRow& values);
  // Removes the row after asking; the placeholder row is left alone.
  bool Remove(int row);
  // The table as applications: names trimmed and cut, rows without TAPI
  // name dropped.
  std::vector<TAppEntry> Applications() const;

 private:
  bool Valid(int row) const { return row >= 0 && static_cast<std::size_t>(row) < rows_.size(); }
  std::vector<std::string> TapiNamesExcept(int row) const;

  std::vector<TAppRow> rows_;
};

}  // namespace dudode
