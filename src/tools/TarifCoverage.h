#pragma once
// How one entry list covers the year: for each day of the walked year (1996,
// with 29 February) and each 10-minute step of the day, whether an entry
// applies, by the same rules as the completeness walk. Built per day from
// day ranges and slot bitmaps, so that a whole year costs microseconds.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

inline constexpr int kYearDays = 366;
inline constexpr int kDaySlots = 144;  // 10-minute steps of one day
inline constexpr std::uint32_t kSlotSeconds = 600;

// Bit s stands for the moment s × 10 minutes after midnight.
using TSlotMask = std::array<std::uint64_t, 3>;

// Special tariffs (CityWeekend, CityPlus, holidays only) by their rearranged
// DateFrom; the check never counts them.
bool IsSpecialDateCode(const std::string& dateKey);
// An empty entry ends the list as far as the check is concerned.
bool EndsEntryList(const TTarifEntry& entry);
// Days of a month (1 to 12) in the walked year.
int DaysInMonth(int month);

struct TYearDate {
  int Month = 1;
  int Day = 1;
};

// Day 0 is 1 January; day 59 is 29 February.
TYearDate DateOfDay(int day);
// "24.12." with the regional date separator.
std::string DayText(int day);
// "18:30" with the regional time separator.
std::string SlotText(int slot);
// The last minute of a step: "18:39" for the step at 18:30.
std::string SlotEndText(int slot);

// The days an entry's validity dates hold as the walk reads them (its
// rearranged dates compared as texts); none when firstDay > lastDay, as for a
// window across the new year.
void EntryDayRange(const TTarifEntry& entry, int& firstDay, int& lastDay);
// The day of a DDMM date (date separators allowed); -1 when it is no day of the year.
int DayOfDate(std::string_view date);

enum class TSlotState {
  Gap,
  Covered,
  SpecialOnly,  // only a special tariff (holidays, CityWeekend, CityPlus), which the check ignores
};

class TListCoverage {
 public:
  explicit TListCoverage(const TTarifEntryList& entries);

  bool Covered(int day, int slot) const { return (days_[Index(day)][Word(slot)] >> (slot % 64)) & 1u; }
  const TSlotMask& DaySlots(int day) const { return days_[Index(day)]; }
  TSlotState State(int day, int slot) const;
  // Index in the list of the entry the walk finds first for that moment;
  // -1 when none covers it.
  int CoveringEntry(int day, int slot) const;
  // Index of the first special tariff whose time window holds the slot; -1 when none.
  int SpecialEntry(int slot) const;
  // The covering entry, else the special tariff; -1 when none.
  int ShownEntry(int day, int slot) const;

 private:
  struct TSpan {
    int Index = 0;
    int FirstDay = 0;
    int LastDay = -1;
    TSlotMask Slots{};
  };
  static std::size_t Index(int day) { return static_cast<std::size_t>(day); }
  static std::size_t Word(int slot) { return static_cast<std::size_t>(slot / 64); }

  std::vector<TSpan> spans_;     // entries that count, in list order
  std::vector<TSpan> specials_;  // special tariffs, in list order
  std::array<TSlotMask, kYearDays> days_{};
};

// "24.12. 18:30 Uhr: Tag (06:00–23:59, 01.01. / 31.12., 0,0600 €)", or that
// no tariff or only a special tariff applies.
std::string SlotDescription(const TTarifEntryList& entries, const TListCoverage& coverage, int day, int slot);

// An uncovered block of one list: the same steps missing on consecutive days.
struct TGapRange {
  int FirstDay = 0;
  int LastDay = 0;
  int FirstSlot = 0;
  int LastSlot = 0;

  bool operator==(const TGapRange&) const = default;
};

// Every uncovered step of the list, merged into blocks, ordered by first day
// and first step.
std::vector<TGapRange> GapRanges(const TListCoverage& coverage);
// "01.07.–31.12., 06:00–23:59": the last step is shown to its last minute.
std::string GapRangeText(const TGapRange& range);

}  // namespace dudode
