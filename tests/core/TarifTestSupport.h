#pragma once
// Shared set-up of the tariff reader and writer tests: a fresh program
// directory, a fixed clock and file texts written with LF for readability.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Clock.h"
#include "core/TarifFile.h"
#include "core/TarifReader.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace dudode::test {

// Every "\n" becomes CR LF, as tariff files end their lines.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

class TarifTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.UseAsProgramDirectory();
    SetClock([] { return TDateTime{2024, 3, 15, 10, 30, 0}; });
  }
  void TearDown() override { SetClock({}); }

  // Writes the bytes as the file name and loads it; the caller expects the boxes.
  TTarifFile Load(const std::string& bytes, const std::string& name = "RATES.0") {
    dir.Write(name, bytes);
    return LoadName(name);
  }
  TTarifFile LoadName(const std::string& name) {
    TTarifFile doc;
    doc.FileName = name;
    EXPECT_TRUE(LoadTarifFile(doc));
    return doc;
  }

  TTempDir dir;
};

}  // namespace dudode::test
