#include "templates/PhoneConnectionTemplate.h"

#include <algorithm>

#include "core/Files.h"
#include "templates/ConnectionTemplate.h"
#include "templates/RecordStream.h"

namespace dudode {

TPhoneConnectionTemplateList ParsePhoneTempRecords(std::string_view bytes) {
  TPhoneConnectionTemplateList templates;
  TRecordReader in(bytes);
  while (!in.AtEnd()) {
    TPhoneConnectionTemplate t;
    if (!in.ReadString(t.AccessCode) || !in.ReadString(t.Description) || !in.ReadString(t.PhoneTarif) ||
        !in.ReadString(t.Zone) || !in.ReadUInt16(t.Relations) || !in.ReadByte(t.Reserved1) ||
        !in.ReadByte(t.Reserved2) || !in.ReadByte(t.Reserved3) || !in.ReadByte(t.Reserved4) ||
        !in.ReadInt32(t.Reserved5) || !in.ReadInt32(t.Reserved6) || !in.ReadInt32(t.Reserved7) ||
        !in.ReadInt32(t.Reserved8)) {
      break;
    }
    templates.push_back(std::move(t));
  }
  return templates;
}

std::string PhoneTempRecords(const TPhoneConnectionTemplateList& templates) {
  TRecordWriter out;
  for (const auto& t : templates) {
    out.WriteString(t.AccessCode);
    out.WriteString(t.Description);
    out.WriteString(t.PhoneTarif);
    out.WriteString(t.Zone);
    out.WriteUInt16(t.Relations);
    out.WriteByte(t.Reserved1);
    out.WriteByte(t.Reserved2);
    out.WriteByte(t.Reserved3);
    out.WriteByte(t.Reserved4);
    out.WriteInt32(t.Reserved5);
    out.WriteInt32(t.Reserved6);
    out.WriteInt32(t.Reserved7);
    out.WriteInt32(t.Reserved8);
  }
  return out.Bytes();
}

TPhoneConnectionTemplateList ReadPhoneTempFile() {
  std::string bytes;
  if (!ReadWholeFile(ProgramDirectory() + std::string(kPhoneTempFile), bytes)) return {};
  return ParsePhoneTempRecords(bytes);
}

void CheckPhoneTemplates(TPhoneConnectionTemplateList& templates,
                         const std::vector<TRatesFileInfo>& tariffs) {
  for (auto& t : templates) {
    const std::size_t zero = t.PhoneTarif.find('\0');
    if (zero != std::string::npos) t.PhoneTarif.resize(zero);
    if (FindPhoneTariff(tariffs, t.PhoneTarif) == nullptr) t.PhoneTarif = kMissingReference;
  }
}

TPhoneConnectionTemplateList LoadPhoneTemplates(const std::vector<TRatesFileInfo>& tariffs) {
  TPhoneConnectionTemplateList templates = ReadPhoneTempFile();
  CheckPhoneTemplates(templates, tariffs);
  SortPhoneTemplates(templates);
  return templates;
}

void SortPhoneTemplates(TPhoneConnectionTemplateList& templates) {
  std::stable_sort(templates.begin(), templates.end(),
                   [](const TPhoneConnectionTemplate& a, const TPhoneConnectionTemplate& b) {
                     return TextLessNoCase(a.AccessCode, b.AccessCode);
                   });
}

bool SavePhoneTemplates(const TPhoneConnectionTemplateList& templates) {
  return WriteRecordFiles({{std::string(kPhoneTempFile), PhoneTempRecords(templates)}});
}

}  // namespace dudode
