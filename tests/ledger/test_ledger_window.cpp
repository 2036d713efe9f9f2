// The evening ledger driven through the main window's controls.

#include "common/textforms.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using testsupport::ScriptedPerson;

class TestLedgerWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;

  static QString cell(int c, int r) {
    auto* item = FRMMain->STGOutput->item(r, c);
    return item ? item->text() : QString();
  }
  static void setRoster(const QStringList& names, int selected = -1) {
    QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
    roster->clear();
    roster->addItems(names);
    if (selected >= 0) roster->setCurrentRow(selected);
  }
  // Writes a hand row before the sum row and recomputes, as booking a hand does.
  void addRow(const QStringList& amounts) {
    kvadus::ScoreGrid& g = *m->grid;
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < amounts.size(); ++c) g.setCell(c, p, amounts[c]);
    m->BUTNSpoctiSumuClick();
  }
  static QStringList markers() {
    QStringList out;
    for (int i = 0; i < FRMMain->LSTBXOznaceniVolice->count(); ++i)
      out << FRMMain->LSTBXOznaceniVolice->item(i)->text();
    return out;
  }

 private slots:
  void init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindows();
    m = FRMMain;
  }
  void cleanup() { destroyWindows(); }

  void newGameWithThreeNames() {
    ScriptedPerson person;
    setRoster({"A", "B", "C"}, 1);
    QTest::mouseClick(m->BUTNNOvaHra, Qt::LeftButton);
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(m->LIBXHraci->count(), 3);
    QCOMPARE(m->STGOutput->columnCount(), 4);
    QCOMPARE(m->STGOutput->rowCount(), 2);
    QCOMPARE(cell(0, 0), QString("A"));
    QCOMPARE(cell(3, 0), QString("vynasel hrac : typ,fleky [uhrano bodu, sedma]"));
    QCOMPARE(m->STGOutput->horizontalHeaderItem(2)->text(), QString("C"));
    QCOMPARE(m->STGOutput->columnWidth(3), 400);
    for (int c = 0; c < 3; ++c) QCOMPARE(cell(c, 1), QString("      +0.00"));
    QCOMPARE(cell(3, 1), QString(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 0"));
    QVERIFY(m->LABLPocetHracu->isHidden());
    // The roster's selection declares first; the chooser stays at 0.
    QCOMPARE(m->declarerIndex(), 1);
    QCOMPARE(markers(), QStringList({"voli       - ", "vynasi  >", ""}));
    QVERIFY(m->BUTNPridejSkore->isEnabled());
    QVERIFY(m->BUTNZmenaVolice->isEnabled());
    QVERIFY(!m->BUTNSmazat->isEnabled());
    QVERIFY(FORMZadaniHracu->BUTNZamenit->isEnabled());
  }

  void newGameNeedsTwoNames() {
    ScriptedPerson person;
    setRoster({"A"});
    m->BUTNNOvaHraClick();
    QCOMPARE(m->LIBXHraci->count(), 0);
    QVERIFY(FORMZadaniHracu->isVisible());
  }

  void fourNamesWithoutSittingOut() {
    ScriptedPerson person;
    setRoster({"A", "B", "C", "D"});
    m->CKBXHraniPauzirovaneho->setChecked(false);
    person.answers = {kvadus::MsgAnswer::No};
    m->BUTNNOvaHraClick();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Dotaz"));
    QCOMPARE(person.shown[0].text,
             QString("Neni povoleno hrani pauziraku,\n mam pokracovat a natahnout jen tri hrace ?"));
    QCOMPARE(m->LIBXHraci->count(), 0);

    m->BUTNNOvaHraClick();  // answered Yes
    QCOMPARE(m->LIBXHraci->count(), 3);
    QCOMPARE(m->STGOutput->columnCount(), 4);

    m->CKBXHraniPauzirovaneho->setChecked(true);
    m->BUTNNOvaHraClick();  // no hands yet: no question, all four
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(m->LIBXHraci->count(), 4);
    QVERIFY(!m->LABLPocetHracu->isHidden());
    QCOMPARE(m->LABLPocetHracu->text(), QString("pocet hracu : 4"));
  }

  void sumsAndCountersAfterHands() {
    ScriptedPerson person;
    setRoster({"A", "B", "C"});
    m->BUTNNOvaHraClick();
    addRow({"      -0.20", "      +0.40", "      -0.20"});
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 1"));
    QVERIFY(m->BUTNSmazat->isEnabled());
    QVERIFY(m->POPUPSmazPosledni->isEnabled());
    QVERIFY(!m->POPUPSmazVSe->isEnabled());
    addRow({"      +0.60", "      -0.30", "      -0.30"});
    QCOMPARE(m->LABLPocetHer->text(), QString("Pocet her: 2"));
    QVERIFY(m->POPUPSmazVSe->isEnabled() && m->POPUPSmazHry->isEnabled());
    QCOMPARE(cell(0, 3), QString("      +0.40"));
    QCOMPARE(cell(1, 3), QString("      +0.10"));
    QCOMPARE(cell(2, 3), QString("      -0.50"));
    QCOMPARE(cell(3, 3), QString(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));

    // A new game over hands asks first; No keeps the evening.
    person.answers = {kvadus::MsgAnswer::No};
    m->BUTNNOvaHraClick();
    QCOMPARE(person.shown.last().text, QString("Opravdu zalozit novou hru ?"));
    QCOMPARE(m->STGOutput->rowCount(), 4);
  }

  void descriptionColumnSwitch() {
    ScriptedPerson person;
    setRoster({"A", "B", "C"});
    m->BUTNNOvaHraClick();
    addRow({"      -0.20", "      +0.40", "      -0.20"});

    person.answers = {kvadus::MsgAnswer::No};
    m->CKBXZobrazovatDruhyHer->click();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].text, QString("Opravdu smazat informace o hrach ?"));
    QVERIFY(m->CKBXZobrazovatDruhyHer->isChecked());
    QCOMPARE(m->STGOutput->columnCount(), 4);
    QCOMPARE(person.shown.size(), 1);  // re-checking did not ask again

    m->CKBXZobrazovatDruhyHer->click();  // Yes
    QVERIFY(!m->CKBXZobrazovatDruhyHer->isChecked());
    QCOMPARE(m->STGOutput->columnCount(), 3);
    QCOMPARE(cell(1, 2), QString("      +0.40"));

    m->CKBXZobrazovatDruhyHer->click();  // back on: header and empty hand cells
    QCOMPARE(m->STGOutput->columnCount(), 4);
    QCOMPARE(cell(3, 0), QString("vynasel hrac : typ,fleky [uhrano bodu, sedma]"));
    QCOMPARE(cell(3, 1), QString());
    QCOMPARE(cell(3, 2), QString(" << sumy za kazdeho hrace (suma celkem: 0 penez)"));
    QCOMPARE(m->STGOutput->columnWidth(3), 400);
  }

  void declarerSelectionAndMarkers() {
    ScriptedPerson person;
    setRoster({"A", "B", "C", "D"});
    m->BUTNNOvaHraClick();
    // A click on a player makes him the declarer.
    QListWidget* list = m->LIBXHraci;
    const QRect r = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(m->declarerIndex(), 2);
    QCOMPARE(markers(), QStringList({"voli       - ", "", "vynasi  >", ""}));

    m->LABLIndexVolice->setText("2");  // chooser and declarer coincide
    m->refreshRoleMarkers();
    QCOMPARE(markers(), QStringList({"", "", "vynasi  >", ""}));

    m->LABLIndexVolice->setText("7");  // beyond the players: skipped
    m->refreshRoleMarkers();
    QCOMPARE(markers(), QStringList({"", "", "vynasi  >", ""}));
    QCOMPARE(m->LSTBXOznaceniVolice->selectedItems().size(), 0);

    list->clearSelection();  // the game keeps its declarer
    QCOMPARE(m->declarerIndex(), 2);
    QVERIFY(m->BUTNPridejSkore->isEnabled());
  }

  void settingsPanelToggle() {
    ScriptedPerson person;
    QVERIFY(m->GRPBXNastaveni->isHidden());  // hidden after creation
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni >>"));
    QCOMPARE(m->BUTNNapovedaUpper->text(), QString("napoveda >>"));
    m->BUTNNastaveniParametru->click();
    QVERIFY(!m->GRPBXNastaveni->isHidden());
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni <<"));
    QCOMPARE(m->BUTNNapovedaUpper->text(), QString("napoveda <<"));
    m->BUTNZavritOknoNastaveni->click();
    QVERIFY(m->GRPBXNastaveni->isHidden());
    QCOMPARE(m->BUTNNastaveniParametru->text(), QString("nastaveni >>"));
    QCOMPARE(m->CHKBXKontrolovatPocetBodu->text(), QString("kontrolovat min. (90) a max. (190)"));
    QCOMPARE(m->LIBXFlekHraAbbrev->item(8)->text(), QString("help! :-)"));
    QCOMPARE(m->LIBXFlekSedmaValues->currentRow(), 0);
  }
};

QTEST_MAIN(TestLedgerWindow)
#include "test_ledger_window.moc"
