#pragma once
// The order in which a person reads boxes laid out on a plane.

#include <QList>
#include <QRect>

namespace kvadus {

// The indexes of `boxes` top to bottom and, within a band, left to right:
// the plane is cut in two along the widest gap between the boxes, across
// (top part, bottom part), or along (left part, right part) where a tall box
// beside rows would chain several rows into one band (a group beside a
// table of rows follows the whole table); each part is cut again. Where
// boxes overlap without a gap, the largest comes first (a panel before what
// it covers), then the rest are cut again.
QList<int> readingOrder(const QList<QRect>& boxes);

}  // namespace kvadus
