#include "core/TarifReader.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/Clock.h"
#include "core/IniFile.h"
#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

// Key reads as the reader needs them: a missing key is told apart from an
// empty value.
class TSectionReader {
 public:
  explicit TSectionReader(TTheIniFile& ini) : ini_(ini) {}

  std::optional<std::string> Value(const std::string& section, const std::string& key) {
    ini_.SetSection(section);
    std::string value = ini_.ReadString(key, "");
    if (ini_.ErrorCode() == -1) return std::nullopt;
    return value;
  }
  std::string ValueOr(const std::string& section, const std::string& key, const std::string& missing) {
    return Value(section, key).value_or(missing);
  }
  // Missing and empty both give the default.
  std::string NonEmptyOr(const std::string& section, const std::string& key, const std::string& fallback) {
    std::string value = ValueOr(section, key, "");
    return value.empty() ? fallback : value;
  }
  std::vector<std::string> Keys(const std::string& section, std::size_t limit = SIZE_MAX) {
    ini_.SetSection(section);
    std::vector<std::string> keys;
    ini_.ReadSection(keys);
    if (keys.size() > limit) keys.resize(limit);
    return keys;
  }
  // The first value of each key of the section, in file order.
  std::vector<std::string> Values(const std::string& section, std::size_t limit = SIZE_MAX) {
    ini_.SetSection(section);
    std::vector<std::string> values;
    ini_.ReadSectionValues(values, limit);
    return values;
  }
  TTheIniFile& Ini() { return ini_; }

 private:
  TTheIniFile& ini_;
};

// Cuts text at the first occurrence of separator: returns what stands before
// it and leaves what follows in text. Without the separator the whole text is
// the part and nothing is left (so "...0101-3112" without a name still gives
// its dates).
std::string_view TakeBefore(std::string_view& text, char separator) {
  const std::size_t pos = FindByte(text, separator);
  const std::string_view part(text.data(), pos);
  text.remove_prefix(pos == text.size() ? pos : pos + 1);
  return part;
}

std::string_view UpTo(std::string_view text, char separator) {
  return text.substr(0, text.find(separator));
}

// The first n characters.
std::string_view LeftView(std::string_view text, std::size_t n) {
  // No more bytes than n: no more characters either.
  return text.size() <= n ? text : text.substr(0, CharOffset(text, n));
}

double NumberOrZero(std::string_view text) {
  bool ok = false;
  const double value = ParseNumber(text, &ok);
  return ok ? value : 0.0;
}

// A free-time or no-10plus window "HH:MM-HH:MM/rest"; nullopt when a time is
// not valid.
struct TWindow {
  std::uint32_t StartSec = 0;
  std::uint32_t EndSec = 0;
  std::string_view Rest;
};
std::optional<TWindow> ParseWindow(std::string_view value) {
  const std::string_view startText = TakeBefore(value, '-');
  const std::string_view endText = TakeBefore(value, '/');
  const TParsedTime start = ParseTime(startText);
  const TParsedTime end = ParseTime(endText);
  if (!start.Valid || !end.Valid) return std::nullopt;
  return TWindow{start.Seconds, end.Seconds + 59, UpTo(value, '/')};
}

