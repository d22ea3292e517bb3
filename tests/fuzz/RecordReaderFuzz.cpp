// Feeds arbitrary bytes to the three record file layouts. Whatever is read
// must be written back as exactly the bytes it was read from, and a file read
// from disk, saved and read again must give the same records, completely.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzDirectory.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace {

void MustBePrefix(std::string_view bytes, std::string_view written) {
  if (bytes.substr(0, written.size()) != written) std::abort();
}

// The report must tell the truth about what was kept, and a file that may be
// saved must come back complete and unchanged (compared as bytes: a NaN is
// not equal to itself).
template <class Read, class Save, class Bytes>
void RoundTrip(const char* name, std::string_view bytes, Read read, Save save, Bytes recordBytes) {
  if (!dudode::AtomicWriteFile(dudode::ProgramDirectory() + name, std::string(bytes))) std::abort();
  auto first = read();
  if (first.Report.RecordsKept != first.Records.size() || !first.Report.MaySave()) std::abort();
  if (first.Report.Complete() != (first.Report.State == dudode::TRecordFileState::Complete)) std::abort();
  if (!save(first.Records)) std::abort();
  const auto again = read();
  if (again.Report.State != dudode::TRecordFileState::Complete ||
      recordBytes(again.Records) != recordBytes(first.Records)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MustBePrefix(bytes, dudode::ConnTempRecords(dudode::ParseConnTempRecords(bytes)));
  MustBePrefix(bytes, dudode::ConnTempExRecords(dudode::ParseConnTempExRecords(bytes)));
  MustBePrefix(bytes, dudode::PhoneTempRecords(dudode::ParsePhoneTempRecords(bytes)));

  dudode::fuzz::UseFuzzDirectory();
  RoundTrip(
      "ConnTemp.dat", bytes, [] { return dudode::ReadConnTempFile(); },
      [](dudode::TConnectionTemplateList& list) { return dudode::SaveConnectionTemplates(list, {}); },
      [](const dudode::TConnectionTemplateList& list) { return dudode::ConnTempRecords(list); });
  RoundTrip(
      "PhoneTemp.dat", bytes, [] { return dudode::ReadPhoneTempFile(); },
      [](const dudode::TPhoneConnectionTemplateList& list) { return dudode::SavePhoneTemplates(list); },
      [](const dudode::TPhoneConnectionTemplateList& list) { return dudode::PhoneTempRecords(list); });
  return 0;
}
