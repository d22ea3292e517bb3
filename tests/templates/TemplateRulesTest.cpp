#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "core/Text.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"
#include "templates/ConnectionForm.h"
#include "templates/DiscountPositions.h"
#include "templates/ProviderPage.h"

namespace dudode {
namespace {

TConnectionTemplate Conn(const char* name, const char* tariff, const char* zone, const char* provider = "") {
  TConnectionTemplate t;
  std::tie(t.Name, t.PhoneTarif, t.Zone, t.Provider) = std::make_tuple(name, tariff, zone, provider);
  return t;
}

TEST(ConnectionFormTest, PredefinedNamesAndAutomaticDescriptions) {
  const struct {
    const char* typed;
    const char* name;  // "" for none
    int notice;        // -1 for none
  } cases[] = {
      {"dfü-netzwerk", "DFÜ-Netzwerk", mkInformation},
      {"MANUELLE AUFZEICHNUNG", "Manuelle Aufzeichnung", mkWarnung},
      {"capi - überwachung", "CAPI - Überwachung", -1},
      {"wahlhilfe", "Wahlhilfe", -1},
      {"Wahlhilfe 2", "", -1},
  };
  for (const auto& c : cases) {
    const auto name = PredefinedConnectionName(c.typed);
    EXPECT_EQ(c.name, name.value_or("")) << c.typed;
    const auto notice = PredefinedNameNotice(name.value_or(""));
    EXPECT_EQ(c.notice, notice ? notice->Kind : -1) << c.typed;
  }
  EXPECT_EQ("City - Anbieter X (Stand 2003)", ConnectionAutoName("City", "Anbieter X (Stand 2003)"));
  EXPECT_EQ("Anbieter X - City", TelephonyDescription("Anbieter X (Stand 2003)", "City"));
  EXPECT_EQ("Anbieter Y - Fern", TelephonyDescription("Anbieter Y", "Fern"));
}

TEST(ConnectionFormTest, MissingReferencesShowFehlerButStayStored) {
  const std::vector<TRatesFileInfo> tariffs = {
      {"Rates.0", "Anbieter X", "PHONE.0", {"City"}, {"0191"}, {1}, "010"}};
  TConnectionTemplate t = Conn("Netz", "PHONE.7", "City", "Netzwerk Süd");
  t.ProviderActive = 1;
  const auto texts = ConnectionLineTexts(t, tariffs, {"alpha"});
  EXPECT_EQ((std::array<std::string, 5>{"Netz", "FEHLER!", "City", "Provider", "FEHLER!"}), texts);
  EXPECT_EQ("NETZWERK SÜD", ProviderText(Conn("", "", "", "NETZWERK SÜD"), {"Netzwerk Süd"}));
  t.PhoneTarif = "PHONE.0";
  EXPECT_EQ("Anbieter X", ConnectionLineTexts(t, tariffs, {})[1]);
  EXPECT_EQ((std::array<std::string, 4>{"010", "FEHLER!", "City", "d"}),
            PhoneLineTexts({"010", "d", "PHONE.7", "City"}, tariffs));
}

TEST(ConnectionFormTest, ConfirmedTemplatesStoreTrimmedNamesAndNoInstantDiscountForCityOptions) {
  const struct {
    std::uint8_t cityPlus, cityWeekend, instant, expected;
  } cases[] = {{0, 0, 1, 1}, {1, 0, 1, 0}, {0, 1, 1, 0}, {1, 1, 1, 0}};
  for (const auto& c : cases) {
    TConnectionTemplate t = Conn("  Netz  ", "", "");
    std::tie(t.CityWeekend, t.CityPlus, t.InstantActive) =
        std::make_tuple(c.cityWeekend, c.cityPlus, c.instant);
    FinishConnectionTemplate(t);
    EXPECT_EQ("Netz", t.Name);
    EXPECT_EQ(c.expected, t.InstantActive) << int(c.cityPlus) << int(c.cityWeekend);
  }
}

TEST(ConnectionFormTest, DeleteQuestionDefaultsToNein) {
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Verbindungsvorlage 0190 - Netz wirklich löschen?", idNo);
  EXPECT_FALSE(ConfirmTemplateDelete("0190 - Netz"));
  EXPECT_EQ(idNo, boxes.Boxes().at(0).DefaultResult);
}

TEST(DiscountPositionsTest, FileValuesBecomeSliderPositionsWithinRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int min, max, expected;
  } cases[] = {
      {10.0, 1, 99, 10}, {0.0, 1, 99, 1},    {150.0, 1, 99, 99}, {NAN, 0, 99, 0}, {inf, 1, 60, 60},
      {-inf, 1, 60, 1},  {1e300, 0, 99, 99}, {-1e300, 0, 99, 0}, {4.5, 1, 60, 5}, {59.49, 1, 60, 59},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ClampedPosition(c.value, c.min, c.max)) << c.value;

  TConnectionTemplate t;
  std::tie(t.TenPlusActive, t.TenPlusFrom, t.TenPlusRate, t.InstantActive) = std::make_tuple(1, 300, 0.10, 1);
  std::tie(t.InstantWorkday, t.InstantWeekend, t.InstantHoliday) = std::make_tuple(0.25, NAN, 1e300);
  const TDiscountPositions p = DiscountPositionsOf(t);
  EXPECT_EQ((TDiscountPositions{10, 5, true, 25, 0, 99, true}), p);
  EXPECT_EQ("Rabatt für &Verbindungen: 10%", SliderLabelText("Rabatt für &Verbindungen: %d%%", p.Rate));
  EXPECT_EQ("Rabatt wird ab vollendeter 5. Gesprächs&minute gewährt.",
            SliderLabelText("Rabatt wird ab vollendeter %d. Gesprächs&minute gewährt.", p.Minute));

