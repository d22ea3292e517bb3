#include "providers/WaitForm.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace dudode {

TWaitForm::TWaitForm(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Moment"));
  WaitLabel = new QLabel(text, this);
  WaitLabel->setObjectName("WaitLabel");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(WaitLabel);
}

void TWaitForm::ShowNow() {
  show();
  raise();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace dudode
