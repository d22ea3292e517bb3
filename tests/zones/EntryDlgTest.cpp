#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "zones/EntryForm.h"
#include "zones/NewEditEntryDlg.h"
#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Checked;
using test::Click;
using test::Find;
using test::Leave;
using test::Text;
using test::TModalScript;
using test::TScriptedMessageBoxes;
using test::Type;
using test::Value;

const char* const kEntryDlg = "dudode::TNewEditEntryDlg";

TTarifFile CityDocument(int werktag = 0, int saso = 0) {
  TTarifFile doc;
  doc.Takt = 60;
  doc.Price = 0.12;
  doc.Zones.push_back(test::FilledZone("City", "CITY0001", werktag, saso));
  return doc;
}

// Types the times and name of a valid entry, moving on from field to field.
void TypeEntry(QDialog& dlg, const char* from, const char* to, const char* name) {
  Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), from);
  Type(Find<QLineEdit>(dlg, "EntryTimeTo"), to);
  Type(Find<QLineEdit>(dlg, "Tarifname"), name);
}

using EntryDlgTest = test::TMainWindowTest;

TEST_F(EntryDlgTest, EightToSixIsShownWithItsEndMinuteAndComesBackAsEntered) {
  Show(CityDocument());
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    EXPECT_EQ("Tarif zur Tarifzone City (Werktag) hinzufügen", dlg.windowTitle().toStdString());
    for (const char* day : {"MoBtn", "TuBtn", "WedBtn", "ThuBtn", "FrBtn"})
      EXPECT_TRUE(Checked(dlg, day)) << day;
    for (const char* hidden : {"SatBtn", "SunBtn", "FtagCheckBox", "CWChkBox"}) {
      EXPECT_FALSE(Find<QWidget>(dlg, hidden)->isVisible()) << hidden;
    }
    EXPECT_EQ(0.12, Value(dlg, "PriceEdit"));
    EXPECT_EQ(60, Value(dlg, "TaktEdit"));
    EXPECT_EQ("01.01.", Text(dlg, "DateEdit1"));
    EXPECT_EQ("31.12.", Text(dlg, "DateEdit2"));
    EXPECT_EQ("€", Find<QLabel>(dlg, "CurrencyLabel")->text().toStdString());
    TypeEntry(dlg, "0800", "1800", "Tag");
    EXPECT_EQ("17:59", Text(dlg, "EntryTimeTo"));  // adjusted when the field was left
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ("08:00:00 Uhr", Cell(TDayClass::Werktag, 0, 0));
  EXPECT_EQ("17:59:59 Uhr", Cell(TDayClass::Werktag, 0, 1));
  EXPECT_EQ("Tag", Cell(TDayClass::Werktag, 0, 4));
  EXPECT_EQ("01.01. / 31.12.", Cell(TDayClass::Werktag, 0, 5));
  EXPECT_EQ("Mo Di Mi Do Fr ", Cell(TDayClass::Werktag, 0, 7));

  Grid(TDayClass::Werktag)->setCurrentCell(0, 0);
  script.Then(kEntryDlg, [](QDialog& dlg) {
    EXPECT_EQ("Tarif in Tarifzone City (Werktag) bearbeiten", dlg.windowTitle().toStdString());
    EXPECT_EQ("08:00", Text(dlg, "EntryTimeFrom"));
    EXPECT_EQ("17:59", Text(dlg, "EntryTimeTo"));
    EXPECT_EQ("Tag", Text(dlg, "Tarifname"));
    Type(Find<QLineEdit>(dlg, "Tarifname"), "Tag neu");
    Click(dlg, "SaveBtn");
  });
  Press("EditEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_EQ("Tag neu", Doc().Zones[0].Werktag[0].Name);
  EXPECT_EQ(18u * 3600 - 1, Doc().Zones[0].Werktag[0].EndSec);  // 17:59 stays 17:59
}

TEST(EntryDlgFieldTest, EndTimeIsAdjustedWhenLeft) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.", idOK, "Fehler");
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    const struct {
      const char* typed;
      const char* shown;
    } cases[] = {{"1800", "17:59"}, {"0000", "23:59"}, {"2400", "23:59"},
                 {"2600", "23:59"}, {"1830", "18:30"}, {"2500", "25:00"}};
    auto* to = Find<QLineEdit>(dlg, "EntryTimeTo");
    for (const auto& c : cases) {
      Type(to, c.typed);
      Leave(to);
      EXPECT_EQ(c.shown, Text(dlg, "EntryTimeTo")) << c.typed;
    }
    Click(dlg, "CancelBtn");
  });
  TEntryForm form = NewEntryForm(TTarifFile{}, TDayClass::Werktag);
  TNewEditEntryDlg dlg(form, "Tarif");
  EXPECT_EQ(QDialog::Rejected, RunModal(dlg));
}

