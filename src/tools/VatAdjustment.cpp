#include "tools/VatAdjustment.h"

#include <cmath>

#include "core/MessageBox.h"
#include "core/Values.h"

namespace dudode {
namespace {

// Prices beyond this are no prices but broken data; they stay as they were.
constexpr double kMaxPrice = 1e12;

// Adjusts price unless the result could not be stored and read back as the
// same value; counts the prices left alone.
void Adjust(double& price, int oldRate, int newRate, int& leftAlone) {
  const double adjusted = AdjustPrice(price, oldRate, newRate);
  if (!std::isfinite(adjusted) || std::fabs(adjusted) > kMaxPrice) {
    ++leftAlone;
    return;
  }
  price = adjusted;
}

void AdjustList(TTarifEntryList& entries, int oldRate, int newRate, int& leftAlone) {
  for (auto& entry : entries) Adjust(entry.PricePerUnit, oldRate, newRate, leftAlone);
}

}  // namespace

double AdjustPrice(double price, int oldRate, int newRate) {
  // The tax in extended precision, the net and gross prices as doubles.
  const long double tax = static_cast<long double>(price) * oldRate / (oldRate + 100);
  const double net = static_cast<double>(static_cast<long double>(price) - tax);
  const double gross = static_cast<double>(static_cast<long double>(newRate) * net / 100 + net);
  // What cannot be stored stays as it is, for the caller to refuse.
  if (!std::isfinite(gross) || std::fabs(gross) > kMaxPrice) return gross;
  // Four decimals by way of the text, whose rounding is exact and takes the
  // even digit on a tie; the text never depends on the locale.
  return ParseNumber(NumberText(gross)) + 0.0;
}

void AdjustVat(TTarifFile& document, int oldRate, int newRate,
               const std::function<void(int percent)>& progress) {
  const long long last = static_cast<long long>(document.Zones.size()) - 1;
  int leftAlone = 0;
  for (TDayClass dayClass : kDayClasses) {
    if (progress) progress(0);
    for (std::size_t i = 0; i < document.Zones.size(); ++i) {
      if (progress && i % 2 == 0) progress(Percent(static_cast<long long>(i), 0, last));
      AdjustList(document.Zones[i].Entries(dayClass), oldRate, newRate, leftAlone);
    }
  }
  Adjust(document.BaseConnectPrice, oldRate, newRate, leftAlone);
  Adjust(document.Price, oldRate, newRate, leftAlone);
  document.Modified = true;
  if (leftAlone > 0) ShowMessageBox(VatLeftAloneMessage(leftAlone), "", mkWarnung, mbOK);
}

std::optional<int> ParseUstRate(const std::string& text) {
  bool ok = false;
  const std::int32_t value = ParseInteger(text, &ok);
  if (!ok || value < kMinUstRate || value > kMaxUstRate) return std::nullopt;
  return value;
}

TVatOutcome RunVatAdjustment(TTarifFile& document, const std::string& oldRateText,
                             const std::string& newRateText,
                             const std::function<void(int percent)>& progress) {
  if (oldRateText == newRateText) return TVatOutcome::NothingToDo;
  const std::optional<int> oldRate = ParseUstRate(oldRateText);
  const std::optional<int> newRate = ParseUstRate(newRateText);
  if (!oldRate || !newRate) return TVatOutcome::InvalidRate;
  AdjustVat(document, *oldRate, *newRate, progress);
  return TVatOutcome::Adjusted;
}

std::string VatNothingToDoMessage() {
  return "Nichts zu tun!";
}

std::string VatInvalidRateMessage() {
  return "Bitte geben Sie die Umsatzsteuer als ganze Zahl von " + std::to_string(kMinUstRate) + " bis " +
         std::to_string(kMaxUstRate) + " an.";
}

std::string VatLeftAloneMessage(int count) {
  return std::to_string(count) + (count == 1
                                      ? " Preis ist zu groß für die Umrechnung und bleibt unverändert."
                                      : " Preise sind zu groß für die Umrechnung und bleiben unverändert.");
}

std::string VatDoneMessage() {
  return "Die Gebühren wurden neu berechnet!\rÜberprüfen Sie nun unbedingt die Richtigkeit der "
         "Tarifangaben!";
}

}  // namespace dudode
