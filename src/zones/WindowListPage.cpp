#include "zones/WindowListPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "zones/NoCostEditDlg.h"
#include "zones/NoCostForm.h"

namespace dudode {

TWindowListPage::TWindowListPage(std::vector<TFreeTimeEntry> windows, bool withSeconds,
                                 const TWindowPageNames& names, QWidget* parent)
    : QWidget(parent), windows_(std::move(windows)), withSeconds_(withSeconds) {
  List = new QTreeWidget(this);
  List->setObjectName(QString::fromLatin1(names.List));
  QStringList headers{QStringLiteral("von"), QStringLiteral("bis")};
  if (withSeconds_) headers << QStringLiteral("Dauer");
  List->setHeaderLabels(headers);
  List->setRootIsDecorated(false);
  // Room for a whole row: "Dauer" with four decimals is the widest column.
  List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  const QFontMetrics metrics = List->fontMetrics();
  List->setMinimumWidth(
      2 * metrics.horizontalAdvance(QStringLiteral("00:00:00 Uhr  ")) +
      (withSeconds_ ? metrics.horizontalAdvance(QStringLiteral("9999,0000 Sekunde(n)  ")) : 0) + 40);
  List->setSelectionMode(QAbstractItemView::SingleSelection);
  List->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  AddBtn = button(QStringLiteral("Hinzufügen"), names.AddBtn);
  EditBtn = button(QStringLiteral("Ändern"), names.EditBtn);
  DeleteBtn = button(QStringLiteral("Löschen"), names.DeleteBtn);
  connect(AddBtn, &QPushButton::clicked, this, &TWindowListPage::AddClick);
  connect(EditBtn, &QPushButton::clicked, this, &TWindowListPage::EditClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TWindowListPage::DeleteClick);
  connect(List, &QTreeWidget::itemSelectionChanged, this, &TWindowListPage::UpdateButtons);
  connect(List, &QTreeWidget::itemDoubleClicked, this, &TWindowListPage::EditClick);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(AddBtn);
  buttons->addWidget(EditBtn);
  buttons->addWidget(DeleteBtn);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(List);
  layout->addLayout(buttons);
  Fill(-1);
}

void TWindowListPage::SetButtonHints(const QString& add, const QString& edit, const QString& remove) {
  AddBtn->setToolTip(add);
  EditBtn->setToolTip(edit);
  DeleteBtn->setToolTip(remove);
}

// Rows are rebuilt from the windows, sorted by start; select names a window
// index before sorting.
void TWindowListPage::Fill(int select) {
  const bool selected = select >= 0 && select < static_cast<int>(windows_.size());
  const TFreeTimeEntry keep = selected ? windows_[static_cast<std::size_t>(select)] : TFreeTimeEntry{};
  SortNoCostList(windows_);
  List->clear();
  QTreeWidgetItem* current = nullptr;
  for (const TFreeTimeEntry& window : windows_) {
    const auto texts = NoCostRowTexts(window);
    QStringList columns{QString::fromStdString(texts[0]), QString::fromStdString(texts[1])};
    if (withSeconds_) columns << QString::fromStdString(texts[2]);
    auto* item = new QTreeWidgetItem(List, columns);
    if (selected && !current && window.StartSec == keep.StartSec && window.EndSec == keep.EndSec &&
        window.FreeSeconds == keep.FreeSeconds) {
      current = item;
    }
  }
  if (current) List->setCurrentItem(current);
  UpdateButtons();
}

void TWindowListPage::UpdateButtons() {
  const bool selected = !List->selectedItems().isEmpty();
  EditBtn->setEnabled(selected);
  DeleteBtn->setEnabled(selected);
}

int TWindowListPage::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = List->selectedItems();
  return selected.isEmpty() ? -1 : List->indexOfTopLevelItem(selected.first());
}

void TWindowListPage::AddClick() {
  TFreeTimeEntry window;
  if (!EditNoCostWindow(window, true, withSeconds_, this)) return;
  windows_.push_back(window);
  Fill(static_cast<int>(windows_.size()) - 1);
}

void TWindowListPage::EditClick() {
  const int row = SelectedRow();
  if (row < 0) return;
  TFreeTimeEntry window = windows_[static_cast<std::size_t>(row)];
  if (!EditNoCostWindow(window, false, withSeconds_, this)) return;
  windows_[static_cast<std::size_t>(row)] = window;
  Fill(row);
}

void TWindowListPage::DeleteClick() {
  const int row = SelectedRow();
  if (row < 0) return;
  windows_.erase(windows_.begin() + row);
  Fill(-1);
}

}  // namespace dudode
