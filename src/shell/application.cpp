#include "shell/application.h"

#include "common/messages.h"
#include "shell/mainwindow.h"
#include "shell/screenmetrics.h"
#include "shell/startup.h"

#include <QEvent>

#include <exception>

namespace kvadus {

namespace {
// Eats tooltip events while tooltips are switched off.
class TooltipFilter : public QObject {
 public:
  bool enabled = true;
  bool eventFilter(QObject*, QEvent* event) override { return !enabled && event->type() == QEvent::ToolTip; }
};

TooltipFilter* tooltipFilter() {
  static TooltipFilter* filter = [] {
    auto* f = new TooltipFilter;
    if (qApp) {
      f->setParent(qApp);
      qApp->installEventFilter(f);
    }
    return f;
  }();
  return filter;
}
}  // namespace

void setTooltipsEnabled(bool enabled) { tooltipFilter()->enabled = enabled; }
bool tooltipsEnabled() { return tooltipFilter()->enabled; }

void nameApplication() {
  // The application name only: a display name would be appended by the
  // window system to every caption ("Dotaz - Zuzereru vevizor"), and the
  // captions must read exactly as they are set.
  QCoreApplication::setApplicationName(QStringLiteral("Zuzereru vevizor"));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { nameApplication(); }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    showMessage(nullptr, applicationDisplayName(), QString::fromLocal8Bit(e.what()));
  } catch (...) {
    showMessage(nullptr, applicationDisplayName(), QStringLiteral("Neznama chyba"));
  }
  return false;
}

QString unexpectedErrorText(const QString& errorMessage) {
  return QStringLiteral(
             "V aplikaci nastala neocekavana chyba.\nZaznamenejte prosim okolnosti vzniku chyby\n"
             "a nasledujici text a vynadejte autorovi :-]\nOmlouvam se.\n\n") +
         errorMessage + QStringLiteral("\n\nV programu muzete pokracovat, ale neni\nzarucena jeho spravna funkce");
}

void reportUnexpectedError(const QString& errorMessage) {
  showMessage(nullptr, QStringLiteral("Chyba"), unexpectedErrorText(errorMessage));
}

int runProgram(Application& app) {
  try {
    // Where the window manager's frame decides whether the window fits the
    // screen, it is measured before any window of the program exists.
    measurePlatformFrame(TFRMMain::clientSizes());
    createWindows();
    // A screen too small for the window ended the program while it was made.
    if (!FRMMain->screenTooSmall) {
      FRMMain->show();
      app.exec();
    }
  } catch (const std::exception& e) {
    reportUnexpectedError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    reportUnexpectedError(QStringLiteral("Neznama chyba"));
  }
  // The process ends now and its memory goes with it: the seven windows are
  // left standing rather than taken apart control by control (nothing of
  // theirs needs saving by then). The season window's reading is stopped.
  leaveWindowsAtExit();
  return 0;
}

}  // namespace kvadus
