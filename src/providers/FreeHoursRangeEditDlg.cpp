#include "providers/FreeHoursRangeEditDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "providers/WindowFields.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"

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

  auto* mechanics = new TDialogMechanics(this);
  fields_->Mechanics(mechanics);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(daysBox);
  layout->addLayout(fields_->FootRow(mechanics, [this] {
    for (int code = 1; code <= 7; ++code) {
      form_.DayPressed[static_cast<std::size_t>(code)] =
          dayButtons_[static_cast<std::size_t>(code)]->isChecked();
    }
  }));
  fields_->Show();
}

TRangeDialogRunner RangeDialogRunner(QWidget* parent) {
  return [parent](TWindowForm& form, bool editing) {
    TFreeHoursRangeEditDlg dlg(form, editing, parent);
    return RunOverForm(dlg, dlg.Form(), form);
  };
}

}  // namespace dudode
