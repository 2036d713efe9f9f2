// The results text: what the writer puts out line by line, and that the
// reader rebuilds the table from it, with its log, marks and messages.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>

using namespace kvadus;
using namespace kvadus::results;

namespace {

const QString kDash = QStringLiteral("-------------------");

// An evening of n players with the given hands (amount rows), sums recomputed.
MemoryGrid evening(const QStringList& names, const QList<QList<double>>& hands, bool described) {
  MemoryGrid g;
  ledger::freshTable(g, names);
  const int n = int(names.size());
  if (described) ledger::addDescriptionColumn(g, n);
  for (int h = 0; h < hands.size(); ++h) {
    const int row = g.rowCount() - 1;
    g.setRowCount(row + 2);
    for (int c = 0; c < n; ++c) g.setCell(c, row, signedMoneyText(hands[h][c]));
    if (described) g.setCell(n, row, QStringLiteral("%1 : obycejna").arg(names[h % n]));
  }
  ledger::recomputeSums(g, n, described);
  return g;
}

QStringList textOf(const MemoryGrid& g, int players, bool described, int declarer = 0) {
  return writeResults(g, {players, described, declarer, false, QStringLiteral("1.1.2026 - 10:00:00")});
}

// A text of three players by hand, with the given hand lines and sum line.
QStringList threePlayerText(const QStringList& handLines, const QString& sumLine,
                            const QString& count = QStringLiteral("3+1")) {
  QStringList t{QStringLiteral("  sloupcu       : ") + count, QStringLiteral("  bude volit    : 2"),
                QStringLiteral("  Jmena hracu   :"), QStringLiteral("  Ada; Bara; Cyril; popis; "),
                QStringLiteral("  hry  : ---")};
  return t + handLines + QStringList{QStringLiteral("  suma : ---"), sumLine};
}

}  // namespace

class TestResultsText : public QObject {
  Q_OBJECT
 private slots:
  void knownEveningLineByLine();
  void roundTrip_data();
  void roundTrip();
  void twoTextsInReplaceMode();
  void appendAddsHandsAfterTheOldOnes();
  void decimalMarks_data() { testsupport::localeRows(); }
  void decimalMarks();
  void shortHandLineRepeatsItsLastField();
  void columnCountMessages();
  void legacyBytesAndLineEnds();
  void valuesBeyondTheBalanceLimit();
  void junkNeverCrashes();
  void cutTextsAreRefused();
  void sumsAreCheckedTextByText();
  void tablesBeyondTheCellBoundAreRefused();
};

void TestResultsText::knownEveningLineByLine() {
  MemoryGrid g = evening({"Alice", "Bob", "Cyril"}, {{1, -0.5, -0.5}}, true);
  WriteInput in{3, true, 1, true, QStringLiteral("8.12.2026 - 10:00:00")};
  const QStringList expected{
      "       Vysledky kvadusove bitvy",
      "======================================",
      "          [  jiz ZAPLACENO!  ]",
      "  Datum a cas   : 8.12.2026 - 10:00:00",
      "  verze programu: 1.0",
      "  sloupcu       : 3+1",
      "  her           : 2",
      "  bude volit    : 2",
      "  Jmena hracu   :",
      "  -------" + kDash.repeated(4),
      "     Alice;        Bob;      Cyril; vynasel hrac : typ,fleky [uhrano bodu, sedma]; ",
      "  hry  : " + kDash.repeated(4),
      "     +1.00;      -0.50;      -0.50; Alice : obycejna; ",
      "  suma : " + kDash.repeated(4),
      "     +1.00;      -0.50;      -0.50;  << sumy za kazdeho hrace (suma celkem: 0 penez); ",
  };
  QCOMPARE(writeResults(g, in), expected);
  QCOMPARE(encodeTextLines({"a", QStringLiteral("Š")}), QByteArray("a\r\n\xc5\xa0\r\n"));

  // Hidden descriptions, no declarer, a name of non-ASCII letters padded by characters.
  MemoryGrid h = evening({QStringLiteral("Šárka"), "Bob", "Cyril"}, {}, false);
  const QStringList lines = writeResults(h, {3, false, -1, false, "x"});
  QCOMPARE(lines[4], QStringLiteral("  sloupcu       : 3"));
  QCOMPARE(lines[6], QStringLiteral("  bude volit    : 0"));
  QCOMPARE(lines[9], QStringLiteral("     Šárka;        Bob;      Cyril; "));
}

