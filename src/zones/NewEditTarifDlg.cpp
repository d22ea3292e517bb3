#include "zones/NewEditTarifDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/RegionalSettings.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"
#include "zones/AccessInfosDlg.h"
#include "zones/NoCostsDlg.h"

namespace dudode {

TNewEditTarifDlg::TNewEditTarifDlg(const TZoneForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(form_.Renaming ? QStringLiteral("Tarifzonenname ändern")
                                : QStringLiteral("Neue Tarifzone anlegen"));
  NameLabel = new QLabel(form_.Renaming ? QStringLiteral("Geben Sie einen neuen Namen ein:")
                                        : QStringLiteral("Geben Sie den Namen der neuen Tarifzone ein:"),
                         this);
  NameLabel->setObjectName("NameLabel");
  TarifName = new QLineEdit(this);
  TarifName->setObjectName("TarifName");
  TarifName->setMaxLength(static_cast<int>(kMaxZoneNameChars));
  NameLabel->setBuddy(TarifName);
  TaktCheckBox = new QCheckBox(
      QStringLiteral(" Der Anbieter nutzt für diese Tarifzone die taktbezogene Abrechnung."), this);
  TaktCheckBox->setObjectName("TaktCheckBox");
  // Four decimals: a value from the file must come back unchanged.
  CalcTaktEdit = new TNumberEdit(this, "CalcTaktEdit", 4, 1000);
  FirstSecondEdit = new TNumberEdit(this, "FirstSecondEdit", 4, 1000);
  BCPEdit = new TNumberEdit(this, "BCPEdit", 4, 1000);
  MonthRateEdit = new TNumberEdit(this, "MonthRateEdit", 2, 999);
  CurrencyLabel1 = new QLabel(this);
  CurrencyLabel1->setObjectName("CurrencyLabel1");
  CurrencyLabel2 = new QLabel(this);
  CurrencyLabel2->setObjectName("CurrencyLabel2");
  RegionGroup = new QListWidget(this);
  RegionGroup->setObjectName("RegionGroup");
  for (const char* region : kRegionNames) {
    auto* item = new QListWidgetItem(QString::fromUtf8(region), RegionGroup);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
  RoundToChkBox = Named<QCheckBox>(this, "RoundToChkBox",
                                   QStringLiteral(" Pfenniggenaue Rundung bei der Berechnung verwenden"));
  nichtbundesweitChkBox =
      new QCheckBox(QStringLiteral(" Dieser Tarif ist nicht bundesweit verfügbar."), this);
  nichtbundesweitChkBox->setObjectName("nichtbundesweitChkBox");
  INetBtn = Named<QPushButton>(this, "INetBtn", QStringLiteral("Internetzugang..."));
  NoCostsBtn = Named<QPushButton>(this, "NoCostsBtn", QStringLiteral("Kostenlose Zeiten..."));
  ApplyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(TaktCheckBox, &QCheckBox::clicked, this, &TNewEditTarifDlg::TaktCheckBoxClick);
  connect(INetBtn, &QPushButton::clicked, this, &TNewEditTarifDlg::INetBtnClick);
  connect(NoCostsBtn, &QPushButton::clicked, this, &TNewEditTarifDlg::NoCostsBtnClick);
  connect(ApplyBtn, &QPushButton::clicked, this, &TNewEditTarifDlg::ApplyBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  BuildLayout();
  ConnectMechanics();
  ShowForm();
}

void TNewEditTarifDlg::BuildLayout() {
  auto label = [this](const QString& text, QWidget* buddy = nullptr, QWidget* parent = nullptr) {
    auto* l = new QLabel(text, parent ? parent : this);
    if (buddy) l->setBuddy(buddy);
    return l;
  };
  TimeBilling = new QWidget(this);
  TimeBilling->setObjectName("TimeBilling");
  auto* timeGrid = new QGridLayout(TimeBilling);
  timeGrid->setContentsMargins(0, 0, 0, 0);
  timeGrid->addWidget(label(QStringLiteral("zeitbezogene Abrechnung:"), nullptr, TimeBilling), 0, 0, 1, 3);
  CalcTaktEdit->setParent(TimeBilling);
  FirstSecondEdit->setParent(TimeBilling);
  timeGrid->addWidget(label(QStringLiteral("Abrechnung im"), CalcTaktEdit, TimeBilling), 1, 0);
  timeGrid->addWidget(CalcTaktEdit, 1, 1);
  timeGrid->addWidget(label(QStringLiteral("Sekundentakt"), nullptr, TimeBilling), 1, 2);
  timeGrid->addWidget(label(QStringLiteral("Abrechnung ab der"), FirstSecondEdit, TimeBilling), 2, 0);
  timeGrid->addWidget(FirstSecondEdit, 2, 1);
  timeGrid->addWidget(label(QStringLiteral("Sekunde"), nullptr, TimeBilling), 2, 2);

  auto* prices = new QGridLayout;
  prices->addWidget(label(QStringLiteral("Verbindungspreis pro Gespräch:"), BCPEdit), 0, 0);
  prices->addWidget(BCPEdit, 0, 1);
  prices->addWidget(CurrencyLabel1, 0, 2);
  prices->addWidget(label(QStringLiteral("Monatliche Grundgebühr:"), MonthRateEdit), 1, 0);
  prices->addWidget(MonthRateEdit, 1, 1);
  prices->addWidget(CurrencyLabel2, 1, 2);

  auto* side = new QVBoxLayout;
  side->addWidget(INetBtn);
  side->addWidget(NoCostsBtn);
  side->addStretch();
  auto* middle = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(TaktCheckBox);
  left->addWidget(TimeBilling);
  left->addLayout(prices);
  left->addWidget(label(QStringLiteral("Diese Tarifzone umfasst den/die Tarifbereich(e):"), RegionGroup));
  left->addWidget(RegionGroup);
  left->addWidget(RoundToChkBox);
  left->addWidget(nichtbundesweitChkBox);
  middle->addLayout(left);
  middle->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(NameLabel);
  layout->addWidget(TarifName);
  layout->addLayout(middle);
  layout->addLayout(ButtonRow(this, ApplyBtn, {ApplyBtn, CancelBtn}));
}

void TNewEditTarifDlg::ConnectMechanics() {
  auto* mechanics = new TDialogMechanics(this);
  for (QWidget* field :
       std::initializer_list<QWidget*>{TarifName, CalcTaktEdit, FirstSecondEdit, BCPEdit, MonthRateEdit,
                                       TaktCheckBox, RoundToChkBox, nichtbundesweitChkBox}) {
    mechanics->EnterMovesFocus(field);
  }
  mechanics->FilterKeys(TarifName,
                        [](const QString& c) { return !IsDroppedZoneNameKey(c.toUcs4().value(0)); });
  mechanics->CheckOnLeave(TarifName, [this] {
    ReadForm();
    form_.LeaveName();
    ShowForm();
    return true;
  });
  mechanics->NoChecksFor(CancelBtn);
}

void TNewEditTarifDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  const QString currency = QString::fromStdString(Regional().CurrencySymbol);
  CurrencyLabel1->setText(currency);
  CurrencyLabel2->setText(currency);
  form_.Open();
  ShowForm();
  INetBtn->setEnabled(true);
  TarifName->setFocus();
}

void TNewEditTarifDlg::ReadForm() {
  form_.Name = TarifName->text().toStdString();
  form_.TaktBilling = TaktCheckBox->isChecked();
  form_.CalcTakt = CalcTaktEdit->Value();
  form_.FirstSecond = FirstSecondEdit->Value();
  form_.ConnectPrice = BCPEdit->Value();
  form_.MonthlyFee = MonthRateEdit->Value();
  form_.Relations = 0;
  for (int i = 0; i < kRegionCount; ++i) {
    if (RegionGroup->item(i)->checkState() == Qt::Checked)
      form_.Relations |= static_cast<TRelationSet>(1u << i);
  }
  form_.RoundTo = RoundToChkBox->isChecked();
  form_.Access.NichtBundesweit = nichtbundesweitChkBox->isChecked();
}

void TNewEditTarifDlg::ShowForm() {
  if (TarifName->text().toStdString() != form_.Name) TarifName->setText(QString::fromStdString(form_.Name));
  TaktCheckBox->setChecked(form_.TaktBilling);
  TimeBilling->setEnabled(form_.TimeBillingEnabled());
  if (CalcTaktEdit->Value() != form_.CalcTakt) CalcTaktEdit->SetValue(form_.CalcTakt);
  if (FirstSecondEdit->Value() != form_.FirstSecond) FirstSecondEdit->SetValue(form_.FirstSecond);
  if (BCPEdit->Value() != form_.ConnectPrice) BCPEdit->SetValue(form_.ConnectPrice);
  if (MonthRateEdit->Value() != form_.MonthlyFee) MonthRateEdit->SetValue(form_.MonthlyFee);
  for (int i = 0; i < kRegionCount; ++i) {
    RegionGroup->item(i)->setCheckState((form_.Relations >> i) & 1u ? Qt::Checked : Qt::Unchecked);
  }
  RoundToChkBox->setChecked(form_.RoundTo);
  nichtbundesweitChkBox->setChecked(form_.Access.NichtBundesweit);
}

void TNewEditTarifDlg::TaktCheckBoxClick() {
  ReadForm();
  ShowForm();
}

void TNewEditTarifDlg::INetBtnClick() {
  ReadForm();
  TAccessInfos access = form_.Access;
  if (!EditAccessInfos(access, this)) return;
  form_.Access.PhoneNr = access.PhoneNr;
  form_.Access.UserName = access.UserName;
  form_.Access.Password = access.Password;
  form_.Access.Registration = access.Registration;
}

void TNewEditTarifDlg::NoCostsBtnClick() {
  ReadForm();
  TNoCostsDlg dlg(form_.WFreeTimes, form_.FFreeTimes, this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  form_.WFreeTimes = dlg.Windows(TDayClass::Werktag);
  form_.FFreeTimes = dlg.Windows(TDayClass::SaSo);
  form_.NoCostsConfirmed = true;
}

void TNewEditTarifDlg::ApplyBtnClick() {
  if (!CheckTypedFields(*this)) return;
  ReadForm();
  form_.Apply();
  ShowForm();
  if (form_.TakeNameFocus()) TarifName->setFocus(Qt::OtherFocusReason);
  if (form_.Confirmed) accept();
}

TZoneDialogRunner ZoneDialogRunner(QWidget* parent) {
  return [parent](TZoneForm& form) {
    TNewEditTarifDlg dlg(form, parent);
    const bool confirmed = RunModal(dlg) == QDialog::Accepted && dlg.Confirmed();
    if (confirmed) form = dlg.Form();
    return confirmed;
  };
}

}  // namespace dudode
