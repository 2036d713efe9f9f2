#pragma once
// The score table seen as a plain grid of texts. The window's string grid is
// the real store; the rules of the ledger work on this interface, so that they
// run the same on the window and, in tests, on a grid in memory.

#include <QString>
#include <QStringList>
#include <QVector>

namespace kvadus {

class ScoreGrid {
 public:
  virtual ~ScoreGrid() = default;
  virtual int rowCount() const = 0;
  virtual int columnCount() const = 0;
  // Growing adds empty cells; shrinking drops the last rows or columns.
  virtual void setRowCount(int rows) = 0;
  virtual void setColumnCount(int columns) = 0;
  virtual QString cell(int column, int row) const = 0;
  virtual void setCell(int column, int row, const QString& text) = 0;
};

// A grid held in memory.
class MemoryGrid : public ScoreGrid {
 public:
  MemoryGrid(int columns = 0, int rows = 0);
  // Every text of another grid, read once.
  static MemoryGrid copyOf(const ScoreGrid& grid);
  int rowCount() const override { return rows_; }
  int columnCount() const override { return columns_; }
  void setRowCount(int rows) override;
  void setColumnCount(int columns) override;
  QString cell(int column, int row) const override;
  void setCell(int column, int row, const QString& text) override;

  QStringList row(int row) const;
  bool operator==(const MemoryGrid& other) const {
    return rows_ == other.rows_ && columns_ == other.columns_ && cells_ == other.cells_;
  }

 private:
  int rows_ = 0;
  int columns_ = 0;
  QVector<QStringList> cells_;  // one list per row
};

}  // namespace kvadus
