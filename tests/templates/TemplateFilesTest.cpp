#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/Files.h"
#include "core/Text.h"
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
  t.Name = "DFÜ-Netzwerk";
  t.PhoneTarif = "PHONE.0";
  t.Zone = "City";
  t.CityWeekend = 1;
  t.ISDNx2 = 1;
  t.TenPlusActive = 1;
  t.TenPlusFrom = 600;
  t.TenPlusRate = 0.5;
  t.InstantWorkday = 0.25;
  t.InstantHoliday = 1;
  t.Provider = "Netzwerk Süd";
  t.ProviderActive = 1;
  return t;
}

TConnectionTemplate SecondTemplate() {
  TConnectionTemplate t;
  t.Name = "Manuelle Aufzeichnung";
  t.PhoneTarif = "PHONE.1\0\0\0"s;
  t.Zone = "Fern";
  t.InstantActive = 1;
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
  for (const auto& c : cases) {
    const TConnectionTemplateList templates =
        ParseConnTempRecords(std::string_view(bytes).substr(0, c.length));
    ASSERT_EQ(c.records, templates.size()) << c.length;
    if (c.records > 0) {
      EXPECT_EQ(FirstTemplate(), templates[0]);
    }
  }
  // A string length that claims more than is left ends the reading too.
  EXPECT_TRUE(ParseConnTempRecords("\xFF\xFF"
                                   "abc"s)
                  .empty());
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
  EXPECT_EQ(0xFFFF, templates[2].Relations);
  EXPECT_EQ(4, templates[2].Reserved4);
  EXPECT_EQ(-1, templates[2].Reserved5);
  EXPECT_EQ(INT32_MIN, templates[2].Reserved7);
  EXPECT_EQ(256, templates[2].Reserved8);
  EXPECT_EQ(bytes + odd, PhoneTempRecords(templates));
  EXPECT_EQ(2u, ParsePhoneTempRecords(bytes + odd.substr(0, odd.size() - 1)).size());
}

