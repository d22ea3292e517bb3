#include <gtest/gtest.h>

#include "support/ScriptedMessageBoxes.h"
#include "zones/ClockField.h"
#include "zones/EntryForm.h"

namespace dudode {
namespace {

using test::TScriptedMessageBoxes;

const char* const kIncomplete = "Nicht alle Felder sind korrekt ausgefüllt!";
const char* const kTimes = "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!";
const char* const kDates = "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!";
const char* const kBadDate = "Das eingegebene Datum ist nicht korrekt!";
const char* const kBadFrom = "Ungültige Uhrzeit im Feld \"Von\". Uhrzeit in der Form HH:MM angeben.";
const char* const kBadTo = "Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.";

TTarifFile Document() {
  TTarifFile doc;
  doc.Price = 0.06;
  doc.Takt = 60;
  return doc;
}

// A form that passes every check: Mo-Fr 08:00-18:00 all year.
TEntryForm GoodForm(TDayClass dayClass = TDayClass::Werktag) {
  TEntryForm form = NewEntryForm(Document(), dayClass);
  form.Open();
  form.TimeFrom = "08:00";
  form.TimeTo = "18:00";
  form.Name = "Tag";
  return form;
}

std::vector<std::string> Texts(const TScriptedMessageBoxes& boxes) {
  std::vector<std::string> texts;
  for (const auto& b : boxes.Boxes()) texts.push_back(b.Text);
  return texts;
}

TEST(EntryFormTest, TimeFieldsAreCheckedAndWrittenBackWhenLeft) {
  struct Case {
    const char* text;
    bool end;
    TClockState state;
    const char* shown;
  } cases[] = {
      {"08:00", false, TClockState::Valid, "08:00"},
      {"8 :5 ", false, TClockState::Valid, "08:05"},
      {"00:00", false, TClockState::Valid, "00:00"},
      {"24:00", false, TClockState::Invalid, ""},
      {"23:60", false, TClockState::Invalid, ""},
      {"  :  ", false, TClockState::Blank, ""},
      {":", false, TClockState::Blank, ""},
      {"08:  ", false, TClockState::Invalid, ""},
      // the end minute: a full hour becomes the minute before it
      {"18:00", true, TClockState::Valid, "17:59"},
      {"18:30", true, TClockState::Valid, "18:30"},
      {"00:00", true, TClockState::Valid, "23:59"},
      {"24:00", true, TClockState::Valid, "23:59"},
      {"26:00", true, TClockState::Valid, "23:59"},
      {"25:00", true, TClockState::Invalid, ""},
      {"24:30", true, TClockState::Invalid, ""},
      {"  :  ", true, TClockState::Blank, ""},
  };
  for (const Case& c : cases) {
    const TClockCheck check = CheckClockText(c.text, c.end);
    EXPECT_EQ(c.state, check.State) << c.text << (c.end ? " (bis)" : " (von)");
    if (c.state == TClockState::Valid) {
      EXPECT_EQ(c.shown, check.Text) << c.text;
    }
  }
}

TEST(EntryFormTest, LeavingATimeFieldShowsItsMessageAndKeepsTheFocus) {
  TScriptedMessageBoxes boxes;
  boxes.Expect(kBadFrom, idOK, "Fehler").Expect(kBadTo, idOK, "Fehler");
  TEntryForm form = GoodForm();
  form.TakeFocus();
  form.TimeFrom = "24:10";
  form.LeaveTimeFrom();
  EXPECT_FALSE(form.TimeFromValid);
  EXPECT_EQ(TEntryControl::TimeFrom, form.TakeFocus());
  form.TimeTo = "25:00";
  form.LeaveTimeTo();
  EXPECT_EQ(TEntryControl::TimeTo, form.TakeFocus());
  form.TimeTo = "  :  ";  // blank: no message, no flag
  form.LeaveTimeTo();
  EXPECT_FALSE(form.TimeToValid);
  EXPECT_EQ(TEntryControl::None, form.TakeFocus());
}

// "Übernehmen" runs the checks in a fixed order; each case lists the boxes it
// must show, in order, and whether the entry is taken.
TEST(EntryFormTest, FinalCheckShowsTheMessagesInOrder) {
  struct Case {
    const char* what;
    std::function<void(TEntryForm&)> change;
    std::vector<std::string> messages;
    bool confirmed;
    TEntryControl focus;
  } cases[] = {
      {"all fine", [](TEntryForm&) {}, {}, true, TEntryControl::None},
      {"whole day 00:00 to 00:00",
       [](TEntryForm& f) {
         f.TimeFrom = "00:00";
         f.TimeTo = "00:00";
       },
       {},
       true,
       TEntryControl::None},
      {"no day pressed",
       [](TEntryForm& f) {
         for (int d = 2; d <= 6; ++d) f.PressDay(d, false);
       },
       {"Bitte legen Sie die Wochentage fest, an denen dieser Tarif gelten soll!"},
       false,
       TEntryControl::None},
      {"blank start", [](TEntryForm& f) { f.TimeFrom = "  :  "; }, {kIncomplete}, false, TEntryControl::None},
      {"bad start",
       [](TEntryForm& f) { f.TimeFrom = "24:00"; },
       {kBadFrom, kIncomplete},
       false,
       TEntryControl::TimeFrom},
      {"12:00 to 12:00",
       [](TEntryForm& f) {
         f.TimeFrom = "12:00";
         f.TimeTo = "12:00";
       },
       {kTimes},
       false,
       TEntryControl::TimeFrom},
      {"end before start",
       [](TEntryForm& f) {
         f.TimeFrom = "18:00";
         f.TimeTo = "08:00";
       },
       {kTimes},
       false,
       TEntryControl::TimeFrom},
      {"interval 0",
       [](TEntryForm& f) { f.Takt = 0; },
       {"Die Angabe im Feld Takt ist ungültig. Der Wert muss größer 0 betragen.", kIncomplete},
       false,
       TEntryControl::Takt},
      {"fixed units 0",
       [](TEntryForm& f) {
         f.SetOnlyUnits(true);
         f.Units = 0;
       },
       {"Die Angabe im Feld \"Anzahl Einheiten\" ist nicht korrekt!", kIncomplete},
       false,
       TEntryControl::Units},
      {"fixed units 1000",
       [](TEntryForm& f) {
         f.SetOnlyUnits(true);
         f.Units = 1000;
       },
       {"Die Angabe im Feld \"Anzahl Einheiten\" ist nicht korrekt!", kIncomplete},
       false,
       TEntryControl::Units},
      {"fixed units 999",
       [](TEntryForm& f) {
         f.SetOnlyUnits(true);
         f.Units = 999;
       },
       {},
       true,
       TEntryControl::None},
      {"empty name", [](TEntryForm& f) { f.Name = "   "; }, {kIncomplete}, false, TEntryControl::None},
      {"name with comma",
       [](TEntryForm& f) { f.Name = "Tag,Nacht"; },
       {"Der Tarifname darf kein \";\" und kein \",\" enthalten!", kIncomplete},
       false,
       TEntryControl::Name},
      {"typed CityPlus",
       [](TEntryForm& f) { f.Name = "Mein CityPlus"; },
       {"Der Tarifname darf das reservierte Wort \"CityPlus\" nicht enthalten!", kIncomplete},
       false,
       TEntryControl::Name},
      {"cityplus in other case is a name",
       [](TEntryForm& f) { f.Name = "cityplus"; },
       {},
       true,
       TEntryControl::None},
      {"29.02. is a date", [](TEntryForm& f) { f.DateFrom = "29.02."; }, {}, true, TEntryControl::None},
      {"30.02. is none",
       [](TEntryForm& f) { f.DateFrom = "30.02."; },
       {kBadDate, kIncomplete},
       false,
       TEntryControl::DateFrom},
      {"13th month",
       [](TEntryForm& f) { f.DateTo = "01.13."; },
       {kBadDate, kIncomplete},
       false,
       TEntryControl::DateTo},
      {"incomplete date",
       [](TEntryForm& f) { f.DateTo = "3 .12."; },
       {kIncomplete},
       false,
       TEntryControl::None},
      {"01.06. to 01.06.",
       [](TEntryForm& f) {
         f.DateFrom = "01.06.";
         f.DateTo = "01.06.";
       },
       {},
       true,
       TEntryControl::None},
      {"02.06. to 01.06.",
       [](TEntryForm& f) {
         f.DateFrom = "02.06.";
         f.DateTo = "01.06.";
       },
       {kDates},
       false,
       TEntryControl::DateFrom},
      {"31.05. to 01.06.",
       [](TEntryForm& f) {
         f.DateFrom = "31.05.";
         f.DateTo = "01.06.";
       },
       {},
       true,
       TEntryControl::None},
      // a bad time is reported before a bad date, which is then not looked at
      {"bad time and bad date",
       [](TEntryForm& f) {
         f.TimeTo = "25:00";
         f.DateFrom = "30.02.";
       },
       {kBadTo, kIncomplete},
       false,
       TEntryControl::TimeTo},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    TEntryForm form = GoodForm();
    c.change(form);
    form.TakeFocus();
    EXPECT_EQ(c.confirmed, form.Apply()) << c.what;
    EXPECT_EQ(c.confirmed, form.Confirmed) << c.what;
    EXPECT_EQ(c.messages, Texts(boxes)) << c.what;
    for (const auto& b : boxes.Boxes()) EXPECT_EQ(mkFehler, b.Kind) << c.what;
    EXPECT_EQ(c.focus, form.TakeFocus()) << c.what;
  }
}

TEST(EntryFormTest, SpecialValidityBoxesSetCodesDaysAndNames) {
  struct Case {
    const char* what;
    TDayClass dayClass;
    std::function<void(TEntryForm&)> click;
    const char* code;
    TDaySet days;
    const char* name;
  } cases[] = {
      {"holiday only", TDayClass::SaSo, [](TEntryForm& f) { f.SetHoliday(true); }, "9999",
       DayBit(1) | DayBit(7) | DayBit(8), "Tag"},
      {"CityWeekend", TDayClass::SaSo, [](TEntryForm& f) { f.SetCityWeekend(true); }, "8888",
       DayBit(1) | DayBit(7), "CityWeekend"},
      {"CityPlus weekend", TDayClass::SaSo, [](TEntryForm& f) { f.SetCityPlus(true); }, "7777",
       DayBit(1) | DayBit(7), "CityPlus"},
      {"CityPlus workdays", TDayClass::Werktag, [](TEntryForm& f) { f.SetCityPlus(true); }, "7777", 124,
       "CityPlus"},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;  // none expected
    TEntryForm form = GoodForm(c.dayClass);
    c.click(form);
    EXPECT_FALSE(form.DatesShown) << c.what;
    ASSERT_TRUE(form.Apply()) << c.what;
    const TTarifEntry entry = StoreEntryForm(form, TKeyAndName{});
    EXPECT_EQ(c.code, entry.DateFrom) << c.what;
    EXPECT_EQ(c.code, entry.DateTo) << c.what;
    EXPECT_EQ(c.days, entry.Weekdays) << c.what;
    EXPECT_EQ(c.name, entry.Name) << c.what;
  }
  EXPECT_EQ(386, DayBit(1) | DayBit(7) | DayBit(8));
}

TEST(EntryFormTest, UncheckingASpecialBoxAsksForDatesAgain) {
  TScriptedMessageBoxes boxes;
  boxes.Expect(kIncomplete);
  TEntryForm form = GoodForm(TDayClass::SaSo);
  form.SetCityPlus(true);
  EXPECT_FALSE(form.NameEnabled);
  EXPECT_FALSE(form.HolidayEnabled);
  EXPECT_FALSE(form.OnlyUnitsEnabled);
  form.SetCityPlus(false);
  EXPECT_EQ("", form.Name);
  EXPECT_TRUE(form.NameEnabled);
  EXPECT_TRUE(form.DatesShown);
  EXPECT_EQ("", form.DateFrom);
  EXPECT_FALSE(form.DayPressed[7]);
  EXPECT_EQ(TEntryControl::DateFrom, form.TakeFocus());
  form.Name = "Wochenende";
  form.PressDay(7, true);
  EXPECT_FALSE(form.Apply());  // the dates are blank now
}

TEST(EntryFormTest, FixedUnitsAndSpecialBoxesExcludeEachOther) {
  TEntryForm form = GoodForm(TDayClass::SaSo);
  form.UnitsToAdd = 2;
  form.SetOnlyUnits(true);
  EXPECT_FALSE(form.CityWeekendEnabled);
  EXPECT_FALSE(form.CityPlusEnabled);
  EXPECT_FALSE(form.UnitsToAddEnabled);
  EXPECT_EQ(0, form.UnitsToAdd);

  // With the holiday box checked, fixed units off leaves CityWeekend and CityPlus locked.
  form.SetHoliday(true);
  form.SetOnlyUnits(false);
  EXPECT_FALSE(form.CityWeekendEnabled);
  EXPECT_TRUE(form.UnitsToAddEnabled);
  form.SetHoliday(false);
  form.SetOnlyUnits(true);
  form.SetOnlyUnits(false);
  EXPECT_TRUE(form.CityWeekendEnabled);
  EXPECT_TRUE(form.CityPlusEnabled);

  form.SetCityWeekend(true);
  EXPECT_FALSE(form.OnlyUnitsEnabled);
  EXPECT_FALSE(form.DayEnabled[7]);
  EXPECT_TRUE(form.DayPressed[7] && form.DayPressed[1]);
}

TTarifEntry EntryOf(double takt, std::int32_t units, std::string from, std::string to, TDaySet days = 124,
                    std::string name = "") {
  TTarifEntry e;
  e.Takt = takt;
  e.Units = units;
  e.DateFrom = std::move(from);
  e.DateTo = std::move(to);
  e.Weekdays = days;
  e.Name = std::move(name);
  return e;
}

TEST(EntryFormTest, ChangingFillsTheFormFromTheEntry) {
  struct Case {
    const char* what;
    TTarifEntry entry;
    TDayClass dayClass;
    std::function<void(const TEntryForm&)> check;
  } cases[] = {
      {"fixed units", EntryOf(0, 3, "0104", "3009"), TDayClass::Werktag,
       [](const TEntryForm& f) {
         EXPECT_TRUE(f.OnlyUnits);
         EXPECT_EQ(3, f.Units);
         EXPECT_FALSE(f.UnitsToAddEnabled);
         EXPECT_EQ("01.04.", f.DateFrom);
         EXPECT_EQ("30.09.", f.DateTo);
       }},
      {"interval and start units", EntryOf(30, 2, "0101", "3112"), TDayClass::Werktag,
       [](const TEntryForm& f) {
         EXPECT_FALSE(f.OnlyUnits);
         EXPECT_EQ(30, f.Takt);
         EXPECT_EQ(2, f.UnitsToAdd);
       }},
      {"holiday", EntryOf(60, 0, "9999", "9999", 386), TDayClass::SaSo,
       [](const TEntryForm& f) {
         EXPECT_TRUE(f.Holiday);
         EXPECT_FALSE(f.DatesShown);
         EXPECT_TRUE(f.DateFromValid && f.DateToValid);
         EXPECT_FALSE(f.DayEnabled[1]);
         EXPECT_TRUE(f.DayPressed[1] && f.DayPressed[7]);  // pressed after the box released them
       }},
      {"CityPlus", EntryOf(60, 0, "7777", "7777", 130, "CityPlus"), TDayClass::SaSo,
       [](const TEntryForm& f) {
         EXPECT_TRUE(f.CityPlus);
         EXPECT_FALSE(f.NameEnabled);
       }},
      {"CityWeekend", EntryOf(60, 0, "8888", "8888", 130, "CityWeekend"), TDayClass::SaSo,
       [](const TEntryForm& f) {
         EXPECT_TRUE(f.CityWeekend);
         EXPECT_FALSE(f.DayEnabled[7]);
         EXPECT_FALSE(f.OnlyUnitsEnabled);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TEntryForm form = EditEntryForm(c.entry, c.dayClass);
    form.Open();
    c.check(form);
    EXPECT_EQ(TEntryControl::Price, form.TakeFocus());
  }
}

TEST(EntryFormTest, ClockIntervalIsKeptAsEntered) {
  for (TDayClass dayClass : kDayClasses) {
    TEntryForm form = GoodForm(dayClass);
    form.Takt = 7.5;
    form.UnitsToAdd = 1.6;
    ASSERT_TRUE(form.Apply());
    const TTarifEntry entry = StoreEntryForm(form, TKeyAndName{});
    EXPECT_EQ(7.5, entry.Takt);
    EXPECT_EQ(2, entry.Units);
  }
}

}  // namespace
}  // namespace dudode
