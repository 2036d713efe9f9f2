// The quick-selection rules' corners: items that are not there and the red
// boxes. Every item's settings are checked through the window, by the
// description and the price of its hand (test_quick_window).

#include "ledger/pricing.h"
#include "ledger/quickselection.h"

#include <QtTest>

using namespace kvadus;
using namespace kvadus::quick;

class TestQuickSelection : public QObject {
  Q_OBJECT

 private slots:
  // An item that is not there sets nothing: the entry stays reset.
  void itemsOutsideTheGroups() {
    for (const auto& [g, i] : QList<QPair<Group, int>>{
             {ObycHra, -1}, {ObycHra, 5}, {StoNeuhranych, 10}, {PrimaUpravaStavuProhrane, 12}, {kGroupCount, 0}}) {
      const EntrySettings s = itemSettings(g, i);
      QVERIFY(!s.directAmount && !s.hundred && !s.seven && s.gameFleks == 0);
      QCOMPARE(s.declarerTens + s.defenderTens, 0);
      QCOMPARE(s.type, int(pricing::Obycejna));
    }
  }

  void redBoxes() {
    // Hidden for the games without trumps and for any direct amount.
    for (int g = -1; g < kGroupCount; ++g) {
      QCOMPARE(hidesRedBoxes(g, false), g == BetlDurch || g == BetlDurchProti);
      QVERIFY(hidesRedBoxes(g, true));
    }
    // Both boxes and the red switch take the clicked box's state: unticking
    // either box makes the game plain, whatever its twin showed.
    QVERIFY(redBoxesState(true, false));
    QVERIFY(!redBoxesState(false, false));
    QVERIFY(!redBoxesState(true, true));
  }
};

QTEST_MAIN(TestQuickSelection)
#include "test_quickselection.moc"
