#include <gtest/gtest.h>

#include <algorithm>

#include "support/ScriptedMessageBoxes.h"
#include "zones/EntryCommands.h"
#include "zones/GridTexts.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::FilledZone;
using test::TimedEntry;
using test::TScriptedMessageBoxes;

// A runner that fills in a valid entry and confirms, as a user would.
struct TFakeDialog {
  std::string Name = "Neu";
  std::string TimeFrom = "08:00";
  std::string TimeTo = "18:00";
  bool Confirm = true;
  int Shown = 0;
  std::string Caption;
  TEntryForm Seen;

  TEntryDialogRunner Runner() {
    return [this](TEntryForm& form, const std::string& caption) {
      ++Shown;
      Caption = caption;
      form.Open();
      Seen = form;
      if (!Confirm) return false;
      form.TimeFrom = TimeFrom;
      form.TimeTo = TimeTo;
      form.Name = Name;
      return form.Apply();
    };
  }
};

TTarifFile DocumentWith(TKeyAndName zone) {
  TTarifFile doc;
  doc.Price = 0.09;
  doc.Takt = 90;
  doc.Zones.push_back(std::move(zone));
  return doc;
}

std::vector<std::string> Names(const TTarifEntryList& list) {
  std::vector<std::string> names;
  for (const TTarifEntry& e : list) names.push_back(e.Name);
  return names;
}

TEST(EntryCommandsTest, AddAppendsWithTheFileDefaultsAndTheZoneValues) {
  for (TDayClass dayClass : kDayClasses) {
    SCOPED_TRACE(DayClassName(dayClass));
    TKeyAndName zone = FilledZone("City Nah", "CITY0001", 2, 2);
    zone.MonthlyFee = 5;
    TTarifFile doc = DocumentWith(zone);
    TFakeDialog dialog;
    dialog.TimeFrom = "00:00";  // an earlier window than the others: still appended last
    EXPECT_TRUE(AddEntryCommand(doc, 0, dayClass, dialog.Runner()).GridsChanged);
    EXPECT_EQ("Tarif zur Tarifzone City Nah (" + DayClassName(dayClass) + ") hinzufügen", dialog.Caption);
    const TEntryForm& seen = dialog.Seen;
    EXPECT_EQ(std::tuple(0.09, 90.0, "01.01.", "31.12."),
              std::tuple(seen.Price, seen.Takt, seen.DateFrom, seen.DateTo));
    EXPECT_TRUE(doc.Modified);
    const TTarifEntryList& list = doc.Zones[0].Entries(dayClass);
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ(std::tuple("Neu", DayClassDays(dayClass), 5.0),
              std::tuple(list.back().Name, list.back().Weekdays, list.back().ZoneMonthlyFee));
    EXPECT_EQ(5u, doc.Zones[0].Werktag.size() + doc.Zones[0].SaSo.size());  // the other list as it was
  }
}

TEST(EntryCommandsTest, CancelledDialogChangesNothing) {
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 1, 0));
  const TTarifEntryList before = doc.Zones[0].Werktag;
  TFakeDialog dialog;
  dialog.Confirm = false;
  EXPECT_FALSE(AddEntryCommand(doc, 0, TDayClass::SaSo, dialog.Runner()).GridsChanged);
  EXPECT_FALSE(EditEntryCommand(doc, 0, TDayClass::Werktag, 1, dialog.Runner()).GridsChanged);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(doc.Zones[0].SaSo.empty());
  EXPECT_EQ(Names(before), Names(doc.Zones[0].Werktag));
  EXPECT_EQ(before[0].StartSec, doc.Zones[0].Werktag[0].StartSec);
}

TEST(EntryCommandsTest, ChangeKeepsThePlaceAndAnEmptyRowAdds) {
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 3, 0));
  TFakeDialog dialog;
  dialog.Name = "Mitte";
  EXPECT_TRUE(EditEntryCommand(doc, 0, TDayClass::Werktag, 2, dialog.Runner()).GridsChanged);
  EXPECT_EQ("Tarif in Tarifzone City (Werktag) bearbeiten", dialog.Caption);
  EXPECT_EQ(std::tuple("01:00", "01:59"), std::tuple(dialog.Seen.TimeFrom, dialog.Seen.TimeTo));  // W1
  EXPECT_EQ((std::vector<std::string>{"W0", "Mitte", "W2"}), Names(doc.Zones[0].Werktag));
  EXPECT_EQ(8u * 3600, doc.Zones[0].Werktag[1].StartSec);
  EXPECT_TRUE(doc.Modified);

  // Row 4 holds no entry: the same command adds one.
  EXPECT_TRUE(EditEntryCommand(doc, 0, TDayClass::Werktag, 4, dialog.Runner()).GridsChanged);
  EXPECT_EQ("Tarif zur Tarifzone City (Werktag) hinzufügen", dialog.Caption);
  EXPECT_EQ(4u, doc.Zones[0].Werktag.size());
}

