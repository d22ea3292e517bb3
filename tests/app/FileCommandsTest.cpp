// The file commands of the main window and the questions around them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <tuple>

#include "MainTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

const char* const kUnknown = "Unbekannte Datei - Keine Information";
const char* const kReplace = "Es wurden nicht alle Angaben gespeichert. Möchten Sie nun speichern?";

std::string SaveQuestion(const std::string& description) {
  return "Möchten Sie wirklich die Änderungen in \"" + description + "\" speichern?";
}

class FileCommandsTest : public test::MainTest {};

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
      .Expect(SaveQuestion("Zwei Zonen Tarif"), idYes)
      .AcceptAll();  // the writer's message about the full disk
  InjectWriteFailureAfter(100);
  EXPECT_FALSE(main.close());
  EXPECT_TRUE(main.isVisible() && main.Document().Modified && !main.Busy());
  EXPECT_EQ(original, dir.Read("RATES.1"));
  EXPECT_EQ(3u, boxes.Boxes().size());
}

TEST_F(FileCommandsTest, OpenShowsTheChosenFileAndCancelKeepsIt) {
  TMain main;
  main.Document().Modified = true;
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect(kReplace, idCancel).Expect(kReplace, idNo);
    {
      TModalScript noDialogs;
      Trigger(main, "Oeffnen1");  // cancelled: all stays as it was
    }
    EXPECT_TRUE(main.Document().Modified);
    OpenTwoZoneFile(main);
  }
  EXPECT_EQ(
      std::tuple(std::string("RATES.1"), false, QStringLiteral("Dudode - Editor 3.10 [Zwei Zonen Tarif]"), 2,
                 0, QStringLiteral("Neben Zeit")),
      std::tuple(main.Document().FileName, main.Document().Modified, main.windowTitle(),
                 main.findChild<QComboBox*>("TarifComboBox")->count(), main.CurrentZone(),
                 Cell(main, TDayClass::Werktag, 0, 4)));

  main.Document().CityWeekend = false;
  TModalScript script;
  script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
    EXPECT_EQ(0, Find<QListWidget>(dlg, "OpenListBox")->currentRow()) << "the open document's file";
    Click(dlg, "CancelBtn");
  });
  Trigger(main, "Oeffnen1");
  EXPECT_EQ(std::tuple(std::string("RATES.1"), false, false, std::size_t{2}),
            std::tuple(main.Document().FileName, main.Document().CityWeekend, main.Document().Modified,
                       main.Document().Zones.size()));
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

TEST_F(FileCommandsTest, NewAsksThenSetsUpAnEmptyFile) {
  TMain main;
  OpenTwoZoneFile(main);
  main.Document().Modified = true;
  TScriptedMessageBoxes boxes;
  boxes.Expect(kReplace, idCancel).Expect(kReplace, idNo);
  TModalScript script;
  script.Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "FileNameEdit"), "Neuer Tarif");
    Click(dlg, "ApplyBtn");
  });
  Trigger(main, "Neu1");  // cancelled: all stays as it was
  EXPECT_EQ(std::tuple(std::string("RATES.1"), true),
            std::tuple(main.Document().FileName, main.Document().Modified));
  Trigger(main, "Neu1");
  // Modified: the confirmed options.
  EXPECT_EQ(std::tuple(std::string("RATES.0"), true, true, -1,
                       QStringLiteral("Dudode - Editor 3.10 [Neuer Tarif]")),
            std::tuple(main.Document().FileName, main.Document().Zones.empty(), main.Document().Modified,
                       main.CurrentZone(), main.windowTitle()));
}

// Every save, asked or not, tells the counter of new tariffs where it has a key for that.
TEST_F(FileCommandsTest, SaveNeedsAUsableNameAndConfirmation) {
  struct Case {
    const char* description;
    const char* typed;  // nullptr: no name asked
    bool cancel;        // the name dialog's Cancel
    int confirm;        // the answer to the save question; 0: not asked
  } cases[] = {{"Stadt", nullptr, false, idNo},
               {kUnknown, kUnknown, false, 0},
               {kUnknown, "   ", false, 0},
               {kUnknown, "Ortstarif", true, 0},
               {kUnknown, "  Ortstarif ", false, idYes}};
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : c.description);
    const bool saved = c.confirm == idYes;
    const bool counterKey = c.cancel || !c.typed;
    SetSettingsFileForTests(settingsDir.File(std::to_string(++row) + ".ini"));
    if (counterKey) WriteSetting("PROGRAM", "Other", "1");
    TMain main;
    Loaded(main);
    main.Document().FileName = "RATES.2";
    main.Document().Description = c.description;
    main.Document().Modified = true;
    TScriptedMessageBoxes boxes;
    if (c.confirm) boxes.Expect(SaveQuestion(c.typed ? "Ortstarif" : c.description), c.confirm);
    if (c.typed && !c.confirm) boxes.AcceptAll();  // the name field's warning
    TModalScript script;
    if (c.typed) {
      script.Then("dudode::TSaveDlg", [&](QDialog& dlg) {
        EXPECT_EQ(QString::fromLatin1(kUnknown), Find<QLineEdit>(dlg, "FileNameEdit")->text());
        Type(Find<QLineEdit>(dlg, "FileNameEdit"), c.typed);
        Click(dlg, c.cancel ? "CancelBtn" : "SaveBtn");
      });
    }
    Trigger(main, "Speichern1");
    EXPECT_TRUE(!c.confirm || boxes.Boxes().back().Kind == mkBestaetigung);
    EXPECT_EQ(std::tuple(!saved, std::string(saved ? "Ortstarif" : c.description), saved, saved, saved),
              std::tuple(main.Document().Modified, main.Document().Description, dir.Exists("RATES.2"),
                         dir.Read("RATES.2").find("FILENAME=Ortstarif\r\n") != std::string::npos,
                         main.windowTitle() == QStringLiteral("Dudode - Editor 3.10 [Ortstarif]")));
    EXPECT_EQ(counterKey ? "YES" : "<none>", ReadSetting("PROGRAM", "TariffUpdatesAvail"));
  }
}

