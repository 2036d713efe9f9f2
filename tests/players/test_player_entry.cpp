// The roster: its rules without a screen, then the player entry window driven
// through its controls together with the main window's new game.

#include "players/roster.h"
#include "testsupport.h"

#include <QMenu>

using kvadus::MsgAnswer;
using namespace testsupport;
namespace roster = kvadus::roster;

class TestPlayerEntry : public QObject {
  Q_OBJECT

  TFORMZadaniHracu* d = nullptr;
  ScriptedPerson person;

  void add(const QStringList& names) {
    for (const QString& n : names) {
      d->EDITJmenoHrace->setText(n);
      d->BUTNPridat->click();
    }
  }
  // Empties the roster and adds every name, as the person does.
  void enterRoster(const QStringList& names) {
    d->BUTNSmazHrace->click();
    add(names);
  }
  // Puts the focus into the name field, as a person who types there.
  void focusName() {
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    d->EDITJmenoHrace->setFocus();
    d->EDITJmenoHrace->clear();
  }
  void reopen() {
    d->BUTNCancel->click();
    d->show();
  }
  static QStringList tableNames() { return tableRow(0).mid(0, FRMMain->playerCount()); }

 private slots:
  void init() {
    person.reset();
    freshWindows();
    d = FORMZadaniHracu;
    d->show();  // with four sample names
  }
  void cleanup() { destroyWindows(); }

  void rules() {
    QVERIFY(roster::sameName("Ja", "ja") && roster::sameName(QString::fromUtf8("ČERT"), QString::fromUtf8("čert")));
    QVERIFY(!roster::sameName("Ja ", "Ja") && !roster::sameName("Jan", "Ja"));
    QCOMPARE(roster::findSameName({"Pepa", "Jan", "ja"}, "JA"), 2);
    QCOMPARE(roster::trimmedName(QStringLiteral(" \t Jan Novak \x01\n")), QString("Jan Novak"));
    QCOMPARE(roster::trimmedName(QStringLiteral("   ")), QString());
    // Names that show nothing count as empty; a zero-width space at an end goes.
    for (const char16_t* blank : {u"\u200B", u" \u0301 ", u"\u200D\u200B\t", u"\u20DD"})
      QVERIFY2(
          roster::isBlankName(QString::fromUtf16(blank)) && roster::trimmedName(QString::fromUtf16(blank)).isEmpty(),
          qPrintable(QString::fromUtf16(blank).toUtf8().toHex()));
    QCOMPARE(roster::trimmedName(QString::fromUtf16(u"\u200BJa\u200B")), QString("Ja"));
    QVERIFY(!roster::isBlankName(QString::fromUtf16(u"e\u0301")));
    // Characters beyond U+FFFF are taken whole: tags alone show nothing, and
    // the tags of a flag stay with it.
    QVERIFY(roster::isBlankName(QString::fromUtf16(u"\U000E0001\U000E0041")));
    const QString flag = QString::fromUtf16(u"Jan \U0001F3F4\U000E0067\U000E0062\U000E007F");
    QCOMPARE(roster::trimmedName(flag + " "), flag);
    QCOMPARE(roster::partialGamePlayers({"A", "B", "C", "D", "E"}, 3, 3), QStringList({"D", "E", "A"}));
    QCOMPARE(roster::partialGameNextSelection(5, 3, 3), 1);
    // A roster shorter than the game seats nobody twice and never divides by zero.
    QCOMPARE(roster::partialGamePlayers({"A", "B"}, 1, 3), QStringList({"B", "A"}));
    QCOMPARE(roster::partialGameNextSelection(2, 1, 3), 1);
    QCOMPARE(roster::partialGamePlayers({}, -1, 3), QStringList());
    QCOMPARE(roster::partialGameNextSelection(0, -1, 3), -1);
    QCOMPARE(roster::renamedPlayers({"A", "B"}, {"X", "Y", "Z"}), QStringList({"X", "Y"}));
  }

