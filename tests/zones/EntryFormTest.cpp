#include <gtest/gtest.h>

#include "support/ScriptedMessageBoxes.h"
#include "zones/ClockField.h"
#include "zones/EntryForm.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::TScriptedMessageBoxes;

const char* const kIncomplete = "Nicht alle Felder sind korrekt ausgefüllt!";
const char* const kTimes = "Die Zeitangaben sind nicht korrekt!\rÜberprüfen Sie die Angaben nochmals!";
const char* const kDates = "Die Gültigkeitsdaten sind nicht korrekt!\rÜberprüfen Sie die Daten nochmals!";
const char* const kBadDate = "Das eingegebene Datum ist nicht korrekt!";
const char* const kBadFrom = "Ungültige Uhrzeit im Feld \"Von\". Uhrzeit in der Form HH:MM angeben.";
const char* const kBadTo = "Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.";

// A form that passes every check: the list's days, 08:00-18:00 all year.
TEntryForm GoodForm(TDayClass dayClass = TDayClass::Werktag) {
  TTarifFile doc;
  doc.Takt = 60;
  TEntryForm form = NewEntryForm(doc, dayClass);
  form.Open();
  form.TimeFrom = "08:00";
  form.TimeTo = "18:00";
  form.Name = "Tag";
  return form;
}

TEST(EntryFormTest, TimeFieldsAreCheckedAndWrittenBackWhenLeft) {
  // text, as an end ("bis": a full hour becomes the minute before), written back ("!": invalid, "": blank)
  const std::tuple<const char*, bool, std::string> cases[] = {
      {"08:00", false, "08:00"}, {"8 :5 ", false, "08:05"}, {"00:00", false, "00:00"},
      {"24:00", false, "!"},     {"23:60", false, "!"},     {"  :  ", false, ""},
      {":", false, ""},          {"08:  ", false, "!"},     {"18:00", true, "17:59"},
      {"18:30", true, "18:30"},  {"00:00", true, "23:59"},  {"24:00", true, "23:59"},
      {"26:00", true, "23:59"},  {"25:00", true, "!"},      {"24:30", true, "!"},
      {"  :  ", true, ""},
  };
  for (const auto& [text, end, shown] : cases) {
    const TClockCheck check = CheckClockText(text, end);
    const TClockState state = shown == "!"  ? TClockState::Invalid
                              : shown == "" ? TClockState::Blank
                                            : TClockState::Valid;
    EXPECT_EQ(state, check.State) << text << (end ? " (bis)" : " (von)");
    if (state == TClockState::Valid) {
      EXPECT_EQ(shown, check.Text) << text;
    }
  }
}

