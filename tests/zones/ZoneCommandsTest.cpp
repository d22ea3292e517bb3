#include <gtest/gtest.h>

#include "support/ScriptedMessageBoxes.h"
#include "zones/AccessInfo.h"
#include "zones/EntryCommands.h"
#include "zones/NoCostForm.h"
#include "zones/ZoneCommands.h"
#include "zones/ZoneOrder.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::FilledZone;
using test::ThreeZones;
using test::TScriptedMessageBoxes;

// A runner that changes the form as a user would and presses "Übernehmen".
TZoneDialogRunner Dialog(std::function<void(TZoneForm&)> change) {
  return [change](TZoneForm& form) {
    form.Open();
    change(form);
    return form.Apply();
  };
}

TZoneDialogRunner Named(std::string name) {
  return Dialog([name](TZoneForm& f) { f.Name = name; });
}

// What the zone dialog shows of a zone, for round trips through the document.
auto Fields(const TZoneForm& f) {
  const TAccessInfos& a = f.Access;
  return std::tuple(f.Name, f.TaktBilling, f.CalcTakt, f.FirstSecond, f.ConnectPrice, f.MonthlyFee,
                    f.Relations, f.RoundTo, a.PhoneNr, a.UserName, a.Password, a.Registration,
                    a.NichtBundesweit, f.WFreeTimes.size(), f.FFreeTimes.size());
}

// Without zones "change" makes a new one: the file's connect price, a fresh
// key, and whatever the dialog confirmed comes back when it is opened again.
TEST(ZoneCommandsTest, NewZoneKeepsTheDialogValuesAndGetsAFreshKey) {
  TTarifFile doc;
  doc.BaseConnectPrice = 0.05;
  TZoneForm typed;
  const auto result = ChangeZoneCommand(doc, 0, [&typed](TZoneForm& f) {
    f.Open();
    f.Name = "  City Nah ";
    f.TaktBilling = false;
    f.CalcTakt = 1;
    f.FirstSecond = 60;
    f.MonthlyFee = 9.95;
    f.Relations = 0b101;
    f.RoundTo = true;
    f.Access = {"0191011", "gast", "x", false, true};
    f.WFreeTimes = {{0, 3599, 60}, {7200, 10799, 30}};
    f.FFreeTimes = {{0, 59, 1}, {60, 119, 2}, {120, 179, 3}};
    f.NoCostsConfirmed = true;
    const bool confirmed = f.Apply();
    typed = f;
    return confirmed;
  });
  EXPECT_EQ(std::tuple(false, 0.05, true, 0, true, 1u, "CITY0001"),
            std::tuple(typed.Renaming, typed.ConnectPrice, result.ZonesChanged, result.CurrentZone,
                       doc.Modified, doc.Zones.size(), doc.Zones.at(0).Key));
  EXPECT_EQ(Fields(typed), Fields(EditZoneForm(doc.Zones[0])));
}

TEST(ZoneCommandsTest, NewZoneWithANameTheBoxHoldsIsRefused) {
  const std::pair<const char*, bool> cases[] = {
      {"city", true},      {"CITY", true},      {"Ci&ty", true},
      {"Region 50", true}, {"region 50", true}, {"ärger", true},  // umlauts compare without case too
      {"Cityplus", false}, {"Region50", false},
  };
  for (const auto& [typed, refused] : cases) {
    TScriptedMessageBoxes boxes;
    if (refused)
      boxes.Expect("Es existiert bereits eine Tarifzone mit dem Namen \"" + std::string(typed) + "\"!", idOK,
                   "Fehler");
    TTarifFile doc;
    doc.Zones = {test::Zone("City", "CITY0001"), test::Zone("Region 50", "REGI0001"),
                 test::Zone("Ärger", "ARGE0001")};
    const auto result = NewZoneCommand(doc, Named(typed));
    EXPECT_EQ(std::tuple(!refused, refused ? 3u : 4u, !refused),
              std::tuple(result.ZonesChanged, doc.Zones.size(), doc.Modified))
        << typed;
  }
}

