#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Files.h"
#include "core/RegionalSettings.h"
#include "core/Values.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

TEST(ValuesTest, TextCleaning) {
  struct Case {
    std::string (*fn)(std::string_view);
    const char* in;
    const char* out;
  } cases[] = {
      {Clean, "a b;c", "ab"},
      {Clean, ";x", ""},
      {Clean, " 0.12 ; Kommentar", "0.12"},
      {RemoveBlanks, " a b ", "ab"},
      {BlankToUnderscore, "City Zone 1", "City_Zone_1"},
      {UnderscoreToBlank, "City_Zone__1", "City Zone  1"},
      {RemoveAmpersand, "&Datei", "Datei"},
      {CapitalizeGerman, "münchen äöß", "MÜNCHEN ÄÖß"},
      {KeyLetters, "äöüß", "AOUS"},
      {KeyLetters, "a-1 z", "AAAAZ"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.out, c.fn(c.in)) << c.in;
}

TEST(ValuesTest, ParseTime) {
  struct Case {
    const char* text;
    bool valid;
    std::uint32_t seconds;
  } cases[] = {
      {"09:30", true, 34200}, {"9:30", false, 0},  {"23:60", false, 0},    {"24:00", false, 0},
      {"23:59", true, 86340}, {"00:00", true, 0},  {"12.15", true, 44100},  // the separator is not looked at
      {"-1:-5", true, 3900},  {"ab:cd", false, 0}, {"12", false, 0},       {"", false, 0},
  };
  for (const Case& c : cases) {
    const TParsedTime t = ParseTime(c.text);
    EXPECT_EQ(c.valid, t.Valid) << c.text;
    EXPECT_EQ(c.seconds, t.Seconds) << c.text;
  }
}

TEST(ValuesTest, TimeTexts) {
  EXPECT_EQ("23:59", TimeText(86399));
  EXPECT_EQ("18:00:59", TimeTextLong(64859));
  EXPECT_EQ("00:00:00", TimeTextLong(0));
  EXPECT_EQ(64859u, ParseTimeText("18:00"
                                  ":59"));
  EXPECT_EQ(28800u, ParseTimeText(" 08 : 00:00"));
}

TEST(ValuesTest, Dates) {
  EXPECT_EQ("1224", DateSortKey("2412"));
  EXPECT_EQ("1224", DateSortKey("24.12."));
  EXPECT_EQ("20261224", DateSortKey("24122026"));
  EXPECT_EQ("9999", DateSortKey("9999"));
  EXPECT_EQ("24.12.", DateDisplay("2412"));
  EXPECT_EQ("24.12.", DateDisplay("24.12."));
  EXPECT_EQ("01.01.", HolidayDisplay("101"));
  EXPECT_EQ("25.12.", HolidayDisplay("2512"));
  EXPECT_EQ("12/06/2026", FileDateText({2026, 12, 6, 0, 0, 0}));
  EXPECT_EQ("06.12.2026", FileDateDisplay("12/06/2026"));
  EXPECT_EQ("0112", StripDateSeparator("01.12."));
}

TEST(ValuesTest, DaySetsAndAreaSets) {
  EXPECT_EQ(DayBit(1) | DayBit(7), ParseWeekdays("x7|1"));
  EXPECT_EQ("23456", WeekdayDigits(ParseWeekdays("65432")));
  EXPECT_EQ("Mo Sa So Fei", WeekdayNames(DayBit(1) | DayBit(2) | DayBit(7) | DayBit(8)));
  EXPECT_EQ("[]", RelationsText(0));
  EXPECT_EQ("[0,10]", RelationsText(ParseRelations("[10, 0]")));
  EXPECT_EQ("[0,2,5]", RelationsText(ParseRelations("[0,2,5]")));
  EXPECT_EQ(0, ParseRelations("[]"));
  EXPECT_EQ("[1]", RelationsText(ParseRelations("[x,1,99,-2]")));  // broken items are ignored
}

TEST(ValuesTest, Numbers) {
  bool ok = false;
  EXPECT_DOUBLE_EQ(0.12, ParseNumber("0.12", &ok));
  EXPECT_TRUE(ok);
  for (const char* bad : {"", "0,12", "1.2.3", "abc", "inf", "nan", "1x", "-"}) {
    EXPECT_DOUBLE_EQ(0, ParseNumber(bad, &ok)) << bad;
    EXPECT_FALSE(ok) << bad;
  }
  EXPECT_DOUBLE_EQ(-1.5, ParseNumber("-1.5"));
  EXPECT_EQ(42, ParseInteger("+42", &ok));
  EXPECT_TRUE(ok);
  EXPECT_EQ(0, ParseInteger("99999999999", &ok));
  EXPECT_FALSE(ok);
  EXPECT_EQ(12, LeadingInteger("12ab"));
  EXPECT_EQ(0, LeadingInteger("ab"));
  EXPECT_EQ("0.1200", NumberText(0.12));
  EXPECT_EQ("60.0000", NumberText(60));
  EXPECT_EQ("-0.0500", NumberText(-0.05));
}

TEST(ValuesTest, PricesFollowTheCurrencyFormat) {
  const RegionalSettings saved = Regional();
  RegionalSettings r;
  r.CurrencySymbol = "DM";
  const char* expected[] = {"DM0,1200", "DM0,1200", "DM 0,1200", "0,1200 DM"};
  for (int format = 0; format <= 3; ++format) {
    r.CurrencyFormat = format;
    SetRegional(r);
    EXPECT_EQ(expected[format], PriceText(0.12)) << format;
  }
  SetRegional(saved);
  EXPECT_EQ("1.234,57 €", MoneyText(1234.567));
  EXPECT_EQ("-0,50 €", MoneyText(-0.5));
}

TEST(ValuesTest, PercentAndSizes) {
  EXPECT_EQ(100, Percent(3, 0, 0));
  EXPECT_EQ(100, Percent(-1, 0, 10));
  EXPECT_EQ(50, Percent(1, 0, 2));
  EXPECT_EQ(33, Percent(1, 0, 3));
  EXPECT_EQ("1.234.567", GroupedNumber(1234567));
  EXPECT_EQ("999.999 Byte", ByteSizeText(999999));
  EXPECT_EQ("976 KByte", ByteSizeText(1000000));
  EXPECT_EQ("9 MByte", ByteSizeText(10000000));
  EXPECT_EQ("07", TwoDigitText(7));
  EXPECT_EQ("0042", FourDigitText(42));
}

TEST(ValuesTest, NewZoneKeys) {
  EXPECT_EQ("CITY0001", NewZoneKey("City Zone", {}));
  EXPECT_EQ("NAH0001", NewZoneKey("Nah 1", {}));
  EXPECT_EQ("CITY0003", NewZoneKey("City", {"CITY0001", "city0002"}));
  EXPECT_EQ("MUNC0001", NewZoneKey("München", {}));
}

TEST(ValuesTest, TariffFileNamesAndListing) {
  test::TTempDir dir;
  dir.UseAsProgramDirectory();
  dir.Write("RATES.0", "x");
  dir.Write("Rates.1", "x");
  dir.Write("rates.empty", "");
  dir.Write("Other.txt", "x");
  EXPECT_EQ((std::vector<std::string>{"RATES.0", "Rates.1"}), ListTariffFiles());
  EXPECT_FALSE(dir.Exists("rates.empty"));  // empty tariff files are removed
  EXPECT_EQ("RATES.2", NewTariffFileName());
}

}  // namespace
}  // namespace dudode

// The sources hold German texts as UTF-8; a compiler that read them in
// another code page would change every caption.
TEST(ValuesTest, SourcesAreReadAsUtf8) {
  static_assert(sizeof("ü") == 3);
  EXPECT_EQ(std::string("\xC3\xBC"), std::string("ü"));
  EXPECT_EQ(std::string("\xE2\x82\xAC"), std::string("€"));
}
