#pragma once
// The completeness check of a zone: every moment of one year in 10-minute
// steps must be covered by a tariff entry.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/TarifFile.h"
#include "tools/TarifCoverage.h"

namespace dudode {

// Whether the list holds an entry that applies at that moment. dateKey is
// MMDD; special tariffs (CityWeekend, CityPlus, holidays only) never count.
bool HasValidTariff(const TTarifEntryList& entries, std::string_view dateKey, std::uint32_t secondOfDay);

// The first moment without a tariff. Werktag: neither list has one; SaSo:
// only the Werktag list has one.
struct TTariffGap {
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  TDayClass Missing = TDayClass::Werktag;

  bool operator==(const TTariffGap&) const = default;
};

enum class TCheckOutcome { Complete, Gap, Cancelled };

struct TCheckResult {
  TCheckOutcome Outcome = TCheckOutcome::Complete;
  TTariffGap Gap;  // with TCheckOutcome::Gap
};

struct TCheckCallbacks {
  // Asked before every month, day, hour and minute step; true ends the walk.
  std::function<bool()> Cancelled;
  // Told when a month begins (1 to 12), before its steps are tested: the
  // dialog shows the month and lets pending events run there.
  std::function<void(int month)> MonthStarted;
};

// Walks 1996 (a leap year: 29 February is tested) from 1 January 00:00 in
// 10-minute steps and stops at the first moment the SaSo list does not cover.
TCheckResult CheckTariffYear(const TTarifEntryList& werktag, const TTarifEntryList& saso,
                             const TCheckCallbacks& callbacks = {});
// The same walk over coverage already built.
TCheckResult CheckTariffYear(const TListCoverage& werktag, const TListCoverage& saso,
                             const TCheckCallbacks& callbacks = {});

// "Es existiert kein gültiger Tarif für den 24.12. 18:30:00 Uhr - Werktag. ..."
// with the separators of the regional settings.
std::string GapMessage(const TTariffGap& gap);
std::string CompleteMessage();
// Caption of the check's messages.
std::string CheckCaption();

// "Überprüfung der Tarife für Tarifzone City".
std::string CheckDialogCaption(const TKeyAndName& zone);
// The message that ends a walk; a cancelled walk ends silently.
void ReportCheckResult(const TCheckResult& result);

// Shows the check dialog for a zone with its caption.
using TCheckDialogRunner = std::function<void(const TKeyAndName& zone, const std::string& caption)>;
// The command: the current zone is checked; without one the user is told.
void CheckZoneCommand(const TTarifFile& document, int zoneIndex, const TCheckDialogRunner& runDialog);

}  // namespace dudode
