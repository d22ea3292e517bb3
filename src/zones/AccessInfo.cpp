#include "zones/AccessInfo.h"

#include <algorithm>

namespace dudode {

std::vector<std::string> SplitAccessText(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = separator.empty() ? std::string_view::npos : text.find(separator, pos);
    if (hit == std::string_view::npos) break;
    parts.emplace_back(text.substr(pos, hit - pos));
    pos = hit + separator.size();
  }
  if (pos < text.size()) parts.emplace_back(text.substr(pos));
  return parts;
}

std::vector<TAccessLine> AccessLines(const TAccessInfos& access) {
  const std::vector<std::string> numbers = SplitAccessText(access.PhoneNr, kPhoneSeparator);
  const std::vector<std::string> users = SplitAccessText(access.UserName, kAccessSeparator);
  const std::vector<std::string> passwords = SplitAccessText(access.Password, kAccessSeparator);
  // A last line with an empty number leaves only a trailing "#", which adds no
  // part; its user name or password would then be lost on the next confirm.
  // So a name or password part beyond the numbers still makes a line.
  const std::size_t count = std::max({numbers.size(), users.size(), passwords.size()});
  auto part = [](const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string();
  };
  std::vector<TAccessLine> lines;
  lines.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    lines.push_back({part(numbers, i), part(users, i), part(passwords, i)});
  return lines;
}

void JoinAccessLines(const std::vector<TAccessLine>& lines, TAccessInfos& access) {
  std::string numbers;
  std::string users;
  std::string passwords;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      numbers += kPhoneSeparator;
      users += kAccessSeparator;
      passwords += kAccessSeparator;
    }
    numbers += lines[i].PhoneNr;
    users += lines[i].UserName;
    passwords += lines[i].Password;
  }
  access.PhoneNr = std::move(numbers);
  access.UserName = std::move(users);
  access.Password = std::move(passwords);
}

bool IsPhoneNrKey(char32_t ch) {
  return ch >= U'0' && ch <= U'9';
}

std::string PhoneNrDigits(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= '0' && c <= '9') out += c;
  }
  return out;
}

}  // namespace dudode
