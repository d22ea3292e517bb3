#include "core/Values.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/Clock.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"

namespace dudode {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = what.empty() ? std::string_view::npos : text.find(what, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(with);
    pos = hit + what.size();
  }
  out.append(text.substr(pos));
  return out;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Four ASCII digits read as one word: the value, or -1 when any is not a
// digit. Amounts carry four decimals and dates four digits.
int FourDigits(const char* p) {
  if constexpr (std::endian::native != std::endian::little) {
    int value = 0;
    for (int i = 0; i < 4; ++i) {
      if (!IsDigit(p[i])) return -1;
      value = value * 10 + (p[i] - '0');
    }
    return value;
  } else {
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    // Every byte 0x30-0x39: its top half is 3, and adding 6 keeps it so.
    if ((word & 0xF0F0F0F0u) != 0x30303030u || ((word + 0x06060606u) & 0xF0F0F0F0u) != 0x30303030u) return -1;
    word -= 0x30303030u;
    // Pairs first (bytes 0 and 2 each hold two digits), then the two pairs.
    word = (word * 10 + (word >> 8)) & 0x00FF00FFu;
    return static_cast<int>((word & 0xFFu) * 100 + (word >> 16));
  }
}

// A separator with a digit could stand inside a date of digits.
bool HasDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), IsDigit);
}

// At least two digits, with a leading zero below 10; returns the end.
char* PutTwoDigits(char* out, long long n) {
  if (n >= 0 && n <= 99) {
    *out++ = static_cast<char>('0' + n / 10);
    *out++ = static_cast<char>('0' + n % 10);
    return out;
  }
  return std::to_chars(out, out + 24, n).ptr;
}

// "00" to "99", for writing two digits at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// "0000" to "9999", and four bytes of room after the last for a copy of
// four bytes that starts inside it.
constexpr std::array<char, 40004> kDigitQuads = [] {
  std::array<char, 40004> quads{};
  for (int n = 0; n < 10000; ++n) {
    quads[static_cast<std::size_t>(4 * n)] = static_cast<char>('0' + n / 1000);
    quads[static_cast<std::size_t>(4 * n + 1)] = static_cast<char>('0' + n / 100 % 10);
    quads[static_cast<std::size_t>(4 * n + 2)] = static_cast<char>('0' + n / 10 % 10);
    quads[static_cast<std::size_t>(4 * n + 3)] = static_cast<char>('0' + n % 10);
  }
  return quads;
}();

// The last count digits of value (zeros in front where it has fewer), written
// so that they end at end.
void PutDigitsBefore(char* end, std::uint64_t value, int count) {
  for (; count >= 2; count -= 2, value /= 100) {
    end -= 2;
    std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
  }
  if (count == 1) end[-1] = static_cast<char>('0' + value % 10);
}

// The common case of Fixed without the general conversion: a modest number
// whose scaled value is clearly not halfway between two whole numbers, so that
// rounding the product gives what rounding the exact value gives. Returns the
// end of the text, or nullptr without writing anything.
// The number of decimals is a constant here, so that the divisions by its
// power of ten become multiplications.
template <int decimals>
char* FastFixed(double x, char* out) {
  static constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  static constexpr std::uint64_t kPowers[] = {1,       10,       100,       1000,       10000,      100000,
                                              1000000, 10000000, 100000000, 1000000000, 10000000000};
  if (!(std::fabs(x) < 1e9)) return nullptr;
  const double scaled = std::fabs(x) * kScale[decimals];
  // Below 2^53 the whole part converts exactly, and cutting off the fraction
  // of a positive number is rounding it down (without a call of floor).
  const auto floored = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(floored);
  // The product is off by at most half a unit in its last place.
  if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50 + 0x1p-60) return nullptr;
  const std::uint64_t n = floored + (fraction > 0.5 ? 1 : 0);
  const std::uint64_t whole = n / kPowers[decimals];
  // Written forwards into place: a copy of digits built elsewhere would cost more.
  if (std::signbit(x)) *out++ = '-';
  if (whole < 10000) {
    // One table step; the copy is four bytes whatever the count, well within
    // the caller's room, and the end moves on by the digits that count.
    const int wholeDigits = whole < 10 ? 1 : whole < 100 ? 2 : whole < 1000 ? 3 : 4;
    std::memcpy(out, kDigitQuads.data() + 4 * whole + (4 - wholeDigits), 4);
    out += wholeDigits;
  } else {
    int wholeDigits = 5;
    while (wholeDigits < 10 && whole >= kPowers[wholeDigits]) ++wholeDigits;
    out += wholeDigits;
    PutDigitsBefore(out, whole, wholeDigits);
  }
  if constexpr (decimals == 4) {
    // The amounts of the files: four decimals, one table step.
    *out++ = '.';
    std::memcpy(out, kDigitQuads.data() + 4 * (n % 10000), 4);
    out += 4;
  } else if constexpr (decimals > 0) {
    *out++ = '.';
    out += decimals;
    PutDigitsBefore(out, n % kPowers[decimals], decimals);
  }
  return out;
}