// One cleaned, non-empty entry value of the section of the zone with this key.
void ReadEntry(const TKeyAndName& zone, const std::string& key, std::string_view value,
               const std::string& section, const TZoneReadOptions& options, TTarifEntryList& list) {
  if (!IsEntrySyntax(value)) {
    ShowMessageBox("Der Tarif für Schlüssel " + key + " ist fehlerhaft! Tarif wird nicht gelesen!",
                   "Syntax Fehler", mkFehler, mbOK);
    return;
  }

  const std::string_view weekdayText = TakeBefore(value, '|');
  const std::string_view priceText = TakeBefore(value, '/');
  const std::string_view calcTaktText = TakeBefore(value, '/');
  const std::string_view firstSecondText = TakeBefore(value, '/');
  const std::string_view startText = LeftView(TakeBefore(value, '-'), 10);
  const std::string_view endText = LeftView(TakeBefore(value, '/'), 10);
  const std::string_view taktText = LeftView(TakeBefore(value, '/'), 10);
  const std::string_view unitsText = LeftView(TakeBefore(value, '/'), 10);
  const std::string_view dateText = TakeBefore(value, ',');

  // Built in place: an entry is large.
  TTarifEntry& entry = list.emplace_back();
  entry.Name = UnderscoreToBlank(value);
  if (entry.Name.empty()) entry.Name = kUnknownEntryName;

  bool allParsed = true;
  const TParsedTime start = ParseTime(startText);
  const TParsedTime end = ParseTime(endText);
  entry.StartSec = start.Seconds;
  entry.EndSec = end.Seconds;
  if (start.Valid && end.Valid) {
    entry.EndSec += 59;
    bool ok = false;
    entry.Takt = ParseNumber(taktText, &ok);
    allParsed = allParsed && ok;
    const std::int32_t units = ParseInteger(unitsText, &ok);
    entry.Units = ok ? units : LeadingInteger(unitsText);
    allParsed = allParsed && ok;
  } else {
    allParsed = false;
  }

  bool ok = false;
  entry.PricePerUnit = ParseNumber(priceText, &ok);
  allParsed = allParsed && ok;
  entry.CalcTakt = ParseNumber(calcTaktText, &ok);
  allParsed = allParsed && ok;
  entry.FirstSecond = ParseNumber(firstSecondText, &ok);
  allParsed = allParsed && ok;
  if (options.ClampNegativeTakt) {
    entry.CalcTakt = std::max(0.0, entry.CalcTakt);
    entry.FirstSecond = std::max(0.0, entry.FirstSecond);
  }

  entry.Weekdays = ParseWeekdays(weekdayText);

  if (!allParsed) {
    // The entry stays; with an invalid time it carries Takt and Units 0,
    // so the sort drops it.
    ShowMessageBox("Tarif für " + entry.Name + " ( " + section + " ) ist nicht korrekt.", "", mkFehler, mbOK);
  }

  if (entry.Name.size() > kMaxEntryNameChars) entry.Name.resize(CharOffset(entry.Name, kMaxEntryNameChars));
  // Dates of plain ASCII, as they are, need no counting of characters.
  const bool ascii = dateText.size() <= 9 && IsAscii(dateText);
  entry.DateFrom = ascii ? dateText.substr(0, 4) : LeftView(dateText, 4);
  entry.DateTo = ascii ? dateText.substr(std::min<std::size_t>(dateText.size(), 5), 4)
                       : LeftView(dateText.substr(CharOffset(dateText, 5)), 4);
  // Only four-digit dates (the end one may be missing) are written back as
  // they were read; anything else would change on every save.
  if (!IsDateCode(entry.DateFrom) || (!entry.DateTo.empty() && !IsDateCode(entry.DateTo))) {
    entry.DateFrom.clear();
    entry.DateTo.clear();
  }
  entry.ZoneConnectPrice = zone.ConnectPrice;
  entry.ZoneMonthlyFee = zone.MonthlyFee;
}

}  // namespace

bool IsEntrySyntax(std::string_view value) {
  const std::size_t dash = FindByte(value, '-');
  return dash != value.size() && dash >= 6 && dash + 6 < value.size() && value[dash + 6] == '/';
}

std::vector<TAppEntry> ReadApplications(TTheIniFile& ini) {
  TSectionReader in(ini);
  std::vector<TAppEntry> applications;
  for (const std::string& key : in.Keys("APPLICATIONS")) {
    const std::string value = in.ValueOr("APPLICATIONS", key, "");
    if (value.empty()) continue;
    applications.push_back(
        {LeftChars(CapitalizeGerman(key), kMaxTapiNameChars), LeftChars(value, kMaxAppNameChars)});
  }
  return applications;
}

std::vector<TFeiertag> ReadHolidays(TTheIniFile& ini) {
  std::vector<TFeiertag> holidays;
  for (const std::string& value : TSectionReader(ini).Values("FEIERTAGE")) {
    if (!value.empty()) holidays.push_back({value});
  }
  return holidays;
}

