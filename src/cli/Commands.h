#pragma once
// The commands of dudode-tarif. Each command group lives in a file of its own
// and is listed in AllCommands (Commands.cpp).
#include <functional>
#include <string>
#include <vector>

#include "core/Files.h"

namespace dudode::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the command could not do its work
constexpr int kExitUsage = 2;    // the arguments were not understood

struct TCommand {
  std::string Name;       // one word, or two for a command group ("provider dump")
  std::string Arguments;  // for the usage text, e.g. "DIR FILE [--keep-date]"
  std::string Summary;    // one line for the usage text
  // Receives the arguments after the command name; returns the exit status.
  std::function<int(const std::vector<std::string>& args)> Run;
  std::string SummaryEnglish = {};  // the same line for the English manual page
};

std::vector<TCommand> TarifCommands();
std::vector<TCommand> ToolCommands();
std::vector<TCommand> ProviderCommands();
std::vector<TCommand> TemplateCommands();

// The command that args start with (a name may be two words, such as
// "provider dump"), or nullptr; consumed tells how many words it took.
const TCommand* FindCommand(const std::vector<TCommand>& commands, const std::vector<std::string>& args,
                            std::size_t& consumed);

std::vector<TCommand> AllCommands();
// --help, --version and the manual page, all from the command table above.
std::string UsageText();
std::string VersionText();
// The manual page in roff, German (man/de/man1) or English (man/man1).
enum class TManLanguage { German, English };
std::string ManPageText(TManLanguage language);

// Arguments split into positional ones and the flags a command knows. false
// (after printing the usage text to standard error) when the count of
// positional arguments is wrong or a flag is unknown.
struct TParsedArgs {
  std::vector<std::string> Positional;
  std::vector<std::string> Flags;
  bool Has(const std::string& flag) const;
};
bool ParseArgs(const std::vector<std::string>& args, std::size_t positionalCount,
               const std::vector<std::string>& knownFlags, TParsedArgs& parsed);

// Makes DIR the program directory; false (after a message on standard error)
// when it is no directory.
bool UseProgramDirectory(const std::string& dir);
// A bare file name in the program directory; false (after a message) when
// the name holds a directory part or the file does not exist. The name is
// found without regard to case and set to the file's own spelling.
bool CheckTariffFile(std::string& fileName);

// Holds an advisory lock on a file of the program directory while a command
// reads, changes and writes it; false after a message when another holds it.
bool LockFile(TFileLock& lock, const std::string& fileName);

// Reports an error as every message is reported: one line "Fehler: text" on
// standard error.
void PrintError(const std::string& text);

}  // namespace dudode::cli
