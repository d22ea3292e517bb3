#include "tools/TarifDiff.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

#include "core/RegionalSettings.h"
#include "zones/EntryForm.h"

namespace dudode {
namespace {

template <typename T>
struct TFieldDef {
  const char* Field;
  const char* Label;
  std::function<std::string(const T&)> Text;
};

std::string YesNo(bool value) {
  return value ? "ja" : "nein";
}

// The file's date of change and version are left out: every save changes them.
const std::vector<TFieldDef<TTarifFile>>& FileFields() {
  static const std::vector<TFieldDef<TTarifFile>> fields = {
      {"Description", "Name der Tarifdatei", [](const TTarifFile& f) { return f.Description; }},
      {"WWW", "URL", [](const TTarifFile& f) { return f.WWW; }},
      {"Hotline", "Telefon Hotline", [](const TTarifFile& f) { return f.Hotline; }},
      {"Comment", "Kommentar", [](const TTarifFile& f) { return f.Comment; }},
      {"EMail", "Info E-Mail", [](const TTarifFile& f) { return f.EMail; }},
      {"AccessCode", "Netzkennzahl", [](const TTarifFile& f) { return f.AccessCode; }},
      {"Copyright", "Ersteller/Copyright", [](const TTarifFile& f) { return f.Copyright; }},
      {"Takt", "Standardlänge einer Einheit", [](const TTarifFile& f) { return NumberText(f.Takt); }},
      {"Price", "Standardpreis pro Einheit", [](const TTarifFile& f) { return NumberText(f.Price); }},
      {"BaseConnectPrice", "Standardpreis pro Gespräch",
       [](const TTarifFile& f) { return NumberText(f.BaseConnectPrice); }},
      {"CityWeekend", "CityWeekend auch am 24.12. und 31.12.",
       [](const TTarifFile& f) { return YesNo(f.CityWeekend); }},
  };
  return fields;
}

const std::vector<TFieldDef<TKeyAndName>>& ZoneFields() {
  static const std::vector<TFieldDef<TKeyAndName>> fields = {
      {"CalcTakt", "Sekundentakt", [](const TKeyAndName& z) { return NumberText(z.CalcTakt); }},
      {"FirstSecond", "Abrechnung ab Sekunde",
       [](const TKeyAndName& z) { return NumberText(z.FirstSecond); }},
      {"ConnectPrice", "Verbindungspreis pro Gespräch",
       [](const TKeyAndName& z) { return NumberText(z.ConnectPrice); }},
      {"MonthlyFee", "Monatliche Grundgebühr", [](const TKeyAndName& z) { return NumberText(z.MonthlyFee); }},
      {"Relations", "Tarifbereiche", [](const TKeyAndName& z) { return RelationsText(z.Relations); }},
      {"TenPlusActive", "10plus", [](const TKeyAndName& z) { return YesNo(z.TenPlusActive); }},
      {"RoundTo", "Pfenniggenaue Rundung", [](const TKeyAndName& z) { return YesNo(z.RoundTo == 1); }},
  };
  return fields;
}

template <typename T>
std::vector<TFieldChange> FieldChanges(const std::vector<TFieldDef<T>>& fields, const T& a, const T& b) {
  std::vector<TFieldChange> changes;
  for (const auto& f : fields) {
    std::string oldText = f.Text(a);
    std::string newText = f.Text(b);
    if (oldText != newText) changes.push_back({f.Field, f.Label, std::move(oldText), std::move(newText)});
  }
  return changes;
}

std::string TimeRange(const TTarifEntry& e) {
  return TimeText(e.StartSec) + "–" + TimeText(e.EndSec);
}
std::string DateRange(const TTarifEntry& e) {
  return DateDisplay(e.DateFrom) + "–" + DateDisplay(e.DateTo);
}

bool SameWindow(const TTarifEntry& a, const TTarifEntry& b) {
  return a.StartSec == b.StartSec && a.EndSec == b.EndSec && a.DateFrom == b.DateFrom && a.DateTo == b.DateTo;
}

// Entries are paired in passes, each pass on what is left: the same entry,
// the same name and window (new price), the same name (moved), the same
// window (renamed).
TListDiff DiffLists(const TTarifEntryList& a, const TTarifEntryList& b) {
  using TMatch = std::function<bool(const TTarifEntry&, const TTarifEntry&)>;
  const TMatch passes[] = {
      [](const TTarifEntry& x, const TTarifEntry& y) { return EntryChanges(x, y).empty(); },
      [](const TTarifEntry& x, const TTarifEntry& y) { return x.Name == y.Name && SameWindow(x, y); },
      [](const TTarifEntry& x, const TTarifEntry& y) { return x.Name == y.Name; },
      [](const TTarifEntry& x, const TTarifEntry& y) { return SameWindow(x, y); },
  };
  std::vector<int> pairOfA(a.size(), -1);
  std::vector<bool> usedB(b.size(), false);
  TListDiff diff;
  for (const TMatch& match : passes) {
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (pairOfA[i] >= 0) continue;
      for (std::size_t j = 0; j < b.size(); ++j) {
        if (usedB[j] || !match(a[i], b[j])) continue;
        pairOfA[i] = static_cast<int>(j);
        usedB[j] = true;
        if (!EntryChanges(a[i], b[j]).empty()) diff.Changed.push_back({a[i], b[j]});
        break;
      }
    }
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (pairOfA[i] < 0) diff.Removed.push_back(a[i]);
  }
  for (std::size_t j = 0; j < b.size(); ++j) {
    if (!usedB[j]) diff.Added.push_back(b[j]);
  }
  return diff;
}

TZoneDiff DiffZones(const TKeyAndName& a, const TKeyAndName& b) {
  TZoneDiff diff{TZoneChange::Changed, a.Key, b.Key, a.MenuCaption(), b.MenuCaption(), {}, {}, {}};
  diff.Fields = FieldChanges(ZoneFields(), a, b);
  for (TDayClass dayClass : kDayClasses)
    diff.List(dayClass) = DiffLists(a.Entries(dayClass), b.Entries(dayClass));
  return diff;
}

bool ZoneDiffers(const TZoneDiff& d) {
  return d.OldKey != d.NewKey || d.OldName != d.NewName || !d.Fields.empty() || !d.Werktag.Empty() ||
         !d.SaSo.Empty();
}

// Zones of B paired with A's by key, then by name; -1 for none.
std::vector<int> PairZones(const TTarifFile& a, const TTarifFile& b) {
  std::vector<int> pairOfA(a.Zones.size(), -1);
  std::vector<bool> usedB(b.Zones.size(), false);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < a.Zones.size(); ++i) {
      if (pairOfA[i] >= 0) continue;
      for (std::size_t j = 0; j < b.Zones.size(); ++j) {
        const bool same = pass == 0 ? a.Zones[i].Key == b.Zones[j].Key
                                    : a.Zones[i].MenuCaption() == b.Zones[j].MenuCaption();
        if (usedB[j] || !same) continue;
        pairOfA[i] = static_cast<int>(j);
        usedB[j] = true;
        break;
      }
    }
  }
  return pairOfA;
}