std::vector<TKeyAndName> ReadZoneIndex(TTheIniFile& ini) {
  std::vector<TKeyAndName> zones;
  for (const std::string& value : TSectionReader(ini).Values("REGIONENINDEX", kMaxZones)) {
    std::string rest = Clean(value);
    if (rest.empty()) continue;
    const std::size_t comma = rest.find(',');
    const std::string display = rest.substr(0, comma);
    const std::string key = comma == std::string::npos ? std::string() : RemoveBlanks(rest.substr(comma + 1));
    // A zone without a key, or with one no file can hold, could not be stored or read back.
    if (!IsStorableName(key)) continue;
    TKeyAndName zone;
    zone.Key = key;
    zone.DisplayName = LeftChars(display, kMaxZoneNameChars);
    zones.push_back(std::move(zone));
  }
  return zones;
}

void ReadZoneOptions(TTheIniFile& ini, const std::string& key, TKeyAndName& zone,
                     const TZoneReadOptions& options) {
  TSectionReader in(ini);
  std::string price = Clean(in.NonEmptyOr("ConnectPrice", key, "0"));
  const std::size_t slash = price.find('/');
  const std::string monthly = slash == std::string::npos ? std::string("0") : price.substr(slash + 1);
  zone.ConnectPrice = NumberOrZero(price.substr(0, slash));
  zone.MonthlyFee = NumberOrZero(monthly);

  zone.Relations = ParseRelations(Clean(in.ValueOr("RELATIONS", key, "")));
  zone.TenPlusActive = in.NonEmptyOr("10plus", key, "NO") == "YES";

  bool ok = false;
  const int roundTo = ParseInteger(in.NonEmptyOr("RoundTo", key, "0"), &ok);
  zone.RoundTo = ok ? roundTo : 0;

  const std::string section = "AccessInfos_" + key;
  zone.Access.PhoneNr = in.ValueOr(section, "PhoneNr", "");
  zone.Access.UserName = in.ValueOr(section, "UserName", "");
  zone.Access.Password = in.ValueOr(section, "Password", "");
  ini.SetSection(section);
  const bool registration = ini.ReadBool("Registration", false);
  zone.Access.Registration = ini.ErrorCode() == -1 ? options.RegistrationWhenMissing : registration;
  zone.Access.NichtBundesweit = options.ReadNichtBundesweit && ini.ReadBool("NichtBundesweit", false);
}

void ReadZoneLists(TTheIniFile& ini, const std::string& key, TKeyAndName& zone, TDayClass dayClass,
                   const TZoneReadOptions& options) {
  const bool workday = dayClass == TDayClass::Werktag;
  ini.SetSection(key + (workday ? "WFREETIMES" : "FFREETIMES"));
  ini.ForEachSectionValue([&](std::string_view value) {
    if (value.empty()) return;
    if (const auto window = ParseWindow(value)) {
      zone.FreeTimes(dayClass).push_back({window->StartSec, window->EndSec, NumberOrZero(window->Rest)});
    }
  });
  ini.SetSection(key + (workday ? "WNO10PLUS" : "FNO10PLUS"));
  ini.ForEachSectionValue([&](std::string_view value) {
    if (value.empty()) return;
    if (const auto window = ParseWindow(value))
      zone.No10plus(dayClass).push_back({window->StartSec, window->EndSec});
  });

  const std::string section = key + (workday ? "WERKTAG" : "SASO");
  TTarifEntryList& list = zone.Entries(dayClass);
  std::string scratch;
  ini.SetSection(section);
  ini.ForEachSectionValue(
      [&](std::string_view raw) {
        const std::string_view value = CleanView(raw, scratch);
        if (!value.empty()) ReadEntry(zone, key, value, section, options, list);
      },
      kMaxEntriesPerList, [&list](std::size_t count) { list.reserve(list.size() + count); });
}

void TakeTaktFromFirstEntries(TKeyAndName& zone) {
  zone.CalcTakt = 0;
  zone.FirstSecond = 0;
  for (TDayClass dayClass : kDayClasses) {
    const TTarifEntryList& list = zone.Entries(dayClass);
    if (!list.empty() && list.front().CalcTakt != 0 && list.front().FirstSecond != 0) {
      zone.CalcTakt = list.front().CalcTakt;
      zone.FirstSecond = list.front().FirstSecond;
    }
  }
}

