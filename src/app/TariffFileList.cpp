#include "app/TariffFileList.h"

#include <filesystem>
#include <system_error>

#include "core/Files.h"
#include "core/IniFile.h"
#include "core/TarifFile.h"
#include "core/Text.h"
#include "core/Values.h"

namespace fs = std::filesystem;

namespace dudode {
namespace {

// Reads one COMMON value of a tariff file; empty when missing or unreadable.
std::string CommonValue(const std::string& fileName, const std::string& key) {
  try {
    TTheIniFile ini;
    ini.SetIniFileName(fileName);
    ini.SetIniLocation(loProgDir);
    ini.SetOpen(true);
    ini.SetSection("COMMON");
    return ini.ReadString(key, "");
  } catch (const EIniError&) {
    return {};
  }
}

// Case folding for matching: ASCII and the Latin-1 letters (umlauts).
std::u32string Fold(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    char32_t cp = c;
    std::size_t len = 1;
    if (c >= 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else if (c >= 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xC0) {
      len = 2;
      cp = c & 0x1F;
    }
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    i += len;
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) cp += 0x20;
    out += cp;
  }
  return out;
}

}  // namespace

std::string TariffFileDescription(const std::string& fileName) {
  const std::string value = CommonValue(fileName, "FILENAME");
  const std::string description = UnderscoreToBlank(Clean(LeftChars(value, kMaxListedDescriptionChars)));
  return description.empty() ? std::string(kUnknownDescription) : description;
}

std::vector<TTariffFileRecord> ReadTariffFileRecords() {
  std::vector<TTariffFileRecord> records;
  for (const std::string& name : ListTariffFiles()) records.push_back({TariffFileDescription(name), name});
  return records;
}

std::string TariffFileUpdateText(const std::string& fileName) {
  const std::string date = Clean(CommonValue(fileName, "FILEDATE"));
  return date.empty() ? std::string() : "Aktualisiert: " + FileDateDisplay(date);
}

std::string CompanionFileName(const std::string& tariffFileName) {
  return "Phone" + fs::u8path(tariffFileName).extension().string();
}

bool DeleteTariffFile(const std::string& fileName) {
  std::error_code ec;
  const fs::path dir = fs::u8path(ProgramDirectory());
  if (!fs::remove(dir / fs::u8path(fileName), ec) || ec) return false;
  // The companion is matched without regard to case, as tariff files are.
  const std::string companion = CompanionFileName(fileName);
  std::vector<fs::path> doomed;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (EqualsNoCase(it->path().filename().string(), companion)) doomed.push_back(it->path());
  }
  for (const fs::path& path : doomed) fs::remove(path, ec);
  return true;
}

int QuickSearchMatch(const std::vector<std::string>& lines, std::string_view text) {
  if (text.empty()) return -1;
  const std::u32string wanted = Fold(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Fold(lines[i]) == wanted) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Fold(lines[i]).compare(0, wanted.size(), wanted) == 0) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace dudode
