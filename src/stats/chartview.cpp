#include "stats/chartview.h"

#include "common/keyboard.h"
#include "stats/resultschart.h"

#include <QBoxLayout>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace kvadus {

QColor paletteQColor(int paletteEntry) {
  const stats::Rgb c = stats::paletteColor(paletteEntry);
  return QColor(c.red, c.green, c.blue);
}

void placeChartView(QWidget* page, QChartView* view) {
  static_cast<QBoxLayout*>(page->layout())->insertWidget(0, view, 1);
  // As if made first on its page: Tab reaches it before the page's other
  // controls, and a screen reader reads its name like every control's.
  QWidget* first = page->nextInFocusChain();
  while (first != view && first->focusPolicy() == Qt::NoFocus && page->isAncestorOf(first))
    first = first->nextInFocusChain();
  if (first != view && page->isAncestorOf(first)) {
    QWidget* before = first->previousInFocusChain();
    while (before != first && (before == view || view->isAncestorOf(before) || before->focusPolicy() == Qt::NoFocus))
      before = before->previousInFocusChain();
    if (before != first) QWidget::setTabOrder(before, view);
  }
  nameControls(page->window());
  view->show();
}

QChartView* makeChartView(QWidget* parent, const char* name, const QString& hint) {
  auto* view = new QChartView(new ResultsChart, parent);
  view->setObjectName(QLatin1String(name));
  view->setToolTip(hint);
  view->setRenderHint(QPainter::Antialiasing);
  view->setRubberBand(QChartView::NoRubberBand);
  view->setDragMode(QGraphicsView::NoDrag);
  view->chart()->setBackgroundRoundness(0);
  view->chart()->setPlotAreaBackgroundVisible(true);
  const stats::Rgb area = stats::plotAreaColor();
  view->chart()->setPlotAreaBackgroundBrush(QColor(area.red, area.green, area.blue));
  return view;
}

QChartView* makeCourseChartView(QWidget* page, const char* name, const QString& hint, const QString& x) {
  QChartView* view = makeChartView(page, name, hint);
  QChart* chart = view->chart();
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->legend()->setShowToolTips(false);
  chart->addAxis(makeValueAxis(x), Qt::AlignBottom);
  chart->addAxis(makeValueAxis(QStringLiteral("penize")), Qt::AlignLeft);
  placeChartView(page, view);
  return view;
}

QValueAxis* makeValueAxis(const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%.0f"));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(1);
  axis->setMinorTickCount(0);
  return axis;
}

void applyScale(QValueAxis* axis, double min, double max, double step) {
  axis->setTickInterval(std::max({axis->tickInterval(), step, max - min}));
  axis->setRange(min, max);
  axis->setTickInterval(step);
}
void applyScale(QValueAxis* axis, const stats::AxisScale& scale) { applyScale(axis, scale.min, scale.max, scale.step); }

void addPointMarks(ResultsChart* chart, QAbstractSeries* line, const QList<stats::ChartPoint>& points,
                   const QColor& color) {
  for (int i = 0; i < points.size(); ++i) {
    if (points[i].label.isEmpty()) continue;
    const bool falling = i > 0 && points[i].value < points[i - 1].value;
    chart->addMark(line, QPointF(i, points[i].value), points[i].label, color,
                   falling ? ResultsChart::Side::Below : ResultsChart::Side::Above);
  }
}

bool printChart(QChartView* view, QPagedPaintDevice& device) {
  const QPageLayout::Orientation previous = device.pageLayout().orientation();
  device.setPageOrientation(QPageLayout::Landscape);
  // The chart is laid out for the page, whatever its size on screen (or on
  // a page not in view): as wide as a window, in the page's shape. Layouts
  // wait for the event loop, so they are done here before the chart is
  // drawn; afterwards the chart gets its place on screen back.
  QChart* chart = view->chart();
  const QRectF onScreen = chart->geometry();
  constexpr qreal kWidth = 1000;  // the device's size is that of the page's printable area
  chart->setGeometry(QRectF(onScreen.topLeft(), QSizeF(kWidth, kWidth * device.height() / device.width())));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  bool printed = false;
  {
    QPainter painter;
    if (painter.begin(&device)) {
      chart->scene()->render(&painter, QRectF(), chart->geometry(), Qt::KeepAspectRatio);
      printed = painter.end();
    }
  }
  chart->setGeometry(onScreen);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  device.setPageOrientation(previous);
  return printed;
}

}  // namespace kvadus