// Each case types into a fresh dialog and presses "Übernehmen" once.
TEST(EntryDlgFieldTest, FinalCheckRefusalsKeepTheDialogOpen) {
  const std::string times = "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!";
  const std::string dates = "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!";
  const std::string incomplete = "Nicht alle Felder sind korrekt ausgefüllt!";
  struct Case {
    const char* what;
    const char* from;
    const char* to;
    const char* dateFrom;
    const char* dateTo;
    std::vector<std::string> boxes;
    bool accepted;
    const char* focus;
  } cases[] = {
      {"12:00 to 12:00", "1200", "1200", "0101", "3112", {times}, false, "EntryTimeFrom"},
      {"00:00 to 00:00 is a whole day", "0000", "0000", "0101", "3112", {}, true, nullptr},
      {"02.06. to 01.06.", "0800", "1800", "0206", "0106", {dates}, false, "DateEdit1"},
      {"01.06. to 01.06.", "0800", "1800", "0106", "0106", {}, true, nullptr},
      {"29.02. is a day", "0800", "1800", "2902", "2902", {}, true, nullptr},
      {"blank start", "", "1800", "0101", "3112", {incomplete}, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TScriptedMessageBoxes boxes;
    for (const std::string& text : c.boxes) boxes.Expect(text);
    TModalScript script;
    script.Then(kEntryDlg, [&](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "DateEdit1"), c.dateFrom);
      Type(Find<QLineEdit>(dlg, "DateEdit2"), c.dateTo);
      TypeEntry(dlg, c.from, c.to, "Tarif");
      Click(dlg, "SaveBtn");
      EXPECT_EQ(!c.accepted, dlg.isVisible());
      if (c.focus) {
        EXPECT_EQ(c.focus, dlg.focusWidget()->objectName().toStdString());
      }
    });
    TTarifFile doc;
    doc.Takt = 60;
    TEntryForm form = NewEntryForm(doc, TDayClass::Werktag);
    TNewEditEntryDlg dlg(form, "Tarif");
    EXPECT_EQ(c.accepted, RunModal(dlg) == QDialog::Accepted);
    EXPECT_EQ(c.accepted, dlg.Confirmed());
  }
}

TEST(EntryDlgFieldTest, ImpossibleDateIsRefusedWhenLeft) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Das eingegebene Datum ist nicht korrekt!", idOK, "Fehler");
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    Type(Find<QLineEdit>(dlg, "DateEdit1"), "3002");
    Leave(Find<QLineEdit>(dlg, "DateEdit1"));
    Type(Find<QLineEdit>(dlg, "DateEdit1"), "2902");
    Leave(Find<QLineEdit>(dlg, "DateEdit1"));
    Click(dlg, "CancelBtn");
  });
  TEntryForm form = NewEntryForm(TTarifFile{}, TDayClass::Werktag);
  TNewEditEntryDlg dlg(form, "Tarif");
  RunModal(dlg);
}

TEST_F(EntryDlgTest, HolidayEntryIsStoredWithItsCodeAndTheHolidayDay) {
  Show(CityDocument());
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    EXPECT_EQ("Tarif zur Tarifzone City (Sa./So./Feiertag) hinzufügen", dlg.windowTitle().toStdString());
    EXPECT_FALSE(Find<QWidget>(dlg, "MoBtn")->isVisible());
    EXPECT_TRUE(Checked(dlg, "SatBtn") && Checked(dlg, "SunBtn"));
    Click(dlg, "FtagCheckBox");
    EXPECT_FALSE(Find<QWidget>(dlg, "DateEdit1")->isVisible());
    EXPECT_FALSE(Find<QWidget>(dlg, "SatBtn")->isEnabled());
    EXPECT_FALSE(Checked(dlg, "SatBtn"));
    EXPECT_FALSE(Find<QWidget>(dlg, "CWChkBox")->isEnabled());
    TypeEntry(dlg, "0000", "0000", "Feiertag");
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry2Btn");
  ASSERT_EQ(1u, Doc().Zones[0].SaSo.size());
  const TTarifEntry& entry = Doc().Zones[0].SaSo[0];
  EXPECT_EQ("9999", entry.DateFrom);
  EXPECT_EQ("9999", entry.DateTo);
  EXPECT_EQ(386, entry.Weekdays);
  EXPECT_EQ("Feiertag", Cell(TDayClass::SaSo, 0, 5));
  EXPECT_EQ("Sa So Fei", Cell(TDayClass::SaSo, 0, 7));
}

TEST_F(EntryDlgTest, CityPlusTypedIsRefusedButItsBoxSetsIt) {
  Show(CityDocument());
  TScriptedMessageBoxes boxes;
  boxes.Expect("Der Tarifname darf das reservierte Wort \"CityPlus\" nicht enthalten!", idOK, "Fehler");
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "Tarifname");
    Type(name, "CityPlus");
    Leave(name);
    Click(dlg, "CPChkBox");
    EXPECT_EQ("CityPlus", name->text().toStdString());
    EXPECT_FALSE(name->isEnabled());
    EXPECT_FALSE(Find<QWidget>(dlg, "DateEdit2")->isVisible());
    Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), "0000");
    Type(Find<QLineEdit>(dlg, "EntryTimeTo"), "0000");
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_EQ("CityPlus", Doc().Zones[0].Werktag[0].Name);
  EXPECT_EQ("7777", Doc().Zones[0].Werktag[0].DateFrom);
  EXPECT_EQ(124, Doc().Zones[0].Werktag[0].Weekdays);
  EXPECT_EQ("CityPlus", Cell(TDayClass::Werktag, 0, 5));
}

