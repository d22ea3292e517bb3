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

class ToolCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { dir.Write("RATES.5", TestDataFile("tools/RATES.5")); }
  test::TCliRun Run(const std::vector<std::string>& args) {
    return test::RunCli(DUDODE_TARIF_CLI, args, capture);
  }

  TTempDir dir;
  TTempDir capture;
};

TEST_F(ToolCommandsTest, CheckReportsEveryZone) {
  const test::TCliRun run = Run({"check", dir.Dir(), "RATES.5"});
  EXPECT_EQ(1, run.Status);
  EXPECT_EQ(
      "City Zone: Alle geprüften Tarifangaben sind vollständig!\n"
      "Fern: Es existiert kein gültiger Tarif für den 01.07. 00:00:00 Uhr - Sa./So./Feiertags. "
      "Überprüfen Sie die Angaben!\n",
      run.Out);
  // The reader's messages go to standard error.
  EXPECT_EQ("Syntax Fehler: Der Tarif für Schlüssel FERN0001 ist fehlerhaft! Tarif wird nicht gelesen!\n",
            run.Err);
  // Only reading: the file is as it was.
  EXPECT_EQ(TestDataFile("tools/RATES.5"), dir.Read("RATES.5"));
}

TEST_F(ToolCommandsTest, CheckOfCompleteZonesSucceeds) {
  dir.Write(
      "RATES.6",
      "[REGIONENINDEX]\r\nR0=A,A0001\r\n[A0001SASO]\r\nA00010=1|1/60/1/00:00-23:59/60/0/0101-3112,X\r\n");
  const test::TCliRun run = Run({"check", dir.Dir(), "RATES.6"});
  EXPECT_EQ(0, run.Status);
  EXPECT_EQ("A: Alle geprüften Tarifangaben sind vollständig!\n", run.Out);
}

TEST_F(ToolCommandsTest, CheckAllAndDiffReportWhatTheyFind) {
  TTempDir newer;
  newer.Write("RATES.5",
              "[FEIERTAGE]\r\nF0=2412\r\n[REGIONENINDEX]\r\nR0=City_Zone,CITY0001\r\nR1=Fernzone,FERN0001\r\n"
              "[CITY0001WERKTAG]\r\nCITY00010=23456|0.1200/60/1/00:00-06:59/60/0/0101-3112,Nacht\r\n"
              "CITY00011=23456|0.0618/60/1/06:00-23:59/60/0/0101-3112,Tag\r\n"
              "[CITY0001SASO]\r\nCITY00010=178|0.0006/60/1/00:00-23:59/60/0/0101-3112,Wochenende\r\n"
              "[FERN0001WERKTAG]\r\nFERN00010=23456|0.1200/60/1/00:00-23:59/60/0/0101-3112,Ganztags\r\n"
              "[FERN0001SASO]\r\nFERN00010=178|0.0600/60/1/00:00-23:59/60/0/0101-3006,Erstes_Halbjahr\r\n"
              "FERN00012=178|0.0000/60/1/00:00-23:59/60/0/9999-9999,Feiertag\r\n"
              "[COMMON]\r\nFILENAME=Testnetz\r\n[OPTIONS]\r\nPRICE=0.1200\r\nBASECONNECTPRICE=0.0600\r\n"
              "[ConnectPrice]\r\nCITY0001=0.1200/5.0000\r\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::vector<const char*> parts;
  } cases[] = {
      {{"check", "--all", dir.Dir(), "RATES.5"},
       1,
       {"City Zone: keine Lücken\n", "Fern, Sa./So./Feiertag: 01.07.–31.12., 00:00–23:59\n"}},
      {{"check", "--json", dir.Dir(), "RATES.5"}, 1, {"\"Name\": \"Fern\",\n    \"Complete\": false"}},
      {{"check", "--all", "--json", dir.Dir(), "RATES.5"}, 1, {"\"From\": \"01.07.\"", "\"End\": \"23:59\""}},
      {{"diff", dir.Dir(), "RATES.5", dir.Dir(), "RATES.5"}, 0, {}},
      {{"diff", dir.Dir(), "RATES.5", newer.Dir(), "RATES.5"},
       1,
       {"Feiertage: + 24.12.\n", "Tarifzone Fern umbenannt in Fernzone\n",
        "City Zone, Werktag: Nacht: Zeit: 00:00–05:59 → 00:00–06:59\n",
        "City Zone, Werktag: Tag: Preis: 0.0600 → 0.0618 (+3,0 %)\n"}},
      {{"diff", "--json", dir.Dir(), "RATES.5", newer.Dir(), "RATES.5"},
       1,
       {"\"Equal\": false", "\"PriceChangePercent\": 3"}},
      {{"diff", dir.Dir(), "RATES.5", newer.Dir(), "RATES.9"}, 2, {}},
  };
  for (const auto& c : cases) {
    const test::TCliRun run = Run(c.args);
    EXPECT_EQ(c.status, run.Status) << c.args[0] << " " << c.args[1];
    for (const char* part : c.parts) EXPECT_NE(std::string::npos, run.Out.find(part)) << part << run.Out;
    if (c.status == 0) {
      EXPECT_EQ("", run.Out);
    }
  }
}

