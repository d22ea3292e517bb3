#pragma once
// Assigning the 10plus discount to zones: one line per zone with working
// copies of its switch and its two lists of windows without the discount.
// Nothing reaches the document unless the dialog is confirmed.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

struct TTenPlusLine {
  std::string Text;  // the zone's name as the list shows it
  bool Checked = false;
  std::vector<TNo10plusEntry> WNo10plus;
  std::vector<TNo10plusEntry> FNo10plus;

  std::vector<TNo10plusEntry>& No10plus(TDayClass dayClass) {
    return dayClass == TDayClass::Werktag ? WNo10plus : FNo10plus;
  }
};

// One line per zone, in zone order.
std::vector<TTenPlusLine> TenPlusLines(const TTarifFile& document);
// Writes the lines back into their zones and marks the document modified.
void ApplyTenPlusLines(const std::vector<TTenPlusLine>& lines, TTarifFile& document);

// Shows the assignment dialog over the lines; true when it was confirmed.
using TTenPlusDialogRunner = std::function<bool(std::vector<TTenPlusLine>& lines)>;
// The whole command: true when the document changed.
bool AssignTenPlus(TTarifFile& document, const TTenPlusDialogRunner& runDialog);

// Ausnahmen Rabatt 10plus für "City".
std::string TenPlusExceptionsCaption(const std::string& lineText);
// "von" and "bis" of a window: 08:00:00 Uhr, 17:59:59 Uhr.
std::array<std::string, 2> No10plusRowTexts(const TNo10plusEntry& window);
// A list as its page leaves it: sorted by start, each window in whole
// minutes with the end minute's 59 seconds, as its two texts say.
std::vector<TNo10plusEntry> No10plusListFromRows(std::vector<TNo10plusEntry> rows);

}  // namespace dudode
