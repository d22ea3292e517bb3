// Start-up: settings, the access password, the location rule, the start window.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MainTestSupport.h"
#include "app/StartWindow.h"
#include "core/Text.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

class StartupTest : public test::MainTest {
 protected:
  TMain::TStartupOptions NoStartWindow() {
    TMain::TStartupOptions options;
    options.AllowStartWindow = false;
    return options;
  }
  // The counter's encoding of a password.
  static std::string Encode(const std::string& plain) {
    std::string bytes = Utf8ToCp1252(plain);
    for (std::size_t i = 1; i < bytes.size(); ++i) {
      bytes[i] =
          static_cast<char>(static_cast<unsigned char>(bytes[i]) + static_cast<unsigned char>(bytes[i - 1]));
    }
    return Cp1252ToUtf8(bytes);
  }
};

// Only the right password leads on to Open; a wrong one or none ends the program.
TEST_F(StartupTest, OnlyTheRightPasswordLeadsToOpen) {
  WriteSetting("PWProtected", "5", "YES");
  WriteSetting("PWProtected", "PASSWORD", Encode("Sesam"));
  for (const char* typed : {"Sesam", "sesam", "Sesa", ""}) {
    SCOPED_TRACE(typed);
    const bool right = std::string(typed) == "Sesam";
    TMain main;
    TScriptedMessageBoxes boxes;
    if (!right) {
      boxes.Expect("Der Editor kann nicht weiter ausgeführt werden, da das Paßwort inkorrekt ist!", idOK,
                   "Zugriffsverletzung");
    }
    TModalScript script;
    script.Then("dudode::TPasswordEnterDlg", [&](QDialog& dlg) {
      EXPECT_EQ(QStringLiteral("Zugriffsschutz"), dlg.windowTitle());
      Type(Find<QLineEdit>(dlg, "PasswordEdit"), typed);
      Click(dlg, *typed ? "OKBtn" : "CancelBtn");
    });
    if (right) {
      script.Then("dudode::TOpenDlg", [](QDialog& dlg) { Click(dlg, "CancelBtn"); })
          .Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) { Click(dlg, "CloseBtn"); });
    }
    EXPECT_EQ(right, main.Startup(NoStartWindow()));
    EXPECT_TRUE(right ? main.Document().FileName == "RATES.0" : boxes.Boxes().at(0).Kind == mkFehler);
  }
}

TEST_F(StartupTest, StartupOpensAFileOfTheProgramDirectory) {
  dir.Write("Rates.1", test::TestDataFile("app/Rates.zwei"));
  TMain main;
  TModalScript script;
  script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "OpenListBox");
    ASSERT_EQ(1, list->count());
    EXPECT_EQ(QStringLiteral("Zwei Zonen Tarif"), list->item(0)->text());
    // A double click: its first click selects the line.
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  });
  EXPECT_TRUE(main.Startup(NoStartWindow()));
  EXPECT_EQ("Rates.1", main.Document().FileName);
  EXPECT_EQ(2u, main.Document().Zones.size());
}

TEST(StartWindowTest, StaysItsMinimumTimeUnlessClicked) {
  {
    TStartWindow start(150);
    EXPECT_EQ(QSize(400, 247), start.size());
    EXPECT_TRUE(start.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(QStringLiteral("Dudode-Editor"), start.windowTitle());
    QElapsedTimer elapsed;
    elapsed.start();
    start.ShowStart();
    start.CloseWhenDue();
    EXPECT_GE(elapsed.elapsed(), 150);
    EXPECT_FALSE(start.isVisible());
  }
  {
    TStartWindow start(60 * 60 * 1000);  // would keep the test for an hour
    start.ShowStart();
    QTest::mouseClick(&start, Qt::LeftButton);
    EXPECT_FALSE(start.isVisible());
    start.CloseWhenDue();
    EXPECT_TRUE(start.Clicked());
  }
}

}  // namespace
}  // namespace dudode
