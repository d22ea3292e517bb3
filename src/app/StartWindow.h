#pragma once
// The start window: a picture and the word "Editor", on top of everything
// while the editor comes up.
#include <QElapsedTimer>
#include <QWidget>

class QEventLoop;

namespace dudode {

class TStartWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMinimumMilliseconds = 2600;

  explicit TStartWindow(int minimumMilliseconds = kMinimumMilliseconds);

  // Shows the window and starts its minimum display time.
  void ShowStart();
  // Closes the window once it has been shown for its minimum time, letting
  // the application run meanwhile; a click closes it at once.
  void CloseWhenDue();
  bool Clicked() const { return clicked_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int minimumMilliseconds_;
  QElapsedTimer shown_;
  bool clicked_ = false;
  QEventLoop* clickLoop_ = nullptr;
};

}  // namespace dudode
