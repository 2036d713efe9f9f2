#include "ledger/tablegrid.h"
#include "common/fontscale.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

namespace kvadus {

namespace {
// A cell that a screen reader reads with its column's name (the player, or
// the description column) and its row: "Pepa, hra 2: +0.40", "Pepa, stav:
// -0.90" for the sum row.
class ScoreItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  QVariant data(int role) const override {
    const QTableWidget* table = tableWidget();
    if (role != Qt::AccessibleTextRole || !table) return QTableWidgetItem::data(role);
    const QTableWidgetItem* name = table->item(0, column());
    const QString header = name ? name->text().trimmed() : QString();
    const int r = row();
    const QString where = r == 0                       ? QStringLiteral("jmeno")
                          : r == table->rowCount() - 1 ? QStringLiteral("stav")
                                                       : QStringLiteral("hra %1").arg(r);
    return QStringLiteral("%1, %2: %3").arg(header, where, text().trimmed());
  }
};

// A cell of the table: shown and selectable, not edited in place.
QTableWidgetItem* newItem(const QString& text) {
  auto* item = new ScoreItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}
}  // namespace

int TableGrid::rowCount() const { return table_->rowCount(); }
int TableGrid::columnCount() const { return table_->columnCount(); }

void TableGrid::setRowCount(int rows) {
  table_->setRowCount(rows);
  if (rows > 0) table_->setRowHidden(0, true);
}

void TableGrid::setColumnCount(int columns) {
  const int old = table_->columnCount();
  table_->setColumnCount(columns);
  for (int c = old; c < columns; ++c) refreshHeader(c);
}

QString TableGrid::cell(int column, int row) const {
  const QTableWidgetItem* item = table_->item(row, column);
  return item ? item->text() : QString();
}

void TableGrid::setCell(int column, int row, const QString& text) {
  if (row < 0 || row >= table_->rowCount() || column < 0 || column >= table_->columnCount()) return;
  QTableWidgetItem* item = table_->item(row, column);
  if (!item) {
    table_->setItem(row, column, newItem(text));
  } else {
    item->setText(text);
  }
  if (row == 0) refreshHeader(column);
}

void TableGrid::assign(const ScoreGrid& from) {
  const int rows = from.rowCount();
  const int columns = from.columnCount();
  // Columns added or taken away move every item of the table: start empty.
  if (columns != table_->columnCount()) setRowCount(0);
  setColumnCount(columns);
  setRowCount(rows);
  QAbstractItemModel* model = table_->model();
  {
    const QSignalBlocker quiet(model);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) {
        const QString text = from.cell(c, r);
        if (QTableWidgetItem* item = table_->item(r, c)) {
          item->setText(text);
        } else {
          table_->setItem(r, c, newItem(text));
        }
      }
  }
  if (rows > 0 && columns > 0) emit model->dataChanged(model->index(0, 0), model->index(rows - 1, columns - 1));
  for (int c = 0; c < columns; ++c) refreshHeader(c);
}

void TableGrid::refreshHeader(int column) {
  QTableWidgetItem* header = table_->horizontalHeaderItem(column);
  if (!header) {
    header = new QTableWidgetItem();
    table_->setHorizontalHeaderItem(column, header);
  }
  header->setText(cell(column, 0));
  header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

TableCopy::TableCopy(TableGrid& grid, QTableWidget* table) : QObject(table), grid_(grid) {
  QAbstractItemModel* model = table->model();
  const auto all = [this] { changed(0, INT_MAX); };
  const auto from = [this](const QModelIndex&, int first) { changed(first, INT_MAX); };
  connect(model, &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
            changed(topLeft.row(), bottomRight.row());
          });
  // Rows coming or going move every row after them.
  connect(model, &QAbstractItemModel::rowsInserted, this, from);
  connect(model, &QAbstractItemModel::rowsRemoved, this, from);
  connect(model, &QAbstractItemModel::rowsMoved, this, all);
  connect(model, &QAbstractItemModel::columnsInserted, this, all);
  connect(model, &QAbstractItemModel::columnsRemoved, this, all);
  connect(model, &QAbstractItemModel::columnsMoved, this, all);
  connect(model, &QAbstractItemModel::layoutChanged, this, all);
  connect(model, &QAbstractItemModel::modelReset, this, all);
}

void TableCopy::changed(int first, int last) {
  first_ = qMin(first_, qMax(0, first));
  last_ = qMax(last_, last);
  // The whole evening changes: the copy lets go of the old texts at once,
  // which would otherwise live on beside the new ones until the next copy.
  if (first_ <= 1 && last_ >= copy_.rowCount() - 1) copy_ = MemoryGrid();
}

MemoryGrid TableCopy::now() {
  const int rows = grid_.rowCount();
  const int columns = grid_.columnCount();
  if (columns != copy_.columnCount()) {
    copy_ = MemoryGrid::copyOf(grid_);
  } else {
    copy_.setRowCount(rows);
    for (int r = first_; r < rows && r <= last_; ++r)
      for (int c = 0; c < columns; ++c) copy_.setCell(c, r, grid_.cell(c, r));
  }
  first_ = INT_MAX;
  last_ = -1;
  return copy_;
}

void styleScoreTable(QTableWidget* table) {
  QFont fixed = fixedFont();
  table->setFont(fixed);
  table->horizontalHeader()->setFont(fixed);
  // A money cell is 11 characters wide; the column shows all of them.
  const int money = QFontMetrics(fixed).horizontalAdvance(QString(11, QLatin1Char('0'))) + 10;
  table->horizontalHeader()->setDefaultSectionSize(qMax(80, money));
  table->horizontalHeader()->setHighlightSections(false);
  // The header shows header items of its own (the names row) in columns of
  // set widths, so a change of a cell never changes its size; Qt's header
  // measures all its texts again after any change of a cell all the same,
  // which a table changed at every hand does without.
  const bool cellsLeftToTheView =
      QObject::disconnect(table->model(), SIGNAL(dataChanged(QModelIndex, QModelIndex, QList<int>)),
                          table->horizontalHeader(), SLOT(dataChanged(QModelIndex, QModelIndex, QList<int>)));
  Q_ASSERT(cellsLeftToTheView);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setMinimumSectionSize(10);
  table->verticalHeader()->setDefaultSectionSize(gridRowHeight(18));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(false);
  table->setCornerButtonEnabled(false);
}

}  // namespace kvadus
