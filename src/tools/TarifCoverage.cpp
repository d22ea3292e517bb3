#include "tools/TarifCoverage.h"

#include <algorithm>
#include <string_view>

#include "core/RegionalSettings.h"
#include "zones/GridTexts.h"

namespace dudode {
namespace {

constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The date keys of the year in day order; as fixed-width digits they are
// sorted both as numbers and as texts.
const std::array<std::string, kYearDays>& DateKeys() {
  static const std::array<std::string, kYearDays> keys = [] {
    std::array<std::string, kYearDays> k;
    for (int day = 0; day < kYearDays; ++day) {
      const TYearDate date = DateOfDay(day);
      k[static_cast<std::size_t>(day)] = TwoDigitText(date.Month) + TwoDigitText(date.Day);
    }
    return k;
  }();
  return keys;
}

TSlotMask SlotRange(std::uint32_t startSec, std::uint32_t endSec) {
  TSlotMask mask{};
  const std::uint64_t first = (std::uint64_t{startSec} + kSlotSeconds - 1) / kSlotSeconds;
  const std::uint64_t last = std::min<std::uint64_t>(endSec / kSlotSeconds, kDaySlots - 1);
  for (std::uint64_t s = first; s <= last; ++s) mask[s / 64] |= std::uint64_t{1} << (s % 64);
  return mask;
}

bool HasSlot(const TSlotMask& mask, int slot) {
  return (mask[static_cast<std::size_t>(slot / 64)] >> (slot % 64)) & 1u;
}

}  // namespace

bool IsSpecialDateCode(const std::string& dateKey) {
  return dateKey == kCityWeekendCode || dateKey == kCityPlusCode || dateKey == kHolidayOnlyCode;
}

bool EndsEntryList(const TTarifEntry& entry) {
  return entry.Takt == 0 && entry.StartSec == 0 && entry.EndSec == 0 && entry.Name.empty();
}

int DaysInMonth(int month) {
  return kDaysInMonth[month - 1];
}

TYearDate DateOfDay(int day) {
  int month = 0;
  while (month < 11 && day >= kDaysInMonth[month]) day -= kDaysInMonth[month++];
  return {month + 1, day + 1};
}

std::string DayText(int day) {
  const TYearDate date = DateOfDay(day);
  const std::string& sep = Regional().DateSeparator;
  return TwoDigitText(date.Day) + sep + TwoDigitText(date.Month) + sep;
}

std::string SlotText(int slot) {
  return TwoDigitText(slot / 6) + Regional().TimeSeparator + TwoDigitText(slot % 6 * 10);
}

std::string SlotEndText(int slot) {
  const int minute = slot * 10 + 9;
  return TwoDigitText(minute / 60) + Regional().TimeSeparator + TwoDigitText(minute % 60);
}

// The walk compares a date key with the entry's rearranged dates as texts,
// whatever they hold; the days that pass both tests form one range.
void EntryDayRange(const TTarifEntry& entry, int& firstDay, int& lastDay) {
  const auto& keys = DateKeys();
  const std::string from = DateSortKey(entry.DateFrom);
  const std::string to = DateSortKey(entry.DateTo);
  const auto first = std::lower_bound(keys.begin(), keys.end(), from,
                                      [](const std::string& key, const std::string& f) { return key < f; });
  const auto end = std::upper_bound(keys.begin(), keys.end(), to,
                                    [](const std::string& t, const std::string& key) { return key > t; });
  firstDay = static_cast<int>(first - keys.begin());
  lastDay = static_cast<int>(end - keys.begin()) - 1;
}

int DayOfDate(std::string_view date) {
  const auto& keys = DateKeys();
  const auto it = std::find(keys.begin(), keys.end(), DateSortKey(date));
  return it == keys.end() ? -1 : static_cast<int>(it - keys.begin());
}

TListCoverage::TListCoverage(const TTarifEntryList& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TTarifEntry& entry = entries[i];
    if (EndsEntryList(entry)) break;
    if (!entry.IsTariff()) continue;
    TSpan span;
    span.Index = static_cast<int>(i);
    span.Slots = SlotRange(entry.StartSec, entry.EndSec);
    if (IsSpecialDateCode(DateSortKey(entry.DateFrom))) {
      specials_.push_back(span);
      continue;
    }
    EntryDayRange(entry, span.FirstDay, span.LastDay);
    if (span.FirstDay > span.LastDay) continue;
    spans_.push_back(span);
    for (int day = span.FirstDay; day <= span.LastDay; ++day) {
      TSlotMask& slots = days_[Index(day)];
      for (std::size_t w = 0; w < slots.size(); ++w) slots[w] |= span.Slots[w];
    }
  }
}