char* FastFixed(double x, int decimals, char* out) {
  static constexpr char* (*kForDecimals[])(double, char*) = {
      FastFixed<0>, FastFixed<1>, FastFixed<2>, FastFixed<3>, FastFixed<4>, FastFixed<5>, FastFixed<6>};
  return decimals >= 0 && decimals <= 6 ? kForDecimals[decimals](x, out) : nullptr;
}

// "123.4567" without the general conversion: up to 15 digits are exact in a
// double, and so are the powers of ten up to 10^22, so one division rounds
// as the exact conversion does.
bool FastDecimal(std::string_view s, double& value) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = s.data();
  const char* const end = p + s.size();
  std::uint64_t digits = 0;  // wraps past 19 digits, but then more than 15 were seen
  for (; p != end && IsDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
  const auto whole = static_cast<std::size_t>(p - s.data());
  std::size_t decimals = 0;
  if (p != end && *p == '.') {
    const char* const first = ++p;
    for (; p != end && IsDigit(*p); ++p) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    decimals = static_cast<std::size_t>(p - first);
  }
  if (p != end || whole + decimals == 0 || whole + decimals > 15) return false;
  value = static_cast<double>(digits) / kPowers[decimals];
  return true;
}

// Fixed-point text without any locale: snprintf would follow LC_NUMERIC.
// Writes at most kNumberTextBytes bytes.
char* PutFixed(char* out, double x, int decimals) {
  if (char* end = FastFixed(x, decimals, out)) return end;
  const auto res = std::to_chars(out, out + kNumberTextBytes, x, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) {
    *out = '0';
    return out + 1;
  }
  return res.ptr;
}

std::string Fixed(double x, int decimals) {
  char buf[kNumberTextBytes];
  return std::string(buf, PutFixed(buf, x, decimals));
}

std::string PadLeft(std::string text, std::size_t width, char fill) {
  if (text.size() < width) text.insert(0, width - text.size(), fill);
  return text;
}

std::string GroupDigits(std::string_view digits, const std::string& separator) {
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

std::string Clean(std::string_view text) {
  std::string out(text);
  CleanInPlace(out);
  return out;
}

std::string_view CleanView(std::string_view text, std::string& scratch) {
  text = text.substr(0, text.find(';'));
  if (text.find(' ') == std::string_view::npos) return text;
  scratch.assign(text);
  std::erase(scratch, ' ');
  return scratch;
}

void CleanInPlace(std::string& text) {
  text.resize(std::min(text.find(';'), text.size()));
  std::erase(text, ' ');
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Copies the runs between the blanks whole.
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t blank = std::min(text.find(' ', pos), text.size());
    out.append(text.substr(pos, blank - pos));
    pos = blank + 1;
  }
  return out;
}

std::string BlankToUnderscore(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), ' ', '_');
  return out;
}
std::string UnderscoreToBlank(std::string_view text) {
  std::string out(text);
  // Texts are short and often hold several underscores: one plain pass beats
  // a library search for each.
  for (char& c : out) c = c == '_' ? ' ' : c;
  return out;
}
std::string RemoveAmpersand(std::string_view text) {
  return ReplaceAll(text, "&", "");
}

std::string CapitalizeGerman(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  out = ReplaceAll(out, "ä", "Ä");
  out = ReplaceAll(out, "ü", "Ü");
  return ReplaceAll(out, "ö", "Ö");
}

