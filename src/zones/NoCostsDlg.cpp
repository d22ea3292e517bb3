#include "zones/NoCostsDlg.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "zones/WindowListPage.h"

namespace dudode {

TNoCostsDlg::TNoCostsDlg(const std::vector<TFreeTimeEntry>& weekdays,
                         const std::vector<TFreeTimeEntry>& weekend, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Kostenlose Zeiten bearbeiten"));
  pages_[0] = new TWindowListPage(weekdays, true, {"WList", "WAddBtn", "WEditBtn", "WDeleteBtn"}, this);
  pages_[1] = new TWindowListPage(weekend, true, {"FList", "FAddBtn", "FEditBtn", "FDeleteBtn"}, this);
  Pages = new QTabWidget(this);
  Pages->setObjectName("Pages");
  Pages->addTab(pages_[0], QStringLiteral("wochentags"));
  Pages->addTab(pages_[1], QStringLiteral("Sa./So./Feiertage"));

  auto* applyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(applyBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Pages);
  layout->addLayout(ButtonRow(this, applyBtn, {applyBtn, cancelBtn}));
}

const std::vector<TFreeTimeEntry>& TNoCostsDlg::Windows(TDayClass dayClass) const {
  return pages_[dayClass == TDayClass::Werktag ? 0 : 1]->Windows();
}

}  // namespace dudode
