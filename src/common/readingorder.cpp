#include "common/readingorder.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace kvadus {

namespace {

struct Cut {
  QList<QList<int>> groups;
};

// A band is chained when two of its boxes share no line: a tall box beside
// rows holds them together.
bool chained(const QList<QRect>& boxes, const QList<QList<int>>& bands) {
  for (const QList<int>& band : bands) {
    // Two boxes share no line when one ends above where another begins.
    int highestBottom = INT_MAX, lowestTop = INT_MIN;
    for (int i : band) {
      highestBottom = std::min(highestBottom, boxes[i].bottom());
      lowestTop = std::max(lowestTop, boxes[i].top());
    }
    if (highestBottom < lowestTop) return true;
  }
  return false;
}

// Splits the boxes into groups separated by gaps along one axis.
Cut cut(const QList<QRect>& boxes, const QList<int>& which, bool across) {
  QList<int> sorted = which;
  auto start = [&](int i) { return across ? boxes[i].top() : boxes[i].left(); };
  auto end = [&](int i) { return across ? boxes[i].bottom() : boxes[i].right(); };
  std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return start(a) < start(b); });
  Cut c;
  int reach = 0;
  for (int i : sorted) {
    if (c.groups.isEmpty() || start(i) > reach) {
      c.groups.append(QList<int>());
      reach = end(i);
    }
    c.groups.last().append(i);
    reach = std::max(reach, end(i));
  }
  return c;
}

void order(const QList<QRect>& boxes, const QList<int>& which, QList<int>& out) {
  if (which.size() <= 1) {
    out += which;
    return;
  }
  // Rows first, unless a tall box beside rows chains them together and the
  // boxes also fall into columns: then the rows are read before the box.
  const Cut rows = cut(boxes, which, true);
  const Cut columns = cut(boxes, which, false);
  const bool byRows = rows.groups.size() > 1 && (columns.groups.size() <= 1 || !chained(boxes, rows.groups));
  const Cut& chosen = byRows ? rows : columns;
  if (chosen.groups.size() > 1) {
    // Along the widest gap only: what stands closer together is one block
    // (the rows of a table, a strip of buttons), cut again on its own.
    int widest = 1, gap = INT_MIN;
    for (int g = 1; g < chosen.groups.size(); ++g) {
      int end = INT_MIN, start = INT_MAX;
      for (int i : chosen.groups[g - 1]) end = std::max(end, byRows ? boxes[i].bottom() : boxes[i].right());
      for (int i : chosen.groups[g]) start = std::min(start, byRows ? boxes[i].top() : boxes[i].left());
      if (start - end > gap) {
        gap = start - end;
        widest = g;
      }
    }
    QList<int> before, after;
    for (int g = 0; g < chosen.groups.size(); ++g) (g < widest ? before : after) += chosen.groups[g];
    order(boxes, before, out);
    order(boxes, after, out);
    return;
  }
  // No gap either way: the largest box first (ties: the upper, then the
  // left one), then the others.
  auto area = [&](int i) { return qint64(boxes[i].width()) * boxes[i].height(); };
  const int first = *std::min_element(which.begin(), which.end(), [&](int a, int b) {
    if (area(a) != area(b)) return area(a) > area(b);
    if (boxes[a].top() != boxes[b].top()) return boxes[a].top() < boxes[b].top();
    return boxes[a].left() < boxes[b].left();
  });
  out.append(first);
  QList<int> rest = which;
  rest.removeOne(first);
  order(boxes, rest, out);
}

}  // namespace

QList<int> readingOrder(const QList<QRect>& boxes) {
  QList<int> all(boxes.size());
  std::iota(all.begin(), all.end(), 0);
  QList<int> out;
  order(boxes, all, out);
  return out;
}

}  // namespace kvadus
