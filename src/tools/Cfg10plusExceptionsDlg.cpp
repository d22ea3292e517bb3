#include "tools/Cfg10plusExceptionsDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "tools/TenPlusForm.h"
#include "ui/DialogParts.h"
#include "zones/WindowListPage.h"

namespace dudode {

TCfg10plusExceptionsDlg::TCfg10plusExceptionsDlg(const std::string& lineText,
                                                 const std::vector<TNo10plusEntry>& weekdays,
                                                 const std::vector<TNo10plusEntry>& weekend, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromStdString(TenPlusExceptionsCaption(lineText)));
  auto* info =
      new QLabel(QStringLiteral("Geben Sie an, zu welchen Zeiten der Rabatt 10plus nicht gilt."), this);
  info->setWordWrap(true);
  pages_[0] = BuildPage(weekdays, "1");
  pages_[1] = BuildPage(weekend, "2");
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("PageControl");
  tabs->addTab(pages_[0], QStringLiteral("wochentags"));
  tabs->addTab(pages_[1], QStringLiteral("Sa./So./Feiertage"));

  auto* saveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(info);
  layout->addWidget(tabs);
  layout->addLayout(ButtonRow(this, saveBtn, {saveBtn, cancelBtn}));
  setMinimumWidth(460);
}

// ListView1 with AddEntry1Btn ... for workdays, ListView2 ... for the rest.
TWindowListPage* TCfg10plusExceptionsDlg::BuildPage(const std::vector<TNo10plusEntry>& windows,
                                                    const char* digit) {
  std::vector<TFreeTimeEntry> times;
  for (const TNo10plusEntry& w : windows) times.push_back({w.StartSec, w.EndSec, 0});
  const std::string d = digit;
  const std::string list = "ListView" + d, add = "AddEntry" + d + "Btn", edit = "EditEntry" + d + "Btn",
                    remove = "DeleteEntry" + d + "Btn";
  auto* page = new TWindowListPage(std::move(times), false,
                                   {list.c_str(), add.c_str(), edit.c_str(), remove.c_str()}, this);
  page->SetButtonHints(QStringLiteral("Fügt einen Eintrag\nhinzu."),
                       QStringLiteral("Ändert den ausge-\nwählten Eintrag."),
                       QStringLiteral("Löscht den ausge-\nwählten Eintrag."));
  return page;
}

std::vector<TNo10plusEntry> TCfg10plusExceptionsDlg::Windows(TDayClass dayClass) const {
  std::vector<TNo10plusEntry> rows;
  for (const TFreeTimeEntry& w : pages_[dayClass == TDayClass::Werktag ? 0 : 1]->Windows()) {
    rows.push_back({w.StartSec, w.EndSec});
  }
  return No10plusListFromRows(std::move(rows));
}

}  // namespace dudode
