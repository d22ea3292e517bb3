#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "support/ModalScript.h"
#include "zones/AccessInfosDlg.h"
#include "zones/NoCostEditDlg.h"
#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::FilledZone;
using test::Find;
using test::Text;
using test::ThreeZones;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

const char* const kZoneDlg = "dudode::TNewEditTarifDlg";
const char* const kNoCostsDlg = "dudode::TNoCostsDlg";
const char* const kNoCostEditDlg = "dudode::TNoCostEditDlg";

using ZoneDlgTest = test::TMainWindowTest;

// Types each text into the focused control and presses Enter after it.
void TypeWithEnter(std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
}

std::string Focused() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "";
}

TEST(NoCostKeyboardTest, WindowDialogIsCompletedByKeyboardAlone) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Die Angabe im Feld \"kostenlose Zeit\" ist ungültig. Der Wert muß größer 0 betragen.");
  TModalScript script;
  script.Then(kNoCostEditDlg, [](QDialog&) {
    TypeWithEnter({"1800", "0759", "0"});
    EXPECT_EQ("TimeEdit", Focused()) << "the refused value keeps the focus";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeWithEnter({"30"});
    EXPECT_EQ("ApplyBtn", Focused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  script.Then(kNoCostEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Eintrag ändern", dlg.windowTitle().toStdString());
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ("ApplyBtn", Focused()) << "a window being changed can be confirmed at once";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  TFreeTimeEntry window;
  ASSERT_TRUE(EditNoCostWindow(window, true, true, nullptr));
  EXPECT_EQ(std::tuple(18u * 3600, 8u * 3600 - 1, 30.0),
            std::tuple(window.StartSec, window.EndSec, window.FreeSeconds));
  EXPECT_TRUE(EditNoCostWindow(window, false, true, nullptr));
}

TEST_F(ZoneDlgTest, NameChecksKeepTheDialogOpen) {
  Show(TTarifFile{});
  TScriptedMessageBoxes boxes;
  boxes.Expect("Sie müssen einen korrekten Tarifzonennamen eingeben!");
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "TarifName");
    Type(name, "   ");
    Click(dlg, "ApplyBtn");
    EXPECT_TRUE(dlg.isVisible());
    Type(name, "A;B,C");  // typed: the separators are dropped
    EXPECT_EQ("ABC", name->text().toStdString());
    Click(dlg, "CancelBtn");
  });
  Trigger("NeueTarifzone1");
  EXPECT_TRUE(Doc().Zones.empty());
}

TEST_F(ZoneDlgTest, DeletingTheOnlyZoneEmptiesBoxMenuAndGrids) {
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 2, 2)};
  Show(doc);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Tarifzone \"City\" wirklich löschen?", idYes);
  Trigger("DeleteZoneToolBtn");
  EXPECT_EQ(std::tuple(true, 0, -1, 1, "", ""),
            std::tuple(Doc().Zones.empty(), ZoneBox()->count(), main->CurrentZone(),
                       Grid(TDayClass::Werktag)->rowCount(), Cell(TDayClass::Werktag, 0, 0),
                       Cell(TDayClass::SaSo, 0, 0)));
}

// Changes in the no-cost dialog count only when the zone dialog is confirmed.
TEST_F(ZoneDlgTest, NoCostWindowsChangeWithTheZoneDialog) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City", "CITY0001", 0, 0);
  zone.WFreeTimes = {{0, 3599, 10}, {7200, 10799, 20}};
  zone.FFreeTimes = {{3600, 7199, 10}};
  doc.Zones = {zone};
  Show(doc);
  TModalScript script;
  const auto zoneStep = [](const char* button) {
    return [button](QDialog& dlg) {
      Click(dlg, "NoCostsBtn");
      Click(dlg, button);
    };
  };
  script.Then(kZoneDlg, zoneStep("CancelBtn"));
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "WList");
    EXPECT_FALSE(Find<QWidget>(dlg, "WEditBtn")->isEnabled());
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_TRUE(Find<QWidget>(dlg, "WDeleteBtn")->isEnabled());
    Click(dlg, "WDeleteBtn");
    EXPECT_EQ(1, list->topLevelItemCount());
    Click(dlg, "ApplyBtn");
  });
  script.Then(kZoneDlg, zoneStep("ApplyBtn"));
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "FList");
    list->setCurrentItem(list->topLevelItem(0));
    Click(dlg, "FEditBtn");
    EXPECT_EQ("12,5000 Sekunde(n)", list->topLevelItem(0)->text(2).toStdString());
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Eintrag ändern", dlg.windowTitle().toStdString());
    EXPECT_EQ(std::tuple("01:00", "01:59"), std::tuple(Text(dlg, "TimeFrom"), Text(dlg, "TimeTo")));
    Type(Find<QLineEdit>(dlg, "TimeEdit"), "12,5");
    test::Leave(Find<QWidget>(dlg, "TimeEdit"));
    Click(dlg, "ApplyBtn");
  });
  Trigger("EditZoneToolBtn");
  EXPECT_EQ(2u, Doc().Zones[0].WFreeTimes.size());
  EXPECT_FALSE(Doc().Modified);
  Trigger("EditZoneToolBtn");
  ASSERT_EQ(1u, Doc().Zones[0].FFreeTimes.size());
  const TFreeTimeEntry& f = Doc().Zones[0].FFreeTimes[0];
  EXPECT_EQ(std::tuple(12.5, 7199u, true), std::tuple(f.FreeSeconds, f.EndSec, Doc().Modified));
}

