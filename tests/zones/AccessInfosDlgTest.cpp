#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "support/ModalScript.h"
#include "zones/AccessInfosDlg.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::Type;

const char* const kAccessDlg = "dudode::TAccessInfosDlg";
const char* const kEditDlg = "dudode::TAccessInfoEditDlg";
const std::string kSep = kAccessSeparator;

std::vector<std::vector<std::string>> Lines(QDialog& dlg) {
  std::vector<std::vector<std::string>> lines;
  auto* lv = Find<QTreeWidget>(dlg, "LV");
  for (int i = 0; i < lv->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = lv->topLevelItem(i);
    lines.push_back({item->text(0).toStdString(), item->text(1).toStdString(), item->text(2).toStdString()});
  }
  return lines;
}

TEST(AccessInfosDlgTest, ShortNameListLeavesEmptyPlacesThatConfirmingKeeps) {
  TAccessInfos access;
  access.PhoneNr = "0191011#0191012#0191013";
  access.UserName = "gast";
  access.Registration = false;
  TModalScript script;
  script.Then(kAccessDlg, [](QDialog& dlg) {
    EXPECT_EQ((std::vector<std::vector<std::string>>{
                  {"0191011", "gast", ""}, {"0191012", "", ""}, {"0191013", "", ""}}),
              Lines(dlg));
    EXPECT_FALSE(Find<QCheckBox>(dlg, "RegistrationChkBox")->isChecked());
    EXPECT_FALSE(Find<QWidget>(dlg, "EditEntryBtn")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dlg, "DeleteEntryBtn")->isEnabled());
    Click(dlg, "ApplyBtn");
  });
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("0191011#0191012#0191013", access.PhoneNr);
  EXPECT_FALSE(access.Registration);
}

TEST(AccessInfosDlgTest, AddedLineWithoutNumberKeepsItsPlace) {
  TAccessInfos access;
  access.PhoneNr = "0191011";
  access.UserName = "a";
  access.Password = "x";
  TModalScript script;
  script.Then(kAccessDlg, [](QDialog& dlg) {
    auto* lv = Find<QTreeWidget>(dlg, "LV");
    Click(dlg, "AddEntryBtn");
    // The new line goes to the end; moving it first leaves the number empty in front.
    lv->insertTopLevelItem(0, lv->takeTopLevelItem(1));
    Click(dlg, "ApplyBtn");
  });
  script.Then(kEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("", Find<QLineEdit>(dlg, "PhoneNrEdit")->text().toStdString());
    Type(Find<QLineEdit>(dlg, "UserNameEdit"), "b");
    Type(Find<QLineEdit>(dlg, "PasswordEdit"), "y");
    Click(dlg, "OKBtn");
  });
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("#0191011", access.PhoneNr);
  EXPECT_EQ("b" + kSep + "a", access.UserName);
  EXPECT_EQ("y" + kSep + "x", access.Password);
}

TEST(AccessInfosDlgTest, EmptyListGivesEmptyTextsAndCancelGivesNothing) {
  TAccessInfos access;
  access.PhoneNr = "1#2";
  access.UserName = "u";
  TModalScript script;
  script.Then(kAccessDlg, [](QDialog& dlg) { Click(dlg, "CancelBtn"); });
  script.Then(kAccessDlg, [](QDialog& dlg) {
    auto* lv = Find<QTreeWidget>(dlg, "LV");
    while (lv->topLevelItemCount() > 0) {
      lv->setCurrentItem(lv->topLevelItem(0));
      Click(dlg, "DeleteEntryBtn");
    }
    Click(dlg, "ApplyBtn");
  });
  EXPECT_FALSE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("1#2", access.PhoneNr);
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("", access.PhoneNr);
  EXPECT_EQ("", access.UserName);
  EXPECT_EQ("", access.Password);
}

TEST(AccessInfosDlgTest, ShowingAgainAddsNoLines) {
  TAccessInfos access;
  access.PhoneNr = "1#2";
  TAccessInfosDlg dlg(access);
  dlg.show();
  dlg.hide();
  dlg.show();
  EXPECT_EQ(2, Find<QTreeWidget>(dlg, "LV")->topLevelItemCount());
  EXPECT_EQ("1#2", dlg.Access().PhoneNr);
}

}  // namespace
}  // namespace dudode