TEST_F(ToolCommandsTest, VatRecomputesAndSaves) {
  const test::TCliRun run = Run({"vat", dir.Dir(), "RATES.5", "16", "19", "--keep-date"});
  EXPECT_EQ(0, run.Status) << run.Err;
  EXPECT_EQ(
      "Die Gebühren wurden neu berechnet!\nÜberprüfen Sie nun unbedingt die Richtigkeit der "
      "Tarifangaben!\n",
      run.Out);
  const std::string saved = dir.Read("RATES.5");
  for (const char* line : {
           "FILEDATE=03/01/2004\r\n",
           "BASECONNECTPRICE=0.0616\r\nPRICE=0.1231\r\n",
           "CITY0001=0.1200/5.0000\r\n",  // zone prices stay
           "CITY00010=23456|0.1231/60.0000/1.0000/00:00-05:59/60.0000/0/0101-3112,Nacht\r\n",
           "CITY00011=23456|0.0616/60.0000/1.0000/06:00-23:59/60.0000/0/0101-3112,Tag\r\n",
           "CITY00010=178|0.0006/60.0000/1.0000/00:00-23:59/60.0000/0/0101-3112,Wochenende\r\n",
           "FERN00010=178|0.0616/60.0000/1.0000/00:00-23:59/60.0000/0/0101-3006,Erstes_Halbjahr\r\n",
           "FERN00011=178|0.0000/60.0000/1.0000/00:00-23:59/60.0000/0/9999-9999,Feiertag\r\n",
       }) {
    EXPECT_NE(std::string::npos, saved.find(line)) << line;
  }
}

TEST_F(ToolCommandsTest, VatWithEqualOrBadRatesChangesNothing) {
  struct Case {
    const char* oldRate;
    const char* newRate;
    int status;
    const char* out;
  } cases[] = {
      {"16", "16", 0, "Nichts zu tun!\n"},
      {"16", "x", 2, ""},
      {"16", "100", 2, ""},
  };
  for (const auto& c : cases) {
    const test::TCliRun run = Run({"vat", dir.Dir(), "RATES.5", c.oldRate, c.newRate});
    EXPECT_EQ(c.status, run.Status) << c.newRate;
    EXPECT_EQ(c.out, run.Out) << c.newRate;
    EXPECT_EQ(TestDataFile("tools/RATES.5"), dir.Read("RATES.5")) << c.newRate;
  }
}

TEST_F(ToolCommandsTest, UsageListsEveryCommand) {
  const test::TCliRun run = Run({"--help"});
  EXPECT_EQ(0, run.Status);
  for (const char* command :
       {"  dump DIR FILE ", "  resave DIR FILE [--keep-date] ", "  check DIR FILE [--all] [--json] ",
        "  vat DIR FILE OLD NEW [--keep-date] ", "  provider dump DIR FILE ", "  provider resave DIR FILE ",
        "  templates dump DIR ", "  templates resave DIR "}) {
    EXPECT_NE(std::string::npos, run.Out.find(command)) << command;
  }
  const test::TCliRun wrong = Run({"provider", "print", dir.Dir()});
  EXPECT_EQ(2, wrong.Status);
  EXPECT_NE(std::string::npos, wrong.Err.find("Unbekannter Befehl: provider"));
}

}  // namespace
}  // namespace dudode
