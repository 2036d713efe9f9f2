// The radio group: items as radio buttons in order, one selected index, and a
// click handler that runs for clicks and for indexes set from code alike.

#include "common/radiogroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using kvadus::RadioGroup;

class TestRadioGroup : public QObject {
  Q_OBJECT

 private slots:
  void handlerRunsForCodeAndClicks() {
    RadioGroup g("Vysledek");
    g.setItems({"vyhra", "prohra"});
    QCOMPARE(g.itemIndex(), -1);
    QCOMPARE(g.findChildren<QRadioButton*>().size(), 2);
    QCOMPARE(g.button(1)->text(), QString("prohra"));
    g.show();
    QSignalSpy spy(&g, &RadioGroup::itemClicked);
    g.setItemIndex(1);  // from code
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toInt(), 1);
    g.setItemIndex(1);  // no change, no handler
    QCOMPARE(spy.count(), 1);

    QTest::mouseClick(g.button(0), Qt::LeftButton);  // a person clicks
    QCOMPARE(g.itemIndex(), 0);
    QCOMPARE(spy.count(), 2);
    QVERIFY(g.button(0)->isChecked() && !g.button(1)->isChecked());
    QTest::mouseClick(g.button(0), Qt::LeftButton);  // clicking the selected one keeps it
    QVERIFY(g.itemIndex() == 0 && g.button(0)->isChecked());
    QCOMPARE(spy.count(), 2);

    g.setItemIndex(-1);  // nothing selected
    QVERIFY(!g.button(0)->isChecked() && !g.button(1)->isChecked());
    QCOMPARE(spy.count(), 3);
  }

  void removingAndAppendingItems() {
    RadioGroup g("Typ");
    g.setItems({"obycejna", "betl", "durch", "dve sedmy"});
    g.setItemIndex(2);
    QSignalSpy spy(&g, &RadioGroup::itemClicked);
    g.removeItem(3);  // the selection stays on its item
    QCOMPARE(g.itemIndex(), 2);
    g.removeItem(0);  // ... which moves up
    QCOMPARE(g.itemIndex(), 1);
    QCOMPARE(g.itemText(1), QString("durch"));
    g.removeItem(1);  // the selected item goes: nothing selected
    QCOMPARE(g.itemIndex(), -1);
    QCOMPARE(spy.count(), 0);
    g.addItem("dve sedmy");
    QCOMPARE(g.items(), QStringList({"betl", "dve sedmy"}));
    QCOMPARE(g.findChildren<QRadioButton*>().size(), 2);
    g.setItemIndex(5);  // out of range selects nothing
    QCOMPARE(g.itemIndex(), -1);
  }

  void columnsFillTopToBottom() {
    RadioGroup g("Uhrano");
    QStringList items;
    for (int i = 0; i < 20; ++i) items << QString::number(i * 10);
    g.setItems(items);
    g.setColumns(2);
    g.show();
    QTest::qWait(0);
    QCOMPARE(g.button(0)->x(), g.button(9)->x());
    QVERIFY(g.button(10)->x() > g.button(9)->x());
    QCOMPARE(g.button(10)->y(), g.button(0)->y());
  }
};

QTEST_MAIN(TestRadioGroup)
#include "test_radiogroup.moc"
