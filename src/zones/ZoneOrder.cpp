#include "zones/ZoneOrder.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/MessageBox.h"
#include "core/Values.h"

namespace dudode {
namespace {

// Alphabetical: letter case ignored, umlauts with their base letter.
std::string AlphaKey(const std::string& text) {
  std::string key = CapitalizeGerman(text);
  for (const auto& [umlaut, plain] : {std::pair{"Ä", "A"}, {"Ö", "O"}, {"Ü", "U"}, {"ß", "SS"}}) {
    for (std::size_t at = key.find(umlaut); at != std::string::npos; at = key.find(umlaut, at)) {
      key.replace(at, std::string_view(umlaut).size(), plain);
    }
  }
  return key;
}

bool AlphaLess(const TZoneOrderItem& a, const TZoneOrderItem& b) {
  return AlphaKey(a.Text) < AlphaKey(b.Text);
}

int MoveMarked(TZoneOrderList& from, TZoneOrderList& to, std::vector<int> marked) {
  std::sort(marked.begin(), marked.end());
  marked.erase(std::unique(marked.begin(), marked.end()), marked.end());
  std::erase_if(marked, [&](int i) { return i < 0 || static_cast<std::size_t>(i) >= from.Items.size(); });
  const int first = marked.empty() ? 0 : marked.front();
  for (auto it = marked.rbegin(); it != marked.rend(); ++it) {
    TZoneOrderItem item = from.Items[static_cast<std::size_t>(*it)];
    from.Items.erase(from.Items.begin() + *it);
    to.Add(std::move(item));
  }
  if (from.Items.empty()) return -1;
  return std::min(first, static_cast<int>(from.Items.size()) - 1);
}

int MoveAll(TZoneOrderList& from, TZoneOrderList& to) {
  for (TZoneOrderItem& item : from.Items) to.Add(std::move(item));
  from.Items.clear();
  return -1;
}

}  // namespace

void TZoneOrderList::Add(TZoneOrderItem item) {
  if (!Sorted) {
    Items.push_back(std::move(item));
    return;
  }
  Items.insert(std::upper_bound(Items.begin(), Items.end(), item, AlphaLess), std::move(item));
}

void TZoneOrderList::Sort() {
  Sorted = true;
  std::stable_sort(Items.begin(), Items.end(), AlphaLess);
}

int TZoneOrderForm::Include(const std::vector<int>& marked) {
  return MoveMarked(Source, Target, marked);
}
int TZoneOrderForm::Exclude(const std::vector<int>& marked) {
  return MoveMarked(Target, Source, marked);
}
int TZoneOrderForm::IncludeAll() {
  return MoveAll(Source, Target);
}
int TZoneOrderForm::ExcludeAll() {
  return MoveAll(Target, Source);
}

bool TZoneOrderForm::Apply() {
  if (Source.Items.empty()) return true;
  return ShowMessageBox("Sie haben nicht alle Tarifzonen neu eingeordnet! Sollen diese gelöscht werden?",
                        "Warnung", mkWarnung, mbYesNo) == idYes;
}

std::vector<int> TZoneOrderForm::NewOrder() const {
  std::vector<int> order;
  for (const TZoneOrderItem& item : Target.Items) order.push_back(item.ZoneIndex);
  return order;
}

TZoneOrderForm ZoneOrderFormFor(const TTarifFile& document) {
  TZoneOrderForm form;
  for (std::size_t i = 0; i < document.Zones.size(); ++i) {
    form.Source.Items.push_back({ZoneBoxText(document.Zones[i]), static_cast<int>(i)});
  }
  return form;
}

void ReorderZones(TTarifFile& document, const std::vector<int>& order) {
  std::vector<TKeyAndName> zones;
  zones.reserve(order.size());
  std::vector<bool> taken(document.Zones.size(), false);
  for (int index : order) {
    // Each former zone moves once; a stray index is ignored.
    if (index < 0 || static_cast<std::size_t>(index) >= document.Zones.size() ||
        taken[static_cast<std::size_t>(index)]) {
      continue;
    }
    taken[static_cast<std::size_t>(index)] = true;
    zones.push_back(std::move(document.Zones[static_cast<std::size_t>(index)]));
  }
  document.Zones = std::move(zones);
}

TCommandResult ReorderZonesCommand(TTarifFile& document, const TZoneOrderRunner& runDialog) {
  TZoneOrderForm form = ZoneOrderFormFor(document);
  if (!runDialog(form)) return {};
  document.Modified = true;
  ReorderZones(document, form.NewOrder());
  return TCommandResult::Zones(document.Zones.empty() ? -1 : 0);
}

}  // namespace dudode
