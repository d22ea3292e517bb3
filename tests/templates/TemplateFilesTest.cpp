#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/Files.h"
#include "support/IniText.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TestData.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"
#include "templates/RatesFileInfo.h"

namespace dudode {
namespace {

using test::IniText;
using test::TestDataFile;
using namespace std::string_literals;
using test::TScriptedMessageBoxes;
using test::TTempDir;

// The two records of the ConnTemp.dat fixture.
TConnectionTemplate FirstTemplate() {
  TConnectionTemplate t;
  std::tie(t.Name, t.PhoneTarif, t.Zone, t.Provider) =
      std::make_tuple("DFÜ-Netzwerk", "PHONE.0", "City", "Netzwerk Süd");
  std::tie(t.CityWeekend, t.ISDNx2, t.TenPlusActive, t.ProviderActive) = std::make_tuple(1, 1, 1, 1);
  std::tie(t.TenPlusFrom, t.TenPlusRate, t.InstantWorkday, t.InstantHoliday) =
      std::make_tuple(600, 0.5, 0.25, 1);
  return t;
}

TConnectionTemplate SecondTemplate() {
  TConnectionTemplate t;
  std::tie(t.Name, t.PhoneTarif, t.Zone, t.InstantActive) =
      std::make_tuple("Manuelle Aufzeichnung", "PHONE.1\0\0\0"s, "Fern", 1);
  return t;
}

// The fixture is the one byte-exact ConnTemp.dat: every field has its own value there.
TEST(TemplateRecordsTest, ConnTempBytesReadIntoRecordsAndBack) {
  const std::string bytes = TestDataFile("templates/ConnTemp.dat");
  const TConnectionTemplateList templates = ParseConnTempRecords(bytes);
  ASSERT_EQ(2u, templates.size());
  EXPECT_EQ(FirstTemplate(), templates[0]);
  EXPECT_EQ(SecondTemplate(), templates[1]);
  EXPECT_EQ(bytes, ConnTempRecords(templates));
}

TEST(TemplateRecordsTest, FileEndingInsideARecordKeepsTheRecordsBeforeIt) {
  const std::string bytes = TestDataFile("templates/ConnTemp.dat");
  const std::size_t first = ConnTempRecords({FirstTemplate()}).size();
  // Half a string length, the last byte missing, inside a string, inside a double.
  const struct {
    std::size_t length, records;
  } cases[] = {{0, 0},          {1, 0},          {first - 1, 0},        {first, 1},       {first + 1, 1},
               {first + 10, 1}, {first + 40, 1}, {bytes.size() - 1, 1}, {bytes.size(), 2}};
  const TConnectionTemplateList all = {FirstTemplate(), SecondTemplate()};
  for (const auto& c : cases) {
    EXPECT_EQ(TConnectionTemplateList(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(c.records)),
              ParseConnTempRecords(std::string_view(bytes).substr(0, c.length)))
        << c.length;
  }
  // A string length that claims more than is left ends the reading too.
  EXPECT_TRUE(ParseConnTempRecords(std::string(2, '\xFF') + "abc").empty());
}

TEST(TemplateRecordsTest, PhoneTempBytesReadIntoRecordsAndBack) {
  const std::string bytes = TestDataFile("templates/PhoneTemp.dat");
  // Reserved fields as a later version might fill them: four empty strings, then numbers.
  const std::string odd =
      "\x00\x00\x00\x00\x00\x00\x00\x00\xFF\xFF\x01\x02\x03\x04\xFF\xFF\xFF\xFF\x01\x00\x00\x00"
      "\x00\x00\x00\x80\x00\x01\x00\x00"s;
  const TPhoneConnectionTemplateList templates = ParsePhoneTempRecords(bytes + odd);
  ASSERT_EQ(3u, templates.size());
  EXPECT_EQ((TPhoneConnectionTemplate{"01019", "Anbieter X - City", "PHONE.0", "City", 0x0201}),
            templates[0]);
  EXPECT_EQ((TPhoneConnectionTemplate{"01013", "Fernzone", "PHONE.1", "Fernzone", 0x0004}), templates[1]);
  const TPhoneConnectionTemplate& t = templates[2];
  EXPECT_EQ(std::make_tuple(0xFFFF, 4, -1, INT32_MIN, 256),
            std::make_tuple(t.Relations, t.Reserved4, t.Reserved5, t.Reserved7, t.Reserved8));
  EXPECT_EQ(bytes + odd, PhoneTempRecords(templates));
  EXPECT_EQ(2u, ParsePhoneTempRecords(bytes + odd.substr(0, odd.size() - 1)).size());
}

class TemplateFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    dir.Write("Rates.0", IniText({"[COMMON]", "FILENAME=Anbieter_X_(Stand_2003)",
                                  "ACCESSCODE=010_19 ; Vorwahl", "[REGIONENINDEX]", "R0=City,CITY0001",
                                  "R1=,LEER0001",  // no name: no zone
                                  "R2=Region_50,REGI0001", "R3=Fernzone,FERN0001", "[AccessInfos_CITY0001]",
                                  "PhoneNr=0191011#0191012", "[AccessInfos_LEER0001]", "PhoneNr=0999",
                                  "[AccessInfos_FERN0001]", "PhoneNr=0193", "[RELATIONS]", "CITY0001=[0]",
                                  "FERN0001=[2, 9]"}));
    dir.Write("rates.1", IniText({"[REGIONENINDEX]", "R0=Mobilfunk,MOBI0001"}));
    dir.Write("RATES.2", IniText({"[COMMON]", "FILENAME=aaa_erster"}));
    dir.Write("Provider.ini", IniText({"[PROVIDER]", "P0=Netzwerk_Süd,NETZ0001", "P1=alpha,ALPH0001",
                                       "P2=Ohne_Schluessel,", "P3=OHNENAME"}));
    dir.Write("UserProv.ini", IniText({"[PROVIDER]", "P0=Gone,GONE0001"}));
  }

