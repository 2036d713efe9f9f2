// The balance correction's rules on grids in memory: loading and moving the
// players, a typed balance, the question, and what applying does to the table.

#include "correction/correction.h"
#include "ledger/ledger.h"
#include "testsupport.h"

#include <algorithm>

using namespace kvadus;
namespace cor = kvadus::correction;

class TestCorrection : public QObject {
  Q_OBJECT

  // A, B, C with the description column and one hand: +1.00, -0.20, -0.80.
  static MemoryGrid evening() {
    MemoryGrid t;
    ledger::freshTable(t, {"A", "B", "C"});
    ledger::addDescriptionColumn(t, 3);
    t.setRowCount(3);
    const QStringList hand = {"      +1.00", "      -0.20", "      -0.80", "A : durch"};
    for (int c = 0; c < 4; ++c) t.setCell(c, 1, hand[c]);
    ledger::recomputeSums(t, 3, true);
    return t;
  }

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void loadingAndMoving() {
    MemoryGrid g(7, 9);  // whatever it held before
    cor::loadPlayers(g, {"A", "B", "C"}, evening());
    QCOMPARE(g.columnCount(), 3);
    QCOMPARE(g.row(0), QStringList({"Jmeno", "penize", "poradi"}));
    QCOMPARE(g.row(3), QStringList({"C", "      -0.80", "   3"}));
    QCOMPARE(cor::orderNumber("  12"), 12);
    QCOMPARE(cor::orderNumber("x"), 0);

    // Rows move whole; at the ends the order turns round by one.
    cor::Moved moved = cor::moveDown(g, 3);
    QCOMPARE(cor::orderNumbers(g), QList<int>({3, 1, 2}));
    QVERIFY(moved.row == 1 && moved.rotated);
    QCOMPARE(g.row(1), QStringList({"C", "      -0.80", "   3"}));
    moved = cor::moveUp(g, 3);
    QCOMPARE(cor::orderNumbers(g), QList<int>({3, 2, 1}));
    QVERIFY(moved.row == 2 && !moved.rotated);
    QCOMPARE(cor::rowOfOrder(g, 1), 3);
    QCOMPARE(cor::moveUp(g, 4).row, -1);  // no chosen player: nothing moves
    QCOMPARE(cor::orderNumbers(g), QList<int>({3, 2, 1}));
  }

  void typedBalances_data() { testsupport::localeRows(); }
  void typedBalances() {
    testsupport::useRowLocale();
    const QList<QPair<QString, QString>> accepted = {
        {"12,5", "12#5"}, {"12.5", "12#5"}, {" 7 ", "7"}, {"+3,", "+3#"}, {"-9999999999999.99", "-9999999999999#99"}};
    for (const auto& [typed, kept] : accepted) {
      const cor::CheckedMoney c = cor::checkMoney(typed);
      QVERIFY2(c.valid, qPrintable(typed));
      QCOMPARE(c.text, testsupport::local(kept));
    }
    for (const QString& typed : QStringList{"abc", "", "1.2.3", "1e2", "inf", "1 5", "12,5e1"}) {
      const cor::CheckedMoney c = cor::checkMoney(typed);
      QVERIFY2(!c.valid, qPrintable(typed));
      QCOMPARE(c.message, QString("Zadejte desetinne cislo !"));
    }
    // A balance the table cannot keep exact to the cent is refused.
    for (const QString& typed : QStringList{"10000000000000", "-10000000000000.5", QString(300, '9')}) {
      const cor::CheckedMoney c = cor::checkMoney(typed);
      QVERIFY2(!c.valid && c.message == cor::balanceTooLargeMessage(), qPrintable(typed));
    }
    // Passing through the field without typing another number is no change.
    QVERIFY(!cor::changesMoney("+12,50 ", "     +12.50"));
    QVERIFY(cor::changesMoney("12.5", "     +12.50"));
  }

  void theQuestion() {
    const QString tail = "\n(vsechny predchozi hry budou smazany)";
    QCOMPARE(cor::applyQuestion(false, false, 3), QString());
    QCOMPARE(cor::applyQuestion(true, false, 3), QString("Chcete zmenit poradi hracu ?"));
    QCOMPARE(cor::applyQuestion(false, true, 1), "Chcete zmenit finance" + tail + " ?");
    QCOMPARE(cor::applyQuestion(true, true, 2), "Chcete zmenit poradi hracu a finance" + tail + " ?");
    QCOMPARE(cor::applyQuestion(true, true, 0), QString("Chcete zmenit poradi hracu a finance ?"));
  }

  // Every order of five players is reached by the exchanges, and the record
  // of who stands where follows them.
  void exchangesReachEveryOrder() {
    QList<int> order = {1, 2, 3, 4, 5};
    do {
      QStringList names = {"A", "B", "C", "D", "E"};
      QList<int> record = {1, 2, 3, 4, 5};
      const QList<cor::Exchange> exchanges = cor::orderExchanges(order, record);
      QVERIFY(exchanges.size() <= 4);
      for (const cor::Exchange& e : exchanges) names.swapItemsAt(e.first, e.second);
      QCOMPARE(record, order);
      for (int k = 0; k < 5; ++k) QCOMPARE(names[k], QString(QChar('A' + order[k] - 1)));
    } while (std::next_permutation(order.begin(), order.end()));

    QList<int> record = {1, 2, 3};
    QCOMPARE(cor::orderExchanges({2, 7, 1}, record), QList<cor::Exchange>({{0, 1}}));  // 7: nobody
  }

  void theBalanceRow_data() { testsupport::localeRows(); }
  void theBalanceRow() {
    testsupport::useRowLocale();
    MemoryGrid g;
    cor::loadPlayers(g, {"A", "B"}, evening());
    g.setCell(cor::kMoneyColumn, 2, testsupport::local("12#5"));
    QCOMPARE(cor::newBalances(g), QList<double>({1.0, 12.5}));

    // Without the description column only the players' cells are written.
    MemoryGrid bare;
    ledger::freshTable(bare, {"A", "B"});
    QVERIFY(cor::writeBalanceRow(bare, {"B", "A"}, cor::newBalances(g)));
    QCOMPARE(bare.columnCount(), 2);
    QCOMPARE(bare.row(0), QStringList({"B", "A"}));
    QCOMPARE(bare.row(1), QStringList({"      +1.00", "     +12.50"}));

    // A balance beyond the limit, or one missing: the table stays as it was.
    MemoryGrid kept = evening();
    QVERIFY(!cor::writeBalanceRow(kept, {"A", "B", "C"}, {1.0, -ledger::kMaxBalance, 0.0}));
    QVERIFY(!cor::writeBalanceRow(kept, {"A", "B", "C"}, {1.0, 2.0}));
    QCOMPARE(kept.row(1), evening().row(1));
  }
};

QTEST_GUILESS_MAIN(TestCorrection)
#include "test_correction.moc"
