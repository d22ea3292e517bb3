// libFuzzer target: arbitrary bytes as a tariff file. The reader must never
// crash, hang or leak on them, whatever it builds must save and load again
// with all its zones, and a second save must give the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzDirectory.h"
#include "core/Clock.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/TarifWriter.h"

namespace {

const std::string& FuzzDir() {
  static const std::string dir = [] {
    dudode::fuzz::UseFuzzDirectory();
    dudode::SetClock([] { return dudode::TDateTime{2024, 3, 15}; });
    return dudode::ProgramDirectory();
  }();
  return dir;
}

std::string Save(dudode::TTarifFile& doc, const char* name) {
  doc.FileName = name;
  if (!dudode::SaveTarifFile(doc, {.KeepDate = true})) std::abort();
  std::string bytes;
  dudode::ReadWholeFile(FuzzDir() + name, bytes);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& dir = FuzzDir();
  if (!dudode::AtomicWriteFile(dir + "RATES.0", std::string(reinterpret_cast<const char*>(data), size))) {
    std::abort();
  }
  dudode::TTarifFile doc;
  doc.FileName = "RATES.0";
  dudode::LoadTarifFile(doc);

  // Whatever the reader built, the writer must store and the reader take back.
  const std::string saved = Save(doc, "RATES.1");
  dudode::TTarifFile again;
  again.FileName = "RATES.1";
  dudode::LoadTarifFile(again);
  if (again.Zones.size() != doc.Zones.size()) std::abort();
  if (Save(again, "RATES.1") != saved) std::abort();
  return 0;
}
