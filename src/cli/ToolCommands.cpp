// Commands on a tariff document: the completeness check and the VAT
// adjustment.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"
#include "tools/TarifCheck.h"
#include "tools/TarifCoverage.h"
#include "tools/TarifDiff.h"
#include "tools/TarifLint.h"
#include "tools/UstForm.h"
#include "tools/VatAdjustment.h"
#include "zones/EntryForm.h"

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

void WriteZoneName(TJsonWriter& writer, const TKeyAndName& zone) {
  writer.Field("Key", zone.Key);
  writer.Field("Name", zone.MenuCaption());
}

void WriteGap(TJsonWriter& writer, const TGapRange& gap) {
  writer.BeginObject();
  writer.Field("From", DayText(gap.FirstDay));
  writer.Field("To", DayText(gap.LastDay));
  writer.Field("Start", SlotText(gap.FirstSlot));
  writer.Field("End", SlotEndText(gap.LastSlot));
  writer.EndObject();
}

void PrintLine(const std::string& text) {
  std::string line = text;
  for (char& c : line) {
    if (c == '\r') c = '\n';
  }
  std::printf("%s\n", line.c_str());
}

// The walk's result for every zone: as JSON when asked for, else the message
// the editor's check shows, under the caption of its check window.
int CheckZones(const TTarifFile& doc, bool json) {
  std::string out;
  TJsonWriter writer(out);
  writer.BeginArray();
  bool complete = true;
  for (const TKeyAndName& zone : doc.Zones) {
    const TCheckResult result = CheckTariffYear(zone.Werktag, zone.SaSo);
    const bool zoneComplete = result.Outcome == TCheckOutcome::Complete;
    complete = complete && zoneComplete;
    const std::string message = zoneComplete ? CompleteMessage() : GapMessage(result.Gap);
    if (!json) {
      ShowMessageBox(message, CheckDialogCaption(zone), zoneComplete ? mkInformation : mkFehler, mbOK);
      continue;
    }
    writer.BeginObject();
    WriteZoneName(writer, zone);
    writer.Field("Complete", zoneComplete);
    writer.Field("Message", message);
    writer.EndObject();
  }
  writer.EndArray();
  if (!json) return complete ? kExitOk : kExitFailure;
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 && complete ? kExitOk : kExitFailure;
}

// Every uncovered block of every list, each list on its own.
int CheckAllGaps(const TTarifFile& doc, bool json) {
  std::string out;
  TJsonWriter writer(out);
  writer.BeginArray();
  bool complete = true;
  for (const TKeyAndName& zone : doc.Zones) {
    if (json) {
      writer.BeginObject();
      WriteZoneName(writer, zone);
    }
    bool zoneComplete = true;
    for (TDayClass dayClass : kDayClasses) {
      const std::vector<TGapRange> gaps = GapRanges(TListCoverage(zone.Entries(dayClass)));
      zoneComplete = zoneComplete && gaps.empty();
      if (json) {
        writer.Key(dayClass == TDayClass::Werktag ? "Werktag" : "SaSo");
        writer.BeginArray();
      }
      for (const TGapRange& gap : gaps) {
        if (!json) PrintLine(zone.MenuCaption() + ", " + DayClassName(dayClass) + ": " + GapRangeText(gap));
        if (json) WriteGap(writer, gap);
      }
      if (json) writer.EndArray();
    }
    if (json) writer.EndObject();
    if (!json && zoneComplete) PrintLine(zone.MenuCaption() + ": keine Lücken");
    complete = complete && zoneComplete;
  }
  writer.EndArray();
  if (json) std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 && complete ? kExitOk : kExitFailure;
}

int Check(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {"--all", "--json"}, parsed)) return kExitUsage;
  TTarifFile doc;
  if (!Load(parsed.Positional[0], parsed.Positional[1], doc, nullptr)) return kExitFailure;
  if (doc.Zones.empty()) {
    // A gap check must not pass on nothing.
    PrintError("Die Datei " + ProgramDirectory() + doc.FileName + " enthält keine Tarifzonen.");
    return kExitFailure;
  }
  return parsed.Has("--all") ? CheckAllGaps(doc, parsed.Has("--json"))
                             : CheckZones(doc, parsed.Has("--json"));
}

