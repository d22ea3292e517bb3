// Start-up: settings, the access password, the location rule, the start window.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MainTestSupport.h"
#include "app/StartWindow.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

class StartupTest : public test::MainTest {};

// Only the exact password leads on to Open, where a double click loads a file.
TEST_F(StartupTest, OnlyTheRightPasswordLeadsToOpen) {
  WriteSetting("PWProtected", "5", "YES");
  WriteSetting("PWProtected", "PASSWORD", "a\u00c3");  // "ab" as the counter stores it: 'b' + 'a'
  dir.Write("Rates.1", test::TestDataFile("app/Rates.zwei"));
  for (const char* typed : {"ab", "AB", "a", ""}) {
    SCOPED_TRACE(typed);
    const bool right = std::string(typed) == "ab";
    TMain main;
    TScriptedMessageBoxes boxes;
    if (!right) {
      boxes.Expect("Der Editor kann nicht weiter ausgeführt werden, da das Paßwort inkorrekt ist!", idOK,
                   "Zugriffsverletzung");
    }
    TModalScript script;
    script.Then("dudode::TPasswordEnterDlg", [&](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "PasswordEdit"), typed);
      Click(dlg, *typed ? "OKBtn" : "CancelBtn");
    });
    if (right) {
      script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
        auto* list = Find<QListWidget>(dlg, "OpenListBox");
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double click's first click
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
      });
    }
    EXPECT_EQ(right, main.Startup({.AllowStartWindow = false}));
    EXPECT_TRUE(right ? main.Document().Zones.size() == 2u : boxes.Boxes().at(0).Kind == mkFehler);
    EXPECT_EQ(right ? "Rates.1" : "", main.Document().FileName);
  }
}

TEST(StartWindowTest, StaysItsMinimumTimeUnlessClicked) {
  TStartWindow timed(150);
  QElapsedTimer elapsed;
  elapsed.start();
  timed.ShowStart();
  timed.CloseWhenDue();
  EXPECT_GE(elapsed.elapsed(), 150);
  EXPECT_FALSE(timed.isVisible());
  TStartWindow clicked(60 * 60 * 1000);  // would keep the test for an hour
  clicked.ShowStart();
  QTest::mouseClick(&clicked, Qt::LeftButton);
  EXPECT_FALSE(clicked.isVisible());
  clicked.CloseWhenDue();
  EXPECT_TRUE(clicked.Clicked());
}

}  // namespace
}  // namespace dudode
