#include <gtest/gtest.h>

#include <sstream>

#include "TarifTestSupport.h"
#include "core/Files.h"
#include "core/TarifWriter.h"
#include "core/Text.h"

namespace dudode {
namespace {

using test::Crlf;
using test::TScriptedMessageBoxes;

TTarifEntry MakeEntry(TDaySet days, double price, std::uint32_t start, std::uint32_t end, double takt,
                      std::int32_t units, std::string from, std::string to, std::string name) {
  TTarifEntry e;
  e.Weekdays = days;
  e.PricePerUnit = price;
  e.StartSec = start;
  e.EndSec = end;
  e.Takt = takt;
  e.Units = units;
  e.DateFrom = std::move(from);
  e.DateTo = std::move(to);
  e.Name = std::move(name);
  return e;
}

constexpr TDaySet kMoFr = DayBit(2) | DayBit(3) | DayBit(4) | DayBit(5) | DayBit(6);
constexpr TDaySet kSaSo = DayBit(1) | DayBit(7);

std::uint32_t Hm(int h, int m, int s = 0) {
  return static_cast<std::uint32_t>(h * 3600 + m * 60 + s);
}

TTarifFile SmallDocument() {
  TTarifFile doc;
  doc.FileName = "RATES.7";
  doc.FileDate = "01/31/2023";
  doc.Description = "Testnetz Süd";
  doc.WWW = "www.testnetz.de";
  doc.Hotline = "0800 123";
  doc.EMail = "info@testnetz.de";
  doc.AccessCode = "010 99";
  doc.Copyright = "Müller & Söhne";
  doc.Takt = 60;
  doc.Price = 0.12;
  doc.BaseConnectPrice = 0.05;
  doc.CityWeekend = false;
  doc.Holidays = {{"01.01."}, {"2512"}};
  doc.Applications = {{"MSDIAL", "Microsoft DFÜ"}, {"LEER", ""}};

  TKeyAndName city;
  city.Key = "CITY0001";
  city.DisplayName = "City_Zone";
  city.CalcTakt = 60;
  city.FirstSecond = 1;
  city.ConnectPrice = 0.06;
  city.Relations = 0b101;
  city.TenPlusActive = true;
  city.WNo10plus = {{Hm(9, 0), Hm(11, 59, 59)}};
  city.RoundTo = 1;
  city.Access = {"0191#0192", "anon", "\u00FE", false, true};
  city.Werktag = {
      MakeEntry(kMoFr, 0.12, Hm(9, 0), Hm(17, 59, 59), 60, 1, "0101", "3112", "Haupt zeit"),
      MakeEntry(kMoFr, 0.5, Hm(18, 0), Hm(18, 59, 59), 0, 0, "0101", "3112", "Kein Tarif"),
      MakeEntry(kMoFr, 0.06, Hm(0, 0), Hm(8, 59, 59), 60, 0, "0101", "3112", "Nacht"),
  };
  city.SaSo = {MakeEntry(kSaSo, 0.03, 0, 86399, 120, 0, "0101", "3112", "Wochenende")};
  city.WFreeTimes = {{0, Hm(5, 59, 59), 30}};
  city.CopyZoneValuesToEntries();

  TKeyAndName fern;
  fern.Key = "FERN0001";
  fern.DisplayName = "Fern Zone";
  fern.MonthlyFee = 2.5;
  fern.Access.Registration = false;
  fern.SaSo = {MakeEntry(DayBit(8), 0.03, 0, 86399, 120, 0, "9999", "9999", "Feiertag")};
  fern.FFreeTimes = {{Hm(10, 0), Hm(10, 59, 59), 12.5}};
  fern.CopyZoneValuesToEntries();

  doc.Zones = {city, fern};
  doc.Modified = true;
  return doc;
}

// What SmallDocument looks like in the file when saved on 15 March 2024.
const char* const kSmallDocumentText =
    "; RATES.7\n"
    "; \n"
    "; \n"
    "; Diese Datei ist Bestandteil des Programms \"Dudode\", sie wurde mit\n"
    "; dem \"Dudode - Editor\" erstellt.\n"
    "; \n"
    "; \n"
    "; DER AUTOR DER DATEI RATES.7 HAFTET NICHT FUER DIE RICHTIGKEIT\n"
    "; DER EINTRAGUNGEN IN DIESER DATEI.\n"
    "; \n"
    "; \n"
    "[COMMON]\n"
    "STRVERSION=Dudode version 3.10\n"
    "VERSION=3.10\n"
    "FILEDATE=03/15/2024\n"
    "FILENAME=Testnetz_S\xFC"
    "d\n"
    "WWW=www.testnetz.de\n"
    "HOTLINE=0800_123\n"
    "COMMENT=\n"
    "EMAIL=info@testnetz.de\n"
    "ACCESSCODE=010_99\n"
    "COPYRIGHT=M\xFCller_&_S\xF6hne\n"
    "[OPTIONS]\n"
    "BASECONNECTPRICE=0.0500\n"
    "PRICE=0.1200\n"
    "TAKT=60.0000\n"
    "CITYWEEKEND24123112=NO\n"
    "Activate10plus=YES\n"
    "[FEIERTAGE]\n"
    "F0=0101\n"
    "F1=2512\n"
    "[APPLICATIONS]\n"
    "MSDIAL=Microsoft DF\xDC\n"
    "[10plus]\n"
    "CITY0001=YES\n"
    "FERN0001=NO\n"
    "[CITY0001WNO10PLUS]\n"
    "0=09:00-11:59/\n"
    "[RoundTo]\n"
    "CITY0001=1\n"
    "[AccessInfos_CITY0001]\n"
    "PhoneNr=0191#0192\n"
    "UserName=anon\n"
    "Password=\n"
    "Registration=0\n"
    "NichtBundesweit=1\n"
    "[ConnectPrice]\n"
    "CITY0001=0.0600/0.0000\n"
    "FERN0001=0.0000/2.5000\n"
    "[RELATIONS]\n"
    "CITY0001=[0,2]\n"
    "FERN0001=[]\n"
    "[REGIONENINDEX]\n"
    "R0=City_Zone,CITY0001\n"
    "R1=Fern_Zone,FERN0001\n"
    "[CITY0001WERKTAG]\n"
    "CITY00010=23456|0.0600/60.0000/1.0000/00:00-08:59/60.0000/0/0101-3112,Nacht\n"
    "CITY00011=23456|0.1200/60.0000/1.0000/09:00-17:59/60.0000/1/0101-3112,Haupt_zeit\n"
    "[CITY0001SASO]\n"
    "CITY00010=17|0.0300/60.0000/1.0000/00:00-23:59/120.0000/0/0101-3112,Wochenende\n"
    "[FERN0001SASO]\n"
    "FERN00010=8|0.0300/0.0000/0.0000/00:00-23:59/120.0000/0/9999-9999,Feiertag\n"
    "[CITY0001WFREETIMES]\n"
    "F0=00:00-05:59/30.0000/\n"
    "[FERN0001FFREETIMES]\n"
    "F0=10:00-10:59/12.5000/\n";

// Every field of a document as text, so that a difference shows where it is.
std::string Describe(const TTarifFile& d) {
  std::ostringstream out;
  out.precision(17);
  out << "FileName=" << d.FileName << "\nStrVersion=" << d.StrVersion << "\nVersion=" << d.Version
      << "\nFileDate=" << d.FileDate << "\nDescription=" << d.Description << "\nWWW=" << d.WWW
      << "\nHotline=" << d.Hotline << "\nComment=" << d.Comment << "\nEMail=" << d.EMail
      << "\nAccessCode=" << d.AccessCode << "\nCopyright=" << d.Copyright << "\nTakt=" << d.Takt
      << "\nPrice=" << d.Price << "\nBase=" << d.BaseConnectPrice << "\nCityWeekend=" << d.CityWeekend
      << "\n";
  for (const TFeiertag& h : d.Holidays) out << "Holiday " << h.Date << "\n";
  for (const TAppEntry& a : d.Applications) out << "App " << a.TapiName << "=" << a.AppName << "\n";
  for (const TKeyAndName& z : d.Zones) {
    out << "Zone " << z.Key << " [" << z.DisplayName << "] " << z.CalcTakt << "/" << z.FirstSecond << " "
        << z.ConnectPrice << "/" << z.MonthlyFee << " rel " << z.Relations << " 10plus " << z.TenPlusActive
        << " round " << z.RoundTo << " access " << z.Access.PhoneNr << "|" << z.Access.UserName << "|"
        << z.Access.Password << "|" << z.Access.Registration << z.Access.NichtBundesweit << "\n";
    for (TDayClass dc : kDayClasses) {
      for (const TNo10plusEntry& w : z.No10plus(dc)) out << " no10 " << w.StartSec << "-" << w.EndSec << "\n";
      for (const TFreeTimeEntry& f : z.FreeTimes(dc)) {
        out << " free " << f.StartSec << "-" << f.EndSec << " " << f.FreeSeconds << "\n";
      }
      for (const TTarifEntry& e : z.Entries(dc)) {
        out << " entry " << e.Weekdays << " " << e.PricePerUnit << " " << e.CalcTakt << " " << e.FirstSecond
            << " " << e.StartSec << "-" << e.EndSec << " " << e.Takt << " " << e.Units << " [" << e.Name
            << "] " << e.DateFrom << "-" << e.DateTo << " " << e.ZoneConnectPrice << "/" << e.ZoneMonthlyFee
            << "\n";
      }
    }
  }
  return out.str();
}

class TarifWriterTest : public test::TarifTest {};

// Whatever the old file had is replaced.
TEST_F(TarifWriterTest, WritesTheCompleteFile) {
  TScriptedMessageBoxes boxes;
  dir.Write("RATES.7", Crlf("; old header\n[JUNK]\nx=1\n[COMMON]\nWWW=old\nEXTRA=1\n"));
  TTarifFile doc = SmallDocument();
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_EQ(Crlf(kSmallDocumentText), dir.Read("RATES.7"));
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ("03/15/2024", doc.FileDate);
  EXPECT_EQ("Dudode version 3.10", doc.StrVersion);
  ASSERT_EQ(2u, doc.Zones[0].Werktag.size()) << "the entry without tariff is gone from the document too";
}

// A file this writer produced comes back byte for byte when saved with the
// date kept, also on another day.
TEST_F(TarifWriterTest, ResavingAWrittenFileReproducesIt) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"RATES.7", Crlf(kSmallDocumentText)},
      {"RATES.42", test::TestDataFile("tarif/RATES.42")},
  };
  SetClock([] { return TDateTime{2025, 7, 1}; });
  for (const Case& c : cases) {
    ASSERT_FALSE(c.bytes.empty()) << c.name;
    TScriptedMessageBoxes boxes;
    TTarifFile doc = Load(c.bytes, c.name);
    ASSERT_TRUE(SaveTarifFile(doc, {.KeepDate = true}));
    EXPECT_EQ(c.bytes, dir.Read(c.name)) << c.name;
  }
}

