// The open dialog and the name dialog, worked as a user would.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/OpenDlg.h"
#include "app/SaveDlg.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::Leave;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

std::string Tariff(const std::string& description, const std::string& date = "01/31/2024") {
  return "[COMMON]\r\nFILENAME=" + description + "\r\nFILEDATE=" + date + "\r\n";
}

class OpenDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    dir.Write("RATES.0", Tariff("Fernzone_Nord", "12/24/1999"));
    dir.Write("RATES.1", Tariff("Rates_Alt", ""));
    dir.Write("RATES.2", Tariff("Rat"));
    dir.Write("RATES.12", Tariff("rat-Tarif"));
  }

  // Shows the dialog and works it; returns the result and the chosen file.
  std::pair<int, std::string> Work(const std::function<void(QDialog&)>& step,
                                   const std::string& current = "") {
    TModalScript script;
    script.Then("dudode::TOpenDlg", step);
    TOpenDlg dlg(current);
    const int result = RunModal(dlg);
    return {result, dlg.SelectedFileName()};
  }

  test::TTempDir dir;
};

// Which line matches is the quick search's own matter; here keys, clicks and the buttons.
TEST_F(OpenDlgTest, SearchKeysAndClicksChooseTheLineAndEnterOpensIt) {
  auto [result, file] = Work(
      [](QDialog& dlg) {
        auto* list = Find<QListWidget>(dlg, "OpenListBox");
        auto* search = Find<QLineEdit>(dlg, "QuickSearchEdit");
        const auto shows = [&](int row, const char* info) {
          EXPECT_EQ(row, list->currentRow());
          EXPECT_EQ(QString::fromUtf8(info), Find<QLabel>(dlg, "InfoLabel")->text());
          EXPECT_EQ(row >= 0, Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
          EXPECT_EQ(row >= 0, Find<QPushButton>(dlg, "DeleteBtn")->isEnabled());
        };
        shows(0, "Aktualisiert: 24.12.1999");  // the current file
        EXPECT_EQ(list->item(0)->text(), search->text());
        QTest::keyClick(search, Qt::Key_Down);
        EXPECT_EQ(1, list->currentRow());
        EXPECT_EQ(list->item(1)->text(), search->text());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        EXPECT_EQ(QStringLiteral("Rat"), search->text());
        shows(3, "Aktualisiert: 31.01.2024");
        Type(search, "x");
        shows(-1, "");
        QTest::keyClick(search, Qt::Key_Return);  // nothing selected: nothing happens
        EXPECT_TRUE(dlg.isVisible());
        Type(search, "rat");
        EXPECT_EQ(QStringLiteral("rat"), search->text()) << "the typed text stays";
        QTest::keyClick(search, Qt::Key_Return);
      },
      "RATES.0");
  EXPECT_EQ(QDialog::Accepted, result);
  EXPECT_EQ("RATES.2", file);
}

TEST_F(OpenDlgTest, DeleteTakesTheFileAndItsCompanionAfterAYes) {
  for (int answer : {idNo, idYes}) {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Möchten Sie wirklich die Tarifdatei \"rat-Tarif\" löschen?", answer);
    Work([&](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "QuickSearchEdit"), "rat-");
      Click(dlg, "DeleteBtn");
      EXPECT_EQ(answer == idYes ? 3 : 4, Find<QListWidget>(dlg, "OpenListBox")->count());
      EXPECT_EQ(answer == idNo, Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
      Click(dlg, "CancelBtn");
    });
    EXPECT_EQ(answer == idNo, dir.Exists("RATES.12"));
    EXPECT_EQ(idNo, boxes.Boxes().at(0).DefaultResult);
  }
}

TEST(SaveDlgTest, LeavingTheNameFieldWarnsAboutAMissingName) {
  const std::pair<const char*, std::string> cases[] = {
      {"   ", ""},
      {" Unbekannte Datei - Keine Information ", "Unbekannte Datei - Keine Information"},
      {"  Stadt ", "Stadt"}};
  for (const auto& [typed, kept] : cases) {
    SCOPED_TRACE(typed);
    TScriptedMessageBoxes boxes;
    if (kept != "Stadt") {
      boxes.Expect(
          "Sie sollten einen Namen für die Tarifdatei angeben, ansonsten speichert der Editor nicht!");
    }
    TModalScript script;
    script.Then("dudode::TSaveDlg", [&, typed = typed, kept = kept](QDialog& dlg) {
      auto* edit = Find<QLineEdit>(dlg, "FileNameEdit");
      Type(edit, typed);
      Leave(edit);
      EXPECT_EQ(QString::fromStdString(kept), edit->text());
      Click(dlg, "SaveBtn");
    });
    TSaveDlg dlg(QStringLiteral("Speichern"), "alt");
    EXPECT_EQ(QDialog::Accepted, RunModal(dlg));
    EXPECT_EQ(kept, dlg.Name());
  }
}

}  // namespace
}  // namespace dudode
