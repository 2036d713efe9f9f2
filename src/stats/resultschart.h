#pragma once
// A chart of the results window. Qt Charts gives a chart neither a footer, a
// text for a single point nor a line with an edge, so this chart adds them:
// the footer is a text at its bottom right, a mark is a small labelled box
// pinned to a point of a series, and an outline is a wider dark line drawn
// under a light one; marks and outlines are placed again whenever the plot
// area moves.

#include <QChart>
#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>

class QAbstractSeries;
class QXYSeries;
class QGraphicsSimpleTextItem;

namespace kvadus {

class ResultsChart : public QChart {
  Q_OBJECT
 public:
  ResultsChart();

  void setFooter(const QString& text);
  QString footer() const;

  enum class Side { Above, Below };
  // A mark with the text at the point `at` (in the series' values) of a
  // series of this chart; with a dot of the colour on the point itself.
  void addMark(QAbstractSeries* series, const QPointF& at, const QString& text, const QColor& dotColor, Side side);
  // Draws a wider line of the colour under the line series, below every
  // series, so that a light line stands out on the plot area; it follows the
  // series' points and goes with the series.
  void addOutline(QXYSeries* series, const QColor& color);
  // The series that have an outline.
  QList<QXYSeries*> outlined() const;
  // Removes every mark and outline (before the series they belong to go).
  void clearMarks();
  // The marks' texts in the order they were added; with the series' names
  // when asked ("  (1) - B: 7.5  (1)").
  QStringList marks(bool withSeries = false) const;
  // Puts the marks where their points are now, inside the plot area, moving a
  // mark that would cover an earlier one; and the outlines under their lines.
  void placeMarks();
  // Keeps every entry of a legend beside the plot in view: a legend taller
  // than the chart gets a smaller font (down to 7 pixels).
  void fitLegend();

 private:
  void placeFooter();
  void placeOutlines();
  QGraphicsSimpleTextItem* footer_ = nullptr;
};

}  // namespace kvadus
