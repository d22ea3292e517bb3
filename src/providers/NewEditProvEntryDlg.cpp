#include "providers/NewEditProvEntryDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "providers/WindowFields.h"
#include "ui/CentEuroDlg.h"
#include "ui/DialogMechanics.h"
#include "ui/NumberEdit.h"

namespace dudode {

TNewEditProvEntryDlg::TNewEditProvEntryDlg(const TWindowForm& form, const QString& caption, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(caption);
  fields_ = new TWindowFields(this, form_, QStringLiteral("&Zeittakt:"));
  TNumberEdit* price = fields_->AddPrice();
  QPushButton* centEuroBtn =
      CreateCentEuroButton(this, [price](QWidget* focused) { return focused == price; });
  auto* mechanics = new TDialogMechanics(this);
  fields_->Mechanics(mechanics);
  QHBoxLayout* foot = fields_->FootRow(mechanics);
  auto* grid = new QGridLayout;
  const int priceRow = fields_->Layout(grid) - 1;
  grid->addWidget(centEuroBtn, priceRow, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(foot);
  setTabOrder(price, fields_->SaveBtn());
  fields_->Show();
}

TWindowDialogRunner ProvEntryDialogRunner(QWidget* parent) {
  return [parent](TWindowForm& form, const std::string& caption) {
    TNewEditProvEntryDlg dlg(form, QString::fromStdString(caption), parent);
    return RunOverForm(dlg, dlg.Form(), form);
  };
}

}  // namespace dudode
