#include <gtest/gtest.h>

#include "app/StartupRules.h"
#include "core/Text.h"

namespace dudode {
namespace {

// The counter's encoding: each character after the first is stored as the sum
// of itself and the stored character before it.
std::string Encode(const std::string& plain) {
  std::string bytes = Utf8ToCp1252(plain);
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    bytes[i] =
        static_cast<char>(static_cast<unsigned char>(bytes[i]) + static_cast<unsigned char>(bytes[i - 1]));
  }
  return Cp1252ToUtf8(bytes);
}

TEST(PasswordTest, DecodesStoredPasswords) {
  struct Case {
    std::string stored;
    std::string plain;
  } cases[] = {
      {"", ""},
      {"x", "x"},                     // one character needs no decoding
      {"   ", "   "},                 // blanks only: not decoded
      {Cp1252ToUtf8("A\x82"), "AA"},  // 0x41 + 0x41 = 0x82, stored as 1252 holds it
      {Encode("Geheim"), "Geheim"},
      {Encode("äöüß9"), "äöüß9"},
      {Encode("zzzz"), "zzzz"},                                // sums wrap around 256
      {Encode(std::string(300, 'a')), std::string(255, 'a')},  // at most 255 characters
  };
  for (const Case& c : cases) EXPECT_EQ(c.plain, DecodePassword(c.stored)) << "stored " << c.stored;
}

TEST(SettingsTest, DefaultsAndExactYes) {
  struct Case {
    TStoredSettings stored;
    int currencyBase;
    bool startWindow;
  } cases[] = {
      {{}, 100, true},
      {{"abc", "", "", {}}, 100, true},
      {{"", "YES", "", {}}, 100, true},
      {{"1000", "yes", "", {}}, 1000, false},
      {{" 50 ", "NO", "", {}}, 50, false},
      {{"0", "Yes", "", {}}, 100, false},
      {{"-5", "YES ", "", {}}, 100, false},
      {{"12x", "1", "", {}}, 100, false},
  };
  for (const Case& c : cases) {
    const TProgramSettings s = SettingsFromStored(c.stored);
    EXPECT_EQ(c.currencyBase, s.CurrencyBase) << "CURRENCYBASE \"" << c.stored.CurrencyBase << "\"";
    EXPECT_EQ(c.startWindow, s.ShowStartWindow) << "SHOWSTARTWND \"" << c.stored.ShowStartWnd << "\"";
  }
}

TEST(SettingsTest, EditorIsProtectedOnlyByFlagFiveWithAPassword) {
  struct Case {
    std::string flag5;
    std::string password;
    bool protectedEditor;
  } cases[] = {
      {"YES", "", false}, {"YES", "a", true}, {"yes", "a", false}, {"NO", "a", false}, {"", "a", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.protectedEditor,
              SettingsFromStored({"", "", c.password, {"", "", "", "", c.flag5}}).EditorProtected())
        << c.flag5 << "/" << c.password;
  }
  EXPECT_EQ((std::array<bool, 5>{true, false, true, false, false}),
            SettingsFromStored({"", "", "a", {"YES", "NO", "YES", "", "NO"}}).Protection);
}

TEST(StartupRulesTest, ShortDateFormatGetsFourDigitYears) {
  const std::pair<const char*, const char*> cases[] = {
      {"dd.MM.yy", "dd.MM.yyyy"}, {"dd.MM.yyyy", "dd.MM.yyyy"}, {"M/d/yy", "M/d/yyyy"},
      {"yy-MM-dd", "yyyy-MM-dd"}, {"dd.MM.", "dd.MM."},         {"d.M.YY", "d.M.yyYY"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(out, FourDigitYearFormat(in)) << in;
}

TEST(StartupRulesTest, FileSystemRootIsRefused) {
  EXPECT_TRUE(IsFileSystemRoot("/"));
  for (const char* dir : {"/opt/", "/a/", "/opt/dudode/bin/"}) EXPECT_FALSE(IsFileSystemRoot(dir)) << dir;
}

}  // namespace
}  // namespace dudode
