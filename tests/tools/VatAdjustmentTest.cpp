#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "support/ScriptedMessageBoxes.h"
#include "tools/UstForm.h"
#include "tools/VatAdjustment.h"

namespace dudode {
namespace {

TEST(VatAdjustmentTest, PricesFollowTheRateAndKeepFourDecimals) {
  struct Case {
    double price;
    int oldRate;
    int newRate;
    double expected;
  } cases[] = {
      {0.1200, 16, 19, 0.1231}, {0.0600, 16, 19, 0.0616},  {0.1200, 19, 16, 0.1170}, {0, 16, 19, 0},
      {0.0006, 16, 7, 0.0006},  {0.0006, 7, 16, 0.0007},   {0.1231, 19, 16, 0.1200}, {12.5, 0, 0, 12.5},
      {-0.06, 16, 19, -0.0616}, {1000, 16, 19, 1025.8621},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, AdjustPrice(c.price, c.oldRate, c.newRate))
        << c.price << " " << c.oldRate << " -> " << c.newRate;
  }
  EXPECT_FALSE(std::signbit(AdjustPrice(-0.00001, 16, 19)));  // no "-0.0000" in the file
}

TTarifEntry Priced(double price) {
  TTarifEntry e;
  e.PricePerUnit = price;
  e.Takt = 60;
  e.ZoneConnectPrice = 0.12;
  e.ZoneMonthlyFee = 0.12;
  return e;
}

TTarifFile Document(int zones) {
  TTarifFile doc;
  doc.Price = 0.12;
  doc.BaseConnectPrice = 0.06;
  for (int i = 0; i < zones; ++i) {
    TKeyAndName zone;
    zone.Key = "ZONE000" + std::to_string(i);
    zone.ConnectPrice = 0.12;
    zone.MonthlyFee = 0.12;
    zone.Werktag = {Priced(0.12), Priced(0.06)};
    zone.SaSo = {Priced(0.06)};
    doc.Zones.push_back(zone);
  }
  return doc;
}

TEST(VatAdjustmentTest, WholeDocumentInOrderWithProgress) {
  TTarifFile doc = Document(5);
  doc.Zones[1].Werktag.clear();
  std::vector<int> percents;
  std::vector<double> lastWerktagSeen;  // the last zone's first Werktag price at every report
  AdjustVat(doc, 16, 19, [&](int percent) {
    percents.push_back(percent);
    lastWerktagSeen.push_back(doc.Zones[4].Werktag[0].PricePerUnit);
  });
  EXPECT_EQ((std::vector<int>{0, 0, 50, 100, 0, 0, 50, 100}), percents);
  // All Werktag lists are done before the SaSo pass begins.
  EXPECT_EQ((std::vector<double>{0.12, 0.12, 0.12, 0.12, 0.1231, 0.1231, 0.1231, 0.1231}), lastWerktagSeen);
  for (const auto& zone : doc.Zones) {
    for (const auto& e : zone.Werktag) EXPECT_TRUE(e.PricePerUnit == 0.1231 || e.PricePerUnit == 0.0616);
    EXPECT_EQ(0.0616, zone.SaSo[0].PricePerUnit);
    EXPECT_EQ(0.12, zone.ConnectPrice);
    EXPECT_EQ(0.12, zone.MonthlyFee);
    EXPECT_EQ(0.12, zone.SaSo[0].ZoneConnectPrice);
    EXPECT_EQ(0.12, zone.SaSo[0].ZoneMonthlyFee);
  }
  EXPECT_EQ(0.1231, doc.Price);
  EXPECT_EQ(0.0616, doc.BaseConnectPrice);
  EXPECT_TRUE(doc.Modified);

  // Back to the old rate in a second run.
  AdjustVat(doc, 19, 16);
  EXPECT_EQ(0.12, doc.Zones[0].Werktag[0].PricePerUnit);
  EXPECT_EQ(0.12, doc.Price);
}

TEST(VatAdjustmentTest, OneZoneAndNoZone) {
  TTarifFile one = Document(1);
  std::vector<int> percents;
  AdjustVat(one, 16, 19, [&](int p) { percents.push_back(p); });
  EXPECT_EQ((std::vector<int>{0, 100, 0, 100}), percents);

  TTarifFile none = Document(0);
  AdjustVat(none, 16, 19);
  EXPECT_EQ(0.1231, none.Price);
  EXPECT_EQ(0.0616, none.BaseConnectPrice);
  EXPECT_TRUE(none.Modified);
}

TEST(VatAdjustmentTest, PricesTooLargeForTheResultStayWithAMessage) {
  TTarifFile doc = Document(1);
  doc.Zones[0].Werktag[0].PricePerUnit = 1e308;
  doc.Price = 9e11;
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("2 Preise sind zu groß für die Umrechnung und bleiben unverändert.");
  AdjustVat(doc, 0, 99);
  EXPECT_EQ(mkWarnung, boxes.Boxes().at(0).Kind);
  EXPECT_EQ(1e308, doc.Zones[0].Werktag[0].PricePerUnit);
  EXPECT_EQ(9e11, doc.Price);
  EXPECT_EQ(0.1194, doc.BaseConnectPrice);
}

TEST(VatAdjustmentTest, RateTextsDecideWhetherAnythingHappens) {
  struct Case {
    const char* oldText;
    const char* newText;
    TVatOutcome outcome;
    double price;
  } cases[] = {
      {"16", "16", TVatOutcome::NothingToDo, 0.12},  {"16", "19", TVatOutcome::Adjusted, 0.1231},
      {"16", "1a", TVatOutcome::InvalidRate, 0.12},  {" 6", "19", TVatOutcome::InvalidRate, 0.12},
      {"16", "100", TVatOutcome::InvalidRate, 0.12}, {"-5", "19", TVatOutcome::InvalidRate, 0.12},
      {"", "19", TVatOutcome::InvalidRate, 0.12},
  };
  for (const auto& c : cases) {
    TTarifFile doc = Document(1);
    EXPECT_EQ(c.outcome, RunVatAdjustment(doc, c.oldText, c.newText)) << c.oldText << " " << c.newText;
    EXPECT_EQ(c.price, doc.Zones[0].Werktag[0].PricePerUnit) << c.oldText << " " << c.newText;
    EXPECT_EQ(c.outcome == TVatOutcome::Adjusted, doc.Modified);
  }
  EXPECT_EQ("Nichts zu tun!", VatNothingToDoMessage());
  EXPECT_EQ(
      "Die Gebühren wurden neu berechnet!\rÜberprüfen Sie nun unbedingt die Richtigkeit der "
      "Tarifangaben!",
      VatDoneMessage());
}

TEST(UstFormTest, SpinFollowsWholeNumbersAndAClickWhileComputingDoesNothing) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"16", 16}, {"01", 1}, {"99", 99}, {"00", std::nullopt}, {"1a", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, position] : cases) EXPECT_EQ(position, UstSpinPosition(text)) << text;
  EXPECT_EQ("07", UstRateText(7));

  TTarifFile doc = Document(3);
  TUstForm form;
  form.NewText = "19";
  int refused = 0;
  EXPECT_EQ(TVatOutcome::Adjusted, form.Calculate(doc, [&](int) { refused += !form.Calculate(doc, {}); }));
  EXPECT_EQ(6, refused);
  EXPECT_TRUE(form.CanClose());
  EXPECT_EQ(0.1231, doc.Zones[2].Werktag[0].PricePerUnit);
}

}  // namespace
}  // namespace dudode
