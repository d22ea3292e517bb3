#include "ui/MaskedEdit.h"

#include <QFocusEvent>
#include <utility>

namespace dudode {

void TMaskedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  switch (event->reason()) {
    case Qt::MouseFocusReason:
      selectOnClick_ = true;  // the click that follows would place the cursor
      break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
      break;  // back from a message or a menu: keep the cursor
    default:
      selectAll();
  }
}

void TMaskedEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (std::exchange(selectOnClick_, false)) selectAll();
}

}  // namespace dudode
