#pragma once
// What the screen gives the window size rules: the work area of the screen a
// window is on and the frame around a window. The program asks the screen,
// the platform (the window manager's real frame) and, where the platform
// cannot tell, the style; tests install a provider of their own and simulate
// any screen.

#include "shell/windowsize.h"

#include <functional>

class QWidget;

namespace kvadus {

struct ScreenMetrics {
  windowsize::WorkArea workArea;       // nullopt: the system could not tell it
  windowsize::FrameMetrics frame;      // a 0 is a metric the system did not give
};

// Asks the platform once what frames its window manager draws around a
// window of a fixed size and a resizable one: a small window of each kind is
// shown for a moment and its frame margins read.
// Platforms without frames (offscreen), and a display without a window
// manager, report none; the style's metrics stand in then. The program
// measures before it makes its windows; screenMetrics() measures on first
// use otherwise.
void measurePlatformFrame();

// Window managers frame a window that can be resized otherwise than one of a
// fixed size (openbox: a grip of 5 pixels at the bottom instead of 1).
enum class WindowKind { FixedSize, Resizable };

// The metrics for this window (null: the primary screen), framed as a window
// of that kind; the main window is of a fixed size.
ScreenMetrics screenMetrics(const QWidget* window, WindowKind kind = WindowKind::FixedSize);

using ScreenMetricsProvider = std::function<ScreenMetrics(const QWidget* window)>;
// Installs another provider (an empty one restores the real screen); returns
// the previous one.
ScreenMetricsProvider setScreenMetricsProvider(ScreenMetricsProvider provider);

}  // namespace kvadus
