// The installation: `cmake --install` of this build into a scratch prefix has
// every file in its place, the launcher and the metadata pass their
// validators, and the installed program, started from another folder, finds
// its help and opens a results file named on its command line.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/scoregrid.h"
#include "results/resultstext.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("cz.zuzereru.vevizor");

// An evening of three players with two hands, as results text.
QStringList eveningText() {
  kvadus::MemoryGrid g;
  kvadus::ledger::freshTable(g, {"Franta", "Pepa", "Lojza"});
  for (const QList<double>& hand : QList<QList<double>>{{2.0, -1.0, -1.0}, {-4.0, 2.0, 2.0}}) {
    const int row = g.rowCount() - 1;
    g.setRowCount(row + 2);
    for (int c = 0; c < 3; ++c) g.setCell(c, row, kvadus::signedMoneyText(hand[c]));
  }
  kvadus::ledger::recomputeSums(g, 3, false);
  return kvadus::results::writeResults(g, {3, false, 0, false, QStringLiteral("1.1.2026 - 20:00:00")});
}

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

Run run(const QString& program, const QStringList& args, const QString& folder = {},
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 120000) {
  QProcess p;
  p.setProcessEnvironment(env);
  if (!folder.isEmpty()) p.setWorkingDirectory(folder);
  p.start(program, args);
  Run r;
  if (!p.waitForStarted(10000)) {
    r.err = p.errorString();
    return r;
  }
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    r.err = QStringLiteral("timed out");
    return r;
  }
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

// The validators come with the CI's packages; on a developer's machine
// without them their test is skipped, in CI it fails.
QString validator(const QString& name) { return QStandardPaths::findExecutable(name); }

}  // namespace

class TestInstall : public QObject {
  Q_OBJECT

  QTemporaryDir scratch_;
  QString prefix_;

  QString installed(const QString& relative) const { return prefix_ + QLatin1Char('/') + relative; }