// An entry without interval and units is no tariff; one with units alone is.
TEST(EntryCommandsTest, GridRowsSkipEntriesWithoutTariff) {
  TTarifEntryList list = {TimedEntry("a"), TimedEntry("none"), TimedEntry("b")};
  list[1].Takt = list[2].Takt = 0;
  list[1].Units = 0;
  list[2].Units = 2;
  const std::pair<int, int> rows[] = {{1, 0}, {2, 2}, {3, -1}, {0, -1}};  // row, entry index
  for (const auto& [row, index] : rows) EXPECT_EQ(index, EntryIndexOfRow(list, row)) << row;
  const std::vector<TTarifGridRow> texts = TarifGridRows(list);
  ASSERT_EQ(2u, texts.size());
  EXPECT_EQ(std::tuple("a", "b"), std::tuple(texts[0][4], texts[1][4]));
  EXPECT_TRUE(TarifGridRows({}).empty());
}

TEST(EntryCommandsTest, DeleteAsksWithTheRowInTheCaptionAndSortsAfter) {
  const char* const question = "Möchten Sie diesen Tarif wirklich löschen?";
  TScriptedMessageBoxes boxes;
  boxes.Expect(question, idNo, "Löschen eines Tarifs (City, Sa./So./Feiertag, Tarif 2)")
      .Expect(question, idYes);
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 0, 3));
  EXPECT_FALSE(DeleteEntryCommand(doc, 0, TDayClass::SaSo, 2).GridsChanged);
  EXPECT_EQ(std::tuple(false, 3u), std::tuple(doc.Modified, doc.Zones[0].SaSo.size()));
  EXPECT_TRUE(DeleteEntryCommand(doc, 0, TDayClass::SaSo, 2).GridsChanged);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ((std::vector<std::string>{"S2", "S0"}), Names(doc.Zones[0].SaSo));  // S1 gone, the rest sorted
}

TEST(EntryCommandsTest, DeletingFromAnEmptyGridIsRefused) {
  struct Case {
    bool withZone;
    TDayClass dayClass;
    const char* caption;
  } cases[] = {
      {true, TDayClass::Werktag, "Löschen eines Tarifs (City, Werktag, Tarif 1)"},
      {true, TDayClass::SaSo, "Löschen eines Tarifs (City, Sa./So./Feiertag, Tarif 1)"},
      {false, TDayClass::Werktag, "Löschen eines Tarifs (Unbekannt, Werktag, Tarif 1)"},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Sie können diesen Tarif nicht löschen!", idOK, c.caption);
    TTarifFile doc;
    if (c.withZone) doc.Zones.push_back(test::Zone("City", "CITY0001"));
    EXPECT_FALSE(DeleteEntryCommand(doc, c.withZone ? 0 : -1, c.dayClass, 1).GridsChanged);
    EXPECT_EQ(mkFehler, boxes.Boxes().at(0).Kind);
    EXPECT_FALSE(doc.Modified);
  }
}

