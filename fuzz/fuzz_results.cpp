// The results text reader: any bytes, as a file or as the text output, read
// in either mode.
//
// Input: a choices byte (bits 0-1 locale: English, Czech, Turkish; bit 2
// append to a small evening instead of replacing), then the file's bytes.
//
// Properties: the reader never crashes and always ends in one message; a
// failure ends the log with the failing line marked "x"; a success yields a
// table of two or more players and the description column, within the cell
// bound, every player cell signed money text within the balance limit and
// every sum the sum of its column. And a table read once, written by the
// writer and read again, comes back the same, its sums agreeing: the
// writer's text is the reader's.
#include "common/textfile.h"
#include "common/textforms.h"
#include "fuzzsupport.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"

#include <cmath>

using namespace kvadus;
using namespace kvadus::fuzz;
using namespace kvadus::results;

namespace {

MemoryGrid smallEvening() {
  MemoryGrid g;
  ledger::freshTable(g, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  ledger::addDescriptionColumn(g, 3);
  const QList<double> row{1, -0.5, -0.5};
  ledger::bookHand(g, 3, row, true, QStringLiteral("A : obycejna"));
  return g;
}

QString where(const QStringList& lines, const ReadResult& r) {
  return QStringLiteral("%1 lines, ok %2, message %3").arg(lines.size()).arg(r.ok).arg(show(r.message));
}

void checkTable(const QStringList& lines, const ReadResult& r) {
  const MemoryGrid& t = r.table;
  const int players = int(r.players.size());
  FUZZ_CHECK(players >= 2 && players + 1 <= kMaxColumns, where(lines, r));
  FUZZ_CHECK(t.columnCount() == players + 1 && t.rowCount() >= 2, where(lines, r));
  FUZZ_CHECK(qint64(t.columnCount()) * t.rowCount() <= kMaxCells, where(lines, r));
  FUZZ_CHECK(r.declarer >= -1 && r.declarer < players && r.chooser == r.declarer, where(lines, r));
  for (int c = 0; c < players; ++c) {
    double sum = 0;
    for (int row = 1; row < t.rowCount(); ++row) {
      const QString cell = t.cell(c, row);
      const double value = lenientNumber(cell);
      FUZZ_CHECK(cell == signedMoneyText(value), show(cell));
      FUZZ_CHECK(std::abs(value) <= ledger::kMaxBalance, show(cell));
      if (row < t.rowCount() - 1) sum += value;
    }
    FUZZ_CHECK(t.cell(c, t.rowCount() - 1) == signedMoneyText(sum), show(t.cell(c, t.rowCount() - 1)));
  }
}

void checkRoundTrip(const ReadResult& first) {
  const int players = int(first.players.size());
  const QStringList text =
      writeResults(first.table, {players, true, first.declarer, false, QStringLiteral("1.1.2026 - 0:00:00")});
  const QStringList lines = decodeTextLines(encodeTextLines(text));
  FUZZ_CHECK(lines == text, QStringLiteral("the file form of the text changes it"));
  const ReadResult again = readResults(lines, ReadMode::Replace, MemoryGrid(), QStringLiteral("f"));
  FUZZ_CHECK(again.ok, QStringLiteral("written text refused: ") + show(again.message) + u' ' + show(again.log.last()));
  FUZZ_CHECK(!again.sumsDisagree, QStringLiteral("the sums of a written text disagree"));
  FUZZ_CHECK(again.declarer == first.declarer, QStringLiteral("declarer"));
  FUZZ_CHECK(again.table.rowCount() == first.table.rowCount() && again.table.columnCount() == first.table.columnCount(),
             QStringLiteral("table size"));
  for (int c = 0; c < first.table.columnCount(); ++c) {
    // The writer trims the names.
    FUZZ_CHECK(again.table.cell(c, 0).trimmed() == first.table.cell(c, 0).trimmed(),
               show(first.table.cell(c, 0)) + u' ' + show(again.table.cell(c, 0)));
    for (int row = 1; row < first.table.rowCount() - 1; ++row)
      FUZZ_CHECK(again.table.cell(c, row) == first.table.cell(c, row),
                 show(first.table.cell(c, row)) + u' ' + show(again.table.cell(c, row)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  useLocale(choices & 3);
  const bool append = choices & 4;
  const QStringList lines = decodeTextLines(in.rest());

  static const MemoryGrid evening = smallEvening();
  static const MemoryGrid none;
  const ReadResult r =
      readResults(lines, append ? ReadMode::Append : ReadMode::Replace, append ? evening : none, QStringLiteral("f"));
  FUZZ_CHECK(!r.message.isEmpty(), where(lines, r));
  if (!r.ok) {
    FUZZ_CHECK(r.caption == QStringLiteral("Chyba pri zpracovani textu"), where(lines, r));
    FUZZ_CHECK(!r.log.isEmpty() && r.log.last().startsWith(QStringLiteral("x  > ")), where(lines, r));
    FUZZ_CHECK(r.log.size() <= lines.size() + 1, where(lines, r));
    return 0;
  }
  FUZZ_CHECK(r.caption == QStringLiteral("Oznameni") && r.log.size() == lines.size(), where(lines, r));
  checkTable(lines, r);
  if (append) FUZZ_CHECK(r.table.rowCount() >= evening.rowCount(), where(lines, r));
  checkRoundTrip(r);
  return 0;
}
