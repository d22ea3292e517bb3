#include "zones/TarifGrid.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "ui/DialogParts.h"
#include "zones/GridTexts.h"

namespace dudode {

void SetupTarifGrid(QTableWidget& grid) {
  grid.setColumnCount(kTarifGridColumns);
  QStringList titles;
  for (const TTarifGridColumn& column : kTarifGridColumnLayout) titles << QString::fromUtf8(column.Title);
  grid.setHorizontalHeaderLabels(titles);
  // The user sizes the columns; filling widens a column whose text would be
  // cut, and the last column takes the rest.
  grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid.horizontalHeader()->setStretchLastSection(true);
  grid.horizontalHeader()->setHighlightSections(false);
  grid.verticalHeader()->setVisible(false);
  grid.verticalHeader()->setDefaultSectionSize(17 * grid.logicalDpiY() / 96);
  grid.setSelectionBehavior(QAbstractItemView::SelectRows);
  grid.setSelectionMode(QAbstractItemView::SingleSelection);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.setWordWrap(false);
  grid.setTabKeyNavigation(false);  // Tab leaves the grid for the next control
  grid.setRowCount(1);
  // Without a highlight there is no current row either, so that nothing acts
  // on a row the user cannot see.
  QObject::connect(grid.selectionModel(), &QItemSelectionModel::selectionChanged, &grid, [&grid] {
    if (!grid.selectionModel()->hasSelection())
      grid.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  });
}

void FillTarifGrid(QTableWidget& grid, const TTarifEntryList* entries) {
  const int highlighted = HighlightedGridRow(grid);
  grid.clearContents();
  grid.setRowCount(1);
  if (!entries) return;
  const std::vector<TTarifGridRow> rows = TarifGridRows(*entries);
  if (!rows.empty()) grid.setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < kTarifGridColumns; ++c) {
      grid.setItem(static_cast<int>(r), c, new QTableWidgetItem(QString::fromStdString(rows[r][c])));
    }
  }
  FitColumnsToContents(grid);
  if (highlighted > 0) grid.selectRow(std::min(highlighted, grid.rowCount()) - 1);
}

int HighlightedGridRow(const QTableWidget& grid) {
  const QModelIndexList rows = grid.selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : rows.front().row() + 1;
}

void ClearGridHighlight(QTableWidget& grid) {
  grid.clearSelection();
  grid.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

}  // namespace dudode
