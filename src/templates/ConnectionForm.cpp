#include "templates/ConnectionForm.h"

#include <algorithm>

#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr TRelationSet kInternetRelation = 1u << 9;

}  // namespace

const std::vector<std::string>& PredefinedConnectionNames() {
  static const std::vector<std::string> names = {
      "Manuelle Aufzeichnung", "CAPI - Überwachung", "COM - Überwachung", "DFÜ-Netzwerk",
      "HyperTerminal",         "Microsoft Fax",      "Wahlhilfe"};
  return names;
}

std::optional<std::string> PredefinedConnectionName(const std::string& text) {
  const std::string folded = CapitalizeGerman(text);
  for (const auto& name : PredefinedConnectionNames()) {
    if (CapitalizeGerman(name) == folded) return name;
  }
  return std::nullopt;
}

std::optional<TNotice> PredefinedNameNotice(const std::string& name) {
  if (name == "Manuelle Aufzeichnung") {
    return TNotice{
        "Wenn Sie diese Voreinstellung verwenden, dann werden alle anderen gespeicherten "
        "Voreinstellungen nicht mehr berücksichtigt!",
        mkWarnung};
  }
  if (name == "DFÜ-Netzwerk") {
    return TNotice{
        "Diese Voreinstellung wird nur verwendet, wenn Dudode den Namen der DFÜ-Netzwerk Verbindung "
        "nicht erkennen kann.",
        mkInformation};
  }
  return std::nullopt;
}

std::string ConnectionAutoName(const std::string& zone, const std::string& tariffDescription) {
  return zone + " - " + tariffDescription;
}

std::string TelephonyDescription(const std::string& tariffDescription, const std::string& zone) {
  const std::size_t bracket = tariffDescription.find('(');
  const std::string name =
      bracket == std::string::npos ? tariffDescription : TrimBlanks(tariffDescription.substr(0, bracket));
  return name + " - " + zone;
}

TRelationSet ZoneRelationsOf(const TRatesFileInfo* tariff, const std::string& zone) {
  if (tariff == nullptr) return 0;
  for (std::size_t i = 0; i < tariff->ZoneNames.size() && i < tariff->ZoneRelations.size(); ++i) {
    if (tariff->ZoneNames[i] == zone) return tariff->ZoneRelations[i];
  }
  return 0;
}

std::string TariffDescriptionText(const std::vector<TRatesFileInfo>& tariffs, const std::string& identifier) {
  const TRatesFileInfo* tariff = FindPhoneTariff(tariffs, identifier);
  return tariff == nullptr ? std::string(kMissingReference) : tariff->Description;
}

std::string ProviderText(const TConnectionTemplate& connection,
                         const std::vector<std::string>& providerNames) {
  if (connection.Provider.empty() || ContainsProviderName(providerNames, connection.Provider)) {
    return connection.Provider;
  }
  return std::string(kMissingReference);
}

std::array<std::string, 5> ConnectionLineTexts(const TConnectionTemplate& connection,
                                               const std::vector<TRatesFileInfo>& tariffs,
                                               const std::vector<std::string>& providerNames) {
  return {connection.Name, TariffDescriptionText(tariffs, connection.PhoneTarif), connection.Zone,
          ConnectionOptionText(connection), ProviderText(connection, providerNames)};
}

std::array<std::string, 4> PhoneLineTexts(const TPhoneConnectionTemplate& phone,
                                          const std::vector<TRatesFileInfo>& tariffs) {
  return {phone.AccessCode, TariffDescriptionText(tariffs, phone.PhoneTarif), phone.Zone, phone.Description};
}

void FinishConnectionTemplate(TConnectionTemplate& connection) {
  connection.Name = TrimBlanks(connection.Name);
  if (connection.CityPlus != 0 || connection.CityWeekend != 0) connection.InstantActive = 0;
}

void FinishPhoneTemplate(TPhoneConnectionTemplate& phone) {
  phone.AccessCode = TrimBlanks(phone.AccessCode);
  phone.Description = TrimBlanks(phone.Description);
}

bool ConfirmTemplateDelete(const std::string& templateText) {
  return ShowMessageBox("Möchten Sie die Verbindungsvorlage " + templateText + " wirklich löschen?", {},
                        mkBestaetigung, mbYesNo | mbDefaultSecond) == idYes;
}

bool ConnectionNameTaken(const TConnectionTemplateList& templates, const std::string& name) {
  return std::any_of(templates.begin(), templates.end(),
                     [&](const TConnectionTemplate& t) { return t.Name == name; });
}

bool PhoneTemplateTaken(const TPhoneConnectionTemplateList& templates, const std::string& accessCode,
                        const std::string& description) {
  return std::any_of(templates.begin(), templates.end(), [&](const TPhoneConnectionTemplate& t) {
    return t.AccessCode == accessCode && t.Description == description;
  });
}

int ImportPhoneTariff(TPhoneConnectionTemplateList& templates, const TRatesFileInfo& tariff) {
  int added = 0;
  for (std::size_t i = 0; i < tariff.ZoneNames.size(); ++i) {
    const std::string accessCode = TrimBlanks(tariff.AccessCode);
    if (accessCode.empty()) break;
    const std::string& zone = tariff.ZoneNames[i];
    const std::string description = TelephonyDescription(tariff.Description, zone);
    const TRelationSet relations = ZoneRelationsOf(&tariff, zone);
    if (PhoneTemplateTaken(templates, accessCode, description) || (relations & kInternetRelation) != 0)
      continue;
    TPhoneConnectionTemplate phone;
    phone.AccessCode = accessCode;
    phone.Description = description;
    phone.PhoneTarif = tariff.Identifier;
    phone.Zone = zone;
    phone.Relations = relations;
    templates.push_back(std::move(phone));
    ++added;
  }
  SortPhoneTemplates(templates);
  return added;
}

}  // namespace dudode
