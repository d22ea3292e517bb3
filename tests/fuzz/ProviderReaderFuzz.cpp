// Feeds arbitrary bytes to the provider file reader as Provider.ini, then
// writes the model back, reads the written file again and saves it again:
// the second save must give the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzDirectory.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "providers/ProviderFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dudode::fuzz::UseFuzzDirectory();
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
