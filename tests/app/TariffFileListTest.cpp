#include <gtest/gtest.h>

#include "app/TariffFileList.h"
#include "core/Files.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

class TariffFileListTest : public ::testing::Test {
 protected:
  void SetUp() override { dir.UseAsProgramDirectory(); }
  test::TTempDir dir;
};

TEST_F(TariffFileListTest, ListsDescriptionsAndDropsEmptyFiles) {
  dir.Write("RATES.0", "[COMMON]\r\nFILENAME=Stadt_Tarif ; Kommentar\r\n");
  dir.Write("rates.1", "[COMMON]\r\nWWW=x\r\n");
  dir.Write("Rates.2", "");
  dir.Write("Rates.3", "[COMMON]\r\nFILENAME=" + std::string(160, 'x') + "\r\n");
  dir.Write("Provider.ini", "[COMMON]\r\nFILENAME=nein\r\n");

  const std::vector<TTariffFileRecord> records = ReadTariffFileRecords();
  ASSERT_EQ(3u, records.size());
  EXPECT_EQ("RATES.0", records[0].FileName);
  EXPECT_EQ("Stadt Tarif", records[0].Description);
  EXPECT_EQ("rates.1", records[1].FileName);
  EXPECT_EQ("Unbekannte Datei - Keine Information", records[1].Description);
  EXPECT_EQ(std::string(150, 'x'), records[2].Description);
  EXPECT_FALSE(dir.Exists("Rates.2")) << "a zero-length tariff file is removed";
}

TEST_F(TariffFileListTest, UpdateTextShowsTheFileDate) {
  dir.Write("RATES.0", "[COMMON]\r\nFILEDATE=12/24/1999\r\n");
  dir.Write("RATES.1", "[COMMON]\r\nFILEDATE=\r\n");
  dir.Write("RATES.2", "[OPTIONS]\r\nPRICE=1\r\n");
  EXPECT_EQ("Aktualisiert: 24.12.1999", TariffFileUpdateText("RATES.0"));
  for (const char* file : {"RATES.1", "RATES.2"}) EXPECT_EQ("", TariffFileUpdateText(file)) << file;
}

TEST_F(TariffFileListTest, DeletingATariffFileTakesItsCompanionAlong) {
  dir.Write("RATES.12", "x");
  dir.Write("Phone.12", "y");
  dir.Write("Phone.1", "keep");
  dir.Write("RATES.3", "x");
  dir.Write("PHONE.3", "y");
  dir.Write("RATES.4", "x");

  EXPECT_TRUE(DeleteTariffFile("RATES.12"));
  EXPECT_FALSE(dir.Exists("RATES.12"));
  EXPECT_FALSE(dir.Exists("Phone.12"));
  EXPECT_TRUE(dir.Exists("Phone.1"));

  EXPECT_TRUE(DeleteTariffFile("RATES.3"));
  EXPECT_FALSE(dir.Exists("PHONE.3")) << "the companion is found in any case";

  EXPECT_TRUE(DeleteTariffFile("RATES.4")) << "a missing companion is no error";
  EXPECT_FALSE(DeleteTariffFile("RATES.4")) << "a file that is gone cannot be deleted";
  EXPECT_EQ("Phone.12", CompanionFileName("RATES.12"));
}

TEST(QuickSearchTest, ExactLineFirstThenFirstBeginning) {
  const std::vector<std::string> lines = {"Fernzone Nord", "Rates Alt", "RATTE", "rat", "Örtlich"};
  struct Case {
    const char* text;
    int line;
  } cases[] = {
      {"", -1}, {"rat", 3}, {"RAT", 3},         {"ra", 1}, {"ratt", 2},
      {"f", 0}, {"x", -1},  {"Rates Alt!", -1}, {"ör", 4}, {"rates alt", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.line, QuickSearchMatch(lines, c.text)) << c.text;
  const std::vector<std::string> noExact = {"Fern", "Rates Alt", "rat-Tarif"};
  EXPECT_EQ(1, QuickSearchMatch(noExact, "rat")) << "first line beginning with rat, any case";
}

}  // namespace
}  // namespace dudode
