#include "providers/NewEditProvEntryDlg.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "providers/WindowFields.h"
#include "ui/CentEuroDlg.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {

TNewEditProvEntryDlg::TNewEditProvEntryDlg(const TWindowForm& form, const QString& caption, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(caption);
  fields_ = new TWindowFields(this, form_, QStringLiteral("&Zeittakt:"));
  TNumberEdit* price = fields_->AddPrice();
  CentEuroBtn = CreateCentEuroButton(this, [price](QWidget* focused) { return focused == price; });
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(SaveBtn, &QPushButton::clicked, this, &TNewEditProvEntryDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  const int priceRow = fields_->Layout(grid) - 1;
  grid->addWidget(CentEuroBtn, priceRow, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow(this, SaveBtn, {SaveBtn, CancelBtn}));

  auto* mechanics = new TDialogMechanics(this);
  fields_->Mechanics(mechanics);
  mechanics->NoChecksFor(CancelBtn);
  setTabOrder(price, SaveBtn);
  fields_->Show();
}

void TNewEditProvEntryDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fields_->FocusFirst();
}

void TNewEditProvEntryDlg::SaveBtnClick() {
  if (CheckTypedFields(*this) && fields_->Apply()) accept();
}

TWindowDialogRunner ProvEntryDialogRunner(QWidget* parent) {
  return [parent](TWindowForm& form, const std::string& caption) {
    TNewEditProvEntryDlg dlg(form, QString::fromStdString(caption), parent);
    const bool confirmed = RunModal(dlg) == QDialog::Accepted && dlg.Form().Confirmed;
    if (confirmed) form = dlg.Form();
    return confirmed;
  };
}

}  // namespace dudode
