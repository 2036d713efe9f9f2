#include "correction/correction.h"

#include "common/textforms.h"
#include "ledger/ledger.h"

#include <cmath>
#include <utility>

namespace kvadus::correction {

QStringList gridHeader() { return {QStringLiteral("Jmeno"), QStringLiteral("penize"), QStringLiteral("poradi")}; }

QString orderText(int k) { return QStringLiteral("   ") + QString::number(k); }

int orderNumber(const QString& text) {
  bool ok = false;
  const int m = text.trimmed().toInt(&ok);
  return ok ? m : 0;
}

int playerRows(const ScoreGrid& players) { return std::max(0, players.rowCount() - 1); }

int orderAt(const ScoreGrid& players, int row) { return orderNumber(players.cell(kOrderColumn, row)); }

QList<int> orderNumbers(const ScoreGrid& players) {
  QList<int> out;
  for (int r = 1; r <= playerRows(players); ++r) out << orderAt(players, r);
  return out;
}

void loadPlayers(ScoreGrid& players, const QStringList& names, const ScoreGrid& table) {
  const int n = static_cast<int>(names.size());
  const int sumRow = table.rowCount() - 1;
  players.setColumnCount(kColumns);
  players.setRowCount(n + 1);
  const QStringList header = gridHeader();
  for (int c = 0; c < kColumns; ++c) players.setCell(c, 0, header[c]);
  for (int k = 1; k <= n; ++k) {
    players.setCell(kNameColumn, k, names[k - 1]);
    players.setCell(kMoneyColumn, k, sumRow >= 1 ? table.cell(k - 1, sumRow) : QString());
    players.setCell(kOrderColumn, k, orderText(k));
  }
}

int rowOfOrder(const ScoreGrid& players, int m) {
  for (int r = 1; r <= playerRows(players); ++r)
    if (orderAt(players, r) == m) return r;
  return -1;
}

namespace {
QStringList rowCells(const ScoreGrid& g, int r) {
  QStringList out;
  for (int c = 0; c < kColumns; ++c) out << g.cell(c, r);
  return out;
}
void setRowCells(ScoreGrid& g, int r, const QStringList& cells) {
  for (int c = 0; c < kColumns; ++c) g.setCell(c, r, cells[c]);
}
void exchangeRows(ScoreGrid& g, int a, int b) {
  const QStringList first = rowCells(g, a);
  setRowCells(g, a, rowCells(g, b));
  setRowCells(g, b, first);
}
}  // namespace

Moved moveUp(ScoreGrid& players, int r) {
  const int n = playerRows(players);
  if (r < 1 || r > n) return {};
  if (r > 1) {
    exchangeRows(players, r, r - 1);
    return {r - 1, false};
  }
  // The first goes to the bottom, everyone else one place up.
  const QStringList first = rowCells(players, 1);
  for (int k = 1; k < n; ++k) setRowCells(players, k, rowCells(players, k + 1));
  setRowCells(players, n, first);
  return {n, true};
}

Moved moveDown(ScoreGrid& players, int r) {
  const int n = playerRows(players);
  if (r < 1 || r > n) return {};
  if (r < n) {
    exchangeRows(players, r, r + 1);
    return {r + 1, false};
  }
  // The last goes to the top, everyone else one place down.
  const QStringList last = rowCells(players, n);
  for (int k = n; k > 1; --k) setRowCells(players, k, rowCells(players, k - 1));
  setRowCells(players, 1, last);
  return {1, true};
}

QString notADecimalMessage() { return QStringLiteral("Zadejte desetinne cislo !"); }

QString balanceTooLargeMessage() {
  return QStringLiteral("Stav penez musi byt v absolutni hodnote mensi nez ") + generalNumberText(ledger::kMaxBalance) +
         QStringLiteral(" !");
}

namespace {
bool balanceFits(double v) { return std::isfinite(v) && std::fabs(v) < ledger::kMaxBalance; }
}  // namespace

CheckedMoney checkMoney(const QString& typed) {
  CheckedMoney out;
  out.text = normalizeDecimalMark(typed);
  double value = 0;
  if (!strictNumber(out.text, &value)) {
    out.message = notADecimalMessage();
    return out;
  }
  // Read back as the table will read it, so that what passes here is what
  // the balance row gets.
  if (!balanceFits(value) || !balanceFits(lenientNumber(out.text))) {
    out.message = balanceTooLargeMessage();
    return out;
  }
  out.valid = true;
  return out;
}

bool changesMoney(const QString& typed, const QString& moneyText) {
  return normalizeDecimalMark(typed) != normalizeDecimalMark(moneyText);
}

QString lostHandsTail() { return QStringLiteral("\n(vsechny predchozi hry budou smazany)"); }

QString applyQuestion(bool orderChanged, bool moneyChanged, int handCount) {
  if (!orderChanged && !moneyChanged) return QString();
  const QString order = QStringLiteral("poradi hracu");
  const QString money = QStringLiteral("finance");
  const QString tail = moneyChanged && handCount >= 1 ? lostHandsTail() : QString();
  QString what;
  if (orderChanged && moneyChanged) what = order + QStringLiteral(" a ") + money + tail;
  else if (moneyChanged) what = money + tail;
  else what = order;
  return QStringLiteral("Chcete zmenit ") + what + QStringLiteral(" ?");
}

QList<double> newBalances(const ScoreGrid& players) {
  QList<double> out;
  for (int r = 1; r <= playerRows(players); ++r)
    out << lenientNumber(normalizeDecimalMark(players.cell(kMoneyColumn, r)));
  return out;
}

bool balancesFit(const QList<double>& balances) {
  for (double v : balances)
    if (!balanceFits(v)) return false;
  return true;
}

QString balanceRowDescription() { return QStringLiteral("uprava stavu penez"); }

bool writeBalanceRow(ScoreGrid& table, const QStringList& names, const QList<double>& balances) {
  const int n = static_cast<int>(names.size());
  if (balances.size() != n || !balancesFit(balances)) return false;
  const bool description = ledger::hasDescriptionColumn(table, n);
  // Only the names row stays; the hands go, whatever they held.
  table.setRowCount(1);
  table.setRowCount(3);
  for (int c = 0; c < n; ++c) {
    table.setCell(c, 0, names[c]);
    table.setCell(c, 1, signedMoneyText(balances[c]));
  }
  if (description) table.setCell(n, 1, balanceRowDescription());
  return true;
}

QList<Exchange> orderExchanges(const QList<int>& newOrder, QList<int>& oldOrder) {
  QList<Exchange> out;
  const qsizetype n = std::min(newOrder.size(), oldOrder.size());
  for (qsizetype r = 0; r < n; ++r) {
    const int m = newOrder[r];
    qsizetype j = r;
    while (j < n && oldOrder[j] != m) ++j;
    if (j == n || j == r) continue;  // already in place, or nobody with that number
    std::swap(oldOrder[r], oldOrder[j]);
    out.append({static_cast<int>(r), static_cast<int>(j)});
  }
  return out;
}

void exchangeColumns(ScoreGrid& table, int a, int b) {
  if (a == b || a < 0 || b < 0 || a >= table.columnCount() || b >= table.columnCount()) return;
  for (int r = 0; r < table.rowCount(); ++r) {
    const QString first = table.cell(a, r);
    table.setCell(a, r, table.cell(b, r));
    table.setCell(b, r, first);
  }
}

}  // namespace kvadus::correction