void WriteChanges(TJsonWriter& writer, const char* key, const std::vector<TFieldChange>& changes) {
  writer.Key(key);
  writer.BeginArray();
  for (const TFieldChange& c : changes) {
    writer.BeginObject();
    writer.Field("Field", c.Field);
    writer.Field("Old", c.Old);
    writer.Field("New", c.New);
    writer.EndObject();
  }
  writer.EndArray();
}

void WriteEntries(TJsonWriter& writer, const char* key, const std::vector<TTarifEntry>& entries) {
  writer.Key(key);
  writer.BeginArray();
  for (const TTarifEntry& e : entries) writer.String(EntryText(e));
  writer.EndArray();
}

void WriteListDiff(TJsonWriter& writer, const TListDiff& list) {
  writer.BeginObject();
  WriteEntries(writer, "Added", list.Added);
  WriteEntries(writer, "Removed", list.Removed);
  writer.Key("Changed");
  writer.BeginArray();
  for (const TEntryChange& c : list.Changed) {
    writer.BeginObject();
    writer.Field("Old", EntryText(c.Old));
    writer.Field("New", EntryText(c.New));
    writer.Field("OldPrice", c.Old.PricePerUnit);
    writer.Field("NewPrice", c.New.PricePerUnit);
    writer.Key("PriceChangePercent");
    const auto percent = PriceChangePercent(c.Old.PricePerUnit, c.New.PricePerUnit);
    if (percent) {
      writer.Number(*percent);
    } else {
      writer.Null();
    }
    WriteChanges(writer, "Changes", EntryChanges(c.Old, c.New));
    writer.EndObject();
  }
  writer.EndArray();
  writer.EndObject();
}

std::string DiffJson(const TTarifDiff& diff) {
  static const char* kChange[] = {"added", "removed", "changed"};
  std::string out;
  TJsonWriter writer(out);
  writer.BeginObject();
  writer.Field("Equal", diff.Equal());
  WriteChanges(writer, "Options", diff.Options);
  writer.Key("Holidays");
  writer.BeginObject();
  for (const auto& [key, dates] :
       {std::pair{"Added", &diff.HolidaysAdded}, std::pair{"Removed", &diff.HolidaysRemoved}}) {
    writer.Key(key);
    writer.BeginArray(true);
    for (const std::string& d : *dates) writer.String(d);
    writer.EndArray();
  }
  writer.EndObject();
  writer.Key("Applications");
  writer.BeginObject();
  for (const auto& [key, apps] :
       {std::pair{"Added", &diff.ApplicationsAdded}, std::pair{"Removed", &diff.ApplicationsRemoved}}) {
    writer.Key(key);
    writer.BeginArray();
    for (const TAppEntry& app : *apps) {
      writer.BeginObject();
      writer.Field("TapiName", app.TapiName);
      writer.Field("AppName", app.AppName);
      writer.EndObject();
    }
    writer.EndArray();
  }
  WriteChanges(writer, "Changed", diff.ApplicationsChanged);
  writer.EndObject();
  writer.Key("Zones");
  writer.BeginArray();
  for (const TZoneDiff& zone : diff.Zones) {
    writer.BeginObject();
    writer.Field("Change", kChange[static_cast<int>(zone.Change)]);
    writer.Field("OldKey", zone.OldKey);
    writer.Field("NewKey", zone.NewKey);
    writer.Field("OldName", zone.OldName);
    writer.Field("NewName", zone.NewName);
    WriteChanges(writer, "Fields", zone.Fields);
    writer.Key("Werktag");
    WriteListDiff(writer, zone.Werktag);
    writer.Key("SaSo");
    WriteListDiff(writer, zone.SaSo);
    writer.EndObject();
  }
  writer.EndArray();
  writer.EndObject();
  return out;
}

