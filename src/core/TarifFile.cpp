#include "core/TarifFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"

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

TFileStamp CurrentFileStamp(const TTarifFile& document) {
  const std::string& dir = ProgramDirectory();
  return FileStampOf(dir + FindNameNoCase(dir, document.FileName));
}

bool ChangedOnDisk(const TTarifFile& document) {
  return !document.FileName.empty() && CurrentFileStamp(document) != document.LoadedStamp;
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

namespace {

// Built in the key's own room where it fits, as it does unless the
// separators are long. The separators are passed in: a sort builds thousands
// of keys.
void BuildSortKey(const TTarifEntry& entry, std::string_view dateSep, std::string_view timeSep,
                  TSortKey& key) {
  const std::size_t room = entry.DateFrom.size() + entry.DateTo.size() + 2 * (24 + 2 * timeSep.size()) + 3;
  std::string large;
  if (room > TSortKey::kCapacity) large.resize(room);
  char* const begin = large.empty() ? key.Buffer() : large.data();
  char* p = PutDateSortKey(begin, entry.DateFrom, dateSep);
  *p++ = ' ';
  p = PutDateSortKey(p, entry.DateTo, dateSep);
  *p++ = ' ';
  p = PutTimeTextLong(p, entry.StartSec, timeSep);
  *p++ = ' ';
  p = PutTimeTextLong(p, entry.EndSec, timeSep);
  const std::string_view built(begin, static_cast<std::size_t>(p - begin));
  // No more bytes than the limit: no more characters either. Where the limit
  // falls in plain ASCII, bytes are characters.
  const std::size_t size = built.size() <= kMaxSortKeyChars         ? built.size()
                           : AsciiPrefix(built) >= kMaxSortKeyChars ? kMaxSortKeyChars
                                                                    : CharOffset(built, kMaxSortKeyChars);
  if (large.empty()) {
    key.Resize(size);
  } else {
    key.Assign(built.substr(0, size));
  }
}

void BuildSortKey(const TTarifEntry& entry, TSortKey& key) {
  const RegionalSettings& regional = Regional();
  BuildSortKey(entry, regional.DateSeparator, regional.TimeSeparator, key);
}

}  // namespace

void TSortKey::Assign(std::string_view text) {
  if (text.size() > kCapacity) {
    // Back to the start of the character the cut would split.
    std::size_t end = kCapacity;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text = text.substr(0, end);
  }
  std::memcpy(bytes_, text.data(), text.size());
  size_ = static_cast<std::uint8_t>(text.size());
}

std::string EntrySortKey(const TTarifEntry& entry) {
  TSortKey key;
  BuildSortKey(entry, key);
  return std::string(key.View());
}

void SortEntryList(TTarifEntryList& list) {
  std::erase_if(list, [](const TTarifEntry& entry) { return !entry.IsTariff(); });
  const RegionalSettings& regional = Regional();
  for (TTarifEntry& entry : list)
    BuildSortKey(entry, regional.DateSeparator, regional.TimeSeparator, entry.SortKey);
  // Stable, so that entries with equal keys keep their order and a file saved
  // twice gives the same bytes.
  auto less = [](const TTarifEntry& a, const TTarifEntry& b) { return a.SortKey < b.SortKey; };
  // Files are written sorted, so most lists read are sorted already.
  if (!std::is_sorted(list.begin(), list.end(), less)) std::stable_sort(list.begin(), list.end(), less);
}

}  // namespace dudode
