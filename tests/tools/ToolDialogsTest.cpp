// The tool dialogs (holidays, applications, import, check, VAT, 10plus,
// coverage, file options), worked as a user would.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/MainTestSupport.h"
#include "core/TarifReader.h"
#include "support/FakeHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestData.h"
#include "tools/AppEditDlg.h"
#include "tools/Cfg10plusDlg.h"
#include "tools/CoverageDlg.h"
#include "tools/FeiertagEditDlg.h"
#include "tools/ImportFormDlg.h"
#include "tools/TarifCheck.h"
#include "tools/TarifCheckDlg.h"
#include "tools/TarifLintDlg.h"
#include "tools/TarifOptionsDlg.h"
#include "tools/UstFormDlg.h"
#include "ui/CentEuroDlg.h"
#include "ui/NumberEdit.h"

namespace dudode::test {
namespace {

// A host whose document lives in RATES.0 of a fresh program directory.
class ToolDialogsTest : public MainTest {
 protected:
  void SetUp() override {
    MainTest::SetUp();
    dir.Write("RATES.0", "[COMMON]\r\nFILENAME=Eigene\r\n[FEIERTAGE]\r\nF0=2512\r\nF1=0101\r\n");
    host.Doc.FileName = "RATES.0";
    host.Doc.Description = "Eigene";
    host.Doc.Holidays = {{"2512"}, {"0101"}};
  }
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
    auto* list = Find<QListWidget>(dlg, "FListBox");
    ASSERT_EQ(2, list->count());
    EXPECT_EQ(QStringLiteral("01.01."), list->item(0)->text());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Insert);  // 31.04. refused, then 1.5. becomes 01.05.
    ASSERT_EQ(3, list->count());
    EXPECT_EQ(QStringLiteral("01.05."), list->item(1)->text());
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Delete);  // 25.12. after the question
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TNFeiertagDlg", [](QDialog& dlg) {
    auto* edit = Find<QLineEdit>(dlg, "FEdit");
    edit->setFocus();
    QTest::keyClicks(edit, "31.04.");
    Click(dlg, "OKBtn");
    EXPECT_TRUE(dlg.isVisible()) << "an invalid date keeps the dialog open";
    edit->clear();
    TypeDate("1.5.", "01.05.")(dlg);
  });
  boxes.Expect("Das eingegebene Datum ist nicht korrekt!");
  boxes.Expect("Möchten Sie den Eintrag 25.12. wirklich löschen?", idYes);
  HolidaysCommand(host);
  EXPECT_FALSE(host.Doc.Modified);
  const std::string saved = dir.Read("RATES.0");
  EXPECT_NE(std::string::npos, saved.find("F0=0101\r\nF1=0105\r\n")) << saved;
  EXPECT_EQ(std::string::npos, saved.find("2512")) << saved;
}

TEST_F(ToolDialogsTest, ApplicationsTypedInCapitalsAndSaved) {
  host.Doc.FileName.clear();  // never saved: kept for the next Save
  TModalScript script;
  script.Then("dudode::TAppEditDlg", [](QDialog& dlg) {
    auto* grid = Find<QTableWidget>(dlg, "AppStrGrid");
    EXPECT_EQ(1, grid->rowCount()) << "the placeholder row";
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);  // "Bearbeiten" on the placeholder adds
    QTest::keyClick(grid, Qt::Key_Insert);  // a duplicate, refused, then A=B typed
    EXPECT_EQ(2, grid->rowCount());
    EXPECT_EQ(QStringLiteral("ABC"), grid->item(0, 0)->text());
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TAddEditAppDlg", [](QDialog& dlg) {
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
    tapi->setFocus();
    QTest::keyClicks(tapi, "A=B");  // the "=" is refused with a word
    EXPECT_EQ(QStringLiteral("AB"), tapi->text());
    Click(dlg, "SaveBtn");
  });
  boxes.Expect(
      "Eine Anwendung mit dem TAPI-Namen ABC ist bereits vorhanden! Bitte wählen Sie einen anderen Namen.");
  boxes.Expect(
      "Ein TAPI-Name darf die Zeichen \"=\", \"[\" und \"]\" nicht enthalten und nicht mit \";\" beginnen.");
  ApplicationsCommand(host);
  ASSERT_EQ(2u, host.Doc.Applications.size());
  EXPECT_EQ("Wahl", host.Doc.Applications[0].AppName);
  EXPECT_EQ("AB", host.Doc.Applications[1].TapiName);
  EXPECT_TRUE(host.Doc.Modified) << "not written: the next Save takes it";
}

