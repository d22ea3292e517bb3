#pragma once
// Which help page belongs to which window: F1 opens the page of the active
// window, the help window lists every page in its contents.
#include <string>
#include <vector>

namespace dudode {

struct THelpPage {
  std::string File;                        // page file in the help resources, e.g. "tarifeintrag.html"
  std::string Title;                       // as the contents list shows it
  std::vector<std::string> WindowClasses;  // the windows whose F1 opens it
};

inline constexpr const char* kHelpContentsPage = "index.html";

// Every page, in the order of the contents.
const std::vector<THelpPage>& HelpPages();
// The page of a window class (with or without namespace), or "" for none.
std::string HelpPageFor(const std::string& windowClass);

}  // namespace dudode
