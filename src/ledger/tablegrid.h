#pragma once
// STGOutput seen as a score grid. Row 0 of the grid (the names) stays a real
// row of the table, so every reader finds the names where the ledger keeps
// them; on screen it is hidden and mirrored into the column headers, which
// keeps it fixed at the top while the hands scroll.

#include "ledger/scoregrid.h"

class QTableWidget;

namespace kvadus {

class TableGrid : public ScoreGrid {
 public:
  explicit TableGrid(QTableWidget* table) : table_(table) {}
  int rowCount() const override;
  int columnCount() const override;
  void setRowCount(int rows) override;
  void setColumnCount(int columns) override;
  QString cell(int column, int row) const override;
  void setCell(int column, int row, const QString& text) override;
  // The table made the same as `from`, cell for cell. The items of a table
  // with as many columns stay and take their new texts; the view is told
  // once, not per cell.
  void assign(const ScoreGrid& from);

 private:
  void refreshHeader(int column);
  QTableWidget* table_;
};

// Sets up a QTableWidget as a score table: fixed-pitch font, default column
// width 80 (or wide enough for a money cell) and row height 18, no grid headers of its own but the names row.
void styleScoreTable(QTableWidget* table);

}  // namespace kvadus