TEST(TemplateRecordsTest, TextsAreWindows1252InTheFile) {
  TConnectionTemplate t;
  t.Name = "€ ä \u4E2D";  // the last one has no place in 1252
  const std::string bytes = ConnTempRecords({t});
  EXPECT_EQ("\x05\x00\x80 \xE4 ?"s, bytes.substr(0, 7));
  EXPECT_EQ("€ ä ?", ParseConnTempRecords(bytes)[0].Name);
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

TEST_F(TemplateFilesTest, PhoneTariffListDescribesEveryRatesFile) {
  const std::vector<TRatesFileInfo> tariffs = LoadPhoneTariffList();
  ASSERT_EQ(3u, tariffs.size());
  // Sorted by description without regard to case.
  EXPECT_EQ("aaa erster", tariffs[0].Description);
  EXPECT_EQ("PHONE.2", tariffs[0].Identifier);
  EXPECT_TRUE(tariffs[0].ZoneNames.empty());

  const TRatesFileInfo& x = tariffs[1];
  EXPECT_EQ("Anbieter X (Stand 2003)", x.Description);
  EXPECT_EQ("PHONE.0", x.Identifier);
  EXPECT_EQ("010 19", x.AccessCode);
  EXPECT_EQ((std::vector<std::string>{"City", "Region 50", "Fernzone"}), x.ZoneNames);
  EXPECT_EQ((std::vector<std::string>{"0191011#0191012", "", "0193"}), x.AccessNumbers);
  EXPECT_EQ((std::vector<TRelationSet>{0x0001, 0x0000, 0x0204}), x.ZoneRelations);

  EXPECT_EQ("Unbekannte Datei - Keine Information", tariffs[2].Description);
  EXPECT_EQ("PHONE.1", tariffs[2].Identifier);
  EXPECT_EQ("", tariffs[2].AccessCode);
}

TEST_F(TemplateFilesTest, PhoneTariffListTakesFirst50ZonesAnd150Characters) {
  std::vector<std::string> lines = {"[COMMON]", "FILENAME=" + std::string(200, 'd'), "[REGIONENINDEX]"};
  for (int i = 0; i < 60; ++i)
    lines.push_back("R" + std::to_string(i) + "=Z" + std::to_string(i) + ",K" + std::to_string(i));
  dir.Write("Rates.9", IniText(lines));
  const TRatesFileInfo info = ReadRatesFileInfo("Rates.9");
  EXPECT_EQ(std::string(150, 'd'), info.Description);
  EXPECT_EQ(50u, info.ZoneNames.size());
  EXPECT_EQ(50u, info.AccessNumbers.size());
  EXPECT_EQ(50u, info.ZoneRelations.size());
  EXPECT_EQ("Z49", info.ZoneNames.back());
}

TEST_F(TemplateFilesTest, ProviderNamesComeFromTheMainProviderFileOnly) {
  EXPECT_EQ((std::vector<std::string>{"alpha", "Netzwerk Süd"}), LoadProviderNames());
}

TEST_F(TemplateFilesTest, ReadingKeepsMissingTariffsAndProvidersAsStored) {
  TConnectionTemplate gone = FirstTemplate();
  gone.Name = "anderer";
  gone.PhoneTarif = "PHONE.7";
  gone.Provider = "Gone";  // only in UserProv.ini
  TConnectionTemplate caseOnly = FirstTemplate();
  caseOnly.Name = "Zeta";
  caseOnly.Provider = "NETZWERK SÜD";
  dir.Write("ConnTemp.dat", ConnTempRecords({caseOnly, FirstTemplate(), gone, SecondTemplate()}));

  // As stored: nothing replaced, file order.
  const TConnectionTemplateList stored = ReadConnTempFile().Records;
  ASSERT_EQ(4u, stored.size());
  EXPECT_EQ("PHONE.7", stored[2].PhoneTarif);
  EXPECT_EQ("PHONE.1\0\0\0"s, stored[3].PhoneTarif);

  const TConnectionTemplateList templates = LoadConnectionTemplates().Records;
  const struct {
    const char *name, *tariff, *provider;
  } expected[] = {
      // The list's order: by name without regard to case.
      {"anderer", "PHONE.7", "Gone"},
      {"DFÜ-Netzwerk", "PHONE.0", "Netzwerk Süd"},
      {"Manuelle Aufzeichnung", "PHONE.1", ""},  // cut at the zero byte, then found
      {"Zeta", "PHONE.0", "NETZWERK SÜD"},       // found without regard to case, kept as stored
  };
  ASSERT_EQ(std::size(expected), templates.size());
  for (std::size_t i = 0; i < templates.size(); ++i) {
    EXPECT_EQ(expected[i].name, templates[i].Name);
    EXPECT_EQ(expected[i].tariff, templates[i].PhoneTarif) << i;
    EXPECT_EQ(expected[i].provider, templates[i].Provider) << i;
  }
}

TEST_F(TemplateFilesTest, MissingFilesGiveEmptyLists) {
  TScriptedMessageBoxes boxes;
  EXPECT_TRUE(LoadConnectionTemplates().Records.empty());
  EXPECT_TRUE(LoadPhoneTemplates().Records.empty());
}

TEST_F(TemplateFilesTest, SavingWritesBothFilesWithAccessNumbers) {
  const std::vector<TRatesFileInfo> tariffs = LoadPhoneTariffList();
  TConnectionTemplate fern = SecondTemplate();
  fern.PhoneTarif = "PHONE.0";
  fern.Name = "Fern";
  fern.Zone = "Fernzone";
  TConnectionTemplate unknownZone = FirstTemplate();
  unknownZone.Name = "X";
  unknownZone.Zone = "Nirgendwo";
  TConnectionTemplateList templates = {FirstTemplate(), fern, unknownZone};
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SaveConnectionTemplates(templates, tariffs));

  EXPECT_EQ(ConnTempRecords(templates), dir.Read("ConnTemp.dat"));
  // The access numbers of City after the tariff, then the fields of ConnTemp.dat and the reserved ones.
  const std::string firstEx =
      "\x0C\x00"
      "DF\xDC-Netzwerk\x07\x00PHONE.0\x0F\x00"
      "0191011#0191012"s +
      ConnTempRecords({FirstTemplate()}).substr(23) + std::string(14, '\0');
  const std::string ex = dir.Read("ConnTempEx.dat");
  ASSERT_GE(ex.size(), firstEx.size());
  EXPECT_EQ(firstEx, ex.substr(0, firstEx.size()));

  const TConnectionTemplateList back = ParseConnTempExRecords(ex);
  ASSERT_EQ(3u, back.size());
  EXPECT_EQ("0191011#0191012", back[0].AccessNumber);
  EXPECT_EQ("0193", back[1].AccessNumber);
  EXPECT_EQ("", back[2].AccessNumber);
  EXPECT_EQ(ex, ConnTempExRecords(back));
  // Three records in ConnTemp.dat as well.
  EXPECT_EQ(3u, ParseConnTempRecords(dir.Read("ConnTemp.dat")).size());
}

