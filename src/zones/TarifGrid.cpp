#include "zones/TarifGrid.h"

#include <QHeaderView>
#include <algorithm>
#include <QTableWidget>

#include "zones/GridTexts.h"

namespace dudode {

void SetupTarifGrid(QTableWidget& grid) {
  grid.setColumnCount(kTarifGridColumns);
  QStringList titles;
  for (const TTarifGridColumn& column : kTarifGridColumnSpecs) titles << QString::fromUtf8(column.Title);
  grid.setHorizontalHeaderLabels(titles);
  for (int i = 0; i < kTarifGridColumns; ++i) grid.setColumnWidth(i, kTarifGridColumnSpecs[i].Width);
  grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid.horizontalHeader()->setHighlightSections(false);
  grid.verticalHeader()->setVisible(false);
  grid.verticalHeader()->setDefaultSectionSize(17 * grid.logicalDpiY() / 96);
  grid.setSelectionBehavior(QAbstractItemView::SelectRows);
  grid.setSelectionMode(QAbstractItemView::SingleSelection);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.setWordWrap(false);
  grid.setRowCount(1);
}

void FillTarifGrid(QTableWidget& grid, const TTarifEntryList* entries) {
  const int current = grid.currentRow();
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
  if (current >= 0) grid.setCurrentCell(std::min(current, grid.rowCount() - 1), 0);
}

}  // namespace dudode
