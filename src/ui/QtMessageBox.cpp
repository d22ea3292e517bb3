#include "ui/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "ui/DialogContract.h"

namespace dudode {
namespace {

// The German text and role of a button by its result; mnemonics for the keyboard.
struct TButtonLook {
  const char* Text;
  QMessageBox::ButtonRole Role;
};

TButtonLook LookOf(int result) {
  switch (result) {
    case idCancel:
      return {"Abbre&chen", QMessageBox::RejectRole};
    case idAbort:
      return {"Abbre&chen", QMessageBox::RejectRole};
    case idRetry:
      return {"&Wiederholen", QMessageBox::AcceptRole};
    case idIgnore:
      return {"&Ignorieren", QMessageBox::AcceptRole};
    case idYes:
      return {"&Ja", QMessageBox::YesRole};
    case idNo:
      return {"&Nein", QMessageBox::NoRole};
    default:
      return {"OK", QMessageBox::AcceptRole};
  }
}

QMessageBox::Icon IconOf(int kind) {
  switch (kind) {
    case mkFehler:
      return QMessageBox::Warning;  // the exclamation mark
    case mkInformation:
      return QMessageBox::Information;
    case mkWarnung:
      return QMessageBox::Critical;  // the stop sign
    default:
      return QMessageBox::Question;
  }
}

const char* const kResultProperty = "dudodeResult";

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(const std::string& text, const std::string& caption, int kind,
                                             MessageButtons buttons, int defaultResult) {
  auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
  box->setWindowTitle(QString::fromStdString(caption));
  // Texts use CR as line break; Qt wants LF.
  box->setText(
      QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n'));
  box->setIcon(IconOf(kind));
  box->setWindowModality(Qt::ApplicationModal);
  const std::vector<int> results = ButtonResults(buttons);
  const int escape = EscapeResult(buttons);
  for (int result : results) {
    const TButtonLook look = LookOf(result);
    QPushButton* button = box->addButton(QString::fromUtf8(look.Text), look.Role);
    button->setProperty(kResultProperty, result);
    if (result == defaultResult) box->setDefaultButton(button);
    if (result == escape) box->setEscapeButton(button);
  }
  return box;
}

void InstallQtMessageBox() {
  SetMessageBoxHandler([](const std::string& text, const std::string& caption, int kind,
                          MessageButtons buttons, int defaultResult) {
    const QPointer<QWidget> previous = QApplication::activeWindow();
    std::unique_ptr<QMessageBox> box = BuildMessageBox(text, caption, kind, buttons, defaultResult);
    box->exec();
    QAbstractButton* clicked = box->clickedButton();
    const int result = clicked ? clicked->property(kResultProperty).toInt() : EscapeResult(buttons);
    box.reset();
    ActivateAgain(previous);
    return result;
  });
}

}  // namespace dudode
