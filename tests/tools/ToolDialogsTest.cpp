// The tool dialogs (holidays, applications, import, check, VAT, 10plus), worked as a user would.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/MainTestSupport.h"
#include "core/TarifReader.h"
#include "core/Values.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/AppEditDlg.h"
#include "tools/Cfg10plusDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"
#include "tools/TarifCheckDlg.h"
#include "tools/UstFormDlg.h"

namespace dudode::test {
namespace {

// A host whose document lives in RATES.0 of a fresh program directory.
class ToolDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    dir.Write("RATES.0", "[COMMON]\r\nFILENAME=Eigene\r\n[FEIERTAGE]\r\nF0=2512\r\nF1=0101\r\n");
    host.Doc.FileName = "RATES.0";
    host.Doc.Description = "Eigene";
    host.Doc.Holidays = {{"2512"}, {"0101"}};
  }
  TTempDir dir;
  TFakeHost host;
  TScriptedMessageBoxes boxes;
};

// Types a date into the date dialog and confirms it with the keyboard.
TModalScript::Step TypeDate(const char* typed, const char* shown) {
  return [typed, shown](QDialog& dlg) {
    auto* edit = Find<QLineEdit>(dlg, "FEdit");
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, typed);
    Leave(edit);
    EXPECT_EQ(QString::fromUtf8(shown), edit->text());
    Click(dlg, "OKBtn");
  };
}

TEST_F(ToolDialogsTest, HolidaysAreEditedByKeysAndSavedAtOnce) {
  TModalScript script;
  script.Then("dudode::TFeiertagEditDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Gesetzliche Feiertage bearbeiten"), dlg.windowTitle());
    auto* list = Find<QListWidget>(dlg, "FListBox");
    ASSERT_EQ(2, list->count());
    EXPECT_EQ(QStringLiteral("01.01."), list->item(0)->text());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Insert);  // date dialog: 1.5. becomes 01.05.
    QTest::keyClick(list, Qt::Key_Insert);  // 31.04. refused, then 03.10.
    EXPECT_EQ(4, list->count());
    EXPECT_EQ(QStringLiteral("03.10."), list->item(2)->text());
    list->setCurrentRow(3);
    QTest::keyClick(list, Qt::Key_Delete);  // 25.12. after the question
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TNFeiertagDlg", TypeDate("1.5.", "01.05."));
  script.Then("dudode::TNFeiertagDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Neuen Feiertag hinzufügen"), dlg.windowTitle());
    auto* edit = Find<QLineEdit>(dlg, "FEdit");
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "31.04.");
    Click(dlg, "OKBtn");
    EXPECT_TRUE(dlg.isVisible()) << "an invalid date keeps the dialog open";
    TypeDate("03.10.", "03.10.")(dlg);
  });
  boxes.Expect("Das eingegebene Datum ist nicht korrekt!");
  boxes.Expect("Möchten Sie den Eintrag 25.12. wirklich löschen?", idYes);
  HolidaysCommand(host);
  EXPECT_FALSE(host.Doc.Modified);
  EXPECT_NE(std::string::npos, dir.Read("RATES.0").find("F0=0101\r\nF1=0105\r\nF2=0310\r\n"));
}

TEST_F(ToolDialogsTest, ApplicationsTypedInCapitalsAndSaved) {
  host.Doc.FileName.clear();  // never saved: kept for the next Save
  TModalScript script;
  script.Then("dudode::TAppEditDlg", [](QDialog& dlg) {
    auto* grid = Find<QTableWidget>(dlg, "AppStrGrid");
    EXPECT_EQ(1, grid->rowCount()) << "the placeholder row";
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);  // "Bearbeiten" on the placeholder adds
    QTest::keyClick(grid, Qt::Key_Insert);  // a duplicate, refused, then A=B pasted
    EXPECT_EQ(2, grid->rowCount());
    EXPECT_EQ(QStringLiteral("ABC"), grid->item(0, 0)->text());
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TAddEditAppDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Anwendung hinzufügen"), dlg.windowTitle());
    auto* tapi = Find<QLineEdit>(dlg, "ShortCutEdit");
    tapi->setFocus();
    QTest::keyClicks(tapi, "abc");
    EXPECT_EQ(QStringLiteral("ABC"), tapi->text());
    QTest::keyClick(tapi, Qt::Key_Return);
    EXPECT_TRUE(Find<QWidget>(dlg, "AppNameEdit")->hasFocus()) << "Enter moves on";
    QTest::keyClicks(QApplication::focusWidget(), "  Wahl ");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TAddEditAppDlg", [](QDialog& dlg) {
    auto* tapi = Find<QLineEdit>(dlg, "ShortCutEdit");
    QTest::keyClicks(tapi, "Abc");
    QTest::keyClicks(Find<QLineEdit>(dlg, "AppNameEdit"), "x");
    Click(dlg, "SaveBtn");
    ASSERT_TRUE(dlg.isVisible());
    tapi->clear();
    QApplication::clipboard()->setText(QStringLiteral("A=B"));
    tapi->setFocus();
    tapi->paste();
    EXPECT_EQ(QStringLiteral("AB"), tapi->text());
    Click(dlg, "SaveBtn");
  });
  boxes.Expect(
      "Eine Anwendung mit dem TAPI-Namen ABC ist bereits vorhanden! Bitte wählen Sie einen anderen Namen.");
  ApplicationsCommand(host);
  ASSERT_EQ(2u, host.Doc.Applications.size());
  EXPECT_EQ("Wahl", host.Doc.Applications[0].AppName);
  EXPECT_EQ("AB", host.Doc.Applications[1].TapiName);
  EXPECT_TRUE(host.Doc.Modified) << "not written: the next Save takes it";
}

