#include "stats/resultschart.h"

#include <QGraphicsLayout>

#include <QAbstractSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QXYSeries>

#include <algorithm>

namespace kvadus {

namespace {

constexpr qreal kGap = 5;      // between a point and its mark
constexpr qreal kPadding = 3;  // inside a mark's box

// A text in a box pinned to a point of a series. It knows its series and
// point, so that it can be placed again whenever the chart moves.
class MarkItem : public QGraphicsItem {
 public:
  enum { Type = UserType + 61 };
  MarkItem(QGraphicsItem* parent, QAbstractSeries* series, const QPointF& at, const QString& text, const QColor& dot,
           ResultsChart::Side side)
      : QGraphicsItem(parent), series(series), at(at), text(text), dot(dot), side(side) {
    QFont f = font();
    box = QRectF(QPointF(0, 0), QFontMetricsF(f).size(Qt::TextSingleLine, text))
              .adjusted(0, 0, 2 * kPadding, 2 * kPadding);
    setZValue(1000);
  }
  int type() const override { return Type; }

  // In pixels of the scene: a size in points would be taken in the dots of
  // a printer and come out many times too big on paper.
  static QFont font() {
    QFont f;
    f.setPixelSize(std::max(8, qRound(QFontInfo(f).pixelSize() * 0.9)));
    return f;
  }
  QRectF boundingRect() const override {
    return box.united(QRectF(anchor - QPointF(4, 4), QSizeF(8, 8))).adjusted(-1, -1, 1, 1);
  }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(96, 96, 96), 0));
    painter->setBrush(QColor(255, 255, 225));
    painter->drawRoundedRect(box, 2, 2);
    painter->setFont(font());
    painter->setPen(Qt::black);
    painter->drawText(box, Qt::AlignCenter, text);
    if (dot.isValid()) {
      painter->setPen(QPen(QColor(64, 64, 64), 0));
      painter->setBrush(dot);
      painter->drawEllipse(anchor, 3, 3);
    }
  }
  // The box in the chart's coordinates, and the point in the item's own.
  void setPlace(const QRectF& boxInChart, const QPointF& pointInChart) {
    prepareGeometryChange();
    setPos(boxInChart.topLeft());
    box = QRectF(QPointF(0, 0), boxInChart.size());
    anchor = pointInChart - boxInChart.topLeft();
  }
  QRectF boxInChart() const { return box.translated(pos()); }

  QPointer<QAbstractSeries> series;
  QPointF at;
  QString text;
  QColor dot;
  ResultsChart::Side side;
  QRectF box;
  QPointF anchor;
};

// A wider line under a series' line: its edge. Drawn just below the series
// (which Qt Charts draws at z 4, over grid and axes) and clipped to the plot
// area, as the series is.
class OutlineItem : public QGraphicsItem {
 public:
  enum { Type = UserType + 62 };
  OutlineItem(QGraphicsItem* parent, QXYSeries* series, const QColor& color)
      : QGraphicsItem(parent), series(series), color(color) {
    setZValue(3.5);
    setAcceptedMouseButtons(Qt::NoButton);
  }
  int type() const override { return Type; }
  qreal width() const { return (series ? series->pen().widthF() : 2) + 3; }
  QRectF boundingRect() const override { return clip; }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(clip);
    painter->setPen(QPen(color, width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
  }
  void setPath(const QPainterPath& line, const QRectF& plot) {
    prepareGeometryChange();
    path = line;
    clip = plot;
    update();
  }

  QPointer<QXYSeries> series;
  QColor color;
  QPainterPath path;
  QRectF clip;
};

template <class Item>
QList<Item*> itemsOf(const QGraphicsItem* chart) {
  QList<Item*> out;
  for (QGraphicsItem* child : chart->childItems())
    if (child->type() == Item::Type) out << static_cast<Item*>(child);
  return out;
}

QList<MarkItem*> markItems(const QGraphicsItem* chart) { return itemsOf<MarkItem>(chart); }

}  // namespace

ResultsChart::ResultsChart() {
  footer_ = new QGraphicsSimpleTextItem(this);
  QFont f(QStringLiteral("Arial"));
  f.setItalic(true);
  footer_->setFont(f);
  footer_->setZValue(1000);
  QFont title(QStringLiteral("Arial"));
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.2);
  setTitleFont(title);
  // Room under the plot for the footer.
  QMargins m = margins();
  m.setBottom(m.bottom() + static_cast<int>(QFontMetricsF(f).height()) + 2);
  setMargins(m);
  connect(this, &QGraphicsWidget::geometryChanged, this, [this] {
    placeFooter();
    fitLegend();
    placeMarks();
  });
  connect(this, &QChart::plotAreaChanged, this, &ResultsChart::placeMarks);
}

void ResultsChart::setFooter(const QString& text) {
  footer_->setText(text);
  placeFooter();
}

QString ResultsChart::footer() const { return footer_->text(); }

