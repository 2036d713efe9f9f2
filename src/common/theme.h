#pragma once
// Colours that stay readable on any desktop theme: the windows take their
// colours from the palette, and the few of their own (a warning in red, a
// highlighted grid cell) are picked to stand out on the palette's background,
// light or dark. Also the dark palette the pictures of the windows are made
// with.

#include <QColor>
#include <QPalette>

namespace kvadus {

// The palette's window is darker than its text: a dark theme.
bool isDark(const QPalette& palette);
// Red that reads on the palette's window background (warnings, notes).
QColor warningColor(const QPalette& palette);
// The highlight colour as text on the window background: the palette's own
// where the window is light, a lighter shade of it where it is dark.
QColor accentColor(const QPalette& palette);
// Text that is there but says little: a hint beside the controls.
QColor quietTextColor(const QPalette& palette);
// A dark theme as desktops make it: dark windows and fields, light text.
QPalette darkPalette();

}  // namespace kvadus
