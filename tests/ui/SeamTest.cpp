#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "core/MessageBox.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/QtMessageBox.h"
#include "ui/RunModal.h"
#include "ui/ThemeIcon.h"

namespace dudode {
namespace {

TEST(SeamTest, DialogLeftOpenIsRejectedAndAnEmptyCaptionTakesTheKindsDefault) {
  test::TModalScript script;
  script.Then("QDialog", [](QDialog&) {});
  QDialog dlg;
  EXPECT_EQ(QDialog::Rejected, RunModal(dlg));
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("x", idOK, "Warnung");
  ShowMessageBox("x", "", mkWarnung, mbOK);
}

TEST(SeamTest, QtBoxesShowKindGermanButtonsDefaultAndEscape) {
  const QString ok = "OK", yes = "&Ja", no = "&Nein", cancel = "Abbre&chen", retry = "&Wiederholen";
  struct Case {  // texts: in sorted order
    int kind;
    int buttons;
    QMessageBox::Icon icon;
    QStringList texts;
    QString defaultText;
    QString escapeText;
  } cases[] = {
      {mkFehler, mbOK, QMessageBox::Warning, {ok}, ok, ok},
      {mkInformation, 2, QMessageBox::Information, {ok}, ok, ok},
      {mkFrage, mbOKCancel, QMessageBox::Question, {cancel, ok}, ok, cancel},
      {mkWarnung, mbRetryCancel, QMessageBox::Critical, {retry, cancel}, retry, cancel},
      {mkBestaetigung, mbYesNo, QMessageBox::Question, {yes, no}, yes, no},
      {mkBestaetigung, mbYesNo | mbDefaultSecond, QMessageBox::Question, {yes, no}, no, no},
      {mkBestaetigung, mbYesNoCancel, QMessageBox::Question, {yes, no, cancel}, yes, cancel},
      {mkFehler, mbAbortRetryIgnore, QMessageBox::Warning, {"&Ignorieren", retry, cancel}, cancel, cancel},
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
    EXPECT_EQ(c.texts, texts);
    EXPECT_EQ(c.defaultText, box->defaultButton()->text());
    EXPECT_EQ(c.escapeText, box->escapeButton()->text());
    EXPECT_EQ("Zeile 1\nZeile 2", box->text());
  }
}

// A real box: Escape takes the button that loses nothing.
TEST(SeamTest, EscapeOnARealBoxTakesCancel) {
  const MessageBoxHandler scripted = SetMessageBoxHandler({});
  InstallQtMessageBox();
  QString asked;
  QTimer::singleShot(0, [&asked] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, box);
    asked = box->text();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  const int result = ShowMessageBox("Jetzt speichern?", "", mkBestaetigung, mbYesNoCancel);
  SetMessageBoxHandler(scripted);
  EXPECT_EQ(idCancel, result);
  EXPECT_EQ(QStringLiteral("Jetzt speichern?"), asked);
}

// A theme icon is looked up when first drawn; without the theme's icon it
// draws its fallback, greyed when disabled like any other icon.
TEST(SeamTest, ThemeIconDrawsItsFallbackOnlyWhenAsked) {
  int asked = 0;
  const QIcon icon = ThemeIcon(QStringLiteral("dudode-no-such-icon"), [&asked] {
    ++asked;
    QPixmap black(16, 16);
    black.fill(Qt::black);
    return QIcon(black);
  });
  EXPECT_FALSE(icon.isNull());
  EXPECT_EQ(0, asked);
  const QImage normal = icon.pixmap(16, QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
  EXPECT_EQ(1, asked);
  EXPECT_EQ(QColor(Qt::black), normal.pixelColor(8, 8));
  EXPECT_NE(normal.pixelColor(8, 8), disabled.pixelColor(8, 8));
}

}  // namespace
}  // namespace dudode
