#pragma once
// Scripted modal dialogs: each step receives the next dialog RunModal shows
// and works it. A dialog without a step fails the test and is rejected; steps
// left over fail the test too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <functional>
#include <string>

#include "ui/RunModal.h"

namespace dudode::test {

class TModalScript {
 public:
  using Step = std::function<void(QDialog&)>;

  TModalScript() {
    previous_ = SetModalDriver([this](QDialog& dialog) { Drive(dialog); });
  }
  ~TModalScript() {
    SetModalDriver(previous_);
    for (const auto& s : steps_) ADD_FAILURE() << "expected dialog did not appear: " << s.ClassName;
  }
  TModalScript(const TModalScript&) = delete;
  TModalScript& operator=(const TModalScript&) = delete;

  // The next dialog must be of this class (its metaObject class name).
  TModalScript& Then(std::string className, Step step) {
    steps_.push_back({std::move(className), std::move(step)});
    return *this;
  }
  int Shown() const { return shown_; }

 private:
  struct TStep {
    std::string ClassName;
    Step Work;
  };
  void Drive(QDialog& dialog) {
    ++shown_;
    const std::string name = dialog.metaObject()->className();
    if (steps_.empty()) {
      ADD_FAILURE() << "unexpected dialog " << name << " \"" << dialog.windowTitle().toStdString() << "\"";
      return;
    }
    TStep step = std::move(steps_.front());
    steps_.pop_front();
    EXPECT_EQ(step.ClassName, name) << "dialog shown";
    step.Work(dialog);
  }

  ModalDriver previous_;
  std::deque<TStep> steps_;
  int shown_ = 0;
};

// Helpers that work a dialog as a user would.
template <typename T = QWidget>
T* Find(QWidget& parent, const char* objectName) {
  T* w = parent.findChild<T*>(QString::fromLatin1(objectName));
  EXPECT_NE(nullptr, w) << "no control " << objectName;
  return w;
}

// Focus moves into the field, as a click would.
inline void Enter(QWidget* w) {
  if (!w) return;
  w->setFocus(Qt::MouseFocusReason);
  QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
  QApplication::sendEvent(w, &in);
}

// Leaves a field the way Tab does, so that checks run on focus-out.
inline void Leave(QWidget* w) {
  if (!w) return;
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(w, &out);
}

// Replaces a field's text by typing it.
inline void Type(QLineEdit* edit, const QString& text) {
  if (!edit) return;
  Enter(edit);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

inline void Click(QWidget& parent, const char* objectName) {
  if (auto* b = Find<QAbstractButton>(parent, objectName)) b->click();
}

}  // namespace dudode::test
