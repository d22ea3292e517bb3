// Plays arbitrary writer calls (sections, erasures, keys, indexed keys,
// lines) on a whole-file text and on the store of an emptied file: when the
// text says it is whole, its bytes must be the file the store writes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzDirectory.h"
#include "core/Files.h"
#include "core/IniFile.h"
#include "core/IniText.h"

namespace {

// Short texts from a few characters that matter to the store: case, blanks,
// tabs, line breaks, quotes, "=", brackets, a code-page letter in both cases.
std::string Text(const std::uint8_t*& p, const std::uint8_t* end, std::size_t most) {
  static const char* const kParts[] = {"a", "A", "b", " ", "\t", "\r", "\n", "\"",
                                       "=", "[", "]", ";", "ä",  "Ä",  "0",  "1"};
  std::string out;
  if (p == end) return out;
  const std::size_t count = *p++ % (most + 1);
  for (std::size_t i = 0; i < count && p != end; ++i) out += kParts[*p++ % 16];
  return out;
}

template <class Out>
void Play(Out& out, const std::uint8_t* p, const std::uint8_t* end) {
  while (p != end) {
    const int kind = *p++ % 6;
    const std::string name = Text(p, end, 4);
    switch (kind) {
      case 0:
        out.SetSection(name);
        break;
      case 1:
        out.EraseSection();
        break;
      case 2:
        out.WriteString(name, Text(p, end, 6));
        break;
      case 3: {
        const std::size_t index = p != end ? *p++ % 8 : 0;
        out.WriteIndexed(name, index, Text(p, end, 6));
        break;
      }
      case 4:
        out.WriteBool(name, name.size() % 2 == 0);
        break;
      case 5:
        out.AddLine(name, Text(p, end, 2));
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  dudode::fuzz::UseFuzzDirectory();
  dudode::TIniText text;
  Play(text, data, data + size);
  if (!text.Whole()) return 0;
  try {
    dudode::TTheIniFile ini;
    ini.SetIniFileName("Store.ini");
    ini.SetIniLocation(dudode::loProgDir);
    ini.SetReplacing(true);
    ini.SetOpen(true);
    if (!ini.DeleteFile()) std::abort();
    Play(ini, data, data + size);
    ini.Flush();
  } catch (const dudode::EIniError&) {
    // A whole text is only built where the file takes every call.
    std::abort();
  }
  std::string stored;
  dudode::ReadWholeFile(dudode::ProgramDirectory() + "Store.ini", stored);
  if (stored != text.Bytes()) std::abort();
  return 0;
}