using ToolsMainWindowTest = MainTest;

// Zones of the first sample file go into the second; the holidays are
// edited; the saved file shows both when it is read again.
TEST_F(ToolsMainWindowTest, ImportZonesEditHolidaysSaveAndReopen) {
  for (const char* name : {"RATES.0", "RATES.1"})
    dir.Write(name, TestDataFile(std::string("../../data/") + name));
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
  EXPECT_EQ(std::make_tuple(false, false, false, std::string("Fernzone"), std::string("2412")),
            std::make_tuple(reopened.Zones[1].WFreeTimes.empty(), reopened.Zones[1].Access.PhoneNr.empty(),
                            reopened.Zones[2].WNo10plus.empty(), reopened.Zones[2].DisplayName,
                            reopened.Holidays.back().Date));
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

TEST(ToolCommandDialogsTest, CheckReportsGapCompleteOrNothingWhenCancelled) {
  struct Case {
    TTarifEntryList saso;
    bool cancel;
    std::string message;  // none when cancelled
  } cases[] = {{{}, false, GapMessage({})},
               {{WholeDay("3112")}, false, CompleteMessage()},
               {{WholeDay("3006")}, true, ""}};
  for (const auto& c : cases) {
    TFakeHost host;
    host.Doc.Zones.resize(1);
    host.Doc.Zones[0].SetMenuCaption("City Nord");
    host.Doc.Zones[0].SaSo = c.saso;
    TScriptedMessageBoxes boxes;
    if (!c.cancel) boxes.Expect(c.message, idOK, "Dudode - Editor 3.10");
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
      for (int i = 0; i < 500 && dlg.isVisible(); ++i) QTest::qWait(10);
      EXPECT_FALSE(dlg.isVisible());
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

// F7 assigns a window that is saved. Opened again, the dialog shows the
// windows sorted; cancelling the exceptions, then the dialog, keeps them.
TEST_F(ToolsMainWindowTest, F7AssignsAWindowThatIsSavedAndCancelKeepsTheWindows) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  QApplication::setActiveWindow(&main);
  TModalScript script;
  script.Then("dudode::TCfg10plusDlg", [](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "TarifCheckLB");
    EXPECT_FALSE(Find<QWidget>(dlg, "ExceptionsBtn")->isEnabled());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(Find<QWidget>(dlg, "ExceptionsBtn")->isEnabled());
    Click(dlg, "ExceptionsBtn");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TCfg10plusExceptionsDlg", [](QDialog& dlg) {
    Click(dlg, "AddEntry1Btn");
    Click(dlg, "SaveBtn");
  });
  script.Then("dudode::TNoCostEditDlg", [](QDialog& dlg) {
    EXPECT_TRUE(Find<QWidget>(dlg, "TimeEdit")->isHidden()) << "the window form has no duration";
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

  TKeyAndName& fern = main.Document().Zones.at(1);
  fern.WNo10plus = {{64800, 71999}, {28800, 35999}};
  script.Then("dudode::TCfg10plusDlg", [](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "TarifCheckLB");
    EXPECT_EQ(Qt::Checked, list->item(1)->checkState());
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Space);
    Click(dlg, "ExceptionsBtn");
    Click(dlg, "CancelBtn");
  });
  script.Then("dudode::TCfg10plusExceptionsDlg", [&](QDialog& dlg) {
    EXPECT_EQ("08:00:00 Uhr", Find<QTreeWidget>(dlg, "ListView1")->topLevelItem(0)->text(0).toStdString());
    Click(dlg, "CancelBtn");
  });
  QApplication::setActiveWindow(&main);
  QTest::keyClick(&main, Qt::Key_F7);
  // Same windows in the same order.
  EXPECT_EQ(std::make_tuple(false, true, 64800u, 28800u),
            std::make_tuple(main.Document().Modified, fern.TenPlusActive, fern.WNo10plus.at(0).StartSec,
                            fern.WNo10plus.at(1).StartSec));
}

// The coverage window: saving the picture, then a double click selects the covering entry.
TEST(ToolCommandDialogsTest, CoverageDoubleClickSelectsTheCoveringEntryAfterSavingThePicture) {
  TFakeHost host;
  host.Doc.Zones.resize(1);
  host.Doc.Zones[0].DisplayName = "City";
  host.Doc.Zones[0].Werktag = {WholeDay("3112"), WholeDay("3112")};
  host.Doc.Zones[0].Werktag[0].EndSec = 6 * 3600 - 1;
  host.Doc.Zones[0].Werktag[1].StartSec = 6 * 3600;
  const TTempDir dir;
  TModalScript script;
  script.Then("dudode::TCoverageDlg", [&](QDialog& dialog) {
    QTest::mouseClick(Find<QWidget>(dialog, "SaveBtn"), Qt::LeftButton);
    // 1 January, 06:40: the second step row of the picture's slot 40.
    QTest::mouseDClick(Find<QWidget>(dialog, "WerktagView"), Qt::LeftButton, {}, QPoint(41, 6 + 80 + 1));
  });
  script.Then("QFileDialog", [&](QDialog& dialog) {
    QTest::keyClicks(Find<QLineEdit>(dialog, "fileNameEdit"), QString::fromStdString(dir.File("bild.png")));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_FALSE(CoverageCommand(host).GridsChanged);
  EXPECT_EQ(2, host.Row1);
  EXPECT_TRUE(dir.Exists("bild.png"));

  // The keyboard cursor: the status line tells what the pointer would, and
  // Return takes the entry. 2 January, 06:00 is the second entry's.
  host.Row1 = 0;
  script.Then("dudode::TCoverageDlg", [&](QDialog& dialog) {
    QWidget* view = Find<QWidget>(dialog, "WerktagView");
    EXPECT_EQ(view, QApplication::focusWidget());
    QTest::keyClick(view, Qt::Key_Right);
    for (int step = 0; step < 36; ++step) QTest::keyClick(view, Qt::Key_Down);
    EXPECT_FALSE(Find<QLabel>(dialog, "StatusLabel")->text().isEmpty());
    QTest::keyClick(view, Qt::Key_Return);
  });
  CoverageCommand(host);
  EXPECT_EQ(2, host.Row1);

  TScriptedMessageBoxes boxes;
  boxes.Expect("Bitte legen Sie eine Tarifzone an oder wählen Sie eine Tarifzone aus!", idOK,
               "Dudode - Editor 3.10");
  host.Zone = -1;
  CoverageCommand(host);
}

// The findings window opens on its list; Return on an application's finding
// does nothing, Return on an overlap shows its zone and entry.
TEST(ToolCommandDialogsTest, LintReturnOnAFindingSelectsItsZoneAndEntry) {
  TFakeHost host;
  host.Doc.Zones.resize(2);
  host.Doc.Zones[1].Werktag = {WholeDay("3112"), WholeDay("3112")};
  for (TTarifEntry& e : host.Doc.Zones[1].Werktag) e.Weekdays = DayBit(2);
  host.Doc.Applications = {{"FAX", "Fax"}, {"FAX", "Fax 2"}};
  TModalScript script;
  script.Then("dudode::TTarifLintDlg", [](QDialog& dialog) {
    auto* list = Find<QTreeWidget>(dialog, "FindingsList");
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(2, list->topLevelItemCount());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "applications have no place in the main window";
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
  });
  LintCommand(host);
  EXPECT_EQ(std::make_pair(1, 1), std::make_pair(host.Zone, host.Row1));
}

// Shows the options dialog filled from a document, works it, and returns
// the options when confirmed.
std::optional<TTarifOptions> WorkOptions(const std::function<void(QDialog&)>& step) {
  TModalScript script;
  script.Then("dudode::TTarifOptionsDlg", step);
  TTarifFile doc;
  doc.Description = "Stadt Tarif";
  doc.BaseConnectPrice = 0.06;
  doc.Takt = 60;
  doc.CityWeekend = false;
  TTarifOptionsDlg dlg;
  dlg.Fill(doc, {2024, 3, 15, 10, 30, 0});
  if (RunModal(dlg) != QDialog::Accepted) return std::nullopt;
  return dlg.Options();
}

// Enter moves on and Escape discards. Only digits fit the network code field
// (its stored form is the options' own matter); no text field takes a
// semicolon, typed or pasted; the price field refuses what is no number.
TEST(TarifOptionsDlgTest, EnterEscapeAndKeyFiltersOfTheFields) {
  EXPECT_FALSE(WorkOptions([](QDialog& dlg) {
    EXPECT_TRUE(Find<QLineEdit>(dlg, "LastEditDate")->isReadOnly());
    auto* name = Find<QLineEdit>(dlg, "FileNameEdit");
    Enter(name);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible()) << "Enter does not confirm";
    EXPECT_NE(name, QApplication::focusWidget());
    QWidget* box = Find<QWidget>(dlg, "CWChckBox2431");
    Enter(box);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(&dlg, Qt::Key_Escape);
  })) << "Escape closes without taking anything";

  TScriptedMessageBoxes boxes;
  boxes.Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!")
      .Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!");
  auto options = WorkOptions([](QDialog& dlg) {
    auto* code = Find<QLineEdit>(dlg, "AccessCodeEdit");
    Type(code, "1050");
    QTest::keyClick(code, Qt::Key_A);
    Leave(code);
    EXPECT_EQ(QStringLiteral("1050"), code->text());
    for (const char* name :
         {"FileNameEdit", "WWWEdit", "HotlineEdit", "EMAILEdit", "CommentEdit", "CopyrightEdit"}) {
      SCOPED_TRACE(name);
      auto* edit = Find<QLineEdit>(dlg, name);
      Type(edit, "a;b");
      EXPECT_EQ(QStringLiteral("ab"), edit->text());
      edit->selectAll();
      edit->insert(QStringLiteral("c;d"));  // as a paste would
      Q_EMIT edit->textEdited(edit->text());
      EXPECT_EQ(QStringLiteral("cd"), edit->text());
    }
    auto* price = Find<QLineEdit>(dlg, "PriceEdit");
    Enter(price);
    price->selectAll();
    QTest::keyClick(price, Qt::Key_Delete);
    QTest::keyClicks(price, "0x.2-5");
    EXPECT_EQ(QStringLiteral("0,25"), price->text());
    Click(dlg, "ApplyBtn");
  });
  ASSERT_TRUE(options);
  // The fields not typed into come back as the document gave them.
  EXPECT_EQ(std::make_tuple("1050", "cd", 0.25, 0.06, 60.0, false),
            std::make_tuple(options->AccessCode, options->Description, options->Price,
                            options->BaseConnectPrice, options->Takt, options->CityWeekend));
  EXPECT_EQ(mkFehler, boxes.Boxes().at(0).Kind);
}

TEST(CentEuroDlgTest, ConvertsCentsIntoTheFocusedNumberField) {
  QWidget owner;
  auto* price = new TNumberEdit(&owner);
  price->SetValue(1);
  auto* text = new QLineEdit(&owner);
  const std::pair<QWidget*, bool> cases[] = {{price, true}, {price, false}, {text, true}};
  for (const auto& [focused, confirm] : cases) {
    TModalScript script;
    script.Then("dudode::TCentEuroDlg", [&](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "CentEdit"), "12,5");
      EXPECT_EQ(QStringLiteral("0,1250"), Find<QLineEdit>(dlg, "EuroEdit")->text());
      if (confirm) QTest::keyClick(Find<QLineEdit>(dlg, "CentEdit"), Qt::Key_Return);  // Enter confirms
      if (!confirm) Click(dlg, "CancelBtn");
    });
    EXPECT_EQ(confirm && focused == price, ConvertCentsIntoField(focused, &owner));
    EXPECT_DOUBLE_EQ(0.125, price->Value());
  }
}

}  // namespace
}  // namespace dudode::test
