// The text forms of money and numbers. Every case runs under a '.' locale and a
// ',' locale: the money texts must not change, the others must follow the mark.

#include "common/textforms.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <limits>

using namespace kvadus;
using testsupport::local;
using testsupport::useRowLocale;

namespace {

// Adds the row once under a '.' and once under a ',' locale; the caller
// streams the remaining columns.
template <typename... Columns>
void rowForEachLocale(const char* name, const Columns&... columns) {
  for (const char* locale : {"en_US", "cs_CZ"})
    ((QTest::addRow("%s %s", locale, name) << QString::fromLatin1(locale)) << ... << columns);
}

}  // namespace

class TestTextForms : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void money_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("signedText");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("resultsText");
    auto row = [](const char* name, double v, const char* s, const char* p, const char* r) {
      rowForEachLocale(name, v, QString(s), QString(p), QString(r));
    };
    row("positive", 0.4, "      +0.40", "       0.40", "     +0.40");
    row("negative", -0.2, "      -0.20", "      -0.20", "     -0.20");
    row("negative zero", -0.0, "      +0.00", "       0.00", "     +0.00");
    row("-0.004", -0.004, "      +0.00", "       0.00", "     +0.00");
    // Half away from zero on the decimal form, not on the binary value
    // (1.005 lies just below the half; 0.125 is an exact tie).
    row("1.005", 1.005, "      +1.01", "       1.01", "     +1.01");
    row("0.125", 0.125, "      +0.13", "       0.13", "     +0.13");
    row("-0.125", -0.125, "      -0.13", "      -0.13", "     -0.13");
    row("0.005", 0.005, "      +0.01", "       0.01", "     +0.01");
    row("-0.005", -0.005, "      -0.01", "      -0.01", "     -0.01");
    row("carry", 9.995, "     +10.00", "      10.00", "    +10.00");
    // Texts that fill or overflow the width are never cut nor grouped.
    row("fills 11", 1234567.5, "+1234567.50", " 1234567.50", "+1234567.50");
    row("overflows", 123456789.5, "+123456789.50", "123456789.50", "+123456789.50");
    row("carry overflows", -99999999.995, "-100000000.00", "-100000000.00", "-100000000.00");
  }
  void money() {
    useRowLocale();
    QFETCH(double, value);
    QTEST(signedMoneyText(value), "signedText");
    QTEST(moneyText(value), "plainText");
    QTEST(resultsMoneyText(value), "resultsText");
  }

  void localeTexts_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("fixed1");  // fixedText(value, 1)
    QTest::addColumn<QString>("general");
    auto row = [](const char* name, double v, const char* p, const char* f, const char* g) {
      rowForEachLocale(name, v, QString(p), QString(f), QString(g));
    };
    row("positive", 0.4, " +0#40", "0#4", "0#4");
    row("negative", -1.2, " -1#20", "-1#2", "-1#2");
    row("whole", 4.0, " +4#00", "4#0", "4");
    row("negative zero", -0.0, " 0#00", "0#0", "0");
    row("-0.004", -0.004, " 0#00", "0#0", "-0#004");
    row("0.005", 0.005, " +0#01", "0#0", "0#005");
    row("-0.05", -0.05, " -0#05", "-0#1", "-0#05");
    row("1.45", 1.45, " +1#45", "1#5", "1#45");
    row("sum of tenths", 0.1 + 0.2, " +0#30", "0#3", "0#3");
    row("large", 1234567.25, " +1234567#25", "1234567#3", "1234567#25");
    row("third", 1.0 / 3, " +0#33", "0#3", "0#333333333333333");
    // Never an exponent: the readers would take its "e" for a decimal mark.
    row("huge", 1e20, " +100000000000000000000#00", "100000000000000000000#0", "100000000000000000000");
    row("at 15 digits", 1e15, " +1000000000000000#00", "1000000000000000#0", "1000000000000000");
    row("small", -0.00001, " 0#00", "0#0", "-0#00001");
    row("half to the 15th", 3.0517578125e-05, " 0#00", "0#0", "0#000030517578125");
  }
  void localeTexts() {
    useRowLocale();
    QCOMPARE(systemDecimalSeparator(), QLocale().decimalPoint().at(0));
    QFETCH(double, value);
    QFETCH(QString, price);
    QFETCH(QString, fixed1);
    QFETCH(QString, general);
    QCOMPARE(priceText(value), local(price));
    QCOMPARE(fixedText(value, 1), local(fixed1));
    QCOMPARE(generalNumberText(value), local(general));
  }

  void fixedDecimals() {
    QLocale::setDefault(QLocale("cs_CZ"));
    QCOMPARE(fixedText(2.675, 2), QStringLiteral("2,68"));
    QCOMPARE(fixedText(0.1, 3), QStringLiteral("0,100"));
    QCOMPARE(fixedText(-2.5, 0), QStringLiteral("-3"));
    QCOMPARE(fixedText(-0.4, 0), QStringLiteral("0"));
  }

  // Normalisation, then lenient and strict reading of the same text.
  void reading_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalized");
    QTest::addColumn<double>("lenient");  // of the raw text
    QTest::addColumn<bool>("strictOk");   // of the normalised text
    QTest::addColumn<double>("strict");
    auto row = [](const char* name, const char* t, const char* n, double l, bool ok, double s) {
      rowForEachLocale(name, QString(t), QString(n), l, ok, s);
    };
    row("comma", "12,5", "12#5", 12.5, true, 12.5);
    row("point", "12.5", "12#5", 12.5, true, 12.5);
    row("signed cell", "      +0.40", "+0#40", 0.4, true, 0.4);
    row("trailing mark", " +3.", "+3#", 3, true, 3);
    row("two marks", "1.2.3", "1#2.3", 1.2, false, 0);
    row("mixed marks", "1,2.3", "1#2.3", 1.2, false, 0);
    row("word", "abc", "abc", 0, false, 0);
    row("empty", "", "", 0, false, 0);
    row("double sign", "--1", "--1", 0, false, 0);
    row("mark only", ".", "#", 0, false, 0);
    row("leading mark", "-.5", "-#5", -0.5, true, -0.5);
    row("padded", " 0,25 ", "0#25", 0.25, true, 0.25);
    row("inner blank", "1 000", "1 000", 1, false, 0);
    // An exponent would read two ways (leniently "1e3" is 1.3): refused.
    row("exponent", "1e3", "1e3", 1.3, false, 0);
    row("exponent and mark", "2,5E-1", "2#5E-1", 2.5, false, 0);
    row("infinity", "inf", "inf", 0, false, 0);
    row("not a number", "nan", "nan", 0, false, 0);
    row("letter first", "x5", "x5", 0.5, false, 0);
  }
  void reading() {
    useRowLocale();
    QFETCH(QString, text);
    QFETCH(QString, normalized);
    QFETCH(bool, strictOk);
    const QString norm = normalizeDecimalMark(text);
    QCOMPARE(norm, local(normalized));
    QTEST(lenientNumber(text), "lenient");
    QCOMPARE(lenientNumber(norm), lenientNumber(text));
    double value = -777;
    QCOMPARE(strictNumber(norm, &value), strictOk);
    if (strictOk) QTEST(value, "strict");
    else QCOMPARE(value, -777.0);  // left alone
  }

  // Strict reading of texts as they stand: only the locale's own mark counts.
  void strictAsIs_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    auto both = [](const char* t, bool en, bool cs) {
      QTest::addRow("en_US %s", t) << QStringLiteral("en_US") << QString(t) << en;
      QTest::addRow("cs_CZ %s", t) << QStringLiteral("cs_CZ") << QString(t) << cs;
    };
    both("12.5", true, false);
    both("12,5", false, true);
    both("+3.", true, false);
    both(" +3.", false, false);
    both("1,2.3", false, false);
    both("1.5e2", false, false);
    both("1e999", false, false);
  }
  void strictAsIs() {
    useRowLocale();
    QFETCH(QString, text);
    double value = 0;
    QTEST(strictNumber(text, &value), "ok");
  }

  // Nothing the forms write is "inf", "nan" or an exponent, whatever comes.
  void nonFiniteValuesAreWrittenAsZero() {
    QLocale::setDefault(QLocale("en_US"));
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
      QCOMPARE(signedMoneyText(v), QString("      +0.00"));
      QCOMPARE(moneyText(v), QString("       0.00"));
      QCOMPARE(resultsMoneyText(v), QString("     +0.00"));
      QCOMPARE(priceText(v), QString(" 0.00"));
      QCOMPARE(fixedText(v, 1), QString("0.0"));
      QCOMPARE(generalNumberText(v), QString("0"));
    }
    // An overlong number reads as 0, never as infinity.
    QCOMPARE(lenientNumber("1" + QString(400, '0')), 0.0);
  }

  void stamp() {
    const QDateTime when(QDate(2024, 3, 9), QTime(21, 5, 7), Qt::UTC);
    QLocale::setDefault(QLocale("en_US"));
    QCOMPARE(dateTimeStamp(when), QStringLiteral("3/9/24 - 9:05:07 PM"));
    QLocale::setDefault(QLocale("cs_CZ"));
    QCOMPARE(dateTimeStamp(when), QStringLiteral("09.03.24 - 21:05:07"));

    const QDate before = QDate::currentDate();
    const QString now = dateTimeStamp();
    const QDate after = QDate::currentDate();
    QVERIFY(now.startsWith(QLocale().toString(before, QLocale::ShortFormat)) ||
            now.startsWith(QLocale().toString(after, QLocale::ShortFormat)));
    QVERIFY(now.contains(" - ") && !now.contains(QRegularExpression("[A-Za-z]")));  // no zone name
  }

  // A stamp reads back to the second, under the locale that wrote it and under
  // the other one; a date without a readable time is its midnight.
  void stampReadsBack() {
    QRandomGenerator random(7);
    for (const char* writer : {"en_US", "cs_CZ"})
      for (const char* reader : {"en_US", "cs_CZ"})
        for (int i = 0; i < 300; ++i) {
          const QDateTime when(QDate(1970, 1, 1).addDays(random.bounded(365 * 99)),
                               QTime(0, 0).addSecs(random.bounded(86400)));
          QLocale::setDefault(QLocale(writer));
          const QString stamp = dateTimeStamp(when);
          QLocale::setDefault(QLocale(reader));
          const std::optional<QDateTime> back = readDateTimeStamp(stamp);
          QVERIFY2(back && back->date() == when.date() && back->time() == when.time(), qPrintable(stamp));
        }
    QCOMPARE(readDateTimeStamp("2026-03-07 - pozde"), std::optional(QDateTime(QDate(2026, 3, 7), QTime(0, 0))));
    QVERIFY(!readDateTimeStamp("dnes - 10:00:00").has_value());
  }
};

QTEST_GUILESS_MAIN(TestTextForms)
#include "test_textforms.moc"
