#include "ui/RunModal.h"

#include <QApplication>
#include <QDialog>
#include <utility>

namespace dudode {
namespace {
ModalDriver& Driver() {
  static ModalDriver driver;
  return driver;
}
}  // namespace

int RunModal(QDialog& dialog) {
  if (!Driver()) return dialog.exec();
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