std::string KeyLetters(std::string_view text) {
  // Work on 1252 bytes: every character is one byte there.
  std::string bytes = Utf8ToCp1252(CapitalizeGerman(text));
  for (char& c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0xC4 || b == 0xE4) {
      c = 'A';
    } else if (b == 0xDC || b == 0xFC) {
      c = 'U';
    } else if (b == 0xD6 || b == 0xF6) {
      c = 'O';
    } else if (b == 0xDF) {
      c = 'S';
    } else if (!(c >= 'A' && c <= 'Z')) {
      c = 'A';
    }
  }
  return bytes;  // pure ASCII now
}

double ParseNumber(std::string_view text, bool* ok) {
  // The amounts the files hold: up to four whole digits and four decimals.
  if (const std::size_t n = text.size(); n >= 6 && n <= 9 && text[n - 5] == '.' && IsDigit(text[0])) {
    int whole = 0;
    std::size_t i = 0;
    for (; IsDigit(text[i]); ++i) whole = whole * 10 + (text[i] - '0');
    if (const int decimals = FourDigits(text.data() + n - 4); i == n - 5 && decimals >= 0) {
      if (ok) *ok = true;
      return static_cast<double>(whole * 10000 + decimals) / 1e4;
    }
  }
  if (ok) *ok = false;
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // Only plain decimal numbers, optionally with an exponent: no inf, nan or hex.
  if (s.empty() || !(IsDigit(s.front()) || s.front() == '.')) return 0;
  if (double fast = 0; FastDecimal(s, fast)) {
    if (ok) *ok = true;
    return negative ? -fast : fast;
  }
  double value = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value)) return 0;
  if (ok) *ok = true;
  return negative ? -value : value;
}

std::int32_t ParseInteger(std::string_view text, bool* ok) {
  if (ok) *ok = false;
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || !IsDigit(s.front())) return 0;
  long long value = 0;
  for (char c : s) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  if (ok) *ok = true;
  return static_cast<std::int32_t>(value);
}

std::int32_t LeadingInteger(std::string_view text) {
  std::size_t n = 0;
  if (n < text.size() && (text[n] == '+' || text[n] == '-')) ++n;
  while (n < text.size() && IsDigit(text[n])) ++n;
  bool ok = false;
  const std::int32_t value = ParseInteger(text.substr(0, n), &ok);
  return ok ? value : 0;
}

TParsedTime ParseTime(std::string_view text) {
  // Hours are characters 1-2 and minutes 4-5; the character between is not looked at.
  if (text.size() >= 5 && IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[3]) && IsDigit(text[4])) {
    // The usual "HH:MM": four digits need no general integer reading.
    const std::uint32_t hours = static_cast<std::uint32_t>((text[0] - '0') * 10 + (text[1] - '0'));
    const std::uint32_t minutes = static_cast<std::uint32_t>((text[3] - '0') * 10 + (text[4] - '0'));
    if (hours > 23 || minutes > 59) return {};
    return {hours * 3600 + minutes * 60, true};
  }
  auto part = [&](std::size_t first, bool& ok) -> long long {
    std::string_view s = first < text.size() ? text.substr(first, 2) : std::string_view();
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);  // like a leading blank in a number
    const std::int32_t v = ParseInteger(s, &ok);
    return v < 0 ? -static_cast<long long>(v) : v;
  };
  bool okHours = false;
  bool okMinutes = false;
  const long long hours = part(0, okHours);
  const long long minutes = part(3, okMinutes);
  if (!okHours || !okMinutes || hours > 23 || minutes > 59) return {};
  const long long seconds = hours * 3600 + minutes * 60;
  if (seconds > 86399) return {};
  return {static_cast<std::uint32_t>(seconds), true};
}

// "HH:MM:SS" with the given separator; returns the end.
char* PutTimeTextLong(char* buf, std::uint32_t seconds, std::string_view sep) {
  const std::uint32_t hours = seconds / 3600;
  if (hours <= 99 && sep.size() == 1) {
    const std::uint32_t minutes = seconds / 60 % 60;
    const std::uint32_t rest = seconds % 60;
    std::memcpy(buf, kDigitPairs + 2 * hours, 2);
    buf[2] = sep[0];
    std::memcpy(buf + 3, kDigitPairs + 2 * minutes, 2);
    buf[5] = sep[0];
    std::memcpy(buf + 6, kDigitPairs + 2 * rest, 2);
    return buf + 8;
  }
  // Byte by byte: the separator is a character or two, too short for a library copy.
  auto putSeparator = [&sep](char* p) {
    for (char c : sep) *p++ = c;
    return p;
  };
  char* p = putSeparator(PutTwoDigits(buf, seconds / 3600));
  p = putSeparator(PutTwoDigits(p, seconds / 60 % 60));
  return PutTwoDigits(p, seconds % 60);
}