namespace {

const TZoneReadOptions kReaderOptions{};

class TTarifReader {
 public:
  TTarifReader(TTarifFile& document, TTheIniFile& ini) : doc_(document), in_(ini) {}

  void Run() {
    doc_.Applications = ReadApplications(in_.Ini());
    doc_.Zones = ReadZoneIndex(in_.Ini());
    for (TKeyAndName& zone : doc_.Zones) ReadZoneOptions(in_.Ini(), zone.Key, zone, kReaderOptions);
    for (TDayClass dayClass : kDayClasses) {
      for (TKeyAndName& zone : doc_.Zones) ReadZoneLists(in_.Ini(), zone.Key, zone, dayClass, kReaderOptions);
    }
    for (TDayClass dayClass : kDayClasses) {
      for (TKeyAndName& zone : doc_.Zones) SortEntryList(zone.Entries(dayClass));
    }
    for (TKeyAndName& zone : doc_.Zones) {
      TakeTaktFromFirstEntries(zone);
      zone.CopyZoneValuesToEntries();
    }
    ReadOptions();
    ReadCommon();
    doc_.Holidays = ReadHolidays(in_.Ini());
  }

 private:
  void ReadOptions() {
    std::string price = Clean(in_.ValueOr("OPTIONS", "PRICE", "0.12"));
    bool ok = false;
    const double priceValue = ParseNumber(price, &ok);
    doc_.Price = ok ? priceValue : 0.12;
    doc_.Takt = NumberOrZero(Clean(in_.ValueOr("OPTIONS", "TAKT", "0.00")));
    doc_.BaseConnectPrice = NumberOrZero(Clean(in_.NonEmptyOr("OPTIONS", "BASECONNECTPRICE", "0")));
    doc_.CityWeekend = in_.NonEmptyOr("OPTIONS", "CITYWEEKEND24123112", "YES") == "YES";
  }

  void ReadCommon() {
    const std::string section = "COMMON";
    doc_.StrVersion = in_.ValueOr(section, "STRVERSION", "");
    doc_.Version = in_.ValueOr(section, "VERSION", kFormatVersion);
    doc_.FileDate = Clean(in_.NonEmptyOr(section, "FILEDATE", FileDateText(Now())));
    doc_.Description =
        UnderscoreToBlank(Clean(in_.ValueOr(section, "FILENAME", BlankToUnderscore(kUnknownDescription))));
    doc_.WWW = Clean(in_.ValueOr(section, "WWW", ""));
    doc_.Hotline = UnderscoreToBlank(Clean(in_.ValueOr(section, "HOTLINE", "")));
    doc_.Comment = UnderscoreToBlank(Clean(in_.ValueOr(section, "COMMENT", "")));
    doc_.EMail = Clean(in_.ValueOr(section, "EMAIL", ""));
    doc_.AccessCode = UnderscoreToBlank(Clean(in_.ValueOr(section, "ACCESSCODE", "")));
    doc_.Copyright = UnderscoreToBlank(Clean(in_.ValueOr(section, "COPYRIGHT", "")));
  }

  TTarifFile& doc_;
  TSectionReader in_;
};

}  // namespace

bool LoadTarifFile(TTarifFile& document, bool readOnly) {
  // Clear() resets the flag; the reader leaves it as the caller had it.
  const bool modified = document.Modified;
  document.Clear();
  try {
    TTheIniFile ini;
    ini.SetIniFileName(document.FileName);
    ini.SetIniLocation(loProgDir);
    ini.SetReadOnly(readOnly);
    ini.SetOpen(true);
    // A file that does not exist and cannot be created is read as missing.
    if (ini.Open()) TTarifReader(document, ini).Run();
  } catch (const EIniError& error) {
    // The file could not be opened at all: report it and keep an empty
    // document rather than a half-read one.
    ShowMessageBox(error.what(), "", mkFehler, mbOK);
    document.Clear();
    document.Modified = modified;
    return false;
  }
  document.LoadedStamp = CurrentFileStamp(document);
  document.Modified = modified;
  return true;
}

}  // namespace dudode
