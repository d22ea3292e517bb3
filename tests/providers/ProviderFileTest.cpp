#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

#include "core/Clock.h"
#include "core/Files.h"
#include "providers/ProviderFile.h"
#include "support/IniText.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode {
namespace {

using test::IniText;
using test::TestDataFile;
using test::TScriptedMessageBoxes;
using test::TTempDir;

class ProviderFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    SetClock([] { return TDateTime{2004, 3, 27, 10, 0, 0}; });
  }
  void TearDown() override {
    SetClock({});
    InjectWriteFailureAfter(-1);
    InjectFileFailure(TFileOp::Replace, 0, 0);
  }

  TProviderList Load(const std::vector<std::string>& lines) {
    dir.Write("Provider.ini", IniText(lines));
    return LoadProviderFile("Provider.ini");
  }

  TTempDir dir;
};

// Expected.ini is the one complete provider file; the other checks are what the writer does not show.
TEST_F(ProviderFileTest, HandWrittenFileReadAndWritten) {
  dir.Write("Provider.ini", TestDataFile("providers/Provider.ini"));
  TScriptedMessageBoxes boxes;
  TProviderList providers = LoadProviderFile("Provider.ini");
  const TProvider& netz = providers.at(2);
  EXPECT_EQ(std::make_tuple(17 * 3600 + 59 * 60 + 59, "08:00:00 17:59:59"),
            std::make_tuple(netz.WerktagEntries.at(1).EndSec, SortKey(netz.WerktagEntries[1])));

  std::vector<int> steps;
  ASSERT_TRUE(SaveProviderFile("Provider.ini", providers, [&](int index, int count) {
    EXPECT_EQ(3, count);
    steps.push_back(index);
  }));
  const std::string expected = TestDataFile("providers/Expected.ini");
  EXPECT_EQ(expected, dir.Read("Provider.ini"));
  EXPECT_EQ((std::vector<int>{0, 2}), steps);
  // Reading the written file and writing it again changes nothing.
  providers = LoadProviderFile("Provider.ini");
  ASSERT_TRUE(SaveProviderFile("Provider.ini", providers));
  EXPECT_EQ(expected, dir.Read("Provider.ini"));
}

TEST_F(ProviderFileTest, WriterLeavesOutWhatHasNoValue) {
  TProviderList providers = {{"X0001", "Neuer Anbieter_2", {}, {}, {}}};
  TProvider& p = providers[0];
  // Amounts the file would hold as 0 get no line (the next load would read none).
  std::tie(p.Options.NoCostsFrom, p.Options.CostsPerDay, p.Options.FreeHoursCosts, p.Options.Timing) =
      std::make_tuple(0.4, 0.4, 0.00004, 12.34567);
  p.WerktagEntries = {{9 * 3600, 9 * 3600 + 59 * 60 + 59, 60, 0.02}, {0, 3599, 0, 1}};
  p.SaSoEntries = {{0, 3599, 0.00003, 1}};  // a Takt the file holds as 0: no line
  p.Options.FreeHoursRanges = {{0, 0, 60, 1.5}};
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SaveProviderFile("UserProv.ini", providers));
  const std::string written = dir.Read("UserProv.ini");
  for (const char* part :
       {"; UserProv.ini\r\n", "FILENAME=Providertarife_benutzerdefiniert\r\n",
        "P0=Neuer_Anbieter_2,X0001\r\n[X0001WERKTAG]\r\nX00010=09:00-09:59/60.0000/0.0200\r\n[",
        "[TIMING]\r\nX0001=12.3457\r\n[MinConnectTime]\r\nX0001=-1.0000\r\n",
        "[X0001FREEHOURSRANGE]\r\nX00010=|00:00-00:01/1.5000/\r\n", "[NOCOSTS]\r\nX0001=-1\r\n"})
    EXPECT_NE(std::string::npos, written.find(part)) << part;
  for (const char* absent :
       {"[X0001SASO]", "[FreeHoursCosts]", "[FreeHoursPerDay]", "[ISDNDoubleCosts]", "[COSTSPERDAY]"})
    EXPECT_EQ(std::string::npos, written.find(absent)) << absent;
  // The entry without Takt is gone from the model too.
  EXPECT_EQ(1u, p.WerktagEntries.size());
  EXPECT_DOUBLE_EQ(-1, p.Options.NoCostsFrom);
}