// Whatever a file holds, the first save settles it: the second gives the same bytes.
TEST_F(TarifWriterTest, SecondResaveChangesNothing) {
  const char* entries[] = {
      "1234567|0.1/0/0/00:00-23:59/60/1/-,Strich",    // a date field of one dash
      "1234567|0.1/0/0/00:00-23:59/60/1/0101-,Halb",  // no end date
      "1234567|0.1/0/0/00:00-23:59/60/1/1.2.-3,Krumm",
      "1234567|0.1/0/0/00:00-23:59/1e15/1/0101-3112,Lang",  // a clock interval longer than ten characters
      "1234567|0.1/0/0/00:00-23:59/123456.789/1/0101-3112,Bruch",
  };
  for (const char* entry : entries) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    TTarifFile doc = Load(
        Crlf(std::string("[REGIONENINDEX]\nR0=City,CITY0001\n[CITY0001WERKTAG]\nCITY00010=") + entry + "\n"));
    ASSERT_TRUE(SaveTarifFile(doc, {.KeepDate = true}));
    const std::string first = dir.Read("RATES.0");
    TTarifFile again = LoadName("RATES.0");
    ASSERT_EQ(1u, again.Zones.at(0).Werktag.size()) << entry;
    EXPECT_EQ(doc.Zones[0].Werktag[0].Takt == 1e15 ? 9999999999 : doc.Zones[0].Werktag[0].Takt,
              again.Zones[0].Werktag[0].Takt)
        << entry;
    ASSERT_TRUE(SaveTarifFile(again, {.KeepDate = true}));
    EXPECT_EQ(first, dir.Read("RATES.0")) << entry;
  }
}

