#pragma once
// The 10plus and instant discount of one connection, set with five sliders.
#include <QDialog>

#include "templates/DiscountPositions.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace dudode {

class TSR10plusDlg : public QDialog {
  Q_OBJECT
 public:
  // instantAllowed false: the instant discount shows unticked and disabled.
  TSR10plusDlg(const TDiscountPositions& positions, bool instantAllowed, QWidget* parent = nullptr);
  TDiscountPositions Positions() const;

 private:
  struct TSlider {
    QSlider* Bar = nullptr;
    QLabel* Label = nullptr;
  };
  TSlider AddSlider(const char* barName, const char* labelName, const char* pattern, int min, int max,
                    int tick, int value);
  QWidget* TenPlusPage(const TDiscountPositions& positions);
  QWidget* InstantPage(const TDiscountPositions& positions, bool instantAllowed);

  QCheckBox* RActiveChkBox = nullptr;
  QCheckBox* SRActiveChkBox = nullptr;
  TSlider Rabatt, Min, SR1, SR2, SR3;
};

// Opens the dialog on the template's discount fields and stores them when it
// is confirmed.
bool EditConnectionDiscount(TConnectionTemplate& connection, QWidget* parent);

}  // namespace dudode
