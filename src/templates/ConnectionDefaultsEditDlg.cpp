#include "templates/ConnectionDefaultsEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/Text.h"
#include "templates/ConnectionForm.h"
#include "templates/SR10plusDlg.h"
#include "templates/TariffZoneChoice.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"

namespace dudode {
namespace {

constexpr int kMaxNameChars = 160;
const QString kNoProvider = QStringLiteral("<keinen Provider verwenden>");

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TConnectionDefaultsEditDlg::TConnectionDefaultsEditDlg(const TConnectionTemplate& connection,
                                                       const std::vector<TRatesFileInfo>& tariffs,
                                                       const std::vector<std::string>& providerNames,
                                                       const TConnectionTemplateList* existing,
                                                       QWidget* parent)
    : QDialog(parent), connection_(connection), tariffs_(tariffs), existing_(existing) {
  setWindowTitle(QStringLiteral("Neuer Verbindungseintrag"));
  mechanics_ = new TDialogMechanics(this);
  zones_ = new TTariffZoneChoice(this, *mechanics_, tariffs);
  CreateControls(providerNames);
  CreateLayout();
  Connect();
  Load();
}

void TConnectionDefaultsEditDlg::CreateControls(const std::vector<std::string>& providerNames) {
  ConnectionCB = new QComboBox(this);
  ConnectionCB->setObjectName("ConnectionCB");
  ConnectionCB->setEditable(true);
  ConnectionCB->setInsertPolicy(QComboBox::NoInsert);
  ConnectionCB->lineEdit()->setMaxLength(kMaxNameChars);
  for (const auto& name : PredefinedConnectionNames()) ConnectionCB->addItem(Q(name));
  auto check = [this](const char* name, const QString& text) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    return box;
  };
  CityPlusChkBox = check("CityPlusChkBox", QStringLiteral(" CityPlus, wenn möglich"));
  CityWeekendChkBox = check("CityWeekendChkBox", QStringLiteral(" CityWeekend, wenn möglich"));
  ISDNChkBox = check("ISDNChkBox", QStringLiteral(" ISDN Kanalbündelung"));
  ProviderChkBox = check("ProviderChkBox", QStringLiteral(" Provider aktivieren"));
  RabattBtn =
      new QPushButton(QStringLiteral("Rabatt 10plus && Sofortrabatt für diese Verbindung festlegen"), this);
  RabattBtn->setObjectName("RabattBtn");
  ProviderCB = new QComboBox(this);
  ProviderCB->setObjectName("ProviderCB");
  ProviderCB->addItem(kNoProvider);
  for (const auto& name : providerNames) ProviderCB->addItem(Q(name));
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  for (QWidget* w : std::initializer_list<QWidget*>{ConnectionCB, CityPlusChkBox, CityWeekendChkBox,
                                                    ISDNChkBox, ProviderCB, ProviderChkBox}) {
    mechanics_->EnterMovesFocus(w);
  }
  mechanics_->CheckOnLeave(ConnectionCB, [this] { return ConnectionLeave(); });
  mechanics_->NoChecksFor(CancelBtn);
}

void TConnectionDefaultsEditDlg::CreateLayout() {
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(zones_->ZoneCB, 1);
  zoneRow->addWidget(zones_->PhoneTarifBtn);
  auto* options = new QGroupBox(QStringLiteral(" Tarifoptionen "), this);
  auto* optionsLayout = new QVBoxLayout(options);
  for (QWidget* w :
       std::initializer_list<QWidget*>{CityPlusChkBox, CityWeekendChkBox, ISDNChkBox, RabattBtn}) {
    optionsLayout->addWidget(w);
  }
  auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label(QStringLiteral("Verbindung (Telefonnummer, Anwendung, Anbieter):"), ConnectionCB));
  layout->addWidget(ConnectionCB);
  layout->addWidget(label(QStringLiteral("zu verwendender Telefontarif:"), zones_->ZoneCB));
  layout->addLayout(zoneRow);
  layout->addWidget(options);
  layout->addWidget(label(QStringLiteral("zu verwendender Provider"), ProviderCB));
  layout->addWidget(ProviderCB);
  layout->addWidget(ProviderChkBox);
  layout->addLayout(ButtonRow(this, SaveBtn, {SaveBtn, CancelBtn}));
  setMinimumWidth(460);
}