TEST(EntryCommandsTest, CopyAllAsksAndReplacesOnlyWithConsent) {
  const auto ask = [](const char* from, const char* to) {
    return "Möchten Sie wirklich alle Einträge aus \"" + std::string(from) + "\" in \"" + to + "\" kopieren?";
  };
  const auto full = [](const char* list) {
    return "Es können nur 50 Einträge pro Tarif aufgenommen werden! Sollen die bisherigen Tarife für \"" +
           std::string(list) + "\" gelöscht werden?";
  };
  const std::string askUp = ask("Sa./So./Feiertag", "Werktag"), askDown = ask("Werktag", "Sa./So./Feiertag");
  const std::string fullW = full("Werktag"), fullS = full("Sa./So./Feiertag");
  struct Case {
    const char* what;
    int werktag, saso;
    TDayClass target;
    std::vector<std::pair<std::string, int>> boxes;
    std::size_t targetSize;
    int copies;  // entries of the target that came from the source
    bool modified;
  } cases[] = {
      {"30+25 up, Ja", 30, 25, TDayClass::Werktag, {{askUp, idYes}, {fullW, idYes}}, 25, 25, true},
      {"30+25 up, Nein", 30, 25, TDayClass::Werktag, {{askUp, idYes}, {fullW, idNo}}, 30, 0, true},
      {"20+30 up fits", 20, 30, TDayClass::Werktag, {{askUp, idYes}}, 50, 30, true},
      {"30+20 down fits", 30, 20, TDayClass::SaSo, {{askDown, idYes}}, 50, 30, true},
      {"25+26 down, Ja", 25, 26, TDayClass::SaSo, {{askDown, idYes}, {fullS, idYes}}, 25, 25, true},
      {"not wanted", 3, 3, TDayClass::SaSo, {{askDown, idNo}}, 3, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TScriptedMessageBoxes boxes;
    for (const auto& [text, answer] : c.boxes) boxes.Expect(text, answer);
    TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", c.werktag, c.saso));
    CopyAllEntriesCommand(doc, 0, c.target);
    EXPECT_EQ(c.modified, doc.Modified);
    const TTarifEntryList& list = doc.Zones[0].Entries(c.target);
    EXPECT_EQ(c.targetSize, list.size());
    const char sourcePrefix = c.target == TDayClass::Werktag ? 'S' : 'W';
    EXPECT_EQ(c.copies, std::count_if(list.begin(), list.end(),
                                      [&](const TTarifEntry& e) { return e.Name[0] == sourcePrefix; }));
    for (const TTarifEntry& e : list) EXPECT_EQ(DayClassDays(c.target), e.Weekdays) << e.Name;
    if (c.copies > 0) {
      EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const TTarifEntry& a, const TTarifEntry& b) {
        return a.SortKey < b.SortKey;
      }));
    }
    // The source list is never touched.
    const TDayClass source = c.target == TDayClass::Werktag ? TDayClass::SaSo : TDayClass::Werktag;
    EXPECT_EQ(static_cast<std::size_t>(source == TDayClass::Werktag ? c.werktag : c.saso),
              doc.Zones[0].Entries(source).size());
  }
}

TEST(EntryCommandsTest, CopyAllWithoutZoneIsRefused) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Fügen Sie zuerst eine Tarifzone mit Tarifen hinzu!", idOK, "Fehler");
  TTarifFile doc;
  EXPECT_FALSE(CopyAllEntriesCommand(doc, -1, TDayClass::Werktag).GridsChanged);
}

TEST(EntryCommandsTest, CopyOneTakesTheRowWithTheTargetsDays) {
  TKeyAndName zone = test::Zone("City", "CITY0001");
  TTarifEntry holiday = TimedEntry("Feiertag", "9999", "9999", 0, 24, DayBit(1) | DayBit(7) | DayBit(8));
  holiday.Units = 2;
  zone.SaSo = {TimedEntry("Nacht", "0101", "3112", 0, 8, 130), holiday};
  TTarifFile doc = DocumentWith(zone);
  EXPECT_TRUE(CopyOneEntryCommand(doc, 0, TDayClass::Werktag, 2).GridsChanged);
  ASSERT_EQ(1u, doc.Zones[0].Werktag.size());
  const TTarifEntry& copy = doc.Zones[0].Werktag[0];
  // The holiday code is not carried over.
  EXPECT_EQ(std::tuple("Feiertag", "9999", 124, 2, 2u, true),
            std::tuple(copy.Name, copy.DateFrom, copy.Weekdays, copy.Units, doc.Zones[0].SaSo.size(),
                       doc.Modified));
}

TEST(EntryCommandsTest, CopyOneNeedsARowAndRoomInTheTarget) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Sie müssen einen Tarif in der Liste \"Werktag\" auswählen!", idOK, "Information")
      .Expect("Es können nur 50 Einträge pro Tarif aufgenommen werden!", idOK, "Information");
  TTarifFile noRow = DocumentWith(FilledZone("City", "CITY0001", 0, 5));
  EXPECT_FALSE(CopyOneEntryCommand(noRow, 0, TDayClass::SaSo, 1).GridsChanged);
  EXPECT_EQ(5u, noRow.Zones[0].SaSo.size());
  TTarifFile full = DocumentWith(FilledZone("City", "CITY0001", 50, 1));
  EXPECT_FALSE(CopyOneEntryCommand(full, 0, TDayClass::Werktag, 1).GridsChanged);
  EXPECT_EQ(50u, full.Zones[0].Werktag.size());
}

