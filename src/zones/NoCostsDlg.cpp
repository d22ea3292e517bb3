#include "zones/NoCostsDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "zones/NoCostEditDlg.h"
#include "zones/NoCostForm.h"

namespace dudode {

TNoCostsDlg::TNoCostsDlg(const std::vector<TFreeTimeEntry>& weekdays,
                         const std::vector<TFreeTimeEntry>& weekend, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kostenlose Zeiten bearbeiten"));
  PageOf(TDayClass::Werktag).Windows = weekdays;
  PageOf(TDayClass::SaSo).Windows = weekend;
  Pages = new QTabWidget(this);
  Pages->setObjectName("Pages");
  Pages->addTab(BuildPage(TDayClass::Werktag, "W"), QStringLiteral("wochentags"));
  Pages->addTab(BuildPage(TDayClass::SaSo, "F"), QStringLiteral("Sa./So./Feiertage"));

  auto* applyBtn = new QPushButton(QStringLiteral("Übernehmen"), this);
  applyBtn->setObjectName("ApplyBtn");
  auto* cancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancelBtn->setObjectName("CancelBtn");
  connect(applyBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(applyBtn);
  buttons->addWidget(cancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages);
  layout->addLayout(buttons);
  for (TDayClass dayClass : kDayClasses) Fill(dayClass, -1);
}

QWidget* TNoCostsDlg::BuildPage(TDayClass dayClass, const char* prefix) {
  TPage& p = PageOf(dayClass);
  auto* widget = new QWidget(this);
  const QString pre = QString::fromLatin1(prefix);
  p.List = new QTreeWidget(widget);
  p.List->setObjectName(pre + "List");
  p.List->setHeaderLabels({QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("Dauer")});
  p.List->setRootIsDecorated(false);
  // Room for a whole row: "Dauer" with four decimals is the widest column.
  p.List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  const QFontMetrics metrics = p.List->fontMetrics();
  p.List->setMinimumWidth(2 * metrics.horizontalAdvance(QStringLiteral("00:00:00 Uhr  ")) +
                          metrics.horizontalAdvance(QStringLiteral("9999,0000 Sekunde(n)  ")) + 40);
  p.List->setSelectionMode(QAbstractItemView::SingleSelection);
  p.List->setEditTriggers(QAbstractItemView::NoEditTriggers);
  p.AddBtn = new QPushButton(QStringLiteral("Hinzufügen"), widget);
  p.AddBtn->setObjectName(pre + "AddBtn");
  p.EditBtn = new QPushButton(QStringLiteral("Ändern"), widget);
  p.EditBtn->setObjectName(pre + "EditBtn");
  p.DeleteBtn = new QPushButton(QStringLiteral("Löschen"), widget);
  p.DeleteBtn->setObjectName(pre + "DeleteBtn");
  connect(p.AddBtn, &QPushButton::clicked, this, [this, dayClass] { AddClick(dayClass); });
  connect(p.EditBtn, &QPushButton::clicked, this, [this, dayClass] { EditClick(dayClass); });
  connect(p.DeleteBtn, &QPushButton::clicked, this, [this, dayClass] { DeleteClick(dayClass); });
  connect(p.List, &QTreeWidget::itemSelectionChanged, this, [this, dayClass] { UpdateButtons(dayClass); });
  connect(p.List, &QTreeWidget::itemDoubleClicked, this, [this, dayClass] { EditClick(dayClass); });
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(p.AddBtn);
  buttons->addWidget(p.EditBtn);
  buttons->addWidget(p.DeleteBtn);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(widget);
  layout->addWidget(p.List);
  layout->addLayout(buttons);
  return widget;
}

// Rows are rebuilt from the windows, sorted by start; select names a window
// index before sorting.
void TNoCostsDlg::Fill(TDayClass dayClass, int select) {
  TPage& p = PageOf(dayClass);
  const TFreeTimeEntry* selected = select >= 0 && select < static_cast<int>(p.Windows.size())
                                       ? &p.Windows[static_cast<std::size_t>(select)]
                                       : nullptr;
  const TFreeTimeEntry keep = selected ? *selected : TFreeTimeEntry{};
  SortNoCostList(p.Windows);
  p.List->clear();
  QTreeWidgetItem* current = nullptr;
  for (const TFreeTimeEntry& window : p.Windows) {
    const auto texts = NoCostRowTexts(window);
    auto* item =
        new QTreeWidgetItem(p.List, {QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
                                     QString::fromStdString(texts[2])});
    if (selected && !current && window.StartSec == keep.StartSec && window.EndSec == keep.EndSec &&
        window.FreeSeconds == keep.FreeSeconds) {
      current = item;
    }
  }
  if (current) p.List->setCurrentItem(current);
  UpdateButtons(dayClass);
}

void TNoCostsDlg::UpdateButtons(TDayClass dayClass) {
  TPage& p = PageOf(dayClass);
  const bool selected = !p.List->selectedItems().isEmpty();
  p.EditBtn->setEnabled(selected);
  p.DeleteBtn->setEnabled(selected);
}

void TNoCostsDlg::AddClick(TDayClass dayClass) {
  TFreeTimeEntry window;
  if (!EditNoCostWindow(window, true, true, this)) return;
  TPage& p = PageOf(dayClass);
  p.Windows.push_back(window);
  Fill(dayClass, static_cast<int>(p.Windows.size()) - 1);
}

void TNoCostsDlg::EditClick(TDayClass dayClass) {
  TPage& p = PageOf(dayClass);
  const QList<QTreeWidgetItem*> selected = p.List->selectedItems();
  if (selected.isEmpty()) return;
  const int row = p.List->indexOfTopLevelItem(selected.first());
  if (row < 0) return;
  TFreeTimeEntry window = p.Windows[static_cast<std::size_t>(row)];
  if (!EditNoCostWindow(window, false, true, this)) return;
  p.Windows[static_cast<std::size_t>(row)] = window;
  Fill(dayClass, row);
}

void TNoCostsDlg::DeleteClick(TDayClass dayClass) {
  TPage& p = PageOf(dayClass);
  const QList<QTreeWidgetItem*> selected = p.List->selectedItems();
  if (selected.isEmpty()) return;
  const int row = p.List->indexOfTopLevelItem(selected.first());
  if (row < 0) return;
  p.Windows.erase(p.Windows.begin() + row);
  Fill(dayClass, -1);
}

}  // namespace dudode