  TTempDir dir;
};

// Sorted by description without regard to case.
TEST_F(TemplateFilesTest, PhoneTariffListDescribesEveryRatesFileAndProviderNamesComeFromProviderIni) {
  using TInfo = std::tuple<std::string, std::string, std::string, std::vector<std::string>,
                           std::vector<std::string>, std::vector<TRelationSet>>;
  std::vector<TInfo> got;
  for (const TRatesFileInfo& i : LoadPhoneTariffList())
    got.emplace_back(i.Description, i.Identifier, i.AccessCode, i.ZoneNames, i.AccessNumbers,
                     i.ZoneRelations);
  const std::vector<TInfo> expected = {
      {"aaa erster", "PHONE.2", "", {}, {}, {}},
      {"Anbieter X (Stand 2003)",
       "PHONE.0",
       "010 19",
       {"City", "Region 50", "Fernzone"},
       {"0191011#0191012", "", "0193"},
       {0x0001, 0x0000, 0x0204}},
      {"Unbekannte Datei - Keine Information", "PHONE.1", "", {"Mobilfunk"}, {""}, {0}},
  };
  EXPECT_EQ(expected, got);
  EXPECT_EQ((std::vector<std::string>{"alpha", "Netzwerk Süd"}), LoadProviderNames());
}

TEST_F(TemplateFilesTest, PhoneTariffListTakesFirst50ZonesAnd150Characters) {
  std::vector<std::string> lines = {"[COMMON]", "FILENAME=" + std::string(200, 'd'), "[REGIONENINDEX]"};
  for (int i = 0; i < 60; ++i)
    lines.push_back("R" + std::to_string(i) + "=Z" + std::to_string(i) + ",K" + std::to_string(i));
  dir.Write("Rates.9", IniText(lines));
  const TRatesFileInfo info = ReadRatesFileInfo("Rates.9");
  EXPECT_EQ(std::make_tuple(std::string(150, 'd'), 50u, 50u, 50u, "Z49"s),
            std::make_tuple(info.Description, info.ZoneNames.size(), info.AccessNumbers.size(),
                            info.ZoneRelations.size(), info.ZoneNames.back()));
}

