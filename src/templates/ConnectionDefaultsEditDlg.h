#pragma once
// One connection template: its name, phone tariff and zone, options,
// discounts and provider.
#include <QDialog>
#include <string>
#include <vector>

#include "templates/ConnectionTemplate.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace dudode {

class TDialogMechanics;
class TTariffZoneChoice;

class TConnectionDefaultsEditDlg : public QDialog {
  Q_OBJECT
 public:
  // existing: the list a new template must not repeat a name of; nullptr
  // when a template is edited.
  TConnectionDefaultsEditDlg(const TConnectionTemplate& connection,
                             const std::vector<TRatesFileInfo>& tariffs,
                             const std::vector<std::string>& providerNames,
                             const TConnectionTemplateList* existing, QWidget* parent = nullptr);

  // The template as confirmed.
  const TConnectionTemplate& Template() const { return connection_; }

 private:
  void CreateControls(const std::vector<std::string>& providerNames);
  void CreateLayout();
  void Connect();
  void Load();
  bool ConnectionLeave();
  void TariffChosen();
  void ProviderChange();
  void ProviderChkBoxClick();
  void RabattBtnClick();
  void SaveBtnClick();
  void UpdateSaveBtn();
  // The dialog's fields into connection_.
  void Take();

  TConnectionTemplate connection_;
  const std::vector<TRatesFileInfo>& tariffs_;
  const TConnectionTemplateList* existing_;
  TDialogMechanics* mechanics_ = nullptr;
  TTariffZoneChoice* zones_ = nullptr;
  QComboBox* ConnectionCB = nullptr;
  QCheckBox* CityPlusChkBox = nullptr;
  QCheckBox* CityWeekendChkBox = nullptr;
  QCheckBox* ISDNChkBox = nullptr;
  QPushButton* RabattBtn = nullptr;
  QComboBox* ProviderCB = nullptr;
  QCheckBox* ProviderChkBox = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace dudode
