// Playing an evening through the main window: adding hands, passing the
// turn, the cross variant's booking and the three removals.

#include "common/radiogroup.h"
#include "common/updown.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using kvadus::MsgAnswer;
using testsupport::ScriptedPerson;
using testsupport::startGame;

class TestHandsWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;

  static QStringList row(int r) {
    QStringList out;
    for (int c = 0; c < FRMMain->STGOutput->columnCount(); ++c) {
      auto* item = FRMMain->STGOutput->item(r, c);
      out << (item ? item->text() : QString());
    }
    return out;
  }
  static QStringList sums() {
    return row(FRMMain->STGOutput->rowCount() - 1).mid(0, FRMMain->playerCount());
  }
  void ordinary(int u, int p) {
    m->RAGRUhrano->setItemIndex(u);
    m->RAGRProti->setItemIndex(p);
  }
  void add() {
    QVERIFY2(!m->BUTNPridejSkore->isHidden(), qPrintable(m->LABLPocetBoduVeHre3->text()));
    QTest::mouseClick(m->BUTNPridejSkore, Qt::LeftButton);
  }

 private slots:
  void init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindows();
    m = FRMMain;
    m->BUTNKontrolaCislaClick();
  }
  void cleanup() { destroyWindows(); }

  void threePlayersDeclarerB() {
    startGame({"A", "B", "C"}, 1);
    ordinary(7, 2);
    m->CKBXCervene->setChecked(true);
    QCOMPARE(m->EDITCelkemCena->text(), QString(" +0.20"));
    add();
    QCOMPARE(row(1), QStringList({"      -0.20", "      +0.40", "      -0.20",
                                  "B : obycejna  ,rude [70,20]"}));
    QCOMPARE(row(2), QStringList({"      -0.20", "      +0.40", "      -0.20", "   << suma"}));
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 1"));
    // The chooser was A (0): the turn passes to B, not to the player after B.
    QCOMPARE(m->LABLIndexVolice->text(), QString("1"));
    QCOMPARE(m->declarerIndex(), 1);
    // The entry is reset for the next hand.
    QCOMPARE(m->RAGRUhrano->itemIndex(), 0);
    QVERIFY(!m->CKBXCervene->isChecked());
    QCOMPARE(m->EDITFlekHraVal->text(), QString("1"));
    QVERIFY(m->BUTNSmazat->isEnabled());
  }

  void fivePlayersDeclarerThree() {
    startGame({"P0", "P1", "P2", "P3", "P4"}, 3);
    m->RAGRPocitaniPauziraku->setItemIndex(0);  // those sitting out side with the winner
    ordinary(6, 3);
    add();
    QCOMPARE(row(1).mid(0, 5), QStringList({"      -0.30", "      +0.20", "      +0.20",
                                            "      +0.20", "      -0.30"}));
  }

  void crossVariantBooking() {
    startGame({"A", "B", "C", "D"}, 3);
    m->RAGRPocitaniPauziraku->setItemIndex(3);
    m->RAGRPocitaniKrizoveho->setItemIndex(1);  // "obema protihracum"
    m->RAGRTypHry->setItemIndex(1);             // a won betl: +0.50
    m->CHBXKrizovyKvadusVolicS2->setChecked(true);
    QCOMPARE(m->LABLScoreCelkom->text(), QString(" +1.00"));
    add();
    // Declarer 3 and partner (3 + 2) mod 4 = 1 win, 0 and 2 pay.
    QCOMPARE(row(1).mid(0, 4), QStringList({"      -1.00", "      +1.00", "      -1.00", "      +1.00"}));
    QVERIFY(!m->CHBXKrizovyKvadusVolicS2->isChecked());
    QCOMPARE(m->LABLVolic->text(), QString("vynosce:"));
  }

  void removals() {
    ScriptedPerson person;
    startGame({"A", "B", "C"});
    for (int i = 0; i < 5; ++i) {
      ordinary(6, 3);
      add();
    }
    const QStringList five = sums();
    QCOMPARE(five, QStringList({"      +0.10", "      +0.10", "      -0.20"}));

    m->POPUPSmazHry->trigger();  // "pouze hry"
    QCOMPARE(m->STGOutput->rowCount(), 3);
    QCOMPARE(row(1), five + QStringList({"celkem za predesle hry"}));
    QCOMPARE(sums(), five);
    QVERIFY(!m->POPUPSmazHry->isEnabled());  // one row left

    m->POPUPSmazPosledni->trigger();  // "posledni hru"
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(sums(), QStringList({"      +0.00", "      +0.00", "      +0.00"}));
    QCOMPARE(m->LABLIndexVolice->text(), QString("2"));  // the chooser does not move back
    QVERIFY(!m->BUTNSmazat->isEnabled());

    ordinary(6, 3);
    add();
    ordinary(6, 3);
    add();
    person.answers = {MsgAnswer::No};
    m->POPUPSmazVSe->trigger();  // "vsechno" asks; No keeps everything
    QCOMPARE(person.shown.last().text, QString("Mate rozehranou hru,\nopravdu chcete vsechno smazat ?"));
    QCOMPARE(m->STGOutput->rowCount(), 4);
    m->POPUPSmazVSe->trigger();
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(sums(), QStringList({"      +0.00", "      +0.00", "      +0.00"}));
    QCOMPARE(m->LIBXHraci->count(), 3);
  }

  void noDeclarerNothingToAdd() {
    m->BUTNPridejSkore->setEnabled(true);
    m->BUTNPridejSkoreClick();  // no game yet, so no declarer
    QVERIFY(!m->BUTNPridejSkore->isEnabled());
    QCOMPARE(m->STGOutput->rowCount(), 2);
  }

  void onlyHandRowsCanBeSelected() {
    startGame({"A", "B", "C"});
    ordinary(6, 3);
    add();
    m->STGOutput->setCurrentCell(2, 0);  // the sum row
    QVERIFY(m->STGOutput->selectedItems().isEmpty());
    m->STGOutput->setCurrentCell(1, 1);
    QCOMPARE(m->STGOutput->selectedItems().size(), 1);
  }

  void withoutResetTheFleksStayInStep() {
    startGame({"A", "B", "C"});
    m->CHBXNulovatPoPridani->setChecked(false);
    ordinary(6, 3);
    m->UPDNHraFlekCount->stepUp();
    m->UPDNHraFlekCount->stepUp();
    QCOMPARE(m->EDITFlekHraVal->text(), QString("4"));
    add();
    QCOMPARE(m->UPDNHraFlekCount->position(), 0);
    QCOMPARE(m->EDITFlekHraCount->text(), QString("0"));
    QCOMPARE(m->EDITFlekHraVal->text(), QString("1"));
    ordinary(6, 3);
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
    // 1 A: +0.10 -> A +0.20, B -0.10, C -0.10
    hand([&] { ordinary(6, 3); }, " +0.10");
    // 2 B loses 40:50: -0.10 -> B -0.20, C +0.10, A +0.10
    hand([&] { ordinary(4, 5); }, " -0.10");
    // 3 C wins a betl: +0.50 -> C +1.00, A -0.50, B -0.50
    hand([&] { m->RAGRTypHry->setItemIndex(1); }, " +0.50");
    // 4 A loses a durch: -1.00 -> A -2.00, B +1.00, C +1.00
    hand([&] { m->RAGRTypHry->setItemIndex(2); m->RAGRVyhra->setItemIndex(1); }, " -1.00");
    // 5 B in red: +0.20 -> B +0.40, C -0.20, A -0.20
    hand([&] { m->CKBXCervene->setChecked(true); ordinary(7, 2); }, " +0.20");
    // 6 C, seven won with the game: 0.20 + 0.10 -> C +0.60, A -0.30, B -0.30
    hand([&] { m->CKBXSedma->setChecked(true); ordinary(6, 3);
               m->CHBXUhranaSedmaVolicem->setChecked(true); }, " +0.30");
    // 7 A, hundred made with 100: +0.20 -> A +0.40, B -0.20, C -0.20
    hand([&] { m->CKBXStovka->setChecked(true); ordinary(10, 9); }, " +0.20");
    // 8 B, two fleks on the game: 0.1 x 4 -> B +0.80, C -0.40, A -0.40
    hand([&] { ordinary(6, 3); m->UPDNHraFlekCount->stepUp(); m->UPDNHraFlekCount->stepUp(); },
         " +0.40");
    // 9 C, silent hundred at 110: 0.1 x 2 x 2 -> C +0.80, A -0.40, B -0.40
    hand([&] { ordinary(11, 0); }, " +0.40");
    // 10 A loses a betl with one flek: -0.50 x 2 -> A -2.00, B +1.00, C +1.00
    hand([&] { m->RAGRTypHry->setItemIndex(1); m->RAGRVyhra->setItemIndex(1);
               m->UPDNHraFlekCount->stepUp(); }, " -1.00");
    // 11 B wins two sevens: +3.00 -> B +6.00, C -3.00, A -3.00
    hand([&] { m->RAGRTypHry->setItemIndex(3); ordinary(6, 3);
               m->CHBXUhranaSedmaVolicem->setChecked(true); }, " +3.00");
    // 12 C loses 30:60 and the defenders' announced seven: -0.10 - 0.20
    //    -> C -0.60, A +0.30, B +0.30
    hand([&] { m->CHBXSedmaProti->setChecked(true); ordinary(3, 6);
               m->CHBXUhranaSedmaProti->setChecked(true); }, " -0.30");

    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 12"));
    // A: 0.20 +0.10 -0.50 -2.00 -0.20 -0.30 +0.40 -0.40 -0.40 -2.00 -3.00 +0.30 = -7.80
    // B: -0.10 -0.20 -0.50 +1.00 +0.40 -0.30 -0.20 +0.80 -0.40 +1.00 +6.00 +0.30 = +7.80
    // C: -0.10 +0.10 +1.00 +1.00 -0.20 +0.60 -0.20 -0.40 +0.80 +1.00 -3.00 -0.60 = 0.00
    QCOMPARE(sums(), QStringList({"      -7.80", "      +7.80", "      +0.00"}));
    QCOMPARE(row(6).last(), QString("C : obycejna  ,7 [60,30,7 uhrana]"));
    QCOMPARE(row(11).last(), QString("B : 2x7 ,7 [60,30,7 uhrana]"));
    // A recomputation from the hand rows agrees with the running balances.
    m->BUTNSpoctiSumuClick();
    QCOMPARE(sums(), QStringList({"      -7.80", "      +7.80", "      +0.00"}));
    QCOMPARE(row(13).last(), QString(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));
  }
};

QTEST_MAIN(TestHandsWindow)
#include "test_hands_window.moc"
