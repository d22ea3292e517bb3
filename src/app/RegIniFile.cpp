#include "app/RegIniFile.h"

#include <QSettings>

namespace dudode {
namespace {

const char* const kOrganization = "Vizorazod Software";
const char* const kApplication = "Dudode";

std::string& SettingsFileForTests() {
  static std::string path;
  return path;
}

std::unique_ptr<QSettings> OpenSettings() {
  if (!SettingsFileForTests().empty()) {
    return std::make_unique<QSettings>(QString::fromStdString(SettingsFileForTests()), QSettings::IniFormat);
  }
  return std::make_unique<QSettings>(QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication));
}

// Registry key names do not care about case; find the group as it is spelled.
QString ChildGroup(QSettings& settings, const QString& name) {
  for (const QString& group : settings.childGroups()) {
    if (group.compare(name, Qt::CaseInsensitive) == 0) return group;
  }
  return {};
}

}  // namespace

TTheRegIniFile::TTheRegIniFile() = default;
TTheRegIniFile::~TTheRegIniFile() = default;

QSettings& TTheRegIniFile::Settings() {
  if (!settings_) settings_ = OpenSettings();
  return *settings_;
}

std::string TTheRegIniFile::Group() const {
  if (area_.empty() || section_.empty()) throw ERegIniError("Bitte Area und Section angeben.");
  std::string path = area_;
  if (path.front() == '\\') path.erase(0, 1);
  if (path.back() != '\\') path += '\\';
  path += section_;
  // Below the program's own key the path is a group of its settings.
  const std::string own = std::string("Software\\") + kOrganization + "\\" + kApplication + "\\";
  if (path.size() > own.size() && QString::fromStdString(path.substr(0, own.size()))
                                          .compare(QString::fromStdString(own), Qt::CaseInsensitive) == 0) {
    path.erase(0, own.size());
  }
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

QString TTheRegIniFile::ExistingGroup() {
  QSettings& settings = Settings();
  const QStringList parts = QString::fromStdString(Group()).split('/', Qt::SkipEmptyParts);
  QStringList actualParts;
  for (const QString& part : parts) {
    const QString actual = ChildGroup(settings, part);
    if (actual.isEmpty()) break;
    settings.beginGroup(actual);
    actualParts << actual;
  }
  for (int i = 0; i < actualParts.size(); ++i) settings.endGroup();
  return actualParts.size() == parts.size() ? actualParts.join('/') : QString();
}

QString TTheRegIniFile::Key(const std::string& name) {
  const QString existing = ExistingGroup();
  return (existing.isEmpty() ? QString::fromStdString(Group()) : existing) + '/' +
         QString::fromStdString(name);
}

std::string TTheRegIniFile::ReadString(const std::string& name, const std::string& defaultValue) {
  const QVariant value = Settings().value(Key(name));
  if (!value.isValid()) {
    errorCode_ = 1;
    return defaultValue;
  }
  errorCode_ = 0;
  return value.toString().toStdString();
}

void TTheRegIniFile::WriteString(const std::string& name, const std::string& value) {
  Settings().setValue(Key(name), QString::fromStdString(value));
  Settings().sync();
  errorCode_ = Settings().status() == QSettings::NoError ? 0 : 1;
}

bool TTheRegIniFile::SectionExists() {
  return !ExistingGroup().isEmpty();
}

TProgramSettings ReadProgramSettings() {
  TTheRegIniFile reg;
  reg.SetArea(kSettingsArea);
  TStoredSettings stored;
  reg.SetSection("PROGPARAMS");
  stored.CurrencyBase = reg.ReadString("CURRENCYBASE", "100");
  stored.ShowStartWnd = reg.ReadString("SHOWSTARTWND", "YES");
  reg.SetSection("PWProtected");
  stored.Password = reg.ReadString("PASSWORD", "");
  for (int i = 0; i < 5; ++i) stored.Flags[i] = reg.ReadString(std::to_string(i + 1), "NO");
  return SettingsFromStored(stored);
}

void MarkTariffUpdates() {
  TTheRegIniFile reg;
  reg.SetArea(kSettingsArea);
  reg.SetSection("PROGRAM");
  if (reg.SectionExists()) reg.WriteString("TariffUpdatesAvail", "YES");
}

void SetSettingsFileForTests(const std::string& path) {
  SettingsFileForTests() = path;
}

}  // namespace dudode