  void twoNamesAndTheMinimum() {
    enterRoster({"A", "B"});
    QVERIFY(FRMMain->CHBXPovolenaHraVeDvou->isChecked());
    QVERIFY(!d->GRPBXPoznamka->isEnabled() && !d->LABLMinPocetHracuText->isEnabled());
    QCOMPARE(d->LABLMinPocetHracuText->text(), QString("DVA hraci !"));
    QVERIFY(d->BUTNNovaHra->isEnabled() && FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(d->POPMNUNovaHraDva->isEnabled());
    QVERIFY(!d->POPMNUNovaHraTri->isEnabled() && !d->POPMNUNovaHraVsichni->isEnabled());

    FRMMain->CHBXPovolenaHraVeDvou->setChecked(false);
    reopen();
    QVERIFY(d->GRPBXPoznamka->isEnabled() && d->LABLMinPocetHracuText1->isEnabled());
    QCOMPARE(d->LABLMinPocetHracuText->text(), QString("TRI hraci !"));
    QCOMPARE(d->LABLMinHracu->text(), QString("3"));
    QVERIFY(!d->BUTNNovaHra->isEnabled() && !FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(!d->POPMNUNovaHraDva->isEnabled());

    add({"C"});
    QVERIFY(FRMMain->BUTNNOvaHra->isEnabled() && !d->GRPBXPoznamka->isEnabled());
    QVERIFY(d->POPMNUNovaHraTri->isEnabled() && !d->POPMNUNovaHraVsichni->isEnabled());  // "vsichni" needs four
    QVERIFY(person.shown.isEmpty());
  }

  void duplicateNamesAsk() {
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Ja", "Franta", "Pepa", "Karel"}));
    person.answers = {MsgAnswer::No};
    add({"ja"});
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].text,
             QString("V seznamu se jiz hrac s podobnym jmenem nachazi.\nChcete ho presto pridat ? "));
    QCOMPARE(person.shown[0].buttons, kvadus::MsgButtons::YesNo);
    QCOMPARE(d->LBOXSeznamHracu->count(), 4);
    d->BUTNPridat->click();  // Yes
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Ja", "Franta", "Pepa", "Karel", "ja"}));

    // Leaving the field trims the name, so "Ja " is "Ja" by the time it is added.
    focusName();
    QTest::keyClicks(d->EDITJmenoHrace, "Ja ");
    person.answers = {MsgAnswer::No};
    QTest::mouseClick(d->BUTNPridat, Qt::LeftButton);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("Ja"));
    QCOMPARE(person.shown.size(), 3);
    QCOMPARE(d->LBOXSeznamHracu->count(), 5);
  }

  void nameFieldRefusesSemicolons() {
    focusName();
    QTest::keyClicks(d->EDITJmenoHrace, "Pe;pa");
    QCOMPARE(person.texts(), QStringList({"Jmeno hrace nemuze obsahovat znak ';'"}));
    QCOMPARE(d->EDITJmenoHrace->text(), QString("Pepa"));
    QCOMPARE(d->EDITJmenoHrace->cursorPosition(), 4);  // typing went on in place
    d->EDITJmenoHrace->setText(";a;b;");               // pasted: one message, all of them gone
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("ab"));

    d->BUTNSmazJmenoHrace->click();
    QVERIFY(d->EDITJmenoHrace->text().isEmpty() && !d->BUTNPridat->isEnabled());
    d->EDITJmenoHrace->setText(";");
    QVERIFY(!d->BUTNPridat->isEnabled());
    d->EDITJmenoHrace->setText("x");
    QVERIFY(d->BUTNPridat->isEnabled());
  }

  void crowdNoteOncePerOpening() {
    add({"E", "F"});
    QVERIFY(person.shown.isEmpty());
    add({"G"});  // the seventh
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("technicka poznamka :-)"));
    QCOMPARE(d->LBOXSeznamHracu->count(), 7);
    add({"H"});
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(d->EDITPocetHracu->text(), QString("8"));
    reopen();
    add({"I"});
    QCOMPARE(person.shown.size(), 2);
  }

  void addRemoveAndMove() {
    enterRoster({"A", "B", "C"});
    QVERIFY(!d->BUTNOdebrat->isEnabled());
    clickRow(d->LBOXSeznamHracu, 1);
    add({"X", "Y"});  // before the selection, which stays on "B"
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "X", "Y", "B", "C"}));
    QCOMPARE(d->selectedIndex(), 3);

    // Moves: "presun nahoru" is BUTNHracDolu, and the ends stop them.
    enterRoster({"A", "B", "C"});
    clickRow(d->LBOXSeznamHracu, 2);
    for (int i = 0; i < 3; ++i) d->BUTNHracDolu->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"C", "A", "B"}));
    QCOMPARE(d->selectedIndex(), 0);
    for (int i = 0; i < 3; ++i) d->BUTNHracNahoru->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "B", "C"}));
    QCOMPARE(d->selectedIndex(), 2);

    // Renaming by remove, edit and add puts the name back in its place.
    clickRow(d->LBOXSeznamHracu, 1);
    d->BUTNOdebrat->click();
    QCOMPARE(d->EDITJmenoHrace->text(), QString("B"));
    QCOMPARE(d->selectedIndex(), 1);
    add({"Bob"});
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"A", "Bob", "C"}));

    clickRow(d->LBOXSeznamHracu, 2);
    d->BUTNOdebrat->click();  // the last one: the new last is selected
    QCOMPARE(d->selectedIndex(), 1);
    d->BUTNOdebrat->click();
    d->BUTNOdebrat->click();  // the only one
    QCOMPARE(d->LBOXSeznamHracu->count(), 0);
    QCOMPARE(d->selectedIndex(), -1);
    QCOMPARE(d->EDITJmenoHrace->text(), QString("A"));
    QVERIFY(!d->BUTNOdebrat->isEnabled() && !d->BUTNSmazHrace->isEnabled());
    QVERIFY(d->GRPBXPoznamka->isEnabled());
    QCOMPARE(d->EDITPocetHracu->text(), QString("0"));
    QVERIFY(!FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(person.shown.isEmpty());
  }

  void partialGamesRotate() {
    enterRoster({"N1", "N2", "N3", "N4", "N5"});
    clickRow(d->LBOXSeznamHracu, 2);
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
    appendHand();
    person.answers = {MsgAnswer::No};
    d->POPMNUNovaHraTri->trigger();
    QCOMPARE(person.texts(), QStringList({"Opravdu zalozit novou hru ?"}));
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"N4", "N5"}));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 3);
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"N1", "N2", "N3", "N4", "N5"}));
    QCOMPARE(d->selectedIndex(), 3);
  }

  void wholeRosterGames() {
    FRMMain->CKBXHraniPauzirovaneho->setChecked(true);
    reopen();
    clickRow(d->LBOXSeznamHracu, 2);
    d->POPMNUNovaHraVsichni->trigger();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"Ja", "Franta", "Pepa", "Karel"}));
    QCOMPARE(FRMMain->declarerIndex(), 2);
    QCOMPARE(d->selectedIndex(), 2);  // a whole-roster game leaves the selection be

    d->BUTNNovaHra->click();  // pops up its menu
    QTRY_VERIFY(d->POPMNUNovaHra->isVisible());
    d->POPMNUNovaHra->close();

    FRMMain->CKBXHraniPauzirovaneho->setChecked(false);
    reopen();
    QVERIFY(!d->POPMNUNovaHraVsichni->isEnabled());
  }

  void renameTheRunningGame() {
    QVERIFY(!d->BUTNZamenit->isEnabled() && !d->BUTNNahratJmena->isEnabled());  // no game yet
    enterRoster({"A", "B", "C"});
    d->BUTNNova->click();
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"A", "B", "C"}));
    reopen();
    QVERIFY(d->BUTNNahratJmena->isEnabled());

    // Same length: every player takes the roster's name, the table follows.
    enterRoster({"A", "Bob", "C"});
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
    QCOMPARE(person.texts(), QStringList({"V seznamu je malo hracu.\nZamenim jen to co jde."}));
    QCOMPARE(person.shown[0].caption, QString("Upozorneni"));
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"X", "Y", "C"}));
    QCOMPARE(tableNames(), QStringList({"X", "Y", "C"}));

    // Reload brings the game's names back into the roster.
    d->BUTNNahratJmena->click();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"X", "Y", "C"}));
    QCOMPARE(d->selectedIndex(), -1);
    QVERIFY(d->BUTNZamenit->isEnabled());
    QCOMPARE(d->EDITPocetHracu->text(), QString("3"));
  }

  // "povolit i hru ve dvou" decides at once, the player window closed or not.
  void theTwoPlayerSettingActsAtOnce() {
    enterRoster({"A", "B"});
    d->BUTNCancel->click();
    FRMMain->CHBXPovolenaHraVeDvou->setChecked(false);
    QVERIFY(!FRMMain->BUTNNOvaHra->isEnabled());
    QVERIFY(!d->POPMNUNovaHraDva->isEnabled());
    FRMMain->BUTNNOvaHra->click();  // a disabled button starts nothing
    QCOMPARE(FRMMain->playerCount(), 0);
    FRMMain->CHBXPovolenaHraVeDvou->setChecked(true);
    QVERIFY(FRMMain->BUTNNOvaHra->isEnabled());
    // Sitting out switched off takes "vsichni" away at once as well.
    enterRoster({"A", "B", "C", "D"});
    QVERIFY(d->POPMNUNovaHraVsichni->isEnabled());
    FRMMain->CKBXHraniPauzirovaneho->setChecked(false);
    QVERIFY(!d->POPMNUNovaHraVsichni->isEnabled());
  }

  // Enter in the name field adds the name as "<-- pridat" does; a name of
  // invisible characters is never added.
  void enterAddsTheName() {
    focusName();
    d->BUTNSmazHrace->click();
    d->EDITJmenoHrace->setFocus();
    QTest::keyClicks(d->EDITJmenoHrace, "Jan ");
    QTest::keyClick(d->EDITJmenoHrace, Qt::Key_Return);
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Jan"}));
    d->EDITJmenoHrace->setText(QString::fromUtf16(u"\u200B"));
    QVERIFY(!d->BUTNPridat->isEnabled());
    QTest::keyClick(d->EDITJmenoHrace, Qt::Key_Return);
    d->BUTNPridatClick();
    QCOMPARE(items(d->LBOXSeznamHracu), QStringList({"Jan"}));
  }
};

QTEST_MAIN(TestPlayerEntry)
#include "test_player_entry.moc"
