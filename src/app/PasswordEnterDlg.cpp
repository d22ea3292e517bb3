#include "app/PasswordEnterDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogContract.h"
#include "ui/DialogParts.h"

namespace dudode {

TPasswordEnterDlg::TPasswordEnterDlg(QWidget* parent) : QDialog(parent) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Zugriffsschutz"));
  auto* text = new QLabel(QStringLiteral("Diese Funktion wurde durch ein Paßwort geschützt!"), this);
  auto* label = new QLabel(QStringLiteral("Paßwort:"), this);
  PasswordEdit = new QLineEdit(this);
  PasswordEdit->setObjectName("PasswordEdit");
  PasswordEdit->setEchoMode(QLineEdit::Password);
  PasswordEdit->setMaxLength(255);
  label->setBuddy(PasswordEdit);
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* field = new QHBoxLayout;
  field->addWidget(label);
  field->addWidget(PasswordEdit, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(field);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));
}

std::string TPasswordEnterDlg::Password() const {
  return PasswordEdit->text().toStdString();
}

}  // namespace dudode
