#pragma once
// The base of the masked time and date fields: entering the field selects its
// whole text, so typing starts at the first position wherever a click landed.
#include <QLineEdit>

namespace dudode {

class TMaskedEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool selectOnClick_ = false;
};

}  // namespace dudode
