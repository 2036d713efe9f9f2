// The recovery file: what it holds, that it brings an evening back cell for
// cell, that the results reader still takes it as a saved evening, and that
// anything cut or damaged is refused whole.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/recovery.h"
#include "results/resultstext.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QtTest>

using namespace kvadus;
using namespace kvadus::recovery;

namespace {

struct Input {
  MemoryGrid table;
  QStringList players;
  int declarer = 0;
  int chooser = 0;
  bool shown = true;
};

// An evening booked as the window books it: shares, descriptions, running sums.
Input played(const QStringList& names, int hands, bool shown) {
  Input in;
  in.players = names;
  in.shown = shown;
  const int n = int(names.size());
  ledger::freshTable(in.table, names);
  if (shown) ledger::addDescriptionColumn(in.table, n);
  ledger::recomputeSums(in.table, n, shown);
  for (int h = 0; h < hands; ++h) {
    QList<double> row;
    for (int c = 0; c < n; ++c) row << (c == h % n ? 0.2 * (n - 1) : -0.2) * (h % 3 + 1);
    ledger::bookHand(in.table, n, row, shown, QStringLiteral("%1 : obycejna [70, 30]").arg(names[h % n]));
  }
  return in;
}

QStringList build(const Input& in) {
  return buildRecovery(in.table, in.players, in.declarer, in.chooser, in.shown, QStringLiteral("7.3.2026 - 21:05:09"));
}

QStringList rowOf(const ScoreGrid& g, int r) {
  QStringList out;
  for (int c = 0; c < g.columnCount(); ++c) out << g.cell(c, r);
  return out;
}

void compareEvening(const Evening& e, const Input& in) {
  QCOMPARE(e.table.columnCount(), in.table.columnCount());
  QCOMPARE(e.table.rowCount(), in.table.rowCount());
  for (int r = 0; r < in.table.rowCount(); ++r) QCOMPARE(rowOf(e.table, r), rowOf(in.table, r));
  QCOMPARE(e.players, in.players);
  QCOMPARE(e.declarer, in.declarer);
  QCOMPARE(e.chooser, in.chooser);
  QCOMPARE(e.descriptionShown, in.shown);
}

// The lines with the count and checksum made to fit again: what a careless
// editor, not a cut or a bad sector, would leave.
QStringList resealed(QStringList lines) {
  lines.removeLast();
  lines.removeLast();
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (const QString& l : lines) hash.addData((l + u'\n').toUtf8());
  const qsizetype count = lines.size();
  lines << QStringLiteral("  obnova kontrola : %1 ").arg(count) + QString::fromLatin1(hash.result().toHex());
  lines << QStringLiteral("  obnova konec");
  return lines;
}

}  // namespace

class TestRecovery : public QObject {
  Q_OBJECT

 private slots:
  void names() {
    QCOMPARE(fileName(), QString("rozehrano.kvd"));
    QCOMPARE(asideName(QDateTime(QDate(2026, 3, 7), QTime(21, 5, 9))), QString("rozehrano-20260307-210509.kvd"));
    Evening e;
    e.players = {"Franta", "Pepa", "Lojza"};
    e.table = MemoryGrid(4, 14);
    QCOMPARE(question(e), QString("Posledni vecer nebyl radne ukoncen (12 her, hraci: Franta, Pepa, Lojza).\n"
                                  "Obnovit ho?"));
  }

