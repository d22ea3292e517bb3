#pragma once
// Recomputing every price of a tariff document for a new VAT rate.
#include <functional>
#include <optional>
#include <string>

#include "core/TarifFile.h"

namespace dudode {

// p × (100 + newRate) / (100 + oldRate) rounded to four decimals, an exact tie
// to the even digit. p counts as the decimal number its shortest text shows
// (0.145, not the binary double next to it), and the arithmetic is exact.
double AdjustPrice(double price, int oldRate, int newRate);

// Every PricePerUnit of every zone (first all Werktag lists in zone order, then
// all SaSo lists), then BaseConnectPrice and Price; sets Modified. A price
// whose result would not be finite or above 10^12 stays as it was, and a
// message tells how many stayed. Zone
// connection prices and monthly fees stay. progress gets the percentage the
// dialog's bar shows: 0, then at every even zone index of each pass.
void AdjustVat(TTarifFile& document, int oldRate, int newRate,
               const std::function<void(int percent)>& progress = {});

// The VAT rates, in whole per cent, that the dialog's spin buttons, its fields
// and the command line accept.
inline constexpr int kMinUstRate = 1;
inline constexpr int kMaxUstRate = 99;

// A rate field's text as a rate; none when it is no whole number in that range.
std::optional<int> ParseUstRate(const std::string& text);

enum class TVatOutcome { NothingToDo, InvalidRate, Adjusted };

// The dialog's computation on the texts of its two rate fields: equal texts do
// nothing; a text that is not a whole number from kMinUstRate to kMaxUstRate
// changes nothing.
TVatOutcome RunVatAdjustment(TTarifFile& document, const std::string& oldRateText,
                             const std::string& newRateText,
                             const std::function<void(int percent)>& progress = {});

std::string VatNothingToDoMessage();
std::string VatInvalidRateMessage();
std::string VatDoneMessage();
std::string VatLeftAloneMessage(int count);

}  // namespace dudode
