// The recovery copy on the windows: a killed program's evening offered back
// at the next start, "No" keeping it under a dated name, a clean end leaving
// nothing, damaged copies moved aside, a data folder that cannot be written,
// and a fresh copy after every change of the evening.
//
// The test program is also its own child: started with --play-then-wait it
// plays hands offscreen, prints its evening and "ready", and waits to be
// killed.

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/textfile.h"
#include "correction/balancecorrection.h"
#include "ledger/ledger.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "results/recovery.h"
#include "testsupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

using namespace testsupport;
using namespace kvadus;

namespace {

const QStringList kPlayers = {"Franta", "Pepa", "Lojza"};

// The copy of the last change, once it is on disk.
QString copyPath() {
  FRMMain->waitForRecoveryCopy();
  return FRMMain->recoveryPath();
}

// The evening as lines, from the window or from a read-back copy.
QStringList describe(const ScoreGrid& g, const QStringList& players, int declarer, int chooser, bool shown) {
  QStringList out;
  for (int r = 0; r < g.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < g.columnCount(); ++c) cells << g.cell(c, r);
    out << "row " + QString::number(r) + ": " + cells.join(u'|');
  }
  out << "players: " + players.join(u'|') << "declarer: " + QString::number(declarer)
      << "chooser: " + QString::number(chooser) << "descriptions: " + QString::number(shown);
  return out;
}
QStringList windowEvening() {
  const int n = FRMMain->playerCount();
  const bool shown = ledger::hasDescriptionColumn(*FRMMain->grid, n);
  QStringList out = describe(*FRMMain->grid, itemTexts(FRMMain->LIBXHraci), FRMMain->declarerIndex(),
                             FRMMain->chooserIndex(), shown);
  if (FRMMain->CKBXZobrazovatDruhyHer->isChecked() != shown) out << "the column switch disagrees";
  return out;
}
QStringList copiedEvening() {
  const TextFileRead file = readTextFile(copyPath());
  if (file.status != TextFileRead::Ok) return {"no copy: " + file.error};
  const recovery::ReadBack back = recovery::readRecovery(file.lines);
  if (!back.ok) return {"refused: " + back.error};
  const recovery::Evening& e = back.evening;
  return describe(e.table, e.players, e.declarer, e.chooser, e.descriptionShown);
}

QStringList asideFiles() {
  return QDir(dataFolder()).entryList({"rozehrano-*.kvd"}, QDir::Files, QDir::Name);
}

void clearDataFolder() { QDir(dataFolder()).removeRecursively(); }

void playHands(int count) {
  for (int i = 0; i < count; ++i) {
    points(6 + i % 3, 3);
    FRMMain->BUTNPridejSkore->click();
  }
}

// The child: an evening played offscreen, then killed by the parent.
int playThenWait() {
  ScriptedPerson person;
  freshWindows();
  FRMMain->flags.firstShowing = 0;
  FRMMain->show();
  FRMMain->offerRecovery();  // nothing there: copies are written from now on
  startGame(kPlayers, 1);
  playHands(5);
  clickRow(FRMMain->LIBXHraci, 0);  // a declarer who is not the chooser
  FRMMain->waitForRecoveryCopy();  // killed after the copy of the last change is on disk
  for (const QString& line : windowEvening()) std::printf("%s\n", qPrintable(line));
  std::printf("ready\n");
  std::fflush(stdout);
  QTimer::singleShot(120000, qApp, &QCoreApplication::quit);  // never outlive a lost parent
  return qApp->exec();
}

// Counts the warnings on standard error while it lives.
struct WarningCounter {
  static inline int count = 0;
  static inline QStringList texts;
  QtMessageHandler previous;
  WarningCounter() {
    count = 0;
    texts.clear();
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtWarningMsg && text.startsWith("zuzereru:")) {
        ++count;
        texts << text;
        std::fprintf(stderr, "%s\n", qPrintable(text));
      }
    });
  }
  ~WarningCounter() { qInstallMessageHandler(previous); }
};

}  // namespace

