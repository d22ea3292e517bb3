#include "templates/RatesFileInfo.h"

#include <algorithm>

#include "core/Files.h"
#include "core/IniFile.h"
#include "core/Text.h"
#include "providers/Provider.h"

namespace dudode {
namespace {

constexpr std::size_t kMaxZonesRead = 50;
constexpr std::size_t kMaxDescriptionChars = 150;

std::string FoldCase(const std::string& text) {
  return CapitalizeGerman(text);
}

}  // namespace

bool TextLessNoCase(const std::string& a, const std::string& b) {
  return FoldCase(a) < FoldCase(b);
}

std::string PhoneTariffIdentifier(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
  return "PHONE" + CapitalizeGerman(extension);
}

TRatesFileInfo ReadRatesFileInfo(const std::string& fileName) {
  TRatesFileInfo info;
  info.FileName = fileName;
  info.Identifier = PhoneTariffIdentifier(fileName);
  try {
    TTheIniFile ini;
    ini.SetIniFileName(fileName);
    ini.SetIniLocation(loProgDir);
    ini.SetOpen(true);
    ini.SetSection("COMMON");
    info.Description = LeftChars(
        UnderscoreToBlank(Clean(ini.ReadString("FILENAME", "Unbekannte_Datei_-_Keine_Information"))),
        kMaxDescriptionChars);
    info.AccessCode = UnderscoreToBlank(Clean(ini.ReadString("ACCESSCODE", "")));

    ini.SetSection("REGIONENINDEX");
    std::vector<std::string> keys;
    ini.ReadSection(keys);
    if (keys.size() > kMaxZonesRead) keys.resize(kMaxZonesRead);
    std::vector<std::string> zoneKeys;
    for (const auto& key : keys) {
      const std::string value = Clean(ini.ReadString(key, ""));
      const std::size_t comma = value.find(',');
      // A line without a name or without a key is no zone of the tariff;
      // leaving it out keeps names, numbers and areas parallel.
      if (comma == std::string::npos || comma == 0 || comma + 1 == value.size()) continue;
      info.ZoneNames.push_back(UnderscoreToBlank(value.substr(0, comma)));
      zoneKeys.push_back(value.substr(comma + 1));
    }
    for (const auto& zoneKey : zoneKeys) {
      ini.SetSection("AccessInfos_" + zoneKey);
      std::string phoneNumber = ini.ReadString("PhoneNr", "");
      if (ini.ErrorCode() != 0) phoneNumber.clear();
      info.AccessNumbers.push_back(phoneNumber);
      ini.SetSection("RELATIONS");
      info.ZoneRelations.push_back(ParseRelations(Clean(ini.ReadString(zoneKey, ""))));
    }
  } catch (const EIniError&) {
    // An unreadable file still names a tariff; it offers no zones.
    info.ZoneNames.clear();
    info.AccessNumbers.clear();
    info.ZoneRelations.clear();
  }
  return info;
}

std::vector<TRatesFileInfo> LoadPhoneTariffList() {
  std::vector<TRatesFileInfo> tariffs;
  for (const auto& fileName : ListTariffFiles()) tariffs.push_back(ReadRatesFileInfo(fileName));
  std::stable_sort(tariffs.begin(), tariffs.end(), [](const TRatesFileInfo& a, const TRatesFileInfo& b) {
    return TextLessNoCase(a.Description, b.Description);
  });
  return tariffs;
}

const TRatesFileInfo* FindPhoneTariff(const std::vector<TRatesFileInfo>& tariffs,
                                      const std::string& identifier) {
  for (const auto& tariff : tariffs) {
    if (tariff.Identifier == identifier) return &tariff;
  }
  return nullptr;
}

std::vector<std::string> LoadProviderNames() {
  std::vector<std::string> names;
  try {
    TTheIniFile ini;
    ini.SetIniFileName(std::string(kMainProviderFile));
    ini.SetIniLocation(loProgDir);
    ini.SetOpen(true);
    if (!ini.Open() || ini.ErrorCode() != 0) return names;
    ini.SetSection("PROVIDER");
    std::vector<std::string> keys;
    ini.ReadSection(keys);
    if (keys.size() > static_cast<std::size_t>(kMaxProviderLines)) keys.resize(kMaxProviderLines);
    for (const auto& key : keys) {
      const std::string value = Clean(ini.ReadString(key, ""));
      const std::size_t comma = value.find(',');
      // The same lines as the provider editor takes: a name and a key.
      if (comma == std::string::npos || comma == 0 || comma + 1 == value.size()) continue;
      names.push_back(UnderscoreToBlank(value.substr(0, comma)));
    }
  } catch (const EIniError&) {
    names.clear();
  }
  std::stable_sort(names.begin(), names.end(), TextLessNoCase);
  return names;
}

bool ContainsProviderName(const std::vector<std::string>& names, const std::string& name) {
  const std::string folded = FoldCase(name);
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return FoldCase(n) == folded; });
}

}  // namespace dudode