std::size_t TimeTextLongBytes() {
  return 24 + 2 * Regional().TimeSeparator.size();
}

char* PutTimeTextLong(char* out, std::uint32_t seconds) {
  return PutTimeTextLong(out, seconds, Regional().TimeSeparator);
}

std::string TimeTextLong(std::uint32_t seconds) {
  std::string out(TimeTextLongBytes(), '\0');
  out.resize(static_cast<std::size_t>(PutTimeTextLong(out.data(), seconds) - out.data()));
  return out;
}

namespace {

// The first five characters of the long time text, for any separator.
char* PutTimeTextCut(char* out, std::uint32_t seconds, const std::string& sep) {
  std::string longText;
  char buf[80];
  std::string_view text;
  if (sep.size() <= 16) {
    text = std::string_view(buf, static_cast<std::size_t>(PutTimeTextLong(buf, seconds, sep) - buf));
  } else {
    longText = TimeTextLong(seconds);
    text = longText;
  }
  // Five characters of at most four bytes each.
  for (char c : text.substr(0, CharOffset(text, 5))) *out++ = c;
  return out;
}

}  // namespace

char* PutTimeText(char* out, std::uint32_t seconds) {
  const std::string& sep = Regional().TimeSeparator;
  if (seconds / 3600 > 99 || sep.size() != 1 || static_cast<unsigned char>(sep[0]) >= 0x80)
    return PutTimeTextCut(out, seconds, sep);
  // Five one-byte characters: "HH:MM".
  std::memcpy(out, kDigitPairs + 2 * (seconds / 3600), 2);
  out[2] = sep[0];
  std::memcpy(out + 3, kDigitPairs + 2 * (seconds / 60 % 60), 2);
  return out + 5;
}

std::string TimeText(std::uint32_t seconds) {
  char buf[kTimeTextBytes];
  return std::string(buf, PutTimeText(buf, seconds));
}

std::uint32_t ParseTimeText(std::string_view text) {
  const std::string s = RemoveBlanks(text);
  const std::string& sep = Regional().TimeSeparator;
  long long parts[3] = {0, 0, 0};
  std::size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    std::size_t end = (i < 2 && !sep.empty()) ? s.find(sep, pos) : std::string::npos;
    const std::string_view piece = std::string_view(s).substr(
        std::min(pos, s.size()), end == std::string::npos ? std::string::npos : end - pos);
    parts[i] = LeadingInteger(piece);
    if (end == std::string::npos) break;
    pos = end + sep.size();
  }
  const long long total = parts[0] * 3600 + parts[1] * 60 + parts[2];
  return total < 0 ? 0 : static_cast<std::uint32_t>(total);
}

bool IsDateCode(std::string_view text) {
  return text.size() == 4 && FourDigits(text.data()) >= 0;
}

char* PutStrippedDate(char* out, std::string_view text) {
  const std::string& sep = Regional().DateSeparator;
  if (IsDateCode(text) && !HasDigit(sep)) {
    // The usual DDMM: nothing to strip.
    std::memcpy(out, text.data(), 4);
    return out + 4;
  }
  if (sep.size() == 1) {
    for (char c : text) {
      if (c != sep[0]) *out++ = c;
    }
    return out;
  }
  std::size_t pos = 0;
  auto put = [&out](std::string_view part) {
    for (char c : part) *out++ = c;
  };
  if (!sep.empty()) {
    for (std::size_t hit; (hit = text.find(sep, pos)) != std::string_view::npos; pos = hit + sep.size())
      put(text.substr(pos, hit - pos));
  }
  put(text.substr(pos));
  return out;
}

std::string StripDateSeparator(std::string_view text) {
  std::string out(text.size(), '\0');
  out.resize(static_cast<std::size_t>(PutStrippedDate(out.data(), text) - out.data()));
  return out;
}

char* PutDateSortKey(char* out, std::string_view text) {
  return PutDateSortKey(out, text, Regional().DateSeparator);
}

