#include "providers/Provider.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "core/Values.h"
#include "providers/StableSort.h"

namespace dudode {
namespace {

// Below 100 hours a time's key has two digits for the hours.
constexpr int kMaxKeySeconds = 100 * 3600;

std::int32_t RoundToInt32(double x) {
  const double r = std::nearbyint(x);
  if (!(r >= std::numeric_limits<std::int32_t>::min())) return std::numeric_limits<std::int32_t>::min();
  if (r > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

}  // namespace

std::string ProviderLimitMessage() {
  return "Es kann kein Provider aufgenommen werden, da das Maximum von " + std::to_string(kMaxProviders) +
         " Providern damit überschritten würde!";
}

std::string ProviderEntryLimitMessage() {
  return "Es kann kein Providertarif hinzugefügt werden, damit würde das Maximum von " +
         std::to_string(kMaxProviderEntries) + " Tarifen überschritten!";
}

std::string SortKey(const TProviderEntry& entry) {
  std::string key(2 * TimeTextLongBytes() + 1, '\0');
  char* p = PutTimeTextLong(key.data(), static_cast<std::uint32_t>(entry.StartSec));
  *p++ = ' ';
  p = PutTimeTextLong(p, static_cast<std::uint32_t>(entry.EndSec));
  key.resize(static_cast<std::size_t>(p - key.data()));
  return key;
}

void SortProviderEntries(TProviderEntryList& entries) {
  std::erase_if(entries, [](const TProviderEntry& entry) { return entry.Takt == 0; });
  // Keys of two-digit hours and a one-byte separator have the same width:
  // their order is that of the times, and no key needs to be built. A file
  // holds tens of thousands of entries.
  const bool sameWidth =
      Regional().TimeSeparator.size() == 1 && std::all_of(entries.begin(), entries.end(), [](const auto& e) {
        return e.StartSec >= 0 && e.StartSec < kMaxKeySeconds && e.EndSec >= 0 && e.EndSec < kMaxKeySeconds;
      });
  if (!sameWidth) {
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const TProviderEntry& entry : entries) keys.push_back(SortKey(entry));
    StableSortParallel(entries, keys);
    return;
  }
  auto less = [](const TProviderEntry& a, const TProviderEntry& b) {
    return a.StartSec != b.StartSec ? a.StartSec < b.StartSec : a.EndSec < b.EndSec;
  };
  if (!std::is_sorted(entries.begin(), entries.end(), less))
    std::stable_sort(entries.begin(), entries.end(), less);
}

std::string NewProviderKey(std::string_view name, const TProviderList& providers) {
  const std::string prefix = KeyLetters(TrimBlanks(LeftChars(name, 4)));
  for (long long counter = 1;; ++counter) {
    std::string number = std::to_string(counter);
    if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
    const std::string key = prefix + number;
    bool taken = false;
    for (const auto& provider : providers) {
      if (EqualsNoCase(provider.Key, key)) {
        taken = true;
        break;
      }
    }
    if (!taken) return key;
  }
}

TProviderOptionsForm FormFromOptions(const TProviderOptions& options, double currencyBase) {
  TProviderOptionsForm form;
  form.FreeHours = options.FreeHours;
  form.FreeHoursCosts = options.FreeHoursCosts / currencyBase;
  form.Holiday2431 = options.Holiday2431;
  form.BaseAmount = options.BaseAmount / currencyBase;
  form.NoCostsFrom = options.NoCostsFrom <= 0 ? 0 : options.NoCostsFrom / currencyBase;
  form.EntryTiming = options.Timing <= 0 || options.MinConnectTime <= 0;
  if (!form.EntryTiming) {
    form.Timing = options.Timing;
    form.MinConnectTime = options.MinConnectTime;
  }
  form.CostsPerDay = options.CostsPerDay > 0 ? options.CostsPerDay / currencyBase : 0;
  form.BaseConnectPrice = options.BaseConnectPrice / currencyBase;
  form.FreeHoursRanges = options.FreeHoursRanges;
  form.FreeHoursPerDay = options.FreeHoursPerDay;
  form.ISDNDoubleCosts = options.ISDNDoubleCosts;
  return form;
}

TProviderOptions OptionsFromForm(const TProviderOptionsForm& form, double currencyBase) {
  TProviderOptions options;
  options.FreeHours = form.FreeHours;
  options.FreeHoursCosts = form.FreeHoursCosts * currencyBase;
  options.Holiday2431 = form.Holiday2431;
  options.BaseAmount = RoundToInt32(form.BaseAmount * currencyBase);
  options.BaseConnectPrice = std::nearbyint(form.BaseConnectPrice * currencyBase);
  options.FreeHoursPerDay = form.FreeHoursPerDay;
  options.ISDNDoubleCosts = form.ISDNDoubleCosts;
  options.NoCostsFrom = form.NoCostsFrom * currencyBase;
  if (options.NoCostsFrom <= 0) options.NoCostsFrom = -1;
  if (!form.EntryTiming && form.Timing > 0 && form.MinConnectTime > 0) {
    options.Timing = form.Timing;
    options.MinConnectTime = form.MinConnectTime;
  } else {
    options.Timing = -1;
    options.MinConnectTime = -1;
  }
  options.CostsPerDay = form.CostsPerDay * currencyBase;
  options.FreeHoursRanges = form.FreeHoursRanges;
  return options;
}

}  // namespace dudode
