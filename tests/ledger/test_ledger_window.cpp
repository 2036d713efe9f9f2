// The evening ledger driven through the main window's controls.

#include "testsupport.h"

using kvadus::MsgAnswer;
using namespace testsupport;

class TestLedgerWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  static const inline QString kHeader = "vynasel hrac : typ,fleky [uhrano bodu, sedma]";
  static const inline QString kZeroSums = " << sumy za kazdeho hrace (suma celkem: 0 penez)";

 private slots:
  void init() { person.reset(); freshWindows(); m = FRMMain; }
  void cleanup() { destroyWindows(); }

  void newGameWithThreeNames() {
    FORMZadaniHracu->LBOXSeznamHracu->clear();
    FORMZadaniHracu->LBOXSeznamHracu->addItems({"A", "B", "C"});
    FORMZadaniHracu->LBOXSeznamHracu->setCurrentRow(1);
    QTest::mouseClick(m->BUTNNOvaHra, Qt::LeftButton);
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(tableRow(0), QStringList({"A", "B", "C", kHeader}));
    QCOMPARE(tableRow(1), QStringList({"      +0.00", "      +0.00", "      +0.00", kZeroSums}));
    QCOMPARE(m->STGOutput->horizontalHeaderItem(2)->text(), QString("C"));
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 0"));
    QVERIFY(m->LABLPocetHracu->isHidden());
    // The roster's selection declares first; the chooser stays at 0.
    QCOMPARE(m->declarerIndex(), 1);
    QCOMPARE(markers(), QStringList({"voli       - ", "vynasi  >", ""}));
    QVERIFY(m->BUTNPridejSkore->isEnabled() && m->BUTNZmenaVolice->isEnabled());
    QVERIFY(!m->BUTNSmazat->isEnabled());
    QVERIFY(FORMZadaniHracu->BUTNZamenit->isEnabled());

    startGame({"A"});  // one name is not a game
    QCOMPARE(m->LIBXHraci->count(), 3);
    QVERIFY(FORMZadaniHracu->isVisible());
  }

  void fourNamesWithoutSittingOut() {
    m->CKBXHraniPauzirovaneho->setChecked(false);
    person.answers = {MsgAnswer::No};
    startGame({"A", "B", "C", "D"});
    QCOMPARE(person.texts(),
             QStringList({"Neni povoleno hrani pauziraku,\n mam pokracovat a natahnout jen tri hrace ?"}));
    QCOMPARE(m->LIBXHraci->count(), 0);
    m->BUTNNOvaHraClick();  // answered Yes
    QCOMPARE(m->LIBXHraci->count(), 3);

    m->CKBXHraniPauzirovaneho->setChecked(true);
    m->BUTNNOvaHraClick();  // no hands yet: no question, all four
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(m->LIBXHraci->count(), 4);
    QCOMPARE(m->LABLPocetHracu->text(), QString("pocet hracu : 4"));
    QVERIFY(!m->LABLPocetHracu->isHidden());
  }

  void sumsAndCountersAfterHands() {
    startGame({"A", "B", "C"});
    appendHand({"      -0.20", "      +0.40", "      -0.20"});
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 1"));
    QVERIFY(m->BUTNSmazat->isEnabled() && m->POPUPSmazPosledni->isEnabled());
    QVERIFY(!m->POPUPSmazVSe->isEnabled());
    appendHand({"      +0.60", "      -0.30", "      -0.30"});
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 2"));
    QVERIFY(m->POPUPSmazVSe->isEnabled() && m->POPUPSmazHry->isEnabled());
    QCOMPARE(tableRow(3), QStringList({"      +0.40", "      +0.10", "      -0.50", kZeroSums}));

    // A new game over hands asks first; No keeps the evening.
    person.answers = {MsgAnswer::No};
    m->BUTNNOvaHraClick();
    QCOMPARE(person.texts(), QStringList({"Opravdu zalozit novou hru ?"}));
    QCOMPARE(m->STGOutput->rowCount(), 4);
  }

  void descriptionColumnSwitch() {
    startGame({"A", "B", "C"});
    appendHand({"      -0.20", "      +0.40", "      -0.20"});
    person.answers = {MsgAnswer::No};
    m->CKBXZobrazovatDruhyHer->click();
    QCOMPARE(person.texts(), QStringList({"Opravdu smazat informace o hrach ?"}));  // asked once
    QVERIFY(m->CKBXZobrazovatDruhyHer->isChecked());
    QCOMPARE(m->STGOutput->columnCount(), 4);

    m->CKBXZobrazovatDruhyHer->click();  // Yes
    QVERIFY(!m->CKBXZobrazovatDruhyHer->isChecked());
    QCOMPARE(tableRow(1), QStringList({"      -0.20", "      +0.40", "      -0.20"}));

    m->CKBXZobrazovatDruhyHer->click();  // back on: header and empty hand cells
    QCOMPARE(tableRow(0).last(), kHeader);
    QCOMPARE(tableRow(1).last(), QString());
    QCOMPARE(tableRow(2).last(), kZeroSums);
    QCOMPARE(m->STGOutput->columnWidth(3), 400);
  }

  void declarerSelectionAndMarkers() {
    startGame({"A", "B", "C", "D"});
    clickRow(m->LIBXHraci, 2);  // a click on a player makes him the declarer
    QCOMPARE(m->declarerIndex(), 2);
    QCOMPARE(markers(), QStringList({"voli       - ", "", "vynasi  >", ""}));
    m->LABLIndexVolice->setText("2");  // chooser and declarer coincide
    m->refreshRoleMarkers();
    QCOMPARE(markers(), QStringList({"", "", "vynasi  >", ""}));
    m->LIBXHraci->clearSelection();  // the game keeps its declarer
    QCOMPARE(m->declarerIndex(), 2);
    QVERIFY(m->BUTNPridejSkore->isEnabled());
  }

  void settingsPanelToggle() {
    QVERIFY(m->GRPBXNastaveni->isHidden());  // hidden after creation
    m->BUTNNastaveniParametru->click();
    QVERIFY(!m->GRPBXNastaveni->isHidden());
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni <<"));
    QCOMPARE(m->BUTNNapovedaUpper->text(), QString("napoveda <<"));
    m->BUTNZavritOknoNastaveni->click();
    QVERIFY(m->GRPBXNastaveni->isHidden());
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni >>"));
  }
};

QTEST_MAIN(TestLedgerWindow)
#include "test_ledger_window.moc"
