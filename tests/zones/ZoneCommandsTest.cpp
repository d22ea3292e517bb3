#include <gtest/gtest.h>

#include "support/ScriptedMessageBoxes.h"
#include "zones/EntryCommands.h"
#include "zones/NoCostForm.h"
#include "zones/ZoneCommands.h"
#include "zones/ZoneOrder.h"
#include "zones/ZoneTestSupport.h"

namespace dudode {
namespace {

using test::FilledZone;
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
  EXPECT_FALSE(seen.Renaming);
  EXPECT_EQ(0.05, seen.ConnectPrice);
  EXPECT_EQ(0, seen.MonthlyFee);
  EXPECT_TRUE(seen.TaktBilling);
  EXPECT_TRUE(result.ZonesChanged);
  EXPECT_EQ(0, result.CurrentZone);
  EXPECT_TRUE(doc.Modified);
  ASSERT_EQ(1u, doc.Zones.size());
  const TKeyAndName& zone = doc.Zones[0];
  EXPECT_EQ("CITY0001", zone.Key);
  EXPECT_EQ("City_Nah", zone.DisplayName);
  EXPECT_EQ(1, zone.CalcTakt);
  EXPECT_EQ(60, zone.FirstSecond);
  EXPECT_EQ(0.05, zone.ConnectPrice);
  EXPECT_EQ(9.95, zone.MonthlyFee);
  EXPECT_EQ(0b101, zone.Relations);
  EXPECT_EQ(1, zone.RoundTo);
  EXPECT_EQ("0191011", zone.Access.PhoneNr);
  EXPECT_TRUE(zone.Access.NichtBundesweit);
  EXPECT_FALSE(zone.TenPlusActive);
  EXPECT_EQ(2u, zone.WFreeTimes.size());
  EXPECT_EQ(3u, zone.FFreeTimes.size());

  // A second zone of the same first letters gets the next number.
  result = NewZoneCommand(doc, Named("City Fern"));
  EXPECT_EQ(1, result.CurrentZone);
  EXPECT_EQ("CITY0002", doc.Zones[1].Key);
  EXPECT_EQ(0, doc.Zones[1].CalcTakt);  // clock-based billing: no interval of its own
}

TEST(ZoneCommandsTest, NewZoneWithANameTheBoxHoldsIsRefused) {
  struct Case {
    const char* typed;
    bool refused;
  } cases[] = {
      {"city", true},      {"CITY", true},      {"Ci&ty", true},
      {"Region 50", true}, {"region 50", true}, {"ärger", true},  // umlauts compare without case too
      {"Cityplus", false}, {"Region50", false},
  };
  for (const Case& c : cases) {
    TScriptedMessageBoxes boxes;
    if (c.refused) {
      boxes.Expect("Es existiert bereits eine Tarifzone mit dem Namen \"" + std::string(c.typed) + "\"!",
                   idOK, "Fehler");
    }
    TTarifFile doc;
    doc.Zones = {test::Zone("City", "CITY0001"), test::Zone("Region 50", "REGI0001"),
                 test::Zone("Ärger", "ARGE0001")};
    const auto result = NewZoneCommand(doc, Named(c.typed));
    EXPECT_EQ(!c.refused, result.ZonesChanged) << c.typed;
    EXPECT_EQ(c.refused ? 3u : 4u, doc.Zones.size()) << c.typed;
    EXPECT_EQ(!c.refused, doc.Modified) << c.typed;
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
    TZoneForm form;
    form.Open();
    form.Name = c.name;
    form.TaktBilling = c.clock;
    form.CalcTakt = c.calcTakt;
    form.FirstSecond = c.firstSecond;
    const std::string what = std::string(c.name) + (c.clock ? "" : " by time");
    EXPECT_EQ(c.messages.empty(), form.Apply()) << what;
    std::vector<std::string> texts;
    for (const auto& b : boxes.Boxes()) texts.push_back(b.Text);
    EXPECT_EQ(c.messages, texts) << what;
    EXPECT_EQ(!form.NameValid, form.TakeNameFocus()) << what;
  }
}

TEST(ZoneCommandsTest, ChangedZoneValuesReachEveryEntry) {
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 3, 2), FilledZone("Fern", "FERN0001", 1, 1)};
  const auto result = ChangeZoneCommand(doc, 0, Dialog([](TZoneForm& f) { f.MonthlyFee = 12.5; }));
  EXPECT_FALSE(result.ZonesChanged);  // options alone: box and menu stay
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(12.5, doc.Zones[0].MonthlyFee);
  for (TDayClass dayClass : kDayClasses) {
    for (const TTarifEntry& e : doc.Zones[0].Entries(dayClass)) EXPECT_EQ(12.5, e.ZoneMonthlyFee) << e.Name;
  }
  EXPECT_EQ(0, doc.Zones[1].Werktag[0].ZoneMonthlyFee);

  // Switching to time-based billing copies interval and first second too.
  ChangeZoneCommand(doc, 0, Dialog([](TZoneForm& f) {
                      f.TaktBilling = false;
                      f.CalcTakt = 10;
                      f.FirstSecond = 60;
                    }));
  EXPECT_EQ(10, doc.Zones[0].SaSo[1].CalcTakt);
  EXPECT_EQ(60, doc.Zones[0].SaSo[1].FirstSecond);
}

