// The score table: sums over arbitrary cell texts, booking and removing hands.
//
// Input: a choices byte (bit 0 locale, bits 1-2 text coding, bit 3 the
// description is shown, bit 4 the table has the description column, bit 5 the
// hand cells are as the program writes them), a byte for the player count
// (2..10), a byte for the number of hands (0..11); then lines: the names, the
// hand cells row by row (with the description cell when there is the column),
// then operations until the end, each a line whose first byte names it and
// whose second chooses the declarer and the partner:
//   'b' book a hand priced at the rest of the line (read leniently)
//   'l' remove the last hand, 'f' fold the hands, 'a' remove everything,
//   'c' add or remove the description column; anything else recomputes.
#include "common/textforms.h"
#include "fuzzsupport.h"
#include "ledger/ledger.h"
#include "ledger/pricing.h"
#include "ledger/scoregrid.h"

#include <cmath>

using namespace kvadus;
using namespace kvadus::fuzz;

namespace {

constexpr int kMaxOperations = 24;

double cellValue(const QString& text) { return lenientNumber(normalizeDecimalMark(text)); }

QString dump(const MemoryGrid& g) {
  QStringList rows;
  for (int r = 0; r < g.rowCount(); ++r) {
    QStringList cells;
    for (const QString& c : g.row(r)) cells << show(c);
    rows << cells.join(u' ');
  }
  return rows.join(QStringLiteral(" | "));
}

bool sameRow(const MemoryGrid& a, const MemoryGrid& b, int row, int columns) {
  for (int c = 0; c < columns; ++c)
    if (a.cell(c, row) != b.cell(c, row)) return false;
  return true;
}

// The number inside " << sumy za kazdeho hrace (suma celkem: N penez)".
QString totalIn(const QString& description) {
  const QString head = ledger::sumsDescription(0).section(u'0', 0, 0);
  const QString tail = QStringLiteral(" penez)");
  if (!description.startsWith(head) || !description.endsWith(tail)) return QStringLiteral("?");
  return description.mid(head.size(), description.size() - head.size() - tail.size());
}

// Recomputes and checks every sum cell against the column sum of the hand rows.
double sums(MemoryGrid& g, int n, bool shown, const char* after) {
  const MemoryGrid before = g;
  const double total = ledger::recomputeSums(g, n, shown);
  const int s = g.rowCount() - 1;
  const auto where = [&] {
    return QString(QStringLiteral("recomputeSums after %1: %2").arg(QLatin1String(after), dump(g)));
  };
  if (s < 1) return total;
  for (int r = 0; r < s; ++r) FUZZ_CHECK(sameRow(before, g, r, g.columnCount()), where());
  bool withinLimit = true;
  for (int c = 0; c < n; ++c) {
    double sum = 0;
    for (int r = 1; r < s; ++r) sum += cellValue(g.cell(c, r));
    if (!(std::fabs(sum) < ledger::kMaxBalance)) withinLimit = false;
    FUZZ_CHECK(g.cell(c, s) == signedMoneyText(sum),
               where() + QStringLiteral(" column %1 sum %2").arg(c).arg(show(sum)));
    FUZZ_CHECK(plainNumberText(g.cell(c, s)), where());
  }
  if (shown && g.columnCount() > n) {
    const QString number = totalIn(g.cell(n, s));
    FUZZ_CHECK(plainNumberText(number) && !number.isEmpty(), where());
  }
  if (withinLimit) FUZZ_CHECK(std::isfinite(total), where() + QStringLiteral(" total ") + show(total));
  return total;
}

// Whether every hand cell is within what a booked share can be (below
// kMaxHandAmount times the other players).
bool handCellsOrdinary(const MemoryGrid& g, int n) {
  for (int r = 1; r < g.rowCount() - 1; ++r)
    for (int c = 0; c < n; ++c)
      if (!(std::fabs(cellValue(g.cell(c, r))) <= pricing::kMaxHandAmount * 9)) return false;
  return true;
}

void book(MemoryGrid& g, int n, bool shown, uint8_t seat, const QString& amountText, bool canonical) {
  // The price as the window shows it, the shares as its labels show them.
  const double amount = lenientNumber(priceText(lenientNumber(amountText)));
  const bool sittingOut = seat & 0x10;
  const int sittingItem = (seat >> 5) & 3;
  const int partner = (seat >> 2) & 3;
  const pricing::Shares shares = pricing::playerShares(amount, n, sittingOut, sittingItem, (seat >> 7) & 1, partner);
  if (!shares.ok) return;
  ledger::HandShares labels;
  labels.declarer = lenientNumber(priceText(shares.declarer));
  labels.defender = lenientNumber(priceText(shares.defender));
  labels.sittingOut = lenientNumber(priceText(shares.sittingOut));
  const int declarer = (seat & 3) % n;
  const bool cross = pricing::crossVariant(sittingOut, n, sittingItem);
  const QList<double> row = ledger::handRow(n, declarer, labels, cross, partner);
  FUZZ_CHECK(row.size() == n, QStringLiteral("handRow size %1 for %2 players").arg(row.size()).arg(n));

  // A refused hand is not booked by the window; booking it anyway must not crash.
  if (!ledger::bookingFits(g, n, row)) {
    MemoryGrid copy = g;
    ledger::bookHand(copy, n, row, shown, QStringLiteral("x"));
    return;
  }
  const MemoryGrid before = g;
  const QString description = QStringLiteral("hand ") + amountText.left(20);
  ledger::bookHand(g, n, row, shown, description);
  const int p = before.rowCount() - 1;
  const auto where = [&] {
    return QString(QStringLiteral("bookHand(%1) on %2 gives %3").arg(show(amount), dump(before), dump(g)));
  };
  FUZZ_CHECK(g.rowCount() == before.rowCount() + 1 && g.columnCount() == before.columnCount(), where());
  for (int r = 0; r < p; ++r) FUZZ_CHECK(sameRow(before, g, r, g.columnCount()), where());
  for (int c = 0; c < n; ++c) {
    FUZZ_CHECK(g.cell(c, p) == signedMoneyText(row[c]), where());
    const double balance = lenientNumber(before.cell(c, p)) + lenientNumber(g.cell(c, p));
    FUZZ_CHECK(g.cell(c, p + 1) == signedMoneyText(balance), where());
    FUZZ_CHECK(plainNumberText(g.cell(c, p)) && plainNumberText(g.cell(c, p + 1)), where());
    FUZZ_CHECK(std::fabs(lenientNumber(g.cell(c, p + 1))) < ledger::kMaxBalance, where());
  }
  if (shown && g.columnCount() > n) {
    FUZZ_CHECK(g.cell(n, p) == description && g.cell(n, p + 1) == ledger::sumRowAfterAdd(), where());
  }

  // A table the program wrote: the booked balance is the column sum.
  if (canonical && handCellsOrdinary(before, n)) {
    MemoryGrid recomputed = g;
    ledger::recomputeSums(recomputed, n, false);
    for (int c = 0; c < n; ++c)
      FUZZ_CHECK(recomputed.cell(c, p + 1) == g.cell(c, p + 1),
                 where() + QStringLiteral(" recomputed column %1: %2").arg(c).arg(show(recomputed.cell(c, p + 1))));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  useLocale(choices & 1);
  const Coding coding = codingOf((choices >> 1) & 3);
  const bool shown = choices & 8;
  const bool column = choices & 16;
  const bool canonical = choices & 32;
  const int n = in.intIn(2, 10);
  const int hands = in.intIn(0, 11);

  QStringList names;
  for (int c = 0; c < n; ++c) names << decode(in.line(), coding);
  MemoryGrid g;
  ledger::freshTable(g, names);
  FUZZ_CHECK(g.rowCount() == 2 && g.columnCount() == n && g.row(0) == names, dump(g));
  if (column) FUZZ_CHECK(ledger::addDescriptionColumn(g, n), dump(g));
  const int columns = g.columnCount();
  g.setRowCount(hands + 2);
  for (int r = 1; r <= hands; ++r)
    for (int c = 0; c < columns; ++c) {
      QString text = decode(in.line(), coding);
      if (canonical && c < n) text = signedMoneyText(cellValue(text));
      g.setCell(c, r, text);
    }
  const QStringList header = g.row(0);
  sums(g, n, shown, "filling");

  for (int op = 0; op < kMaxOperations && !in.empty(); ++op) {
    const QByteArray line = in.line();
    const char code = line.isEmpty() ? 'r' : line.at(0);
    const uint8_t seat = line.size() > 1 ? uint8_t(line.at(1)) : 0;
    const QString rest = decode(line.mid(2), coding);
    const MemoryGrid before = g;
    const auto where = [&] {
      return QString(QStringLiteral("operation %1 on %2 gives ").arg(QLatin1Char(code)).arg(dump(before)));
    };
    switch (code) {
      case 'b':
        book(g, n, shown, seat, rest, canonical);
        break;
      case 'l': {
        const bool removed = ledger::removeLastHand(g);
        FUZZ_CHECK(removed == (before.rowCount() > 2), where() + dump(g));
        FUZZ_CHECK(g.rowCount() == (removed ? before.rowCount() - 1 : before.rowCount()), where() + dump(g));
        if (removed) sums(g, n, shown, "removing the last hand");
        break;
      }
      case 'f': {
        const bool folded = ledger::foldHands(g, n, shown);
        FUZZ_CHECK(folded == (before.rowCount() > 2), where() + dump(g));
        if (!folded) break;
        FUZZ_CHECK(g.rowCount() == 3, where() + dump(g));
        const int s = before.rowCount() - 1;
        for (int c = 0; c < n; ++c) FUZZ_CHECK(g.cell(c, 1) == before.cell(c, s), where() + dump(g));
        if (shown && before.columnCount() > n) FUZZ_CHECK(g.cell(n, 1) == ledger::foldedHandsText(), where() + dump(g));
        sums(g, n, shown, "folding");
        // The balances stay: each is the old balance, as read and written again.
        for (int c = 0; c < n; ++c)
          FUZZ_CHECK(g.cell(c, 2) == signedMoneyText(cellValue(before.cell(c, s))), where() + dump(g));
        break;
      }
      case 'a':
        ledger::removeAllHands(g);
        FUZZ_CHECK(g.rowCount() == 2 && g.columnCount() == before.columnCount(), where() + dump(g));
        sums(g, n, shown, "removing everything");
        for (int c = 0; c < n; ++c) FUZZ_CHECK(g.cell(c, 1) == signedMoneyText(0), where() + dump(g));
        break;
      case 'c':
        if (ledger::hasDescriptionColumn(g, n)) ledger::removeDescriptionColumn(g, n);
        else ledger::addDescriptionColumn(g, n);
        FUZZ_CHECK(sameRow(before, g, 0, n), where() + dump(g));
        break;
      default:
        sums(g, n, shown, "recomputing");
        break;
    }
    // Whatever happened, the names stay in row 0 and a sum row follows.
    FUZZ_CHECK(g.rowCount() >= 2, where() + dump(g));
    FUZZ_CHECK(sameRow(before, g, 0, n) && g.row(0).mid(0, n) == header.mid(0, n), where() + dump(g));
  }
  return 0;
}
