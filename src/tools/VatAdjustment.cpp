#include "tools/VatAdjustment.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/MessageBox.h"
#include "core/Values.h"

namespace dudode {
namespace {

// Prices beyond this are no prices but broken data; they stay as they were.
constexpr double kMaxPrice = 1e12;

// The decimal digits of |x| as the shortest text that reads back as x, and the
// power of ten of the last digit: x = ±digits × 10^exponent.
void ShortestDecimal(double x, std::vector<int>& digits, int& exponent) {
  char buffer[64];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(res.ptr - buffer));
  const std::size_t e = text.find('e');
  int fractionDigits = 0;
  bool afterPoint = false;
  for (char c : text.substr(0, e)) {
    if (c == '.') {
      afterPoint = true;
    } else {
      digits.push_back(c - '0');
      if (afterPoint) ++fractionDigits;
    }
  }
  const std::string_view exp = text.substr(e + 1);
  int power = 0;
  std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), power);
  exponent = power - fractionDigits;
}

// price × numerator / denominator rounded to four decimals, an exact tie to
// the even digit, as text: the price's shortest decimal text times the
// numerator, divided by long division, so no binary rounding comes between.
std::string ExactTenThousandths(double price, int numerator, int denominator) {
  std::vector<int> digits;
  int exponent = 0;
  ShortestDecimal(price, digits, exponent);
  int carry = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    carry += *it * numerator;
    *it = carry % 10;
    carry /= 10;
  }
  for (; carry > 0; carry /= 10) digits.insert(digits.begin(), carry % 10);
  // In ten-thousandths: whole digits to divide, the rest a fraction below one.
  exponent += 4;
  if (exponent > 0) digits.insert(digits.end(), static_cast<std::size_t>(exponent), 0);
  const std::size_t fractionLength = exponent < 0 ? static_cast<std::size_t>(-exponent) : 0;
  if (digits.size() < fractionLength) digits.insert(digits.begin(), fractionLength - digits.size(), 0);
  const auto wholeEnd = digits.end() - static_cast<std::ptrdiff_t>(fractionLength);
  std::string quotient;
  int remainder = 0;
  for (auto it = digits.begin(); it != wholeEnd; ++it) {
    remainder = remainder * 10 + *it;
    if (!quotient.empty() || remainder >= denominator)
      quotient += static_cast<char>('0' + remainder / denominator);
    remainder %= denominator;
  }
  if (quotient.empty()) quotient = "0";
  // The part left over is (remainder + 0.fraction) / denominator: compare it
  // with one half.
  const bool fractionZero = std::all_of(wholeEnd, digits.end(), [](int d) { return d == 0; });
  const int gap = denominator - 2 * remainder;
  int versusHalf = -1;  // -1 below, 0 a tie, 1 above
  if (gap < 0) {
    versusHalf = 1;
  } else if (gap == 0) {
    versusHalf = fractionZero ? 0 : 1;
  } else if (gap == 1 && wholeEnd != digits.end()) {
    const bool restZero = std::all_of(wholeEnd + 1, digits.end(), [](int d) { return d == 0; });
    versusHalf = *wholeEnd > 5 || (*wholeEnd == 5 && !restZero) ? 1 : (*wholeEnd == 5 ? 0 : -1);
  }
  const bool odd = (quotient.back() - '0') % 2 == 1;
  if (versusHalf > 0 || (versusHalf == 0 && odd)) {
    std::size_t i = quotient.size();
    while (i > 0 && quotient[i - 1] == '9') quotient[--i] = '0';
    if (i == 0) {
      quotient.insert(quotient.begin(), '1');
    } else {
      ++quotient[i - 1];
    }
  }
  const bool zero = quotient.find_first_not_of('0') == std::string::npos;
  if (quotient.size() < 5) quotient.insert(0, 5 - quotient.size(), '0');
  quotient.insert(quotient.size() - 4, ".");
  return (price < 0 && !zero ? "-" : "") + quotient;
}

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
  // What cannot be stored stays as it is, for the caller to refuse.
  const double estimate = price * (100 + newRate) / (100 + oldRate);
  if (!std::isfinite(estimate) || std::fabs(estimate) > kMaxPrice) return estimate;
  return ParseNumber(ExactTenThousandths(price, 100 + newRate, 100 + oldRate)) + 0.0;
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
