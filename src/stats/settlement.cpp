#include "stats/settlement.h"

#include "common/textforms.h"
#include "stats/records.h"

#include <algorithm>
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

namespace {

// Money to the cent: the balances are cents, and the walk works in whole
// cents so that no binary remainder (0.78 - 0.69 is 0.0900000000000001) is
// ever paid out.
qint64 centsOf(double value) { return std::llround(value * 100); }
qint64 centsOf(const QString& text) { return text.isEmpty() ? 0 : centsOf(strictValue(text)); }
QString centsText(qint64 cents) { return generalNumberText(static_cast<double>(cents) / 100); }

}  // namespace

int pairPayments(ScoreGrid& grid, int players, const QList<int>& payers, const QList<int>& receivers) {
  const int last = players + 1;
  int payments = 0;
  qsizetype i = 0, j = 0;
  // Balances that add up to zero only within the tolerance can use up one
  // list before the other: the walk ends there, never reading past the end
  // of a list.
  while (i < payers.size() && j < receivers.size()) {
    const int p = payers[i];
    const int r = receivers[j];
    qint64 owe = centsOf(grid.cell(last, p));
    qint64 get = centsOf(grid.cell(r, last));
    // A debt or claim below a cent (a balance of 0.001) is nothing to pay.
    if (owe <= 0 || get <= 0) {
      if (owe <= 0) ++i;
      if (get <= 0) ++j;
      continue;
    }
    const qint64 paid = std::min(owe, get);
    grid.setCell(r, p, centsText(paid));
    owe -= paid;
    get -= paid;
    if (owe == 0) ++i;
    if (get == 0) ++j;
    ++payments;
    grid.setCell(last, p, centsText(owe));
    grid.setCell(r, last, centsText(get));
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

  // Each player's totals from his payments and receipts, in cents. What the
  // walk left of a debt or claim below a cent is no money: its cell is
  // emptied, as for a player who pays or receives nothing.
  for (int k = 1; k <= n; ++k) {
    qint64 received = 0, paid = 0;
    for (int x = 1; x <= n; ++x) {
      if (x == k) continue;
      received += centsOf(g.cell(k, x));
      paid += centsOf(g.cell(x, k));
    }
    if (received != 0) g.setCell(k, last, centsText(received));
    else if (!g.cell(k, last).isEmpty() && centsOf(g.cell(k, last)) == 0) g.setCell(k, last, QString());
    if (paid != 0) g.setCell(last, k, centsText(paid));
    else if (!g.cell(last, k).isEmpty() && centsOf(g.cell(last, k)) == 0) g.setCell(last, k, QString());
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
