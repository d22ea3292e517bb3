#pragma once
// What the two tariff grids of the main window show.
#include <array>
#include <string>
#include <vector>

#include "core/TarifFile.h"

namespace dudode {

inline constexpr int kTarifGridColumns = 8;

struct TTarifGridColumn {
  const char* Title;
  int Width;  // initial width in pixels
};

inline constexpr std::array<TTarifGridColumn, kTarifGridColumns> kTarifGridColumnLayout = {{
    {"von", 73},
    {"bis", 73},
    {"Zeittakt", 120},
    {"zusätzl. TE", 80},
    {"Tarifname", 100},
    {"Gültig vom / bis", 90},
    {"Preis pro Einheit", 90},
    {"Wochentage", 100},
}};

using TTarifGridRow = std::array<std::string, kTarifGridColumns>;

// The eight cell texts of one entry.
TTarifGridRow EntryCellTexts(const TTarifEntry& entry);
// The rows of one entry list in list order; entries that are no tariff are
// left out.
std::vector<TTarifGridRow> TarifGridRows(const TTarifEntryList& entries);

}  // namespace dudode