TEST_F(ProviderFileTest, ProviderLinesAreCleanedAndSplit) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, std::string>> expected;  // key, name
  } cases[] = {
      {{"P0=Netzwerk_Süd,NETZ 0001 ; alt"}, {{"NETZ0001", "Netzwerk Süd"}}},
      {{"P0=NETZ0001"}, {{"NETZ0001", ""}}},                      // no ",": the whole value is the key
      {{"P0=Ohne_Schluessel,", "P1=B,B0001"}, {{"B0001", "B"}}},  // an empty key is left out
      {{"P0=X,[COMMON]", "P1=Y,Y]1", "P2=Z,Z=1", "P3=B,B0001"}, {{"B0001", "B"}}},  // nor keys no file holds
      {{"P0=", "P1=  ;nur Kommentar", "P2=A,A0001"}, {{"A0001", "A"}}},
      {{"P0=" + std::string(120, 'n') + ",LANG0001"}, {{"LANG0001", std::string(100, 'n')}}},
      // Byte order of the file: "€" (0x80) sorts before "Ä" (0xC4), capitals before small letters.
      {{"P0=Äther,AE0001", "P1=€uro,EU0001", "P2=b,B0001", "P3=B,B0002", "P4=a_b,A0001"},
       {{"B0002", "B"}, {"A0001", "a b"}, {"B0001", "b"}, {"EU0001", "€uro"}, {"AE0001", "Äther"}}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = {"[PROVIDER]"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& p : Load(lines)) got.emplace_back(p.Key, p.Name);
    EXPECT_EQ(c.expected, got) << c.lines[0];
  }
}

TEST_F(ProviderFileTest, ReadsAtMost1025ProviderLinesAndNoneFromAMissingFile) {
  std::vector<std::string> lines = {"[PROVIDER]"};
  for (int i = 0; i < 1030; ++i)
    lines.push_back("P" + std::to_string(i) + "=N" + std::to_string(i) + ",K" + std::to_string(i));
  EXPECT_EQ(1025u, Load(lines).size());
  TScriptedMessageBoxes boxes;
  EXPECT_TRUE(LoadProviderFile("UserProv.ini").empty());
  EXPECT_FALSE(dir.Exists("UserProv.ini"));
  // A file that exists but cannot be read is not opened, so no save empties it.
  TProviderList providers;
  dir.Write("UserProv.ini", "[PROVIDER]\r\nP0=A,K\r\n");
  InjectFileFailure(TFileOp::Read, 0, EACCES);
  boxes.Expect("Die Datei " + dir.File("UserProv.ini") + " kann nicht gelesen werden (Zugriff verweigert).");
  EXPECT_FALSE(LoadProvidersToEdit("UserProv.ini", providers));
}

using O = TProviderOptions;
template <typename T, typename V>
O With(T O::*field, V value) {
  O options;
  options.*field = static_cast<T>(value);
  return options;
}

// Per section: value (empty: no line) and the options it gives; {} is the default of every option.
TEST_F(ProviderFileTest, OptionValuesAreDefaultedAndClamped) {
  const struct {
    std::string section;
    std::vector<std::pair<std::string, TProviderOptions>> values;
  } cases[] = {
      {"TIMING", {{"5000", With(&O::Timing, 1000)}, {"-7", {}}, {"abc", {}}}},
      {"TIMING", {{"", {}}, {"1000.5", With(&O::Timing, 1000)}, {"0", With(&O::Timing, 0)}}},
      {"MinConnectTime", {{"2000", With(&O::MinConnectTime, 1000)}, {"-1.5", {}}}},
      {"MinConnectTime", {{"30 ; Sekunden", With(&O::MinConnectTime, 30)}}},
      {"COSTSPERDAY", {{"-3", {}}, {"x", {}}, {"", {}}, {"12.5", With(&O::CostsPerDay, 12.5)}}},
      {"NOCOSTS",
       {{"", {}}, {"x", {}}, {"1 500", With(&O::NoCostsFrom, 1500)}, {"0", With(&O::NoCostsFrom, 0)}}},
      {"FREISTUNDEN", {{"3600", With(&O::FreeHours, 3600)}, {"36.5", {}}, {"", {}}}},
      {"GRUNDBETRAG", {{"495", With(&O::BaseAmount, 495)}, {"4.95", {}}}},
      {"FreeHoursCosts", {{"2.5", With(&O::FreeHoursCosts, 2.5)}, {"nan", {}}, {"1e999", {}}}},
      {"BASECONNECTPRICE", {{"y", {}}}},
      {"OPTIONS",
       {{"", {}}, {"YES", {}}, {"yes", With(&O::Holiday2431, false)}, {"NO", With(&O::Holiday2431, false)}}},
      {"FreeHoursPerDay", {{"YES", With(&O::FreeHoursPerDay, true)}, {"Yes", {}}}},
      {"ISDNDoubleCosts", {{"YES", With(&O::ISDNDoubleCosts, true)}, {"", {}}}},
  };
  for (const auto& c : cases) {
    for (const auto& [value, expected] : c.values) {
      SCOPED_TRACE(c.section + "=" + value);
      std::vector<std::string> lines = {"[PROVIDER]", "P0=Name,K0001", "[" + c.section + "]"};
      if (!value.empty()) lines.push_back("K0001=" + value);
      EXPECT_EQ(expected, Load(lines).at(0).Options);
    }
  }
}

