#include <gtest/gtest.h>

#include <tuple>

#include "TarifTestSupport.h"
#include "core/TarifReader.h"
#include "core/Values.h"

namespace dudode {
namespace {

using namespace std::string_literals;
using test::Crlf;
using test::TScriptedMessageBoxes;

// "start-end/free " of each window.
template <class W>
std::string Windows(const std::vector<W>& list) {
  std::string out;
  for (const W& w : list) {
    out += TimeTextLong(w.StartSec) + "-" + TimeTextLong(w.EndSec);
    if constexpr (requires { w.FreeSeconds; }) out += "/" + NumberText(w.FreeSeconds);
    out += " ";
  }
  return out;
}

class TarifReaderTest : public test::TarifTest {
 protected:
  // A file with one zone ZONE0001 and the given extra lines.
  static std::string OneZone(const std::string& sections) {
    return Crlf("[REGIONENINDEX]\nR0=Zone_Eins,ZONE0001\n" + sections);
  }
};

TEST_F(TarifReaderTest, MissingFileGivesEmptyDocumentWithDefaults) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc;
  doc.FileName = "RATES.5";
  doc.Zones.resize(3);
  doc.Holidays.push_back({"0101"});
  doc.Modified = true;  // the reader leaves the flag to its caller
  LoadTarifFile(doc);
  EXPECT_EQ(std::tuple("RATES.5", true, 0u, 0u, "Unbekannte Datei - Keine Information", "03/15/2024", "3.10"),
            std::tuple(doc.FileName, doc.Modified, doc.Zones.size(), doc.Holidays.size(), doc.Description,
                       doc.FileDate, doc.Version));
  EXPECT_FALSE(dir.Exists("RATES.5")) << "reading creates no file";
}

// Every field of an entry comes back through the writer's round trip; here what
// only reading shows: a day set with the holiday, a name's comment.
TEST_F(TarifReaderTest, ReadsEntryFields) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(OneZone("[ZONE0001SASO]\nZONE00010=178|0.0300/60.0000/1.0000/00:00-23:59/120.0000/2/"
                   "9999-9999,Feier_tag;comment\n"));
  const TTarifEntry& s = doc.Zones.at(0).SaSo.at(0);
  // Underscores come back as blanks, a ';' starts a comment.
  EXPECT_EQ(std::tuple(DayBit(1) | DayBit(7) | DayBit(8), 86399u, 2, "Feier tag", "9999"),
            std::tuple(s.Weekdays, s.EndSec, s.Units, s.Name, s.DateTo));
}

// The syntax check wants the first "-" after the sixth character, followed by
// five characters and a "/"; such values are dropped. Other faults name the
// entry and keep it unless Takt and Units end up 0 (the sort drops those).
TEST_F(TarifReaderTest, EntryValuesAreReportedAndKeptOrDropped) {
  const std::string syntax = "Der Tarif für Schlüssel ZONE0001 ist fehlerhaft! Tarif wird nicht gelesen!";
  // The value, the name in the message (empty: none), the units read (-1: dropped).
  const std::tuple<const char*, std::string, int> cases[] = {
      {"23456|0.06/60/1/09:00/17:59/60/0/0101/3112,NoDash", syntax, -1},
      {"2|0.1-/60/1/09:00-17:59/60/0/0101-3112,EarlyDash", syntax, -1},
      {"23456|0.06/60/1/09:00-17:5/60/0/0101-3112,ShortEnd", syntax, -1},
      {"23456|0.06/60/1/09:00-1", syntax, -1},
      // An end of 24:00 is no valid time: Takt and Units become 0.
      {"23456|0.06/60/1/09:00-24:00/60/0/0101-3112,Bis_Mitternacht", "Bis Mitternacht", -1},
      {"23456|0.06/60/1/09:60-17:59/60/0/0101-3112,Minute", "Minute", -1},
      {"23456|0.06/60/1/9:00-17:59/60/0/0101-3112,Stunde", "Stunde", -1},
      {"23456|0.0x/60/1/09:00-17:59/60/0/0101-3112,Preis", "Preis", 0},
      {"23456|0.06/6o/1/09:00-17:59/60/0/0101-3112,Takt", "Takt", 0},
      {"23456|0.06/60/1/09:00-17:59/60/5x/0101-3112,Einheiten", "Einheiten", 5},
      {"23456|0.06/60/1/09:00-17:59/sec/7/0101-3112,", "Unbekannt", 7},
      {"23456|0.06/60/1/09:00-17:59/0/0/0101-3112,Nichts", "", -1},         // no tariff: gone silently
      {"23456|0.06/60/1/00:00-08:59/0/4/0101-3112,Vier_Einheiten", "", 4},  // units alone keep it
  };
  for (const auto& [value, message, units] : cases) {
    SCOPED_TRACE(value);
    TScriptedMessageBoxes boxes;
    if (message == syntax) {
      boxes.Expect(syntax, idOK, "Syntax Fehler");
    } else if (!message.empty()) {
      boxes.Expect("Tarif für " + message + " ( ZONE0001WERKTAG ) ist nicht korrekt.", idOK, "Fehler");
    }
    const TTarifEntryList list =
        Load(OneZone("[ZONE0001WERKTAG]\nZONE00010="s + value + "\n")).Zones.at(0).Werktag;
    EXPECT_EQ(units, list.empty() ? -1 : list[0].Units);
    for (const auto& box : boxes.Boxes()) EXPECT_EQ(mkFehler, box.Kind);
  }
}

