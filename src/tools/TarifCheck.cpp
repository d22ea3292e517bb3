#include "tools/TarifCheck.h"

#include <vector>

#include "core/RegionalSettings.h"

namespace dudode {
namespace {

constexpr int kDaysIn1996[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// An entry with its validity dates turned into MMDD once, so that the walk
// does not rebuild them for each of its 52704 moments.
struct TPreparedEntry {
  bool EndOfList = false;
  bool Counts = false;
  std::string From;
  std::string To;
  std::uint32_t StartSec = 0;
  std::uint32_t EndSec = 0;
};

bool IsSpecialCode(const std::string& key) {
  return key == kCityWeekendCode || key == kCityPlusCode || key == kHolidayOnlyCode;
}

TPreparedEntry Prepare(const TTarifEntry& entry) {
  TPreparedEntry p;
  // An empty entry ends the list as far as the check is concerned.
  p.EndOfList = entry.Takt == 0 && entry.StartSec == 0 && entry.EndSec == 0 && entry.Name.empty();
  p.From = DateSortKey(entry.DateFrom);
  p.To = DateSortKey(entry.DateTo);
  p.Counts = entry.IsTariff() && !IsSpecialCode(p.From);
  p.StartSec = entry.StartSec;
  p.EndSec = entry.EndSec;
  return p;
}

std::vector<TPreparedEntry> PrepareList(const TTarifEntryList& entries) {
  std::vector<TPreparedEntry> prepared;
  prepared.reserve(entries.size());
  for (const auto& entry : entries) prepared.push_back(Prepare(entry));
  return prepared;
}

bool Covered(const std::vector<TPreparedEntry>& entries, std::string_view dateKey, std::uint32_t second) {
  for (const auto& e : entries) {
    if (e.EndOfList) return false;
    if (dateKey < e.From || dateKey > e.To) continue;
    if (!e.Counts) continue;
    if (e.StartSec <= second && second <= e.EndSec) return true;
  }
  return false;
}

std::string Two(int n) {
  return TwoDigitText(n);
}

}  // namespace

bool HasValidTariff(const TTarifEntryList& entries, std::string_view dateKey, std::uint32_t secondOfDay) {
  for (const auto& entry : entries) {
    const TPreparedEntry p = Prepare(entry);
    if (p.EndOfList) return false;
    if (dateKey < p.From || dateKey > p.To) continue;
    if (!p.Counts) continue;
    if (p.StartSec <= secondOfDay && secondOfDay <= p.EndSec) return true;
  }
  return false;
}

TCheckResult CheckTariffYear(const TTarifEntryList& werktag, const TTarifEntryList& saso,
                             const TCheckCallbacks& callbacks) {
  const std::vector<TPreparedEntry> w = PrepareList(werktag);
  const std::vector<TPreparedEntry> s = PrepareList(saso);
  auto cancelled = [&] { return callbacks.Cancelled && callbacks.Cancelled(); };
  TCheckResult result;
  char dateKey[5] = {};
  for (int month = 1; month <= 12; ++month) {
    if (cancelled()) return {TCheckOutcome::Cancelled, {}};
    if (callbacks.MonthStarted) callbacks.MonthStarted(month);
    for (int day = 1; day <= kDaysIn1996[month - 1]; ++day) {
      if (cancelled()) return {TCheckOutcome::Cancelled, {}};
      dateKey[0] = static_cast<char>('0' + month / 10);
      dateKey[1] = static_cast<char>('0' + month % 10);
      dateKey[2] = static_cast<char>('0' + day / 10);
      dateKey[3] = static_cast<char>('0' + day % 10);
      const std::string_view key(dateKey, 4);
      for (int hour = 0; hour < 24; ++hour) {
        if (cancelled()) return {TCheckOutcome::Cancelled, {}};
        for (int minute = 0; minute < 60; minute += 10) {
          if (cancelled()) return {TCheckOutcome::Cancelled, {}};
          const auto second = static_cast<std::uint32_t>(hour * 3600 + minute * 60);
          // The SaSo list decides; the Werktag list only names the gap.
          if (Covered(s, key, second)) continue;
          const TDayClass missing = Covered(w, key, second) ? TDayClass::SaSo : TDayClass::Werktag;
          result.Outcome = TCheckOutcome::Gap;
          result.Gap = {month, day, hour, minute, missing};
          return result;
        }
      }
    }
  }
  return result;
}

std::string GapMessage(const TTariffGap& gap) {
  const RegionalSettings& r = Regional();
  return "Es existiert kein gültiger Tarif für den " + Two(gap.Day) + r.DateSeparator + Two(gap.Month) +
         r.DateSeparator + " " + Two(gap.Hour) + r.TimeSeparator + Two(gap.Minute) + r.TimeSeparator + "00" +
         (gap.Missing == TDayClass::SaSo ? " Uhr - Sa./So./Feiertags" : " Uhr - Werktag") +
         ". Überprüfen Sie die Angaben!";
}

std::string CompleteMessage() {
  return "Alle geprüften Tarifangaben sind vollständig!";
}

std::string CheckCaption() {
  return "Dudode - Editor 3.10";
}

}  // namespace dudode
