#include <gtest/gtest.h>

#include "support/ScriptedMessageBoxes.h"
#include "zones/ZoneOrder.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::FilledZone;
using test::ThreeZones;
using test::TScriptedMessageBoxes;

std::vector<std::string> Texts(const TZoneOrderList& list) {
  std::vector<std::string> texts;
  for (const auto& item : list.Items) texts.push_back(item.Text);
  return texts;
}

TEST(ZoneOrderTest, MarkedItemsArriveBottomFirstAndAllKeepTheirOrder) {
  TZoneOrderForm form = ZoneOrderFormFor(ThreeZones());
  EXPECT_TRUE(form.IncludeEnabled());
  EXPECT_FALSE(form.ExcludeEnabled());
  // ">" on the 1st and 3rd zone: the 3rd comes first.
  EXPECT_EQ(0, form.Include({0, 2}));
  EXPECT_EQ((std::vector<std::string>{"Mobil", "Nah"}), Texts(form.Target));
  EXPECT_EQ((std::vector<std::string>{"Fern"}), Texts(form.Source));
  EXPECT_EQ(-1, form.Include({0}));  // the source is empty now
  EXPECT_FALSE(form.IncludeEnabled());
  EXPECT_EQ((std::vector<int>{2, 0, 1}), form.NewOrder());

  // "<" of the last two: back in reverse; the selection is clipped to the last item.
  EXPECT_EQ(0, form.Exclude({1, 2}));
  EXPECT_EQ((std::vector<std::string>{"Fern", "Nah"}), Texts(form.Source));
  EXPECT_EQ((std::vector<std::string>{"Mobil"}), Texts(form.Target));
  EXPECT_EQ(-1, form.IncludeAll());
  EXPECT_EQ((std::vector<std::string>{"Mobil", "Fern", "Nah"}), Texts(form.Target));
  EXPECT_EQ(-1, form.ExcludeAll());
  EXPECT_EQ((std::vector<std::string>{"Mobil", "Fern", "Nah"}), Texts(form.Source));
  // Nothing marked: nothing moves, the first item is selected.
  EXPECT_EQ(0, form.Include({}));
  EXPECT_EQ(3u, form.Source.Items.size());
  EXPECT_EQ(1, form.Include({2}));
}

TEST(ZoneOrderTest, ASortedListStaysSorted) {
  TZoneOrderForm form = ZoneOrderFormFor(ThreeZones());
  form.Target.Sort();
  form.IncludeAll();
  EXPECT_EQ((std::vector<std::string>{"Fern", "Mobil", "Nah"}), Texts(form.Target));
  form.Source.Sort();
  form.Exclude({0, 2});
  EXPECT_EQ((std::vector<std::string>{"Fern", "Nah"}), Texts(form.Source));
  form.Exclude({0});
  EXPECT_EQ((std::vector<std::string>{"Fern", "Mobil", "Nah"}), Texts(form.Source));
  // Letter case is ignored and umlauts sort with their letter.
  TZoneOrderList list;
  list.Sort();
  for (const char* text : {"b", "Ost", "c", "Ärger", "a"}) list.Add({text, 0});
  EXPECT_EQ((std::vector<std::string>{"a", "Ärger", "b", "c", "Ost"}), Texts(list));
}

TEST(ZoneOrderTest, ReorderingMovesListsAndOptionsWithTheirZones) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = ThreeZones();
  doc.Zones[2].Access.PhoneNr = "0191011";
  doc.Zones[2].WFreeTimes = {{0, 59, 1}};
  const auto result = ReorderZonesCommand(doc, [](TZoneOrderForm& form) {
    form.Include({0, 2});
    form.IncludeAll();
    return form.Apply();
  });
  EXPECT_EQ(0, result.CurrentZone);
  ASSERT_EQ(3u, doc.Zones.size());
  EXPECT_EQ("MOBI0001", doc.Zones[0].Key);
  EXPECT_EQ(3u, doc.Zones[0].Werktag.size());
  EXPECT_EQ("0191011", doc.Zones[0].Access.PhoneNr);
  EXPECT_EQ(1u, doc.Zones[0].WFreeTimes.size());
  EXPECT_EQ("NAH0001", doc.Zones[1].Key);
  EXPECT_EQ("FERN0001", doc.Zones[2].Key);
}

}  // namespace
}  // namespace dudode
