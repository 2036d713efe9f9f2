#include "common/fontscale.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLayout>
#include <QTabWidget>
#include <QWidget>

namespace kvadus {

namespace {
// The room the windows give a line of text and an average letter: the line
// of a 9 point sans serif font at 96 dots per inch with some air, and its
// average letter (DejaVu Sans, the widest of the common ones).
constexpr qreal kDesignLineHeight = 16.0;
constexpr qreal kDesignLetterWidth = 6.1;
// Fonts this little larger still fit.
constexpr qreal kTolerance = 1.05;

bool inLayout(const QLayout* layout, const QWidget* w) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == w) return true;
    if (item->layout() && inLayout(item->layout(), w)) return true;
  }
  return false;
}

// Controls whose children are placed by hand: group boxes, pages, panels.
// Others (scroll areas, combo boxes, up-downs) place their own parts.
bool holdsPlacedControls(const QWidget* w) {
  return qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject ||
         w->metaObject() == &QFrame::staticMetaObject;
}

int scaled(int v, qreal f) { return qRound(v * f); }

QSize scaledLimit(const QSize& s, qreal f) {
  auto one = [f](int v) { return v >= QWIDGETSIZE_MAX ? v : scaled(v, f); };
  return {one(s.width()), one(s.height())};
}

void scaleWidget(QWidget* w, qreal f) {
  const QWidget* parent = w->parentWidget();
  const bool placedByLayout = parent && parent->layout() && inLayout(parent->layout(), w);
  const QSize minimum = scaledLimit(w->minimumSize(), f);
  const QSize maximum = scaledLimit(w->maximumSize(), f);
  w->setMinimumSize(minimum);
  w->setMaximumSize(maximum);
  if (!placedByLayout) {
    const QRect g = w->geometry();
    w->setGeometry(scaled(g.x(), f), scaled(g.y(), f), scaled(g.width(), f), scaled(g.height(), f));
  }
  if (w->testAttribute(Qt::WA_SetFont) && w->font().pixelSize() > 0) {
    QFont font = w->font();
    font.setPixelSize(scaled(font.pixelSize(), f));
    w->setFont(font);
  }
}

void scaleChildren(QWidget* container, qreal f) {
  QList<QWidget*> children;
  if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
    for (int i = 0; i < tabs->count(); ++i) children << tabs->widget(i);
  } else {
    children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  }
  for (QWidget* w : children) {
    if (w->isWindow()) continue;
    if (!qobject_cast<QTabWidget*>(container)) scaleWidget(w, f);
    if (holdsPlacedControls(w) || qobject_cast<QTabWidget*>(w)) scaleChildren(w, f);
  }
}
}  // namespace

qreal fontScale(const QFont& font) {
  const QFontMetricsF m(font);
  const qreal f = std::max(m.height() / kDesignLineHeight, m.averageCharWidth() / kDesignLetterWidth);
  return f < kTolerance ? 1.0 : f;
}

void scaleFixedGeometry(QWidget* window, qreal factor) {
  if (factor <= 1.0) return;
  const QSize minimum = scaledLimit(window->minimumSize(), factor);
  const QSize maximum = scaledLimit(window->maximumSize(), factor);
  const QSize size(scaled(window->width(), factor), scaled(window->height(), factor));
  window->setMinimumSize(minimum);
  window->setMaximumSize(maximum);
  window->resize(size);
  scaleChildren(window, factor);
}

qreal fontGrowth() {
  const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  const QFont app = QApplication::font();
  if (general.pointSizeF() <= 0 || app.pointSizeF() <= 0) return 1.0;
  return std::max(1.0, app.pointSizeF() / general.pointSizeF());
}

QFont fixedFont() {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (fixed.pointSizeF() > 0) fixed.setPointSizeF(fixed.pointSizeF() * fontGrowth());
  return fixed;
}

int gridRowHeight(int standard) { return qRound(standard * fontGrowth()); }

}  // namespace kvadus
