#pragma once
// Recomputes every price of the document for a new VAT rate. While a
// computation runs, the dialog refuses to close and takes no second click.
#include <QDialog>

#include "tools/UstForm.h"
#include "ui/Command.h"

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dudode {

class TUpDown;

class TUstFormDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TUstFormDlg(TTarifFile& document, QWidget* parent = nullptr);

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectField(QLineEdit* edit, TUpDown* upDown);
  void CalcBtnClick();
  void ShowComputing(bool computing);

  TTarifFile& document_;
  TUstForm form_;
  QLineEdit* OldUstEdit = nullptr;
  QLineEdit* NewUstEdit = nullptr;
  TUpDown* UpDown1 = nullptr;
  TUpDown* UpDown2 = nullptr;
  QPushButton* CalcBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
  QProgressBar* ProgressBar = nullptr;
};

// "&Umsatzsteueranpassung...": both grids are redrawn afterwards.
TCommandResult VatCommand(TCommandHost& host);

}  // namespace dudode
