// The radio group: items as radio buttons in order, one selected index, and a
// click handler that runs for clicks and for indexes set from code alike.

#include "common/radiogroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QVBoxLayout>
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

  // From the keyboard the group is one Tab stop, its selected item (or the
  // first usable one); arrows select the neighbour as a click would, Up and
  // Down in a column, Left and Right across, skipping disabled items.
  void keyboardWithinTheGroup() {
    QWidget window;
    auto* before = new QPushButton("pred", &window);
    auto* g = new RadioGroup("Body", &window);
    QStringList items;
    for (int i = 0; i < 6; ++i) items << QString::number(i * 10);
    g->setItems(items);
    g->setColumns(2);
    auto* after = new QPushButton("za", &window);
    auto* box = new QVBoxLayout(&window);
    for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(g), static_cast<QWidget*>(after)})
      box->addWidget(w);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(g->tabStop(), 0);  // nothing selected: the first item
    g->button(0)->setEnabled(false);
    QCOMPARE(g->tabStop(), 1);
    g->setItemIndex(4);
    QCOMPARE(g->tabStop(), 4);
    for (int i = 0; i < g->count(); ++i)
      QCOMPARE(g->button(i)->focusPolicy(), i == 4 ? Qt::StrongFocus : Qt::ClickFocus);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), g->button(4));
    QSignalSpy spy(g, &RadioGroup::itemClicked);
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Up);
    QVERIFY(g->itemIndex() == 3 && g->button(3)->hasFocus() && g->button(3)->isChecked());
    QCOMPARE(spy.count(), 1);
    press(Qt::Key_Left);  // the item on the left (0) is disabled: nothing moves
    QCOMPARE(g->itemIndex(), 3);
    press(Qt::Key_Down);  // 40
    press(Qt::Key_Left);  // 10, across the columns
    QCOMPARE(g->itemIndex(), 1);
    press(Qt::Key_Up);    // 0 is disabled
    press(Qt::Key_Left);  // the group's edge
    QCOMPARE(g->itemIndex(), 1);
    QCOMPARE(spy.count(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), g->button(g->itemIndex()));
  }
};

QTEST_MAIN(TestRadioGroup)
#include "test_radiogroup.moc"
