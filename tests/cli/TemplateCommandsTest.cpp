#include <gtest/gtest.h>

#include <string>

#include "core/Files.h"
#include "core/Text.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace dudode {
namespace {

using test::TestDataFile;

using test::TTempDir;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class TemplateCommandsTest : public ::testing::Test {
 protected:
  test::TCliRun Run(const std::vector<std::string>& args) {
    return test::RunCli(DUDODE_TARIF_CLI, args, capture);
  }

  TTempDir dir;
  TTempDir capture;
};

TEST_F(TemplateCommandsTest, DumpShowsTheRecordsAsStored) {
  dir.Write("ConnTemp.dat", TestDataFile("templates/ConnTemp.dat"));
  dir.Write("PhoneTemp.dat", TestDataFile("templates/PhoneTemp.dat").substr(0, 63));  // the first record only
  const test::TCliRun run = Run({"templates", "dump", dir.Dir()});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("", run.Err);
  for (const char* part : {R"("Name": "DFÜ-Netzwerk")", R"("TenPlusFrom": 600)", R"("InstantWorkday": 0.25)",
                           R"("Provider": "Netzwerk Süd")", R"("PhoneTarif": "PHONE.1\u0000\u0000\u0000")",
                           R"("AccessCode": "01019")", R"("Relations": [0, 9])"}) {
    EXPECT_NE(std::string::npos, run.Out.find(part)) << part;
  }
  EXPECT_EQ(2u, Count(run.Out, "\"CityPlus\""));
  EXPECT_EQ(1u, Count(run.Out, "\"Reserved8\""));
}

TEST_F(TemplateCommandsTest, ResaveWritesWhatTheEditorsWouldSave) {
  dir.Write("Rates.0",
            Utf8ToCp1252("[COMMON]\r\nFILENAME=Anbieter_X\r\n[REGIONENINDEX]\r\nR0=City,CITY0001\r\n"
                         "[AccessInfos_CITY0001]\r\nPhoneNr=0191011\r\n"));
  dir.Write("Provider.ini",
            "[PROVIDER]\r\nP0=Netzwerk_S\xFC"
            "d,NETZ0001\r\n");
  dir.Write("ConnTemp.dat", TestDataFile("templates/ConnTemp.dat"));
  dir.Write("PhoneTemp.dat", TestDataFile("templates/PhoneTemp.dat"));
  const test::TCliRun run = Run({"templates", "resave", dir.Dir()});
  EXPECT_EQ(0, run.Status) << run.Err;
  EXPECT_EQ("", run.Err);

  // By name; a tariff that is gone is marked.
  const TConnectionTemplateList saved = ParseConnTempRecords(dir.Read("ConnTemp.dat"));
  ASSERT_EQ(2u, saved.size());
  EXPECT_EQ("DFÜ-Netzwerk", saved[0].Name);
  EXPECT_EQ("PHONE.0", saved[0].PhoneTarif);
  EXPECT_EQ("Netzwerk Süd", saved[0].Provider);
  EXPECT_EQ("FEHLER!", saved[1].PhoneTarif);
  const TConnectionTemplateList extended = ParseConnTempExRecords(dir.Read("ConnTempEx.dat"));
  ASSERT_EQ(2u, extended.size());
  EXPECT_EQ("0191011", extended[0].AccessNumber);
  EXPECT_EQ("", extended[1].AccessNumber);

  // By access prefix.
  const TPhoneConnectionTemplateList phone = ParsePhoneTempRecords(dir.Read("PhoneTemp.dat"));
  ASSERT_EQ(2u, phone.size());
  EXPECT_EQ("01013", phone[0].AccessCode);
  EXPECT_EQ("FEHLER!", phone[0].PhoneTarif);
  EXPECT_EQ("01019", phone[1].AccessCode);
  EXPECT_EQ("PHONE.0", phone[1].PhoneTarif);
}

TEST_F(TemplateCommandsTest, ResaveCreatesNoFilesAndSaysWhenTariffsAreMissing) {
  const test::TCliRun run = Run({"templates", "resave", dir.Dir()});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("Fehler: Kann keine Telefontarifdateien finden!\n", run.Err);
  EXPECT_FALSE(dir.Exists("ConnTemp.dat"));
  EXPECT_FALSE(dir.Exists("ConnTempEx.dat"));
  EXPECT_FALSE(dir.Exists("PhoneTemp.dat"));
}

}  // namespace
}  // namespace dudode
