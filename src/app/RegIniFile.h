#pragma once
// The user's settings that the call-charge counter writes: QSettings with
// organization "Vizorazod Software" and application "Dudode" (the registry on
// Windows, an INI file elsewhere). A registry key path below
// "Software\Vizorazod Software\Dudode\" becomes a settings group.
#include <memory>
#include <stdexcept>
#include <string>

#include "app/StartupRules.h"

class QSettings;
class QString;

namespace dudode {

inline constexpr const char* kSettingsArea = "\\Software\\Vizorazod Software\\Dudode\\Initialization";

class ERegIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TTheRegIniFile {
 public:
  TTheRegIniFile();
  ~TTheRegIniFile();
  TTheRegIniFile(const TTheRegIniFile&) = delete;
  TTheRegIniFile& operator=(const TTheRegIniFile&) = delete;

  const std::string& Area() const { return area_; }
  void SetArea(const std::string& area) { area_ = area; }
  const std::string& Section() const { return section_; }
  void SetSection(const std::string& section) { section_ = section; }
  int ErrorCode() const { return errorCode_; }

  // The value, or the default with ErrorCode 1 when there is none. Throws
  // ERegIniError when Area or Section is empty.
  std::string ReadString(const std::string& name, const std::string& defaultValue);
  void WriteString(const std::string& name, const std::string& value);
  // Whether the key (settings group) exists.
  bool SectionExists();

 private:
  QSettings& Settings();
  std::string Group() const;
  // The group as the settings spell it, or empty when it does not exist.
  QString ExistingGroup();
  QString Key(const std::string& name);

  std::string area_;
  std::string section_;
  int errorCode_ = 0;
  std::unique_ptr<QSettings> settings_;
};

// Reads PROGPARAMS and PWProtected with every default.
TProgramSettings ReadProgramSettings();

// Tells the counter that tariff files changed: TariffUpdatesAvail = "YES" in
// the PROGRAM key, only when that key exists.
void MarkTariffUpdates();

// Tests: keep the settings in this INI file instead of the user's (empty:
// the user's settings again).
void SetSettingsFileForTests(const std::string& path);

}  // namespace dudode
