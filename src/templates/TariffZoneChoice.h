#pragma once
// The zone list of a phone tariff with the button that chooses another
// tariff: the part the two template dialogs share.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "templates/RatesFileInfo.h"

class QComboBox;
class QToolButton;
class QWidget;

namespace dudode {

class TDialogMechanics;

class TTariffZoneChoice : public QObject {
  Q_OBJECT
 public:
  TTariffZoneChoice(QWidget* dialog, TDialogMechanics& mechanics, const std::vector<TRatesFileInfo>& tariffs);

  QComboBox* ZoneCB = nullptr;
  QToolButton* PhoneTarifBtn = nullptr;

  // The zones of the tariff, with zone selected when it is among them; an
  // unknown tariff offers none.
  void Fill(const std::string& phoneTarif, const std::string& zone);
  const std::string& PhoneTarif() const { return phoneTarif_; }
  const TRatesFileInfo* Tariff() const;
  // The selected zone; empty for none.
  std::string Zone() const;

  // After another tariff was chosen and its zones filled (a zone selected).
  std::function<void()> Chosen;
  // Whenever the selection may have changed.
  std::function<void()> Changed;

 private:
  void PhoneTarifBtnClick();
  bool ZoneLeave();

  QWidget* dialog_;
  const std::vector<TRatesFileInfo>& tariffs_;
  std::string phoneTarif_;
};

}  // namespace dudode
