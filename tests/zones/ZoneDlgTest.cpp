#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "zones/NoCostEditDlg.h"
#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Checked;
using test::Click;
using test::FilledZone;
using test::Find;
using test::Text;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;
using test::Value;

const char* const kZoneDlg = "dudode::TNewEditTarifDlg";
const char* const kNoCostsDlg = "dudode::TNoCostsDlg";
const char* const kNoCostEditDlg = "dudode::TNoCostEditDlg";
const char* const kAccessDlg = "dudode::TAccessInfosDlg";
const char* const kAccessEditDlg = "dudode::TAccessInfoEditDlg";

using ZoneDlgTest = test::TMainWindowTest;

// A no-cost window typed into the window dialog, each field left in turn.
TModalScript::Step TypeWindow(const char* from, const char* to, const char* seconds) {
  return [=](QDialog& dlg) {
    EXPECT_EQ("Neuer Eintrag ", dlg.windowTitle().toStdString());
    auto* apply = Find<QWidget>(dlg, "ApplyBtn");
    EXPECT_FALSE(apply->isEnabled());
    Type(Find<QLineEdit>(dlg, "TimeFrom"), from);
    Type(Find<QLineEdit>(dlg, "TimeTo"), to);
    Type(Find<QLineEdit>(dlg, "TimeEdit"), seconds);
    EXPECT_FALSE(apply->isEnabled());  // the seconds count once their field is left
    test::Leave(Find<QWidget>(dlg, "TimeEdit"));
    EXPECT_TRUE(apply->isEnabled());
    Click(dlg, "ApplyBtn");
  };
}

TEST_F(ZoneDlgTest, NewZoneTakesOptionsAccessDataAndNoCostWindows) {
  TTarifFile doc;
  doc.BaseConnectPrice = 0.05;
  Show(doc);
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    EXPECT_EQ("Neue Tarifzone anlegen", dlg.windowTitle().toStdString());
    EXPECT_EQ("Geben Sie den Namen der neuen Tarifzone ein:",
              Find<QLabel>(dlg, "NameLabel")->text().toStdString());
    EXPECT_EQ(0.05, Value(dlg, "BCPEdit"));
    EXPECT_TRUE(Checked(dlg, "TaktCheckBox"));
    EXPECT_FALSE(Find<QWidget>(dlg, "CalcTaktEdit")->isEnabled());
    Type(Find<QLineEdit>(dlg, "TarifName"), "City Nah");
    Click(dlg, "TaktCheckBox");
    EXPECT_TRUE(Find<QWidget>(dlg, "CalcTaktEdit")->isEnabled());
    Type(Find<QLineEdit>(dlg, "CalcTaktEdit"), "10");
    Type(Find<QLineEdit>(dlg, "FirstSecondEdit"), "60");
    Type(Find<QLineEdit>(dlg, "MonthRateEdit"), "4,95");
    auto* regions = Find<QListWidget>(dlg, "RegionGroup");
    ASSERT_EQ(11, regions->count());
    EXPECT_EQ("Service", regions->item(10)->text().toStdString());
    regions->item(0)->setCheckState(Qt::Checked);
    regions->item(9)->setCheckState(Qt::Checked);
    Click(dlg, "RoundToChkBox");
    Click(dlg, "nichtbundesweitChkBox");
    Click(dlg, "INetBtn");
    Click(dlg, "NoCostsBtn");
    Click(dlg, "ApplyBtn");
  });
  script.Then(kAccessDlg, [](QDialog& dlg) {
    EXPECT_EQ("Internetzugang", dlg.windowTitle().toStdString());
    Click(dlg, "RegistrationChkBox");
    Click(dlg, "AddEntryBtn");
    Click(dlg, "ApplyBtn");
  });
  script.Then(kAccessEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Internetzugang ", dlg.windowTitle().toStdString());
    Type(Find<QLineEdit>(dlg, "PhoneNrEdit"), "0191011");
    Type(Find<QLineEdit>(dlg, "UserNameEdit"), "gast");
    Click(dlg, "OKBtn");
  });
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    EXPECT_EQ("Kostenlose Zeiten bearbeiten", dlg.windowTitle().toStdString());
    Click(dlg, "WAddBtn");
    Click(dlg, "WAddBtn");
    Click(dlg, "FAddBtn");
    auto* list = Find<QTreeWidget>(dlg, "WList");
    ASSERT_EQ(2, list->topLevelItemCount());
    // Kept in the order of their start.
    EXPECT_EQ("07:00:00 Uhr", list->topLevelItem(0)->text(0).toStdString());
    EXPECT_EQ("18:00:00 Uhr", list->topLevelItem(1)->text(0).toStdString());
    EXPECT_EQ("07:59:59 Uhr", list->topLevelItem(1)->text(1).toStdString());
    EXPECT_EQ("60,0000 Sekunde(n)", list->topLevelItem(1)->text(2).toStdString());
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostEditDlg, TypeWindow("1800", "0759", "60"));
  script.Then(kNoCostEditDlg, TypeWindow("0700", "0800", "30"));
  script.Then(kNoCostEditDlg, TypeWindow("0000", "2359", "120,5"));
  Trigger("NewZoneToolBtn");

  ASSERT_EQ(1u, Doc().Zones.size());
  const TKeyAndName& zone = Doc().Zones[0];
  EXPECT_EQ("CITY0001", zone.Key);
  EXPECT_EQ("City_Nah", zone.DisplayName);
  EXPECT_EQ(10, zone.CalcTakt);
  EXPECT_EQ(60, zone.FirstSecond);
  EXPECT_EQ(0.05, zone.ConnectPrice);
  EXPECT_EQ(4.95, zone.MonthlyFee);
  EXPECT_EQ((1 << 0) | (1 << 9), zone.Relations);
  EXPECT_EQ(1, zone.RoundTo);
  EXPECT_EQ("0191011", zone.Access.PhoneNr);
  EXPECT_EQ("gast", zone.Access.UserName);
  EXPECT_FALSE(zone.Access.Registration);
  EXPECT_TRUE(zone.Access.NichtBundesweit);
  ASSERT_EQ(2u, zone.WFreeTimes.size());
  EXPECT_EQ(7u * 3600, zone.WFreeTimes[0].StartSec);
  EXPECT_EQ(18u * 3600, zone.WFreeTimes[1].StartSec);
  EXPECT_EQ(8u * 3600 - 1, zone.WFreeTimes[1].EndSec);
  ASSERT_EQ(1u, zone.FFreeTimes.size());
  EXPECT_EQ(120.5, zone.FFreeTimes[0].FreeSeconds);
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ("City Nah", ZoneBox()->currentText().toStdString());
  EXPECT_EQ(0, main->CurrentZone());
}

