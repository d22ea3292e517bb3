// The holiday list, the application table, the writing of their sections, and
// taking zones, holidays and applications over from another tariff file.
#include <gtest/gtest.h>

#include <tuple>

#include "core/Files.h"
#include "core/TarifTestSupport.h"
#include "tools/AppTable.h"
#include "tools/HolidayList.h"
#include "tools/SectionSave.h"
#include "tools/TarifImport.h"

namespace dudode {
namespace {

using test::Crlf;
using test::TScriptedMessageBoxes;

constexpr const char* kInvalid = "Das eingegebene Datum ist nicht korrekt!";
constexpr const char* kDuplicate = "Dieser Feiertag ist schon aufgenommen wurden!";
constexpr const char* kSelect = "Sie müssen einen Eintrag in der Liste selektieren!";

TEST(HolidayListTest, DateCheck) {
  struct Case {
    const char* typed;
    const char* shown;  // nullptr: refused
  } cases[] = {
      {"1 .5 .", "01.05."}, {" 1.05.", "01.05."}, {"29.02.", "29.02."}, {"31.12.", "31.12."},
      {"  .  .", "  .  ."}, {"31.04.", nullptr},  {"00.01.", nullptr},  {"30.02.", nullptr},
      {"12.13.", nullptr},  {"12.  .", nullptr},  {"1x.01.", nullptr},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    if (!c.shown) boxes.Expect(kInvalid);
    THolidayDateForm form{c.typed};
    EXPECT_EQ(c.shown != nullptr, form.Leave()) << c.typed;
    if (!c.shown) continue;
    EXPECT_EQ(c.shown, form.Text) << c.typed;
    EXPECT_EQ(form.Text != "  .  .", form.Apply()) << "an empty field stays open";
  }
}

TEST(HolidayListTest, SortedLinesLimitAndDuplicates) {
  TScriptedMessageBoxes boxes;
  THolidayList list({{"2512"}, {"0310"}, {""}, {"101"}, {"0105"}, {"2412"}});
  EXPECT_EQ((std::vector<std::string>{"01.01.", "01.05.", "03.10.", "24.12.", "25.12."}), list.Lines());

  boxes.Expect(kDuplicate);
  EXPECT_EQ(-1, list.Add("25.12."));
  EXPECT_EQ(-1, list.Change(3, "24.12.")) << "an unchanged line is no change";
  boxes.Expect(kDuplicate);
  EXPECT_EQ(-1, list.Change(3, "25.12."));
  EXPECT_EQ(4, list.Change(3, "31.12."));
  boxes.Expect(kSelect);
  EXPECT_FALSE(list.Remove(-1));
  boxes.Expect("Möchten Sie den Eintrag 01.05. wirklich löschen?", idNo);
  EXPECT_FALSE(list.Remove(1));
  boxes.Expect("Möchten Sie den Eintrag 01.05. wirklich löschen?", idYes);
  EXPECT_TRUE(list.Remove(1));
  EXPECT_EQ(1, list.Add("01.05."));
  THolidayList full({{"0101"}, {"2512"}});  // no room left: the insert moves the lines
  EXPECT_EQ(1, full.Add("01.05."));

  std::vector<std::string> dates;
  for (const TFeiertag& h : list.Holidays()) dates.push_back(h.Date);
  EXPECT_EQ((std::vector<std::string>{"0101", "0105", "0310", "2512", "3112"}), dates);
}

TEST(HolidayListTest, AFileWithTheLimitOrMoreShowsAllButAddsNone) {
  for (int count : {19, 20, 22}) {
    std::vector<TFeiertag> holidays;
    for (int day = 1; day <= count; ++day) holidays.push_back({TwoDigitText(day) + "01"});
    THolidayList list(holidays);
    EXPECT_EQ(static_cast<std::size_t>(count), list.Lines().size());
    TScriptedMessageBoxes boxes;
    if (count >= 20) boxes.Expect("Es können maximal 20 Feiertage aufgenommen werden!");
    EXPECT_EQ(count < 20, list.CanAdd()) << count;
  }
}

TEST(AppTableTest, TapiNamesAreKeys) {
  struct Case {
    const char* typed;
    const char* stored;
  } cases[] = {{"abc", "ABC"}, {"A=B", "AB"},  {"[x]", "X"},    {";x", "X"},
               {" ;x", " X"},  {"a;b", "A;B"}, {"märz", "MÄRZ"}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.stored, CleanTapiName(c.typed)) << c.typed;
    // Whatever is taken out is said; capitals alone are no loss.
    const bool dropped = std::string_view(c.stored).size() < std::string_view(c.typed).size();
    EXPECT_EQ(dropped, !TapiNameDropMessage(c.typed).empty()) << c.typed;
  }
}

TEST(AppTableTest, RowDialogRefusesMissingFieldsAndDuplicates) {
  struct Case {
    const char* tapi;
    const char* app;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"NEU", "Neu", nullptr},
      {"", "Neu", "Es wurden nicht alle Felder korrekt ausgefüllt!"},
      {"NEU", "  ", "Es wurden nicht alle Felder korrekt ausgefüllt!"},
      {" msdial ", "x",
       "Eine Anwendung mit dem TAPI-Namen msdial ist bereits vorhanden! Bitte wählen Sie einen anderen "
       "Namen."},
      {"ABCDEFGHIJKLMNOPQRSTX", "x",
       "Eine Anwendung mit dem TAPI-Namen ABCDEFGHIJKLMNOPQRST ist bereits vorhanden! Bitte wählen Sie einen "
       "anderen Namen."},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    if (c.message) boxes.Expect(c.message);
    TAppForm form{c.tapi, c.app, {"MSDIAL", "ABCDEFGHIJKLMNOPQRSTU"}};
    EXPECT_EQ(c.message == nullptr, form.Apply()) << c.tapi;
    EXPECT_EQ(c.message == nullptr, form.Accepted);
  }
}

