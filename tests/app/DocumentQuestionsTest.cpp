#include <gtest/gtest.h>

#include <tuple>

#include "app/DocumentQuestions.h"
#include "support/ScriptedMessageBoxes.h"

namespace dudode {
namespace {

using test::TScriptedMessageBoxes;

TEST(DocumentQuestionsTest, CloseQueryClosesOnlyWhenNothingIsLostUnasked) {
  const std::string named =
      "Es wurden nicht alle Änderungen in \"Stadt\" gespeichert.\r\rMöchten Sie die Angaben jetzt speichern?";
  const std::string unnamed = "Die Angaben wurden nicht gespeichert. Möchten Sie jetzt speichern?";
  const std::string lost = "Die Änderungen gehen damit verloren!";
  struct Case {
    const char* name;
    bool modified;
    std::string description;
    int answer;
    TSaveOutcome saved;
    std::vector<std::string> boxes;
    bool closes;
  } cases[] = {
      {"unchanged", false, "Stadt", 0, TSaveOutcome::Saved, {}, true},
      {"named, Nein", true, "Stadt", idNo, TSaveOutcome::Saved, {named, lost}, true},
      {"unnamed, Nein", true, kUnknownDescription, idNo, TSaveOutcome::Saved, {unnamed, lost}, true},
      {"empty name, Nein", true, "", idNo, TSaveOutcome::Saved, {unnamed, lost}, true},
      {"Escape", true, "Stadt", idCancel, TSaveOutcome::Saved, {named}, false},
      {"Ja, saved", true, "Stadt", idYes, TSaveOutcome::Saved, {named}, true},
      {"Ja, save stopped", true, "Stadt", idYes, TSaveOutcome::Stopped, {named}, true},
      {"Ja, save failed", true, "Stadt", idYes, TSaveOutcome::Failed, {named}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TScriptedMessageBoxes boxes;
    for (const std::string& text : c.boxes) boxes.Expect(text, c.answer, "Dudode - Editor");
    TTarifFile doc;
    doc.Description = c.description;
    doc.Modified = c.modified;
    int saves = 0;
    EXPECT_EQ(c.closes, CloseQuery(doc, false, [&] { return ++saves, c.saved; }));
    EXPECT_EQ(c.answer == idYes ? 1 : 0, saves);
    EXPECT_TRUE(c.boxes.empty() || boxes.Boxes()[0].Buttons == mbYesNoCancel);
  }
}

// New and Open go on unless the question is cancelled or the offered save fails.
TEST(DocumentQuestionsTest, ReplacingGoesOnOnlyWhenNothingIsLostUnasked) {
  using O = TSaveOutcome;
  const std::string ask = "Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?";
  const std::tuple<bool, int, TSaveOutcome, bool> cases[] = {
      {false, 0, O::Saved, true},    {true, idNo, O::Saved, true},    {true, idCancel, O::Saved, false},
      {true, idYes, O::Saved, true}, {true, idYes, O::Stopped, true}, {true, idYes, O::Failed, false}};
  for (const auto& [modified, answer, saved, goesOn] : cases) {
    SCOPED_TRACE(testing::Message() << modified << answer << static_cast<int>(saved));
    TScriptedMessageBoxes boxes;
    if (modified) boxes.Expect(ask, answer);
    TTarifFile doc;
    doc.Modified = modified;
    int saves = 0;
    EXPECT_EQ(goesOn, AskBeforeReplacing(doc, [&, saved = saved] { return ++saves, saved; }));
    EXPECT_EQ(answer == idYes ? 1 : 0, saves);
    EXPECT_TRUE(!modified ||
                (boxes.Boxes()[0].Kind == mkBestaetigung && boxes.Boxes()[0].Buttons == mbYesNoCancel));
  }
}

TEST(DocumentQuestionsTest, EscapeNeverTakesAButtonThatDiscards) {
  const std::pair<MessageButtons, int> rows[] = {
      {mbOK, idOK},    {mbOKCancel, idCancel},    {mbRetryCancel, idCancel}, {mbAbortRetryIgnore, idAbort},
      {mbYesNo, idNo}, {mbYesNoCancel, idCancel},
  };
  for (const auto& [buttons, escape] : rows) EXPECT_EQ(escape, EscapeResult(buttons)) << buttons;
}

}  // namespace
}  // namespace dudode
