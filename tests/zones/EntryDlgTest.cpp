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
    for (const char* day : {"MoBtn", "TuBtn", "WedBtn", "ThuBtn", "FrBtn"})
      EXPECT_TRUE(Checked(dlg, day)) << day;
    for (const char* hidden : {"SatBtn", "SunBtn", "FtagCheckBox", "CWChkBox"}) {
      EXPECT_FALSE(Find<QWidget>(dlg, hidden)->isVisible()) << hidden;
    }
    EXPECT_EQ(0.12, Value(dlg, "PriceEdit"));
    EXPECT_EQ("€", Find<QLabel>(dlg, "CurrencyLabel")->text().toStdString());
    TypeEntry(dlg, "0800", "1800", "Tag");
    EXPECT_EQ("17:59", Text(dlg, "EntryTimeTo"));  // adjusted when the field was left
    Click(dlg, "SaveBtn");
  });
  Press("AddEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ("17:59:59 Uhr", Cell(TDayClass::Werktag, 0, 1));

  Grid(TDayClass::Werktag)->setCurrentCell(0, 0);
  script.Then(kEntryDlg, [](QDialog& dlg) {
    EXPECT_EQ("17:59", Text(dlg, "EntryTimeTo"));
    Type(Find<QLineEdit>(dlg, "Tarifname"), "Tag neu");
    Click(dlg, "SaveBtn");
  });
  Press("EditEntry1Btn");
  ASSERT_EQ(1u, Doc().Zones[0].Werktag.size());
  EXPECT_EQ("Tag neu", Doc().Zones[0].Werktag[0].Name);
  EXPECT_EQ(18u * 3600 - 1, Doc().Zones[0].Werktag[0].EndSec);  // 17:59 stays 17:59
}

// Each case types into a fresh dialog and presses "Übernehmen" once.
TEST(EntryDlgFieldTest, FinalCheckRefusalsKeepTheDialogOpen) {
  const std::string times = "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!";
  const std::string dates = "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!";
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

TEST_F(EntryDlgTest, CityPlusBoxSetsNameAndHidesTheDates) {
  Show(CityDocument());
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    auto* name = Find<QLineEdit>(dlg, "Tarifname");
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
