#include "zones/TarifGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "zones/GridTexts.h"

namespace dudode {

void SetupTarifGrid(QTableWidget& grid) {
  grid.setColumnCount(kTarifGridColumns);
  QStringList titles;
  for (const TTarifGridColumn& column : kTarifGridColumnLayout) titles << QString::fromUtf8(column.Title);
  grid.setHorizontalHeaderLabels(titles);
  // The layout's widths were made for a smaller font: widen a column where a
  // typical cell or its title would not fit, so that no text is cut at start.
  TTarifEntry typical;
  typical.StartSec = 8 * 3600;
  typical.EndSec = 17 * 3600 + 59 * 60 + 59;
  typical.Takt = 60;
  typical.PricePerUnit = 0.12;
  typical.DateFrom = "0101";
  typical.DateTo = "3112";
  typical.Weekdays = ParseWeekdays("23456");
  const TTarifGridRow sample = EntryCellTexts(typical);
  const QFontMetrics metrics(grid.font());
  const QFontMetrics headerMetrics(grid.horizontalHeader()->font());
  for (int i = 0; i < kTarifGridColumns; ++i) {
    const int cell = metrics.horizontalAdvance(QString::fromStdString(sample[i])) + 12;
    const int title = headerMetrics.horizontalAdvance(titles[i]) + 16;
    grid.setColumnWidth(i, std::max({kTarifGridColumnLayout[i].Width, cell, title}));
  }
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
