// The file commands of the main window and the questions around them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include "MainTestSupport.h"
#include "ui/QtMessageBox.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

const char* const kUnknown = "Unbekannte Datei - Keine Information";

class FileCommandsTest : public test::MainTest {};

TEST_F(FileCommandsTest, EscapeAtTheCloseQueryKeepsTheWindowAndTheChanges) {
  TMain main;
  main.show();
  main.Document().Description = "Stadt";
  main.Document().Modified = true;
  const MessageBoxHandler scripted = SetMessageBoxHandler({});
  InstallQtMessageBox();
  QString asked;
  QTimer::singleShot(0, [&asked] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, box);
    asked = box->text();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_FALSE(main.close());
  SetMessageBoxHandler(scripted);
  EXPECT_TRUE(asked.startsWith(QStringLiteral("Es wurden nicht alle Änderungen in \"Stadt\"")));
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(main.Document().Modified);
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheWindowOpen) {
  TMain main;
  main.show();
  OpenTwoZoneFile(main);
  const std::string original = dir.Read("RATES.1");
  main.Document().Modified = true;
  TScriptedMessageBoxes boxes;
  boxes
      .Expect(
          "Es wurden nicht alle Änderungen in \"Zwei Zonen Tarif\" gespeichert.\r\rMöchten Sie die "
          "Angaben jetzt speichern?",
          idYes)
      .Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes)
      .AcceptAll();  // the writer's message about the full disk
  InjectWriteFailureAfter(100);
  EXPECT_FALSE(main.close());
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(main.Document().Modified);
  EXPECT_EQ(original, dir.Read("RATES.1"));
  EXPECT_EQ(3u, boxes.Boxes().size());
  EXPECT_TRUE(!main.Busy());
}

TEST_F(FileCommandsTest, CancelInTheQuestionBeforeNewOrOpenLeavesAllAsItWas) {
  for (const char* command : {"Neu1", "Oeffnen1"}) {
    SCOPED_TRACE(command);
    TMain main;
    main.Document().FileName = "RATES.3";
    main.Document().Description = "Stadt";
    main.Document().Zones.resize(1);
    main.Document().Zones[0].Key = "CITY0001";
    main.Document().Zones[0].SetMenuCaption("City");
    main.Document().Modified = true;
    TCommandResult shown = TCommandResult::Zones(0);
    shown.TitleChanged = shown.DocumentLoaded = true;
    main.Apply(shown);
    TScriptedMessageBoxes boxes;
    boxes.Expect("Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?", idCancel);
    TModalScript noDialogs;
    Trigger(main, command);
    EXPECT_EQ(mkBestaetigung, boxes.Boxes().at(0).Kind);
    EXPECT_EQ(mbYesNoCancel, boxes.Boxes().at(0).Buttons);
    EXPECT_EQ("RATES.3", main.Document().FileName);
    EXPECT_EQ("Stadt", main.Document().Description);
    EXPECT_EQ(1u, main.Document().Zones.size());
    EXPECT_TRUE(main.Document().Modified);
    EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Stadt]"), main.windowTitle());
    EXPECT_EQ(0, main.CurrentZone());
  }
}

TEST_F(FileCommandsTest, OpenShowsTheChosenFile) {
  TMain main;
  main.Document().Modified = true;
  main.Document().Description = "Alt";
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?", idNo);
  OpenTwoZoneFile(main);

  const TTarifFile& doc = main.Document();
  EXPECT_EQ("RATES.1", doc.FileName);
  EXPECT_EQ("Zwei Zonen Tarif", doc.Description);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Zwei Zonen Tarif]"), main.windowTitle());
  auto* box = main.findChild<QComboBox*>("TarifComboBox");
  ASSERT_EQ(2, box->count());
  EXPECT_EQ(QStringLiteral("City Zone"), box->itemText(0));
  EXPECT_EQ(QStringLiteral("City Zone"), box->currentText());
  EXPECT_EQ(0, main.CurrentZone());
  EXPECT_EQ(2, main.Grid(TDayClass::Werktag)->rowCount());
  EXPECT_EQ(QStringLiteral("Neben Zeit"), Cell(main, TDayClass::Werktag, 0, 4));
}

TEST_F(FileCommandsTest, CancellingTheFirstOpenSetsUpANewFile) {
  dir.Write("RATES.0", test::TestDataFile("app/Rates.zwei"));
  TMain main;
  main.Document().CityWeekend = false;
  TModalScript script;
  script.Then("dudode::TOpenDlg", [](QDialog& dlg) { Click(dlg, "CancelBtn"); })
      .Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) { Click(dlg, "CloseBtn"); });
  Trigger(main, "Oeffnen1");
  EXPECT_EQ("RATES.1", main.Document().FileName);
  EXPECT_TRUE(main.Document().CityWeekend);
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Unbekannte Datei - Keine Information]"),
            main.windowTitle());
}

