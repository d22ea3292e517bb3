#pragma once
// One range in which a provider's free hours may be used: times, interval
// and the days of the week it holds on.
#include <QDialog>
#include <array>
#include <functional>

#include "providers/ProviderForms.h"

class QAbstractButton;

namespace dudode {

class TWindowFields;

class TFreeHoursRangeEditDlg : public QDialog {
  Q_OBJECT
 public:
  TFreeHoursRangeEditDlg(const TWindowForm& form, bool editing, QWidget* parent = nullptr);

  const TWindowForm& Form() const { return form_; }

 private:
  TWindowForm form_;
  TWindowFields* fields_ = nullptr;
  std::array<QAbstractButton*, 8> dayButtons_{};  // by day code 1..7
};

// Shows the range dialog over the form; true when confirmed.
using TRangeDialogRunner = std::function<bool(TWindowForm& form, bool editing)>;
TRangeDialogRunner RangeDialogRunner(QWidget* parent);

}  // namespace dudode
