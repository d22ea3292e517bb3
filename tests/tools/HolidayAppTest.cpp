// The holiday list, the application table and the writing of their sections.
#include <gtest/gtest.h>

#include "core/Files.h"
#include "core/TarifTestSupport.h"
#include "core/TarifWriter.h"
#include "tools/AppTable.h"
#include "tools/HolidayList.h"
#include "tools/SectionSave.h"

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

  std::vector<std::string> dates;
  for (const TFeiertag& h : list.Holidays()) dates.push_back(h.Date);
  EXPECT_EQ((std::vector<std::string>{"0101", "0105", "0310", "2512", "3112"}), dates);
}

TEST(HolidayListTest, AFileWithMoreThanTheLimitShowsAllButAddsNone) {
  std::vector<TFeiertag> holidays;
  for (int day = 1; day <= 22; ++day) holidays.push_back({TwoDigitText(day) + "01"});
  THolidayList list(holidays);
  EXPECT_EQ(22u, list.Lines().size());
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es können maximal 20 Feiertage aufgenommen werden!");
  EXPECT_FALSE(list.CanAdd());
  holidays.resize(19);
  EXPECT_TRUE(THolidayList(holidays).CanAdd());
}

TEST(AppTableTest, TapiNamesAreKeys) {
  struct Case {
    const char* typed;
    const char* stored;
  } cases[] = {{"abc", "ABC"}, {"A=B", "AB"},  {"[x]", "X"},    {";x", "X"},
               {" ;x", " X"},  {"a;b", "A;B"}, {"märz", "MÄRZ"}};
  for (const Case& c : cases) EXPECT_EQ(c.stored, CleanTapiName(c.typed)) << c.typed;
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
  EXPECT_EQ("ZWEI", apps[1].TapiName);
  EXPECT_EQ("Zwei", apps[1].AppName);

  boxes.Expect("Möchten Sie wirklich die Anwendung EINS löschen?", idYes);
  boxes.Expect("Möchten Sie wirklich die Anwendung ZWEI löschen?", idYes);
  EXPECT_TRUE(table.Remove(0));
  EXPECT_TRUE(table.Remove(0));
  table.Remove(0);
  ASSERT_EQ(1u, table.Rows().size()) << "removing the last leaves the placeholder";
  EXPECT_TRUE(table.Applications().empty());
}

class SectionSaveTest : public test::TarifTest {};

TEST_F(SectionSaveTest, KeepsTheChangeWhenTheSectionIsNotWritten) {
  const std::string before = Crlf("[COMMON]\nFILENAME=Alt\n[FEIERTAGE]\nF0=0101\n");
  struct Case {
    const char* fileName;
    bool named;
    bool failing;
  } cases[] = {
      {"RATES.3", true, false}, {"", true, false}, {"RATES.3", false, false}, {"RATES.3", true, true}};
  for (const Case& c : cases) {
    const bool expected = *c.fileName && c.named && !c.failing;
    dir.Write("RATES.3", before);
    TScriptedMessageBoxes boxes;
    if (c.failing) boxes.AcceptAll();
    TTarifFile doc;
    doc.FileName = c.fileName;
    doc.Description = "Alt";
    doc.Holidays = {{"0310"}, {"2512"}};
    int asked = 0;
    InjectWriteFailureAfter(c.failing ? 5 : -1);
    const bool written = WriteSectionAtOnce(doc, TFileSection::Holidays, [&] { return ++asked, c.named; });
    InjectWriteFailureAfter(-1);
    EXPECT_EQ(expected, written) << c.fileName << c.named;
    EXPECT_EQ(!expected, doc.Modified);
    EXPECT_EQ(*c.fileName ? 1 : 0, asked) << "no name is asked for a file that cannot be written";
    const std::string file = dir.Read("RATES.3");
    EXPECT_EQ(expected, file.find("F0=0310\r\nF1=2512") != std::string::npos) << file;
  }
}

TEST_F(SectionSaveTest, ANameGivenBeforeTheWriteMarksTheDocument) {
  dir.Write("RATES.3", Crlf("[COMMON]\nFILENAME=Alt\n"));
  TScriptedMessageBoxes boxes;
  TTarifFile doc;
  doc.FileName = "RATES.3";
  doc.Applications = {{"NEU", "Neu"}};
  EXPECT_TRUE(WriteSectionAtOnce(doc, TFileSection::Applications, [&] {
    doc.Description = "Neuer Name";
    return true;
  }));
  EXPECT_TRUE(doc.Modified) << "the description is only in memory";
  EXPECT_NE(std::string::npos, dir.Read("RATES.3").find("NEU=Neu"));
}

}  // namespace
}  // namespace dudode
