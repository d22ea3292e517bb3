#pragma once
// Connection templates and their record files ConnTemp.dat (read and
// written) and ConnTempEx.dat (written, with each template's access number).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "templates/RatesFileInfo.h"

namespace dudode {

struct TConnectionTemplate {
  std::string Name;
  std::string PhoneTarif;    // PHONE.<extension>
  std::string AccessNumber;  // set only when ConnTempEx.dat is written
  std::string Zone;
  std::uint8_t CityWeekend = 0;
  std::uint8_t CityPlus = 0;
  std::uint8_t ISDNx2 = 0;
  std::uint8_t TenPlusActive = 0;
  double TenPlusFrom = 0;  // seconds
  double TenPlusRate = 0;  // fraction
  std::uint8_t InstantActive = 0;
  double InstantWorkday = 0;
  double InstantWeekend = 0;
  double InstantHoliday = 0;
  std::string Provider;  // empty: no provider
  std::uint8_t ProviderActive = 0;
  std::string Reserved1;
  std::string Reserved2;
  std::int32_t Reserved3 = 0;
  std::int32_t Reserved4 = 0;
  std::uint8_t Reserved5 = 0;
  std::uint8_t Reserved6 = 0;

  bool operator==(const TConnectionTemplate&) const = default;
};
using TConnectionTemplateList = std::vector<TConnectionTemplate>;

inline constexpr std::string_view kConnTempFile = "ConnTemp.dat";
inline constexpr std::string_view kConnTempExFile = "ConnTempEx.dat";
// Stands in for a phone tariff or provider that no longer exists.
inline constexpr std::string_view kMissingReference = "FEHLER!";

// Records of the two layouts. Reading stops at the end of the bytes; a record
// cut short there is dropped with everything after it.
TConnectionTemplateList ParseConnTempRecords(std::string_view bytes);
TConnectionTemplateList ParseConnTempExRecords(std::string_view bytes);
std::string ConnTempRecords(const TConnectionTemplateList& templates);
std::string ConnTempExRecords(const TConnectionTemplateList& templates);

// ConnTemp.dat of the program directory as stored; empty when it is missing.
TConnectionTemplateList ReadConnTempFile();

// What the list window does to each template read: PhoneTarif cut at its
// first zero byte, and "FEHLER!" for a phone tariff that is not in the list
// and for a provider that is not among the names (compared without case).
void CheckConnectionTemplates(TConnectionTemplateList& templates, const std::vector<TRatesFileInfo>& tariffs,
                              const std::vector<std::string>& providerNames);

// ReadConnTempFile with the checks above, in the list's order (by name).
TConnectionTemplateList LoadConnectionTemplates(const std::vector<TRatesFileInfo>& tariffs,
                                                const std::vector<std::string>& providerNames);

// The list window's order: by name, without regard to case.
void SortConnectionTemplates(TConnectionTemplateList& templates);

// The access number at the position of the template's zone among the zones
// of its phone tariff; empty when the tariff or the zone is not found.
std::string AccessNumberFor(const TConnectionTemplate& connection,
                            const std::vector<TRatesFileInfo>& tariffs);

// Writes ConnTemp.dat and then ConnTempEx.dat (after setting every
// template's AccessNumber), each replaced atomically. Nothing is written when
// either file cannot be replaced; failures are reported by message box.
bool SaveConnectionTemplates(TConnectionTemplateList& templates, const std::vector<TRatesFileInfo>& tariffs);

// The list column of the options that hold: "Provider, CityPlus, ...".
std::string ConnectionOptionText(const TConnectionTemplate& connection);

}  // namespace dudode
