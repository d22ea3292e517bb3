#include <gtest/gtest.h>

#include <string>

#include "core/Files.h"
#include "core/Text.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace dudode {
namespace {

using test::TTempDir;

std::string Data(const std::string& name) {
  std::string bytes;
  ReadWholeFile(std::string(DUDODE_TEST_DATA) + name, bytes);
  return bytes;
}

class TemplateCommandsTest : public ::testing::Test {
 protected:
  test::TCliRun Run(const std::vector<std::string>& args) { return test::RunCli(DUDODE_TARIF_CLI, args, capture); }

  TTempDir dir;
  TTempDir capture;
};

TEST_F(TemplateCommandsTest, DumpShowsTheRecordsAsStored) {
  dir.Write("ConnTemp.dat", Data("templates/ConnTemp.dat"));
  dir.Write("PhoneTemp.dat", Data("templates/PhoneTemp.dat").substr(0, 63));  // the first record only
  const test::TCliRun run = Run({"templates", "dump", dir.Dir()});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("", run.Err);
  EXPECT_EQ(R"({
  "ConnTemp": [
    {
      "Name": "DFÜ-Netzwerk",
      "PhoneTarif": "PHONE.0",
      "Zone": "City",
      "CityWeekend": 1,
      "CityPlus": 0,
      "ISDNx2": 1,
      "TenPlusActive": 1,
      "TenPlusFrom": 600,
      "TenPlusRate": 0.5,
      "InstantActive": 0,
      "InstantWorkday": 0.25,
      "InstantWeekend": 0,
      "InstantHoliday": 1,
      "Provider": "Netzwerk Süd",
      "ProviderActive": 1
    },
    {
      "Name": "Manuelle Aufzeichnung",
      "PhoneTarif": "PHONE.1\u0000\u0000\u0000",
      "Zone": "Fern",
      "CityWeekend": 0,
      "CityPlus": 0,
      "ISDNx2": 0,
      "TenPlusActive": 0,
      "TenPlusFrom": 0,
      "TenPlusRate": 0,
      "InstantActive": 1,
      "InstantWorkday": 0,
      "InstantWeekend": 0,
      "InstantHoliday": 0,
      "Provider": "",
      "ProviderActive": 0
    }
  ],
  "PhoneTemp": [
    {
      "AccessCode": "01019",
      "Description": "Anbieter X - City",
      "PhoneTarif": "PHONE.0",
      "Zone": "City",
      "Relations": [0, 9],
      "Reserved1": 0,
      "Reserved2": 0,
      "Reserved3": 0,
      "Reserved4": 0,
      "Reserved5": 0,
      "Reserved6": 0,
      "Reserved7": 0,
      "Reserved8": 0
    }
  ]
}
)",
            run.Out);
}

TEST_F(TemplateCommandsTest, ResaveWritesWhatTheEditorsWouldSave) {
  dir.Write("Rates.0", Utf8ToCp1252("[COMMON]\r\nFILENAME=Anbieter_X\r\n[REGIONENINDEX]\r\nR0=City,CITY0001\r\n"
                                    "[AccessInfos_CITY0001]\r\nPhoneNr=0191011\r\n"));
  dir.Write("Provider.ini", "[PROVIDER]\r\nP0=Netzwerk_S\xFC" "d,NETZ0001\r\n");
  dir.Write("ConnTemp.dat", Data("templates/ConnTemp.dat"));
  dir.Write("PhoneTemp.dat", Data("templates/PhoneTemp.dat"));
  const test::TCliRun run = Run({"templates", "resave", dir.Dir()});
  EXPECT_EQ(0, run.Status) << run.Err;
  EXPECT_EQ("", run.Err);

  // By name; a tariff that is gone keeps its stored reference (cut at the zero byte).
  const TConnectionTemplateList saved = ParseConnTempRecords(dir.Read("ConnTemp.dat"));
  ASSERT_EQ(2u, saved.size());
  EXPECT_EQ("DFÜ-Netzwerk", saved[0].Name);
  EXPECT_EQ("PHONE.0", saved[0].PhoneTarif);
  EXPECT_EQ("Netzwerk Süd", saved[0].Provider);
  EXPECT_EQ("PHONE.1", saved[1].PhoneTarif);
  const TConnectionTemplateList extended = ParseConnTempExRecords(dir.Read("ConnTempEx.dat"));
  ASSERT_EQ(2u, extended.size());
  EXPECT_EQ("0191011", extended[0].AccessNumber);
  EXPECT_EQ("", extended[1].AccessNumber);

  // By access prefix.
  const TPhoneConnectionTemplateList phone = ParsePhoneTempRecords(dir.Read("PhoneTemp.dat"));
  ASSERT_EQ(2u, phone.size());
  EXPECT_EQ("01013", phone[0].AccessCode);
  EXPECT_EQ("PHONE.1", phone[0].PhoneTarif);
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