char* PutDateSortKey(char* out, std::string_view text, std::string_view sep) {
  if (IsDateCode(text) && !HasDigit(sep)) {
    // The usual DDMM gives MMDD.
    const char mmdd[] = {text[2], text[3], text[0], text[1]};
    std::memcpy(out, mmdd, 4);
    return out + 4;
  }
  auto put = [&out](std::string_view part) {
    for (char c : part) *out++ = c;
  };
  bool plain = sep.size() == 1 && text.size() <= 8;
  for (std::size_t i = 0; plain && i < text.size(); ++i)
    plain = static_cast<unsigned char>(text[i]) < 0x80 && text[i] != sep[0];
  if (plain || (IsAscii(text) && (sep.empty() || text.find(sep) == std::string_view::npos))) {
    // Every character one byte and nothing to strip.
    put(text.substr(std::min<std::size_t>(4, text.size()), 4));
    put(text.substr(std::min<std::size_t>(2, text.size()), 2));
    put(text.substr(0, 2));
    return out;
  }
  const std::string t = StripDateSeparator(text);
  put(MidChars(t, 4, 4));
  put(MidChars(t, 2, 2));
  put(MidChars(t, 0, 2));
  return out;
}

std::string DateSortKey(std::string_view text) {
  std::string out(text.size(), '\0');
  out.resize(static_cast<std::size_t>(PutDateSortKey(out.data(), text) - out.data()));
  return out;
}

std::string DateDisplay(std::string_view text) {
  const std::string& sep = Regional().DateSeparator;
  if (!sep.empty() && text.find(sep) != std::string_view::npos) return std::string(text);
  if (CharCount(text) < 2) return std::string(text);
  std::string out = LeftChars(text, 2) + sep;
  const std::string rest = MidChars(text, 2);
  if (CharCount(rest) < 2) return out + rest;
  return out + LeftChars(rest, 2) + sep + MidChars(rest, 2);
}

std::string HolidayDisplay(std::string_view text) {
  const std::string four = LeftChars(PadLeft(std::string(text), 4, '0'), 4);
  const std::string& sep = Regional().DateSeparator;
  return LeftChars(four, 2) + sep + MidChars(four, 2, 2) + sep;
}

std::string FileDateText(const TDateTime& today) {
  return TwoDigitText(today.Month) + "/" + TwoDigitText(today.Day) + "/" + FourDigitText(today.Year);
}

std::string FileDateDisplay(std::string_view text) {
  const std::string& sep = Regional().DateSeparator;
  return MidChars(text, 3, 2) + sep + MidChars(text, 0, 2) + sep + MidChars(text, 6);
}

TDaySet ParseWeekdays(std::string_view text) {
  TDaySet set = 0;
  for (char c : text) {
    if (c >= '1' && c <= '8') set |= DayBit(c - '0');
  }
  return set;
}

char* PutWeekdayDigits(char* out, TDaySet set) {
  for (int d = 1; d <= 8; ++d) {
    if (HasDay(set, d)) *out++ = static_cast<char>('0' + d);
  }
  return out;
}

std::string WeekdayDigits(TDaySet set) {
  char digits[8];
  return std::string(digits, PutWeekdayDigits(digits, set));
}

std::string WeekdayNames(TDaySet set) {
  static const struct {
    int code;
    const char* name;
  } kOrder[] = {{2, "Mo "}, {3, "Di "}, {4, "Mi "}, {5, "Do "},
                {6, "Fr "}, {7, "Sa "}, {1, "So "}, {8, "Fei"}};
  std::string out;
  for (const auto& day : kOrder) {
    if (HasDay(set, day.code)) out += day.name;
  }
  return out;
}

TRelationSet ParseRelations(std::string_view text) {
  std::string s = RemoveBlanks(text);
  if (const auto open = s.find('['); open != std::string::npos) s.erase(open, 1);
  if (const auto close = s.find(']'); close != std::string::npos) s.erase(close, 1);
  TRelationSet set = 0;
  std::size_t pos = 0;
  while (pos <= s.size()) {
    std::size_t comma = s.find(',', pos);
    if (comma == std::string::npos) comma = s.size();
    bool ok = false;
    const std::int32_t n = ParseInteger(std::string_view(s).substr(pos, comma - pos), &ok);
    // Items that are not a number of the set are ignored.
    if (ok && n >= 0 && n <= 15) set |= static_cast<TRelationSet>(1u << n);
    pos = comma + 1;
  }
  return set;
}

