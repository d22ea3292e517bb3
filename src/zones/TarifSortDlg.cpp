#include "zones/TarifSortDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {

TTarifSortDlg::TTarifSortDlg(const TZoneOrderForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(QStringLiteral("Tarifzonen neu anordnen"));
  auto list = [this](const char* name) {
    auto* l = new QListWidget(this);
    l->setObjectName(name);
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return l;
  };
  SrcList = list("SrcList");
  DstList = list("DstList");
  IncludeBtn = Named<QPushButton>(this, "IncludeBtn", QStringLiteral(">"));
  ExcludeBtn = Named<QPushButton>(this, "ExcludeBtn", QStringLiteral("<"));
  IncAllBtn = Named<QPushButton>(this, "IncAllBtn", QStringLiteral(">>"));
  ExcAllBtn = Named<QPushButton>(this, "ExcAllBtn", QStringLiteral("<<"));
  SrcSortChkBox = Named<QCheckBox>(this, "SrcSortChkBox", QStringLiteral(" Liste &sortieren"));
  DstSortChkBox = Named<QCheckBox>(this, "DstSortChkBox", QStringLiteral(" &Liste sortieren"));
  auto* applyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(IncludeBtn, &QPushButton::clicked, this,
          [this] { AfterMove(SrcList, form_.Include(Marked(SrcList))); });
  connect(ExcludeBtn, &QPushButton::clicked, this,
          [this] { AfterMove(DstList, form_.Exclude(Marked(DstList))); });
  connect(IncAllBtn, &QPushButton::clicked, this, [this] { AfterMove(SrcList, form_.IncludeAll()); });
  connect(ExcAllBtn, &QPushButton::clicked, this, [this] { AfterMove(DstList, form_.ExcludeAll()); });
  // Once sorted, a list stays sorted while the dialog is open.
  connect(SrcSortChkBox, &QCheckBox::clicked, this, [this] {
    form_.Source.Sort();
    SrcSortChkBox->setEnabled(false);
    Fill();
  });
  connect(DstSortChkBox, &QCheckBox::clicked, this, [this] {
    form_.Target.Sort();
    DstSortChkBox->setEnabled(false);
    Fill();
  });
  connect(applyBtn, &QPushButton::clicked, this, &TTarifSortDlg::ApplyBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Bestehende Reihenfolge:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Neue Reihenfolge:"), this), 0, 2);
  grid->addWidget(SrcList, 1, 0);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {IncludeBtn, IncAllBtn, ExcludeBtn, ExcAllBtn}) moves->addWidget(b);
  moves->addStretch();
  grid->addLayout(moves, 1, 1);
  grid->addWidget(DstList, 1, 2);
  grid->addWidget(SrcSortChkBox, 2, 0);
  grid->addWidget(DstSortChkBox, 2, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow(this, applyBtn, {applyBtn, cancelBtn}));
  Fill();
}

void TTarifSortDlg::Fill() {
  const auto fill = [](QListWidget* widget, const TZoneOrderList& list) {
    widget->clear();
    for (const TZoneOrderItem& item : list.Items) widget->addItem(QString::fromStdString(item.Text));
  };
  fill(SrcList, form_.Source);
  fill(DstList, form_.Target);
  IncludeBtn->setEnabled(form_.IncludeEnabled());
  IncAllBtn->setEnabled(form_.IncludeEnabled());
  ExcludeBtn->setEnabled(form_.ExcludeEnabled());
  ExcAllBtn->setEnabled(form_.ExcludeEnabled());
}

void TTarifSortDlg::AfterMove(QListWidget* from, int select) {
  Fill();
  from->setFocus();
  if (select >= 0 && select < from->count()) from->setCurrentRow(select);
}

std::vector<int> TTarifSortDlg::Marked(const QListWidget* list) {
  std::vector<int> marked;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) marked.push_back(i);
  }
  return marked;
}

void TTarifSortDlg::ApplyBtnClick() {
  if (form_.Apply()) accept();
}

TZoneOrderRunner ZoneOrderRunner(QWidget* parent) {
  return [parent](TZoneOrderForm& form) {
    TTarifSortDlg dlg(form, parent);
    if (RunModal(dlg) != QDialog::Accepted) return false;
    form = dlg.Form();
    return true;
  };
}

}  // namespace dudode
