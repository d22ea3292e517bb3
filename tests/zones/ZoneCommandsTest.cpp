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
TZoneDialogRunner Dialog(std::function<void(TZoneForm&)> change, bool* shown = nullptr) {
  return [change, shown](TZoneForm& form) {
    if (shown) *shown = true;
    form.Open();
    change(form);
    return form.Apply();
  };
}

TZoneDialogRunner Named(std::string name) {
  return Dialog([name](TZoneForm& f) { f.Name = name; });
}

TEST(ZoneCommandsTest, NewZoneTakesTheDialogValuesAndAFreshKey) {
  TTarifFile doc;
  doc.BaseConnectPrice = 0.05;
  TZoneForm seen;
  auto result = NewZoneCommand(doc, Dialog([&](TZoneForm& f) {
                                 seen = f;
                                 f.Name = "  City Nah ";
                                 f.TaktBilling = false;
                                 f.CalcTakt = 1;
                                 f.FirstSecond = 60;
                                 f.MonthlyFee = 9.95;
                                 f.Relations = 0b101;
                                 f.RoundTo = true;
                                 f.Access.PhoneNr = "0191011";
                                 f.Access.NichtBundesweit = true;
                                 f.WFreeTimes = {{0, 3599, 60}, {7200, 10799, 30}};
                                 f.FFreeTimes = {{0, 59, 1}, {60, 119, 2}, {120, 179, 3}};
                                 f.NoCostsConfirmed = true;
                               }));
  // The dialog opened as a new zone with the file's connect price and clock billing.
  EXPECT_EQ(std::tuple(false, 0.05, 0.0, true),
            std::tuple(seen.Renaming, seen.ConnectPrice, seen.MonthlyFee, seen.TaktBilling));
  EXPECT_EQ(std::tuple(true, 0, true, 1u),
            std::tuple(result.ZonesChanged, result.CurrentZone, doc.Modified, doc.Zones.size()));
  const TKeyAndName& z = doc.Zones.at(0);
  EXPECT_EQ(
      std::tuple("CITY0001", "City_Nah", 1.0, 60.0, 0.05, 9.95, 0b101, 1, "0191011", true, false, 2u, 3u),
      std::tuple(z.Key, z.DisplayName, z.CalcTakt, z.FirstSecond, z.ConnectPrice, z.MonthlyFee, z.Relations,
                 z.RoundTo, z.Access.PhoneNr, z.Access.NichtBundesweit, z.TenPlusActive, z.WFreeTimes.size(),
                 z.FFreeTimes.size()));

  // A second zone of the same first letters gets the next number.
  result = NewZoneCommand(doc, Named("City Fern"));
  EXPECT_EQ(1, result.CurrentZone);
  EXPECT_EQ("CITY0002", doc.Zones[1].Key);
  EXPECT_EQ(0, doc.Zones[1].CalcTakt);  // clock-based billing: no interval of its own
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

TEST(ZoneCommandsTest, TheFiftyFirstZoneIsRefused) {
  TScriptedMessageBoxes boxes;
  boxes.Expect(
      "Es kann keine weitere Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 "
      "Tarifzonen.",
      idOK, "Fehler");
  TTarifFile doc;
  for (int i = 0; i < 49; ++i)
    ASSERT_TRUE(NewZoneCommand(doc, Named("Zone " + std::to_string(i))).ZonesChanged);
  EXPECT_EQ("ZONE0049", doc.Zones.back().Key);
  bool shown = false;
  EXPECT_TRUE(NewZoneCommand(doc, Named("Zone 49")).ZonesChanged);
  EXPECT_FALSE(NewZoneCommand(doc, Dialog([](TZoneForm& f) { f.Name = "Zone 50"; }, &shown)).ZonesChanged);
  EXPECT_FALSE(shown);
  EXPECT_EQ(50u, doc.Zones.size());
}

TEST(ZoneCommandsTest, ZoneDialogChecksTheNameAndTheTimeBilling) {
  const std::string separators = "Der Tarifzonenname darf kein \";\" und kein \",\" enthalten!";
  const std::string missing = "Sie müssen einen korrekten Tarifzonennamen eingeben!";
  const std::string billing = "Eine der Angaben für die zeitbezogene Abrechnung ist nicht korrekt!";
  struct Case {
    const char* name;
    bool clock;  // clock-based billing, else by time with interval and first second
    int calcTakt, firstSecond;
    std::vector<std::string> messages;
  } cases[] = {
      {"   ", true, 0, 0, {missing}},
      {"A;B", true, 0, 0, {separators, missing}},  // pasted
      {"A,B", true, 0, 0, {separators, missing}},
      {"Online", false, 0, 1, {billing}},
      {"Online", false, 1, 0, {billing}},
      {"Online", false, 1, 1, {}},
      {" Online ", true, 0, 0, {}},  // clock billing ignores the interval
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    boxes.AcceptAll();
    SCOPED_TRACE(std::string(c.name) + (c.clock ? "" : " by time"));
    TZoneForm form;
    form.Open();
    form.Name = c.name;
    form.TaktBilling = c.clock;
    form.CalcTakt = c.calcTakt;
    form.FirstSecond = c.firstSecond;
    EXPECT_EQ(c.messages.empty(), form.Apply());
    std::vector<std::string> texts;
    for (const auto& b : boxes.Boxes()) texts.push_back(b.Text);
    EXPECT_EQ(c.messages, texts);
    EXPECT_EQ(!form.NameValid, form.TakeNameFocus());
  }
}

// Each option changed alone marks the document and reaches every entry of
// the zone; confirming it again changes nothing, so it was stored as confirmed.
TEST(ZoneCommandsTest, ChangedOptionsMarkTheDocumentAndReachEveryEntry) {
  TKeyAndName zone = FilledZone("City Nah", "CITY0001", 2, 2);
  zone.CalcTakt = 1;
  zone.FirstSecond = 60;
  zone.ConnectPrice = 0.1;
  zone.Relations = 0b11;
  zone.RoundTo = 1;
  zone.Access.PhoneNr = "1#2";
  zone.Access.Registration = false;
  zone.WFreeTimes = {{0, 59, 5}};
  struct Case {
    const char* what;
    std::function<void(TZoneForm&)> change;
    bool modified;
    bool copied;  // the zone values reach the entries
  } cases[] = {
      {"nothing", [](TZoneForm&) {}, false, false},
      {"monthly fee", [](TZoneForm& f) { f.MonthlyFee = 12.5; }, true, true},
      {"connect price", [](TZoneForm& f) { f.ConnectPrice = 0.2; }, true, true},
      {"interval", [](TZoneForm& f) { f.CalcTakt = 10; }, true, true},
      {"first second", [](TZoneForm& f) { f.FirstSecond = 30; }, true, true},
      {"clock billing", [](TZoneForm& f) { f.TaktBilling = true; }, true, true},
      {"area", [](TZoneForm& f) { f.Relations |= 1 << 10; }, true, true},
      {"rounding", [](TZoneForm& f) { f.RoundTo = false; }, true, true},
      {"registration", [](TZoneForm& f) { f.Access.Registration = true; }, true, true},
      {"nationwide", [](TZoneForm& f) { f.Access.NichtBundesweit = true; }, true, true},
      {"user names", [](TZoneForm& f) { f.Access.UserName = "gast"; }, true, true},
      {"password", [](TZoneForm& f) { f.Access.Password = "x"; }, true, true},
      {"phone numbers", [](TZoneForm& f) { f.Access.PhoneNr = "1"; }, true, true},
      {"no-cost windows",
       [](TZoneForm& f) {
         f.WFreeTimes = {{0, 59, 6}};
         f.NoCostsConfirmed = true;
       },
       true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TTarifFile doc;
    doc.Zones = {zone, FilledZone("Fern", "FERN0001", 1, 1)};
    EXPECT_FALSE(ChangeZoneCommand(doc, 0, Dialog(c.change)).ZonesChanged);  // box and menu stay
    EXPECT_EQ(c.modified, doc.Modified);
    const TKeyAndName& z = doc.Zones[0];
    for (TDayClass dayClass : kDayClasses) {
      for (const TTarifEntry& e : z.Entries(dayClass)) {
        EXPECT_EQ(c.copied, e.CalcTakt == z.CalcTakt && e.FirstSecond == z.FirstSecond &&
                                e.ZoneConnectPrice == z.ConnectPrice && e.ZoneMonthlyFee == z.MonthlyFee)
            << e.Name;
      }
    }
    EXPECT_EQ(0, doc.Zones[1].Werktag[0].ZoneMonthlyFee);
    if (c.copied) {
      doc.Modified = false;
      ChangeZoneCommand(doc, 0, Dialog(c.change));
      EXPECT_FALSE(doc.Modified);
    }
  }
}

TEST(ZoneCommandsTest, RenameIsAskedAndRefusedForAnotherZonesName) {
  const char* const names[] = {"City", "Region 50", "Fern"};
  struct Case {
    const char* what;
    int zone;
    std::string typed;
    int answer;  // to the question; idOK: refused with a message instead
    const char* stored;
  } cases[] = {
      {"letter case of its own name", 0, "CITY", idYes, "CITY"},
      {"answered Nein", 0, "CITY", idNo, "City"},
      {"new name with blank", 0, "City Nah", idYes, "City_Nah"},
      {"name of another zone", 0, "Region 50", idOK, "City"},
      {"another zone with blank, other case", 2, "region 50", idYes, "region_50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto zone = static_cast<std::size_t>(c.zone);
    TScriptedMessageBoxes boxes;
    boxes.Expect(c.answer == idOK ? "Es existiert bereits ein Tarif mit dem Namen \"" + c.typed + "\"!"
                                  : "Möchten Sie wirklich den Tarifzonennamen von \"" +
                                        std::string(names[zone]) + "\" in \"" + c.typed + "\" ändern?",
                 c.answer);
    TTarifFile doc;
    doc.Zones = {FilledZone(names[0], "CITY0001", 1, 0), FilledZone(names[1], "REGI0001", 0, 0),
                 FilledZone(names[2], "FERN0001", 0, 0)};
    const std::string key = doc.Zones[zone].Key;
    ChangeZoneCommand(doc, c.zone, Dialog([&](TZoneForm& f) {
                        EXPECT_TRUE(f.Renaming);
                        f.Name = c.typed;
                      }));
    EXPECT_EQ(c.stored, doc.Zones[zone].DisplayName);
    EXPECT_EQ(key, doc.Zones[zone].Key);  // the key never changes
    EXPECT_EQ(c.answer == idYes, doc.Modified);
  }
}

TEST(ZoneCommandsTest, RefusedRenameKeepsTheDialogOpenWithItsInput) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Es existiert bereits ein Tarif mit dem Namen \"Fern\"!")
      .Expect("Möchten Sie wirklich den Tarifzonennamen von \"City\" in \"Nah\" ändern?", idYes);
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 1, 0), FilledZone("Fern", "FERN0001", 0, 0)};
  ChangeZoneCommand(doc, 0, [](TZoneForm& f) {
    f.Open();
    f.Name = "Fern";
    f.ConnectPrice = 0.3;
    EXPECT_FALSE(f.Apply());
    EXPECT_TRUE(f.TakeNameFocus());
    f.Name = "Nah";
    return f.Apply();
  });
  EXPECT_EQ("Nah", doc.Zones[0].DisplayName);
  EXPECT_EQ(0.3, doc.Zones[0].Werktag[0].ZoneConnectPrice);
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