TEST(ZoneCommandsTest, ConfirmingUnchangedMarksNothing) {
  TTarifFile doc;
  TKeyAndName zone = FilledZone("City Nah", "CITY0001", 2, 2);
  zone.CalcTakt = 1;
  zone.FirstSecond = 60;
  zone.ConnectPrice = 0.1;
  zone.Relations = 0b11;
  zone.RoundTo = 1;
  zone.Access.PhoneNr = "1#2";
  zone.Access.Registration = false;
  zone.WFreeTimes = {{0, 59, 5}};
  doc.Zones = {zone};
  const auto result = ChangeZoneCommand(doc, 0, Dialog([](TZoneForm&) {}));
  EXPECT_FALSE(result.ZonesChanged);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(0, doc.Zones[0].Werktag[0].CalcTakt);  // no copy into the entries either
}

TEST(ZoneCommandsTest, EachChangedOptionMarksTheDocument) {
  struct Case {
    const char* what;
    std::function<void(TZoneForm&)> change;
  } cases[] = {
      {"connect price", [](TZoneForm& f) { f.ConnectPrice = 0.2; }},
      {"area", [](TZoneForm& f) { f.Relations |= 1 << 10; }},
      {"rounding", [](TZoneForm& f) { f.RoundTo = true; }},
      {"registration", [](TZoneForm& f) { f.Access.Registration = false; }},
      {"nationwide", [](TZoneForm& f) { f.Access.NichtBundesweit = true; }},
      {"user names", [](TZoneForm& f) { f.Access.UserName = "gast"; }},
      {"no-cost windows",
       [](TZoneForm& f) {
         f.WFreeTimes = {{0, 59, 5}};
         f.NoCostsConfirmed = true;
       }},
  };
  for (const Case& c : cases) {
    TTarifFile doc;
    doc.Zones = {FilledZone("City", "CITY0001", 1, 1)};
    ChangeZoneCommand(doc, 0, Dialog(c.change));
    EXPECT_TRUE(doc.Modified) << c.what;
  }
}