void TestResultsText::roundTrip_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<int>("players");
  QTest::addColumn<bool>("described");
  for (const char* locale : {"en_US", "cs_CZ"})
    for (int n : {2, 3, 4, 5, 6, 7, 8, 40})  // a roster has no upper limit
      for (bool d : {true, false}) QTest::addRow("%s-%d-%s", locale, n, d ? "described" : "hidden") << locale << n << d;
}

void TestResultsText::roundTrip() {
  QFETCH(QString, locale);
  QFETCH(int, players);
  QFETCH(bool, described);
  QLocale::setDefault(QLocale(locale));
  // Names that are keywords of the text, alone or as a first word, stay names.
  QStringList names{"Hry", "Suma Novak", "Jmena", "Bude volit: 9", "Sloupcu : 1"};
  while (names.size() < players) names << QStringLiteral("Hrac %1").arg(names.size());
  names = names.mid(0, players);
  QList<QList<double>> hands;
  for (int h = 0; h < 5; ++h) {
    QList<double> row;
    for (int c = 0; c < players; ++c) row << (c == h % players ? 12.5 * (h + 1) : -1.25 * (c + h) - 0.1);
    hands << row;
  }
  const MemoryGrid g = evening(names, hands, described);
  const ReadResult r =
      readResults(textOf(g, players, described, players - 1), ReadMode::Replace, MemoryGrid(), QStringLiteral("f.kvd"));
  QVERIFY2(r.ok, qPrintable(r.message));
  QCOMPARE(r.message, QStringLiteral("Soubor 'f.kvd'\nzpracovan uspesne."));
  QCOMPARE(r.players, names);
  QCOMPARE(r.declarer, players - 1);
  QCOMPARE(r.table.columnCount(), players + 1);
  QCOMPARE(r.table.rowCount(), g.rowCount());
  for (int row = 1; row < g.rowCount(); ++row) {
    QCOMPARE(r.table.row(row).mid(0, players), g.row(row).mid(0, players));
    if (row < g.rowCount() - 1) QCOMPARE(r.table.cell(players, row), g.cell(players, row));
  }
}

void TestResultsText::twoTextsInReplaceMode() {
  const MemoryGrid first = evening({"A", "B", "C"}, {{1, -0.5, -0.5}}, true);
  const MemoryGrid second = evening({"D", "E", "F"}, {{-2, 1, 1}, {3, -1.5, -1.5}}, true);
  const QStringList both = textOf(first, 3, true, 0) + textOf(second, 3, true, 2);
  const ReadResult r = readResults(both, ReadMode::Replace, evening({"X", "Y", "Z"}, {{1, 1, 1}}, true), "f");
  QVERIFY(r.ok);
  QCOMPARE(r.players, QStringList({"D", "E", "F"}));
  QCOMPARE(r.declarer, 2);
  QCOMPARE(r.table.rowCount(), 5);
  QCOMPARE(r.table.cell(0, 1), signedMoneyText(1));
  QCOMPARE(r.table.cell(0, 3), signedMoneyText(3));
  QCOMPARE(r.table.cell(0, 4), signedMoneyText(2));
  // Keyword lines and hand lines are marked "+", the names line "-".
  QVERIFY(r.log.contains(QStringLiteral("+  >   sloupcu       : 3+1")));
  QVERIFY(
      r.log.contains(QStringLiteral("-  >          D;          E;          F; "
                                    "vynasel hrac : typ,fleky [uhrano bodu, sedma]; ")));
  QVERIFY(r.log.contains(QStringLiteral("+  >      +3.00;      -1.50;      -1.50; E : obycejna; ")));
  QCOMPARE(r.log.size(), both.size());
}

