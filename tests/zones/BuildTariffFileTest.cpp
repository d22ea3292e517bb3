// A tariff file built from nothing in the window, as a new user would: a new
// file, two zones with their options, entries in both lists, saved, opened
// again, and everything found as entered. With DUDODE_ARTIFACTS set to a
// directory, the entry and zone dialogs are photographed there and the saved
// file is copied there.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <cstdlib>

#include "app/MainTestSupport.h"
#include "support/Photograph.h"

namespace dudode {
namespace {

using test::Artifacts;
using test::Click;
using test::Find;
using test::Photograph;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;

struct TTypedEntry {
  const char* From;
  const char* To;
  const char* Name;
  const char* Price;
  const char* Takt = nullptr;        // else the file's default
  const char* UnitsToAdd = nullptr;  // units at the start
  const char* DateFrom = nullptr;
  const char* DateTo = nullptr;
  const char* Box = nullptr;  // a special validity box to click
  const char* Photo = nullptr;
  bool FridayOnly = false;  // Mo to Do released
};

TModalScript::Step EntryStep(TTypedEntry e) {
  return [e](QDialog& dlg) {
    if (e.Box) Click(dlg, e.Box);
    for (const char* day : {"MoBtn", "TuBtn", "WedBtn", "ThuBtn"})
      if (e.FridayOnly) Click(dlg, day);
    Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), e.From);
    Type(Find<QLineEdit>(dlg, "EntryTimeTo"), e.To);
    if (e.Takt) Type(Find<QLineEdit>(dlg, "TaktEdit"), e.Takt);
    if (e.UnitsToAdd) Type(Find<QLineEdit>(dlg, "UnitsToAddEdit"), e.UnitsToAdd);
    Type(Find<QLineEdit>(dlg, "PriceEdit"), e.Price);
    if (e.Name) Type(Find<QLineEdit>(dlg, "Tarifname"), e.Name);
    if (e.DateFrom) Type(Find<QLineEdit>(dlg, "DateEdit1"), e.DateFrom);
    if (e.DateTo) Type(Find<QLineEdit>(dlg, "DateEdit2"), e.DateTo);
    if (e.Photo) Photograph(dlg, e.Photo);
    Click(dlg, "SaveBtn");
    EXPECT_FALSE(dlg.isVisible()) << e.Name;
  };
}

