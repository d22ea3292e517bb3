#include <gtest/gtest.h>

#include "providers/Provider.h"

namespace dudode {
namespace {

TEST(ProviderTest, NewKeysTakeNameLettersAndAFreeCounter) {
  TProviderList providers;
  auto add = [&](const std::string& name) {
    TProvider p;
    p.Key = NewProviderKey(name, providers);
    providers.push_back(p);
    return p.Key;
  };
  EXPECT_EQ("NETZ0001", add("Netzwerk Süd"));
  EXPECT_EQ("NETZ0002", add("Netz"));
  EXPECT_EQ("TAA0001", add("T 1"));
  EXPECT_EQ("X0001", add("X"));
  EXPECT_EQ("AOUS0001", add("Äöüß"));
  EXPECT_EQ("AB0001", add("  Abc  "));  // four characters first, then the blanks go
  // The file store matches sections without case: a key in small letters blocks.
  providers = {{"netz0001", "", {}, {}, {}}};
  EXPECT_EQ("NETZ0002", NewProviderKey("Netz", providers));
}

TEST(ProviderTest, DialogMoneyIsScaledByTheCurrencyBase) {
  TProviderOptionsForm form;
  form.BaseAmount = 4.95;
  form.BaseConnectPrice = 0.125;  // whole number after scaling: 12.5 rounds to even
  form.FreeHoursCosts = 0.0125;
  form.NoCostsFrom = 0;
  form.CostsPerDay = 0.5;
  form.EntryTiming = false;
  form.Timing = 10;
  form.MinConnectTime = 0;  // one of the two missing: both -1
  const TProviderOptions o = OptionsFromForm(form, 100);
  EXPECT_EQ(495, o.BaseAmount);
  EXPECT_DOUBLE_EQ(12, o.BaseConnectPrice);
  EXPECT_DOUBLE_EQ(1.25, o.FreeHoursCosts);
  EXPECT_DOUBLE_EQ(-1, o.NoCostsFrom);
  EXPECT_DOUBLE_EQ(50, o.CostsPerDay);
  EXPECT_DOUBLE_EQ(-1, o.Timing);
  EXPECT_DOUBLE_EQ(-1, o.MinConnectTime);

  form.MinConnectTime = 1;
  EXPECT_DOUBLE_EQ(10, OptionsFromForm(form, 100).Timing);
  form.EntryTiming = true;
  EXPECT_DOUBLE_EQ(-1, OptionsFromForm(form, 100).Timing);
  EXPECT_EQ(4950, OptionsFromForm(form, 1000).BaseAmount);
}

TEST(ProviderTest, DialogShowsModelInCurrencyUnits) {
  TProviderOptions o;
  o.BaseAmount = 495;
  o.NoCostsFrom = -1;
  o.CostsPerDay = 0;
  o.Timing = 10;
  o.MinConnectTime = 1;
  TProviderOptionsForm form = FormFromOptions(o, 100);
  EXPECT_DOUBLE_EQ(4.95, form.BaseAmount);
  EXPECT_DOUBLE_EQ(0, form.NoCostsFrom);
  EXPECT_FALSE(form.EntryTiming);
  EXPECT_DOUBLE_EQ(10, form.Timing);
  o.MinConnectTime = 0;
  form = FormFromOptions(o, 100);
  EXPECT_TRUE(form.EntryTiming);
  EXPECT_DOUBLE_EQ(0, form.Timing);
  // Back and forth keeps the model.
  o.MinConnectTime = 1;
  o.NoCostsFrom = 2000;
  EXPECT_EQ(o, OptionsFromForm(FormFromOptions(o, 100), 100));
}

TEST(ProviderTest, LimitMessagesNameTheLimits) {
  EXPECT_EQ(
      "Es kann kein Provider aufgenommen werden, da das Maximum von 1024 Providern damit überschritten "
      "würde!",
      ProviderLimitMessage());
  EXPECT_EQ(
      "Es kann kein Providertarif hinzugefügt werden, damit würde das Maximum von 20 Tarifen überschritten!",
      ProviderEntryLimitMessage());
}

}  // namespace
}  // namespace dudode
