// The evening ledger driven through the main window's controls.

#include "common/textforms.h"
#include "testsupport.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

using kvadus::MsgAnswer;
using namespace testsupport;

class TestLedgerWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  ScriptedPerson person;

  static const inline QString kHeader = "vynasel hrac : typ,fleky [uhrano bodu, sedma]";
  static const inline QString kZeroSums = " << sumy za kazdeho hrace (suma celkem: 0 penez)";

 private slots:
  void init() {
    person.reset();
    freshWindows();
    m = FRMMain;
  }
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

  // Widths follow the columns: after a game of more players the old
  // description column's index is a player's column of the player width.
  void columnWidthsFollowTheColumns() {
    const int playerWidth = m->STGOutput->horizontalHeader()->defaultSectionSize();
    QVERIFY(playerWidth >= 80);
    for (const QStringList& names :
         {QStringList{"A", "B", "C"}, QStringList{"A", "B", "C", "D", "E"}, QStringList{"A", "B"}}) {
      startGame(names);
      const int n = static_cast<int>(names.size());
      for (int c = 0; c < n; ++c) QCOMPARE(m->STGOutput->columnWidth(c), playerWidth);
      QCOMPARE(m->STGOutput->columnWidth(n), 400);
    }
    // A money cell fits its column.
    const QFontMetrics fm(m->STGOutput->font());
    QVERIFY(fm.horizontalAdvance(kvadus::signedMoneyText(-12345678.9)) < playerWidth);
  }

  // The markers stand beside their players also when the list scrolls.
  void markersStayInLineWithTheirPlayers() {
    m->flags.firstShowing = 0;  // no start-up dialogs here
    m->show();
    const QStringList seven = {"A", "B", "C", "D", "E", "F", "G"};
    auto topRow = [](QListWidget* list) { return list->indexAt(QPoint(2, 2)).row(); };
    for (int declarer : {5, 6, 0, 3}) {
      startGame(seven, declarer);
      QCoreApplication::processEvents();
      QCOMPARE(topRow(m->LSTBXOznaceniVolice), topRow(m->LIBXHraci));
      QCOMPARE(m->LSTBXOznaceniVolice->item(declarer)->text(), QString("vynasi  >"));
    }
    // A name wider than the list, or in a taller fallback font, changes
    // neither the rows nor the scroll range.
    startGame({"A", "B", "C", QString(40, '7'), QString::fromUtf16(u"\u65E5\u672C"), "F"}, 5);
    QCoreApplication::processEvents();
    QCOMPARE(topRow(m->LSTBXOznaceniVolice), topRow(m->LIBXHraci));
    QCOMPARE(m->LSTBXOznaceniVolice->verticalScrollBar()->maximum(), m->LIBXHraci->verticalScrollBar()->maximum());
    // And after the turn passes.
    m->LABLIndexVolice->setText("4");
    m->selectDeclarer(4);
    m->refreshRoleMarkers();
    QCoreApplication::processEvents();
    QCOMPARE(topRow(m->LSTBXOznaceniVolice), topRow(m->LIBXHraci));
  }

  // The sum row is wholly in view, above the horizontal scroll bar; a hand
  // booked with the view elsewhere brings it back there, to the bottom and
  // the first column, where the view itself would put it.
  void theSumRowIsInView() {
    m->flags.firstShowing = 0;
    m->show();
    startGame({"A", "B", "C", "D", "E", "F"});
    for (int i = 0; i < 30; ++i) appendHand({"+1.00", "-1.00"});
    QScrollBar* down = m->STGOutput->verticalScrollBar();
    QScrollBar* across = m->STGOutput->horizontalScrollBar();
    const auto sumRowInView = [&] {
      QCoreApplication::processEvents();
      const QModelIndex sums = m->STGOutput->model()->index(m->STGOutput->rowCount() - 1, 0);
      const QRect sumRow = m->STGOutput->visualRect(sums);
      QVERIFY(across->isVisible());
      QVERIFY2(sumRow.top() >= 0 && sumRow.bottom() < m->STGOutput->viewport()->height(),
               qPrintable(QString("sum row %1..%2, view %3")
                              .arg(sumRow.top())
                              .arg(sumRow.bottom())
                              .arg(m->STGOutput->viewport()->height())));
      const QList<int> at = {down->value(), across->value()};
      QCOMPARE(at, QList<int>({down->maximum(), 0}));
      m->STGOutput->scrollTo(sums, QAbstractItemView::PositionAtBottom);
      QCOMPARE(QList<int>({down->value(), across->value()}), at);
    };
    sumRowInView();
    down->setValue(0);
    across->setValue(across->maximum());
    points(6, 3);
    m->BUTNPridejSkoreClick();
    QCOMPARE(m->STGOutput->rowCount(), 33);
    sumRowInView();
  }

  // A whole grid put into the table: every cell and header as given, the
  // names row hidden, items not editable, and the view told once whether
  // the items stay (as many columns) or the table starts over. A copy kept
  // for the recovery copies sees every change.
  void tableTakesAWholeGrid() {
    startGame({"A", "B", "C"});
    kvadus::TableCopy copy(*m->grid, m->STGOutput);
    const auto copied = [&] { return copy.now() == kvadus::MemoryGrid::copyOf(*m->grid); };
    for (int i = 0; i < 3; ++i) {
      appendHand({"+1.00", "-1.00"});
      QVERIFY(copied());
    }
    m->POPUPSmazPosledniClick();
    QVERIFY(copied());
    const auto grid = [](int columns, int rows, const QString& tag) {
      kvadus::MemoryGrid g(columns, rows);
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) g.setCell(c, r, tag + QString::number(r * columns + c));
      return g;
    };
    for (const kvadus::MemoryGrid& g : {grid(4, 9, "x"), grid(4, 3, "y"), grid(6, 5, "z")}) {
      QSignalSpy told(m->STGOutput->model(), &QAbstractItemModel::dataChanged);
      m->grid->assign(g);
      QCOMPARE(told.size(), 1);
      QCOMPARE(m->STGOutput->rowCount(), g.rowCount());
      QCOMPARE(m->STGOutput->columnCount(), g.columnCount());
      for (int r = 0; r < g.rowCount(); ++r) QCOMPARE(tableRow(r), g.row(r));
      for (int c = 0; c < g.columnCount(); ++c) {
        QCOMPARE(m->STGOutput->horizontalHeaderItem(c)->text(), g.cell(c, 0));
        QCOMPARE(m->STGOutput->item(1, c)->flags(), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      QVERIFY(m->STGOutput->isRowHidden(0));
      QCOMPARE(m->STGOutput->item(1, 0)->data(Qt::AccessibleTextRole).toString(),
               g.cell(0, 0) + ", hra 1: " + g.cell(0, 1));  // read with its player and row
      QVERIFY(copied());
    }
  }
};

QTEST_MAIN(TestLedgerWindow)
#include "test_ledger_window.moc"
