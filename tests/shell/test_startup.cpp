// Start-up in-process: the windows, the first showing, the help walk,
// closing, help and the top-level error trap.

#include "common/appfolders.h"
#include "common/keyboard.h"
#include "correction/balancecorrection.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/application.h"
#include "stats/resultswindow.h"
#include "testsupport.h"

#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTimer>

#include <stdexcept>

using testsupport::ScriptedPerson;
using testsupport::WorkingFolder;

class TestStartup : public QObject {
  Q_OBJECT

  ScriptedPerson person;

  // Runs the first showing; the person leaves the settings selection with the button.
  static void firstShowing(QPushButton* leaveWith) {
    QTimer::singleShot(0, leaveWith, &QPushButton::click);
    FRMMain->show();
    FRMMain->FormShow();
  }

 private slots:
  void init() {
    person.reset();
    createWindows();
  }
  void cleanup() { destroyWindows(); }

  void windowsInOrderWithTheirNames() {
    // The correction, disk, declarer and results windows are made when first used.
    QCOMPARE(creationOrder(), QStringList({"FRMMain", "FORMZadaniHracu", "FRMFileSelect"}));
    QVERIFY(!FRMUpravaStavu.made() && !FORMDiskoveOperace.made() && !FRMZmenaVolice.made() && !FRMGrafika.made());
    const QList<QWidget*> windows = {FRMMain,        FRMUpravaStavu, FORMZadaniHracu, FORMDiskoveOperace,
                                     FRMZmenaVolice, FRMFileSelect,  FRMGrafika};
    QStringList names;
    for (QWidget* w : windows) names << w->objectName();
    QCOMPARE(names, QStringList({"FRMMain", "FRMUpravaStavu", "FORMZadaniHracu", "FORMDiskoveOperace", "FRMZmenaVolice",
                                 "FRMFileSelect", "FRMGrafika"}));
    QCOMPARE(creationOrder(), QStringList({"FRMMain", "FORMZadaniHracu", "FRMFileSelect", "FRMUpravaStavu",
                                           "FORMDiskoveOperace", "FRMZmenaVolice", "FRMGrafika"}));
    QCOMPARE(FRMMain->minimumSize(), FRMMain->maximumSize());  // not resizable
    QVERIFY(FRMFileSelect->CHBXExit->isChecked());
    for (const char* name : {"STGOutput", "LIBXHraci", "LSTBXOznaceniVolice", "LABLIndexVolice", "BUTNNOvaHra",
                             "BUTNKonec", "GRPBXNastaveni", "PGCTRLNastaveni", "TABOProgramu", "PGCNTRLOProgramu",
                             "TABProgram", "BUTNSmazat", "CHBXZobrazovatBublinkovouNapovedu", "CKBXZobrazovatDruhyHer"})
      QVERIFY2(FRMMain->findChild<QWidget*>(name), name);
  }

  // The file dialogs and the charts are made when first used, each once,
  // as a named child of its window; the charts at the latest when the
  // results window is shown, on top of their pages.
  void partsMadeWhenFirstUsed() {
    struct Part {
      const kvadus::OnDemand<QFileDialog>& dialog;
      QWidget* window;
      const char* name;
    };
    const QList<Part> dialogs = {{FORMDiskoveOperace->DLGSaveFile, FORMDiskoveOperace, "DLGSaveFile"},
                                 {FORMDiskoveOperace->DLGOpenFile, FORMDiskoveOperace, "DLGOpenFile"},
                                 {FRMFileSelect->DLGOpen, FRMFileSelect, "DLGOpen"},
                                 {FRMMain->DLGOpenFile, FRMMain, "DLGOpenFile"},
                                 {FRMMain->SaveDialog, FRMMain, "SaveDialog"},
                                 {FRMGrafika->DLGSave, FRMGrafika, "DLGSave"}};
    for (const Part& p : dialogs) QVERIFY2(!p.dialog.made() && !p.window->findChild<QFileDialog*>(), p.name);
    QVERIFY(!FRMGrafika->CHARTGraf.made() && !FRMGrafika->CHARTCelkem.made());
    for (const Part& p : dialogs) {
      QFileDialog* made = p.dialog;
      QCOMPARE(made->objectName(), QString(p.name));
      QCOMPARE(p.window->findChild<QFileDialog*>(p.name), made);
      QCOMPARE(p.dialog.get(), made);
    }
    QCOMPARE(FORMDiskoveOperace->DLGOpenFile->windowTitle(), QString("Vyber souboru"));

    FRMGrafika->show();
    QVERIFY(QTest::qWaitForWindowExposed(FRMGrafika));
    for (QWidget* page : {FRMGrafika->PGGraf, FRMGrafika->PGCelkem}) {
      FRMGrafika->PGCTRLOutPut->setCurrentWidget(page);
      auto* view = page->findChild<QChartView*>();
      QVERIFY(view && view->isVisible() && page->layout()->indexOf(view) == 0);
    }
    QCOMPARE(FRMGrafika->PGGraf->findChild<QChartView*>(), FRMGrafika->CHARTGraf.get());
    QCOMPARE(FRMGrafika->CHARTCelkem->objectName(), QString("CHARTCelkem"));
  }

