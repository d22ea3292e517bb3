#pragma once
// The zone box of the main window: a zone is chosen from its drop-down list
// only, nothing can be typed into it, but Tab and Shift+Tab leave it and it
// shows when it has the focus.
#include <QComboBox>

namespace dudode {

class TZoneBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TZoneBox(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace dudode
