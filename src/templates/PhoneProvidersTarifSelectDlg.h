#pragma once
// Chooses a phone tariff and one of its zones from a tree of tariffs.
#include <QDialog>
#include <string>
#include <vector>

#include "templates/RatesFileInfo.h"

class QPushButton;
class QTreeWidget;

namespace dudode {

class TPhoneProvidersTarifSelectDlg : public QDialog {
  Q_OBJECT
 public:
  // The node of phoneTarif is expanded and its zone selected.
  TPhoneProvidersTarifSelectDlg(const std::vector<TRatesFileInfo>& tariffs, const std::string& phoneTarif,
                                const std::string& zone, QWidget* parent = nullptr);

  // The identifier of the chosen tariff, and the chosen zone (empty when a
  // tariff node was chosen).
  std::string PhoneTarif() const;
  std::string Zone() const;

 private:
  void Fill(const std::string& phoneTarif, const std::string& zone);
  void TarifTVChange();

  const std::vector<TRatesFileInfo>& tariffs_;
  QTreeWidget* TarifTV = nullptr;
  QPushButton* OKBtn = nullptr;
};

}  // namespace dudode
