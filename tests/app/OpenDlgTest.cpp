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
    dir.Write("Phone.12", "x");
    dir.Write("Phone.2", "x");
    dir.Write("Rates.leer", "");
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

TEST_F(OpenDlgTest, QuickSearchSelectsTheMatchingLine) {
  struct Case {
    const char* typed;
    int row;
    const char* info;
  } cases[] = {
      {"RAT", 3, "Aktualisiert: 31.01.2024"},  // the exact line wins over an earlier beginning
      {"ra", 1, ""},                           // else the first beginning, any case; no date, no label
      {"x", -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Work([&](QDialog& dlg) {
      auto* search = Find<QLineEdit>(dlg, "QuickSearchEdit");
      Type(search, c.typed);
      EXPECT_EQ(c.row, Find<QListWidget>(dlg, "OpenListBox")->currentRow());
      EXPECT_EQ(QString::fromUtf8(c.info), Find<QLabel>(dlg, "InfoLabel")->text());
      EXPECT_EQ(c.row >= 0, Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
      EXPECT_EQ(c.row >= 0, Find<QPushButton>(dlg, "DeleteBtn")->isEnabled());
      EXPECT_EQ(QString::fromUtf8(c.typed), search->text()) << "the typed text stays";
      search->clear();
      EXPECT_FALSE(Find<QPushButton>(dlg, "OpenBtn")->isEnabled()) << "an empty search selects nothing";
    });
  }
}

TEST_F(OpenDlgTest, EnterInTheSearchFieldOpensTheSelectedFile) {
  auto [result, file] = Work([](QDialog& dlg) {
    auto* search = Find<QLineEdit>(dlg, "QuickSearchEdit");
    QTest::keyClick(search, Qt::Key_Return);  // nothing selected: nothing happens
    EXPECT_TRUE(dlg.isVisible());
    Type(search, "rat");
    QTest::keyClick(search, Qt::Key_Return);
  });
  EXPECT_EQ(QDialog::Accepted, result);
  EXPECT_EQ("RATES.2", file);
}

TEST_F(OpenDlgTest, ClickingALineTakesItsTextIntoTheSearchField) {
  auto [result, file] = Work([](QDialog& dlg) {
    auto* list = Find<QListWidget>(dlg, "OpenListBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(QStringLiteral("Rates Alt"), Find<QLineEdit>(dlg, "QuickSearchEdit")->text());
    EXPECT_EQ(1, list->currentRow());
    Click(dlg, "OpenBtn");
  });
  EXPECT_EQ(QDialog::Accepted, result);
  EXPECT_EQ("RATES.1", file);
}

TEST_F(OpenDlgTest, TheCurrentFileIsSelectedWithItsDate) {
  Work(
      [](QDialog& dlg) {
        auto* list = Find<QListWidget>(dlg, "OpenListBox");
        auto* search = Find<QLineEdit>(dlg, "QuickSearchEdit");
        EXPECT_EQ(0, list->currentRow());
        EXPECT_EQ(list->item(0)->text(), search->text());
        EXPECT_EQ(QStringLiteral("Aktualisiert: 24.12.1999"), Find<QLabel>(dlg, "InfoLabel")->text());
        EXPECT_TRUE(Find<QPushButton>(dlg, "OpenBtn")->isEnabled());
        QTest::keyClick(search, Qt::Key_Down);  // the arrow keys of the search field move the list
        EXPECT_EQ(1, list->currentRow());
        EXPECT_EQ(list->item(1)->text(), search->text());
      },
      "RATES.0");
}

TEST(SaveDlgTest, LeavingTheNameFieldWarnsAboutAMissingName) {
  struct Case {
    const char* typed;
    bool warned;
    const char* kept;
  } cases[] = {
      {"   ", true, ""},
      {" Unbekannte Datei - Keine Information ", true, "Unbekannte Datei - Keine Information"},
      {"  Stadt ", false, "Stadt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TScriptedMessageBoxes boxes;
    if (c.warned) {
      boxes.Expect(
          "Sie sollten einen Namen für die Tarifdatei angeben, ansonsten speichert der Editor nicht!");
    }
    TModalScript script;
    script.Then("dudode::TSaveDlg", [&](QDialog& dlg) {
      auto* edit = Find<QLineEdit>(dlg, "FileNameEdit");
      Type(edit, c.typed);
      Leave(edit);
      EXPECT_EQ(QString::fromUtf8(c.kept), edit->text());
      Click(dlg, "SaveBtn");
    });
    TSaveDlg dlg(QStringLiteral("Speichern"), "alt");
    EXPECT_EQ(QDialog::Accepted, RunModal(dlg));
    EXPECT_EQ(c.kept, dlg.Name());
  }
}

}  // namespace
}  // namespace dudode
