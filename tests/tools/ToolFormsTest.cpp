// The rules behind the small tool forms: file options, 10plus assignment, VAT.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/RegionalSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "tools/TarifDiff.h"
#include "tools/TarifOptions.h"
#include "tools/TenPlusForm.h"
#include "tools/UstForm.h"
#include "tools/VatAdjustment.h"

namespace dudode {
namespace {

const TDateTime kToday{2024, 3, 5, 10, 0, 0};

TEST(TarifOptionsTest, LastUpdateDate) {
  struct Case {
    const char* fileDate;
    const char* shown;
  } cases[] = {
      {"12/24/1999", "24.12.1999"}, {"02/29/2024", "29.02.2024"}, {"", "05.03.2024"},
      {"02/30/2023", "05.03.2024"}, {"13/01/2000", "05.03.2024"}, {"ab/cd/efgh", "05.03.2024"},
      {"12/24/99", "05.03.2024"},   {"1/2/2000", "05.03.2024"},   {"02/29/1900", "05.03.2024"},
      {"02/29/2000", "29.02.2000"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.shown, LastUpdateDisplay(c.fileDate, kToday)) << c.fileDate;
}

TEST(TarifOptionsTest, LastUpdateDateUsesTheLocaleSeparator) {
  RegionalSettings r;
  r.DateSeparator = "/";
  SetRegional(r);
  EXPECT_EQ("24/12/1999", LastUpdateDisplay("12/24/1999", kToday));
  SetRegional(RegionalSettings::German());
}

TEST(TarifOptionsTest, PriceKeyFilter) {
  for (const char* ok : {"0", "5", "9", ".", ",", "\b"}) EXPECT_TRUE(PriceKeyAllowed(ok)) << ok;
  for (const char* refused : {"a", "-", "+", " ", ";", "e", "ä"})
    EXPECT_FALSE(PriceKeyAllowed(refused)) << refused;
}

TEST(TarifOptionsTest, ApplyTrimsTextsAndMarksTheDocument) {
  TTarifFile doc;
  doc.FileDate = "01/02/2003";
  doc.Zones.resize(2);
  TTarifOptions o = OptionsOf(doc);
  o.Description = "  Stadt Tarif  ";
  o.AccessCode = "1050";
  o.WWW = " www.example.de ";
  o.Comment = " c ";
  o.Price = 0.25;
  o.CityWeekend = false;
  ApplyOptions(doc, o);
  EXPECT_EQ(std::make_tuple("Stadt Tarif", "01050", "www.example.de", "c", 0.25, false, true),
            std::make_tuple(doc.Description, doc.AccessCode, doc.WWW, doc.Comment, doc.Price, doc.CityWeekend,
                            doc.Modified));
  EXPECT_EQ("01/02/2003", doc.FileDate) << "the file date belongs to the writer";

  TTarifFile unchanged;
  ApplyOptions(unchanged, OptionsOf(unchanged));
  EXPECT_TRUE(unchanged.Modified) << "confirming without changes still modifies";
}

using TSpans = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
TSpans Spans(const std::vector<TNo10plusEntry>& windows) {
  TSpans spans;
  for (const auto& w : windows) spans.emplace_back(w.StartSec, w.EndSec);
  return spans;
}

TEST(TenPlusFormTest, ConfirmedLinesReachTheZones) {
  TTarifFile doc;
  doc.Zones.resize(2);
  doc.Zones[0].DisplayName = "&City_Nord";
  doc.Zones[0].TenPlusActive = true;
  doc.Zones[0].WNo10plus = {{64800, 71999}, {28800, 35999}};
  EXPECT_FALSE(AssignTenPlus(doc, [](std::vector<TTenPlusLine>& lines) { return lines[0].Checked = false; }));
  EXPECT_FALSE(doc.Modified || !doc.Zones[0].TenPlusActive) << "nothing reaches the document when cancelled";
  EXPECT_TRUE(AssignTenPlus(doc, [](std::vector<TTenPlusLine>& lines) {
    EXPECT_EQ("City Nord", lines.at(0).Text);
    EXPECT_TRUE(lines[0].Checked);
    lines[0].Checked = false;
    lines.at(1).Checked = true;
    lines[1].FNo10plus = {{0, 59}};
    return true;
  }));
  EXPECT_EQ(std::make_tuple(true, false, true),
            std::make_tuple(doc.Modified, doc.Zones[0].TenPlusActive, doc.Zones[1].TenPlusActive));
  EXPECT_EQ(TSpans({{64800, 71999}, {28800, 35999}}), Spans(doc.Zones[0].WNo10plus)) << "kept as they were";
  EXPECT_EQ(TSpans({{0, 59}}), Spans(doc.Zones[1].FNo10plus));
}

TEST(TenPlusFormTest, PageLinesAreSortedWholeMinutes) {
  EXPECT_EQ("Ausnahmen Rabatt 10plus für \"City Nord\"", TenPlusExceptionsCaption("City Nord"));
  EXPECT_EQ((std::array<std::string, 2>{"08:00:00 Uhr", "17:59:59 Uhr"}), No10plusRowTexts({28800, 64799}));
  // Overlapping windows and equal starts are all kept, in the order of their starts.
  EXPECT_EQ((TSpans{{0, 59}, {28800, 35999}, {28800, 29999}, {64800, 71999}}),
            Spans(No10plusListFromRows({{64800, 71999}, {28800, 35999}, {28800, 29960}, {20, 30}})));
}

TEST(TarifDiffTest, ApplicationsAddedRemovedAndRenamed) {
  TTarifFile a, b;
  a.Applications = {{"EINS", "Eins"}, {"ZWEI", "Zwei"}};
  const std::vector<std::pair<std::vector<TAppEntry>, std::string>> cases = {
      {a.Applications, ""},
      {{{"EINS", "Eins"}}, "Anwendungen: − ZWEI (Zwei)"},
      {{{"EINS", "Eins"}, {"ZWEI", "Zwo"}}, "Anwendungen: ZWEI: Zwei → Zwo"},
      {{a.Applications[0], a.Applications[1], {"DREI", "Drei"}}, "Anwendungen: + DREI (Drei)"}};
  for (const auto& [apps, line] : cases) {
    b.Applications = apps;
    const TTarifDiff diff = DiffTarifFiles(a, b);
    EXPECT_EQ(line.empty() ? std::vector<std::string>{} : std::vector<std::string>{line}, DiffLines(diff));
    EXPECT_EQ(line.empty(), diff.Equal());
  }
}

// Exact ties go to the even digit, whatever binary double holds the price.
TEST(VatAdjustmentTest, PricesFollowTheRateAndKeepFourDecimals) {
  struct Case {
    double price;
    int oldRate;
    int newRate;
    double expected;
  } cases[] = {
      {0.1200, 16, 19, 0.1231}, {0.0600, 16, 19, 0.0616},  {0.1200, 19, 16, 0.1170}, {0, 16, 19, 0},
      {0.0006, 16, 7, 0.0006},  {0.0006, 7, 16, 0.0007},   {0.1231, 19, 16, 0.1200}, {12.5, 0, 0, 12.5},
      {-0.06, 16, 19, -0.0616}, {1000, 16, 19, 1025.8621}, {0.1450, 16, 19, 0.1488}, {1.1310, 16, 19, 1.1602},
      {0.0058, 16, 7, 0.0054},  {0.0058, 16, 19, 0.0060},  {0.00005, 0, 0, 0},       {0.00015, 0, 0, 0.0002},
      {9.99995, 0, 0, 10},      {1e-300, 16, 19, 0},
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
    EXPECT_EQ(std::make_tuple(0.0616, 0.12, 0.12, 0.12, 0.12),
              std::make_tuple(zone.SaSo[0].PricePerUnit, zone.ConnectPrice, zone.MonthlyFee,
                              zone.SaSo[0].ZoneConnectPrice, zone.SaSo[0].ZoneMonthlyFee));
  }
  EXPECT_EQ(std::make_tuple(0.1231, 0.0616, true),
            std::make_tuple(doc.Price, doc.BaseConnectPrice, doc.Modified));

  // Back to the old rate in a second run.
  AdjustVat(doc, 19, 16);
  EXPECT_EQ(std::make_pair(0.12, 0.12), std::make_pair(doc.Zones[0].Werktag[0].PricePerUnit, doc.Price));
}

TEST(VatAdjustmentTest, OneZoneAndNoZone) {
  TTarifFile one = Document(1);
  std::vector<int> percents;
  AdjustVat(one, 16, 19, [&](int p) { percents.push_back(p); });
  EXPECT_EQ((std::vector<int>{0, 100, 0, 100}), percents);

  TTarifFile none = Document(0);
  AdjustVat(none, 16, 19);
  EXPECT_EQ(std::make_tuple(0.1231, 0.0616, true),
            std::make_tuple(none.Price, none.BaseConnectPrice, none.Modified));
}

TEST(VatAdjustmentTest, PricesTooLargeForTheResultStayWithAMessage) {
  TTarifFile doc = Document(1);
  doc.Zones[0].Werktag[0].PricePerUnit = 1e308;
  doc.Price = 9e11;
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("2 Preise sind zu groß für die Umrechnung und bleiben unverändert.");
  AdjustVat(doc, 0, 99);
  EXPECT_EQ(mkWarnung, boxes.Boxes().at(0).Kind);
  EXPECT_EQ(std::make_tuple(1e308, 9e11, 0.1194),
            std::make_tuple(doc.Zones[0].Werktag[0].PricePerUnit, doc.Price, doc.BaseConnectPrice));
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
      {"", "19", TVatOutcome::InvalidRate, 0.12},    {"00", "19", TVatOutcome::InvalidRate, 0.12},
  };
  for (const auto& c : cases) {
    TTarifFile doc = Document(1);
    EXPECT_EQ(c.outcome, RunVatAdjustment(doc, c.oldText, c.newText)) << c.oldText << " " << c.newText;
    EXPECT_EQ(c.price, doc.Zones[0].Werktag[0].PricePerUnit) << c.oldText << " " << c.newText;
    EXPECT_EQ(c.outcome == TVatOutcome::Adjusted, doc.Modified);
  }
  EXPECT_EQ(
      "Die Gebühren wurden neu berechnet!\rÜberprüfen Sie nun unbedingt die Richtigkeit der Tarifangaben!",
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
