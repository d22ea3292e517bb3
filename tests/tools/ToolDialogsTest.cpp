// The holiday, application and import dialogs, worked as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "core/Clock.h"
#include "core/Values.h"
#include "core/TarifFile.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "tools/AppEditDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::Leave;
using test::TFakeHost;
using test::TModalScript;
using test::TScriptedMessageBoxes;

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
  test::TTempDir dir;
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
    list->clearSelection();
    Click(dlg, "EditEntry2Btn");  // no selection: a message, no dialog
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
  boxes.Expect("Sie müssen einen Eintrag in der Liste selektieren!");
  HolidaysCommand(host);
  EXPECT_FALSE(host.Doc.Modified);
  EXPECT_NE(std::string::npos, dir.Read("RATES.0").find("F0=0101\r\nF1=0105\r\nF2=0310\r\n"));
}

TEST_F(ToolDialogsTest, HolidayLimitAndCancel) {
  for (int day = 1; day <= 20; ++day) host.Doc.Holidays.push_back({TwoDigitText(day) + "03"});
  const std::vector<TFeiertag> before = host.Doc.Holidays;
  TModalScript script;
  script.Then("dudode::TFeiertagEditDlg", [](QDialog& dlg) {
    EXPECT_EQ(22, Find<QListWidget>(dlg, "FListBox")->count());
    Click(dlg, "AddEntry2Btn");  // the limit message, no date dialog
    QTest::keyClick(&dlg, Qt::Key_Escape);
  });
  boxes.Expect("Es können maximal 20 Feiertage aufgenommen werden!");
  HolidaysCommand(host);
  EXPECT_EQ(before.size(), host.Doc.Holidays.size());
  EXPECT_FALSE(host.Doc.Modified);
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

TEST_F(ToolDialogsTest, ImportRefusesToCloseWhileItRuns) {
  dir.Write("RATES.1",
            "[COMMON]\r\nFILENAME=Quelle\r\nFILEDATE=03/01/2004\r\n[REGIONENINDEX]\r\nR0=City,CITY0001\r\n"
            "R1=Fern,FERN0001\r\n[FEIERTAGE]\r\nF0=0310\r\n");
  TModalScript script;
  script.Then("dudode::TImportFormDlg", [](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "OpenListBox");
    EXPECT_FALSE(Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
    list->setFocus();
    list->setCurrentRow(0);
    EXPECT_EQ(QStringLiteral("Eigene"), list->currentItem()->text());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("Aktualisiert: 01.03.2004"), Find<QLabel>(dlg, "InfoLabel")->text());
    Click(dlg, "OpenBtn");  // zones
    EXPECT_TRUE(Find<QPushButton>(dlg, "CloseBtn")->isEnabled());
    Click(dlg, "OptionGroup1");  // "&Feiertage"
    Click(dlg, "OpenBtn");
    QTest::keyClick(&dlg, Qt::Key_Escape);
  });
  script.Then("dudode::TTarifImportDlg", [](QDialog& dlg) {
    auto* form = dlg.parentWidget();
    EXPECT_FALSE(Find<QPushButton>(*form, "OpenBtn")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*form, "CloseBtn")->isEnabled());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    auto* zones = Find<QListWidget>(dlg, "TarifLB");
    zones->setFocus();
    QTest::keyClick(zones, Qt::Key_Down);
    QTest::keyClick(zones, Qt::Key_Space);
    Click(dlg, "OKBtn");
  });
  boxes.Expect("Es wurden 1 Tarifzone(n) importiert.");
  boxes.Expect("Es wurden 1 Feiertag(e) importiert.");
  const TCommandResult result = ImportCommand(host);
  EXPECT_TRUE(result.ZonesChanged);
  EXPECT_EQ(0, result.CurrentZone);
  ASSERT_EQ(1u, host.Doc.Zones.size());
  EXPECT_EQ("Fern", host.Doc.Zones[0].DisplayName);
  EXPECT_EQ(3u, host.Doc.Holidays.size());
}

}  // namespace
}  // namespace dudode
