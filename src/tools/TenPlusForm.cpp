#include "tools/TenPlusForm.h"

#include <algorithm>

#include "zones/NoCostForm.h"

namespace dudode {

std::vector<TTenPlusLine> TenPlusLines(const TTarifFile& document) {
  std::vector<TTenPlusLine> lines;
  lines.reserve(document.Zones.size());
  for (const TKeyAndName& zone : document.Zones) {
    std::string text = zone.MenuCaption();
    std::erase(text, '&');
    lines.push_back({text, zone.TenPlusActive, zone.WNo10plus, zone.FNo10plus});
  }
  return lines;
}

void ApplyTenPlusLines(const std::vector<TTenPlusLine>& lines, TTarifFile& document) {
  const std::size_t n = std::min(lines.size(), document.Zones.size());
  for (std::size_t i = 0; i < n; ++i) {
    TKeyAndName& zone = document.Zones[i];
    zone.TenPlusActive = lines[i].Checked;
    zone.WNo10plus = lines[i].WNo10plus;
    zone.FNo10plus = lines[i].FNo10plus;
  }
  document.Modified = true;
}

bool AssignTenPlus(TTarifFile& document, const TTenPlusDialogRunner& runDialog) {
  std::vector<TTenPlusLine> lines = TenPlusLines(document);
  if (!runDialog(lines)) return false;
  ApplyTenPlusLines(lines, document);
  return true;
}

std::string TenPlusExceptionsCaption(const std::string& lineText) {
  return "Ausnahmen Rabatt 10plus für \"" + lineText + "\"";
}

std::array<std::string, 2> No10plusRowTexts(const TNo10plusEntry& window) {
  const auto texts = NoCostRowTexts({window.StartSec, window.EndSec, 0});
  return {texts[0], texts[1]};
}

std::vector<TNo10plusEntry> No10plusListFromRows(std::vector<TNo10plusEntry> rows) {
  SortNoCostList(rows);
  for (TNo10plusEntry& w : rows) {
    w.StartSec = w.StartSec / 60 * 60;
    w.EndSec = w.EndSec / 60 * 60 + 59;
  }
  return rows;
}

}  // namespace dudode
