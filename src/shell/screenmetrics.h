#pragma once
// What the screen gives the window size rules: the work area of the screen a
// window is on and the frame around a window. The program asks the screen,
// the platform (the window manager's real frame) and, where the platform
// cannot tell, the style; tests install a provider of their own and simulate
// any screen.

#include "shell/windowsize.h"

#include <QList>

#include <functional>

class QWidget;

namespace kvadus {

struct ScreenMetrics {
  windowsize::WorkArea workArea;   // nullopt: the system could not tell it
  windowsize::FrameMetrics frame;  // a 0 is a metric the system did not give
};

// Asks the platform what frames its window manager draws around a window of
// a fixed size and a resizable one, where the real frame decides whether a
// window of one of these client sizes fits the primary screen's work area
// (windowsize::frameDecidesFit); elsewhere nothing is shown and the style's
// metrics stand in. A small window of each kind is shown until the window
// manager has framed it or has shown it without a frame. Platforms without
// frames (offscreen) and a display without a window manager report none.
// The program measures before it makes its windows; a frame once measured
// is kept.
void measurePlatformFrame(const QList<QSize>& clients);

// Window managers frame a window that can be resized otherwise than one of a
// fixed size (openbox: a grip of 5 pixels at the bottom instead of 1).
enum class WindowKind { FixedSize, Resizable };

// The metrics for this window (null: the primary screen), framed as a window
// of that kind (the main window is of a fixed size): the window's own frame
// once it is on screen, else the frame measured at start, if any.
ScreenMetrics screenMetrics(const QWidget* window, WindowKind kind = WindowKind::FixedSize);

using ScreenMetricsProvider = std::function<ScreenMetrics(const QWidget* window)>;
// Installs another provider (an empty one restores the real screen); returns
// the previous one.
ScreenMetricsProvider setScreenMetricsProvider(ScreenMetricsProvider provider);

}  // namespace kvadus