TEST_F(TarifReaderTest, NamesAreCutAfterTheMessageAndDefaulted) {
  const std::string longName(60, 'n');
  TScriptedMessageBoxes boxes;
  boxes.Expect("Tarif für " + longName + " ( ZONE0001SASO ) ist nicht korrekt.");
  const TTarifFile doc = Load(OneZone("[ZONE0001SASO]\nZONE00010=17|x/0/0/12:00-23:59/60/0/0101-3112," +
                                      longName + "\nZONE00011=17|0.1/0/0/00:00-11:59/60/0/0101-3112\n"));
  const TTarifEntryList& saso = doc.Zones.at(0).SaSo;
  // Without a ',' the name is "Unbekannt" and the dates still count.
  EXPECT_EQ(std::tuple(2u, "Unbekannt", "0101", std::string(50, 'n')),
            std::tuple(saso.size(), saso.at(0).Name, saso.at(0).DateFrom, saso.at(1).Name));
}

TEST_F(TarifReaderTest, OnlyTheFirstFiftyKeysCount) {
  std::string index = "[REGIONENINDEX]\n", lists;
  for (int z = 0; z < 51; ++z) index += "R" + std::to_string(z) + "=Zone,Z" + std::to_string(1000 + z) + "\n";
  for (const char* section : {"WERKTAG", "SASO"}) {
    lists += std::string("[Z1000") + section + "]\n";
    for (int e = 0; e < 51; ++e) {
      const std::string hour = TwoDigitText(e % 24);
      lists += "k" + std::to_string(e) + "=23456|0.1/0/0/" + hour + ":00-" + hour + ":59/60/0/0101-3112,E" +
               std::to_string(e) + "\n";
    }
  }
  TScriptedMessageBoxes boxes;
  TTarifFile doc = Load(Crlf(index + lists));
  EXPECT_EQ(std::tuple(50u, "Z1049"), std::tuple(doc.Zones.size(), doc.Zones.back().Key));
  for (TDayClass dayClass : kDayClasses) {
    const TTarifEntryList& list = doc.Zones[0].Entries(dayClass);
    ASSERT_EQ(50u, list.size());
    EXPECT_TRUE(std::none_of(list.begin(), list.end(), [](const TTarifEntry& e) { return e.Name == "E50"; }));
  }
}

