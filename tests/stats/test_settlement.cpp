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
                                  << QStringList{"A>B 10.00", "A>C 20.00"} << QStringList{"      30.00", e, e}
                                  << QStringList{e, "      10.00", "      20.00"} << "      30.00";
    // Both cursors end together; three payments.
    QTest::newRow("two pay two") << QStringList{"-25", "+10", "-5", "+20"}
                                 << QStringList{"A>B 10.00", "A>D 15.00", "C>D 5.00"}
                                 << QStringList{"      25.00", e, "       5.00", e}
                                 << QStringList{e, "      10.00", e, "      20.00"} << "      30.00";
    QTest::newRow("x and -x") << QStringList{"      +1.30", "      -1.30"} << QStringList{"B>A 1.30"}
                              << QStringList{e, "       1.30"} << QStringList{"       1.30", e} << "       1.30";
    // The remainders pass through their texts: 0.3 - 0.1 meets 0.2 exactly.
    QTest::newRow("cents") << QStringList{"-0.30", "+0.10", "+0.20", "0.00"} << QStringList{"A>B 0.10", "A>C 0.20"}
                           << QStringList{"       0.30", e, e, e} << QStringList{e, "       0.10", "       0.20", e}
                           << "       0.30";
    // A remainder carried as 0.0900000000000001 once paid out its 1e-16 as
    // a payment of 0.00 (player 4 to player 5); in cents it never arises.
    QTest::newRow("no payment of nothing")
        << QStringList{"+0.69", "0", "+0.09", "-0.78", "+0.72", "0", "+0.82", "-0.34", "-0.59", "-0.35", "-0.26"}
        << QStringList{"D>A 0.69", "D>C 0.09", "H>E 0.34", "I>E 0.38", "I>G 0.21", "J>G 0.35", "K>G 0.26"}
        << QStringList{e, e, e, "       0.78", e, e, e, "       0.34", "       0.59", "       0.35", "       0.26"}
        << QStringList{"       0.69", e, "       0.09", e, "       0.72", e, "       0.82", e, e, e, e}
        << "       2.32";
    // A tiny balance still counts as a receiver, but nothing to the cent is
    // paid: no payment, and nothing in "ZAPLATI" or "DOSTANE".
    QTest::newRow("0.001 receives nothing")
        << QStringList{"0.001", "-0.001"} << QStringList{} << QStringList{e, e} << QStringList{e, e} << "       0.00";
    // Sums within the tolerance leave one list unfinished: the walk stops.
    QTest::newRow("+0.000005") << QStringList{"-10", "10.000005"} << QStringList{"A>B 10.00"}
                               << QStringList{"      10.00", e} << QStringList{e, "      10.00"} << "      10.00";
    QTest::newRow("-0.000005") << QStringList{"-10.000005", "10", "0"} << QStringList{"A>B 10.00"}
                               << QStringList{"      10.00", e, e} << QStringList{e, "      10.00", e} << "      10.00";
    QTest::newRow("payers left over") << QStringList{"-10", "+10.000001", "-0.000004"} << QStringList{"A>B 10.00"}
                                      << QStringList{"      10.00", e, e} << QStringList{e, "      10.00", e}
                                      << "      10.00";
  }
  void settlements() {
    QFETCH(QStringList, balances);
    QFETCH(QStringList, payments);
    QFETCH(QStringList, pays);
    QFETCH(QStringList, receives);
    QFETCH(QString, total);
    QStringList names;
    for (int k = 0; k < balances.size(); ++k) names << QString(QChar('A' + k));
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
    const stats::Settlement s = stats::settle({"A", "B", "C", "D", "E"}, {"+1.00", "-2.00", "0.00", "+1.00", "-0.00"});
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
                           << "Celkova suma je  0.01 !\nCely ucet nelze zpracovat." << QStringList{"", "", "0.01", ""};
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

  void notANumber() { QVERIFY_THROWS_EXCEPTION(stats::ConversionError, stats::settle({"A", "B"}, {"+1.00", "abc"})); }

  // Random cent-exact evenings of 2 to 12 players: every payer pays exactly
  // his loss, every receiver gets exactly his win, no payment is below 0.01,
  // in at most payers + receivers - 1 payments. Small balances too, whose
  // binary remainders once left payments of nothing.
  void randomEveningsAddUp() {
    QRandomGenerator random(12);
    constexpr int kRanges[] = {100, 5000, 10000000};
    for (int round = 0; round < 100000; ++round) {
      const int n = 2 + static_cast<int>(random.bounded(11));
      const int range = kRanges[random.bounded(3)];
      QList<qint64> cents(n, 0);
      for (int k = 0; k + 1 < n; ++k)
        if (random.bounded(5) != 0) cents[k] = random.bounded(-range, range + 1);
      cents[n - 1] = -std::accumulate(cents.begin(), cents.end() - 1, qint64(0));
      QStringList names, texts;
      for (int k = 0; k < n; ++k) {
        names << QString(QChar('A' + k));
        texts << signedMoneyText(cents[k] / 100.0);
      }
      const stats::Settlement s = stats::settle(names, texts);
      const QString evening = texts.join(',');
      QVERIFY2(s.valid, qPrintable(evening));
      int payments = 0;
      for (int k = 1; k <= n; ++k) {
        qint64 paid = 0, received = 0;
        for (int x = 1; x <= n; ++x) {
          if (x == k || s.grid.cell(x, k).isEmpty()) continue;
          const qint64 amount = qRound64(stats::strictValue(s.grid.cell(x, k)) * 100);
          QVERIFY2(amount >= 1, qPrintable(evening));
          QCOMPARE(s.grid.cell(x, k), moneyText(amount / 100.0));
          paid += amount;
          ++payments;
        }
        for (int x = 1; x <= n; ++x)
          if (x != k && !s.grid.cell(k, x).isEmpty()) received += qRound64(stats::strictValue(s.grid.cell(k, x)) * 100);
        const qint64 balance = cents[k - 1];
        if (received - paid != balance) QFAIL(qPrintable(evening));
        if (s.grid.cell(n + 1, k) != (balance < 0 ? moneyText(-balance / 100.0) : QString()) ||
            s.grid.cell(k, n + 1) != (balance > 0 ? moneyText(balance / 100.0) : QString()))
          QFAIL(qPrintable(evening));
      }
      const int sides = static_cast<int>(s.payers.size() + s.receivers.size());
      QVERIFY2(payments <= std::max(sides - 1, 0), qPrintable(evening));
    }
  }
};

QTEST_MAIN(TestSettlement)
#include "test_settlement.moc"
