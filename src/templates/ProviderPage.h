#pragma once
// The provider information page: a user-supplied HTML file into which the
// template lists write one table row per template and today's date.
#include <string>
#include <vector>

#include "core/Clock.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace dudode {

struct TProviderPageRow {
  std::string Name;
  std::string Tariff;  // tariff description or "FEHLER!"
  std::string Zone;
  std::string Provider;
};

inline constexpr std::string_view kProvidersMarker = "<!-- %PROVIDERS% -->";
inline constexpr std::string_view kDateMarker = "%CURRENTDATE%";
inline constexpr std::string_view kNoProviderText = "Keiner, Berechnung der Providergebühren deaktivieren!";

std::vector<TProviderPageRow> ConnectionPageRows(const TConnectionTemplateList& templates,
                                                 const std::vector<TRatesFileInfo>& tariffs,
                                                 const std::vector<std::string>& providerNames);
std::vector<TProviderPageRow> PhonePageRows(const TPhoneConnectionTemplateList& templates,
                                            const std::vector<TRatesFileInfo>& tariffs);

// "&", "<", ">" and '"' as entities.
std::string HtmlEscape(const std::string& text);

// "Samstag, 05. Dezember 2026" under German settings.
std::string ProviderPageDate(const TDateTime& date);

// The page's bytes with the rows (Windows-1252) before the first rows marker
// and the date in place of the first date marker; every other byte stays.
std::string FillProviderPage(const std::string& page, const std::vector<TProviderPageRow>& rows,
                             const TDateTime& date);

// Where the page lives: the user's home directory, with a trailing separator.
std::string ProviderPageDirectory();
std::string ProviderPagePath();
// The information shown before the page is written.
std::string ProviderPageNotice();

// Reads the page, fills it and replaces it atomically. A page that cannot be
// read or written is reported by message box and left as it was.
bool WriteProviderPage(const std::vector<TProviderPageRow>& rows);

}  // namespace dudode
