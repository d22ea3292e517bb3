#include <gtest/gtest.h>

#include "TarifTestSupport.h"
#include "core/TarifReader.h"
#include "core/Values.h"

namespace dudode {
namespace {

using test::Crlf;
using test::TScriptedMessageBoxes;

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
  doc.Description = "old";
  doc.Zones.resize(3);
  doc.Holidays.push_back({"0101"});
  doc.Modified = true;
  LoadTarifFile(doc);

  EXPECT_EQ("RATES.5", doc.FileName);
  EXPECT_TRUE(doc.Modified) << "the reader leaves the flag to its caller";
  EXPECT_TRUE(doc.Zones.empty());
  EXPECT_TRUE(doc.Holidays.empty());
  EXPECT_EQ("Unbekannte Datei - Keine Information", doc.Description);
  EXPECT_EQ("03/15/2024", doc.FileDate);
  EXPECT_EQ("3.10", doc.Version);
  EXPECT_EQ("", doc.StrVersion);
  EXPECT_DOUBLE_EQ(0.12, doc.Price);
  EXPECT_DOUBLE_EQ(0, doc.Takt);
  EXPECT_TRUE(doc.CityWeekend);
  EXPECT_FALSE(dir.Exists("RATES.5")) << "reading creates no file";
}

// Every field of an entry comes back through the writer's round trip; here what
// only reading shows: the caption, a day set with the holiday, a name's comment.
TEST_F(TarifReaderTest, ReadsEntryFields) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(OneZone("[ZONE0001SASO]\nZONE00010=178|0.0300/60.0000/1.0000/00:00-23:59/120.0000/2/"
                   "9999-9999,Feier_tag;comment\n"));
  ASSERT_EQ(1u, doc.Zones.size());
  const TKeyAndName& zone = doc.Zones[0];
  EXPECT_EQ("Zone_Eins", zone.DisplayName);
  EXPECT_EQ("Zone Eins", zone.MenuCaption());
  ASSERT_EQ(1u, zone.SaSo.size());
  const TTarifEntry& s = zone.SaSo[0];
  EXPECT_EQ(DayBit(1) | DayBit(7) | DayBit(8), s.Weekdays);
  EXPECT_EQ(86399u, s.EndSec);
  EXPECT_EQ(2, s.Units);
  EXPECT_EQ("Feier tag", s.Name) << "underscores come back as blanks, a ';' starts a comment";
  EXPECT_EQ("9999", s.DateTo);
}

// The syntax check wants the first "-" after the sixth character, followed by
// five characters and a "/"; such values are dropped. Other faults name the
// entry and keep it unless Takt and Units end up 0 (the sort drops those).
TEST_F(TarifReaderTest, EntryValuesAreReportedAndKeptOrDropped) {
  const std::string syntax = "Der Tarif für Schlüssel ZONE0001 ist fehlerhaft! Tarif wird nicht gelesen!";
  const struct {
    const char* value;
    std::string message;  // empty: none
    bool kept;
    std::int32_t units;  // when kept
  } cases[] = {
      {"23456|0.06/60/1/09:00/17:59/60/0/0101/3112,NoDash", syntax, false, 0},
      {"2|0.1-/60/1/09:00-17:59/60/0/0101-3112,EarlyDash", syntax, false, 0},
      {"23456|0.06/60/1/09:00-17:5/60/0/0101-3112,ShortEnd", syntax, false, 0},
      {"23456|0.06/60/1/09:00-1", syntax, false, 0},
      // An end of 24:00 is no valid time: Takt and Units become 0.
      {"23456|0.06/60/1/09:00-24:00/60/0/0101-3112,Bis_Mitternacht", "Bis Mitternacht", false, 0},
      {"23456|0.06/60/1/09:60-17:59/60/0/0101-3112,Minute", "Minute", false, 0},
      {"23456|0.06/60/1/9:00-17:59/60/0/0101-3112,Stunde", "Stunde", false, 0},
      {"23456|0.0x/60/1/09:00-17:59/60/0/0101-3112,Preis", "Preis", true, 0},
      {"23456|0.06/6o/1/09:00-17:59/60/0/0101-3112,Takt", "Takt", true, 0},
      {"23456|0.06/60/1/09:00-17:59/60/5x/0101-3112,Einheiten", "Einheiten", true, 5},
      {"23456|0.06/60/1/09:00-17:59/sec/7/0101-3112,", "Unbekannt", true, 7},
      {"23456|0.06/60/1/09:00-17:59/0/0/0101-3112,Nichts", "", false, 0},         // no tariff: gone silently
      {"23456|0.06/60/1/00:00-08:59/0/4/0101-3112,Vier_Einheiten", "", true, 4},  // units alone keep it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    TScriptedMessageBoxes boxes;
    if (c.message == syntax) {
      boxes.Expect(syntax, idOK, "Syntax Fehler");
    } else if (!c.message.empty()) {
      boxes.Expect("Tarif für " + c.message + " ( ZONE0001WERKTAG ) ist nicht korrekt.", idOK, "Fehler");
    }
    TTarifFile doc = Load(OneZone(std::string("[ZONE0001WERKTAG]\nZONE00010=") + c.value + "\n"));
    ASSERT_EQ(1u, doc.Zones.size());
    ASSERT_EQ(c.kept ? 1u : 0u, doc.Zones[0].Werktag.size());
    if (c.kept) {
      EXPECT_EQ(c.units, doc.Zones[0].Werktag[0].Units);
    }
    for (const auto& box : boxes.Boxes()) EXPECT_EQ(mkFehler, box.Kind);
  }
}

