#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <tuple>

#include "TarifTestSupport.h"
#include "core/Files.h"
#include "core/TarifWriter.h"
#include "core/Text.h"

namespace dudode {
namespace {

using namespace std::string_literals;
using test::Crlf;
using test::TScriptedMessageBoxes;

TTarifEntry MakeEntry(TDaySet days, double price, std::uint32_t start, std::uint32_t end, double takt,
                      std::int32_t units, std::string from, std::string to, std::string name) {
  return {days,          price, 0, 0, start, end, takt, units, std::move(name), std::move(from),
          std::move(to), 0,     0, {}};
}

constexpr TDaySet kMoFr = DayBit(2) | DayBit(3) | DayBit(4) | DayBit(5) | DayBit(6);

constexpr auto Hm = [](int h, int m, int s = 0) { return static_cast<std::uint32_t>(h * 3600 + m * 60 + s); };

// The one complete tariff file: SmallDocument saved on 15 March 2024.
std::string SmallDocumentBytes() {
  return test::TestDataFile("tarif/Small.expected");
}

class TarifWriterTest : public test::TarifTest {
 protected:
  // The complete file read back, with what only a document in memory holds: an
  // old date, a holiday with dots, an entry without tariff among unsorted ones,
  // a lone character 254 as password, an application without name, a zone name
  // with a blank and a refused registration without access data.
  TTarifFile SmallDocument() {
    TTarifFile doc = Load(SmallDocumentBytes(), "small.txt");
    std::filesystem::remove(dir.File("small.txt"));
    doc.FileName = "RATES.7";
    doc.FileDate = "01/31/2023";
    doc.StrVersion.clear();
    doc.Holidays[0].Date = "01.01.";
    doc.Applications.push_back({"LEER", ""});
    TKeyAndName& city = doc.Zones.at(0);
    city.Access.Password = "\u00FE";
    city.Werktag = {city.Werktag.at(1),
                    MakeEntry(kMoFr, 0.5, Hm(18, 0), Hm(18, 59, 59), 0, 0, "0101", "3112", "Kein Tarif"),
                    city.Werktag.at(0)};
    city.CopyZoneValuesToEntries();
    doc.Zones.at(1).DisplayName = "Fern Zone";
    doc.Zones[1].Access.Registration = false;
    doc.Modified = true;
    return doc;
  }
};

// Whatever the old file had is replaced.
TEST_F(TarifWriterTest, WritesTheCompleteFile) {
  TScriptedMessageBoxes boxes;
  dir.Write("RATES.7", Crlf("; old header\n[JUNK]\nx=1\n[COMMON]\nWWW=old\nEXTRA=1\n"));
  TTarifFile doc = SmallDocument();
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_EQ(SmallDocumentBytes(), dir.Read("RATES.7"));
  // The entry without tariff is gone from the document too.
  EXPECT_EQ(std::tuple(false, "03/15/2024", "Dudode version 3.10", 2u),
            std::tuple(doc.Modified, doc.FileDate, doc.StrVersion, doc.Zones[0].Werktag.size()));
}

// A file this writer produced comes back byte for byte when saved with the
// date kept, also on another day (the complete file above is read and written
// back by every test here).
TEST_F(TarifWriterTest, ResavingAWrittenFileReproducesIt) {
  const std::string bytes = test::TestDataFile("tarif/RATES.42");
  ASSERT_FALSE(bytes.empty());
  SetClock([] { return TDateTime{2025, 7, 1}; });
  TScriptedMessageBoxes boxes;
  TTarifFile doc = Load(bytes, "RATES.42");
  ASSERT_TRUE(SaveTarifFile(doc, {.KeepDate = true}));
  EXPECT_EQ(bytes, dir.Read("RATES.42"));
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
    const double takt = doc.Zones[0].Werktag.at(0).Takt;
    EXPECT_EQ(takt == 1e15 ? 9999999999 : takt, again.Zones.at(0).Werktag.at(0).Takt) << entry;
    ASSERT_TRUE(SaveTarifFile(again, {.KeepDate = true}));
    EXPECT_EQ(first, dir.Read("RATES.0")) << entry;
  }
}

// What the file cannot hold comes back changed; everything else comes back as
// the byte-exact resave above shows.
TEST_F(TarifWriterTest, RoundTripChangesOnlyWhatTheFileCannotHold) {
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
  ASSERT_TRUE(SaveTarifFile(doc));
  const TTarifFile back = LoadName("RATES.7");
  const TKeyAndName& city = back.Zones.at(0);
  const TKeyAndName& fern = back.Zones.at(1);
  // An application without a name is not written; the single character 254 is written empty; the entries'
  // interval is what the file keeps; the entry without tariff is gone; the zone name is held with "_" for
  // blanks, as read; a zone without access data has no section.
  EXPECT_EQ(std::tuple("mit Unterstrich", "0800 123", 3u, "2412", 2u, "LOWERCASE_AND_MUCH_T", "",
                       "Haupt zeit", 60.0, 1u, "Fern_Zone", true),
            std::tuple(back.Comment, back.Hotline, back.Holidays.size(), back.Holidays.back().Date,
                       back.Applications.size(), back.Applications.back().TapiName, city.Access.Password,
                       city.Werktag.at(1).Name, city.CalcTakt, fern.SaSo.size(), fern.DisplayName,
                       fern.Access.Registration));
}

TEST_F(TarifWriterTest, FileDateRule) {
  const std::tuple<bool, const char*, const char*> cases[] = {{false, "01/31/2023", "03/15/2024"},
                                                              {true, "01/31/2023", "01/31/2023"},
                                                              {true, "", "03/15/2024"},
                                                              {false, "", "03/15/2024"}};
  for (const auto& [keepDate, before, after] : cases) {
    TScriptedMessageBoxes boxes;
    TTarifFile doc = SmallDocument();
    doc.FileDate = before;
    ASSERT_TRUE(SaveTarifFile(doc, {.KeepDate = keepDate}));
    EXPECT_EQ(after, doc.FileDate);
    EXPECT_NE(std::string::npos, dir.Read("RATES.7").find("\r\nFILEDATE="s + after + "\r\n"));
  }
}

TEST_F(TarifWriterTest, DocumentWithoutZonesWritesOnlyWhatItHas) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc;
  doc.FileName = "RATES.1";
  doc.Description = "Leer";
  ASSERT_TRUE(SaveTarifFile(doc));
  // The options end the file: no section of zones, holidays or applications.
  const std::string text = dir.Read("RATES.1");
  EXPECT_TRUE(
      text.ends_with("\r\nCOPYRIGHT=\r\n[OPTIONS]\r\nBASECONNECTPRICE=0.0000\r\nPRICE=0.1200\r\n"
                     "TAKT=0.0000\r\nCITYWEEKEND24123112=YES\r\n"))
      << text;