TEST_F(FileCommandsTest, CancellingOpenLeavesALoadedDocumentAlone) {
  TMain main;
  OpenTwoZoneFile(main);
  main.Document().CityWeekend = false;
  TModalScript script;
  script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
    // The open document's file is selected, with its date.
    auto* list = Find<QListWidget>(dlg, "OpenListBox");
    EXPECT_EQ(0, list->currentRow());
    EXPECT_EQ(QStringLiteral("Aktualisiert: 24.12.1999"), Find<QLabel>(dlg, "InfoLabel")->text());
    Click(dlg, "CancelBtn");
  });
  Trigger(main, "Oeffnen1");
  EXPECT_EQ("RATES.1", main.Document().FileName);
  EXPECT_FALSE(main.Document().CityWeekend);
  EXPECT_FALSE(main.Document().Modified);
  EXPECT_EQ(2u, main.Document().Zones.size());
}

TEST_F(FileCommandsTest, NewAsksThenSetsUpAnEmptyFile) {
  TMain main;
  OpenTwoZoneFile(main);
  main.Document().Modified = true;
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?", idNo);
  TModalScript script;
  script.Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "FileNameEdit"), "Neuer Tarif");
    Click(dlg, "ApplyBtn");
  });
  Trigger(main, "Neu1");
  const TTarifFile& doc = main.Document();
  EXPECT_EQ("RATES.0", doc.FileName);
  EXPECT_TRUE(doc.Zones.empty());
  EXPECT_EQ("Neuer Tarif", doc.Description);
  EXPECT_TRUE(doc.Modified) << "the confirmed options";
  EXPECT_EQ(-1, main.CurrentZone());
  EXPECT_EQ(0, main.findChild<QComboBox*>("TarifComboBox")->count());
  EXPECT_EQ(1, main.Grid(TDayClass::Werktag)->rowCount());
  EXPECT_EQ(QString(), Cell(main, TDayClass::Werktag, 0, 0));
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Neuer Tarif]"), main.windowTitle());
}

TEST_F(FileCommandsTest, SaveWithTheDefaultDescriptionAsksForAName) {
  TMain main;
  Loaded(main);
  main.Document().FileName = "RATES.2";
  main.Document().Modified = true;
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie wirklich die Änderungen in \"Ortstarif\" speichern?", idYes);
  TModalScript script;
  script.Then("dudode::TSaveDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Speichern"), dlg.windowTitle());
    EXPECT_EQ(QString::fromLatin1(kUnknown), Find<QLineEdit>(dlg, "FileNameEdit")->text());
    Type(Find<QLineEdit>(dlg, "FileNameEdit"), "  Ortstarif ");
    Click(dlg, "SaveBtn");
  });
  Trigger(main, "Speichern1");
  EXPECT_EQ("Ortstarif", main.Document().Description);
  EXPECT_FALSE(main.Document().Modified);
  EXPECT_NE(std::string::npos, dir.Read("RATES.2").find("FILENAME=Ortstarif\r\n"));
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Ortstarif]"), main.windowTitle());
}

// Saving stops at a No to the confirmation, or without a usable name.
TEST_F(FileCommandsTest, SaveStopsWithoutConfirmationOrAUsableName) {
  struct Case {
    const char* description;
    const char* typed;  // nullptr: no name asked
    bool accept;
  } cases[] = {{"Stadt", nullptr, false},
               {kUnknown, kUnknown, true},
               {kUnknown, "   ", true},
               {kUnknown, "Ortstarif", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : c.description);
    TMain main;
    Loaded(main);
    main.Document().FileName = "RATES.2";
    main.Document().Description = c.description;
    main.Document().Modified = true;
    TScriptedMessageBoxes boxes;
    if (c.typed) boxes.AcceptAll();  // the name field's warning
    if (!c.typed) boxes.Expect("Möchten Sie wirklich die Änderungen in \"Stadt\" speichern?", idNo);
    TModalScript script;
    if (c.typed) {
      script.Then("dudode::TSaveDlg", [&](QDialog& dlg) {
        Type(Find<QLineEdit>(dlg, "FileNameEdit"), c.typed);
        Click(dlg, c.accept ? "SaveBtn" : "CancelBtn");
      });
    }
    Trigger(main, "Speichern1");
    EXPECT_FALSE(dir.Exists("RATES.2"));
    EXPECT_TRUE(main.Document().Modified);
    EXPECT_EQ(c.description, main.Document().Description);
    EXPECT_TRUE(c.typed || boxes.Boxes().at(0).Kind == mkBestaetigung);
  }
}

TEST_F(FileCommandsTest, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
  TMain main;
  OpenTwoZoneFile(main);
  const std::string changed = dir.Read("RATES.1") + "; written by another program\r\n";
  dir.Write("RATES.1", changed);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes)
      .Expect(FileChangedQuestion(dir.File("RATES.1")), idNo);
  Trigger(main, "Speichern1");
  EXPECT_EQ(changed, dir.Read("RATES.1"));
  EXPECT_EQ(idNo, boxes.Boxes().at(1).DefaultResult);
}

