#include <gtest/gtest.h>

#include <tuple>

#include "core/Files.h"
#include "providers/ProviderEditor.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDir.h"

namespace dudode {
namespace {

using test::TScriptedMessageBoxes;

TProvider Named(std::string name, std::string key, int entries = 0) {
  TProvider p{std::move(key), std::move(name), {}, {}, {}};
  for (int i = 0; i < entries; ++i) p.WerktagEntries.push_back({i * 60, i * 60 + 59, 60, 0.01});
  return p;
}

// A provider dialog that types a name and confirms, as a user would.
TProviderDialogRunner TypeName(std::string name) {
  return [name](TProviderForm& form, const std::string&) {
    form.Name = name;
    return form.Apply();
  };
}

TWindowDialogRunner TypeWindow(std::string from, std::string to, double takt = 60) {
  return [=](TWindowForm& form, const std::string&) {
    std::tie(form.TimeFrom, form.TimeTo, form.Takt) = std::make_tuple(from, to, takt);
    return form.Apply();
  };
}

TEST(ProviderEditorTest, AddedProvidersGetCleanNamesAndCaseBlindUniqueKeys) {
  const struct {
    std::string Typed, Name, Key, Message;
  } rows[] = {
      {"X", "X", "X0002", ""},  // x0001 exists in small letters
      {" A,B;C&D ", "ABCD", "ABCD0001", ""},
      {"netzwerk süd", "", "", "Es existiert bereits ein Provider mit diesem Namen!"},
      {"NETZWERK SÜD", "", "", "Es existiert bereits ein Provider mit diesem Namen!"},
      {"Netzwerk Nord", "Netzwerk Nord", "NETZ0002", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Typed);
    TProviderEditor editor({Named("Netzwerk Süd", "NETZ0001"), Named("Xaver", "x0001")}, 100);
    TScriptedMessageBoxes boxes;
    if (!row.Message.empty()) boxes.Expect(row.Message);
    EXPECT_EQ(row.Message.empty(), editor.AddProvider(TypeName(row.Typed)));
    EXPECT_EQ(row.Message.empty(), editor.Modified());
    if (!row.Message.empty()) continue;
    const TProvider& added = editor.Providers().at(2);
    EXPECT_EQ(std::make_tuple(3u, 2, row.Name, row.Key),
              std::make_tuple(editor.Providers().size(), editor.Selected(), added.Name, added.Key));
  }
}

TEST(ProviderEditorTest, LimitsHoldAtOrAboveTheirNumbers) {
  const struct {
    int Providers, Entries;
    bool ProviderAdded, EntryAdded;
  } rows[] = {{1023, 19, true, true}, {1024, 20, false, false}, {1025, 21, false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Providers);
    TProviderList providers(static_cast<std::size_t>(row.Providers), Named("P", "P0001"));
    providers[0] = Named("Erster", "ERST0001", row.Entries);
    TProviderEditor editor(providers, 100);
    TScriptedMessageBoxes boxes;
    if (!row.ProviderAdded)
      boxes.Expect(
          "Es kann kein Provider aufgenommen werden, da das Maximum von 1024 Providern damit "
          "überschritten würde!");
    if (!row.EntryAdded)
      boxes.Expect(
          "Es kann kein Providertarif hinzugefügt werden, damit würde das Maximum von 20 Tarifen "
          "überschritten!");
    EXPECT_EQ(row.ProviderAdded, editor.AddProvider(TypeName("Neu")));
    editor.Select(0);
    EXPECT_EQ(row.EntryAdded, editor.AddEntry(TDayClass::Werktag, TypeWindow("22:00", "23:00")));
  }
}

// An edited entry moves to its place by time.
TEST(ProviderEditorTest, EditedEntryIsSortedIn) {
  TProviderEditor editor({Named("A", "A0001", 3)}, 100);
  editor.Select(0);
  ASSERT_TRUE(editor.EditEntry(TDayClass::Werktag, 1, TypeWindow("05:00", "05:59")));
  EXPECT_EQ("05:00:00 Uhr", editor.Rows(TDayClass::Werktag).at(2)[0]);
}

// Free hours beyond the field are refused at "Übernehmen", as typed, with the focus on them.
TEST(ProviderEditorTest, FreeHoursBeyondTheRangeAreRefused) {
  for (const char* typed : {"99999", "10000:00:00", "00099999999"}) {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Bitte geben Sie höchstens 9999:59:59 Freistunden an.");
    TProviderForm form;
    std::tie(form.Name, form.FreeHoursText) = std::make_tuple("A", typed);
    EXPECT_EQ(std::make_tuple(false, true, std::string(typed)),
              std::make_tuple(form.Apply(), form.FreeHoursRefused, form.FreeHoursText));
  }
}

// The scaling rules of the form are ProviderTest's; here the editor's part.
TEST(ProviderEditorTest, MoneyAndTimingTakenFromTheDialog) {
  TProviderEditor editor({Named("A", "A0001")}, 1000);
  ASSERT_TRUE(editor.EditProvider([&](TProviderForm& form, const std::string& caption) {
    EXPECT_EQ("Optionen des Providers ändern", caption);
    EXPECT_TRUE(form.Options.EntryTiming);  // -1 and -1 show the box ticked
    form.FreeHoursText = "1:90:00";
    form.Options.BaseAmount = 4.95;
    form.Options.EntryTiming = false;
    form.Options.Timing = 10;
    form.Options.MinConnectTime = 60;
    return form.Apply();
  }));
  const TProviderOptions& o = editor.Providers()[0].Options;
  EXPECT_EQ(std::make_tuple(4950, 10.0, 60.0, 9000),
            std::make_tuple(o.BaseAmount, o.Timing, o.MinConnectTime, o.FreeHours));
  EXPECT_EQ("4,95 € 02:30:00 Stunde(n)", editor.BaseAmountText() + " " + editor.FreeHoursText());
  // Shown again as entered.
  EXPECT_DOUBLE_EQ(4.95, EditProviderForm(editor.Providers()[0], 1000).Options.BaseAmount);
}

TEST(ProviderEditorTest, WindowChecksRunInOrder) {
  const struct {
    const char *From, *To;
    double Takt;
    std::string Message;
    bool Confirmed;
  } rows[] = {
      {"  :  ", "05:59", 60, "", false},  // blank: no message
      {"25:00", "05:59", 60, "Ungültige Uhrzeit im Feld \"Von\". Uhrzeit in der Form HH:MM angeben.", false},
      {"22:00", "05:75", 60, "Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.", false},
      {"22:00", "  :  ", 0, "", false},
      {"22:00", "05:59", 0, "Der Betrag im Feld \"Zeittakt\" muss größer 0 betragen!", false},
      {" 7:05", "05:59", 60, "", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.From);
    TScriptedMessageBoxes boxes;
    if (!row.Message.empty()) boxes.Expect(row.Message);
    TWindowForm form = NewProvEntryForm();
    std::tie(form.TimeFrom, form.TimeTo, form.Takt) = std::make_tuple(row.From, row.To, row.Takt);
    EXPECT_EQ(row.Confirmed, form.Apply());
  }
  TScriptedMessageBoxes boxes;
  boxes.Expect("Der Betrag im Feld \"Taktung\" muss größer 0 betragen!")
      .Expect("Der Wert für 'Gebühr \"pro\" Zeittakt' muss immer größer bzw. gleich 0 betragen!");
  TWindowForm range = NewRangeForm();
  range.Takt = 0;
  range.LeaveTakt();
  range.Price = -1;
  range.LeavePrice();
}

TEST(ProviderEditorTest, TaktKeysAndCloseQuestion) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Nur Ziffern und , erlaubt.")
      .Expect("Nur Ziffern erlaubt. Die Angabe enthält bereits ein ,.")
      .Expect("Angaben wurden geändert. Speichern?", idYes)
      .Expect("Angaben wurden geändert. Speichern?", idNo)
      .Expect("Angaben wurden geändert. Speichern?", idCancel);
  // Braces: called in this order, as the boxes come.
  EXPECT_EQ((std::vector<bool>{false, false, true, true}),
            (std::vector<bool>{WindowTaktKey(U'a', "60"), WindowTaktKey(U'.', "60,5"),
                               WindowTaktKey(U'.', "60"), WindowTaktKey(U'7', "60,5")}));
  EXPECT_EQ((std::vector<TCloseAction>{TCloseAction::Close, TCloseAction::Save, TCloseAction::Close,
                                       TCloseAction::Stay}),
            (std::vector<TCloseAction>{ProviderCloseAction(false), ProviderCloseAction(true),
                                       ProviderCloseAction(true), ProviderCloseAction(true)}));
}

TEST(ProviderEditorTest, EntriesEditedFromTheModelAndSortedByStart) {
  TProvider p = Named("Netz", "NETZ0001");
  p.SaSoEntries = {{8 * 3600, 17 * 3600 + 3599, 0.5, 0.01234}};
  TProviderEditor editor({p}, 100);
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(editor.AddEntry(TDayClass::SaSo, TypeWindow("22:00", "05:59")));
  ASSERT_TRUE(editor.EditEntry(TDayClass::SaSo, 1, [](TWindowForm& form, const std::string& caption) {
    EXPECT_EQ("Eintrag (Sa/So/Feiertag) ändern", caption);
    EXPECT_EQ(0.01234, form.Price);  // not read back from the grid's four decimals
    form.TimeFrom = "07:00";
    return form.Apply();
  }));
  const std::vector<TProvEntryRow> rows = editor.Rows(TDayClass::SaSo);
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ((TProvEntryRow{"07:00:00 Uhr", "17:59:59 Uhr", "0,5000 Sekunde(n)", "0,0123 €"}), rows[0]);
  EXPECT_EQ("22:00:00 Uhr05:59:59 Uhr", rows[1][0] + rows[1][1]);

  boxes
      .Expect("Sie können diesen Eintrag nicht löschen!", idOK,
              "Löschen eines Eintrags (Netz, Sa./So./Feiertag, Eintrag 3)")
      .Expect("Möchten Sie diesen Eintrag wirklich löschen?", idYes,
              "Löschen eines Eintrags (Netz, Sa./So./Feiertag, Eintrag 1)")
      .Expect("Möchten Sie den Provider \"Netz\" wirklich löschen?", idYes)
      .Expect("Sie können keinen Provider löschen. Es existiert keiner.")
      .Expect("Fügen Sie zuerst einen Provider hinzu!");
  EXPECT_FALSE(editor.DeleteEntry(TDayClass::SaSo, 3));
  EXPECT_TRUE(editor.DeleteEntry(TDayClass::SaSo, 1));
  EXPECT_EQ("22:00:00 Uhr", editor.Rows(TDayClass::SaSo)[0][0]);
  EXPECT_TRUE(editor.DeleteProvider());
  EXPECT_EQ(-1, editor.Selected());
  EXPECT_FALSE(editor.DeleteProvider());
  EXPECT_FALSE(editor.AddEntry(TDayClass::Werktag, TypeWindow("22:00", "23:00")));
  EXPECT_EQ("00:00:00 Stunde(n)", editor.FreeHoursText());
}

TEST(ProviderEditorTest, RangesKeepTheHolidayAndSortByTheirFirstColumn) {
  TFreeHoursRange range{static_cast<TDaySet>(DayBit(2) | DayBit(8)), 18 * 3600, 7 * 3600 + 59 * 60, 60};
  TWindowForm form = EditRangeForm(range);
  form.DayPressed[2] = false;
  form.DayPressed[3] = true;
  const TFreeHoursRange stored = StoreRange(form, range.Days);
  // The end gets no 59 seconds added.
  EXPECT_EQ((TFreeHoursRange{DayBit(3) | DayBit(8), range.StartSec, range.EndSec, 60}), stored);
  EXPECT_EQ((TRangeColumns{"18:00:00 - 07:59:59 Uhr", "60,0000 Sekunde(n)", "Di Fei"}), RangeColumns(stored));
  EXPECT_EQ(0x00FE, StoreRange(NewRangeForm()).Days);
  TFreeHoursRangeArray ranges = {stored, {2, 6 * 3600, 7 * 3600, 60}};
  SortRanges(ranges);
  EXPECT_EQ(6 * 3600, ranges[0].StartSec);
}

TEST(ProviderEditorTest, WriteAsksAndKeepsTheChangesWhenItFails) {
  test::TTempDir dir;
  dir.UseAsProgramDirectory();
  TProviderEditor editor({}, 100);
  TScriptedMessageBoxes boxes;
  ASSERT_TRUE(editor.AddProvider(TypeName("Neu")));
  const std::string question = "Möchten Sie die Änderungen wirklich speichern?";
  int started = 0;
  boxes.Expect(question, idNo);
  EXPECT_EQ(TSaveOutcome::Stopped, editor.Write("UserProv.ini", [&] { ++started; }));
  InjectWriteFailureAfter(10);
  boxes.Expect(question, idYes).AcceptAll();  // then the failure's message
  EXPECT_EQ(TSaveOutcome::Failed, editor.Write("UserProv.ini", [&] { ++started; }));
  InjectWriteFailureAfter(-1);
  EXPECT_TRUE(editor.Modified());
  EXPECT_FALSE(dir.Exists("UserProv.ini"));
  boxes.Expect(question, idYes);
  EXPECT_EQ(TSaveOutcome::Saved, editor.Write("UserProv.ini", [&] { ++started; }));
  EXPECT_FALSE(editor.Modified());
  EXPECT_EQ(2, started);
  EXPECT_EQ("NEU0001", LoadProviderFile("UserProv.ini").at(0).Key);
}

}  // namespace
}  // namespace dudode
