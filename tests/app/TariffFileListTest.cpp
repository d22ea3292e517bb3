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

  std::vector<std::string> shown;
  for (const TTariffFileRecord& r : ReadTariffFileRecords())
    shown.push_back(r.FileName + ": " + r.Description);
  EXPECT_EQ((std::vector<std::string>{"RATES.0: Stadt Tarif", "rates.1: Unbekannte Datei - Keine Information",
                                      "Rates.3: " + std::string(150, 'x')}),
            shown);
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
  for (const char* file : {"RATES.12", "Phone.12", "Phone.1", "RATES.3", "PHONE.3", "RATES.4"})
    dir.Write(file, "x");
  // The companion is found in any case and need not be there; a file that is gone cannot be deleted.
  EXPECT_EQ((std::vector<bool>{true, true, true, false}),
            (std::vector<bool>{DeleteTariffFile("RATES.12"), DeleteTariffFile("RATES.3"),
                               DeleteTariffFile("RATES.4"), DeleteTariffFile("RATES.4")}));
  EXPECT_EQ((std::vector<bool>{false, false, true, false}),
            (std::vector<bool>{dir.Exists("RATES.12"), dir.Exists("Phone.12"), dir.Exists("Phone.1"),
                               dir.Exists("PHONE.3")}));
}

TEST(QuickSearchTest, ExactLineFirstThenFirstBeginning) {
  const std::vector<std::string> lines = {"Fernzone Nord", "Rates Alt", "RATTE", "rat", "Örtlich"};
  const std::pair<const char*, int> cases[] = {
      {"", -1}, {"rat", 3}, {"RAT", 3},         {"ra", 1}, {"ratt", 2},
      {"f", 0}, {"x", -1},  {"Rates Alt!", -1}, {"ör", 4}, {"rates alt", 1},
  };
  for (const auto& [text, line] : cases) EXPECT_EQ(line, QuickSearchMatch(lines, text)) << text;
}

}  // namespace
}  // namespace dudode
