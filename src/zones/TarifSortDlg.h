#pragma once
// Reordering the zones: the zones move from the existing order into the new
// one; those left behind are dropped after asking.
#include <QDialog>

#include "zones/ZoneOrder.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace dudode {

class TTarifSortDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TTarifSortDlg(const TZoneOrderForm& form, QWidget* parent = nullptr);

  const TZoneOrderForm& Form() const { return form_; }

 private:
  void Fill();
  void AfterMove(QListWidget* from, int select);
  static std::vector<int> Marked(const QListWidget* list);
  void ApplyBtnClick();

  TZoneOrderForm form_;
  QListWidget* SrcList = nullptr;
  QListWidget* DstList = nullptr;
  QPushButton* IncludeBtn = nullptr;
  QPushButton* ExcludeBtn = nullptr;
  QPushButton* IncAllBtn = nullptr;
  QPushButton* ExcAllBtn = nullptr;
  QCheckBox* SrcSortChkBox = nullptr;
  QCheckBox* DstSortChkBox = nullptr;
};

// Runs the reordering dialog for the reorder command.
TZoneOrderRunner ZoneOrderRunner(QWidget* parent);

}  // namespace dudode
