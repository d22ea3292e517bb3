#pragma once
// One page of time windows: a list kept in the order of the start times with
// add, change and delete buttons. Serves the free times of a zone (with their
// seconds) and the windows without the 10plus discount (times alone).
#include <QWidget>
#include <vector>

#include "core/TarifFile.h"

class QPushButton;
class QTreeWidget;

namespace dudode {

// Object names of the page's controls.
struct TWindowPageNames {
  const char* List;
  const char* AddBtn;
  const char* EditBtn;
  const char* DeleteBtn;
};

class TWindowListPage : public QWidget {
  Q_OBJECT
 public:
  TWindowListPage(std::vector<TFreeTimeEntry> windows, bool withSeconds, const TWindowPageNames& names,
                  QWidget* parent = nullptr);

  // The windows as the list shows them, top to bottom.
  const std::vector<TFreeTimeEntry>& Windows() const { return windows_; }
  void SetButtonHints(const QString& add, const QString& edit, const QString& remove);

 private:
  void Fill(int select);
  void UpdateButtons();
  int SelectedRow() const;
  void AddClick();
  void EditClick();
  void DeleteClick();

  std::vector<TFreeTimeEntry> windows_;
  bool withSeconds_;
  QTreeWidget* List = nullptr;
  QPushButton* AddBtn = nullptr;
  QPushButton* EditBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
};

}  // namespace dudode
