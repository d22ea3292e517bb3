#include "ui/NumberEdit.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

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
  QString t = text.trimmed();
  t.remove(' ');
  if (t.isEmpty()) {
    value = 0;
    return true;
  }
  t.replace(DecimalSeparator(), QStringLiteral("."));
  t.replace(',', '.');
  // Not strtod: the process's C locale is the user's, and a German one
  // stops at the ".".
  bool ok = false;
  const double parsed = ParseNumber(t.toStdString(), &ok);
  if (!ok) return false;
  value = parsed;
  return true;
}

double TNumberEdit::Value() const {
  double value = 0;
  return Limit(Parse(text(), value) ? value : lastValue_);
}

void TNumberEdit::SetValue(double value) {
  lastValue_ = Limit(value);
  QString text = QString::number(lastValue_, 'f', decimals_);
  text.replace('.', DecimalSeparator());
  setText(text);
}

void TNumberEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool plainKey = !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (plainKey && typed.size() == 1 && typed.at(0).isPrint()) {
    const QChar c = typed.at(0);
    if (c.isDigit()) {
      QLineEdit::keyPressEvent(event);
    } else if (c == '.' || c == ',' || typed == DecimalSeparator()) {
      // Either decimal point stands for the locale's; one per number.
      QString rest = text();
      if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
      if (decimals_ > 0 && !rest.contains(DecimalSeparator())) insert(DecimalSeparator());
    } else if (c == '-' && minimum_ < 0) {
      QLineEdit::keyPressEvent(event);
    }
    event->accept();  // anything else cannot be part of a number
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TNumberEdit::focusOutEvent(QFocusEvent* event) {
  if (!isReadOnly()) SetValue(Value());
  QLineEdit::focusOutEvent(event);
}

}  // namespace dudode
