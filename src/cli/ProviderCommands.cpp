// Commands on the provider files Provider.ini and UserProv.ini.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/Text.h"
#include "providers/ProviderFile.h"

namespace dudode::cli {
namespace {

void WriteDays(TJsonWriter& json, TDaySet days) {
  json.BeginArray(true);
  for (int code = 0; code < 16; ++code) {
    if (HasDay(days, code)) json.Integer(code);
  }
  json.EndArray();
}

void WriteEntries(TJsonWriter& json, const char* key, const TProviderEntryList& entries) {
  json.Key(key);
  json.BeginArray();
  for (const TProviderEntry& e : entries) {
    json.BeginObject();
    json.Field("StartSec", e.StartSec);
    json.Field("EndSec", e.EndSec);
    json.Field("Takt", e.Takt);
    json.Field("Price", e.Price);
    json.EndObject();
  }
  json.EndArray();
}

void WriteOptions(TJsonWriter& json, const TProviderOptions& o) {
  json.BeginObject();
  json.Field("FreeHours", o.FreeHours);
  json.Field("FreeHoursCosts", o.FreeHoursCosts);
  json.Field("Holiday2431", o.Holiday2431);
  json.Field("BaseAmount", o.BaseAmount);
  json.Field("NoCostsFrom", o.NoCostsFrom);
  json.Field("Timing", o.Timing);
  json.Field("MinConnectTime", o.MinConnectTime);
  json.Field("CostsPerDay", o.CostsPerDay);
  json.Field("BaseConnectPrice", o.BaseConnectPrice);
  json.Key("FreeHoursRanges");
  json.BeginArray();
  for (const TFreeHoursRange& r : o.FreeHoursRanges) {
    json.BeginObject();
    json.Key("Days");
    WriteDays(json, r.Days);
    json.Field("StartSec", r.StartSec);
    json.Field("EndSec", r.EndSec);
    json.Field("Takt", r.Takt);
    json.EndObject();
  }
  json.EndArray();
  json.Field("FreeHoursPerDay", o.FreeHoursPerDay);
  json.Field("ISDNDoubleCosts", o.ISDNDoubleCosts);
  json.EndObject();
}

std::string ProvidersJson(const TProviderList& providers) {
  std::string out;
  TJsonWriter json(out);
  json.BeginObject();
  json.Key("Providers");
  json.BeginArray();
  for (const TProvider& p : providers) {
    json.BeginObject();
    json.Field("Key", p.Key);
    json.Field("Name", p.Name);
    json.Key("Options");
    WriteOptions(json, p.Options);
    WriteEntries(json, "Werktag", p.WerktagEntries);
    WriteEntries(json, "SaSo", p.SaSoEntries);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return out;
}

// DIR and FILE, FILE being one of the two provider files; file gets the
// name as spelled in the directory.
bool UseProviderFile(const TParsedArgs& parsed, std::string& file) {
  file = parsed.Positional[1];
  if (!EqualsNoCase(file, kMainProviderFile) && !EqualsNoCase(file, kUserProviderFile)) {
    PrintError("FILE muss " + std::string(kMainProviderFile) + " oder " + std::string(kUserProviderFile) +
               " sein: " + file);
    return false;
  }
  return UseProgramDirectory(parsed.Positional[0]) && CheckTariffFile(file);
}

int Dump(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  std::string file;
  if (!ParseArgs(args, 2, {}, parsed)) return kExitUsage;
  if (!UseProviderFile(parsed, file)) return kExitFailure;
  std::string error;
  const TProviderList providers = LoadProviderFile(file, &error, /*readOnly=*/true);
  if (!error.empty()) {
    PrintError(error);
    return kExitFailure;
  }
  const std::string json = ProvidersJson(providers);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

int Resave(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {}, parsed)) return kExitUsage;
  std::string file;
  TFileLock lock;
  if (!UseProviderFile(parsed, file) || !LockFile(lock, file)) return kExitFailure;
  std::string error;
  TProviderList providers = LoadProviderFile(file, &error);
  if (!error.empty()) {
    PrintError(error);
    return kExitFailure;
  }
  return SaveProviderFile(file, providers) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<TCommand> ProviderCommands() {
  return {
      {"provider dump", "DIR FILE", "Providerdatei (Provider.ini, UserProv.ini) laden und als JSON ausgeben",
       Dump, "load a provider file (Provider.ini, UserProv.ini) and print it as JSON"},
      {"provider resave", "DIR FILE", "Providerdatei laden und neu speichern", Resave,
       "load a provider file and save it again"},
  };
}

}  // namespace dudode::cli
