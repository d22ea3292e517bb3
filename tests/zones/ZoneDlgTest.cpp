// The zone and entry dialogs and the list commands, worked through the main
// window or on their own.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/Main.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/NumberEdit.h"
#include "zones/AccessInfosDlg.h"
#include "zones/EntryForm.h"
#include "zones/NewEditEntryDlg.h"
#include "zones/NoCostEditDlg.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::FilledZone;
using test::Find;
using test::ThreeZones;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

class TMainWindowTest : public ::testing::Test {
 protected:
  void Show(TTarifFile document) {
    const int current = document.Zones.empty() ? -1 : 0;
    main.Document() = std::move(document);
    TCommandResult shown = TCommandResult::Zones(current);
    shown.DocumentLoaded = true;
    main.Apply(shown);
  }
  TTarifFile& Doc() { return main.Document(); }
  void Press(const char* name) {
    auto* button = main.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(nullptr, button) << name;
    EXPECT_TRUE(button->isEnabled()) << name;
    button->click();
  }
  void Trigger(const char* name) {
    auto* action = main.findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(nullptr, action) << name;
    EXPECT_TRUE(action->isEnabled()) << name;
    action->trigger();
  }
  QTableWidget* Grid(TDayClass dayClass) const { return main.Grid(dayClass); }
  std::string Cell(TDayClass dayClass, int row, int column) const {
    const QTableWidgetItem* item = Grid(dayClass)->item(row, column);
    return item ? item->text().toStdString() : std::string();
  }
  QComboBox* ZoneBox() const { return main.findChild<QComboBox*>("TarifComboBox"); }

  TMain main;
};

std::string Text(QWidget& dlg, const char* name) {
  auto* edit = Find<QLineEdit>(dlg, name);
  return edit ? edit->displayText().toStdString() : std::string();
}

double Value(QWidget& dlg, const char* name) {
  auto* edit = Find<TNumberEdit>(dlg, name);
  return edit ? edit->Value() : -1;
}

// "1" for each enabled control, "0" for each disabled one.
std::string Enabled(QWidget& dlg, std::initializer_list<const char*> names) {
  std::string s;
  for (const char* name : names) s += Find<QWidget>(dlg, name)->isEnabled() ? '1' : '0';
  return s;
}

const char* const kZoneDlg = "dudode::TNewEditTarifDlg";
const char* const kNoCostsDlg = "dudode::TNoCostsDlg";
const char* const kNoCostEditDlg = "dudode::TNoCostEditDlg";

