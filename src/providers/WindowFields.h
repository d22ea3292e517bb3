#pragma once
// The time window fields shared by the provider entry dialog and the
// free-hours range dialog: "Gültig von", "Gültig bis" and the interval, with
// their key filters and checks, as a view of a TWindowForm.
#include <QObject>
#include <QString>
#include <functional>

#include "providers/ProviderForms.h"
#include "ui/FormChecks.h"

class QDialog;
class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace dudode {

class TDialogMechanics;
class TNumberEdit;
class TTimeEdit;

class TWindowFields : public QObject {
  Q_OBJECT
 public:
  // intervalLabel names the interval field ("Zeittakt:" or "Taktung:").
  TWindowFields(QDialog* dialog, TWindowForm& form, const QString& intervalLabel);

  // The price field of the entry dialog; call before Mechanics.
  TNumberEdit* AddPrice();
  // Rows for the fields, from row 0 of the grid on; returns the next row.
  int Layout(QGridLayout* grid);
  // Enter moves on, key filters, checks on leaving.
  void Mechanics(TDialogMechanics* mechanics);
  // "Übernehmen" (SaveBtn) and "Abbrechen" (CancelBtn): "Übernehmen" runs
  // `beforeApply`, the typed-field checks and Apply, and closes the dialog
  // when the form accepts.
  QHBoxLayout* FootRow(TDialogMechanics* mechanics, std::function<void()> beforeApply = {});
  QPushButton* SaveBtn() const { return saveBtn_; }

  void Read();
  void Show();
  // "Übernehmen": true when the form accepted.
  bool Apply();

 protected:
  // The dialog opens with the focus in "Gültig von".
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FocusFirst();

  QDialog* dialog_;
  TWindowForm& form_;
  QString intervalLabel_;
  TFormChecks<TWindowForm, TWindowControl> checks_{form_, [this] { Read(); }, [this] { Show(); }};
  TTimeEdit* TimeFromEdit = nullptr;
  TTimeEdit* TimeToEdit = nullptr;
  TNumberEdit* TaktEdit = nullptr;
  TNumberEdit* PriceEdit = nullptr;
  QPushButton* saveBtn_ = nullptr;
};

// Runs the dialog over a copy of `form`; true, with `form` taken from
// `edited`, when it was confirmed.
bool RunOverForm(QDialog& dialog, const TWindowForm& edited, TWindowForm& form);

}  // namespace dudode