TEST_F(TarifWriterTest, RoundTripKeepsTheDocumentExceptTheKnownChanges) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = SmallDocument();
  doc.Comment = "mit_Unterstrich";
  doc.Hotline = "0800 123;nachts";
  doc.Holidays.push_back({"24.12."});
  doc.Applications.push_back({"lowercase_and_much_too_long", "App"});
  doc.Zones[0].Werktag[0].Name = "Haupt_zeit";
  doc.Zones[0].CalcTakt = 30;  // without copying it into the entries
  doc.Zones[1].SaSo.push_back(
      MakeEntry(DayBit(8), 0.5, Hm(1, 0), Hm(1, 59, 59), 0, 0, "9999", "9999", "weg"));

  TTarifFile expected = doc;
  expected.Comment = "mit Unterstrich";
  expected.Hotline = "0800 123";
  expected.FileDate = "03/15/2024";
  expected.StrVersion = "Dudode version 3.10";
  expected.Holidays = {{"0101"}, {"2512"}, {"2412"}};
  expected.Applications = {{"MSDIAL", "Microsoft DFÜ"}, {"LOWERCASE_AND_MUCH_T", "App"}};
  TKeyAndName& city = expected.Zones[0];
  city.Access.Password = "";
  city.Werktag = {city.Werktag[2], city.Werktag[0]};  // sorted, the entry without tariff gone
  city.Werktag[1].Name = "Haupt zeit";
  city.CalcTakt = 60;  // the entries' value is what the file keeps
  expected.Zones[1].SaSo.pop_back();
  expected.Zones[1].DisplayName = "Fern_Zone";   // held with "_" for blanks, as read
  expected.Zones[1].Access.Registration = true;  // a zone without access data has no section
  for (TKeyAndName& zone : expected.Zones) zone.CopyZoneValuesToEntries();
  expected.Modified = false;

  ASSERT_TRUE(SaveTarifFile(doc));
  TTarifFile reloaded = LoadName("RATES.7");
  EXPECT_EQ(Describe(expected), Describe(reloaded));
}

