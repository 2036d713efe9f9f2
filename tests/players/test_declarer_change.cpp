// The declarer change, opened from the main window's "  volic >>" as the
// person does: the dialog runs modally while the steps click in it.

#include "common/radiogroup.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

using testsupport::ScriptedPerson;
using testsupport::startGame;

class TestDeclarerChange : public QObject {
  Q_OBJECT

  TFRMZmenaVolice* v = nullptr;

  static QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  static QStringList markers() {
    QStringList out;
    for (int i = 0; i < FRMMain->LSTBXOznaceniVolice->count(); ++i)
      out << FRMMain->LSTBXOznaceniVolice->item(i)->text();
    return out;
  }
  void pick(int row) {
    QListWidget* list = v->LBOXSeznamHracu;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
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
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindows();
    v = FRMZmenaVolice;
  }
  void cleanup() { destroyWindows(); }

  void pickThenBackToTheOriginal() {
    ScriptedPerson person;
    startGame({"A", "B", "C", "D"}, 1);
    QCOMPARE(FRMMain->chooserIndex(), 0);
    QCOMPARE(markers(), QStringList({"voli       - ", "vynasi  >", "", ""}));

    openDialog([&] {
      QCOMPARE(v->windowTitle(), QString("Zmena volice"));
      QCOMPARE(items(v->LBOXSeznamHracu), QStringList({"A", "B", "C", "D"}));
      QCOMPARE(v->EDITPuvodneVolil->text(), QString("B"));
      QCOMPARE(v->EDITJmeno->text(), QString("B"));
      QCOMPARE(v->LABLIdxPuvodni->text(), QString("1"));
      // Opening makes the declarer the chooser as well.
      QCOMPARE(FRMMain->LABLIndexVolice->text(), QString("1"));

      pick(3);  // takes effect at once
      QCOMPARE(v->EDITJmeno->text(), QString("D"));
      QCOMPARE(FRMMain->declarerIndex(), 3);
      QCOMPARE(FRMMain->LABLIndexVolice->text(), QString("3"));
      QCOMPARE(v->EDITPuvodneVolil->text(), QString("B"));

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
    ScriptedPerson person;
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

    FRMMain->CKBXHraniPauzirovaneho->setChecked(true);
    startGame({"P", "Q", "R", "S", "T"}, 4);
    openDialog([&] {
      QCOMPARE(items(v->LBOXSeznamHracu), QStringList({"P", "Q", "R", "S", "T"}));
      QCOMPARE(v->selectedIndex(), 4);
      QCOMPARE(v->EDITPuvodneVolil->text(), QString("T"));
    });
    QCOMPARE(FRMMain->chooserIndex(), 4);
    QCOMPARE(FRMMain->declarerIndex(), 4);
  }

  void pickingTheLastPlayerWrapsTheTurn() {
    ScriptedPerson person;
    FRMMain->BUTNKontrolaCislaClick();
    startGame({"A", "B", "C", "D"}, 1);
    openDialog([&] { pick(3); });
    auto addHand = [] {
      FRMMain->RAGRUhrano->setItemIndex(6);
      FRMMain->RAGRProti->setItemIndex(3);
      FRMMain->BUTNPridejSkore->click();
    };
    addHand();  // the picked player declares this hand...
    QCOMPARE(FRMMain->STGOutput->item(1, 3)->text(), QString("      +0.20"));
    QCOMPARE(FRMMain->declarerIndex(), 0);  // ...and the next one starts with the first
    QCOMPARE(FRMMain->chooserIndex(), 0);
    addHand();
    QCOMPARE(FRMMain->STGOutput->item(2, 0)->text(), QString("      +0.20"));
    QCOMPARE(FRMMain->declarerIndex(), 1);
  }
};

QTEST_MAIN(TestDeclarerChange)
#include "test_declarer_change.moc"
