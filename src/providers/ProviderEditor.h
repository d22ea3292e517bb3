#pragma once
// What the provider editor does to its providers, without any widget: add,
// change and delete providers and their entries, the texts the editor shows,
// and the questions of saving and closing. The dialogs are reached through
// runners, so that the operations run the same with and without a window.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/CommandResult.h"
#include "core/TarifFile.h"
#include "providers/ProviderFile.h"
#include "providers/ProviderForms.h"

namespace dudode {

// Show the dialog over the form with this caption; true when confirmed.
using TProviderDialogRunner = std::function<bool(TProviderForm& form, const std::string& caption)>;
using TWindowDialogRunner = std::function<bool(TWindowForm& form, const std::string& caption)>;

// One grid row: "von", "bis", "Zeittakt", "Gebühr".
using TProvEntryRow = std::array<std::string, 4>;
TProvEntryRow ProvEntryRow(const TProviderEntry& entry);

// "Werktag" or "Sa/So/Feiertag", as the entry dialog's caption names them.
std::string ProvEntryDayName(TDayClass dayClass);

class TProviderEditor {
 public:
  TProviderEditor(TProviderList providers, double currencyBase);

  const TProviderList& Providers() const { return providers_; }
  // The selected provider; -1 only when there is none.
  int Selected() const { return selected_; }
  void Select(int index);
  bool Modified() const { return modified_; }

  // Each returns true when the providers changed.
  bool AddProvider(const TProviderDialogRunner& runDialog);
  bool EditProvider(const TProviderDialogRunner& runDialog);
  bool DeleteProvider();
  bool AddEntry(TDayClass dayClass, const TWindowDialogRunner& runDialog);
  // row counts the grid's rows from 1; a row without entry adds instead.
  bool EditEntry(TDayClass dayClass, int row, const TWindowDialogRunner& runDialog);
  bool DeleteEntry(TDayClass dayClass, int row);
  // Every entry list of every provider; changes nothing the file keeps.
  void SortAll();

  // What the editor shows of the selected provider.
  std::string FreeHoursText() const;
  std::string BaseAmountText() const;
  std::vector<TProvEntryRow> Rows(TDayClass dayClass) const;

  // The write of "Speichern" after its question. Stopped when declined;
  // after a failure the providers and the modified flag stay.
  TSaveOutcome Write(const std::string& fileName, const std::function<void()>& started = {},
                     const TProviderWriteStep& step = {});

 private:
  TProviderEntryList* SelectedList(TDayClass dayClass);

  TProviderList providers_;
  double currencyBase_;
  int selected_ = -1;
  bool modified_ = false;
};

// What closing the editor does with unsaved changes.
enum class TCloseAction { Close, Save, Stay };
TCloseAction ProviderCloseAction(bool modified);

}  // namespace dudode
