// Playing an evening through the main window: adding hands, passing the
// turn, the cross variant's booking and the three removals.

#include "testsupport.h"

using kvadus::MsgAnswer;
using namespace testsupport;

class TestHandsWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  void add() {
    QVERIFY2(!m->BUTNPridejSkore->isHidden(), qPrintable(m->LABLPocetBoduVeHre3->text()));
    QTest::mouseClick(m->BUTNPridejSkore, Qt::LeftButton);
  }
  void addOrdinary(int times = 1) {
    for (int i = 0; i < times; ++i) {
      points(6, 3);
      add();
    }
  }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
  }
  void cleanup() { destroyWindows(); }

  void threePlayersDeclarerB() {
    startGame({"A", "B", "C"}, 1);
    points(7, 2);
    m->CKBXCervene->setChecked(true);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
    add();
    QCOMPARE(tableRow(1), QStringList({"      -0.20", "      +0.40", "      -0.20", "B : obycejna  ,rude [70,20]"}));
    QCOMPARE(tableRow(2), QStringList({"      -0.20", "      +0.40", "      -0.20", "   << suma"}));
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 1"));
    // The chooser was A (0): the turn passes to B, not to the player after B.
    QCOMPARE(m->LABLIndexVolice->text(), QString("1"));
    QCOMPARE(m->declarerIndex(), 1);
    // The entry is reset for the next hand.
    QVERIFY(m->RAGRUhrano->itemIndex() == 0 && !m->CKBXCervene->isChecked());
  }

  void fivePlayersDeclarerThree() {
    startGame({"P0", "P1", "P2", "P3", "P4"}, 3);
    m->RAGRPocitaniPauziraku->setItemIndex(0);  // those sitting out side with the winner
    addOrdinary();
    QCOMPARE(tableRow(1).mid(0, 5),
             QStringList({"      -0.30", "      +0.20", "      +0.20", "      +0.20", "      -0.30"}));
  }

  void crossVariantBooking() {
    startGame({"A", "B", "C", "D"}, 3);
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    m->RAGRPocitaniKrizoveho->setItemIndex(1);  // "obema protihracum"
    m->RAGRTypHry->setItemIndex(1);             // a won betl: +0.50
    m->CHBXKrizovyKvadusVolicS2->setChecked(true);
    add();
    // Declarer 3 and partner (3 + 2) mod 4 = 1 win, 0 and 2 pay.
    QCOMPARE(tableRow(1).mid(0, 4), QStringList({"      -1.00", "      +1.00", "      -1.00", "      +1.00"}));
    QVERIFY(!m->CHBXKrizovyKvadusVolicS2->isChecked());
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
  }

  void removals() {
    startGame({"A", "B", "C"});
    addOrdinary(5);
    const QStringList five = sums();
    QCOMPARE(five, QStringList({"      +0.10", "      +0.10", "      -0.20"}));

    m->POPUPSmazHry->trigger();  // "pouze hry"
    QCOMPARE(m->STGOutput->rowCount(), 3);
    QCOMPARE(tableRow(1), five + QStringList({"celkem za predesle hry"}));
    QCOMPARE(sums(), five);
    QVERIFY(!m->POPUPSmazHry->isEnabled());  // one row left

    m->POPUPSmazPosledni->trigger();  // "posledni hru"
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(sums(), QStringList({"      +0.00", "      +0.00", "      +0.00"}));
    QCOMPARE(m->LABLIndexVolice->text(), QString("2"));  // the chooser does not move back
    QVERIFY(!m->BUTNSmazat->isEnabled());

    addOrdinary(2);
    person.answers = {MsgAnswer::No};
    m->POPUPSmazVSe->trigger();  // "vsechno" asks; No keeps everything
    QCOMPARE(person.shown.last().text, QString("Mate rozehranou hru,\nopravdu chcete vsechno smazat ?"));
    QCOMPARE(m->STGOutput->rowCount(), 4);
    m->POPUPSmazVSe->trigger();
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(sums(), QStringList({"      +0.00", "      +0.00", "      +0.00"}));
    QCOMPARE(m->LIBXHraci->count(), 3);
  }

  void noDeclarerNothingToAddAndNoSumRowSelected() {
    m->BUTNPridejSkore->setEnabled(true);
    m->BUTNPridejSkoreClick();  // no game yet, so no declarer
    QVERIFY(!m->BUTNPridejSkore->isEnabled());
    QCOMPARE(m->STGOutput->rowCount(), 2);

    // Only hand rows can be selected.
    startGame({"A", "B", "C"});
    addOrdinary();
    m->STGOutput->setCurrentCell(2, 0);  // the sum row
    QVERIFY(m->STGOutput->selectedItems().isEmpty());
    m->STGOutput->setCurrentCell(1, 1);
    QCOMPARE(m->STGOutput->selectedItems().size(), 1);
  }

  void withoutResetTheFleksStayInStep() {
    startGame({"A", "B", "C"});
    m->CHBXNulovatPoPridani->setChecked(false);
    points(6, 3);
    m->UPDNHraFlekCount->stepUp();
    m->UPDNHraFlekCount->stepUp();
    add();
    QCOMPARE(m->EDITFlekHraCount->text(), QString("0"));
    QCOMPARE(m->EDITFlekHraVal->text(), QString("1"));
    points(6, 3);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.10"));  // not priced with the old 4
  }

  void aWholeEvening() {
    // Twelve mixed hands of three players; the declarers take turns A, B, C.
    // Each comment gives the hand amount and A, B, C's shares.
    startGame({"A", "B", "C"});
    auto hand = [this](auto describe, const QString& price) {
      describe();
      QCOMPARE(m->EDITCelkemCena->text(), price);
      add();
    };
    hand([&] { points(6, 3); }, " +0.10");                    // 1 A: A +0.20, B -0.10, C -0.10
    hand([&] { points(4, 5); }, " -0.10");                    // 2 B loses 40:50: B -0.20, C +0.10, A +0.10
    hand([&] { m->RAGRTypHry->setItemIndex(1); }, " +0.50");  // 3 C wins a betl: C +1.00, A -0.50, B -0.50
    // 4 A loses a durch: A -2.00, B +1.00, C +1.00
    hand(
        [&] {
          m->RAGRTypHry->setItemIndex(2);
          m->RAGRVyhra->setItemIndex(1);
        },
        " -1.00");
    // 5 B in red: B +0.40, C -0.20, A -0.20
    hand(
        [&] {
          m->CKBXCervene->setChecked(true);
          points(7, 2);
        },
        " +0.20");
    // 6 C, seven won with the game, 0.20 + 0.10: C +0.60, A -0.30, B -0.30
    hand(
        [&] {
          m->CKBXSedma->setChecked(true);
          points(6, 3);
          m->CHBXUhranaSedmaVolicem->setChecked(true);
        },
        " +0.30");
    // 7 A, hundred made with 100: A +0.40, B -0.20, C -0.20
    hand(
        [&] {
          m->CKBXStovka->setChecked(true);
          points(10, 9);
        },
        " +0.20");
    // 8 B, two fleks on the game, 0.1 x 4: B +0.80, C -0.40, A -0.40
    hand(
        [&] {
          points(6, 3);
          m->UPDNHraFlekCount->stepUp();
          m->UPDNHraFlekCount->stepUp();
        },
        " +0.40");
    hand([&] { points(11, 0); }, " +0.40");  // 9 C, silent hundred at 110, 0.1 x 2 x 2: C +0.80, A -0.40, B -0.40
    // 10 A loses a betl with one flek, -0.50 x 2: A -2.00, B +1.00, C +1.00
    hand(
        [&] {
          m->RAGRTypHry->setItemIndex(1);
          m->RAGRVyhra->setItemIndex(1);
          m->UPDNHraFlekCount->stepUp();
        },
        " -1.00");
    // 11 B wins two sevens: B +6.00, C -3.00, A -3.00
    hand(
        [&] {
          m->RAGRTypHry->setItemIndex(3);
          points(6, 3);
          m->CHBXUhranaSedmaVolicem->setChecked(true);
        },
        " +3.00");
    // 12 C loses 30:60 and the defenders' announced seven, -0.10 - 0.20: C -0.60, A +0.30, B +0.30
    hand(
        [&] {
          m->CHBXSedmaProti->setChecked(true);
          points(3, 6);
          m->CHBXUhranaSedmaProti->setChecked(true);
        },
        " -0.30");

    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 12"));
    // A: +0.20 +0.10 -0.50 -2.00 -0.20 -0.30 +0.40 -0.40 -0.40 -2.00 -3.00 +0.30 = -7.80
    // B: -0.10 -0.20 -0.50 +1.00 +0.40 -0.30 -0.20 +0.80 -0.40 +1.00 +6.00 +0.30 = +7.80
    // C: -0.10 +0.10 +1.00 +1.00 -0.20 +0.60 -0.20 -0.40 +0.80 +1.00 -3.00 -0.60 = 0.00
    QCOMPARE(sums(), QStringList({"      -7.80", "      +7.80", "      +0.00"}));
    QCOMPARE(tableRow(6).last(), QString("C : obycejna  ,7 [60,30,7 uhrana]"));
    QCOMPARE(tableRow(11).last(), QString("B : 2x7 ,7 [60,30,7 uhrana]"));
    // A recomputation from the hand rows agrees with the running balances.
    m->BUTNSpoctiSumuClick();
    QCOMPARE(sums(), QStringList({"      -7.80", "      +7.80", "      +0.00"}));
    QCOMPARE(tableRow(13).last(), QString(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));
  }

  // A hand that would take a balance past what stays exact is refused.
  void balancesStayWithinTheLimit() {
    startGame({"A", "B"});
    appendHand({"+9999999999000.00", "-9999999999000.00"});
    points(6, 3);
    m->CHBXOpravyHodnot->setChecked(true);
    m->BUTNKontrolaBeforeClick(m->EDITCelkemCena);
    m->EDITCelkemCena->setText("1000");
    m->BUTNKontrolaCislaClick();
    add();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown.first().caption, QString("Chyba"));
    QCOMPARE(m->STGOutput->rowCount(), 3);
    QCOMPARE(sums(), QStringList({"+9999999999000.00", "-9999999999000.00"}));
  }
};

QTEST_MAIN(TestHandsWindow)
#include "test_hands_window.moc"
