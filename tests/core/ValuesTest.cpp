#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <initializer_list>
#include <tuple>

#include "core/Clock.h"
#include "core/FieldRules.h"
#include "core/Files.h"
#include "core/RegionalSettings.h"
#include "core/Values.h"
#include "support/TempDir.h"
#include "tools/VatAdjustment.h"

namespace dudode {
namespace {

std::string Str(const std::string& text) {
  return text;
}
std::string Str(long long n) {
  return std::to_string(n);
}

// The results of f for the inputs, joined by "|": a table of inputs and results on one line.
template <class F, class In>
std::string Map(F f, std::initializer_list<In> inputs) {
  std::string out;
  for (const In& in : inputs) out += (&in == inputs.begin() ? "" : "|") + Str(f(in));
  return out;
}

TEST(ValuesTest, TextCleaningAndZoneKeys) {
  EXPECT_EQ("ab||0.12", Map(Clean, {"a b;c", ";x", " 0.12 ; Kommentar"}));
  EXPECT_EQ(
      std::tuple("ab", "City_Zone_1", "City Zone  1", "Datei", "MÜNCHEN ÄÖß"),
      std::tuple(RemoveBlanks(" a b "), BlankToUnderscore("City Zone 1"), UnderscoreToBlank("City_Zone__1"),
                 RemoveAmpersand("&Datei"), CapitalizeGerman("münchen äöß")));
  EXPECT_EQ("AOUS|AAAAZ", Map(KeyLetters, {"äöüß", "a-1 z"}));
  const auto key = [](const char* name) { return NewZoneKey(name, {"CITY0001", "city0002"}); };
  EXPECT_EQ("CITY0003|NAH0001|MUNC0001", Map(key, {"City Zone", "Nah 1", "München"}));
}

TEST(ValuesTest, TimesDatesAndSets) {
  EXPECT_EQ("23:59", TimeText(86399));
  EXPECT_EQ("18:00:59|00:00:00", Map(TimeTextLong, {64859u, 0u}));
  EXPECT_EQ("64859|28800", Map(ParseTimeText, {"18:00:59", " 08 : 00:00"}));
  EXPECT_EQ("1224|1224|20261224|9999", Map(DateSortKey, {"2412", "24.12.", "24122026", "9999"}));
  EXPECT_EQ("24.12.|24.12.", Map(DateDisplay, {"2412", "24.12."}));
  EXPECT_EQ("01.01.|25.12.", Map(HolidayDisplay, {"101", "2512"}));
  EXPECT_EQ(std::tuple("12/06/2026", "06.12.2026", "0112"),
            std::tuple(FileDateText({2026, 12, 6, 0, 0, 0}), FileDateDisplay("12/06/2026"),
                       StripDateSeparator("01.12.")));
  EXPECT_EQ(DayBit(1) | DayBit(7), ParseWeekdays("x7|1"));
  EXPECT_EQ("23456", WeekdayDigits(ParseWeekdays("65432")));
  EXPECT_EQ("Mo Sa So Fei", WeekdayNames(DayBit(1) | DayBit(2) | DayBit(7) | DayBit(8)));
  const auto relations = [](const char* text) { return RelationsText(ParseRelations(text)); };
  // Broken items are ignored.
  EXPECT_EQ("[0,10]|[0,2,5]|[]|[1]", Map(relations, {"[10, 0]", "[0,2,5]", "[]", "[x,1,99,-2]"}));
  // Times typed as HH:MM.
  const std::tuple<const char*, bool, std::uint32_t> times[] = {
      {"09:30", true, 34200}, {"9:30", false, 0},  {"23:60", false, 0},    {"24:00", false, 0},
      {"23:59", true, 86340}, {"00:00", true, 0},  {"12.15", true, 44100},  // the separator is not looked at
      {"-1:-5", true, 3900},  {"ab:cd", false, 0}, {"12", false, 0},       {"", false, 0},
  };
  for (const auto& [text, valid, seconds] : times) {
    const TParsedTime t = ParseTime(text);
    EXPECT_EQ(valid, t.Valid) << text;
    EXPECT_EQ(seconds, t.Seconds) << text;
  }
}

TEST(ValuesTest, Numbers) {
  bool ok = false;
  EXPECT_DOUBLE_EQ(0.12, ParseNumber("0.12", &ok));
  EXPECT_TRUE(ok);
  for (const char* bad :
       {"", "0,12", "1.2.3", "abc", "inf", "nan", "1x", "-", "1.23:4", "1.2/34", "1a.0000"}) {
    EXPECT_DOUBLE_EQ(0, ParseNumber(bad, &ok)) << bad;
    EXPECT_FALSE(ok) << bad;
  }
  EXPECT_DOUBLE_EQ(-1.5, ParseNumber("-1.5"));
  // Integers are 32 bits with a sign; beyond is no number.
  const std::tuple<const char*, bool, std::int32_t> ints[] = {
      {"+42", true, 42},         {"2147483647", true, INT32_MAX},
      {"2147483648", false, 0},  {"-2147483648", true, INT32_MIN},
      {"-2147483649", false, 0}, {"99999999999", false, 0}};
  for (const auto& [text, valid, value] : ints) {
    EXPECT_EQ(value, ParseInteger(text, &ok)) << text;
    EXPECT_EQ(valid, ok) << text;
  }
  EXPECT_EQ("12|0", Map(LeadingInteger, {"12ab", "ab"}));
  EXPECT_EQ("0.1200|60.0000|-0.0500", Map(NumberText, {0.12, 60.0, -0.05}));
  // Decimal texts read and write exactly as the general conversions round:
  // digits beyond a double, exact and near halves, signed zeros.
  const std::tuple<const char*, double> exact[] = {{"0.1", 0.1},
                                                   {"123456789012345", 123456789012345.0},
                                                   {"9007199254740993", 9007199254740992.0},
                                                   {".5", 0.5},
                                                   {"5.", 5.0},
                                                   {"0.000000000000001", 1e-15},
                                                   {"1e3", 1000.0},
                                                   {"60.0000", 60.0},
                                                   {"0.0999", 0.0999},
                                                   {"12345678901.2345", 12345678901.2345}};
  for (const auto& [text, value] : exact) EXPECT_EQ(value, ParseNumber(text)) << text;
  const std::tuple<double, int, const char*> texts[] = {{0.00005, 4, "0.0001"},
                                                        {0.00015, 4, "0.0001"},
                                                        {-0.0, 4, "-0.0000"},
                                                        {-0.00001, 4, "-0.0000"},
                                                        {2.5, 0, "2"},
                                                        {3.5, 0, "4"},
                                                        {0.125, 2, "0.12"},
                                                        {999999999.99995, 4, "1000000000.0000"},
                                                        {123456.78905, 4, "123456.7891"},
                                                        {1e15, 4, "1000000000000000.0000"}};
  for (const auto& [value, decimals, text] : texts) EXPECT_EQ(text, FixedText(value, decimals)) << text;
  EXPECT_EQ("5,50|3|1.234.567",
            FixedText(5.5, 2, ",") + "|" + FixedText(2.6, 0) + "|" + GroupedNumber(1234567));
  EXPECT_EQ("07|0042", TwoDigitText(7) + "|" + FourDigitText(42));
  EXPECT_EQ("1.234,57 €|-0,50 €", Map(MoneyText, {1234.567, -0.5}));
  EXPECT_EQ(100, Percent(3, 0, 0));
  EXPECT_EQ("100|33|67|100", Map([](long long pos) { return Percent(pos, 0, 3); }, {-1LL, 1LL, 2LL, 3LL}));
  EXPECT_EQ("999.999 Byte|976 KByte|9 MByte", Map(ByteSizeText, {999999LL, 1000000LL, 10000000LL}));
  // Numbers as a user types them.
  const std::tuple<const char*, const char*, bool, double> typed[] = {
      {"0,15", ",", true, 0.15}, {"0.15", ",", true, 0.15},  {" 5, 5 ", ",", true, 5.5}, {"", ",", true, 0},
      {"2#5", "#", true, 2.5},   {"1.000,5", ",", false, 9}, {"abc", ",", false, 9},
  };
  for (const auto& [text, separator, valid, expected] : typed) {
    double value = 9;
    EXPECT_EQ(valid, ParseTypedNumber(text, separator, value)) << text;
    EXPECT_DOUBLE_EQ(expected, value) << text;
  }
}

// The editor runs with the user's LC_NUMERIC (Qt sets it); no helper may follow it.
TEST(ValuesTest, NumbersIgnoreTheCLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated";
  double typed = 0;
  ParseTypedNumber("0.15", ",", typed);
  const std::string got = NumberText(0.15) + "|" + NumberText(ParseNumber("0.15")) + "|" + NumberText(typed) +
                          "|" + FixedText(1234.5, 2) + "|" + NumberText(AdjustPrice(0.116, 16, 19));
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ("0.1500|0.1500|0.1500|1234.50|0.1190", got);
}

TEST(ValuesTest, PricesFollowTheCurrencyFormat) {
  const RegionalSettings saved = Regional();
  RegionalSettings r;
  r.CurrencySymbol = "DM";
  const auto price = [&r](int format) {
    r.CurrencyFormat = format;
    SetRegional(r);
    return PriceText(0.12);
  };
  EXPECT_EQ("DM0,1200|DM0,1200|DM 0,1200|0,1200 DM", Map(price, {0, 1, 2, 3}));
  SetRegional(saved);
}

TEST(ValuesTest, TariffFileNamesAndListing) {
  test::TTempDir dir;
  dir.UseAsProgramDirectory();
  for (const char* name : {"RATES.0", "Rates.1", "Other.txt"}) dir.Write(name, "x");
  dir.Write("rates.empty", "");
  EXPECT_EQ((std::vector<std::string>{"RATES.0", "Rates.1"}), ListTariffFiles());
  EXPECT_FALSE(dir.Exists("rates.empty"));  // empty tariff files are removed
  EXPECT_EQ("RATES.2", NewTariffFileName());
}

// A typed key or value the number field cannot take is refused with a message, never changed.
TEST(FieldRulesTest, NumberKeysAndValuesAreTakenOrRefusedWithAMessage) {
  const TNumberFieldRule p4{4, 0, 100}, p2{2, 0, 99999}, p0{0, 0, 100}, neg{2, -5, 5};
  const std::string d = "Nur Ziffern und , erlaubt.", d0 = "Nur Ziffern erlaubt.",
                    n4 = "Höchstens 4 Nachkommastellen erlaubt.",
                    n2 = "Höchstens 2 Nachkommastellen erlaubt.",
                    two = "Nur Ziffern erlaubt. Die Angabe enthält bereits ein ,.";
  const struct {
    const char *before, *after;
    char32_t key;
    TNumberFieldRule rule;
    std::string refusal;
  } keys[] = {{"12", "", U'5', p4, ""},   {"1,2345", "", U'6', p4, n4}, {"1", ",2345", U'6', p4, ""},
              {"1,23", "", U'4', p2, n2}, {"1", "234", U',', p2, n2},   {"1,23", "", U',', p2, two},
              {"5", "", U',', p0, d0},    {"", "5", U'x', p4, d},       {"", "3", U'-', p4, d},
              {"", "3", U'-', neg, ""},   {"1", "", U'.', p2, ""}};
  for (const auto& k : keys)
    EXPECT_EQ(k.refusal, NumberKeyRefusal(k.before, k.after, k.key, k.rule, ",")) << k.before;
  const std::string r4 = "Bitte geben Sie eine Zahl von 0 bis 100 mit höchstens 4 Nachkommastellen ein.",
                    r0 = "Bitte geben Sie eine ganze Zahl von 0 bis 100 ein.",
                    rn = "Bitte geben Sie eine Zahl von -5 bis 5 mit höchstens 2 Nachkommastellen ein.";
  const std::tuple<const char*, TNumberFieldRule, std::string> values[] = {
      {"100", p4, ""}, {"", p4, ""},   {"101", p4, r4}, {"1,23456", p4, r4},
      {"abc", p4, r4}, {"-1", p4, r4}, {"101", p0, r0}, {"-5,5", neg, rn}};
  for (const auto& [text, rule, refusal] : values)
    EXPECT_EQ(refusal, NumberValueRefusal(text, rule, ",")) << text;
  // Texts the data files cannot hold are named.
  EXPECT_EQ("Die Zeichen Ω → können nicht gespeichert werden. Bitte ersetzen Sie sie.",
            UnstorableTextRefusal("Ω→Ω"));
}

}  // namespace
}  // namespace dudode

// The sources hold German texts as UTF-8; a compiler that read them in another code page would change every
// caption.
static_assert(sizeof("ü") == 3 && sizeof("€") == 4);
