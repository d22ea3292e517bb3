#include <gtest/gtest.h>

#include <sstream>

#include "support/CliRun.h"

namespace dudode {
namespace {

// The manual page names every command --help lists, so they cannot drift.
TEST(UsageTest, ManualPageAndVersionFollowTheCommandTable) {
  test::TTempDir capture;
  const test::TCliRun help = test::RunCli(DUDODE_TARIF_CLI, {"--help"}, capture);
  const test::TCliRun man = test::RunCli(DUDODE_TARIF_CLI, {"--man-page"}, capture);
  ASSERT_EQ(0, man.Status);
  EXPECT_EQ(0, man.Out.rfind(".TH DUDODE\\-TARIF 1", 0));
  std::istringstream lines(help.Out.substr(0, help.Out.find("\n\n", help.Out.find("Befehle:"))));
  int commands = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    std::string name = line.substr(2, line.find(' ', 2) - 2);
    for (std::size_t dash; (dash = name.find('-')) != std::string::npos;) name.replace(dash, 1, "\\-");
    EXPECT_NE(std::string::npos, man.Out.find(".BI \"" + name)) << line;
    ++commands;
  }
  EXPECT_GE(commands, 8);
  EXPECT_EQ("dudode-tarif 3.10\n", test::RunCli(DUDODE_TARIF_CLI, {"--version"}, capture).Out);
}

}  // namespace
}  // namespace dudode