TZoneDiff WholeZone(const TKeyAndName& zone, TZoneChange change) {
  TZoneDiff diff;
  diff.Change = change;
  const bool added = change == TZoneChange::Added;
  (added ? diff.NewKey : diff.OldKey) = zone.Key;
  (added ? diff.NewName : diff.OldName) = zone.MenuCaption();
  for (TDayClass dayClass : kDayClasses)
    (added ? diff.List(dayClass).Added : diff.List(dayClass).Removed) = zone.Entries(dayClass);
  return diff;
}

void DiffHolidays(const TTarifFile& a, const TTarifFile& b, TTarifDiff& diff) {
  auto dates = [](const TTarifFile& f) {
    std::vector<std::string> d;
    for (const TFeiertag& h : f.Holidays) d.push_back(StripDateSeparator(h.Date));
    return d;
  };
  const std::vector<std::string> da = dates(a);
  const std::vector<std::string> db = dates(b);
  for (const std::string& d : db) {
    if (std::find(da.begin(), da.end(), d) == da.end()) diff.HolidaysAdded.push_back(d);
  }
  for (const std::string& d : da) {
    if (std::find(db.begin(), db.end(), d) == db.end()) diff.HolidaysRemoved.push_back(d);
  }
}

void DiffApplications(const TTarifFile& a, const TTarifFile& b, TTarifDiff& diff) {
  auto find = [](const TTarifFile& f, const std::string& tapi) {
    return std::find_if(f.Applications.begin(), f.Applications.end(),
                        [&](const TAppEntry& e) { return e.TapiName == tapi; });
  };
  for (const TAppEntry& app : b.Applications) {
    const auto old = find(a, app.TapiName);
    if (old == a.Applications.end()) {
      diff.ApplicationsAdded.push_back(app);
    } else if (old->AppName != app.AppName) {
      diff.ApplicationsChanged.push_back({app.TapiName, app.TapiName, old->AppName, app.AppName});
    }
  }
  for (const TAppEntry& app : a.Applications) {
    if (find(b, app.TapiName) == b.Applications.end()) diff.ApplicationsRemoved.push_back(app);
  }
}

