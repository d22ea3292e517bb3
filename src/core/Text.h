#pragma once
// Character-level text tools. Inside the program every text is UTF-8; the data
// files are Windows-1252 and convert only where bytes meet files.
#include <cstddef>
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
