#include "app/StartWindow.h"

#include <QEventLoop>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace dudode {
namespace {

// The picture: a telephone receiver over a rising chart of charges.
class TStartPicture : public QWidget {
 public:
  explicit TStartPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient sky(r.topLeft(), r.bottomRight());
    sky.setColorAt(0, QColor(18, 52, 110));
    sky.setColorAt(1, QColor(40, 130, 170));
    p.fillRect(r, sky);

    // Bars of a tariff chart.
    const double base = r.height() * 0.90;
    const double heights[] = {0.10, 0.17, 0.14, 0.24, 0.20, 0.31, 0.27, 0.38};
    const double barWidth = r.width() / 20.0;
    for (int i = 0; i < 8; ++i) {
      const double x = r.width() * 0.52 + i * barWidth * 1.1;
      const double h = r.height() * heights[i];
      p.fillRect(QRectF(x, base - h, barWidth * 0.8, h), QColor(255, 255, 255, 60 + i * 18));
    }

    // The receiver.
    QPainterPath receiver;
    receiver.moveTo(60, 70);
    receiver.cubicTo(40, 100, 60, 170, 110, 190);
    receiver.lineTo(130, 165);
    receiver.lineTo(110, 145);
    receiver.cubicTo(95, 135, 85, 115, 90, 100);
    receiver.lineTo(115, 90);
    receiver.lineTo(105, 60);
    receiver.closeSubpath();
    p.setPen(QPen(QColor(250, 200, 60), 3));
    p.setBrush(QColor(250, 200, 60, 200));
    p.drawPath(receiver);

    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(0, 12, r.width() - 16, 60), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Dudode"));
  }
};

}  // namespace

TStartWindow::TStartWindow(int minimumMilliseconds)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), minimumMilliseconds_(minimumMilliseconds) {
  setObjectName("StartWindow");
  setWindowTitle(QStringLiteral("Dudode-Editor"));
  setFixedSize(400, 247);
  auto* picture = new TStartPicture(this);
  picture->setGeometry(rect());
  auto* label = new QLabel(QStringLiteral("Editor"), this);
  label->setObjectName("EditorLabel");
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont font = label->font();
  font.setPointSize(18);
  font.setItalic(true);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: white;"));
  label->setGeometry(250, 70, 134, 36);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TStartWindow::ShowStart() {
  shown_.start();
  show();
  raise();
}

void TStartWindow::CloseWhenDue() {
  if (!shown_.isValid()) shown_.start();
  const qint64 remaining = minimumMilliseconds_ - shown_.elapsed();
  if (remaining > 0 && !clicked_) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(remaining), &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    clickLoop_ = &loop;
    loop.exec();
    clickLoop_ = nullptr;
  }
  close();
}

void TStartWindow::mousePressEvent(QMouseEvent* event) {
  clicked_ = true;
  event->accept();
  if (clickLoop_) clickLoop_->quit();
  close();
}

}  // namespace dudode