TEST_F(TarifReaderTest, NamesAreCutAfterTheMessageAndDefaulted) {
  const std::string longName(60, 'n');
  TScriptedMessageBoxes boxes;
  boxes.Expect("Tarif für " + longName + " ( ZONE0001SASO ) ist nicht korrekt.");
  TTarifFile doc = Load(OneZone("[ZONE0001SASO]\nZONE00010=17|x/0/0/12:00-23:59/60/0/0101-3112," + longName +
                                "\nZONE00011=17|0.1/0/0/00:00-11:59/60/0/0101-3112\n"));
  ASSERT_EQ(2u, doc.Zones[0].SaSo.size());
  EXPECT_EQ("Unbekannt", doc.Zones[0].SaSo[0].Name);
  EXPECT_EQ("0101", doc.Zones[0].SaSo[0].DateFrom) << "without a ',' the dates still count";
  EXPECT_EQ(std::string(50, 'n'), doc.Zones[0].SaSo[1].Name);
}

TEST_F(TarifReaderTest, OnlyTheFirstFiftyKeysCount) {
  std::string index = "[REGIONENINDEX]\n";
  std::string lists;
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
  ASSERT_EQ(50u, doc.Zones.size());
  EXPECT_EQ("Z1049", doc.Zones.back().Key);
  for (TDayClass dayClass : kDayClasses) {
    const TTarifEntryList& list = doc.Zones[0].Entries(dayClass);
    ASSERT_EQ(50u, list.size());
    EXPECT_TRUE(std::none_of(list.begin(), list.end(), [](const TTarifEntry& e) { return e.Name == "E50"; }));
  }
}

TEST_F(TarifReaderTest, BillingIntervalComesFromFirstEntriesWeekendWins) {
  struct Case {
    const char* werktag;  // CalcTakt/FirstSecond of the first workday entry, or null
    const char* saso;
    double calcTakt;
    double firstSecond;
  } cases[] = {
      {"60/1", "30/1", 30, 1},  {"60/1", "30/0", 60, 1},  // the weekend entry does not qualify
      {"0/1", "0/0", 0, 0},     {nullptr, "10/2", 10, 2},
      {"45/3", nullptr, 45, 3}, {"-60000/1", nullptr, 0, 0},  // a negative interval reads as 0
  };
  for (const Case& c : cases) {
    std::string text;
    if (c.werktag) {
      text += std::string("[ZONE0001WERKTAG]\nZONE00010=23456|0.1/") + c.werktag +
              "/00:00-11:59/60/0/0101-3112,A\nZONE00011=23456|0.1/99/99/12:00-23:59/60/0/0101-3112,B\n";
    }
    if (c.saso) {
      text += std::string("[ZONE0001SASO]\nZONE00010=17|0.1/") + c.saso + "/00:00-23:59/60/0/0101-3112,C\n";
    }
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    TTarifFile doc = Load(OneZone("[ConnectPrice]\nZONE0001=0.05/3\n" + text));
    const TKeyAndName& zone = doc.Zones[0];
    EXPECT_DOUBLE_EQ(c.calcTakt, zone.CalcTakt)
        << (c.werktag ? c.werktag : "-") << " " << (c.saso ? c.saso : "-");
    EXPECT_DOUBLE_EQ(c.firstSecond, zone.FirstSecond);
    for (TDayClass dayClass : kDayClasses) {
      for (const TTarifEntry& e : zone.Entries(dayClass)) {
        EXPECT_DOUBLE_EQ(c.calcTakt, e.CalcTakt) << e.Name;
        EXPECT_DOUBLE_EQ(c.firstSecond, e.FirstSecond) << e.Name;
        EXPECT_DOUBLE_EQ(0.05, e.ZoneConnectPrice);
        EXPECT_DOUBLE_EQ(3, e.ZoneMonthlyFee);
      }
    }
  }
}

