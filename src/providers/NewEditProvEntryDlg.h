#pragma once
// The entry dialog of the provider editor: one tariff entry of a provider's
// Werktag or Sa./So./Feiertag list, for adding and for changing.
#include <QDialog>

#include "providers/ProviderEditor.h"

class QPushButton;

namespace dudode {

class TWindowFields;

class TNewEditProvEntryDlg : public QDialog {
  Q_OBJECT
 public:
  TNewEditProvEntryDlg(const TWindowForm& form, const QString& caption, QWidget* parent = nullptr);

  const TWindowForm& Form() const { return form_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SaveBtnClick();

  TWindowForm form_;
  TWindowFields* fields_ = nullptr;
  QPushButton* CentEuroBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// Runs the entry dialog for the editor's entry commands.
TWindowDialogRunner ProvEntryDialogRunner(QWidget* parent);

}  // namespace dudode