void ResultsChart::fitLegend() {
  QLegend* l = legend();
  if (!l->isVisible() || l->alignment() & (Qt::AlignTop | Qt::AlignBottom)) return;
  // Room from below the title to above the footer, less the legend's own
  // margins.
  const qreal room = rect().height() - margins().top() - margins().bottom() - QFontMetricsF(titleFont()).height() - 26;
  QFont f = l->font();
  int size = QFontInfo(QFont()).pixelSize();
  for (; size > 7; --size) {
    f.setPixelSize(size);
    // A marker's row is its text's height and 8 pixels.
    if (qreal(l->markers().size()) * (QFontMetricsF(f).height() + 8) <= room) break;
  }
  f.setPixelSize(size);
  if (f != l->font()) l->setFont(f);
}

void ResultsChart::placeFooter() {
  // Within the chart's background, which the layout's margins keep off the
  // edges: outside it the text would stand on the window's colour.
  qreal left = 0, top = 0, right = 0, bottom = 0;
  if (layout()) layout()->getContentsMargins(&left, &top, &right, &bottom);
  const QRectF r = rect().adjusted(left, top, -right, -bottom);
  const QRectF text = footer_->boundingRect();
  footer_->setPos(r.right() - text.width() - 4, r.bottom() - text.height());
}

void ResultsChart::addMark(QAbstractSeries* series, const QPointF& at, const QString& text, const QColor& dotColor,
                           Side side) {
  new MarkItem(this, series, at, text, dotColor, side);
}

void ResultsChart::addOutline(QXYSeries* series, const QColor& color) {
  new OutlineItem(this, series, color);
  // A line's points change with the stairs switch and the axes' ranges with a
  // redraw: the outline follows both.
  connect(series, &QXYSeries::pointsReplaced, this, &ResultsChart::placeOutlines, Qt::UniqueConnection);
  connect(series, &QAbstractSeries::visibleChanged, this, &ResultsChart::placeOutlines, Qt::UniqueConnection);
  placeOutlines();
}

QList<QXYSeries*> ResultsChart::outlined() const {
  QList<QXYSeries*> out;
  for (const OutlineItem* o : itemsOf<OutlineItem>(this))
    if (o->series && o->series->chart() == this) out << o->series;
  return out;
}

void ResultsChart::clearMarks() {
  qDeleteAll(markItems(this));
  qDeleteAll(itemsOf<OutlineItem>(this));
}

void ResultsChart::placeOutlines() {
  const QRectF plot = plotArea();
  for (OutlineItem* o : itemsOf<OutlineItem>(this)) {
    if (!o->series || o->series->chart() != this || !o->series->isVisible()) {
      o->hide();
      continue;
    }
    QPainterPath path;
    const QList<QPointF> points = o->series->points();
    for (int i = 0; i < points.size(); ++i) {
      const QPointF at = mapToPosition(points[i], o->series);
      if (i == 0) path.moveTo(at);
      else path.lineTo(at);
    }
    o->setPath(path, plot);
    o->show();
  }
}

QStringList ResultsChart::marks(bool withSeries) const {
  QStringList out;
  for (const MarkItem* m : markItems(this))
    out << (withSeries && m->series ? m->series->name() + QStringLiteral(": ") + m->text : m->text);
  return out;
}

void ResultsChart::placeMarks() {
  placeOutlines();
  const QRectF plot = plotArea();
  QList<QRectF> taken;
  for (MarkItem* m : markItems(this)) {
    if (!m->series || m->series->chart() != this) {
      m->hide();
      continue;
    }
    const QPointF point = mapToPosition(m->at, m->series);
    const QSizeF size = QRectF(QPointF(0, 0), QFontMetricsF(MarkItem::font()).size(Qt::TextSingleLine, m->text))
                            .adjusted(0, 0, 2 * kPadding, 2 * kPadding)
                            .size();
    const bool above = m->side == Side::Above;
    QRectF box(QPointF(point.x() - size.width() / 2, above ? point.y() - kGap - size.height() : point.y() + kGap),
               size);
    auto clamp = [&plot](QRectF& b) {
      b.moveLeft(std::clamp(b.left(), plot.left() + 1, std::max(plot.left() + 1, plot.right() - b.width() - 1)));
      b.moveTop(std::clamp(b.top(), plot.top() + 1, std::max(plot.top() + 1, plot.bottom() - b.height() - 1)));
    };
    clamp(box);
    // Away from the marks placed before it: first in its own direction,
    // then, when the plot ends there, in the other one.
    for (int direction : {above ? -1 : 1, above ? 1 : -1}) {
      QRectF tried = box;
      for (int step = 0; step < 40; ++step) {
        bool overlaps = false;
        for (const QRectF& t : taken)
          if (tried.intersects(t)) {
            overlaps = true;
            tried.moveTop(direction < 0 ? t.top() - tried.height() - 1 : t.bottom() + 1);
          }
        if (!overlaps) break;
      }
      const bool inside = tried.top() >= plot.top() && tried.bottom() <= plot.bottom();
      if (inside) {
        box = tried;
        break;
      }
    }
    taken << box;
    m->setPlace(box, point);
    m->show();
  }
}

}  // namespace kvadus
