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

// A runner that opens the form, changes it as a user would and confirms; it
// keeps the caption it was shown with.
TEntryDialogRunner Dialog(std::string& caption, std::function<void(TEntryForm&)> change) {
  return [&caption, change](TEntryForm& form, const std::string& shown) {
    caption = shown;
    form.Open();
    change(form);
    return form.Apply();
  };
}

TTarifFile DocumentWith(TKeyAndName zone) {
  TTarifFile doc;
  doc.Zones = {std::move(zone)};
  return doc;
}

std::vector<std::string> Names(const TTarifEntryList& list) {
  std::vector<std::string> names;
  for (const TTarifEntry& e : list) names.push_back(e.Name);
  return names;
}

// The new entry has the file's price and interval, the whole year, the list's
// days and the zone's values, and is appended even when it starts earlier.
TEST(EntryCommandsTest, AddAppendsWithTheFileDefaultsAndTheZoneValues) {
  for (TDayClass dayClass : kDayClasses) {
    SCOPED_TRACE(DayClassName(dayClass));
    TTarifFile doc = DocumentWith(FilledZone("City Nah", "CITY0001", 2, 2));
    TKeyAndName& zone = doc.Zones[0];
    TTarifEntry expected = TimedEntry("Neu", "0101", "3112", 0, 18, DayClassDays(dayClass));
    doc.Price = expected.PricePerUnit = 0.09;
    doc.Takt = expected.Takt = 90;
    zone.CalcTakt = expected.CalcTakt = 1;
    zone.FirstSecond = expected.FirstSecond = 30;
    zone.ConnectPrice = expected.ZoneConnectPrice = 0.1;
    zone.MonthlyFee = expected.ZoneMonthlyFee = 5;
    std::string caption;
    EXPECT_TRUE(
        AddEntryCommand(
            doc, 0, dayClass,
            Dialog(caption, [](TEntryForm& f) { f.TimeFrom = "00:00", f.TimeTo = "18:00", f.Name = "Neu"; }))
            .GridsChanged);
    EXPECT_EQ("Tarif zur Tarifzone City Nah (" + DayClassName(dayClass) + ") hinzufügen", caption);
    EXPECT_EQ(std::tuple(true, 3u), std::tuple(doc.Modified, zone.Entries(dayClass).size()));
    EXPECT_EQ(test::Fields(expected), test::Fields(zone.Entries(dayClass).back()));
  }
}

// A changed entry keeps its place and every field the form did not change; a
// row without entry adds one; a cancelled dialog changes nothing.
TEST(EntryCommandsTest, ChangeKeepsThePlaceAndTheRestOfTheEntry) {
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 3, 0));
  TTarifEntry& middle = doc.Zones[0].Werktag[1];
  middle = TimedEntry("W1", "0104", "3009", 8, 9, DayBit(kFriday));
  middle.Takt = 7.5;
  middle.Units = 2;
  TTarifEntry expected = middle;
  expected.Name = "Mitte";
  std::string caption;
  const auto rename = Dialog(caption, [](TEntryForm& f) { f.Name = "Mitte"; });
  EXPECT_TRUE(EditEntryCommand(doc, 0, TDayClass::Werktag, 2, rename).GridsChanged);
  EXPECT_EQ("Tarif in Tarifzone City (Werktag) bearbeiten", caption);
  EXPECT_EQ(test::Fields(expected), test::Fields(doc.Zones[0].Werktag[1]));
  EXPECT_TRUE(doc.Modified);

  doc.Modified = false;
  const auto cancel = [&caption](TEntryForm&, const std::string& shown) { return caption = shown, false; };
  EXPECT_FALSE(EditEntryCommand(doc, 0, TDayClass::Werktag, 4, cancel).GridsChanged);
  EXPECT_EQ("Tarif zur Tarifzone City (Werktag) hinzufügen", caption);  // no entry in row 4: adds
  EXPECT_FALSE(AddEntryCommand(doc, 0, TDayClass::SaSo, cancel).GridsChanged);
  EXPECT_FALSE(EditEntryCommand(doc, 0, TDayClass::Werktag, 1, cancel).GridsChanged);
  EXPECT_EQ(std::tuple(false, 0u), std::tuple(doc.Modified, doc.Zones[0].SaSo.size()));
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
  const char* const cannot = "Sie können diesen Tarif nicht löschen!";
  const std::tuple<bool, TDayClass, int, const char*, const char*> cases[] = {
      {true, TDayClass::Werktag, 1, cannot, "Löschen eines Tarifs (City, Werktag, Tarif 1)"},
      {true, TDayClass::SaSo, 1, cannot, "Löschen eines Tarifs (City, Sa./So./Feiertag, Tarif 1)"},
      {false, TDayClass::Werktag, 1, cannot, "Löschen eines Tarifs (Unbekannt, Werktag, Tarif 1)"},
      // no row highlighted
      {true, TDayClass::Werktag, 0, "Sie müssen einen Tarif in der Liste \"Werktag\" auswählen!",
       "Löschen eines Tarifs (City, Werktag)"},
  };
  for (const auto& [withZone, dayClass, row, message, caption] : cases) {
    TScriptedMessageBoxes boxes;
    boxes.Expect(message, idOK, caption);
    TTarifFile doc;
    if (withZone) doc.Zones.push_back(test::Zone("City", "CITY0001"));
    EXPECT_FALSE(DeleteEntryCommand(doc, withZone ? 0 : -1, dayClass, row).GridsChanged);
    EXPECT_EQ(std::tuple(row ? mkFehler : mkInformation, false),
              std::tuple(boxes.Boxes().at(0).Kind, doc.Modified));
  }
}