std::string RelationsText(TRelationSet set) {
  std::string out = "[";
  bool first = true;
  for (int n = 0; n <= 10; ++n) {
    if (set & (1u << n)) {
      if (!first) out += ",";
      out += std::to_string(n);
      first = false;
    }
  }
  return out + "]";
}

char* PutNumberText(char* out, double x) {
  return PutFixed(out, x, 4);
}

bool WritesAsZero(double x) {
  // Four decimals hold every finite amount from a thousandth up.
  if (std::isfinite(x) && std::fabs(x) >= 0.001) return false;
  char buf[kNumberTextBytes];
  return ParseNumber(std::string_view(buf, static_cast<std::size_t>(PutNumberText(buf, x) - buf))) == 0;
}

std::string NumberText(double x) {
  return Fixed(x, 4);
}

std::string FixedText(double x, int decimals, std::string_view decimalSeparator) {
  std::string text = Fixed(x, decimals);
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, decimalSeparator);
  return text;
}

bool ParseTypedNumber(std::string_view text, std::string_view decimalSeparator, double& value) {
  std::string s = RemoveBlanks(text);
  if (!decimalSeparator.empty()) s = ReplaceAll(s, decimalSeparator, ".");
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (s.empty()) {
    value = 0;
    return true;
  }
  bool ok = false;
  const double parsed = ParseNumber(s, &ok);
  if (ok) value = parsed;
  return ok;
}

std::string IntegerText(long long n) {
  return std::to_string(n);
}

std::string PriceText(double x) {
  const RegionalSettings& r = Regional();
  const std::string number = FixedText(x, 4, r.DecimalSeparator);
  switch (r.CurrencyFormat) {
    case 3:
      return number + " " + r.CurrencySymbol;
    case 2:
      return r.CurrencySymbol + " " + number;
    default:
      return r.CurrencySymbol + number;
  }
}

std::string MoneyText(double x) {
  const RegionalSettings& r = Regional();
  const std::string fixed = Fixed(std::fabs(x), r.CurrencyDecimals);
  const auto dot = fixed.find('.');
  std::string number = GroupDigits(fixed.substr(0, dot), r.ThousandSeparator);
  if (dot != std::string::npos) number += r.DecimalSeparator + fixed.substr(dot + 1);
  std::string out;
  switch (r.CurrencyFormat) {
    case 0:
      out = r.CurrencySymbol + number;
      break;
    case 1:
      out = number + r.CurrencySymbol;
      break;
    case 2:
      out = r.CurrencySymbol + " " + number;
      break;
    default:
      out = number + " " + r.CurrencySymbol;
      break;
  }
  const bool zero = fixed.find_first_not_of("0.") == std::string::npos;
  return (x < 0 && !zero) ? "-" + out : out;
}

int Percent(long long pos, long long min, long long max) {
  if (max == min || pos < min) return 100;
  return static_cast<int>(
      std::nearbyint(static_cast<double>(pos - min) * 100.0 / static_cast<double>(max - min)));
}

std::string TwoDigitText(int n) {
  char digits[24];
  return std::string(digits, PutTwoDigits(digits, n));
}

std::string FourDigitText(int n) {
  return n < 0 ? std::to_string(n) : PadLeft(std::to_string(n), 4, '0');
}

std::string GroupedNumber(long long n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  return (n < 0 ? "-" : "") + GroupDigits(digits, Regional().ThousandSeparator);
}

std::string ByteSizeText(long long n) {
  if (n < 1000000) return GroupedNumber(n) + " Byte";
  if (n <= 9999999) return std::to_string(n / 1024) + " KByte";
  return std::to_string(n / 1048576) + " MByte";
}

std::string NewZoneKey(std::string_view displayName, const std::vector<std::string>& existingKeys) {
  const std::string prefix = KeyLetters(TrimBlanks(LeftChars(displayName, 4)));
  for (int number = 1; number <= 9999; ++number) {
    const std::string key = prefix + FourDigitText(number);
    bool taken = false;
    for (const std::string& existing : existingKeys) {
      if (EqualsNoCase(existing, key)) {
        taken = true;
        break;
      }
    }
    if (!taken) return key;
  }
  return prefix + "0000";  // unreachable with at most 50 zones
}

}  // namespace dudode
