#include "zones/ZoneForm.h"

#include "core/MessageBox.h"
#include "core/Text.h"
#include "core/Values.h"

namespace dudode {
namespace {

constexpr const char* kNameSeparatorMessage = "Der Tarifzonenname darf kein \";\" und kein \",\" enthalten!";
constexpr const char* kNameMissingMessage = "Sie müssen einen korrekten Tarifzonennamen eingeben!";
constexpr const char* kTimeBillingMessage =
    "Eine der Angaben für die zeitbezogene Abrechnung ist nicht korrekt!";

}  // namespace

void TZoneForm::Open() {
  NameValid = false;
  Confirmed = false;
}

void TZoneForm::LeaveName() {
  Name = TrimBlanks(Name);
  NameValid = false;
  if (Name.empty()) return;
  if (Name.find_first_of(";,") != std::string::npos) {
    ShowMessageBox(kNameSeparatorMessage, {}, mkFehler, mbOK);
    return;
  }
  NameValid = true;
}

bool TZoneForm::Apply() {
  LeaveName();
  if (!NameValid) {
    ShowMessageBox(kNameMissingMessage, {}, mkFehler, mbOK);
    nameFocus_ = true;
  }
  Confirmed = NameValid;
  if (Confirmed && !TaktBilling && (CalcTakt == 0 || FirstSecond == 0)) {
    ShowMessageBox(kTimeBillingMessage, {}, mkFehler, mbOK);
    Confirmed = false;
  }
  return Confirmed;
}

bool IsDroppedZoneNameKey(char32_t ch) {
  return ch == U';' || ch == U',';
}

std::string ZoneBoxText(const TKeyAndName& zone) {
  return RemoveAmpersand(zone.MenuCaption());
}

TZoneForm NewZoneForm(const TTarifFile& document) {
  TZoneForm form;
  form.ConnectPrice = document.BaseConnectPrice;
  form.MonthlyFee = 0;
  return form;
}

TZoneForm EditZoneForm(const TKeyAndName& zone) {
  TZoneForm form;
  form.Renaming = true;
  form.Name = zone.MenuCaption();
  if (zone.CalcTakt > 0) {
    form.TaktBilling = false;
    form.CalcTakt = zone.CalcTakt;
    form.FirstSecond = zone.FirstSecond;
  }
  form.ConnectPrice = zone.ConnectPrice;
  form.MonthlyFee = zone.MonthlyFee;
  form.Relations = zone.Relations;
  form.RoundTo = zone.RoundTo == 1;
  form.Access = zone.Access;
  form.WFreeTimes = zone.WFreeTimes;
  form.FFreeTimes = zone.FFreeTimes;
  return form;
}

}  // namespace dudode
