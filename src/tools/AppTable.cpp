#include "tools/AppTable.h"

#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr const char* kMissingFieldsMessage = "Es wurden nicht alle Felder korrekt ausgefüllt!";

std::string StoredTapiName(std::string_view text) {
  return LeftChars(TrimBlanks(text), kMaxTapiNameChars);
}

}  // namespace

std::string CleanTapiName(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '=' || c == '[' || c == ']') continue;
    // A ";" that would open the line makes it a comment.
    if (c == ';' && TrimBlanks(out).empty()) continue;
    out += c;
  }
  return CapitalizeGerman(out);
}

std::string TapiNameDropMessage(std::string_view text) {
  if (CleanTapiName(text) == CapitalizeGerman(text)) return {};
  return "Ein TAPI-Name darf die Zeichen \"=\", \"[\" und \"]\" nicht enthalten und nicht mit \";\" "
         "beginnen.";
}

bool SameTapiName(std::string_view a, std::string_view b) {
  return EqualsNoCase(StoredTapiName(a), StoredTapiName(b));
}

bool TAppForm::Apply() {
  if (TrimBlanks(TapiName).empty() || TrimBlanks(AppName).empty()) {
    ShowMessageBox(kMissingFieldsMessage, "", mkFehler, mbOK);
    return false;
  }
  for (const std::string& other : OtherTapiNames) {
    if (SameTapiName(other, TapiName)) {
      ShowMessageBox("Eine Anwendung mit dem TAPI-Namen " + StoredTapiName(TapiName) +
                         " ist bereits vorhanden! Bitte wählen Sie einen anderen Namen.",
                     "", mkFehler, mbOK);
      return false;
    }
  }
  Accepted = true;
  return true;
}

TAppTable::TAppTable(const std::vector<TAppEntry>& applications) {
  for (const TAppEntry& app : applications) rows_.push_back({app.TapiName, app.AppName});
  if (rows_.empty()) rows_.emplace_back();
}

bool TAppTable::IsPlaceholder(int row) const {
  return !Valid(row) || TrimBlanks(rows_[static_cast<std::size_t>(row)].TapiName).empty();
}

TAppForm TAppTable::AddForm() const {
  TAppForm form;
  form.OtherTapiNames = TapiNamesExcept(-1);
  return form;
}

TAppForm TAppTable::EditForm(int row) const {
  TAppForm form = AddForm();
  if (!Valid(row)) return form;
  form.TapiName = rows_[static_cast<std::size_t>(row)].TapiName;
  form.AppName = rows_[static_cast<std::size_t>(row)].AppName;
  form.OtherTapiNames = TapiNamesExcept(row);
  return form;
}

int TAppTable::Add(const TAppRow& row) {
  const TAppRow& first = rows_.front();
  if (first.TapiName.empty() && first.AppName.empty()) {
    rows_.front() = row;
    return 0;
  }
  rows_.push_back(row);
  return static_cast<int>(rows_.size()) - 1;
}

void TAppTable::Change(int row, const TAppRow& values) {
  if (Valid(row)) rows_[static_cast<std::size_t>(row)] = values;
}

bool TAppTable::Remove(int row) {
  if (IsPlaceholder(row)) return false;
  const std::string question =
      "Möchten Sie wirklich die Anwendung " + rows_[static_cast<std::size_t>(row)].TapiName + " löschen?";
  if (ShowMessageBox(question, "", mkBestaetigung, mbYesNo | mbDefaultSecond) != idYes) return false;
  rows_.erase(rows_.begin() + row);
  if (rows_.empty()) rows_.emplace_back();
  return true;
}

std::vector<TAppEntry> TAppTable::Applications() const {
  std::vector<TAppEntry> applications;
  for (const TAppRow& row : rows_) {
    const std::string tapiName = StoredTapiName(row.TapiName);
    if (!tapiName.empty()) {
      applications.push_back({tapiName, LeftChars(TrimBlanks(row.AppName), kMaxAppNameChars)});
    }
  }
  return applications;
}

std::vector<std::string> TAppTable::TapiNamesExcept(int row) const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (static_cast<int>(i) != row && !rows_[i].TapiName.empty()) names.push_back(rows_[i].TapiName);
  }
  return names;
}

}  // namespace dudode
