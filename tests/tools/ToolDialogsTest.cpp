// The holiday, application and import dialogs, worked as a user would.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/MainTestSupport.h"
#include "core/TarifReader.h"
#include "core/Values.h"
#include "support/CliRun.h"
#include "support/FakeHost.h"
#include "tools/AppEditDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"

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

  TTempDir capture;
  const TCliRun dump = RunCli(DUDODE_TARIF_CLI, {"dump", dir.Dir(), "RATES.1"}, capture);
  ASSERT_EQ(0, dump.Status) << dump.Err;
  for (const char* part : {"\"Fernzone\"", "\"City\"", "\"Mondschein\"", "\"2412\"", "\"0101\""}) {
    EXPECT_NE(std::string::npos, dump.Out.find(part)) << part;
  }
  TTarifFile reopened;
  reopened.FileName = "RATES.1";
  LoadTarifFile(reopened);
  ASSERT_EQ(3u, reopened.Zones.size());
  EXPECT_FALSE(reopened.Zones[1].WFreeTimes.empty());
  EXPECT_FALSE(reopened.Zones[1].Access.PhoneNr.empty());
  EXPECT_FALSE(reopened.Zones[2].WNo10plus.empty());
  EXPECT_EQ("2412", reopened.Holidays.back().Date);
}

}  // namespace
}  // namespace dudode::test
