// The reading order of boxes on a plane, which the main window's Tab follows.

#include "common/readingorder.h"

#include <QtTest>

using kvadus::readingOrder;

class TestReadingOrder : public QObject {
  Q_OBJECT

 private slots:
  void rowsThenColumnsThenCovered() {
    // Two rows of two, given out of order: top to bottom, left to right.
    QCOMPARE(readingOrder({{100, 40, 50, 20}, {0, 0, 50, 20}, {0, 40, 50, 20}, {100, 0, 50, 20}}),
             QList<int>({1, 3, 2, 0}));
    // A tall column on the left is read before the rows beside it.
    QCOMPARE(readingOrder({{60, 30, 40, 20}, {0, 0, 50, 100}, {60, 0, 40, 20}}), QList<int>({1, 2, 0}));
    // A group beside a table of rows follows the whole table, even where it
    // reaches into the table's rows.
    QCOMPARE(readingOrder({{10, 10, 60, 20}, {10, 34, 60, 20}, {10, 58, 60, 20}, {120, 0, 60, 40}}),
             QList<int>({0, 1, 2, 3}));
    // ... but label and field of a row are read row by row.
    QCOMPARE(readingOrder({{0, 0, 40, 20}, {44, 0, 40, 20}, {0, 24, 40, 20}, {44, 24, 40, 20}}),
             QList<int>({0, 1, 2, 3}));
    // A strip of buttons under a table, with a small compass of three rows
    // whose top row stands above the buttons: the strip is read left to
    // right, the compass row by row.
    QCOMPARE(readingOrder({{0, 0, 200, 100},
                           {0, 114, 40, 26},
                           {50, 102, 20, 12},
                           {50, 115, 20, 12},
                           {50, 128, 20, 12},
                           {80, 114, 40, 26}}),
             QList<int>({0, 1, 2, 3, 4, 5}));
    // A panel over other boxes comes first, then what it covers, in order.
    QCOMPARE(readingOrder({{0, 0, 50, 20}, {60, 0, 50, 20}, {0, 0, 120, 50}}), QList<int>({2, 0, 1}));
    QCOMPARE(readingOrder({}), QList<int>());
  }
};

QTEST_MAIN(TestReadingOrder)
#include "test_readingorder.moc"
