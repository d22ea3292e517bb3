#include "tools/TarifLint.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "tools/AppTable.h"
#include "tools/TarifCoverage.h"
#include "zones/AccessInfo.h"
#include "zones/EntryCommands.h"
#include "zones/EntryForm.h"

namespace dudode {
namespace {

using TDays = std::bitset<kYearDays>;

constexpr int kHolidayCode = 8;
constexpr TDaySet kWeekdayCodes = 0xFE;  // codes 1 (Sunday) to 7 (Saturday)
constexpr long long kSlipFactor = 20;

// In the order of TLintKind: as the findings list shows it, and for machines.
constexpr struct {
  const char* Name;
  const char* Id;
} kKindTexts[] = {
    {"Überschneidung", "overlap"}, {"Preis", "price"},
    {"Gilt nie", "never"},         {"Feiertag doppelt", "holiday"},
    {"TAPI-Name doppelt", "tapi"}, {"Zugang ohne Rufnummer", "access"},
};

std::string Quoted(const std::string& text) {
  return "„" + text + "“";
}

// Which days an entry can apply on. Validity dates and times are read as the
// completeness walk reads them. A file serves every year, so a date that is
// no holiday may fall on any weekday; on a holiday only entries for holidays
// apply ("Fei" among their days, or valid on holidays only).
struct TReach {
  bool Counts = false;  // the walk sees it: a tariff before the list's end
  int Group = 0;        // dated and holiday entries; CityWeekend; CityPlus
  TDays HolidayDays;
  TDays OtherDays;
  TDaySet Weekdays = 0;

