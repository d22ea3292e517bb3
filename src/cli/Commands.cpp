#include "cli/Commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/StartupRules.h"
#include "core/Files.h"
#include "core/MessageBox.h"

namespace dudode::cli {

std::vector<TCommand> AllCommands() {
  std::vector<TCommand> all;
  for (auto group : {TarifCommands, ToolCommands, ProviderCommands, TemplateCommands}) {
    for (TCommand& command : group()) all.push_back(std::move(command));
  }
  return all;
}

namespace {

// What --help and the manual page both say besides the command table.
constexpr const char* kSynopsis = "dudode-tarif BEFEHL ARGUMENTE";
constexpr const char* kDescription =
    "dudode-tarif lädt, prüft, speichert und zeigt die Dateien des Dudode - Editors ohne Fenster, "
    "mit denselben Regeln wie der Editor.";
// Name, German text, English text (for the English manual page only).
constexpr const char* kArguments[][3] = {
    {"DIR", "das Programmverzeichnis mit den Tarif-, Provider- und Vorlagendateien",
     "the program directory with the tariff, provider and template files"},
    {"FILE", "eine Datei darin, ohne Verzeichnis (zum Beispiel RATES.0)",
     "a file in it, without a directory (for example RATES.0)"},
    {"--keep-date", "das Aktualisierungsdatum der Datei nicht ändern",
     "leave the file's update date as it is"},
    {"--help", "diese Übersicht zeigen", "show the list of commands (in German)"},
    {"--version", "die Version zeigen", "show the version"},
};
constexpr const char* kMessages =
    "Jede Meldung erscheint als eine Zeile \"Titel: Text\" auf der Standardfehlerausgabe.\nDie "
    "Standardausgabe enthält nur, was ein Befehl ausgeben soll (JSON, die Lücken von check --all,\n"
    "die Unterschiede von diff); resave, vat und check ohne --all und --json schreiben dort nichts.";
constexpr const char* kExitStatus = "Exit-Status: 0 erfolgreich, 1 Befehl fehlgeschlagen, 2 falscher Aufruf.";
constexpr const char* kEnglishDescription =
    "dudode-tarif loads, checks, saves and shows the files of the Dudode editor without a window, by the "
    "same rules as the editor. Its messages and --help are in German; in a German locale this page is "
    "shown in German too.";
constexpr const char* kEnglishMessages = "Messages appear as one line \"title: text\" on standard error.";
constexpr const char* kEnglishExitStatus = "0 success, 1 the command failed, 2 wrong arguments.";

std::string RoffText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

}  // namespace

std::string VersionText() {
  return std::string("dudode-tarif ") + kEditorVersion + "\n";
}

std::string UsageText() {
  std::string text = std::string("Aufruf: ") + kSynopsis + "\n\nBefehle:\n";
  std::vector<std::string> lines;
  std::size_t width = 0;
  for (const TCommand& command : AllCommands()) {
    lines.push_back(command.Name + " " + command.Arguments);
    width = std::max(width, lines.back().size());
  }
  std::size_t i = 0;
  for (const TCommand& command : AllCommands()) {
    const std::string& line = lines[i++];
    text += "  " + line + std::string(width - line.size() + 2, ' ') + command.Summary + "\n";
  }
  text += "\n";
  for (const auto& argument : kArguments) {
    text += "  " + std::string(argument[0]) + std::string(width + 2 - std::string(argument[0]).size(), ' ') +
            argument[1] + "\n";
  }
  return text + "\n" + kMessages + "\n" + kExitStatus + "\n";
}

std::string ManPageText(TManLanguage language) {
  const bool de = language == TManLanguage::German;
  // No hyphenation: groff would break German words and file names by English rules.
  std::string page = std::string(".TH DUDODE\\-TARIF 1 \"\" \"dudode-tarif ") + kEditorVersion +
                     "\" \"Dudode - Editor\"\n.nh\n.SH NAME\ndudode\\-tarif \\- " +
                     (de ? "Tarifdateien ohne Fenster laden, prüfen, speichern und zeigen"
                         : "load, check, save and show tariff files without a window") +
                     (de ? "\n.SH ÜBERSICHT\n" : "\n.SH SYNOPSIS\n") + ".B dudode\\-tarif\n" +
                     (de ? "BEFEHL ARGUMENTE" : "COMMAND ARGUMENTS") +
                     "\n.br\n.B dudode\\-tarif\n\\-\\-help | \\-\\-version\n" +
                     (de ? ".SH BESCHREIBUNG\n" : ".SH DESCRIPTION\n") +
                     RoffText(de ? kDescription : kEnglishDescription) +
                     (de ? "\n.SH BEFEHLE\n" : "\n.SH COMMANDS\n");
  for (const TCommand& command : AllCommands()) {
    page += ".TP\n.BI \"" + RoffText(command.Name) + " \" \"" + RoffText(command.Arguments) + "\"\n" +
            RoffText(de ? command.Summary : command.SummaryEnglish) + "\n";
  }
  page += de ? ".SH ARGUMENTE UND OPTIONEN\n" : ".SH ARGUMENTS AND OPTIONS\n";
  for (const auto& argument : kArguments)
    page += ".TP\n.B " + RoffText(argument[0]) + "\n" + RoffText(argument[de ? 1 : 2]) + "\n";
  page += (de ? ".SH MELDUNGEN\n" : ".SH MESSAGES\n") + RoffText(de ? kMessages : kEnglishMessages) +
          (de ? "\n.SH EXIT\\-STATUS\n" : "\n.SH EXIT STATUS\n") +
          RoffText(de ? kExitStatus : kEnglishExitStatus) + (de ? "\n.SH BEISPIEL\n" : "\n.SH EXAMPLE\n") +
          ".nf\ndudode\\-tarif check ~/.local/share/dudode RATES.0\n.fi\n" +
          (de ? ".SH SIEHE AUCH\n" : ".SH SEE ALSO\n") + ".BR dudode\\-editor (1)\n";
  return page;
}

const TCommand* FindCommand(const std::vector<TCommand>& commands, const std::vector<std::string>& args,
                            std::size_t& consumed) {
  for (const TCommand& command : commands) {
    std::string name;
    for (std::size_t i = 0; i < args.size() && i < 2; ++i) {
      name += (i == 0 ? "" : " ") + args[i];
      if (name == command.Name) {
        consumed = i + 1;
        return &command;
      }
    }
  }
  return nullptr;
}

bool TParsedArgs::Has(const std::string& flag) const {
  return std::find(Flags.begin(), Flags.end(), flag) != Flags.end();
}

bool ParseArgs(const std::vector<std::string>& args, std::size_t positionalCount,
               const std::vector<std::string>& knownFlags, TParsedArgs& parsed) {
  parsed = {};
  for (const std::string& arg : args) {
    if (arg.size() > 1 && arg.front() == '-') {
      if (std::find(knownFlags.begin(), knownFlags.end(), arg) == knownFlags.end()) {
        PrintError("Unbekannte Option: " + arg);
        std::fputs(UsageText().c_str(), stderr);
        return false;
      }
      parsed.Flags.push_back(arg);
    } else {
      parsed.Positional.push_back(arg);
    }
  }
  if (parsed.Positional.size() != positionalCount) {
    PrintError("Falsche Anzahl von Argumenten.");
    std::fputs(UsageText().c_str(), stderr);
    return false;
  }
  return true;
}

bool UseProgramDirectory(const std::string& dir) {
  std::error_code ec;
  if (dir.empty() || !std::filesystem::is_directory(std::filesystem::u8path(dir), ec)) {
    PrintError("Verzeichnis nicht gefunden: " + dir);
    return false;
  }
  SetProgramDirectory(dir);
  return true;
}

bool CheckTariffFile(std::string& fileName) {
  if (fileName.empty() || fileName.find_first_of("/\\") != std::string::npos) {
    PrintError("FILE muss ein Dateiname ohne Verzeichnis sein: " + fileName);
    return false;
  }
  fileName = FindNameNoCase(ProgramDirectory(), fileName);
  const std::string path = ProgramDirectory() + fileName;
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::u8path(path), ec)) {
    PrintError("Datei nicht gefunden: " + path);
    return false;
  }
  if (!FileExists(path)) {
    PrintError("Die Datei " + path + " ist keine gewöhnliche Datei und wird nicht gelesen.");
    return false;
  }
  return true;
}

bool LockFile(TFileLock& lock, const std::string& fileName) {
  std::string error;
  if (lock.Acquire(ProgramDirectory() + fileName, &error)) return true;
  PrintError(error);
  return false;
}

void PrintError(const std::string& text) {
  ShowMessageBox(text, {}, mkFehler, mbOK);
}

}  // namespace dudode::cli
