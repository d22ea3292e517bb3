#include "zones/NewEditEntryDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/RegionalSettings.h"
#include "ui/CentEuroDlg.h"
#include "ui/DateEdit.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/MaskedText.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"
#include "ui/TimeEdit.h"

namespace dudode {

TNewEditEntryDlg::TNewEditEntryDlg(const TEntryForm& form, const QString& caption, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(caption);
  BuildControls();
  BuildLayout();
  BuildMechanics();
  ShowForm();
}

// Pressed and released days must differ at a glance, also while the buttons
// are disabled (CityWeekend); the styles' own checked look is too faint.

void TNewEditEntryDlg::BuildControls() {
  struct TDay {
    int Code;
    const char* Name;
    const char* Text;
  };
  static constexpr TDay kDays[] = {
      {kMonday, "MoBtn", "Mo"}, {3, "TuBtn", "Di"},          {4, "WedBtn", "Mi"},      {5, "ThuBtn", "Do"},
      {kFriday, "FrBtn", "Fr"}, {kSaturday, "SatBtn", "Sa"}, {kSunday, "SunBtn", "So"}};
  for (const TDay& day : kDays) {
    auto* button = new QToolButton(this);
    button->setObjectName(day.Name);
    button->setText(QString::fromUtf8(day.Text));
    button->setCheckable(true);
    StyleDayButton(button);
    dayButtons_[static_cast<std::size_t>(day.Code)] = button;
  }
  EntryTimeFrom = new TTimeEdit(this);
  EntryTimeFrom->setObjectName("EntryTimeFrom");
  EntryTimeTo = new TTimeEdit(this);
  EntryTimeTo->setObjectName("EntryTimeTo");
  TaktEdit = new TNumberEdit(this, "TaktEdit", 4, 9999);
  // Larger than allowed, so that the unit check can say so.
  Units = new TNumberEdit(this, "Units", 0, 99999);
  UnitsToAddEdit = new TNumberEdit(this, "UnitsToAddEdit", 0, 100);
  PriceEdit = new TNumberEdit(this, "PriceEdit", 4, 1000);
  CurrencyLabel = new QLabel(this);
  CurrencyLabel->setObjectName("CurrencyLabel");
  Tarifname = new QLineEdit(this);
  Tarifname->setObjectName("Tarifname");
  Tarifname->setMaxLength(static_cast<int>(kMaxEntryNameChars));
  DateEdit1 = new TDateEdit(this);
  DateEdit1->setObjectName("DateEdit1");
  DateEdit2 = new TDateEdit(this);
  DateEdit2->setObjectName("DateEdit2");
  DateLabel1 = new QLabel(QStringLiteral("Gültig vom:"), this);
  DateLabel1->setObjectName("DateLabel1");
  DateLabel1->setBuddy(DateEdit1);
  DateLabel2 = new QLabel(QStringLiteral("Gültig bis:"), this);
  DateLabel2->setObjectName("DateLabel2");
  DateLabel2->setBuddy(DateEdit2);
  OnlyUnits = Named<QCheckBox>(this, "OnlyUnits", QStringLiteral(" ausschließlich feste Einheitenan&zahl"));
  FtagCheckBox =
      Named<QCheckBox>(this, "FtagCheckBox", QStringLiteral(" nur an gesetzlichen &Feiertagen gültig"));
  CWChkBox = Named<QCheckBox>(this, "CWChkBox", QStringLiteral(" für City&Weekend vorgesehen"));
  CPChkBox = Named<QCheckBox>(this, "CPChkBox", QStringLiteral(" für City&Plus vorgesehen"));
  CentEuroBtn = CreateCentEuroButton(this, [this](QWidget* focused) {
    return focused == PriceEdit || focused == TaktEdit || focused == Units || focused == UnitsToAddEdit;
  });
  SaveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(SaveBtn, &QPushButton::clicked, this, &TNewEditEntryDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(OnlyUnits, &QCheckBox::clicked, this,
          [this](bool on) { BoxClicked(&TEntryForm::SetOnlyUnits, on); });
  connect(FtagCheckBox, &QCheckBox::clicked, this,
          [this](bool on) { BoxClicked(&TEntryForm::SetHoliday, on); });
  connect(CWChkBox, &QCheckBox::clicked, this,
          [this](bool on) { BoxClicked(&TEntryForm::SetCityWeekend, on); });
  connect(CPChkBox, &QCheckBox::clicked, this, [this](bool on) { BoxClicked(&TEntryForm::SetCityPlus, on); });
}

void TNewEditEntryDlg::BuildLayout() {
  auto label = [this](const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text, this);
    if (buddy) l->setBuddy(buddy);
    return l;
  };
  auto* days = new QHBoxLayout;
  for (int code : {kMonday, 3, 4, 5, kFriday, kSaturday, kSunday})
    days->addWidget(dayButtons_[static_cast<std::size_t>(code)]);
  days->addStretch();

  auto* times = new QGridLayout;
  times->addWidget(label(QStringLiteral("Gültig von:"), EntryTimeFrom), 0, 0);
  times->addWidget(EntryTimeFrom, 0, 1);
  times->addWidget(label(QStringLiteral("Gültig bis:"), EntryTimeTo), 0, 2);
  times->addWidget(EntryTimeTo, 0, 3);

  // Two pages: the clock interval, or a fixed number of units.
  UnitsPages = new QStackedWidget(this);
  UnitsPages->setObjectName("UnitsPages");
  auto* taktPage = new QWidget(UnitsPages);
  taktPage->setObjectName("TaktPage");
  auto* taktRow = new QHBoxLayout(taktPage);
  taktRow->setContentsMargins(0, 0, 0, 0);
  taktRow->addWidget(label(QStringLiteral("Zeittakt \"pro\" Einheit"), TaktEdit));
  taktRow->addWidget(TaktEdit);
  taktRow->addWidget(label(QStringLiteral("Sekunde(n)")));
  auto* unitsPage = new QWidget(UnitsPages);
  unitsPage->setObjectName("UnitsPage");
  auto* unitsRow = new QHBoxLayout(unitsPage);
  unitsRow->setContentsMargins(0, 0, 0, 0);
  unitsRow->addWidget(label(QStringLiteral("Anzahl Einheiten"), Units));
  unitsRow->addWidget(Units);
  unitsRow->addStretch();
  UnitsPages->addWidget(taktPage);
  UnitsPages->addWidget(unitsPage);

  auto* values = new QGridLayout;
  values->addWidget(label(QStringLiteral("Einheiten zu Beginn der Verbindung:"), UnitsToAddEdit), 0, 0);
  values->addWidget(UnitsToAddEdit, 0, 1);
  values->addWidget(label(QStringLiteral("TE")), 0, 2);
  values->addWidget(label(QStringLiteral("Preis pro Einheit"), PriceEdit), 1, 0);
  values->addWidget(PriceEdit, 1, 1);
  values->addWidget(CurrencyLabel, 1, 2);
  values->addWidget(CentEuroBtn, 1, 3);
  values->addWidget(label(QStringLiteral("Tarifname"), Tarifname), 2, 0);
  values->addWidget(Tarifname, 2, 1, 1, 3);

  auto* dates = new QHBoxLayout;
  dates->addWidget(DateLabel1);
  dates->addWidget(DateEdit1);
  dates->addWidget(DateLabel2);
  dates->addWidget(DateEdit2);
  dates->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(days);
  layout->addLayout(times);
  layout->addWidget(OnlyUnits);
  layout->addWidget(UnitsPages);
  layout->addLayout(values);
  layout->addLayout(dates);
  layout->addWidget(FtagCheckBox);
  layout->addWidget(CWChkBox);
  layout->addWidget(CPChkBox);
  layout->addLayout(ButtonRow(this, SaveBtn, {SaveBtn, CancelBtn}));
}

void TNewEditEntryDlg::BuildMechanics() {
  auto* mechanics = new TDialogMechanics(this);
  const auto dropSeparators = [](const QString& c) { return !IsDroppedEntryKey(Typed(c)); };
  for (QWidget* field :
       std::initializer_list<QWidget*>{EntryTimeFrom, EntryTimeTo, Tarifname, DateEdit1, DateEdit2, Units,
                                       UnitsToAddEdit, OnlyUnits, FtagCheckBox, CWChkBox, CPChkBox}) {
    mechanics->EnterMovesFocus(field);
    // The unit fields refuse such keys themselves, with a word.
    if (field != Units && field != UnitsToAddEdit) mechanics->FilterKeys(field, dropSeparators);
  }
  mechanics->EnterMovesFocus(TaktEdit);
  mechanics->FilterKeys(TaktEdit,
                        [this](const QString& c) { return TaktKey(Typed(c), TextBeside(TaktEdit)); });
  mechanics->EnterMovesFocus(PriceEdit);
  mechanics->FilterKeys(PriceEdit, [](const QString& c) { return PriceKey(Typed(c)); });

  checks_.CheckOnLeave(mechanics,
                       {{EntryTimeFrom, TEntryControl::TimeFrom, &TEntryForm::LeaveTimeFrom},
                        {EntryTimeTo, TEntryControl::TimeTo, &TEntryForm::LeaveTimeTo},
                        {TaktEdit, TEntryControl::Takt, &TEntryForm::LeaveTakt},
                        {Units, TEntryControl::Units, &TEntryForm::LeaveUnits},
                        {UnitsToAddEdit, TEntryControl::UnitsToAdd, nullptr},
                        {Tarifname, TEntryControl::Name, &TEntryForm::LeaveName},
                        {DateEdit1, TEntryControl::DateFrom, &TEntryForm::LeaveDateFrom},
                        {DateEdit2, TEntryControl::DateTo, &TEntryForm::LeaveDateTo},
                        {PriceEdit, TEntryControl::Price, &TEntryForm::LeavePrice}},
                       [this] { return showing_; });
  mechanics->NoChecksFor(CancelBtn);
}

void TNewEditEntryDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  CurrencyLabel->setText(QString::fromStdString(Regional().CurrencySymbol));
  form_.Open();
  ShowForm();
  checks_.ApplyFocus();
}

