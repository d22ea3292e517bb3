#include <gtest/gtest.h>

#include "core/RegionalSettings.h"
#include "tools/TarifOptions.h"

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
      {"12/24/99", "05.03.2024"},   {"1/2/2000", "05.03.2024"},
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
  EXPECT_EQ("Nur Ziffern von \"0\" .. \"9\" und \",\" erlaubt!", PriceKeyMessage());
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
  EXPECT_EQ("Stadt Tarif", doc.Description);
  EXPECT_EQ("01050", doc.AccessCode);
  EXPECT_EQ("www.example.de", doc.WWW);
  EXPECT_EQ("c", doc.Comment);
  EXPECT_DOUBLE_EQ(0.25, doc.Price);
  EXPECT_FALSE(doc.CityWeekend);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ("01/02/2003", doc.FileDate) << "the file date belongs to the writer";
  EXPECT_EQ(2u, doc.Zones.size());

  TTarifFile unchanged;
  ApplyOptions(unchanged, OptionsOf(unchanged));
  EXPECT_TRUE(unchanged.Modified) << "confirming without changes still modifies";
}

}  // namespace
}  // namespace dudode
