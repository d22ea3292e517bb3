#pragma once
// The zone dialog: name and options of a new or an existing zone. A view of
// TZoneForm; the access data and the no-cost windows are edited in their own
// dialogs from here.
#include <QDialog>

#include "zones/ZoneCommands.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace dudode {

class TNumberEdit;

class TNewEditTarifDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNewEditTarifDlg(const TZoneForm& form, QWidget* parent = nullptr);

  const TZoneForm& Form() const { return form_; }
  bool Confirmed() const { return form_.Confirmed; }
  bool NoCostsConfirmed() const { return form_.NoCostsConfirmed; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void ConnectMechanics();
  void ReadForm();
  void ShowForm();
  void TaktCheckBoxClick();
  void INetBtnClick();
  void NoCostsBtnClick();
  void ApplyBtnClick();

  TZoneForm form_;
  bool shown_ = false;
  QLabel* NameLabel = nullptr;
  QLineEdit* TarifName = nullptr;
  QCheckBox* TaktCheckBox = nullptr;
  QWidget* TimeBilling = nullptr;  // the labels and fields of time-based billing
  TNumberEdit* CalcTaktEdit = nullptr;
  TNumberEdit* FirstSecondEdit = nullptr;
  TNumberEdit* BCPEdit = nullptr;
  TNumberEdit* MonthRateEdit = nullptr;
  QLabel* CurrencyLabel1 = nullptr;
  QLabel* CurrencyLabel2 = nullptr;
  QListWidget* RegionGroup = nullptr;
  QCheckBox* RoundToChkBox = nullptr;
  QCheckBox* nichtbundesweitChkBox = nullptr;
  QPushButton* INetBtn = nullptr;
  QPushButton* NoCostsBtn = nullptr;
  QPushButton* ApplyBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// Runs the zone dialog for the zone commands.
TZoneDialogRunner ZoneDialogRunner(QWidget* parent);

}  // namespace dudode
