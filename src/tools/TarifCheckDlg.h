#pragma once
// The completeness check of one zone: walks the year once, shows the month it
// is in, and closes itself with the walk's message.
#include <QDialog>

#include "core/TarifFile.h"
#include "ui/Command.h"

class QLabel;
class QPushButton;
class QTimer;

namespace dudode {

class TTarifCheckDlg : public QDialog {
  Q_OBJECT
 public:
  // The lists stay the document's; the dialog only reads them.
  TTarifCheckDlg(const TTarifEntryList& werktag, const TTarifEntryList& saso, QWidget* parent = nullptr);

 public slots:
  // Escape, "Abbrechen" and the close button: the walk ends at its next step.
  void reject() override;

 private:
  void TimerTimer();

  const TTarifEntryList& werktag_;
  const TTarifEntryList& saso_;
  bool cancel_ = false;
  QTimer* Timer = nullptr;
  QLabel* MonthLabel = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// "&Tarife überprüfen".
TCommandResult CheckTariffsCommand(TCommandHost& host);

}  // namespace dudode
