#pragma once
// INI file texts for tests, written as one string per line.
#include <string>
#include <vector>

#include "core/Text.h"

namespace dudode::test {

// Lines joined with CR LF, in the files' Windows-1252.
inline std::string IniText(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return Utf8ToCp1252(text);
}

}  // namespace dudode::test