TEST_F(ProviderFileTest, FreeHoursRangesNeedTwoTimesAndATakt) {
  struct Case {
    std::string value;
    TFreeHoursRange range;  // Takt 0: not kept
  } cases[] = {
      {"234567|18:00-07:59/60.0000/", {0x00FC, 64800, 28740, 60}},
      {"x8 1|00:00-23:59/30/", {0x0102, 0, 86340, 30}},  // day digits anywhere, holiday accepted
      {"|06:00-07:00/1.5/", {0, 21600, 25200, 1.5}},     // no day at all
      {"06:00-07:00/1.5/", {0, 21600, 25200, 1.5}},      // no "|": no day part
      {"234|18:00-07:59/60.0000", {}},                   // no second "/"
      {"234|18:00-24:00/60/", {}},
      {"234|18:00/07:59-60/", {}},
      {"234|18:00/60/-07:59", {}},  // a "/" before the "-" is no range, whatever else would parse
      {"234|18:00-07:59/sechzig/", {}},
      {"234|18:00-07:59//", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    const TProviderList providers =
        Load({"[PROVIDER]", "P0=Name,K0001", "[K0001FREEHOURSRANGE]", "K00010=" + c.value});
    EXPECT_EQ(c.range.Takt > 0 ? TFreeHoursRangeArray{c.range} : TFreeHoursRangeArray{},
              providers.at(0).Options.FreeHoursRanges)
        << c.value;
  }
}

TEST_F(ProviderFileTest, BadEntriesAreReportedPerLineWerktagFirstInSortedOrder) {
  const std::string syntax =
      "Der Providereintrag für Schlüssel NETZ0001 ist fehlerhaft! Providereintrag wird nicht gelesen!";
  const std::string incorrect = "Eintrag für Provider Netzwerk_Süd ( NETZ0001WERKTAG ) ist nicht korrekt.";
  struct Case {
    std::string value;
    std::string message;  // empty: none
    const char* caption;
    std::size_t entries;  // after the sort
  } cases[] = {
      {"08:00-17:59/60/0.029", "", "", 1},
      {"8:00-17:59/60/0.029", syntax, "Syntax Fehler", 0},
      {"08:00-17:59", syntax, "Syntax Fehler", 0},
      {"08:00+17:59/60/0.029", syntax, "Syntax Fehler", 0},
      {"08:00-25:00/60/0.029", incorrect, "Fehler", 0},
      // A bad price is reported, the entry stays (with price 0).
      {"08:00-17:59/60/billig", incorrect, "Fehler", 1},
      // A bad Takt is reported and leaves Takt 0, which the sort drops.
      {"08:00-17:59/x/0.029", incorrect, "Fehler", 0},
      {"08:00-17:59/0/0.029", "", "", 0},  // Takt 0: dropped silently
      {" ; nur Kommentar", "", "", 0},
      {"", "", "", 0},  // an empty value is skipped without a message
  };
  for (const auto& c : cases) {
    TScriptedMessageBoxes boxes;
    if (!c.message.empty()) boxes.Expect(c.message, idOK, c.caption);
    const TProviderList providers =
        Load({"[PROVIDER]", "P0=Netzwerk_Süd,NETZ0001", "[NETZ0001WERKTAG]", "NETZ00010=" + c.value});
    EXPECT_EQ(c.entries, providers.at(0).WerktagEntries.size()) << c.value;
    for (const auto& box : boxes.Boxes()) EXPECT_EQ(mkFehler, box.Kind);
  }
  TScriptedMessageBoxes boxes;
  boxes.Expect("Eintrag für Provider A ( A0001WERKTAG ) ist nicht korrekt.")
      .Expect("Eintrag für Provider B ( B0001WERKTAG ) ist nicht korrekt.")
      .Expect("Eintrag für Provider A ( A0001SASO ) ist nicht korrekt.");
  Load({"[PROVIDER]", "P0=B,B0001", "P1=A,A0001", "[A0001SASO]", "A00010=00:00-99:00/1/1", "[B0001WERKTAG]",
        "B00010=00:00-99:00/1/1", "[A0001WERKTAG]", "A00010=00:00-99:00/1/1"});
}

// The cut counts keys, so an empty value within the first 21 costs an entry.
TEST_F(ProviderFileTest, ReadsAtMost21EntriesPerSection) {
  for (const int emptyAt : {-1, 3}) {
    std::vector<std::string> lines = {"[PROVIDER]", "P0=Name,K0001", "[K0001SASO]"};
    for (int i = 0; i < 25; ++i) {
      const std::string hour = (i < 10 ? "0" : "") + std::to_string(i);
      lines.push_back("K0001" + std::to_string(i) + "=" +
                      (i == emptyAt ? "" : hour + ":00-" + hour + ":59/60/0.01"));
    }
    const TProviderEntryList entries = Load(lines).at(0).SaSoEntries;
    ASSERT_EQ(emptyAt < 0 ? 21u : 20u, entries.size()) << emptyAt;
    EXPECT_EQ(20 * 3600, entries.back().StartSec);
  }
}

TEST_F(ProviderFileTest, EntriesAreSortedByTimesAsText) {
  const TProviderList providers =
      Load({"[PROVIDER]", "P0=Name,K0001", "[K0001WERKTAG]", "a=22:00-05:59/60/0.01", "b=09:00-09:59/60/0.02",
            "c=00:00-08:59/60/0.03", "d=09:00-09:29/60/0.04"});
  std::vector<double> prices;
  for (const auto& e : providers.at(0).WerktagEntries) prices.push_back(e.Price);
  EXPECT_EQ((std::vector<double>{0.03, 0.04, 0.02, 0.01}), prices);
}

// Times of 100 hours and more have longer keys: "100:00:00" comes before "10:30:00".
TEST(ProviderSortTest, EntriesFollowTheirKeysAsText) {
  const std::vector<std::pair<std::vector<int>, std::vector<int>>> rows = {
      {{9 * 3600, 22 * 3600, 0, 9 * 3600 + 1}, {0, 9 * 3600, 9 * 3600 + 1, 22 * 3600}},
      {{10 * 3600 + 1800, 100 * 3600, 9 * 3600}, {9 * 3600, 100 * 3600, 10 * 3600 + 1800}},
  };
  for (const auto& [starts, expected] : rows) {
    TProviderEntryList entries;
    for (int start : starts) entries.push_back({start, 0, 60, static_cast<double>(entries.size())});
    SortProviderEntries(entries);
    std::vector<int> sorted;
    for (const auto& e : entries) sorted.push_back(e.StartSec);
    EXPECT_EQ(expected, sorted);
  }
}

TEST_F(ProviderFileTest, EqualNamesKeepTheirOrderSoResavesSettle) {
  TProviderList providers =
      Load({"[PROVIDER]", "P0=Gleich,ZWEI0001", "P1=Gleich,EINS0001", "P2=Gleich,DREI0001"});
  ASSERT_TRUE(SaveProviderFile("Provider.ini", providers));
  const std::string first = dir.Read("Provider.ini");
  EXPECT_NE(std::string::npos, first.find("P0=Gleich,ZWEI0001\r\nP1=Gleich,EINS0001\r\nP2=Gleich,DREI0001"));
  providers = LoadProviderFile("Provider.ini");
  ASSERT_TRUE(SaveProviderFile("Provider.ini", providers));
  EXPECT_EQ(first, dir.Read("Provider.ini"));
}

// -2: the replace refused, as a write-protected directory refuses it, also to root.
TEST_F(ProviderFileTest, FailedWriteKeepsOldFileAndSaysSo) {
  const std::string old = IniText({"[PROVIDER]", "P0=Alt,ALT0001"});
  dir.Write("Provider.ini", old);
  TProviderList providers = LoadProviderFile("Provider.ini");
  providers[0].Name = "Neu";
  for (long long failAfter : {-2LL, 0LL, 10LL, 200LL}) {
    SCOPED_TRACE(failAfter);
    TScriptedMessageBoxes boxes;
    if (failAfter < 0) {
      boxes.Expect("Konnte " + dir.File("Provider.ini") +
                   " nicht löschen!\rSpeicherung kann nicht erfolgen!");
      InjectFileFailure(TFileOp::Replace, 0, EACCES);
    } else {
      boxes.AcceptAll();
      InjectWriteFailureAfter(failAfter);
    }
    EXPECT_FALSE(SaveProviderFile("Provider.ini", providers));
    InjectWriteFailureAfter(-1);
    InjectFileFailure(TFileOp::Replace, 0, 0);
    EXPECT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(old, dir.Read("Provider.ini"));
  }
  // Nothing of the failed attempt lingers: the next save writes the new name.
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SaveProviderFile("Provider.ini", providers));
  EXPECT_NE(std::string::npos, dir.Read("Provider.ini").find("P0=Neu,ALT0001"));
}

}  // namespace
}  // namespace dudode
