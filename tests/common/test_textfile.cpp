// The program's text files: appending keeps every byte of the old file and
// writes the new lines in the file's own encoding (asking before a file of
// the old code page would have to become UTF-8), and a sync to the disk that
// fails is a failed save.
//
// The test program is also its own child: started with --sync-fails it
// writes with every sync failing (a library loaded before the C library)
// and prints what each write said.

#include "common/textfile.h"
#include "filebytes.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#ifdef ZUZ_FAILSYNC
#include <dlfcn.h>
#endif

using namespace kvadus;
using namespace testsupport;

namespace {

QByteArray cp1250(const QString& text) { return QStringEncoder("windows-1250").encode(text); }

// A file that is not text: every byte value, no line end at its end.
QByteArray binaryBytes() {
  QByteArray junk;
  for (int i = 0; i < 5000; ++i) junk += char((i * 7919 + 13) % 256);
  if (junk.endsWith('\n') || junk.endsWith('\r')) junk.chop(1);
  return junk;
}

// The child: writes with every sync failing and says what each write said.
int writeWithFailingSync(const QString& folder) {
#ifdef ZUZ_FAILSYNC
  if (!dlsym(RTLD_DEFAULT, "zuz_failsync_loaded")) {
    std::printf("no shim\n");
    return 0;
  }
  const QList<std::pair<QString, SaveMode>> writes = {
      {"stary.kvd", SaveMode::Overwrite}, {"stary.kvd", SaveMode::Append}, {"novy.kvd", SaveMode::Overwrite}};
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
  void appendKeepsEveryOldByte_data() {
    QTest::addColumn<QByteArray>("old");  // "<none>": no file
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("added");
    const QStringList czech = {"Čeněk; Žofie;", ""};
    const QByteArray czechUtf8 =
        "\xC4\x8C"
        "en\xC4\x9Bk; \xC5\xBD"
        "ofie;\r\n\r\n";
    QTest::newRow("UTF-8") << QByteArray("a\r\nb\r\n") << czech << czechUtf8;
    QTest::newRow("UTF-8 with a BOM") << QByteArray("\xEF\xBB\xBFjmena\r\n") << czech << czechUtf8;
    QTest::newRow("last line without an end") << QByteArray("bez konce") << czech << "\r\n" + czechUtf8;
    QTest::newRow("empty file") << QByteArray() << czech << czechUtf8;
    QTest::newRow("no file") << QByteArray("<none>") << czech << czechUtf8;
    const QByteArray legacy = cp1250("Šárka; Jiří;\r\n1; -0,5; -0,5;\r\n");
    QTest::newRow("Windows-1250") << legacy << czech << cp1250(czech.join("\r\n") + "\r\n");
    QTest::newRow("Windows-1250, plain letters added") << legacy << QStringList({"abc"}) << QByteArray("abc\r\n");
    QTest::newRow("binary, no last line end") << binaryBytes() << czech << "\r\n" + cp1250(czech.join("\r\n") + "\r\n");
  }
  void appendKeepsEveryOldByte() {
    QFETCH(QByteArray, old);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, added);
    const QString file = path(QTest::currentDataTag());
    QFile::remove(file);
    if (old == "<none>") old.clear();
    else writeBytes(file, old);
    const TextFileWrite w = writeTextFile(file, lines, SaveMode::Append);
    QVERIFY2(w.ok, qPrintable(w.error));
    QVERIFY(!w.needsUtf8);
    QCOMPARE(bytesOf(file), old + added);
    QCOMPARE(QDir(dir.path()).entryList({QFileInfo(file).fileName() + "*"}, QDir::Files).size(), 1);
  }

  // Many random files and lines: the old bytes stay, the new lines read back
  // as written, and a file is turned into UTF-8 (its text unchanged) only
  // when it has to be and the caller agrees.
  void appendRoundTripsRandomFiles() {
    QRandomGenerator rng(25);
    const QString letters = QStringLiteral("aZ09 ;.,:-+ěščřžýáíéůúťďňĚŠČŘŽÝÁÍÉŮÚŤĎŇäöüßŁłźż€");
    const QString foreign = QStringLiteral("☺Ω中");
    auto text = [&](const QString& from, int maxLength) {
      QString t;
      for (int i = int(rng.bounded(maxLength + 1)); i > 0; --i) t += from.at(rng.bounded(int(from.size())));
      return t;
    };
    const QString file = path("random.kvd");
    for (int round = 0; round < 300; ++round) {
      QByteArray old;
      switch (rng.bounded(4)) {
        case 0:  // any bytes
          for (int i = int(rng.bounded(300)); i > 0; --i) old += char(rng.bounded(256));
          break;
        case 1:
          old = text(letters + "\r\n\n", 200).toUtf8();
          break;
        case 2:
          old = cp1250(text(letters + "\r\n\n", 200));
          break;
        default:
          break;  // empty
      }
      QStringList lines;
      for (int i = int(rng.bounded(5)); i > 0; --i)
        lines << text(rng.bounded(8) == 0 ? letters + foreign : letters, 30);
      writeBytes(file, old);
      const QStringList oldLines = decodeTextLines(old);
      const QString what = QString("round %1: %2 old bytes, lines %3").arg(round).arg(old.size()).arg(lines.join('|'));

      const TextFileWrite w = writeTextFile(file, lines, SaveMode::Append);
      const bool legacy = !isValidUtf8(old);
      const bool fits = encodeLegacyLines(lines).has_value();
      QVERIFY2(w.needsUtf8 == (legacy && !fits), qPrintable(what));
      if (w.needsUtf8) {
        QVERIFY2(bytesOf(file) == old, qPrintable(what));
        QVERIFY2(writeTextFile(file, lines, SaveMode::Append, LegacyFile::ConvertToUtf8).ok, qPrintable(what));
        QVERIFY2(isValidUtf8(bytesOf(file)), qPrintable(what));
      } else {
        QVERIFY2(w.ok, qPrintable(what + ": " + w.error));
        QVERIFY2(bytesOf(file).startsWith(old), qPrintable(what));
      }
      QVERIFY2(decodeTextLines(bytesOf(file)) == oldLines + lines, qPrintable(what));
    }
  }

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