// The copies take the target's days and are sorted; the replace question
// comes when the two lists hold more than 50 together.
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
    const TTarifEntryList& list = doc.Zones[0].Entries(c.target);
    EXPECT_EQ(std::tuple(c.modified, c.targetSize), std::tuple(doc.Modified, list.size()));
    const char sourcePrefix = c.target == TDayClass::Werktag ? 'S' : 'W';
    EXPECT_EQ(c.copies, std::count_if(list.begin(), list.end(),
                                      [&](const TTarifEntry& e) { return e.Name[0] == sourcePrefix; }));
    for (const TTarifEntry& e : list) EXPECT_EQ(DayClassDays(c.target), e.Weekdays) << e.Name;
    if (c.modified) {
      EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                                 [](const auto& a, const auto& b) { return a.StartSec < b.StartSec; }));
    }
  }
}

TEST(EntryCommandsTest, CopyOneTakesTheRowWithTheTargetsDays) {
  TTarifFile doc = DocumentWith(test::Zone("City", "CITY0001"));
  doc.Zones[0].SaSo = {TimedEntry("Nacht", "0101", "3112", 0, 8, 130),
                       TimedEntry("Feiertag", "9999", "9999", 0, 24, DayBit(1) | DayBit(7) | DayBit(8))};
  EXPECT_TRUE(CopyOneEntryCommand(doc, 0, TDayClass::Werktag, 2).GridsChanged);
  const TTarifEntry& copy = doc.Zones[0].Werktag.at(0);
  EXPECT_EQ(std::tuple("Feiertag", 124, true),
            std::tuple(copy.Name, copy.Weekdays, doc.Modified));  // no holiday
}

TEST(EntryCommandsTest, CopyingNeedsAZoneARowAndRoomInTheTarget) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Fügen Sie zuerst eine Tarifzone mit Tarifen hinzu!", idOK, "Fehler")
      .Expect("Sie müssen einen Tarif in der Liste \"Werktag\" auswählen!", idOK, "Information")
      .Expect("Es können nur 50 Einträge pro Tarif aufgenommen werden!", idOK, "Information");
  TTarifFile none;
  EXPECT_FALSE(CopyAllEntriesCommand(none, -1, TDayClass::Werktag).GridsChanged);
  TTarifFile noRow = DocumentWith(FilledZone("City", "CITY0001", 0, 5));
  EXPECT_FALSE(CopyOneEntryCommand(noRow, 0, TDayClass::SaSo, 1).GridsChanged);
  TTarifFile full = DocumentWith(FilledZone("City", "CITY0001", 50, 1));
  EXPECT_FALSE(CopyOneEntryCommand(full, 0, TDayClass::Werktag, 1).GridsChanged);
}

TEST(EntryCommandsTest, SortButtonOrdersEveryListWithoutMarkingModified) {
  TTarifFile doc = DocumentWith(test::Zone("A", "AAAA0001"));
  doc.Zones[0].Werktag = {TimedEntry("cityplus", "7777", "7777"), TimedEntry("summer", "0104", "3009"),
                          TimedEntry("year", "0101", "3112")};
  doc.Zones.push_back(FilledZone("B", "BAAA0001", 0, 3));
  SortAllEntryLists(doc);
  EXPECT_EQ((std::vector<std::string>{"year", "summer", "cityplus"}), Names(doc.Zones[0].Werktag));
  EXPECT_EQ((std::vector<std::string>{"S2", "S1", "S0"}), Names(doc.Zones[1].SaSo));
  EXPECT_FALSE(doc.Modified);
}

TEST(GridTextsTest, CellTextsOfAnEntry) {
  const TTarifGridRow expected = {"08:00:00 Uhr",      "17:59:59 Uhr",   "60,0000 Sekunde(n)",
                                  "    0 Einheit(en)", "Haupt Zeit",     "01.04. / 30.09.",
                                  "0,0600 €",          "Mo Di Mi Do Fr "};
  EXPECT_EQ(expected, EntryCellTexts(TimedEntry("Haupt Zeit", "0104", "3009", 8, 18)));
}

TEST(GridTextsTest, IntervalAndUnitColumns) {
  const std::tuple<double, int, const char*, const char*> cases[] = {
      {0, 3, "    3 Einheit(en)", "    0 Einheit(en)"},
      {30, 2, "30,0000 Sekunde(n)", "    2 Einheit(en)"},
      {1.5, 0, "1,5000 Sekunde(n)", "    0 Einheit(en)"},
      {0, 12345, "12345 Einheit(en)", "    0 Einheit(en)"},
  };
  for (const auto& [takt, units, interval, extra] : cases) {
    TTarifEntry e = TimedEntry("x");
    e.Takt = takt;
    e.Units = units;
    const TTarifGridRow row = EntryCellTexts(e);
    EXPECT_EQ(std::tuple(interval, extra), std::tuple(row[2], row[3])) << takt << "/" << units;
  }
}

TEST(GridTextsTest, SpecialValidityCodesDependOnDateFromOnly) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"9999", "9999", "Feiertag"},
      {"8888", "8888", "CityWeekend"},
      {"7777", "0101", "CityPlus"},
      {"0101", "8888", "01.01. / 88.88."},
      {"24.12.", "31.12.", "24.12. / 31.12."},
  };
  for (const auto& [from, to, text] : cases)
    EXPECT_EQ(text, EntryCellTexts(TimedEntry("x", from, to))[5]) << from;
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
    EXPECT_EQ(text, EntryCellTexts(TimedEntry("x", "0101", "3112", 0, 24, days))[7]) << days;
  }
}

}  // namespace
}  // namespace dudode
