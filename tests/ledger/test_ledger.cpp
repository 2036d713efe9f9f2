// The ledger's rules on a grid in memory: table layout, sums, markers, counters.

#include "ledger/ledger.h"
#include "testsupport.h"

#include <limits>

using namespace kvadus;

class TestLedger : public QObject {
  Q_OBJECT

 private:
  static MemoryGrid game(const QStringList& names, bool description = true) {
    MemoryGrid g;
    ledger::freshTable(g, names);
    if (description) ledger::addDescriptionColumn(g, static_cast<int>(names.size()));
    return g;
  }
  // Appends a hand row before the sum row, as adding a hand leaves it.
  static void appendHand(MemoryGrid& g, const QStringList& cells) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < cells.size(); ++c) g.setCell(c, p, cells[c]);
  }

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void descriptionColumnComesAndGoes() {
    MemoryGrid g = game({"A", "B", "C"}, false);
    QVERIFY(!ledger::hasDescriptionColumn(g, 3) && !ledger::removeDescriptionColumn(g, 3));
    appendHand(g, {"      -0.20", "      +0.40", "      -0.20"});
    QVERIFY(ledger::addDescriptionColumn(g, 3));
    QVERIFY(!ledger::addDescriptionColumn(g, 3));  // only once
    QVERIFY(ledger::removeDescriptionColumn(g, 3));
    QCOMPARE(g.row(1), QStringList({"      -0.20", "      +0.40", "      -0.20"}));
  }

  void sumsAfterHands_data() { testsupport::localeRows(); }
  void sumsAfterHands() {
    testsupport::useRowLocale();
    MemoryGrid g = game({"A", "B", "C"});
    appendHand(g, {"      -0.20", "      +0.40", "      -0.20", "B : obycejna"});
    appendHand(g, {"      +1.20", "      -0.60", "      -0.60", "A : betl"});
    appendHand(g, {"0,5", "abc", "", "hand typed by hand"});  // odd cells read leniently
    const double total = ledger::recomputeSums(g, 3, true);
    QCOMPARE(g.row(4).mid(0, 3), QStringList({"      +1.50", "      -0.20", "      -0.80"}));
    QCOMPARE(total, 0.5);
    QCOMPARE(g.cell(3, 4), testsupport::local(" << sumy za kazdeho hrace (suma celkem: 0#5 penez)"));
    QCOMPARE(g.cell(3, 1), QString("B : obycejna"));  // descriptions of hands stay
    QCOMPARE(ledger::handCountText(g.rowCount()), QString("Pocet her: 3"));
  }

  void floatNoiseNeverShows() {
    // 0.1 + 0.2 - 0.3 is not 0 in binary; the table must still say 0.
    MemoryGrid g = game({"A", "B", "C"});
    appendHand(g, {"      +0.10", "      +0.20", "      -0.30"});
    appendHand(g, {"      +0.20", "      -0.10", "      -0.10"});
    appendHand(g, {"      -0.30", "      -0.10", "      +0.40"});
    QCOMPARE(ledger::recomputeSums(g, 3, true), 0.0);
    QCOMPARE(g.row(4), QStringList({"      +0.00", "      +0.00", "      +0.00",
                                    " << sumy za kazdeho hrace (suma celkem: 0 penez)"}));
  }

  // Huge cells (a 308-digit number) never make a sum or total "inf"/"nan",
  // and a hand that would take a balance past the limit is not booked.
  void hugeNumbersStayFinite() {
    MemoryGrid g = game({"A", "B"});
    const QString huge = "9" + QString(307, '9');
    for (int i = 0; i < 3; ++i) appendHand(g, {huge, "-" + huge});
    ledger::recomputeSums(g, 2, true);
    const QString sums = g.row(4).join('|');
    QVERIFY2(!sums.contains("inf") && !sums.contains("nan") && !sums.contains("e+"), qPrintable(sums));

    MemoryGrid h = game({"A", "B"});
    appendHand(h, {"9999999999000.00", "-9999999999000.00"});
    ledger::recomputeSums(h, 2, true);
    QVERIFY(ledger::bookingFits(h, 2, {999.99, -999.99}));
    QVERIFY(!ledger::bookingFits(h, 2, {1000.0, -1000.0}));
    QVERIFY(!ledger::bookingFits(h, 2, {std::numeric_limits<double>::infinity(), 0}));
    QCOMPARE(ledger::bookingRefusedMessage(),
             QString("Hru nelze pridat: stav hrace by prekrocil 10000000000000 penez."));
  }

  void roleMarkers() {
    const QString voli = "voli       - ";
    const QString vynasi = "vynasi  >";
    QCOMPARE(ledger::roleMarkers(3, 0, 2), QStringList({voli, "", vynasi}));
    // Chooser and declarer on one player: the declarer's marker wins.
    QCOMPARE(ledger::roleMarkers(3, 1, 1), QStringList({"", vynasi, ""}));
    // A chooser beyond the players (the game shrank) has no item: skipped.
    QCOMPARE(ledger::roleMarkers(3, 5, 0), QStringList({vynasi, "", ""}));
    QCOMPARE(ledger::roleMarkers(2, -1, -1), QStringList({"", ""}));
  }

  void countersFollowTheTable() {
    // The window's tests follow the removals through a game; here the extremes.
    const auto none = ledger::counterState(2, 3);
    QVERIFY(!none.removeAll && !none.removeHands && !none.removeLast && !none.removeButton && none.resultsButton);
    QVERIFY(!ledger::counterState(2, 0).resultsButton);
  }

  void newGameTakesPlayersFromTheRoster() {
    QVERIFY(ledger::newGameAsksForThree(4, false));
    QVERIFY(!ledger::newGameAsksForThree(4, true) && !ledger::newGameAsksForThree(3, false));
    QCOMPARE(ledger::newGamePlayers({"A", "B", "C", "D", "E"}, true), QStringList({"A", "B", "C"}));
    QCOMPARE(ledger::newGameDeclarer(-1, 5), 0);
    QCOMPARE(ledger::newGameDeclarer(4, 3), 0);  // selected name not in the game
  }

  void sharesGoToTheirPlayers() {
    // Three players and the cross variant's partner are booked in test_hands_window.
    const ledger::HandShares s{0.4, -0.2, 0.1};
    // Five players, declarer 3: defenders 4 and 0, players 1 and 2 sit out.
    QCOMPARE(ledger::handRow(5, 3, s, false, 0), QList<double>({-0.2, 0.1, 0.1, 0.4, -0.2}));
    QCOMPARE(ledger::handRow(2, 1, s, false, 0), QList<double>({-0.2, 0.4}));
    QCOMPARE(ledger::handRow(4, 0, s, true, 0), QList<double>({0.4, -0.2, -0.2, -0.2}));  // alone
    QCOMPARE(ledger::handRow(3, -1, s, false, 0), QList<double>({0, 0, 0}));
    QCOMPARE(ledger::nextChooser(0, 3), 1);
    QCOMPARE(ledger::nextChooser(2, 3), 0);
    QCOMPARE(ledger::nextChooser(7, 3), 0);  // a chooser beyond the players starts over
  }

  // Booking and the three removals are played through in test_hands_window;
  // here a table without the description column and the empty table.
  void bookingAndRemovingHands() {
    MemoryGrid plain = game({"A", "B"}, false);
    ledger::bookHand(plain, 2, {0.1, -0.1}, true, "ignored");
    QCOMPARE(plain.columnCount(), 2);
    QCOMPARE(plain.row(2), QStringList({"      +0.10", "      -0.10"}));

    MemoryGrid g = game({"A", "B", "C"});
    ledger::recomputeSums(g, 3, true);
    QVERIFY(!ledger::removeLastHand(g) && !ledger::foldHands(g, 3, true));
    ledger::bookHand(g, 3, {0.2, -0.1, -0.1}, true, "h");
    ledger::bookHand(g, 3, {0.2, -0.1, -0.1}, true, "h");
    ledger::removeAllHands(g);
    ledger::recomputeSums(g, 3, true);
    QCOMPARE(g.rowCount(), 2);
    QCOMPARE(g.row(0).first(), QString("A"));  // the names stay
    QCOMPARE(g.cell(0, 1), QString("      +0.00"));
  }
};

QTEST_GUILESS_MAIN(TestLedger)
#include "test_ledger.moc"
