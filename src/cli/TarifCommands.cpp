// Commands on tariff files: dump and resave.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"

namespace dudode::cli {
namespace {

// The members of a bit set, ascending.
void WriteSet(TJsonWriter& json, std::uint16_t set) {
  json.BeginArray(true);
  for (int bit = 0; bit < 16; ++bit) {
    if (set & (1u << bit)) json.Integer(bit);
  }
  json.EndArray();
}

void WriteEntry(TJsonWriter& json, const TTarifEntry& e) {
  json.BeginObject();
  json.Key("Weekdays");
  WriteSet(json, e.Weekdays);
  json.Field("PricePerUnit", e.PricePerUnit);
  json.Field("CalcTakt", e.CalcTakt);
  json.Field("FirstSecond", e.FirstSecond);
  json.Field("StartSec", e.StartSec);
  json.Field("EndSec", e.EndSec);
  json.Field("Takt", e.Takt);
  json.Field("Units", e.Units);
  json.Field("Name", e.Name);
  json.Field("DateFrom", e.DateFrom);
  json.Field("DateTo", e.DateTo);
  json.Field("ZoneConnectPrice", e.ZoneConnectPrice);
  json.Field("ZoneMonthlyFee", e.ZoneMonthlyFee);
  json.Field("SortKey", e.SortKey.View());
  json.EndObject();
}

void WriteFreeTimes(TJsonWriter& json, const char* key, const std::vector<TFreeTimeEntry>& list) {
  json.Key(key);
  json.BeginArray();
  for (const TFreeTimeEntry& f : list) {
    json.BeginObject();
    json.Field("StartSec", f.StartSec);
    json.Field("EndSec", f.EndSec);
    json.Field("FreeSeconds", f.FreeSeconds);
    json.EndObject();
  }
  json.EndArray();
}

void WriteNo10plus(TJsonWriter& json, const char* key, const std::vector<TNo10plusEntry>& list) {
  json.Key(key);
  json.BeginArray();
  for (const TNo10plusEntry& w : list) {
    json.BeginObject();
    json.Field("StartSec", w.StartSec);
    json.Field("EndSec", w.EndSec);
    json.EndObject();
  }
  json.EndArray();
}

void WriteZone(TJsonWriter& json, const TKeyAndName& zone) {
  json.BeginObject();
  json.Field("Key", zone.Key);
  json.Field("DisplayName", zone.DisplayName);
  json.Field("CalcTakt", zone.CalcTakt);
  json.Field("FirstSecond", zone.FirstSecond);
  json.Field("ConnectPrice", zone.ConnectPrice);
  json.Field("MonthlyFee", zone.MonthlyFee);
  json.Key("Relations");
  WriteSet(json, zone.Relations);
  json.Field("TenPlusActive", zone.TenPlusActive);
  WriteNo10plus(json, "WNo10plus", zone.WNo10plus);
  WriteNo10plus(json, "FNo10plus", zone.FNo10plus);
  json.Field("RoundTo", zone.RoundTo);
  WriteFreeTimes(json, "WFreeTimes", zone.WFreeTimes);
  WriteFreeTimes(json, "FFreeTimes", zone.FFreeTimes);
  json.Key("Access");
  json.BeginObject();
  json.Field("PhoneNr", zone.Access.PhoneNr);
  json.Field("UserName", zone.Access.UserName);
  json.Field("Password", zone.Access.Password);
  json.Field("Registration", zone.Access.Registration);
  json.Field("NichtBundesweit", zone.Access.NichtBundesweit);
  json.EndObject();
  for (TDayClass dayClass : kDayClasses) {
    json.Key(dayClass == TDayClass::Werktag ? "Werktag" : "SaSo");
    json.BeginArray();
    for (const TTarifEntry& e : zone.Entries(dayClass)) WriteEntry(json, e);
    json.EndArray();
  }
  json.EndObject();
}

std::string DocumentJson(const TTarifFile& doc) {
  std::string out;
  TJsonWriter json(out);
  json.BeginObject();
  json.Field("FileName", doc.FileName);
  json.Field("StrVersion", doc.StrVersion);
  json.Field("Version", doc.Version);
  json.Field("FileDate", doc.FileDate);
  json.Field("Description", doc.Description);
  json.Field("WWW", doc.WWW);
  json.Field("Hotline", doc.Hotline);
  json.Field("Comment", doc.Comment);
  json.Field("EMail", doc.EMail);
  json.Field("AccessCode", doc.AccessCode);
  json.Field("Copyright", doc.Copyright);
  json.Field("Takt", doc.Takt);
  json.Field("Price", doc.Price);
  json.Field("BaseConnectPrice", doc.BaseConnectPrice);
  json.Field("CityWeekend", doc.CityWeekend);
  json.Key("Zones");
  json.BeginArray();
  for (const TKeyAndName& zone : doc.Zones) WriteZone(json, zone);
  json.EndArray();
  json.Key("Holidays");
  json.BeginArray(true);
  for (const TFeiertag& holiday : doc.Holidays) json.String(holiday.Date);
  json.EndArray();
  json.Key("Applications");
  json.BeginArray();
  for (const TAppEntry& app : doc.Applications) {
    json.BeginObject();
    json.Field("TapiName", app.TapiName);
    json.Field("AppName", app.AppName);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return out;
}

// Loads FILE of DIR as the editor's Open does (locked first when lock is
// given); false when there is none or it cannot be read.
bool LoadFromArgs(const TParsedArgs& parsed, TTarifFile& doc, TFileLock* lock) {
  std::string file = parsed.Positional[1];
  if (!UseProgramDirectory(parsed.Positional[0]) || !CheckTariffFile(file)) return false;
  if (lock && !LockFile(*lock, file)) return false;
  doc.FileName = file;
  return LoadTarifFile(doc, /*readOnly=*/lock == nullptr);
}

int Dump(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {}, parsed)) return kExitUsage;
  TTarifFile doc;
  if (!LoadFromArgs(parsed, doc, nullptr)) return kExitFailure;
  const std::string json = DocumentJson(doc);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

int Resave(const std::vector<std::string>& args) {
  TParsedArgs parsed;
  if (!ParseArgs(args, 2, {"--keep-date"}, parsed)) return kExitUsage;
  TTarifFile doc;
  TFileLock lock;
  if (!LoadFromArgs(parsed, doc, &lock)) return kExitFailure;
  // The save reports its own failures as messages.
  return SaveTarifFile(doc, {.KeepDate = parsed.Has("--keep-date")}) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<TCommand> TarifCommands() {
  return {
      {"dump", "DIR FILE", "Tarifdatei laden und als JSON ausgeben", Dump,
       "load a tariff file and print it as JSON"},
      {"resave", "DIR FILE [--keep-date]",
       "Tarifdatei laden und neu speichern (--keep-date: Aktualisierungsdatum nicht ändern)", Resave,
       "load a tariff file and save it again (--keep-date: keep its update date)"},
  };
}

}  // namespace dudode::cli
