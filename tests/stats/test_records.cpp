// The records of an evening and the record finders, on score tables in memory.

#include "ledger/ledger.h"
#include "stats/records.h"
#include "testsupport.h"

using namespace kvadus;
namespace stats = kvadus::stats;

class TestRecords : public QObject {
  Q_OBJECT

  // A table of these players with the hands given column by column (one
  // list of cells per hand) and its sum row recomputed.
  static MemoryGrid evening(const QStringList& names, const QList<QStringList>& hands) {
    MemoryGrid g;
    ledger::freshTable(g, names);
    for (const QStringList& cells : hands) {
      const int p = g.rowCount() - 1;
      g.setRowCount(p + 2);
      for (int c = 0; c < cells.size(); ++c) g.setCell(c, p, cells[c]);
    }
    ledger::recomputeSums(g, static_cast<int>(names.size()), false);
    return g;
  }

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  // Each row: the player's hand cells, then the expected records row (the
  // final balance being the recomputed sum-row cell).
  void recordsOfOnePlayer_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("+2 -5 +1") << QStringList{"+2.00", "-5.00", "+1.00"}
                              << QStringList{"      -3.00", " 2",          "      +2.00", " 1",         "      -5.00",
                                             " 2",          "      +2.00", " 1",          "      -2.00"};
    // Every record is reached again later (the highest balance after hands
    // 3 and 7, the lowest after 2 and 5, a loss of 1 in hands 2, 4, 5 and
    // 8): the first hand keeps each.
    QTest::newRow("first reach") << QStringList{"+1", "-1", "+2", "-1", "-1", "+1", "+1", "-1"}
                                 << QStringList{"      +0.00", " 2", "      +2.00", " 3", "      -1.00", " 2",
                                                "      +2.00", " 3", "      +1.00"};
    // Sitting out: an empty cell and a zero are results of 0, which can be
    // the biggest loss; the balance before the first hand takes no part.
    QTest::newRow("sitting out") << QStringList{"+1.00", "", "+2.00", "      +0.00"}
                                 << QStringList{"      +1.00", " 1", "      +3.00", " 3", "      +0.00", " 2",
                                                "      +2.00", " 3", "      +3.00"};
    QTest::newRow("only losses") << QStringList{"-0.20", "-0.40"}
                                 << QStringList{"      -0.60", " 2", "      -0.20", " 1", "      -0.40", " 2",
                                                "      -0.20", " 1", "      -0.60"};
    // Cents added in binary: the records are shown to the cent.
    QTest::newRow("cents") << QStringList{"+0.10", "+0.20", "junk"}
                           << QStringList{"      +0.10", " 1",          "      +0.30", " 2",         "      +0.00",
                                          " 3",          "      +0.20", " 2",          "      +0.30"};
    QStringList twelve(12, "-0.10");
    twelve[11] = "-1.00";
    QTest::newRow("two-digit hand") << twelve
                                    << QStringList{"      -2.10", "12", "      -0.10", " 1", "      -1.00", "12",
                                                   "      -0.10", " 1", "      -2.10"};
  }
  void recordsOfOnePlayer() {
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);
    QList<QStringList> hands;
    for (const QString& c : cells) hands << QStringList{c, "0"};
    const MemoryGrid g = evening({"A", "B"}, hands);
    QCOMPARE(stats::recordRows(g, 2).first(), QStringList{"A"} + expected);
  }

  // The final balance is the sum-row cell as it stands, whatever it holds;
  // hand cells are read with either decimal mark.
  void finalBalanceVerbatimAndDecimalMarks_data() { testsupport::localeRows(); }
  void finalBalanceVerbatimAndDecimalMarks() {
    testsupport::useRowLocale();
    MemoryGrid g = evening({"A"}, {{"0,5"}, {"1.25"}});
    g.setCell(0, g.rowCount() - 1, "zaplaceno");
    const QStringList row = stats::recordRows(g, 1).first();
    QCOMPARE(row[3], QString("      +1.75"));
    QCOMPARE(row[9], QString("zaplaceno"));
  }

  void finders_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("lowest");
    QTest::newRow("ties to the higher row") << QStringList{" +1.00", "+3.00", "+3.00", "-2.00", "-2.00"} << 1 << 3;
    QTest::newRow("last row") << QStringList{"+1.00", "+2.00", "+9.00"} << 2 << 0;
    QTest::newRow("all equal") << QStringList{"      +0.00", "      +0.00"} << 0 << 0;
    QTest::newRow("none") << QStringList{} << -1 << -1;
  }
  void finders() {
    QFETCH(QStringList, texts);
    QFETCH(int, highest);
    QFETCH(int, lowest);
    QCOMPARE(stats::findRecord(texts, true), highest);
    QCOMPARE(stats::findRecord(texts, false), lowest);
  }

  // A value that is not a number stops the finder with an error that names it.
  void strictReading_data() { testsupport::localeRows(); }
  void strictReading() {
    testsupport::useRowLocale();
    QCOMPARE(stats::strictValue("  -3,50 "), -3.5);
    QCOMPARE(stats::strictValue("      +2.00"), 2.0);
    for (const QString bad : {"", "abc", "1e2", "1.2.3", "+ 1"}) {
      try {
        stats::strictValue(bad);
        QFAIL(qPrintable("read: " + bad));
      } catch (const stats::ConversionError& e) {
        QCOMPARE(QString::fromLocal8Bit(e.what()), "'" + bad + "' neni platne cislo");
      }
    }
    QVERIFY_THROWS_EXCEPTION(stats::ConversionError, stats::findRecord({"+1.00", "x"}, true));
  }
};

QTEST_MAIN(TestRecords)
#include "test_records.moc"