void TestResultsText::appendAddsHandsAfterTheOldOnes() {
  const MemoryGrid current = evening({"A", "B", "C"}, {{1, -0.5, -0.5}}, true);
  const QStringList before = current.row(2);
  const ReadResult r =
      readResults(textOf(evening({"A", "B", "C"}, {{-2, 1, 1}}, true), 3, true), ReadMode::Append, current, "f");
  QVERIFY(r.ok);
  QCOMPARE(r.table.rowCount(), 4);
  QCOMPARE(r.table.cell(0, 1), signedMoneyText(1));
  QCOMPARE(r.table.cell(0, 2), signedMoneyText(-2));
  QCOMPARE(r.table.cell(0, 3), signedMoneyText(-1));
  QCOMPARE(current.row(2), before);  // the live table is not touched
}

void TestResultsText::decimalMarks() {
  testsupport::useRowLocale();
  const ReadResult r = readResults(threePlayerText({"12,5; 12.5; -0; x; "}, "12.50; 12.50; 0; s; "), ReadMode::Replace,
                                   MemoryGrid(), "f");
  QVERIFY2(r.ok, qPrintable(r.message));
  QCOMPARE(r.table.cell(0, 1), QStringLiteral("     +12.50"));
  QCOMPARE(r.table.cell(1, 1), QStringLiteral("     +12.50"));
  QCOMPARE(r.table.cell(2, 1), QStringLiteral("      +0.00"));
  QCOMPARE(r.table.cell(3, 1), QStringLiteral("x"));
}

void TestResultsText::shortHandLineRepeatsItsLastField() {
  ReadResult r = readResults(threePlayerText({"1; 2"}, "1; 2; 2; s; "), ReadMode::Replace, MemoryGrid(), "f");
  QVERIFY(r.ok);
  QCOMPARE(r.table.row(1), QStringList({signedMoneyText(1), signedMoneyText(2), signedMoneyText(2), "2"}));
  QCOMPARE(r.declarer, 1);

  r = readResults(threePlayerText({"1; abc"}, "1; 0; 0; s; "), ReadMode::Replace, MemoryGrid(), "f");
  QVERIFY(!r.ok);
  QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
  QCOMPARE(r.log.last(), QStringLiteral("x  > 1; abc"));
}

void TestResultsText::columnCountMessages() {
  ReadResult r = readResults(threePlayerText({}, "0; ", "1+1"), ReadMode::Replace, MemoryGrid(), "f");
  QCOMPARE(r.message, QStringLiteral("Pocet sloupcu musi byt minimalne 3."));
  QCOMPARE(r.caption, QStringLiteral("Chyba pri zpracovani textu"));
  // Two players are accepted, with and without the "+1".
  QVERIFY(readResults({"sloupcu : 2+1", "jmena", "A; B; ", "hry", "1; -1; d", "suma", "1; -1; s; "}, ReadMode::Replace,
                      MemoryGrid(), "f")
              .ok);
  QVERIFY(readResults({"sloupcu : 2", "hry", "suma", "0; 0; "}, ReadMode::Replace, MemoryGrid(), "f").ok);

  // Appending needs the table's description column and as many players: a
  // table of four without descriptions has as many columns as the text of
  // three with them, and the message then names the player columns.
  const QStringList three = threePlayerText({}, "0; 0; 0; s; ");
  const MemoryGrid hidden = evening({"A", "B", "C"}, {{1, -0.5, -0.5}}, false);
  const MemoryGrid hiddenFour = evening({"A", "B", "C", "D"}, {{1, -0.5, -0.5, 0}}, false);
  const MemoryGrid shownFour = evening({"A", "B", "C", "D"}, {{1, -0.5, -0.5, 0}}, true);
  const QList<std::tuple<const MemoryGrid*, int, int, int>> appendCases{
      {&hidden, 3, 3, 4}, {&hiddenFour, 4, 4, 3}, {&shownFour, 4, 5, 4}};
  for (const auto& [table, players, shownTable, shownText] : appendCases) {
    r = readResults(three, ReadMode::Append, *table, "f", players);
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("Pocet sloupcu v prave hrane hre je %1, soubor ale obsahuje %2 sloupcu\n"
                                       "- koncim konverzi")
                            .arg(shownTable)
                            .arg(shownText));
    QCOMPARE(r.log.last(), QStringLiteral("x  >   sloupcu       : 3+1"));
  }
  // A text written without its descriptions appends to a table that has them.
  QVERIFY(readResults(threePlayerText({"1; -1; 0; "}, "1; -1; 0; ", "3"), ReadMode::Append,
                      evening({"A", "B", "C"}, {}, true), "f", 3)
              .ok);

  r = readResults(three + QStringList{"sloupcu : 4+1"}, ReadMode::Replace, MemoryGrid(), "f");
  QCOMPARE(r.message, QStringLiteral("Pocet sloupcu byl nastaven na 4, \nsoubor ale obsahuje dalsi sekci "
                                     "pro 5 sloupcu\n - koncim konverzi"));
  QCOMPARE(r.log.last(), QStringLiteral("x  > sloupcu : 4+1"));
  QCOMPARE(r.table.columnCount(), 4);  // what a window following the text would reset to
  QCOMPARE(r.table.rowCount(), 2);

  // Names or hands before any column count, no column count at all, and a
  // count that is not a number.
  for (const QStringList& text :
       {QStringList{"jmena", "A; B; C; "}, QStringList{"hry", "1; 2; 3; "}, QStringList{"Vysledky", "", "bude : 2"},
        QStringList{}, QStringList{"sloupcu : tri"}, QStringList{"bude : x"},
        QStringList{"sloupcu : 99999999999999999999"}, QStringList{"sloupcu : 9223372036854775807"},
        QStringList{"sloupcu : 9223372036854775807+1"}, QStringList{"sloupcu : 1001+1"}}) {
    r = readResults(text, ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
  }
}

