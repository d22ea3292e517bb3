#include "templates/TemplateCommands.h"

#include "core/MessageBox.h"
#include "templates/ConnectionTemplateEditDlg.h"
#include "templates/TelefonyTemplateEditDlg.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

// A file that could not be read is not opened, so that no save can empty it;
// over a broken tail the user decides before anything can be saved.
bool MayEdit(const TRecordFileReport& report) {
  if (report.Complete()) return true;
  if (!report.MaySave()) {
    ShowMessageBox(report.Message(), "", mkFehler, mbOK);
    return false;
  }
  return ShowMessageBox(report.OverwriteQuestion(), "", mkWarnung, mbYesNo | mbDefaultSecond) == idYes;
}

}  // namespace

// The editors work on files of their own; the open tariff document is not touched.
TCommandResult ConnectionTemplatesCommand(TCommandHost& host) {
  TRecordFile<TConnectionTemplate> file = LoadConnectionTemplates();
  if (!MayEdit(file.Report)) return TCommandResult::None();
  TConnectionTemplateEditDlg dlg(LoadPhoneTariffList(), LoadProviderNames(), std::move(file.Records),
                                 host.Window());
  RunModal(dlg);
  return TCommandResult::None();
}

TCommandResult PhoneTemplatesCommand(TCommandHost& host) {
  TRecordFile<TPhoneConnectionTemplate> file = LoadPhoneTemplates();
  if (!MayEdit(file.Report)) return TCommandResult::None();
  TTelefonyTemplateEditDlg dlg(LoadPhoneTariffList(), std::move(file.Records), host.Window());
  RunModal(dlg);
  return TCommandResult::None();
}

}  // namespace dudode
