#pragma once
// The number field of every dialog: a fixed number of decimals shown with the
// locale's decimal separator, limited to a range.
#include <QLineEdit>

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
  void SetValue(double value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Parse(const QString& text, double& value) const;
  double Limit(double value) const;

  int decimals_ = 4;
  double minimum_ = 0;
  double maximum_ = 1e9;
  double lastValue_ = 0;
};

}  // namespace dudode
