#include <gtest/gtest.h>

#include <algorithm>

#include "support/ScriptedMessageBoxes.h"
#include "zones/EntryCommands.h"
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
    EXPECT_EQ(0.09, dialog.Seen.Price);
    EXPECT_EQ(90, dialog.Seen.Takt);
    EXPECT_EQ("01.01.", dialog.Seen.DateFrom);
    EXPECT_EQ("31.12.", dialog.Seen.DateTo);
    EXPECT_TRUE(doc.Modified);
    const TTarifEntryList& list = doc.Zones[0].Entries(dayClass);
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ("Neu", list.back().Name);
    EXPECT_EQ(DayClassDays(dayClass), list.back().Weekdays);
    EXPECT_EQ(5, list.back().ZoneMonthlyFee);
    EXPECT_EQ(
        2u,
        doc.Zones[0].Entries(dayClass == TDayClass::Werktag ? TDayClass::SaSo : TDayClass::Werktag).size());
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
  EXPECT_EQ("01:00", dialog.Seen.TimeFrom);  // W1 runs 01:00 to 01:59
  EXPECT_EQ("01:59", dialog.Seen.TimeTo);
  EXPECT_EQ((std::vector<std::string>{"W0", "Mitte", "W2"}), Names(doc.Zones[0].Werktag));
  EXPECT_EQ(8u * 3600, doc.Zones[0].Werktag[1].StartSec);
  EXPECT_TRUE(doc.Modified);

  // Row 4 holds no entry: the same command adds one.
  EXPECT_TRUE(EditEntryCommand(doc, 0, TDayClass::Werktag, 4, dialog.Runner()).GridsChanged);
  EXPECT_EQ("Tarif zur Tarifzone City (Werktag) hinzufügen", dialog.Caption);
  EXPECT_EQ(4u, doc.Zones[0].Werktag.size());
}

TEST(EntryCommandsTest, GridRowsSkipEntriesWithoutTariff) {
  TTarifEntryList list = {TimedEntry("a"), TimedEntry("none"), TimedEntry("b")};
  list[1].Takt = 0;
  list[1].Units = 0;
  EXPECT_EQ(0, EntryIndexOfRow(list, 1));
  EXPECT_EQ(2, EntryIndexOfRow(list, 2));
  EXPECT_EQ(-1, EntryIndexOfRow(list, 3));
  EXPECT_EQ(-1, EntryIndexOfRow(list, 0));
}

TEST(EntryCommandsTest, DeleteAsksWithTheRowInTheCaptionAndSortsAfter) {
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 0, 3));
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Möchten Sie diesen Tarif wirklich löschen?", idNo,
                 "Löschen eines Tarifs (City, Sa./So./Feiertag, Tarif 2)");
    EXPECT_FALSE(DeleteEntryCommand(doc, 0, TDayClass::SaSo, 2).GridsChanged);
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(3u, doc.Zones[0].SaSo.size());
  }
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie diesen Tarif wirklich löschen?", idYes);
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
  EXPECT_EQ("Feiertag", copy.Name);
  EXPECT_EQ("9999", copy.DateFrom);
  EXPECT_EQ(124, copy.Weekdays);  // the holiday code is not carried over
  EXPECT_EQ(2, copy.Units);
  EXPECT_EQ(2u, doc.Zones[0].SaSo.size());
  EXPECT_TRUE(doc.Modified);
}

TEST(EntryCommandsTest, CopyOneNeedsARowAndRoomInTheTarget) {
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Sie müssen einen Tarif in der Liste \"Werktag\" auswählen!", idOK, "Information");
    TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 0, 5));
    EXPECT_FALSE(CopyOneEntryCommand(doc, 0, TDayClass::SaSo, 1).GridsChanged);
    EXPECT_EQ(5u, doc.Zones[0].SaSo.size());
  }
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es können nur 50 Einträge pro Tarif aufgenommen werden!", idOK, "Information");
  TTarifFile doc = DocumentWith(FilledZone("City", "CITY0001", 50, 1));
  EXPECT_FALSE(CopyOneEntryCommand(doc, 0, TDayClass::Werktag, 1).GridsChanged);
  EXPECT_EQ(50u, doc.Zones[0].Werktag.size());
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

}  // namespace
}  // namespace dudode
