// dudode-tarif: loads, checks, re-saves and dumps the editor's data files
// without a window, through the same core code as the editor.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/MessageBox.h"
#include "core/RegionalSettings.h"

namespace {

// Every message box becomes one line "caption: text" on standard error and
// is answered with its first button, so that the command goes on.
int PrintMessageBox(const std::string& text, const std::string& caption, int, dudode::MessageButtons buttons,
                    int) {
  std::string line = caption + ": " + text;
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::fprintf(stderr, "%s\n", line.c_str());
  return dudode::FirstButtonResult(buttons);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dudode::cli;
  // Results must not depend on the machine's locale.
  dudode::SetRegional(dudode::RegionalSettings::German());
  dudode::SetMessageBoxHandler(PrintMessageBox);

  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(UsageText().c_str(), stderr);
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::fputs(UsageText().c_str(), stdout);
    return kExitOk;
  }
  if (args[0] == "--version") {
    std::fputs(VersionText().c_str(), stdout);
    return kExitOk;
  }
  // The build writes the manual page with this, so it lists what --help lists.
  if (args[0] == "--man-page") {
    const bool english = args.size() > 1 && args[1] == "en";
    std::fputs(ManPageText(english ? TManLanguage::English : TManLanguage::German).c_str(), stdout);
    return kExitOk;
  }
  const std::vector<TCommand> commands = AllCommands();
  std::size_t consumed = 0;
  if (const TCommand* command = FindCommand(commands, args, consumed)) {
    return command->Run({args.begin() + static_cast<std::ptrdiff_t>(consumed), args.end()});
  }
  PrintError("Unbekannter Befehl: " + args[0]);
  std::fputs(UsageText().c_str(), stderr);
  return kExitUsage;
}