  bool Never() const { return HolidayDays.none() && OtherDays.none(); }
};

int SpecialGroup(const std::string& dateKey) {
  if (dateKey == kCityWeekendCode) return 1;
  if (dateKey == kCityPlusCode) return 2;
  return 0;
}

std::vector<TReach> Reaches(const TTarifEntryList& list, const TDays& holidays) {
  std::vector<TReach> reaches(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TTarifEntry& entry = list[i];
    if (EndsEntryList(entry)) break;
    if (!entry.IsTariff()) continue;
    TReach& r = reaches[i];
    r.Counts = true;
    r.Weekdays = entry.Weekdays;
    const std::string from = DateSortKey(entry.DateFrom);
    const bool holidayOnly = from == kHolidayOnlyCode;
    TDays range;
    if (holidayOnly) {
      range = holidays;
    } else if (IsSpecialDateCode(from)) {
      r.Group = SpecialGroup(from);
      range.set();
    } else {
      int first = 0;
      int last = -1;
      EntryDayRange(entry, first, last);
      for (int day = first; day <= last; ++day) range.set(static_cast<std::size_t>(day));
    }
    if (holidayOnly || HasDay(entry.Weekdays, kHolidayCode)) r.HolidayDays = range & holidays;
    if ((entry.Weekdays & kWeekdayCodes) != 0) r.OtherDays = range & ~holidays;
  }
  return reaches;
}

TLintFinding EntryFinding(TLintKind kind, const TKeyAndName& zone, int zoneIndex, TDayClass dayClass,
                          int index, std::string text) {
  const TTarifEntryList& list = zone.Entries(dayClass);
  TLintFinding f;
  f.Kind = kind;
  f.Place = dayClass == TDayClass::Werktag ? TLintPlace::Werktag : TLintPlace::SaSo;
  f.Zone = zoneIndex;
  f.ZoneName = zone.MenuCaption();
  f.Index = index;
  f.Number = RowOfEntryIndex(list, index);
  f.Name = list[static_cast<std::size_t>(index)].Name;
  f.Text = std::move(text);
  return f;
}

std::string NeverText(const TTarifEntry& entry, bool noHolidays) {
  const std::string name = "Der Tarif " + Quoted(entry.Name);
  const std::string from = DateSortKey(entry.DateFrom);
  if ((entry.Weekdays & (kWeekdayCodes | DayBit(kHolidayCode))) == 0) {
    return name + " gilt nie: es ist kein Wochentag gewählt.";
  }
  if (from == kHolidayOnlyCode && noHolidays) {
    return name + " gilt nur an Feiertagen, aber die Tarifdatei nennt keinen Feiertag.";
  }
  const std::string window = DateDisplay(entry.DateFrom) + " / " + DateDisplay(entry.DateTo);
  int first = 0;
  int last = -1;
  EntryDayRange(entry, first, last);
  if (!IsSpecialDateCode(from) && first > last) {
    return name + " gilt nie: sein Gültigkeitszeitraum " + window +
           " enthält keinen Tag (ein Zeitraum über den Jahreswechsel muss auf zwei Tarife verteilt werden).";
  }
  return name + " gilt an keinem Tag: seine Wochentage passen zu keinem Tag seines Gültigkeitszeitraums " +
         window + " (Feiertage gelten nur für Tarife mit „Fei“).";
}

void NeverApplies(const TKeyAndName& zone, int zoneIndex, TDayClass dayClass,
                  const std::vector<TReach>& reaches, bool noHolidays, std::vector<TLintFinding>& out) {
  const TTarifEntryList& list = zone.Entries(dayClass);
  for (std::size_t i = 0; i < reaches.size(); ++i) {
    if (!reaches[i].Counts || !reaches[i].Never()) continue;
    out.push_back(EntryFinding(TLintKind::NeverApplies, zone, zoneIndex, dayClass, static_cast<int>(i),
                               NeverText(list[i], noHolidays)));
  }
}

// The first day both can apply on, or -1.
int FirstSharedDay(const TReach& a, const TReach& b) {
  TDays shared = a.HolidayDays & b.HolidayDays;
  if ((a.Weekdays & b.Weekdays & kWeekdayCodes) != 0) shared |= a.OtherDays & b.OtherDays;
  for (int day = 0; day < kYearDays; ++day) {
    if (shared.test(static_cast<std::size_t>(day))) return day;
  }
  return -1;
}

void Overlaps(const TKeyAndName& zone, int zoneIndex, TDayClass dayClass, const std::vector<TReach>& reaches,
              std::vector<TLintFinding>& out) {
  const TTarifEntryList& list = zone.Entries(dayClass);
  for (std::size_t i = 0; i < reaches.size(); ++i) {
    if (!reaches[i].Counts || reaches[i].Never()) continue;
    for (std::size_t j = i + 1; j < reaches.size(); ++j) {
      if (!reaches[j].Counts || reaches[j].Group != reaches[i].Group) continue;
      const std::uint32_t start = std::max(list[i].StartSec, list[j].StartSec);
      if (start > std::min(list[i].EndSec, list[j].EndSec)) continue;
      const int day = FirstSharedDay(reaches[i], reaches[j]);
      if (day < 0) continue;
      out.push_back(EntryFinding(TLintKind::Overlap, zone, zoneIndex, dayClass, static_cast<int>(i),
                                 "Die Tarife " + Quoted(list[i].Name) + " und " + Quoted(list[j].Name) +
                                     " gelten beide am " + DayText(day) + " um " + TimeText(start) +
                                     " Uhr."));
    }
  }
}

// Prices in ten-thousandths, as the file holds them.
long long PriceUnits(double price) {
  return std::llround(price * 10000);
}

void PriceSlips(const TKeyAndName& zone, int zoneIndex, std::vector<TLintFinding>& out) {
  std::vector<long long> prices;
  for (TDayClass dayClass : kDayClasses) {
    for (const TTarifEntry& entry : zone.Entries(dayClass)) {
      if (EndsEntryList(entry)) break;
      if (entry.IsTariff() && PriceUnits(entry.PricePerUnit) > 0)
        prices.push_back(PriceUnits(entry.PricePerUnit));
    }
  }
  if (prices.size() < 3) return;
  std::sort(prices.begin(), prices.end());
  // Twice the median keeps an even count's middle in whole units.
  const std::size_t mid = prices.size() / 2;
  const long long median2 = prices.size() % 2 ? 2 * prices[mid] : prices[mid - 1] + prices[mid];
  const std::string medianText = PriceText(static_cast<double>(median2) / 20000);
  for (TDayClass dayClass : kDayClasses) {
    const TTarifEntryList& list = zone.Entries(dayClass);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (EndsEntryList(list[i])) break;
      const long long p = PriceUnits(list[i].PricePerUnit);
      if (!list[i].IsTariff() || p <= 0) continue;
      std::string how;
      if (2 * p >= kSlipFactor * median2) {
        how = "das " + std::to_string((2 * p + median2 / 2) / median2) +
              "-Fache des mittleren Preises der Tarifzone (" + medianText +
              "). Ist der Preis in Cent statt in Euro angegeben?";
      } else if (2 * kSlipFactor * p <= median2) {
        how = "nur 1/" + std::to_string((median2 + p) / (2 * p)) + " des mittleren Preises der Tarifzone (" +
              medianText + "). Ist der Preis zu klein angegeben?";
      } else {
        continue;
      }
      out.push_back(EntryFinding(TLintKind::PriceSlip, zone, zoneIndex, dayClass, static_cast<int>(i),
                                 "Der Tarif " + Quoted(list[i].Name) + " kostet " +
                                     PriceText(list[i].PricePerUnit) + " pro Einheit, " + how));
    }
  }
}

void AccessWithoutNumber(const TKeyAndName& zone, int zoneIndex, std::vector<TLintFinding>& out) {
  const std::vector<TAccessLine> lines = AccessLines(zone.Access);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TAccessLine& line = lines[i];
    if (!line.PhoneNr.empty() || (line.UserName.empty() && line.Password.empty())) continue;
    const std::string what = !line.UserName.empty() && !line.Password.empty()
                                 ? "einen Benutzernamen und ein Kennwort"
                             : !line.UserName.empty() ? "einen Benutzernamen"
                                                      : "ein Kennwort";
    TLintFinding f;
    f.Kind = TLintKind::AccessWithoutNumber;
    f.Place = TLintPlace::Access;
    f.Zone = zoneIndex;
    f.ZoneName = zone.MenuCaption();
    f.Index = static_cast<int>(i);
    f.Number = static_cast<int>(i) + 1;
    f.Text = "Zugang " + std::to_string(i + 1) + " nennt " + what + ", aber keine Rufnummer.";
    out.push_back(std::move(f));
  }
}

