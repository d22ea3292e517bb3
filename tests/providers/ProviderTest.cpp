#include <gtest/gtest.h>

#include <tuple>

#include "providers/Provider.h"

namespace dudode {
namespace {

TEST(ProviderTest, NewKeysTakeNameLettersAndAFreeCounter) {
  const std::pair<const char*, const char*> rows[] = {
      {"Netzwerk Süd", "NETZ0001"}, {"Netz", "NETZ0002"},  {"T 1", "TAA0001"}, {"X", "X0001"},
      {"Äöüß", "AOUS0001"},         {"  Abc  ", "AB0001"},  // four characters first, then the blanks go
  };
  TProviderList providers;
  for (const auto& [name, key] : rows) {
    EXPECT_EQ(key, NewProviderKey(name, providers));
    providers.push_back({key, "", {}, {}, {}});
  }
  // The file store matches sections without case: a key in small letters blocks.
  EXPECT_EQ("NETZ0002", NewProviderKey("Netz", {{"netz0001", "", {}, {}, {}}}));
}

TEST(ProviderTest, DialogMoneyIsScaledByTheCurrencyBaseBothWays) {
  // 12.5 after scaling rounds to even; one of Timing and MinConnectTime missing makes both -1.
  TProviderOptionsForm form;
  std::tie(form.FreeHoursCosts, form.BaseAmount, form.NoCostsFrom, form.CostsPerDay, form.BaseConnectPrice) =
      std::make_tuple(0.25, 4.95, 0, 0.5, 0.125);
  std::tie(form.EntryTiming, form.Timing, form.MinConnectTime) = std::make_tuple(false, 10, 0);
  const TProviderOptions o = OptionsFromForm(form, 100);
  EXPECT_EQ(std::make_tuple(495, 12.0, 25.0, -1.0, 50.0, -1.0, -1.0),
            std::make_tuple(o.BaseAmount, o.BaseConnectPrice, o.FreeHoursCosts, o.NoCostsFrom, o.CostsPerDay,
                            o.Timing, o.MinConnectTime));
  form.MinConnectTime = 1;
  EXPECT_DOUBLE_EQ(10, OptionsFromForm(form, 100).Timing);
  form.EntryTiming = true;
  EXPECT_DOUBLE_EQ(-1, OptionsFromForm(form, 100).Timing);
  EXPECT_EQ(4950, OptionsFromForm(form, 1000).BaseAmount);
  TProviderOptions m;
  std::tie(m.BaseAmount, m.NoCostsFrom, m.Timing, m.MinConnectTime, m.CostsPerDay) =
      std::make_tuple(495, -1, 10, 1, 0);
  const auto shown = [&] {
    const TProviderOptionsForm f = FormFromOptions(m, 100);
    return std::make_tuple(f.BaseAmount, f.NoCostsFrom, f.EntryTiming, f.Timing);
  };
  EXPECT_EQ(std::make_tuple(4.95, 0.0, false, 10.0), shown());
  m.MinConnectTime = 0;
  EXPECT_EQ(std::make_tuple(4.95, 0.0, true, 0.0), shown());
  // Back and forth keeps the model.
  m.MinConnectTime = 1;
  m.NoCostsFrom = 2000;
  EXPECT_EQ(m, OptionsFromForm(FormFromOptions(m, 100), 100));
}

}  // namespace
}  // namespace dudode
