#include "shell/windowsize.h"

namespace kvadus::windowsize {

QStringList missingMetrics(const FrameMetrics& m) {
  QStringList names;
  if (m.platformFrame) return names;
  if (m.captionHeight == 0) names << QStringLiteral("Velikost nadpisu");
  if (m.frameWidth == 0) names << QStringLiteral("Sirka ohraniceni X");
  if (m.frameHeight == 0) names << QStringLiteral("Sirka ohraniceni Y");
  return names;
}

QString missingMetricText(const QString& name) {
  return QStringLiteral("Parametr systemu '") + name + QStringLiteral("'") + QStringLiteral("\n se nepodarilo zjistit");
}

QSize frameExtra(const FrameMetrics& m) {
  if (m.platformFrame)
    return {m.platformFrame->left() + m.platformFrame->right(), m.platformFrame->top() + m.platformFrame->bottom()};
  return {2 * m.frameWidth, m.captionHeight + 2 * m.frameHeight};
}

FormSizes formSizes(const QRect& priceGroup, const QRect& wonGroup, const QRect& lostGroup, const FrameMetrics& m) {
  const QSize extra = frameExtra(m);
  return {QSize(priceGroup.left() + priceGroup.width(), priceGroup.top() + priceGroup.height()) + extra,
          QSize(wonGroup.left() + wonGroup.width(), lostGroup.top() + lostGroup.height()) + extra};
}

bool fits(const WorkArea& work, const QSize& size) {
  return work && work->width() >= size.width() && work->height() >= size.height();
}

bool frameDecidesFit(const WorkArea& work, const QSize& client, const FrameMetrics& style) {
  FrameMetrics estimate = style;
  estimate.platformFrame.reset();
  return fits(work, client) && !fits(work, client + frameExtra(estimate));
}

QSize clientSizeWithin(const QSize& wanted, const WorkArea& work, const FrameMetrics& m) {
  if (!work) return wanted;
  return wanted.boundedTo(work->size() - frameExtra(m));
}

bool isWide(int currentWidth, int narrowWidth) { return currentWidth > narrowWidth + 10; }

QPoint keepOnScreen(const QRect& window, const WorkArea& work) {
  if (!work) return window.topLeft();
  const int workRight = work->x() + work->width();
  const int workBottom = work->y() + work->height();
  int x = window.x();
  int y = window.y();
  if (x + window.width() > workRight) x = workRight - window.width();
  if (y + window.height() > workBottom) y = workBottom - window.height();
  if (x < work->x()) x = work->x();
  if (y < work->y()) y = work->y();
  return {x, y};
}

QPoint place(Placement where, const QRect& window, const WorkArea& work) {
  if (!work) return window.topLeft();
  const int left = work->x();
  const int top = work->y();
  const int right = work->x() + work->width() - window.width();
  const int bottom = work->y() + work->height() - window.height();
  const int x = window.x();
  const int y = window.y();
  switch (where) {
    case Placement::Centre:
      // Integer division rounds toward zero, also when the window is the larger.
      return {left + (work->width() - window.width()) / 2, top + (work->height() - window.height()) / 2};
    case Placement::LeftTop:
      return {left, top};
    case Placement::Left:
      return {left, y};
    case Placement::LeftBottom:
      return {left, bottom};
    case Placement::Top:
      return {x, top};
    case Placement::Bottom:
      return {x, bottom};
    case Placement::RightTop:
      return {right, top};
    case Placement::Right:
      return {right, y};
    case Placement::RightBottom:
      return {right, bottom};
  }
  return window.topLeft();
}

QPoint placementMenuPosition(const QPoint& windowPos, const QPoint& buttonInWindow) {
  return {windowPos.x() + buttonInWindow.x() - 60, windowPos.y() + buttonInWindow.y() + 5};
}

}  // namespace kvadus::windowsize
