#include "ledger/tablegrid.h"
#include "common/fontscale.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
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
    const QString where = r == 0 ? QStringLiteral("jmeno")
                          : r == table->rowCount() - 1 ? QStringLiteral("stav")
                                                       : QStringLiteral("hra %1").arg(r);
    return QStringLiteral("%1, %2: %3").arg(header, where, text().trimmed());
  }
};
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
    item = new ScoreItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    table_->setItem(row, column, item);
  } else {
    item->setText(text);
  }
  if (row == 0) refreshHeader(column);
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

void styleScoreTable(QTableWidget* table) {
  QFont fixed = fixedFont();
  table->setFont(fixed);
  table->horizontalHeader()->setFont(fixed);
  // A money cell is 11 characters wide; the column shows all of them.
  const int money = QFontMetrics(fixed).horizontalAdvance(QString(11, QLatin1Char('0'))) + 10;
  table->horizontalHeader()->setDefaultSectionSize(qMax(80, money));
  table->horizontalHeader()->setHighlightSections(false);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setMinimumSectionSize(10);
  table->verticalHeader()->setDefaultSectionSize(gridRowHeight(18));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(false);
  table->setCornerButtonEnabled(false);
}

}  // namespace kvadus