TEST_F(ZoneDlgTest, NameChecksKeepTheDialogOpen) {
  Show(TTarifFile{});
  TScriptedMessageBoxes boxes;
  const std::string missing = "Sie müssen einen korrekten Tarifzonennamen eingeben!";
  boxes.Expect(missing)
      .Expect("Der Tarifzonenname darf kein \";\" und kein \",\" enthalten!")
      .Expect(missing)
      .Expect("Eine der Angaben für die zeitbezogene Abrechnung ist nicht korrekt!");
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "TarifName");
    Type(name, "   ");
    Click(dlg, "ApplyBtn");
    EXPECT_TRUE(dlg.isVisible());
    name->setText("A;B");  // pasted: the key filter never saw it
    Click(dlg, "ApplyBtn");
    Type(name, "A;B");  // typed: the separator is dropped
    EXPECT_EQ("AB", name->text().toStdString());
    Click(dlg, "TaktCheckBox");
    Click(dlg, "ApplyBtn");
    EXPECT_TRUE(dlg.isVisible());
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
  EXPECT_TRUE(Doc().Zones.empty());
  EXPECT_EQ(0, ZoneBox()->count());
  EXPECT_EQ(-1, main->CurrentZone());
  EXPECT_EQ(1, Grid(TDayClass::Werktag)->rowCount());
  EXPECT_EQ("", Cell(TDayClass::Werktag, 0, 0));
  EXPECT_EQ("", Cell(TDayClass::SaSo, 0, 0));
}

TEST_F(ZoneDlgTest, CancelledNoCostChangesLeaveTheZoneAlone) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City", "CITY0001", 0, 0);
  zone.WFreeTimes = {{0, 3599, 10}, {7200, 10799, 20}};
  doc.Zones = {zone};
  Show(doc);
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    Click(dlg, "NoCostsBtn");
    Click(dlg, "CancelBtn");
  });
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "WList");
    EXPECT_FALSE(Find<QWidget>(dlg, "WEditBtn")->isEnabled());
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_TRUE(Find<QWidget>(dlg, "WDeleteBtn")->isEnabled());
    Click(dlg, "WDeleteBtn");
    EXPECT_EQ(1, list->topLevelItemCount());
    Click(dlg, "ApplyBtn");
  });
  Trigger("EditZoneToolBtn");
  EXPECT_EQ(2u, Doc().Zones[0].WFreeTimes.size());
  EXPECT_FALSE(Doc().Modified);
}

TEST_F(ZoneDlgTest, ChangedNoCostWindowIsRewritten) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City", "CITY0001", 0, 0);
  zone.FFreeTimes = {{3600, 7199, 10}};
  doc.Zones = {zone};
  Show(doc);
  TModalScript script;
  script.Then(kZoneDlg, [](QDialog& dlg) {
    Click(dlg, "NoCostsBtn");
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostsDlg, [](QDialog& dlg) {
    auto* list = Find<QTreeWidget>(dlg, "FList");
    list->setCurrentItem(list->topLevelItem(0));
    Click(dlg, "FEditBtn");
    EXPECT_EQ("12,5000 Sekunde(n)", list->topLevelItem(0)->text(2).toStdString());
    Click(dlg, "ApplyBtn");
  });
  script.Then(kNoCostEditDlg, [](QDialog& dlg) {
    EXPECT_EQ("Eintrag ändern", dlg.windowTitle().toStdString());
    EXPECT_EQ("01:00", Text(dlg, "TimeFrom"));
    EXPECT_EQ("01:59", Text(dlg, "TimeTo"));
    Type(Find<QLineEdit>(dlg, "TimeEdit"), "12,5");
    test::Leave(Find<QWidget>(dlg, "TimeEdit"));
    Click(dlg, "ApplyBtn");
  });
  Trigger("EditZoneToolBtn");
  ASSERT_EQ(1u, Doc().Zones[0].FFreeTimes.size());
  EXPECT_EQ(12.5, Doc().Zones[0].FFreeTimes[0].FreeSeconds);
  EXPECT_EQ(7199u, Doc().Zones[0].FFreeTimes[0].EndSec);
  EXPECT_TRUE(Doc().Modified);
}

}  // namespace
}  // namespace dudode
