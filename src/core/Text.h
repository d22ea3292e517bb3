#pragma once
// Character-level text tools. Inside the program every text is UTF-8; the data
// files are Windows-1252 and convert only where bytes meet files.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace dudode {

// Windows-1252 bytes to UTF-8. The five bytes 1252 leaves undefined map to the
// C1 controls of the same value, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; a character 1252 cannot hold becomes "?".
std::string Utf8ToCp1252(std::string_view text);
// Length of the leading run of ASCII bytes (the text's size when all are ASCII);
// plain ASCII reads the same in both encodings.
std::size_t AsciiPrefix(std::string_view text);
inline bool IsAscii(std::string_view text) {
  return AsciiPrefix(text) == text.size();
}

// Position of the first byte c in text, or its size when there is none. The
// texts searched this way are short parts of a line: eight bytes a step costs
// less than starting a library search.
inline std::size_t FindByte(std::string_view text, char c) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  std::size_t pos = 0;
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    for (; pos + 8 <= text.size(); pos += 8) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + pos, 8);
      const std::uint64_t x = word ^ pattern;
      // The lowest set high bit marks the first byte that was c.
      if (const std::uint64_t hit = (x - kOnes) & ~x & (kOnes << 7))
        return pos + static_cast<std::size_t>(std::countr_zero(hit)) / 8;
    }
  }
  while (pos < text.size() && text[pos] != c) ++pos;
  return pos;
}

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view text);
// Byte offset of the character at position chars (0-based); the text's size
// when it is shorter.
std::size_t CharOffset(std::string_view text, std::size_t chars);
// The first n characters.
std::string LeftChars(std::string_view text, std::size_t n);
// Characters from position first (0-based), at most n of them.
std::string MidChars(std::string_view text, std::size_t first, std::size_t n = std::string::npos);

std::string TrimBlanks(std::string_view text);
// ASCII case folding, enough for the names the files use; used for matching only.
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace dudode
