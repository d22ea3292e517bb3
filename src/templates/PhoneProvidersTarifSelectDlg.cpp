#include "templates/PhoneProvidersTarifSelectDlg.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/DialogContract.h"
#include "ui/DialogParts.h"

namespace dudode {
namespace {

// Tariff nodes carry the tariff's index; zone nodes are their children.
constexpr int kIndexRole = Qt::UserRole;

}  // namespace

TPhoneProvidersTarifSelectDlg::TPhoneProvidersTarifSelectDlg(const std::vector<TRatesFileInfo>& tariffs,
                                                             const std::string& phoneTarif,
                                                             const std::string& zone, QWidget* parent)
    : QDialog(parent), tariffs_(tariffs) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Telefonanbieter"));
  TarifTV = new QTreeWidget(this);
  TarifTV->setObjectName("TarifTV");
  TarifTV->header()->hide();
  OKBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(TarifTV, &QTreeWidget::itemSelectionChanged, this, &TPhoneProvidersTarifSelectDlg::TarifTVChange);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TarifTV);
  layout->addLayout(ButtonRow(this, OKBtn, {OKBtn, cancelBtn}));
  resize(380, 420);
  Fill(phoneTarif, zone);
}

void TPhoneProvidersTarifSelectDlg::Fill(const std::string& phoneTarif, const std::string& zone) {
  QTreeWidgetItem* current = nullptr;
  for (std::size_t i = 0; i < tariffs_.size(); ++i) {
    const TRatesFileInfo& tariff = tariffs_[i];
    auto* node = new QTreeWidgetItem(TarifTV, {QString::fromStdString(tariff.Description)});
    node->setData(0, kIndexRole, static_cast<int>(i));
    for (const auto& name : tariff.ZoneNames) {
      auto* child = new QTreeWidgetItem(node, {QString::fromStdString(name)});
      if (tariff.Identifier == phoneTarif && name == zone && current == nullptr) current = child;
    }
    if (tariff.Identifier == phoneTarif) {
      node->setExpanded(true);
      if (current == nullptr) current = node;
    }
  }
  if (current != nullptr) TarifTV->setCurrentItem(current);
  TarifTVChange();
}

void TPhoneProvidersTarifSelectDlg::TarifTVChange() {
  OKBtn->setEnabled(!TarifTV->selectedItems().isEmpty());
}

std::string TPhoneProvidersTarifSelectDlg::PhoneTarif() const {
  const QList<QTreeWidgetItem*> items = TarifTV->selectedItems();
  if (items.isEmpty()) return {};
  const QTreeWidgetItem* node = items.first()->parent() ? items.first()->parent() : items.first();
  return tariffs_[static_cast<std::size_t>(node->data(0, kIndexRole).toInt())].Identifier;
}

std::string TPhoneProvidersTarifSelectDlg::Zone() const {
  const QList<QTreeWidgetItem*> items = TarifTV->selectedItems();
  if (items.isEmpty() || items.first()->parent() == nullptr) return {};
  return items.first()->text(0).toStdString();
}

}  // namespace dudode
