#pragma once
// Assigns the 10plus discount to the zones: one check line per zone, and the
// windows without the discount per zone. Works on the lines' working copies.
#include <QDialog>
#include <vector>

#include "tools/TenPlusForm.h"
#include "ui/Command.h"

class QListWidget;
class QPushButton;

namespace dudode {

class TCfg10plusDlg : public QDialog {
  Q_OBJECT
 public:
  // The lines are changed in place; the caller drops them unless confirmed.
  explicit TCfg10plusDlg(std::vector<TTenPlusLine>& lines, QWidget* parent = nullptr);

 private:
  void BuildLayout();
  void TarifCheckLBClick();
  void ExceptionsBtnClick();

  std::vector<TTenPlusLine>& lines_;
  QListWidget* TarifCheckLB = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* ExceptionsBtn = nullptr;
};

// "&10plus Rabatt zuweisen...".
TCommandResult TenPlusCommand(TCommandHost& host);

}  // namespace dudode
