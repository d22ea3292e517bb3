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

// Key clicks into the field, then Tab leaves it as a user would.
void TypeAndTab(QDialog& dlg, const char* field, const QString& typed) {
  auto* edit = Find<QLineEdit>(dlg, field);
  Type(edit, typed);
  QTest::keyClick(edit, Qt::Key_Tab);
}

struct TNumberField {
  const char* what;
  const char* command;
  std::vector<const char*> dialogs;  // the last one holds the field
  const char* field;
  std::function<void(QDialog&)> before;  // what else the field's dialog needs
  std::function<double(const TTarifFile&)> value;
};

void NewZoneNamed(QDialog& dlg) {
  Type(Find<QLineEdit>(dlg, "TarifName"), "Land");
}

void TimedEntry(QDialog& dlg) {
  Type(Find<QLineEdit>(dlg, "EntryTimeFrom"), "0800");
  Type(Find<QLineEdit>(dlg, "EntryTimeTo"), "1800");
  Type(Find<QLineEdit>(dlg, "Tarifname"), "Tag");
}

const TKeyAndName& LastZone(const TTarifFile& d) {
  return d.Zones.back();
}

// The first entry's or window's value; -1 when there is none.
template <typename T>
double First(const std::vector<T>& list, double T::*value) {
  return list.empty() ? -1 : list.front().*value;
}

using TypedNumbersTest = test::TMainWindowTest;

TEST_F(TypedNumbersTest, EveryNumberFieldKindTakesEitherDecimalSeparator) {
  const char* const kZone = "dudode::TNewEditTarifDlg";
  const TNumberField fields[] = {
      {"entry price",
       "AddEntry1Btn",
       {"dudode::TNewEditEntryDlg"},
       "PriceEdit",
       TimedEntry,
       [](const TTarifFile& d) { return First(d.Zones[0].Werktag, &TTarifEntry::PricePerUnit); }},
      {"clock interval",
       "AddEntry1Btn",
       {"dudode::TNewEditEntryDlg"},
       "TaktEdit",
       TimedEntry,
       [](const TTarifFile& d) { return First(d.Zones[0].Werktag, &TTarifEntry::Takt); }},
      {"connection price",
       "NewZoneToolBtn",
       {kZone},
       "BCPEdit",
       NewZoneNamed,
       [](const TTarifFile& d) { return LastZone(d).ConnectPrice; }},
      {"monthly fee",
       "NewZoneToolBtn",
       {kZone},
       "MonthRateEdit",
       NewZoneNamed,
       [](const TTarifFile& d) { return LastZone(d).MonthlyFee; }},
      {"billing interval",
       "NewZoneToolBtn",
       {kZone},
       "CalcTaktEdit",
       [](QDialog& dlg) {
         NewZoneNamed(dlg);
         Click(dlg, "TaktCheckBox");
         Type(Find<QLineEdit>(dlg, "FirstSecondEdit"), "60");
       },
       [](const TTarifFile& d) { return LastZone(d).CalcTakt; }},
      {"file default price",
       "Tarifoptionen1",
       {"dudode::TTarifOptionsDlg"},
       "PriceEdit",
       nullptr,
       [](const TTarifFile& d) { return d.Price; }},
      {"free time",
       "NewZoneToolBtn",
       {kZone, "dudode::TNoCostsDlg", "dudode::TNoCostEditDlg"},
       "TimeEdit",
       [](QDialog& dlg) {
         Type(Find<QLineEdit>(dlg, "TimeFrom"), "1800");
         Type(Find<QLineEdit>(dlg, "TimeTo"), "1900");
       },
       [](const TTarifFile& d) { return First(LastZone(d).WFreeTimes, &TFreeTimeEntry::FreeSeconds); }},
  };
  for (const TNumberField& f : fields) {
    for (const char* typed : {"0,15", "0.15"}) {
      SCOPED_TRACE(std::string(f.what) + " " + typed);
      TTarifFile doc;
      doc.Takt = 60;  // the file's default clock interval for new entries
      doc.Zones = {test::Zone("City", "CITY0001")};
      Show(doc);
      TModalScript script;
      for (std::size_t i = 0; i + 1 < f.dialogs.size(); ++i) {
        // The dialogs on the way: the zone dialog and the no-cost list.
        script.Then(f.dialogs[i], [i](QDialog& dlg) {
          if (i == 0) NewZoneNamed(dlg);
          Click(dlg, i == 0 ? "NoCostsBtn" : "WAddBtn");
          Click(dlg, "ApplyBtn");
        });
      }
      script.Then(f.dialogs.back(), [&](QDialog& dlg) {
        if (f.before) f.before(dlg);
        TypeAndTab(dlg, f.field, QString::fromLatin1(typed));
        Click(dlg, f.dialogs.back() == std::string("dudode::TNewEditEntryDlg") ? "SaveBtn" : "ApplyBtn");
      });
      if (main->findChild<QAbstractButton*>(f.command))
        Press(f.command);
      else
        Trigger(f.command);
      EXPECT_DOUBLE_EQ(0.15, f.value(Doc()));
    }
  }
}

}  // namespace
}  // namespace dudode
