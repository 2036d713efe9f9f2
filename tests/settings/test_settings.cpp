// The rules of the tariff fields: the pairs, the flek limit and the number
// check, under a '.' and a ',' locale. How typing reconciles the pairs is
// driven through the settings panel (test_settings_panel).

#include "common/textforms.h"
#include "settings/tariff.h"

#include <QLocale>
#include <QtTest>

using namespace kvadus::tariff;

namespace {
QString fixedBase(const QString& text) { return kvadus::fixedText(kvadus::lenientNumber(text), 2); }
}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void pairs() {
    QCOMPARE(pairOf("EDITNasobekHryStovka").pair, 1);
    QVERIFY(pairOf("EDITNasobekHryStovka").multiplier);
    QCOMPARE(pairOf("EDITCenaZaDurcha").pair, 5);
    QVERIFY(!pairOf("EDITCenaZaDurcha").multiplier);
    QCOMPARE(pairOf("EDITCenaZaDveSedmyCervene").pair, 9);
    QCOMPARE(pairOf("EDITCenaZaHru").pair, 0);
    // Reconciling pairs 1..4 leaves the pairs beyond as they are.
    const Reconciled r =
        reconcilePairs("0.1", QVector<PairTexts>(kPairCount, {"3", "0.1"}), 4, Direction::FromMultipliers);
    QCOMPARE(r.pairs[3].multiplier + " " + r.pairs[3].price, QString("3.0 0.30"));
    QCOMPARE(r.pairs[4].multiplier + " " + r.pairs[4].price, QString("3 0.1"));
  }

  // The base counts as shown, and no reconciled field grows past what a
  // field takes (a base of 0.01, then 1000000, would make a price of 1e14).
  void reconcilingStaysConsistentAndBounded() {
    QLocale::setDefault(QLocale("en_US"));
    const Reconciled shown = reconcilePairs("0.0149", {{"2", "0"}}, 1, Direction::FromMultipliers);
    QCOMPARE(shown.base + " " + shown.pairs[0].multiplier + " " + shown.pairs[0].price, QString("0.01 2.0 0.02"));
    const Reconciled back = reconcilePairs("0.0149", shown.pairs, 1, Direction::FromPrices);
    QCOMPARE(back.pairs[0].multiplier, QString("2.0"));  // no drift

    const Reconciled big = reconcilePairs("0.01", {{"1", "1000000"}}, 1, Direction::FromPrices);
    QCOMPARE(big.pairs[0].multiplier, QString("1.0"));  // 1e8 would be beyond a field
    const Reconciled bigger = reconcilePairs("1000000", {{"2", "0"}}, 1, Direction::FromMultipliers);
    QCOMPARE(bigger.pairs[0].price, QString("0.00"));  // 2e6 likewise
  }

  // What an applied settings text gave for a pair is what the pair shows
  // afterwards; a pair it did not give stays, or follows a new base.
  void settlingAnAppliedText_data() {
    QTest::addColumn<QString>("baseBefore");
    QTest::addColumn<QString>("baseAfter");
    QTest::addColumn<QString>("before");  // "multiplier price"
    QTest::addColumn<QString>("given");   // "multiplier price", "-" for a line not given
    QTest::addColumn<QString>("settled");
    QTest::newRow("agreeing, 1.3 x 0.30 is not 0.40") << "0.1"
                                                      << "0.30"
                                                      << "2 0.2"
                                                      << "1.3 0.40"
                                                      << "1.3 0.40";
    QTest::newRow("agreeing, a tenth of a small base") << "0.1"
                                                       << "0.09"
                                                       << "2 0.2"
                                                       << "1.3 0.11"
                                                       << "1.3 0.11";
    QTest::newRow("disagreeing: the price wins") << "0.1"
                                                 << "0.30"
                                                 << "2 0.2"
                                                 << "5.0 0.40"
                                                 << "1.3 0.40";
    QTest::newRow("price alone") << "0.1"
                                 << "0.30"
                                 << "2 0.2"
                                 << "- 0.40"
                                 << "1.3 0.40";
    QTest::newRow("multiplier alone") << "0.1"
                                      << "0.01"
                                      << "2 0.2"
                                      << "0.4 -"
                                      << "0.4 0.00";
    QTest::newRow("base 0 keeps both") << "0.1"
                                       << "0"
                                       << "2 0.2"
                                       << "2.0 0.20"
                                       << "2.0 0.20";
    QTest::newRow("not given, same base") << "0.30"
                                          << "0.30"
                                          << "1.3 0.40"
                                          << "- -"
                                          << "1.3 0.40";
    QTest::newRow("not given, new base") << "0.30"
                                         << "0.50"
                                         << "1.3 0.40"
                                         << "- -"
                                         << "1.3 0.65";
    QTest::newRow("beyond a field: the multiplier stays") << "1"
                                                          << "0.01"
                                                          << "2 2"
                                                          << "- 1000000"
                                                          << "2.0 1000000.00";
  }
  void settlingAnAppliedText() {
    QFETCH(QString, baseBefore);
    QFETCH(QString, baseAfter);
    QFETCH(QString, before);
    QFETCH(QString, given);
    const QStringList b = before.split(' '), g = given.split(' ');
    auto orEmpty = [](const QString& t) { return t == "-" ? QString() : t; };
    // The pair under test is pair 4; the others are given nothing and stay.
    QVector<PairTexts> pairs(kPairCount, {"1.0", "0.10"});
    pairs[3] = {b[0], b[1]};
    QVector<GivenPair> givenPairs(kPairCount);
    givenPairs[3] = {orEmpty(g[0]), orEmpty(g[1])};
    const Reconciled r = settlePairs(baseBefore, pairs, baseAfter, givenPairs);
    QCOMPARE(r.base, fixedBase(baseAfter));
    QTEST(r.pairs[3].multiplier + " " + r.pairs[3].price, "settled");
    if (baseBefore == baseAfter) QCOMPARE(r.pairs[0].multiplier + " " + r.pairs[0].price, QString("1.0 0.10"));
  }

  void flekLimitFollowsTheFactor() {
    QCOMPARE(flekLimit("3", 7), 13);
    QCOMPARE(flekLimit("0,5", 7), 80);
    QCOMPARE(flekLimit("50", 7), 0);
    QCOMPARE(flekLimit("0", 7), 7);  // no limit can be derived: keep the previous
    QCOMPARE(flekLimit("abc", 7), 7);
    QCOMPARE(flekLimit("0.0000000001", 7), 7);  // would not fit a counter
  }

  void numberCheck_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("negativeAllowed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("comma typed, dot locale") << "en_US"
                                             << "0,25" << false << "0.25" << true;
    QTest::newRow("dot typed, comma locale") << "cs_CZ"
                                             << "0.25" << false << "0,25" << true;
    QTest::newRow("blanks trimmed") << "en_US"
                                    << " 3 " << false << "3" << true;
    QTest::newRow("two marks") << "en_US"
                               << "1.2.3" << false << "1.2.3" << false;
    QTest::newRow("two marks, comma locale") << "cs_CZ"
                                             << "1.2.3" << false << "1,2.3" << false;
    QTest::newRow("letters") << "en_US"
                             << "abc" << false << "abc" << false;
    QTest::newRow("empty") << "en_US"
                           << "" << false << "" << false;
    QTest::newRow("negative") << "en_US"
                              << "-1" << false << "-1" << false;
    QTest::newRow("negative price") << "cs_CZ"
                                    << "-1.5" << true << "-1,5" << true;
    QTest::newRow("overflow") << "en_US"
                              << "1e999" << false << "1e999" << false;
    QTest::newRow("exponent") << "en_US"
                              << "1e2" << false << "1e2" << false;
    QTest::newRow("at the bound") << "en_US"
                                  << "1000000" << false << "1000000" << true;
    QTest::newRow("above the bound") << "en_US"
                                     << "1000000.01" << false << "1000000.01" << false;
    QTest::newRow("forty digits") << "en_US"
                                  << "1" + QString(40, '0') << false << "1" + QString(40, '0') << false;
  }
  void numberCheck() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(bool, negativeAllowed);
    QLocale::setDefault(QLocale(locale));
    const CheckedNumber c = checkNumber(typed, negativeAllowed);
    QTEST(c.text, "text");
    QTEST(c.valid, "valid");
  }

  void numbersBeyondTheLimit() {
    QLocale::setDefault(QLocale("en_US"));
    const CheckedNumber big = checkNumber("2000000", false);
    QVERIFY(!big.valid && big.tooLarge);
    QVERIFY(!checkNumber("abc", false).tooLarge);
    // The price field has a limit of its own, on either side of zero.
    QVERIFY(checkNumber("-1000000000", true, 1e9).valid);
    QVERIFY(checkNumber("-1000000000.01", true, 1e9).tooLarge);
    QCOMPARE(tooLargeNumberMessage(1e9), QString("Zadejte cislo nejvyse 1000000000.\n\nOK - znovu zadat\n"
                                                 "Storno (Cancel) - vratit predchozi hodnotu"));
  }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