  void leavingTheSelectionEndsTheProgram() {
    WorkingFolder folder;
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    firstShowing(FRMFileSelect->BUTNExit);
    QCOMPARE(ending.count(), 1);
    QVERIFY(!FRMMain->isVisible() && person.shown.isEmpty());
    QVERIFY(FRMMain->MEMOPokec->toPlainText().isEmpty());  // nothing was loaded
  }

  void firstShowingLoadsTheHelp() {
    WorkingFolder folder;
    QSignalSpy ending(FRMMain, &TFRMMain::programEnding);
    firstShowing(FRMFileSelect->BUTNOk);
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QVERIFY(ending.isEmpty() && FRMMain->isVisible());
    QVERIFY(!FRMFileSelect->CHBXExit->isChecked());
    // Made after the start, the disk window gets what the start gave it.
    QVERIFY(!FORMDiskoveOperace.made());
    QCOMPARE(FORMDiskoveOperace->height(), FRMMain->height());
    QCOMPARE(FORMDiskoveOperace->EDITFileName->text(),
             QDir::toNativeSeparators(kvadus::inFolder(kvadus::gamesFolder(), "vysledky.kvd")));
    // The main window's help texts are made when their page first shows, or
    // when code reaches them; either way with their text and Tab stop.
    QVERIFY(!FRMMain->MEMOChyby.made() && !FRMMain->findChild<QPlainTextEdit*>("MEMOChyby"));
    if (FRMMain->GRPBXNastaveni->isHidden()) FRMMain->BUTNNastaveniParametruClick();
    FRMMain->PGCTRLNastaveni->setCurrentWidget(FRMMain->TABOProgramu);
    FRMMain->PGCNTRLOProgramu->setCurrentIndex(3);
    QVERIFY(FRMMain->MEMOChyby.made() && FRMMain->MEMOChyby->isVisible());
    QVERIFY(kvadus::readingChain(FRMMain).contains(FRMMain->MEMOChyby.get()));
    for (QPlainTextEdit* memo : {FRMMain->MEMOChyby.get(), FRMMain->MEMOPokec.get(), FRMMain->MEMOPravidla.get(),
                                 FRMMain->MEMOPravidlaNahravani.get(), FRMMain->MEMODruhyKvaduse.get(),
                                 FORMDiskoveOperace->MEMOPravidla, FRMGrafika->MEMOUctenkaNapoveda})
      QVERIFY2(!memo->toPlainText().trimmed().isEmpty(), qPrintable(memo->objectName()));
    QVERIFY(!FRMMain->IMGLogo->pixmap().isNull());
    QCOMPARE(FORMZadaniHracu->height(), FRMMain->height());
    // The results window as high as the main window and as wide as its tabs
    // need: every caption whole, no scroll arrows ("tis" once hid "tisk textu").
    QCOMPARE(FRMGrafika->height(), FRMMain->height());
    QVERIFY(FRMGrafika->width() >= FRMMain->width());
    FRMGrafika->show();
    QVERIFY(QTest::qWaitForWindowExposed(FRMGrafika));
    const QTabBar* tabs = FRMGrafika->PGCTRLOutPut->tabBar();
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i) {
      QVERIFY2(tabs->rect().contains(tabs->tabRect(i)), qPrintable(tabs->tabText(i)));
      QVERIFY(tabs->tabRect(i).width() >= tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
    }
    for (const QToolButton* arrow : tabs->findChildren<QToolButton*>()) QVERIFY(!arrow->isVisible());
    FRMGrafika->hide();

    // The first-showing work never runs again.
    FRMMain->hide();
    FRMMain->show();
    FRMMain->FormShow();
    QVERIFY(person.shown.isEmpty());
  }