void TNewEditEntryDlg::ReadForm() {
  form_.TimeFrom = MaskedText(EntryTimeFrom);
  form_.TimeTo = MaskedText(EntryTimeTo);
  form_.Takt = TaktEdit->Value();
  form_.Units = Units->Value();
  form_.UnitsToAdd = UnitsToAddEdit->Value();
  form_.Price = PriceEdit->Value();
  form_.Name = Tarifname->text().toStdString();
  form_.DateFrom = MaskedText(DateEdit1);
  form_.DateTo = MaskedText(DateEdit2);
  form_.OnlyUnits = OnlyUnits->isChecked();
  form_.Holiday = FtagCheckBox->isChecked();
  form_.CityWeekend = CWChkBox->isChecked();
  form_.CityPlus = CPChkBox->isChecked();
  for (int code = kSunday; code <= kSaturday; ++code) {
    form_.PressDay(code, dayButtons_[static_cast<std::size_t>(code)]->isChecked());
  }
}

void TNewEditEntryDlg::ShowForm() {
  const bool wasShowing = showing_;
  showing_ = true;
  ShowMaskedText(EntryTimeFrom, form_.TimeFrom);
  ShowMaskedText(EntryTimeTo, form_.TimeTo);
  ShowValue(TaktEdit, form_.Takt);
  ShowValue(Units, form_.Units);
  ShowValue(UnitsToAddEdit, form_.UnitsToAdd);
  ShowValue(PriceEdit, form_.Price);
  if (Tarifname->text().toStdString() != form_.Name) Tarifname->setText(QString::fromStdString(form_.Name));
  Tarifname->setEnabled(form_.NameEnabled);
  ShowMaskedText(DateEdit1, form_.DateFrom);
  ShowMaskedText(DateEdit2, form_.DateTo);
  for (QWidget* w : std::initializer_list<QWidget*>{DateEdit1, DateEdit2, DateLabel1, DateLabel2}) {
    w->setEnabled(form_.DatesEnabled);
    w->setVisible(form_.DatesShown);
  }
  OnlyUnits->setChecked(form_.OnlyUnits);
  OnlyUnits->setEnabled(form_.OnlyUnitsEnabled);
  FtagCheckBox->setChecked(form_.Holiday);
  FtagCheckBox->setEnabled(form_.HolidayEnabled);
  FtagCheckBox->setVisible(form_.HolidayShown());
  CWChkBox->setChecked(form_.CityWeekend);
  CWChkBox->setEnabled(form_.CityWeekendEnabled);
  CWChkBox->setVisible(form_.CityWeekendShown());
  CPChkBox->setChecked(form_.CityPlus);
  CPChkBox->setEnabled(form_.CityPlusEnabled);
  UnitsToAddEdit->setEnabled(form_.UnitsToAddEnabled);
  UnitsPages->setCurrentIndex(form_.OnlyUnits ? 1 : 0);
  for (int code = kSunday; code <= kSaturday; ++code) {
    QAbstractButton* button = dayButtons_[static_cast<std::size_t>(code)];
    button->setChecked(form_.DayPressed[static_cast<std::size_t>(code)]);
    button->setEnabled(form_.DayEnabled[static_cast<std::size_t>(code)]);
    button->setVisible(form_.DayShown(code));
  }
  showing_ = wasShowing;
}

void TNewEditEntryDlg::BoxClicked(void (TEntryForm::*effect)(bool), bool checked) {
  ReadForm();
  (form_.*effect)(checked);
  ShowForm();
  checks_.ApplyFocus();
}

void TNewEditEntryDlg::SaveBtnClick() {
  if (!CheckTypedFields(*this)) return;
  ReadForm();
  form_.Apply();
  ShowForm();
  checks_.ApplyFocus();
  if (form_.Confirmed) accept();
}

TEntryDialogRunner EntryDialogRunner(QWidget* parent) {
  return [parent](TEntryForm& form, const std::string& caption) {
    TNewEditEntryDlg dlg(form, QString::fromStdString(caption), parent);
    const bool confirmed = RunModal(dlg) == QDialog::Accepted && dlg.Confirmed();
    if (confirmed) form = dlg.Form();
    return confirmed;
  };
}

}  // namespace dudode
