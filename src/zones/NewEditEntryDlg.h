#pragma once
// The entry dialog: one tariff entry of a zone's Werktag or SaSo list, for
// adding and for changing. A view of TEntryForm: every check, click effect
// and message is the form's.
#include <QDialog>
#include <array>

#include "ui/FormChecks.h"
#include "zones/EntryCommands.h"
#include "zones/EntryForm.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace dudode {

class TDateEdit;
class TNumberEdit;
class TTimeEdit;

class TNewEditEntryDlg : public QDialog {
  Q_OBJECT
 public:
  TNewEditEntryDlg(const TEntryForm& form, const QString& caption, QWidget* parent = nullptr);

  const TEntryForm& Form() const { return form_; }
  bool Confirmed() const { return form_.Confirmed; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void BuildMechanics();
  // Widgets into the form, and the form back into the widgets.
  void ReadForm();
  void ShowForm();
  void BoxClicked(void (TEntryForm::*effect)(bool), bool checked);
  void SaveBtnClick();

  TEntryForm form_;
  TFormChecks<TEntryForm, TEntryControl> checks_{form_, [this] { ReadForm(); }, [this] { ShowForm(); }};
  bool shown_ = false;
  // While the form is shown, a field that loses the focus because it is
  // disabled or hidden is not checked: the widgets are half updated.
  bool showing_ = false;

  std::array<QAbstractButton*, 8> dayButtons_{};  // by day code 1..7
  TTimeEdit* EntryTimeFrom = nullptr;
  TTimeEdit* EntryTimeTo = nullptr;
  QStackedWidget* UnitsPages = nullptr;
  TNumberEdit* TaktEdit = nullptr;
  TNumberEdit* Units = nullptr;
  TNumberEdit* UnitsToAddEdit = nullptr;
  TNumberEdit* PriceEdit = nullptr;
  QLabel* CurrencyLabel = nullptr;
  QLineEdit* Tarifname = nullptr;
  TDateEdit* DateEdit1 = nullptr;
  TDateEdit* DateEdit2 = nullptr;
  QLabel* DateLabel1 = nullptr;
  QLabel* DateLabel2 = nullptr;
  QCheckBox* OnlyUnits = nullptr;
  QCheckBox* FtagCheckBox = nullptr;
  QCheckBox* CWChkBox = nullptr;
  QCheckBox* CPChkBox = nullptr;
  QPushButton* CentEuroBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// Runs the entry dialog for the list commands.
TEntryDialogRunner EntryDialogRunner(QWidget* parent);

}  // namespace dudode
