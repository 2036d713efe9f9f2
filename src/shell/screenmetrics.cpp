#include "shell/screenmetrics.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace kvadus {

namespace {
ScreenMetricsProvider& provider() {
  static ScreenMetricsProvider p;
  return p;
}

// However loaded the machine, a window manager that runs maps a window well
// within this; only one that has hung keeps the start waiting so long.
constexpr int kFrameWaitMs = 10000;

// A small window of one kind, shown until its frame is known. A window
// manager frames a window before it maps it, so by the window's first
// exposure its frame margins are there; a window exposed without margins
// has no frame (no window manager draws one).
class FrameProbe : public QWindow {
 public:
  FrameProbe(WindowKind kind, const QRect& at, std::function<void()> settledHook)
      : settledHook_(std::move(settledHook)) {
    // Of a fixed size like the main window, without a maximize button; or
    // resizable like the other windows.
    setFlags(kind == WindowKind::FixedSize
                 ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                 : Qt::Window);
    setTitle(QCoreApplication::applicationName());
    setOpacity(0);  // where a compositor can, nobody sees it
    if (kind == WindowKind::FixedSize) {
      setMinimumSize(at.size());
      setMaximumSize(at.size());
    }
    setGeometry(at);
  }
  bool settled() const { return settled_; }
  std::optional<QMargins> frame() const { return frame_; }

 protected:
  bool event(QEvent* e) override {
    const bool handled = QWindow::event(e);
    if (!settled_ && isExposed()) {
      settled_ = true;
      const QMargins m = frameMargins();
      if (!m.isNull()) frame_ = m;
      settledHook_();
    }
    return handled;
  }

 private:
  std::function<void()> settledHook_;
  std::optional<QMargins> frame_;
  bool settled_ = false;
};

// The frames measured, by kind of window; empty until measured.
std::optional<std::optional<QMargins>>& measured(WindowKind kind) {
  static std::optional<std::optional<QMargins>> frames[2];
  return frames[kind == WindowKind::FixedSize ? 0 : 1];
}

// Shows a probe of each kind at once and waits, handling events, until both
// are settled or the bound is reached (then a probe not settled tells none).
void probeFrames() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QString platform = QGuiApplication::platformName();
  if (!screen || platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
    for (WindowKind kind : {WindowKind::FixedSize, WindowKind::Resizable}) measured(kind) = std::nullopt;
    return;
  }
  QEventLoop loop;
  std::array<std::unique_ptr<FrameProbe>, 2> probes;
  auto allSettled = [&probes] {
    return std::all_of(probes.begin(), probes.end(), [](const auto& p) { return p && p->settled(); });
  };
  const auto settled = [&] {
    if (allSettled()) loop.quit();
  };
  const QPoint corner = screen->availableGeometry().topLeft();
  probes[0] =
      std::make_unique<FrameProbe>(WindowKind::FixedSize, QRect(corner + QPoint(40, 60), QSize(160, 40)), settled);
  probes[1] =
      std::make_unique<FrameProbe>(WindowKind::Resizable, QRect(corner + QPoint(40, 140), QSize(160, 40)), settled);
  for (auto& p : probes) p->show();
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
  bound.start(kFrameWaitMs);
  if (!allSettled()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  measured(WindowKind::FixedSize) = probes[0]->frame();
  measured(WindowKind::Resizable) = probes[1]->frame();
  for (auto& p : probes) p.reset();  // gone before what their hook refers to
}

std::optional<QMargins> platformFrame(const QWidget* window, WindowKind kind) {
  // A window on screen tells its own.
  if (window && window->isVisible() && window->windowHandle()) {
    const QMargins own = window->windowHandle()->frameMargins();
    if (!own.isNull()) return own;
  }
  return measured(kind).value_or(std::nullopt);
}

windowsize::FrameMetrics styleMetrics(const QStyle* style) {
  windowsize::FrameMetrics m;
  if (style) {
    m.captionHeight = style->pixelMetric(QStyle::PM_TitleBarHeight);
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    m.frameWidth = frame;
    m.frameHeight = frame;
  }
  return m;
}

windowsize::WorkArea workAreaOf(const QScreen* screen) {
  if (screen && screen->availableGeometry().isValid()) return screen->availableGeometry();
  return std::nullopt;
}

ScreenMetrics realMetrics(const QWidget* window, WindowKind kind) {
  ScreenMetrics m;
  const QScreen* screen = window ? window->screen() : nullptr;
  m.workArea = workAreaOf(screen ? screen : QGuiApplication::primaryScreen());
  m.frame = styleMetrics(window ? window->style() : QApplication::style());
  m.frame.platformFrame = platformFrame(window, kind);
  return m;
}
}  // namespace

void measurePlatformFrame(const QList<QSize>& clients) {
  if (measured(WindowKind::FixedSize) && measured(WindowKind::Resizable)) return;
  const windowsize::WorkArea work = workAreaOf(QGuiApplication::primaryScreen());
  const windowsize::FrameMetrics style = styleMetrics(QApplication::style());
  if (std::any_of(clients.begin(), clients.end(),
                  [&](const QSize& c) { return windowsize::frameDecidesFit(work, c, style); }))
    probeFrames();
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