TEST_F(TarifReaderTest, ZoneOptionsAndTheirDefaults) {
  struct Case {
    const char* lines;  // per-zone keyed lines for ZONE0001
    double connectPrice;
    double monthlyFee;
    TRelationSet relations;
    bool tenPlus;
    int roundTo;
  } cases[] = {
      {"", 0, 0, 0, false, 0},
      {"[ConnectPrice]\nZONE0001=0.1200\n", 0.12, 0, 0, false, 0},
      {"[ConnectPrice]\nzone0001 = 0.06 / 2.5 ; monthly\n", 0.06, 2.5, 0, false, 0},
      {"[ConnectPrice]\nZONE0001=abc/1.5\n", 0, 1.5, 0, false, 0},
      {"[ConnectPrice]\nZONE0001=\n", 0, 0, 0, false, 0},
      {"[RELATIONS]\nZONE0001=[]\n", 0, 0, 0, false, 0},
      {"[RELATIONS]\nZONE0001=[0, 2,5] ;areas\n", 0, 0, 0b100101, false, 0},
      {"[10plus]\nZONE0001=YES\n", 0, 0, 0, true, 0},
      {"[10plus]\nZONE0001=yes\n", 0, 0, 0, false, 0},
      {"[RoundTo]\nZONE0001=1\n", 0, 0, 0, false, 1},
      {"[RoundTo]\nZONE0001=x\n", 0, 0, 0, false, 0},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    TTarifFile doc = Load(OneZone(c.lines));
    ASSERT_EQ(1u, doc.Zones.size());
    const TKeyAndName& zone = doc.Zones[0];
    EXPECT_DOUBLE_EQ(c.connectPrice, zone.ConnectPrice) << c.lines;
    EXPECT_DOUBLE_EQ(c.monthlyFee, zone.MonthlyFee) << c.lines;
    EXPECT_EQ(c.relations, zone.Relations) << c.lines;
    EXPECT_EQ(c.tenPlus, zone.TenPlusActive) << c.lines;
    EXPECT_EQ(c.roundTo, zone.RoundTo) << c.lines;
  }
}

TEST_F(TarifReaderTest, AccessInfos) {
  struct Case {
    const char* registration;  // null: key missing
    bool expected;
  } cases[] = {{nullptr, true}, {"1", true}, {"0", false}, {"2", false}, {"yes", false}, {"", false}};
  for (const Case& c : cases) {
    std::string section =
        "[AccessInfos_ZONE0001]\nPhoneNr=0191#0192\nUserName=a b\xFE"
        "c\nPassword= geheim \n"
        "NichtBundesweit=1\n";
    if (c.registration) section += std::string("Registration=") + c.registration + "\n";
    TScriptedMessageBoxes boxes;
    TTarifFile doc = Load(OneZone(section));
    const TAccessInfos& access = doc.Zones[0].Access;
    EXPECT_EQ(c.expected, access.Registration) << (c.registration ? c.registration : "(missing)");
    EXPECT_EQ("0191#0192", access.PhoneNr);
    EXPECT_EQ(
        "a b\u00FE"
        "c",
        access.UserName)
        << "read as it stands, not cleaned";
    EXPECT_EQ("geheim", access.Password);
    EXPECT_TRUE(access.NichtBundesweit);
  }
  TScriptedMessageBoxes boxes;
  EXPECT_TRUE(Load(OneZone("")).Zones[0].Access.Registration);
  EXPECT_FALSE(Load(OneZone("")).Zones[0].Access.NichtBundesweit);
}

