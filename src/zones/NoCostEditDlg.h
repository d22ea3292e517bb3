#pragma once
// One no-cost window: start, end and the free seconds of a call. Without the
// seconds field it serves windows that carry times alone.
#include <QDialog>

#include "zones/NoCostForm.h"

class QLabel;
class QPushButton;

namespace dudode {

class TNumberEdit;
class TTimeEdit;

class TNoCostEditDlg : public QDialog {
  Q_OBJECT
 public:
  // The form's SecondsShown decides whether the seconds field is there.
  explicit TNoCostEditDlg(const TNoCostEditForm& form, QWidget* parent = nullptr);

  // "Eintrag ändern" instead of "Neuer Eintrag ".
  void SetChangeCaption();
  const TNoCostEditForm& Form() const { return form_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ReadForm();
  void ShowForm();
  bool Leave(TNoCostControl control, void (TNoCostEditForm::*check)());

  TNoCostEditForm form_;
  bool shown_ = false;
  TTimeEdit* TimeFrom = nullptr;
  TTimeEdit* TimeTo = nullptr;
  TNumberEdit* TimeEdit = nullptr;
  QLabel* TimeEditLabel = nullptr;
  QLabel* TimeEditUnit = nullptr;
  QPushButton* ApplyBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// Shows the window dialog; true (with the window) when it was confirmed.
bool EditNoCostWindow(TFreeTimeEntry& window, bool adding, bool withSeconds, QWidget* parent);

}  // namespace dudode
