#include "core/TarifWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/Clock.h"
#include "core/Files.h"
#include "core/IniFile.h"
#include "core/IniText.h"
#include "core/MessageBox.h"
#include "core/TarifReader.h"
#include "core/Values.h"

namespace dudode {
namespace {

// The reader takes at most this many characters of a clock interval.
constexpr std::size_t kCutFieldChars = 10;

// A number whose first ten characters read back as the same value: fewer
// decimals where the four do not fit, the largest such number beyond that.
std::string CutFieldText(double x) {
  std::string text = NumberText(x);
  for (int decimals = 3; text.size() > kCutFieldChars && decimals >= 0; --decimals) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    text.assign(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
  }
  if (text.size() > kCutFieldChars) text = x < 0 ? "-999999999" : "9999999999";
  return text;
}

template <class Out>
void PutFileHeader(Out& ini, const std::string& fileName) {
  const std::string lines[] = {
      fileName,
      "",
      "",
      "Diese Datei ist Bestandteil des Programms \"Dudode\", sie wurde mit",
      "dem \"Dudode - Editor\" erstellt.",
      "",
      "",
      "DER AUTOR DER DATEI " + fileName + " HAFTET NICHT FUER DIE RICHTIGKEIT",
      "DER EINTRAGUNGEN IN DIESER DATEI.",
      "",
      "",
  };
  for (const std::string& line : lines) ini.AddLine(line, "; ");
}

void Report(const TProgress& progress, const std::string& label, int percent) {
  if (progress) progress(label, percent);
}

std::string WindowText(std::uint32_t startSec, std::uint32_t endSec) {
  return TimeText(startSec) + "-" + TimeText(endSec) + "/";
}

// The user name and password lists are packed with character 254; that
// character alone stands for an empty list.
std::string PackedAccessText(const std::string& text) {
  return text == kAccessSeparator ? std::string() : text;
}

void OpenFile(TTheIniFile& ini, const std::string& fileName) {
  ini.SetIniFileName(fileName);
  ini.SetIniLocation(loProgDir);
  ini.SetOpen(true);
}

template <class Out>
void WriteHolidays(Out& ini, const TTarifFile& doc) {
  ini.SetSection("FEIERTAGE");
  ini.EraseSection();
  for (std::size_t i = 0; i < doc.Holidays.size(); ++i) {
    ini.WriteIndexed("F", i, StripDateSeparator(doc.Holidays[i].Date));
  }
}

template <class Out>
void WriteApplications(Out& ini, const TTarifFile& doc) {
  ini.SetSection("APPLICATIONS");
  ini.EraseSection();
  for (const TAppEntry& app : doc.Applications) {
    if (!app.TapiName.empty() && !app.AppName.empty()) ini.WriteString(app.TapiName, app.AppName);
  }
}

template <class Out>
void WriteNo10plusList(Out& ini, const std::string& section, const std::vector<TNo10plusEntry>& list) {
  ini.SetSection(section);
  ini.EraseSection();
  for (std::size_t i = 0; i < list.size(); ++i) {
    ini.WriteIndexed("", i, WindowText(list[i].StartSec, list[i].EndSec));
  }
}

template <class Out>
void WriteTenPlusSections(Out& ini, const TTarifFile& doc) {
  ini.SetSection("10plus");
  ini.EraseSection();
  // The section first, then each zone's lists: the same file as zone by zone,
  // as no list section can have the name "10plus".
  for (const TKeyAndName& zone : doc.Zones) ini.WriteString(zone.Key, zone.TenPlusActive ? "YES" : "NO");
  for (const TKeyAndName& zone : doc.Zones) {
    WriteNo10plusList(ini, zone.Key + "WNO10PLUS", zone.WNo10plus);
    WriteNo10plusList(ini, zone.Key + "FNO10PLUS", zone.FNo10plus);
  }
}

template <class Out>
void WriteRoundToSection(Out& ini, const TTarifFile& doc) {
  ini.SetSection("RoundTo");
  ini.EraseSection();
  for (const TKeyAndName& zone : doc.Zones) {
    if (zone.RoundTo == 1) ini.WriteString(zone.Key, "1");
  }
}

template <class Out>
void WriteAccessInfoSections(Out& ini, const TTarifFile& doc) {
  for (const TKeyAndName& zone : doc.Zones) {
    ini.SetSection("AccessInfos_" + zone.Key);
    ini.EraseSection();
    if (!zone.Access.HasData()) continue;
    ini.WriteString("PhoneNr", zone.Access.PhoneNr);
    ini.WriteString("UserName", PackedAccessText(zone.Access.UserName));
    ini.WriteString("Password", PackedAccessText(zone.Access.Password));
    ini.WriteBool("Registration", zone.Access.Registration);
    ini.WriteBool("NichtBundesweit", zone.Access.NichtBundesweit);
  }
}

template <class Out>
void WriteConnectPriceSection(Out& ini, const TTarifFile& doc) {
  ini.SetSection("ConnectPrice");
  ini.EraseSection();
  for (const TKeyAndName& zone : doc.Zones) {
    ini.WriteString(zone.Key, NumberText(zone.ConnectPrice) + "/" + NumberText(zone.MonthlyFee));
  }
}

template <class Out>
void WriteRelationsSection(Out& ini, const TTarifFile& doc) {
  ini.SetSection("RELATIONS");
  ini.EraseSection();
  for (const TKeyAndName& zone : doc.Zones) ini.WriteString(zone.Key, RelationsText(zone.Relations));
}

template <class Out>
void WriteCommon(Out& ini, TTarifFile& doc, const TSaveOptions& options) {
  doc.StrVersion = kFormatStrVersion;
  doc.Version = kFormatVersion;
  if (!options.KeepDate || doc.FileDate.empty()) doc.FileDate = FileDateText(Now());
  ini.SetSection("COMMON");
  ini.WriteString("STRVERSION", doc.StrVersion);
  ini.WriteString("VERSION", doc.Version);
  ini.WriteString("FILEDATE", doc.FileDate);
  ini.WriteString("FILENAME", BlankToUnderscore(doc.Description));
  ini.WriteString("WWW", doc.WWW);
  ini.WriteString("HOTLINE", BlankToUnderscore(doc.Hotline));
  ini.WriteString("COMMENT", BlankToUnderscore(doc.Comment));
  ini.WriteString("EMAIL", doc.EMail);
  ini.WriteString("ACCESSCODE", BlankToUnderscore(doc.AccessCode));
  ini.WriteString("COPYRIGHT", BlankToUnderscore(doc.Copyright));
}

template <class Out>
void WriteOptions(Out& ini, const TTarifFile& doc) {
  ini.SetSection("OPTIONS");
  ini.EraseSection();
  ini.WriteString("BASECONNECTPRICE", NumberText(doc.BaseConnectPrice));
  ini.WriteString("PRICE", NumberText(doc.Price));
  ini.WriteString("TAKT", NumberText(doc.Takt));
  ini.WriteString("CITYWEEKEND24123112", doc.CityWeekend ? "YES" : "NO");
  if (doc.AnyTenPlusActive()) ini.WriteString("Activate10plus", "YES");
}

int ZonePercent(std::size_t i, std::size_t zones) {
  return Percent(static_cast<long long>(i), 0, static_cast<long long>(zones) - 1);
}

template <class Out>
void WriteEntryLists(Out& ini, const TTarifFile& doc, TDayClass dayClass, const TProgress& progress) {
  std::string buffer;  // one for all entries
  const bool workday = dayClass == TDayClass::Werktag;
  const std::string label =
      workday ? "Speichere Werktag - Einträge..." : "Speichere Sa./So./Feiertags - Einträge...";
  Report(progress, label, 0);
  for (std::size_t i = 0; i < doc.Zones.size(); ++i) {
    const TKeyAndName& zone = doc.Zones[i];
    Report(progress, label, ZonePercent(i, doc.Zones.size()));
    ini.SetSection(zone.Key + (workday ? "WERKTAG" : "SASO"));
    ini.EraseSection();
    // An entry the next load would drop is left out now, and the keys of the
    // others close up, so that a second save agrees with the first: one whose
    // Takt the file holds as 0 and without units, and one whose line the
    // reader does not take (a negative price puts a "-" before the times;
    // only a damaged file gives one, the entry dialog refuses it).
    std::size_t index = 0;
    for (const TTarifEntry& entry : zone.Entries(dayClass)) {
      if (entry.Units == 0 && WritesAsZero(entry.Takt)) continue;
      const std::string_view value = PutEntryValue(buffer, entry);
      if (!IsEntrySyntax(value)) continue;
      ini.WriteIndexed(zone.Key, index++, value);
    }
  }
}

template <class Out>
void WriteFreeTimes(Out& ini, const std::string& section, const std::vector<TFreeTimeEntry>& list) {
  ini.SetSection(section);
  ini.EraseSection();
  for (std::size_t j = 0; j < list.size(); ++j) {
    ini.WriteIndexed("F", j,
                     WindowText(list[j].StartSec, list[j].EndSec) + NumberText(list[j].FreeSeconds) + "/");
  }
}

template <class Out>
void WriteWholeFile(Out& ini, TTarifFile& doc, const TSaveOptions& options, const TProgress& progress) {
  WriteFileHeader(ini, doc.FileName);
  WriteCommon(ini, doc, options);
  WriteOptions(ini, doc);
  WriteHolidays(ini, doc);
  WriteApplications(ini, doc);
  WriteTenPlusSections(ini, doc);
  WriteRoundToSection(ini, doc);
  WriteAccessInfoSections(ini, doc);
  WriteConnectPriceSection(ini, doc);
  WriteRelationsSection(ini, doc);

  Report(progress, "Sortiere Tarife...", 0);
  for (TDayClass dayClass : kDayClasses) {
    for (TKeyAndName& zone : doc.Zones) SortEntryList(zone.Entries(dayClass));
  }

  const std::string keysLabel = "Speichere Schlüssel...";
  Report(progress, keysLabel, 0);
  ini.SetSection("REGIONENINDEX");
  ini.EraseSection();
  for (std::size_t i = 0; i < doc.Zones.size(); ++i) {
    Report(progress, keysLabel, ZonePercent(i, doc.Zones.size()));
    ini.WriteIndexed("R", i, doc.Zones[i].IndexName() + "," + doc.Zones[i].Key);
  }

  WriteEntryLists(ini, doc, TDayClass::Werktag, progress);
  WriteEntryLists(ini, doc, TDayClass::SaSo, progress);

  for (std::size_t i = 0; i < doc.Zones.size(); ++i) {
    const TKeyAndName& zone = doc.Zones[i];
    Report(progress, "Speichere Sa./So./Feiertags - Einträge...", ZonePercent(i, doc.Zones.size()));
    WriteFreeTimes(ini, zone.Key + "WFREETIMES", zone.WFreeTimes);
    WriteFreeTimes(ini, zone.Key + "FFREETIMES", zone.FFreeTimes);
  }
}

// Writes the file. When that fails the old file is still whole, and the
// half-done image must not reach it later through another flush or close.
void FlushOrDiscard(TTheIniFile& ini) {
  try {
    ini.Flush();
  } catch (const EIniError&) {
    ini.DiscardChanges();
    throw;
  }
}

// Runs one section writer on its own store and writes the file.
template <typename Writer>
bool WriteSection(const TTarifFile& doc, Writer writer) {
  try {
    TTheIniFile ini;
    OpenFile(ini, doc.FileName);
    writer(ini, doc);
    FlushOrDiscard(ini);
    doc.LoadedStamp = CurrentFileStamp(doc);
    return true;
  } catch (const EIniError& error) {
    ShowMessageBox(error.what(), "", mkFehler, mbOK);
    return false;
  }
}

}  // namespace

std::string_view PutEntryValue(std::string& buffer, const TTarifEntry& entry) {
  // Room for every field at its longest.
  const std::size_t room = 4 * kNumberTextBytes + 2 * kTimeTextBytes + 64 + entry.DateFrom.size() +
                           entry.DateTo.size() + entry.Name.size();
  if (buffer.size() < room) buffer.resize(room);
  char* const begin = buffer.data();
  char* p = PutWeekdayDigits(begin, entry.Weekdays);
  *p++ = '|';
  p = PutNumberText(p, entry.PricePerUnit);
  *p++ = '/';
  p = PutNumberText(p, entry.CalcTakt);
  *p++ = '/';
  p = PutNumberText(p, entry.FirstSecond);
  *p++ = '/';
  p = PutTimeText(p, entry.StartSec);
  *p++ = '-';
  p = PutTimeText(p, entry.EndSec);
  *p++ = '/';
  char* const takt = p;
  p = PutNumberText(p, entry.Takt);
  if (static_cast<std::size_t>(p - takt) > kCutFieldChars) {
    const std::string cut = CutFieldText(entry.Takt);
    p = std::copy(cut.begin(), cut.end(), takt);
  }
  *p++ = '/';
  p = std::to_chars(p, p + 24, entry.Units).ptr;
  *p++ = '/';
  p = PutStrippedDate(p, entry.DateFrom);
  *p++ = '-';
  p = PutStrippedDate(p, entry.DateTo);
  *p++ = ',';
  // The reader drops blanks anywhere in the value; the name keeps its own as "_".
  if (std::memchr(begin, ' ', static_cast<std::size_t>(p - begin))) p = std::remove(begin, p, ' ');
  for (char c : entry.Name) *p++ = c == ' ' ? '_' : c;
  return {begin, static_cast<std::size_t>(p - begin)};
}

std::string EntryValue(const TTarifEntry& entry) {
  std::string buffer;
  return std::string(PutEntryValue(buffer, entry));
}

bool SaveTarifFile(TTarifFile& document, const TSaveOptions& options, const TProgress& progress) {
  Report(progress, "Speichern", 0);
  if (document.FileName.empty()) document.FileName = NewTariffFileName();
  try {
    TTheIniFile ini;
    ini.SetReplacing(true);
    OpenFile(ini, document.FileName);
    // A file that cannot even be created counts as one that cannot be replaced.
    if (!ini.Open() || !ini.DeleteFile()) {
      ShowMessageBox("Konnte " + ProgramDirectory() + document.FileName + " nicht löschen!\r" +
                         "Speicherung kann nicht erfolgen.",
                     "", mkFehler, mbOK);
      return false;
    }
    ReplaceFile(ini, [&](auto& out) { WriteWholeFile(out, document, options, progress); });
  } catch (const EIniError& error) {
    ShowMessageBox(error.what(), "", mkFehler, mbOK);
    return false;
  }
  document.Modified = false;
  document.LoadedStamp = CurrentFileStamp(document);
  return true;
}

bool WriteHolidaysSection(const TTarifFile& document) {
  return WriteSection(document, WriteHolidays<TTheIniFile>);
}

bool WriteApplicationsSection(const TTarifFile& document) {
  return WriteSection(document, WriteApplications<TTheIniFile>);
}

void WriteFileHeader(TTheIniFile& ini, const std::string& fileName) {
  PutFileHeader(ini, fileName);
}

void WriteFileHeader(TIniText& text, const std::string& fileName) {
  PutFileHeader(text, fileName);
}

}  // namespace dudode