TEST(ZoneCommandsTest, TheFiftyFirstZoneIsRefusedBeforeTheDialog) {
  TScriptedMessageBoxes boxes;
  boxes.Expect(
      "Es kann keine weitere Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 Tarifzonen.",
      idOK, "Fehler");
  TTarifFile doc;
  for (int i = 1; i <= 50; ++i)
    ASSERT_TRUE(NewZoneCommand(doc, Named("Zone " + std::to_string(i))).ZonesChanged) << i;
  EXPECT_EQ("ZONE0050", doc.Zones.back().Key);
  EXPECT_FALSE(
      NewZoneCommand(doc, [](TZoneForm&) { return ADD_FAILURE() << "dialog opened", false; }).ZonesChanged);
}

TEST(ZoneCommandsTest, ZoneDialogChecksTheNameAndTheTimeBilling) {
  const std::string separators = "Der Tarifzonenname darf kein \";\" und kein \",\" enthalten!";
  const std::string missing = "Sie müssen einen korrekten Tarifzonennamen eingeben!";
  const std::string billing = "Eine der Angaben für die zeitbezogene Abrechnung ist nicht korrekt!";
  // name, clock-based billing (else by time with interval and first second), interval, first second
  const std::tuple<const char*, bool, int, int, std::vector<std::string>> cases[] = {
      {"   ", true, 0, 0, {missing}},
      {"A;B", true, 0, 0, {separators, missing}},  // pasted
      {"A,B", true, 0, 0, {separators, missing}},
      {"Online", false, 0, 1, {billing}},
      {"Online", false, 1, 0, {billing}},
      {"Online", false, 1, 1, {}},
      {" Online ", true, 0, 0, {}},  // clock billing ignores the interval
  };
  for (const auto& [name, clock, calcTakt, firstSecond, messages] : cases) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    SCOPED_TRACE(std::string(name) + (clock ? "" : " by time"));
    TZoneForm form;
    form.Name = name;
    form.TaktBilling = clock;
    form.CalcTakt = calcTakt;
    form.FirstSecond = firstSecond;
    EXPECT_EQ(messages.empty(), form.Apply());
    EXPECT_EQ(messages, test::BoxTexts(boxes));
    EXPECT_EQ(!form.NameValid, form.TakeNameFocus());
  }
}

// Each option changed alone marks the document and reaches every entry of the
// zone; confirming it again changes nothing, so the zone stored it.
TEST(ZoneCommandsTest, ChangedOptionsMarkTheDocumentAndReachEveryEntry) {
  TKeyAndName zone = FilledZone("City Nah", "CITY0001", 2, 2);
  zone.CalcTakt = zone.RoundTo = 1;
  zone.FirstSecond = 60;
  zone.Access = {"1#2", "", "", false};
  using F = TZoneForm&;
  // what, change, the zone values reach the entries (only "nothing" leaves the document unmarked)
  const std::tuple<std::string, std::function<void(F)>, bool> cases[] = {
      {"nothing", [](F) {}, false},
      {"monthly fee", [](F f) { f.MonthlyFee = 12.5; }, true},
      {"connect price", [](F f) { f.ConnectPrice = 0.2; }, true},
      {"interval", [](F f) { f.CalcTakt = 10; }, true},
      {"first second", [](F f) { f.FirstSecond = 30; }, true},
      {"clock billing", [](F f) { f.TaktBilling = true; }, true},
      {"area", [](F f) { f.Relations |= 1 << 10; }, true},
      {"rounding", [](F f) { f.RoundTo = false; }, true},
      {"registration", [](F f) { f.Access.Registration = true; }, true},
      {"nationwide", [](F f) { f.Access.NichtBundesweit = true; }, true},
      {"user names", [](F f) { f.Access.UserName = "gast"; }, true},
      {"password", [](F f) { f.Access.Password = "x"; }, true},
      {"phone numbers", [](F f) { f.Access.PhoneNr = "1"; }, true},
      {"no-cost windows",
       [](F f) {
         f.WFreeTimes = {{0, 59, 6}};
         f.NoCostsConfirmed = true;
       },
       false},
  };
  for (const auto& [what, change, copied] : cases) {
    SCOPED_TRACE(what);
    TTarifFile doc;
    doc.Zones = {zone};
    EXPECT_FALSE(ChangeZoneCommand(doc, 0, Dialog(change)).ZonesChanged);  // box and menu stay
    EXPECT_EQ(std::tuple(what != "nothing", what == "no-cost windows"),
              std::tuple(doc.Modified, !doc.Zones[0].WFreeTimes.empty()));
    const TKeyAndName& z = doc.Zones[0];
    for (TDayClass dayClass : kDayClasses) {
      for (const TTarifEntry& e : z.Entries(dayClass)) {
        EXPECT_EQ(copied, e.CalcTakt == z.CalcTakt && e.FirstSecond == z.FirstSecond &&
                              e.ZoneConnectPrice == z.ConnectPrice && e.ZoneMonthlyFee == z.MonthlyFee)
            << e.Name;
      }
    }
    doc.Modified = false;
    ChangeZoneCommand(doc, 0, Dialog(change));
    EXPECT_EQ(what == "no-cost windows", doc.Modified);
  }
}

