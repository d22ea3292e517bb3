#include "ui/DialogMechanics.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace dudode {
namespace {
int& RunningChecks() {
  static int running = 0;
  return running;
}

// A character the user typed, as opposed to a control or navigation key.
bool IsTypedCharacter(const QKeyEvent& key) {
  if (key.text().isEmpty()) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QChar c = key.text().at(0);
  return c.isPrint() || c == QChar('\b');
}
}  // namespace

TDialogMechanics::TDialogMechanics(QWidget* dialog) : QObject(dialog) {}

TDialogMechanics::TField& TDialogMechanics::Field(QWidget* field) {
  auto it = fields_.find(field);
  if (it == fields_.end()) {
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this](QObject* gone) { fields_.erase(gone); });
    it = fields_.emplace(field, TField{}).first;
  }
  return it->second;
}

void TDialogMechanics::EnterMovesFocus(QWidget* field) {
  Field(field).EnterMovesFocus = true;
}

void TDialogMechanics::EnterRuns(QWidget* field, std::function<void()> action) {
  Field(field).EnterAction = std::move(action);
}

void TDialogMechanics::CheckOnLeave(QWidget* field, std::function<bool()> check) {
  Field(field).Check = std::move(check);
}

void TDialogMechanics::FilterKeys(QWidget* field, std::function<bool(const QString&)> filter) {
  Field(field).Filter = std::move(filter);
}

void TDialogMechanics::NoChecksFor(QWidget* control) {
  noChecks_.insert(control);
}

bool TDialogMechanics::CheckRunning() {
  return RunningChecks() > 0;
}

void TDialogMechanics::MoveFocusOn(QWidget* field) {
  for (QWidget* next = field->nextInFocusChain(); next && next != field; next = next->nextInFocusChain()) {
    // An editable combo box's own line edit is part of the field, not the next control.
    if (next->window() == field->window() && !field->isAncestorOf(next) &&
        (next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible()) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

bool TDialogMechanics::LeaveField(QWidget* field, TField& entry) {
  if (!entry.Check || CheckRunning()) return true;
  QWidget* target = QApplication::focusWidget();
  if (target && target != field && noChecks_.count(target)) return true;
  ++RunningChecks();
  QPointer<QWidget> guard(field);
  const bool ok = entry.Check();
  --RunningChecks();
  if (!ok && guard) {
    // The message box has closed; the focus change that led here is still
    // under way, so give the focus back once it is done.
    QMetaObject::invokeMethod(
        guard,
        [guard] {
          if (guard) guard->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
  }
  return ok;
}

bool TDialogMechanics::CheckBeforeMove(TField& entry) {
  if (!entry.Check || CheckRunning()) return true;
  entry.Checked = false;
  ++RunningChecks();
  const bool ok = entry.Check();
  --RunningChecks();
  entry.Checked = ok;
  return ok;
}

bool TDialogMechanics::eventFilter(QObject* watched, QEvent* event) {
  auto it = fields_.find(watched);
  if (it == fields_.end()) return false;
  auto* field = static_cast<QWidget*>(watched);
  TField& entry = it->second;
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
      entry.Checked = false;
      if (enter && entry.EnterAction) {
        entry.EnterAction();
        return true;
      }
      if ((tab || (enter && entry.EnterMovesFocus)) && !CheckBeforeMove(entry)) return true;
      if (enter && entry.EnterMovesFocus) {
        MoveFocusOn(field);
        return true;
      }
      if (enter || tab) return false;
      if (entry.Filter && IsTypedCharacter(*key) && !entry.Filter(key->text())) return true;
      return false;
    }
    case QEvent::FocusOut: {
      // Another window taking the focus (a message box, a menu) is no leaving.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
      if (std::exchange(entry.Checked, false)) return false;
      LeaveField(field, entry);
      return false;
    }
    default:
      return false;
  }
}

}  // namespace dudode
