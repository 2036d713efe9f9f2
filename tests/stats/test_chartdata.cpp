// What the balance charts draw: palette, course series with their marks,
// final bars, titles, footers and axis scales.

#include "common/textforms.h"
#include "ledger/ledger.h"
#include "stats/chartdata.h"
#include "stats/records.h"
#include "testsupport.h"

using namespace kvadus;
namespace stats = kvadus::stats;

namespace {
MemoryGrid evening(const QStringList& names, const QList<QList<double>>& hands) {
  MemoryGrid g;
  ledger::freshTable(g, names);
  for (const QList<double>& row : hands) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < row.size(); ++c) g.setCell(c, p, signedMoneyText(row[c]));
  }
  ledger::recomputeSums(g, static_cast<int>(names.size()), false);
  return g;
}

// The references as the records table holds them.
QList<stats::MarkReferences> references(const ScoreGrid& g, int players, stats::CourseKind kind) {
  QList<stats::MarkReferences> out;
  const bool balances = kind == stats::CourseKind::Balances;
  for (const QStringList& row : stats::recordRows(g, players))
    out << stats::MarkReferences{row[balances ? 1 : 5], row[balances ? 3 : 7]};
  return out;
}

QList<double> values(const stats::CourseSeries& s) {
  QList<double> out;
  for (const auto& p : s.points) out << p.value;
  return out;
}
QStringList labels(const stats::CourseSeries& s) {
  QStringList out;
  for (const auto& p : s.points) out << p.label;
  return out;
}
}  // namespace

class TestChartData : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void palette() {
    QStringList order;
    for (int p = 0; p < 18; ++p) order << stats::paletteName(stats::playerPaletteEntry(p));
    QCOMPARE(order,
             QStringList({"maroon", "navy", "olive", "purple", "red", "silver", "teal", "white", "yellow", "aqua",
                          "black", "blue", "dark grey", "fuchsia", "grey", "green", "lime", "light grey"}));
    QCOMPARE(stats::playerPaletteEntry(18), stats::playerPaletteEntry(0));
    QCOMPARE(stats::paletteColor(stats::playerPaletteEntry(9)), (stats::Rgb{0, 255, 255}));  // the tenth: aqua
  }

  // The light colours get a dark outline on the light grey plot area; the
  // others stand out on their own (contrast 3 or more).
  void lightColoursAreOutlined() {
    QStringList outlined;
    for (int e = 0; e < stats::kPaletteSize; ++e)
      if (stats::needsOutline(stats::paletteColor(e))) outlined << stats::paletteName(e);
    QCOMPARE(outlined, QStringList({"aqua", "fuchsia", "lime", "light grey", "silver", "white", "yellow"}));
    QCOMPARE(stats::contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    QCOMPARE(stats::contrastRatio({255, 0, 0}, {255, 0, 0}), 1.0);
    QVERIFY(stats::contrastRatio(stats::outlineColor(), stats::plotAreaColor()) >= 7);
  }

  void rounding() {
    QCOMPARE(stats::roundToFourDecimals(7.5), 7.5);
    QCOMPARE(generalNumberText(stats::roundToFourDecimals(1.23456)), QString("1.2346"));
    QCOMPARE(generalNumberText(stats::roundToFourDecimals(-1.23455)), QString("-1.2345"));  // half up
    QCOMPARE(generalNumberText(stats::roundToFourDecimals(0.1 + 0.2)), QString("0.3"));
  }

  // Balances: running sums, the first reach of the lowest and highest
  // balance marked once each, the last point with the value and the column.
  void balancesWithMarks_data() { testsupport::localeRows(); }
  void balancesWithMarks() {
    testsupport::useRowLocale();
    const MemoryGrid g = evening({"A", "B"}, {{-1, 1}, {2, -2}, {-1, 1}, {2, -2}, {-2.5, 2.5}, {0, 5}});
    const auto kind = stats::CourseKind::Balances;
    const QList<stats::CourseSeries> s = stats::courseSeries(g, 2, 6, references(g, 2, kind), kind, true);
    QCOMPARE(s.size(), 2);
    QCOMPARE(s[0].title, QString("  (0) - A"));
    QCOMPARE(s[1].title, QString("  (1) - B"));
    QCOMPARE(s[0].palette, 9);
    QCOMPARE(values(s[0]), QList<double>({0, -1, 1, 0, 2, -0.5, -0.5}));
    QCOMPARE(labels(s[0]), QStringList({"", "-1", "", "", "2", "", testsupport::local("-0#5  (0)")}));
    QCOMPARE(values(s[1]), QList<double>({0, 1, -1, 0, -2, 0.5, 5.5}));
    // B's highest balance is his last point, which carries the last mark.
    QCOMPARE(labels(s[1]), QStringList({"", "", "", "", "-2", "", testsupport::local("5#5  (1)")}));
  }

  // The records are kept to the cent, the running sums in binary: cents that
  // do not add up exactly in binary still reach their record.
  void binaryNoiseStillMarks() {
    const MemoryGrid g = evening({"A", "B"}, {{0.1, -0.1}, {0.2, -0.2}, {-0.05, 0.05}});
    const auto kind = stats::CourseKind::Balances;
    const auto s = stats::courseSeries(g, 2, 3, references(g, 2, kind), kind, true);
    QCOMPARE(labels(s[0]), QStringList({"", "0.1", "0.3", "0.25  (0)"}));
  }

  void finalBars() {
    const auto bars = stats::finalBars({"A", "B", "C"}, {"      -1.25", " 0,00005", "1.23456"});
    QCOMPARE(bars.size(), 3);
    QCOMPARE(bars[0].value, -1.25);
    QCOMPARE(bars[0].label, QString("A"));
    QCOMPARE(generalNumberText(bars[1].value), QString("0.0001"));
    QCOMPARE(generalNumberText(bars[2].value), QString("1.2346"));
    QCOMPARE(bars[2].palette, 11);  // olive
    QVERIFY_THROWS_EXCEPTION(stats::ConversionError, stats::finalBars({"A"}, {"nic"}));
  }

  void axisScales_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QList<double>>("scale");
    QTest::newRow("nothing") << 0.0 << 0.0 << QList<double>{-1, 1, 1};
    QTest::newRow("cents") << -0.8 << 0.4 << QList<double>{-1, 1, 1};
    QTest::newRow("dozen") << -2.3 << 3.1 << QList<double>{-3, 4, 1};
    QTest::newRow("wide") << -37.0 << 120.2 << QList<double>{-40, 140, 20};
    QTest::newRow("thousand hands") << 0.0 << 1000.0 << QList<double>{0, 1000, 100};
  }
  void axisScales() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QList<double>, scale);
    const stats::AxisScale s = stats::wholeNumberScale(low, high, 10);
    QCOMPARE((QList<double>{s.min, s.max, s.step}), scale);
  }
};

QTEST_MAIN(TestChartData)
#include "test_chartdata.moc"
