// The settlement of payments as a plain rule: balances in, grid, lists and
// totals out.

#include "common/textforms.h"
#include "stats/records.h"
#include "stats/settlement.h"
#include "testsupport.h"

#include <QRandomGenerator>

#include <numeric>

using namespace kvadus;
namespace stats = kvadus::stats;

namespace {
// The "ZAPLATI" column and the "DOSTANE" row of the players.
QStringList paysColumn(const stats::Settlement& s, int n) {
  QStringList out;
  for (int k = 1; k <= n; ++k) out << s.grid.cell(n + 1, k);
  return out;
}
QStringList receivesRow(const stats::Settlement& s, int n) {
  QStringList out;
  for (int k = 1; k <= n; ++k) out << s.grid.cell(k, n + 1);
  return out;
}
const QString kX = "      X";
}  // namespace

class TestSettlement : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void settlements_data() {
    QTest::addColumn<QStringList>("balances");
    QTest::addColumn<QStringList>("payments");
    QTest::addColumn<QStringList>("pays");
    QTest::addColumn<QStringList>("receives");
    QTest::addColumn<QString>("total");

    const QString e;
    QTest::newRow("one pays two") << QStringList{"     -30.00", "     +10.00", "     +20.00"}
                                  << QStringList{"A>B 10.00", "A>C 20.00"}
                                  << QStringList{"      30.00", e, e}
                                  << QStringList{e, "      10.00", "      20.00"} << "      30.00";
    // Both cursors end together; three payments.
    QTest::newRow("two pay two") << QStringList{"-25", "+10", "-5", "+20"}
                                 << QStringList{"A>B 10.00", "A>D 15.00", "C>D 5.00"}
                                 << QStringList{"      25.00", e, "       5.00", e}
                                 << QStringList{e, "      10.00", e, "      20.00"} << "      30.00";
    QTest::newRow("x and -x") << QStringList{"      +1.30", "      -1.30"} << QStringList{"B>A 1.30"}
                              << QStringList{e, "       1.30"} << QStringList{"       1.30", e}
                              << "       1.30";
    // The remainders pass through their texts: 0.3 - 0.1 meets 0.2 exactly.
    QTest::newRow("cents") << QStringList{"-0.30", "+0.10", "+0.20", "0.00"}
                           << QStringList{"A>B 0.10", "A>C 0.20"}
                           << QStringList{"       0.30", e, e, e}
                           << QStringList{e, "       0.10", "       0.20", e} << "       0.30";
    // A tiny balance still receives.
    QTest::newRow("0.001 receives") << QStringList{"0.001", "-0.001"} << QStringList{"B>A 0.00"}
                                    << QStringList{e, "       0.00"} << QStringList{"       0.00", e}
                                    << "       0.00";
    // Sums within the tolerance leave one list unfinished: the walk stops.
    QTest::newRow("+0.000005") << QStringList{"-10", "10.000005"} << QStringList{"A>B 10.00"}
                               << QStringList{"      10.00", e} << QStringList{e, "      10.00"}
                               << "      10.00";
    QTest::newRow("-0.000005") << QStringList{"-10.000005", "10", "0"} << QStringList{"A>B 10.00"}
                               << QStringList{"      10.00", e, e} << QStringList{e, "      10.00", e}
                               << "      10.00";
    QTest::newRow("payers left over") << QStringList{"-10", "+10.000001", "-0.000004"}
                                      << QStringList{"A>B 10.00", "C>B 0.00"}
                                      << QStringList{"      10.00", e, "       0.00"}
                                      << QStringList{e, "      10.00", e} << "      10.00";
  }
  void settlements() {
    QFETCH(QStringList, balances);
    QFETCH(QStringList, payments);
    QFETCH(QStringList, pays);
    QFETCH(QStringList, receives);
    QFETCH(QString, total);
    const QStringList names = QStringList{"A", "B", "C", "D"}.mid(0, balances.size());
    const int n = static_cast<int>(names.size());
    const stats::Settlement s = stats::settle(names, balances);
    QVERIFY(s.valid);
    QCOMPARE(stats::paymentList(s.grid, n), payments);
    QCOMPARE(paysColumn(s, n), pays);
    QCOMPARE(receivesRow(s, n), receives);
    QCOMPARE(s.total, total);
    QCOMPARE(s.heading, QString("Celkem se presune:"));
    QVERIFY(s.message.isEmpty());
    QVERIFY(s.markReceipts);
    // Headers and the diagonal, the corner included.
    QCOMPARE(s.grid.row(0), QStringList{"bere \\ plati"} + names + QStringList{"ZAPLATI"});
    QCOMPARE(s.grid.cell(0, n + 1), QString("DOSTANE"));
    for (int k = 1; k <= n + 1; ++k) QCOMPARE(s.grid.cell(k, k), kX);
  }

  void listsInPlayerOrder() {
    const stats::Settlement s =
        stats::settle({"A", "B", "C", "D", "E"}, {"+1.00", "-2.00", "0.00", "+1.00", "-0.00"});
    QCOMPARE(s.payers, QStringList({"B"}));
    QCOMPARE(s.payerNumbers, QStringList({"2"}));
    QCOMPARE(s.receivers, QStringList({"A", "D"}));
    QCOMPARE(s.receiverNumbers, QStringList({"1", "4"}));
    QCOMPARE(s.even, QStringList({"C", "E"}));
    QCOMPARE(s.evenNumbers, QStringList({"3", "5"}));
  }

  // No hand played: all even, nothing to pay, nothing marked.
  void nobodyPays() {
    const stats::Settlement s = stats::settle({"A", "B", "C"}, QStringList(3, "      +0.00"));
    QVERIFY(s.valid);
    QCOMPARE(s.even, QStringList({"A", "B", "C"}));
    QCOMPARE(s.total, QString("       0.00"));
    QVERIFY(!s.markReceipts);
    for (int r = 1; r <= 4; ++r)
      for (int c = 1; c <= 4; ++c) QCOMPARE(s.grid.cell(c, r), c == r ? kX : QString());
    // A receiver within the tolerance and nobody paying: his claim stays as
    // its number text.
    const stats::Settlement tiny = stats::settle({"A", "B"}, {"0.000005", "0"});
    QVERIFY(tiny.valid && !tiny.markReceipts);
    QCOMPARE(tiny.grid.cell(1, 3), QString("0.000005"));
  }

  void invalidSums_data() {
    QTest::addColumn<QStringList>("balances");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("kept");  // "ZAPLATI", then "DOSTANE": the balances' number texts
    QTest::newRow("+0.01") << QStringList{"0.01", "0"} << "      +0.01"
                           << "Celkova suma je  0.01 !\nCely ucet nelze zpracovat."
                           << QStringList{"", "", "0.01", ""};
    QTest::newRow("-0.01") << QStringList{"-0.01", "0", "0"} << "      -0.01"
                           << "Celkova suma je  -0.01 !\nCely ucet nelze zpracovat."
                           << QStringList{"0.01", "", "", "", "", ""};
    // Beyond the tolerance by a trifle that the total rounds away.
    QTest::newRow("+0.00002") << QStringList{"-1", "1.00002"} << "      +0.00"
                              << "Celkova suma je  0.00002 !\nCely ucet nelze zpracovat."
                              << QStringList{"1", "", "", "1.00002"};
    // The binary sum of cents carries noise; the message shows the money.
    QTest::newRow("noise") << QStringList{"-30", "10", "20.01"} << "      +0.01"
                           << "Celkova suma je  0.01 !\nCely ucet nelze zpracovat."
                           << QStringList{"30", "", "", "", "10", "20.01"};
  }
  void invalidSums() {
    QFETCH(QStringList, balances);
    QFETCH(QString, total);
    QFETCH(QString, message);
    QFETCH(QStringList, kept);
    const int n = static_cast<int>(balances.size());
    const stats::Settlement s = stats::settle(QStringList{"A", "B", "C"}.mid(0, n), balances);
    QVERIFY(!s.valid && !s.markReceipts);
    QCOMPARE(s.heading, QString("Chyba! - Suma penez za vsechny hrace ="));
    QCOMPARE(s.total, total);
    QCOMPARE(s.message, message);
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) QCOMPARE(s.grid.cell(c, r), c == r ? kX : QString("      -"));
    QCOMPARE(paysColumn(s, n) + receivesRow(s, n), kept);
  }

  void commaLocale() {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    const stats::Settlement s = stats::settle({"A", "B", "C"}, {"      -3.50", "      +1.25", "+2,25"});
    QVERIFY(s.valid);
    QCOMPARE(stats::paymentList(s.grid, 3), QStringList({"A>B 1.25", "A>C 2.25"}));
  }

  void notANumber() {
    QVERIFY_THROWS_EXCEPTION(stats::ConversionError, stats::settle({"A", "B"}, {"+1.00", "abc"}));
  }

  // Random evenings: every payer pays exactly his loss, every receiver gets
  // exactly his win, in at most payers + receivers - 1 payments.
  void randomEveningsAddUp() {
    QRandomGenerator random(12);
    for (int round = 0; round < 300; ++round) {
      const int n = 2 + static_cast<int>(random.bounded(8));
      QList<qint64> cents(n, 0);
      for (int k = 0; k + 1 < n; ++k) cents[k] = random.bounded(-5000, 5001);
      cents[n - 1] = -std::accumulate(cents.begin(), cents.end() - 1, qint64(0));
      QStringList names, texts;
      for (int k = 0; k < n; ++k) {
        names << QString(QChar('A' + k));
        texts << signedMoneyText(cents[k] / 100.0);
      }
      const stats::Settlement s = stats::settle(names, texts);
      QVERIFY(s.valid);
      int payments = 0;
      for (int k = 1; k <= n; ++k) {
        qint64 paid = 0, received = 0;
        for (int x = 1; x <= n; ++x) {
          if (x == k) continue;
          if (!s.grid.cell(x, k).isEmpty()) paid += qRound64(stats::strictValue(s.grid.cell(x, k)) * 100), ++payments;
          if (!s.grid.cell(k, x).isEmpty()) received += qRound64(stats::strictValue(s.grid.cell(k, x)) * 100);
        }
        const qint64 balance = cents[k - 1];
        QCOMPARE(received - paid, balance);
        QCOMPARE(s.grid.cell(n + 1, k), balance < 0 ? moneyText(-balance / 100.0) : QString());
        QCOMPARE(s.grid.cell(k, n + 1), balance > 0 ? moneyText(balance / 100.0) : QString());
      }
      const int sides = static_cast<int>(s.payers.size() + s.receivers.size());
      QVERIFY2(payments <= std::max(sides - 1, 0), qPrintable(texts.join(',')));
    }
  }
};

QTEST_MAIN(TestSettlement)
#include "test_settlement.moc"