void TestResultsText::legacyBytesAndLineEnds() {
  const MemoryGrid g = evening({QStringLiteral("Šárka"), QStringLiteral("Žofie"), "Bob"}, {{1, -0.5, -0.5}}, true);
  const QString text = QString::fromUtf8(encodeTextLines(textOf(g, 3, true)));
  QStringEncoder cp1250("windows-1250");
  const QByteArray legacy = cp1250.encode(text);
  QVERIFY(!cp1250.hasError());
  for (const QByteArray& bytes :
       {legacy, QByteArray(legacy).replace("\r\n", "\r"), text.toUtf8().replace("\r\n", "\n")}) {
    const QStringList lines = decodeTextLines(bytes);
    QCOMPARE(lines, textOf(g, 3, true));
    const ReadResult r = readResults(lines, ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(r.ok);
    QCOMPARE(r.players, QStringList({QStringLiteral("Šárka"), QStringLiteral("Žofie"), "Bob"}));
  }
  QCOMPARE(decodeTextLines("a\r\n\r\nb"), QStringList({"a", "", "b"}));
}

void TestResultsText::valuesBeyondTheBalanceLimit() {
  // The largest balance the table keeps is taken; a cell of three hundred
  // digits, or hands that add up beyond the limit, are damaged data.
  const QString limit = QString::number(ledger::kMaxBalance, 'f', 0);
  QVERIFY(readResults(threePlayerText({limit + "; -" + limit + "; 0; x; "}, limit + "; -" + limit + "; 0; s; "),
                      ReadMode::Replace, MemoryGrid(), "f")
              .ok);
  const QString huge = "1" + QString(300, u'0');
  for (const QStringList& hands :
       {QStringList{huge + "; 0; 0; x; "}, QStringList{limit + "; 0; 0; x; ", "0.01; 0; 0; y; "}}) {
    const ReadResult r = readResults(threePlayerText(hands, "0; 0; 0; s; "), ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
    QCOMPARE(r.log.last(), "x  > " + hands.last());
  }
  // Appending counts the balances the table already holds.
  const MemoryGrid current = evening({"A", "B", "C"}, {{ledger::kMaxBalance, 0, 0}}, true);
  QVERIFY(!readResults(threePlayerText({"1; 0; 0; x; "}, "1; 0; 0; s; "), ReadMode::Append, current, "f").ok);
  QVERIFY(readResults(threePlayerText({"-1; 0; 0; x; "}, "-1; 0; 0; s; "), ReadMode::Append, current, "f").ok);
}

void TestResultsText::junkNeverCrashes() {
  QRandomGenerator random(7);
  const QStringList good = textOf(evening({"A", "B", "C"}, {{1, -0.5, -0.5}}, true), 3, true);
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes = encodeTextLines(good);
    for (int k = 0; k < 20; ++k) bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
    bytes.truncate(random.bounded(int(bytes.size()) + 1));
    const ReadResult r = readResults(decodeTextLines(bytes), ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(r.ok || !r.message.isEmpty());
  }
  const QString longLine = QStringLiteral("1;").repeated(200000);
  QVERIFY(readResults(threePlayerText({longLine}, "1; 1; 1; s; "), ReadMode::Replace, MemoryGrid(), "f").ok);
}

void TestResultsText::cutTextsAreRefused() {
  // A saved evening cut anywhere, at a line end or inside a line, is
  // refused at the last line read; only the whole text reads (a lost
  // trailing blank or line end loses nothing). The appended file of two
  // texts likewise, from the title of the second text on: a cut inside that
  // title leaves a fragment that begins no text.
  const MemoryGrid three = evening({"Ada", "Bara", "Cyril"}, {{1, -0.5, -0.5}, {-0.4, 0.8, -0.4}, {0, 0, 0}}, true);
  const MemoryGrid four = evening({"A", "B", "C", "D"}, {{3, -1, -1, -1}}, false);
  const QByteArray first = encodeTextLines(textOf(three, 3, true));
  const QByteArray empty = encodeTextLines(textOf(evening({"A", "B", "C"}, {}, true), 3, true));
  struct File {
    QByteArray bytes;
    qsizetype firstCut;  // cuts from here on are checked
  };
  const QList<File> files{{first, 0},
                          {encodeTextLines(textOf(four, 4, false)), 0},
                          {empty, 0},
                          {first + first, first.size() + first.indexOf("bitvy") + 5}};
  for (const File& file : files) {
    const qsizetype whole = file.bytes.lastIndexOf(';') + 1;
    for (qsizetype cut = file.firstCut; cut <= file.bytes.size(); ++cut) {
      const QStringList lines = decodeTextLines(file.bytes.left(cut));
      const ReadResult r = readResults(lines, ReadMode::Replace, MemoryGrid(), "f");
      const QString where = QStringLiteral("cut at %1 of %2").arg(cut).arg(file.bytes.size());
      QVERIFY2(r.ok == (cut >= whole), qPrintable(where));
      if (r.ok) continue;
      QCOMPARE(r.caption, QStringLiteral("Chyba pri zpracovani textu"));
      QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
      QVERIFY2(r.log.last() == QStringLiteral("x  > ") + lines.value(r.log.size() - 1), qPrintable(where));
      QCOMPARE(r.table.rowCount(), 2);
    }
  }
  // A text cut inside its hands, then another appended after it, fails where
  // the second begins.
  QStringList cut = textOf(three, 3, true);
  cut = cut.mid(0, 12) + QStringList{"     -0.40;      +0.8"} + cut;
  const ReadResult r = readResults(cut, ReadMode::Replace, MemoryGrid(), "f");
  QVERIFY(!r.ok);
  QCOMPARE(r.log.size(), 14);
  QCOMPARE(r.log.last(), QStringLiteral("x  >        Vysledky kvadusove bitvy"));
}

void TestResultsText::sumsAreCheckedTextByText() {
  const MemoryGrid a = evening({"A", "B", "C"}, {{1, -0.5, -0.5}, {-0.4, 0.8, -0.4}}, true);
  const MemoryGrid b = evening({"A", "B", "C"}, {{-2, 1, 1}}, false);
  const QStringList good = textOf(a, 3, true) + textOf(b, 3, false);
  ReadResult r = readResults(good, ReadMode::Replace, MemoryGrid(), "f");
  QVERIFY(r.ok && !r.sumsDisagree);
  QVERIFY(
      r.log.contains(QStringLiteral("-  >      +0.60;      +0.30;      -0.90;  << sumy za kazdeho hrace "
                                    "(suma celkem: 0 penez); ")));

  // A hand changed by a cent in either text: read whole, the sum line of that
  // text marked "?", the other's not; the question is the caller's.
  for (int text : {0, 1}) {
    QStringList edited = good;
    const int hand = text == 0 ? 11 : 15 + 11;
    edited[hand]
        .replace(QStringLiteral("-0.50;"), QStringLiteral("-0.51;"))
        .replace(QStringLiteral("-2.00;"), QStringLiteral("-2.01;"));
    QVERIFY(edited[hand] != good[hand]);
    r = readResults(edited, ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(r.ok && r.sumsDisagree);
    QCOMPARE(r.log.size(), edited.size());
    QCOMPARE(r.log.filter(QRegularExpression("^\\?  > ")), QStringList{"?  > " + edited[text == 0 ? 14 : 15 + 13]});
  }
  // A sum line of both texts together, in place of the second text's own.
  QStringList together = good;
  together.last() = QStringLiteral("-1.40; 1.30; 0.10; ");
  QVERIFY(readResults(together, ReadMode::Replace, MemoryGrid(), "f").sumsDisagree);

  // Appended: the text's own hands only, not the table's; the short hand
  // line repeats its last field into the sums too.
  r = readResults(threePlayerText({"-1; 0,5"}, "-1; 0.5; 0.50; s; "), ReadMode::Append, a, "f", 3);
  QVERIFY(r.ok && !r.sumsDisagree);
  // A sum line that is not a number, lacks a field, or does not come before
  // the next section or text is damaged data.
  for (const QString& sum : QStringList{"1; -1; nic; s; ", "1; -1; 0", "1; -1; 0; ", "hry", "sloupcu : 3+1"}) {
    const QStringList text = threePlayerText({"1; -1; 0; x; "}, sum) + QStringList{"1; -1; 0; s; "};
    r = readResults(text, ReadMode::Replace, MemoryGrid(), "f");
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
    QCOMPARE(r.log.last(), "x  > " + sum);
  }
  // The declarer comes in range whatever the count.
  QCOMPARE(readResults(good + QStringList{"bude : 9223372036854775807"}, ReadMode::Replace, MemoryGrid(), "f").declarer,
           2);
  QCOMPARE(
      readResults(good + QStringList{"bude : -9223372036854775808"}, ReadMode::Replace, MemoryGrid(), "f").declarer,
      -1);
}

void TestResultsText::tablesBeyondTheCellBoundAreRefused() {
  // A thousand columns of short hand lines: four million cells from 16 KB.
  QStringList text{"sloupcu : 1000+1", "hry"};
  for (int i = 0; i < 4000; ++i) text << QStringLiteral("0;0");
  text << QStringLiteral("suma") << QStringLiteral("0;");
  ReadResult r = readResults(text, ReadMode::Replace, MemoryGrid(), "f");
  QVERIFY(!r.ok);
  QCOMPARE(r.message, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
  QCOMPARE(r.log, QStringList({"x  > sloupcu : 1000+1"}));

  // The bound counts the cells in all: few columns and many hands, and the
  // rows of the table appended to.
  const qint64 hands = kMaxCells / 4 - 1;  // with the names and sum rows: just over
  QVERIFY(4 * (hands + 2) > kMaxCells);
  text = QStringList{"sloupcu : 3+1", "hry"};
  for (qint64 i = 0; i < hands; ++i) text << QStringLiteral("0;0");
  text << QStringLiteral("suma") << QStringLiteral("0; 0; 0; 0; ");
  QVERIFY(!readResults(text, ReadMode::Replace, MemoryGrid(), "f").ok);
  text.remove(2, 2);
  QVERIFY(readResults(text, ReadMode::Replace, MemoryGrid(), "f").ok);
  const MemoryGrid played = evening({"A", "B", "C"}, {{0, 0, 0}, {0, 0, 0}}, true);
  QVERIFY(!readResults(text, ReadMode::Append, played, "f", 3).ok);
}

QTEST_GUILESS_MAIN(TestResultsText)
#include "test_resultstext.moc"
