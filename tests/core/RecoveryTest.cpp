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
  test::TTempDir state;
};

// The copy gives back the document exactly, even what a file could not hold
// (unsorted lists, a price to the last bit, a line break); a cut copy is none.
TEST_F(RecoveryTest, TheCopyIsExactACutCopyIsNoneAndTheQuestion) {
  dir.Write("RATES.1", test::TestDataFile("app/Rates.zwei"));
  TTarifFile doc = LoadName("RATES.1");
  std::swap(doc.Zones[0].Werktag[0], doc.Zones[0].Werktag[1]);
  doc.Zones[0].Werktag[0].PricePerUnit = 0.1 + 0.2;
  doc.Zones[1].Access.UserName = "a\u00FEb\nc";
  doc.Modified = true;
  const std::string image = RecoveryImage(doc, dir.Dir());
  TRecoveryCopy copy;
  for (std::size_t size = 0; size < image.size(); size += 7)
    EXPECT_FALSE(ParseRecoveryImage(image.substr(0, size), copy));
  EXPECT_FALSE(ParseRecoveryImage(image + "x", copy));

  ASSERT_TRUE(WriteRecoveryCopy(doc, dir.Dir()));
  ASSERT_TRUE(ReadRecoveryCopy(copy));
  EXPECT_TRUE(copy.Document == doc);
  EXPECT_EQ(dir.Dir(), copy.Directory);
  EXPECT_EQ("/home/u/.local/state/dudode/", RecoveryDirectory("relativ", "/home/u"));
  dir.Write("RATES.1", "[COMMON]\r\n");  // another program wrote the file since
  EXPECT_NE(std::string::npos, RecoveryQuestion(copy).find("\r\rDie Datei " + dir.File("RATES.1") +
                                                           " wurde inzwischen von einem anderen Programm"));
  RemoveRecoveryCopy();
  EXPECT_FALSE(ReadRecoveryCopy(copy));
}

}  // namespace
}  // namespace dudode
