// The recovery copy on the windows: a killed program's evening offered back
// at the next start, "No" keeping it under a dated name, a clean end leaving
// nothing, damaged copies moved aside, a data folder that cannot be written,
// a fresh copy after every change of the evening, and several programs at
// once, each with a copy of its own that no other program touches.
//
// The test program is also its own child: started with --play-then-wait it
// plays an evening offscreen, prints it, its copy's path and "ready", and
// waits to be killed or told "end" (a clean end) on standard input. Children
// and parent share one data folder; each is a program of its own with its
// own locks.

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/textfile.h"
#include "correction/balancecorrection.h"
#include "ledger/ledger.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "results/recovery.h"
#include "filebytes.h"
#include "testsupport.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace testsupport;
using namespace kvadus;

namespace {

const QStringList kPlayers = {"Franta", "Pepa", "Lojza"};

// This program's copy of the last change, once it is on disk.
QString copyPath() {
  FRMMain->waitForRecoveryCopy();
  return FRMMain->recoveryPath();
}

bool setModified(const QString& path, const QDateTime& when) {
  QFile f(path);
  return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
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
  QStringList out =
      describe(*FRMMain->grid, itemTexts(FRMMain->LIBXHraci), FRMMain->declarerIndex(), FRMMain->chooserIndex(), shown);
  if (FRMMain->CKBXZobrazovatDruhyHer->isChecked() != shown) out << "the column switch disagrees";
  return out;
}
QStringList copiedEvening(const QString& path = copyPath()) {
  const TextFileRead file = readTextFile(path);
  if (file.status != TextFileRead::Ok) return {"no copy: " + file.error};
  const recovery::ReadBack back = recovery::readRecovery(file.lines);
  if (!back.ok) return {"refused: " + back.error};
  const recovery::Evening& e = back.evening;
  return describe(e.table, e.players, e.declarer, e.chooser, e.descriptionShown);
}

QStringList asideFiles() { return QDir(dataFolder()).entryList({"rozehrano-*.kvd"}, QDir::Files, QDir::Name); }
// Every file of the recovery copies in the data folder: copies, locks, leftovers.
QStringList copyFiles() { return QDir(dataFolder()).entryList({"rozehrano*"}, QDir::Files | QDir::Hidden, QDir::Name); }

QString offerText(int hands, const QStringList& players) {
  return QString("Posledni vecer nebyl radne ukoncen (%1 her, hraci: %2).\nObnovit ho?")
      .arg(hands)
      .arg(players.join(", "));
}

void clearDataFolder() { QDir(dataFolder()).removeRecursively(); }

void playHands(int count) {
  for (int i = 0; i < count; ++i) {
    points(6 + i % 3, 3);
    FRMMain->BUTNPridejSkore->click();
  }
}

// The lines with the count and checksum made to fit again, as an editor who
// knows the format would leave them.
QByteArray resealed(const QByteArray& bytes) {
  QStringList lines = decodeTextLines(bytes);
  lines.removeLast();
  lines.removeLast();
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (const QString& l : lines) hash.addData((l + u'\n').toUtf8());
  lines << QString("  obnova kontrola : %1 ").arg(lines.size()) + QString::fromLatin1(hash.result().toHex())
        << "  obnova konec";
  return encodeTextLines(lines);
}

// The child: an evening of these players and hands, played offscreen; then
// killed by the parent, or ended cleanly when told "end".
int playThenWait(const QStringList& players, int hands) {
  ScriptedPerson person;  // answers Yes to "opravdu chcete skoncit ?"
  freshWindows();
  FRMMain->flags.firstShowing = 0;
  FRMMain->show();
  FRMMain->offerRecovery();  // nothing of its own there: copies are written from now on
  startGame(players, 1);
  playHands(hands);
  clickRow(FRMMain->LIBXHraci, 0);  // a declarer who is not the chooser
  FRMMain->waitForRecoveryCopy();   // killed after the copy of the last change is on disk
  for (const QString& line : windowEvening()) std::printf("%s\n", qPrintable(line));
  std::printf("copy: %s\n", qPrintable(FRMMain->recoveryPath()));
  std::printf("ready\n");
  std::fflush(stdout);
  QSocketNotifier told(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&told, &QSocketNotifier::activated, [&told] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0 || qstrncmp(buffer, "end", 3) == 0) {
      told.setEnabled(false);
      FRMMain->close();  // a clean end, as the person's "Yes" to the question makes it
    }
  });
  QTimer::singleShot(120000, qApp, &QCoreApplication::quit);  // never outlive a lost parent
  const int code = qApp->exec();
  destroyWindows();
  return code;
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

  // A program of its own on the same data folder, playing an evening.
  struct Child {
    QProcess process;
    QStringList evening;  // as its window had it
    QString copy;         // its copy's path

    bool start(const QStringList& players, int hands) {
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("QT_QPA_PLATFORM", "offscreen");
      process.setProcessEnvironment(env);
      process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      process.start(QCoreApplication::applicationFilePath(),
                    {"--play-then-wait", players.join(','), QString::number(hands)});
      QStringList said;
      QElapsedTimer clock;
      clock.start();
      while (!said.contains("ready") && clock.elapsed() < 60000) {
        if (!process.canReadLine() && !process.waitForReadyRead(1000) && process.state() == QProcess::NotRunning) break;
        while (process.canReadLine()) said << QString::fromUtf8(process.readLine()).chopped(1);
      }
      if (!said.contains("ready")) {
        qWarning("child said: %s", qPrintable(said.join(" / ")));
        return false;
      }
      said = said.mid(0, said.indexOf("ready"));
      copy = said.takeLast().mid(6);
      evening = said;
      return QFile::exists(copy);
    }
    // SIGKILL on Unix: nothing of the program runs after it.
    void kill() {
      process.kill();
      process.waitForFinished(10000);
    }
    // "Yes" to the question at the end, as a person would.
    bool endCleanly() {
      process.write("end\n");
      return process.waitForFinished(30000) && process.exitCode() == 0;
    }
    ~Child() {
      if (process.state() != QProcess::NotRunning) kill();
    }
  };

  // One child, killed once its evening is on disk.
  QStringList killedChild(QString* copy = nullptr) {
    Child child;
    if (!child.start(kPlayers, 5)) return {};
    child.kill();
    if (copy) *copy = child.copy;
    return child.evening;
  }

  // An evening of kPlayers and this many hands, and the path of its copy.
  QString playedCopy(int hands) {
    FRMMain->offerRecovery();
    startGame(kPlayers);
    playHands(hands);
    return copyPath();
  }

  // The next start, answering the offer (if any) with `answer`.
  void restart(MsgAnswer answer) {
    destroyWindows();
    freshWindows();
    person.reset();
    person.answers = {answer};
    FRMMain->offerRecovery();
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

  // A killed program's evening is offered: "Yes" brings it back and it goes
  // on in the same copy; "No" keeps the copy under a dated name.
  void killedEveningIsOffered_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
  }
  void killedEveningIsOffered() {
    QFETCH(bool, yes);
    QString left;
    const QStringList before = killedChild(&left);
    QVERIFY(before.size() > 5);
    const QByteArray bytes = bytesOf(left);

    person.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
    FRMMain->offerRecovery();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Dotaz"));
    QCOMPARE(person.shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(person.shown[0].text,
             QString("Posledni vecer nebyl radne ukoncen (5 her, hraci: Franta, Pepa, Lojza).\nObnovit ho?"));
    const QStringList aside = asideFiles();
    if (yes) {
      QCOMPARE(windowEvening(), before);
      QCOMPARE(FRMMain->chooserIndex(), 2);  // the turn passed five times from the chooser 0
      QCOMPARE(markers(), QStringList({"vynasi  >", "", "voli       - "}));
      QCOMPARE(FRMMain->LABLPocetHer->text(), QString("Pocet her: 5"));
      QVERIFY(aside.isEmpty());
    } else {
      QCOMPARE(FRMMain->playerCount(), 0);  // the program starts as always
      QVERIFY(!QFile::exists(left));
      QCOMPARE(aside.size(), 1);
      QVERIFY2(QRegularExpression("^rozehrano-\\d{8}-\\d{6}\\.kvd$").match(aside[0]).hasMatch(), qPrintable(aside[0]));
      QCOMPARE(bytesOf(inFolder(dataFolder(), aside[0])), bytes);
      startGame(kPlayers);
    }
    // The evening goes on, and so does its copy, in its place; anything set aside stays.
    playHands(1);
    if (yes) QCOMPARE(copyPath(), left);
    QCOMPARE(copiedEvening(), windowEvening());
    QCOMPARE(asideFiles(), aside);
  }

  // Nothing is written before the start has offered what was left; a clean
  // end leaves nothing, "No" to its question keeps the copy.
  void cleanEndLeavesNoCopy() {
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    startGame(kPlayers);
    playHands(1);
    QCOMPARE(copyFiles(), QStringList());
    const QString copy = playedCopy(2);
    QVERIFY(QFile::exists(copy));

    person.answers = {MsgAnswer::No};
    QVERIFY(!FRMMain->close());
    QVERIFY(QFile::exists(copy));
    QVERIFY(FRMMain->close());             // "Yes"
    QCOMPARE(copyFiles(), QStringList());  // neither the copy nor its lock
  }

  // The program's end leaves its windows standing, but a copy still due is
  // written and its lock let go: the evening is offered at the next start.
  void endWithoutCloseKeepsTheLastChange() {
    const QString copy = playedCopy(1);
    playHands(1);  // its copy is due, not yet written
    const QStringList evening = windowEvening();
    leaveWindowsAtExit();
    QCOMPARE(copyFiles(), QStringList({QFileInfo(copy).fileName()}));
    QCOMPARE(copiedEvening(copy), evening);
  }

  // A copy cut short, damaged, or edited and sealed again with what the
  // program would never write is no evening: it goes aside with a line on
  // standard error, no question, and the program starts as always. A copy
  // without hands goes without a word.
  void damagedCopyIsNotOffered_data() {
    QTest::addColumn<int>("damage");
    QTest::newRow("cut short") << 0;
    QTest::newRow("a byte changed") << 1;
    QTest::newRow("not ours at all") << 2;
    QTest::newRow("resealed, chooser out of range") << 3;
    QTest::newRow("resealed, a cell not money") << 4;
    QTest::newRow("no hands") << 5;
  }
  void damagedCopyIsNotOffered() {
    QFETCH(int, damage);
    const QString copy = playedCopy(damage == 5 ? 0 : 3);
    QByteArray bytes = bytesOf(copy);
    if (damage == 0) bytes.chop(bytes.size() / 3);
    if (damage == 1) bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x01);
    if (damage == 2) bytes = QByteArray("\xff\xfe\x00\x01 binary", 12);
    if (damage == 3) bytes = resealed(bytes.replace("  obnova voli     : 0", "  obnova voli     : 99"));
    if (damage == 4)
      bytes = resealed(bytes.replace("  obnova kontrola", "  obnova bunka    : 1 2 sto korun\r\n  obnova kontrola"));
    FRMMain->waitForRecoveryCopy();
    destroyWindows();  // killed, as it were: the copy stays, its lock goes
    writeBytes(copy, bytes);

    WarningCounter warnings;
    restart(MsgAnswer::Yes);
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QVERIFY(!QFile::exists(copy));
    QCOMPARE(FRMMain->playerCount(), 0);
    if (damage == 5) {
      QCOMPARE(copyFiles(), QStringList());
      return;
    }
    QCOMPARE(warnings.count, 1);
    QVERIFY(warnings.texts[0].contains("damaged"));
    const QStringList aside = asideFiles();
    QCOMPARE(aside.size(), 1);
    QCOMPARE(bytesOf(inFolder(dataFolder(), aside[0])), bytes);
    startGame(kPlayers);
    playHands(1);
    QCOMPARE(copiedEvening(), windowEvening());
  }

  // The data folder cannot be made (a file stands in its place): the evening
  // goes on without a box, stderr hears of it once per failing spell, and the
  // copy is written as soon as the folder can be.
  void unwritableDataFolderDoesNotDisturb() {
    auto block = [] {
      QFile blocker(dataFolder());
      return QDir().mkpath(QFileInfo(dataFolder()).path()) && blocker.open(QIODevice::WriteOnly);
    };
    QVERIFY(block());
    FRMMain->offerRecovery();

    WarningCounter warnings;
    startGame(kPlayers);
    playHands(4);
    FRMMain->POPUPSmazPosledniClick();
    FRMMain->waitForRecoveryCopy();
    QCOMPARE(FRMMain->LABLPocetHer->text(), QString("Pocet her: 3"));
    QVERIFY2(person.shown.isEmpty(), qPrintable(person.texts().join(" | ")));
    QCOMPARE(warnings.count, 1);
    QVERIFY(warnings.texts[0].contains("cannot write the recovery copy"));

    QVERIFY(QFile::remove(dataFolder()));
    playHands(1);
    QCOMPARE(copiedEvening(), windowEvening());

    QVERIFY(QDir(dataFolder()).removeRecursively() && block());
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

    const QString copy = playedCopy(2);
    const QStringList before = windowEvening();
    const QString earlier = privateDataHome() + "/Zuzereru vevizor";
    QCOMPARE(earlierDataFolder(), earlier);
    QVERIFY(QDir().mkpath(earlier));
    QVERIFY(QFile::rename(copy, earlier + "/rozehrano.kvd"));
    QVERIFY(QFile::copy(earlier + "/rozehrano.kvd", earlier + "/rozehrano-20240101-200000.kvd"));

    restart(MsgAnswer::Yes);
    QCOMPARE(person.texts(), QStringList{offerText(2, kPlayers)});
    QCOMPARE(windowEvening(), before);
    QVERIFY(!QFileInfo::exists(earlier));
    QCOMPARE(asideFiles(), QStringList({"rozehrano-20240101-200000.kvd"}));
    QDir(earlier).removeRecursively();
  }

  // Two programs play different evenings on one data folder; one is killed.
  // A third start offers exactly the killed one's evening, never the living
  // one's, whose copy no one touches; the living one's clean end removes
  // only its own copy.
  void severalProgramsNeverLoseAnEvening() {
    Child a, b;
    QVERIFY(a.start({"Ada", "Bara", "Cyril"}, 4));
    QVERIFY(b.start({"Dan", "Eva", "Filip", "Gita"}, 7));
    QVERIFY(a.copy != b.copy);
    const QByteArray living = bytesOf(b.copy);
    QCOMPARE(copiedEvening(b.copy), b.evening);
    // A leftover of the living one's copy is its own business too.
    writeBytes(b.copy + ".Ab12Cd", "rozepsano");

    a.kill();
    QCOMPARE(bytesOf(b.copy), living);
    QCOMPARE(copiedEvening(a.copy), a.evening);

    person.answers = {MsgAnswer::Yes};
    FRMMain->offerRecovery();
    QCOMPARE(person.texts(), QStringList{offerText(4, {"Ada", "Bara", "Cyril"})});
    QCOMPARE(windowEvening(), a.evening);
    QCOMPARE(bytesOf(b.copy + ".Ab12Cd"), QByteArray("rozepsano"));
    playHands(2);
    QCOMPARE(copyPath(), a.copy);  // the restored evening goes on in its copy
    const QByteArray mine = bytesOf(a.copy);
    QCOMPARE(bytesOf(b.copy), living);

    QVERIFY(b.endCleanly());
    QVERIFY(!QFile::exists(b.copy));
    QVERIFY(!QFile::exists(b.copy + ".lock"));
    QCOMPARE(bytesOf(a.copy), mine);
    QCOMPARE(copiedEvening(), windowEvening());
    QVERIFY(asideFiles().isEmpty());
  }

  // Several evenings left behind: the newest is asked first, one question
  // each; "Yes" on one leaves the others for the next start.
  void newestFirstAndTheOthersStay() {
    Child older, newer;
    QVERIFY(older.start({"Ada", "Bara"}, 2));
    QVERIFY(newer.start({"Cyril", "Dan", "Eva"}, 3));
    older.kill();
    newer.kill();
    QVERIFY(setModified(older.copy, QDateTime::currentDateTime().addSecs(-60)));
    const QByteArray left = bytesOf(older.copy);

    person.answers = {MsgAnswer::Yes};
    FRMMain->offerRecovery();
    QCOMPARE(person.texts(), QStringList{offerText(3, {"Cyril", "Dan", "Eva"})});
    QCOMPARE(windowEvening(), newer.evening);
    QCOMPARE(bytesOf(older.copy), left);

    QVERIFY(FRMMain->close());  // a clean end
    restart(MsgAnswer::Yes);
    QCOMPARE(person.texts(), QStringList{offerText(2, {"Ada", "Bara"})});
    QCOMPARE(windowEvening(), older.evening);
  }

  // The lock of a process that is gone, or of a process that is another
  // program by now, does not keep its copy from the offer.
  void staleLockDoesNotBlockTheOffer_data() {
    QTest::addColumn<bool>("pidReused");
    QTest::newRow("its process ended") << false;
    QTest::newRow("its number is another program's now") << true;
  }
  void staleLockDoesNotBlockTheOffer() {
    QFETCH(bool, pidReused);
    const QString copy = playedCopy(2);
    destroyWindows();  // the lock goes with the program
    qint64 pid = 1;    // the system's first process
    if (!pidReused) {
      QProcess gone;
      gone.start("true");
      QVERIFY(gone.waitForStarted());
      pid = gone.processId();
      QVERIFY(gone.waitForFinished());
    }
    writeBytes(copy + ".lock", QString("%1\nzuzereru\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8());

    restart(MsgAnswer::No);
    QCOMPARE(person.texts(), QStringList{offerText(2, kPlayers)});
    QCOMPARE(asideFiles().size(), 1);
    QCOMPARE(copyFiles(), asideFiles());  // the stale lock is gone too
  }

  // What a kill between writing the temporary file and its rename leaves is
  // settled at the next start: the newest complete, sealed copy newer than
  // the copy is offered in its place, every other leftover goes.
  void leftoverTemporariesAreSettled() {
    const QString copy = playedCopy(2);
    const QByteArray two = bytesOf(copy);
    playHands(1);
    FRMMain->waitForRecoveryCopy();
    const QByteArray three = bytesOf(copy);
    destroyWindows();
    const QString place2 = inFolder(dataFolder(), "rozehrano2.kvd");
    const QDateTime now = QDateTime::currentDateTime();
    const QList<std::tuple<QString, QByteArray, int>> files = {
        {copy, two, -30},                         // the copy
        {copy + ".Sealed", three, -10},           // complete, newer: offered
        {copy + ".Cut123", three.left(200), -5},  // cut short
        {copy + ".Older1", three, -60},           // complete but older than the copy
        {place2 + ".x9Y8z7", three, -20},         // a copy that never got its name
        {place2 + ".Cut456", "rozehrano", -1}};
    for (const auto& [path, bytes, age] : files) {
      writeBytes(path, bytes);
      QVERIFY(setModified(path, now.addSecs(age)));
    }

    restart(MsgAnswer::Yes);
    QCOMPARE(person.texts(), QStringList{offerText(3, kPlayers)});
    QCOMPARE(FRMMain->STGOutput->rowCount(), 5);
    QCOMPARE(copyPath(), copy);
    QCOMPARE(copyFiles(), QStringList({"rozehrano.kvd", "rozehrano.kvd.lock", "rozehrano2.kvd"}));
    QCOMPARE(bytesOf(place2), three);  // stays for the next start

    // The next start offers it; "No" sets it aside.
    FRMMain->waitForRecoveryCopy();
    QVERIFY(FRMMain->close());
    restart(MsgAnswer::No);
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(copyFiles(), asideFiles());
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
    same("order corrected");

    FORMDiskoveOperace->REDTOutput->setPlainText(
        "sloupcu : 3+1\nbude : 2\njmena\nX; Y; Z; popis; \nhry\n1; -0,5; -0,5; hra; \nsuma\n1; -0,5; -0,5; s; ");
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
  if (argc > 3 && qstrcmp(argv[1], "--play-then-wait") == 0)
    return playThenWait(QString::fromLocal8Bit(argv[2]).split(','), QString::fromLocal8Bit(argv[3]).toInt());
  TestRecoveryWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_recovery_window.moc"