TEST_F(TarifWriterTest, FileDateRule) {
  struct Case {
    bool keepDate;
    const char* before;
    const char* after;
  } cases[] = {
      {false, "01/31/2023", "03/15/2024"},
      {true, "01/31/2023", "01/31/2023"},
      {true, "", "03/15/2024"},
      {false, "", "03/15/2024"},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    TTarifFile doc = SmallDocument();
    doc.FileDate = c.before;
    ASSERT_TRUE(SaveTarifFile(doc, {.KeepDate = c.keepDate}));
    EXPECT_EQ(c.after, doc.FileDate);
    EXPECT_NE(std::string::npos, dir.Read("RATES.7").find(std::string("\r\nFILEDATE=") + c.after + "\r\n"));
  }
}

TEST_F(TarifWriterTest, DocumentWithoutZonesWritesOnlyWhatItHas) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc;
  doc.FileName = "RATES.1";
  doc.Description = "Leer";
  ASSERT_TRUE(SaveTarifFile(doc));
  std::string text = dir.Read("RATES.1");
  text = text.substr(text.find("[COMMON]"));
  EXPECT_EQ(
      Crlf("[COMMON]\nSTRVERSION=Dudode version 3.10\nVERSION=3.10\nFILEDATE=03/15/2024\nFILENAME=Leer\n"
           "WWW=\nHOTLINE=\nCOMMENT=\nEMAIL=\nACCESSCODE=\nCOPYRIGHT=\n"
           "[OPTIONS]\nBASECONNECTPRICE=0.0000\nPRICE=0.1200\nTAKT=0.0000\nCITYWEEKEND24123112=YES\n"),
      text);

  doc.Applications = {{"TAPI", "Anwendung"}};
  ASSERT_TRUE(SaveTarifFile(doc));
  text = dir.Read("RATES.1");
  EXPECT_EQ(std::string::npos, text.find("[FEIERTAGE]"));
  EXPECT_NE(std::string::npos, text.find("\r\n[APPLICATIONS]\r\nTAPI=Anwendung\r\n"));
}

TEST_F(TarifWriterTest, DocumentWithoutFileNameGetsAFreeName) {
  TScriptedMessageBoxes boxes;
  dir.Write("RATES.0", "x");
  dir.Write("Rates.1", "x");
  TTarifFile doc = SmallDocument();
  doc.FileName.clear();
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_EQ("RATES.2", doc.FileName);
  EXPECT_TRUE(dir.Exists("RATES.2"));
  EXPECT_EQ("; RATES.2\r\n", dir.Read("RATES.2").substr(0, 11));
}

TEST_F(TarifWriterTest, FileThatCannotBeReplacedIsReportedAndNothingIsWritten) {
  const std::string missingDir = dir.Dir() + "gone/";
  SetProgramDirectory(missingDir);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Konnte " + missingDir + "RATES.7 nicht löschen!\rSpeicherung kann nicht erfolgen.", idOK,
               "Fehler");
  TTarifFile doc = SmallDocument();
  EXPECT_FALSE(SaveTarifFile(doc));
  EXPECT_TRUE(doc.Modified);
}

