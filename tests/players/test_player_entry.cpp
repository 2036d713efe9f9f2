// The roster: its rules without a screen, then the player entry window driven
// through its controls together with the main window's new game.

#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "players/roster.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

using kvadus::MsgAnswer;
using testsupport::ScriptedPerson;
namespace roster = kvadus::roster;

class TestPlayerEntry : public QObject {
  Q_OBJECT

  TFORMZadaniHracu* d = nullptr;

  static QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  // Fills the roster through the window, as the person (or a settings file)
  // does: empty it, then type and add every name.
  void enterRoster(const QStringList& names) {
    d->BUTNSmazHrace->click();
    for (const QString& n : names) {
      d->EDITJmenoHrace->setText(n);
      d->BUTNPridat->click();
    }
  }
  void clickRosterEntry(int row) {
    QListWidget* list = d->LBOXSeznamHracu;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  void reopen() {
    d->BUTNCancel->click();
    d->show();
  }
  // Puts a played hand into the score table, so that a new game asks first.
  static void addHand() {
    kvadus::ScoreGrid& g = *FRMMain->grid;
    g.setRowCount(g.rowCount() + 1);
    FRMMain->BUTNSpoctiSumuClick();
  }
  static QStringList tableNames() {
    QStringList out;
    for (int c = 0; c < FRMMain->LIBXHraci->count(); ++c) out << FRMMain->grid->cell(c, 0);
    return out;
  }

 private slots:
  void init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindows();
    d = FORMZadaniHracu;
  }
  void cleanup() { destroyWindows(); }

  // ---- rules ----------------------------------------------------------------

