#include "templates/TariffZoneChoice.h"

#include <QComboBox>
#include <QToolButton>

#include "core/MessageBox.h"
#include "templates/PhoneProvidersTarifSelectDlg.h"
#include "ui/DialogMechanics.h"
#include "ui/RunModal.h"

namespace dudode {

TTariffZoneChoice::TTariffZoneChoice(QWidget* dialog, TDialogMechanics& mechanics,
                                     const std::vector<TRatesFileInfo>& tariffs)
    : QObject(dialog), dialog_(dialog), tariffs_(tariffs) {
  ZoneCB = new QComboBox(dialog);
  ZoneCB->setObjectName("ZoneCB");
  PhoneTarifBtn = new QToolButton(dialog);
  PhoneTarifBtn->setObjectName("PhoneTarifBtn");
  PhoneTarifBtn->setText(QStringLiteral("..."));
  PhoneTarifBtn->setToolTip(QStringLiteral("Andere Telefonanbieter..."));
  mechanics.EnterMovesFocus(ZoneCB);
  mechanics.CheckOnLeave(ZoneCB, [this] { return ZoneLeave(); });
  connect(PhoneTarifBtn, &QToolButton::clicked, this, &TTariffZoneChoice::PhoneTarifBtnClick);
  connect(ZoneCB, &QComboBox::currentIndexChanged, this, [this] {
    if (Changed) Changed();
  });
}

const TRatesFileInfo* TTariffZoneChoice::Tariff() const {
  return FindPhoneTariff(tariffs_, phoneTarif_);
}

void TTariffZoneChoice::Fill(const std::string& phoneTarif, const std::string& zone) {
  phoneTarif_ = phoneTarif;
  ZoneCB->clear();
  if (const TRatesFileInfo* tariff = Tariff()) {
    for (const auto& name : tariff->ZoneNames) ZoneCB->addItem(QString::fromStdString(name));
  }
  ZoneCB->setCurrentIndex(
      ZoneCB->findText(QString::fromStdString(zone), Qt::MatchExactly | Qt::MatchCaseSensitive));
  if (Changed) Changed();
}

std::string TTariffZoneChoice::Zone() const {
  return ZoneCB->currentIndex() < 0 ? std::string() : ZoneCB->currentText().toStdString();
}

bool TTariffZoneChoice::ZoneLeave() {
  if (ZoneCB->currentIndex() >= 0) return true;
  if (ZoneCB->count() > 0) ZoneCB->setCurrentIndex(0);
  ShowMessageBox("Die Tarifzone ist ungültig!", {}, mkFehler, mbOK);
  return true;  // with no zones to offer the user must reach the tariff button
}

void TTariffZoneChoice::PhoneTarifBtnClick() {
  const std::string previous = Zone();
  TPhoneProvidersTarifSelectDlg dlg(tariffs_, phoneTarif_, previous, dialog_);
  if (RunModal(dlg) != QDialog::Accepted) return;
  // The zone picked in the tree wins over the one selected before.
  Fill(dlg.PhoneTarif(), dlg.Zone().empty() ? previous : dlg.Zone());
  if (ZoneCB->currentIndex() < 0 && ZoneCB->count() > 0) ZoneCB->setCurrentIndex(0);
  if (Chosen) Chosen();
}

}  // namespace dudode