  // A start of the installed program as from the desktop: another working
  // folder, a home of its own, no display but the offscreen one.
  QProcessEnvironment startEnvironment(const QString& home) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("ZUZERERU_START_REPORT", home + "/start-report.txt");
    return env;
  }

  static QStringList report(const QString& home) {
    const kvadus::TextFileRead read = kvadus::readTextFile(home + "/start-report.txt");
    return read.status == kvadus::TextFileRead::Ok ? read.lines : QStringList();
  }

 private slots:
  void initTestCase() {
    QVERIFY(scratch_.isValid());
    prefix_ = scratch_.filePath("prefix");
    const Run r =
        run(QStringLiteral(ZUZ_CMAKE_COMMAND), {"--install", QStringLiteral(ZUZ_BUILD_DIR), "--prefix", prefix_});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
  }

  void everyFileInItsPlace() {
    QVERIFY(QFileInfo(installed("bin/zuzereru")).isExecutable());
    QStringList missing;
    QDirIterator help(QStringLiteral(ZUZ_SOURCE_ROOT "/help"), QDir::Files);
    int helpFiles = 0;
    while (help.hasNext()) {
      help.next();
      ++helpFiles;
      if (!QFileInfo::exists(installed("share/zuzereru/help/" + help.fileName()))) missing << help.fileName();
    }
    QVERIFY(helpFiles > 50);
    QVERIFY(QFileInfo(installed("share/zuzereru/nastaveni")).isDir());
    QDirIterator settings(QStringLiteral(ZUZ_SOURCE_ROOT "/nastaveni"), QDir::Files);
    while (settings.hasNext()) {
      settings.next();
      if (!QFileInfo::exists(installed("share/zuzereru/nastaveni/" + settings.fileName())))
        missing << settings.fileName();
    }
    for (const QString& f :
         {"share/applications/" + kAppId + ".desktop", "share/metainfo/" + kAppId + ".metainfo.xml",
          "share/mime/packages/" + kAppId + ".xml", "share/icons/hicolor/scalable/apps/" + kAppId + ".svg"})
      if (!QFileInfo::exists(installed(f))) missing << f;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      const QString png = QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
      QImage image(installed(png));
      if (image.size() != QSize(size, size)) missing << png;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    // Nothing of the tests or tools goes with it.
    QCOMPARE(QDir(installed("bin")).entryList(QDir::Files), QStringList{"zuzereru"});
  }

  void launcherDeclaresTheFileType() {
    const kvadus::TextFileRead desktop = kvadus::readTextFile(installed("share/applications/" + kAppId + ".desktop"));
    QVERIFY(desktop.lines.contains("MimeType=application/x-kvadus-results;"));
    QVERIFY(desktop.lines.contains("Exec=zuzereru %f"));
    QVERIFY(desktop.lines.contains("Icon=" + kAppId));
    const kvadus::TextFileRead mime = kvadus::readTextFile(installed("share/mime/packages/" + kAppId + ".xml"));
    QVERIFY(mime.lines.join('\n').contains("type=\"application/x-kvadus-results\""));
    QVERIFY(mime.lines.join('\n').contains("pattern=\"*.kvd\""));
  }

  void validatorsPass_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("desktop-file-validate")
        << "desktop-file-validate" << QStringList{installed("share/applications/" + kAppId + ".desktop")};
    QTest::newRow("appstreamcli") << "appstreamcli"
                                  << QStringList{"validate", "--no-net",
                                                 installed("share/metainfo/" + kAppId + ".metainfo.xml")};
  }
  void validatorsPass() {
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    const QString path = validator(tool);
    if (path.isEmpty()) {
      if (qEnvironmentVariableIsSet("CI")) QFAIL(qPrintable(tool + " is missing on the CI machine"));
      QSKIP(qPrintable(tool + " is not installed (Debian: desktop-file-utils, appstream)"));
    }
    const Run r = run(path, args);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
  }

  void versionWithoutADisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    const Run r = run(installed("bin/zuzereru"), {"--version"}, scratch_.path(), env);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("Zuzereru vevizor 1.0\n"));
    const Run help = run(installed("bin/zuzereru"), {"--help"}, scratch_.path(), env);
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--version"));
    const Run wrong = run(installed("bin/zuzereru"), {"--bogus"}, scratch_.path(), startEnvironment(scratch_.path()));
    QCOMPARE(wrong.exitCode, 2);
    QVERIFY(wrong.err.contains("bogus"));
  }

  // Started from another folder, the program gets through its whole first
  // showing: the help check passes on the installed help, the user's folders
  // are made in the home, and the file from the command line is the evening.
  void startsFromAnotherFolderWithAResultsFile() {
    QTemporaryDir home, elsewhere;
    const QString file = elsewhere.filePath("vecer.kvd");
    QVERIFY(kvadus::writeTextFile(file, eveningText(), kvadus::SaveMode::Overwrite).ok);
    const Run r = run(installed("bin/zuzereru"), {file}, elsewhere.path(), startEnvironment(home.path()));
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QStringList lines = report(home.path());
    QVERIFY2(lines.contains("started: yes"), qPrintable(lines.join('\n') + r.err));
    QVERIFY(lines.contains("caption: Zuzereru Vevizor v 1.0"));
    QVERIFY(lines.contains("help: " + QFileInfo(installed("share/zuzereru/help")).canonicalFilePath()));
    QVERIFY(lines.contains("settings: " + home.path() + "/.local/share/zuzereru/nastaveni"));
    QVERIFY(lines.contains("hands: 2"));
    // Two boxes: the summary of the shipped auto.cfg applied at start, then
    // the notice of the applied file, as after "Pouzit -->".
    const QStringList messages = lines.filter("message:");
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].startsWith("message: Informace | "), qPrintable(messages[0]));
    QCOMPARE(messages[1], "message: Oznameni | Soubor '" + QDir::toNativeSeparators(file) + "'\\nzpracovan uspesne.");
    QVERIFY(QFileInfo(home.path() + "/.local/share/zuzereru/nastaveni").isDir());
    QVERIFY(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == QStringList{"vecer.kvd"});
  }

  // The same start notices a help file missing from the installation, so the
  // start above did pass the check.
  void aBrokenInstallationIsNoticed() {
    QTemporaryDir home, elsewhere;
    QVERIFY(QFile::remove(installed("share/zuzereru/help/zmena7.gif")));
    const Run r = run(installed("bin/zuzereru"), {}, elsewhere.path(), startEnvironment(home.path()));
    QFile::copy(QStringLiteral(ZUZ_SOURCE_ROOT "/help/zmena7.gif"), installed("share/zuzereru/help/zmena7.gif"));
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = report(home.path());
    QVERIFY2(lines.contains("started: no"), qPrintable(lines.join('\n')));
    QVERIFY2(!lines.filter(QRegularExpression("^message: Chyba \\| Soubor .*zmena7.gif neexistuje")).isEmpty(),
             qPrintable(lines.join('\n')));
  }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
