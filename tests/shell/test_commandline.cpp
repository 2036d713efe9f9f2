// The command line and where the program finds its folders: in the working
// folder as always, or installed beside the executable with the user's files
// in the user's folders.

#include "common/appfolders.h"
#include "shell/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using kvadus::CommandLine;
using kvadus::FolderPlaces;
using kvadus::Folders;

namespace {
// The options a help text lists ("  -h, --help  Displays ..." gives -h and --help).
QStringList optionsIn(const QString& help) {
  static const QRegularExpression name(QStringLiteral("(?:^\\s+|, )(-{1,2}[\\w?-]+)"));
  QStringList options;
  for (const QString& line : help.section("Options:", 1).section("Arguments:", 0, 0).split('\n'))
    for (auto it = name.globalMatch(line); it.hasNext();) options << it.next().captured(1);
  return options;
}
}  // namespace

class TestCommandLine : public QObject {
  Q_OBJECT

  static void makeFolders(const QString& root, const QStringList& subs) {
    for (const QString& s : subs) QVERIFY(QDir().mkpath(root + QLatin1Char('/') + s));
  }
  static void touch(const QString& path, const QByteArray& bytes = "x") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

 private slots:
  void versionAndCaptionFromOnePlace() {
    QVERIFY(!kvadus::programVersion().isEmpty());
    QCOMPARE(kvadus::mainWindowCaption(), QStringLiteral("Zuzereru Vevizor v ") + kvadus::programVersion());
    QCOMPARE(kvadus::mainWindowCaption(), QStringLiteral("Zuzereru Vevizor v 1.0"));
  }