std::string ChangeText(const TFieldChange& c) {
  return c.Label + ": " + c.Old + " → " + c.New;
}

void ZoneLines(const TZoneDiff& z, std::vector<std::string>& lines) {
  const std::string& name = z.Change == TZoneChange::Added ? z.NewName : z.OldName;
  if (z.Change == TZoneChange::Added) lines.push_back("Tarifzone + " + z.NewName + " (" + z.NewKey + ")");
  if (z.Change == TZoneChange::Removed) lines.push_back("Tarifzone − " + z.OldName + " (" + z.OldKey + ")");
  if (z.Change == TZoneChange::Changed && z.OldName != z.NewName) {
    lines.push_back("Tarifzone " + z.OldName + " umbenannt in " + z.NewName);
  }
  if (z.Change == TZoneChange::Changed && z.OldKey != z.NewKey) {
    lines.push_back(name + ": Schlüssel " + z.OldKey + " → " + z.NewKey);
  }
  for (const TFieldChange& c : z.Fields) lines.push_back(name + ": " + ChangeText(c));
  for (TDayClass dayClass : kDayClasses) {
    const TListDiff& list = z.List(dayClass);
    const std::string prefix = name + ", " + DayClassName(dayClass) + ": ";
    for (const TTarifEntry& e : list.Removed) lines.push_back(prefix + "− " + EntryText(e));
    for (const TTarifEntry& e : list.Added) lines.push_back(prefix + "+ " + EntryText(e));
    for (const TEntryChange& c : list.Changed) {
      std::string line = prefix + c.Old.Name;
      const char* separator = ": ";
      for (const TFieldChange& f : EntryChanges(c.Old, c.New)) {
        line += separator + ChangeText(f);
        separator = "; ";
      }
      lines.push_back(line);
    }
  }
}

}  // namespace

bool TTarifDiff::Equal() const {
  return Options.empty() && HolidaysAdded.empty() && HolidaysRemoved.empty() && ApplicationsAdded.empty() &&
         ApplicationsRemoved.empty() && ApplicationsChanged.empty() && Zones.empty();
}

std::optional<double> PriceChangePercent(double oldPrice, double newPrice) {
  if (oldPrice == 0) return std::nullopt;
  // Two decimals: prices carry four, more would be noise.
  return std::round((newPrice - oldPrice) / oldPrice * 10000) / 100;
}

