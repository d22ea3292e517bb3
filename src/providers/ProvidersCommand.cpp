#include "providers/ProvidersCommand.h"

#include <memory>

#include "providers/ProviderFile.h"
#include "providers/ProviderFileSelectDlg.h"
#include "providers/ProvidersDlg.h"
#include "providers/WaitForm.h"
#include "ui/RunModal.h"

namespace dudode {

TCommandResult ProvidersCommand(TCommandHost& host) {
  TProviderFileSelectDlg select(host.Window());
  if (RunModal(select) != QDialog::Accepted) return TCommandResult::None();
  std::unique_ptr<TProvidersDlg> editor;
  {
    TWaitForm wait(QStringLiteral("Bitte warten Sie bis die Providerinformationen eingelesen wurden."),
                   host.Window());
    wait.ShowNow();
    TProviderList providers;
    if (!LoadProvidersToEdit(select.FileName(), providers)) return TCommandResult::None();
    editor = std::make_unique<TProvidersDlg>(select.FileName(), std::move(providers), host.CurrencyBase(),
                                             host.Window());
  }
  RunModal(*editor);
  return TCommandResult::None();
}

}  // namespace dudode
