#pragma once
// The windows of one zone in which the 10plus discount is not offered: one
// page for workdays, one for Saturdays, Sundays and holidays.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

class TWindowListPage;

class TCfg10plusExceptionsDlg : public QDialog {
  Q_OBJECT
 public:
  // lineText: the zone's line in the assignment list, for the caption.
  TCfg10plusExceptionsDlg(const std::string& lineText, const std::vector<TNo10plusEntry>& weekdays,
                          const std::vector<TNo10plusEntry>& weekend, QWidget* parent = nullptr);

  // The windows as the page's lines show them, for "Übernehmen".
  std::vector<TNo10plusEntry> Windows(TDayClass dayClass) const;

 private:
  TWindowListPage* BuildPage(const std::vector<TNo10plusEntry>& windows, const char* digit);

  std::array<TWindowListPage*, 2> pages_{};
};

}  // namespace dudode