std::string SampleFile(const std::string& name) {
  std::string bytes;
  ReadWholeFile(std::string(DUDODE_TEST_DATA) + "../../data/" + name, bytes);
  return bytes;
}

class ToolsMainWindowTest : public MainTest {};

// Zones of the first sample file go into the second; the holidays are
// edited; the saved file shows both when it is read again.
TEST_F(ToolsMainWindowTest, ImportZonesEditHolidaysSaveAndReopen) {
  dir.Write("RATES.0", SampleFile("RATES.0"));
  dir.Write("RATES.1", SampleFile("RATES.1"));
  TMain main;
  main.Document().FileName = "RATES.1";
  LoadTarifFile(main.Document());
  Loaded(main);
  TScriptedMessageBoxes boxes;
  TModalScript script;
  script.Then("dudode::TImportFormDlg", [](QDialog& dlg) {
    auto* files = Find<QListWidget>(dlg, "OpenListBox");
    EXPECT_FALSE(Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
    files->setFocus();
    files->setCurrentRow(1);
    QTest::keyClick(files, Qt::Key_Up);  // the first sample file
    EXPECT_EQ(QStringLiteral("Aktualisiert: 28.11.2026"), Find<QLabel>(dlg, "InfoLabel")->text());
    QTest::keyClick(files, Qt::Key_Return);
    Click(dlg, "CloseBtn");
  });
  script.Then("dudode::TTarifImportDlg", [](QDialog& dlg) {
    // While the import runs its dialog does not close.
    QWidget* form = dlg.parentWidget();
    EXPECT_FALSE(Find<QPushButton>(*form, "CloseBtn")->isEnabled());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    auto* zones = Find<QListWidget>(dlg, "TarifLB");
    ASSERT_EQ(4, zones->count());
    zones->setFocus();
    QTest::keyClick(zones, Qt::Key_Space);  // City
    QTest::keyClick(zones, Qt::Key_Down);
    QTest::keyClick(zones, Qt::Key_Down);
    QTest::keyClick(zones, Qt::Key_Space);  // Fernzone
    Click(dlg, "OKBtn");
  });
  boxes.Expect("Es wurden 2 Tarifzone(n) importiert.");
  Trigger(main, "Import1");
  EXPECT_EQ(2, main.CurrentZone()) << "the last imported zone is current";
  EXPECT_EQ(QStringLiteral("Fernzone"), main.findChild<QComboBox*>("TarifComboBox")->currentText());

  script.Then("dudode::TFeiertagEditDlg", [](QDialog& dlg) {
    Find<QListWidget>(dlg, "FListBox")->clearSelection();
    Click(dlg, "AddEntry2Btn");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TNFeiertagDlg", TypeDate("24.12.", "24.12."));
  Trigger(main, "Feiertage1");

  boxes.Expect("Möchten Sie wirklich die Änderungen in \"Wellenreiter Online - Internet by Call\" speichern?",
               idYes);
  Trigger(main, "Speichern1");
  EXPECT_FALSE(main.Document().Modified);

  TTarifFile reopened;
  reopened.FileName = "RATES.1";
  LoadTarifFile(reopened);
  ASSERT_EQ(3u, reopened.Zones.size());
  EXPECT_FALSE(reopened.Zones[1].WFreeTimes.empty());
  EXPECT_FALSE(reopened.Zones[1].Access.PhoneNr.empty());
  EXPECT_FALSE(reopened.Zones[2].WNo10plus.empty());
  EXPECT_EQ("Fernzone", reopened.Zones[2].DisplayName);
  EXPECT_EQ("2412", reopened.Holidays.back().Date);
}

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

TEST(ToolCommandDialogsTest, CheckReportsGapCompleteOrNothingWhenCancelled) {
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
    TFakeHost host;
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

TEST(ToolCommandDialogsTest, VatWithSpinButtonsAndNoCloseWhileComputing) {
  TFakeHost host;
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
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
  });
  EXPECT_TRUE(VatCommand(host).GridsChanged);
}

// Cancel in the exceptions dialog, then in the outer one; or confirm unchanged.
TEST(ToolCommandDialogsTest, TenPlusKeepsTheWindowsUnlessChanged) {
  for (bool cancel : {true, false}) {
    TFakeHost host;
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

TEST_F(ToolsMainWindowTest, F7AssignsAWindowThatIsSaved) {
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
    Leave(Find<QWidget>(dlg, "TimeTo"));
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
}  // namespace dudode::test
