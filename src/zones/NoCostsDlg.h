#pragma once
// The no-cost windows of a zone: one page for workdays, one for Saturdays,
// Sundays and holidays, each a list kept in the order of its start times.
#include <QDialog>
#include <array>
#include <vector>

#include "core/TarifFile.h"

class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace dudode {

class TNoCostsDlg : public QDialog {
  Q_OBJECT
 public:
  TNoCostsDlg(const std::vector<TFreeTimeEntry>& weekdays, const std::vector<TFreeTimeEntry>& weekend,
              QWidget* parent = nullptr);

  // The windows as the lists show them, for "Übernehmen".
  const std::vector<TFreeTimeEntry>& Windows(TDayClass dayClass) const { return PageOf(dayClass).Windows; }

 private:
  struct TPage {
    std::vector<TFreeTimeEntry> Windows;
    QTreeWidget* List = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* EditBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
  };
  TPage& PageOf(TDayClass dayClass) { return pages_[dayClass == TDayClass::Werktag ? 0 : 1]; }
  const TPage& PageOf(TDayClass dayClass) const { return pages_[dayClass == TDayClass::Werktag ? 0 : 1]; }
  QWidget* BuildPage(TDayClass dayClass, const char* prefix);
  void Fill(TDayClass dayClass, int select);
  void UpdateButtons(TDayClass dayClass);
  void AddClick(TDayClass dayClass);
  void EditClick(TDayClass dayClass);
  void DeleteClick(TDayClass dayClass);

  std::array<TPage, 2> pages_;
  QTabWidget* Pages = nullptr;
};

}  // namespace dudode