TEST_F(TarifReaderTest, BillingIntervalComesFromFirstEntriesWeekendWins) {
  // CalcTakt/FirstSecond of the first workday and weekend entry (null: none), the zone's result.
  const std::tuple<const char*, const char*, double, double> cases[] = {
      {"60/1", "30/1", 30, 1},  {"60/1", "30/0", 60, 1},  // the weekend entry does not qualify
      {"0/1", "0/0", 0, 0},     {nullptr, "10/2", 10, 2},
      {"45/3", nullptr, 45, 3}, {"-60000/1", nullptr, 0, 0},  // a negative interval reads as 0
  };
  for (const auto& [werktag, saso, calcTakt, firstSecond] : cases) {
    std::string text;
    if (werktag) {
      text += "[ZONE0001WERKTAG]\nZONE00010=23456|0.1/"s + werktag +
              "/00:00-11:59/60/0/0101-3112,A\nZONE00011=23456|0.1/99/99/12:00-23:59/60/0/0101-3112,B\n";
    }
    if (saso) text += "[ZONE0001SASO]\nZONE00010=17|0.1/"s + saso + "/00:00-23:59/60/0/0101-3112,C\n";
    SCOPED_TRACE(text);
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    const TKeyAndName zone = Load(OneZone("[ConnectPrice]\nZONE0001=0.05/3\n" + text)).Zones[0];
    EXPECT_EQ(std::tuple(calcTakt, firstSecond), std::tuple(zone.CalcTakt, zone.FirstSecond));
    for (const TTarifEntryList* list : {&zone.Werktag, &zone.SaSo}) {
      for (const TTarifEntry& e : *list) {
        EXPECT_EQ(std::tuple(calcTakt, firstSecond, 0.05, 3.0),
                  std::tuple(e.CalcTakt, e.FirstSecond, e.ZoneConnectPrice, e.ZoneMonthlyFee));
      }
    }
  }
}

TEST_F(TarifReaderTest, ZoneOptionsAndTheirDefaults) {
  // Lines for ZONE0001; connect price, monthly fee, relations, 10plus, rounding.
  const std::tuple<const char*, std::tuple<double, double, TRelationSet, bool, int>> cases[] = {
      {"", {0, 0, 0, false, 0}},
      {"[ConnectPrice]\nZONE0001=0.1200\n", {0.12, 0, 0, false, 0}},
      {"[ConnectPrice]\nzone0001 = 0.06 / 2.5 ; monthly\n", {0.06, 2.5, 0, false, 0}},
      {"[ConnectPrice]\nZONE0001=abc/1.5\n", {0, 1.5, 0, false, 0}},
      {"[ConnectPrice]\nZONE0001=\n", {0, 0, 0, false, 0}},
      {"[RELATIONS]\nZONE0001=[0, 2,5] ;areas\n", {0, 0, 0b100101, false, 0}},
      {"[10plus]\nZONE0001=YES\n", {0, 0, 0, true, 0}},
      {"[10plus]\nZONE0001=yes\n", {0, 0, 0, false, 0}},
      {"[RoundTo]\nZONE0001=1\n", {0, 0, 0, false, 1}},
      {"[RoundTo]\nZONE0001=x\n", {0, 0, 0, false, 0}},
  };
  for (const auto& [lines, expected] : cases) {
    TScriptedMessageBoxes boxes;
    const TKeyAndName zone = Load(OneZone(lines)).Zones.at(0);
    EXPECT_EQ(expected, std::tuple(zone.ConnectPrice, zone.MonthlyFee, zone.Relations, zone.TenPlusActive,
                                   zone.RoundTo))
        << lines;
  }
}

TEST_F(TarifReaderTest, AccessInfos) {
  // The Registration line (null: none); whether the zone is registered.
  const std::pair<const char*, bool> cases[] = {{nullptr, true}, {"1", true},    {"0", false},
                                                {"2", false},    {"yes", false}, {"", false}};
  for (const auto& [registration, expected] : cases) {
    std::string section =
        "[AccessInfos_ZONE0001]\nPhoneNr=0191#0192\nUserName=a b\xFE"
        "c\nPassword= geheim \n"
        "NichtBundesweit=1\n";
    if (registration) section += "Registration="s + registration + "\n";
    TScriptedMessageBoxes boxes;
    const TAccessInfos a = Load(OneZone(section)).Zones[0].Access;
    // The user name is read as it stands, not cleaned.
    EXPECT_EQ(std::tuple(expected, "0191#0192",
                         "a b\u00FE"
                         "c",
                         "geheim", true),
              std::tuple(a.Registration, a.PhoneNr, a.UserName, a.Password, a.NichtBundesweit))
        << (registration ? registration : "(missing)");
  }
  TScriptedMessageBoxes boxes;
  const TAccessInfos none = Load(OneZone("")).Zones[0].Access;
  EXPECT_EQ(std::pair(true, false), std::pair(none.Registration, none.NichtBundesweit));
}