TLintFinding FileFinding(TLintKind kind, TLintPlace place, std::size_t index, std::string name,
                         std::string text) {
  TLintFinding f;
  f.Kind = kind;
  f.Place = place;
  f.Index = static_cast<int>(index);
  f.Number = static_cast<int>(index) + 1;
  f.Name = std::move(name);
  f.Text = std::move(text);
  return f;
}

void DuplicateHolidays(const std::vector<TFeiertag>& holidays, std::vector<TLintFinding>& out) {
  for (std::size_t i = 0; i < holidays.size(); ++i) {
    const std::string key = DateSortKey(holidays[i].Date);
    for (std::size_t j = 0; j < i; ++j) {
      if (DateSortKey(holidays[j].Date) != key) continue;
      const std::string date = HolidayDisplay(StripDateSeparator(holidays[i].Date));
      out.push_back(FileFinding(TLintKind::DuplicateHoliday, TLintPlace::Holidays, i, date,
                                "Der Feiertag " + date + " steht zweimal in der Liste (an Stelle " +
                                    std::to_string(j + 1) + " und " + std::to_string(i + 1) + ")."));
      break;
    }
  }
}

void DuplicateTapiNames(const std::vector<TAppEntry>& apps, std::vector<TLintFinding>& out) {
  for (std::size_t i = 0; i < apps.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!SameTapiName(apps[j].TapiName, apps[i].TapiName)) continue;
      out.push_back(FileFinding(TLintKind::DuplicateTapiName, TLintPlace::Applications, i, apps[j].TapiName,
                                "Der TAPI-Name " + Quoted(apps[j].TapiName) +
                                    " steht zweimal in der Tabelle (" + Quoted(apps[j].AppName) + " und " +
                                    Quoted(apps[i].AppName) +
                                    "); die Datei behält nur eine der beiden Anwendungen."));
      break;
    }
  }
}

}  // namespace

std::vector<TLintFinding> LintTarifFile(const TTarifFile& document) {
  TDays holidays;
  for (const TFeiertag& holiday : document.Holidays) {
    const int day = DayOfDate(holiday.Date);
    if (day >= 0) holidays.set(static_cast<std::size_t>(day));
  }
  std::vector<TLintFinding> out;
  for (std::size_t z = 0; z < document.Zones.size(); ++z) {
    const TKeyAndName& zone = document.Zones[z];
    const int zoneIndex = static_cast<int>(z);
    const std::size_t zoneStart = out.size();
    for (TDayClass dayClass : kDayClasses) {
      const std::vector<TReach> reaches = Reaches(zone.Entries(dayClass), holidays);
      NeverApplies(zone, zoneIndex, dayClass, reaches, holidays.none(), out);
      Overlaps(zone, zoneIndex, dayClass, reaches, out);
    }
    PriceSlips(zone, zoneIndex, out);
    // Each list's findings together, in list order.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(zoneStart), out.end(),
                     [](const TLintFinding& a, const TLintFinding& b) { return a.Place < b.Place; });
    AccessWithoutNumber(zone, zoneIndex, out);
  }
  DuplicateHolidays(document.Holidays, out);
  DuplicateTapiNames(document.Applications, out);
  return out;
}

std::string LintKindName(TLintKind kind) {
  return kKindTexts[static_cast<std::size_t>(kind)].Name;
}

std::string LintKindId(TLintKind kind) {
  return kKindTexts[static_cast<std::size_t>(kind)].Id;
}

std::string LintPlaceName(TLintPlace place) {
  switch (place) {
    case TLintPlace::Werktag:
      return DayClassName(TDayClass::Werktag);
    case TLintPlace::SaSo:
      return DayClassName(TDayClass::SaSo);
    case TLintPlace::Access:
      return "Internetzugang";
    case TLintPlace::Holidays:
      return "Feiertage";
    case TLintPlace::Applications:
      return "Anwendungen";
  }
  return {};
}

std::string LintPlaceText(const TLintFinding& finding) {
  const std::string place = LintPlaceName(finding.Place);
  return finding.Zone < 0 ? place : Quoted(finding.ZoneName) + ", " + place;
}

std::string LintLine(const TLintFinding& finding) {
  return LintPlaceText(finding) + ": " + finding.Text;
}

bool LintEntryList(const TLintFinding& finding, TDayClass& dayClass) {
  if (finding.Place != TLintPlace::Werktag && finding.Place != TLintPlace::SaSo) return false;
  dayClass = finding.Place == TLintPlace::Werktag ? TDayClass::Werktag : TDayClass::SaSo;
  return true;
}

}  // namespace dudode
