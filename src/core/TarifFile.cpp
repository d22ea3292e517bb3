#include "core/TarifFile.h"

#include <utility>

#include "core/Text.h"

namespace dudode {

std::string TKeyAndName::MenuCaption() const {
  return UnderscoreToBlank(DisplayName);
}

void TKeyAndName::SetMenuCaption(const std::string& caption) {
  DisplayName = BlankToUnderscore(caption);
}

std::string TKeyAndName::IndexName() const {
  return BlankToUnderscore(MenuCaption());
}

void TKeyAndName::CopyZoneValuesToEntries() {
  for (TDayClass dayClass : kDayClasses) {
    for (TTarifEntry& entry : Entries(dayClass)) {
      entry.CalcTakt = CalcTakt;
      entry.FirstSecond = FirstSecond;
      entry.ZoneConnectPrice = ConnectPrice;
      entry.ZoneMonthlyFee = MonthlyFee;
    }
  }
}

void TTarifFile::Clear() {
  std::string fileName = std::move(FileName);
  *this = TTarifFile{};
  FileName = std::move(fileName);
}

std::vector<std::string> TTarifFile::ZoneKeys() const {
  std::vector<std::string> keys;
  keys.reserve(Zones.size());
  for (const TKeyAndName& zone : Zones) keys.push_back(zone.Key);
  return keys;
}

int TTarifFile::FindZone(const std::string& key) const {
  for (std::size_t i = 0; i < Zones.size(); ++i) {
    if (EqualsNoCase(Zones[i].Key, key)) return static_cast<int>(i);
  }
  return -1;
}

bool TTarifFile::AnyTenPlusActive() const {
  for (const TKeyAndName& zone : Zones) {
    if (zone.TenPlusActive) return true;
  }
  return false;
}

bool NeedsName(const TTarifFile& document) {
  return !IsUsableDescription(document.Description);
}

bool IsUsableDescription(const std::string& name) {
  return !name.empty() && name != kUnknownDescription;
}

std::string EntrySortKey(const TTarifEntry& entry) {
  std::string key = DateSortKey(entry.DateFrom) + " " + DateSortKey(entry.DateTo) + " " +
                    TimeTextLong(entry.StartSec) + " " + TimeTextLong(entry.EndSec);
  return LeftChars(key, kMaxSortKeyChars);
}

namespace {

// Hoare-style quicksort on the middle element's key. std::string compares
// byte by byte (as unsigned char), and a prefix is smaller.
void QuickSort(TTarifEntryList& list, std::ptrdiff_t left, std::ptrdiff_t right) {
  std::ptrdiff_t i = left;
  std::ptrdiff_t j = right;
  const std::string pivot = list[static_cast<std::size_t>((left + right) / 2)].SortKey;
  do {
    while (list[static_cast<std::size_t>(i)].SortKey < pivot) ++i;
    while (list[static_cast<std::size_t>(j)].SortKey > pivot) --j;
    if (i <= j) {
      std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (left < j) QuickSort(list, left, j);
  if (i < right) QuickSort(list, i, right);
}

}  // namespace

void SortEntryList(TTarifEntryList& list) {
  std::erase_if(list, [](const TTarifEntry& entry) { return !entry.IsTariff(); });
  for (TTarifEntry& entry : list) entry.SortKey = EntrySortKey(entry);
  if (list.size() > 1) QuickSort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
}

}  // namespace dudode
