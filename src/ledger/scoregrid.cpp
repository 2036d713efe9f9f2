#include "ledger/scoregrid.h"

namespace kvadus {

MemoryGrid::MemoryGrid(int columns, int rows) {
  setColumnCount(columns);
  setRowCount(rows);
}

MemoryGrid MemoryGrid::copyOf(const ScoreGrid& grid) {
  MemoryGrid copy;
  copy.rows_ = grid.rowCount() < 0 ? 0 : grid.rowCount();
  copy.columns_ = grid.columnCount() < 0 ? 0 : grid.columnCount();
  copy.cells_.reserve(copy.rows_);
  for (int r = 0; r < copy.rows_; ++r) {
    QStringList row;
    row.reserve(copy.columns_);
    for (int c = 0; c < copy.columns_; ++c) row.append(grid.cell(c, r));
    copy.cells_.append(std::move(row));
  }
  return copy;
}

void MemoryGrid::setRowCount(int rows) {
  rows_ = rows < 0 ? 0 : rows;
  const int old = static_cast<int>(cells_.size());
  cells_.resize(rows_);
  for (int r = old; r < rows_; ++r) cells_[r] = QStringList(columns_);
}

void MemoryGrid::setColumnCount(int columns) {
  columns_ = columns < 0 ? 0 : columns;
  for (auto& r : cells_) {
    while (r.size() > columns_) r.removeLast();
    while (r.size() < columns_) r << QString();
  }
}

QString MemoryGrid::cell(int column, int row) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return QString();
  return cells_[row][column];
}

void MemoryGrid::setCell(int column, int row, const QString& text) {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return;
  cells_[row][column] = text;
}

QStringList MemoryGrid::row(int row) const { return (row >= 0 && row < rows_) ? cells_[row] : QStringList(); }

}  // namespace kvadus
