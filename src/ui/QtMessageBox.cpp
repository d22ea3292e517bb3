#include "ui/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace dudode {
namespace {

struct TButtonSpec {
  const char* Text;
  QMessageBox::ButtonRole Role;
  int Result;
};

std::vector<TButtonSpec> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case mbAbortRetryIgnore:
      return {{"Abbrechen", QMessageBox::RejectRole, idAbort},
              {"Wiederholen", QMessageBox::AcceptRole, idRetry},
              {"Ignorieren", QMessageBox::AcceptRole, idIgnore}};
    case mbOKCancel:
      return {{"OK", QMessageBox::AcceptRole, idOK}, {"Abbrechen", QMessageBox::RejectRole, idCancel}};
    case mbRetryCancel:
      return {{"Wiederholen", QMessageBox::AcceptRole, idRetry},
              {"Abbrechen", QMessageBox::RejectRole, idCancel}};
    case mbYesNo:
      return {{"Ja", QMessageBox::YesRole, idYes}, {"Nein", QMessageBox::NoRole, idNo}};
    case mbYesNoCancel:
      return {{"Ja", QMessageBox::YesRole, idYes},
              {"Nein", QMessageBox::NoRole, idNo},
              {"Abbrechen", QMessageBox::RejectRole, idCancel}};
    default:
      return {{"OK", QMessageBox::AcceptRole, idOK}};
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
                                             MessageButtons buttons) {
  auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
  box->setWindowTitle(QString::fromStdString(caption));
  // Texts use CR as line break; Qt wants LF.
  box->setText(
      QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n'));
  box->setIcon(IconOf(kind));
  box->setWindowModality(Qt::ApplicationModal);
  const std::vector<TButtonSpec> specs = ButtonsOf(buttons);
  for (std::size_t i = 0; i < specs.size(); ++i) {
    QPushButton* button = box->addButton(QString::fromUtf8(specs[i].Text), specs[i].Role);
    button->setProperty(kResultProperty, specs[i].Result);
    if (i == 0) box->setDefaultButton(button);
  }
  // Escape: Qt picks the cancelling button of the set (or the only one).
  return box;
}

void InstallQtMessageBox() {
  SetMessageBoxHandler(
      [](const std::string& text, const std::string& caption, int kind, MessageButtons buttons) {
        std::unique_ptr<QMessageBox> box = BuildMessageBox(text, caption, kind, buttons);
        box->exec();
        QAbstractButton* clicked = box->clickedButton();
        if (!clicked) return buttons == mbOK ? int(idOK) : int(idCancel);
        return clicked->property(kResultProperty).toInt();
      });
}

}  // namespace dudode
