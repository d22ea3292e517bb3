#include "ui/NumberEdit.h"

#include <QKeyEvent>
#include <algorithm>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Values.h"

namespace dudode {
namespace {
QString DecimalSeparator() {
  return QString::fromStdString(Regional().DecimalSeparator);
}
}  // namespace

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetValue(0);
}

TNumberEdit::TNumberEdit(QWidget* parent, const char* objectName, int decimals, double maximum)
    : TNumberEdit(parent) {
  setObjectName(QString::fromLatin1(objectName));
  SetDecimals(decimals);
  SetRange(0, maximum);
}

void TNumberEdit::SetDecimals(int decimals) {
  const double value = Value();
  decimals_ = std::max(0, decimals);
  SetValue(value);
}

void TNumberEdit::SetRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  SetValue(Value());
}

double TNumberEdit::Limit(double value) const {
  return std::clamp(value, minimum_, maximum_);
}

bool TNumberEdit::Parse(const QString& text, double& value) const {
  return ParseTypedNumber(text.toStdString(), Regional().DecimalSeparator, value);
}

double TNumberEdit::Value() const {
  double value = 0;
  return Limit(Parse(text(), value) ? value : lastValue_);
}

void TNumberEdit::SetValue(double value) {
  lastValue_ = Limit(value);
  setText(QString::fromStdString(FixedText(lastValue_, decimals_, Regional().DecimalSeparator)));
}

void ShowValue(TNumberEdit* edit, double value) {
  if (edit && edit->Value() != value) edit->SetValue(value);
}

bool TNumberEdit::CheckValue() {
  const std::string refusal = NumberValueRefusal(text().toStdString(), Rule(), Regional().DecimalSeparator);
  if (refusal.empty()) return true;
  ShowMessageBox(refusal, {}, mkFehler, mbOK);
  setFocus(Qt::OtherFocusReason);
  selectAll();
  return false;
}

void TNumberEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (plainKey && typed.size() == 1 && typed.at(0).isPrint()) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? start + selectedText().size() : start;
    const std::string refusal =
        NumberKeyRefusal(text().left(start).toStdString(), text().mid(end).toStdString(),
                         typed.at(0).unicode(), Rule(), Regional().DecimalSeparator);
    if (!refusal.empty()) {
      ShowMessageBox(refusal, {}, mkFehler, mbOK);
    } else if (typed.at(0).isDigit() || typed == "-") {
      QLineEdit::keyPressEvent(event);
    } else {
      insert(DecimalSeparator());  // either decimal point stands for the locale's
    }
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TNumberEdit::focusOutEvent(QFocusEvent* event) {
  // Only a value the field can hold is shown anew; anything else stays as
  // typed for the confirm button to refuse. A message box taking the focus is
  // no leaving.
  const Qt::FocusReason reason = event->reason();
  const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
  if (leaving && !isReadOnly() &&
      NumberValueRefusal(text().toStdString(), Rule(), Regional().DecimalSeparator).empty()) {
    SetValue(Value());
  }
  QLineEdit::focusOutEvent(event);
}

bool CheckTypedFields(QWidget& dialog) {
  for (QWidget* w = dialog.nextInFocusChain(); w && w != &dialog; w = w->nextInFocusChain()) {
    auto* field = qobject_cast<QLineEdit*>(w);
    if (!field || field->window() != &dialog || !field->isEnabled() || field->isReadOnly()) continue;
    if (auto* number = qobject_cast<TNumberEdit*>(field)) {
      if (!number->CheckValue()) return false;
      continue;
    }
    const std::string refusal = UnstorableTextRefusal(field->text().toStdString());
    if (refusal.empty()) continue;
    ShowMessageBox(refusal, {}, mkFehler, mbOK);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
  }
  return true;
}

}  // namespace dudode
