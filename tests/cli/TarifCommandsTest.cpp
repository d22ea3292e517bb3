#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/Files.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode {
namespace {

using test::TestDataFile;

using test::TTempDir;

using TRun = test::TCliRun;

class TarifCommandsTest : public ::testing::Test {
 protected:
  TRun Run(const std::vector<std::string>& args) { return test::RunCli(DUDODE_TARIF_CLI, args, out); }

  TTempDir dir;  // the program directory of the command
  TTempDir out;  // captured output
};

// The JSON writer escapes quotes, backslashes and control characters and
// keeps the bytes 1252 leaves undefined.
TEST_F(TarifCommandsTest, DumpPrintsTheDocumentAsEscapedJson) {
  dir.Write("RATES.9", TestDataFile("tarif/RATES.9"));
  const TRun run = Run({"dump", dir.Dir(), "RATES.9"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("", run.Err);
  for (const char* part :
       {R"("Description": "Sonder\"zeichen \\ Test")", R"("WWW": "a\u0001b")", "\"Hotline\": \"\u0081\"",
        R"("Comment": "Tab\tdrin")", R"("DisplayName": "Zone_Ä")", R"("Relations": [0, 10])",
        R"("Weekdays": [2, 3, 4, 5, 6])", R"("Name": "Sag \"Hallo\"")",
        R"("SortKey": "0101 1231 09:00:00 17:59:59")", R"("Holidays": ["0101"])", R"("TapiName": "APP")"}) {
    EXPECT_NE(std::string::npos, run.Out.find(part)) << part;
  }
}

TEST_F(TarifCommandsTest, BrokenFileIsDumpedWithOneLinePerMessage) {
  dir.Write("Rates.hand", TestDataFile("tarif/Rates.hand"));
  const TRun run = Run({"dump", dir.Dir(), "Rates.hand"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ(
      "Syntax Fehler: Der Tarif für Schlüssel CITY0001 ist fehlerhaft! Tarif wird nicht gelesen!\n"
      "Fehler: Tarif für Spät ( CITY0001WERKTAG ) ist nicht korrekt.\n",
      run.Err);
  EXPECT_NE(std::string::npos, run.Out.find("\"Name\": \"Haupt Zeit\""));
  EXPECT_EQ(std::string::npos, run.Out.find("Spät"));
}

TEST_F(TarifCommandsTest, ResaveWithKeptDateReproducesAWrittenFile) {
  const std::string bytes = TestDataFile("tarif/RATES.42");
  dir.Write("RATES.42", bytes);
  const TRun run = Run({"resave", dir.Dir(), "RATES.42", "--keep-date"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("", run.Err);
  EXPECT_EQ(bytes, dir.Read("RATES.42"));

  // Without the option the date moves on; nothing else changes.
  EXPECT_EQ(0, Run({"resave", dir.Dir(), "RATES.42"}).Status);
  const std::string resaved = dir.Read("RATES.42");
  const std::size_t date = bytes.find("FILEDATE=");
  ASSERT_EQ(bytes.size(), resaved.size());
  EXPECT_EQ(bytes.substr(0, date), resaved.substr(0, date));
  EXPECT_EQ(bytes.substr(date + 19), resaved.substr(date + 19));
  EXPECT_NE(bytes.substr(date, 19), resaved.substr(date, 19));
}

TEST_F(TarifCommandsTest, ResaveRepairsABrokenFile) {
  dir.Write("Rates.hand", TestDataFile("tarif/Rates.hand"));
  const TRun run = Run({"resave", dir.Dir(), "Rates.hand", "--keep-date"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ(2, std::count(run.Err.begin(), run.Err.end(), '\n'));
  // The written file loads without any message.
  const TRun again = Run({"dump", dir.Dir(), "Rates.hand"});
  EXPECT_EQ(0, again.Status);
  EXPECT_EQ("", again.Err);
  EXPECT_NE(std::string::npos, dir.Read("Rates.hand").find("\r\nFILEDATE=02/29/2024\r\n"));
}

TEST_F(TarifCommandsTest, SampleFilesLoadAndResaveCleanly) {
  const std::filesystem::path samples = std::filesystem::path(DUDODE_TEST_DATA) / "../../data";
  for (const char* name : {"RATES.0", "RATES.1"}) {
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile((samples / name).string(), bytes)) << name;
    dir.Write(name, bytes);
    TRun run = Run({"resave", dir.Dir(), name, "--keep-date"});
    EXPECT_EQ(0, run.Status) << name;
    EXPECT_EQ("", run.Err) << name;
    const std::string first = dir.Read(name);
    run = Run({"resave", dir.Dir(), name, "--keep-date"});
    EXPECT_EQ(first, dir.Read(name)) << name << " is stable after one save";
  }
}

TEST_F(TarifCommandsTest, ArgumentErrorsShowTheUsage) {
  dir.Write("RATES.0", "[COMMON]\r\n");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"bogus"},
      {"dump"},
      {"dump", dir.Dir()},
      {"dump", dir.Dir(), "RATES.0", "extra"},
      {"resave", dir.Dir(), "RATES.0", "--keepdate"},
  };
  for (const auto& args : cases) {
    const TRun run = Run(args);
    std::string shown;
    for (const std::string& a : args) shown += a + " ";
    EXPECT_EQ(2, run.Status) << shown;
    EXPECT_NE(std::string::npos, run.Err.find("Aufruf: dudode-tarif")) << shown;
    EXPECT_EQ("", run.Out) << shown;
  }
  const TRun help = Run({"--help"});
  EXPECT_EQ(0, help.Status);
  EXPECT_NE(std::string::npos, help.Out.find("resave DIR FILE [--keep-date]"));
}

TEST_F(TarifCommandsTest, CommandFailuresExitWithOne) {
  dir.Write("RATES.0", "[COMMON]\r\n");
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"dump", dir.File("missing"), "RATES.0"}, "Verzeichnis nicht gefunden: " + dir.File("missing") + "\n"},
      {{"resave", dir.Dir(), "RATES.5"}, "Datei nicht gefunden: " + dir.Dir() + "RATES.5\n"},
      {{"dump", dir.Dir(), "../RATES.0"}, "FILE muss ein Dateiname ohne Verzeichnis sein: ../RATES.0\n"},
  };
  for (const auto& c : cases) {
    const TRun run = Run(c.args);
    EXPECT_EQ(1, run.Status) << c.err;
    EXPECT_EQ(c.err, run.Err);
  }
}

TEST_F(TarifCommandsTest, UnwritableFileFailsWithTheMessage) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  dir.Write("RATES.0", "[COMMON]\r\nFILENAME=Alt\r\n");
  std::filesystem::permissions(dir.Dir(),
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const TRun run = Run({"resave", dir.Dir(), "RATES.0"});
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_all);
  EXPECT_EQ(1, run.Status);
  EXPECT_EQ("Fehler: Konnte " + dir.Dir() + "RATES.0 nicht löschen! Speicherung kann nicht erfolgen.\n",
            run.Err);
  EXPECT_EQ("[COMMON]\r\nFILENAME=Alt\r\n", dir.Read("RATES.0"));
}

}  // namespace
}  // namespace dudode
