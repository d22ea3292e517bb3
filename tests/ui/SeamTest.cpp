#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/QtMessageBox.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

// A small dialog that asks before it takes a value.
class TAskDlg : public QDialog {
 public:
  TAskDlg() {
    auto* edit = new QLineEdit(this);
    edit->setObjectName("ValueEdit");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, [this, edit] {
      if (ShowMessageBox("Wert \"" + edit->text().toStdString() + "\" übernehmen?", {}, mkBestaetigung,
                         mbYesNo) == idYes) {
        Value = edit->text().toStdString();
        accept();
      }
    });
  }
  std::string Value;
};

TEST(SeamTest, DriverAndScriptedBoxesWorkADialogTogether) {
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("Wert \"12\" übernehmen?", idNo, "Bestätigung").Expect("Wert \"13\" übernehmen?", idYes);
  test::TModalScript script;
  script.Then("QDialog", [](QDialog& dlg) {
    EXPECT_TRUE(dlg.isVisible());
    auto* edit = test::Find<QLineEdit>(dlg, "ValueEdit");
    test::Type(edit, "12");
    test::Click(dlg, "OKBtn");  // answered No: stays open
    EXPECT_TRUE(dlg.isVisible());
    test::Type(edit, "13");
    test::Click(dlg, "OKBtn");
  });
  TAskDlg dlg;
  EXPECT_EQ(QDialog::Accepted, RunModal(dlg));
  EXPECT_EQ("13", dlg.Value);
  EXPECT_EQ(2u, boxes.Boxes().size());
}

TEST(SeamTest, DialogLeftOpenIsRejected) {
  test::TModalScript script;
  script.Then("QDialog", [](QDialog&) {});
  QDialog dlg;
  EXPECT_EQ(QDialog::Rejected, RunModal(dlg));
}

TEST(SeamTest, QtBoxesShowKindAndGermanButtons) {
  struct Case {
    int kind;
    int buttons;
    QMessageBox::Icon icon;
    QStringList texts;
  } cases[] = {
      {mkFehler, mbOK, QMessageBox::Warning, {"OK"}},
      {mkInformation, 2, QMessageBox::Information, {"OK"}},
      {mkFrage, mbOKCancel, QMessageBox::Question, {"OK", "Abbrechen"}},
      {mkWarnung, mbRetryCancel, QMessageBox::Critical, {"Wiederholen", "Abbrechen"}},
      {mkBestaetigung, mbYesNo, QMessageBox::Question, {"Ja", "Nein"}},
      {mkBestaetigung, mbYesNoCancel, QMessageBox::Question, {"Ja", "Nein", "Abbrechen"}},
      {mkFehler, mbAbortRetryIgnore, QMessageBox::Warning, {"Abbrechen", "Wiederholen", "Ignorieren"}},
  };
  for (const Case& c : cases) {
    auto box =
        BuildMessageBox("Zeile 1\rZeile 2", DefaultCaption(c.kind), c.kind, NormalizeButtons(c.buttons));
    EXPECT_EQ(c.icon, box->icon()) << c.kind;
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) texts << b->text();
    texts.sort();
    QStringList expected = c.texts;
    expected.sort();
    EXPECT_EQ(expected, texts) << c.kind << "/" << c.buttons;
    EXPECT_EQ("Zeile 1\nZeile 2", box->text());
  }
  EXPECT_EQ("Bestätigung", DefaultCaption(mkBestaetigung));
  EXPECT_EQ("Fehler", DefaultCaption(mkFehler));
}

TEST(SeamTest, EmptyCaptionTakesTheKindsDefault) {
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("x", idOK, "Warnung");
  ShowMessageBox("x", "", mkWarnung, mbOK);
}

}  // namespace
}  // namespace dudode