TEST(ZoneCommandsTest, ChangeWithoutZonesCreatesOne) {
  TTarifFile doc;
  bool renaming = true;
  EXPECT_TRUE(ChangeZoneCommand(doc, 0, Dialog([&](TZoneForm& f) {
                                  renaming = f.Renaming;
                                  f.Name = "City";
                                }))
                  .ZonesChanged);
  EXPECT_FALSE(renaming);
  EXPECT_EQ(1u, doc.Zones.size());
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
  doc.Zones = {FilledZone("City", "CITY0001", 1, 1), FilledZone("Fern Zone", "FERN0001", 2, 2)};
  EXPECT_FALSE(DeleteZoneCommand(doc, 1).ZonesChanged);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(0, DeleteZoneCommand(doc, 1).CurrentZone);
  ASSERT_EQ(1u, doc.Zones.size());
  EXPECT_EQ("CITY0001", doc.Zones[0].Key);
  EXPECT_TRUE(doc.Modified);
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
  std::vector<double> order;
  for (const TFreeTimeEntry& w : windows) order.push_back(w.FreeSeconds);
  EXPECT_EQ((std::vector<double>{2, 4, 3, 1}), order);
}

TEST(NoCostFormTest, WindowIsTakenAsEnteredWithoutMinuteAdjustment) {
  TScriptedMessageBoxes boxes;
  TNoCostEditForm form;
  form.Open();
  EXPECT_FALSE(form.ApplyEnabled());
  form.TimeFrom = "18:00";
  form.LeaveTimeFrom();
  form.TimeTo = "8:00";
  form.LeaveTimeTo();
  EXPECT_EQ("08:00", form.TimeTo);
  EXPECT_FALSE(form.ApplyEnabled());
  form.Seconds = 60;
  form.LeaveSeconds();
  ASSERT_TRUE(form.ApplyEnabled());
  const TFreeTimeEntry w = form.Window();
  // Ends 08:00:59; a start after the end is allowed.
  EXPECT_EQ(std::tuple(18u * 3600, 8u * 3600 + 59, 60.0), std::tuple(w.StartSec, w.EndSec, w.FreeSeconds));
}

