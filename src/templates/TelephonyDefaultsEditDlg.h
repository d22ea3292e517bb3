#pragma once
// One telephony template: access prefix, phone tariff and zone, description.
#include <QDialog>
#include <vector>

#include "templates/PhoneConnectionTemplate.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dudode {

class TTariffZoneChoice;

class TTelephonyDefaultsEditDlg : public QDialog {
  Q_OBJECT
 public:
  // existing: the list a new template must not repeat; nullptr for an edit.
  TTelephonyDefaultsEditDlg(const TPhoneConnectionTemplate& phone, const std::vector<TRatesFileInfo>& tariffs,
                            const TPhoneConnectionTemplateList* existing, QWidget* parent = nullptr);

  const TPhoneConnectionTemplate& Template() const { return phone_; }

 private:
  void CreateControls();
  void CreateLayout();
  void TariffChosen();
  void UpdateSaveBtn();
  void SaveBtnClick();

  TPhoneConnectionTemplate phone_;
  const TPhoneConnectionTemplateList* existing_;
  TTariffZoneChoice* zones_ = nullptr;
  QComboBox* AccessCodeCB = nullptr;
  QLineEdit* DescriptionEdit = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace dudode
