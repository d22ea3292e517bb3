#include "ui/CentEuroDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Cents.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {

TCentEuroDlg::TCentEuroDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Cent in Euro Umrechnung"));
  CentEdit = new TNumberEdit(this);
  CentEdit->setObjectName("CentEdit");
  CentEdit->SetDecimals(4);
  CentEdit->SetRange(0, 1e7);
  EuroEdit = new TNumberEdit(this);
  EuroEdit->setObjectName("EuroEdit");
  EuroEdit->SetDecimals(4);
  EuroEdit->SetRange(0, 1e5);
  EuroEdit->setReadOnly(true);
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(okBtn, &QPushButton::clicked, this, [this] {
    if (CheckTypedFields(*this)) accept();
  });
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(CentEdit, &QLineEdit::textChanged, this, &TCentEuroDlg::CentEditChange);
  connect(EuroEdit, &QLineEdit::textChanged, this, &TCentEuroDlg::EuroEditChange);

  auto* fields = new QGridLayout;
  auto* centLabel = new QLabel(QStringLiteral("Angabe in Cent:"), this);
  centLabel->setBuddy(CentEdit);
  auto* euroLabel = new QLabel(QStringLiteral("Angabe in Euro:"), this);
  euroLabel->setBuddy(EuroEdit);
  fields->addWidget(centLabel, 0, 0);
  fields->addWidget(CentEdit, 0, 1);
  fields->addWidget(euroLabel, 1, 0);
  fields->addWidget(EuroEdit, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));

  auto* mechanics = new TDialogMechanics(this);
  mechanics->EnterRuns(CentEdit, [this] { accept(); });
  mechanics->EnterMovesFocus(EuroEdit);
  CentEdit->setFocus();
  CentEdit->selectAll();
}

double TCentEuroDlg::Euro() const {
  return EuroEdit->Value();
}

void TCentEuroDlg::CentEditChange() {
  if (converting_) return;
  converting_ = true;
  EuroEdit->SetValue(CentsToEuro(CentEdit->Value()));
  converting_ = false;
}

void TCentEuroDlg::EuroEditChange() {
  if (converting_) return;
  converting_ = true;
  CentEdit->SetValue(EuroToCents(EuroEdit->Value()));
  converting_ = false;
}

bool ConvertCentsIntoField(QWidget* focusedField, QWidget* parent) {
  QPointer<TNumberEdit> field = qobject_cast<TNumberEdit*>(focusedField);
  TCentEuroDlg dlg(parent);
  if (RunModal(dlg) != QDialog::Accepted || !field || field->isReadOnly()) return false;
  field->SetValue(dlg.Euro());
  return true;
}

QPushButton* CreateCentEuroButton(QWidget* dialog, std::function<bool(QWidget* focused)> takes) {
  auto* button = Named<QPushButton>(dialog, "CentEuroBtn", QStringLiteral("&Cent->Euro"));
  button->setToolTip(QStringLiteral("Umwandlung Angabe in Cent in Euro-Beträge"));
  button->setFocusPolicy(Qt::NoFocus);
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, takes = std::move(takes)] {
    QWidget* field = dialog->focusWidget();
    ConvertCentsIntoField(takes(field) ? field : nullptr, dialog);
  });
  return button;
}

}  // namespace dudode
