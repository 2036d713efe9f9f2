// The program started on real small screens: an X server (Xvfb) of the
// screen's size with a window manager (openbox) that draws real frames, and
// a panel where the screen has one. The window fits by the frame the window
// manager draws; the too-small message comes only where it does not.

#include "testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Starts openbox with the configuration $1, waits until it manages the
// screen and has published the work area $3 that its margins leave (on a
// loaded machine that comes a while after the window manager itself), runs
// the program $2 and ends the window manager. A window manager that does not
// get there in 30 s is reported (kNoWindowManager) instead of running the
// program on a screen that is not the one meant.
const char* const kNoWindowManager = "session: the window manager did not come up";
const char* const kSession =
    "openbox --sm-disable --config-file \"$1\" >/dev/null 2>&1 &\n"
    "wm=$!\n"
    "i=0\n"
    "until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&\n"
    "      xprop -root _NET_WORKAREA 2>/dev/null | grep -q \"= $3\\(,\\|$\\)\"; do\n"
    "  i=$((i + 1))\n"
    "  if [ $i -gt 300 ]; then echo \"$4\"; kill $wm; exit 3; fi\n"
    "  sleep 0.1\n"
    "done\n"
    "\"$2\"\n"
    "kill $wm\n";

// An openbox configuration whose margins stand for a panel.
QByteArray openboxConfig(const QMargins& panel) {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
             "  <margins><top>%1</top><bottom>%2</bottom><left>%3</left><right>0</right></margins>\n"
             "</openbox_config>\n")
      .arg(panel.top())
      .arg(panel.bottom())
      .arg(panel.left())
      .toUtf8();
}

QRect rectOf(const QString& text) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(-?\\d+),(-?\\d+) (\\d+)x(\\d+)")).match(text);
  return m.hasMatch()
             ? QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt())
             : QRect();
}

}  // namespace

class TestRealScreen : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    for (const char* tool : {"xvfb-run", "Xvfb", "openbox", "xprop"})
      if (QStandardPaths::findExecutable(tool).isEmpty()) {
        if (qEnvironmentVariableIsSet("CI")) QFAIL(qPrintable(QString(tool) + " is missing on the CI machine"));
        QSKIP(qPrintable(QString(tool) + " is not installed (Debian: xvfb, openbox, x11-utils)"));
      }
  }

  void startsWhereTheWindowFits_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QMargins>("panel");  // left, top and bottom
    QTest::addColumn<bool>("starts");
    QTest::newRow("800 x 600") << QSize(800, 600) << QMargins() << true;
    QTest::newRow("1024 x 600") << QSize(1024, 600) << QMargins() << true;
    QTest::newRow("1024 x 600, panel at the side") << QSize(1024, 600) << QMargins(64, 0, 0, 0) << true;
    QTest::newRow("1024 x 600, panel of 32 on top") << QSize(1024, 600) << QMargins(0, 32, 0, 0) << true;
    QTest::newRow("1024 x 600, panel of 32 at the bottom") << QSize(1024, 600) << QMargins(0, 0, 0, 32) << true;
    // 560 pixels hold the narrow window (536) in openbox's frame (21), not in
    // the style's (32): only the real frame lets it start.
    QTest::newRow("1024 x 600, panel of 40 on top") << QSize(1024, 600) << QMargins(0, 40, 0, 0) << true;
    // 552 pixels are too few for 536 in any frame of openbox's.
    QTest::newRow("1024 x 600, panel of 48 on top") << QSize(1024, 600) << QMargins(0, 48, 0, 0) << false;
    QTest::newRow("640 x 480") << QSize(640, 480) << QMargins() << false;
  }
  void startsWhereTheWindowFits() {
    QFETCH(QSize, screen);
    QFETCH(QMargins, panel);
    QFETCH(bool, starts);
    testsupport::WorkingFolder folder;
    QTemporaryDir scratch;
    const QString config = scratch.filePath("rc.xml");
    const QString report = scratch.filePath("report.txt");
    // What the panel leaves of the screen.
    const QRect work = QRect(QPoint(0, 0), screen).marginsRemoved(panel);
    {
      QFile f(config);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(openboxConfig(panel));
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("ZUZERERU_START_REPORT", report);
    env.insert("HOME", scratch.filePath("home"));
    env.insert("XDG_DATA_HOME", scratch.filePath("data"));
    env.remove("WAYLAND_DISPLAY");
    // Under AddressSanitizer the strndup() interceptor reports a read past a
    // buffer inside libxkbcommon-x11 while Qt sets up the X keyboard, before
    // any code of ours runs; that system library is left unchecked.
    if (env.contains("ASAN_OPTIONS")) env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":intercept_strndup=0");
    // An X server and window manager of its own for each attempt; the
    // search for a free display starts at a number of this test process, so
    // that a second test run on the machine does not race for the same one.
    // Only a window manager that never came up (the machine's trouble, not
    // the program's) is tried again.
    QString output;
    for (int attempt = 0; attempt < 3; ++attempt) {
      QProcess p;
      p.setProcessEnvironment(env);
      p.setWorkingDirectory(folder.path("."));
      p.setProcessChannelMode(QProcess::MergedChannels);
      p.start("xvfb-run", {"-a", "-n", QString::number(100 + QCoreApplication::applicationPid() % 3000 + attempt * 7),
                           "-s", QString("-screen 0 %1x%2x24").arg(screen.width()).arg(screen.height()), "sh", "-c",
                           kSession, "sh", config, ZUZ_BUILD_DIR "/src/zuzereru",
                           QString("%1, %2, %3, %4").arg(work.x()).arg(work.y()).arg(work.width()).arg(work.height()),
                           kNoWindowManager});
      QVERIFY(p.waitForStarted(10000));
      if (!p.waitForFinished(120000)) {
        p.kill();
        QFAIL("the program did not end");
      }
      output = QString::fromLocal8Bit(p.readAll());
      if (!output.contains(kNoWindowManager)) break;
    }
    QVERIFY2(!output.contains(kNoWindowManager), qPrintable(output));
    QFile f(report);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(output));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QRegularExpression("\r?\n"));

    const bool tooSmall = lines.filter("Velikost displeje (obrazovky) Vaseho pocitace bohuzel").size() == 1;
    QCOMPARE(tooSmall, !starts);
    QCOMPARE(lines.contains("started: yes"), starts);
    if (!starts) {
      QVERIFY(lines.contains("open: " + QDir::toNativeSeparators("help/trouble.htm")));
      return;
    }
    // The window and its frame lie inside the work area, which the panel
    // leaves; the frame is the window manager's, not the style's 24 and 4.
    const QRect reported = rectOf(lines.filter("work area: ").value(0));
    const QString window = lines.filter("window: ").value(0);
    const QRect outer = rectOf(window);
    QCOMPARE(reported, work);
    QVERIFY2(work.contains(outer), qPrintable(window));
    QVERIFY2(window.endsWith("(client 640x536)"), qPrintable(window));
    QVERIFY2(outer.height() - 536 < 24 + 2 * 4, qPrintable(window));
  }
};

QTEST_MAIN(TestRealScreen)
#include "test_real_screen.moc"
