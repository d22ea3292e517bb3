#pragma once
// With DUDODE_ARTIFACTS set to a directory, widget tests photograph the
// windows they work into it (run on a virtual display for real pixels).
#include <QDir>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace dudode::test {

inline QString Artifacts() {
  return QString::fromLocal8Bit(std::getenv("DUDODE_ARTIFACTS"));
}

inline void Photograph(QWidget& widget, const char* name) {
  if (Artifacts().isEmpty()) return;
  QDir().mkpath(Artifacts());
  widget.grab().save(Artifacts() + "/" + name);
}

}  // namespace dudode::test
