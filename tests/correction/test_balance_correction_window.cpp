// The balance correction window through its controls: loading, choosing,
// moving, typing a balance, applying with its question, and the visits that
// drop unapplied changes.

#include "correction/balancecorrection.h"
#include "correction/correction.h"
#include "testsupport.h"

#include <QMessageBox>

using kvadus::MsgAnswer;
using namespace testsupport;

class TestBalanceCorrectionWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  TFRMUpravaStavu* d = nullptr;
  ScriptedPerson person;

  // "zmenit >>": the window shown and active, as a person gets it.
  void open() {
    m->BUTNZmenaStavu->click();
    QVERIFY(QTest::qWaitForWindowActive(d));
  }
  void comeBack(QWidget* from) {  // a visit to another window and back
    from->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(from));
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
  }
  static QStringList column(const QTableWidget* t, int c) {
    QStringList out;
    for (int r = 1; r < t->rowCount(); ++r) out << t->item(r, c)->text();
    return out;
  }
  QStringList newNames() const { return column(d->STRGRNove, 0); }
  QString newMoney(int row) const { return d->STRGRNove->item(row, 1)->text(); }
  static void clickRow(QTableWidget* t, int row) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 0)).center());
  }
  static void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  // Into the new balance, all of it replaced by the text.
  void typeMoney(const QString& text) {
    QTest::mouseClick(d->EDITNovePenize, Qt::LeftButton);
    d->EDITNovePenize->selectAll();
    QTest::keyClick(d->EDITNovePenize, Qt::Key_Backspace);
    QTest::keyClicks(d->EDITNovePenize, text);
  }
  bool indicators(bool order, bool money) const {
    return d->LABLPoradi->isEnabled() == order && d->LABLCena->isEnabled() == money;
  }
  // Two hands of A, B, C: balances +1.00, -0.20, -0.80.
  void twoHands() {
    appendHand({"      -0.20", "      +0.40", "      -0.20"});
    appendHand({"      +1.20", "      -0.60", "      -0.60"});
  }
  // The program's next message box shown for real; a person clicks the button.
  void answerRealBox(QMessageBox::StandardButton button, QString* text) {
    auto* t = new QTimer(this);
    connect(t, &QTimer::timeout, this, [t, button, text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      *text = box->text();
      t->deleteLater();
      box->button(button)->click();
    });
    t->start(5);
  }

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
    m = FRMMain;
    d = FRMUpravaStavu;
    m->flags.firstShowing = 0;  // no start-up dialogs here
    startGame({"A", "B", "C"});
  }
  void cleanup() { destroyWindows(); }

  void loadsThePlayers() {
    twoHands();
    open();
    for (QTableWidget* t : {d->STRGRNove, d->STRGRStare}) {
      QCOMPARE(column(t, 0), QStringList({"A", "B", "C"}));
      QCOMPARE(column(t, 1), QStringList({"      +1.00", "      -0.20", "      -0.80"}));
      QCOMPARE(column(t, 2), QStringList({"   1", "   2", "   3"}));
      QCOMPARE(t->horizontalHeaderItem(1)->text(), QString("penize"));
    }
    QCOMPARE(d->STRGRStare->columnWidth(0), 151);
    QCOMPARE(d->chosenRow(), 1);
    QCOMPARE(d->EDITCenaPredZmenou->text(), QString("      +1.00"));
    QCOMPARE(d->EDITNovePenize->text(), QString("+1.00"));
    QVERIFY(indicators(false, false));
    for (QWidget* w : QList<QWidget*>{d->BUTNPouzit, d->BUTNNahratZMain, d->ButnZpetPenize, d->EDITCenaPredZmenou})
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
  }

  // Either grid chooses; both then show the same player.
  void choosingInEitherGrid() {
    twoHands();
    open();
    click(d->BUTNUp);           // B, C, A
    clickRow(d->STRGRNove, 2);  // C
    QCOMPARE(d->STRGRStare->currentRow(), 3);
    QCOMPARE(d->EDITNovePenize->text(), QString("-0.80"));
    clickRow(d->STRGRStare, 1);  // A, by his old place
    QCOMPARE(d->chosenRow(), 3);
    QCOMPARE(d->EDITCenaPredZmenou->text(), QString("      +1.00"));
    QTest::keyClick(d->STRGRNove, Qt::Key_Home, Qt::ControlModifier);  // the keyboard chooses too: B
    QCOMPARE(d->STRGRStare->currentRow(), 2);
  }

  void movingRotatesAtBothEnds() {
    open();
    click(d->BUTNUp);  // A from the top
    QCOMPARE(newNames(), QStringList({"B", "C", "A"}));
    QCOMPARE(d->chosenRow(), 3);  // A stays chosen
    QVERIFY(indicators(true, false) && d->BUTNPouzit->isEnabled());
    QVERIFY(!d->BUTNNahratZMain->isEnabled());  // a rotation keeps its state
    QCOMPARE(column(d->STRGRStare, 0), QStringList({"A", "B", "C"}));

    click(d->ButnDown);  // and from the bottom back to the top
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));
    QCOMPARE(d->chosenRow(), 1);
    clickRow(d->STRGRNove, 3);
    click(d->ButnDown);  // C from the bottom
    QCOMPARE(newNames(), QStringList({"C", "A", "B"}));
    QCOMPARE(d->chosenRow(), 1);
    click(d->ButnDown);  // an ordinary step
    QCOMPARE(newNames(), QStringList({"A", "C", "B"}));
    QCOMPARE(d->chosenRow(), 2);
    QVERIFY(d->BUTNNahratZMain->isEnabled());
    QCOMPARE(items(m->LIBXHraci), QStringList({"A", "B", "C"}));  // nothing applied yet
  }

  // C, A, B applied: whole columns move, hands, sums and widths with them.
  void reorderMovesWholeColumns() {
    twoHands();
    m->STGOutput->item(1, 3)->setText("B : betl");
    m->STGOutput->setColumnWidth(0, 97);
    m->STGOutput->setColumnWidth(2, 123);
    const int defaultWidth = m->STGOutput->columnWidth(1);
    const QStringList before[] = {tableRow(1), tableRow(2), tableRow(3)};
    open();
    clickRow(d->STRGRNove, 3);
    click(d->ButnDown);
    click(d->BUTNPouzit);
    QCOMPARE(person.texts(), QStringList({"Chcete zmenit poradi hracu ?"}));
    QCOMPARE(items(m->LIBXHraci), QStringList({"C", "A", "B"}));
    QCOMPARE(tableRow(0).mid(0, 3), QStringList({"C", "A", "B"}));
    QCOMPARE(m->STGOutput->horizontalHeaderItem(0)->text(), QString("C"));
    for (int r = 1; r <= 3; ++r) {
      const QStringList& was = before[r - 1];
      QCOMPARE(tableRow(r), QStringList({was[2], was[0], was[1], was[3]}));
    }
    QCOMPARE(m->STGOutput->columnWidth(0), 123);
    QCOMPARE(m->STGOutput->columnWidth(1), 97);
    QCOMPARE(m->STGOutput->columnWidth(2), defaultWidth);
    // The window starts afresh from the new order, C still chosen.
    QCOMPARE(newNames(), QStringList({"C", "A", "B"}));
    QCOMPARE(column(d->STRGRNove, 2), QStringList({"   1", "   2", "   3"}));
    QCOMPARE(d->chosenRow(), 1);
    QVERIFY(indicators(false, false) && !d->BUTNPouzit->isEnabled());
  }

  // "12,5" is kept as typed (with the system's mark) and applied as one row.
  void aNewBalanceBecomesTheOnlyRow_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::newRow("comma system, comma") << "cs_CZ"
                                         << "12,5";
    QTest::newRow("comma system, dot") << "cs_CZ"
                                       << "12.5";
    QTest::newRow("dot system, comma") << "en_US"
                                       << "12,5";
  }
  void aNewBalanceBecomesTheOnlyRow() {
    useRowLocale();
    QFETCH(QString, typed);
    twoHands();
    open();
    clickRow(d->STRGRNove, 2);
    typeMoney(typed);
    QVERIFY(d->ButnZpetPenize->isEnabled() && d->BUTNPouzit->isEnabled() && d->BUTNNahratZMain->isEnabled());
    QVERIFY(indicators(false, false));  // not before the field is left
    clickRow(d->STRGRNove, 3);
    QCOMPARE(newMoney(2), local("12#5"));
    QVERIFY(indicators(false, true));
    click(d->BUTNPouzit);
    QCOMPARE(person.texts(), QStringList({"Chcete zmenit finance\n(vsechny predchozi hry budou smazany) ?"}));
    QCOMPARE(m->STGOutput->rowCount(), 3);
    QCOMPARE(tableRow(1), QStringList({"      +1.00", "     +12.50", "      -0.80", "uprava stavu penez"}));
    QCOMPARE(sums(), QStringList({"      +1.00", "     +12.50", "      -0.80"}));
    QCOMPARE(column(d->STRGRNove, 1), sums());  // loaded again
  }

  void moneyWithoutHandsAsksWithoutTheTail() {
    open();
    typeMoney("-5");
    click(d->BUTNPouzit);
    QCOMPARE(person.texts(), QStringList({"Chcete zmenit finance ?"}));
    QCOMPARE(tableRow(1), QStringList({"      -5.00", "      +0.00", "      +0.00", "uprava stavu penez"}));
    QCOMPARE(sums(), QStringList({"      -5.00", "      +0.00", "      +0.00"}));
  }

  // Order and money together: the names are written in the new order.
  void orderAndMoneyTogether() {
    twoHands();
    open();
    click(d->BUTNUp);  // B, C, A; A chosen
    typeMoney("3");
    click(d->BUTNPouzit);
    QCOMPARE(person.texts(),
             QStringList({"Chcete zmenit poradi hracu a finance\n(vsechny predchozi hry budou smazany) ?"}));
    QCOMPARE(items(m->LIBXHraci), QStringList({"B", "C", "A"}));
    QCOMPARE(tableRow(0).mid(0, 3), QStringList({"B", "C", "A"}));
    QCOMPARE(sums(), QStringList({"      -0.20", "      -0.80", "      +3.00"}));
    QCOMPARE(d->chosenRow(), 3);
  }

  // A refused balance: the click that left the field does nothing, the
  // focus comes back, the grid keeps the player's money.
  void aRefusedBalanceTakesTheFocusBack() {
    open();
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral("10000000000000")}) {
      person.reset();
      typeMoney(text);
      clickRow(d->STRGRNove, 2);  // would choose B
      QCOMPARE(person.shown.size(), 1);
      QCOMPARE(person.shown[0].caption, QString("Chyba"));
      QCOMPARE(person.shown[0].text,
               text == "abc" ? QString("Zadejte desetinne cislo !") : kvadus::correction::balanceTooLargeMessage());
      QTRY_COMPARE(QApplication::focusWidget(), d->EDITNovePenize);
      QCOMPARE(d->chosenRow(), 1);
      QCOMPARE(d->EDITNovePenize->text(), text);  // there to be corrected
      QCOMPARE(newMoney(1), QString("      +0.00"));
      QVERIFY(indicators(false, false));
    }
    click(d->BUTNUp);  // refused again: no move
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));
    QTRY_COMPARE(QApplication::focusWidget(), d->EDITNovePenize);
    d->EDITNovePenize->setText("-9999999999999.99");  // the largest debt the table keeps
    click(d->BUTNUp);
    QCOMPARE(newMoney(3), QString("-9999999999999.99"));  // A, gone to the bottom
    QVERIFY(indicators(true, true));
  }

  void theBackButtonAndTab() {
    twoHands();
    open();
    typeMoney("7");
    click(d->ButnZpetPenize);
    QCOMPARE(d->EDITNovePenize->text(), QString("+1.00"));
    QTRY_COMPARE(QApplication::focusWidget(), d->EDITNovePenize);
    clickRow(d->STRGRNove, 2);
    QCOMPARE(newMoney(1), QString("      +1.00"));
    QVERIFY(indicators(false, false));  // nothing was stored
    // Tab goes on past the button: the typed balance is kept.
    typeMoney("6");
    QTest::keyClick(d->EDITNovePenize, Qt::Key_Tab);
    QCOMPARE(newMoney(2), QString("6"));
    QVERIFY(indicators(false, true));
    QVERIFY(person.shown.isEmpty());
  }

  // Only another number is a change: passing through the field, or "Pouzit"
  // with nothing changed, only loads the window again.
  void passingThroughChangesNothing() {
    twoHands();
    open();
    QTest::mouseClick(d->EDITNovePenize, Qt::LeftButton);
    QTest::keyClick(d->EDITNovePenize, Qt::Key_End);
    QTest::keyClick(d->EDITNovePenize, Qt::Key_Backspace);
    QTest::keyClicks(d->EDITNovePenize, "0");  // "+1.00" again
    QVERIFY(d->BUTNPouzit->isEnabled());
    click(d->BUTNPouzit);
    QVERIFY(person.shown.isEmpty());
    QVERIFY(indicators(false, false) && !d->BUTNPouzit->isEnabled());
    QCOMPARE(m->STGOutput->rowCount(), 4);
    QTest::mouseClick(d->EDITNovePenize, Qt::LeftButton);
    click(d->ButnDown);  // leaves the untouched field
    QVERIFY(indicators(true, false));
  }

  void refusingTheQuestionKeepsTheEdits() {
    twoHands();
    open();
    person.answers = {MsgAnswer::No};
    click(d->ButnDown);  // B, A, C
    typeMoney("2,25");
    click(d->BUTNPouzit);
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(m->STGOutput->rowCount(), 4);
    QCOMPARE(items(m->LIBXHraci), QStringList({"A", "B", "C"}));
    QCOMPARE(newNames(), QStringList({"B", "A", "C"}));
    QCOMPARE(newMoney(2), QString("2.25"));
    QVERIFY(indicators(true, true) && d->BUTNPouzit->isEnabled());
  }

  // A visit to the main window, or "<-- zpet vsechny zmeny", drops every
  // unapplied change; the chosen player stays chosen.
  void loadingAgainDropsTheChanges() {
    m->show();
    open();
    clickRow(d->STRGRNove, 2);
    click(d->ButnDown);
    typeMoney("9");
    comeBack(m);
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));
    QCOMPARE(column(d->STRGRNove, 1), sums());
    QVERIFY(indicators(false, false) && !d->BUTNPouzit->isEnabled());
    QVERIFY(person.shown.isEmpty());  // leaving for another window checks nothing
    QCOMPARE(d->chosenRow(), 2);      // B

    click(d->ButnDown);
    typeMoney("1");
    click(d->BUTNNahratZMain);
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));
    QCOMPARE(column(d->STRGRNove, 1), sums());
    QVERIFY(indicators(false, false) && !d->BUTNNahratZMain->isEnabled());
  }

  // Real boxes take the activation; its return when they close is no visit.
  void comingBackFromItsOwnBoxIsNoNewVisit() {
    twoHands();
    m->show();
    open();
    const auto responder = kvadus::setMessageResponder({});
    QString asked;
    click(d->BUTNUp);
    answerRealBox(QMessageBox::No, &asked);
    click(d->BUTNPouzit);
    QCOMPARE(asked, QString("Chcete zmenit poradi hracu ?"));
    QVERIFY(QApplication::activeWindow() != d);  // the box had it
    d->activateWindow();                         // as a desktop gives it back
    QVERIFY(QTest::qWaitForWindowActive(d));
    QCOMPARE(newNames(), QStringList({"B", "C", "A"}));
    QVERIFY(indicators(true, false));

    typeMoney("x");
    answerRealBox(QMessageBox::Ok, &asked);
    clickRow(d->STRGRNove, 1);
    QCOMPARE(asked, QString("Zadejte desetinne cislo !"));
    QTRY_COMPARE(QApplication::focusWidget(), d->EDITNovePenize);  // the window takes it back
    QCOMPARE(d->EDITNovePenize->text(), QString("x"));
    QCOMPARE(newNames(), QStringList({"B", "C", "A"}));

    d->EDITNovePenize->setText("+1.00");
    comeBack(m);
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));

    // After a box the desktop may hand the activation to another window:
    // coming back from there is a visit.
    click(d->BUTNUp);
    answerRealBox(QMessageBox::No, &asked);
    click(d->BUTNPouzit);
    comeBack(m);
    QCOMPARE(newNames(), QStringList({"A", "B", "C"}));
    kvadus::setMessageResponder(responder);
  }
};

QTEST_MAIN(TestBalanceCorrectionWindow)
#include "test_balance_correction_window.moc"