  void missingHelpFileStopsTheProgram() {
    WorkingFolder folder;
    QVERIFY(QFile::remove(folder.path("help/nast.GIF")));
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
    // The trouble page opens fine: two messages only.
    firstShowing(FRMFileSelect->BUTNOk);
    QCOMPARE(
        person.texts(),
        QStringList({"Chyba pri praci se souborem - nelze zpracovat :\n" + QDir::toNativeSeparators("help/pokec.txt"),
                     "Nektera z komponent programu chybi, nebo je poskozena.\nProgram bude ukoncen."}));
    QVERIFY(!FRMMain->isVisible());
  }

  void closingWithHandsAsks() {
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    FRMMain->BUTNNOvaHraClick();
    QVERIFY(FRMMain->close());  // no hands: no question
    QVERIFY(person.shown.isEmpty());

    FRMMain->show();
    testsupport::appendHand();
    person.answers = {kvadus::MsgAnswer::No};
    FRMMain->BUTNKonec->click();
    QCOMPARE(person.texts(), QStringList({"Mate rozehranou hru,\nopravdu chcete skoncit ?"}));
    QVERIFY(FRMMain->isVisible());
    QVERIFY(FRMMain->close());  // Yes
    QVERIFY(!FRMMain->isVisible());
  }

  void helpButton() {
    FRMMain->BUTNNapovedaUpper->click();
    const QString path = QDir::toNativeSeparators("help/help.htm");
    QCOMPARE(person.opened, QStringList({path}));
    QVERIFY(person.shown.isEmpty());
    QVERIFY(!FRMMain->GRPBXNastaveni->isHidden());
    QCOMPARE(FRMMain->PGCTRLNastaveni->currentWidget(), FRMMain->TABOProgramu);
    QCOMPARE(FRMMain->PGCNTRLOProgramu->currentWidget(), FRMMain->TABProgram);
    FRMMain->BUTNNapovedaUpper->click();  // hides the panel, opens nothing
    QVERIFY(FRMMain->GRPBXNastaveni->isHidden());
    QCOMPARE(person.opened.size(), 1);

    person.openerSucceeds = false;  // a page that does not open is reported
    FRMMain->BUTNNapovedaUpper->click();
    QCOMPARE(person.texts(), QStringList({"Nelze otevrit tento soubor s napovedou :\n" + path}));
    QVERIFY(!FRMMain->BUTNNapovedaUpper->isEnabled());
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
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    QCOMPARE(person.texts(), QStringList({"Spatny vstup"}));
    QCoreApplication::sendEvent(&faulty, &event);  // still running
    QCOMPARE(person.shown.size(), 2);
    const QString text = kvadus::unexpectedErrorText("boom");  // what other errors show
    QVERIFY(text.startsWith("V aplikaci nastala neocekavana chyba.\n") && text.contains("\n\nboom\n\n"));
  }

  // The window system appends a display name to every caption ("Dotaz -
  // Zuzereru vevizor"); the program sets none, so captions read as set.
  void captionsHaveNoSuffix() {
    QCOMPARE(QCoreApplication::applicationName(), QString("Zuzereru vevizor"));
    QCoreApplication::setApplicationName("probe");
    const QString display = QGuiApplication::applicationDisplayName();
    kvadus::nameApplication();
    QCOMPARE(display, QString("probe"));  // follows the name: none was fixed
    QCOMPARE(FRMMain->windowTitle(), QString("Zuzereru Vevizor v 1.0"));
  }
};

int main(int argc, char** argv) {
  // The program's own application object, with its trap for handler errors.
  kvadus::Application app(argc, argv);
  TestStartup test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_startup.moc"
