#pragma once
// The tariff files of the program directory as the open dialog lists them.
#include <string>
#include <string_view>
#include <vector>

namespace dudode {

inline constexpr std::size_t kMaxListedDescriptionChars = 150;

struct TTariffFileRecord {
  std::string Description;
  std::string FileName;
};

// Every tariff file (files of size 0 are deleted on the way) with its
// description; a file without one is listed as the unknown file.
std::vector<TTariffFileRecord> ReadTariffFileRecords();
std::string TariffFileDescription(const std::string& fileName);
// "Aktualisiert: DD.MM.YYYY", or empty when the file carries no date.
std::string TariffFileUpdateText(const std::string& fileName);

// "Phone" with the tariff file's extension: Phone.3 for RATES.3.
std::string CompanionFileName(const std::string& tariffFileName);
// Deletes the tariff file and its companion (which need not exist). false when
// the tariff file itself could not be deleted.
bool DeleteTariffFile(const std::string& fileName);

// The quick search of the open dialog: the line equal to text, else the first
// line that begins with it, both ignoring case; -1 for none or an empty text.
int QuickSearchMatch(const std::vector<std::string>& lines, std::string_view text);

}  // namespace dudode