TEST_F(TarifReaderTest, FreeTimesAndNo10plusWindows) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = Load(
      OneZone("[ZONE0001WFREETIMES]\nF0=00:00-05:59/30.0000/\nF1=25:00-05:59/30/\nF2=\nx=06:00-06:59/abc/\n"
              "[ZONE0001FFREETIMES]\nF0=10:00-10:59/12.5/extra/\n"
              "[ZONE0001WNO10PLUS]\n0=09:00-11:59/\n1=09:00/11:59\n"
              "[ZONE0001FNO10PLUS]\n0=00:00-23:59/\n"));
  const TKeyAndName& zone = doc.Zones[0];
  ASSERT_EQ(2u, zone.WFreeTimes.size());
  EXPECT_EQ(0u, zone.WFreeTimes[0].StartSec);
  EXPECT_EQ(5u * 3600 + 59 * 60 + 59, zone.WFreeTimes[0].EndSec);
  EXPECT_DOUBLE_EQ(30, zone.WFreeTimes[0].FreeSeconds);
  EXPECT_DOUBLE_EQ(0, zone.WFreeTimes[1].FreeSeconds) << "a number that does not parse gives 0";
  ASSERT_EQ(1u, zone.FFreeTimes.size());
  EXPECT_DOUBLE_EQ(12.5, zone.FFreeTimes[0].FreeSeconds);
  ASSERT_EQ(1u, zone.WNo10plus.size());
  EXPECT_EQ(9u * 3600, zone.WNo10plus[0].StartSec);
  EXPECT_EQ(11u * 3600 + 59 * 60 + 59, zone.WNo10plus[0].EndSec);
  ASSERT_EQ(1u, zone.FNo10plus.size());
  EXPECT_EQ(86399u, zone.FNo10plus[0].EndSec);
}

// Values without a usable key create no zone, names are cut to 100 characters; the zones that remain read
// their own sections and each has both entry lists.
TEST_F(TarifReaderTest, IndexValuesWithoutKeyCreateNoZone) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = Load(Crlf(
      "[REGIONENINDEX]\nR0=\nR1=Ohne_Schluessel,\nR2=OhneKomma\nR3=;nur Kommentar\nR4=Fern zone , FERN 0001\n"
      "R5=,LEER0001\nR6=" +
      std::string(99, 'a') +
      "\xE4\xF6,LANG0001\n"  // umlauts count as one character each
      "[ConnectPrice]\nR0=9/9\nFERN0001=0.2/1\n"
      "[FERN0001SASO]\nFERN00010=17|0.1/0/0/00:00-23:59/60/0/0101-3112,Wochenende\n"));
  ASSERT_EQ(3u, doc.Zones.size());
  EXPECT_EQ("FERN0001", doc.Zones[0].Key);
  EXPECT_EQ("Fernzone", doc.Zones[0].DisplayName) << "the value is cleaned of blanks";
  EXPECT_DOUBLE_EQ(0.2, doc.Zones[0].ConnectPrice);
  EXPECT_DOUBLE_EQ(1, doc.Zones[0].MonthlyFee);
  EXPECT_TRUE(doc.Zones[0].Werktag.empty());
  ASSERT_EQ(1u, doc.Zones[0].SaSo.size());
  EXPECT_EQ("LEER0001", doc.Zones[1].Key);
  EXPECT_EQ("", doc.Zones[1].DisplayName);
  EXPECT_EQ(std::string(99, 'a') + "ä", doc.Zones[2].DisplayName) << "cut to 100 characters";
}

TEST_F(TarifReaderTest, FileOptionsAndTheirDefaults) {
  struct Case {
    const char* options;
    double price;
    double takt;
    double base;
    bool cityWeekend;
  } cases[] = {
      {"", 0.12, 0, 0, true},
      {"PRICE=\nTAKT=\nBASECONNECTPRICE=\nCITYWEEKEND24123112=\n", 0.12, 0, 0, true},
      {"PRICE=abc\nTAKT=x\nBASECONNECTPRICE=y\nCITYWEEKEND24123112=NO\n", 0.12, 0, 0, false},
      {"PRICE= 0.2 ;x\nTAKT=60\nBASECONNECTPRICE=0.0500\nCITYWEEKEND24123112=yes\n", 0.2, 60, 0.05, false},
      {"CITYWEEKEND24123112=YES\n", 0.12, 0, 0, true},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    TTarifFile doc = Load(Crlf(std::string("[OPTIONS]\n") + c.options));
    EXPECT_DOUBLE_EQ(c.price, doc.Price) << c.options;
    EXPECT_DOUBLE_EQ(c.takt, doc.Takt) << c.options;
    EXPECT_DOUBLE_EQ(c.base, doc.BaseConnectPrice) << c.options;
    EXPECT_EQ(c.cityWeekend, doc.CityWeekend) << c.options;
  }
}

