#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "core/Files.h"
#include "help/HelpPages.h"

namespace dudode {
namespace {

std::string PageText(const std::string& file) {
  std::string text;
  ReadWholeFile(std::string(DUDODE_HELP_PAGES) + file, text);
  return text;
}

TEST(HelpPagesTest, EveryWindowHasAPage) {
  std::istringstream windows(
      "TMain TOpenDlg TSaveDlg TTarifOptionsDlg TNewEditEntryDlg TNewEditTarifDlg TNoCostsDlg TNoCostEditDlg "
      "TAccessInfosDlg TTarifSortDlg TCentEuroDlg TPasswordEnterDlg TAboutBox TTarifCheckDlg TUstFormDlg "
      "TCfg10plusDlg TCfg10plusExceptionsDlg TSR10plusDlg TFeiertagEditDlg TNFeiertagDlg TAppEditDlg "
      "TAddEditAppDlg TImportFormDlg TTarifImportDlg TProviderFileSelectDlg TProvidersDlg "
      "TNewEditProviderDlg TNewEditProvEntryDlg TFreeHoursRangeDlg TFreeHoursRangeEditDlg "
      "TConnectionTemplateEditDlg TConnectionDefaultsEditDlg TPhoneProvidersTarifSelectDlg "
      "TTelefonyTemplateEditDlg TTelephonyDefaultsEditDlg TCoverageDlg TTarifLintDlg");
  for (std::string window; windows >> window;) {
    const std::string page = HelpPageFor("dudode::" + window);
    EXPECT_FALSE(PageText(page).empty()) << window << " -> " << page;
  }
  EXPECT_EQ("", HelpPageFor("QMessageBox"));
}

// Every page is listed, every listed page exists, and every link leads to a
// listed page (and to an anchor it holds).
TEST(HelpPagesTest, EveryLinkResolves) {
  std::set<std::string> listed;
  for (const THelpPage& page : HelpPages()) listed.insert(page.File);
  for (const auto& entry : std::filesystem::directory_iterator(DUDODE_HELP_PAGES)) {
    if (entry.path().extension() == ".html") {
      EXPECT_TRUE(listed.count(entry.path().filename().string())) << entry;
    }
  }
  const std::regex link(R"re(href="([^"#]*)(#([^"]*))?")re");
  for (const std::string& file : listed) {
    const std::string text = PageText(file);
    EXPECT_NE(std::string::npos, text.find("<title>")) << file;
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1].str().empty() ? file : (*it)[1].str();
      EXPECT_TRUE(listed.count(target)) << file << " -> " << target;
      if ((*it)[3].matched && listed.count(target)) {
        EXPECT_NE(std::string::npos, PageText(target).find("id=\"" + (*it)[3].str() + "\""))
            << file << " -> " << (*it)[0];
      }
    }
  }
}

}  // namespace
}  // namespace dudode
