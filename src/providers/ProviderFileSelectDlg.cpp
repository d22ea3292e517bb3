#include "providers/ProviderFileSelectDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "providers/Provider.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"

namespace dudode {

TProviderFileSelectDlg::TProviderFileSelectDlg(QWidget* parent) : QDialog(parent) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Zu bearbeitende Providerinformationen wählen"));
  ProviderList = new QListWidget(this);
  ProviderList->setObjectName("ProviderList");
  ProviderList->addItems({QStringLiteral("Hauptproviderdatei bearbeiten"),
                          QStringLiteral("Benutzerdefinierte Providerdatei bearbeiten")});
  ProviderList->setCurrentRow(1);
  ProviderList->setMaximumHeight(ProviderList->sizeHintForRow(0) * 2 + 2 * ProviderList->frameWidth() + 4);
  auto* label = new QLabel(QStringLiteral("&Providerinformation:"), this);
  label->setBuddy(ProviderList);
  auto* info = new QLabel(
      QStringLiteral(
          "Bis zur Version 2.22 müssen die Tarife der Hauptproviderdatei bearbeitet werden. Ab Version "
          "2.30 sollten Sie nur noch die benutzerdefinierten Provider bearbeiten, da diese auch bei "
          "einem Tarifupdate unverändert bleiben.\n\nSollten Sie die Hauptproviderdatei bearbeiten, "
          "dann wird bei einem Tarifupdate der Providertarife Ihre Änderung nicht berücksichtigt, "
          "die von Ihnen eingegebenen Tarife sind damit verloren."),
      this);
  info->setObjectName("InfoLabel");
  info->setWordWrap(true);
  info->setMinimumWidth(440);
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(ProviderList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(ProviderList);
  layout->addWidget(info);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));
  ProviderList->setFocus();
}

std::string TProviderFileSelectDlg::FileName() const {
  return std::string(ProviderList->currentRow() == 0 ? kMainProviderFile : kUserProviderFile);
}

}  // namespace dudode
