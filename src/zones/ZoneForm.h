#pragma once
// What the zone dialog shows and checks, without any widget, and the zone
// commands of the main window (new, change name and options, delete).
#include <functional>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

// The eleven tariff areas of RegionGroup, in bit order.
inline constexpr const char* kRegionNames[] = {"City",
                                               "Region 50 (bis 50 km)",
                                               "Region 200 (bis 200 km)",
                                               "Fernverbindung (über 200 km, Inland)",
                                               "Mobilfunk D1",
                                               "Mobilfunk D2",
                                               "Mobilfunk E-Plus",
                                               "Mobilfunk VIAG Interkom",
                                               "Ausland",
                                               "Internet",
                                               "Service"};
inline constexpr int kRegionCount = 11;

class TZoneForm {
 public:
  bool Renaming = false;    // "Tarifzonenname ändern" instead of a new zone
  std::string Name;         // blanks shown
  bool TaktBilling = true;  // TaktCheckBox: clock-based billing, no interval of its own
  double CalcTakt = 0;
  double FirstSecond = 0;
  double ConnectPrice = 0;
  double MonthlyFee = 0;
  TRelationSet Relations = 0;
  bool RoundTo = false;
  TAccessInfos Access;  // with NichtBundesweit
  // Working copies; replaced when the no-cost dialog is confirmed.
  std::vector<TFreeTimeEntry> WFreeTimes;
  std::vector<TFreeTimeEntry> FFreeTimes;

  bool NameValid = false;
  bool Confirmed = false;
  bool NoCostsConfirmed = false;

  bool TimeBillingEnabled() const { return !TaktBilling; }
  std::vector<TFreeTimeEntry>& FreeTimes(TDayClass dayClass) {
    return dayClass == TDayClass::Werktag ? WFreeTimes : FFreeTimes;
  }

  void Open();
  // Trims the name; refuses ";" and "," with a message.
  void LeaveName();
  // "Übernehmen". Returns Confirmed.
  bool Apply();
  // true once when a check wants the focus back in the name field.
  bool TakeNameFocus() {
    const bool f = nameFocus_;
    nameFocus_ = false;
    return f;
  }

 private:
  bool nameFocus_ = false;
};

// The zone name keys ";" and "," are dropped silently.
bool IsDroppedZoneNameKey(char32_t ch);

// The text of a zone in the zone box and in the reordering lists.
std::string ZoneBoxText(const TKeyAndName& zone);

TZoneForm NewZoneForm(const TTarifFile& document);
TZoneForm EditZoneForm(const TKeyAndName& zone);

}  // namespace dudode