TEST(ZoneCommandsTest, RenameIsAskedAndRefusedForAnotherZonesName) {
  const auto question = [](const std::string& from, const std::string& to) {
    return "Möchten Sie wirklich den Tarifzonennamen von \"" + from + "\" in \"" + to + "\" ändern?";
  };
  struct Case {
    const char* what;
    int zone;
    std::string typed;
    std::vector<std::pair<std::string, int>> boxes;
    std::string stored;
    bool modified;
  } cases[] = {
      {"letter case of its own name", 0, "CITY", {{question("City", "CITY"), idYes}}, "CITY", true},
      {"answered Nein", 0, "CITY", {{question("City", "CITY"), idNo}}, "City", false},
      {"new name with blank", 0, "City Nah", {{question("City", "City Nah"), idYes}}, "City_Nah", true},
      {"name of another zone",
       0,
       "Region 50",
       {{"Es existiert bereits ein Tarif mit dem Namen \"Region 50\"!", idOK}},
       "City",
       false},
      {"another zone with blank, other case",
       2,
       "region 50",
       {{question("Fern", "region 50"), idYes}},
       "region_50",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TScriptedMessageBoxes boxes;
    for (const auto& [text, answer] : c.boxes) boxes.Expect(text, answer);
    TTarifFile doc;
    doc.Zones = {FilledZone("City", "CITY0001", 1, 0), FilledZone("Region 50", "REGI0001", 0, 0),
                 FilledZone("Fern", "FERN0001", 0, 0)};
    const std::string key = doc.Zones[static_cast<std::size_t>(c.zone)].Key;
    ChangeZoneCommand(doc, c.zone, Dialog([&](TZoneForm& f) {
                        EXPECT_TRUE(f.Renaming);
                        f.Name = c.typed;
                      }));
    EXPECT_EQ(c.stored, doc.Zones[static_cast<std::size_t>(c.zone)].DisplayName);
    EXPECT_EQ(key, doc.Zones[static_cast<std::size_t>(c.zone)].Key);  // the key never changes
    EXPECT_EQ(c.modified, doc.Modified);
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
  const auto result = ChangeZoneCommand(doc, 0, Dialog([&](TZoneForm& f) {
                                          renaming = f.Renaming;
                                          f.Name = "City";
                                        }));
  EXPECT_FALSE(renaming);
  EXPECT_TRUE(result.ZonesChanged);
  EXPECT_EQ(1u, doc.Zones.size());
}

TEST(ZoneCommandsTest, DeleteAsksAndLeavesTheFirstZoneCurrent) {
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Es sind keine Tarifzonen gespeichert!", idOK, "Fehler");
    TTarifFile doc;
    EXPECT_FALSE(DeleteZoneCommand(doc, 0).ZonesChanged);
  }
  TTarifFile doc;
  doc.Zones = {FilledZone("City", "CITY0001", 1, 1), FilledZone("Fern Zone", "FERN0001", 2, 2)};
  {
    TScriptedMessageBoxes boxes;
    boxes.Expect("Möchten Sie die Tarifzone \"Fern Zone\" wirklich löschen?", idNo, "Bestätigung");
    EXPECT_FALSE(DeleteZoneCommand(doc, 1).ZonesChanged);
    EXPECT_FALSE(doc.Modified);
  }
  TScriptedMessageBoxes boxes;
  boxes.Expect("Möchten Sie die Tarifzone \"Fern Zone\" wirklich löschen?", idYes)
      .Expect("Möchten Sie die Tarifzone \"City\" wirklich löschen?", idYes);
  auto result = DeleteZoneCommand(doc, 1);
  EXPECT_EQ(0, result.CurrentZone);
  ASSERT_EQ(1u, doc.Zones.size());
  EXPECT_EQ("CITY0001", doc.Zones[0].Key);
  EXPECT_TRUE(doc.Modified);
  result = DeleteZoneCommand(doc, 0);
  EXPECT_TRUE(result.ZonesChanged);
  EXPECT_EQ(-1, result.CurrentZone);
  EXPECT_TRUE(doc.Zones.empty());
}

TEST(NoCostFormTest, RowsShowSecondsOfTheMinutesAndTheLocaleDecimal) {
  const auto texts = NoCostRowTexts({18 * 3600, 8 * 3600 - 1, 60});
  EXPECT_EQ("18:00:00 Uhr", texts[0]);
  EXPECT_EQ("07:59:59 Uhr", texts[1]);
  EXPECT_EQ("60,0000 Sekunde(n)", texts[2]);
  EXPECT_EQ("12,5000 Sekunde(n)", NoCostRowTexts({0, 59, 12.5})[2]);

  std::vector<TFreeTimeEntry> windows = {{18 * 3600, 100, 1}, {0, 100, 2}, {9 * 3600, 100, 3}, {0, 200, 4}};
  SortNoCostList(windows);
  EXPECT_EQ((std::vector<double>{2, 4, 3, 1}),
            (std::vector<double>{windows[0].FreeSeconds, windows[1].FreeSeconds, windows[2].FreeSeconds,
                                 windows[3].FreeSeconds}));
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
  const TFreeTimeEntry window = form.Window();
  EXPECT_EQ(18u * 3600, window.StartSec);
  EXPECT_EQ(8u * 3600 + 59, window.EndSec);  // 08:00:59, start after end is allowed
  EXPECT_EQ(60, window.FreeSeconds);
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
  EXPECT_EQ(0, form.Window().FreeSeconds);
  EXPECT_EQ(7199u, form.Window().EndSec);
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

}  // namespace
}  // namespace dudode