// Windows with a start after 23:59 or without "-" are dropped; a number that does not parse gives 0.
TEST_F(TarifReaderTest, FreeTimesAndNo10plusWindows) {
  TScriptedMessageBoxes boxes;
  const TKeyAndName zone =
      Load(OneZone(
               "[ZONE0001WFREETIMES]\nF0=00:00-05:59/30.0000/\nF1=25:00-05:59/30/\nF2=\nx=06:00-06:59/abc/\n"
               "[ZONE0001FFREETIMES]\nF0=10:00-10:59/12.5/extra/\n"
               "[ZONE0001WNO10PLUS]\n0=09:00-11:59/\n1=09:00/11:59\n"
               "[ZONE0001FNO10PLUS]\n0=00:00-23:59/\n"))
          .Zones[0];
  EXPECT_EQ(
      "00:00:00-05:59:59/30.0000 06:00:00-06:59:59/0.0000 |10:00:00-10:59:59/12.5000 |09:00:00-11:59:59 |"
      "00:00:00-23:59:59 ",
      Windows(zone.WFreeTimes) + "|" + Windows(zone.FFreeTimes) + "|" + Windows(zone.WNo10plus) + "|" +
          Windows(zone.FNo10plus));
}

// Values without a usable key create no zone, names are cut to 100 characters; the zones that remain read
// their own sections and each has both entry lists.
TEST_F(TarifReaderTest, IndexValuesWithoutKeyCreateNoZone) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = Load(Crlf(
      "[REGIONENINDEX]\nR0=\nR1=Ohne_Schluessel,\nR2=OhneKomma\nR3=;nur Kommentar\nR4=Fern zone , FERN 0001\n"
      "R5=,LEER0001\nR7=Klammer,[COMMON]\nR8=Gleich,A=B\nR6=" +
      std::string(99, 'a') +
      "\xE4\xF6,LANG0001\n"  // umlauts count as one character each
      "[ConnectPrice]\nR0=9/9\nFERN0001=0.2/1\n"
      "[FERN0001SASO]\nFERN00010=17|0.1/0/0/00:00-23:59/60/0/0101-3112,Wochenende\n"));
  ASSERT_EQ(3u, doc.Zones.size());
  const TKeyAndName& fern = doc.Zones[0];
  // The value is cleaned of blanks.
  EXPECT_EQ(std::tuple("FERN0001", "Fernzone", 0.2, 1.0, 0u, 1u),
            std::tuple(fern.Key, fern.DisplayName, fern.ConnectPrice, fern.MonthlyFee, fern.Werktag.size(),
                       fern.SaSo.size()));
  EXPECT_EQ(std::tuple("LEER0001", "", std::string(99, 'a') + "ä"),
            std::tuple(doc.Zones[1].Key, doc.Zones[1].DisplayName, doc.Zones[2].DisplayName));
}

TEST_F(TarifReaderTest, FileOptionsAndTheirDefaults) {
  // The [OPTIONS] lines; price, clock interval, base connect price, city weekend.
  const std::tuple<const char*, std::tuple<double, double, double, bool>> cases[] = {
      {"", {0.12, 0, 0, true}},
      {"PRICE=\nTAKT=\nBASECONNECTPRICE=\nCITYWEEKEND24123112=\n", {0.12, 0, 0, true}},
      {"PRICE=abc\nTAKT=x\nBASECONNECTPRICE=y\nCITYWEEKEND24123112=NO\n", {0.12, 0, 0, false}},
      {"PRICE= 0.2 ;x\nTAKT=60\nBASECONNECTPRICE=0.0500\nCITYWEEKEND24123112=yes\n", {0.2, 60, 0.05, false}},
      {"CITYWEEKEND24123112=YES\n", {0.12, 0, 0, true}},
  };
  for (const auto& [options, expected] : cases) {
    TScriptedMessageBoxes boxes;
    TTarifFile doc = Load(Crlf("[OPTIONS]\n"s + options));
    EXPECT_EQ(expected, std::tuple(doc.Price, doc.Takt, doc.BaseConnectPrice, doc.CityWeekend)) << options;
  }
}

