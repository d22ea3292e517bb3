#pragma once
// The two tariff grids of the main window, one per day class.
#include "core/TarifFile.h"

class QTableWidget;

namespace dudode {

// Eight columns with their titles and widths, whole-row selection, no editing.
void SetupTarifGrid(QTableWidget& grid);
// Shows an entry list (nullptr: no current zone): one row per entry that is a
// tariff, in list order, or one empty row.
void FillTarifGrid(QTableWidget& grid, const TTarifEntryList* entries);

}  // namespace dudode
