#include <gtest/gtest.h>

#include <utility>

#include "tools/TenPlusForm.h"

namespace dudode {
namespace {

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
  AssignTenPlus(doc, [](std::vector<TTenPlusLine>& lines) {
    EXPECT_EQ("City Nord", lines.at(0).Text);
    EXPECT_TRUE(lines[0].Checked);
    lines[0].Checked = false;
    lines.at(1).Checked = true;
    lines[1].FNo10plus = {{0, 59}};
    return true;
  });
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.Zones[0].TenPlusActive);
  EXPECT_TRUE(doc.Zones[1].TenPlusActive);
  EXPECT_EQ(TSpans({{0, 59}}), Spans(doc.Zones[1].FNo10plus));
}

TEST(TenPlusFormTest, PageLinesAreSortedWholeMinutes) {
  EXPECT_EQ("Ausnahmen Rabatt 10plus für \"City Nord\"", TenPlusExceptionsCaption("City Nord"));
  const auto texts = No10plusRowTexts({28800, 64799});
  EXPECT_EQ("08:00:00 Uhr", texts[0]);
  EXPECT_EQ("17:59:59 Uhr", texts[1]);
  // Overlapping windows and equal starts are all kept, in the order of their starts.
  EXPECT_EQ((TSpans{{0, 59}, {28800, 35999}, {28800, 29999}, {64800, 71999}}),
            Spans(No10plusListFromRows({{64800, 71999}, {28800, 35999}, {28800, 29960}, {20, 30}})));
}

}  // namespace
}  // namespace dudode