// A rename is asked; another zone's exact name is refused, the focus back in the name.
TEST(ZoneCommandsTest, RenameIsAskedAndRefusedForAnotherZonesName) {
  const char* const names[] = {"City", "Region 50", "Fern"};
  // what, zone, typed, answer to the question (idOK: refused with a message instead), stored
  const std::tuple<const char*, std::size_t, std::string, int, const char*> cases[] = {
      {"letter case of its own name", 0, "CITY", idYes, "CITY"},
      {"answered Nein", 0, "CITY", idNo, "City"},
      {"new name with blank", 0, "City Nah", idYes, "City_Nah"},
      {"name of another zone", 0, "Region 50", idOK, "City"},
      {"another zone with blank, other case", 2, "region 50", idYes, "region_50"},
  };
  for (const auto& [what, zone, typed, answer, stored] : cases) {
    SCOPED_TRACE(what);
    TScriptedMessageBoxes boxes;
    boxes.Expect(answer == idOK ? "Es existiert bereits ein Tarif mit dem Namen \"" + typed + "\"!"
                                : "Möchten Sie wirklich den Tarifzonennamen von \"" +
                                      std::string(names[zone]) + "\" in \"" + typed + "\" ändern?",
                 answer);
    TTarifFile doc;
    doc.Zones = {FilledZone(names[0], "CITY0001", 1, 0), FilledZone(names[1], "REGI0001", 0, 0),
                 FilledZone(names[2], "FERN0001", 0, 0)};
    ChangeZoneCommand(doc, static_cast<int>(zone), [&, typed = typed, answer = answer](TZoneForm& f) {
      EXPECT_TRUE(f.Renaming);
      f.Open();
      f.Name = typed;
      const bool confirmed = f.Apply();
      EXPECT_EQ(answer == idOK, f.TakeNameFocus());
      return confirmed;
    });
    EXPECT_EQ(std::tuple(stored, answer == idYes), std::tuple(doc.Zones[zone].DisplayName, doc.Modified));
  }
}

// A stray Enter at a question that deletes deletes nothing.
TEST(ZoneCommandsTest, QuestionsThatDeleteDefaultToNein) {
  const std::pair<const char*, std::function<void(TTarifFile&)>> rows[] = {
      {"entry", [](TTarifFile& d) { DeleteEntryCommand(d, 0, TDayClass::Werktag, 1); }},
      {"copy all", [](TTarifFile& d) { CopyAllEntriesCommand(d, 0, TDayClass::SaSo); }},
      {"zone", [](TTarifFile& d) { DeleteZoneCommand(d, 0); }},
      {"reorder", [](TTarifFile& d) { ReorderZonesCommand(d, [](TZoneOrderForm& f) { return f.Apply(); }); }},
  };
  for (const auto& [what, command] : rows) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll(idNo);
    TTarifFile doc;
    doc.Zones = {FilledZone("City", "CITY0001", 2, 0)};
    command(doc);
    ASSERT_EQ(1u, boxes.Boxes().size()) << what;
    EXPECT_EQ(idNo, boxes.Boxes()[0].DefaultResult) << what;
  }
}

