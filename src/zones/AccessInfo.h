#pragma once
// The dial-in entries of a zone. The document holds them packed into three
// texts (numbers joined by "#", user names and passwords joined by the
// character 254); the access dialog edits them as lines.
#include <string>
#include <string_view>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

inline constexpr const char* kPhoneSeparator = "#";

struct TAccessLine {
  std::string PhoneNr;
  std::string UserName;
  std::string Password;
  bool operator==(const TAccessLine&) const = default;
};

// An empty text gives no parts; every separator ends a part (which may be
// empty); a non-empty rest is the last part, so a trailing separator adds none.
std::vector<std::string> SplitAccessText(std::string_view text, std::string_view separator);

// One line per phone number, with the user name and password of the same
// position, or empty ones where those texts have fewer parts; a user name or
// password beyond the last number makes a line with an empty number.
std::vector<TAccessLine> AccessLines(const TAccessInfos& access);

// Packs the lines back; every line takes its place in all three texts, also
// with empty parts, so that line i stays part i of each. Registration and
// NichtBundesweit are left alone.
void JoinAccessLines(const std::vector<TAccessLine>& lines, TAccessInfos& access);

// Keys the phone number field lets through: digits only (Backspace and Enter
// are handled by the field itself).
bool IsPhoneNrKey(char32_t ch);
// The phone number as kept when the field is left: digits only.
std::string PhoneNrDigits(std::string_view text);

}  // namespace dudode
