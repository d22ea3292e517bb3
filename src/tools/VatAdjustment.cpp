#include "tools/VatAdjustment.h"

#include <cstdio>
#include <cstdlib>

#include "core/Values.h"

namespace dudode {
namespace {

bool ParseRate(const std::string& text, int& rate) {
  bool ok = false;
  const std::int32_t value = ParseInteger(text, &ok);
  if (!ok || value < 0 || value > 99) return false;
  rate = value;
  return true;
}

void AdjustList(TTarifEntryList& entries, int oldRate, int newRate) {
  for (auto& entry : entries) entry.PricePerUnit = AdjustPrice(entry.PricePerUnit, oldRate, newRate);
}

}  // namespace

double AdjustPrice(double price, int oldRate, int newRate) {
  // The tax in extended precision, the net and gross prices as doubles.
  const long double tax = static_cast<long double>(price) * oldRate / (oldRate + 100);
  const double net = static_cast<double>(static_cast<long double>(price) - tax);
  const double gross = static_cast<double>(static_cast<long double>(newRate) * net / 100 + net);
  // Four decimals by way of the text, whose rounding is exact and takes the
  // even digit on a tie.
  char text[512];
  std::snprintf(text, sizeof text, "%.4f", gross);
  return std::strtod(text, nullptr) + 0.0;
}

void AdjustVat(TTarifFile& document, int oldRate, int newRate,
               const std::function<void(int percent)>& progress) {
  const long long last = static_cast<long long>(document.Zones.size()) - 1;
  for (TDayClass dayClass : kDayClasses) {
    if (progress) progress(0);
    for (std::size_t i = 0; i < document.Zones.size(); ++i) {
      if (progress && i % 2 == 0) progress(Percent(static_cast<long long>(i), 0, last));
      AdjustList(document.Zones[i].Entries(dayClass), oldRate, newRate);
    }
  }
  document.BaseConnectPrice = AdjustPrice(document.BaseConnectPrice, oldRate, newRate);
  document.Price = AdjustPrice(document.Price, oldRate, newRate);
  document.Modified = true;
}

TVatOutcome RunVatAdjustment(TTarifFile& document, const std::string& oldRateText,
                             const std::string& newRateText,
                             const std::function<void(int percent)>& progress) {
  if (oldRateText == newRateText) return TVatOutcome::NothingToDo;
  int oldRate = 0;
  int newRate = 0;
  if (!ParseRate(oldRateText, oldRate) || !ParseRate(newRateText, newRate)) return TVatOutcome::InvalidRate;
  AdjustVat(document, oldRate, newRate, progress);
  return TVatOutcome::Adjusted;
}

std::string VatNothingToDoMessage() {
  return "Nichts zu tun!";
}

std::string VatInvalidRateMessage() {
  return "Bitte geben Sie die Umsatzsteuer als ganze Zahl von 0 bis 99 an.";
}

std::string VatDoneMessage() {
  return "Die Gebühren wurden neu berechnet!\rÜberprüfen Sie nun unbedingt die Richtigkeit der "
         "Tarifangaben!";
}

}  // namespace dudode
