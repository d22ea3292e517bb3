// Taking zones, holidays and applications over from another tariff file.
#include <gtest/gtest.h>

#include <tuple>

#include "core/TarifTestSupport.h"
#include "tools/TarifImport.h"

namespace dudode {
namespace {

using test::Crlf;
using test::TScriptedMessageBoxes;

constexpr const char* kSource = R"([COMMON]
FILEDATE=03/01/2004
FILENAME=Quelle_Netz
[FEIERTAGE]
F0=0101
F1=2512
F2=
F3=0310
F4=0105
F5=2612
[APPLICATIONS]
msdial=Wählprogramm
Neu=Neue Anwendung
Leer=
[REGIONENINDEX]
R0=City,CITY0001
R1=
R2=OhneKomma
R3=Ohne_Schlüssel,
R4=Nur_SaSo,SASO0001
[ConnectPrice]
CITY0001=0.1200/5.0000
[RELATIONS]
CITY0001=[0,1]
[10plus]
CITY0001=YES
[RoundTo]
CITY0001=60
[AccessInfos_CITY0001]
PhoneNr=0101
NichtBundesweit=1
[CITY0001WFREETIMES]
0=10:00-10:59/60
[CITY0001WERKTAG]
0=23456|0.1200/-5/100/06:00-23:59/60/0/0101-3112,Tag
1=23456|0.0600/60/1/00:00-05:59/0/0/0101-3112,Ohne_Takt
2=kaputt
[SASO0001SASO]
0=178|0.0600/30/2/00:00-23:59/60/0/0101-3112,Wochenende
)";

class TarifImportTest : public test::TarifTest {
 protected:
  void SetUp() override {
    TarifTest::SetUp();
    dir.Write("RATES.1", Crlf(kSource));
  }
  // A chooser that checks the given lines and records the names offered.
  TZoneChooser Check(std::vector<std::size_t> lines, bool confirm = true) {
    return [this, lines, confirm](const std::vector<std::string>& names, std::vector<bool>& checked) {
      offered = names;
      for (std::size_t line : lines) checked.at(line) = true;
      return confirm;
    };
  }
  std::vector<std::string> offered;
};

TEST_F(TarifImportTest, FileListAndDate) {
  dir.Write("Rates.2", Crlf("[OPTIONS]\nPRICE=0.1\n"));
  dir.Write("RATES.3", Crlf("[COMMON]\nFILENAME=Alpha_Tarif ;Kommentar\n"));
  TScriptedMessageBoxes boxes;
  const std::vector<TImportFile> files = ImportFileList();
  ASSERT_EQ(3u, files.size());
  EXPECT_EQ("Alpha Tarif", files[0].Description);
  EXPECT_EQ("Quelle Netz", files[1].Description);
  EXPECT_EQ("RATES.1", files[1].FileName);
  EXPECT_EQ("Unbekannte Datei - Keine Information", files[2].Description);
  EXPECT_EQ("Aktualisiert: 01.03.2004", ImportFileInfo("RATES.1"));
  EXPECT_EQ("", ImportFileInfo("RATES.3"));
}

TEST_F(TarifImportTest, HolidaysUpToTheLimit) {
  struct Case {
    int present;   // holidays of the document, none of them in the source
    int imported;  // the second import brings none
  } cases[] = {{0, 5}, {18, 2}, {20, 0}};
  for (const Case& c : cases) {
    TTarifFile doc;
    for (int i = 0; i < c.present; ++i) doc.Holidays.push_back({TwoDigitText(i + 1) + "02"});
    TScriptedMessageBoxes boxes;
    boxes.Expect("Es wurden " + std::to_string(c.imported) + " Feiertag(e) importiert.");
    boxes.Expect("Es wurden 0 Feiertag(e) importiert.");
    EXPECT_EQ(c.imported, ImportHolidays(doc, "RATES.1"));
    EXPECT_EQ(c.imported > 0, doc.Modified);
    EXPECT_EQ(0, ImportHolidays(doc, "RATES.1"));
    EXPECT_EQ(c.present + c.imported, static_cast<int>(doc.Holidays.size()));
  }
}

TEST_F(TarifImportTest, ApplicationsInOtherCaseAreNotImportedAgain) {
  TTarifFile doc;
  doc.Applications = {{"MSDIAL", "Alt"}};
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es wurden 1 Anwendung(en) importiert.");
  EXPECT_EQ(1, ImportApplications(doc, "RATES.1"));
  ASSERT_EQ(2u, doc.Applications.size());
  EXPECT_EQ("Alt", doc.Applications[0].AppName);
  EXPECT_EQ("NEU", doc.Applications[1].TapiName);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(TarifImportTest, ZonesGetKeysOfTheirOwnAndKeepTheSourceValues) {
  TTarifFile doc;
  doc.Zones.resize(1);
  doc.Zones[0].Key = "CITY0001";
  doc.Zones[0].DisplayName = "City";
  TScriptedMessageBoxes boxes;
  boxes.Expect("Der Tarif für Schlüssel CITY0001 ist fehlerhaft! Tarif wird nicht gelesen!", idOK,
               "Syntax Fehler");
  boxes.Expect("Es wurden 2 Tarifzone(n) importiert.", idOK);
  EXPECT_EQ(2, ImportZones(doc, "RATES.1", Check({0, 1})));
  EXPECT_EQ((std::vector<std::string>{"City", "Nur SaSo"}), offered) << "broken index lines make no zone";
  ASSERT_EQ(3u, doc.Zones.size());
  EXPECT_TRUE(doc.Modified);

  const TKeyAndName& city = doc.Zones[1];
  EXPECT_NE("CITY0001", city.Key);
  EXPECT_EQ(std::make_tuple(std::string("City"), 0.12, 5.0, 3, true, 60, std::string("0101")),
            std::make_tuple(city.DisplayName, city.ConnectPrice, city.MonthlyFee, int{city.Relations},
                            city.TenPlusActive, city.RoundTo, city.Access.PhoneNr));
  EXPECT_FALSE(city.Access.Registration || city.Access.NichtBundesweit) << "missing, and not read";
  ASSERT_EQ(1u, city.WFreeTimes.size());
  // Source order, the entry without tariff, the negative interval and each
  // entry's own interval kept; the zone's prices set.
  ASSERT_EQ(2u, city.Werktag.size());
  const TTarifEntry& noTariff = city.Werktag[1];
  EXPECT_EQ(std::make_tuple(-5.0, 100.0, -5.0),
            std::make_tuple(city.CalcTakt, city.FirstSecond, city.Werktag[0].CalcTakt));
  EXPECT_EQ(std::make_tuple(false, 60.0, 0.12, 5.0),
            std::make_tuple(noTariff.IsTariff(), noTariff.CalcTakt, noTariff.ZoneConnectPrice,
                            noTariff.ZoneMonthlyFee));

  const TKeyAndName& weekend = doc.Zones[2];
  EXPECT_TRUE(weekend.Werktag.empty());
  EXPECT_DOUBLE_EQ(30, weekend.CalcTakt) << "from the first SaSo entry";
  EXPECT_DOUBLE_EQ(2, weekend.FirstSecond);
  EXPECT_NE(weekend.Key, city.Key);
}

TEST_F(TarifImportTest, CancelAndTheZoneLimit) {
  struct Case {
    int present;
    bool confirm;
    std::vector<const char*> messages;
    int added;
  } cases[] = {
      {0, false, {}, 0},
      {49,
       true,
       {"Es kann keine weiterer Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 Tarifzonen.",
        "Es wurden 1 Tarifzone(n) importiert."},
       1},
      {50,
       true,
       {"Es kann keine weiterer Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 "
        "Tarifzonen."},
       0},
  };
  // The three lines of this source: two zones, one listed twice.
  dir.Write("RATES.4", Crlf("[REGIONENINDEX]\nR0=A,AAAA0001\nR1=B,BBBB0001\nR2=A2,AAAA0001\n"));
  for (const Case& c : cases) {
    TTarifFile doc;
    doc.Zones.resize(static_cast<std::size_t>(c.present));
    TScriptedMessageBoxes boxes;
    for (const char* m : c.messages) boxes.Expect(m);
    const int current = ImportZones(doc, "RATES.4", Check({0, 1, 2}, c.confirm));
    EXPECT_EQ(c.added ? c.present : -1, current);
    EXPECT_EQ(c.present + c.added, static_cast<int>(doc.Zones.size()));
    EXPECT_EQ(c.added > 0, doc.Modified);
  }
}

TEST_F(TarifImportTest, ASourceWithoutZones) {
  dir.Write("RATES.5", Crlf("[REGIONENINDEX]\nR0=,\n"));
  TScriptedMessageBoxes boxes;
  boxes.Expect("Diese Tarifdatei enthält keine Tarifzonen.", idOK, "Tarifzonen importieren");
  TTarifFile doc;
  EXPECT_EQ(-1, ImportZones(doc, "RATES.5", Check({})));
  EXPECT_TRUE(offered.empty()) << "nothing is offered";
}

}  // namespace
}  // namespace dudode
