#include "cli/Commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/Files.h"

namespace dudode::cli {

std::vector<TCommand> AllCommands() {
  std::vector<TCommand> all;
  for (auto group : {TarifCommands, ToolCommands, ProviderCommands, TemplateCommands}) {
    for (TCommand& command : group()) all.push_back(std::move(command));
  }
  return all;
}

std::string UsageText() {
  std::string text = "Aufruf: dudode-tarif BEFEHL ARGUMENTE\n\nBefehle:\n";
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
  text +=
      "\nDIR ist das Programmverzeichnis, FILE eine Datei darin.\n"
      "Meldungen erscheinen als eine Zeile \"Titel: Text\" auf der Standardfehlerausgabe.\n"
      "Exit-Status: 0 erfolgreich, 1 Befehl fehlgeschlagen, 2 falscher Aufruf.\n";
  return text;
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
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace dudode::cli