TEST_F(FileCommandsTest, SaveKeepsTheFileDateOnlyWithTheCheckMark) {
  for (bool keep : {false, true}) {
    SCOPED_TRACE(keep);
    TMain main;
    OpenTwoZoneFile(main);
    if (keep) Trigger(main, "KeepFileDate1");
    EXPECT_EQ(keep, main.KeepFileDate());
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idYes);
    Trigger(main, "Speichern1");
    EXPECT_NE(std::string::npos,
              dir.Read("RATES.1").find(keep ? "FILEDATE=12/24/1999\r\n" : "FILEDATE=03/15/2024\r\n"));
  }
}

TEST_F(FileCommandsTest, SaveAsWithTheSameNameWritesTheExistingFile) {
  TMain main;
  OpenTwoZoneFile(main);
  TScriptedMessageBoxes boxes;
  boxes
      .Expect("Damit erstellen Sie eine Kopie einer vorhandenen Datei.\rMöchten Sie dies wirklich?", idYes,
              "Speichern unter")
      .Expect("Die Speicherung erfolgt in die bestehende Datei!", idOK)
      .Expect("Möchten Sie wirklich die Änderungen in \"Zwei Zonen Tarif\" speichern?", idYes);
  TModalScript script;
  script.Then("dudode::TSaveDlg", [](QDialog& dlg) {
    EXPECT_EQ(QStringLiteral("Speichern unter"), dlg.windowTitle());
    EXPECT_EQ(QStringLiteral("Zwei Zonen Tarif"), Find<QLineEdit>(dlg, "FileNameEdit")->text());
    Click(dlg, "SaveBtn");
  });
  Trigger(main, "SpeichernUnter1");
  EXPECT_EQ(mkFehler, boxes.Boxes().at(0).Kind);
  EXPECT_EQ(mbYesNo, boxes.Boxes().at(0).Buttons);
  EXPECT_EQ("RATES.1", main.Document().FileName);
  EXPECT_FALSE(dir.Exists("RATES.0"));
  EXPECT_NE(std::string::npos, dir.Read("RATES.1").find("FILEDATE=03/15/2024\r\n"));
}

TEST_F(FileCommandsTest, SaveAsWithANewNameWritesANewFile) {
  TMain main;
  OpenTwoZoneFile(main);
  const std::string original = dir.Read("RATES.1");
  TScriptedMessageBoxes boxes;
  boxes.Expect("Damit erstellen Sie eine Kopie einer vorhandenen Datei.\rMöchten Sie dies wirklich?", idYes)
      .Expect("Möchten Sie wirklich die Änderungen in \"Kopie\" speichern?", idYes);
  TModalScript script;
  script.Then("dudode::TSaveDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "FileNameEdit"), "Kopie");
    Click(dlg, "SaveBtn");
  });
  Trigger(main, "SpeichernUnter1");
  EXPECT_EQ("RATES.0", main.Document().FileName);
  EXPECT_EQ("Kopie", main.Document().Description);
  EXPECT_EQ(original, dir.Read("RATES.1")) << "the original stays as it was";
  const std::string copy = dir.Read("RATES.0");
  EXPECT_NE(std::string::npos, copy.find("FILENAME=Kopie\r\n"));
  EXPECT_NE(std::string::npos, copy.find("R1=Fern_Zone,FERN0001\r\n"));
  EXPECT_EQ(QStringLiteral("Dudode - Editor 3.10 [Kopie]"), main.windowTitle());
}

TEST_F(FileCommandsTest, SaveAsStopsUnlessConfirmedAndNamed) {
  TMain main;
  OpenTwoZoneFile(main);
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Damit erstellen Sie eine Kopie einer vorhandenen Datei.\rMöchten Sie dies wirklich?", idNo);
    Trigger(main, "SpeichernUnter1");
  }
  {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idYes);
    TModalScript script;
    script.Then("dudode::TSaveDlg", [](QDialog& dlg) { Click(dlg, "CancelBtn"); });
    Trigger(main, "SpeichernUnter1");
  }
  EXPECT_EQ("RATES.1", main.Document().FileName);
  EXPECT_EQ("Zwei Zonen Tarif", main.Document().Description);
  EXPECT_FALSE(dir.Exists("RATES.0"));
}

TEST_F(FileCommandsTest, SaveTellsTheCounterOnlyWhenItsKeyExists) {
  for (bool keyExists : {false, true}) {
    SCOPED_TRACE(keyExists);
    SetSettingsFileForTests(settingsDir.File(keyExists ? "with.ini" : "without.ini"));
    if (keyExists) WriteSetting("PROGRAM", "Other", "1");
    TMain main;
    Loaded(main);
    main.Document().Description = "Stadt";
    TScriptedMessageBoxes boxes;
    boxes.Expect("Möchten Sie wirklich die Änderungen in \"Stadt\" speichern?", idNo);
    Trigger(main, "Speichern1");  // the flag comes before any question
    EXPECT_EQ(keyExists ? "YES" : "<none>", ReadSetting("PROGRAM", "TariffUpdatesAvail"));
  }
}

}  // namespace
}  // namespace dudode
