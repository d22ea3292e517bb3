#include "app/DocumentQuestions.h"

#include <string>

#include "core/MessageBox.h"

namespace dudode {
namespace {
const char* const kCaption = "Dudode - Editor";
}

bool CloseQuery(const TTarifFile& document, bool busy, const TSaveCommand& save) {
  if (busy) return false;
  if (!document.Modified) return true;
  std::string question;
  if (!document.Description.empty() && document.Description != kUnknownDescription) {
    question = "Es wurden nicht alle Änderungen in \"" + document.Description + "\" gespeichert.\r\r" +
               "Möchten Sie die Angaben jetzt speichern?";
  } else {
    question = "Die Angaben wurden nicht gespeichert. Möchten Sie jetzt speichern?";
  }
  switch (ShowMessageBox(question, kCaption, mkBestaetigung, mbYesNoCancel)) {
    case idYes:
      return save() != TSaveOutcome::Failed;
    case idNo:
      ShowMessageBox("Die Änderungen gehen damit verloren!", kCaption, mkInformation, mbOK);
      return true;
    default:
      return false;  // "Abbrechen", Escape or the box's close button: nothing is lost
  }
}

bool AskBeforeReplacing(const TTarifFile& document, const TSaveCommand& save) {
  if (!document.Modified) return true;
  switch (ShowMessageBox("Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?", "",
                         mkBestaetigung, mbYesNoCancel)) {
    case idYes:
      return save() != TSaveOutcome::Failed;
    case idNo:
      return true;
    default:
      return false;
  }
}

}  // namespace dudode
