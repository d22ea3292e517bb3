#include "zones/ZoneCommands.h"

#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr const char* kZoneLimitMessage =
    "Es kann keine weitere Tarifzone aufgenommen werden. Dieses Programm unterstützt nur 50 Tarifzonen.";
constexpr const char* kNoZonesMessage = "Es sind keine Tarifzonen gespeichert!";

// The zone box compares names without regard to letter case, umlauts included.
bool SameBoxName(const std::string& a, const std::string& b) {
  return CapitalizeGerman(a) == CapitalizeGerman(b);
}

bool ValidZone(const TTarifFile& document, int zoneIndex) {
  return zoneIndex >= 0 && static_cast<std::size_t>(zoneIndex) < document.Zones.size();
}

// The option values a confirmed form gives a zone, in a zone record.
TKeyAndName OptionsOf(const TZoneForm& form) {
  TKeyAndName zone;
  zone.CalcTakt = form.TaktBilling ? 0 : form.CalcTakt;
  zone.FirstSecond = form.TaktBilling ? 0 : form.FirstSecond;
  zone.ConnectPrice = form.ConnectPrice;
  zone.MonthlyFee = form.MonthlyFee;
  zone.Relations = form.Relations;
  zone.RoundTo = form.RoundTo ? 1 : 0;
  zone.Access = form.Access;
  return zone;
}

bool SameOptions(const TKeyAndName& a, const TKeyAndName& b) {
  return a.CalcTakt == b.CalcTakt && a.FirstSecond == b.FirstSecond && a.ConnectPrice == b.ConnectPrice &&
         a.MonthlyFee == b.MonthlyFee && a.Relations == b.Relations && a.RoundTo == b.RoundTo &&
         a.Access.PhoneNr == b.Access.PhoneNr && a.Access.UserName == b.Access.UserName &&
         a.Access.Password == b.Access.Password && a.Access.Registration == b.Access.Registration &&
         a.Access.NichtBundesweit == b.Access.NichtBundesweit;
}

}  // namespace

TCommandResult NewZoneCommand(TTarifFile& document, const TZoneDialogRunner& runDialog) {
  if (document.Zones.size() >= kMaxZones) {
    ShowMessageBox(kZoneLimitMessage, {}, mkFehler, mbOK);
    return {};
  }
  TZoneForm form = NewZoneForm(document);
  if (!runDialog(form)) return {};
  const std::string bare = RemoveAmpersand(form.Name);
  for (const TKeyAndName& zone : document.Zones) {
    const std::string boxText = ZoneBoxText(zone);
    if (SameBoxName(boxText, form.Name) || SameBoxName(boxText, bare)) {
      ShowMessageBox("Es existiert bereits eine Tarifzone mit dem Namen \"" + form.Name + "\"!", {}, mkFehler,
                     mbOK);
      return {};
    }
  }
  TKeyAndName zone = OptionsOf(form);
  zone.Key = NewZoneKey(bare, document.ZoneKeys());
  zone.SetMenuCaption(form.Name);
  zone.WFreeTimes = form.WFreeTimes;
  zone.FFreeTimes = form.FFreeTimes;
  document.Zones.push_back(std::move(zone));
  document.Modified = true;
  return TCommandResult::Zones(static_cast<int>(document.Zones.size()) - 1);
}

TCommandResult ChangeZoneCommand(TTarifFile& document, int zoneIndex, const TZoneDialogRunner& runDialog) {
  if (document.Zones.empty()) return NewZoneCommand(document, runDialog);
  if (!ValidZone(document, zoneIndex)) zoneIndex = 0;
  TKeyAndName& zone = document.Zones[static_cast<std::size_t>(zoneIndex)];
  TZoneForm form = EditZoneForm(zone);
  if (!runDialog(form)) return {};

  if (form.NoCostsConfirmed) {
    document.Modified = true;
    zone.WFreeTimes = form.WFreeTimes;
    zone.FFreeTimes = form.FFreeTimes;
  }
  const TKeyAndName options = OptionsOf(form);
  if (!SameOptions(zone, options)) {
    document.Modified = true;
    zone.CalcTakt = options.CalcTakt;
    zone.FirstSecond = options.FirstSecond;
    zone.ConnectPrice = options.ConnectPrice;
    zone.MonthlyFee = options.MonthlyFee;
    zone.Relations = options.Relations;
    zone.RoundTo = options.RoundTo;
    zone.Access = options.Access;
    zone.CopyZoneValuesToEntries();
  }

  const std::string oldName = zone.MenuCaption();
  if (form.Name == oldName) return {};
  // Another zone of exactly this name (blanks shown) refuses the rename; a
  // change of letter case alone is allowed.
  for (std::size_t i = 0; i < document.Zones.size(); ++i) {
    if (static_cast<int>(i) != zoneIndex && document.Zones[i].MenuCaption() == form.Name) {
      ShowMessageBox("Es existiert bereits ein Tarif mit dem Namen \"" + RemoveAmpersand(form.Name) + "\"!",
                     {}, mkFehler, mbOK);
      return {};
    }
  }
  const std::string question =
      "Möchten Sie wirklich den Tarifzonennamen von \"" + oldName + "\" in \"" + form.Name + "\" ändern?";
  if (ShowMessageBox(question, {}, mkBestaetigung, mbYesNo) != idYes) return {};
  zone.SetMenuCaption(form.Name);
  document.Modified = true;
  return TCommandResult::Zones(zoneIndex);
}

TCommandResult DeleteZoneCommand(TTarifFile& document, int zoneIndex) {
  if (document.Zones.empty()) {
    ShowMessageBox(kNoZonesMessage, {}, mkFehler, mbOK);
    return {};
  }
  if (!ValidZone(document, zoneIndex)) zoneIndex = 0;
  const std::string question = "Möchten Sie die Tarifzone \"" +
                               ZoneBoxText(document.Zones[static_cast<std::size_t>(zoneIndex)]) +
                               "\" wirklich löschen?";
  if (ShowMessageBox(question, {}, mkBestaetigung, mbYesNo) != idYes) return {};
  document.Modified = true;
  document.Zones.erase(document.Zones.begin() + zoneIndex);
  return TCommandResult::Zones(document.Zones.empty() ? -1 : 0);
}

}  // namespace dudode
