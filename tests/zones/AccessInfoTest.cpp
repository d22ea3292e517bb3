#include <gtest/gtest.h>

#include "zones/AccessInfo.h"

namespace dudode {
namespace {

const std::string kSep = kAccessSeparator;  // character 254

TEST(AccessInfoTest, SplitKeepsInnerEmptyPartsAndDropsATrailingSeparator) {
  struct Case {
    std::string text;
    std::vector<std::string> parts;
  } cases[] = {
      {"", {}},      {"a", {"a"}},      {"a#b", {"a", "b"}}, {"a##b", {"a", "", "b"}},
      {"a#", {"a"}}, {"#a", {"", "a"}}, {"#", {""}},         {"##", {"", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.parts, SplitAccessText(c.text, "#")) << c.text;
  EXPECT_EQ((std::vector<std::string>{"u1", "", "u3"}), SplitAccessText("u1" + kSep + kSep + "u3", kSep));
}

TEST(AccessInfoTest, JoinAndSplitGiveBackWhatWasPacked) {
  struct Case {
    const char* what;
    std::vector<TAccessLine> lines;
    std::string phone, user, password;
  } cases[] = {
      {"two full lines", {{"1", "a", "x"}, {"2", "b", "y"}}, "1#2", "a" + kSep + "b", "x" + kSep + "y"},
      {"empty first number", {{"", "a", "x"}, {"2", "", ""}}, "#2", "a" + kSep, "x" + kSep},
      {"empty middle number",
       {{"1", "", ""}, {"", "b", ""}, {"3", "", "z"}},
       "1##3",
       kSep + "b" + kSep,
       kSep + kSep + "z"},
      {"no names at all", {{"1", "", ""}, {"2", "", ""}}, "1#2", kSep, kSep},
      {"empty last number with a name", {{"1", "a", "x"}, {"", "b", ""}}, "1#", "a" + kSep + "b", "x" + kSep},
      {"empty list", {}, "", "", ""},
  };
  for (const Case& c : cases) {
    TAccessInfos access;
    access.Registration = false;
    access.NichtBundesweit = true;
    JoinAccessLines(c.lines, access);
    EXPECT_EQ(c.phone, access.PhoneNr) << c.what;
    EXPECT_EQ(c.user, access.UserName) << c.what;
    EXPECT_EQ(c.password, access.Password) << c.what;
    EXPECT_FALSE(access.Registration) << c.what;
    EXPECT_TRUE(access.NichtBundesweit) << c.what;
    EXPECT_EQ(c.lines, AccessLines(access)) << c.what;
  }
}

TEST(AccessInfoTest, PhoneNumberKeepsOnlyDigits) {
  EXPECT_EQ("0301234567", PhoneNrDigits(" 030 / 123-45 67 "));
  EXPECT_EQ("", PhoneNrDigits("+-() "));
  EXPECT_TRUE(IsPhoneNrKey(U'0'));
  EXPECT_TRUE(IsPhoneNrKey(U'9'));
  EXPECT_FALSE(IsPhoneNrKey(U'-'));
  EXPECT_FALSE(IsPhoneNrKey(U'a'));
  EXPECT_FALSE(IsPhoneNrKey(U' '));
}

}  // namespace
}  // namespace dudode
