#pragma once
// Telephony templates and their record file PhoneTemp.dat.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "templates/RatesFileInfo.h"
#include "templates/RecordStream.h"

namespace dudode {

struct TPhoneConnectionTemplate {
  std::string AccessCode;
  std::string Description;
  std::string PhoneTarif;
  std::string Zone;
  TRelationSet Relations = 0;
  std::uint8_t Reserved1 = 0;
  std::uint8_t Reserved2 = 0;
  std::uint8_t Reserved3 = 0;
  std::uint8_t Reserved4 = 0;
  std::int32_t Reserved5 = 0;
  std::int32_t Reserved6 = 0;
  std::int32_t Reserved7 = 0;
  std::int32_t Reserved8 = 0;

  bool operator==(const TPhoneConnectionTemplate&) const = default;
};
using TPhoneConnectionTemplateList = std::vector<TPhoneConnectionTemplate>;

inline constexpr std::string_view kPhoneTempFile = "PhoneTemp.dat";

// Reading stops at the end of the bytes; a record cut short is dropped with
// everything after it (brokenTail tells).
TPhoneConnectionTemplateList ParsePhoneTempRecords(std::string_view bytes, bool* brokenTail = nullptr);
std::string PhoneTempRecords(const TPhoneConnectionTemplateList& templates);

// PhoneTemp.dat of the program directory as stored, with the report on it.
TRecordFile<TPhoneConnectionTemplate> ReadPhoneTempFile();

// PhoneTarif cut at its first zero byte; a tariff that cannot be found is
// only shown as "FEHLER!", the stored reference stays.
void CheckPhoneTemplates(TPhoneConnectionTemplateList& templates);

// ReadPhoneTempFile with the check above, in the list's order (by prefix).
TRecordFile<TPhoneConnectionTemplate> LoadPhoneTemplates();

void SortPhoneTemplates(TPhoneConnectionTemplateList& templates);

// Replaces PhoneTemp.dat atomically; failures are reported by message box.
bool SavePhoneTemplates(const TPhoneConnectionTemplateList& templates);

}  // namespace dudode
