#pragma once
// Rules of the editor's start-up that need no window: the settings with their
// defaults, the access password, the date format, the location rule, the title.
#include <array>
#include <string>
#include <string_view>

#include "core/TarifFile.h"

namespace dudode {

inline constexpr const char* kEditorVersion = "3.10";
inline constexpr const char* kApplicationTitle = "Dudode - Editor32";
inline constexpr const char* kEditorCaption = "Dudode - Editor";
inline constexpr const char* kHelpFile = "RezozoDoru.hlp";

inline constexpr const char* kAlreadyRunningText =
    "Der Dudode - Editor läuft bereits! Nutzen Sie die vorhandene Instanz.";
inline constexpr const char* kDriveRootText =
    "Der Editor muß sich in einem Unterverzeichnis befinden, ansonsten kann er nicht ausgeführt "
    "werden!";
inline constexpr const char* kWrongPasswordText =
    "Der Editor kann nicht weiter ausgeführt werden, da das Paßwort inkorrekt ist!";
inline constexpr const char* kWrongPasswordCaption = "Zugriffsverletzung";

// Values as they stand in the settings; empty when missing.
struct TStoredSettings {
  std::string CurrencyBase;
  std::string ShowStartWnd;
  std::string Password;
  std::array<std::string, 5> Flags;
};

struct TProgramSettings {
  int CurrencyBase = 100;
  bool ShowStartWindow = true;
  std::string Password;  // decoded
  std::array<bool, 5> Protection{};

  // Flag 5: the editor itself may only be started with the password.
  bool EditorProtected() const { return Protection[4] && !Password.empty(); }
};

TProgramSettings SettingsFromStored(const TStoredSettings& stored);
// Cents per euro; 100 unless the text is a positive whole number.
int CurrencyBaseFromText(std::string_view text);
// Settings flags count only when they are exactly "YES".
bool IsYes(std::string_view text);

// The counter stores each password character as the sum of itself and the
// stored character before it; the first character is stored as it is.
std::string DecodePassword(std::string_view stored);

// A short date format that shows years with two digits gets four.
std::string FourDigitYearFormat(std::string_view format);

// The editor refuses to run from the root of the file system (or a drive).
bool IsFileSystemRoot(const std::string& directory);

// "Dudode - Editor 3.10 [<Description>]"
std::string EditorWindowTitle(const TTarifFile& document);

}  // namespace dudode