const char* const kSortDlg = "dudode::TTarifSortDlg";

std::vector<std::string> Items(QDialog& dlg, const char* name) {
  std::vector<std::string> texts;
  auto* list = Find<QListWidget>(dlg, name);
  for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
  return texts;
}

void Mark(QDialog& dlg, const char* name, std::initializer_list<int> rows) {
  auto* list = Find<QListWidget>(dlg, name);
  list->clearSelection();
  for (int row : rows) list->item(row)->setSelected(true);
}

using ListCommandsTest = test::TMainWindowTest;

TEST_F(ListCommandsTest, ReorderingPutsTheMarkedZonesInReverseAndDropsTheRestWhenAsked) {
  Show(ThreeZones());
  main->SelectZone(2);
  TScriptedMessageBoxes boxes;
  for (int answer : {idNo, idYes})
    boxes.Expect("Sie haben nicht alle Tarifzonen neu eingeordnet! Sollen diese gelöscht werden?", answer,
                 "Warnung");
  TModalScript script;
  script.Then(kSortDlg, [](QDialog& dlg) {
    EXPECT_EQ((std::vector<std::string>{"Nah", "Fern", "Mobil"}), Items(dlg, "SrcList"));
    EXPECT_EQ("100", test::Enabled(dlg, {"IncludeBtn", "ExcludeBtn", "ExcAllBtn"}));
    Mark(dlg, "SrcList", {0, 2});
    Click(dlg, "IncludeBtn");
    EXPECT_EQ((std::vector<std::string>{"Mobil", "Nah"}), Items(dlg, "DstList"));
    EXPECT_EQ("1", test::Enabled(dlg, {"ExcludeBtn"}));
    Click(dlg, "ApplyBtn");  // Nein: stays open
    EXPECT_TRUE(dlg.isVisible());
    Click(dlg, "ApplyBtn");
  });
  Trigger("TarifzonenAnordnen1");
  ASSERT_EQ(2u, Doc().Zones.size());
  EXPECT_EQ(std::tuple("MOBI0001", "NAH0001", true),
            std::tuple(Doc().Zones[0].Key, Doc().Zones[1].Key, Doc().Modified));
  EXPECT_EQ(std::tuple(0, "Mobil", 2, 3),
            std::tuple(main->CurrentZone(), ZoneBox()->currentText().toStdString(), ZoneBox()->count(),
                       Grid(TDayClass::Werktag)->rowCount()));
}

TEST_F(ListCommandsTest, CopyOneTakesTheSelectedRow) {
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 3, 0)};
  Show(doc);
  Grid(TDayClass::Werktag)->setCurrentCell(2, 0);
  Press("OneDownBtn");
  ASSERT_EQ(1u, Doc().Zones[0].SaSo.size());
  EXPECT_EQ(std::tuple("W2", "Sa So ", true),
            std::tuple(Cell(TDayClass::SaSo, 0, 4), Cell(TDayClass::SaSo, 0, 7), Doc().Modified));
}

TEST_F(ListCommandsTest, WithoutZoneTheCommandsSaySo) {
  Show(TTarifFile{});
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es können keine Einträge hinzugefügt werden. Definieren Sie eine Tarifzone!")
      .Expect("Fügen Sie zuerst eine Tarifzone mit Tarifen hinzu!")
      .Expect("Es sind keine Tarifzonen gespeichert!");
  Press("AddEntry2Btn");
  Press("AllDownBtn");
  Trigger("TarifzoneLoeschen1");
}

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

// A short name list leaves empty places that confirming keeps; cancel gives
// nothing back; an emptied list gives empty texts.
TEST(AccessInfosDlgTest, ConfirmedCancelledAndEmptiedLists) {
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
    EXPECT_EQ("00", test::Enabled(dlg, {"EditEntryBtn", "DeleteEntryBtn"}));
    Click(dlg, "ApplyBtn");
  });
  script.Then(kAccessDlg, [](QDialog& dlg) { Click(dlg, "CancelBtn"); });
  script.Then(kAccessDlg, [](QDialog& dlg) {
    auto* lv = Find<QTreeWidget>(dlg, "LV");
    while (lv->topLevelItemCount() > 0) {
      lv->setCurrentItem(lv->topLevelItem(0));
      Click(dlg, "DeleteEntryBtn");
    }
    Click(dlg, "ApplyBtn");
  });
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ(std::tuple("0191011#0191012#0191013", "gast" + kSep + kSep, false),
            std::tuple(access.PhoneNr, access.UserName, access.Registration));
  EXPECT_FALSE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("0191011#0191012#0191013", access.PhoneNr);
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ(std::tuple("", "", ""), std::tuple(access.PhoneNr, access.UserName, access.Password));
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
  EXPECT_EQ(std::tuple("#0191011", "b" + kSep + "a", "y" + kSep + "x"),
            std::tuple(access.PhoneNr, access.UserName, access.Password));
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

