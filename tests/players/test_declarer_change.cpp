// The declarer change, opened from the main window's "  volic >>" as the
// person does: the dialog runs modally while the steps click in it.

#include "players/declarerchange.h"
#include "testsupport.h"

#include <QTimer>
#include <functional>

using namespace testsupport;

class TestDeclarerChange : public QObject {
  Q_OBJECT

  TFRMZmenaVolice* v = nullptr;
  ScriptedPerson person;

  void pick(int row) { clickRow(v->LBOXSeznamHracu, row); }
  // Presses "  volic >>"; the steps run inside the open dialog, which is then
  // closed with "Zavrit <<" (also when a step failed).
  void openDialog(const std::function<void()>& steps) {
    bool ran = false;
    QTimer::singleShot(0, v, [&] {
      ran = v->isVisible();
      if (ran) steps();
      v->BUTNCancel->click();
    });
    QVERIFY(FRMMain->BUTNZmenaVolice->isEnabled());
    FRMMain->BUTNZmenaVolice->click();
    QVERIFY(ran);
    QVERIFY(!v->isVisible());
  }

 private slots:
  void init() {
    person.reset();
    freshWindows();
    v = FRMZmenaVolice;
  }
  void cleanup() { destroyWindows(); }

  void pickThenBackToTheOriginal() {
    startGame({"A", "B", "C", "D"}, 1);
    openDialog([&] {
      QCOMPARE(items(v->LBOXSeznamHracu), QStringList({"A", "B", "C", "D"}));
      QCOMPARE(v->EDITPuvodneVolil->text(), QString("B"));
      QCOMPARE(v->EDITJmeno->text(), QString("B"));
      // Opening makes the declarer the chooser as well.
      QCOMPARE(FRMMain->LABLIndexVolice->text(), QString("1"));

      pick(3);  // takes effect at once
      QCOMPARE(v->EDITJmeno->text(), QString("D"));
      QCOMPARE(FRMMain->declarerIndex(), 3);
      QCOMPARE(FRMMain->LABLIndexVolice->text(), QString("3"));

      v->BUTNPuvodni->click();
      QCOMPARE(v->selectedIndex(), 1);
      QCOMPARE(v->EDITJmeno->text(), QString("B"));
      QCOMPARE(FRMMain->declarerIndex(), 1);
      QCOMPARE(FRMMain->LABLIndexVolice->text(), QString("1"));
    });
    // Closing refreshed the markers: chooser and declarer are one player.
    QCOMPARE(markers(), QStringList({"", "vynasi  >", "", ""}));
    QVERIFY(person.shown.isEmpty());
  }

  void pickStaysAndEachOpeningReloads() {
    startGame({"A", "B", "C"}, 0);
    openDialog([&] { pick(2); });
    QCOMPARE(FRMMain->declarerIndex(), 2);
    QCOMPARE(FRMMain->chooserIndex(), 2);
    QCOMPARE(markers(), QStringList({"", "", "vynasi  >"}));
    QVERIFY(FRMMain->BUTNPridejSkore->isEnabled());

    // The next opening starts from the game as it is now.
    openDialog([&] {
      QCOMPARE(v->EDITPuvodneVolil->text(), QString("C"));
      QCOMPARE(v->LABLIdxPuvodni->text(), QString("2"));
      pick(0);
    });
    QCOMPARE(FRMMain->declarerIndex(), 0);
  }

  void pickingTheLastPlayerWrapsTheTurn() {
    FRMMain->BUTNKontrolaCislaClick();
    startGame({"A", "B", "C", "D"}, 1);
    openDialog([&] { pick(3); });
    auto addHand = [] {
      points(6, 3);
      FRMMain->BUTNPridejSkore->click();
    };
    addHand();  // the picked player declares this hand...
    QCOMPARE(tableRow(1)[3], QString("      +0.20"));
    QCOMPARE(FRMMain->declarerIndex(), 0);  // ...and the next one starts with the first
    QCOMPARE(FRMMain->chooserIndex(), 0);
    addHand();
    QCOMPARE(tableRow(2)[0], QString("      +0.20"));
    QCOMPARE(FRMMain->declarerIndex(), 1);
  }
};

QTEST_MAIN(TestDeclarerChange)
#include "test_declarer_change.moc"