// Exit status as diff gives it: 0 equal, 1 different, 2 trouble.
int Diff(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 4, {"--json"}, parsed)) return kExitUsage;
  TTarifFile a;
  TTarifFile b;
  if (!Load(parsed.Positional[0], parsed.Positional[1], a, nullptr) ||
      !Load(parsed.Positional[2], parsed.Positional[3], b, nullptr)) {
    return kExitUsage;
  }
  const TTarifDiff diff = DiffTarifFiles(a, b);
  if (parsed.Has("--json")) {
    const std::string json = DiffJson(diff);
    std::fwrite(json.data(), 1, json.size(), stdout);
  } else {
    for (const std::string& line : DiffLines(diff)) PrintLine(line);
  }
  if (std::fflush(stdout) != 0) return kExitUsage;
  return diff.Equal() ? kExitOk : kExitFailure;
}

int Vat(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 4, {"--keep-date"}, parsed)) return kExitUsage;
  TTarifFile doc;
  TFileLock lock;
  if (!Load(parsed.Positional[0], parsed.Positional[1], doc, &lock)) return kExitFailure;
  const TVatOutcome outcome = RunVatAdjustment(doc, parsed.Positional[2], parsed.Positional[3]);
  if (outcome == TVatOutcome::Adjusted && !SaveTarifFile(doc, {.KeepDate = parsed.Has("--keep-date")}))
    return kExitFailure;
  ReportVatOutcome(outcome);
  return outcome == TVatOutcome::InvalidRate ? kExitUsage : kExitOk;
}

// Exit status: 0 nothing found, 1 findings, 2 bad call or unreadable file.
int Lint(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {"--json"}, parsed)) return kExitUsage;
  TTarifFile doc;
  if (!Load(parsed.Positional[0], parsed.Positional[1], doc, nullptr)) return kExitUsage;
  const std::vector<TLintFinding> findings = LintTarifFile(doc);
  if (parsed.Has("--json")) {
    std::string out;
    TJsonWriter writer(out);
    writer.BeginArray();
    for (const TLintFinding& f : findings) {
      writer.BeginObject();
      writer.Field("Kind", LintKindId(f.Kind));
      writer.Field("Zone", f.ZoneName);
      writer.Field("List", LintPlaceName(f.Place));
      writer.Field("Name", f.Name);
      writer.Field("Number", f.Number);
      writer.Field("Text", f.Text);
      writer.EndObject();
    }
    writer.EndArray();
    std::fwrite(out.data(), 1, out.size(), stdout);
  } else {
    for (const TLintFinding& f : findings) PrintLine(LintLine(f));
  }
  if (std::fflush(stdout) != 0) return kExitUsage;
  return findings.empty() ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<TCommand> ToolCommands() {
  return {
      {"check", "DIR FILE [--all] [--json]",
       "Jede Tarifzone ein Jahr lang im 10-Minuten-Takt auf Lücken prüfen (--all: jede Lücke jeder Liste)",
       Check, "walk every zone over a year in 10-minute steps for gaps (--all: every gap of every list)"},
      {"diff", "DIR_A FILE_A DIR_B FILE_B [--json]",
       "Was sich von Tarifdatei A zu B geändert hat (Exit-Status 0 gleich, 1 verschieden, 2 Fehler)", Diff,
       "what changed from tariff file A to B (exit status 0 equal, 1 different, 2 error)"},
      {"lint", "DIR FILE [--json]",
       "Plausibilität prüfen: sich überschneidende Tarife, Preise in Cent statt Euro u. a. "
       "(Exit-Status 0 nichts gefunden, 1 Hinweise, 2 Fehler)",
       Lint,
       "plausibility check: overlapping tariffs, prices in cents instead of euros and more "
       "(exit status 0 nothing found, 1 findings, 2 error)"},
      {"vat", "DIR FILE OLD NEW [--keep-date]",
       "Alle Preise von OLD auf NEW Prozent Umsatzsteuer umrechnen und speichern", Vat,
       "convert all prices from OLD to NEW per cent VAT and save"},
  };
}

}  // namespace dudode::cli
