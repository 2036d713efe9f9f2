// The score table for spreadsheets: the exact bytes of a known evening in
// both forms, and random tables read back by an RFC 4180 reader to the same
// cells and sums.

#include "common/textforms.h"
#include "ledger/ledger.h"
#include "csvread.h"
#include "results/tablecsv.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace kvadus;
using namespace kvadus::results;

namespace {

// A random text with the characters a spreadsheet file must survive.
QString randomText(QRandomGenerator& random) {
  static const QString alphabet = QStringLiteral("aZ09 ;,\"'\n\r\tčŘžŮ:<>=+-.");
  QString s;
  const int length = random.bounded(0, 12);
  for (int i = 0; i < length; ++i) s += alphabet.at(random.bounded(int(alphabet.size())));
  return s;
}

}  // namespace

class TestTableCsv : public QObject {
  Q_OBJECT
 private slots:
  void knownEvening_data() { testsupport::localeRows(); }
  void knownEvening() {
    testsupport::useRowLocale();
    MemoryGrid g;
    ledger::freshTable(g, {QStringLiteral("Šárka"), QStringLiteral("Bá;ra"), QStringLiteral("Cy\"ril")});
    ledger::addDescriptionColumn(g, 3);
    g.setRowCount(4);
    for (const auto& [row, cells] : QList<std::pair<int, QStringList>>{
             {1, {"      +1.00", "      -0.50", "      -0.50", "Šárka : obycejna\n[60,30]"}},
             {2, {"      -0.40", "      +0.80", "      -0.40", " betl"}}})
      for (int c = 0; c < 4; ++c) g.setCell(c, row, cells[c]);
    ledger::recomputeSums(g, 3, true);

    // '|' stands for the separator, '#' for the decimal mark.
    const CsvForm form = csvFormFor(systemDecimalSeparator());
    QString expected = QStringLiteral(
        u"\uFEFFhra|Šárka|Bá;ra|\"Cy\"\"ril\"|popis\r\n"
        "1|1#00|-0#50|-0#50|\"Šárka : obycejna\n[60,30]\"\r\n"
        "2|-0#40|0#80|-0#40|\" betl\"\r\n"
        "celkem|0#60|0#30|-0#90|");
    expected.replace(u'|', form.separator).replace(u'#', form.decimalMark);
    if (form.separator == u';') expected.replace(QStringLiteral("Bá;ra"), QStringLiteral("\"Bá;ra\""));
    expected += csvField(g.cell(3, 3), form.separator) + QStringLiteral("\r\n");
    QCOMPARE(scoreTableCsv(g, 3, true, form), expected.toUtf8());
  }

  void numbersAtTheEdges() {
    QCOMPARE(csvNumber(QStringLiteral("      -0.00"), u'.'), QStringLiteral("0.00"));
    QCOMPARE(csvNumber(QStringLiteral("+9999999999999.99"), u'.'), QStringLiteral("9999999999999.99"));
    QCOMPARE(csvNumber(QStringLiteral("   "), u'.'), QString());
    // Digit for digit beyond what a double holds to the cent; other texts by value.
    QCOMPARE(csvNumber(QStringLiteral("-98765432109876543.21"), u','), QStringLiteral("-98765432109876543,21"));
    QCOMPARE(csvNumber(QStringLiteral("+007,05"), u'.'), QStringLiteral("7.05"));
    QCOMPARE(csvNumber(QStringLiteral(" 1.5 "), u','), QStringLiteral("1,50"));
  }

  // Many random evenings: names and descriptions come back as they were, the
  // amounts to the cent, and the sum row is the sum of the hands.
  void randomTablesReadBack() {
    QRandomGenerator random(29);
    for (int round = 0; round < 300; ++round) {
      const int n = random.bounded(2, 7);
      const bool described = random.bounded(2) == 1;
      const CsvForm form = csvFormFor(round % 2 ? u',' : u'.');
      QStringList names;
      for (int c = 0; c < n; ++c) names << randomText(random);
      MemoryGrid g;
      ledger::freshTable(g, names);
      if (described) ledger::addDescriptionColumn(g, n);
      const int hands = random.bounded(0, 8);
      g.setRowCount(hands + 2);
      for (int h = 1; h <= hands; ++h) {
        for (int c = 0; c < n; ++c) g.setCell(c, h, signedMoneyText(random.bounded(-100000, 100000) / 100.0));
        if (described) g.setCell(n, h, randomText(random));
      }
      ledger::recomputeSums(g, n, described);

      const QList<QStringList> rows = testsupport::readCsv(scoreTableCsv(g, n, described, form), form.separator);
      QCOMPARE(rows.size(), hands + 2);
      QCOMPARE(rows[0], QStringList{"hra"} + names + (described ? QStringList{"popis"} : QStringList{}));
      for (int r = 1; r < rows.size(); ++r) {
        QCOMPARE(rows[r].size(), n + 1 + (described ? 1 : 0));
        QCOMPARE(rows[r][0], r == hands + 1 ? QStringLiteral("celkem") : QString::number(r));
        for (int c = 0; c < n; ++c) {
          QString number = rows[r][c + 1];
          QVERIFY2(!number.startsWith(u'+') && !number.startsWith(u' '), qPrintable(number));
          const double value = number.replace(form.decimalMark, u'.').toDouble();
          QCOMPARE(signedMoneyText(value), g.cell(c, r));
        }
        if (described) QCOMPARE(rows[r][n + 1], g.cell(n, r));
      }
      for (int c = 0; c < n; ++c) {
        qint64 cents = 0;
        for (int r = 1; r <= hands; ++r) cents += qRound64(lenientNumber(g.cell(c, r)) * 100);
        QCOMPARE(qRound64(QString(rows.last()[c + 1]).replace(form.decimalMark, u'.').toDouble() * 100), cents);
      }
    }
  }
};

QTEST_MAIN(TestTableCsv)
#include "test_tablecsv.moc"