  doc.Applications = {{"TAPI", "Anwendung"}};
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_TRUE(dir.Read("RATES.1").ends_with("=YES\r\n[APPLICATIONS]\r\nTAPI=Anwendung\r\n"));
}

TEST_F(TarifWriterTest, DocumentWithoutFileNameGetsAFreeName) {
  TScriptedMessageBoxes boxes;
  dir.Write("RATES.0", "x");
  dir.Write("Rates.1", "x");
  TTarifFile doc = SmallDocument();
  doc.FileName.clear();
  ASSERT_TRUE(SaveTarifFile(doc));
  EXPECT_EQ(std::pair("RATES.2"s, "; RATES.2\r\n"s),
            std::pair(doc.FileName, dir.Read("RATES.2").substr(0, 11)));
}

// The old text is never read: a save replaces even one that cannot be read.
TEST_F(TarifWriterTest, ReplacesTheOldFileWithoutReadingIt) {
  dir.Write("RATES.7", Crlf("[COMMON]\nFILENAME=Alt\n"));
  TTarifFile doc = SmallDocument();
  InjectFileFailure(TFileOp::Read, 0, EACCES);
  const bool saved = SaveTarifFile(doc);
  InjectFileFailure(TFileOp::Read, 0, 0);
  EXPECT_EQ(std::pair(true, doc.Description), std::pair(saved, LoadName("RATES.7").Description));
}

// An entry the next load would drop is left out: a Takt the file can only hold
// as 0 without units, and a negative price, whose "-" the reader takes for the
// one between the times. Otherwise a second save would differ from the first.
// The entries after it are numbered on without a gap, as the next save numbers them.
TEST_F(TarifWriterTest, EntryTheReaderWouldDropIsLeftOut) {
  const TTarifEntry rows[] = {
      MakeEntry(kMoFr, 0.5, Hm(0, 0), Hm(0, 59, 59), 0.00003, 0, "0101", "3112", "Winzig"),
      MakeEntry(kMoFr, -0.12, Hm(0, 0), Hm(0, 59, 59), 60, 0, "0101", "3112", "Winzig"),
  };
  for (const TTarifEntry& entry : rows) {
    TTarifFile doc = SmallDocument();
    doc.Zones.at(0).Werktag.push_back(entry);
    ASSERT_TRUE(SaveTarifFile(doc));
    const std::string first = dir.Read("RATES.7");
    TTarifFile again = LoadName("RATES.7");
    ASSERT_TRUE(SaveTarifFile(again));
    EXPECT_EQ(std::pair(std::string::npos, first), std::pair(first.find("Winzig"), dir.Read("RATES.7")));
  }
}