TEST_F(TemplateFilesTest, PhoneTemplatesRoundTripKeepingMissingTariffs) {
  TPhoneConnectionTemplate a{"01019", "Anbieter X - City", "PHONE.0", "City", 1};
  TPhoneConnectionTemplate b{"01013", "Weg", "PHONE.5", "Irgendwo", 0};
  dir.Write("PhoneTemp.dat", PhoneTempRecords({a, b}));
  const TPhoneConnectionTemplateList templates = LoadPhoneTemplates().Records;
  ASSERT_EQ(2u, templates.size());
  EXPECT_EQ("01013", templates[0].AccessCode);  // by prefix
  EXPECT_EQ("PHONE.5", templates[0].PhoneTarif);
  EXPECT_EQ(a, templates[1]);
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(SavePhoneTemplates(templates));
  EXPECT_EQ(PhoneTempRecords({b, a}), dir.Read("PhoneTemp.dat"));
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
    EXPECT_EQ("alt", dir.Read("ConnTemp.dat"));
    EXPECT_EQ("alt", dir.Read("ConnTempEx.dat"));
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
    EXPECT_EQ(c.Kept, file.Records.size());
    EXPECT_EQ(c.Kept, file.Report.RecordsKept);
    EXPECT_EQ(c.Message.empty() ? "" : "Die Datei " + path + c.Message, file.Report.Message());
  }
}

TEST_F(TemplateFilesTest, WriteProtectedFilesAreReplaced) {
  namespace fs = std::filesystem;
  dir.Write("PhoneTemp.dat", "alt");
  fs::permissions(dir.File("PhoneTemp.dat"), fs::perms::owner_read, fs::perm_options::replace);
  TScriptedMessageBoxes boxes;
  const TPhoneConnectionTemplateList templates = {{"01019", "A", "PHONE.0", "City", 1}};
  ASSERT_TRUE(SavePhoneTemplates(templates));
  EXPECT_EQ(PhoneTempRecords(templates), dir.Read("PhoneTemp.dat"));
  EXPECT_NE(fs::perms::none, fs::status(dir.File("PhoneTemp.dat")).permissions() & fs::perms::owner_write);
}

TEST(TemplateOptionsTest, OptionTextNamesWhatHoldsInFixedOrder) {
  struct Case {
    TConnectionTemplate t;
    const char* expected;
  } cases[] = {
      {{}, ""},
      {FirstTemplate(), "Provider, CityWeekend, 10plus, ISDNx2"},
      {SecondTemplate(), "SRabatt"},
  };
  cases[0].t.ProviderActive = 1;  // no provider named: not shown
  for (const auto& c : cases) EXPECT_EQ(c.expected, ConnectionOptionText(c.t));
  TConnectionTemplate all = FirstTemplate();
  all.CityPlus = all.InstantActive = 1;
  EXPECT_EQ("Provider, CityPlus, CityWeekend, 10plus, SRabatt, ISDNx2", ConnectionOptionText(all));
}

}  // namespace
}  // namespace dudode
