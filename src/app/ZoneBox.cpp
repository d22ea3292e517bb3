#include "app/ZoneBox.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/DialogContract.h"

namespace dudode {
namespace {
// Keys that choose a zone or ask for help.
bool PassesThrough(const QKeyEvent& key) {
  return key.key() == Qt::Key_F1 || ChoosesWithoutTyping(key);
}
}  // namespace

TZoneBox::TZoneBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setFocusPolicy(Qt::StrongFocus);
}

// Tab and Shift+Tab never get here: the widget moves the focus before.
void TZoneBox::keyPressEvent(QKeyEvent* event) {
  if (PassesThrough(*event)) {
    QComboBox::keyPressEvent(event);
  } else {
    event->ignore();  // not typeable; the window's shortcuts still see the key
  }
}

void TZoneBox::keyReleaseEvent(QKeyEvent* event) {
  if (PassesThrough(*event)) {
    QComboBox::keyReleaseEvent(event);
  } else {
    event->ignore();
  }
}

void TZoneBox::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

void TZoneBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  if (!hasFocus()) return;
  // The style draws a focus frame only after keyboard navigation; the box
  // shows it after a click as well.
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(3, 3, -3, -3);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace dudode