TEST_F(TarifWriterTest, FileThatCannotBeReplacedIsReportedAndNothingIsWritten) {
  TTarifFile doc = SmallDocument();
  const std::string missingDir = dir.Dir() + "gone/";
  SetProgramDirectory(missingDir);
  TScriptedMessageBoxes boxes;
  boxes.Expect("Konnte " + missingDir + "RATES.7 nicht löschen!\rSpeicherung kann nicht erfolgen.", idOK,
               "Fehler");
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
  // One message for one failure; nothing of the failed attempt is left over for the next reader.
  EXPECT_EQ(std::tuple(false, true, old, 1u),
            std::tuple(saved, doc.Modified, dir.Read("RATES.7"), boxes.Boxes().size()));
  EXPECT_EQ(mkFehler, boxes.Boxes().at(0).Kind);
  const TTarifFile reloaded = LoadName("RATES.7");
  EXPECT_EQ(std::tuple("Alt", 0u), std::tuple(reloaded.Description, reloaded.Zones.size()));
}

// Each pass starts at 0 and counts its zones up to 100; the key pass shows the steps.
TEST_F(TarifWriterTest, ReportsProgress) {
  // The number of zones, the key pass's percentages.
  const std::pair<std::size_t, std::vector<int>> cases[] = {
      {0, {0}}, {1, {0, 100}}, {2, {0, 0, 100}}, {3, {0, 0, 50, 100}}};
  for (const auto& [zones, keyPass] : cases) {
    SCOPED_TRACE(zones);
    TScriptedMessageBoxes boxes;
    TTarifFile doc = SmallDocument();
    doc.Zones.resize(zones, doc.Zones[1]);
    for (std::size_t i = 2; i < zones; ++i) doc.Zones[i].Key = "ZONE000" + std::to_string(i);
    std::vector<std::pair<std::string, std::vector<int>>> passes;
    ASSERT_TRUE(SaveTarifFile(doc, {}, [&](const std::string& label, int percent) {
      if (passes.empty() || passes.back().first != label) passes.push_back({label, {}});
      passes.back().second.push_back(percent);
    }));
    std::vector<std::string> labels;
    for (const auto& [label, percents] : passes) {
      labels.push_back(label);
      EXPECT_LE(*std::max_element(percents.begin(), percents.end()), 100) << label;
      EXPECT_EQ(std::tuple(0, zones > 0 && label != "Speichern" && label != "Sortiere Tarife..." ? 100 : 0),
                std::tuple(percents.front(), percents.back()))
          << label;
    }
    EXPECT_EQ((std::vector<std::string>{"Speichern", "Sortiere Tarife...", "Speichere Schlüssel...",
                                        "Speichere Werktag - Einträge...",
                                        "Speichere Sa./So./Feiertags - Einträge..."}),
              labels);
    EXPECT_EQ(keyPass, passes.at(2).second);
  }
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

  std::string expected = SmallDocumentBytes();
  const auto cut = [&expected](const std::string& lines) {
    expected.erase(expected.find(Crlf(lines)), Crlf(lines).size());
  };
  cut("[FEIERTAGE]\nF0=0101\nF1=2512\n");
  cut("[APPLICATIONS]\nMSDIAL=Microsoft DF\xDC\n");
  expected += Crlf("[FEIERTAGE]\nF0=0310\nF1=2512\nF2=2612\n[APPLICATIONS]\nNEU=Neue Anwendung\n");
  EXPECT_EQ(expected, dir.Read("RATES.7"));

  doc.Holidays.clear();
  ASSERT_TRUE(WriteHolidaysSection(doc));
  EXPECT_EQ(std::string::npos, dir.Read("RATES.7").find("FEIERTAGE"));
}

TEST_F(TarifWriterTest, EntryValueFormat) {
  const std::pair<TTarifEntry, const char*> cases[] = {
      {MakeEntry(kMoFr, 0.06, Hm(9, 0), Hm(18, 0, 59), 60, 0, "0101", "3112", "Test"),
       "23456|0.0600/0.0000/0.0000/09:00-18:00/60.0000/0/0101-3112,Test"},
      {MakeEntry(DayBit(1) | DayBit(7) | DayBit(8), 1.23456, 0, 86399, 0, 12, "01.04.", "30.09.",
                 " zwei  Worte "),
       "178|1.2346/0.0000/0.0000/00:00-23:59/0.0000/12/0104-3009,_zwei__Worte_"},
      {MakeEntry(0, 0, 0, 59, 0.5, -1, "8888", "8888", ""),
       "|0.0000/0.0000/0.0000/00:00-00:00/0.5000/-1/8888-8888,"},
  };
  for (const auto& [entry, value] : cases) EXPECT_EQ(value, EntryValue(entry));
}

}  // namespace
}  // namespace dudode
