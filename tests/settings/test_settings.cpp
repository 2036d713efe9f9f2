// The rules of the tariff fields: price pairs, their formats and direction,
// the flek limit and the number check, under a '.' and a ',' locale.

#include "settings/tariff.h"

#include <QLocale>
#include <QtTest>

using namespace kvadus::tariff;

namespace {
QVector<PairTexts> defaultPairs() {
  return {{"2", "0.2"},  {"1", "0.1"}, {"2", "0.2"},  {"5", "0.5"},  {"10", "1.0"},
          {"1", "0.1"},  {"1", "0.1"}, {"30", "3.0"}, {"50", "5.0"}};
}
QString local(QString text) {  // "#" stands for the locale's decimal mark
  return text.replace('#', QLocale().decimalPoint());
}
}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void pairsByName() {
    QCOMPARE(pricePairs().size(), kPairCount);
    QCOMPARE(pairOf("EDITNasobekHryStovka").pair, 1);
    QVERIFY(pairOf("EDITNasobekHryStovka").multiplier);
    QCOMPARE(pairOf("EDITCenaZaDurcha").pair, 5);
    QVERIFY(!pairOf("EDITCenaZaDurcha").multiplier);
    QCOMPARE(pairOf("EDITCenaZaDveSedmyCervene").pair, 9);
    QCOMPARE(pairOf("EDITCenaZaHru").pair, 0);
    QCOMPARE(pairOf("EDITNasobeniFleku").pair, 0);
  }

  void firstCheckFormatsTheDefaults_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("dot") << "en_US";
    QTest::newRow("comma") << "cs_CZ";
  }
  void firstCheckFormatsTheDefaults() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const Reconciled r = reconcilePairs("0.1", defaultPairs(), kPairCount, Direction::FromPrices);
    QCOMPARE(r.base, local("0#10"));
    const QStringList multipliers = {"2#0", "1#0", "2#0", "5#0", "10#0", "1#0", "1#0", "30#0", "50#0"};
    const QStringList prices = {"0#20", "0#10", "0#20", "0#50", "1#00", "0#10", "0#10", "3#00", "5#00"};
    for (int i = 0; i < kPairCount; ++i) {
      QCOMPARE(r.pairs[i].multiplier, local(multipliers[i]));
      QCOMPARE(r.pairs[i].price, local(prices[i]));
    }
  }

  void aPriceSetsItsMultiplier_data() { firstCheckFormatsTheDefaults_data(); }
  void aPriceSetsItsMultiplier() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QVector<PairTexts> pairs = defaultPairs();
    pairs[0].price = local("0#25");  // as normalised from "0,25"
    const Reconciled r = reconcilePairs(local("0#10"), pairs, 1, Direction::FromPrices);
    QCOMPARE(r.pairs[0].multiplier, local("2#5"));
    QCOMPARE(r.pairs[0].price, local("0#25"));
    QCOMPARE(r.pairs[1].multiplier, QString("1"));  // beyond the range: untouched
  }

  void aMultiplierRewritesThePairsUpToIt() {
    QVector<PairTexts> pairs = defaultPairs();
    pairs[0].multiplier = "3";   // not yet reconciled
    pairs[3].multiplier = "6";   // betl, just typed
    pairs[4].multiplier = "12";  // durch, not to be touched
    const Reconciled r = reconcilePairs("0.1", pairs, 4, Direction::FromMultipliers);
    QCOMPARE(r.pairs[0].multiplier, QString("3.0"));
    QCOMPARE(r.pairs[0].price, QString("0.30"));
    QCOMPARE(r.pairs[2].price, QString("0.20"));
    QCOMPARE(r.pairs[3].multiplier, QString("6.0"));
    QCOMPARE(r.pairs[3].price, QString("0.60"));
    for (int i = 4; i < kPairCount; ++i) {
      QCOMPARE(r.pairs[i].multiplier, pairs[i].multiplier);
      QCOMPARE(r.pairs[i].price, pairs[i].price);
    }
  }

  void aBasePriceOfZeroNeverDivides() {
    QVector<PairTexts> pairs = defaultPairs();
    pairs[1].price = "0.15";
    const Reconciled r = reconcilePairs("0", pairs, kPairCount, Direction::FromPrices);
    QCOMPARE(r.base, QString("0.00"));
    QCOMPARE(r.pairs[1].multiplier, QString("1.0"));  // kept, not inf
    QCOMPARE(r.pairs[1].price, QString("0.15"));
    const Reconciled m = reconcilePairs("0", pairs, kPairCount, Direction::FromMultipliers);
    QCOMPARE(m.pairs[4].price, QString("0.00"));
    for (const auto& p : r.pairs + m.pairs) {
      QVERIFY(!p.multiplier.contains("inf") && !p.multiplier.contains("nan"));
      QVERIFY(!p.price.contains("inf") && !p.price.contains("nan"));
    }
  }

  void flekLimitFollowsTheFactor() {
    QCOMPARE(flekLimit("2", 7), 20);
    QCOMPARE(flekLimit("3", 7), 13);
    QCOMPARE(flekLimit("0.5", 7), 80);
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
    QTest::newRow("comma typed, dot locale") << "en_US" << "0,25" << false << "0.25" << true;
    QTest::newRow("dot typed, comma locale") << "cs_CZ" << "0.25" << false << "0,25" << true;
    QTest::newRow("blanks trimmed") << "en_US" << " 3 " << false << "3" << true;
    QTest::newRow("two marks") << "en_US" << "1.2.3" << false << "1.2.3" << false;
    QTest::newRow("two marks, comma locale") << "cs_CZ" << "1.2.3" << false << "1,2.3" << false;
    QTest::newRow("letters") << "en_US" << "abc" << false << "abc" << false;
    QTest::newRow("empty") << "en_US" << "" << false << "" << false;
    QTest::newRow("negative") << "en_US" << "-1" << false << "-1" << false;
    QTest::newRow("negative price") << "cs_CZ" << "-1.5" << true << "-1,5" << true;
    QTest::newRow("overflow") << "en_US" << "1e999" << false << "1e999" << false;
  }
  void numberCheck() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(bool, negativeAllowed);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QLocale::setDefault(QLocale(locale));
    const CheckedNumber c = checkNumber(typed, negativeAllowed);
    QCOMPARE(c.text, text);
    QCOMPARE(c.valid, valid);
  }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
