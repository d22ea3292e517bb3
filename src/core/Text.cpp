#include "core/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace dudode {
namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Only code points of the code page come here: the table's and 0xA0 to 0xFF,
// all below 0x10000, so three UTF-8 bytes are the most any needs.
static_assert(std::all_of(kHighTable.begin(), kHighTable.end(), [](char32_t cp) { return cp < 0x10000; }));

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point at pos and advances pos; a broken sequence yields
// U+FFFD for one byte so that decoding always moves on.
char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int len = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    cp = b0 & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + len > s.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += len;
  return cp;
}

}  // namespace

std::size_t AsciiPrefix(std::string_view text) {
  const char* const begin = text.data();
  const std::size_t size = text.size();
  std::size_t i = 0;
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  // Thirty-two bytes, then eight at a time: a set high bit in any of them ends the run.
  for (; i + 32 <= size; i += 32) {
    std::uint64_t words[4];
    std::memcpy(words, begin + i, 32);
    if ((words[0] | words[1] | words[2] | words[3]) & kHigh) break;
  }
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, begin + i, 8);
    if (word & kHigh) break;
  }
  if (i < size && i + 8 > size && size >= 8) {
    // The last bytes of a long text as one word that overlaps checked ones.
    std::uint64_t word;
    std::memcpy(&word, begin + size - 8, 8);
    if (!(word & kHigh)) return size;
  }
  while (i < size && static_cast<unsigned char>(begin[i]) < 0x80) ++i;
  return i;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  const std::size_t ascii = AsciiPrefix(bytes);
  if (ascii == bytes.size()) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  out.append(bytes.substr(0, ascii));
  for (char c : bytes.substr(ascii)) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else if (b < 0xA0) {
      AppendUtf8(out, kHighTable[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  const std::size_t ascii = AsciiPrefix(text);
  if (ascii == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  out.append(text.substr(0, ascii));
  std::size_t pos = ascii;
  while (pos < text.size()) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {  // fast path for plain ASCII
      out += text[pos++];
      continue;
    }
    const char32_t cp = NextCodePoint(text, pos);
    if (cp >= 0xA0 && cp <= 0xFF) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
      if (kHighTable[i] == cp) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

std::size_t CharOffset(std::string_view text, std::size_t chars) {
  // In a run of ASCII every character is one byte. A few characters are
  // looked at one by one, cheaper than the word-wise search.
  const std::size_t limit = std::min(chars, text.size());
  std::size_t pos = 0;
  if (limit <= 16) {
    while (pos < limit && static_cast<unsigned char>(text[pos]) < 0x80) ++pos;
  } else {
    pos = AsciiPrefix(text.substr(0, limit));
  }
  chars -= pos;
  while (chars > 0 && pos < text.size()) {
    NextCodePoint(text, pos);
    --chars;
  }
  return pos;
}

std::string LeftChars(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, CharOffset(text, n)));
}

std::string MidChars(std::string_view text, std::size_t first, std::size_t n) {
  const std::size_t begin = CharOffset(text, first);
  const std::string_view rest = text.substr(begin);
  if (n == std::string::npos) return std::string(rest);
  return std::string(rest.substr(0, CharOffset(rest, n)));
}

std::string TrimBlanks(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return std::string(text.substr(b, e - b));
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace dudode
