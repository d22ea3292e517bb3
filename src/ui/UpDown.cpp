#include "ui/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace dudode {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  auto arrow = [this](Qt::ArrowType type, const char* name, int delta) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(type);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);  // the field keeps the focus, as with spin buttons
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    b->setFixedWidth(18);
    connect(b, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return b;
  };
  up_ = arrow(Qt::UpArrow, "Up", 1);
  down_ = arrow(Qt::DownArrow, "Down", -1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
}

void TUpDown::Step(int delta) {
  const int next = std::clamp(position_ + delta, min_, max_);
  if (next == position_) return;
  position_ = next;
  emit PositionChanged(position_);
}

}  // namespace dudode
