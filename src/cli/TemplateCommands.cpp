// Commands on the template record files ConnTemp.dat and PhoneTemp.dat.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace dudode::cli {
namespace {

// The fields ConnTemp.dat holds, in their order.
void WriteConnection(TJsonWriter& json, const TConnectionTemplate& t) {
  json.BeginObject();
  json.Field("Name", t.Name);
  json.Field("PhoneTarif", t.PhoneTarif);
  json.Field("Zone", t.Zone);
  json.Field("CityWeekend", t.CityWeekend);
  json.Field("CityPlus", t.CityPlus);
  json.Field("ISDNx2", t.ISDNx2);
  json.Field("TenPlusActive", t.TenPlusActive);
  json.Field("TenPlusFrom", t.TenPlusFrom);
  json.Field("TenPlusRate", t.TenPlusRate);
  json.Field("InstantActive", t.InstantActive);
  json.Field("InstantWorkday", t.InstantWorkday);
  json.Field("InstantWeekend", t.InstantWeekend);
  json.Field("InstantHoliday", t.InstantHoliday);
  json.Field("Provider", t.Provider);
  json.Field("ProviderActive", t.ProviderActive);
  json.EndObject();
}

void WritePhone(TJsonWriter& json, const TPhoneConnectionTemplate& t) {
  json.BeginObject();
  json.Field("AccessCode", t.AccessCode);
  json.Field("Description", t.Description);
  json.Field("PhoneTarif", t.PhoneTarif);
  json.Field("Zone", t.Zone);
  json.Key("Relations");
  json.BeginArray(true);
  for (int bit = 0; bit < 16; ++bit) {
    if (t.Relations & (1u << bit)) json.Integer(bit);
  }
  json.EndArray();
  const std::uint8_t bytes[] = {t.Reserved1, t.Reserved2, t.Reserved3, t.Reserved4};
  for (int i = 0; i < 4; ++i) json.Field("Reserved" + std::to_string(i + 1), bytes[i]);
  const std::int32_t numbers[] = {t.Reserved5, t.Reserved6, t.Reserved7, t.Reserved8};
  for (int i = 0; i < 4; ++i) json.Field("Reserved" + std::to_string(i + 5), numbers[i]);
  json.EndObject();
}

int Dump(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 1, {}, parsed)) return kExitUsage;
  if (!UseProgramDirectory(parsed.Positional[0])) return kExitFailure;
  std::string out;
  TJsonWriter json(out);
  json.BeginObject();
  json.Key("ConnTemp");
  json.BeginArray();
  for (const TConnectionTemplate& t : ReadConnTempFile()) WriteConnection(json, t);
  json.EndArray();
  json.Key("PhoneTemp");
  json.BeginArray();
  for (const TPhoneConnectionTemplate& t : ReadPhoneTempFile()) WritePhone(json, t);
  json.EndArray();
  json.EndObject();
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

int Resave(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 1, {}, parsed)) return kExitUsage;
  if (!UseProgramDirectory(parsed.Positional[0])) return kExitFailure;
  const std::vector<TRatesFileInfo> tariffs = LoadPhoneTariffList();
  if (tariffs.empty()) ShowMessageBox("Kann keine Telefontarifdateien finden!", "", mkFehler, mbOK);
  bool ok = true;
  // Only the files there are: a missing one is not created from nothing.
  if (FileExists(ProgramDirectory() + std::string(kConnTempFile))) {
    TConnectionTemplateList templates = LoadConnectionTemplates(tariffs, LoadProviderNames());
    ok = SaveConnectionTemplates(templates, tariffs) && ok;
  }
  if (FileExists(ProgramDirectory() + std::string(kPhoneTempFile))) {
    ok = SavePhoneTemplates(LoadPhoneTemplates(tariffs)) && ok;
  }
  return ok ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<TCommand> TemplateCommands() {
  return {
      {"templates dump", "DIR", "ConnTemp.dat und PhoneTemp.dat wie gespeichert als JSON ausgeben", Dump},
      {"templates resave", "DIR",
       "Vorlagen wie die Vorlageneditoren laden und speichern (ConnTemp.dat mit ConnTempEx.dat, "
       "PhoneTemp.dat)",
       Resave},
  };
}

}  // namespace dudode::cli
