// The pricing rules: hand amounts under the default and other tariffs, the
// over-hundred extension, the points warning, the hand description and the
// players' shares. Expected amounts are worked by hand in each row's comment.

#include "common/textforms.h"
#include "ledger/pricing.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace kvadus;
using namespace kvadus::pricing;

Q_DECLARE_METATYPE(kvadus::pricing::Hand)
Q_DECLARE_METATYPE(kvadus::pricing::Tariff)

namespace {

// An ordinary game (or whatever `h` says) with the declarer's U and the defenders' P tens.
Hand pts(int U, int P, Hand h = {}) {
  h.declarerTens = U;
  h.defenderTens = P;
  return h;
}

template <class Change>
Tariff tariff(Change change) {
  Tariff t = Tariff::defaults();
  change(t);
  return t;
}

// The price, the player count, sitting out allowed, its item, the cross payment item, the partner.
struct SharesCase {
  double c;
  int n;
  bool allowed;
  int item, cross, partner;
};

bool near(double a, double b) { return std::abs(a - b) < 1e-9; }

}  // namespace

Q_DECLARE_METATYPE(SharesCase)

class TestPricing : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  // The over-hundred function's corners; its usual cases are priced in amounts().
  // Arguments: base, n, method M, way W, factor f, separate price s.
  void overHundredCorners() {
    QCOMPARE(overHundred(0.2, -3, 2, 0, 2.0, 0.1), 0.2);  // n negative
    QCOMPARE(overHundred(0.2, 1, 2, 1, 2.0, 0.1), 0.3);   // separately, n 1: 0.2 + 0.1
    QCOMPARE(overHundred(0.2, 3, 0, 1, 0.0, 0.1), 0.2);   // nic separately: accumulator dropped
    QCOMPARE(overHundred(0.2, 3, 7, 0, 2.0, 0.1), 0.2);   // unknown M together
    QCOMPARE(overHundred(0.2, 3, -1, 1, 2.0, 0.1), 0.2);  // unknown M separately
    QCOMPARE(overHundred(0.2, 3, 2, 2, 2.0, 0.1), 0.2);   // unknown W
  }

  void amounts_data() {
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<Tariff>("tariff");
    QTest::addColumn<QString>("price");
    const Tariff d = Tariff::defaults();
    const Tariff adding = tariff([](Tariff& t) { t.overHundredMethod = 1; });  // f = 0.1
    const Tariff nic = tariff([](Tariff& t) { t.overHundredMethod = 0; });
    const Tariff separately = tariff([](Tariff& t) { t.hundredWay = 1; });  // s = 0.1, f = 2
    const Tariff addSeparately = tariff([](Tariff& t) {
      t.overHundredMethod = 1;
      t.hundredWay = 1;
    });
    const Tariff fromMade = tariff([](Tariff& t) { t.lostHundredCounting = 0; });
    const Tariff noSilent = tariff([](Tariff& t) { t.twoSevensSilentHundred = false; });
    const Tariff noHundred = tariff([](Tariff& t) { t.twoSevensWithHundred = false; });
    const Tariff together = tariff([](Tariff& t) { t.twoSevensHundredCounting = 1; });
    const Tariff togetherAdding = tariff([](Tariff& t) {
      t.twoSevensHundredCounting = 1;
      t.overHundredMethod = 1;
    });
    const Tariff togetherNoSilent = tariff([](Tariff& t) {
      t.twoSevensHundredCounting = 1;
      t.twoSevensSilentHundred = false;
    });
    auto row = [](const char* name, const Hand& h, const Tariff& t, const char* price) {
      QTest::newRow(name) << h << t << QString(price);
    };

    // The default tariff's corner cases.
    row("won", pts(6, 3), d, " +0.10");
    row("tie loses", pts(5, 5), d, " -0.10");
    row("red, one flek", pts(6, 3, {.red = true, .gameMultiplier = 2}), d, " +0.40");  // 0.1*2*2
    row("seven lost, game won", pts(6, 3, {.seven = true}), d, " -0.10");              // -0.2 + 0.1
    row("silent hundred 110", pts(11, 0), d, " +0.40");                                // 0.1*2^2
    row("hundred at 100", pts(10, 1, {.hundred = true}), d, " +0.20");                 // H(0.2, 0)
    row("hundred lost 80:30", pts(8, 3, {.hundred = true}), d, " -1.60");              // -0.2*2^3
    row("durch lost, two fleks", Hand{.type = Durch, .won = false, .gameMultiplier = 4}, d, " -4.00");

    // Ordinary games.
    row("silent hundred 100", pts(10, 0), d, " +0.20");                                     // 0.1*2^1
    row("defenders' silent hundred 100", pts(0, 10), d, " -0.20");                          // -0.1*2^1
    row("defenders' silent hundred 120", pts(0, 12), d, " -0.80");                          // -0.1*2^3
    row("seven won", pts(6, 3, {.seven = true, .sevenWonByDeclarer = true}), d, " +0.30");  // 0.2 + 0.1
    row("seven won, seven flek", pts(6, 3, {.seven = true, .sevenWonByDeclarer = true, .sevenMultiplier = 2}), d,
        " +0.50");  // 0.4 + 0.1
    row("seven won, game flek", pts(6, 3, {.seven = true, .sevenWonByDeclarer = true, .gameMultiplier = 2}), d,
        " +0.40");  // 0.2 + 0.2
    row("red seven won", pts(6, 3, {.seven = true, .red = true, .sevenWonByDeclarer = true}), d,
        " +0.60");  // 0.4 + 0.2
    row("silent seven won", pts(6, 3, {.sevenWonByDeclarer = true, .sevenMultiplier = 4}), d,
        " +0.20");  // 0.1 (no fleks) + 0.1
    row("red silent seven won", pts(6, 3, {.red = true, .sevenWonByDeclarer = true}), d, " +0.40");  // (0.1 + 0.1)*2
    row("defenders' silent seven", pts(6, 3, {.sevenWonByDefenders = true}), d, " 0.00");            // -0.1 + 0.1
    row("seven lost to defenders' seven", pts(6, 3, {.seven = true, .sevenWonByDefenders = true}), d,
        " -0.20");  // -0.2 - 0.1 + 0.1
    row("seven against won", pts(6, 3, {.sevenAgainst = true, .sevenWonByDefenders = true}), d,
        " -0.10");                                                              // -0.2 + 0.1
    row("seven against lost", pts(6, 3, {.sevenAgainst = true}), d, " +0.30");  // -(-0.2) + 0.1
    row("red seven against won", pts(6, 3, {.sevenAgainst = true, .red = true, .sevenWonByDefenders = true}), d,
        " -0.20");                                                                              // (-0.2 + 0.1)*2
    row("red hundred", pts(10, 1, {.hundred = true, .red = true}), d, " +0.40");                // 0.2*2
    row("hundred 120, flek", pts(12, 0, {.hundred = true, .gameMultiplier = 2}), d, " +1.60");  // 0.4*2^2
    row("hundred and seven", pts(10, 1, {.seven = true, .hundred = true, .sevenWonByDeclarer = true}), d,
        " +0.40");                                                                            // 0.2 + 0.2
    row("hundred lost, from made", pts(8, 3, {.hundred = true}), fromMade, " -0.80");         // n = 10 - 8: -0.2*2^2
    row("against made at 100", pts(0, 10, {.hundredAgainst = true}), d, " -0.20");            // -H(0.2, 0)
    row("against made at 120", pts(0, 12, {.hundredAgainst = true}), d, " -0.80");            // -0.2*2^2
    row("against lost", pts(2, 7, {.hundredAgainst = true}), d, " +0.80");                    // n = U = 2: 0.2*2^2
    row("against lost, from made", pts(2, 7, {.hundredAgainst = true}), fromMade, " +1.60");  // n = 10 - 7
    row("betl won", Hand{.type = Betl}, d, " +0.50");
    row("betl lost", Hand{.type = Betl, .won = false}, d, " -0.50");
    row("red betl is not doubled", Hand{.type = Betl, .red = true}, d, " +0.50");
    row("betl with flek", Hand{.type = Betl, .gameMultiplier = 2}, d, " +1.00");
    row("direct amount", pts(6, 3, {.red = true, .directAmountMode = true, .directAmount = -2}), d, " -2.00");
    row("unknown type", pts(6, 3, {.type = 7, .red = true}), d, " 0.00");

    // Points over a hundred, other methods.
    row("adding: hundred 120", pts(12, 0, {.hundred = true}), adding, " +0.40");  // 0.2 + 2*0.1
    row("adding: hundred lost", pts(8, 3, {.hundred = true}), adding, " -0.50");  // -(0.2 + 3*0.1)
    row("adding: silent 110", pts(11, 0), adding, " +0.30");                      // 0.1 + 2*0.1
    row("nic: silent 130", pts(13, 0), nic, " +0.10");
    row("nic: hundred lost", pts(8, 3, {.hundred = true}), nic, " -0.20");
    row("separately: hundred 130", pts(13, 0, {.hundred = true}), separately, " +0.60");         // 0.2 + 0.1*2^2
    row("separately: hundred 100", pts(10, 0, {.hundred = true}), separately, " +0.20");         // n = 0
    row("separately: silent 110", pts(11, 0), separately, " +0.30");                             // 0.1 + 0.1*2
    row("add separately: hundred 130", pts(13, 0, {.hundred = true}), addSeparately, " +0.50");  // 0.2 + 0.1 + 2*0.1

    // Two sevens ("zvlast" unless named).
    const Hand won7{.type = DveSedmy, .seven = true, .sevenWonByDeclarer = true};
    const Hand lost7{.type = DveSedmy, .seven = true};
    auto with = [](Hand h, auto change) {
      change(h);
      return h;
    };
    auto red = [&](Hand h) { return with(h, [](Hand& x) { x.red = true; }); };
    auto hundred = [&](Hand h, double G = 1) {
      return with(h, [G](Hand& x) {
        x.hundred = true;
        x.gameMultiplier = G;
      });
    };
    auto against = [&](Hand h, double G = 1) {
      return with(h, [G](Hand& x) {
        x.hundredAgainst = true;
        x.gameMultiplier = G;
      });
    };
    row("2x7 won", pts(6, 3, won7), d, " +3.00");
    row("2x7 red won", pts(6, 3, red(won7)), d, " +5.00");  // its own price, not doubled
    row("2x7 red lost", pts(6, 3, red(lost7)), d, " -5.00");
    row("2x7 seven flek", pts(6, 3, with(won7, [](Hand& h) { h.sevenMultiplier = 2; })), d, " +6.00");
    row("2x7 game flek alone", pts(6, 3, with(won7, [](Hand& h) { h.gameMultiplier = 4; })), d, " +3.00");
    row("2x7 silent 110", pts(11, 0, won7), d, " +3.40");  // 3.0 + 0.1*2^2
    row("2x7 silent 110, not counted", pts(11, 0, won7), noSilent, " +3.00");
    row("2x7 silent 110, no hundreds", pts(11, 0, won7), noHundred, " +3.00");
    row("2x7 defenders' silent 100", pts(0, 10, lost7), d, " -3.10");                  // -3.0 - H(0.1, 0)
    row("2x7 defenders' silent 110", pts(0, 11, lost7), d, " -3.20");                  // -3.0 - 0.1*2
    row("2x7 hundred 100", pts(10, 0, hundred(won7)), d, " +3.40");                    // 3.0 + 0.2*2
    row("2x7 hundred 100, flek", pts(10, 0, hundred(won7, 2)), d, " +3.80");           // 3.0 + 0.4*2
    row("2x7 red hundred 120", pts(12, 0, red(hundred(won7))), d, " +6.60");           // 5.0 + 0.2*2^3
    row("2x7 hundred lost, flek", pts(8, 3, hundred(lost7, 2)), d, " -6.20");          // -3.0 - 1.6*2
    row("2x7 against made", pts(0, 10, against(won7)), d, " +2.80");                   // 3.0 - 0.2
    row("2x7 against made 120, flek", pts(0, 12, against(won7, 2)), d, " +1.40");      // 3.0 - 0.8*2
    row("2x7 against lost", pts(2, 7, against(won7)), d, " +3.80");                    // 3.0 + 0.2*2^2 (n = U)
    row("2x7 against lost, from made", pts(2, 7, against(won7)), fromMade, " +3.80");  // n = U all the same
    row("2x7 together: hundred 100", pts(10, 0, hundred(won7)), together, " +6.40");   // (0.2 + 3.0)*2
    row("2x7 together: sevens lost", pts(10, 0, hundred(lost7)), together, " +6.40");  // the hundred decides
    row("2x7 together: red", pts(10, 0, red(hundred(won7))), together, " +10.40");     // (0.2 + 5.0)*2
    row("2x7 together: fleks", pts(10, 0, with(hundred(won7, 2), [](Hand& h) { h.sevenMultiplier = 2; })), together,
        " +12.80");                                                                    // (0.4 + 6.0)*2
    row("2x7 together: lost 80:30", pts(8, 3, hundred(won7)), together, " -25.60");    // -3.2*2^3
    row("2x7 together: adding", pts(11, 0, hundred(won7)), togetherAdding, " +3.40");  // 3.2 + 2*0.1
    row("2x7 together: silent 110", pts(11, 0, won7), together, " +12.40");            // (0.1 + 3.0)*2^2
    row("2x7 together: silent 100", pts(10, 0, lost7), together, " +6.20");            // (0.1 + 3.0)*2
    row("2x7 together: silent, seven flek", pts(11, 0, with(won7, [](Hand& h) { h.sevenMultiplier = 2; })), together,
        " +24.40");  // (0.1 + 6.0)*2^2
    row("2x7 together: silent not counted", pts(11, 0, won7), togetherNoSilent, " +3.00");
    row("2x7 together: defenders' silent", pts(0, 11, won7), together, " +2.80");      // 3.0 - 0.1*2
    row("2x7 together: against made", pts(0, 10, against(won7)), together, " +2.80");  // 3.0 - 0.2
  }
  void amounts() {
    QFETCH(Hand, hand);
    QFETCH(Tariff, tariff);
    QFETCH(QString, price);
    const double amount = handAmount(hand, tariff);
    QCOMPARE(priceText(amount), price);
    QCOMPARE(amount, lenientNumber(price));  // no stray cents below the shown ones
  }

  void allZeroTariffPricesZero() {
    for (int type = Obycejna; type <= DveSedmy; ++type)
      QCOMPARE(priceText(handAmount(pts(11, 0, {.type = type, .seven = true, .hundred = true, .red = true}), Tariff{})),
               QString(" 0.00"));
  }

  void warnings() {
    const Tariff d = Tariff::defaults();
    const Tariff noMinMax = tariff([](Tariff& t) { t.checkMinMax = false; });
    const Tariff noParity = tariff([](Tariff& t) { t.checkParity = false; });
    QCOMPARE(pointsWarning(pts(6, 3), d), QString());
    QCOMPARE(pointsWarning(pts(5, 3), d), QString("min. 90 !"));  // before parity
    QCOMPARE(pointsWarning(pts(5, 5), d), QString("lichy !"));
    QCOMPARE(pointsWarning(pts(19, 0), d), QString());
    QCOMPARE(pointsWarning(pts(19, 1), d), QString("max. 190 !"));  // before parity
    QCOMPARE(pointsWarning(pts(5, 3), noMinMax), QString("lichy !"));
    QCOMPARE(pointsWarning(pts(5, 5), noParity), QString());
    QCOMPARE(pointsWarning(pts(4, 4, {.type = DveSedmy}), d), QString("min. 90 !"));
    QCOMPARE(pointsWarning(pts(0, 0, {.type = Betl}), d), QString());  // not checked
    QCOMPARE(pointsWarning(pts(0, 0, {.directAmountMode = true}), d), QString());
  }

  // The text is the prefix (name or number, with the trump), " : " and the body.
  void descriptions_data() {
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<QString>("text");
    QTest::newRow("names, seven, two fleks") << pts(6, 3,
                                                    {.seven = true,
                                                     .sevenWonByDeclarer = true,
                                                     .gameFleks = 2,
                                                     .gameMultiplier = 4,
                                                     .declarer = 0,
                                                     .declarerName = "Ja"})
                                             << "Ja : obycejna  ,7,2x hra [60,30,7 uhrana]";
    QTest::newRow("red, one flek not named")
        << pts(6, 3,
               {.red = true, .gameFleks = 1, .sevenFleks = 1, .gameMultiplier = 2, .declarer = 1, .declarerName = "Ty"})
        << "Ty : obycejna  ,rude [60,30]";
    QTest::newRow("betl lost, number")
        << Hand{.type = Betl, .won = false, .gameFleks = 1, .declarer = 1, .declarerName = "Ty", .showNames = false}
        << " 2 : betl [prohrany]";
    QTest::newRow("durch, fleks") << Hand{.type = Durch, .gameFleks = 3, .declarer = 11, .showNames = false}
                                  << "12 : durch, 3x flek [vyhrany]";
    QTest::newRow("direct amount") << pts(6, 3,
                                          {.type = Betl,
                                           .red = true,
                                           .directAmountMode = true,
                                           .directAmount = 2,
                                           .directAmountCaption = "2 KC",
                                           .declarer = 0,
                                           .declarerName = "Ja"})
                                   << "Ja : primo pridano 2 KC";
    QTest::newRow("two sevens, all pieces")
        << pts(4, 5,
               {.type = DveSedmy,
                .seven = true,
                .sevenAgainst = true,
                .hundred = true,
                .hundredAgainst = true,
                .red = true,
                .sevenWonByDeclarer = true,
                .sevenWonByDefenders = true,
                .gameFleks = 2,
                .sevenFleks = 3,
                .declarer = 2,
                .showNames = false})
        << " 3 : 2x7 ,rude,100,100 proti,7,7 proti,2x hra,3x sedma [40,50,7 uhrana,7 proti]";
    QTest::newRow("no declarer") << pts(0, 19) << "obycejna   [0,190]";
    QTest::newRow("extended: trump, card points, melds, no rude") << pts(11, 4,
                                                                         {.hundred = true,
                                                                          .red = true,
                                                                          .declarer = 0,
                                                                          .declarerName = "Ja",
                                                                          .extendedCounting = true,
                                                                          .trumpCaption = "cervene",
                                                                          .declarerCardTens = 5,
                                                                          .defenderCardTens = 2,
                                                                          .declarerMeldPoints = 60,
                                                                          .defenderMeldPoints = 20})
                                                                  << "Ja / cervene : obycejna  ,100 [50+60,20+20]";
    QTest::newRow("extended: no melds") << pts(9, 0,
                                               {.declarer = 3,
                                                .showNames = false,
                                                .extendedCounting = true,
                                                .trumpCaption = "kule",
                                                .declarerCardTens = 9})
                                        << " 4 / kule : obycejna   [90,0]";
  }
  void descriptions() {
    QFETCH(Hand, hand);
    QFETCH(QString, text);
    const Description got = describeHand(hand);
    QCOMPARE(got.text, text);
    QCOMPARE(got.body, text.section(" : ", -1));
  }

  void shares_data() {
    QTest::addColumn<SharesCase>("in");
    QTest::addColumn<double>("V");
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("S");
    QTest::addColumn<QString>("heading");
    const QString vyn = "vynosce:";
    auto row = [](const char* name, SharesCase in, double V, double D, double S, const QString& heading) {
      QTest::newRow(name) << in << V << D << S << heading;
    };
    row("2", {0.5, 2, true, 0, 0, 0}, 0.5, -0.5, 0.0, "");
    row("3", {0.5, 3, true, 0, 0, 0}, 1.0, -0.5, 0.0, vyn);
    row("3, unknown item", {0.5, 3, true, 9, 0, 0}, 1.0, -0.5, 0.0, vyn);
    row("4 s vitezem", {0.4, 4, true, 0, 0, 0}, 0.8, -0.8, 0.8, vyn);      // -0.4*(4-2)
    row("5 s vitezem", {0.5, 5, true, 0, 0, 0}, 1.0, -1.5, 1.0, vyn);      // -0.5*(5-2)
    row("4 s porazenymi", {0.5, 4, true, 1, 0, 0}, 1.5, -0.5, -0.5, vyn);  // 0.5*(4-1)
    row("5 s porazenymi", {-0.5, 5, true, 1, 0, 0}, -2.0, 0.5, 0.5, vyn);
    row("4 nehraji", {0.5, 4, true, 2, 0, 0}, 1.0, -0.5, 0.0, vyn);
    row("5 krize", {0.5, 5, true, 3, 1, 2}, 1.0, -0.5, 0.0, vyn);
    row("4 krize not allowed", {0.5, 4, false, 3, 1, 2}, 1.0, -0.5, 0.0, vyn);
    row("4 krize alone", {0.5, 4, true, 3, 1, 0}, 1.5, -0.5, 0.0, "");
    row("4 krize jen jednomu", {0.5, 4, true, 3, 0, 3}, 0.5, -0.5, 0.0, "");
    row("4 krize obema", {0.5, 4, true, 3, 1, 2}, 1.0, -1.0, 0.0, "");
  }
  void shares() {
    QFETCH(SharesCase, in);
    const Shares s = playerShares(in.c, in.n, in.allowed, in.item, in.cross, in.partner);
    QVERIFY(s.ok);
    QTEST(s.declarer, "V");
    QTEST(s.defender, "D");
    QTEST(s.sittingOut, "S");
    QTEST(s.heading, "heading");
    // Whatever the row, the money only changes hands.
    double sum = 0;
    if (crossVariant(in.allowed, in.n, in.item))
      sum = in.partner > 0 ? 2 * s.declarer + 2 * s.defender : s.declarer + 3 * s.defender;
    else sum = s.declarer + std::min(in.n - 1, 2) * s.defender + std::max(in.n - 3, 0) * s.sittingOut;
    QVERIFY(near(sum, 0));
  }

  void oddCountings() {
    QVERIFY(!playerShares(0.5, 4, true, 4, 0, 0).ok);
    QVERIFY(!playerShares(0.5, 6, true, -1, 0, 0).ok);
    QVERIFY(!playerShares(0.5, 4, true, 3, 2, 1).ok);        // unknown cross payment with a partner
    QVERIFY(playerShares(0.5, 4, true, 3, 2, 0).ok);         // alone it is not consulted
    const Shares one = playerShares(0.5, 1, true, 0, 0, 0);  // below four, other than two: 2c, -c
    QVERIFY(one.ok && near(one.declarer, 1.0) && near(one.defender, -0.5) && one.heading.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestPricing)
#include "test_pricing.moc"