TEST(EntryCommandsTest, SortButtonOrdersEveryListWithoutMarkingModified) {
  TTarifFile doc;
  TKeyAndName a = test::Zone("A", "AAAA0001");
  a.Werktag = {TimedEntry("cityplus", "7777", "7777"), TimedEntry("summer", "0104", "3009"),
               TimedEntry("year", "0101", "3112")};
  TKeyAndName b = FilledZone("B", "BAAA0001", 0, 3);
  doc.Zones = {a, b};
  SortAllEntryLists(doc);
  EXPECT_EQ((std::vector<std::string>{"year", "summer", "cityplus"}), Names(doc.Zones[0].Werktag));
  EXPECT_EQ((std::vector<std::string>{"S2", "S1", "S0"}), Names(doc.Zones[1].SaSo));
  EXPECT_FALSE(doc.Modified);
}

TTarifEntry Entry(double takt, int units, const char* from = "0101", const char* to = "3112") {
  TTarifEntry e;
  e.Weekdays = DayBit(2) | DayBit(3) | DayBit(4) | DayBit(5) | DayBit(6);
  e.PricePerUnit = 0.12;
  e.StartSec = 8 * 3600;
  e.EndSec = 17 * 3600 + 59 * 60 + 59;
  e.Takt = takt;
  e.Units = units;
  e.Name = "Haupt Zeit";
  e.DateFrom = from;
  e.DateTo = to;
  return e;
}

TEST(GridTextsTest, CellTextsOfAnEntry) {
  const TTarifGridRow row = EntryCellTexts(Entry(60, 0, "0104", "3009"));
  const TTarifGridRow expected = {"08:00:00 Uhr",      "17:59:59 Uhr",   "60,0000 Sekunde(n)",
                                  "    0 Einheit(en)", "Haupt Zeit",     "01.04. / 30.09.",
                                  "0,1200 €",          "Mo Di Mi Do Fr "};
  EXPECT_EQ(expected, row);
}

TEST(GridTextsTest, IntervalAndUnitColumns) {
  struct Case {
    double takt;
    int units;
    const char* interval;
    const char* extra;
  } cases[] = {
      {0, 3, "    3 Einheit(en)", "    0 Einheit(en)"},
      {30, 2, "30,0000 Sekunde(n)", "    2 Einheit(en)"},
      {1.5, 0, "1,5000 Sekunde(n)", "    0 Einheit(en)"},
      {0, 12345, "12345 Einheit(en)", "    0 Einheit(en)"},
  };
  for (const Case& c : cases) {
    const TTarifGridRow row = EntryCellTexts(Entry(c.takt, c.units));
    EXPECT_EQ(c.interval, row[2]) << c.takt << "/" << c.units;
    EXPECT_EQ(c.extra, row[3]) << c.takt << "/" << c.units;
  }
}

TEST(GridTextsTest, SpecialValidityCodesDependOnDateFromOnly) {
  struct Case {
    const char* from;
    const char* to;
    const char* text;
  } cases[] = {
      {"9999", "9999", "Feiertag"},
      {"8888", "8888", "CityWeekend"},
      {"7777", "0101", "CityPlus"},
      {"0101", "8888", "01.01. / 88.88."},
      {"24.12.", "31.12.", "24.12. / 31.12."},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, EntryCellTexts(Entry(60, 0, c.from, c.to))[5]) << c.from;
}

// Days in the week's order, the holiday last; each day alone shows its own name.
TEST(GridTextsTest, WeekdayColumn) {
  const std::pair<TDaySet, const char*> cases[] = {
      {DayBit(2), "Mo "},
      {DayBit(5), "Do "},
      {DayBit(6), "Fr "},
      {DayBit(7), "Sa "},
      {DayBit(1), "So "},
      {DayBit(1) | DayBit(7), "Sa So "},
      {DayBit(1) | DayBit(7) | DayBit(8), "Sa So Fei"},
  };
  for (const auto& [days, text] : cases) {
    TTarifEntry e = Entry(60, 0);
    e.Weekdays = days;
    EXPECT_EQ(text, EntryCellTexts(e)[7]) << days;
  }
}

}  // namespace
}  // namespace dudode
