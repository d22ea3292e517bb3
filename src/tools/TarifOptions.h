#pragma once
// The file-wide options of a tariff document as the options dialog edits
// them, the dialog's field rules, and the cent-to-euro conversion.
#include <string>
#include <string_view>

#include "core/Clock.h"
#include "core/TarifFile.h"

namespace dudode {

// Field limits of the options dialog.
inline constexpr int kMaxDescriptionChars = 150;
inline constexpr int kMaxWWWChars = 150;
inline constexpr int kMaxHotlineChars = 128;
inline constexpr int kMaxEMailChars = 128;
inline constexpr int kMaxCommentChars = 255;
inline constexpr int kMaxCopyrightChars = 128;
inline constexpr int kMaxAccessCodeDigits = 16;
inline constexpr double kMaxBaseConnectPrice = 100;
inline constexpr double kMaxPrice = 1000;
inline constexpr double kMaxTakt = 10000;

inline constexpr const char* kMissingFileNameWarning =
    "Sie sollten einen Namen für diese Tarifdatei eingeben!";

struct TTarifOptions {
  std::string Description;
  double BaseConnectPrice = 0;
  double Price = 0;
  double Takt = 0;
  bool CityWeekend = false;
  std::string AccessCode;
  std::string WWW;
  std::string Hotline;
  std::string EMail;
  std::string Comment;
  std::string Copyright;
};

TTarifOptions OptionsOf(const TTarifFile& document);
// Confirmed options: texts without blanks around them, the network code with
// its leading "0"; the document counts as modified even when nothing changed.
void ApplyOptions(TTarifFile& document, const TTarifOptions& options);

// "1050" becomes "01050"; an empty code stays empty.
std::string NetworkCodeForStorage(std::string_view code);
// The file name field: true when the name is missing or the unknown text
// (after blanks around it are removed).
bool IsMissingFileName(std::string_view name);

// The last-update date DD.MM.YYYY built from FILEDATE (MM/DD/YYYY); today
// when the date is empty or cannot be built.
std::string LastUpdateDisplay(std::string_view fileDate, const TDateTime& today);

// The price field's key filter: digits, "." and the locale's decimal
// separator pass; any other character is refused with this message.
bool PriceKeyAllowed(std::string_view character);
std::string PriceKeyMessage();

// ";" would start a comment in the file: it cannot be typed into a text field.
bool IsCommentCharacter(std::string_view character);

}  // namespace dudode
