#pragma once
// What the balance charts draw: the player palette, the points and marks of
// the course chart, the bars of the final-balance chart, and the titles and
// footers with the paid flag. The results window hands these to the charting
// component.

#include "ledger/scoregrid.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace kvadus::stats {

// ---- palette --------------------------------------------------------------------

struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};
constexpr int kPaletteSize = 18;
// Entries 0..17: aqua, black, blue, dark grey, fuchsia, grey, green, lime,
// light grey, maroon, navy, olive, purple, red, silver, teal, white, yellow.
Rgb paletteColor(int entry);
QString paletteName(int entry);
// The entry of the player in score-table column p (0-based): (p + 9) mod 18,
// so the first player is maroon, the tenth aqua.
int playerPaletteEntry(int column);

// The plot area behind the series: light grey.
Rgb plotAreaColor();
// The outline drawn under a line that would not stand out: dark grey.
Rgb outlineColor();
// The contrast of two colours: the ratio of their relative luminances (each
// plus 0.05), 1 for equal colours up to 21 for black on white.
double contrastRatio(Rgb a, Rgb b);
// A line of this colour is drawn over a dark outline: its contrast to the
// plot area is below 3 (white, yellow, aqua, lime, silver, fuchsia ...).
bool needsOutline(Rgb colour);

// Half up to four decimals: floor(x * 10000 + 0.5) * 0.0001.
double roundToFourDecimals(double x);

// ---- course chart ---------------------------------------------------------------

enum class CourseKind { Balances, Wins };  // "stavy", "vyhry"
QString courseTitle(CourseKind kind);      // "Prubeh penez celkem", "Jednotlive vyhry"
// "  (" + p + ") - " + name
QString courseSeriesTitle(int column, const QString& name);

struct ChartPoint {
  double value = 0;
  QString label;  // empty: no mark
};

struct CourseSeries {
  QString title;
  int palette = 0;
  QList<ChartPoint> points;  // point 0 is the state before the first hand
};

// The references a player's marks are compared with, as the records table
// shows them: the lowest and highest running balance for "stavy", the biggest
// loss and win for "vyhry".
struct MarkReferences {
  QString lowest;
  QString highest;
};

// One series per player column: a first point of 0, then a point per hand
// (the running balance, or the hand's result), with marks on the first point
// that reaches the lowest and the highest reference and, for "stavy", on the
// last point (the value and the player's column). Marks are made only when
// showMarks is set. References are read strictly (ConversionError).
QList<CourseSeries> courseSeries(const ScoreGrid& scores, int players, int hands,
                                 const QList<MarkReferences>& references, CourseKind kind, bool showMarks);

// The mark of a player's last point: the value, "  (", the column, ")".
QString lastPointMark(double value, int column);

// ---- final-balance chart --------------------------------------------------------

struct Bar {
  double value = 0;
  QString label;
  int palette = 0;
};
// One bar per player: the final balance read strictly (ConversionError) and
// rounded to four decimals, labelled with the name.
QList<Bar> finalBars(const QStringList& names, const QStringList& balanceTexts);

// ---- titles and footers ---------------------------------------------------------

QString paidNote();  // " [  jiz ZAPLACENO!  ]"
// The date-time stamp, followed by the paid note when paid.
QString chartFooter(const QString& stamp, bool paid);
// "Stav po 12 hrach", "Konecny stav po 1 hre".
QString finalTitle(bool paid, int hands);

// ---- axes -----------------------------------------------------------------------

// An axis range over the given values, widened to whole numbers, with a step
// of at least 1 that keeps the number of ticks at about `ticks`.
struct AxisScale {
  double min = 0;
  double max = 1;
  double step = 1;
};
AxisScale wholeNumberScale(double low, double high, int ticks = 10);
// The money axis of a course chart: over every point of the series (and 0),
// with room above and below for the marks.
AxisScale courseValueScale(const QList<CourseSeries>& series);

}  // namespace kvadus::stats
