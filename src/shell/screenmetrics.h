#pragma once
// What the screen gives the window size rules: the work area of the screen a
// window is on and the frame metrics. The program asks the screen and the
// style; tests install a provider of their own and simulate any screen.

#include "shell/windowsize.h"

#include <functional>

class QWidget;

namespace kvadus {

struct ScreenMetrics {
  windowsize::WorkArea workArea;       // nullopt: the system could not tell it
  windowsize::FrameMetrics frame;      // a 0 is a metric the system did not give
};

// The metrics for this window (null: the primary screen).
ScreenMetrics screenMetrics(const QWidget* window);

using ScreenMetricsProvider = std::function<ScreenMetrics(const QWidget* window)>;
// Installs another provider (an empty one restores the real screen); returns
// the previous one.
ScreenMetricsProvider setScreenMetricsProvider(ScreenMetricsProvider provider);

}  // namespace kvadus