TEST(NoCostFormTest, FieldChecksShowTheirMessagesAndDisableApply) {
  TScriptedMessageBoxes boxes;
  boxes.Expect("Ungültige Uhrzeit im Feld \"Von\". Uhrzeit in der Form HH:MM angeben.")
      .Expect("Ungültige Uhrzeit im Feld \"Bis\". Uhrzeit in der Form HH:MM angeben.")
      .Expect(
          "Die Angabe im Feld \"kostenlose Zeit\" ist ungültig. Der Wert muß größer 0 "
          "betragen.");
  TNoCostEditForm form = NoCostEditFormFor({3600, 7199, 5});
  form.Open();
  EXPECT_TRUE(form.ApplyEnabled());  // a window being changed can be confirmed at once
  form.TimeFrom = "24:00";
  form.LeaveTimeFrom();
  EXPECT_EQ(TNoCostControl::TimeFrom, form.TakeFocus());
  form.TimeTo = "24:00";  // no adjustment here: refused
  form.LeaveTimeTo();
  EXPECT_EQ(TNoCostControl::TimeTo, form.TakeFocus());
  form.Seconds = 0;
  form.LeaveSeconds();
  EXPECT_EQ(TNoCostControl::Seconds, form.TakeFocus());
  EXPECT_FALSE(form.FromValid || form.ToValid || form.SecondsValid);
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

TEST(ZoneOrderTest, ReorderingMovesListsAndOptionsWithTheirZones) {
  TScriptedMessageBoxes boxes;
  TTarifFile doc = ThreeZones();
  doc.Zones[2].Access.PhoneNr = "0191011";
  doc.Zones[2].WFreeTimes = {{0, 59, 1}};
  const auto result = ReorderZonesCommand(doc, [](TZoneOrderForm& form) {
    form.Include({0, 2});
    form.IncludeAll();
    return form.Apply();
  });
  EXPECT_EQ(0, result.CurrentZone);
  ASSERT_EQ(3u, doc.Zones.size());
  const TKeyAndName& z = doc.Zones[0];
  EXPECT_EQ(std::tuple("MOBI0001", 3u, "0191011", 1u),
            std::tuple(z.Key, z.Werktag.size(), z.Access.PhoneNr, z.WFreeTimes.size()));
  EXPECT_EQ(std::tuple("NAH0001", "FERN0001"), std::tuple(doc.Zones[1].Key, doc.Zones[2].Key));
}

const std::string kSep = kAccessSeparator;  // character 254

TEST(AccessInfoTest, SplitKeepsInnerEmptyPartsAndDropsATrailingSeparator) {
  struct Case {
    std::string text;
    std::vector<std::string> parts;
  } cases[] = {
      {"", {}},      {"a", {"a"}},      {"a#b", {"a", "b"}}, {"a##b", {"a", "", "b"}},
      {"a#", {"a"}}, {"#a", {"", "a"}}, {"#", {""}},         {"##", {"", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.parts, SplitAccessText(c.text, "#")) << c.text;
  EXPECT_EQ((std::vector<std::string>{"u1", "", "u3"}), SplitAccessText("u1" + kSep + kSep + "u3", kSep));
}

TEST(AccessInfoTest, JoinAndSplitGiveBackWhatWasPacked) {
  struct Case {
    const char* what;
    std::vector<TAccessLine> lines;
    std::string phone, user, password;
  } cases[] = {
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
  for (const Case& c : cases) {
    TAccessInfos access;
    access.Registration = false;
    access.NichtBundesweit = true;
    JoinAccessLines(c.lines, access);
    EXPECT_EQ(c.phone, access.PhoneNr) << c.what;
    EXPECT_EQ(c.user, access.UserName) << c.what;
    EXPECT_EQ(c.password, access.Password) << c.what;
    EXPECT_FALSE(access.Registration) << c.what;
    EXPECT_TRUE(access.NichtBundesweit) << c.what;
    EXPECT_EQ(c.lines, AccessLines(access)) << c.what;
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
