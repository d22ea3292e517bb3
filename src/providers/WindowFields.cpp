#include "providers/WindowFields.h"

#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/RegionalSettings.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/MaskedText.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"
#include "ui/TimeEdit.h"

namespace dudode {

TWindowFields::TWindowFields(QDialog* dialog, TWindowForm& form, const QString& intervalLabel)
    : QObject(dialog), dialog_(dialog), form_(form), intervalLabel_(intervalLabel) {
  TimeFromEdit = new TTimeEdit(dialog);
  TimeFromEdit->setObjectName("TimeFromEdit");
  TimeToEdit = new TTimeEdit(dialog);
  TimeToEdit->setObjectName("TimeToEdit");
  TaktEdit = new TNumberEdit(dialog, "TaktEdit", 4, 9999);
  dialog->installEventFilter(this);
}

TNumberEdit* TWindowFields::AddPrice() {
  PriceEdit = new TNumberEdit(dialog_, "PriceEdit", 4, 100);
  return PriceEdit;
}

int TWindowFields::Layout(QGridLayout* grid) {
  auto label = [this](const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text, dialog_);
    if (buddy) l->setBuddy(buddy);
    return l;
  };
  int row = 0;
  auto addRow = [&](const QString& caption, QWidget* field, const QString& unit) {
    grid->addWidget(label(caption, field), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(label(unit), row, 2);
    ++row;
  };
  addRow(QStringLiteral("Gültig &von:"), TimeFromEdit, QStringLiteral("Uhr"));
  addRow(QStringLiteral("Gültig &bis:"), TimeToEdit, QStringLiteral("Uhr"));
  addRow(intervalLabel_, TaktEdit, QStringLiteral("Sekunde(n)"));
  if (PriceEdit) {
    addRow(QStringLiteral("Gebühr \"pro\" Zeittakt"), PriceEdit,
           QString::fromStdString(Regional().CurrencySymbol));
  }
  return row;
}

void TWindowFields::Mechanics(TDialogMechanics* mechanics) {
  const auto dropSeparators = [](const QString& c) { return !IsDroppedEntryKey(Typed(c)); };
  for (QWidget* field : std::initializer_list<QWidget*>{TimeFromEdit, TimeToEdit, TaktEdit, PriceEdit}) {
    if (field) mechanics->EnterMovesFocus(field);
  }
  checks_.CheckOnLeave(mechanics, {{TimeFromEdit, TWindowControl::TimeFrom, &TWindowForm::LeaveTimeFrom},
                                   {TimeToEdit, TWindowControl::TimeTo, &TWindowForm::LeaveTimeTo},
                                   {TaktEdit, TWindowControl::Takt, &TWindowForm::LeaveTakt},
                                   {PriceEdit, TWindowControl::Price, &TWindowForm::LeavePrice}});
  mechanics->FilterKeys(TimeFromEdit, dropSeparators);
  mechanics->FilterKeys(TimeToEdit, dropSeparators);
  mechanics->FilterKeys(TaktEdit,
                        [this](const QString& c) { return WindowTaktKey(Typed(c), TextBeside(TaktEdit)); });
}

QHBoxLayout* TWindowFields::FootRow(TDialogMechanics* mechanics, std::function<void()> beforeApply) {
  saveBtn_ = Named<QPushButton>(dialog_, "SaveBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(dialog_, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn_, &QPushButton::clicked, this, [this, beforeApply] {
    if (beforeApply) beforeApply();
    if (CheckTypedFields(*dialog_) && Apply()) dialog_->accept();
  });
  connect(cancelBtn, &QPushButton::clicked, dialog_, &QDialog::reject);
  mechanics->NoChecksFor(cancelBtn);
  return ButtonRow(dialog_, saveBtn_, {saveBtn_, cancelBtn});
}

void TWindowFields::Read() {
  form_.TimeFrom = MaskedText(TimeFromEdit);
  form_.TimeTo = MaskedText(TimeToEdit);
  form_.Takt = TaktEdit->Value();
  if (PriceEdit) form_.Price = PriceEdit->Value();
}

void TWindowFields::Show() {
  ShowMaskedText(TimeFromEdit, form_.TimeFrom);
  ShowMaskedText(TimeToEdit, form_.TimeTo);
  ShowValue(TaktEdit, form_.Takt);
  ShowValue(PriceEdit, form_.Price);
}

bool TWindowFields::Apply() {
  Read();
  form_.Apply();
  Show();
  checks_.ApplyFocus();
  return form_.Confirmed;
}

void TWindowFields::FocusFirst() {
  TimeFromEdit->setFocus(Qt::OtherFocusReason);
  TimeFromEdit->setCursorPosition(0);
}

bool TWindowFields::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_ && event->type() == QEvent::Show) FocusFirst();
  return QObject::eventFilter(watched, event);
}

bool RunOverForm(QDialog& dialog, const TWindowForm& edited, TWindowForm& form) {
  const bool confirmed = RunModal(dialog) == QDialog::Accepted && edited.Confirmed;
  if (confirmed) form = edited;
  return confirmed;
}

}  // namespace dudode
