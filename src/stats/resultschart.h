#pragma once
// A chart of the results window. Qt Charts gives a chart neither a footer nor
// a text for a single point, so this chart adds both: the footer is a text at
// its bottom right, and a mark is a small labelled box pinned to a point of a
// series, placed again whenever the plot area moves.

#include <QChart>
#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>

class QAbstractSeries;
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
  void addMark(QAbstractSeries* series, const QPointF& at, const QString& text,
               const QColor& dotColor, Side side);
  // Removes every mark (before the series they belong to go).
  void clearMarks();
  // The marks' texts in the order they were added; with the series' names
  // when asked ("  (1) - B: 7.5  (1)").
  QStringList marks(bool withSeries = false) const;
  // Puts the marks where their points are now, inside the plot area, moving a
  // mark that would cover an earlier one.
  void placeMarks();

 private:
  void placeFooter();
  QGraphicsSimpleTextItem* footer_ = nullptr;
};

}  // namespace kvadus
