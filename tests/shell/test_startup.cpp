// Start-up in-process: the windows, the first showing, the help walk,
// closing, help and the top-level error trap.

#include "ledger/tablegrid.h"
#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/resultswindow.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <stdexcept>

using testsupport::ScriptedPerson;
using testsupport::WorkingFolder;

class TestStartup : public QObject {
  Q_OBJECT

  // Runs the first showing; the person leaves the settings selection with the button.
  static void firstShowing(QPushButton* leaveWith) {
    QTimer::singleShot(0, leaveWith, &QPushButton::click);
    FRMMain->show();
    FRMMain->FormShow();
  }

 private slots:
  void init() { createWindows(); }
  void cleanup() { destroyWindows(); }

  void windowsInOrderWithTheirNames() {
    QCOMPARE(creationOrder(), QStringList({"FRMMain", "FRMUpravaStavu", "FORMZadaniHracu",
                                           "FORMDiskoveOperace", "FRMZmenaVolice",
                                           "FRMFileSelect", "FRMGrafika"}));
    const QList<QWidget*> windows = {FRMMain,        FRMUpravaStavu, FORMZadaniHracu,
                                     FORMDiskoveOperace, FRMZmenaVolice, FRMFileSelect,
                                     FRMGrafika};
    const QStringList classes = {"TFRMMain",       "TFRMUpravaStavu", "TFORMZadaniHracu",
                                 "TFORMDiskoveOperace", "TFRMZmenaVolice", "TFRMFileSelect",
                                 "TFRMGrafika"};
    for (int i = 0; i < windows.size(); ++i)
      QCOMPARE(QString(windows[i]->metaObject()->className()), classes[i]);
    QCOMPARE(FRMMain->windowTitle(), QString("Zuzereru Vevizor v 1.0"));
    QCOMPARE(FRMMain->size(), QSize(792, 704));
    QCOMPARE(FRMMain->minimumSize(), FRMMain->maximumSize());  // not resizable
    QCOMPARE(FORMZadaniHracu->windowTitle(), QString("Zadani hracu"));
    QCOMPARE(FRMZmenaVolice->windowTitle(), QString("Zmena volice"));
    QCOMPARE(FRMFileSelect->windowTitle(), QString("Vyberte nastaveni"));
    QVERIFY(FRMFileSelect->EDITSelectedFile->text().isEmpty());
    QVERIFY(FRMFileSelect->CHBXExit->isChecked());
    // Every named control is found by its name.
    for (const char* name : {"STGOutput", "LIBXHraci", "LSTBXOznaceniVolice", "LABLIndexVolice",
                             "BUTNNOvaHra", "BUTNKonec", "GRPBXNastaveni", "PGCTRLNastaveni",
                             "TABOProgramu", "PGCNTRLOProgramu", "TABProgram", "BUTNSmazat",
                             "CHBXZobrazovatBublinkovouNapovedu", "CKBXZobrazovatDruhyHer"})
      QVERIFY2(FRMMain->findChild<QWidget*>(name), name);
  }

  void leavingTheSelectionEndsTheProgram() {
    WorkingFolder folder;
    ScriptedPerson person;
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    firstShowing(FRMFileSelect->BUTNExit);
    QCOMPARE(ending.count(), 1);
    QVERIFY(!FRMMain->isVisible());
    QVERIFY(person.shown.isEmpty());
    QVERIFY(FRMMain->MEMOPokec->toPlainText().isEmpty());  // nothing was loaded
  }

  void firstShowingLoadsTheHelp() {
    WorkingFolder folder;
    ScriptedPerson person;
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    firstShowing(FRMFileSelect->BUTNOk);
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QCOMPARE(ending.count(), 0);
    QVERIFY(FRMMain->isVisible());
    QVERIFY(!FRMFileSelect->CHBXExit->isChecked());
    for (QPlainTextEdit* memo :
         {FRMMain->MEMOPokec, FRMMain->MEMOPravidla, FRMMain->MEMOPravidlaNahravani,
          FRMMain->MEMODruhyKvaduse, FORMDiskoveOperace->MEMOPravidla,
          FRMGrafika->MEMOUctenkaNapoveda}) {
      QVERIFY2(!memo->toPlainText().trimmed().isEmpty(), qPrintable(memo->objectName()));
      QVERIFY(memo->isReadOnly());
    }
    QVERIFY(!FRMMain->IMGLogo->pixmap().isNull());
    QCOMPARE(FORMDiskoveOperace->EDITFileName->text(),
             QDir::toNativeSeparators("hry/vysledky.kvd"));
    QCOMPARE(FRMGrafika->size(), FRMMain->size());
    QCOMPARE(FORMZadaniHracu->height(), FRMMain->height());

    // The first-showing work never runs again.
    FRMMain->hide();
    FRMMain->show();
    FRMMain->FormShow();
    QVERIFY(person.shown.isEmpty());
  }