class TestRecoveryWindow : public QObject {
  Q_OBJECT

  ScriptedPerson person;

  // Runs the child until it is ready, kills it with SIGKILL and returns the
  // evening it had.
  QStringList killedChild() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--play-then-wait"});
    QStringList said;
    QElapsedTimer clock;
    clock.start();
    while (!said.contains("ready") && clock.elapsed() < 60000) {
      if (!child.canReadLine() && !child.waitForReadyRead(1000) && child.state() == QProcess::NotRunning) break;
      while (child.canReadLine()) said << QString::fromUtf8(child.readLine()).chopped(1);
    }
    child.kill();  // SIGKILL on Unix: nothing of the program runs after it
    child.waitForFinished(10000);
    if (!said.contains("ready")) qWarning("child said: %s", qPrintable(said.join(" / ")));
    return said.mid(0, said.indexOf("ready"));
  }

 private slots:
  void init() {
    person.reset();
    clearDataFolder();
    freshWindows();
  }
  void cleanup() {
    FRMMain->waitForRecoveryCopy();
    destroyWindows();
    clearDataFolder();
  }

  void killedEveningComesBackOnYes() {
    const QStringList before = killedChild();
    QVERIFY(before.size() > 5);
    QVERIFY(QFile::exists(copyPath()));

    person.answers = {MsgAnswer::Yes};
    FRMMain->offerRecovery();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Dotaz"));
    QCOMPARE(person.shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(person.shown[0].text,
             QString("Posledni vecer nebyl radne ukoncen (5 her, hraci: Franta, Pepa, Lojza).\nObnovit ho?"));
    QCOMPARE(windowEvening(), before);
    QCOMPARE(FRMMain->declarerIndex(), 0);
    QCOMPARE(FRMMain->chooserIndex(), 2);  // the turn passed five times from the chooser 0
    QCOMPARE(markers(), QStringList({"vynasi  >", "", "voli       - "}));
    QCOMPARE(FRMMain->LABLPocetHer->text(), QString("Pocet her: 5"));
    QVERIFY(FRMMain->BUTNPridejSkore->isEnabled());
    QVERIFY(asideFiles().isEmpty());

    // The evening goes on from there, and so does its copy.
    playHands(1);
    QCOMPARE(FRMMain->STGOutput->rowCount(), 8);
    QCOMPARE(copiedEvening(), windowEvening());
  }

  void noKeepsTheCopyUnderADatedName() {
    killedChild();
    const QByteArray bytes = [] {
      QFile f(copyPath());
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(!bytes.isEmpty());

    person.answers = {MsgAnswer::No};
    FRMMain->offerRecovery();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(FRMMain->playerCount(), 0);  // the program starts as always
    QVERIFY(!QFile::exists(copyPath()));
    const QStringList aside = asideFiles();
    QCOMPARE(aside.size(), 1);
    QVERIFY2(QRegularExpression("^rozehrano-\\d{8}-\\d{6}\\.kvd$").match(aside[0]).hasMatch(), qPrintable(aside[0]));
    QFile kept(inFolder(dataFolder(), aside[0]));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);

    // A new evening gets a copy of its own; the old one stays.
    startGame(kPlayers);
    playHands(1);
    QCOMPARE(copiedEvening(), windowEvening());
    QCOMPARE(asideFiles(), aside);
  }

  void cleanEndLeavesNoCopy() {
    FRMMain->offerRecovery();
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    startGame(kPlayers);
    playHands(2);
    QVERIFY(QFile::exists(copyPath()));

    person.answers = {MsgAnswer::No};
    QVERIFY(!FRMMain->close());  // "No" to the question: the evening and its copy stay
    QVERIFY(QFile::exists(copyPath()));

    QVERIFY(FRMMain->close());  // "Yes"
    QVERIFY(!QFile::exists(copyPath()));
    QVERIFY(asideFiles().isEmpty());
  }

  // A copy cut short or damaged is no evening: it goes aside with a line on
  // standard error, no question, and the program starts as always.
  void damagedCopyIsNotOffered_data() {
    QTest::addColumn<int>("damage");
    QTest::newRow("cut short") << 0;
    QTest::newRow("a byte changed") << 1;
    QTest::newRow("not ours at all") << 2;
  }
  void damagedCopyIsNotOffered() {
    QFETCH(int, damage);
    FRMMain->offerRecovery();
    startGame(kPlayers);
    playHands(3);
    QFile f(copyPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    if (damage == 0) bytes.chop(bytes.size() / 3);
    if (damage == 1) bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x01);
    if (damage == 2) bytes = QByteArray("\xff\xfe\x00\x01 binary", 12);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();

    FRMMain->waitForRecoveryCopy();
    destroyWindows();
    freshWindows();
    WarningCounter warnings;
    FRMMain->offerRecovery();
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QCOMPARE(warnings.count, 1);
    QVERIFY(warnings.texts[0].contains("damaged"));
    QVERIFY(!QFile::exists(copyPath()));
    const QStringList aside = asideFiles();
    QCOMPARE(aside.size(), 1);
    QFile kept(inFolder(dataFolder(), aside[0]));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);

    QCOMPARE(FRMMain->playerCount(), 0);
    startGame(kPlayers);
    playHands(1);
    QCOMPARE(copiedEvening(), windowEvening());
  }

  void copyWithoutHandsGoesWithoutAQuestion() {
    FRMMain->offerRecovery();
    startGame(kPlayers);
    QVERIFY(QFile::exists(copyPath()));
    destroyWindows();
    freshWindows();
    FRMMain->offerRecovery();
    QVERIFY(person.shown.isEmpty());
    QVERIFY(!QFile::exists(copyPath()));
    QVERIFY(asideFiles().isEmpty());
  }

  // Before the start has offered the last evening, nothing overwrites it.
  void nothingIsWrittenBeforeTheOffer() {
    startGame(kPlayers);
    playHands(2);
    QVERIFY(!QFile::exists(copyPath()));
    QVERIFY(FRMMain->close());  // nor removed by an end before the offer
  }

  // The data folder cannot be made (a file stands in its place): the evening
  // goes on without a box, stderr hears of it once, and the copy is written
  // as soon as the folder can be.
  void unwritableDataFolderDoesNotDisturb() {
    FRMMain->offerRecovery();
    QVERIFY(QDir().mkpath(QFileInfo(dataFolder()).path()));
    QFile blocker(dataFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    WarningCounter warnings;
    startGame(kPlayers);
    playHands(4);
    FRMMain->POPUPSmazPosledniClick();
    FRMMain->waitForRecoveryCopy();
    QCOMPARE(FRMMain->STGOutput->rowCount(), 5);
    QCOMPARE(FRMMain->LABLPocetHer->text(), QString("Pocet her: 3"));
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QCOMPARE(warnings.count, 1);
    QVERIFY(warnings.texts[0].contains("cannot write the recovery copy"));

    QVERIFY(QFile::remove(dataFolder()));
    playHands(1);
    QCOMPARE(copiedEvening(), windowEvening());
    QCOMPARE(warnings.count, 1);

    // Failing again after a success is told again, once.
    QVERIFY(QDir(dataFolder()).removeRecursively());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    playHands(2);
    FRMMain->waitForRecoveryCopy();
    QCOMPARE(warnings.count, 2);
    QVERIFY(QFile::remove(dataFolder()));
  }

  // All of the user's data lives in one folder named after the program; a
  // copy left by an earlier version in its own folder is moved there and
  // offered, and the copies it had set aside come along.
  void earlierFolderIsMovedIn() {
    QCOMPARE(dataFolder(), privateDataHome() + "/zuzereru");
    FolderPlaces places{"/nowhere", "/nowhere", privateDataHome(), ""};
    QCOMPARE(findFolders(places).data, dataFolder());

    FRMMain->offerRecovery();
    startGame(kPlayers);
    playHands(2);
    const QStringList before = windowEvening();
    const QString earlier = privateDataHome() + "/Zuzereru vevizor";
    QCOMPARE(earlierDataFolder(), earlier);
    QVERIFY(QDir().mkpath(earlier));
    QVERIFY(QFile::rename(copyPath(), earlier + "/rozehrano.kvd"));
    QVERIFY(QFile::copy(earlier + "/rozehrano.kvd", earlier + "/rozehrano-20240101-200000.kvd"));
    destroyWindows();
    freshWindows();

    person.answers = {MsgAnswer::Yes};
    FRMMain->offerRecovery();
    QCOMPARE(person.texts(),
             QStringList({"Posledni vecer nebyl radne ukoncen (2 her, hraci: Franta, Pepa, Lojza).\nObnovit ho?"}));
    QCOMPARE(windowEvening(), before);
    QVERIFY(!QFileInfo::exists(earlier));
    QCOMPARE(asideFiles(), QStringList({"rozehrano-20240101-200000.kvd"}));
    QDir(earlier).removeRecursively();
  }

  // Every change of the evening leaves a copy equal to the window.
  void everyChangeIsCopied() {
    FRMMain->offerRecovery();
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    auto same = [](const char* what) {
      const QStringList copy = copiedEvening();
      const QStringList window = windowEvening();
      if (copy != window)
        QFAIL(qPrintable(QString("%1:\n copy:   %2\n window: %3").arg(what, copy.join(" / "), window.join(" / "))));
    };
    startGame({"A", "B", "C", "D"}, 2);
    same("new game");
    playHands(3);
    same("hands added");
    clickRow(FRMMain->LIBXHraci, 1);
    same("declarer clicked");
    FRMZmenaVolice->BUTNRefreshClick();
    selectRowQuietly(FRMZmenaVolice->LBOXSeznamHracu, 3);
    FRMZmenaVolice->LBOXSeznamHracuClick();
    same("declarer and chooser changed");
    FRMMain->POPUPSmazPosledniClick();
    same("last hand removed");
    FRMMain->POPUPSmazHryClick();
    same("hands folded");
    playHands(2);
    FORMZadaniHracu->LBOXSeznamHracu->clear();
    FORMZadaniHracu->LBOXSeznamHracu->addItems({"Adam", "Bara", "Cyril", "Dana"});
    FORMZadaniHracu->BUTNZamenitClick();
    same("players renamed");
    FRMMain->CKBXZobrazovatDruhyHer->setChecked(false);  // "Yes" to the question
    same("description column hidden");
    FRMMain->CKBXZobrazovatDruhyHer->setChecked(true);
    same("description column shown");

    FRMMain->BUTNZmenaStavu->click();
    QVERIFY(QTest::qWaitForWindowActive(FRMUpravaStavu));
    QTest::mouseClick(FRMUpravaStavu->BUTNUp, Qt::LeftButton);
    QTest::mouseClick(FRMUpravaStavu->BUTNPouzit, Qt::LeftButton);
    FRMUpravaStavu->hide();
    QCOMPARE(itemTexts(FRMMain->LIBXHraci).size(), 4);
    same("order corrected");

    FORMDiskoveOperace->REDTOutput->setPlainText(
        "sloupcu : 3+1\nbude : 2\njmena\nX; Y; Z; popis; \nhry\n1; -0,5; -0,5; hra; \nsuma\n");
    FORMDiskoveOperace->BUTNPouzitClick();
    QCOMPARE(itemTexts(FRMMain->LIBXHraci), QStringList({"X", "Y", "Z"}));
    same("evening loaded");
    FORMDiskoveOperace->BUTNPridatVystupClick();
    QCOMPARE(FRMMain->STGOutput->rowCount(), 4);
    same("hands appended");
    FRMMain->POPUPSmazVSeClick();
    same("everything removed");
    QVERIFY(asideFiles().isEmpty());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1 && qstrcmp(argv[1], "--play-then-wait") == 0) return playThenWait();
  TestRecoveryWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_recovery_window.moc"
