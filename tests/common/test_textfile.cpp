// The program's text files: a sync to the disk that fails is a failed save.
//
// The test program is also its own child: started with --sync-fails it
// writes with every sync failing (a library loaded before the C library)
// and prints what each write said.

#include "common/textfile.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#ifdef ZUZ_FAILSYNC
#include <dlfcn.h>
#endif

using namespace kvadus;

namespace {

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}
// The child: writes with every sync failing and says what each write said.
int writeWithFailingSync(const QString& folder) {
#ifdef ZUZ_FAILSYNC
  if (!dlsym(RTLD_DEFAULT, "zuz_failsync_loaded")) {
    std::printf("no shim\n");
    return 0;
  }
  const QList<std::pair<QString, SaveMode>> writes = {{"stary.kvd", SaveMode::Overwrite},
                                                      {"stary.kvd", SaveMode::Append},
                                                      {"novy.kvd", SaveMode::Overwrite}};
  for (const auto& [name, mode] : writes) {
    const TextFileWrite w = writeTextFile(folder + "/" + name, {"nova radka"}, mode);
    std::printf("%d %s\n", int(w.ok), qPrintable(w.error));
  }
#else
  Q_UNUSED(folder);
  std::printf("no shim\n");
#endif
  return 0;
}

}  // namespace

class TestTextFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString path(const QString& name) const { return dir.filePath(name); }

 private slots:
  // With every sync to the disk failing, no write passes as saved and the
  // old file stays as it was.
  void failingSyncIsAFailedWrite() {
#ifndef ZUZ_FAILSYNC
    QSKIP("a failing sync is injected only on Linux");
#else
    const QString folder = path("sync");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray old = "stary obsah\r\n";
    writeBytes(folder + "/stary.kvd", old);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", ZUZ_FAILSYNC);
    // Under the sanitizers their runtime would insist on being loaded first.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--sync-fails", folder});
    QVERIFY(child.waitForFinished(60000));
    const QStringList said = QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (said == QStringList({"no shim"})) QSKIP("the failing sync could not be loaded here");
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(said, QStringList({"0 Input/output error", "0 Chyba pri zapisu (plny disk ?)", "0 Input/output error"}));
    QCOMPARE(bytesOf(folder + "/stary.kvd"), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"stary.kvd"}));
#endif
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 2 && qstrcmp(argv[1], "--sync-fails") == 0) return writeWithFailingSync(QString::fromLocal8Bit(argv[2]));
  TestTextFile test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_textfile.moc"
