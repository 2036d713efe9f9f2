// The texts for paper as plain rules: the statistics report from a records
// table, the receipt from balances and a settlement, the price list table
// from a source of prices and the price list as text.

#include "common/textforms.h"
#include "ledger/quickselection.h"
#include "stats/records.h"
#include "stats/reports.h"
#include "stats/settlement.h"
#include "testsupport.h"

#include <QtTest>

using namespace kvadus;
namespace stats = kvadus::stats;

namespace {

const QString kStamp = QStringLiteral("1.2.2024 - 10:00:00");
QString dashes(int n) { return QString(n, u'-'); }
QString equals(int n) { return QString(n, u'='); }
QString spaces(int n) { return QString(n, u' '); }

// The records table (header first) of an evening: names, then one row per
// hand with each player's result; the sum row is added.
QList<QStringList> records(const QStringList& names, const QList<QList<double>>& hands) {
  const int n = static_cast<int>(names.size());
  MemoryGrid grid(n + 1, static_cast<int>(hands.size()) + 2);
  QList<double> sums(n, 0.0);
  for (int c = 0; c < n; ++c) grid.setCell(c, 0, names[c]);
  for (int h = 0; h < hands.size(); ++h)
    for (int c = 0; c < n; ++c) {
      grid.setCell(c, h + 1, signedMoneyText(hands[h][c]));
      sums[c] += hands[h][c];
    }
  for (int c = 0; c < n; ++c) grid.setCell(c, grid.rowCount() - 1, signedMoneyText(sums[c]));
  QList<QStringList> out{stats::recordHeaders()};
  out << stats::recordRows(grid, n);
  return out;
}

stats::StatisticsInput statistics(const QList<QStringList>& table, int hands, bool paid = false) {
  stats::StatisticsInput in;
  in.records = table;
  in.handsLabel = QStringLiteral("her:");
  in.playersLabel = QStringLiteral("hracu:");
  in.hands = QString::number(hands);
  in.players = QString::number(table.size() - 1);
  in.stamp = kStamp;
  in.handNote = stats::handNumberNote();
  in.paid = paid;
  return in;
}

// Prices that tell where they came from: group * 10 + item, red doubled.
stats::PriceSource fakePrices(bool twoSevens) {
  stats::PriceSource s;
  s.items = [](int group) { return quick::groupText(static_cast<quick::Group>(group)).items; };
  s.price = [](int group, int item, bool red) {
    const double v = group * 10 + item;
    return QPair<QString, QString>{priceText(v), red ? priceText(2 * v) : QString()};
  };
  s.twoSevens = twoSevens;
  s.twoSevensCaption = QStringLiteral("dve sedmy");
  s.twoSevensPrice = [] { return QPair<QString, QString>{priceText(3), priceText(5)}; };
  return s;
}

QStringList firstCells(const QList<stats::PriceRow>& rows) {
  QStringList out;
  for (const stats::PriceRow& r : rows) out << r.value(0).left(12);
  return out;
}

}  // namespace

