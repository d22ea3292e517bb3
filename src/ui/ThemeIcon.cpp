#include "ui/ThemeIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <utility>

namespace dudode {
namespace {

class TThemeIconEngine : public QIconEngine {
 public:
  TThemeIconEngine(QString name, std::function<QIcon()> fallback)
      : name_(std::move(name)), fallback_(std::move(fallback)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new TThemeIconEngine(*this); }
  QString key() const override { return QStringLiteral("dudode.theme"); }
  QString iconName() override { return name_; }
  // Known without the search: every such icon has at least its fallback.
  bool isNull() override { return false; }

 private:
  const QIcon& Icon() {
    if (!resolved_) {
      icon_ = QIcon::hasThemeIcon(name_) ? QIcon::fromTheme(name_) : fallback_();
      resolved_ = true;
    }
    return icon_;
  }

  QString name_;
  std::function<QIcon()> fallback_;
  QIcon icon_;
  bool resolved_ = false;
};

}  // namespace

QIcon ThemeIcon(const QString& name, std::function<QIcon()> fallback) {
  return QIcon(new TThemeIconEngine(name, std::move(fallback)));
}

}  // namespace dudode
