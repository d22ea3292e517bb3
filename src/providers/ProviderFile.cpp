#include "providers/ProviderFile.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "core/Clock.h"
#include "core/Files.h"
#include "core/IniFile.h"
#include "core/IniText.h"
#include "core/MessageBox.h"
#include "core/TarifWriter.h"
#include "core/Text.h"
#include "core/Values.h"
#include "providers/StableSort.h"

namespace dudode {
namespace {

constexpr const char* kWerktagTag = "WERKTAG";
constexpr const char* kSaSoTag = "SASO";
constexpr const char* kRangeTag = "FREEHOURSRANGE";

// A value cleaned of blanks and comment; missing and empty are the same.
std::string ReadClean(TTheIniFile& ini, const std::string& key) {
  std::string value = ini.ReadString(key, "");
  if (ini.ErrorCode() != 0) return {};
  return Clean(value);
}

// A decimal number; fallback when the text is none (infinities and NaN
// included, so that no such value ever reaches the model or the file).
double NumberOr(const std::string& text, double fallback) {
  bool ok = false;
  const double value = ParseNumber(text, &ok);
  return ok && std::isfinite(value) ? value : fallback;
}

std::int32_t IntegerOr(const std::string& text, std::int32_t fallback) {
  bool ok = false;
  const std::int32_t value = ParseInteger(text, &ok);
  return ok ? value : fallback;
}

double Clamp(double value, double low, double high) {
  if (value > high) return high;
  if (value < low) return low;
  return value;
}

// The character at a 1-based position, counted in characters.
std::string_view CharAt(std::string_view text, std::size_t position) {
  const std::string_view rest = text.substr(CharOffset(text, position - 1));
  return rest.substr(0, CharOffset(rest, 1));
}

// "18:00-07:59/60.0000/" behind the day digits: drops the range (false) when
// a time or the Takt does not parse.
bool ParseRange(const std::string& value, TFreeHoursRange& range) {
  const std::size_t bar = value.find('|');
  const std::string days = bar == std::string::npos ? std::string() : value.substr(0, bar);
  const std::string rest = bar == std::string::npos ? value : value.substr(bar + 1);
  const std::size_t dash = rest.find('-');
  const std::size_t slash = rest.find('/');
  if (dash == std::string::npos || slash == std::string::npos || slash < dash) return false;
  const std::size_t slash2 = rest.find('/', slash + 1);
  if (slash2 == std::string::npos) return false;
  const TParsedTime start = ParseTime(rest.substr(0, dash));
  const TParsedTime end = ParseTime(rest.substr(dash + 1, slash - dash - 1));
  bool taktOk = false;
  const double takt = ParseNumber(rest.substr(slash + 1, slash2 - slash - 1), &taktOk);
  if (!start.Valid || !end.Valid || !taktOk || !std::isfinite(takt)) return false;
  range.Days = ParseWeekdays(days);
  range.StartSec = static_cast<std::int32_t>(start.Seconds);
  range.EndSec = static_cast<std::int32_t>(end.Seconds);
  range.Takt = takt;
  return true;
}

void ReadRanges(TTheIniFile& ini, const std::string& key, TFreeHoursRangeArray& ranges) {
  ini.SetSection(key + kRangeTag);
  std::vector<std::string> values;
  ini.ReadSectionValues(values);
  for (const std::string& value : values) {
    // Range values keep their inner blanks: they are parsed as they stand.
    if (value.empty()) continue;
    TFreeHoursRange range;
    if (ParseRange(value, range)) ranges.push_back(range);
  }
}

void ReadOptions(TTheIniFile& ini, const std::string& key, TProviderOptions& options) {
  auto option = [&](const char* section) {
    ini.SetSection(section);
    return ReadClean(ini, key);
  };
  auto orDefault = [](std::string value, const char* fallback) {
    return value.empty() ? std::string(fallback) : value;
  };

  options.FreeHours = IntegerOr(option("FREISTUNDEN"), 0);
  ReadRanges(ini, key, options.FreeHoursRanges);
  options.Holiday2431 = orDefault(option("OPTIONS"), "YES") == "YES";
  options.FreeHoursCosts = NumberOr(option("FreeHoursCosts"), 0);
  options.BaseAmount = IntegerOr(option("GRUNDBETRAG"), 0);
  options.BaseConnectPrice = NumberOr(option("BASECONNECTPRICE"), 0);
  options.FreeHoursPerDay = option("FreeHoursPerDay") == "YES";
  options.ISDNDoubleCosts = option("ISDNDoubleCosts") == "YES";
  options.NoCostsFrom = NumberOr(orDefault(option("NOCOSTS"), "-1"), -1);
  options.CostsPerDay = NumberOr(orDefault(option("COSTSPERDAY"), "-1"), 0);
  if (options.CostsPerDay < 0) options.CostsPerDay = 0;
  options.Timing = Clamp(NumberOr(orDefault(option("TIMING"), "-1"), -1), -1, 1000);
  options.MinConnectTime = Clamp(NumberOr(orDefault(option("MinConnectTime"), "-1"), -1), -1, 1000);
}

// One cleaned entry value of the section key + tag.
void ReadEntry(std::string_view value, const std::string& key, const std::string& storedName, const char* tag,
               TProviderEntryList& entries) {
  if (value.empty()) return;
  // Over plain ASCII the sixth and twelfth characters are those bytes.
  const bool wellFormed = AsciiPrefix(value) >= 12 ? value[5] == '-' && value[11] == '/'
                                                   : CharAt(value, 6) == "-" && CharAt(value, 12) == "/";
  if (!wellFormed) {
    ShowMessageBox("Der Providereintrag für Schlüssel " + key + " ist fehlerhaft! " +
                       "Providereintrag wird nicht gelesen!",
                   "Syntax Fehler", mkFehler, mbOK);
    return;
  }
  // The check above guarantees a "-" and a "/" after it.
  const std::size_t dash = value.find('-');
  const std::size_t slash = value.find('/');
  const std::size_t slash2 = value.find('/', slash + 1);
  const std::string_view text = value;
  const std::string_view startText = text.substr(0, dash);
  const std::string_view endText =
      slash > dash ? text.substr(dash + 1, slash - dash - 1) : std::string_view();
  const std::string_view taktText =
      text.substr(slash + 1, slash2 == std::string::npos ? std::string::npos : slash2 - slash - 1);
  const std::string_view priceText =
      slash2 == std::string::npos ? std::string_view() : text.substr(slash2 + 1);

  TProviderEntry entry;
  const TParsedTime start = ParseTime(startText);
  const TParsedTime end = ParseTime(endText);
  bool correct = start.Valid && end.Valid;
  if (correct) {
    entry.StartSec = static_cast<std::int32_t>(start.Seconds);
    entry.EndSec = static_cast<std::int32_t>(end.Seconds) + 59;
    bool taktOk = false;
    bool priceOk = false;
    entry.Takt = ParseNumber(taktText, &taktOk);
    entry.Price = ParseNumber(priceText, &priceOk);
    if (!taktOk || !std::isfinite(entry.Takt)) entry.Takt = 0;
    if (!priceOk || !std::isfinite(entry.Price)) entry.Price = 0;
    correct = taktOk && priceOk && std::isfinite(entry.Takt) && std::isfinite(entry.Price);
  }
  if (!correct) {
    ShowMessageBox("Eintrag für Provider " + storedName + " ( " + key + tag + " ) ist nicht korrekt.", "",
                   mkFehler, mbOK);
  }
  entries.push_back(std::move(entry));
}

void ReadEntries(TTheIniFile& ini, const std::string& key, const std::string& storedName, const char* tag,
                 TProviderEntryList& entries) {
  ini.SetSection(key + tag);
  std::string scratch;
  ini.ForEachSectionValue(
      [&](std::string_view raw) { ReadEntry(CleanView(raw, scratch), key, storedName, tag, entries); },
      static_cast<std::size_t>(kMaxProviderEntriesRead));
}

// A whole number as the file holds it: rounded, ties to even.
double WholeValue(double value) {
  return std::nearbyint(value) + 0.0;
}

std::string WholeText(double value) {
  return FixedText(WholeValue(value), 0);
}

// "HH:MM-HH:MM/Takt/Price" written at out; returns the end.
char* PutEntryText(char* out, const TProviderEntry& entry) {
  out = PutTimeText(out, static_cast<std::uint32_t>(entry.StartSec));
  *out++ = '-';
  out = PutTimeText(out, static_cast<std::uint32_t>(entry.EndSec));
  *out++ = '/';
  out = PutNumberText(out, entry.Takt);
  *out++ = '/';
  return PutNumberText(out, entry.Price);
}

// "Days|HH:MM-HH:MM/Takt/" written at out; returns the end.
char* PutRangeText(char* out, const TFreeHoursRange& range) {
  out = PutWeekdayDigits(out, range.Days);
  *out++ = '|';
  out = PutTimeText(out, static_cast<std::uint32_t>(range.StartSec));
  *out++ = '-';
  out = PutTimeText(out, static_cast<std::uint32_t>(range.EndSec));
  *out++ = '/';
  out = PutNumberText(out, range.Takt);
  *out++ = '/';
  return out;
}

template <class Out>
void WriteEntries(Out& ini, const TProvider& provider, const TProviderEntryList& entries, const char* tag) {
  ini.SetSection(provider.Key + tag);
  std::size_t index = 0;
  // One buffer for all values of the list; it keeps its size, so that it is
  // not filled anew for every entry.
  std::string text(2 * kTimeTextBytes + 2 * kNumberTextBytes + 3, '\0');
  for (const auto& entry : entries) {
    // A Takt the file holds as 0 would be dropped by the next load.
    if (WritesAsZero(entry.Takt)) continue;
    const std::string_view value(text.data(),
                                 static_cast<std::size_t>(PutEntryText(text.data(), entry) - text.data()));
    ini.WriteIndexed(provider.Key, index++, value);
  }
}

template <class Out, class Value, class Include>
void WriteOption(Out& ini, const char* section, const TProviderList& providers, Value value,
                 Include include) {
  ini.SetSection(section);
  for (const auto& provider : providers) {
    if (include(provider.Options)) ini.WriteString(provider.Key, value(provider.Options));
  }
}

template <class Out>
void WriteFile(Out& ini, const std::string& fileName, const TProviderList& providers,
               const TProviderWriteStep& step) {
  WriteFileHeader(ini, fileName);

  ini.SetSection("COMMON");
  ini.WriteString("STRVERSION", kFormatStrVersion);
  ini.WriteString("VERSION", kFormatVersion);
  ini.WriteString("FILEDATE", FileDateText(Now()));
  ini.WriteString("FILENAME",
                  fileName == kUserProviderFile ? "Providertarife_benutzerdefiniert" : "Providertarife");

  const int count = static_cast<int>(providers.size());
  ini.SetSection("PROVIDER");
  for (int i = 0; i < count; ++i) {
    if (step && i % 2 == 0) step(i, count);
    const auto& provider = providers[static_cast<std::size_t>(i)];
    ini.WriteIndexed("P", static_cast<std::size_t>(i), BlankToUnderscore(provider.Name) + "," + provider.Key);
  }
  for (const auto& provider : providers) WriteEntries(ini, provider, provider.WerktagEntries, kWerktagTag);
  for (const auto& provider : providers) WriteEntries(ini, provider, provider.SaSoEntries, kSaSoTag);

  auto every = [](const TProviderOptions&) { return true; };
  WriteOption(
      ini, "TIMING", providers, [](const TProviderOptions& o) { return NumberText(o.Timing); }, every);
  WriteOption(
      ini, "MinConnectTime", providers,
      [](const TProviderOptions& o) { return NumberText(o.MinConnectTime); }, every);
  WriteOption(
      ini, "FREISTUNDEN", providers, [](const TProviderOptions& o) { return IntegerText(o.FreeHours); },
      every);
  char text[8 + 2 * kTimeTextBytes + kNumberTextBytes + 4];  // one range's value at its longest
  for (const auto& provider : providers) {
    ini.SetSection(provider.Key + kRangeTag);
    std::size_t index = 0;
    for (const auto& range : provider.Options.FreeHoursRanges) {
      const char* const end = PutRangeText(text, range);
      ini.WriteIndexed(provider.Key, index++, std::string_view(text, static_cast<std::size_t>(end - text)));
    }
  }
  WriteOption(
      ini, "OPTIONS", providers,
      [](const TProviderOptions& o) { return std::string(o.Holiday2431 ? "YES" : "NO"); }, every);
  WriteOption(
      ini, "FreeHoursCosts", providers,
      [](const TProviderOptions& o) { return NumberText(o.FreeHoursCosts); },
      // An amount the file holds as 0 reads back as none: no line, as on the next save.
      [](const TProviderOptions& o) { return o.FreeHoursCosts > 0 && !WritesAsZero(o.FreeHoursCosts); });
  WriteOption(
      ini, "GRUNDBETRAG", providers, [](const TProviderOptions& o) { return IntegerText(o.BaseAmount); },
      every);
  WriteOption(
      ini, "BASECONNECTPRICE", providers,
      [](const TProviderOptions& o) { return NumberText(o.BaseConnectPrice); }, every);
  auto yes = [](const TProviderOptions&) { return std::string("YES"); };
  WriteOption(ini, "FreeHoursPerDay", providers, yes,
              [](const TProviderOptions& o) { return o.FreeHoursPerDay; });
  WriteOption(ini, "ISDNDoubleCosts", providers, yes,
              [](const TProviderOptions& o) { return o.ISDNDoubleCosts; });
  WriteOption(
      ini, "NOCOSTS", providers, [](const TProviderOptions& o) { return WholeText(o.NoCostsFrom); }, every);
  WriteOption(
      ini, "COSTSPERDAY", providers, [](const TProviderOptions& o) { return WholeText(o.CostsPerDay); },
      [](const TProviderOptions& o) { return WholeValue(o.CostsPerDay) > 0; });
}

}  // namespace

TProviderList LoadProviderFile(const std::string& fileName, std::string* error, bool readOnly) {
  TProviderList providers;
  try {
    TTheIniFile ini;
    ini.SetIniFileName(fileName);
    ini.SetIniLocation(loProgDir);
    ini.SetReadOnly(readOnly);
    ini.SetOpen(true);
    if (!ini.Open() || ini.ErrorCode() != 0) return providers;

    ini.SetSection("PROVIDER");
    std::vector<std::string> lines;
    ini.ReadSectionValues(lines, static_cast<std::size_t>(kMaxProviderLines));

    // The names as the file holds them ("_" for blanks): they are the sort
    // key and what the entry messages quote.
    std::vector<std::string> storedNames;
    for (std::string& value : lines) {
      CleanInPlace(value);
      if (value.empty()) continue;
      const std::size_t comma = value.find(',');
      TProvider provider;
      std::string name;
      if (comma == std::string::npos) {
        provider.Key = value;
      } else {
        name = LeftChars(value.substr(0, comma), kMaxProviderNameChars);
        provider.Key = value.substr(comma + 1);
      }
      // A provider without a key (or with one no file can hold) has no
      // sections to read and could not be written back; such a line is left out.
      if (!IsStorableName(provider.Key)) continue;
      provider.Name = UnderscoreToBlank(name);
      providers.push_back(std::move(provider));
      storedNames.push_back(std::move(name));
    }

    // Sorted by the file's bytes, as the names were always sorted.
    {
      std::vector<std::size_t> index(providers.size());
      std::vector<std::string> keys;
      keys.reserve(providers.size());
      for (std::size_t i = 0; i < providers.size(); ++i) {
        index[i] = i;
        keys.push_back(Utf8ToCp1252(storedNames[i]));
      }
      StableSortParallel(index, keys);
      TProviderList sorted;
      std::vector<std::string> sortedNames;
      sorted.reserve(providers.size());
      for (std::size_t i : index) {
        sorted.push_back(std::move(providers[i]));
        sortedNames.push_back(std::move(storedNames[i]));
      }
      providers = std::move(sorted);
      storedNames = std::move(sortedNames);
    }

    for (std::size_t i = 0; i < providers.size(); ++i) {
      ReadOptions(ini, providers[i].Key, providers[i].Options);
      ReadEntries(ini, providers[i].Key, storedNames[i], kWerktagTag, providers[i].WerktagEntries);
    }
    for (std::size_t i = 0; i < providers.size(); ++i) {
      ReadEntries(ini, providers[i].Key, storedNames[i], kSaSoTag, providers[i].SaSoEntries);
    }
    for (auto& provider : providers) {
      SortProviderEntries(provider.WerktagEntries);
      SortProviderEntries(provider.SaSoEntries);
    }
  } catch (const EIniError& e) {
    // An unreadable file is an empty list; the editor starts without providers.
    providers.clear();
    if (error) *error = e.what();
  }
  return providers;
}

bool LoadProvidersToEdit(const std::string& fileName, TProviderList& providers) {
  std::string error;
  providers = LoadProviderFile(fileName, &error);
  if (error.empty()) return true;
  ShowMessageBox(error, "", mkFehler, mbOK);
  return false;
}

bool SaveProviderFile(const std::string& fileName, TProviderList& providers, const TProviderWriteStep& step) {
  try {
    TTheIniFile ini;
    ini.SetIniFileName(fileName);
    ini.SetIniLocation(loProgDir);
    ini.SetReplacing(true);
    ini.SetOpen(true);
    if (!ini.Open() || !ini.DeleteFile()) {
      const std::string path = ini.FullPath().empty() ? ProgramDirectory() + fileName : ini.FullPath();
      ShowMessageBox("Konnte " + path + " nicht löschen!" + "\r" + "Speicherung kann nicht erfolgen!", "",
                     mkFehler, mbOK);
      return false;
    }
    for (auto& provider : providers) {
      SortProviderEntries(provider.WerktagEntries);
      SortProviderEntries(provider.SaSoEntries);
      // Judged by the whole number the file will hold: a "0" would read back
      // as none and be written as "-1" by the next save.
      if (WholeValue(provider.Options.NoCostsFrom) <= 0) provider.Options.NoCostsFrom = -1;
    }
    ReplaceFile(ini, [&](auto& out) { WriteFile(out, fileName, providers, step); });
    return true;
  } catch (const EIniError& error) {
    ShowMessageBox(error.what(), "", mkFehler, mbOK);
    return false;
  }
}

}  // namespace dudode
