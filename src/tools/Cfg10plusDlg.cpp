#include "tools/Cfg10plusDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/Cfg10plusExceptionsDlg.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"

namespace dudode {

TCfg10plusDlg::TCfg10plusDlg(std::vector<TTenPlusLine>& lines, QWidget* parent)
    : QDialog(parent), lines_(lines) {
  setWindowTitle(QStringLiteral("10plus Rabatt zuweisen"));
  TarifCheckLB = new QListWidget(this);
  TarifCheckLB->setObjectName("TarifCheckLB");
  for (const TTenPlusLine& line : lines_) {
    auto* item = new QListWidgetItem(QString::fromStdString(line.Text), TarifCheckLB);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(line.Checked ? Qt::Checked : Qt::Unchecked);
  }
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  SaveBtn->setEnabled(!lines_.empty());
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  ExceptionsBtn = Named<QPushButton>(this, "ExceptionsBtn", QStringLiteral("Ausnahmen"));
  ExceptionsBtn->setEnabled(false);
  SetConfirmButton(this, SaveBtn);
  connect(TarifCheckLB, &QListWidget::itemSelectionChanged, this, &TCfg10plusDlg::TarifCheckLBClick);
  connect(TarifCheckLB, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    lines_[static_cast<std::size_t>(TarifCheckLB->row(item))].Checked = item->checkState() == Qt::Checked;
  });
  connect(ExceptionsBtn, &QPushButton::clicked, this, &TCfg10plusDlg::ExceptionsBtnClick);
  connect(SaveBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  BuildLayout();
}

void TCfg10plusDlg::BuildLayout() {
  auto* info = new QLabel(
      QStringLiteral(
          "Der 10plus Rabatt wird von der Deutschen Telekom AG ab März 1998 gewährt. In diesem Dialog "
          "können Sie für die einzelnen Tarifzonen diesen Rabatt aktivieren bzw. deaktivieren."),
      this);
  info->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ExceptionsBtn);
  buttons->addStretch();
  buttons->addWidget(SaveBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(info);
  layout->addWidget(TarifCheckLB);
  layout->addLayout(buttons);
  setMinimumWidth(420);
  setTabOrder(TarifCheckLB, ExceptionsBtn);
  setTabOrder(ExceptionsBtn, SaveBtn);
  setTabOrder(SaveBtn, CancelBtn);
}

void TCfg10plusDlg::TarifCheckLBClick() {
  ExceptionsBtn->setEnabled(!TarifCheckLB->selectedItems().isEmpty());
}

void TCfg10plusDlg::ExceptionsBtnClick() {
  const QList<QListWidgetItem*> selected = TarifCheckLB->selectedItems();
  if (selected.isEmpty()) return;
  TTenPlusLine& line = lines_[static_cast<std::size_t>(TarifCheckLB->row(selected.first()))];
  TCfg10plusExceptionsDlg dlg(line.Text, line.WNo10plus, line.FNo10plus, this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  for (TDayClass dayClass : kDayClasses) line.No10plus(dayClass) = dlg.Windows(dayClass);
}

TCommandResult TenPlusCommand(TCommandHost& host) {
  AssignTenPlus(host.Document(), [&host](std::vector<TTenPlusLine>& lines) {
    TCfg10plusDlg dlg(lines, host.Window());
    return RunModal(dlg) == QDialog::Accepted;
  });
  return {};
}

}  // namespace dudode
