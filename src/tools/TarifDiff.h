#pragma once
// What changed from one tariff document to another: file texts and options,
// holidays, applications, zones (matched by key, then by name) and per zone
// and list the entries added, removed and changed.
#include <optional>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

// One changed value, shown as text. Field is the member name (for scripts),
// Label the German caption.
struct TFieldChange {
  std::string Field;
  std::string Label;
  std::string Old;
  std::string New;
};

struct TEntryChange {
  TTarifEntry Old;
  TTarifEntry New;
};

struct TListDiff {
  std::vector<TTarifEntry> Added;
  std::vector<TTarifEntry> Removed;
  std::vector<TEntryChange> Changed;

  bool Empty() const { return Added.empty() && Removed.empty() && Changed.empty(); }
};

enum class TZoneChange { Added, Removed, Changed };

struct TZoneDiff {
  TZoneChange Change = TZoneChange::Changed;
  std::string OldKey;  // empty for an added zone
  std::string NewKey;  // empty for a removed zone
  std::string OldName;
  std::string NewName;
  std::vector<TFieldChange> Fields;
  TListDiff Werktag;
  TListDiff SaSo;

  const TListDiff& List(TDayClass dayClass) const { return dayClass == TDayClass::Werktag ? Werktag : SaSo; }
  TListDiff& List(TDayClass dayClass) { return dayClass == TDayClass::Werktag ? Werktag : SaSo; }
};

struct TTarifDiff {
  std::vector<TFieldChange> Options;
  std::vector<std::string> HolidaysAdded;  // DDMM
  std::vector<std::string> HolidaysRemoved;
  std::vector<TAppEntry> ApplicationsAdded;
  std::vector<TAppEntry> ApplicationsRemoved;
  std::vector<TFieldChange> ApplicationsChanged;  // Field: the TAPI name
  std::vector<TZoneDiff> Zones;                   // only zones that differ, A's order, then B's new ones

  bool Equal() const;
};

TTarifDiff DiffTarifFiles(const TTarifFile& a, const TTarifFile& b);

// Change of a price in per cent; none when the old price is 0.
std::optional<double> PriceChangePercent(double oldPrice, double newPrice);
// "+3,0 %" with the regional decimal separator.
std::string PercentText(double percent);
// "Tag 06:00–23:59, 01.01.–31.12., 0.0600"
std::string EntryText(const TTarifEntry& entry);
// What differs between two versions of an entry.
std::vector<TFieldChange> EntryChanges(const TTarifEntry& oldEntry, const TTarifEntry& newEntry);

// The report, one line per change.
std::vector<std::string> DiffLines(const TTarifDiff& diff);

}  // namespace dudode