std::string PercentText(double percent) {
  char buffer[32];
  const double rounded = std::round(percent * 10) / 10;
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded,
                                    std::chars_format::fixed, 1);
  std::string number(buffer, result.ptr);
  const auto point = number.find('.');
  if (point != std::string::npos) number.replace(point, 1, Regional().DecimalSeparator);
  return (rounded > 0 ? "+" : "") + number + " %";
}

std::string EntryText(const TTarifEntry& entry) {
  return entry.Name + " " + TimeRange(entry) + ", " + DateRange(entry) + ", " +
         NumberText(entry.PricePerUnit);
}

std::vector<TFieldChange> EntryChanges(const TTarifEntry& a, const TTarifEntry& b) {
  std::vector<TFieldChange> changes;
  auto add = [&](const char* field, const char* label, const std::string& oldText,
                 const std::string& newText) {
    if (oldText != newText) changes.push_back({field, label, oldText, newText});
  };
  add("Name", "Tarifname", a.Name, b.Name);
  add("Time", "Zeit", TimeRange(a), TimeRange(b));
  add("Dates", "Gültig", DateRange(a), DateRange(b));
  add("Weekdays", "Wochentage", WeekdayDigits(a.Weekdays), WeekdayDigits(b.Weekdays));
  add("Takt", "Zeittakt", NumberText(a.Takt), NumberText(b.Takt));
  add("Units", "Einheiten", IntegerText(a.Units), IntegerText(b.Units));
  if (NumberText(a.PricePerUnit) != NumberText(b.PricePerUnit)) {
    const auto percent = PriceChangePercent(a.PricePerUnit, b.PricePerUnit);
    changes.push_back({"PricePerUnit", "Preis", NumberText(a.PricePerUnit),
                       NumberText(b.PricePerUnit) + (percent ? " (" + PercentText(*percent) + ")" : "")});
  }
  return changes;
}

TTarifDiff DiffTarifFiles(const TTarifFile& a, const TTarifFile& b) {
  TTarifDiff diff;
  diff.Options = FieldChanges(FileFields(), a, b);
  DiffHolidays(a, b, diff);
  DiffApplications(a, b, diff);
  const std::vector<int> pairOfA = PairZones(a, b);
  std::vector<bool> usedB(b.Zones.size(), false);
  for (std::size_t i = 0; i < a.Zones.size(); ++i) {
    if (pairOfA[i] < 0) {
      diff.Zones.push_back(WholeZone(a.Zones[i], TZoneChange::Removed));
      continue;
    }
    usedB[static_cast<std::size_t>(pairOfA[i])] = true;
    TZoneDiff zone = DiffZones(a.Zones[i], b.Zones[static_cast<std::size_t>(pairOfA[i])]);
    if (ZoneDiffers(zone)) diff.Zones.push_back(std::move(zone));
  }
  for (std::size_t j = 0; j < b.Zones.size(); ++j) {
    if (!usedB[j]) diff.Zones.push_back(WholeZone(b.Zones[j], TZoneChange::Added));
  }
  return diff;
}

std::vector<std::string> DiffLines(const TTarifDiff& diff) {
  std::vector<std::string> lines;
  for (const TFieldChange& c : diff.Options) lines.push_back("Optionen: " + ChangeText(c));
  for (const std::string& d : diff.HolidaysAdded) lines.push_back("Feiertage: + " + HolidayDisplay(d));
  for (const std::string& d : diff.HolidaysRemoved) lines.push_back("Feiertage: − " + HolidayDisplay(d));
  for (const TAppEntry& app : diff.ApplicationsAdded) {
    lines.push_back("Anwendungen: + " + app.TapiName + " (" + app.AppName + ")");
  }
  for (const TAppEntry& app : diff.ApplicationsRemoved) {
    lines.push_back("Anwendungen: − " + app.TapiName + " (" + app.AppName + ")");
  }
  for (const TFieldChange& c : diff.ApplicationsChanged) lines.push_back("Anwendungen: " + ChangeText(c));
  for (const TZoneDiff& zone : diff.Zones) ZoneLines(zone, lines);
  return lines;
}

}  // namespace dudode
