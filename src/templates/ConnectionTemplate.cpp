#include "templates/ConnectionTemplate.h"

#include <algorithm>

#include "core/Files.h"
#include "templates/RecordStream.h"

namespace dudode {
namespace {

// Reads the fields the two layouts share from Zone on (ConnTemp.dat) or from
// AccessNumber on (ConnTempEx.dat, extended = true).
bool ReadRecord(TRecordReader& in, TConnectionTemplate& t, bool extended) {
  if (!in.ReadString(t.Name) || !in.ReadString(t.PhoneTarif)) return false;
  if (extended && !in.ReadString(t.AccessNumber)) return false;
  if (!in.ReadString(t.Zone) || !in.ReadByte(t.CityWeekend) || !in.ReadByte(t.CityPlus) ||
      !in.ReadByte(t.ISDNx2) || !in.ReadByte(t.TenPlusActive) || !in.ReadDouble(t.TenPlusFrom) ||
      !in.ReadDouble(t.TenPlusRate) || !in.ReadByte(t.InstantActive) || !in.ReadDouble(t.InstantWorkday) ||
      !in.ReadDouble(t.InstantWeekend) || !in.ReadDouble(t.InstantHoliday) || !in.ReadString(t.Provider) ||
      !in.ReadByte(t.ProviderActive)) {
    return false;
  }
  if (extended) {
    return in.ReadString(t.Reserved1) && in.ReadString(t.Reserved2) && in.ReadInt32(t.Reserved3) &&
           in.ReadInt32(t.Reserved4) && in.ReadByte(t.Reserved5) && in.ReadByte(t.Reserved6);
  }
  return true;
}

void WriteRecord(TRecordWriter& out, const TConnectionTemplate& t, bool extended) {
  out.WriteString(t.Name);
  out.WriteString(t.PhoneTarif);
  if (extended) out.WriteString(t.AccessNumber);
  out.WriteString(t.Zone);
  out.WriteByte(t.CityWeekend);
  out.WriteByte(t.CityPlus);
  out.WriteByte(t.ISDNx2);
  out.WriteByte(t.TenPlusActive);
  out.WriteDouble(t.TenPlusFrom);
  out.WriteDouble(t.TenPlusRate);
  out.WriteByte(t.InstantActive);
  out.WriteDouble(t.InstantWorkday);
  out.WriteDouble(t.InstantWeekend);
  out.WriteDouble(t.InstantHoliday);
  out.WriteString(t.Provider);
  out.WriteByte(t.ProviderActive);
  if (extended) {
    out.WriteString(t.Reserved1);
    out.WriteString(t.Reserved2);
    out.WriteInt32(t.Reserved3);
    out.WriteInt32(t.Reserved4);
    out.WriteByte(t.Reserved5);
    out.WriteByte(t.Reserved6);
  }
}

TConnectionTemplateList ParseRecords(std::string_view bytes, bool extended) {
  TConnectionTemplateList templates;
  TRecordReader in(bytes);
  while (!in.AtEnd()) {
    TConnectionTemplate t;
    if (!ReadRecord(in, t, extended)) break;
    templates.push_back(std::move(t));
  }
  return templates;
}

std::string Records(const TConnectionTemplateList& templates, bool extended) {
  TRecordWriter out;
  for (const auto& t : templates) WriteRecord(out, t, extended);
  return out.Bytes();
}

}  // namespace

TConnectionTemplateList ParseConnTempRecords(std::string_view bytes) {
  return ParseRecords(bytes, false);
}
TConnectionTemplateList ParseConnTempExRecords(std::string_view bytes) {
  return ParseRecords(bytes, true);
}
std::string ConnTempRecords(const TConnectionTemplateList& templates) {
  return Records(templates, false);
}
std::string ConnTempExRecords(const TConnectionTemplateList& templates) {
  return Records(templates, true);
}

TConnectionTemplateList ReadConnTempFile() {
  std::string bytes;
  if (!ReadWholeFile(ProgramDirectory() + std::string(kConnTempFile), bytes)) return {};
  return ParseConnTempRecords(bytes);
}

void CheckConnectionTemplates(TConnectionTemplateList& templates, const std::vector<TRatesFileInfo>& tariffs,
                              const std::vector<std::string>& providerNames) {
  for (auto& t : templates) {
    const std::size_t zero = t.PhoneTarif.find('\0');
    if (zero != std::string::npos) t.PhoneTarif.resize(zero);
    if (FindPhoneTariff(tariffs, t.PhoneTarif) == nullptr) t.PhoneTarif = kMissingReference;
    if (!t.Provider.empty() && !ContainsProviderName(providerNames, t.Provider))
      t.Provider = kMissingReference;
  }
}

TConnectionTemplateList LoadConnectionTemplates(const std::vector<TRatesFileInfo>& tariffs,
                                                const std::vector<std::string>& providerNames) {
  TConnectionTemplateList templates = ReadConnTempFile();
  CheckConnectionTemplates(templates, tariffs, providerNames);
  SortConnectionTemplates(templates);
  return templates;
}

void SortConnectionTemplates(TConnectionTemplateList& templates) {
  std::stable_sort(templates.begin(), templates.end(),
                   [](const TConnectionTemplate& a, const TConnectionTemplate& b) {
                     return TextLessNoCase(a.Name, b.Name);
                   });
}

std::string AccessNumberFor(const TConnectionTemplate& connection,
                            const std::vector<TRatesFileInfo>& tariffs) {
  const TRatesFileInfo* tariff = FindPhoneTariff(tariffs, connection.PhoneTarif);
  if (tariff == nullptr) return {};
  for (std::size_t i = 0; i < tariff->ZoneNames.size() && i < tariff->AccessNumbers.size(); ++i) {
    if (tariff->ZoneNames[i] == connection.Zone) return tariff->AccessNumbers[i];
  }
  return {};
}

bool SaveConnectionTemplates(TConnectionTemplateList& templates, const std::vector<TRatesFileInfo>& tariffs) {
  for (auto& t : templates) t.AccessNumber = AccessNumberFor(t, tariffs);
  return WriteRecordFiles({{std::string(kConnTempFile), ConnTempRecords(templates)},
                           {std::string(kConnTempExFile), ConnTempExRecords(templates)}});
}

std::string ConnectionOptionText(const TConnectionTemplate& connection) {
  std::string text;
  auto add = [&text](bool holds, const char* word) {
    if (!holds) return;
    if (!text.empty()) text += ", ";
    text += word;
  };
  add(connection.ProviderActive != 0 && !connection.Provider.empty(), "Provider");
  add(connection.CityPlus != 0, "CityPlus");
  add(connection.CityWeekend != 0, "CityWeekend");
  add(connection.TenPlusActive != 0, "10plus");
  add(connection.InstantActive != 0, "SRabatt");
  add(connection.ISDNx2 != 0, "ISDNx2");
  return text;
}

}  // namespace dudode