TEST_F(TemplateFilesTest, ReadingKeepsMissingTariffsAndProvidersAsStored) {
  TConnectionTemplate gone = FirstTemplate(), caseOnly = FirstTemplate();
  std::tie(gone.Name, gone.PhoneTarif, gone.Provider) = std::make_tuple("anderer", "PHONE.7", "Gone");
  std::tie(caseOnly.Name, caseOnly.Provider) = std::make_tuple("Zeta", "NETZWERK SÜD");
  dir.Write("ConnTemp.dat", ConnTempRecords({caseOnly, FirstTemplate(), gone, SecondTemplate()}));

  // As stored: nothing replaced, file order.
  const TConnectionTemplateList stored = ReadConnTempFile().Records;
  EXPECT_EQ(std::make_tuple(4ul, "PHONE.7", "PHONE.1\0\0\0"s),
            std::make_tuple(stored.size(), stored.at(2).PhoneTarif, stored.at(3).PhoneTarif));

  std::vector<std::string> got;
  for (const auto& t : LoadConnectionTemplates().Records)
    got.push_back(t.Name + "|" + t.PhoneTarif + "|" + t.Provider);
  // The list's order: by name without regard to case; the tariff cut at the zero byte, then found; the
  // provider found without regard to case, kept as stored.
  EXPECT_EQ((std::vector<std::string>{"anderer|PHONE.7|Gone", "DFÜ-Netzwerk|PHONE.0|Netzwerk Süd",
                                      "Manuelle Aufzeichnung|PHONE.1|", "Zeta|PHONE.0|NETZWERK SÜD"}),
            got);
}

TEST_F(TemplateFilesTest, SavingWritesBothFilesWithAccessNumbers) {
  TConnectionTemplate fern = SecondTemplate(), unknownZone = FirstTemplate();
  std::tie(fern.Name, fern.PhoneTarif, fern.Zone) = std::make_tuple("Fern", "PHONE.0", "Fernzone");
  std::tie(unknownZone.Name, unknownZone.Zone) = std::make_tuple("X", "Nirgendwo");
  TConnectionTemplateList templates = {FirstTemplate(), fern, unknownZone};
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SaveConnectionTemplates(templates, LoadPhoneTariffList()));

  EXPECT_EQ(ConnTempRecords(templates), dir.Read("ConnTemp.dat"));
  // The access numbers of City after the tariff, then the fields of ConnTemp.dat and the reserved ones.
  const std::string firstEx =
      "\x0C\x00"
      "DF\xDC-Netzwerk\x07\x00PHONE.0\x0F\x00"
      "0191011#0191012"s +
      ConnTempRecords({FirstTemplate()}).substr(23) + std::string(14, '\0');
  const std::string ex = dir.Read("ConnTempEx.dat");
  EXPECT_EQ(firstEx, ex.substr(0, firstEx.size()));
  const TConnectionTemplateList back = ParseConnTempExRecords(ex);
  std::string numbers;
  for (const auto& t : back) numbers += t.AccessNumber + "|";
  EXPECT_EQ("0191011#0191012|0193||", numbers);
  EXPECT_EQ(ex, ConnTempExRecords(back));
}

TEST_F(TemplateFilesTest, PhoneTemplatesRoundTripKeepingMissingTariffsAndReplacingWriteProtectedFiles) {
  TPhoneConnectionTemplate a{"01019", "Anbieter X - City", "PHONE.0", "City", 1};
  TPhoneConnectionTemplate b{"01013", "Weg", "PHONE.5", "Irgendwo", 0};
  dir.Write("PhoneTemp.dat", PhoneTempRecords({a, b}));
  const TPhoneConnectionTemplateList templates = LoadPhoneTemplates().Records;
  EXPECT_EQ((TPhoneConnectionTemplateList{b, a}), templates);  // by prefix, the missing tariff kept
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SavePhoneTemplates(templates));
  EXPECT_EQ(PhoneTempRecords({b, a}), dir.Read("PhoneTemp.dat"));
  namespace fs = std::filesystem;
  dir.Write("PhoneTemp.dat", "alt");
  fs::permissions(dir.File("PhoneTemp.dat"), fs::perms::owner_read, fs::perm_options::replace);
  ASSERT_TRUE(SavePhoneTemplates(templates));
  EXPECT_EQ(PhoneTempRecords(templates), dir.Read("PhoneTemp.dat"));
  EXPECT_NE(fs::perms::none, fs::status(dir.File("PhoneTemp.dat")).permissions() & fs::perms::owner_write);
}