TEST_F(TarifWriterTest, FailedWriteKeepsTheOldFile) {
  const std::string old = Crlf("[COMMON]\nFILENAME=Alt\n");
  dir.Write("RATES.7", old);
  TScriptedMessageBoxes boxes;
  boxes.AcceptAll();
  TTarifFile doc = SmallDocument();
  InjectWriteFailureAfter(200);
  const bool saved = SaveTarifFile(doc);
  InjectWriteFailureAfter(-1);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(old, dir.Read("RATES.7"));
  ASSERT_EQ(1u, boxes.Boxes().size()) << "one message for one failure";
  EXPECT_EQ(mkFehler, boxes.Boxes()[0].Kind);

  // Nothing of the failed attempt is left over for the next reader.
  TTarifFile reloaded = LoadName("RATES.7");
  EXPECT_EQ("Alt", reloaded.Description);
  EXPECT_TRUE(reloaded.Zones.empty());
}

TEST_F(TarifWriterTest, ReportsProgress) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = SmallDocument();
  std::vector<std::pair<std::string, int>> calls;
  ASSERT_TRUE(SaveTarifFile(
      doc, {}, [&](const std::string& label, int percent) { calls.emplace_back(label, percent); }));
  std::vector<std::string> labels;
  for (const auto& [label, percent] : calls) {
    EXPECT_GE(percent, 0);
    EXPECT_LE(percent, 100);
    if (labels.empty() || labels.back() != label) labels.push_back(label);
  }
  EXPECT_EQ((std::vector<std::string>{"Speichern", "Sortiere Tarife...", "Speichere Schlüssel...",
                                      "Speichere Werktag - Einträge...",
                                      "Speichere Sa./So./Feiertags - Einträge..."}),
            labels);
  EXPECT_EQ(100, calls.back().second);
}

TEST_F(TarifWriterTest, SectionWritersChangeOnlyTheirSection) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = SmallDocument();
  ASSERT_TRUE(SaveTarifFile(doc));
  doc.Modified = true;

  doc.Holidays = {{"03.10."}, {"2512"}, {"26.12."}};
  ASSERT_TRUE(WriteHolidaysSection(doc));
  doc.Applications = {{"NEU", "Neue Anwendung"}, {"", "ohne Namen"}};
  ASSERT_TRUE(WriteApplicationsSection(doc));
  EXPECT_TRUE(doc.Modified);

  std::string expected = kSmallDocumentText;
  const auto cut = [&expected](const std::string& lines) {
    expected.erase(expected.find(lines), lines.size());
  };
  cut("[FEIERTAGE]\nF0=0101\nF1=2512\n");
  cut("[APPLICATIONS]\nMSDIAL=Microsoft DF\xDC\n");
  expected += "[FEIERTAGE]\nF0=0310\nF1=2512\nF2=2612\n[APPLICATIONS]\nNEU=Neue Anwendung\n";
  EXPECT_EQ(Crlf(expected), dir.Read("RATES.7"));

  doc.Holidays.clear();
  ASSERT_TRUE(WriteHolidaysSection(doc));
  EXPECT_EQ(std::string::npos, dir.Read("RATES.7").find("FEIERTAGE"));
}

TEST_F(TarifWriterTest, EntryValueFormat) {
  struct Case {
    TTarifEntry entry;
    const char* value;
  } cases[] = {
      {MakeEntry(kMoFr, 0.06, Hm(9, 0), Hm(18, 0, 59), 60, 0, "0101", "3112", "Test"),
       "23456|0.0600/0.0000/0.0000/09:00-18:00/60.0000/0/0101-3112,Test"},
      {MakeEntry(kSaSo | DayBit(8), 1.23456, 0, 86399, 0, 12, "01.04.", "30.09.", " zwei  Worte "),
       "178|1.2346/0.0000/0.0000/00:00-23:59/0.0000/12/0104-3009,_zwei__Worte_"},
      {MakeEntry(0, 0, 0, 59, 0.5, -1, "8888", "8888", ""),
       "|0.0000/0.0000/0.0000/00:00-00:00/0.5000/-1/8888-8888,"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, EntryValue(c.entry));
}

}  // namespace
}  // namespace dudode
