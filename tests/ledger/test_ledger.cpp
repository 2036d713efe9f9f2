// The ledger's rules on a grid in memory: table layout, sums, markers, counters.

#include "common/textforms.h"
#include "ledger/ledger.h"

#include <QLocale>
#include <QtTest>

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

  void freshTableWithDescription() {
    MemoryGrid g = game({"A", "B", "C"});
    QCOMPARE(g.rowCount(), 2);
    QCOMPARE(g.columnCount(), 4);
    QCOMPARE(g.row(0), QStringList({"A", "B", "C", "vynasel hrac : typ,fleky [uhrano bodu, sedma]"}));
    QCOMPARE(g.cell(0, 1), QString("0.00"));

    const double total = ledger::recomputeSums(g, 3, true);
    QCOMPARE(total, 0.0);
    QCOMPARE(g.row(1), QStringList({"      +0.00", "      +0.00", "      +0.00",
                                    " << sumy za kazdeho hrace (suma celkem: 0 penez)"}));
    QCOMPARE(ledger::handCountText(g.rowCount()), QString("Pocet her: 0"));
  }

  void descriptionColumnComesAndGoes() {
    MemoryGrid g = game({"A", "B", "C"}, false);
    QVERIFY(!ledger::hasDescriptionColumn(g, 3));
    QVERIFY(!ledger::removeDescriptionColumn(g, 3));
    appendHand(g, {"      -0.20", "      +0.40", "      -0.20"});
    QVERIFY(ledger::addDescriptionColumn(g, 3));
    QVERIFY(!ledger::addDescriptionColumn(g, 3));  // only once
    QCOMPARE(g.cell(3, 1), QString());
    QVERIFY(ledger::removeDescriptionColumn(g, 3));
    QCOMPARE(g.columnCount(), 3);
    QCOMPARE(g.cell(1, 1), QString("      +0.40"));  // the players' cells stay
  }

  void sumsAfterHands_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("dot") << "en_US";
    QTest::newRow("comma") << "cs_CZ";
  }
  void sumsAfterHands() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    MemoryGrid g = game({"A", "B", "C"});
    appendHand(g, {"      -0.20", "      +0.40", "      -0.20", "B : obycejna"});
    appendHand(g, {"      +1.20", "      -0.60", "      -0.60", "A : betl"});
    appendHand(g, {"0,5", "abc", "", "hand typed by hand"});  // odd cells read leniently
    const double total = ledger::recomputeSums(g, 3, true);
    QCOMPARE(g.row(4).mid(0, 3), QStringList({"      +1.50", "      -0.20", "      -0.80"}));
    QCOMPARE(total, 0.5);
    const QString mark = locale == "cs_CZ" ? "," : ".";
    QCOMPARE(g.cell(3, 4), " << sumy za kazdeho hrace (suma celkem: 0" + mark + "5 penez)");
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

  void sumsWithoutDescriptionColumn() {
    MemoryGrid g = game({"A", "B"}, false);
    appendHand(g, {"      +0.10", "      -0.10"});
    ledger::recomputeSums(g, 2, true);  // checked box but no column: nothing to write
    QCOMPARE(g.columnCount(), 2);
    QCOMPARE(g.row(2), QStringList({"      +0.10", "      -0.10"}));
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
    const auto none = ledger::counterState(2, 3);
    QVERIFY(!none.removeAll && !none.removeHands && !none.removeLast && !none.removeButton);
    QVERIFY(none.resultsButton);
    const auto one = ledger::counterState(3, 3);
    QVERIFY(one.removeLast && one.removeButton && !one.removeAll && !one.removeHands);
    const auto two = ledger::counterState(4, 3);
    QVERIFY(two.removeAll && two.removeHands);
    QVERIFY(!ledger::counterState(2, 0).resultsButton);
    QCOMPARE(ledger::playerCountText(5), QString("pocet hracu : 5"));
  }

  void defendersWrapAround() {
    QCOMPARE(ledger::defenders(5, 3), QList<int>({4, 0}));
    QCOMPARE(ledger::defenders(3, 2), QList<int>({0, 1}));
    QCOMPARE(ledger::defenders(2, 1), QList<int>({0}));
    QVERIFY(ledger::defenders(3, -1).isEmpty());
  }

  void newGameTakesPlayersFromTheRoster() {
    const QStringList roster = {"A", "B", "C", "D", "E"};
    QVERIFY(ledger::newGameAsksForThree(4, false));
    QVERIFY(!ledger::newGameAsksForThree(4, true));
    QVERIFY(!ledger::newGameAsksForThree(3, false));
    QCOMPARE(ledger::newGamePlayers(roster, true), QStringList({"A", "B", "C"}));
    QCOMPARE(ledger::newGamePlayers(roster, false), roster);
    QCOMPARE(ledger::newGameDeclarer(2, 5), 2);
    QCOMPARE(ledger::newGameDeclarer(-1, 5), 0);
    QCOMPARE(ledger::newGameDeclarer(4, 3), 0);  // selected name not in the game
  }

  void sharesGoToTheirPlayers() {
    const ledger::HandShares s{0.4, -0.2, 0.1};
    // Three players, declarer B: V, then D for the two after him.
    QCOMPARE(ledger::handRow(3, 1, s, false, 0), QList<double>({-0.2, 0.4, -0.2}));
    // Five players, declarer 3: defenders 4 and 0, players 1 and 2 sit out.
    QCOMPARE(ledger::handRow(5, 3, s, false, 0), QList<double>({-0.2, 0.1, 0.1, 0.4, -0.2}));
    // Two players: the other one is the only defender.
    QCOMPARE(ledger::handRow(2, 1, s, false, 0), QList<double>({-0.2, 0.4}));
    // Cross variant, declarer 3 with partner 2: player (3 + 2) mod 4 = 1 plays along.
    QCOMPARE(ledger::handRow(4, 3, s, true, 2), QList<double>({-0.2, 0.4, -0.2, 0.4}));
    QCOMPARE(ledger::handRow(4, 0, s, true, 0), QList<double>({0.4, -0.2, -0.2, -0.2}));
    QCOMPARE(ledger::handRow(3, -1, s, false, 0), QList<double>({0, 0, 0}));
    QCOMPARE(ledger::nextChooser(0, 3), 1);
    QCOMPARE(ledger::nextChooser(2, 3), 0);
    QCOMPARE(ledger::nextChooser(7, 3), 0);  // a chooser beyond the players starts over
  }

  void bookingMovesTheSums() {
    MemoryGrid g = game({"A", "B", "C"});
    ledger::recomputeSums(g, 3, true);
    ledger::bookHand(g, 3, {-0.2, 0.4, -0.2}, true, "B : obycejna   [60,30]");
    QCOMPARE(g.rowCount(), 3);
    QCOMPARE(g.row(1), QStringList({"      -0.20", "      +0.40", "      -0.20", "B : obycejna   [60,30]"}));
    QCOMPARE(g.row(2), QStringList({"      -0.20", "      +0.40", "      -0.20", "   << suma"}));
    ledger::bookHand(g, 3, {1.0, -0.5, -0.5}, true, "A : betl [vyhrany]");
    QCOMPARE(g.row(3), QStringList({"      +0.80", "      -0.10", "      -0.70", "   << suma"}));
    // Without the description column nothing is written beyond the players.
    MemoryGrid plain = game({"A", "B"}, false);
    ledger::bookHand(plain, 2, {0.1, -0.1}, true, "ignored");
    QCOMPARE(plain.columnCount(), 2);
    QCOMPARE(plain.row(2), QStringList({"      +0.10", "      -0.10"}));
  }

  void removingHands() {
    MemoryGrid g = game({"A", "B", "C"});
    ledger::recomputeSums(g, 3, true);
    for (int i = 0; i < 5; ++i) ledger::bookHand(g, 3, {0.2 * (i + 1), -0.1 * (i + 1), -0.1 * (i + 1)}, true, "h");
    const QStringList sums = g.row(6).mid(0, 3);
    QCOMPARE(sums, QStringList({"      +3.00", "      -1.50", "      -1.50"}));

    QVERIFY(ledger::foldHands(g, 3, true));
    ledger::recomputeSums(g, 3, true);
    QCOMPARE(g.rowCount(), 3);
    QCOMPARE(g.row(1), sums + QStringList({"celkem za predesle hry"}));
    QCOMPARE(g.row(2).mid(0, 3), sums);

    QVERIFY(ledger::removeLastHand(g));  // the folded row goes too
    ledger::recomputeSums(g, 3, true);
    QCOMPARE(g.row(1), QStringList({"      +0.00", "      +0.00", "      +0.00",
                                    " << sumy za kazdeho hrace (suma celkem: 0 penez)"}));
    QVERIFY(!ledger::removeLastHand(g));
    QVERIFY(!ledger::foldHands(g, 3, true));

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