void AddEntry(TMain& main, const char* button, TTypedEntry entry) {
  TModalScript script;
  script.Then("dudode::TNewEditEntryDlg", EntryStep(entry));
  main.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

using BuildTariffFileTest = test::MainTest;

TEST_F(BuildTariffFileTest, FileBuiltInTheWindowComesBackAsEntered) {
  {
    TMain main;
    main.show();
    {
      TModalScript script;
      script.Then("dudode::TTarifOptionsDlg", [](QDialog& dlg) {
        Type(Find<QLineEdit>(dlg, "FileNameEdit"), "Stadtnetz Beispiel");
        Type(Find<QLineEdit>(dlg, "TaktEdit"), "60");
        Click(dlg, "ApplyBtn");
      });
      Trigger(main, "Neu1");
    }
    {
      TModalScript script;
      script.Then("dudode::TNewEditTarifDlg", [](QDialog& dlg) {
        Type(Find<QLineEdit>(dlg, "TarifName"), "City");
        Type(Find<QLineEdit>(dlg, "MonthRateEdit"), "4.95");  // either decimal separator is taken
        Find<QListWidget>(dlg, "RegionGroup")->item(0)->setCheckState(Qt::Checked);
        Click(dlg, "ApplyBtn");
      });
      Trigger(main, "NewZoneToolBtn");
    }
    AddEntry(
        main, "AddEntry1Btn",
        {.From = "0800", .To = "1800", .Name = "Hauptzeit", .Price = "0,06", .Photo = "entry-dialog.png"});
    AddEntry(main, "AddEntry1Btn",
             {.From = "0000", .To = "0800", .Name = "Nebenzeit", .Price = "0,03", .FridayOnly = true});
    AddEntry(main, "AddEntry2Btn",
             {.From = "0000",
              .To = "0000",
              .Name = "Wochenende",
              .Price = "0,03",
              .DateFrom = "0104",
              .DateTo = "3009"});
    AddEntry(main, "AddEntry2Btn",
             {.From = "0000", .To = "0000", .Name = "Feiertag", .Price = "0,02", .Box = "FtagCheckBox"});
    {
      TModalScript script;
      script.Then("dudode::TNewEditTarifDlg", [](QDialog& dlg) {
        Type(Find<QLineEdit>(dlg, "TarifName"), "Region 50");
        Click(dlg, "TaktCheckBox");
        Type(Find<QLineEdit>(dlg, "CalcTaktEdit"), "1");
        Type(Find<QLineEdit>(dlg, "FirstSecondEdit"), "60");
        Type(Find<QLineEdit>(dlg, "BCPEdit"), "0,1");
        Find<QListWidget>(dlg, "RegionGroup")->item(1)->setCheckState(Qt::Checked);
        Click(dlg, "RoundToChkBox");
        Click(dlg, "nichtbundesweitChkBox");
        Click(dlg, "INetBtn");
        Click(dlg, "NoCostsBtn");
        Photograph(dlg, "zone-dialog.png");
        Click(dlg, "ApplyBtn");
      });
      script.Then("dudode::TAccessInfosDlg", [](QDialog& dlg) {
        Click(dlg, "RegistrationChkBox");
        Click(dlg, "AddEntryBtn");
        Click(dlg, "ApplyBtn");
      });
      script.Then("dudode::TAccessInfoEditDlg", [](QDialog& dlg) {
        Type(Find<QLineEdit>(dlg, "PhoneNrEdit"), "0191011");
        Type(Find<QLineEdit>(dlg, "UserNameEdit"), "gast");
        Type(Find<QLineEdit>(dlg, "PasswordEdit"), "geheim");
        Click(dlg, "OKBtn");
      });
      script.Then("dudode::TNoCostsDlg", [](QDialog& dlg) {
        Click(dlg, "WAddBtn");
        Click(dlg, "FAddBtn");
        Click(dlg, "ApplyBtn");
      });
      for (const char* seconds : {"60", "120,5"}) {
        script.Then("dudode::TNoCostEditDlg", [seconds](QDialog& dlg) {
          Type(Find<QLineEdit>(dlg, "TimeFrom"), "1800");
          Type(Find<QLineEdit>(dlg, "TimeTo"), "1900");
          Type(Find<QLineEdit>(dlg, "TimeEdit"), seconds);
          EXPECT_FALSE(Find<QWidget>(dlg, "ApplyBtn")->isEnabled());  // until the seconds are left
          test::Leave(Find<QWidget>(dlg, "TimeEdit"));
          Click(dlg, "ApplyBtn");
        });
      }
      Trigger(main, "NewZoneToolBtn");
    }
    AddEntry(
        main, "AddEntry1Btn",
        {.From = "0000", .To = "0000", .Name = "Ganztags", .Price = "0,04", .Takt = "30", .UnitsToAdd = "1"});
    AddEntry(main, "AddEntry2Btn",
             {.From = "0000", .To = "0000", .Name = nullptr, .Price = "0,02", .Box = "CWChkBox"});
    Photograph(main, "built-file-main-window.png");

    TScriptedMessageBoxes boxes;
    boxes.Expect("Möchten Sie wirklich die Änderungen in \"Stadtnetz Beispiel\" speichern?", idYes);
    Trigger(main, "Speichern1");
    EXPECT_FALSE(main.Document().Modified);
  }
  ASSERT_TRUE(dir.Exists("RATES.0"));
  if (!Artifacts().isEmpty()) {
    QFile::remove(Artifacts() + "/RATES.0");
    QFile::copy(QString::fromStdString(dir.File("RATES.0")), Artifacts() + "/RATES.0");
  }

  TMain main;
  TModalScript script;
  script.Then("dudode::TOpenDlg", [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "QuickSearchEdit"), "Stadtnetz");
    Click(dlg, "OpenBtn");
  });
  Trigger(main, "Oeffnen1");
  const TTarifFile& doc = main.Document();
  EXPECT_EQ(std::tuple("Stadtnetz Beispiel", 60.0), std::tuple(doc.Description, doc.Takt));
  ASSERT_EQ(2u, doc.Zones.size());

  const TKeyAndName& city = doc.Zones[0];
  EXPECT_EQ(std::tuple("CITY0001", "City", 4.95, 1, 0.0),
            std::tuple(city.Key, city.MenuCaption(), city.MonthlyFee, city.Relations, city.CalcTakt));
  // End, name, validity, price and days of a grid row; the other columns have their own tests.
  const auto row = [&](TDayClass dayClass, int r) {
    QStringList cells;
    for (int c : {1, 4, 5, 6, 7}) cells << Cell(main, dayClass, r, c);
    return cells.join('|').toStdString();
  };
  ASSERT_EQ(std::tuple(2, 2),
            std::tuple(main.Grid(TDayClass::Werktag)->rowCount(), main.Grid(TDayClass::SaSo)->rowCount()));
  EXPECT_EQ("07:59:59 Uhr|Nebenzeit|01.01. / 31.12.|0,0300 €|Fr ", row(TDayClass::Werktag, 0));
  EXPECT_EQ("17:59:59 Uhr|Hauptzeit|01.01. / 31.12.|0,0600 €|Mo Di Mi Do Fr ", row(TDayClass::Werktag, 1));
  EXPECT_EQ("23:59:59 Uhr|Wochenende|01.04. / 30.09.|0,0300 €|Sa So ", row(TDayClass::SaSo, 0));
  EXPECT_EQ("23:59:59 Uhr|Feiertag|Feiertag|0,0200 €|Sa So Fei", row(TDayClass::SaSo, 1));
  for (const TTarifEntry& e : city.Werktag) EXPECT_EQ(4.95, e.ZoneMonthlyFee);

  const TKeyAndName& region = doc.Zones[1];
  EXPECT_EQ(std::tuple("REGI0001", "Region 50", 1.0, 60.0, 0.1, 2, 1),
            std::tuple(region.Key, region.MenuCaption(), region.CalcTakt, region.FirstSecond,
                       region.ConnectPrice, region.Relations, region.RoundTo));
  EXPECT_EQ(std::tuple("0191011", "gast", "geheim", false, true),
            std::tuple(region.Access.PhoneNr, region.Access.UserName, region.Access.Password,
                       region.Access.Registration, region.Access.NichtBundesweit));
  ASSERT_EQ(std::tuple(1u, 1u), std::tuple(region.WFreeTimes.size(), region.FFreeTimes.size()));
  const TFreeTimeEntry& w = region.WFreeTimes[0];
  EXPECT_EQ(std::tuple(18u * 3600, 19u * 3600 + 59, 60.0), std::tuple(w.StartSec, w.EndSec, w.FreeSeconds));
  EXPECT_EQ(120.5, region.FFreeTimes[0].FreeSeconds);
  main.SelectZone(1);
  EXPECT_EQ("23:59:59 Uhr|Ganztags|01.01. / 31.12.|0,0400 €|Mo Di Mi Do Fr ", row(TDayClass::Werktag, 0));
  EXPECT_EQ(std::tuple(30.0, 1), std::tuple(region.Werktag.at(0).Takt, region.Werktag.at(0).Units));
  EXPECT_EQ("23:59:59 Uhr|CityWeekend|CityWeekend|0,0200 €|Sa So ", row(TDayClass::SaSo, 0));
  // The zone's values are in every entry.
  EXPECT_EQ(std::tuple(1.0, 0.1), std::tuple(region.SaSo[0].CalcTakt, region.SaSo[0].ZoneConnectPrice));
}

}  // namespace
}  // namespace dudode
