#include "zones/NoCostEditDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/MaskedText.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"
#include "ui/TimeEdit.h"

namespace dudode {
TNoCostEditDlg::TNoCostEditDlg(const TNoCostEditForm& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(QStringLiteral("Neuer Eintrag "));
  auto* text = new QLabel(QString::fromStdString(NoCostExplanation(form_.SecondsShown)), this);
  text->setObjectName("InfoLabel");
  text->setWordWrap(true);
  TimeFrom = new TTimeEdit(this);
  TimeFrom->setObjectName("TimeFrom");
  TimeTo = new TTimeEdit(this);
  TimeTo->setObjectName("TimeTo");
  TimeEdit = new TNumberEdit(this);
  TimeEdit->setObjectName("TimeEdit");
  TimeEdit->SetDecimals(4);
  TimeEdit->SetRange(0, 9999);
  ApplyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(ApplyBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QGridLayout;
  auto* fromLabel = new QLabel(QStringLiteral("von:"), this);
  fromLabel->setBuddy(TimeFrom);
  auto* toLabel = new QLabel(QStringLiteral("bis:"), this);
  toLabel->setBuddy(TimeTo);
  TimeEditLabel = new QLabel(QStringLiteral("kostenlose Zeit"), this);
  TimeEditLabel->setBuddy(TimeEdit);
  TimeEditUnit = new QLabel(QStringLiteral("Sekunde(n)"), this);
  fields->addWidget(fromLabel, 0, 0);
  fields->addWidget(TimeFrom, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Uhr"), this), 0, 2);
  fields->addWidget(toLabel, 1, 0);
  fields->addWidget(TimeTo, 1, 1);
  fields->addWidget(new QLabel(QStringLiteral("Uhr"), this), 1, 2);
  fields->addWidget(TimeEditLabel, 2, 0);
  fields->addWidget(TimeEdit, 2, 1);
  fields->addWidget(TimeEditUnit, 2, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(this, ApplyBtn, {ApplyBtn, CancelBtn}));

  for (QWidget* w : std::initializer_list<QWidget*>{TimeEdit, TimeEditLabel, TimeEditUnit}) {
    w->setVisible(form_.SecondsShown);
  }
  auto* mechanics = new TDialogMechanics(this);
  for (QWidget* field : std::initializer_list<QWidget*>{TimeFrom, TimeTo, TimeEdit})
    mechanics->EnterMovesFocus(field);
  mechanics->CheckOnLeave(
      TimeFrom, [this] { return Leave(TNoCostControl::TimeFrom, &TNoCostEditForm::LeaveTimeFrom); });
  mechanics->CheckOnLeave(TimeTo,
                          [this] { return Leave(TNoCostControl::TimeTo, &TNoCostEditForm::LeaveTimeTo); });
  mechanics->CheckOnLeave(TimeEdit,
                          [this] { return Leave(TNoCostControl::Seconds, &TNoCostEditForm::LeaveSeconds); });
  mechanics->NoChecksFor(CancelBtn);
  for (TTimeEdit* field : {TimeFrom, TimeTo}) {
    connect(field, &QLineEdit::textEdited, this, [this] {
      ReadForm();
      form_.Typed();
      ApplyBtn->setEnabled(form_.ApplyEnabled());
    });
  }
  ShowForm();
}

void TNoCostEditDlg::SetChangeCaption() {
  setWindowTitle(QStringLiteral("Eintrag ändern"));
}

void TNoCostEditDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  ReadForm();
  form_.Open();
  ShowForm();
  TimeFrom->setFocus();
}

void TNoCostEditDlg::ReadForm() {
  form_.TimeFrom = MaskedText(TimeFrom);
  form_.TimeTo = MaskedText(TimeTo);
  if (form_.SecondsShown) form_.Seconds = TimeEdit->Value();
}

void TNoCostEditDlg::ShowForm() {
  ShowMaskedText(TimeFrom, form_.TimeFrom);
  ShowMaskedText(TimeTo, form_.TimeTo);
  if (TimeEdit->Value() != form_.Seconds) TimeEdit->SetValue(form_.Seconds);
  ApplyBtn->setEnabled(form_.ApplyEnabled());
}

bool TNoCostEditDlg::Leave(TNoCostControl control, void (TNoCostEditForm::*check)()) {
  ReadForm();
  (form_.*check)();
  ShowForm();
  return form_.TakeFocus() != control;
}

bool EditNoCostWindow(TFreeTimeEntry& window, bool adding, bool withSeconds, QWidget* parent) {
  TNoCostEditForm form;
  form.SecondsShown = withSeconds;
  if (!adding) form = NoCostEditFormFor(window, withSeconds);
  TNoCostEditDlg dlg(form, parent);
  if (!adding) dlg.SetChangeCaption();
  if (RunModal(dlg) != QDialog::Accepted || !dlg.Form().ApplyEnabled()) return false;
  window = dlg.Form().Window();
  return true;
}

}  // namespace dudode
