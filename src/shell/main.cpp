#include "shell/application.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
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
  return kvadus::runProgram(app);
}
