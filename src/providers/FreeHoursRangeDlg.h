#pragma once
// The list of ranges in which a provider's free hours may be used, or the box
// that lets them be used at any time.
#include <QDialog>

#include "providers/FreeHoursRangeEditDlg.h"
#include "providers/Provider.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace dudode {

class TFreeHoursRangeDlg : public QDialog {
  Q_OBJECT
 public:
  TFreeHoursRangeDlg(const TFreeHoursRangeArray& ranges, QWidget* parent = nullptr);

  // After "OK": the list's ranges, or none while the box is ticked.
  TFreeHoursRangeArray Ranges() const;

 private:
  void BuildControls();
  void BuildLayout();
  void Fill(int current);
  void UpdateEnabled();
  void AddBtnClick();
  void EditBtnClick();
  void DeleteBtnClick();

  TFreeHoursRangeArray ranges_;
  TRangeDialogRunner runDialog_;
  QLabel* InfoLabel = nullptr;
  QCheckBox* AllDayBox = nullptr;
  QLabel* ListLabel = nullptr;
  QTreeWidget* RangeList = nullptr;
  QPushButton* AddBtn = nullptr;
  QPushButton* EditBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace dudode