class TestReports : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  // ---- statistics ---------------------------------------------------------------

  void threePlayersTurnedTableIs78Wide() {
    const auto table = records({"Adam", "Bara", "Cyril"}, {{2, -1, -1}, {-4, 2, 2}});
    const QStringList turned = stats::turnedRecords(table);
    QCOMPARE(turned.size(), 10);
    for (const QString& line : turned) QCOMPARE(line.size(), 78);
    QCOMPARE(turned[0],
             " " + spaces(13) + "Jmeno  " + spaces(14) + "Adam " + spaces(14) + "Bara " + spaces(13) + "Cyril ");
    QCOMPARE(turned[1], " " + spaces(9) + "min. stav  " + spaces(7) + "      -2.00 " + spaces(7) + "      -1.00 " +
                            spaces(7) + "      -1.00 ");
    QCOMPARE(turned[2], " " + spaces(16) + " *  " + spaces(16) + " 2 " + spaces(16) + " 1 " + spaces(16) + " 1 ");
  }

  // At any table every column is as wide as its widest text: each cell is
  // there whole, right-aligned at one edge in every line, with a blank
  // between neighbours.
  void turnedTableStaysAligned_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("lineLength");
    // 4: the header column 14, a long name 17, the others 14 (money is 11).
    QTest::newRow("4") << 4 << 1 + 15 + 1 + 18 + 15 + 15 + 15;
    // From 6 on the share of 78 is below a money text: 11 a column.
    QTest::newRow("6") << 6 << 1 + 12 + 1 + 18 + 5 * 12;
    QTest::newRow("12") << 12 << 1 + 12 + 1 + 18 + 11 * 12;
    QTest::newRow("20") << 20 << 1 + 12 + 1 + 18 + 19 * 12;
  }
  void turnedTableStaysAligned() {
    QFETCH(int, players);
    QFETCH(int, lineLength);
    QStringList names{"Adam", "Dobromila Kralova"};
    while (names.size() < players) names << QString("Hrac%1").arg(names.size() + 1);
    QList<QList<double>> hands;
    for (int h = 0; h < 12; ++h) {  // hand numbers of two digits, amounts up to four digits
      QList<double> hand(players, 0.0);
      hand[h % players] = 1234.5 * (h + 1);
      hand[(h + 1) % players] = -1234.5 * (h + 1);
      hands << hand;
    }
    const auto table = records(names, hands);
    const QStringList turned = stats::turnedRecords(table);
    QCOMPARE(turned.size(), stats::kRecordColumns);
    QList<qsizetype> edges;  // the right edge of each column, from the first line
    for (int c = 0; c < stats::kRecordColumns; ++c) {
      const QString& line = turned[c];
      QCOMPARE(line.size(), lineLength);
      qsizetype at = 0;
      for (int r = 0; r <= players; ++r) {
        const QString cell = table[r][c];
        // Blanks up to the cell, the cell whole, then a blank.
        while (at < line.size() && line[at] == u' ' && !line.mid(at).startsWith(cell.isEmpty() ? " " : cell)) ++at;
        if (!cell.isEmpty()) {
          QVERIFY2(line.mid(at).startsWith(cell), qPrintable(QString("%1 / %2: %3").arg(c).arg(r).arg(line)));
          at += cell.size();
        }
        QVERIFY(at == line.size() - 1 || line[at] == u' ');
        if (c == 0) edges << at;
        else if (!cell.isEmpty()) QCOMPARE(at, edges[r]);
        at += r == 0 ? 2 : 1;
      }
    }
  }

  void reportLineByLine() {
    const auto table = records({"Adam", "Bara", "Cyril"}, {{2, -1, -1}, {-4, 2, 2}});
    const QStringList r = stats::statisticsReport(statistics(table, 2));
    const QStringList turned = stats::turnedRecords(table);
    QStringList expected{"                       Vytisk statistiky partie",
                         "",
                         dashes(79),
                         "her: : 2, hracu: : 3, Datum a cas   : " + kStamp,
                         dashes(79),
                         "",
                         "",
                         turned[0],
                         dashes(79)};
    expected << turned.mid(1);
    expected << dashes(79) << ""
             << "Nejvetsi vyhry a prohry" << dashes(79)
             << "Stav penez v prubehu hry - maximalni :       Adam -       +2.00  ( *  1)"
             << "                         - minimalni :       Adam -       -2.00  ( *  2)"
             // Adam, Bara and Cyril each won 2.00 once: the first in the table holds it.
             << "Nejvetsi                 - vyhra     :       Adam -       +2.00  ( *  1)"
             << "                         - prohra    :       Adam -       -4.00  ( *  2)"
             // Bara and Cyril end equal: the one higher in the table wins.
             << "Celkovy vitez                        :       Bara -       +1.00"
             << "nejvetsi smolar                      :       Adam -       -2.00" << dashes(79) << ""
             << " * - cislo hry, ve ktere byla hodnota dosazena";
    QCOMPARE(r, expected);
  }

  // Equal losers name the one higher in the table; no hands, zeros and no hand
  // numbers; a paid evening says so in the head line.
  void reportEdges() {
    const auto table = records({"Adam", "Bara", "Cyril"}, {{4, -2, -2}});
    QStringList r = stats::statisticsReport(statistics(table, 1, true));
    QCOMPARE(r[3], "her: : 1, hracu: : 3, Datum a cas   : " + kStamp + ",  [  jiz ZAPLACENO!  ]");
    QVERIFY(r.contains("nejvetsi smolar                      :       Bara -       -2.00"));
    QVERIFY(r.contains("Celkovy vitez                        :       Adam -       +4.00"));

    r = stats::statisticsReport(statistics(records({"Adam", "Bara", "Cyril"}, {}), 0));
    QCOMPARE(r[3], "her: : 0, hracu: : 3, Datum a cas   : " + kStamp);
    const int first = static_cast<int>(r.indexOf("Nejvetsi vyhry a prohry")) + 2;
    QCOMPARE(r.mid(first, 6), QStringList({"Stav penez v prubehu hry - maximalni :       Adam -       +0.00  ( * )",
                                           "                         - minimalni :       Adam -       +0.00  ( * )",
                                           "Nejvetsi                 - vyhra     :       Adam -       +0.00  ( * )",
                                           "                         - prohra    :       Adam -       +0.00  ( * )",
                                           "Celkovy vitez                        :       Adam -       +0.00",
                                           "nejvetsi smolar                      :       Adam -       +0.00"}));
  }

  void reportReadsBothDecimalMarks_data() { testsupport::localeRows(); }
  void reportReadsBothDecimalMarks() {
    testsupport::useRowLocale();
    // A final balance copied from a table written with the other mark.
    auto table = records({"Adam", "Bara"}, {{1.5, -1.5}});
    table[1][stats::kFinalColumn] = "      +1,50";
    table[2][stats::kFinalColumn] = "      -1.50";
    const QStringList r = stats::statisticsReport(statistics(table, 1));
    QVERIFY(r.contains("Celkovy vitez                        :       Adam -       +1,50"));
    QVERIFY(r.contains("nejvetsi smolar                      :       Bara -       -1.50"));
  }

  // ---- receipt --------------------------------------------------------------------

  void receipt_data() { testsupport::localeRows(); }
  void receipt() {
    testsupport::useRowLocale();
    const QStringList names{"AAA", "BBBB", "CC"};
    const QStringList balances{signedMoneyText(-30), signedMoneyText(10), signedMoneyText(20)};
    const stats::Settlement s = stats::settle(names, balances);
    QVERIFY(s.valid);
    stats::ReceiptInput in;
    in.names = names;
    in.balances = balances;
    in.settlement = &s.grid;
    in.moved = s.total;
    in.withPayments = true;
    in.stamp = kStamp;

    const QString head = "       Ucet          " + spaces(22 - kStamp.size()) + kStamp;
    const QStringList balancesPart{"AAA  :      -30.00", "BBBB :      +10.00", "CC   :      +20.00"};
    QStringList open{head, dashes(43)};
    open << balancesPart << equals(43);
    QCOMPARE(stats::receipt(in),
             open + QStringList(
                        {"", "           Kdo co komu plati", equals(43), "Celkem zmeni majitele 30.00 penez:", "",
                         "AAA  - plati hracum :", dashes(43), "    BBBB                 :       10.00  [ ]",
                         "    CC                   :       20.00  [ ]", "                           ----------------",
                         "                  celkem :       30.00  [ ]", "", dashes(43)}));

    in.paid = true;
    QStringList paidOpen{head, "--------------------   [  jiz ZAPLACENO!  ]"};
    paidOpen << balancesPart << equals(43);
    QCOMPARE(stats::receipt(in),
             paidOpen + QStringList({"", "           Kdo co komu zaplatil", equals(43),
                                     "Celkem zmenilo majitele 30.00 penez:", "", "AAA  - zaplatil hracum :", dashes(43),
                                     "    BBBB                 :       10.00", "    CC                   :       20.00",
                                     "                           ----------------",
                                     "                  celkem :       30.00", "", dashes(43)}));

    in.paid = false;
    in.withPayments = false;
    QCOMPARE(stats::receipt(in), open);
  }

  void receiptOfSeveralPayers() {
    // A -25, B +10, C -5, D +20: A pays B and D, C pays D.
    const QStringList names{"A", "B", "C", "D"};
    const QStringList balances{signedMoneyText(-25), signedMoneyText(10), signedMoneyText(-5), signedMoneyText(20)};
    const stats::Settlement s = stats::settle(names, balances);
    stats::ReceiptInput in{names, balances, &s.grid, s.total, true, false, kStamp};
    const QStringList r = stats::receipt(in);
    const QStringList payments = r.mid(r.indexOf("Celkem zmeni majitele 30.00 penez:") + 1);
    QCOMPARE(payments,
             QStringList({"", "A  - plati hracum :", dashes(43), "    B                    :       10.00  [ ]",
                          "    D                    :       15.00  [ ]", "                           ----------------",
                          "                  celkem :       25.00  [ ]", "", "C  - plati hracum :", dashes(43),
                          "    D                    :        5.00  [ ]", "                           ----------------",
                          "                  celkem :        5.00  [ ]", "", dashes(43)}));
  }

  void receiptRefusesAnAmountThatIsNoNumber() {
    MemoryGrid grid(4, 4);
    grid.setCell(2, 1, "x10");
    grid.setCell(3, 1, "10");
    stats::ReceiptInput in{{"A", "B"}, {"-10", "+10"}, &grid, "10", true, false, kStamp};
    QVERIFY_THROWS_EXCEPTION(stats::ConversionError, stats::receipt(in));
  }

  // ---- price list -----------------------------------------------------------------

  void priceCells_data() { testsupport::localeRows(); }
  void priceCells() {
    testsupport::useRowLocale();
    QCOMPARE(stats::priceCell(priceText(0.4)), QString("     +0.40"));
    QCOMPARE(stats::priceCell(priceText(-102.4)), QString("   -102.40"));
    QCOMPARE(stats::priceCell(priceText(0)), QString("     +0.00"));
    QCOMPARE(stats::priceCell(QString()), QString());
    QCOMPARE(stats::priceCell("cena mimo rozsah !"), QString("     +0.00"));
  }

  void priceListTextWithoutComputing() {
    const QStringList text = stats::priceListText(stats::freshPriceList(kStamp, "cervene"));
    QCOMPARE(text,
             QStringList({"   Cenik (" + kStamp + ")  normalni   cervene", QString(50, u'*'), spaces(50), spaces(50)}));
    // A header longer than its column is not cut.
    const QString longStamp = "Wednesday, 31 December 2025 - 11:59:59 PM CET";
    QVERIFY(
        stats::priceListText(stats::freshPriceList(longStamp, "cervene"))[0].startsWith("Cenik (" + longStamp + ")"));
  }

  void priceListTableInOrder() {
    const auto rows = stats::computedPriceList(kStamp, "cervene", fakePrices(true));
    QCOMPARE(rows.first(), stats::priceListHeader(kStamp, "cervene"));
    QCOMPARE(rows.last(), QStringList({"", "", ""}));
    const QString bar(12, u'*'), eq(12, u'='), dash(12, u'-'), blank(12, u' ');
    // '*', '=', '-' and '_' stand for the separator rows' first cells.
    QStringList expected{"Cenik (" + kStamp.left(5)};
    for (const QString& t :
         QStringLiteral("*|Vyhrane hry|=|Obycejne hry|-|bez fleku|1x flek|2x flek|3x flek|4x flek|_|Sedmy|-|ticha|"
                        "ticha, zabit|hlasena|hlasena + hr|ticha proti |_|Stovka|-|100|110|120|130|140|_|"
                        "Sto a sedma|-|100|110|120|130|140|_|Specialni|-|betl|durch|dve sedmy|_|_|Prohrane hry|=|"
                        "Stovka  - pr|-|0|10|20|30|40|50|60|70|80|90|_|Sedmy   - pr|-|ticha|ticha + hra|"
                        "ticha - hra|hlasena|hlasena + hr|_|")
             .split(u'|'))
      expected << (t == "*" ? bar : t == "=" ? eq : t == "-" ? dash : t == "_" ? blank : t);
    QCOMPARE(firstCells(rows), expected);
    // Every row has three cells; separators are 100 wide; a game row holds
    // its group's prices and, without red, an empty red cell.
    for (const stats::PriceRow& r : rows) QCOMPARE(r.size(), 3);
    QCOMPARE(rows[1], stats::separatorRow(u'*'));
    QCOMPARE(rows[1][2].size(), 100);
    QCOMPARE(rows[7], QStringList({"1x flek", "     +1.00", "     +2.00"}));  // ObycHra, item 1
    QCOMPARE(rows[38], QStringList({"betl", "    +10.00", ""}));              // BetlDurch, item 0
    QCOMPARE(rows[40], QStringList({"dve sedmy", "     +3.00", "     +5.00"}));
    QCOMPARE(rows[48], QStringList({"10", "    +91.00", "   +182.00"}));  // StoNeuhranych, item 1
  }

  void noTwoSevensRowWhenNotOffered() {
    const auto with = stats::computedPriceList(kStamp, "cervene", fakePrices(true));
    const auto without = stats::computedPriceList(kStamp, "cervene", fakePrices(false));
    QCOMPARE(without.size(), with.size() - 2);
    QVERIFY(!firstCells(without).contains("dve sedmy"));
    // "durch" is followed straight by the blank row before the lost games.
    const int durch = static_cast<int>(firstCells(without).indexOf("durch"));
    QCOMPARE(without[durch + 1], stats::separatorRow(u' '));
    QCOMPARE(without[durch + 2], QStringList({"Prohrane hry", "", ""}));
  }

  void priceListAsText() {
    const auto rows = stats::computedPriceList(kStamp, "cervene", fakePrices(true));
    const QStringList text = stats::priceListText(rows);
    QCOMPARE(text.size(), rows.size() + 1);
    QCOMPARE(text[2], QString("Vyhrane hry") + spaces(39));
    QCOMPARE(text[3], equals(50));
    QCOMPARE(text[5], dashes(50));
    QCOMPARE(text[7], "1x flek" + spaces(23) + "     +1.00     +2.00");
    QCOMPARE(text[11], spaces(300));  // a blank separator stays whole
    QCOMPARE(text[38], "betl" + spaces(26) + "    +10.00" + spaces(10));
    QCOMPARE(text[text.size() - 2], spaces(50));
    QCOMPARE(text.last(), spaces(50));
  }
};

QTEST_GUILESS_MAIN(TestReports)
#include "test_reports.moc"
