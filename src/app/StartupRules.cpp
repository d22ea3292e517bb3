#include "app/StartupRules.h"

#include <filesystem>

#include "core/Text.h"
#include "core/Values.h"

namespace dudode {

int CurrencyBaseFromText(std::string_view text) {
  bool ok = false;
  const std::int32_t value = ParseInteger(TrimBlanks(text), &ok);
  // A base of 0 or below would divide every provider amount by nonsense.
  return ok && value > 0 ? value : 100;
}

bool IsYes(std::string_view text) {
  return text == "YES";
}

TProgramSettings SettingsFromStored(const TStoredSettings& stored) {
  TProgramSettings settings;
  settings.CurrencyBase = CurrencyBaseFromText(stored.CurrencyBase);
  settings.ShowStartWindow = stored.ShowStartWnd.empty() || IsYes(stored.ShowStartWnd);
  settings.Password = DecodePassword(stored.Password);
  for (std::size_t i = 0; i < stored.Flags.size(); ++i) settings.Protection[i] = IsYes(stored.Flags[i]);
  return settings;
}

std::string DecodePassword(std::string_view stored) {
  constexpr std::size_t kMaxPasswordChars = 255;
  // The arithmetic works on the bytes the counter stored (Windows-1252).
  const std::string bytes = Utf8ToCp1252(stored);
  if (TrimBlanks(bytes).empty()) return LeftChars(stored, kMaxPasswordChars);
  std::string decoded = bytes;
  for (std::size_t i = bytes.size() - 1; i >= 1; --i) {
    decoded[i] =
        static_cast<char>(static_cast<unsigned char>(bytes[i]) - static_cast<unsigned char>(bytes[i - 1]));
  }
  return LeftChars(Cp1252ToUtf8(decoded), kMaxPasswordChars);
}

std::string FourDigitYearFormat(std::string_view format) {
  std::string upper;
  for (char c : format) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  const std::size_t yy = upper.find("YY");
  if (yy == std::string::npos || upper.find("YYYY") != std::string::npos) return std::string(format);
  std::string result(format);
  result.insert(yy, "yy");
  return result;
}

bool IsFileSystemRoot(const std::string& directory) {
  const std::filesystem::path path = std::filesystem::u8path(directory);
  return path.has_root_path() && path.relative_path().empty();
}

std::string EditorWindowTitle(const TTarifFile& document) {
  return std::string(kEditorCaption) + " " + kEditorVersion + " [" + document.Description + "]";
}

}  // namespace dudode