// The plain texts come back through the writer's round trip; here comments,
// blanks, empty values and umlauts, in a file without a zone index.
TEST_F(TarifReaderTest, CommonTexts) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(Crlf("[COMMON]\nSTRVERSION=Dudode version 2.00\nVERSION=\nFILEDATE=12/24/2001 ;edited\n"
                "FILENAME=Testnetz_S\xFC"
                "d ;comment\nWWW=www.test netz.de\n[OPTIONS]\nPRICE=0.5\n"
                "[ZONE0001WERKTAG]\nZONE00010=23456|0.06/60/1/09:00-17:59/60/0/0101-3112,Verwaist\n"));
  EXPECT_EQ("", doc.Version);
  EXPECT_EQ("12/24/2001", doc.FileDate);
  EXPECT_EQ("Testnetz Süd", doc.Description);
  EXPECT_EQ("www.testnetz.de", doc.WWW);
  EXPECT_TRUE(doc.Zones.empty()) << "without a zone index no zone, the other sections still count";
  EXPECT_DOUBLE_EQ(0.5, doc.Price);

  doc = Load(Crlf("[COMMON]\nFILEDATE=\nFILENAME=\n"));
  EXPECT_EQ("03/15/2024", doc.FileDate) << "an empty date becomes today";
  EXPECT_EQ("", doc.Description) << "an empty name is kept, so that the save asks for one";
}

TEST_F(TarifReaderTest, HolidaysAndApplications) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc =
      Load(Crlf("[FEIERTAGE]\nF0=0101\nF1=\nanything= 2512 \nF0=0612\n"
                "[APPLICATIONS]\nmsdial=Microsoft DF\xDC-Netzwerk\n\xE4rger=App\nleer=\n"
                "abcdefghijklmnopqrstuvwxyz=Lang\n"
                "lang=" +
                std::string(120, 'x') + "\n"));
  ASSERT_EQ(3u, doc.Holidays.size());
  EXPECT_EQ("0101", doc.Holidays[0].Date);
  EXPECT_EQ("2512", doc.Holidays[1].Date);
  EXPECT_EQ("0101", doc.Holidays[2].Date) << "a repeated key reads the first value";

  ASSERT_EQ(4u, doc.Applications.size());
  EXPECT_EQ("MSDIAL", doc.Applications[0].TapiName);
  EXPECT_EQ("Microsoft DFÜ-Netzwerk", doc.Applications[0].AppName);
  EXPECT_EQ("ÄRGER", doc.Applications[1].TapiName);
  EXPECT_EQ("ABCDEFGHIJKLMNOPQRST", doc.Applications[2].TapiName);
  EXPECT_EQ(std::string(100, 'x'), doc.Applications[3].AppName);
}

TEST_F(TarifReaderTest, HandEditedFixtureLoads) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Der Tarif für Schlüssel CITY0001 ist fehlerhaft! Tarif wird nicht gelesen!");
  boxes.Expect("Tarif für Spät ( CITY0001WERKTAG ) ist nicht korrekt.");
  dir.Write("Rates.hand", test::TestDataFile("tarif/Rates.hand"));
  TTarifFile doc = LoadName("Rates.hand");

  EXPECT_EQ("Handgeschriebene Testdatei", doc.Description);
  ASSERT_EQ(2u, doc.Zones.size());
  const TKeyAndName& city = doc.Zones[0];
  EXPECT_EQ("City Zone", city.MenuCaption());
  EXPECT_DOUBLE_EQ(60, city.CalcTakt);
  ASSERT_EQ(2u, city.Werktag.size());
  EXPECT_EQ("Nacht", city.Werktag[0].Name) << "entries come sorted";
  EXPECT_EQ("Haupt Zeit", city.Werktag[1].Name);
  const TKeyAndName& fern = doc.Zones[1];
  EXPECT_EQ("FERN0001", fern.Key);
  EXPECT_EQ(1u, fern.SaSo.size());
  EXPECT_DOUBLE_EQ(30, fern.CalcTakt) << "taken from the weekend list";
  EXPECT_EQ(2u, doc.Holidays.size());
}

}  // namespace
}  // namespace dudode