// The plain texts come back through the writer's round trip; here comments,
// blanks, empty values and umlauts, in a file without a zone index: no zone,
// the other sections still count.
TEST_F(TarifReaderTest, CommonTexts) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(Crlf("[COMMON]\nSTRVERSION=Dudode version 2.00\nVERSION=\nFILEDATE=12/24/2001 ;edited\n"
                "FILENAME=Testnetz_S\xFC"
                "d ;comment\nWWW=www.test netz.de\n[OPTIONS]\nPRICE=0.5\n"
                "[ZONE0001WERKTAG]\nZONE00010=23456|0.06/60/1/09:00-17:59/60/0/0101-3112,Verwaist\n"));
  EXPECT_EQ(std::tuple("Dudode version 2.00", "", "12/24/2001", "Testnetz Süd", "www.testnetz.de", 0u, 0.5),
            std::tuple(doc.StrVersion, doc.Version, doc.FileDate, doc.Description, doc.WWW, doc.Zones.size(),
                       doc.Price));
  // An empty date becomes today; an empty name is kept, so that the save asks for one.
  doc = Load(Crlf("[COMMON]\nFILEDATE=\nFILENAME=\n"));
  EXPECT_EQ(std::tuple("03/15/2024", ""), std::tuple(doc.FileDate, doc.Description));
}

// Holiday keys do not matter, a repeated key reads the first value; application
// names in capitals cut to 20, their texts to 100 characters.
TEST_F(TarifReaderTest, HolidaysAndApplications) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(Crlf("[FEIERTAGE]\nF0=0101\nF1=\nanything= 2512 \nF0=0612\n"
                "[APPLICATIONS]\nmsdial=Microsoft DF\xDC-Netzwerk\n\xE4rger=App\nleer=\n"
                "abcdefghijklmnopqrstuvwxyz=Lang\nlang=" +
                std::string(120, 'x') + "\n"));
  std::string got;
  for (const TFeiertag& h : doc.Holidays) got += h.Date + " ";
  for (const TAppEntry& a : doc.Applications) got += "|" + a.TapiName + "=" + a.AppName;
  EXPECT_EQ("0101 2512 0101 |MSDIAL=Microsoft DFÜ-Netzwerk|ÄRGER=App|ABCDEFGHIJKLMNOPQRST=Lang|LANG=" +
                std::string(100, 'x'),
            got);
}

TEST_F(TarifReaderTest, HandEditedFixtureLoads) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Der Tarif für Schlüssel CITY0001 ist fehlerhaft! Tarif wird nicht gelesen!");
  boxes.Expect("Tarif für Spät ( CITY0001WERKTAG ) ist nicht korrekt.");
  dir.Write("Rates.hand", test::TestDataFile("tarif/Rates.hand"));
  TTarifFile doc = LoadName("Rates.hand");
  const TKeyAndName& city = doc.Zones.at(0);
  const TKeyAndName& fern = doc.Zones.at(1);
  // Entries come sorted; the weekend list gives the zone's interval.
  EXPECT_EQ(std::tuple(2u, "Handgeschriebene Testdatei", "City_Zone", 60.0, 2u, "Nacht", "Haupt Zeit",
                       "FERN0001", 1u, 30.0, 2u),
            std::tuple(doc.Zones.size(), doc.Description, city.DisplayName, city.CalcTakt,
                       city.Werktag.size(), city.Werktag.at(0).Name, city.Werktag.at(1).Name, fern.Key,
                       fern.SaSo.size(), fern.CalcTakt, doc.Holidays.size()));
}

}  // namespace
}  // namespace dudode
