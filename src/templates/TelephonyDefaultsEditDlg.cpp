#include "templates/TelephonyDefaultsEditDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/Text.h"
#include "templates/ConnectionForm.h"
#include "templates/TariffZoneChoice.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"

namespace dudode {
namespace {

constexpr int kMaxAccessCodeChars = 160;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TTelephonyDefaultsEditDlg::TTelephonyDefaultsEditDlg(const TPhoneConnectionTemplate& phone,
                                                     const std::vector<TRatesFileInfo>& tariffs,
                                                     const TPhoneConnectionTemplateList* existing,
                                                     QWidget* parent)
    : QDialog(parent), phone_(phone), existing_(existing) {
  setWindowTitle(QStringLiteral("Neuer Verbindungseintrag"));
  auto* mechanics = new TDialogMechanics(this);
  zones_ = new TTariffZoneChoice(this, *mechanics, tariffs);
  CreateControls();
  CreateLayout();
  for (QWidget* w : std::initializer_list<QWidget*>{AccessCodeCB, DescriptionEdit})
    mechanics->EnterMovesFocus(w);
  mechanics->NoChecksFor(CancelBtn);
  zones_->Changed = [this] { UpdateSaveBtn(); };
  zones_->Chosen = [this] { TariffChosen(); };
  connect(AccessCodeCB, &QComboBox::editTextChanged, this, &TTelephonyDefaultsEditDlg::UpdateSaveBtn);
  connect(SaveBtn, &QPushButton::clicked, this, &TTelephonyDefaultsEditDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  AccessCodeCB->setEditText(Q(phone_.AccessCode));
  DescriptionEdit->setText(Q(phone_.Description));
  zones_->Fill(phone_.PhoneTarif, phone_.Zone);
  UpdateSaveBtn();
}

void TTelephonyDefaultsEditDlg::CreateControls() {
  AccessCodeCB = new QComboBox(this);
  AccessCodeCB->setObjectName("AccessCodeCB");
  AccessCodeCB->setEditable(true);
  AccessCodeCB->setInsertPolicy(QComboBox::NoInsert);
  AccessCodeCB->lineEdit()->setMaxLength(kMaxAccessCodeChars);
  DescriptionEdit = new QLineEdit(this);
  DescriptionEdit->setObjectName("DescriptionEdit");
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
}

void TTelephonyDefaultsEditDlg::CreateLayout() {
  auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(zones_->ZoneCB, 1);
  zoneRow->addWidget(zones_->PhoneTarifBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label(QStringLiteral("Netzvorwahl des Anbieters:"), AccessCodeCB));
  layout->addWidget(AccessCodeCB);
  layout->addWidget(label(QStringLiteral("Telefontarif:"), zones_->ZoneCB));
  layout->addLayout(zoneRow);
  layout->addWidget(label(QStringLiteral("Bezeichnung der Verbindung:"), DescriptionEdit));
  layout->addWidget(DescriptionEdit);
  layout->addLayout(ButtonRow(this, SaveBtn, {SaveBtn, CancelBtn}));
  setMinimumWidth(420);
}

void TTelephonyDefaultsEditDlg::TariffChosen() {
  const TRatesFileInfo* tariff = zones_->Tariff();
  if (tariff == nullptr) return;
  if (!tariff->AccessCode.empty()) AccessCodeCB->setEditText(Q(tariff->AccessCode));
  DescriptionEdit->setText(Q(TelephonyDescription(tariff->Description, zones_->Zone())));
}

void TTelephonyDefaultsEditDlg::UpdateSaveBtn() {
  SaveBtn->setEnabled(!TrimBlanks(AccessCodeCB->currentText().toStdString()).empty() &&
                      !zones_->Zone().empty());
}

void TTelephonyDefaultsEditDlg::SaveBtnClick() {
  if (!SaveBtn->isEnabled() || !CheckTypedFields(*this)) return;
  phone_.AccessCode = AccessCodeCB->currentText().toStdString();
  phone_.Description = DescriptionEdit->text().toStdString();
  phone_.PhoneTarif = zones_->PhoneTarif();
  phone_.Zone = zones_->Zone();
  phone_.Relations = ZoneRelationsOf(zones_->Tariff(), phone_.Zone);
  FinishPhoneTemplate(phone_);
  if (existing_ != nullptr && PhoneTemplateTaken(*existing_, phone_.AccessCode, phone_.Description)) {
    ShowMessageBox("Eine Verbindung mit diesem Namen existiert bereits!", {}, mkFehler, mbOK);
    return;
  }
  accept();
}

}  // namespace dudode
