// The completeness check, VAT and 10plus dialogs, worked through their commands.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/MainTestSupport.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/Cfg10plusDlg.h"
#include "tools/TarifCheckDlg.h"
#include "tools/UstFormDlg.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

TTarifEntry WholeDay(const char* to) {
  TTarifEntry e;
  e.EndSec = 86399;
  e.Takt = 60;
  e.PricePerUnit = 0.12;
  e.DateFrom = "0101";
  e.DateTo = to;
  return e;
}

void WaitClosed(QDialog& dlg) {
  for (int i = 0; i < 500 && dlg.isVisible(); ++i) QTest::qWait(10);
  EXPECT_FALSE(dlg.isVisible());
}

TEST(ToolDlgsTest, CheckReportsGapCompleteOrNothingWhenCancelled) {
  struct Case {
    TTarifEntryList saso;
    bool cancel;
    const char* message;
  } cases[] = {
      {{},
       false,
       "Es existiert kein gültiger Tarif für den 01.01. 00:00:00 Uhr - Werktag. Überprüfen Sie die Angaben!"},
      {{WholeDay("3112")}, false, "Alle geprüften Tarifangaben sind vollständig!"},
      {{WholeDay("3006")}, true, nullptr},
  };
  for (const auto& c : cases) {
    test::TFakeHost host;
    host.Doc.Zones.resize(1);
    host.Doc.Zones[0].SetMenuCaption("City Nord");
    host.Doc.Zones[0].SaSo = c.saso;
    TScriptedMessageBoxes boxes;
    if (c.message) boxes.Expect(c.message, idOK, "Dudode - Editor 3.10");
    TModalScript script;
    script.Then("dudode::TTarifCheckDlg", [&](QDialog& dlg) {
      EXPECT_EQ("Überprüfung der Tarife für Tarifzone City Nord", dlg.windowTitle().toStdString());
      // Cancel once the walk has reached February.
      std::function<void()> poll = [&] {
        if (Find<QLabel>(dlg, "MonthLabel")->text() == QStringLiteral("Februar"))
          return Click(dlg, "CancelBtn");
        if (dlg.isVisible()) QMetaObject::invokeMethod(&dlg, poll, Qt::QueuedConnection);
      };
      if (c.cancel) poll();
      WaitClosed(dlg);
    });
    CheckTariffsCommand(host);
  }
}

TEST(ToolDlgsTest, VatThereAndBackWithSpinButtonsAndNoCloseWhileComputing) {
  test::TFakeHost host;
  host.Doc.Zones.resize(2);
  host.Doc.Zones[1].Werktag = {WholeDay("3112")};
  const double& price = host.Doc.Zones[1].Werktag[0].PricePerUnit;
  TScriptedMessageBoxes boxes;
  TModalScript script;
  script.Then("dudode::TUstFormDlg", [&](QDialog& dlg) {
    auto* oldEdit = Find<QLineEdit>(dlg, "OldUstEdit");
    auto* newEdit = Find<QLineEdit>(dlg, "NewUstEdit");
    boxes.Expect("Nichts zu tun!");
    Click(dlg, "CalcBtn");
    EXPECT_FALSE(host.Doc.Modified);
    Type(newEdit, "18");
    Click(*Find<QWidget>(dlg, "UpDown2"), "Up");
    EXPECT_EQ("19", newEdit->text().toStdString());
    QTest::keyClick(oldEdit, Qt::Key_Return);
    EXPECT_FALSE(oldEdit->hasFocus());
    int tried = 0;
    QMetaObject::invokeMethod(
        &dlg,
        [&] {
          Click(dlg, "CalcBtn");
          QTest::keyClick(&dlg, Qt::Key_Escape);
          EXPECT_FALSE(dlg.close());
          tried += dlg.isVisible();
        },
        Qt::QueuedConnection);
    boxes.Expect(VatDoneMessage());
    Click(dlg, "CalcBtn");
    EXPECT_EQ(1, tried);
    EXPECT_EQ(0.1231, price);
    Type(oldEdit, "19");
    Type(newEdit, "16");
    boxes.Expect(VatDoneMessage());
    Click(dlg, "CalcBtn");
    EXPECT_EQ(0.12, price);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
  });
  EXPECT_TRUE(VatCommand(host).GridsChanged);
}