TEST(ZoneCommandsTest, DeleteAsksAndLeavesTheFirstZoneCurrent) {
  const std::string fern = "Möchten Sie die Tarifzone \"Fern Zone\" wirklich löschen?";
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es sind keine Tarifzonen gespeichert!", idOK, "Fehler")
      .Expect(fern, idNo, "Bestätigung")
      .Expect(fern, idYes)
      .Expect("Möchten Sie die Tarifzone \"City\" wirklich löschen?", idYes);
  TTarifFile doc;
  EXPECT_FALSE(DeleteZoneCommand(doc, 0).ZonesChanged);
  doc.Zones = {test::Zone("City", "CITY0001"), test::Zone("Fern Zone", "FERN0001")};
  EXPECT_FALSE(DeleteZoneCommand(doc, 1).ZonesChanged);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(0, DeleteZoneCommand(doc, 1).CurrentZone);
  EXPECT_EQ(std::tuple(1u, "CITY0001", true),
            std::tuple(doc.Zones.size(), doc.Zones.at(0).Key, doc.Modified));
  const auto result = DeleteZoneCommand(doc, 0);
  EXPECT_EQ(std::tuple(true, -1, true),
            std::tuple(result.ZonesChanged, result.CurrentZone, doc.Zones.empty()));
}

TEST(NoCostFormTest, RowsShowSecondsOfTheMinutesAndTheLocaleDecimal) {
  EXPECT_EQ((std::array<std::string, 3>{"18:00:00 Uhr", "07:59:59 Uhr", "60,0000 Sekunde(n)"}),
            NoCostRowTexts({18 * 3600, 8 * 3600 - 1, 60}));
  EXPECT_EQ("12,5000 Sekunde(n)", NoCostRowTexts({0, 59, 12.5})[2]);

  std::vector<TFreeTimeEntry> windows = {{18 * 3600, 100, 1}, {0, 100, 2}, {9 * 3600, 100, 3}, {0, 200, 4}};
  SortNoCostList(windows);
  EXPECT_EQ(std::tuple(2.0, 4.0, 3.0, 1.0), std::tuple(windows[0].FreeSeconds, windows[1].FreeSeconds,
                                                       windows[2].FreeSeconds, windows[3].FreeSeconds));
}

// Times are taken as entered, without minute adjustment: "24:00" is refused,
// and a start after the end is allowed. A refused field keeps the focus.
TEST(NoCostFormTest, FieldChecksAndTheWindowAsEntered) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Ungültige Uhrzeit im Feld \"Von\". Uhrzeit in der Form HH:MM angeben.")
      .Expect("Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.")
      .Expect("Die Angabe im Feld \"kostenlose Zeit\" ist ungültig. Der Wert muß größer 0 betragen.");
  TNoCostEditForm changed = NoCostEditFormFor({3600, 7199, 5});
  changed.Open();
  EXPECT_TRUE(changed.ApplyEnabled());  // a window being changed can be confirmed at once
  changed.TimeFrom = changed.TimeTo = "24:00";
  changed.LeaveTimeFrom();
  EXPECT_EQ(TNoCostControl::TimeFrom, changed.TakeFocus());
  changed.LeaveTimeTo();
  EXPECT_EQ(TNoCostControl::TimeTo, changed.TakeFocus());
  changed.Seconds = 0;
  changed.LeaveSeconds();
  EXPECT_EQ(TNoCostControl::Seconds, changed.TakeFocus());
  EXPECT_FALSE(changed.FromValid || changed.ToValid || changed.SecondsValid);
  TNoCostEditForm form;
  form.Open();
  form.TimeFrom = "18:00";
  form.LeaveTimeFrom();
  form.TimeTo = "8:00";
  form.LeaveTimeTo();
  EXPECT_EQ(std::tuple("08:00", false), std::tuple(form.TimeTo, form.ApplyEnabled()));  // no seconds yet
  form.Seconds = 60;
  form.LeaveSeconds();
  ASSERT_TRUE(form.ApplyEnabled());
  const TFreeTimeEntry w = form.Window();
  EXPECT_EQ(std::tuple(18u * 3600, 8u * 3600 + 59, 60.0), std::tuple(w.StartSec, w.EndSec, w.FreeSeconds));
}

