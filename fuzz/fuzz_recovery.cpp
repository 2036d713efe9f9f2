// The recovery file reader: any lines, sealed with a fitting count and
// checksum or not.
//
// Input: a choices byte (bit 0: seal the lines with their count and
// checksum, so that the fuzzer gets past them to the section's parsing),
// then the file's bytes.
//
// Properties: the reader never crashes; a refusal says why; an evening read
// has a table of its players' columns (plus the description column when
// shown) and at least the names and sum rows, a declarer and a chooser among
// its players (or none), every player's cell of a hand a money text, and
// comes back the same when written again and read again.
#include "common/textfile.h"
#include "common/textforms.h"
#include "fuzzsupport.h"
#include "results/recovery.h"

#include <QCryptographicHash>

using namespace kvadus;
using namespace kvadus::fuzz;
using namespace kvadus::recovery;

namespace {

QStringList sealed(QStringList lines) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (const QString& l : lines) hash.addData((l + u'\n').toUtf8());
  const qsizetype count = lines.size();
  lines << QStringLiteral("  obnova kontrola : %1 ").arg(count) + QString::fromLatin1(hash.result().toHex());
  lines << QStringLiteral("  obnova konec");
  return lines;
}

QString cellsOf(const Evening& e) {
  QString out =
      e.players.join(u'|') + QStringLiteral(" d%1 c%2 s%3\n").arg(e.declarer).arg(e.chooser).arg(e.descriptionShown);
  for (int r = 0; r < e.table.rowCount(); ++r) out += e.table.row(r).join(u'|') + u'\n';
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const bool seal = in.byte() & 1;
  QStringList lines = decodeTextLines(in.rest());
  if (seal) lines = sealed(lines);

  const ReadBack back = readRecovery(lines);
  if (!back.ok) {
    FUZZ_CHECK(!back.error.isEmpty(), QStringLiteral("a refusal without a reason"));
    return 0;
  }
  const Evening& e = back.evening;
  const int n = int(e.players.size());
  FUZZ_CHECK(e.table.columnCount() == n + (e.descriptionShown ? 1 : 0), cellsOf(e));
  FUZZ_CHECK(e.table.rowCount() >= 2 && n >= 2, cellsOf(e));
  FUZZ_CHECK(e.declarer >= -1 && e.declarer < n, cellsOf(e));
  FUZZ_CHECK(e.chooser >= -1 && e.chooser < n, cellsOf(e));
  for (int r = 1; r + 1 < e.table.rowCount(); ++r)
    for (int c = 0; c < n; ++c) {
      double value = 0;
      FUZZ_CHECK(strictNumber(e.table.cell(c, r).trimmed(), u'.', &value), cellsOf(e));
    }

  const ReadBack again =
      readRecovery(buildRecovery(e.table, e.players, e.declarer, e.chooser, e.descriptionShown, QStringLiteral("s")));
  FUZZ_CHECK(again.ok, again.error + u'\n' + cellsOf(e));
  FUZZ_CHECK(cellsOf(again.evening) == cellsOf(e), cellsOf(e) + QStringLiteral("---\n") + cellsOf(again.evening));
  return 0;
}
