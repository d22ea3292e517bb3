// Feeds arbitrary bytes to the provider file reader as Provider.ini, then
// writes the model back, reads the written file again and saves it again:
// the second save must give the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/Files.h"
#include "core/MessageBox.h"
#include "providers/ProviderFile.h"

namespace {

const std::string& Directory() {
  static const std::string dir = [] {
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string tmpl = std::string(base) + "/dudode-fuzz-XXXXXX";
    if (!::mkdtemp(tmpl.data())) std::abort();
    return tmpl;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    dudode::SetProgramDirectory(Directory());
    dudode::SetMessageBoxHandler([](const std::string&, const std::string&, int, dudode::MessageButtons,
                                    int) { return static_cast<int>(dudode::idOK); });
    return true;
  }();
  (void)ready;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!dudode::AtomicWriteFile(dudode::ProgramDirectory() + "Provider.ini", bytes)) std::abort();
  dudode::TProviderList providers = dudode::LoadProviderFile("Provider.ini");
  if (providers.size() > 1025) std::abort();
  for (const auto& p : providers) {
    if (p.Key.empty() || p.WerktagEntries.size() > 21 || p.SaSoEntries.size() > 21) std::abort();
    if (p.Options.Timing < -1 || p.Options.Timing > 1000 || p.Options.CostsPerDay < 0) std::abort();
  }
  if (!dudode::SaveProviderFile("UserProv.ini", providers)) std::abort();
  // What was written must read back and save again as the same bytes.
  std::string saved;
  dudode::ReadWholeFile(dudode::ProgramDirectory() + "UserProv.ini", saved);
  dudode::TProviderList again = dudode::LoadProviderFile("UserProv.ini");
  if (!dudode::SaveProviderFile("UserProv.ini", again)) std::abort();
  std::string savedAgain;
  dudode::ReadWholeFile(dudode::ProgramDirectory() + "UserProv.ini", savedAgain);
  if (savedAgain != saved) std::abort();
  return 0;
}