using ZoneDlgTest = TMainWindowTest;

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
            std::tuple(Doc().Zones.empty(), ZoneBox()->count(), main.CurrentZone(),
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

using ListCommandsTest = TMainWindowTest;

TEST_F(ListCommandsTest, ReorderingPutsTheMarkedZonesInReverseAndDropsTheRestWhenAsked) {
  Show(ThreeZones());
  main.SelectZone(2);
  TScriptedMessageBoxes boxes;
  for (int answer : {idNo, idYes})
    boxes.Expect("Sie haben nicht alle Tarifzonen neu eingeordnet! Sollen diese gelöscht werden?", answer,
                 "Warnung");
  TModalScript script;
  script.Then(kSortDlg, [](QDialog& dlg) {
    EXPECT_EQ((std::vector<std::string>{"Nah", "Fern", "Mobil"}), Items(dlg, "SrcList"));
    EXPECT_EQ("100", Enabled(dlg, {"IncludeBtn", "ExcludeBtn", "ExcAllBtn"}));
    for (int row : {0, 2}) Find<QListWidget>(dlg, "SrcList")->item(row)->setSelected(true);
    Click(dlg, "IncludeBtn");
    EXPECT_EQ((std::vector<std::string>{"Mobil", "Nah"}), Items(dlg, "DstList"));
    EXPECT_EQ("1", Enabled(dlg, {"ExcludeBtn"}));
    Click(dlg, "ApplyBtn");  // Nein: stays open
    EXPECT_TRUE(dlg.isVisible());
    Click(dlg, "ApplyBtn");
  });
  Trigger("TarifzonenAnordnen1");
  ASSERT_EQ(2u, Doc().Zones.size());
  EXPECT_EQ(std::tuple("MOBI0001", "NAH0001", true),
            std::tuple(Doc().Zones[0].Key, Doc().Zones[1].Key, Doc().Modified));
  EXPECT_EQ(std::tuple(0, "Mobil", 2, 3),
            std::tuple(main.CurrentZone(), ZoneBox()->currentText().toStdString(), ZoneBox()->count(),
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
const std::string kSep = kAccessSeparator;

// A short name list leaves empty places that confirming keeps; cancel gives
// nothing back; an emptied list gives empty texts.
TEST(AccessInfosDlgTest, ConfirmedCancelledAndEmptiedLists) {
  TAccessInfos access;
  access.PhoneNr = "0191011#0191012#0191013";
  access.UserName = "gast";
  TModalScript script;
  script.Then(kAccessDlg, [](QDialog& dlg) {
    EXPECT_EQ("00", Enabled(dlg, {"EditEntryBtn", "DeleteEntryBtn"}));
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
  EXPECT_EQ(std::tuple("0191011#0191012#0191013", "gast" + kSep + kSep),
            std::tuple(access.PhoneNr, access.UserName));
  EXPECT_FALSE(EditAccessInfos(access, nullptr));
  EXPECT_EQ("0191011#0191012#0191013", access.PhoneNr);
  ASSERT_TRUE(EditAccessInfos(access, nullptr));
  EXPECT_EQ(std::tuple("", "", ""), std::tuple(access.PhoneNr, access.UserName, access.Password));
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

const char* const kEntryDlg = "dudode::TNewEditEntryDlg";

TTarifFile CityDocument(int werktag = 0, int saso = 0) {
  TTarifFile doc;
  doc.Takt = 60;
  doc.Zones.push_back(test::FilledZone("City", "CITY0001", werktag, saso));
  return doc;
}

// Types the times and name of a valid entry, moving on from field to field.
void TypeEntry(QDialog& dlg, const char* from, const char* to, const char* name) {
  Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), from);
  Type(Find<QLineEdit>(dlg, "EntryTimeTo"), to);
  Type(Find<QLineEdit>(dlg, "Tarifname"), name);
}

using EntryDlgTest = TMainWindowTest;

// W0 of the city zone, Mo-Fr 00:00 to 00:59, is shown, given the end 18:00
// (the minute before it) and changed into a CityPlus entry by its box.
TEST_F(EntryDlgTest, ChangedEntryIsShownAndComesBackAsEntered) {
  Show(CityDocument(1, 0));
  Grid(TDayClass::Werktag)->setCurrentCell(0, 0);
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    for (const char* day : {"MoBtn", "TuBtn", "WedBtn", "ThuBtn", "FrBtn"})
      EXPECT_TRUE(Find<QAbstractButton>(dlg, day)->isChecked()) << day;
    for (const char* hidden : {"SatBtn", "SunBtn", "FtagCheckBox", "CWChkBox"})
      EXPECT_FALSE(Find<QWidget>(dlg, hidden)->isVisible()) << hidden;
    EXPECT_EQ(0.06, Value(dlg, "PriceEdit"));
    EXPECT_EQ("00:59", Text(dlg, "EntryTimeTo"));
    Type(Find<QLineEdit>(dlg, "EntryTimeTo"), "1800");
    test::Leave(Find<QWidget>(dlg, "EntryTimeTo"));
    EXPECT_EQ("17:59", Text(dlg, "EntryTimeTo"));
    auto* name = Find<QLineEdit>(dlg, "Tarifname");
    Click(dlg, "CPChkBox");
    EXPECT_EQ("CityPlus", name->text().toStdString());
    EXPECT_FALSE(name->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dlg, "DateEdit2")->isVisible());
    Click(dlg, "SaveBtn");
  });
  Press("EditEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  // 17:59 is taken as it is shown, not moved again.
  EXPECT_EQ(std::tuple("CityPlus", 18u * 3600 - 1, true),
            std::tuple(Doc().Zones[0].Werktag[0].Name, Doc().Zones[0].Werktag[0].EndSec, Doc().Modified));
  EXPECT_EQ(std::tuple("17:59:59 Uhr", "CityPlus"),
            std::tuple(Cell(TDayClass::Werktag, 0, 1), Cell(TDayClass::Werktag, 0, 5)));
}

// A list of 50 refuses the next entry; one of 49 still takes it.
TEST_F(EntryDlgTest, FiftyFirstEntryIsRefusedAndTheFiftiethTaken) {
  Show(CityDocument(50, 49));
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es können keine Einträge hinzugefügt werden. Alle Einträge sind bereits verwendet!");
  Press("AddEntry1Btn");
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    TypeEntry(dlg, "0800", "1800", "Wochenende");
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry2Btn");
  EXPECT_EQ(std::tuple(50u, 50u, 50), std::tuple(Doc().Zones[0].Werktag.size(), Doc().Zones[0].SaSo.size(),
                                                 Grid(TDayClass::SaSo)->rowCount()));
}

// The key filters drop what a field cannot take; Cent->Euro fills the number
// field that had the focus; a refusal of the final check keeps the dialog open
// with the focus where the rule wants it.
TEST(EntryDlgFieldTest, KeyFiltersCentToEuroAndRefusals) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Nur Ziffern und , erlaubt.")
      .Expect("Nur Ziffern erlaubt. Die Angabe enthaelt bereits ein ,.")
      .Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!")
      .Expect("Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!")
      .Expect("Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!");
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "Tarifname"), "a;b,c/d");
    EXPECT_EQ("abcd", Text(dlg, "Tarifname"));
    auto* takt = Find<QLineEdit>(dlg, "TaktEdit");
    Type(takt, "6x");
    EXPECT_EQ("6", takt->text().toStdString());
    Type(takt, "6.5,");
    EXPECT_EQ("6,5", takt->text().toStdString());
    Type(Find<QLineEdit>(dlg, "PriceEdit"), "-1");
    EXPECT_EQ("1", Find<QLineEdit>(dlg, "PriceEdit")->text().toStdString());
    test::Enter(Find<QWidget>(dlg, "PriceEdit"));
    Click(dlg, "CentEuroBtn");
    EXPECT_DOUBLE_EQ(0.125, Value(dlg, "PriceEdit"));
    TypeEntry(dlg, "0800", "0800", "Tarif");
    Click(dlg, "SaveBtn");
    EXPECT_EQ("EntryTimeFrom", dlg.focusWidget()->objectName().toStdString());
    Type(Find<QLineEdit>(dlg, "EntryTimeTo"), "1800");
    Type(Find<QLineEdit>(dlg, "DateEdit1"), "0206");
    Type(Find<QLineEdit>(dlg, "DateEdit2"), "0106");
    Click(dlg, "SaveBtn");
    EXPECT_EQ("DateEdit1", dlg.focusWidget()->objectName().toStdString());
    Click(dlg, "CancelBtn");
  });
  script.Then("dudode::TCentEuroDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "CentEdit"), "12,5");
    Click(dlg, "OKBtn");
  });
  TNewEditEntryDlg dlg(NewEntryForm(TTarifFile{}, TDayClass::Werktag), "Tarif");
  EXPECT_NE(QDialog::Accepted, RunModal(dlg));
  EXPECT_FALSE(dlg.Confirmed());
}

}  // namespace
}  // namespace dudode