  TConnectionTemplate back = t;
  StoreDiscountPositions(p, back);
  EXPECT_EQ(std::make_pair(300.0, 0.10), std::make_pair(back.TenPlusFrom, back.TenPlusRate));
  back.CityWeekend = 1;
  StoreDiscountPositions(p, back);
  EXPECT_EQ(0, back.InstantActive);
  EXPECT_FALSE(DiscountPositionsOf(back).InstantActive);
}

TEST(PhoneImportTest, ImportTakesEachZoneOnceWithoutInternetZones) {
  const TRatesFileInfo tariff{"Rates.0", "Anbieter X (Stand 2003)", "PHONE.0", {"City", "Internet", "Fern"},
                              {},        {0x0001, 0x0200, 0x0004},  " 01019 "};
  TPhoneConnectionTemplateList list;
  EXPECT_EQ(2, ImportPhoneTariff(list, tariff));
  EXPECT_EQ(0, ImportPhoneTariff(list, tariff));
  EXPECT_EQ((TPhoneConnectionTemplateList{{"01019", "Anbieter X - City", "PHONE.0", "City", 0x0001},
                                          {"01019", "Anbieter X - Fern", "PHONE.0", "Fern", 0x0004}}),
            list);
  TRatesFileInfo noPrefix = tariff;
  noPrefix.AccessCode = "  ";
  EXPECT_EQ(0, ImportPhoneTariff(list, noPrefix));
  EXPECT_TRUE(PhoneTemplateTaken(list, "01019", "Anbieter X - Fern"));
  EXPECT_FALSE(PhoneTemplateTaken(list, "01019", "anbieter x - fern"));
}

TEST(ProviderPageTest, RowsGoBeforeTheMarkerAndTheDateReplacesItsMarker) {
  const TDateTime date{2026, 12, 5};
  const std::vector<TProviderPageRow> rows = {{"A&B", "FEHLER!", "<City>", std::string(kNoProviderText)}};
  const std::string row =
      "<tr><td width=\"25%\">A&amp;B</td><td width=\"25%\"><b>Tarifstruktur:</b> FEHLER!<p><b>Tarifzone:</b> "
      "&lt;City&gt;</td><td width=\"25%\">" +
      Utf8ToCp1252(kNoProviderText) + "</td></tr>";
  const struct {
    std::string page, once, twice;
  } cases[] = {
      {"<p>%CURRENTDATE%</p><!-- %PROVIDERS% -->\xE4",
       "<p>Samstag, 05. Dezember 2026</p>" + row + "<!-- %PROVIDERS% -->\xE4",
       "<p>Samstag, 05. Dezember 2026</p>" + row + row + "<!-- %PROVIDERS% -->\xE4"},
      {"ohne Marken", "ohne Marken", "ohne Marken"},
      {"%CURRENTDATE% %CURRENTDATE%", "Samstag, 05. Dezember 2026 %CURRENTDATE%",
       "Samstag, 05. Dezember 2026 Samstag, 05. Dezember 2026"},
  };
  for (const auto& c : cases) {
    const std::string once = FillProviderPage(c.page, rows, date);
    EXPECT_EQ(c.once, once);
    EXPECT_EQ(c.twice, FillProviderPage(once, rows, date));
  }
  EXPECT_EQ("x<!-- %PROVIDERS% -->", FillProviderPage("x<!-- %PROVIDERS% -->", {}, date));
  EXPECT_EQ("Donnerstag, 29. Februar 2024", ProviderPageDate({2024, 2, 29}));
}

TEST(ProviderPageTest, PageRowsNameTariffZoneAndProvider) {
  const std::vector<TRatesFileInfo> tariffs = {{"Rates.0", "Anbieter X", "PHONE.0", {"City"}, {}, {}, ""}};
  const auto rows = ConnectionPageRows(
      {Conn("Netz", "PHONE.0", "City", "alpha"), Conn("Ohne", "PHONE.3", "Fern")}, tariffs, {"Alpha"});
  const std::string none(kNoProviderText);
  std::vector<std::string> got;
  for (const auto& rowList : {rows, PhonePageRows({{"010", "d", "PHONE.0", "City"}}, tariffs)})
    for (const auto& r : rowList) got.push_back(r.Name + "|" + r.Tariff + "|" + r.Zone + "|" + r.Provider);
  EXPECT_EQ((std::vector<std::string>{"Netz|Anbieter X|City|alpha", "Ohne|FEHLER!|Fern|" + none,
                                      "010|Anbieter X|City|" + none}),
            got);
}

TEST(ProviderPageTest, AMissingPageIsReportedAndNothingIsWritten) {
  test::TTempDir home;
  const std::string saved = std::getenv("HOME");
  ::setenv("HOME", home.Dir().c_str(), 1);
  test::TScriptedMessageBoxes boxes;
  boxes.AcceptAll();
  EXPECT_FALSE(WriteProviderPage({}));
  ::setenv("HOME", saved.c_str(), 1);
  ASSERT_EQ(1u, boxes.Boxes().size());
  EXPECT_EQ(mkFehler, boxes.Boxes()[0].Kind);
  EXPECT_FALSE(home.Exists("providerinfos.htm"));
}

}  // namespace
}  // namespace dudode
