// Commands on a tariff document: the completeness check and the VAT
// adjustment.
#include <cstdio>

#include "cli/Commands.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"
#include "tools/TarifCheck.h"
#include "tools/VatAdjustment.h"

namespace dudode::cli {
namespace {

// Loads FILE of DIR (locked first when lock is given); false when there is
// none or it cannot be read.
bool Load(const std::string& dir, std::string file, TTarifFile& doc, TFileLock* lock) {
  if (!UseProgramDirectory(dir) || !CheckTariffFile(file)) return false;
  if (lock && !LockFile(*lock, file)) return false;
  doc.FileName = file;
  return LoadTarifFile(doc, /*readOnly=*/lock == nullptr);
}

void PrintLine(const std::string& text) {
  std::string line = text;
  for (char& c : line) {
    if (c == '\r') c = '\n';
  }
  std::printf("%s\n", line.c_str());
}

int Check(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {}, parsed)) return kExitUsage;
  TTarifFile doc;
  if (!Load(parsed.Positional[0], parsed.Positional[1], doc, nullptr)) return kExitFailure;
  if (doc.Zones.empty()) {
    // A gap check must not pass on nothing.
    PrintError("Die Datei " + ProgramDirectory() + doc.FileName + " enthält keine Tarifzonen.");
    return kExitFailure;
  }
  bool complete = true;
  for (const TKeyAndName& zone : doc.Zones) {
    const TCheckResult result = CheckTariffYear(zone.Werktag, zone.SaSo);
    complete = complete && result.Outcome == TCheckOutcome::Complete;
    PrintLine(zone.MenuCaption() + ": " +
              (result.Outcome == TCheckOutcome::Complete ? CompleteMessage() : GapMessage(result.Gap)));
  }
  return std::fflush(stdout) == 0 && complete ? kExitOk : kExitFailure;
}

int Vat(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 4, {"--keep-date"}, parsed)) return kExitUsage;
  TTarifFile doc;
  TFileLock lock;
  if (!Load(parsed.Positional[0], parsed.Positional[1], doc, &lock)) return kExitFailure;
  switch (RunVatAdjustment(doc, parsed.Positional[2], parsed.Positional[3])) {
    case TVatOutcome::NothingToDo:
      PrintLine(VatNothingToDoMessage());
      return kExitOk;
    case TVatOutcome::InvalidRate:
      PrintError(VatInvalidRateMessage());
      return kExitUsage;
    case TVatOutcome::Adjusted:
      break;
  }
  if (!SaveTarifFile(doc, {.KeepDate = parsed.Has("--keep-date")})) return kExitFailure;
  PrintLine(VatDoneMessage());
  return kExitOk;
}

}  // namespace

std::vector<TCommand> ToolCommands() {
  return {
      {"check", "DIR FILE", "Jede Tarifzone ein Jahr lang im 10-Minuten-Takt auf Lücken prüfen", Check},
      {"vat", "DIR FILE OLD NEW [--keep-date]",
       "Alle Preise von OLD auf NEW Prozent Umsatzsteuer umrechnen und speichern", Vat},
  };
}

}  // namespace dudode::cli
