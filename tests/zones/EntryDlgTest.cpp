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

// W0 of the city zone, Mo-Fr 00:00 to 00:59, is shown, given the end 18:00
// (the minute before it) and changed into a CityPlus entry by its box.
TEST_F(EntryDlgTest, ChangedEntryIsShownAndComesBackAsEntered) {
  Show(CityDocument(1, 0));
  Grid(TDayClass::Werktag)->setCurrentCell(0, 0);
  TModalScript script;
  script.Then(kEntryDlg, [](QDialog& dlg) {
    for (const char* day : {"MoBtn", "TuBtn", "WedBtn", "ThuBtn", "FrBtn"})
      EXPECT_TRUE(Checked(dlg, day)) << day;
    for (const char* hidden : {"SatBtn", "SunBtn", "FtagCheckBox", "CWChkBox"})
      EXPECT_FALSE(Find<QWidget>(dlg, hidden)->isVisible()) << hidden;
    EXPECT_EQ(0.06, Value(dlg, "PriceEdit"));
    EXPECT_EQ("€", Find<QLabel>(dlg, "CurrencyLabel")->text().toStdString());
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

// A refusal of the final check keeps the dialog open with the focus where the rule wants it.
TEST(EntryDlgFieldTest, FinalCheckRefusalsKeepTheDialogOpen) {
  const struct {
    const char *from, *to, *dateFrom, *dateTo, *message, *focus;
  } cases[] = {
      {"1200", "1200", "0101", "3112",
       "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!", "EntryTimeFrom"},
      {"0800", "1800", "0206", "0106",
       "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!", "DateEdit1"},
  };
  TTarifFile doc;
  doc.Takt = 60;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    TScriptedMessageBoxes boxes;
    boxes.Expect(c.message);
    TModalScript script;
    script.Then(kEntryDlg, [&](QDialog& dlg) {
      Type(Find<QLineEdit>(dlg, "DateEdit1"), c.dateFrom);
      Type(Find<QLineEdit>(dlg, "DateEdit2"), c.dateTo);
      TypeEntry(dlg, c.from, c.to, "Tarif");
      Click(dlg, "SaveBtn");
      EXPECT_TRUE(dlg.isVisible());
      EXPECT_EQ(c.focus, dlg.focusWidget()->objectName().toStdString());
      Click(dlg, "CancelBtn");
    });
    TNewEditEntryDlg dlg(NewEntryForm(doc, TDayClass::Werktag), "Tarif");
    EXPECT_NE(QDialog::Accepted, RunModal(dlg));
    EXPECT_FALSE(dlg.Confirmed());
  }
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
  EXPECT_EQ(std::tuple(50u, 1u, 50), std::tuple(Doc().Zones[0].Werktag.size(), Doc().Zones[0].SaSo.size(),
                                                Grid(TDayClass::Werktag)->rowCount()));
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
