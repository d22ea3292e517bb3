#include <gtest/gtest.h>

#include <cstdlib>

#include "core/Recovery.h"
#include "core/TarifTestSupport.h"

namespace dudode {
namespace {

class RecoveryTest : public test::TarifTest {
 protected:
  void SetUp() override {
    TarifTest::SetUp();
    setenv("XDG_STATE_HOME", state.Dir().c_str(), 1);
  }
  // A document with what a file could not hold: unsorted lists, an entry
  // without tariff, a price to the last bit, line breaks in a text.
  TTarifFile Document() {
    dir.Write("RATES.1", test::TestDataFile("app/Rates.zwei"));
    TTarifFile doc = LoadName("RATES.1");
    std::swap(doc.Zones[0].Werktag[0], doc.Zones[0].Werktag[1]);
    doc.Zones[0].Werktag[0].PricePerUnit = 0.1 + 0.2;
    doc.Zones[0].SaSo.push_back({});
    doc.Zones[1].Access.UserName = "a\u00FEb\nc";
    doc.Modified = true;
    return doc;
  }
  test::TTempDir state;
};

TEST_F(RecoveryTest, TheDirectoryFollowsTheStateHome) {
  struct TRow {
    const char* StateHome;
    const char* Expected;
  } rows[] = {
      {"/var/st", "/var/st/dudode/"},
      {"/var/st/", "/var/st/dudode/"},
      {"relativ", "/home/u/.local/state/dudode/"},
      {nullptr, "/home/u/.local/state/dudode/"},
  };
  for (const TRow& row : rows) EXPECT_EQ(row.Expected, RecoveryDirectory(row.StateHome, "/home/u"));
}

// The copy gives back the document exactly, and a copy cut anywhere is refused.
TEST_F(RecoveryTest, TheCopyIsExactAndACutCopyIsNone) {
  const TTarifFile doc = Document();
  const std::string image = RecoveryImage(doc, dir.Dir());
  TRecoveryCopy copy;
  ASSERT_TRUE(ParseRecoveryImage(image, copy));
  EXPECT_EQ(dir.Dir(), copy.Directory);
  EXPECT_TRUE(copy.Document == doc);
  for (std::size_t size = 0; size < image.size(); size += 7) {
    EXPECT_FALSE(ParseRecoveryImage(image.substr(0, size), copy)) << size;
  }
  EXPECT_FALSE(ParseRecoveryImage(image + "x", copy));
}

TEST_F(RecoveryTest, WrittenReadRemovedAndTheQuestion) {
  TTarifFile doc = Document();
  ASSERT_TRUE(WriteRecoveryCopy(doc, dir.Dir()));
  EXPECT_EQ(state.Dir() + "dudode/Wiederherstellung.dat", RecoveryCopyPath());
  TRecoveryCopy copy;
  ASSERT_TRUE(ReadRecoveryCopy(copy));
  EXPECT_EQ(
      "Der Dudode - Editor wurde nicht ordnungsgemäß beendet. Sollen die ungespeicherten Änderungen an "
      "„Zwei Zonen Tarif“ wiederhergestellt werden?",
      RecoveryQuestion(copy));
  // Another program wrote the tariff file since: the question says so.
  dir.Write("RATES.1", "[COMMON]\r\n");
  EXPECT_NE(std::string::npos, RecoveryQuestion(copy).find("\r\rDie Datei " + dir.File("RATES.1") +
                                                           " wurde inzwischen von einem anderen Programm"));
  RemoveRecoveryCopy();
  EXPECT_FALSE(ReadRecoveryCopy(copy));
}

}  // namespace
}  // namespace dudode