// Cancel in the exceptions dialog, then in the outer one; or confirm unchanged.
TEST(ToolDlgsTest, TenPlusKeepsTheWindowsUnlessChanged) {
  for (bool cancel : {true, false}) {
    test::TFakeHost host;
    host.Doc.Zones.resize(2);
    host.Doc.Zones[0].TenPlusActive = true;
    host.Doc.Zones[1].SetMenuCaption("Fern");
    host.Doc.Zones[1].WNo10plus = {{64800, 71999}, {28800, 35999}};
    TModalScript script;
    script.Then("dudode::TCfg10plusDlg", [&](QDialog& dlg) {
      auto* list = Find<QListWidget>(dlg, "TarifCheckLB");
      EXPECT_EQ(Qt::Checked, list->item(0)->checkState());
      EXPECT_FALSE(Find<QWidget>(dlg, "ExceptionsBtn")->isEnabled());
      list->setFocus();
      for (int i = 0; cancel && i < 2; ++i) QTest::keyClick(list, Qt::Key_Down);
      if (cancel) QTest::keyClick(list, Qt::Key_Space);
      list->setCurrentRow(1);
      EXPECT_TRUE(Find<QWidget>(dlg, "ExceptionsBtn")->isEnabled());
      if (cancel) Click(dlg, "ExceptionsBtn");
      Click(dlg, cancel ? "CancelBtn" : "SaveBtn");
    });
    if (cancel) {
      script.Then("dudode::TCfg10plusExceptionsDlg", [](QDialog& dlg) {
        EXPECT_EQ("Ausnahmen Rabatt 10plus für \"Fern\"", dlg.windowTitle().toStdString());
        auto* lines = Find<QTreeWidget>(dlg, "ListView1");
        EXPECT_EQ("08:00:00 Uhr", lines->topLevelItem(0)->text(0).toStdString());
        Click(dlg, "AddEntry1Btn");
        EXPECT_EQ(3, lines->topLevelItemCount());
        Click(dlg, "CancelBtn");
      });
      script.Then("dudode::TNoCostEditDlg", [](QDialog& dlg) {
        EXPECT_EQ("Geben Sie an, zu welcher Zeit der Telefonanbieter den Rabatt 10plus NICHT anbietet.",
                  Find<QLabel>(dlg, "InfoLabel")->text().toStdString());
        EXPECT_TRUE(Find<QWidget>(dlg, "TimeEdit")->isHidden());
        Type(Find<QLineEdit>(dlg, "TimeFrom"), "1200");
        Type(Find<QLineEdit>(dlg, "TimeTo"), "1259");
        Click(dlg, "ApplyBtn");
      });
    }
    TenPlusCommand(host);
    EXPECT_EQ(!cancel, host.Doc.Modified);
    EXPECT_FALSE(host.Doc.Zones[1].TenPlusActive);
    EXPECT_EQ(64800u, host.Doc.Zones[1].WNo10plus.at(0).StartSec);  // same windows, same order
    EXPECT_EQ(28800u, host.Doc.Zones[1].WNo10plus.at(1).StartSec);
  }
}

}  // namespace
}  // namespace dudode

namespace dudode {
namespace {

class TenPlusMainTest : public test::MainTest {};

TEST_F(TenPlusMainTest, F7AssignsAWindowThatIsSaved) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  QApplication::setActiveWindow(&main);
  TModalScript script;
  script.Then("dudode::TCfg10plusDlg", [](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "TarifCheckLB");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    Click(dlg, "ExceptionsBtn");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TCfg10plusExceptionsDlg", [](QDialog& dlg) {
    Click(dlg, "AddEntry1Btn");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TNoCostEditDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "TimeFrom"), "0800");
    Type(Find<QLineEdit>(dlg, "TimeTo"), "1759");
    test::Leave(Find<QWidget>(dlg, "TimeTo"));
    Click(dlg, "ApplyBtn");
  });
  QTest::keyClick(&main, Qt::Key_F7);
  TScriptedMessageBoxes boxes;
  boxes.AcceptAll(idYes);
  Trigger(main, "Speichern1");
  const std::string saved = dir.Read("RATES.1");
  for (const char* part : {"[10plus]\r\nCITY0001=NO\r\nFERN0001=YES\r\n",
                           "[FERN0001WNO10PLUS]\r\n0=08:00-17:59/\r\n", "Activate10plus=YES\r\n"}) {
    EXPECT_NE(std::string::npos, saved.find(part)) << part << saved;
  }
}

}  // namespace
}  // namespace dudode
