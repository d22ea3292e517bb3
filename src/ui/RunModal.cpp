#include "ui/RunModal.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QPointer>
#include <utility>

#include "ui/DialogContract.h"

namespace dudode {
namespace {
ModalDriver& Driver() {
  static ModalDriver driver;
  return driver;
}

// A caption wider than its window is cut by the window manager: widen the
// dialog so that the whole caption fits beside the title bar's buttons.
void FitCaption(QDialog& dialog) {
  QFont font = dialog.font();
  font.setBold(true);
  const int needed = QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) + 160;
  dialog.ensurePolished();
  const QSize size = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();
  if (size.width() < needed) dialog.resize(needed, size.height());
}
}  // namespace

int RunModal(QDialog& dialog) {
  // Qt's own dialogs keep their own keyboard rules.
  if (!qobject_cast<QFileDialog*>(&dialog)) ApplyDialogContract(dialog);
  FitCaption(dialog);
  if (!Driver()) {
    const QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = dialog.exec();
    ActivateAgain(previous);
    return result;
  }
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  dialog.activateWindow();
  QApplication::setActiveWindow(&dialog);
  // Copy: the driver may run nested dialogs that replace nothing, but be safe.
  ModalDriver driver = Driver();
  driver(dialog);
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

ModalDriver SetModalDriver(ModalDriver driver) {
  ModalDriver previous = std::move(Driver());
  Driver() = std::move(driver);
  return previous;
}

}  // namespace dudode
