#include "shell/application.h"
#include "shell/commandline.h"
#include "shell/startreport.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
QStringList rawArguments(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

void print(std::FILE* to, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
  std::fflush(to);
}
}  // namespace

int main(int argc, char** argv) {
  using kvadus::CommandLine;
  // --help and --version need no window system: answer them before one is asked for.
  if (const CommandLine early = kvadus::parseCommandLine(rawArguments(argc, argv), false);
      early.action == CommandLine::Action::ShowHelp ||
      early.action == CommandLine::Action::ShowVersion) {
    QCoreApplication console(argc, argv);
    kvadus::nameApplication();
    print(stdout, kvadus::parseCommandLine(QCoreApplication::arguments(), false).text);
    return 0;
  }
#ifdef Q_OS_LINUX
  // Without a display Qt would abort with a long plugin report; say it in one line.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::fprintf(stderr,
                 "zuzereru: no display found (DISPLAY is not set); start it on a desktop, "
                 "or under xvfb-run.\n");
    return 1;
  }
#endif
  kvadus::Application app(argc, argv);
  // QApplication has taken its own options (-platform, -style ...) out by now.
  const CommandLine line = kvadus::parseCommandLine(QCoreApplication::arguments());
  if (line.action == CommandLine::Action::Fail) {
    print(stderr, QStringLiteral("zuzereru: ") + line.text);
    return 2;
  }
  kvadus::setStartFile(line.resultsFile);
  const QString report = qEnvironmentVariable("ZUZERERU_START_REPORT");
  if (!report.isEmpty()) kvadus::installStartReport(report);
  return kvadus::runProgram(app);
}
