#include "shell/screenmetrics.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace kvadus {

namespace {
ScreenMetricsProvider& provider() {
  static ScreenMetricsProvider p;
  return p;
}

// Events for up to `ms` milliseconds (none from the person), then a short
// rest, so that waiting does not spin.
void waitForEvents(int ms) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, ms);
  QThread::msleep(5);
}

std::optional<QMargins> probeFrame(WindowKind kind) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return std::nullopt;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  // Of a fixed size like the main window, without a maximize button; or
  // resizable like the other windows.
  QWindow probe;
  probe.setFlags(kind == WindowKind::FixedSize
                     ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                     : Qt::Window);
  probe.setTitle(QCoreApplication::applicationName());
  probe.setOpacity(0);  // where a compositor can, nobody sees it
  const QSize size(160, 40);
  if (kind == WindowKind::FixedSize) {
    probe.setMinimumSize(size);
    probe.setMaximumSize(size);
  }
  probe.setGeometry(QRect(screen->availableGeometry().topLeft() + QPoint(40, 60), size));
  probe.show();
  // A window manager frames a window before it maps it: by the first
  // exposure the frame is known, or there is no window manager.
  QDeadlineTimer shown(2000);
  while (!probe.isExposed() && !shown.hasExpired()) waitForEvents(20);
  QDeadlineTimer grace(300);
  QMargins frame = probe.frameMargins();
  while (frame.isNull() && !grace.hasExpired()) {
    waitForEvents(10);
    frame = probe.frameMargins();
  }
  probe.destroy();
  if (frame.isNull()) return std::nullopt;
  return frame;
}

// The frames measured, by kind of window; empty until measured.
std::optional<std::optional<QMargins>>& measured(WindowKind kind) {
  static std::optional<std::optional<QMargins>> frames[2];
  return frames[kind == WindowKind::FixedSize ? 0 : 1];
}

std::optional<QMargins> platformFrame(const QWidget* window, WindowKind kind) {
  // A window on screen tells its own.
  if (window && window->isVisible() && window->windowHandle()) {
    const QMargins own = window->windowHandle()->frameMargins();
    if (!own.isNull()) return own;
  }
  measurePlatformFrame();
  return *measured(kind);
}

ScreenMetrics realMetrics(const QWidget* window, WindowKind kind) {
  ScreenMetrics m;
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen && screen->availableGeometry().isValid()) m.workArea = screen->availableGeometry();
  m.frame.platformFrame = platformFrame(window, kind);
  const QStyle* style = window ? window->style() : QApplication::style();
  if (style) {
    m.frame.captionHeight = style->pixelMetric(QStyle::PM_TitleBarHeight);
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    m.frame.frameWidth = frame;
    m.frame.frameHeight = frame;
  }
  return m;
}
}  // namespace

void measurePlatformFrame() {
  for (WindowKind kind : {WindowKind::FixedSize, WindowKind::Resizable})
    if (!measured(kind)) measured(kind) = probeFrame(kind);
}

ScreenMetrics screenMetrics(const QWidget* window, WindowKind kind) {
  return provider() ? provider()(window) : realMetrics(window, kind);
}

ScreenMetricsProvider setScreenMetricsProvider(ScreenMetricsProvider p) {
  ScreenMetricsProvider previous = std::move(provider());
  provider() = std::move(p);
  return previous;
}

}  // namespace kvadus
