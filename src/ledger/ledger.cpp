#include "ledger/ledger.h"

#include "common/textforms.h"

#include <cmath>

namespace kvadus::ledger {

QString descriptionHeader() { return QStringLiteral("vynasel hrac : typ,fleky [uhrano bodu, sedma]"); }

QString sumRowAfterAdd() { return QStringLiteral("   << suma"); }

int handCount(int rowCount) { return rowCount > 2 ? rowCount - 2 : 0; }

QString handCountText(int rowCount) { return QStringLiteral("Pocet her: %1").arg(handCount(rowCount)); }

QString playerCountText(int players) { return QStringLiteral("pocet hracu : %1").arg(players); }

bool hasDescriptionColumn(const ScoreGrid& grid, int players) { return grid.columnCount() > players; }

void freshTable(ScoreGrid& grid, const QStringList& names) {
  const int n = static_cast<int>(names.size());
  grid.setRowCount(2);
  grid.setColumnCount(n);
  for (int c = 0; c < n; ++c) {
    grid.setCell(c, 0, names[c]);
    grid.setCell(c, 1, QStringLiteral("0.00"));
  }
}

bool addDescriptionColumn(ScoreGrid& grid, int players) {
  if (grid.columnCount() != players) return false;
  grid.setColumnCount(players + 1);
  grid.setCell(players, 0, descriptionHeader());
  for (int r = 1; r < grid.rowCount() - 1; ++r) grid.setCell(players, r, QString());
  return true;
}

bool removeDescriptionColumn(ScoreGrid& grid, int players) {
  if (grid.columnCount() <= players) return false;
  grid.setColumnCount(grid.columnCount() - 1);
  return true;
}

static double cents(double v) {
  const double c = std::round(v * 100.0) / 100.0;
  return std::isfinite(c) ? c : v;
}

double recomputeSums(ScoreGrid& grid, int players, bool descriptionShown) {
  const int s = grid.rowCount() - 1;
  if (s < 1) return 0.0;
  double total = 0.0;
  for (int c = 0; c < players; ++c) {
    double sum = 0.0;
    // Lenient reading takes either mark and any blanks as they come.
    for (int r = 1; r < s; ++r) sum += lenientNumber(grid.cell(c, r));
    grid.setCell(c, s, signedMoneyText(sum));
    total += cents(sum);
  }
  total = cents(total);
  if (total == 0.0) total = 0.0;  // no "-0"
  if (descriptionShown && grid.columnCount() > players) grid.setCell(players, s, sumsDescription(total));
  return total;
}

QString sumsDescription(double grandTotal) {
  return QStringLiteral(" << sumy za kazdeho hrace (suma celkem: ") + generalNumberText(grandTotal) +
         QStringLiteral(" penez)");
}

QString chooserMarker() { return QStringLiteral("voli") + QString(6, QLatin1Char(' ')) + QStringLiteral(" - "); }
QString declarerMarker() { return QStringLiteral("vynasi ") + QStringLiteral(" >"); }

QStringList roleMarkers(int players, int chooser, int declarer) {
  QStringList items;
  for (int i = 0; i < players; ++i) items << QString();
  if (chooser >= 0 && chooser < players) items[chooser] = chooserMarker();
  if (declarer >= 0 && declarer < players) items[declarer] = declarerMarker();
  return items;
}

CounterState counterState(int rowCount, int players) {
  CounterState s;
  s.removeHands = s.removeAll = rowCount > 3;
  s.removeLast = s.removeButton = rowCount > 2;
  s.resultsButton = players > 0;
  return s;
}

QList<int> defenders(int players, int declarer) {
  QList<int> out;
  if (players < 2 || declarer < 0 || declarer >= players) return out;
  out << (declarer + 1) % players;
  if (players > 2) out << (declarer + 2) % players;
  return out;
}

bool newGameAsksForThree(int rosterSize, bool sittingOutAllowed) { return rosterSize >= 4 && !sittingOutAllowed; }

QStringList newGamePlayers(const QStringList& roster, bool onlyThree) { return onlyThree ? roster.mid(0, 3) : roster; }

int newGameDeclarer(int rosterSelection, int players) {
  if (players <= 0) return -1;
  return (rosterSelection >= 0 && rosterSelection < players) ? rosterSelection : 0;
}

QList<double> handRow(int players, int declarer, const HandShares& shares, bool cross, int partner) {
  QList<double> row(players, 0.0);
  if (players <= 0 || declarer < 0 || declarer >= players) return row;
  if (cross) {
    row.fill(shares.defender);
    row[declarer] = shares.declarer;
    if (partner >= 1 && partner <= 3) row[(declarer + partner) % players] = shares.declarer;
  } else if (players == 2) {
    row[declarer] = shares.declarer;
    row[1 - declarer] = shares.defender;
  } else {
    for (int step = 0; step < players; ++step) {
      const int c = (declarer + step) % players;
      row[c] = step == 0 ? shares.declarer : step <= 2 ? shares.defender : shares.sittingOut;
    }
  }
  return row;
}

void bookHand(ScoreGrid& grid, int players, const QList<double>& row, bool descriptionShown,
              const QString& description) {
  const int p = grid.rowCount() - 1;
  grid.setRowCount(p + 2);
  for (int c = 0; c < players; ++c) grid.setCell(c, p + 1, grid.cell(c, p));
  const bool description_ = descriptionShown && grid.columnCount() > players;
  if (description_) grid.setCell(players, p, description);
  for (int c = 0; c < players && c < row.size(); ++c) grid.setCell(c, p, signedMoneyText(row[c]));
  for (int c = 0; c < players; ++c)
    grid.setCell(c, p + 1, signedMoneyText(lenientNumber(grid.cell(c, p + 1)) + lenientNumber(grid.cell(c, p))));
  if (description_) grid.setCell(players, p + 1, sumRowAfterAdd());
}

bool bookingFits(const ScoreGrid& grid, int players, const QList<double>& row) {
  const int s = grid.rowCount() - 1;
  if (s < 1) return false;
  for (int c = 0; c < players && c < row.size(); ++c) {
    const double balance = lenientNumber(grid.cell(c, s)) + row[c];
    if (!std::isfinite(row[c]) || !std::isfinite(balance) || std::fabs(balance) >= kMaxBalance) return false;
  }
  return true;
}

QString bookingRefusedMessage() {
  return QStringLiteral("Hru nelze pridat: stav hrace by prekrocil ") + generalNumberText(kMaxBalance) +
         QStringLiteral(" penez.");
}

int nextChooser(int chooser, int players) { return chooser < players - 1 ? chooser + 1 : 0; }

void removeAllHands(ScoreGrid& grid) {
  grid.setRowCount(1);
  grid.setRowCount(2);
}

bool removeLastHand(ScoreGrid& grid) {
  if (grid.rowCount() <= 2) return false;
  grid.setRowCount(grid.rowCount() - 1);
  return true;
}

QString foldedHandsText() { return QStringLiteral("celkem za predesle hry"); }

bool foldHands(ScoreGrid& grid, int players, bool descriptionShown) {
  const int rows = grid.rowCount();
  if (rows <= 2) return false;
  for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(c, 1, grid.cell(c, rows - 1));
  if (descriptionShown && grid.columnCount() > players) grid.setCell(players, 1, foldedHandsText());
  grid.setRowCount(3);
  return true;
}

}  // namespace kvadus::ledger