  void parsing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    const int run = int(CommandLine::Action::Run), fail = int(CommandLine::Action::Fail);
    QTest::newRow("nothing") << QStringList{"zuzereru"} << run << "";
    QTest::newRow("a file") << QStringList{"zuzereru", "hry/vecer.kvd"} << run << "hry/vecer.kvd";
    QTest::newRow("a file with blanks") << QStringList{"zuzereru", "/tmp/a b.kvd"} << run << "/tmp/a b.kvd";
    QTest::newRow("a file that looks like an option") << QStringList{"zuzereru", "--", "-x.kvd"} << run << "-x.kvd";
    QTest::newRow("help") << QStringList{"zuzereru", "--help"} << int(CommandLine::Action::ShowHelp) << "";
    QTest::newRow("short help") << QStringList{"zuzereru", "-h"} << int(CommandLine::Action::ShowHelp) << "";
    QTest::newRow("version") << QStringList{"zuzereru", "--version"} << int(CommandLine::Action::ShowVersion) << "";
    QTest::newRow("version after a file")
        << QStringList{"zuzereru", "a.kvd", "--version"} << int(CommandLine::Action::ShowVersion) << "";
    QTest::newRow("unknown option") << QStringList{"zuzereru", "--bogus"} << fail << "";
    QTest::newRow("two files") << QStringList{"zuzereru", "a.kvd", "b.kvd"} << fail << "";
  }
  void parsing() {
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(QString, file);
    const CommandLine line = kvadus::parseCommandLine(args);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.resultsFile, file);
    if (line.action == CommandLine::Action::Fail) QVERIFY(!line.text.isEmpty());
  }

  void helpAndVersionTexts() {
    const CommandLine version = kvadus::parseCommandLine({"zuzereru", "--version"});
    QCOMPARE(version.text, QStringLiteral("Zuzereru vevizor 1.0\n"));
    const CommandLine help = kvadus::parseCommandLine({"zuzereru", "--help"});
    QVERIFY(help.text.contains(QStringLiteral("--version")));
    QVERIFY(help.text.contains(QStringLiteral("soubor")));
  }

  // Before QApplication has taken Qt's own options out, they are read past
  // (with their values), and a wrong option is still found. --help-all
  // lists them.
  void earlyReadingKnowsQtsOptions() {
    auto early = [](const QStringList& args) { return kvadus::parseCommandLine(args, true); };
    const CommandLine line = early({"zuzereru", "-style", "fusion", "--reverse", "a.kvd", "-platform", "xcb:x"});
    QCOMPARE(line.resultsFile + " " + line.platform, QStringLiteral("a.kvd xcb:x"));
    QVERIFY(early({"zuzereru", "-platform=offscreen"}).platform.isEmpty());  // Qt takes no "=" there
    QCOMPARE(early({"zuzereru", "-style=fusion", "--bogus"}).text, QStringLiteral("Unknown option 'bogus'.\n"));
    QCOMPARE(early({"zuzereru", "-platform"}).action, CommandLine::Action::Fail);  // its value is missing
    const QString all = kvadus::parseCommandLine({"zuzereru", "--help-all"}).text;
    QVERIFY(all.contains("--platform <") && all.contains("--style <"));
  }

  // The program itself, where no display exists: every option --help lists
  // answers at once, a wrong option is named with exit code 2, and anything
  // that would start the program says that there is no display.
  void withoutADisplay() {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    struct Ran {
      int code;
      QString out, err;
    };
    auto run = [&](const QStringList& args) {
      QProcess p;
      p.setProcessEnvironment(env);
      p.setWorkingDirectory(home.path());
      p.start(QStringLiteral(ZUZ_PROGRAM), args);
      if (!p.waitForFinished(60000)) p.kill();
      return Ran{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                 QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
    };
    const QStringList listed = optionsIn(run({"--help"}).out);
    QVERIFY2(listed.size() >= 5, qPrintable(listed.join(' ')));
    for (const QString& option : listed) {
      const Ran r = run({option});
      QVERIFY2(r.code == 0 && !r.out.isEmpty() && r.err.isEmpty(), qPrintable(option + ": " + r.err));
    }
    for (const QStringList& wrong : {QStringList{"--bogus"}, QStringList{"-style", "fusion", "-x", "a.kvd"}}) {
      const Ran r = run(wrong);
      QVERIFY2(r.code == 2 && r.err.startsWith("zuzereru: Unknown option"), qPrintable(r.err));
    }
    const Ran start = run({"-style", "fusion", "a.kvd"});
    QVERIFY2(start.code == 1 && start.err.contains("no display"), qPrintable(start.err));
  }

  // ---- folders --------------------------------------------------------------

  void sourceFolderKeepsTheRelativeFolders() {
    QTemporaryDir work, data;
    makeFolders(work.path(), {"help"});
    makeFolders(data.path(), {"help", "nastaveni"});
    const Folders f = kvadus::findFolders({work.path(), data.path(), "/home/u/.local/share", "/home/u/Documents"});
    QVERIFY(!f.installed);
    QCOMPARE(f.help, QStringLiteral("help"));
    QCOMPARE(f.settings, QStringLiteral("nastaveni"));
    QCOMPARE(f.shippedSettings, QStringLiteral("nastaveni"));
    QCOMPARE(f.games, QStringLiteral("hry"));
  }

  void nothingFoundNamesTheRelativeFolders() {
    QTemporaryDir work;
    const Folders f = kvadus::findFolders({work.path(), work.path() + "/missing", "/u", "/d"});
    QVERIFY(!f.installed);
    QCOMPARE(f.help, QStringLiteral("help"));  // the help check then names help/... as missing
    QCOMPARE(f.games, QStringLiteral("hry"));
  }

  void installedUsesDataAndUserFolders() {
    QTemporaryDir work, data;
    makeFolders(data.path(), {"help", "nastaveni"});
    const Folders f = kvadus::findFolders({work.path(), data.path(), "/home/u/.local/share", "/home/u/Documents"});
    QVERIFY(f.installed);
    QCOMPARE(f.help, data.path() + "/help");
    QCOMPARE(f.shippedSettings, data.path() + "/nastaveni");
    QCOMPARE(f.settings, QStringLiteral("/home/u/.local/share/zuzereru/nastaveni"));
    QCOMPARE(f.games, QStringLiteral("/home/u/Documents/zuzereru"));
    // Without a documents folder the evenings go beside the settings.
    QCOMPARE(kvadus::findFolders({work.path(), data.path(), "/home/u/.local/share", ""}).games,
             QStringLiteral("/home/u/.local/share/zuzereru/hry"));
  }

  void installedStillTakesTheWorkingFoldersSettingsAndGames() {
    QTemporaryDir work, data;
    makeFolders(data.path(), {"help"});
    makeFolders(work.path(), {"nastaveni", "hry"});
    const Folders f = kvadus::findFolders({work.path(), data.path(), "/u", "/d"});
    QVERIFY(f.installed);
    QCOMPARE(f.settings, QStringLiteral("nastaveni"));
    QCOMPARE(f.games, QStringLiteral("hry"));
  }

  void userSettingsAreSeededOnceAndNeverOverwritten() {
    QTemporaryDir work, data, user;
    makeFolders(data.path(), {"help", "nastaveni"});
    touch(data.path() + "/nastaveni/auto.cfg", "shipped");
    touch(data.path() + "/nastaveni/turnaj.cfg", "shipped");
    QFile::setPermissions(data.path() + "/nastaveni/auto.cfg", QFileDevice::ReadOwner);
    const Folders f = kvadus::findFolders({work.path(), data.path(), user.path(), ""});
    kvadus::seedSettingsFolder(f);
    QCOMPARE(QDir(f.settings).entryList(QDir::Files), QStringList({"auto.cfg", "turnaj.cfg"}));
    QVERIFY(QFileInfo(f.settings + "/auto.cfg").permissions() & QFileDevice::WriteOwner);

    // The user's own changes and deletions stay.
    touch(f.settings + "/auto.cfg", "mine");
    QVERIFY(QFile::remove(f.settings + "/turnaj.cfg"));
    kvadus::seedSettingsFolder(f);
    QFile mine(f.settings + "/auto.cfg");
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
    QVERIFY(!QFile::exists(f.settings + "/turnaj.cfg"));
  }

  void theProgramsFoldersFollowThePlaces() {
    QTemporaryDir work, data, user;
    makeFolders(data.path(), {"help", "nastaveni"});
    touch(data.path() + "/nastaveni/auto.cfg");
    const FolderPlaces places{work.path(), data.path(), user.path(), user.path() + "/Dokumenty"};
    kvadus::setFolderPlaces(&places);
    QCOMPARE(kvadus::helpFolder(), data.path() + "/help");
    // Asking for the settings folder makes it, with the shipped files.
    QCOMPARE(kvadus::settingsFolder(), user.path() + "/zuzereru/nastaveni");
    QVERIFY(QFile::exists(user.path() + "/zuzereru/nastaveni/auto.cfg"));
    QCOMPARE(kvadus::gamesFolder(), user.path() + "/Dokumenty/zuzereru");
    kvadus::setFolderPlaces(nullptr);
    QCOMPARE(kvadus::inFolder(kvadus::helpFolder(), "a.gif").endsWith("help/a.gif"), true);
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