void TConnectionDefaultsEditDlg::Connect() {
  zones_->Changed = [this] { UpdateSaveBtn(); };
  zones_->Chosen = [this] { TariffChosen(); };
  connect(ConnectionCB, &QComboBox::editTextChanged, this, &TConnectionDefaultsEditDlg::UpdateSaveBtn);
  connect(ProviderCB, &QComboBox::currentIndexChanged, this, &TConnectionDefaultsEditDlg::ProviderChange);
  connect(ProviderChkBox, &QCheckBox::clicked, this, &TConnectionDefaultsEditDlg::ProviderChkBoxClick);
  connect(RabattBtn, &QPushButton::clicked, this, &TConnectionDefaultsEditDlg::RabattBtnClick);
  connect(SaveBtn, &QPushButton::clicked, this, &TConnectionDefaultsEditDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TConnectionDefaultsEditDlg::Load() {
  ConnectionCB->setEditText(Q(connection_.Name));
  zones_->Fill(connection_.PhoneTarif, connection_.Zone);
  CityPlusChkBox->setChecked(connection_.CityPlus != 0);
  CityWeekendChkBox->setChecked(connection_.CityWeekend != 0);
  ISDNChkBox->setChecked(connection_.ISDNx2 != 0);
  const int provider =
      connection_.Provider.empty() ? 0 : ProviderCB->findText(Q(connection_.Provider), Qt::MatchFixedString);
  ProviderCB->setCurrentIndex(provider > 0 ? provider : 0);
  ProviderChange();
  if (provider > 0) ProviderChkBox->setChecked(connection_.ProviderActive != 0);
  UpdateSaveBtn();
}

bool TConnectionDefaultsEditDlg::ConnectionLeave() {
  const std::optional<std::string> name = PredefinedConnectionName(ConnectionCB->currentText().toStdString());
  if (!name) return true;
  ConnectionCB->setEditText(Q(*name));
  if (const auto notice = PredefinedNameNotice(*name)) ShowMessageBox(notice->Text, {}, notice->Kind, mbOK);
  return true;
}

void TConnectionDefaultsEditDlg::TariffChosen() {
  if (!TrimBlanks(ConnectionCB->currentText().toStdString()).empty()) return;
  const TRatesFileInfo* tariff = zones_->Tariff();
  if (tariff == nullptr || zones_->Zone().empty()) return;
  ConnectionCB->setEditText(Q(ConnectionAutoName(zones_->Zone(), tariff->Description)));
}

void TConnectionDefaultsEditDlg::ProviderChange() {
  const bool chosen = ProviderCB->currentIndex() > 0;
  ProviderChkBox->setChecked(chosen);
  ProviderChkBox->setEnabled(chosen);
}

void TConnectionDefaultsEditDlg::ProviderChkBoxClick() {
  if (!ProviderChkBox->isChecked()) ProviderCB->setCurrentIndex(0);
}

void TConnectionDefaultsEditDlg::RabattBtnClick() {
  // The dialog needs today's CityPlus and CityWeekend; only its confirmation
  // changes the template.
  const TConnectionTemplate before = connection_;
  Take();
  if (!EditConnectionDiscount(connection_, this)) connection_ = before;
}

void TConnectionDefaultsEditDlg::UpdateSaveBtn() {
  SaveBtn->setEnabled(!TrimBlanks(ConnectionCB->currentText().toStdString()).empty() &&
                      !zones_->Zone().empty());
}

void TConnectionDefaultsEditDlg::Take() {
  connection_.Name = ConnectionCB->currentText().toStdString();
  connection_.PhoneTarif = zones_->PhoneTarif();
  connection_.Zone = zones_->Zone();
  connection_.CityPlus = CityPlusChkBox->isChecked() ? 1 : 0;
  connection_.CityWeekend = CityWeekendChkBox->isChecked() ? 1 : 0;
  connection_.ISDNx2 = ISDNChkBox->isChecked() ? 1 : 0;
  connection_.ProviderActive = ProviderChkBox->isChecked() ? 1 : 0;
  connection_.Provider =
      ProviderCB->currentIndex() > 0 ? ProviderCB->currentText().toStdString() : std::string();
  FinishConnectionTemplate(connection_);
}

void TConnectionDefaultsEditDlg::SaveBtnClick() {
  if (!SaveBtn->isEnabled() || !CheckTypedFields(*this)) return;
  Take();
  if (existing_ != nullptr && ConnectionNameTaken(*existing_, connection_.Name)) {
    ShowMessageBox("Eine Verbindung mit diesem Namen existiert bereits!", {}, mkFehler, mbOK);
    ConnectionCB->setFocus();
    return;
  }
  accept();
}

}  // namespace dudode
