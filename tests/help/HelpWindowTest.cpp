#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "app/MainTestSupport.h"
#include "app/SaveDlg.h"
#include "help/HelpWindow.h"

namespace dudode {
namespace {

class HelpWindowTest : public test::MainTest {
 protected:
  void SetUp() override {
    MainTest::SetUp();
    InstallHelpKey(*qApp);
  }
  void TearDown() override {
    if (THelpWindow* help = THelpWindow::Instance()) help->hide();
    MainTest::TearDown();
  }
  static QString Shown() {
    THelpWindow* help = THelpWindow::Instance();
    return help && help->isVisible() ? help->CurrentPage() : QString();
  }
};

TEST_F(HelpWindowTest, F1OpensTheDialogsPageTheSearchOthersAndTheMenuTheContents) {
  TSaveDlg dialog(QStringLiteral("Speichern"), "");
  dialog.show();
  QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
  EXPECT_EQ(QStringLiteral("speichern.html"), Shown());

  auto* search = THelpWindow::Instance()->findChild<QLineEdit*>("HelpSearchEdit");
  QTest::keyClicks(search, QStringLiteral("Freistunden"));
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_NE(QStringLiteral("speichern.html"), Shown());
  EXPECT_TRUE(THelpWindow::Instance()->findChild<QTextBrowser*>("HelpBrowser")->textCursor().hasSelection());
  TMain main;
  Trigger(main, "Inhalt1");
  EXPECT_EQ(QStringLiteral("index.html"), Shown());
}

}  // namespace
}  // namespace dudode
