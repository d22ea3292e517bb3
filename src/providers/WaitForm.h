#pragma once
// "Moment": a small window that says what the program is busy with while the
// provider file is read or written.
#include <QDialog>

class QLabel;

namespace dudode {

class TWaitForm : public QDialog {
  Q_OBJECT
 public:
  TWaitForm(const QString& text, QWidget* parent = nullptr);

  // Shows the window and paints it at once; the user's input waits.
  void ShowNow();

 private:
  QLabel* WaitLabel = nullptr;
};

}  // namespace dudode