  void sameNameIgnoresCaseOnly_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("case") << "Ja" << "ja" << true;
    QTest::newRow("accented") << QString::fromUtf8("ČERT") << QString::fromUtf8("čert") << true;
    QTest::newRow("trailing blank") << "Ja " << "Ja" << false;
    QTest::newRow("prefix") << "Jan" << "Ja" << false;
  }
  void sameNameIgnoresCaseOnly() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(roster::sameName(a, b), same);
    QCOMPARE(roster::findSameName({"Pepa", a, b}, b), same ? 1 : 2);
  }

  void trimming() {
    QCOMPARE(roster::trimmedName(QStringLiteral(" \t Jan Novak \x01\n")), QString("Jan Novak"));
    QCOMPARE(roster::trimmedName(QStringLiteral("   ")), QString());
  }

  void partialGameRotation() {
    // The window's tests cover the plain case; here the wrap and short rosters.
    const QStringList five = {"A", "B", "C", "D", "E"};
    QCOMPARE(roster::partialGamePlayers(five, 3, 3), QStringList({"D", "E", "A"}));
    QCOMPARE(roster::partialGameNextSelection(5, 3, 3), 1);
    // A roster shorter than the game seats nobody twice and never divides by zero.
    QCOMPARE(roster::partialGamePlayers({"A", "B"}, 1, 3), QStringList({"B", "A"}));
    QCOMPARE(roster::partialGameNextSelection(2, 1, 3), 1);
    QCOMPARE(roster::partialGamePlayers({}, -1, 3), QStringList());
    QCOMPARE(roster::partialGameNextSelection(0, -1, 3), -1);
    QCOMPARE(roster::renamedPlayers({"A", "B"}, {"X", "Y", "Z"}), QStringList({"X", "Y"}));
  }

  void entryStateRules() {
    // "vsichni" needs sitting out and four names; "dva" needs the setting.
    QVERIFY(roster::entryState(5, false, 0, false, true).allEnabled);
    QVERIFY(!roster::entryState(5, false, 0, true, false).allEnabled);
    QVERIFY(!roster::entryState(3, false, 0, true, true).allEnabled);
    QVERIFY(!roster::entryState(5, false, 0, false, true).twoEnabled);
    // Renaming needs a game as long as the roster.
    QVERIFY(roster::entryState(3, false, 3, true, true).renameEnabled);
    QVERIFY(!roster::entryState(4, false, 3, true, true).renameEnabled);
    const roster::EntryState s = roster::entryState(0, false, 3, true, true);
    QVERIFY(!s.removeAllEnabled && s.reloadEnabled && !s.selectionEnabled && s.noteEnabled);
  }

  // ---- the window -----------------------------------------------------------

  void twoNamesAndTheMinimum() {
    ScriptedPerson person;
    d->show();
    enterRoster({"A", "B"});
    QVERIFY(FRMMain->CHBXPovolenaHraVeDvou->isChecked());
    QVERIFY(!d->GRPBXPoznamka->isEnabled());
    QVERIFY(!d->LABLMinPocetHracuText->isEnabled());
    QCOMPARE(d->LABLMinPocetHracuText->text(), QString("DVA hraci !"));
    QVERIFY(d->BUTNNovaHra->isEnabled());
    QVERIFY(FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(d->POPMNUNovaHraDva->isEnabled());
    QVERIFY(!d->POPMNUNovaHraTri->isEnabled());
    QVERIFY(!d->POPMNUNovaHraVsichni->isEnabled());

    FRMMain->CHBXPovolenaHraVeDvou->setChecked(false);
    reopen();
    QVERIFY(d->GRPBXPoznamka->isEnabled());
    QVERIFY(d->LABLMinPocetHracuText1->isEnabled());
    QCOMPARE(d->LABLMinPocetHracuText1->text(), QString("Na kvadus jsou potreba nejmene"));
    QCOMPARE(d->LABLMinPocetHracuText->text(), QString("TRI hraci !"));
    QCOMPARE(d->LABLMinHracu->text(), QString("3"));
    QVERIFY(!d->BUTNNovaHra->isEnabled());
    QVERIFY(!FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(!d->POPMNUNovaHraDva->isEnabled());

    // A third name is enough again.
    d->EDITJmenoHrace->setText("C");
    d->BUTNPridat->click();
    QVERIFY(FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(!d->GRPBXPoznamka->isEnabled());
    QVERIFY(d->POPMNUNovaHraTri->isEnabled());
    QVERIFY(person.shown.isEmpty());
  }

  void duplicateNamesAsk() {
    ScriptedPerson person;
    d->show();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Ja", "Franta", "Pepa", "Karel"}));

    person.answers = {MsgAnswer::No};
    d->EDITJmenoHrace->setText("ja");
    d->BUTNPridat->click();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Dotaz"));
    QCOMPARE(person.shown[0].text,
             QString("V seznamu se jiz hrac s podobnym jmenem nachazi.\nChcete ho presto pridat ? "));
    QCOMPARE(person.shown[0].buttons, kvadus::MsgButtons::YesNo);
    QCOMPARE(d->LBOXSeznamHracu->count(), 4);

    d->BUTNPridat->click();  // Yes: added all the same
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Ja", "Franta", "Pepa", "Karel", "ja"}));

    // Leaving the field trims the name, so "Ja " is "Ja" by the time it is added.
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->EDITJmenoHrace->setFocus();
    d->EDITJmenoHrace->selectAll();
    QTest::keyClicks(d->EDITJmenoHrace, "Ja ");
    QCOMPARE(d->EDITJmenoHrace->text(), QString("Ja "));
    person.answers = {MsgAnswer::No};
    QTest::mouseClick(d->BUTNPridat, Qt::LeftButton);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("Ja"));
    QCOMPARE(person.shown.size(), 3);
    QCOMPARE(d->LBOXSeznamHracu->count(), 5);
  }

  void nameFieldRefusesSemicolons() {
    ScriptedPerson person;
    d->show();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->EDITJmenoHrace->setFocus();
    d->EDITJmenoHrace->clear();
    QTest::keyClicks(d->EDITJmenoHrace, "Pe;pa");
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Chyba"));
    QCOMPARE(person.shown[0].text, QString("Jmeno hrace nemuze obsahovat znak ';'"));
    QCOMPARE(d->EDITJmenoHrace->text(), QString("Pepa"));
    QCOMPARE(d->EDITJmenoHrace->cursorPosition(), 4);  // typing went on in place

    d->EDITJmenoHrace->setText(";a;b;");  // pasted: one message, all of them gone
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("ab"));

    d->BUTNSmazJmenoHrace->click();
    QCOMPARE(d->EDITJmenoHrace->text(), QString());
    QVERIFY(!d->BUTNPridat->isEnabled());
    d->EDITJmenoHrace->setText(";");
    QVERIFY(!d->BUTNPridat->isEnabled());
    d->EDITJmenoHrace->setText("x");
    QVERIFY(d->BUTNPridat->isEnabled());
  }

  void crowdNoteOncePerOpening() {
    ScriptedPerson person;
    d->show();  // four sample names
    for (const char* n : {"E", "F"}) {
      d->EDITJmenoHrace->setText(n);
      d->BUTNPridat->click();
    }
    QVERIFY(person.shown.isEmpty());
    d->EDITJmenoHrace->setText("G");  // the seventh
    d->BUTNPridat->click();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("technicka poznamka :-)"));
    QCOMPARE(person.shown[0].text,
             QString("... ne ze bych chtel kibicovat ... \n"
                     "... ale nebylo by lepsi koupit dalsi balicek karet ?\n\n"
                     "                   ;-)"));
    QCOMPARE(person.shown[0].buttons, kvadus::MsgButtons::Ok);
    QCOMPARE(d->LBOXSeznamHracu->count(), 7);

    d->EDITJmenoHrace->setText("H");
    d->BUTNPridat->click();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(d->EDITPocetHracu->text(), QString("8"));

    reopen();
    d->EDITJmenoHrace->setText("I");
    d->BUTNPridat->click();
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(d->LBOXSeznamHracu->count(), 9);
  }

  void addGoesBeforeTheSelection() {
    ScriptedPerson person;
    d->show();
    enterRoster({"A", "B", "C"});
    QVERIFY(!d->BUTNOdebrat->isEnabled());
    clickRosterEntry(1);
    QVERIFY(d->BUTNOdebrat->isEnabled() && d->BUTNHracDolu->isEnabled());
    for (const char* n : {"X", "Y"}) {
      d->EDITJmenoHrace->setText(n);
      d->BUTNPridat->click();
    }
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "X", "Y", "B", "C"}));
    QCOMPARE(d->selectedIndex(), 3);  // still "B"
  }

  void removeEntries() {
    ScriptedPerson person;
    d->show();
    enterRoster({"A", "B", "C"});
    clickRosterEntry(1);
    d->BUTNOdebrat->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "C"}));
    QCOMPARE(d->EDITJmenoHrace->text(), QString("B"));
    QCOMPARE(d->selectedIndex(), 1);
    d->BUTNOdebrat->click();  // the last one: the new last is selected
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A"}));
    QCOMPARE(d->selectedIndex(), 0);
    d->BUTNOdebrat->click();  // the only one
    QCOMPARE(d->LBOXSeznamHracu->count(), 0);
    QCOMPARE(d->selectedIndex(), -1);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("A"));
    QVERIFY(!d->BUTNOdebrat->isEnabled());
    QVERIFY(!d->BUTNSmazHrace->isEnabled());
    QVERIFY(d->GRPBXPoznamka->isEnabled());
    QCOMPARE(d->EDITPocetHracu->text(), QString("0"));

    // Renaming by remove, edit and add puts the name back in its place.
    enterRoster({"A", "B", "C"});
    clickRosterEntry(1);
    d->BUTNOdebrat->click();
    d->EDITJmenoHrace->setText("Bob");
    d->BUTNPridat->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "Bob", "C"}));

    d->BUTNSmazHrace->click();
    QCOMPARE(d->LBOXSeznamHracu->count(), 0);
    QVERIFY(!FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(person.shown.isEmpty());
  }

  void movesFollowTheCaptions() {
    ScriptedPerson person;
    d->show();
    enterRoster({"A", "B", "C"});
    QCOMPARE(d->BUTNHracDolu->text(), QString("presun nahoru"));
    clickRosterEntry(2);
    d->BUTNHracDolu->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "C", "B"}));
    QCOMPARE(d->selectedIndex(), 1);
    d->BUTNHracDolu->click();
    d->BUTNHracDolu->click();  // already first
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"C", "A", "B"}));
    QCOMPARE(d->selectedIndex(), 0);
    d->BUTNHracNahoru->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "C", "B"}));
    QCOMPARE(d->selectedIndex(), 1);
    d->BUTNHracNahoru->click();
    d->BUTNHracNahoru->click();  // already last
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "B", "C"}));
    QCOMPARE(d->selectedIndex(), 2);
  }

  void partialGamesRotate() {
    ScriptedPerson person;
    d->show();
    enterRoster({"N1", "N2", "N3", "N4", "N5"});
    clickRosterEntry(2);
    QVERIFY(d->POPMNUNovaHraTri->isEnabled());
    d->POPMNUNovaHraTri->trigger();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"N3", "N4", "N5"}));
    QCOMPARE(FRMMain->declarerIndex(), 0);
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"N1", "N2", "N3", "N4", "N5"}));
    QCOMPARE(d->selectedIndex(), 0);
    QVERIFY(person.shown.isEmpty());

    d->POPMNUNovaHraTri->trigger();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"N1", "N2", "N3"}));
    QCOMPARE(d->selectedIndex(), 3);

    d->POPMNUNovaHraDva->trigger();  // from N4: the two after it
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"N4", "N5"}));
    QCOMPARE(d->selectedIndex(), 0);

    // Declined over played hands: the game stays, the roster is whole again.
    addHand();
    person.answers = {MsgAnswer::No};
    d->POPMNUNovaHraTri->trigger();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].text, QString("Opravdu zalozit novou hru ?"));
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"N4", "N5"}));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 3);
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"N1", "N2", "N3", "N4", "N5"}));
    QCOMPARE(d->selectedIndex(), 3);
  }

  void wholeRosterGames() {
    ScriptedPerson person;
    d->show();
    FRMMain->CKBXHraniPauzirovaneho->setChecked(true);
    reopen();
    QVERIFY(d->POPMNUNovaHraVsichni->isEnabled());
    clickRosterEntry(2);
    d->POPMNUNovaHraVsichni->trigger();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"Ja", "Franta", "Pepa", "Karel"}));
    QCOMPARE(FRMMain->declarerIndex(), 2);
    QCOMPARE(d->selectedIndex(), 2);  // a whole-roster game leaves the selection be

    // "Nova hra" pops up its menu under the button.
    d->BUTNNovaHra->click();
    QTRY_VERIFY(d->POPMNUNovaHra->isVisible());
    d->POPMNUNovaHra->close();

    FRMMain->CKBXHraniPauzirovaneho->setChecked(false);
    reopen();
    QVERIFY(!d->POPMNUNovaHraVsichni->isEnabled());
  }

  void renameTheRunningGame() {
    ScriptedPerson person;
    d->show();
    QVERIFY(!d->BUTNZamenit->isEnabled());  // no game yet
    QVERIFY(!d->BUTNNahratJmena->isEnabled());
    enterRoster({"A", "B", "C"});
    d->BUTNNova->click();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"A", "B", "C"}));
    reopen();
    QVERIFY(d->BUTNZamenit->isEnabled());
    QVERIFY(d->BUTNNahratJmena->isEnabled());

    // Same length: every player takes the roster's name, the table follows.
    clickRosterEntry(1);
    d->BUTNOdebrat->click();
    d->EDITJmenoHrace->setText("Bob");
    d->BUTNPridat->click();
    QVERIFY(d->BUTNZamenit->isEnabled());
    d->BUTNZamenit->click();
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"A", "Bob", "C"}));
    QCOMPARE(tableNames(), QStringList({"A", "Bob", "C"}));
    QCOMPARE(FRMMain->STGOutput->horizontalHeaderItem(1)->text(), QString("Bob"));
    QCOMPARE(FRMMain->declarerIndex(), 0);

    // A shorter roster renames what it can, after the warning.
    enterRoster({"X", "Y"});
    QVERIFY(!d->BUTNZamenit->isEnabled());
    d->BUTNZamenitClick();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Upozorneni"));
    QCOMPARE(person.shown[0].text, QString("V seznamu je malo hracu.\nZamenim jen to co jde."));
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"X", "Y", "C"}));
    QCOMPARE(tableNames(), QStringList({"X", "Y", "C"}));
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"X", "Y"}));

    // Reload brings the game's names back into the roster.
    d->BUTNNahratJmena->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"X", "Y", "C"}));
    QCOMPARE(d->selectedIndex(), -1);
    QVERIFY(d->BUTNZamenit->isEnabled());
    QCOMPARE(d->EDITPocetHracu->text(), QString("3"));
  }
};

QTEST_MAIN(TestPlayerEntry)
#include "test_player_entry.moc"
