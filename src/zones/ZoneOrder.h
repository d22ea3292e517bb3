#pragma once
// Reordering the zones: the two lists of the reordering dialog without any
// widget, and the command that puts the zones in their new order.
#include <functional>
#include <string>
#include <vector>

#include "core/CommandResult.h"
#include "core/TarifFile.h"
#include "zones/ZoneForm.h"

namespace dudode {

struct TZoneOrderItem {
  std::string Text;   // the zone box text
  int ZoneIndex = 0;  // the zone's index before the reordering
};

// One list of the dialog. Once sorted it stays sorted: items moved into it
// take their alphabetical place.
class TZoneOrderList {
 public:
  std::vector<TZoneOrderItem> Items;
  bool Sorted = false;

  void Add(TZoneOrderItem item);
  void Sort();  // alphabetical, letter case ignored
};

class TZoneOrderForm {
 public:
  TZoneOrderList Source;  // "Bestehende Reihenfolge:"
  TZoneOrderList Target;  // "Neue Reihenfolge:"

  // Moves return the item to select in the list moved from: the place of its
  // first marked item, clipped to its last item (-1 when it is empty).
  // ">" and "<" take the marked items from the bottom up, so that several
  // arrive in reverse order; ">>" and "<<" keep the order.
  int Include(const std::vector<int>& marked);
  int Exclude(const std::vector<int>& marked);
  int IncludeAll();
  int ExcludeAll();

  bool IncludeEnabled() const { return !Source.Items.empty(); }
  bool ExcludeEnabled() const { return !Target.Items.empty(); }

  // "Übernehmen": zones left in the source list are dropped after asking.
  // Returns whether the dialog is confirmed.
  bool Apply();

  // Former zone indexes in the new order.
  std::vector<int> NewOrder() const;
};

TZoneOrderForm ZoneOrderFormFor(const TTarifFile& document);

// Puts the zones in this order (former indexes); zones not named are dropped
// with their lists.
void ReorderZones(TTarifFile& document, const std::vector<int>& order);

using TZoneOrderRunner = std::function<bool(TZoneOrderForm& form)>;
TCommandResult ReorderZonesCommand(TTarifFile& document, const TZoneOrderRunner& runDialog);

}  // namespace dudode
