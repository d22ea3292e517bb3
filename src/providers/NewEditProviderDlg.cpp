#include "providers/NewEditProviderDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "providers/FreeHoursRangeDlg.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

constexpr double kMaxAmount = 99999;

QString Currency() {
  return QString::fromStdString(Regional().CurrencySymbol);
}

void ShowText(QLineEdit* edit, const std::string& text) {
  if (edit->text().toStdString() != text) edit->setText(QString::fromStdString(text));
}

}  // namespace

TNewEditProviderDlg::TNewEditProviderDlg(const TProviderForm& form, const QString& caption, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(caption);
  BuildControls();
  BuildLayout();
  BuildMechanics();
  ShowForm();
}

void TNewEditProviderDlg::BuildControls() {
  ProvNameEdit = new QLineEdit(this);
  ProvNameEdit->setObjectName("ProvNameEdit");
  ProvNameEdit->setMaxLength(kMaxProviderNameChars);
  FreeHoursEdit = new QLineEdit(this);
  FreeHoursEdit->setObjectName("FreeHoursEdit");
  FreeHoursEdit->setMaxLength(10);
  FreeHoursEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Holiday2431Box = Named<QCheckBox>(this, "Holiday2431Box",
                                    QStringLiteral(" am 24.12. und 31.12. gilt der Feiertagstarif"));
  TimingBox = Named<QCheckBox>(this, "TimingBox",
                               QStringLiteral(" Der Provider rechnet im eingegebenen Zeittakt ab."));
  FreeHoursPerDayBox =
      Named<QCheckBox>(this, "FreeHoursPerDayBox", QStringLiteral(" Angegebene Freistunden gelten pro Tag"));
  ISDNDoubleCostsBox = Named<QCheckBox>(this, "ISDNDoubleCostsBox",
                                        QStringLiteral(" Bei Kanalbündelung fallen während der "
                                                       "Freistunden die erfassten Kosten an."));
  BaseAmountEdit = new TNumberEdit(this, "BaseAmountEdit", 2, kMaxAmount);
  NoCostsEdit = new TNumberEdit(this, "NoCostsEdit", 2, kMaxAmount);
  TimingEdit = new TNumberEdit(this, "TimingEdit", 4, 1000);
  MinConnectEdit = new TNumberEdit(this, "MinConnectEdit", 4, 1000);
  CostsPerDayEdit = new TNumberEdit(this, "CostsPerDayEdit", 2, kMaxAmount);
  BaseConnectPriceEdit = new TNumberEdit(this, "BaseConnectPriceEdit", 2, kMaxAmount);
  FreeHoursCostsEdit = new TNumberEdit(this, "FreeHoursCostsEdit", 4, 999);
  RangesBtn = Named<QPushButton>(this, "RangesBtn", QStringLiteral("Gültigkeit Freistunden..."));
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(ProvNameEdit, &QLineEdit::textChanged, this,
          [this] { SaveBtn->setEnabled(!ProvNameEdit->text().trimmed().isEmpty()); });
  connect(TimingBox, &QCheckBox::clicked, this, &TNewEditProviderDlg::TimingBoxClick);
  connect(RangesBtn, &QPushButton::clicked, this, &TNewEditProviderDlg::RangesBtnClick);
  connect(SaveBtn, &QPushButton::clicked, this, &TNewEditProviderDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewEditProviderDlg::BuildLayout() {
  auto* grid = new QGridLayout;
  int row = 0;
  auto label = [this](const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text, this);
    if (buddy) l->setBuddy(buddy);
    return l;
  };
  auto addRow = [&](const QString& caption, QWidget* field, const QString& unit) {
    QLabel* first = label(caption, field);
    QLabel* second = label(unit);
    grid->addWidget(first, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(second, row, 2);
    ++row;
    return std::pair{first, second};
  };
  auto addWide = [&](QWidget* widget) { grid->addWidget(widget, row++, 0, 1, 3); };
  grid->addWidget(label(QStringLiteral("&Name des Providers"), ProvNameEdit), row++, 0, 1, 3);
  addWide(ProvNameEdit);
  addRow(QStringLiteral("Anzahl &Freistunden"), FreeHoursEdit, QStringLiteral("Stunde(n)"));
  addWide(Holiday2431Box);
  addRow(QStringLiteral("Monatlicher &Grundbetrag"), BaseAmountEdit, Currency());
  addRow(QStringLiteral("&Keine Gebühren ab"), NoCostsEdit, Currency() + QStringLiteral(" pro Monat"));
  addWide(TimingBox);
  auto timing = addRow(QStringLiteral("Abrechnung im"), TimingEdit, QStringLiteral("Sekundentakt"));
  auto minimum = addRow(QStringLiteral("Abrechnung ab der"), MinConnectEdit, QStringLiteral("Sekunde"));
  timingLabels_ = {timing.first, timing.second, minimum.first, minimum.second};
  addRow(QStringLiteral("Kosten &pro Tag"), CostsPerDayEdit, Currency());
  addRow(QStringLiteral("Kosten bei &Einwahl:"), BaseConnectPriceEdit, Currency());
  addRow(QStringLiteral("Kosten &während der Freistd."), FreeHoursCostsEdit, Currency());
  addWide(FreeHoursPerDayBox);
  addWide(ISDNDoubleCostsBox);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(RangesBtn);
  buttons->addStretch();
  buttons->addWidget(SaveBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

void TNewEditProviderDlg::BuildMechanics() {
  auto* mechanics = new TDialogMechanics(this);
  // Tab and Enter go through the fields in the order they are shown.
  QWidget* previous = nullptr;
  for (QWidget* field : std::initializer_list<QWidget*>{
           ProvNameEdit, FreeHoursEdit, Holiday2431Box, BaseAmountEdit, NoCostsEdit, TimingBox, TimingEdit,
           MinConnectEdit, CostsPerDayEdit, BaseConnectPriceEdit, FreeHoursCostsEdit, FreeHoursPerDayBox,
           ISDNDoubleCostsBox, RangesBtn, SaveBtn, CancelBtn}) {
    if (qobject_cast<QPushButton*>(field) == nullptr) mechanics->EnterMovesFocus(field);
    if (previous) setTabOrder(previous, field);
    previous = field;
  }
  mechanics->FilterKeys(ProvNameEdit, [](const QString& c) {
    return c.isEmpty() || !IsDroppedProviderNameKey(c.toUcs4().value(0));
  });
  const QString separator = QString::fromStdString(Regional().TimeSeparator);
  mechanics->FilterKeys(FreeHoursEdit, [separator](const QString& c) {
    if (c == separator || (c.size() == 1 && c.at(0).isDigit())) return true;
    ShowMessageBox(FreeHoursKeyMessage(separator.toStdString()), {}, mkFehler, mbOK);
    return false;
  });
  // Pasted text loses the characters too, on leaving the field.
  mechanics->CheckOnLeave(ProvNameEdit, [this] {
    ReadForm();
    form_.LeaveName();
    ShowForm();
    return true;
  });
  mechanics->CheckOnLeave(FreeHoursEdit, [this] {
    ReadForm();
    form_.LeaveFreeHours();
    ShowForm();
    return true;
  });
  mechanics->NoChecksFor(CancelBtn);
}

void TNewEditProviderDlg::ReadForm() {
  form_.Name = ProvNameEdit->text().toStdString();
  form_.FreeHoursText = FreeHoursEdit->text().toStdString();
  TProviderOptionsForm& o = form_.Options;
  o.Holiday2431 = Holiday2431Box->isChecked();
  o.BaseAmount = BaseAmountEdit->Value();
  o.NoCostsFrom = NoCostsEdit->Value();
  o.EntryTiming = TimingBox->isChecked();
  o.Timing = TimingEdit->Value();
  o.MinConnectTime = MinConnectEdit->Value();
  o.CostsPerDay = CostsPerDayEdit->Value();
  o.BaseConnectPrice = BaseConnectPriceEdit->Value();
  o.FreeHoursCosts = FreeHoursCostsEdit->Value();
  o.FreeHoursPerDay = FreeHoursPerDayBox->isChecked();
  o.ISDNDoubleCosts = ISDNDoubleCostsBox->isChecked();
}

void TNewEditProviderDlg::ShowForm() {
  ShowText(ProvNameEdit, form_.Name);
  ShowText(FreeHoursEdit, form_.FreeHoursText);
  const TProviderOptionsForm& o = form_.Options;
  Holiday2431Box->setChecked(o.Holiday2431);
  ShowValue(BaseAmountEdit, o.BaseAmount);
  ShowValue(NoCostsEdit, o.NoCostsFrom);
  TimingBox->setChecked(o.EntryTiming);
  ShowValue(TimingEdit, o.Timing);
  ShowValue(MinConnectEdit, o.MinConnectTime);
  for (QWidget* w : std::initializer_list<QWidget*>{TimingEdit, MinConnectEdit})
    w->setEnabled(!o.EntryTiming);
  for (QLabel* l : timingLabels_) l->setEnabled(!o.EntryTiming);
  ShowValue(CostsPerDayEdit, o.CostsPerDay);
  ShowValue(BaseConnectPriceEdit, o.BaseConnectPrice);
  ShowValue(FreeHoursCostsEdit, o.FreeHoursCosts);
  FreeHoursPerDayBox->setChecked(o.FreeHoursPerDay);
  ISDNDoubleCostsBox->setChecked(o.ISDNDoubleCosts);
  SaveBtn->setEnabled(form_.CanApply());
}

void TNewEditProviderDlg::TimingBoxClick(bool checked) {
  ReadForm();
  form_.SetEntryTiming(checked);
  ShowForm();
}

void TNewEditProviderDlg::RangesBtnClick() {
  TFreeHoursRangeDlg dlg(form_.Options.FreeHoursRanges, this);
  if (RunModal(dlg) == QDialog::Accepted) form_.Options.FreeHoursRanges = dlg.Ranges();
}

void TNewEditProviderDlg::SaveBtnClick() {
  ReadForm();
  form_.Apply();
  ShowForm();
  if (!form_.Confirmed) {
    (form_.FreeHoursRefused ? FreeHoursEdit : ProvNameEdit)->setFocus(Qt::OtherFocusReason);
  } else if (CheckTypedFields(*this)) {
    accept();
  }
}

TProviderDialogRunner ProviderDialogRunner(QWidget* parent) {
  return [parent](TProviderForm& form, const std::string& caption) {
    TNewEditProviderDlg dlg(form, QString::fromStdString(caption), parent);
    const bool confirmed = RunModal(dlg) == QDialog::Accepted && dlg.Form().Confirmed;
    if (confirmed) form = dlg.Form();
    return confirmed;
  };
}

}  // namespace dudode