TEST(AppTableTest, PlaceholderRow) {
  TScriptedMessageBoxes boxes;
  TAppTable table({});
  ASSERT_EQ(1u, table.Rows().size());
  EXPECT_TRUE(table.IsPlaceholder(0));
  EXPECT_TRUE(table.IsPlaceholder(-1));
  EXPECT_FALSE(table.Remove(0)) << "no question for the placeholder";
  EXPECT_TRUE(table.EditForm(5).TapiName.empty());
  EXPECT_EQ(0, table.Add({"EINS", "Eins"})) << "the first application fills the placeholder";
  EXPECT_EQ(1, table.Add({"ZWEI", " Zwei "}));
  EXPECT_EQ(std::vector<std::string>{"ZWEI"}, table.EditForm(0).OtherTapiNames);
  table.Add({"  ", "nur Blanks"});
  const std::vector<TAppEntry> apps = table.Applications();
  ASSERT_EQ(2u, apps.size()) << "a blank TAPI name is dropped";
  EXPECT_EQ(std::make_pair(std::string("ZWEI"), std::string("Zwei")),
            std::make_pair(apps[1].TapiName, apps[1].AppName));

  boxes.Expect("Möchten Sie wirklich die Anwendung EINS löschen?", idYes);
  boxes.Expect("Möchten Sie wirklich die Anwendung ZWEI löschen?", idYes);
  EXPECT_TRUE(table.Remove(0));
  EXPECT_TRUE(table.Remove(0));
  table.Remove(0);
  ASSERT_EQ(1u, table.Rows().size()) << "removing the last leaves the placeholder";
  EXPECT_TRUE(table.Applications().empty());
}

class SectionSaveTest : public test::TarifTest {};

// A section is written at once only into a named file whose name was confirmed;
// otherwise, and when the naming step renames the document, the change waits for Save.
TEST_F(SectionSaveTest, WritesAtOnceOrKeepsTheChange) {
  struct Case {
    const char* fileName;
    bool named, failing, renames;
    TFileSection section;
    bool written;
  } cases[] = {{"RATES.3", true, false, false, TFileSection::Holidays, true},
               {"", true, false, false, TFileSection::Holidays, false},
               {"RATES.3", false, false, false, TFileSection::Holidays, false},
               {"RATES.3", true, true, false, TFileSection::Holidays, false},
               {"RATES.3", true, false, true, TFileSection::Applications, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fileName << c.named << c.failing << c.renames);
    dir.Write("RATES.3", Crlf("[COMMON]\nFILENAME=Alt\n[FEIERTAGE]\nF0=0101\n"));
    TScriptedMessageBoxes boxes;
    if (c.failing) boxes.AcceptAll();
    TTarifFile doc;
    doc.FileName = c.fileName;
    doc.Description = "Alt";
    doc.Holidays = {{"0310"}, {"2512"}};
    doc.Applications = {{"NEU", "Neu"}};
    int asked = 0;
    InjectWriteFailureAfter(c.failing ? 5 : -1);
    const bool written = WriteSectionAtOnce(doc, c.section, [&] {
      if (c.renames) doc.Description = "Neuer Name";
      return ++asked, c.named;
    });
    InjectWriteFailureAfter(-1);
    EXPECT_EQ(c.written, written);
    EXPECT_EQ(!c.written || c.renames, doc.Modified);
    EXPECT_EQ(*c.fileName ? 1 : 0, asked) << "no name is asked for a file that cannot be written";
    const std::string file = dir.Read("RATES.3");
    const char* part = c.section == TFileSection::Holidays ? "F0=0310\r\nF1=2512" : "NEU=Neu";
    EXPECT_EQ(c.written, file.find(part) != std::string::npos) << file;
  }
  // The first write of a document without a file writes all of it.
  TTarifFile fresh, reread;
  std::tie(fresh.FileName, fresh.Description, reread.FileName) = std::make_tuple("RATES.4", "Neu", "RATES.4");
  fresh.Applications = {{"NEU", "Neu"}};
  EXPECT_TRUE(WriteSectionAtOnce(fresh, TFileSection::Applications, [] { return true; }));
  LoadTarifFile(reread);
  EXPECT_EQ(std::make_tuple(std::string("Neu"), std::string("Neu")),
            std::make_tuple(reread.Description, reread.Applications.at(0).AppName));
}

