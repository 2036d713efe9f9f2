#pragma once
// STGOutput seen as a score grid. Row 0 of the grid (the names) stays a real
// row of the table, so every reader finds the names where the ledger keeps
// them; on screen it is hidden and mirrored into the column headers, which
// keeps it fixed at the top while the hands scroll.

#include "ledger/scoregrid.h"

#include <QObject>

#include <climits>

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

// The texts of a score table for a copy made after every change (the
// recovery copy): the table's model says which rows changed, so a copy
// reads only those, not the whole evening. It is read by nothing else.
class TableCopy : public QObject {
 public:
  explicit TableCopy(TableGrid& grid, QTableWidget* table);
  // The table's texts as they are now; a shared copy that costs nothing
  // until either side changes.
  MemoryGrid now();

 private:
  void changed(int first, int last);
  TableGrid& grid_;
  MemoryGrid copy_;
  int first_ = 0;       // the rows that changed since the last copy
  int last_ = INT_MAX;  // (all of them at first)
};

// Sets up a QTableWidget as a score table: fixed-pitch font, default column
// width 80 (or wide enough for a money cell) and row height 18, no grid headers of its own but the names row.
void styleScoreTable(QTableWidget* table);

}  // namespace kvadus
