#pragma once
// Spin buttons beside a field: an up and a down arrow that step a position
// within a range. The field they belong to is kept in step by its dialog.
#include <QWidget>

class QToolButton;

namespace dudode {

class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent = nullptr);

  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Sets the position without telling anybody (the field set it).
  void SetPosition(int position);
  // One step up (+1) or down (-1), as the arrows do.
  void Step(int delta);

 signals:
  void PositionChanged(int position);

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

}  // namespace dudode