TSlotState TListCoverage::State(int day, int slot) const {
  if (Covered(day, slot)) return TSlotState::Covered;
  return SpecialEntry(slot) >= 0 ? TSlotState::SpecialOnly : TSlotState::Gap;
}

int TListCoverage::CoveringEntry(int day, int slot) const {
  for (const TSpan& span : spans_) {
    if (day >= span.FirstDay && day <= span.LastDay && HasSlot(span.Slots, slot)) return span.Index;
  }
  return -1;
}

int TListCoverage::SpecialEntry(int slot) const {
  for (const TSpan& span : specials_) {
    if (HasSlot(span.Slots, slot)) return span.Index;
  }
  return -1;
}

int TListCoverage::ShownEntry(int day, int slot) const {
  const int index = CoveringEntry(day, slot);
  return index >= 0 ? index : SpecialEntry(slot);
}

std::string SlotDescription(const TTarifEntryList& entries, const TListCoverage& coverage, int day,
                            int slot) {
  const std::string moment = DayText(day) + " " + SlotText(slot) + " Uhr: ";
  const int index = coverage.ShownEntry(day, slot);
  if (index < 0) return moment + "kein gültiger Tarif";
  const TTarifEntry& entry = entries[static_cast<std::size_t>(index)];
  const TTarifGridRow cells = EntryCellTexts(entry);
  return moment + (coverage.Covered(day, slot) ? "" : "nur Sondertarif ") + entry.Name + " (" +
         TimeText(entry.StartSec) + "–" + TimeText(entry.EndSec) + ", " + cells[5] + ", " + cells[6] + ")";
}

std::vector<TGapRange> GapRanges(const TListCoverage& coverage) {
  std::vector<TGapRange> done;
  std::vector<TGapRange> open;  // blocks that reach the day before
  for (int day = 0; day < kYearDays; ++day) {
    std::vector<TGapRange> next;
    for (int slot = 0; slot < kDaySlots;) {
      if (coverage.Covered(day, slot)) {
        ++slot;
        continue;
      }
      int last = slot;
      while (last + 1 < kDaySlots && !coverage.Covered(day, last + 1)) ++last;
      const auto same = std::find_if(open.begin(), open.end(), [&](const TGapRange& r) {
        return r.FirstSlot == slot && r.LastSlot == last;
      });
      if (same != open.end()) {
        same->LastDay = day;
        next.push_back(*same);
        open.erase(same);
      } else {
        next.push_back({day, day, slot, last});
      }
      slot = last + 1;
    }
    done.insert(done.end(), open.begin(), open.end());
    open = std::move(next);
  }
  done.insert(done.end(), open.begin(), open.end());
  std::sort(done.begin(), done.end(), [](const TGapRange& a, const TGapRange& b) {
    return a.FirstDay != b.FirstDay ? a.FirstDay < b.FirstDay : a.FirstSlot < b.FirstSlot;
  });
  return done;
}

std::string GapRangeText(const TGapRange& range) {
  const std::string days = range.FirstDay == range.LastDay
                               ? DayText(range.FirstDay)
                               : DayText(range.FirstDay) + "–" + DayText(range.LastDay);
  const int lastMinute = range.LastSlot * 10 + 9;
  const std::string end =
      TwoDigitText(lastMinute / 60) + Regional().TimeSeparator + TwoDigitText(lastMinute % 60);
  return days + ", " + SlotText(range.FirstSlot) + "–" + end;
}

}  // namespace dudode