// Every kind of number field takes a decimal typed with either separator into
// the document; the suite also runs under de_DE.UTF-8, whose C locale once
// made such input revert silently.
enum class TPath { Entry, Zone, NoCostWindow, Options };

struct TNumberField {
  const char* field;
  TPath path;  // how the user reaches the field's dialog
  double (*value)(const TTarifFile&);
};

const TNumberField kFields[] = {
    {"PriceEdit", TPath::Entry, [](const TTarifFile& d) { return d.Zones[0].Werktag.at(0).PricePerUnit; }},
    {"TaktEdit", TPath::Entry, [](const TTarifFile& d) { return d.Zones[0].Werktag.at(0).Takt; }},
    {"BCPEdit", TPath::Zone, [](const TTarifFile& d) { return d.Zones.back().ConnectPrice; }},
    {"MonthRateEdit", TPath::Zone, [](const TTarifFile& d) { return d.Zones.back().MonthlyFee; }},
    {"CalcTaktEdit", TPath::Zone, [](const TTarifFile& d) { return d.Zones.back().CalcTakt; }},
    {"TimeEdit", TPath::NoCostWindow,
     [](const TTarifFile& d) { return d.Zones.back().WFreeTimes.at(0).FreeSeconds; }},
    {"PriceEdit", TPath::Options, [](const TTarifFile& d) { return d.Price; }},
};

using TypedNumbersTest = test::TMainWindowTest;

TEST_F(TypedNumbersTest, EveryNumberFieldKindTakesEitherDecimalSeparator) {
  for (const TNumberField& f : kFields) {
    for (const char* typed : {"0,15", "0.15"}) {
      SCOPED_TRACE(std::string(f.field) + " " + typed);
      TTarifFile doc;
      doc.Takt = 60;  // the default clock interval of new entries
      doc.Zones = {test::Zone("City", "CITY0001")};
      Show(doc);
      const auto typeIntoField = [&](QDialog& dlg) {
        auto* edit = Find<QLineEdit>(dlg, f.field);
        Type(edit, QString::fromLatin1(typed));
        QTest::keyClick(edit, Qt::Key_Tab);
      };
      TModalScript script;
      if (f.path == TPath::Entry) {
        script.Then("dudode::TNewEditEntryDlg", [&](QDialog& dlg) {
          Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), "0800");
          Type(Find<QLineEdit>(dlg, "EntryTimeTo"), "1800");
          Type(Find<QLineEdit>(dlg, "Tarifname"), "Tag");
          typeIntoField(dlg);
          Click(dlg, "SaveBtn");
        });
        Press("AddEntry1Btn");
      } else if (f.path == TPath::Options) {
        script.Then("dudode::TTarifOptionsDlg", [&](QDialog& dlg) {
          typeIntoField(dlg);
          Click(dlg, "ApplyBtn");
        });
        Trigger("Tarifoptionen1");
      } else {
        script.Then("dudode::TNewEditTarifDlg", [&](QDialog& dlg) {
          Type(Find<QLineEdit>(dlg, "TarifName"), "Land");
          Click(dlg, "TaktCheckBox");
          Type(Find<QLineEdit>(dlg, "CalcTaktEdit"), "10");
          Type(Find<QLineEdit>(dlg, "FirstSecondEdit"), "60");
          if (f.path == TPath::Zone) typeIntoField(dlg);
          if (f.path == TPath::NoCostWindow) Click(dlg, "NoCostsBtn");
          Click(dlg, "ApplyBtn");
        });
        if (f.path == TPath::NoCostWindow) {
          script.Then("dudode::TNoCostsDlg", [](QDialog& dlg) {
            Click(dlg, "WAddBtn");
            Click(dlg, "ApplyBtn");
          });
          script.Then("dudode::TNoCostEditDlg", [&](QDialog& dlg) {
            Type(Find<QLineEdit>(dlg, "TimeFrom"), "1800");
            Type(Find<QLineEdit>(dlg, "TimeTo"), "1900");
            typeIntoField(dlg);
            Click(dlg, "ApplyBtn");
          });
        }
        Trigger("NewZoneToolBtn");
      }
      EXPECT_DOUBLE_EQ(0.15, f.value(Doc()));
    }
  }
}

}  // namespace
}  // namespace dudode
