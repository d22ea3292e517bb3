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

// Prints the report's message; true when the file was read completely.
bool ReportComplete(const TRecordFileReport& report) {
  if (!report.Complete()) ShowMessageBox(report.Message(), "", mkFehler, mbOK);
  return report.Complete();
}

int Dump(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 1, {}, parsed)) return kExitUsage;
  if (!UseProgramDirectory(parsed.Positional[0])) return kExitFailure;
  const TRecordFile<TConnectionTemplate> connections = ReadConnTempFile();
  const TRecordFile<TPhoneConnectionTemplate> phones = ReadPhoneTempFile();
  // What could be read is shown; a file not read completely fails the command.
  const bool connectionsComplete = ReportComplete(connections.Report);
  const bool complete = ReportComplete(phones.Report) && connectionsComplete;
  std::string out;
  TJsonWriter json(out);
  json.BeginObject();
  json.Key("ConnTemp");
  json.BeginArray();
  for (const TConnectionTemplate& t : connections.Records) WriteConnection(json, t);
  json.EndArray();
  json.Key("PhoneTemp");
  json.BeginArray();
  for (const TPhoneConnectionTemplate& t : phones.Records) WritePhone(json, t);
  json.EndArray();
  json.EndObject();
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 && complete ? kExitOk : kExitFailure;
}

int Resave(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 1, {}, parsed)) return kExitUsage;
  if (!UseProgramDirectory(parsed.Positional[0])) return kExitFailure;
  TFileLock connectionLock;
  TFileLock phoneLock;
  if (!LockFile(connectionLock, std::string(kConnTempFile)) ||
      !LockFile(phoneLock, std::string(kPhoneTempFile))) {
    return kExitFailure;
  }
  const std::vector<TRatesFileInfo> tariffs = LoadPhoneTariffList();
  if (tariffs.empty()) ShowMessageBox("Kann keine Telefontarifdateien finden!", "", mkFehler, mbOK);
  TRecordFile<TConnectionTemplate> connections = LoadConnectionTemplates();
  TRecordFile<TPhoneConnectionTemplate> phones = LoadPhoneTemplates();
  // A file not read completely is not written: what could not be read would be lost.
  const bool connectionsComplete = ReportComplete(connections.Report);
  if (!ReportComplete(phones.Report) || !connectionsComplete) return kExitFailure;
  bool ok = true;
  // Only the files there are: a missing one is not created from nothing.
  if (connections.Report.State == TRecordFileState::Complete) {
    ok = SaveConnectionTemplates(connections.Records, tariffs) && ok;
  }
  if (phones.Report.State == TRecordFileState::Complete) ok = SavePhoneTemplates(phones.Records) && ok;
  return ok ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<TCommand> TemplateCommands() {
  return {
      {"templates dump", "DIR", "ConnTemp.dat und PhoneTemp.dat wie gespeichert als JSON ausgeben", Dump,
       "print ConnTemp.dat and PhoneTemp.dat as stored, as JSON"},
      {"templates resave", "DIR",
       "Vorlagen wie die Vorlageneditoren laden und speichern (ConnTemp.dat mit ConnTempEx.dat, "
       "PhoneTemp.dat)",
       Resave,
       "load and save the templates as the template editors do (ConnTemp.dat with ConnTempEx.dat, "
       "PhoneTemp.dat)"},
  };
}

}  // namespace dudode::cli
