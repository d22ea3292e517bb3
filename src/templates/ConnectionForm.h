#pragma once
// Rules of the template dialogs and list windows that need no widget: the
// predefined connection names, automatic descriptions, what a list line shows
// and what a confirmed dialog stores.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace dudode {

// The choices of the connection name field, in their order.
const std::vector<std::string>& PredefinedConnectionNames();

// The predefined name that equals text apart from case (umlauts included);
// nothing when there is none.
std::optional<std::string> PredefinedConnectionName(const std::string& text);

struct TNotice {
  std::string Text;
  int Kind = 0;
};
// What the connection name field tells about a predefined name when it is left.
std::optional<TNotice> PredefinedNameNotice(const std::string& name);

// A connection named after its tariff: "<zone> - <description>".
std::string ConnectionAutoName(const std::string& zone, const std::string& tariffDescription);
// A telephony description: the tariff description cut before its first "("
// (trimmed), " - ", the zone.
std::string TelephonyDescription(const std::string& tariffDescription, const std::string& zone);

// The relation set of a zone of the tariff (0 when either is unknown).
TRelationSet ZoneRelationsOf(const TRatesFileInfo* tariff, const std::string& zone);

// The tariff description of an identifier, or "FEHLER!".
std::string TariffDescriptionText(const std::vector<TRatesFileInfo>& tariffs, const std::string& identifier);
// The provider as the list shows it: "FEHLER!" for one that is not among the
// names. The template keeps what it stores.
std::string ProviderText(const TConnectionTemplate& connection,
                         const std::vector<std::string>& providerNames);

// The five columns of a connection list line.
std::array<std::string, 5> ConnectionLineTexts(const TConnectionTemplate& connection,
                                               const std::vector<TRatesFileInfo>& tariffs,
                                               const std::vector<std::string>& providerNames);
// The four columns of a telephony list line.
std::array<std::string, 4> PhoneLineTexts(const TPhoneConnectionTemplate& phone,
                                          const std::vector<TRatesFileInfo>& tariffs);

// What a confirmed connection dialog stores: the name without surrounding
// blanks, and no instant discount for a CityPlus or CityWeekend connection.
void FinishConnectionTemplate(TConnectionTemplate& connection);
void FinishPhoneTemplate(TPhoneConnectionTemplate& phone);

// The question before a template is deleted ("Nein" is the default); true for "Ja".
bool ConfirmTemplateDelete(const std::string& templateText);

// Whether a new template would repeat an existing one (exact comparison).
bool ConnectionNameTaken(const TConnectionTemplateList& templates, const std::string& name);
bool PhoneTemplateTaken(const TPhoneConnectionTemplateList& templates, const std::string& accessCode,
                        const std::string& description);

// Imports every zone of the tariff as a telephony template: stops at an empty
// access prefix, skips zones with relation 9 and templates already listed.
// Returns how many were added; the list is sorted again.
int ImportPhoneTariff(TPhoneConnectionTemplateList& templates, const TRatesFileInfo& tariff);

}  // namespace dudode
