#pragma once
// The provider dialog: name, free hours, money options, billing interval and
// the free-hours ranges of one provider, for adding and for changing.
#include <QDialog>

#include "providers/ProviderEditor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dudode {

class TNumberEdit;

class TNewEditProviderDlg : public QDialog {
  Q_OBJECT
 public:
  TNewEditProviderDlg(const TProviderForm& form, const QString& caption, QWidget* parent = nullptr);

  const TProviderForm& Form() const { return form_; }

 private:
  void BuildControls();
  void BuildLayout();
  void BuildMechanics();
  void ReadForm();
  void ShowForm();
  void TimingBoxClick(bool checked);
  void RangesBtnClick();
  void SaveBtnClick();

  TProviderForm form_;
  QLineEdit* ProvNameEdit = nullptr;
  QLineEdit* FreeHoursEdit = nullptr;
  QCheckBox* Holiday2431Box = nullptr;
  TNumberEdit* BaseAmountEdit = nullptr;
  TNumberEdit* NoCostsEdit = nullptr;
  QCheckBox* TimingBox = nullptr;
  TNumberEdit* TimingEdit = nullptr;
  TNumberEdit* MinConnectEdit = nullptr;
  QList<QLabel*> timingLabels_;
  TNumberEdit* CostsPerDayEdit = nullptr;
  TNumberEdit* BaseConnectPriceEdit = nullptr;
  TNumberEdit* FreeHoursCostsEdit = nullptr;
  QCheckBox* FreeHoursPerDayBox = nullptr;
  QCheckBox* ISDNDoubleCostsBox = nullptr;
  QPushButton* RangesBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// Runs the provider dialog for the editor's provider commands.
TProviderDialogRunner ProviderDialogRunner(QWidget* parent);

}  // namespace dudode
