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
  // --help, --help-all, --version and a wrong option need no window system:
  // they are answered before one is asked for.
  const CommandLine early = kvadus::parseCommandLine(rawArguments(argc, argv), true);
  if (early.action == CommandLine::Action::ShowHelp || early.action == CommandLine::Action::ShowVersion) {
    QCoreApplication console(argc, argv);
    kvadus::nameApplication();
    print(stdout, kvadus::parseCommandLine(QCoreApplication::arguments(), true).text);
    return 0;
  }
#ifdef Q_OS_LINUX
  // Without a display Qt would abort with a long plugin report; say it in one line.
  if (early.platform.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    if (early.action == CommandLine::Action::Fail) {
      print(stderr, QStringLiteral("zuzereru: ") + early.text);
      return 2;
    }
    std::fprintf(stderr,
                 "zuzereru: no display found (DISPLAY is not set); start it on a desktop, "
                 "or under xvfb-run.\n");
    return 1;
  }
#endif
  kvadus::Application app(argc, argv);
  // QApplication has taken its own options out by now, also any that the
  // early reading did not know: this reading decides.
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
