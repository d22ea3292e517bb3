// Feeds arbitrary bytes to the three record file layouts. Whatever is read
// must be written back as exactly the bytes it was read from.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "templates/ConnectionTemplate.h"
#include "templates/PhoneConnectionTemplate.h"

namespace {

void MustBePrefix(std::string_view bytes, std::string_view written) {
  if (bytes.substr(0, written.size()) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MustBePrefix(bytes, dudode::ConnTempRecords(dudode::ParseConnTempRecords(bytes)));
  MustBePrefix(bytes, dudode::ConnTempExRecords(dudode::ParseConnTempExRecords(bytes)));
  MustBePrefix(bytes, dudode::PhoneTempRecords(dudode::ParsePhoneTempRecords(bytes)));
  return 0;
}