  void missingHelpFileStopsTheProgram() {
    WorkingFolder folder;
    QVERIFY(QFile::remove(folder.path("help/nast.GIF")));
    ScriptedPerson person;
    person.openerSucceeds = false;
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    firstShowing(FRMFileSelect->BUTNOk);
    const QString path = QDir::toNativeSeparators("help/nast.GIF");
    const QString trouble = QDir::toNativeSeparators("help/trouble.htm");
    QCOMPARE(person.texts(),
             QStringList({"Soubor " + path + " neexistuje.",
                          "Nektera z komponent programu chybi, nebo je poskozena.\nProgram bude ukoncen.",
                          "Nelze otevrit soubor s napovedou :\n" + trouble +
                              "\nPokuste se ho otevrit rucne a hledejte sekci,\nktera se zabyva velikosti oken."}));
    for (const auto& s : person.shown) QCOMPARE(s.caption, QString("Chyba"));
    QCOMPARE(person.opened, QStringList({trouble}));
    QCOMPARE(ending.count(), 1);
  }

  void brokenHelpTextStopsTheProgram() {
    WorkingFolder folder;
    QVERIFY(QFile::remove(folder.path("help/pokec.txt")));
    ScriptedPerson person;  // the trouble page opens fine: two messages only
    firstShowing(FRMFileSelect->BUTNOk);
    QCOMPARE(person.texts(),
             QStringList({"Chyba pri praci se souborem - nelze zpracovat :\n" +
                              QDir::toNativeSeparators("help/pokec.txt"),
                          "Nektera z komponent programu chybi, nebo je poskozena.\nProgram bude ukoncen."}));
    QVERIFY(!FRMMain->isVisible());
  }

  void closingWithHandsAsks() {
    ScriptedPerson person;
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    FRMMain->BUTNNOvaHraClick();
    QVERIFY(FRMMain->close());  // no hands: no question
    QVERIFY(person.shown.isEmpty());

    FRMMain->show();
    FRMMain->grid->setRowCount(3);  // one hand
    FRMMain->BUTNSpoctiSumuClick();
    person.answers = {kvadus::MsgAnswer::No};
    FRMMain->BUTNKonec->click();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Dotaz"));
    QCOMPARE(person.shown[0].text, QString("Mate rozehranou hru,\nopravdu chcete skoncit ?"));
    QVERIFY(FRMMain->isVisible());
    QVERIFY(FRMMain->close());  // Yes
    QVERIFY(!FRMMain->isVisible());
  }

  void helpButton() {
    ScriptedPerson person;
    person.openerSucceeds = false;
    FRMMain->BUTNNapovedaUpper->click();
    QVERIFY(!FRMMain->GRPBXNastaveni->isHidden());
    const QString path = QDir::toNativeSeparators("help/help.htm");
    QCOMPARE(person.opened, QStringList({path}));
    QCOMPARE(person.texts(), QStringList({"Nelze otevrit tento soubor s napovedou :\n" + path}));
    QVERIFY(!FRMMain->BUTNNapovedaUpper->isEnabled());
    QCOMPARE(FRMMain->PGCTRLNastaveni->currentWidget(), FRMMain->TABOProgramu);
    QCOMPARE(FRMMain->PGCNTRLOProgramu->currentWidget(), FRMMain->TABProgram);
    FRMMain->BUTNNastaveniParametru->click();
    QVERIFY(FRMMain->GRPBXNastaveni->isHidden());
  }

  void helpButtonOpensThePage() {
    ScriptedPerson person;
    FRMMain->BUTNNapovedaUpper->click();
    QCOMPARE(person.opened.size(), 1);
    QVERIFY(person.shown.isEmpty());
    FRMMain->BUTNNapovedaUpper->click();  // hides the panel, opens nothing
    QVERIFY(FRMMain->GRPBXNastaveni->isHidden());
    QCOMPARE(person.opened.size(), 1);
  }

  void tooltipsSwitch() {
    FRMMain->CHBXZobrazovatBublinkovouNapovedu->setChecked(false);
    QVERIFY(!kvadus::tooltipsEnabled());
    FRMMain->CHBXZobrazovatBublinkovouNapovedu->setChecked(true);
    QVERIFY(kvadus::tooltipsEnabled());
  }

  void errorInAHandlerIsShownAndTheProgramGoesOn() {
    struct Faulty : QObject {
      bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("Spatny vstup");
        return QObject::event(e);
      }
    } faulty;
    ScriptedPerson person;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    QCOMPARE(person.texts(), QStringList({"Spatny vstup"}));
    QCoreApplication::sendEvent(&faulty, &event);  // still running
    QCOMPARE(person.shown.size(), 2);
  }

  void unexpectedErrorText() {
    QCOMPARE(kvadus::unexpectedErrorText("boom"),
             QString("V aplikaci nastala neocekavana chyba.\nZaznamenejte prosim okolnosti vzniku "
                     "chyby\na nasledujici text a vynadejte autorovi :-]\nOmlouvam se.\n\nboom\n\n"
                     "V programu muzete pokracovat, ale neni\nzarucena jeho spravna funkce"));
  }
};

int main(int argc, char** argv) {
  // The program's own application object, with its trap for handler errors.
  kvadus::Application app(argc, argv);
  TestStartup test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_startup.moc"