TEST(NoCostFormTest, WithoutSecondsTheTimesAlone) {
  TNoCostEditForm form = NoCostEditFormFor({3600, 7199, 5}, false);
  form.Open();
  EXPECT_TRUE(form.ApplyEnabled());
  EXPECT_EQ(std::tuple(7199u, 0.0), std::tuple(form.Window().EndSec, form.Window().FreeSeconds));
  // Complete valid times enable "Übernehmen" while typing, silently.
  TScriptedMessageBoxes boxes;
  TNoCostEditForm typing;
  typing.SecondsShown = false;
  typing.Open();
  for (const auto& [to, enabled] :
       {std::pair{"07:5 ", false}, std::pair{"25:00", false}, std::pair{"07:59", true}}) {
    typing.TimeFrom = "07:00";
    typing.TimeTo = to;
    typing.Typed();
    EXPECT_EQ(enabled, typing.ApplyEnabled()) << to;
  }
}

std::string Texts(const TZoneOrderList& list) {
  std::string texts;
  for (const auto& item : list.Items) texts += (texts.empty() ? "" : ",") + item.Text;
  return texts;
}

// The two lists as "source > target".
std::string Lists(const TZoneOrderForm& form) {
  return Texts(form.Source) + " > " + Texts(form.Target);
}

TEST(ZoneOrderTest, MarkedItemsArriveBottomFirstAndAllKeepTheirOrder) {
  TZoneOrderForm form = ZoneOrderFormFor(ThreeZones());
  EXPECT_EQ(std::tuple(true, false), std::tuple(form.IncludeEnabled(), form.ExcludeEnabled()));
  // ">" on the 1st and 3rd zone: the 3rd comes first.
  EXPECT_EQ(0, form.Include({0, 2}));
  EXPECT_EQ("Fern > Mobil,Nah", Lists(form));
  EXPECT_EQ(-1, form.Include({0}));  // the source is empty now
  EXPECT_FALSE(form.IncludeEnabled());
  EXPECT_EQ((std::vector<int>{2, 0, 1}), form.NewOrder());

  // "<" of the last two: back in reverse; the selection is clipped to the last item.
  EXPECT_EQ(0, form.Exclude({1, 2}));
  EXPECT_EQ("Fern,Nah > Mobil", Lists(form));
  EXPECT_EQ(-1, form.IncludeAll());
  EXPECT_EQ(" > Mobil,Fern,Nah", Lists(form));
  EXPECT_EQ(-1, form.ExcludeAll());
  EXPECT_EQ("Mobil,Fern,Nah > ", Lists(form));
  // Nothing marked: nothing moves, the first item is selected.
  EXPECT_EQ(0, form.Include({}));
  EXPECT_EQ(3u, form.Source.Items.size());
  EXPECT_EQ(1, form.Include({2}));
}