TEST_F(EntryDlgTest, FiftyFirstEntryIsRefusedAndTheOtherListIsNot) {
  Show(CityDocument(50, 0));
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect(
        "Es können keine Einträge hinzugefügt werden. Alle Einträge sind bereits "
        "verwendet!");
    Press("AddEntry1Btn");
  }
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    TypeEntry(dlg, "0800", "1800", "Wochenende");
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry2Btn");
  EXPECT_EQ(50u, Doc().Zones[0].Werktag.size());
  EXPECT_EQ(1u, Doc().Zones[0].SaSo.size());
  EXPECT_EQ(50, Grid(TDayClass::Werktag)->rowCount());
}

TEST_F(EntryDlgTest, DeleteAsksForTheSelectedRowAndRefusesAnEmptyOne) {
  Show(CityDocument(0, 3));
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Sie können diesen Tarif nicht löschen!", idOK,
                 "Löschen eines Tarifs (City, Werktag, Tarif 0)");  // no row is highlighted
    Press("DeleteEntry1Btn");
  }
  Grid(TDayClass::SaSo)->setCurrentCell(1, 0);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie diesen Tarif wirklich löschen?", idYes,
               "Löschen eines Tarifs (City, Sa./So./Feiertag, Tarif 2)");
  Press("DeleteEntry2Btn");
  EXPECT_EQ(2, Grid(TDayClass::SaSo)->rowCount());
  EXPECT_EQ("S2", Cell(TDayClass::SaSo, 0, 4));  // sorted after the delete
  EXPECT_EQ("S0", Cell(TDayClass::SaSo, 1, 4));
  EXPECT_TRUE(Doc().Modified);
}

TEST(EntryDlgFieldTest, KeyFiltersDropWhatFieldsCannotTake) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Nur Ziffern und , erlaubt.")
      .Expect("Nur Ziffern erlaubt. Die Angabe enthaelt bereits ein ,.")
      .Expect("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!");
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
    Click(dlg, "CancelBtn");
  });
  TEntryForm form = NewEntryForm(TTarifFile{}, TDayClass::Werktag);
  TNewEditEntryDlg dlg(form, "Tarif");
  RunModal(dlg);
}

TEST_F(EntryDlgTest, FixedUnitsUseTheirOwnPage) {
  Show(CityDocument());
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    auto* pages = Find<QStackedWidget>(dlg, "UnitsPages");
    EXPECT_EQ("TaktPage", pages->currentWidget()->objectName().toStdString());
    Type(Find<QLineEdit>(dlg, "UnitsToAddEdit"), "2");
    Click(dlg, "OnlyUnits");
    EXPECT_EQ("UnitsPage", pages->currentWidget()->objectName().toStdString());
    EXPECT_FALSE(Find<QWidget>(dlg, "UnitsToAddEdit")->isEnabled());
    EXPECT_EQ(0, Value(dlg, "UnitsToAddEdit"));
    EXPECT_FALSE(Find<QWidget>(dlg, "CPChkBox")->isEnabled());
    Type(Find<QLineEdit>(dlg, "Units"), "3");
    TypeEntry(dlg, "0800", "1800", "Takt");
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_EQ(0, Doc().Zones[0].Werktag[0].Takt);
  EXPECT_EQ(3, Doc().Zones[0].Werktag[0].Units);
  EXPECT_EQ("    3 Einheit(en)", Cell(TDayClass::Werktag, 0, 2));
}

TEST(EntryDlgFieldTest, CentToEuroFillsTheNumberFieldThatHadTheFocus) {
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    test::Enter(Find<QWidget>(dlg, "PriceEdit"));
    Click(dlg, "CentEuroBtn");
    EXPECT_DOUBLE_EQ(0.125, Value(dlg, "PriceEdit"));
    test::Enter(Find<QWidget>(dlg, "Tarifname"));
    Click(dlg, "CentEuroBtn");  // no number field: nothing is written
    EXPECT_DOUBLE_EQ(0.125, Value(dlg, "PriceEdit"));
    Click(dlg, "CancelBtn");
  });
  for (int i = 0; i < 2; ++i) {
    script.Then("dudode::TCentEuroDlg", [](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "CentEdit"), "12,5");
      Click(dlg, "OKBtn");
    });
  }
  TEntryForm form = NewEntryForm(TTarifFile{}, TDayClass::Werktag);
  TNewEditEntryDlg dlg(form, "Tarif");
  RunModal(dlg);
}

}  // namespace
}  // namespace dudode
