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

const std::vector<TNo10plusEntry> kUnsorted = {{64800, 71999}, {28800, 35999}};

TTarifFile Document() {
  TTarifFile doc;
  doc.Zones.resize(2);
  doc.Zones[0].DisplayName = "&City_Nord";
  doc.Zones[0].TenPlusActive = true;
  doc.Zones[0].WNo10plus = kUnsorted;
  doc.Zones[1].DisplayName = "Fern";
  doc.Zones[1].FNo10plus = kUnsorted;
  return doc;
}

TEST(TenPlusFormTest, LinesCarryWorkingCopiesUntilConfirmed) {
  const TTarifFile original = Document();
  struct Case {
    const char* what;
    bool confirm;
    bool change;
  } cases[] = {{"cancelled", false, true}, {"confirmed unchanged", true, false}, {"confirmed", true, true}};
  for (const auto& c : cases) {
    TTarifFile doc = Document();
    const bool changed = AssignTenPlus(doc, [&](std::vector<TTenPlusLine>& lines) {
      EXPECT_EQ("City Nord", lines.at(0).Text);
      EXPECT_TRUE(lines[0].Checked);
      EXPECT_FALSE(lines.at(1).Checked);
      if (c.change) {
        lines[0].Checked = false;
        lines[1].Checked = true;
        lines[1].FNo10plus = {{0, 59}};
      }
      return c.confirm;
    });
    EXPECT_EQ(c.confirm, changed) << c.what;
    EXPECT_EQ(c.confirm, doc.Modified) << c.what;
    const bool applied = c.confirm && c.change;
    EXPECT_EQ(!applied, doc.Zones[0].TenPlusActive) << c.what;
    EXPECT_EQ(applied, doc.Zones[1].TenPlusActive) << c.what;
    EXPECT_EQ(Spans(kUnsorted), Spans(doc.Zones[0].WNo10plus)) << c.what;  // same windows, same order
    EXPECT_EQ(applied ? TSpans({{0, 59}}) : Spans(original.Zones[1].FNo10plus), Spans(doc.Zones[1].FNo10plus))
        << c.what;
  }
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
