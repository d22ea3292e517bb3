#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>

#include "core/MessageBox.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/QtMessageBox.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

TEST(SeamTest, DialogLeftOpenIsRejected) {
  test::TModalScript script;
  script.Then("QDialog", [](QDialog&) {});
  QDialog dlg;
  EXPECT_EQ(QDialog::Rejected, RunModal(dlg));
}

TEST(SeamTest, QtBoxesShowKindGermanButtonsDefaultAndEscape) {
  struct Case {
    int kind;
    int buttons;
    QMessageBox::Icon icon;
    QStringList texts;  // in their order; the default first, Escape's last
    QString defaultText;
    QString escapeText;
  } cases[] = {
      {mkFehler, mbOK, QMessageBox::Warning, {"OK"}, "OK", "OK"},
      {mkInformation, 2, QMessageBox::Information, {"OK"}, "OK", "OK"},
      {mkFrage, mbOKCancel, QMessageBox::Question, {"OK", "Abbre&chen"}, "OK", "Abbre&chen"},
      {mkWarnung,
       mbRetryCancel,
       QMessageBox::Critical,
       {"&Wiederholen", "Abbre&chen"},
       "&Wiederholen",
       "Abbre&chen"},
      {mkBestaetigung, mbYesNo, QMessageBox::Question, {"&Ja", "&Nein"}, "&Ja", "&Nein"},
      {mkBestaetigung, mbYesNo | mbDefaultSecond, QMessageBox::Question, {"&Ja", "&Nein"}, "&Nein", "&Nein"},
      {mkBestaetigung,
       mbYesNoCancel,
       QMessageBox::Question,
       {"&Ja", "&Nein", "Abbre&chen"},
       "&Ja",
       "Abbre&chen"},
      {mkFehler,
       mbAbortRetryIgnore,
       QMessageBox::Warning,
       {"Abbre&chen", "&Wiederholen", "&Ignorieren"},
       "Abbre&chen",
       "Abbre&chen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.buttons);
    const MessageButtons set = NormalizeButtons(c.buttons & ~mbDefaultSecond);
    const int defaultResult = ButtonResults(set)[(c.buttons & mbDefaultSecond) ? 1 : 0];
    auto box = BuildMessageBox("Zeile 1\rZeile 2", DefaultCaption(c.kind), c.kind, set, defaultResult);
    EXPECT_EQ(c.icon, box->icon());
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) texts << b->text();
    texts.sort();
    QStringList expected = c.texts;
    expected.sort();
    EXPECT_EQ(expected, texts);
    EXPECT_EQ(c.defaultText, box->defaultButton()->text());
    EXPECT_EQ(c.escapeText, box->escapeButton()->text());
    EXPECT_EQ("Zeile 1\nZeile 2", box->text());
  }
}

TEST(SeamTest, EmptyCaptionTakesTheKindsDefault) {
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("x", idOK, "Warnung");
  ShowMessageBox("x", "", mkWarnung, mbOK);
}

}  // namespace
}  // namespace dudode