// "Übernehmen" runs the checks in a fixed order; each case changes fields of a
// good form (blank: left as is), lists the boxes it must show, in order, and
// whether the entry is taken.
TEST(EntryFormTest, FinalCheckShowsTheMessagesInOrder) {
  const std::string kUnits = "Die Angabe im Feld \"Anzahl Einheiten\" ist nicht korrekt!";
  const std::string kTakt = "Die Angabe im Feld Takt ist ungültig. Der Wert muss größer 0 betragen.";
  const std::string kSeparators = "Der Tarifname darf kein \";\" und kein \",\" enthalten!";
  const std::string kReserved = "Der Tarifname darf das reservierte Wort \"CityPlus\" nicht enthalten!";
  struct Case {
    const char* what;
    const char *from, *to, *name, *dateFrom, *dateTo;
    double takt;  // -1: left as is
    int units;    // fixed units, -1: none
    std::vector<std::string> messages;
    TEntryControl focus;  // TEntryControl::None and no messages: taken
  } cases[] = {
      {"all fine", "", "", "", "", "", -1, -1, {}, TEntryControl::None},
      {"whole day 00:00 to 00:00", "00:00", "00:00", "", "", "", -1, -1, {}, TEntryControl::None},
      {"blank start", "  :  ", "", "", "", "", -1, -1, {kIncomplete}, TEntryControl::None},
      {"blank end", "", "  :  ", "", "", "", -1, -1, {kIncomplete}, TEntryControl::None},
      {"bad start", "24:00", "", "", "", "", -1, -1, {kBadFrom, kIncomplete}, TEntryControl::TimeFrom},
      {"12:00 to 12:00", "12:00", "12:00", "", "", "", -1, -1, {kTimes}, TEntryControl::TimeFrom},
      {"end before start", "18:00", "08:00", "", "", "", -1, -1, {kTimes}, TEntryControl::TimeFrom},
      {"interval 0", "", "", "", "", "", 0, -1, {kTakt, kIncomplete}, TEntryControl::Takt},
      {"fixed units 0", "", "", "", "", "", -1, 0, {kUnits, kIncomplete}, TEntryControl::Units},
      {"fixed units 1000", "", "", "", "", "", -1, 1000, {kUnits, kIncomplete}, TEntryControl::Units},
      {"fixed units 999", "", "", "", "", "", -1, 999, {}, TEntryControl::None},
      {"empty name", "", "", "   ", "", "", -1, -1, {kIncomplete}, TEntryControl::None},
      {"comma", "", "", "A,B", "", "", -1, -1, {kSeparators, kIncomplete}, TEntryControl::Name},
      {"CityPlus", "", "", "Mein CityPlus", "", "", -1, -1, {kReserved, kIncomplete}, TEntryControl::Name},
      {"cityplus in other case is a name", "", "", "cityplus", "", "", -1, -1, {}, TEntryControl::None},
      {"29.02. is a date", "", "", "", "29.02.", "", -1, -1, {}, TEntryControl::None},
      {"30.02. is none", "", "", "", "30.02.", "", -1, -1, {kBadDate, kIncomplete}, TEntryControl::DateFrom},
      {"13th month", "", "", "", "", "01.13.", -1, -1, {kBadDate, kIncomplete}, TEntryControl::DateTo},
      {"incomplete date", "", "", "", "", "3 .12.", -1, -1, {kIncomplete}, TEntryControl::None},
      {"01.06. to 01.06.", "", "", "", "01.06.", "01.06.", -1, -1, {}, TEntryControl::None},
      {"02.06. to 01.06.", "", "", "", "02.06.", "01.06.", -1, -1, {kDates}, TEntryControl::DateFrom},
      {"31.05. to 01.06.", "", "", "", "31.05.", "01.06.", -1, -1, {}, TEntryControl::None},
      // a bad time is reported before a bad date, which is then not looked at
      {"time, date", "", "25:00", "", "30.02.", "", -1, -1, {kBadTo, kIncomplete}, TEntryControl::TimeTo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    TEntryForm form = GoodForm();
    for (auto [field, value] :
         {std::pair{&form.TimeFrom, c.from}, std::pair{&form.TimeTo, c.to}, std::pair{&form.Name, c.name},
          std::pair{&form.DateFrom, c.dateFrom}, std::pair{&form.DateTo, c.dateTo}})
      if (*value) *field = value;
    if (c.takt >= 0) form.Takt = c.takt;
    if (c.units >= 0) {
      form.SetOnlyUnits(true);
      form.Units = c.units;
    }
    form.TakeFocus();
    const bool taken = c.messages.empty();
    EXPECT_EQ(taken, form.Apply());
    EXPECT_EQ(taken, form.Confirmed);
    EXPECT_EQ(c.messages, test::BoxTexts(boxes));
    for (const auto& b : boxes.Boxes()) EXPECT_EQ(mkFehler, b.Kind);
    EXPECT_EQ(c.focus, form.TakeFocus());
  }
}

TEST(EntryFormTest, SpecialValidityBoxesSetCodesDaysAndNames) {
  // list, box, code, stored days, name
  const std::tuple<TDayClass, void (TEntryForm::*)(bool), const char*, TDaySet, const char*> cases[] = {
      {TDayClass::SaSo, &TEntryForm::SetHoliday, "9999", 386, "Tag"},  // So, Sa and the holiday
      {TDayClass::SaSo, &TEntryForm::SetCityWeekend, "8888", 130, "CityWeekend"},
      {TDayClass::SaSo, &TEntryForm::SetCityPlus, "7777", 130, "CityPlus"},
      {TDayClass::Werktag, &TEntryForm::SetCityPlus, "7777", 124, "CityPlus"},
  };
  for (const auto& [dayClass, box, code, days, name] : cases) {
    SCOPED_TRACE(std::string(code) + " " + DayClassName(dayClass));
    TScriptedMessageBoxes boxes;  // none expected
    TEntryForm form = GoodForm(dayClass);
    (form.*box)(true);
    ASSERT_TRUE(form.Apply());
    const TTarifEntry e = StoreEntryForm(form, TKeyAndName{});
    EXPECT_EQ(std::tuple(code, code, days, name), std::tuple(e.DateFrom, e.DateTo, e.Weekdays, e.Name));
  }
}

// The boxes' and fields' states in a fixed order: checked (OnlyUnits, Holiday,
// CityWeekend, CityPlus), enabled (the same four, UnitsToAdd, Name, dates),
// dates shown, dates valid (from, to).
std::string Flags(const TEntryForm& f) {
  const auto bits = [](std::initializer_list<bool> flags) {
    std::string s;
    for (bool b : flags) s += b ? '1' : '0';
    return s;
  };
  return bits({f.OnlyUnits, f.Holiday, f.CityWeekend, f.CityPlus}) + " " +
         bits({f.OnlyUnitsEnabled, f.HolidayEnabled, f.CityWeekendEnabled, f.CityPlusEnabled,
               f.UnitsToAddEnabled, f.NameEnabled, f.DatesEnabled}) +
         " " + bits({f.DatesShown}) + " " + bits({f.DateFromValid, f.DateToValid});
}

// The day buttons 1 (So) .. 7 (Sa) as a day set.
TDaySet Days(const std::array<bool, 8>& buttons) {
  TDaySet set = 0;
  for (int code = kSunday; code <= kSaturday; ++code) {
    if (buttons[static_cast<std::size_t>(code)]) set |= DayBit(code);
  }
  return set;
}

TTarifEntry EntryOf(double takt, std::int32_t units, const char* from, const char* to, TDaySet days = 124,
                    const char* name = "") {
  TTarifEntry e = test::TimedEntry(name, from, to, 0, 24, days);
  e.Takt = takt;
  e.Units = units;
  return e;
}

// Fixed units and the special boxes lock each other; unchecking one asks for dates.
TEST(EntryFormTest, FixedUnitsAndSpecialBoxesExcludeEachOther) {
  TScriptedMessageBoxes boxes;
  boxes.Expect(kIncomplete);
  TEntryForm form = GoodForm(TDayClass::SaSo);
  form.UnitsToAdd = 2;
  form.SetOnlyUnits(true);
  EXPECT_EQ("1000 1100011 1 00", Flags(form));
  EXPECT_EQ(0, form.UnitsToAdd);
  // With the holiday box checked, fixed units off leaves CityWeekend and CityPlus locked.
  form.SetHoliday(true);
  form.SetOnlyUnits(false);
  EXPECT_EQ("0100 1100110 0 11", Flags(form));
  form.SetHoliday(false);
  form.SetOnlyUnits(true);
  form.SetOnlyUnits(false);
  EXPECT_EQ("0000 1111111 1 00", Flags(form));
  form.SetCityWeekend(true);
  EXPECT_EQ("0010 0010110 0 11", Flags(form));
  EXPECT_EQ(std::tuple(TDaySet{130}, TDaySet{0}), std::tuple(Days(form.DayPressed), Days(form.DayEnabled)));
  form.SetCityWeekend(false);
  form.SetCityPlus(true);
  EXPECT_EQ("0001 0001100 0 11", Flags(form));
  form.SetCityPlus(false);
  EXPECT_EQ("0000 1111111 1 00", Flags(form));
  EXPECT_EQ(std::tuple("", "", TDaySet{0}), std::tuple(form.Name, form.DateFrom, Days(form.DayPressed)));
  EXPECT_EQ(TEntryControl::DateFrom, form.TakeFocus());
  form.Name = "Wochenende";
  form.PressDay(kSaturday, true);
  EXPECT_FALSE(form.Apply());  // the dates are blank now
}

TEST(EntryFormTest, ChangingFillsTheFormFromTheEntry) {
  struct Case {
    const char* what;
    TTarifEntry entry;
    TDayClass dayClass;
    double takt, units, unitsToAdd;
    const char* dates;
    const char* flags;  // as Flags() writes them
    TDaySet pressed, enabled;
  } cases[] = {
      {"fixed units", EntryOf(0, 3, "0104", "3009"), TDayClass::Werktag, 0, 3, 0, "01.04.-30.09.",
       "1000 1100011 1 00", 124, 254},
      {"Friday alone", EntryOf(60, 0, "0101", "3112", DayBit(kFriday)), TDayClass::Werktag, 60, 0, 0,
       "01.01.-31.12.", "0000 1111111 1 00", DayBit(kFriday), 254},
      // Special entries: dates hidden, disabled and valid; days pressed after
      // the box released them.
      {"holiday", EntryOf(60, 0, "9999", "9999", 386), TDayClass::SaSo, 60, 0, 0, "99.99.-99.99.",
       "0100 1100110 0 11", 130, 0},
      {"CityPlus", EntryOf(60, 0, "7777", "7777", 130, "CityPlus"), TDayClass::SaSo, 60, 0, 0,
       "77.77.-77.77.", "0001 0001100 0 11", 254, 254},
      {"CityWeekend", EntryOf(60, 0, "8888", "8888", 130, "CityWeekend"), TDayClass::SaSo, 60, 0, 0,
       "88.88.-88.88.", "0010 0010110 0 11", 130, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TEntryForm f = EditEntryForm(c.entry, c.dayClass);
    f.Open();
    EXPECT_EQ(std::tuple(c.takt, c.units, c.unitsToAdd, c.dates, c.flags, c.pressed, c.enabled),
              std::tuple(f.Takt, f.Units, f.UnitsToAdd, f.DateFrom + "-" + f.DateTo, Flags(f),
                         Days(f.DayPressed), Days(f.DayEnabled)));
    EXPECT_EQ(TEntryControl::Price, f.TakeFocus());
  }
}

// Only the list's own days count: Friday alone is a workday entry, Saturday
// alone is none; the stored day set has the pressed days of the list.
TEST(EntryFormTest, PressedDaysOfTheListAreStored) {
  const std::string noDays = "Bitte legen Sie die Wochentage fest, an denen dieser Tarif gelten soll!";
  const std::tuple<TDayClass, std::vector<int>, TDaySet> cases[] = {
      // list, pressed, stored (0: refused)
      {TDayClass::Werktag, {kFriday}, DayBit(kFriday)},
      {TDayClass::Werktag, {kMonday}, DayBit(kMonday)},
      {TDayClass::Werktag, {kSaturday}, 0},
      {TDayClass::Werktag, {kSunday}, 0},
      {TDayClass::Werktag, {}, 0},
      {TDayClass::Werktag, {kFriday, kSaturday}, DayBit(kFriday)},
      {TDayClass::SaSo, {kSaturday}, DayBit(kSaturday)},
      {TDayClass::SaSo, {kSunday}, DayBit(kSunday)},
      {TDayClass::SaSo, {kFriday}, 0}};
  for (const auto& [dayClass, pressed, stored] : cases) {
    SCOPED_TRACE(testing::PrintToString(pressed) + " " + DayClassName(dayClass));
    TScriptedMessageBoxes boxes;
    if (!stored) boxes.Expect(noDays, idOK, "Fehler");
    TEntryForm form = GoodForm(dayClass);
    for (int code = kSunday; code <= kSaturday; ++code) form.PressDay(code, false);
    for (int code : pressed) form.PressDay(code, true);
    EXPECT_EQ(stored != 0, form.Apply());
    if (stored) {
      EXPECT_EQ(stored, StoreEntryForm(form, TKeyAndName{}).Weekdays);
    }
  }
}

// The interval is kept as typed; the start units are rounded.
TEST(EntryFormTest, ClockIntervalIsKeptAsEntered) {
  TEntryForm form = GoodForm();
  form.Takt = 7.5;
  form.UnitsToAdd = 1.6;
  ASSERT_TRUE(form.Apply());
  const TTarifEntry entry = StoreEntryForm(form, TKeyAndName{});
  EXPECT_EQ(std::tuple(7.5, 2), std::tuple(entry.Takt, entry.Units));
}

}  // namespace
}  // namespace dudode
