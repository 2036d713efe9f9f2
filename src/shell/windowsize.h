#pragma once
// The main window's two sizes and where the windows go on the screen: plain
// rectangle arithmetic over the work area (the screen without the task bar),
// the system's frame metrics and the groups' edges.
//
// Every size here is an outer size (frame and caption included), as the
// screen sees the window; positions are the outer frame's top-left corner.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvadus::windowsize {

// What the sizes are built from: the frame the window manager really draws
// around a window, where the platform reports it, else the three system
// metrics of a caption and frame (the style's, which a desktop's window
// manager need not follow: Fusion's 24 and 4 against openbox's 20 and 1).
struct FrameMetrics {
  int captionHeight = 0;  // small caption ("Velikost nadpisu")
  int frameWidth = 0;     // dialog frame, left and right ("Sirka ohraniceni X")
  int frameHeight = 0;    // dialog frame, top and bottom ("Sirka ohraniceni Y")
  // The real frame (left, caption and top, right, bottom); it stands for
  // the three metrics, and a 0 in it is a real 0.
  std::optional<QMargins> platformFrame;
};

// The names of the metrics the system gave as 0, in the order above; none
// where the platform reported the frame.
QStringList missingMetrics(const FrameMetrics& m);
// "Parametr systemu '<name>'\n se nepodarilo zjistit".
QString missingMetricText(const QString& name);

// Frame and caption around a client area: the real frame's sides, or
// (2 × frame width, caption + 2 × frame height).
QSize frameExtra(const FrameMetrics& m);

struct FormSizes {
  QSize narrow;  // up to the price group's right and bottom edges
  QSize wide;    // right edge of "Vyhrane", bottom edge of "Prohrane"
};
// priceGroup, wonGroup and lostGroup in client coordinates.
FormSizes formSizes(const QRect& priceGroup, const QRect& wonGroup, const QRect& lostGroup, const FrameMetrics& m);

// The work area; nullopt when the system could not tell it (then nothing fits).
using WorkArea = std::optional<QRect>;

// True when a window of this outer size fits the work area (equal fits).
bool fits(const WorkArea& work, const QSize& size);

// True when the window manager's real frame decides whether a window of this
// client size fits: the client alone fits the work area, framed by the
// style's metrics it does not. Elsewhere the style's estimate gives the
// answer (a bare client too large for the area fits in no frame).
bool frameDecidesFit(const WorkArea& work, const QSize& client, const FrameMetrics& style);

// A client size as large as `wanted` but no larger than the work area leaves
// room for, the frame counted in; an unknown area leaves it as it is.
QSize clientSizeWithin(const QSize& wanted, const WorkArea& work, const FrameMetrics& m);

// A window wider than the narrow width by more than 10 pixels is the wide one.
bool isWide(int currentWidth, int narrowWidth);

// Keeps a window on the work area: a right edge beyond the area's right moves
// it left to end there, a bottom below the area's bottom moves it up; then a
// left or top before the area's start is pulled back to it. An unknown area
// leaves the position alone.
QPoint keepOnScreen(const QRect& window, const WorkArea& work);

// The nine placements, in the order of the placement menu.
enum class Placement { Centre, LeftTop, Left, LeftBottom, Top, Bottom, RightTop, Right, RightBottom };
inline constexpr int kPlacementCount = 9;

// Where the window (outer rectangle) goes. The centre halves the spare room
// rounding toward zero; "left unchanged" and "top unchanged" keep the
// window's own. An unknown work area leaves the window where it is.
QPoint place(Placement where, const QRect& window, const WorkArea& work);

// Where the placement menu opens: window left + button left − 60, window top
// + button top + 5 (the button's position inside the window).
QPoint placementMenuPosition(const QPoint& windowPos, const QPoint& buttonInWindow);

}  // namespace kvadus::windowsize
