#pragma once
// Windows laid out at fixed places for the standard font, made to hold a
// larger one: the program's windows were drawn for a 9 point sans serif
// font; where the desktop or the person chose a larger font, every fixed
// place and size grows by the same factor, so that no caption is cut off.

#include <QFont>

class QWidget;

namespace kvadus {

// How much the window's geometry must grow for this font: 1 for the
// standard font or a smaller one, 1.5 for a font half as large again.
qreal fontScale(const QFont& font);
// Multiplies the places and sizes of the window's controls that no layout
// places (and the window's own size) by the factor; fonts given in pixels
// grow with them.
void scaleFixedGeometry(QWidget* window, qreal factor);

// The fixed-pitch font of tables and texts: the system's, as much larger as
// the application font is than the system's general font.
QFont fixedFont();
// How much larger the application font is than the system's general font
// (1 when it is not larger).
qreal fontGrowth();
// The height of a grid row in the fixed font, made for `standard` pixels at
// the system's size.
int gridRowHeight(int standard);

}  // namespace kvadus
