// Every kind of number field takes a decimal typed with either separator into
// the document; the suite also runs under de_DE.UTF-8, whose C locale once
// made such input revert silently.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "zones/ZoneDlgTestSupport.h"

namespace dudode {
namespace {

using test::Click;
using test::Find;
using test::TModalScript;
using test::Type;

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