  // The file is a results text first: the disk dialog reads it as an evening.
  void layoutReadsAsResultsText() {
    Input in = played({"Franta", "Pepa", "Lojza"}, 4, true);
    in.declarer = 2;
    in.chooser = 1;
    const QStringList lines = build(in);
    QCOMPARE(lines.first(), QString("       Vysledky kvadusove bitvy"));
    QCOMPARE(lines.last(), QString("  obnova konec"));
    QVERIFY(lines.contains("  obnova volic    : 2"));
    QVERIFY(lines.contains("  obnova voli     : 1"));
    QVERIFY(lines.contains("  obnova popisy   : ano"));
    QVERIFY(lines.contains("  obnova hrac     : Pepa"));

    const results::ReadResult read =
        results::readResults(lines, results::ReadMode::Replace, MemoryGrid(), QStringLiteral("x"));
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.players, in.players);
    QCOMPARE(read.table.rowCount(), in.table.rowCount());
    for (int r = 1; r < in.table.rowCount() - 1; ++r) QCOMPARE(rowOf(read.table, r), rowOf(in.table, r));
    // Every line of the section is skipped by the reader.
    for (int i = lines.indexOf("  obnova vecera   : 1"); i < lines.size(); ++i)
      QVERIFY2(read.log[i].startsWith(u'-'), qPrintable(read.log[i]));
  }

  void roundTrip_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("three players, descriptions") << 0;
    QTest::newRow("two players, no descriptions") << 1;
    QTest::newRow("no hands yet") << 2;
    QTest::newRow("cells the results text changes") << 3;
    QTest::newRow("eight players, folded, corrected") << 4;
  }
  void roundTrip() {
    QFETCH(int, kind);
    Input in;
    switch (kind) {
      case 0:
        in = played({"Franta", "Pepa", "Lojza"}, 7, true);
        in.declarer = 2;  // picked by a click: not the chooser
        in.chooser = 0;
        break;
      case 1:
        in = played({"A", "B"}, 3, false);
        in.declarer = 1;
        in.chooser = 1;
        break;
      case 2:
        in = played({"A", "B", "C", "D"}, 0, true);
        in.declarer = -1;
        in.chooser = -1;
        break;
      case 3: {
        in = played({"  Franta ", "Pe;pa", "Lojza"}, 3, true);
        // Renamed in the player list only; the headings keep the old names.
        in.players = {"Frantisek", "Josef\\Pepa", "Lojza"};
        in.table.setCell(3, 1, QStringLiteral(" leading blank"));
        in.table.setCell(3, 2, QStringLiteral("semi;colon\nand a line end\\"));
        in.table.setCell(3, 4, QStringLiteral(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));
        in.table.setCell(0, 4, QStringLiteral("0.00"));  // the sum of a fresh table, as it is written there
        in.table.setCell(0, 1, QStringLiteral("      +0.00"));
        in.table.setCell(0, 2, QStringLiteral("      +0.00"));
        in.table.setCell(0, 3, QStringLiteral("      +0.00"));
        break;
      }
      case 4: {
        in = played({"A", "B", "C", "D", "E", "F", "G", "H"}, 30, true);
        ledger::foldHands(in.table, 8, true);
        ledger::recomputeSums(in.table, 8, true);
        in.declarer = 7;
        in.chooser = 6;
        break;
      }
    }
    if (kind == 3) {
      // A chooser left from a larger game marks nobody and passes the turn to
      // the first player: the copy keeps it as "none".
      QVERIFY(build(in).contains("  obnova voli     : 0"));
      in.chooser = 5;
      QVERIFY(build(in).contains("  obnova voli     : -1"));
      in.chooser = -1;
    }
    const QStringList lines = build(in);
    // Through the file's bytes, as the program reads it back.
    const ReadBack back = readRecovery(decodeTextLines(encodeTextLines(lines)));
    QVERIFY2(back.ok, qPrintable(back.error));
    compareEvening(back.evening, in);
    QCOMPARE(back.evening.hands(), qMax(0, in.table.rowCount() - 2));
  }

  // Whatever is cut off, at any byte, the file is refused, never read in part.
  void cutFilesAreRefused() {
    Input in = played({"Franta", "Pepa", "Lojza"}, 3, true);
    const QByteArray bytes = encodeTextLines(build(in));
    for (qsizetype keep = 0; keep < bytes.size() - 2; ++keep) {
      const ReadBack back = readRecovery(decodeTextLines(bytes.left(keep)));
      QVERIFY2(!back.ok, qPrintable(QString::number(keep)));
      QVERIFY(!back.error.isEmpty());
    }
    // Only the last line end may go: the lines are the same.
    QVERIFY(readRecovery(decodeTextLines(bytes.left(bytes.size() - 2))).ok);
  }

  void damagedFilesAreRefused() {
    Input in = played({"Franta", "Pepa", "Lojza"}, 3, true);
    const QByteArray bytes = encodeTextLines(build(in));
    // Any one byte changed anywhere.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r' || bytes[i] == '\n') continue;
      QByteArray bad = bytes;
      bad[i] = char(bad[i] ^ 0x04);
      QVERIFY2(!readRecovery(decodeTextLines(bad)).ok, qPrintable(QString::number(i)));
    }
    const QStringList lines = build(in);
    QStringList more = lines;
    more << QStringLiteral("  obnova konec");
    QVERIFY(!readRecovery(more).ok);
    QStringList swapped = lines;
    swapped.swapItemsAt(3, 4);
    QVERIFY(!readRecovery(swapped).ok);
  }

  // A file whose checksum fits but whose content does not make an evening.
  void inconsistentSectionsAreRefused_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("declarer beyond the players") << "  obnova volic    : 1"
                                                 << "  obnova volic    : 3";
    QTest::newRow("declarer not a number") << "  obnova volic    : 1"
                                           << "  obnova volic    : 1x";
    QTest::newRow("unknown column flag") << "  obnova popisy   : ano"
                                         << "  obnova popisy   : mozna";
    QTest::newRow("rows do not fit") << "  obnova radku    : 5"
                                     << "  obnova radku    : 6";
    QTest::newRow("columns do not fit") << "  obnova sloupcu  : 4"
                                        << "  obnova sloupcu  : 3";
    QTest::newRow("a player too many") << "  obnova hrac     : Lojza"
                                       << "  obnova hrac     : Lojza\n  obnova hrac     : X";
    QTest::newRow("cell outside the table") << "  obnova bunka    : 0 0 Franta"
                                            << "  obnova bunka    : 9 0 Franta";
    QTest::newRow("bad escape") << "  obnova hrac     : Pepa"
                                << "  obnova hrac     : Pe\\pa";
    QTest::newRow("unknown line") << "  obnova voli     : 0"
                                  << "  obnova voli     : 0\n  obnova neco     : 1";
    QTest::newRow("results text broken") << "  sloupcu       : 3+1"
                                         << "  sloupcu       : x";
    QTest::newRow("section missing") << "  obnova vecera   : 1"
                                     << "  obnova vecera   : 2";
  }
  // A copy edited and sealed again brings back nothing the program would
  // not have written: the chooser within the players, every player's cell of
  // a hand a money text within the limits, the sum row the sums.
  void resealedMoneyIsCheckedStrictly_data() {
    QTest::addColumn<QString>("line");  // a line added before the check line
    QTest::addColumn<bool>("taken");
    QTest::newRow("a description edited") << "  obnova bunka    : 3 2 jina hra" << true;
    QTest::newRow("a name edited") << "  obnova bunka    : 1 0 Josef" << true;
    QTest::newRow("chooser out of range") << "voli 99" << false;
    QTest::newRow("a cell not money") << "  obnova bunka    : 1 2 abc" << false;
    QTest::newRow("a cell without its cents") << "  obnova bunka    : 1 2       +0.4" << false;
    QTest::newRow("a cell beyond any balance")
        << "  obnova bunka    : 1 2 +100000000000000.00\n  obnova bunka    : 1 4 +100000000000000.00" << false;
    QTest::newRow("a sum a cent off") << "  obnova bunka    : 0 4       -0.61" << false;
    QTest::newRow("a hand changed, its sum with it")
        << "  obnova bunka    : 0 1       +0.60\n  obnova bunka    : 0 4       -0.40" << true;
  }
  void resealedMoneyIsCheckedStrictly() {
    QFETCH(QString, line);
    QFETCH(bool, taken);
    Input in = played({"Franta", "Pepa", "Lojza"}, 3, true);
    QCOMPARE(in.table.cell(0, 4).trimmed(), QString("-0.60"));
    QCOMPARE(in.table.cell(0, 1).trimmed(), QString("+0.40"));
    QStringList lines = build(in);
    lines.removeLast();
    lines.removeLast();
    if (line.startsWith("voli ")) lines[lines.indexOf("  obnova voli     : 0")] = "  obnova voli     : " + line.mid(5);
    else lines << line.split('\n');
    const ReadBack back = readRecovery(resealed(lines << ""
                                                      << ""));
    QVERIFY2(back.ok == taken, qPrintable(back.error));
    if (!taken) QVERIFY(!back.error.isEmpty());
  }

  void inconsistentSectionsAreRefused() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    Input in = played({"Franta", "Pepa", "Lojza"}, 3, true);
    in.declarer = 1;
    in.chooser = 0;
    QStringList lines = build(in);
    QVERIFY(readRecovery(resealed(lines)).ok);  // resealing alone changes nothing
    const qsizetype at = lines.indexOf(from);
    QVERIFY2(at >= 0, qPrintable(from));
    lines[at] = to;
    lines = lines.join(u'\n').split(u'\n');
    const ReadBack back = readRecovery(resealed(lines));
    QVERIFY(!back.ok);
    QVERIFY(!back.error.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "test_recovery.moc"
