#pragma once
// The two tariff grids of the main window, one per day class.
#include "core/TarifFile.h"

class QTableWidget;

namespace dudode {

// Eight columns with their titles and widths, whole-row selection, no editing.
void SetupTarifGrid(QTableWidget& grid);
// Shows an entry list (nullptr: no current zone): one row per entry that is a
// tariff, in list order, or one empty row. The highlighted row stays.
void FillTarifGrid(QTableWidget& grid, const TTarifEntryList* entries);

// The row the user sees highlighted, counted from 1; 0 when none is. Commands
// act on this row: a click into the empty part of the grid clears it.
int HighlightedGridRow(const QTableWidget& grid);
// Another zone or file is shown: nothing is highlighted.
void ClearGridHighlight(QTableWidget& grid);

}  // namespace dudode
