#include "templates/TemplateCommands.h"

#include "templates/ConnectionTemplateEditDlg.h"
#include "templates/TelefonyTemplateEditDlg.h"
#include "ui/RunModal.h"

namespace dudode {

// The editors work on files of their own; the open tariff document is not touched.
TCommandResult ConnectionTemplatesCommand(TCommandHost& host) {
  TConnectionTemplateEditDlg dlg(LoadPhoneTariffList(), LoadProviderNames(), LoadConnectionTemplates(),
                                 host.Window());
  RunModal(dlg);
  return TCommandResult::None();
}

TCommandResult PhoneTemplatesCommand(TCommandHost& host) {
  TTelefonyTemplateEditDlg dlg(LoadPhoneTariffList(), LoadPhoneTemplates(), host.Window());
  RunModal(dlg);
  return TCommandResult::None();
}

}  // namespace dudode
