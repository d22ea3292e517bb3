#include "tools/TarifCheck.h"

#include <vector>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"

namespace dudode {
namespace {

std::string Two(int n) {
  return TwoDigitText(n);
}

}  // namespace

bool HasValidTariff(const TTarifEntryList& entries, std::string_view dateKey, std::uint32_t secondOfDay) {
  for (const auto& entry : entries) {
    if (EndsEntryList(entry)) return false;
    const std::string from = DateSortKey(entry.DateFrom);
    if (dateKey < from || dateKey > DateSortKey(entry.DateTo)) continue;
    if (!entry.IsTariff() || IsSpecialDateCode(from)) continue;
    if (entry.StartSec <= secondOfDay && secondOfDay <= entry.EndSec) return true;
  }
  return false;
}

TCheckResult CheckTariffYear(const TTarifEntryList& werktag, const TTarifEntryList& saso,
                             const TCheckCallbacks& callbacks) {
  return CheckTariffYear(TListCoverage(werktag), TListCoverage(saso), callbacks);
}

TCheckResult CheckTariffYear(const TListCoverage& werktag, const TListCoverage& saso,
                             const TCheckCallbacks& callbacks) {
  auto cancelled = [&] { return callbacks.Cancelled && callbacks.Cancelled(); };
  TCheckResult result;
  int day = 0;
  for (int month = 1; month <= 12; ++month) {
    if (cancelled()) return {TCheckOutcome::Cancelled, {}};
    if (callbacks.MonthStarted) callbacks.MonthStarted(month);
    for (int dayOfMonth = 1; dayOfMonth <= DaysInMonth(month); ++dayOfMonth, ++day) {
      if (cancelled()) return {TCheckOutcome::Cancelled, {}};
      for (int hour = 0; hour < 24; ++hour) {
        if (cancelled()) return {TCheckOutcome::Cancelled, {}};
        for (int minute = 0; minute < 60; minute += 10) {
          if (cancelled()) return {TCheckOutcome::Cancelled, {}};
          const int slot = hour * 6 + minute / 10;
          // The SaSo list decides; the Werktag list only names the gap.
          if (saso.Covered(day, slot)) continue;
          const TDayClass missing = werktag.Covered(day, slot) ? TDayClass::SaSo : TDayClass::Werktag;
          result.Outcome = TCheckOutcome::Gap;
          result.Gap = {month, dayOfMonth, hour, minute, missing};
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

std::string CheckDialogCaption(const TKeyAndName& zone) {
  return "Überprüfung der Tarife für Tarifzone " + zone.MenuCaption();
}

void ReportCheckResult(const TCheckResult& result) {
  if (result.Outcome == TCheckOutcome::Gap)
    ShowMessageBox(GapMessage(result.Gap), CheckCaption(), mkFehler, mbOK);
  if (result.Outcome == TCheckOutcome::Complete) {
    ShowMessageBox(CompleteMessage(), CheckCaption(), mkInformation, mbOK);
  }
}

void CheckZoneCommand(const TTarifFile& document, int zoneIndex, const TCheckDialogRunner& runDialog) {
  if (zoneIndex < 0 || static_cast<std::size_t>(zoneIndex) >= document.Zones.size()) {
    ShowMessageBox("Bitte legen Sie eine Tarifzone an oder wählen Sie eine Tarifzone aus!", CheckCaption(),
                   mkFehler, mbOK);
    return;
  }
  const TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  runDialog(zone, CheckDialogCaption(zone));
}

}  // namespace dudode
