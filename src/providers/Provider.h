#pragma once
// The tariffs of online providers as held in memory: one record per provider
// with its options and its Werktag and Sa./So./Feiertag entry lists.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Values.h"

namespace dudode {

// A time window in which the included free hours may be used.
struct TFreeHoursRange {
  TDaySet Days = 0;
  std::int32_t StartSec = 0;
  // The minute entered, at second 0: unlike tariff entries no 59 is added.
  std::int32_t EndSec = 0;
  double Takt = 0;
};
using TFreeHoursRangeArray = std::vector<TFreeHoursRange>;

// Money fields are scaled by the currency base (cents with the default 100).
struct TProviderOptions {
  std::int32_t FreeHours = 0;  // seconds
  double FreeHoursCosts = 0;
  bool Holiday2431 = true;
  std::int32_t BaseAmount = 0;
  double NoCostsFrom = -1;     // -1: no monthly cap
  double Timing = -1;          // -1: bill in the entries' intervals
  double MinConnectTime = -1;  // -1: none
  double CostsPerDay = 0;
  double BaseConnectPrice = 0;
  TFreeHoursRangeArray FreeHoursRanges;  // empty: at any time
  bool FreeHoursPerDay = false;
  bool ISDNDoubleCosts = false;

  bool operator==(const TProviderOptions&) const = default;
};

struct TProviderEntry {
  std::int32_t StartSec = 0;
  std::int32_t EndSec = 0;  // the end minute plus 59 seconds
  double Takt = 0;          // 0: no entry; the sort drops it
  double Price = 0;         // currency units, not scaled
};
using TProviderEntryList = std::vector<TProviderEntry>;

struct TProvider {
  std::string Key;
  // The display name, with blanks; the file holds it with "_" for blanks.
  std::string Name;
  TProviderOptions Options;
  TProviderEntryList WerktagEntries;
  TProviderEntryList SaSoEntries;
};
using TProviderList = std::vector<TProvider>;

inline bool operator==(const TFreeHoursRange& a, const TFreeHoursRange& b) {
  return a.Days == b.Days && a.StartSec == b.StartSec && a.EndSec == b.EndSec && a.Takt == b.Takt;
}

// The provider files of the program directory.
inline constexpr std::string_view kMainProviderFile = "Provider.ini";
inline constexpr std::string_view kUserProviderFile = "UserProv.ini";

// The editor takes at most this many providers (the reader accepts one more
// PROVIDER line, as older files may hold it).
inline constexpr int kMaxProviders = 1024;
inline constexpr int kMaxProviderLines = 1025;
// Entries per day class through the editor; the reader takes one more.
inline constexpr int kMaxProviderEntries = 20;
inline constexpr int kMaxProviderEntriesRead = 21;
inline constexpr int kMaxProviderNameChars = 100;
inline constexpr int kDefaultCurrencyBase = 100;

// Shown when the editor refuses to add a provider at the limit.
std::string ProviderLimitMessage();
// Shown when the editor refuses a 21st entry of a day class.
std::string ProviderEntryLimitMessage();

// The text an entry is sorted by: its start and end time as HH:MM:SS (the
// regional time separator), joined by a blank.
std::string SortKey(const TProviderEntry& entry);
// Drops entries whose Takt is 0 and sorts the list by the entries' SortKey,
// compared byte by byte; entries with equal keys keep their order.
void SortProviderEntries(TProviderEntryList& entries);

// A new provider key: up to four key letters of the name and a counter of at
// least four digits, the first one no provider has in any case (NETZ0001):
// the file store matches section names without regard to case.
std::string NewProviderKey(std::string_view name, const TProviderList& providers);

// Money as the provider dialog shows it (currency units) and as the model and
// the file hold it (scaled by the currency base).
struct TProviderOptionsForm {
  std::int32_t FreeHours = 0;  // seconds
  double FreeHoursCosts = 0;
  bool Holiday2431 = true;
  double BaseAmount = 0;
  double NoCostsFrom = 0;  // 0: no cap
  // The "bills in the entered interval" box: Timing and MinConnectTime unused.
  bool EntryTiming = true;
  double Timing = 0;
  double MinConnectTime = 0;
  double CostsPerDay = 0;
  double BaseConnectPrice = 0;
  TFreeHoursRangeArray FreeHoursRanges;
  bool FreeHoursPerDay = false;
  bool ISDNDoubleCosts = false;
};

TProviderOptionsForm FormFromOptions(const TProviderOptions& options,
                                     double currencyBase = kDefaultCurrencyBase);
TProviderOptions OptionsFromForm(const TProviderOptionsForm& form,
                                 double currencyBase = kDefaultCurrencyBase);

}  // namespace dudode
