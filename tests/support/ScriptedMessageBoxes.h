#pragma once
// Scripted answers for message boxes. Every box is recorded; a box that no
// expectation covers fails the test, and so does an expectation left unmet.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/MessageBox.h"

namespace dudode::test {

struct TRecordedBox {
  std::string Text;
  std::string Caption;
  int Kind = 0;
  MessageButtons Buttons = mbOK;
};

class TScriptedMessageBoxes {
 public:
  TScriptedMessageBoxes() {
    previous_ =
        SetMessageBoxHandler([this](const std::string& text, const std::string& caption, int kind,
                                    MessageButtons buttons) { return Answer(text, caption, kind, buttons); });
  }
  ~TScriptedMessageBoxes() {
    SetMessageBoxHandler(previous_);
    for (const auto& e : expected_) ADD_FAILURE() << "expected message box did not appear: " << e.Text;
  }
  TScriptedMessageBoxes(const TScriptedMessageBoxes&) = delete;
  TScriptedMessageBoxes& operator=(const TScriptedMessageBoxes&) = delete;

  // The next box must show exactly this text (and this caption, when given).
  TScriptedMessageBoxes& Expect(std::string text, int answer = idOK, std::string caption = {}) {
    expected_.push_back({std::move(text), std::move(caption), answer});
    return *this;
  }
  // Answer every box without expectation (for tests that only count boxes).
  void AcceptAll(int answer = idOK) {
    acceptAll_ = true;
    acceptAnswer_ = answer;
  }
  const std::vector<TRecordedBox>& Boxes() const { return boxes_; }
  bool Pending() const { return !expected_.empty(); }

 private:
  struct TExpectation {
    std::string Text;
    std::string Caption;
    int Answer;
  };

  int Answer(const std::string& text, const std::string& caption, int kind, MessageButtons buttons) {
    boxes_.push_back({text, caption, kind, buttons});
    if (!expected_.empty()) {
      TExpectation e = expected_.front();
      expected_.pop_front();
      EXPECT_EQ(e.Text, text) << "message box text";
      if (!e.Caption.empty()) {
        EXPECT_EQ(e.Caption, caption) << "message box caption";
      }
      return e.Answer;
    }
    if (acceptAll_) return acceptAnswer_;
    ADD_FAILURE() << "unexpected message box [" << caption << "]: " << text;
    return buttons == mbOK ? idOK : idCancel;
  }

  MessageBoxHandler previous_;
  std::deque<TExpectation> expected_;
  std::vector<TRecordedBox> boxes_;
  bool acceptAll_ = false;
  int acceptAnswer_ = idOK;
};

}  // namespace dudode::test
