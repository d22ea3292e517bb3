#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "core/Files.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

TEST(ProgramDirectoryTest, StrongestSourceWins) {
  test::TTempDir withRates, withoutRates;
  withRates.Write("rates.1", "x");
  withoutRates.Write("RATES.2", "");  // an empty file is a left-over, not a tariff file
  const std::string exe = withRates.Dir();
  const std::pair<TProgramDirectorySources, std::string> cases[] = {
      {{"/opt/a", "/opt/b", exe, "/home/u/d"}, "/opt/a/"},
      {{"", "/opt/b/", exe, "/home/u/d"}, "/opt/b/"},
      {{"", "", exe, "/home/u/d"}, exe},
      {{"", "", withoutRates.Dir(), "/home/u/d"}, "/home/u/d/"},
      {{"", "", "/nonexistent", "/home/u/d"}, "/home/u/d/"},
  };
  for (const auto& [sources, expected] : cases)
    EXPECT_EQ(expected, ChooseProgramDirectory(sources)) << sources.ExecutableDir;
}

TEST(ProgramDirectoryTest, FirstStartCreatesTheDirectoryWithTheSamples) {
  test::TTempDir samples, home;
  samples.Write("RATES.0", "sample");
  samples.Write("Provider.ini", "p");
  int copied = 0;
  ASSERT_TRUE(PrepareProgramDirectory(home.File("dudode"), samples.Dir(), nullptr, &copied));
  EXPECT_EQ(2, copied);
  EXPECT_TRUE(home.Exists("dudode/Provider.ini"));

  home.Write("dudode/RATES.0", "own");
  std::filesystem::remove(home.File("dudode/Provider.ini"));  // the user's choice stays
  ASSERT_TRUE(PrepareProgramDirectory(home.File("dudode"), samples.Dir(), nullptr, &copied));
  EXPECT_EQ(0, copied);
  EXPECT_EQ("own", home.Read("dudode/RATES.0"));
  EXPECT_FALSE(home.Exists("dudode/Provider.ini"));

  std::string error;
  home.Write("file", "");
  EXPECT_FALSE(PrepareProgramDirectory(home.File("file/sub"), samples.Dir(), &error));
  EXPECT_NE(std::string::npos, error.find("kann nicht angelegt werden"));
}

}  // namespace
}  // namespace dudode
