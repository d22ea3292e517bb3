#pragma once
// Turns an amount in cents into euros, for the price fields of the entry
// dialogs ("Cent->Euro").
#include <QDialog>
#include <functional>

class QPushButton;

namespace dudode {

class TNumberEdit;

class TCentEuroDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TCentEuroDlg(QWidget* parent = nullptr);
  double Euro() const;

 private:
  void CentEditChange();
  void EuroEditChange();

  TNumberEdit* CentEdit = nullptr;
  TNumberEdit* EuroEdit = nullptr;
  bool converting_ = false;
};

// The "Cent->Euro" button of a dialog: the number field that had the focus
// when the converter opened takes the euro value on "Übernehmen"; any other
// field, or "Abbrechen", changes nothing. true when a value was taken.
bool ConvertCentsIntoField(QWidget* focusedField, QWidget* parent);

// The "Cent->Euro" button itself: it never takes the focus, so the field that
// had it takes the value when `takes` says it is one of the number fields.
QPushButton* CreateCentEuroButton(QWidget* dialog, std::function<bool(QWidget* focused)> takes);

}  // namespace dudode
