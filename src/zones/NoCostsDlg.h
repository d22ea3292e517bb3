#pragma once
// The no-cost windows of a zone: one page for workdays, one for Saturdays,
// Sundays and holidays, each a list kept in the order of its start times.
#include <QDialog>
#include <array>
#include <vector>

#include "core/TarifFile.h"

class QTabWidget;

namespace dudode {

class TWindowListPage;

class TNoCostsDlg : public QDialog {
  Q_OBJECT
 public:
  TNoCostsDlg(const std::vector<TFreeTimeEntry>& weekdays, const std::vector<TFreeTimeEntry>& weekend,
              QWidget* parent = nullptr);

  // The windows as the lists show them, for "Übernehmen".
  const std::vector<TFreeTimeEntry>& Windows(TDayClass dayClass) const;

 private:
  std::array<TWindowListPage*, 2> pages_{};
  QTabWidget* Pages = nullptr;
};

}  // namespace dudode
