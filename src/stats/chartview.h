#pragma once
// The parts every chart of the program is built from: a view holding a
// ResultsChart in the program's look, value axes with whole-number ticks, the
// palette's colours and the marks of a series' labelled points.

#include "stats/chartdata.h"

#include <QColor>
#include <QString>

class QAbstractSeries;
class QChartView;
class QPagedPaintDevice;
class QValueAxis;
class QWidget;

namespace kvadus {

class ResultsChart;

QColor paletteQColor(int paletteEntry);

// A chart view named `name` holding a ResultsChart: no zooming or panning,
// a grey plot area.
QChartView* makeChartView(QWidget* parent, const char* name, const QString& hint);
// A chart view made when first used goes on top of its page, whose box
// layout holds the controls below it from the start.
void placeChartView(QWidget* page, QChartView* view);
// A chart view of a course over `x` (placed on top of `page`): the legend
// on the right without tooltips, a value axis below and one of money.
QChartView* makeCourseChartView(QWidget* page, const char* name, const QString& hint, const QString& x);

// A value axis with whole-number labels and ticks anchored at 0.
QValueAxis* makeValueAxis(const QString& title);
// Range and tick step together. An axis lays out its ticks at every change,
// so it never holds a wide range with a fine step, not even between the two
// calls: that would be a tick for every unit of up to 1e13.
void applyScale(QValueAxis* axis, double min, double max, double step);
void applyScale(QValueAxis* axis, const stats::AxisScale& scale);

// A mark for every labelled point of a line drawn from `points` (point i at
// x = i): below the point where the line falls to it, else above.
void addPointMarks(ResultsChart* chart, QAbstractSeries* line, const QList<stats::ChartPoint>& points,
                   const QColor& color);

// Paints the chart in landscape on a printer or a PDF writer, the same
// pages for both; the device's orientation is restored afterwards.
bool printChart(QChartView* view, QPagedPaintDevice& device);

}  // namespace kvadus
