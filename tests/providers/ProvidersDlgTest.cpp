#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>

#include "app/MainTestSupport.h"
#include "core/Files.h"
#include "core/Text.h"
#include "core/Values.h"
#include "providers/FreeHoursRangeDlg.h"
#include "providers/ProvidersDlg.h"
#include "support/CliRun.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"

namespace dudode::test {
namespace {

const char* const kEditor = "dudode::TProvidersDlg";
const char* const kProviderDlg = "dudode::TNewEditProviderDlg";
const char* const kEntryDlg = "dudode::TNewEditProvEntryDlg";

// Typed key by key; keys beyond ASCII (ü) as a German keyboard sends them.
void TypeIn(QDialog& dlg, const char* name, const QString& text) {
  auto* edit = Find<QLineEdit>(dlg, name);
  test::Type(edit, {});
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(edit, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
  }
}

// The entry or range dialog, typed and confirmed.
TModalScript::Step TypeWindow(QString from, QString to, QString price = {}) {
  return [=](QDialog& dlg) {
    TypeIn(dlg, "TimeFromEdit", from);
    TypeIn(dlg, "TimeToEdit", to);
    if (!price.isEmpty()) TypeIn(dlg, "PriceEdit", price);
    Click(dlg, "SaveBtn");
  };
}

using ProvidersDlgTest = test::MainTest;

// Each provider of a dump, as its text.
std::vector<std::string> ProviderBlocks(const std::string& dump) {
  std::vector<std::string> blocks;
  for (std::size_t at = dump.find("\n    {"); at != std::string::npos; at = dump.find("\n    {", at + 1)) {
    blocks.push_back(dump.substr(at, dump.find("\n    }", at) - at));
  }
  return blocks;
}

TEST_F(ProvidersDlgTest, NewProviderIsSavedBesideTheUntouchedOnes) {
  std::string sample;
  ASSERT_TRUE(ReadWholeFile(std::string(DUDODE_SAMPLE_DATA) + "Provider.ini", sample));
  dir.Write("Provider.ini", sample);
  TTempDir capture;
  const std::vector<std::string> dump = {"provider", "dump", dir.Dir(), "Provider.ini"};
  const std::string before = test::RunCli(DUDODE_TARIF_CLI, dump, capture).Out;
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Änderungen wirklich speichern?", idYes);
  TModalScript script;
  script
      .Then("dudode::TProviderFileSelectDlg",
            [](QDialog& dlg) {
              auto* list = Find<QListWidget>(dlg, "ProviderList");
              EXPECT_EQ(1, list->currentRow());
              QTest::keyClick(list, Qt::Key_Up);
              QTest::keyClick(list, Qt::Key_Return);
            })
      .Then(kEditor,
            [](QDialog& dlg) {
              EXPECT_EQ(3, Find<QComboBox>(dlg, "ProviderBox")->count());
              Click(dlg, "AddProvBtn");
              Click(dlg, "AddEntry1Btn");
              Click(dlg, "AddEntry1Btn");
              Click(dlg, "SaveBtn");
            })
      .Then(kProviderDlg,
            [](QDialog& dlg) {
              TypeIn(dlg, "ProvNameEdit", "Surf Süd");
              TypeIn(dlg, "FreeHoursEdit", "10:00:00");
              TypeIn(dlg, "BaseAmountEdit", "9,9");
              Click(dlg, "RangesBtn");
              Click(dlg, "SaveBtn");
            })
      .Then("dudode::TFreeHoursRangeDlg",
            [](QDialog& dlg) {
              Click(dlg, "AllDayBox");
              Click(dlg, "AddBtn");
              Click(dlg, "OKBtn");
            })
      .Then("dudode::TFreeHoursRangeEditDlg", TypeWindow("2200", "0559"))
      .Then(kEntryDlg, TypeWindow("1800", "0759", "0,019"))
      .Then(kEntryDlg, TypeWindow("0800", "1759", "0,029"));
  TMain main;
  Trigger(main, "Provider1");

  const std::string after = test::RunCli(DUDODE_TARIF_CLI, dump, capture).Out;
  // Every provider read comes back as it was; the new one is there beside them.
  const std::vector<std::string> kept = ProviderBlocks(before);
  const std::vector<std::string> saved = ProviderBlocks(after);
  ASSERT_EQ(3u, kept.size());
  ASSERT_EQ(4u, saved.size());
  for (const std::string& provider : kept)
    EXPECT_NE(saved.end(), std::find(saved.begin(), saved.end(), provider));
  const std::string added = saved[2];
  for (const char* shown : {R"("Key": "SURF0001")", R"("Name": "Surf Süd")", R"("FreeHours": 36000)",
                            R"("BaseAmount": 990)", R"("StartSec": 79200)", R"("EndSec": 21540)"}) {
    EXPECT_NE(std::string::npos, added.find(shown)) << shown;
  }
  EXPECT_LT(added.find(R"("StartSec": 28800)"), added.find(R"("StartSec": 64800)"));
}

TEST_F(ProvidersDlgTest, KeysWorkTheGridsButNotTheSelector) {
  std::string file = "[PROVIDER]\r\nP0=Netzwerk_Süd,NETZ0001\r\nP1=Zweiter,ZWEI0001\r\n[NETZ0001WERKTAG]\r\n";
  for (int hour = 0; hour < 20; ++hour) {
    file += "NETZ0001" + std::to_string(hour) + "=" + TwoDigitText(hour) + ":00-" + TwoDigitText(hour) +
            ":30/60/0.01\r\n";
  }
  dir.Write("UserProv.ini", Utf8ToCp1252(file));
  TProvidersDlg editor("UserProv.ini", 100);
  TScriptedMessageBoxes boxes;
  boxes.Expect(ProviderEntryLimitMessage())
      .Expect("Möchten Sie diesen Eintrag wirklich löschen?", idYes)
      .Expect("Es existiert bereits ein Provider mit diesem Namen!")
      .Expect("Angaben wurden geändert. Speichern?", idNo);
  TModalScript script;
  script
      .Then(kEditor,
            [](QDialog& dlg) {
              auto* selector = Find<QComboBox>(dlg, "ProviderBox");
              QTest::keyClick(selector, Qt::Key_Down);
              EXPECT_EQ("Netzwerk Süd", selector->currentText().toStdString());
              auto* grid = Find<QTableWidget>(dlg, "ProvGrid1");
              QTest::keyClick(grid, Qt::Key_Insert);  // the 21st: refused
              QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                grid->visualItemRect(grid->item(4, 0)).center());
              QTest::keyClick(grid, Qt::Key_Delete);
              EXPECT_EQ("05:00:00 Uhr", grid->item(4, 0)->text().toStdString());
              QTest::keyClick(grid, Qt::Key_Insert);  // room again
              EXPECT_EQ("22:00:00 Uhr", grid->item(19, 0)->text().toStdString());
              EXPECT_EQ("05:59:59 Uhr", grid->item(19, 1)->text().toStdString());
              Click(dlg, "AddProvBtn");
              Click(dlg, "CancelBtn");
            })
      .Then(kEntryDlg, TypeWindow("2200", "0559"))
      .Then(kProviderDlg, [](QDialog& dlg) {
        TypeIn(dlg, "ProvNameEdit", "netzwerk; süd");
        EXPECT_EQ("netzwerk süd", Find<QLineEdit>(dlg, "ProvNameEdit")->text().toStdString());
        Click(dlg, "SaveBtn");
        EXPECT_TRUE(dlg.isVisible());  // still open with the name typed
      });
  EXPECT_EQ(QDialog::Rejected, RunModal(editor));
}

TEST_F(ProvidersDlgTest, FailedWriteKeepsTheEditorOpenAndModified) {
  TProvidersDlg editor("UserProv.ini", 100);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Änderungen wirklich speichern?", idYes).AcceptAll();
  TModalScript script;
  script
      .Then(kEditor,
            [&](QDialog& dlg) {
              Click(dlg, "AddProvBtn");
              InjectWriteFailureAfter(0);
              Click(dlg, "SaveBtn");
              InjectWriteFailureAfter(-1);
              EXPECT_TRUE(dlg.isVisible());
              EXPECT_TRUE(dlg.isEnabled());
              EXPECT_TRUE(editor.Modified());
              boxes.Expect("Angaben wurden geändert. Speichern?", idNo);
              Click(dlg, "CancelBtn");
              EXPECT_FALSE(dlg.isVisible());
            })
      .Then(kProviderDlg, [](QDialog& dlg) {
        TypeIn(dlg, "ProvNameEdit", "Neu");
        Click(dlg, "SaveBtn");
      });
  RunModal(editor);
  EXPECT_FALSE(dir.Exists("UserProv.ini"));
}

TEST_F(ProvidersDlgTest, TickingRoundTheClockDropsEveryRange) {
  TFreeHoursRangeDlg dlg({{4, 18 * 3600, 7 * 3600, 60}, {8, 6 * 3600, 7 * 3600, 60}});
  auto* box = Find<QCheckBox>(dlg, "AllDayBox");
  auto* list = Find<QTreeWidget>(dlg, "RangeList");
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ("06:00:00 - 07:00:59 Uhr", list->topLevelItem(0)->text(0).toStdString());
  EXPECT_FALSE(Find<QWidget>(dlg, "EditBtn")->isEnabled());
  list->setCurrentItem(list->topLevelItem(1));
  EXPECT_TRUE(Find<QWidget>(dlg, "EditBtn")->isEnabled());
  Click(dlg, "DeleteBtn");
  EXPECT_EQ(1, list->topLevelItemCount());
  box->click();
  EXPECT_FALSE(list->isEnabled());
  EXPECT_TRUE(dlg.Ranges().empty());
}

}  // namespace
}  // namespace dudode::test