TEST(ZoneOrderTest, ASortedListStaysSorted) {
  TZoneOrderForm form = ZoneOrderFormFor(ThreeZones());
  form.Target.Sort();
  form.IncludeAll();
  EXPECT_EQ(" > Fern,Mobil,Nah", Lists(form));
  form.Source.Sort();
  form.Exclude({0, 2});
  EXPECT_EQ("Fern,Nah > Mobil", Lists(form));
  form.Exclude({0});
  EXPECT_EQ("Fern,Mobil,Nah > ", Lists(form));
  // Letter case is ignored and umlauts sort with their letter.
  TZoneOrderList list;
  list.Sort();
  for (const char* text : {"b", "Ost", "c", "Ärger", "a"}) list.Add({text, 0});
  EXPECT_EQ("a,Ärger,b,c,Ost", Texts(list));
}

TEST(ZoneOrderTest, ReorderingMovesWholeZones) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = ThreeZones();
  const auto result = ReorderZonesCommand(doc, [](TZoneOrderForm& form) {
    form.Include({0, 2});
    form.IncludeAll();
    return form.Apply();
  });
  ASSERT_EQ(std::tuple(0, true, 3u), std::tuple(result.CurrentZone, doc.Modified, doc.Zones.size()));
  EXPECT_EQ(std::tuple("MOBI0001", "NAH0001", "FERN0001"),
            std::tuple(doc.Zones[0].Key, doc.Zones[1].Key, doc.Zones[2].Key));
}

const std::string kSep = kAccessSeparator;  // character 254

TEST(AccessInfoTest, SplitKeepsInnerEmptyPartsAndDropsATrailingSeparator) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"", {}},      {"a", {"a"}},      {"a#b", {"a", "b"}}, {"a##b", {"a", "", "b"}},
      {"a#", {"a"}}, {"#a", {"", "a"}}, {"#", {""}},         {"##", {"", ""}},
  };
  for (const auto& [text, parts] : cases) EXPECT_EQ(parts, SplitAccessText(text, "#")) << text;
  EXPECT_EQ((std::vector<std::string>{"u1", "", "u3"}), SplitAccessText("u1" + kSep + kSep + "u3", kSep));
}

// Registration and NichtBundesweit are left alone.
TEST(AccessInfoTest, JoinAndSplitGiveBackWhatWasPacked) {
  // what, lines, packed phone numbers, user names, passwords
  const std::tuple<const char*, std::vector<TAccessLine>, std::string, std::string, std::string> cases[] = {
      {"two full lines", {{"1", "a", "x"}, {"2", "b", "y"}}, "1#2", "a" + kSep + "b", "x" + kSep + "y"},
      {"empty first number", {{"", "a", "x"}, {"2", "", ""}}, "#2", "a" + kSep, "x" + kSep},
      {"empty middle number",
       {{"1", "", ""}, {"", "b", ""}, {"3", "", "z"}},
       "1##3",
       kSep + "b" + kSep,
       kSep + kSep + "z"},
      {"no names at all", {{"1", "", ""}, {"2", "", ""}}, "1#2", kSep, kSep},
      {"empty last number with a name", {{"1", "a", "x"}, {"", "b", ""}}, "1#", "a" + kSep + "b", "x" + kSep},
      {"empty list", {}, "", "", ""},
  };
  for (const auto& [what, lines, phone, user, password] : cases) {
    TAccessInfos access = {"", "", "", false, true};
    JoinAccessLines(lines, access);
    EXPECT_EQ(std::tuple(phone, user, password, false, true),
              std::tuple(access.PhoneNr, access.UserName, access.Password, access.Registration,
                         access.NichtBundesweit))
        << what;
    EXPECT_EQ(lines, AccessLines(access)) << what;
  }
}

TEST(AccessInfoTest, PhoneNumberKeepsOnlyDigits) {
  EXPECT_EQ("0301234567", PhoneNrDigits(" 030 / 123-45 67 "));
  EXPECT_EQ("", PhoneNrDigits("+-() "));
  for (char32_t key : {U'0', U'9', U'-', U'a', U' ', U'/', U':'})
    EXPECT_EQ(key >= U'0' && key <= U'9', IsPhoneNrKey(key)) << static_cast<int>(key);
}

}  // namespace
}  // namespace dudode
