#include "app/FileCommands.h"

#include <QDialog>

#include "app/AboutBox.h"
#include "app/DocumentQuestions.h"
#include "app/OpenDlg.h"
#include "app/RegIniFile.h"
#include "app/SaveDlg.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"
#include "tools/TarifOptionsDlg.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

// The save the replace questions offer.
TSaveCommand SaveOf(TCommandHost& host) {
  return [&host] { return host.Save(); };
}

// A freshly set-up document starts with the options dialog.
TCommandResult SetUpNewDocument(TCommandHost& host, TCommandResult result) {
  result.DocumentLoaded = true;
  result.TitleChanged = true;
  host.Apply(result);
  return OptionsCommand(host);
}

}  // namespace

bool NameDocument(TCommandHost& host, const std::string& caption) {
  TTarifFile& document = host.Document();
  if (!NeedsName(document)) return true;
  TSaveDlg dlg(QString::fromStdString(caption), document.Description, host.Window());
  if (RunModal(dlg) != QDialog::Accepted) return false;
  const std::string name = dlg.Name();
  if (!IsUsableDescription(name)) return false;
  document.Description = name;
  return true;
}

TSaveOutcome SaveDocument(TCommandHost& host) {
  TTarifFile& document = host.Document();
  MarkTariffUpdates();  // before any question, on every save
  if (!host.EnsureDescription("Speichern")) return TSaveOutcome::Stopped;
  if (ShowMessageBox("Möchten Sie wirklich die Änderungen in \"" + document.Description + "\" speichern?", "",
                     mkBestaetigung, mbYesNo) != idYes) {
    return TSaveOutcome::Stopped;
  }
  TSaveOptions options;
  options.KeepDate = host.KeepFileDate();
  TLongOperation operation(host, "Speichern", true);
  return SaveTarifFile(document, options, operation.Reporter()) ? TSaveOutcome::Saved : TSaveOutcome::Failed;
}

TCommandResult NewCommand(TCommandHost& host) {
  TTarifFile& document = host.Document();
  if (!AskBeforeReplacing(document, SaveOf(host))) return {};
  {
    TLongOperation operation(host, "");
    document.FileName = NewTariffFileName();
    document.Description = kUnknownDescription;
    LoadTarifFile(document);  // no such file yet: the reader's defaults, no zones
  }
  document.Modified = false;
  return SetUpNewDocument(host, TCommandResult::Zones(-1));
}

TCommandResult OpenCommand(TCommandHost& host) {
  TTarifFile& document = host.Document();
  if (!AskBeforeReplacing(document, SaveOf(host))) return {};
  TOpenDlg dlg(document.FileName, host.Window());
  if (RunModal(dlg) == QDialog::Accepted && !dlg.SelectedFileName().empty()) {
    {
      TLongOperation operation(host, "");
      document.FileName = dlg.SelectedFileName();
      LoadTarifFile(document);
    }
    document.Modified = false;
    TCommandResult result = TCommandResult::Zones(0);  // the reader checks the first zone
    result.DocumentLoaded = true;
    result.TitleChanged = true;
    return result;
  }
  // A loaded document stays as it is; with none yet, a new file is set up.
  if (host.DocumentLoaded()) return TCommandResult::Title();
  if (document.FileName.empty()) document.FileName = NewTariffFileName();
  document.CityWeekend = true;
  return SetUpNewDocument(host, {});
}

TCommandResult SaveCommand(TCommandHost& host) {
  host.Save();
  return TCommandResult::Title();
}

TCommandResult SaveAsCommand(TCommandHost& host) {
  TTarifFile& document = host.Document();
  if (ShowMessageBox("Damit erstellen Sie eine Kopie einer vorhandenen Datei.\rMöchten Sie dies wirklich?",
                     "Speichern unter", mkFehler, mbYesNo) != idYes) {
    return {};
  }
  TSaveDlg dlg(QStringLiteral("Speichern unter"), document.Description, host.Window());
  if (RunModal(dlg) != QDialog::Accepted) return {};
  const std::string name = dlg.Name();
  if (!IsUsableDescription(name)) return {};
  if (name != document.Description) {
    document.FileName = NewTariffFileName();
    document.Description = name;
  } else {
    ShowMessageBox("Die Speicherung erfolgt in die bestehende Datei!", "", mkInformation, mbOK);
  }
  host.Apply(TCommandResult::Title());
  host.Save();
  return TCommandResult::Title();
}

TCommandResult ExitCommand(TCommandHost& host) {
  host.CloseWindow();
  return {};
}

TCommandResult InfoCommand(TCommandHost& host) {
  TAboutBox box(host.Window());
  RunModal(box);
  return {};
}

}  // namespace dudode
