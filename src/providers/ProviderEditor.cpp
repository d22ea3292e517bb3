#include "providers/ProviderEditor.h"

#include <algorithm>

#include "core/MessageBox.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr const char* kNoProviderToDeleteMessage = "Sie können keinen Provider löschen. Es existiert keiner.";
constexpr const char* kNoProviderMessage = "Fügen Sie zuerst einen Provider hinzu!";
constexpr const char* kCannotDeleteEntryMessage = "Sie können diesen Eintrag nicht löschen!";
constexpr const char* kDeleteEntryQuestion = "Möchten Sie diesen Eintrag wirklich löschen?";
constexpr const char* kWriteQuestion = "Möchten Sie die Änderungen wirklich speichern?";
constexpr const char* kCloseQuestion = "Angaben wurden geändert. Speichern?";

// Grid row n (from 1) shows the n-th entry that has an interval.
int EntryIndexOfRow(const TProviderEntryList& list, int row) {
  int shown = 0;
  for (std::size_t i = 0; i < list.size() && row >= 1; ++i) {
    if (list[i].Takt != 0 && ++shown == row) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string ProvEntryDayName(TDayClass dayClass) {
  return dayClass == TDayClass::Werktag ? "Werktag" : "Sa/So/Feiertag";
}

TProvEntryRow ProvEntryRow(const TProviderEntry& entry) {
  return {TimeTextLong(static_cast<std::uint32_t>(entry.StartSec)) + " Uhr",
          TimeTextLong(static_cast<std::uint32_t>(entry.EndSec)) + " Uhr", IntervalText(entry.Takt),
          PriceText(entry.Price)};
}

TProviderEditor::TProviderEditor(TProviderList providers, double currencyBase)
    : providers_(std::move(providers)), currencyBase_(currencyBase) {
  Select(0);
}

void TProviderEditor::Select(int index) {
  if (providers_.empty()) {
    selected_ = -1;
  } else {
    selected_ = index >= 0 && static_cast<std::size_t>(index) < providers_.size() ? index : 0;
  }
}

TProviderEntryList* TProviderEditor::SelectedList(TDayClass dayClass) {
  if (selected_ < 0) return nullptr;
  TProvider& provider = providers_[static_cast<std::size_t>(selected_)];
  return dayClass == TDayClass::Werktag ? &provider.WerktagEntries : &provider.SaSoEntries;
}

bool TProviderEditor::AddProvider(const TProviderDialogRunner& runDialog) {
  if (providers_.size() >= static_cast<std::size_t>(kMaxProviders)) {
    ShowMessageBox(ProviderLimitMessage(), {}, mkFehler, mbOK);
    return false;
  }
  TProviderForm form = NewProviderForm(providers_);
  if (!runDialog(form, "Neuen Provider hinzufügen")) return false;
  TProvider provider;
  provider.Name = CleanProviderName(form.Name);
  provider.Key = NewProviderKey(provider.Name, providers_);
  provider.Options = form.Store(currencyBase_);
  providers_.push_back(std::move(provider));
  selected_ = static_cast<int>(providers_.size()) - 1;
  modified_ = true;
  return true;
}

bool TProviderEditor::EditProvider(const TProviderDialogRunner& runDialog) {
  if (selected_ < 0) return AddProvider(runDialog);
  TProvider& provider = providers_[static_cast<std::size_t>(selected_)];
  TProviderForm form = EditProviderForm(provider, currencyBase_);
  if (!runDialog(form, "Optionen des Providers ändern")) return false;
  provider.Name = CleanProviderName(form.Name);
  provider.Options = form.Store(currencyBase_);
  modified_ = true;
  return true;
}

bool TProviderEditor::DeleteProvider() {
  if (selected_ < 0) {
    ShowMessageBox(kNoProviderToDeleteMessage, {}, mkFehler, mbOK);
    return false;
  }
  const std::string question = "Möchten Sie den Provider \"" +
                               providers_[static_cast<std::size_t>(selected_)].Name + "\" wirklich löschen?";
  if (ShowMessageBox(question, {}, mkBestaetigung, mbYesNo) != idYes) return false;
  modified_ = true;
  providers_.erase(providers_.begin() + selected_);
  Select(0);
  return true;
}

bool TProviderEditor::AddEntry(TDayClass dayClass, const TWindowDialogRunner& runDialog) {
  TProviderEntryList* list = SelectedList(dayClass);
  if (!list) {
    ShowMessageBox(kNoProviderMessage, {}, mkFehler, mbOK);
    return false;
  }
  if (list->size() >= static_cast<std::size_t>(kMaxProviderEntries)) {
    ShowMessageBox(ProviderEntryLimitMessage(), {}, mkFehler, mbOK);
    return false;
  }
  TWindowForm form = NewProvEntryForm();
  if (!runDialog(form, "Neuen Eintrag (" + ProvEntryDayName(dayClass) + ") hinzufügen")) return false;
  modified_ = true;
  list->push_back(StoreProvEntry(form));
  SortProviderEntries(*list);
  return true;
}

bool TProviderEditor::EditEntry(TDayClass dayClass, int row, const TWindowDialogRunner& runDialog) {
  TProviderEntryList* list = SelectedList(dayClass);
  const int index = list ? EntryIndexOfRow(*list, row) : -1;
  if (index < 0) return AddEntry(dayClass, runDialog);
  TProviderEntry& entry = (*list)[static_cast<std::size_t>(index)];
  TWindowForm form = EditProvEntryForm(entry);
  if (!runDialog(form, "Eintrag (" + ProvEntryDayName(dayClass) + ") ändern")) return false;
  modified_ = true;
  entry = StoreProvEntry(form);
  SortProviderEntries(*list);
  return true;
}

bool TProviderEditor::DeleteEntry(TDayClass dayClass, int row) {
  std::string name = selected_ < 0 ? std::string() : providers_[static_cast<std::size_t>(selected_)].Name;
  if (name.empty()) name = kUnknownEntryName;
  const std::string caption =
      "Löschen eines Eintrags (" + name + ", " +
      (dayClass == TDayClass::Werktag ? "Werktag, Eintrag " : "Sa./So./Feiertag, Eintrag ") +
      std::to_string(row) + ")";
  TProviderEntryList* list = SelectedList(dayClass);
  const int index = list ? EntryIndexOfRow(*list, row) : -1;
  if (index < 0) {
    ShowMessageBox(kCannotDeleteEntryMessage, caption, mkFehler, mbOK);
    return false;
  }
  if (ShowMessageBox(kDeleteEntryQuestion, caption, mkBestaetigung, mbYesNo) != idYes) return false;
  modified_ = true;
  list->erase(list->begin() + index);
  SortProviderEntries(*list);
  return true;
}

void TProviderEditor::SortAll() {
  for (TProvider& provider : providers_) {
    SortProviderEntries(provider.WerktagEntries);
    SortProviderEntries(provider.SaSoEntries);
  }
}

std::string TProviderEditor::FreeHoursText() const {
  const std::int32_t seconds =
      selected_ < 0 ? 0 : providers_[static_cast<std::size_t>(selected_)].Options.FreeHours;
  return TimeTextLong(static_cast<std::uint32_t>(std::max(0, seconds))) + " Stunde(n)";
}

std::string TProviderEditor::BaseAmountText() const {
  const double amount =
      selected_ < 0 ? 0 : providers_[static_cast<std::size_t>(selected_)].Options.BaseAmount;
  return MoneyText(amount / currencyBase_);
}

std::vector<TProvEntryRow> TProviderEditor::Rows(TDayClass dayClass) const {
  std::vector<TProvEntryRow> rows;
  if (selected_ < 0) return rows;
  const TProvider& provider = providers_[static_cast<std::size_t>(selected_)];
  for (const TProviderEntry& entry :
       dayClass == TDayClass::Werktag ? provider.WerktagEntries : provider.SaSoEntries) {
    if (entry.Takt == 0) continue;
    rows.push_back(ProvEntryRow(entry));
  }
  return rows;
}

TSaveOutcome TProviderEditor::Write(const std::string& fileName, const std::function<void()>& started,
                                    const TProviderWriteStep& step) {
  if (ShowMessageBox(kWriteQuestion, {}, mkBestaetigung, mbYesNo) != idYes) return TSaveOutcome::Stopped;
  if (started) started();
  if (!SaveProviderFile(fileName, providers_, step)) return TSaveOutcome::Failed;
  modified_ = false;
  return TSaveOutcome::Saved;
}

TCloseAction ProviderCloseAction(bool modified) {
  if (!modified) return TCloseAction::Close;
  switch (ShowMessageBox(kCloseQuestion, {}, mkBestaetigung, mbYesNo)) {
    case idYes:
      return TCloseAction::Save;
    case idNo:
      return TCloseAction::Close;
    default:
      return TCloseAction::Stay;
  }
}

}  // namespace dudode