TEST_F(TemplateFilesTest, FailedWriteKeepsBothOldFiles) {
  dir.Write("ConnTemp.dat", "alt");
  dir.Write("ConnTempEx.dat", "alt");
  TConnectionTemplateList templates = {SecondTemplate()};
  for (long long failAfter : {0LL, 5LL}) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    InjectWriteFailureAfter(failAfter);
    EXPECT_FALSE(SaveConnectionTemplates(templates, LoadPhoneTariffList()));
    InjectWriteFailureAfter(-1);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(mkFehler, boxes.Boxes()[0].Kind);
    EXPECT_EQ("altalt", dir.Read("ConnTemp.dat") + dir.Read("ConnTempEx.dat"));
  }
}

TEST_F(TemplateFilesTest, ReportTellsWhatReadingKeptAndRefused) {
  const std::string path = dir.File("PhoneTemp.dat");
  const std::string record = PhoneTempRecords({{"01019", "A", "PHONE.0", "City", 1}});
  struct TCase {
    std::function<void()> Prepare;
    TRecordFileState State;
    std::size_t Kept;
    std::string Message;  // after "Die Datei <path>"
  };
  const TCase cases[] = {
      {[] {}, TRecordFileState::Missing, 0, ""},
      {[&] { dir.Write("PhoneTemp.dat", record + record); }, TRecordFileState::Complete, 2, ""},
      {[&] { dir.Write("PhoneTemp.dat", "\xFF\xFF" + record); }, TRecordFileState::BrokenTail, 0,
       " ist beschädigt: nur die ersten 0 Datensätze konnten gelesen werden."},
      {[&] { dir.Write("PhoneTemp.dat", record + "\xFF\xFF" + record); }, TRecordFileState::BrokenTail, 1,
       " ist beschädigt: nur die ersten 1 Datensätze konnten gelesen werden."},
      {[&] { std::filesystem::create_directory(path); }, TRecordFileState::NotRegular, 0,
       " ist keine gewöhnliche Datei und wird nicht gelesen."},
      {[&] { std::filesystem::resize_file((dir.Write("PhoneTemp.dat", ""), path), kMaxRecordFileBytes + 1); },
       TRecordFileState::TooLarge, 0, " ist größer als 4 MB und wird nicht gelesen."},
      {[&] { dir.Write("PhoneTemp.dat", record), InjectFileFailure(TFileOp::Read, 0, EACCES); },
       TRecordFileState::Unreadable, 0, " kann nicht gelesen werden (Zugriff verweigert)."},
  };
  for (const TCase& c : cases) {
    std::filesystem::remove_all(path);
    c.Prepare();
    const TRecordFile<TPhoneConnectionTemplate> file = ReadPhoneTempFile();
    EXPECT_EQ(c.State, file.Report.State) << c.Message;
    EXPECT_EQ(std::make_tuple(c.Kept, c.Kept), std::make_tuple(file.Records.size(), file.Report.RecordsKept));
    EXPECT_EQ(c.Message.empty() ? "" : "Die Datei " + path + c.Message, file.Report.Message());
  }
}

TEST(TemplateOptionsTest, OptionTextNamesWhatHoldsInFixedOrder) {
  TConnectionTemplate bare, all = FirstTemplate();
  bare.ProviderActive = all.CityPlus = all.InstantActive = 1;
  const std::pair<TConnectionTemplate, const char*> cases[] = {
      {bare, ""},  // no provider named: not shown
      {FirstTemplate(), "Provider, CityWeekend, 10plus, ISDNx2"},
      {SecondTemplate(), "SRabatt"},
      {all, "Provider, CityPlus, CityWeekend, 10plus, SRabatt, ISDNx2"},
  };
  for (const auto& [t, expected] : cases) EXPECT_EQ(expected, ConnectionOptionText(t));
}

}  // namespace
}  // namespace dudode
