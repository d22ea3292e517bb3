#include "providers/FreeHoursRangeDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "providers/ProviderForms.h"
#include "ui/DialogParts.h"

namespace dudode {

TFreeHoursRangeDlg::TFreeHoursRangeDlg(const TFreeHoursRangeArray& ranges, QWidget* parent)
    : QDialog(parent), ranges_(ranges), runDialog_(RangeDialogRunner(this)) {
  setWindowTitle(QStringLiteral("Gültigkeit der Freistunden"));
  SortRanges(ranges_);
  BuildControls();
  BuildLayout();
  AllDayBox->setChecked(ranges_.empty());
  Fill(-1);
  UpdateEnabled();
}

void TFreeHoursRangeDlg::BuildControls() {
  InfoLabel = new QLabel(QStringLiteral("In diesem Dialog können Sie festlegen, zu welchen Zeitpunkten der "
                                        "Provider es erlaubt, die Freistunden zu verbrauchen."),
                         this);
  InfoLabel->setWordWrap(true);
  AllDayBox =
      new QCheckBox(QStringLiteral(" Die Freistunden können rund um die Uhr verbraucht werden."), this);
  AllDayBox->setObjectName("AllDayBox");
  RangeList = new QTreeWidget(this);
  RangeList->setObjectName("RangeList");
  RangeList->setColumnCount(3);
  RangeList->setHeaderLabels({QStringLiteral("Zeitraum"), QStringLiteral("Taktung"), QStringLiteral("Tage")});
  RangeList->setRootIsDecorated(false);
  // Wide enough for a typical line in the platform's font.
  const TRangeColumns sample = RangeColumns({0x00FE, 18 * 3600, 7 * 3600 + 59 * 60, 3600});
  for (int c = 0; c < 3; ++c) {
    const QString text = QString::fromStdString(sample[static_cast<std::size_t>(c)]);
    RangeList->setColumnWidth(c, RangeList->fontMetrics().horizontalAdvance(text) + 24);
  }
  ListLabel = new QLabel(QStringLiteral("&Nur zu folgenden Zeiten:"), this);
  ListLabel->setBuddy(RangeList);
  auto button = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setToolTip(hint);
    return b;
  };
  AddBtn = button("AddBtn", QStringLiteral("Hin&zufügen..."), QStringLiteral("Fügt einen Eintrag hinzu."));
  EditBtn = button("EditBtn", QStringLiteral("Än&dern..."), QStringLiteral("Ändert sen Eintrag."));
  DeleteBtn = button("DeleteBtn", QStringLiteral("Lö&schen"), QStringLiteral("Löscht den Eintrag."));
  OKBtn = button("OKBtn", QStringLiteral("OK"), {});
  CancelBtn = button("CancelBtn", QStringLiteral("Abbrechen"), {});

  connect(AllDayBox, &QCheckBox::toggled, this, &TFreeHoursRangeDlg::UpdateEnabled);
  connect(RangeList, &QTreeWidget::currentItemChanged, this, &TFreeHoursRangeDlg::UpdateEnabled);
  connect(RangeList, &QTreeWidget::itemDoubleClicked, this, &TFreeHoursRangeDlg::EditBtnClick);
  connect(AddBtn, &QPushButton::clicked, this, &TFreeHoursRangeDlg::AddBtnClick);
  connect(EditBtn, &QPushButton::clicked, this, &TFreeHoursRangeDlg::EditBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TFreeHoursRangeDlg::DeleteBtnClick);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFreeHoursRangeDlg::BuildLayout() {
  auto* listButtons = new QVBoxLayout;
  listButtons->addWidget(AddBtn);
  listButtons->addWidget(EditBtn);
  listButtons->addWidget(DeleteBtn);
  listButtons->addStretch();
  auto* list = new QHBoxLayout;
  list->addWidget(RangeList, 1);
  list->addLayout(listButtons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(InfoLabel);
  layout->addWidget(AllDayBox);
  layout->addWidget(ListLabel);
  layout->addLayout(list);
  layout->addLayout(ButtonRow(this, OKBtn, {OKBtn, CancelBtn}));
  resize(680, 320);
}

void TFreeHoursRangeDlg::Fill(int current) {
  RangeList->clear();
  for (const TFreeHoursRange& range : ranges_) {
    const TRangeColumns columns = RangeColumns(range);
    auto* item = new QTreeWidgetItem(RangeList);
    for (int c = 0; c < 3; ++c)
      item->setText(c, QString::fromStdString(columns[static_cast<std::size_t>(c)]));
  }
  if (current >= 0 && current < RangeList->topLevelItemCount()) {
    RangeList->setCurrentItem(RangeList->topLevelItem(current));
  }
  UpdateEnabled();
}

void TFreeHoursRangeDlg::UpdateEnabled() {
  const bool list = !AllDayBox->isChecked();
  const bool selected = list && RangeList->currentItem() != nullptr;
  for (QWidget* w :
       {static_cast<QWidget*>(ListLabel), static_cast<QWidget*>(RangeList), static_cast<QWidget*>(AddBtn)}) {
    w->setEnabled(list);
  }
  EditBtn->setEnabled(selected);
  DeleteBtn->setEnabled(selected);
}

void TFreeHoursRangeDlg::AddBtnClick() {
  TWindowForm form = NewRangeForm();
  if (!runDialog_(form, false)) return;
  ranges_.push_back(StoreRange(form));
  const TFreeHoursRange added = ranges_.back();
  SortRanges(ranges_);
  int current = 0;
  while (current < static_cast<int>(ranges_.size()) &&
         !(ranges_[static_cast<std::size_t>(current)] == added)) {
    ++current;
  }
  Fill(current);
}

void TFreeHoursRangeDlg::EditBtnClick() {
  const int current = RangeList->indexOfTopLevelItem(RangeList->currentItem());
  if (current < 0 || AllDayBox->isChecked()) return;
  TFreeHoursRange& range = ranges_[static_cast<std::size_t>(current)];
  TWindowForm form = EditRangeForm(range);
  if (!runDialog_(form, true)) return;
  range = StoreRange(form, range.Days);
  SortRanges(ranges_);
  Fill(-1);
}

void TFreeHoursRangeDlg::DeleteBtnClick() {
  const int current = RangeList->indexOfTopLevelItem(RangeList->currentItem());
  if (current < 0 || AllDayBox->isChecked()) return;
  ranges_.erase(ranges_.begin() + current);
  Fill(std::min(current, static_cast<int>(ranges_.size()) - 1));
}

TFreeHoursRangeArray TFreeHoursRangeDlg::Ranges() const {
  return AllDayBox->isChecked() ? TFreeHoursRangeArray{} : ranges_;
}

}  // namespace dudode
