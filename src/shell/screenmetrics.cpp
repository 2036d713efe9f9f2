#include "shell/screenmetrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace kvadus {

namespace {
ScreenMetricsProvider& provider() {
  static ScreenMetricsProvider p;
  return p;
}

ScreenMetrics realMetrics(const QWidget* window) {
  ScreenMetrics m;
  const QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen && screen->availableGeometry().isValid()) m.workArea = screen->availableGeometry();
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

ScreenMetrics screenMetrics(const QWidget* window) {
  return provider() ? provider()(window) : realMetrics(window);
}

ScreenMetricsProvider setScreenMetricsProvider(ScreenMetricsProvider p) {
  ScreenMetricsProvider previous = std::move(provider());
  provider() = std::move(p);
  return previous;
}

}  // namespace kvadus
