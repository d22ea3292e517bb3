#include <gtest/gtest.h>

#include <string>

#include "core/Files.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode {
namespace {

using test::TestDataFile;

using test::TTempDir;

// The text without its FILEDATE value, which is the day of writing.
std::string WithoutFileDate(std::string text) {
  const std::size_t at = text.find("FILEDATE=");
  if (at != std::string::npos) text.erase(at + 9, text.find('\r', at) - at - 9);
  return text;
}

class ProviderCommandsTest : public ::testing::Test {
 protected:
  test::TCliRun Run(const std::vector<std::string>& args) {
    return test::RunCli(DUDODE_TARIF_CLI, args, capture);
  }

  TTempDir dir;
  TTempDir capture;
};

TEST_F(ProviderCommandsTest, DumpPrintsProvidersAsJson) {
  dir.Write("UserProv.ini",
            "[PROVIDER]\r\nP0=Netzwerk_S\xFC"
            "d,NETZ0001\r\n"
            "[NETZ0001WERKTAG]\r\nNETZ00010=08:00-17:59/60/0.029\r\nNETZ00011=8:00-17:59/60/0.029\r\n"
            "[NETZ0001FREEHOURSRANGE]\r\nNETZ00010=17|18:00-07:59/60.0000/\r\n"
            "[TIMING]\r\nNETZ0001=5000\r\n");
  const test::TCliRun run = Run({"provider", "dump", dir.Dir(), "UserProv.ini"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ(
      "Syntax Fehler: Der Providereintrag für Schlüssel NETZ0001 ist fehlerhaft! "
      "Providereintrag wird nicht gelesen!\n",
      run.Err);
  for (const char* part : {R"("Name": "Netzwerk Süd")", R"("Timing": 1000)", R"("Days": [1, 7])",
                           R"("StartSec": 28800,)", R"("Price": 0.029)", R"("SaSo": [])"}) {
    EXPECT_NE(std::string::npos, run.Out.find(part)) << part;
  }
}

TEST_F(ProviderCommandsTest, ResaveWritesTheEditorsLayout) {
  dir.Write("Provider.ini", TestDataFile("providers/Provider.ini"));
  const test::TCliRun run = Run({"provider", "resave", dir.Dir(), "Provider.ini"});
  EXPECT_EQ(0, run.Status) << run.Err;
  EXPECT_EQ("", run.Err);
  EXPECT_EQ(WithoutFileDate(TestDataFile("providers/Expected.ini")),
            WithoutFileDate(dir.Read("Provider.ini")));
}

TEST_F(ProviderCommandsTest, OnlyTheTwoProviderFilesAreTaken) {
  dir.Write("Other.ini", "[PROVIDER]\r\n");
  struct Case {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"provider", "dump", dir.Dir(), "Other.ini"}, 1},
      {{"provider", "resave", dir.Dir(), "Other.ini"}, 1},
      {{"provider", "dump", dir.Dir(), "Provider.ini"}, 1},  // not there
      {{"provider", "dump", dir.Dir()}, 2},
  };
  for (const auto& c : cases) {
    const test::TCliRun run = Run(c.args);
    EXPECT_EQ(c.status, run.Status) << c.args.back();
    EXPECT_EQ("", run.Out);
  }
  EXPECT_EQ("[PROVIDER]\r\n", dir.Read("Other.ini"));
}

}  // namespace
}  // namespace dudode
