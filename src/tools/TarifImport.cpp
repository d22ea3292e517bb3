#include "tools/TarifImport.h"

#include <algorithm>
#include <memory>

#include "core/Files.h"
#include "core/IniFile.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/Text.h"
#include "core/Values.h"
#include "tools/AppTable.h"
#include "tools/HolidayList.h"

namespace dudode {
namespace {

constexpr std::size_t kMaxImportDescriptionChars = 150;
constexpr const char* kZoneCaption = "Tarifzonen importieren";
constexpr const char* kNoZonesMessage = "Diese Tarifdatei enthält keine Tarifzonen.";
constexpr const char* kZoneLimitMessage =
    "Es kann keine weiterer Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 Tarifzonen.";

// The import keeps what the reader would change: see TZoneReadOptions.
constexpr TZoneReadOptions kImportOptions{false, false, false};

// The source file on a store of its own; nullptr (after the message) when it
// cannot be opened.
std::unique_ptr<TTheIniFile> OpenSource(const std::string& fileName) {
  auto ini = std::make_unique<TTheIniFile>();
  try {
    ini->SetIniFileName(fileName);
    ini->SetIniLocation(loProgDir);
    ini->SetOpen(true);
  } catch (const EIniError& error) {
    ShowMessageBox(error.what(), "", mkFehler, mbOK);
    return nullptr;
  }
  return ini;
}

std::string CommonValue(TTheIniFile& ini, const std::string& key) {
  ini.SetSection("COMMON");
  return ini.ReadString(key, "");
}

void ReportCount(int count, const std::string& what) {
  ShowMessageBox("Es wurden " + std::to_string(count) + " " + what + " importiert.", "", mkInformation, mbOK);
}

}  // namespace

std::vector<TImportFile> ImportFileList() {
  std::vector<TImportFile> files;
  for (const std::string& name : ListTariffFiles()) {
    std::string description;
    if (auto ini = OpenSource(name)) {
      description =
          UnderscoreToBlank(Clean(LeftChars(CommonValue(*ini, "FILENAME"), kMaxImportDescriptionChars)));
    }
    files.push_back({name, description.empty() ? kUnknownDescription : description});
  }
  std::stable_sort(files.begin(), files.end(),
                   [](const TImportFile& a, const TImportFile& b) { return a.Description < b.Description; });
  return files;
}

std::string ImportFileInfo(const std::string& fileName) {
  auto ini = OpenSource(fileName);
  const std::string date = ini ? Clean(CommonValue(*ini, "FILEDATE")) : std::string();
  return date.empty() ? std::string() : "Aktualisiert: " + FileDateDisplay(date);
}

int ImportHolidays(TTarifFile& document, const std::string& fileName) {
  auto ini = OpenSource(fileName);
  if (!ini) return 0;
  int count = 0;
  for (const TFeiertag& holiday : ReadHolidays(*ini)) {
    const bool known = std::any_of(document.Holidays.begin(), document.Holidays.end(),
                                   [&](const TFeiertag& h) { return h.Date == holiday.Date; });
    if (known || document.Holidays.size() >= kMaxHolidays) continue;
    document.Holidays.push_back(holiday);
    ++count;
  }
  if (count > 0) document.Modified = true;
  ReportCount(count, "Feiertag(e)");
  return count;
}

int ImportApplications(TTarifFile& document, const std::string& fileName) {
  auto ini = OpenSource(fileName);
  if (!ini) return 0;
  int count = 0;
  for (const TAppEntry& app : ReadApplications(*ini)) {
    const bool known =
        std::any_of(document.Applications.begin(), document.Applications.end(),
                    [&](const TAppEntry& a) { return SameTapiName(a.TapiName, app.TapiName); });
    if (known) continue;
    document.Applications.push_back(app);
    ++count;
  }
  if (count > 0) document.Modified = true;
  ReportCount(count, "Anwendung(en)");
  return count;
}

int ImportZones(TTarifFile& document, const std::string& fileName, const TZoneChooser& choose) {
  auto ini = OpenSource(fileName);
  if (!ini) return -1;
  // Source zones keep their source key until they are taken over.
  std::vector<TKeyAndName> zones = ReadZoneIndex(*ini);
  if (zones.empty()) {
    ShowMessageBox(kNoZonesMessage, kZoneCaption, mkFehler, mbOK);
    return -1;
  }
  std::vector<std::string> names;
  for (TKeyAndName& zone : zones) {
    ReadZoneOptions(*ini, zone.Key, zone, kImportOptions);
    names.push_back(zone.MenuCaption());
  }
  std::vector<bool> checked(zones.size(), false);
  if (!choose(names, checked)) return -1;

  int current = -1;
  int count = 0;
  for (std::size_t i = 0; i < zones.size() && i < checked.size(); ++i) {
    if (!checked[i]) continue;
    if (document.Zones.size() >= kMaxZones) {
      ShowMessageBox(kZoneLimitMessage, "", mkFehler, mbOK);
      break;
    }
    TKeyAndName zone = std::move(zones[i]);
    const std::string sourceKey = zone.Key;
    zone.Key = NewZoneKey(RemoveAmpersand(zone.MenuCaption()), document.ZoneKeys());
    for (TDayClass dayClass : kDayClasses) ReadZoneLists(*ini, sourceKey, zone, dayClass, kImportOptions);
    TakeTaktFromFirstEntries(zone);
    document.Zones.push_back(std::move(zone));
    current = static_cast<int>(document.Zones.size()) - 1;
    ++count;
  }
  if (count > 0) {
    document.Modified = true;
    ReportCount(count, "Tarifzone(n)");
  }
  return current;
}

}  // namespace dudode