// One section a line.
constexpr const char* kSource =
    "[COMMON]\nFILEDATE=03/01/2004\nFILENAME=Quelle_Netz\n"
    "[FEIERTAGE]\nF0=0101\nF1=2512\nF2=\nF3=0310\nF4=0105\nF5=2612\n"
    "[APPLICATIONS]\nmsdial=Wählprogramm\nNeu=Neue Anwendung\nLeer=\n"
    "[REGIONENINDEX]\nR0=City,CITY0001\nR1=\nR2=OhneKomma\nR3=Ohne_Schlüssel,\nR4=Nur_SaSo,SASO0001\n"
    "[ConnectPrice]\nCITY0001=0.1200/5.0000\n[RELATIONS]\nCITY0001=[0,1]\n[10plus]\nCITY0001=YES\n"
    "[RoundTo]\nCITY0001=60\n[AccessInfos_CITY0001]\nPhoneNr=0101\nNichtBundesweit=1\n"
    "[CITY0001WFREETIMES]\n0=10:00-10:59/60\n"
    "[CITY0001WERKTAG]\n0=23456|0.1200/-5/100/06:00-23:59/60/0/0101-3112,Tag\n"
    "1=23456|0.0600/60/1/00:00-05:59/0/0/0101-3112,Ohne_Takt\n2=kaputt\n"
    "[SASO0001SASO]\n0=178|0.0600/30/2/00:00-23:59/60/0/0101-3112,Wochenende\n";

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
  std::vector<std::pair<std::string, std::string>> files;
  for (const TImportFile& f : ImportFileList()) files.emplace_back(f.FileName, f.Description);
  EXPECT_EQ((decltype(files){{"RATES.3", "Alpha Tarif"},
                             {"RATES.1", "Quelle Netz"},
                             {"Rates.2", "Unbekannte Datei - Keine Information"}}),
            files);
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
  EXPECT_EQ(std::make_tuple("Alt", "NEU", true),
            std::make_tuple(doc.Applications[0].AppName, doc.Applications[1].TapiName, doc.Modified));
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
  EXPECT_EQ(std::make_tuple(true, 30.0, 2.0),
            std::make_tuple(weekend.Werktag.empty(), weekend.CalcTakt, weekend.FirstSecond))
      << "Takt from the first SaSo entry";
  EXPECT_NE(weekend.Key, city.Key);
}

TEST_F(TarifImportTest, CancelTheZoneLimitAndNoZones) {
  const char* const limit =
      "Es kann keine weiterer Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 Tarifzonen.";
  struct Case {
    const char* file;
    int present;
    bool confirm;
    std::vector<const char*> messages;
    int added;
  } cases[] = {{"RATES.4", 0, false, {}, 0},
               {"RATES.4", 49, true, {limit, "Es wurden 1 Tarifzone(n) importiert."}, 1},
               {"RATES.4", 50, true, {limit}, 0},
               {"RATES.5", 0, true, {"Diese Tarifdatei enthält keine Tarifzonen."}, 0}};
  // The three lines of this source: two zones, one listed twice.
  dir.Write("RATES.4", Crlf("[REGIONENINDEX]\nR0=A,AAAA0001\nR1=B,BBBB0001\nR2=A2,AAAA0001\n"));
  dir.Write("RATES.5", Crlf("[REGIONENINDEX]\nR0=,\n"));
  for (const Case& c : cases) {
    TTarifFile doc;
    doc.Zones.resize(static_cast<std::size_t>(c.present));
    TScriptedMessageBoxes boxes;
    for (const char* m : c.messages) boxes.Expect(m);
    const int current = ImportZones(doc, c.file, Check({0, 1, 2}, c.confirm));
    EXPECT_EQ(c.added ? c.present : -1, current);
    EXPECT_EQ(c.present + c.added, static_cast<int>(doc.Zones.size()));
    EXPECT_EQ(c.added > 0, doc.Modified);
  }
}

}  // namespace
}  // namespace dudode
