#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <tuple>

#include "app/MainTestSupport.h"
#include "core/Files.h"
#include "core/Text.h"
#include "providers/FreeHoursRangeDlg.h"
#include "providers/ProviderFile.h"
#include "providers/ProvidersDlg.h"
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

TEST_F(ProvidersDlgTest, NewProviderIsSavedBesideTheUntouchedOnes) {
  std::string sample;
  ASSERT_TRUE(ReadWholeFile(std::string(DUDODE_SAMPLE_DATA) + "Provider.ini", sample));
  dir.Write("Provider.ini", sample);
  const TProviderList before = LoadProviderFile("Provider.ini");
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

  // Every provider read is written as it was; the new one is there beside them.
  const auto written = [&](TProviderList providers) {
    EXPECT_TRUE(SaveProviderFile("Vergleich.ini", providers));
    return dir.Read("Vergleich.ini");
  };
  TProviderList after = LoadProviderFile("Provider.ini");
  ASSERT_EQ(4u, after.size());
  const TProvider added = after[2];
  after.erase(after.begin() + 2);
  EXPECT_EQ(written(before), written(after));
  const TProviderOptions& o = added.Options;
  EXPECT_EQ(std::make_tuple("SURF0001", "Surf Süd", 36000, 990, 79200, 21540, 28800, 64800),
            std::make_tuple(added.Key, added.Name, o.FreeHours, o.BaseAmount,
                            o.FreeHoursRanges.at(0).StartSec, o.FreeHoursRanges[0].EndSec,
                            added.WerktagEntries.at(0).StartSec, added.WerktagEntries.at(1).StartSec));
}

TEST_F(ProvidersDlgTest, KeysWorkTheGridsAndTheNameFilterAndAFailedWriteKeepsTheEditor) {
  const std::string old = Utf8ToCp1252(
      "[PROVIDER]\r\nP0=Netzwerk_Süd,NETZ0001\r\nP1=Zweiter,ZWEI0001\r\n"
      "[NETZ0001WERKTAG]\r\nNETZ00010=00:00-00:30/60/0.01\r\n"
      "NETZ00011=01:00-01:30/60/0.01\r\n");
  dir.Write("UserProv.ini", old);
  TProvidersDlg editor("UserProv.ini", LoadProviderFile("UserProv.ini"), 100);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie diesen Eintrag wirklich löschen?", idYes)
      .Expect("Es existiert bereits ein Provider mit diesem Namen!")
      .Expect("Möchten Sie die Änderungen wirklich speichern?", idYes)
      .AcceptAll();  // then the failure's message
  TModalScript script;
  script
      .Then(kEditor,
            [&boxes](QDialog& dlg) {
              auto* selector = Find<QComboBox>(dlg, "ProviderBox");
              QTest::keyClick(selector, Qt::Key_Down);  // the arrow keys choose, typing does not
              QTest::keyClicks(selector, "N");
              EXPECT_EQ("Zweiter", selector->currentText().toStdString());
              QTest::keyClick(selector, Qt::Key_Up);
              EXPECT_EQ("Netzwerk Süd", selector->currentText().toStdString());
              auto* grid = Find<QTableWidget>(dlg, "ProvGrid1");
              QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                grid->visualItemRect(grid->item(0, 0)).center());
              QTest::keyClick(grid, Qt::Key_Delete);
              QTest::keyClick(grid, Qt::Key_Insert);
              EXPECT_EQ("01:00:00 Uhr22:00:00 Uhr05:59:59 Uhr",
                        (grid->item(0, 0)->text() + grid->item(1, 0)->text() + grid->item(1, 1)->text())
                            .toStdString());
              Click(dlg, "AddProvBtn");
              InjectWriteFailureAfter(0);
              Click(dlg, "SaveBtn");
              InjectWriteFailureAfter(-1);
              EXPECT_TRUE(dlg.isVisible() && dlg.isEnabled());
              // Declining the write keeps the editor and its changes.
              boxes.Expect("Angaben wurden geändert. Speichern?", idYes)
                  .Expect("Möchten Sie die Änderungen wirklich speichern?", idNo);
              QTest::keyClick(&dlg, Qt::Key_Escape);
              EXPECT_TRUE(dlg.isVisible());
              boxes.Expect("Angaben wurden geändert. Speichern?", idNo);
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
  EXPECT_EQ(old, dir.Read("UserProv.ini"));
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
