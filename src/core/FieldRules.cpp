#include "core/FieldRules.h"

#include <algorithm>

#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

bool IsSeparator(std::string_view text, std::size_t at, std::string_view sep) {
  return text[at] == '.' || text[at] == ',' || text.substr(at, sep.size()) == sep;
}

// Where the decimal separator starts, or npos.
std::size_t SeparatorAt(std::string_view text, std::string_view sep) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSeparator(text, i, sep)) return i;
  }
  return std::string_view::npos;
}

std::size_t DigitCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string TooManyDecimals(int decimals) {
  return decimals == 1 ? std::string("Höchstens eine Nachkommastelle erlaubt.")
                       : "Höchstens " + std::to_string(decimals) + " Nachkommastellen erlaubt.";
}

// The bound as the user writes it: no trailing zeros.
std::string BoundText(double x, int decimals, std::string_view sep) {
  std::string text = FixedText(x, decimals, sep);
  if (decimals > 0) {
    while (text.back() == '0') text.pop_back();
    if (text.size() >= sep.size() && std::string_view(text).substr(text.size() - sep.size()) == sep) {
      text.resize(text.size() - sep.size());
    }
  }
  return text;
}

}  // namespace

std::string NumberKeyRefusal(std::string_view before, std::string_view after, char32_t ch,
                             const TNumberFieldRule& rule, std::string_view sep) {
  const std::size_t sepBefore = SeparatorAt(before, sep);
  const std::size_t sepAfter = SeparatorAt(after, sep);
  if (ch >= U'0' && ch <= U'9') {
    if (sepBefore == std::string_view::npos) return {};
    const std::size_t decimals = DigitCount(before.substr(sepBefore)) + DigitCount(after) + 1;
    return decimals > static_cast<std::size_t>(rule.Decimals) ? TooManyDecimals(rule.Decimals)
                                                              : std::string();
  }
  const std::string sepText(sep);
  if (rule.Decimals > 0 &&
      (ch == U'.' || ch == U',' || (sep.size() == 1 && ch == static_cast<unsigned char>(sep[0])))) {
    if (sepBefore != std::string_view::npos || sepAfter != std::string_view::npos) {
      return "Nur Ziffern erlaubt. Die Angabe enthält bereits ein " + sepText + ".";
    }
    return DigitCount(after) > static_cast<std::size_t>(rule.Decimals) ? TooManyDecimals(rule.Decimals)
                                                                       : std::string();
  }
  if (ch == U'-' && rule.Minimum < 0 && before.empty() && (after.empty() || after.front() != '-')) return {};
  return rule.Decimals > 0 ? "Nur Ziffern und " + sepText + " erlaubt." : std::string("Nur Ziffern erlaubt.");
}

std::string NumberValueRefusal(std::string_view text, const TNumberFieldRule& rule, std::string_view sep) {
  double value = 0;
  const std::string trimmed = RemoveBlanks(text);
  const std::size_t at = SeparatorAt(trimmed, sep);
  const std::size_t decimals = at == std::string::npos ? 0 : DigitCount(std::string_view(trimmed).substr(at));
  if (ParseTypedNumber(text, sep, value) && value >= rule.Minimum && value <= rule.Maximum &&
      decimals <= static_cast<std::size_t>(std::max(0, rule.Decimals))) {
    return {};
  }
  const std::string range =
      BoundText(rule.Minimum, rule.Decimals, sep) + " bis " + BoundText(rule.Maximum, rule.Decimals, sep);
  if (rule.Decimals <= 0) return "Bitte geben Sie eine ganze Zahl von " + range + " ein.";
  return "Bitte geben Sie eine Zahl von " + range + " mit höchstens " + std::to_string(rule.Decimals) +
         (rule.Decimals == 1 ? " Nachkommastelle ein." : " Nachkommastellen ein.");
}

std::string UnstorableTextRefusal(std::string_view text) {
  std::string unstorable;
  int count = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const std::string_view character = text.substr(i, length);
    i += length;
    if (lead < 0x80 || Utf8ToCp1252(character) != "?") continue;
    if (unstorable.find(character) != std::string::npos) continue;
    unstorable += (count++ == 0 ? "" : " ") + std::string(character);
  }
  if (count == 0) return {};
  return count == 1
             ? "Das Zeichen " + unstorable + " kann nicht gespeichert werden. Bitte ersetzen Sie es."
             : "Die Zeichen " + unstorable + " können nicht gespeichert werden. Bitte ersetzen Sie sie.";
}

}  // namespace dudode
