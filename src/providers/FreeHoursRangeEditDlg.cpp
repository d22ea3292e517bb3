#include "providers/FreeHoursRangeEditDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "providers/WindowFields.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {

TFreeHoursRangeEditDlg::TFreeHoursRangeEditDlg(const TWindowForm& form, bool editing, QWidget* parent)
    : QDialog(parent), form_(form) {
  setWindowTitle(editing ? QStringLiteral("Eintrag ändern") : QStringLiteral("Eintrag hinzufügen"));
  fields_ = new TWindowFields(this, form_, QStringLiteral("&Taktung:"));
  auto* grid = new QGridLayout;
  fields_->Layout(grid);

  struct TDay {
    int Code;
    const char* Name;
    const char* Text;
    const char* Hint;
  };
  static constexpr TDay kDays[] = {{2, "MoBtn", "Mo", "Montag"},    {3, "TuBtn", "Di", "Dienstag"},
                                   {4, "WedBtn", "Mi", "Mittwoch"}, {5, "ThuBtn", "Do", "Donnerstag"},
                                   {6, "FrBtn", "Fr", "Freitag"},   {7, "SatBtn", "Sa", "Samstag"},
                                   {1, "SunBtn", "So", "Sonntag"}};
  auto* daysBox = new QGroupBox(QStringLiteral("Diese Einschränkung gilt:"), this);
  auto* days = new QHBoxLayout(daysBox);
  for (const TDay& day : kDays) {
    auto* button = new QToolButton(daysBox);
    button->setObjectName(day.Name);
    button->setText(QString::fromUtf8(day.Text));
    button->setToolTip(QString::fromUtf8(day.Hint));
    button->setCheckable(true);
    button->setChecked(form_.DayPressed[static_cast<std::size_t>(day.Code)]);
    button->setFocusPolicy(Qt::StrongFocus);
    StyleDayButton(button);
    days->addWidget(button);
    dayButtons_[static_cast<std::size_t>(day.Code)] = button;
  }

  auto* saveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn, &QPushButton::clicked, this, &TFreeHoursRangeEditDlg::SaveBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(daysBox);
  layout->addLayout(ButtonRow(this, saveBtn, {saveBtn, cancelBtn}));

  auto* mechanics = new TDialogMechanics(this);
  fields_->Mechanics(mechanics);
  mechanics->NoChecksFor(cancelBtn);
  fields_->Show();
}

void TFreeHoursRangeEditDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fields_->FocusFirst();
}

void TFreeHoursRangeEditDlg::SaveBtnClick() {
  for (int code = 1; code <= 7; ++code) {
    form_.DayPressed[static_cast<std::size_t>(code)] =
        dayButtons_[static_cast<std::size_t>(code)]->isChecked();
  }
  if (CheckTypedFields(*this) && fields_->Apply()) accept();
}

TRangeDialogRunner RangeDialogRunner(QWidget* parent) {
  return [parent](TWindowForm& form, bool editing) {
    TFreeHoursRangeEditDlg dlg(form, editing, parent);
    const bool confirmed = RunModal(dlg) == QDialog::Accepted && dlg.Form().Confirmed;
    if (confirmed) form = dlg.Form();
    return confirmed;
  };
}

}  // namespace dudode
