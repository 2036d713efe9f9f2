#include "stats/settlement.h"

#include "common/textforms.h"
#include "stats/records.h"

#include <cmath>

namespace kvadus::stats {

QString settlementCorner() { return QStringLiteral("bere \\ plati"); }
QString settlementPaysHeader() { return QStringLiteral("ZAPLATI"); }
QString settlementReceivesHeader() { return QStringLiteral("DOSTANE"); }
QString settlementDiagonal() { return QStringLiteral("      X"); }
QString settlementNoAmount() { return QStringLiteral("      -"); }
QString validHeading() { return QStringLiteral("Celkem se presune:"); }
QString invalidHeading() { return QStringLiteral("Chyba! - Suma penez za vsechny hrace ="); }

QString invalidMessage(double difference) {
  // The balances hold cents; what the sum of their binary forms adds beyond
  // the tenth decimal is noise, not money (0.0100000000000016 is 0.01).
  const double shown = std::round(difference * 1e10) / 1e10;
  return QStringLiteral("Celkova suma je  ") + generalNumberText(std::isfinite(shown) ? shown : difference) +
         QStringLiteral(" !") + QLatin1Char('\n') + QStringLiteral("Cely ucet nelze zpracovat.");
}

int pairPayments(ScoreGrid& grid, int players, const QList<int>& payers,
                 const QList<int>& receivers) {
  const int last = players + 1;
  int payments = 0;
  qsizetype i = 0, j = 0;
  // Balances that add up to zero only within the tolerance, or remainders
  // that their texts round away, can use up one list before the other: the
  // walk ends there, never reading past the end of a list.
  while (i < payers.size() && j < receivers.size()) {
    const int p = payers[i];
    const int r = receivers[j];
    double owe = strictValue(grid.cell(last, p));
    double get = strictValue(grid.cell(r, last));
    if (get == owe) {
      grid.setCell(r, p, generalNumberText(owe));
      owe = 0;
      get = 0;
      ++i;
      ++j;
    } else if (get > owe) {
      grid.setCell(r, p, generalNumberText(owe));
      get -= owe;
      owe = 0;
      ++i;
    } else {
      grid.setCell(r, p, generalNumberText(get));
      owe -= get;
      get = 0;
      ++j;
    }
    ++payments;
    grid.setCell(last, p, generalNumberText(owe));
    grid.setCell(r, last, generalNumberText(get));
  }
  return payments;
}

Settlement settle(const QStringList& names, const QStringList& balanceTexts) {
  const int n = static_cast<int>(names.size());
  const int last = n + 1;
  Settlement s;
  s.grid.setColumnCount(n + 2);
  s.grid.setRowCount(n + 2);
  ScoreGrid& g = s.grid;

  g.setCell(0, 0, settlementCorner());
  for (int k = 1; k <= n; ++k) {
    g.setCell(k, 0, names[k - 1]);
    g.setCell(0, k, names[k - 1]);
  }
  g.setCell(last, 0, settlementPaysHeader());
  g.setCell(0, last, settlementReceivesHeader());
  for (int k = 1; k <= last; ++k) g.setCell(k, k, settlementDiagonal());

  double plus = 0, minus = 0;
  QList<int> payers, receivers;
  for (int k = 1; k <= n; ++k) {
    const double b = strictValue(k - 1 < balanceTexts.size() ? balanceTexts[k - 1] : QString());
    const QString number = QString::number(k);
    if (b > 0) {
      s.receivers << names[k - 1];
      s.receiverNumbers << number;
      receivers << k;
      g.setCell(k, last, generalNumberText(b));
      plus += b;
    } else if (b < 0) {
      s.payers << names[k - 1];
      s.payerNumbers << number;
      payers << k;
      g.setCell(last, k, generalNumberText(-b));
      minus += -b;
    } else {
      s.even << names[k - 1];
      s.evenNumbers << number;
    }
  }

  double d = plus - minus;
  s.valid = std::fabs(d) <= kSettlementTolerance;
  if (!s.valid) {
    s.heading = invalidHeading();
    s.total = signedMoneyText(d);
    for (int c = 1; c <= n; ++c)
      for (int r = 1; r <= n; ++r)
        if (c != r) g.setCell(c, r, settlementNoAmount());
    s.message = invalidMessage(d);
    return s;
  }

  s.heading = validHeading();
  s.total = moneyText(plus);
  if (payers.isEmpty()) return s;

  pairPayments(g, n, payers, receivers);

  // Each player's totals from his payments and receipts.
  for (int k = 1; k <= n; ++k) {
    double received = 0, paid = 0;
    for (int x = 1; x <= n; ++x) {
      if (x == k) continue;
      if (!g.cell(k, x).isEmpty()) received += strictValue(g.cell(k, x));
      if (!g.cell(x, k).isEmpty()) paid += strictValue(g.cell(x, k));
    }
    if (received != 0) g.setCell(k, last, generalNumberText(received));
    if (paid != 0) g.setCell(last, k, generalNumberText(paid));
  }

  // Every amount as money text.
  for (int c = 1; c <= last; ++c)
    for (int r = 1; r <= last; ++r)
      if (c != r && !g.cell(c, r).isEmpty()) g.setCell(c, r, moneyText(strictValue(g.cell(c, r))));

  s.markReceipts = true;
  return s;
}

QStringList paymentList(const ScoreGrid& grid, int players) {
  QStringList out;
  for (int p = 1; p <= players; ++p)
    for (int r = 1; r <= players; ++r) {
      const QString amount = grid.cell(r, p).trimmed();
      if (r == p || amount.isEmpty()) continue;
      out << grid.cell(0, p) + QLatin1Char('>') + grid.cell(r, 0) + QLatin1Char(' ') + amount;
    }
  return out;
}

}  // namespace kvadus::stats
