// The extended counting's rules: one side per suit's meld, the "trumfova
// prvni" box, and the totals for no hundred, a declared hundred and a hundred
// against under the three meld rules. Melds are written as the suits ticked
// ("20": kule and cervene); trumps are "kule" (2) unless a row says otherwise.

#include "ledger/extendedcount.h"

#include <QtTest>

using namespace kvadus::extended;

Q_DECLARE_METATYPE(kvadus::extended::Input)

namespace {
MeldBoxes boxes(const char* suits) {
  MeldBoxes b{};
  for (const char* s = suits; *s; ++s) b[*s - '0'] = true;
  return b;
}
}  // namespace

class TestExtendedCount : public QObject {
  Q_OBJECT

 private slots:
  void oneSidePerSuit() {
    const Melds both{boxes("1"), boxes("13")};
    Melds m = claimMeld(both, 1, true, true);  // the defenders' zelene ticked
    QCOMPARE(m.declarer, boxes(""));
    QCOMPARE(m.defenders, boxes("13"));
    m = claimMeld(both, 1, false, true);  // the declarer's
    QCOMPARE(m.declarer, boxes("1"));
    QCOMPARE(m.defenders, boxes("3"));
    QCOMPARE(claimMeld(both, 1, false, false).defenders, boxes("13"));  // unticking takes nothing
  }

  void trumpFirstBox_data() {
    QTest::addColumn<QString>("melds");  // declarer's / defenders'
    QTest::addColumn<int>("trump");
    QTest::addColumn<QString>("hundred");  // "" none, "h" declared, "a" against
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::newRow("no trump meld") << "01/3" << 2 << "h" << false << false;
    QTest::newRow("the trump meld alone: nothing to ask") << "2/" << 2 << "h" << false << true;
    QTest::newRow("trump and another, no hundred") << "21/" << 2 << "" << false << true;
    QTest::newRow("trump and another, hundred") << "21/" << 2 << "h" << true << true;
    QTest::newRow("defenders' trump and another, against") << "/23" << 2 << "a" << true << true;
    QTest::newRow("trumps in red") << "21/" << 0 << "h" << false << false;
    // Only the hundred side's trump meld can be its first meld.
    QTest::newRow("hundred, the defenders hold trumps") << "01/2" << 2 << "h" << false << false;
    QTest::newRow("against, the declarer holds trumps") << "21/03" << 2 << "a" << false << false;
  }
  void trumpFirstBox() {
    QFETCH(QString, melds);
    QFETCH(int, trump);
    QFETCH(QString, hundred);
    const QStringList sides = melds.split(u'/');
    const TrumpFirst t =
        trumpFirst({boxes(qPrintable(sides[0])), boxes(qPrintable(sides[1]))}, trump, hundred == "h", hundred == "a");
    QTEST(t.enabled, "enabled");
    QTEST(t.checked, "checked");
  }

  void totals_data() {
    QTest::addColumn<Input>("in");
    QTest::addColumn<int>("U");
    QTest::addColumn<int>("P");
    // hundred: ' ' none, 'h' declared, 'a' against; m: the meld rule; first:
    // "trumfova prvni"; counting: "pocitat i hlasky".
    auto row = [](const char* name, int F, const char* dec, int D, const char* def, char hundred, int m, bool first,
                  bool counting, int U, int P, int trump = 2) {
      Input in;
      in.declarerCardTens = F;
      in.defenderCardTens = D;
      in.melds = {boxes(dec), boxes(def)};
      in.trump = trump;
      in.hundred = hundred == 'h';
      in.hundredAgainst = hundred == 'a';
      in.meldCounting = m;
      in.trumpMeldFirst = first;
      in.lostHundredCountsMelds = counting;
      QTest::newRow(name) << in << U << P;
    };
    row("no hundred: kule and cervene at 50/40", 5, "20", 4, "", ' ', 0, true, false, 11, 4);
    row("no hundred: red trumps", 5, "20", 4, "1", ' ', 0, false, false, 11, 6, 0);
    row("m0: trump first, 60 to 100, all melds", 6, "21", 3, "0", 'h', 0, true, false, 12, 5);
    row("m0: a plain meld first, 70 to 90", 7, "10", 2, "", 'h', 0, false, false, 11, 2);
    row("m0: 40 and one plain meld: none counts", 4, "1", 5, "0", 'h', 0, false, false, 4, 5);
    row("m0: 60 and two plain melds: none counts", 6, "10", 3, "", 'h', 0, false, false, 6, 3);
    row("m0: lost, pocitat i hlasky", 4, "1", 5, "0", 'h', 0, false, true, 4, 7);
    row("m1: 60, trump first and a second meld", 6, "21", 3, "", 'h', 1, true, false, 10, 3);
    row("m1: 70, a plain meld first", 7, "10", 2, "3", 'h', 1, false, false, 9, 4);
    row("m1: 70 without melds", 7, "", 2, "", 'h', 1, false, false, 7, 2);
    row("m2: 40 and one plain meld", 4, "1", 5, "0", 'h', 2, false, false, 6, 7);
    row("against m0: trump first, 60 to 100", 3, "0", 6, "21", 'a', 0, true, false, 5, 12);
    row("against m1: trump first and a second meld", 3, "0", 6, "21", 'a', 1, true, false, 5, 10);
    // The mirror's one difference: the defenders' first meld is taken for
    // granted, so 70 with no meld ticked is 90 (a declared hundred stays 70).
    row("against m1: 70 without melds", 2, "", 7, "", 'a', 1, false, false, 2, 9);
    row("against m0: 70 without melds", 2, "1", 7, "", 'a', 0, false, false, 4, 7);
    row("against: 60 without melds, lost", 3, "1", 6, "", 'a', 0, false, false, 3, 6);
    row("against: lost, pocitat i hlasky", 3, "1", 6, "", 'a', 1, false, true, 5, 6);
    row("against m2", 3, "1", 6, "3", 'a', 2, false, false, 5, 8);
    row("beyond the last item", 15, "0123", -1, "", ' ', 0, false, false, 19, 0);
  }
  void totals() {
    QFETCH(Input, in);
    const Totals t = kvadus::extended::totals(in);
    QTEST(t.declarer, "U");
    QTEST(t.defenders, "P");
  }
};

QTEST_APPLESS_MAIN(TestExtendedCount)
#include "test_extendedcount.moc"