// Rows: the date moves on; the check mark keeps it; a file changed on disk is kept at the default No.
TEST_F(FileCommandsTest, SaveKeepsTheDateOnRequestAndAsksBeforeOverwritingAChangedFile) {
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    TMain main;
    OpenTwoZoneFile(main);
    if (row == 1) Trigger(main, "KeepFileDate1");
    EXPECT_EQ(row == 1, main.KeepFileDate());
    const std::string before = dir.Read("RATES.1") + (row == 2 ? "; written by another program\r\n" : "");
    if (row == 2) dir.Write("RATES.1", before);
    TScriptedMessageBoxes boxes;
    boxes.Expect(SaveQuestion("Zwei Zonen Tarif"), idYes);
    if (row == 2) boxes.Expect(FileChangedQuestion(dir.File("RATES.1")), idNo);
    Trigger(main, "Speichern1");
    const std::string after = dir.Read("RATES.1");
    EXPECT_EQ(row == 2, after == before);
    EXPECT_EQ(row == 0, after.find("FILEDATE=03/15/2024\r\n") != std::string::npos);
    EXPECT_TRUE(row != 2 || boxes.Boxes().at(1).DefaultResult == idNo);
  }
}

TEST_F(FileCommandsTest, SaveAsWritesANewFileOnlyUnderANewName) {
  const std::string loaded = "Zwei Zonen Tarif";
  struct Case {
    int copy;           // the answer to the copy question
    const char* typed;  // nullptr: the name dialog is cancelled
    std::string file;   // the file written; empty: none
  } cases[] = {{idNo, nullptr, ""},
               {idYes, nullptr, ""},
               {idYes, "   ", ""},
               {idYes, "Zwei Zonen Tarif", "RATES.1"},
               {idYes, "Kopie", "RATES.0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : "no name");
    TMain main;
    OpenTwoZoneFile(main);
    const std::string original = dir.Read("RATES.1");
    TScriptedMessageBoxes boxes;
    boxes.Expect("Damit erstellen Sie eine Kopie einer vorhandenen Datei.\rMöchten Sie dies wirklich?",
                 c.copy, "Speichern unter");
    if (c.file == "RATES.1") boxes.Expect("Die Speicherung erfolgt in die bestehende Datei!");
    if (!c.file.empty()) boxes.Expect(SaveQuestion(c.typed), idYes);
    if (c.typed && c.file.empty()) boxes.AcceptAll();  // the name field's warning
    TModalScript script;
    if (c.copy == idYes) {
      script.Then("dudode::TSaveDlg", [&](QDialog& dlg) {
        EXPECT_EQ(QString::fromStdString(loaded), Find<QLineEdit>(dlg, "FileNameEdit")->text());
        if (c.typed) Type(Find<QLineEdit>(dlg, "FileNameEdit"), c.typed);
        Click(dlg, c.typed ? "SaveBtn" : "CancelBtn");
      });
    }
    Trigger(main, "SpeichernUnter1");
    const std::string description = c.file.empty() ? loaded : c.typed;
    EXPECT_EQ(std::tuple(mkFehler, mbYesNo, std::string(c.file == "RATES.0" ? "RATES.0" : "RATES.1"),
                         description, QString::fromStdString("Dudode - Editor 3.10 [" + description + "]")),
              std::tuple(boxes.Boxes().at(0).Kind, boxes.Boxes().at(0).Buttons, main.Document().FileName,
                         main.Document().Description, main.windowTitle()));
    EXPECT_EQ(c.file == "RATES.1", dir.Read("RATES.1").find("FILEDATE=03/15/2024\r\n") != std::string::npos);
    EXPECT_EQ(c.file != "RATES.1", dir.Read("RATES.1") == original);
    const std::string copy = dir.Read("RATES.0");
    EXPECT_EQ(c.file == "RATES.0", copy.find("FILENAME=Kopie\r\n") != std::string::npos &&
                                       copy.find("R1=Fern_Zone,FERN0001\r\n") != std::string::npos);
  }
}

}  // namespace
}  // namespace dudode
