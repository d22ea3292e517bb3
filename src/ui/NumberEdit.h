#pragma once
// The number field of every dialog: a fixed number of decimals shown with the
// locale's decimal separator, limited to a range.
#include <QLineEdit>

#include "core/FieldRules.h"

namespace dudode {

class TNumberEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TNumberEdit(QWidget* parent = nullptr);
  // A named field for values from 0 to maximum with the given decimals.
  TNumberEdit(QWidget* parent, const char* objectName, int decimals, double maximum);

  void SetDecimals(int decimals);
  int Decimals() const { return decimals_; }
  void SetRange(double minimum, double maximum);
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }

  // The number in the field, limited to the range; text that is no number
  // counts as the last value the field held.
  double Value() const;
  // Values from files and from the program are limited to the range.
  void SetValue(double value);
  // At the confirm button: false, after a message naming the range and with
  // the focus in the field, when the typed text is no value of the field.
  bool CheckValue();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Parse(const QString& text, double& value) const;
  TNumberFieldRule Rule() const { return {decimals_, minimum_, maximum_}; }
  double Limit(double value) const;

  int decimals_ = 4;
  double minimum_ = 0;
  double maximum_ = 1e9;
  double lastValue_ = 0;
};

// The value into the field unless the field holds it already, so that a
// field being typed in keeps its text and cursor. No field, nothing to do.
void ShowValue(TNumberEdit* edit, double value);

// At the confirm button: every number field of the dialog in focus order, as
// CheckValue does, and every other text field for characters the data files
// cannot hold. False, after the message and with the focus in the field, at
// the first refused one.
bool CheckTypedFields(QWidget& dialog);

}  // namespace dudode
