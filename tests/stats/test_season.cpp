// The season rules: a folder of saved evenings read as the disk operations
// would, players matched across evenings, totals exact to the cent, the rows
// of the tables and the chart's running totals.

#include "common/textforms.h"
#include "csvread.h"
#include "seasonfolder.h"
#include "stats/season.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

using namespace kvadus;
using testsupport::SeasonFolder;

namespace {

// Every file of the folder with its bytes and time: what must not change.
QStringList folderState(const QString& folder) {
  QStringList out;
  QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    out << path + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch()) +
               QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex();
  }
  out.sort();
  return out;
}

QList<qint64> chartCents(const stats::CourseSeries& s) {
  QList<qint64> out;
  for (const stats::ChartPoint& p : s.points) out << qRound64(p.value * 100);
  return out;
}

}  // namespace

class TestSeason : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void folderOfEvenings_data() { testsupport::localeRows(); }
  void folderOfEvenings() {
    testsupport::useRowLocale();
    QTemporaryDir dir;
    const SeasonFolder saved(dir.path());
    const QStringList before = folderState(dir.path());
    QList<int> progress;
    const season::Season s = season::readSeason(dir.path(), [&](int done, int total) {
      QCOMPARE(total, 5);
      progress << done;
    });
    QCOMPARE(progress, QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(folderState(dir.path()), before);  // nothing written, nothing touched

    // The damaged file is listed with its reason and the line, and skipped.
    QCOMPARE(s.skipped.size(), 1);
    QCOMPARE(s.skipped[0].file, QStringLiteral("poskozeny.kvd"));
    QCOMPARE(s.skipped[0].reason, QStringLiteral("Text neodpovida formatu (chyba v datech) (radek 12)"));

    // Date order from the stamps; one person per name whatever its case and blanks.
    QCOMPARE(s.players, saved.persons);
    QCOMPARE(s.evenings.size(), saved.evenings.size());
    for (int e = 0; e < s.evenings.size(); ++e) {
      QCOMPARE(s.evenings[e].file, saved.evenings[e].file);
      QVERIFY(s.evenings[e].stamped);
      QCOMPARE(s.evenings[e].when, QDateTime(QDate(2026, 3, 6 + 7 * e), QTime(21, 30, 15)));
      QCOMPARE(s.evenings[e].hands, saved.evenings[e].hands.size());
    }

    // Each evening's result is its final balance; totals are their sums to the cent.
    const QList<QStringList> rows = season::seasonRows(s);
    QCOMPARE(rows.first(), QStringList({"datum", "soubor", "her", "Pepa", "Jana", "Karel", "Jan Novak"}));
    QCOMPARE(rows.size(), 6);
    for (int e = 0; e < s.evenings.size(); ++e) {
      QCOMPARE(rows[e + 1][0], QLocale().toString(QDate(2026, 3, 6 + 7 * e), QLocale::ShortFormat));
      for (int p = 0; p < saved.persons.size(); ++p) {
        const auto expected = saved.result(e, saved.persons[p]);
        QCOMPARE(s.results[e][p], expected);
        QCOMPARE(rows[e + 1][3 + p], expected ? season::centsText(*expected) : QString());  // absent: empty
      }
    }
    QCOMPARE(rows.last(), QStringList({"celkem", "4 vecery", "9", "-1002.27", "+0.31", "+998.93", "+3.03"}));
    for (int p = 0; p < saved.persons.size(); ++p)
      QCOMPARE(season::playerTotal(s, p), saved.running(saved.persons[p]).last());

    // The chart: a series per player, its points the running totals.
    const QList<stats::CourseSeries> series = season::seasonSeries(s, true);
    QCOMPARE(series.size(), 4);
    for (int p = 0; p < series.size(); ++p) {
      QCOMPARE(chartCents(series[p]), saved.running(saved.persons[p]));
    }
    // Marks: the first lowest and highest total and the last point with the player's number.
    QStringList pepa;
    for (const auto& point : series[0].points) pepa << point.label;
    QCOMPARE(pepa, QStringList({"", testsupport::local("0#03"), "", "", testsupport::local("-1002#27  (0)")}));
  }

  void playersAndTheirEvenings() {
    QTemporaryDir dir;
    const SeasonFolder saved(dir.path());
    const season::Season s = season::readSeason(dir.path());
    QCOMPARE(season::playerRows(s),
             (QList<QStringList>{{"Hrac", "vecery", "vyhrane", "nejlepsi", " *", "nejhorsi", " *", "celkem"},
                                 {"Pepa", "4", "0", "+0.03", "1", "-1000.03", "3", "-1002.27"},
                                 {"Jana", "3", "2", "+0.60", "2", "-0.86", "4", "+0.31"},
                                 {"Karel", "3", "1", "+1000.03", "3", "-0.60", "1", "+998.93"},
                                 {"Jan Novak", "2", "2", "+2.43", "4", "+0.60", "2", "+3.03"}}));
    // A tie at the top is a win for both; an evening nobody ends above zero has no winner.
    const season::Season ties = season::makeSeason(
        {{"x.kvd", QDateTime(QDate(2026, 1, 1), QTime(0, 0)), true, 1, {"A", "B", "C"}, {50, 50, -100}},
         {"y.kvd", QDateTime(QDate(2026, 1, 2), QTime(0, 0)), true, 1, {"A", "B", "C"}, {0, 0, 0}}});
    const QList<season::PlayerSummary> summary = season::playerSummaries(ties);
    QCOMPARE(summary[0].won, 1);
    QCOMPARE(summary[1].won, 1);
    QCOMPARE(summary[2].won, 0);
  }

  void datesFilesAndNames() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    const QDir d(dir.path());
    // Without a stamp the file's own date counts; a Czech stamp reads under another locale.
    QStringList noStamp = testsupport::eveningText({"A", "B"}, {{10, -10}}, QDateTime::currentDateTime());
    noStamp.removeAt(2);
    testsupport::saveLines(d.filePath("bez-data.KVD"), noStamp);
    QFile old(d.filePath("bez-data.KVD"));
    old.open(QIODevice::ReadWrite);
    old.setFileTime(QDateTime(QDate(2025, 12, 24), QTime(18, 0)), QFileDevice::FileModificationTime);
    old.close();
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    testsupport::saveLines(d.filePath("cesky.txt"),
                           testsupport::eveningText({"a ", "B"}, {{-1, 1}}, QDateTime(QDate(2026, 2, 1), QTime(9, 5))));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // A saved text page is not an evening and no fault; a ".kvd" that holds no evening is.
    testsupport::saveLines(d.filePath("statistika.txt"), {"Statistika vecera", "  her : 12"});
    testsupport::saveLines(d.filePath("prazdny.kvd"), {});
    testsupport::saveLines(d.filePath("jiny.cfg"), {"  sloupcu : 3"});

    const season::Season s = season::readSeason(dir.path());
    QCOMPARE(s.evenings.size(), 2);
    QCOMPARE(s.evenings[0].file, QStringLiteral("bez-data.KVD"));
    QVERIFY(!s.evenings[0].stamped);
    QCOMPARE(s.evenings[0].when, QDateTime(QDate(2025, 12, 24), QTime(18, 0)));
    QCOMPARE(s.evenings[1].when, QDateTime(QDate(2026, 2, 1), QTime(9, 5)));
    QCOMPARE(s.players, QStringList({"A", "B"}));
    QCOMPARE(s.skipped.size(), 1);
    QCOMPARE(s.skipped[0].file, QStringLiteral("prazdny.kvd"));

    // Two players of one evening with one name stay two people.
    const season::Season twins = season::makeSeason(
        {{"x.kvd", QDateTime(QDate(2026, 1, 1), QTime(0, 0)), true, 1, {"Pepa", "pepa", "Jana"}, {1, 2, -3}},
         {"y.kvd", QDateTime(QDate(2026, 1, 2), QTime(0, 0)), true, 1, {"Jana", "PEPA", " Pepa"}, {5, 6, -11}}});
    QCOMPARE(twins.players, QStringList({"Pepa", "pepa", "Jana"}));
    QCOMPARE(season::playerTotal(twins, 0), 7);
    QCOMPARE(season::playerTotal(twins, 1), -9);

    QVERIFY(season::readSeason(d.filePath("chybi")).folderMissing);
    std::atomic<bool> cancel{true};
    QVERIFY(season::readSeason(dir.path(), {}, &cancel).cancelled);
  }

  // The tables on paper and for spreadsheets, exactly: columns aligned, the
  // evenings numbered, plain numbers in the locale's form.
  void paperAndSpreadsheets_data() { testsupport::localeRows(); }
  void paperAndSpreadsheets() {
    testsupport::useRowLocale();
    const season::Season s = season::makeSeason(
        {{"x.kvd", QDateTime(QDate(2026, 1, 1), QTime(20, 0)), true, 3, {"Ada", "B;ob"}, {150, -150}},
         {"dlouhe-jmeno.kvd", QDateTime(QDate(2026, 1, 2), QTime(20, 0)), true, 12, {"b;ob", "Čeněk"}, {-5, 5}}});
    const QList<QStringList> rows = season::seasonRows(s);
    const bool comma = QLocale().decimalPoint() == ",";
    const QString d1 = comma ? "01.01.26" : "1/1/26", d2 = comma ? "02.01.26" : "1/2/26";
    const QString pad = comma ? "  " : "";  // the Czech dates are two longer
    const QString rule(53 + pad.size(), u'-');
    QCOMPARE(season::seasonTableText(rows, "08.12.2026 - 20:15:00").split(u'\n'),
             QStringList({"Sezona - vecery", "Datum a cas   : 08.12.2026 - 20:15:00", "",
                          "   datum   " + pad + "soubor            her    Ada   B;ob  Čeněk", rule,
                          "1  " + d1 + "  x.kvd               3  +1.50  -1.50",
                          "2  " + d2 + "  dlouhe-jmeno.kvd   12         -0.05  +0.05", rule,
                          "   celkem  " + pad + "2 vecery           15  +1.50  -1.55  +0.05"}));

    // The player table: every line of it as wide as its rule, the note after it.
    const QStringList players = season::playerTableText(season::playerRows(s), "x").split(u'\n');
    QCOMPARE(players.mid(0, 3), QStringList({"Sezona - hraci", "Datum a cas   : x", ""}));
    QCOMPARE(players.last(), QStringLiteral("* - poradi vecera v tabulce sezony"));
    for (const QString& line : players.mid(3, 5)) QCOMPARE(line.size(), players[4].size());
    QVERIFY(players[3].endsWith(" *  nejhorsi   *  celkem") && players[6].startsWith("B;ob "));

    // '|' stands for the separator, '#' for the decimal mark.
    QString csv = QStringLiteral(u"\uFEFFdatum|soubor|her|Ada|\"B;ob\"|Čeněk\r\n") + d1 + "|x.kvd|3|1#50|-1#50|\r\n" +
                  d2 + "|dlouhe-jmeno.kvd|12||-0#05|0#05\r\ncelkem|2 vecery|15|1#50|-1#55|0#05\r\n";
    const CsvForm form = csvFormFor(systemDecimalSeparator());
    csv.replace(u'|', form.separator).replace(u'#', form.decimalMark);
    if (!comma) csv.replace(QStringLiteral("\"B;ob\""), QStringLiteral("B;ob"));
    QCOMPARE(season::seasonCsv(rows, form), csv.toUtf8());
  }

  // Random seasons: what is written reads back to the cent, through the files
  // and through the rows of the table.
  void randomSeasonsRoundTrip_data() { testsupport::localeRows(); }
  void randomSeasonsRoundTrip() {
    testsupport::useRowLocale();
    QRandomGenerator random(31);
    const QStringList people{"Pepa", "Jana", "Karel", "Jan Novak", "Eva"};
    for (int round = 0; round < 25; ++round) {
      QTemporaryDir dir;
      QHash<QString, qint64> totals;
      const int evenings = random.bounded(1, 8);
      for (int e = 0; e < evenings; ++e) {
        QStringList names, who = people;
        std::shuffle(who.begin(), who.end(), std::mt19937(random.generate()));
        who = who.mid(0, random.bounded(2, 6));
        for (const QString& w : who) {
          QString n = random.bounded(2) ? w.toUpper() : w.toLower();
          names << (random.bounded(2) ? n.replace(u' ', QStringLiteral("   ")) : n);
        }
        QList<QList<qint64>> hands;
        for (int h = random.bounded(1, 30); h > 0; --h) {
          QList<qint64> hand;
          for (int c = 0; c < who.size(); ++c) hand << random.bounded(-10'000'000, 10'000'000);
          hands << hand;
          for (int c = 0; c < who.size(); ++c) totals[who[c]] += hand[c];
        }
        const QDateTime when(QDate(2026, 1, 1).addDays(random.bounded(300)), QTime(random.bounded(24), 0));
        testsupport::saveLines(QDir(dir.path()).filePath(QStringLiteral("v%1.kvd").arg(e)),
                               testsupport::eveningText(names, hands, when));
      }
      const season::Season s = season::readSeason(dir.path());
      QCOMPARE(s.evenings.size(), evenings);
      QCOMPARE(s.players.size(), totals.size());
      const season::Season back = season::seasonFromRows(season::seasonRows(s));
      QCOMPARE(back.results, s.results);
      for (int p = 0; p < s.players.size(); ++p) {
        QString person;
        for (const QString& w : people)
          if (w.compare(s.players[p].simplified(), Qt::CaseInsensitive) == 0) person = w;
        const qint64 expected = totals.value(person);
        QCOMPARE(season::playerTotal(s, p), expected);
        QCOMPARE(season::moneyCents(season::centsText(expected)), std::optional<qint64>(expected));
        QCOMPARE(chartCents(season::seasonSeries(s, false)[p]).last(), expected);
      }
      // The table for spreadsheets: the same cells, the numbers to the cent.
      const CsvForm form = csvFormFor(systemDecimalSeparator());
      const QList<QStringList> rows = season::seasonRows(s);
      const QList<QStringList> read = testsupport::readCsv(season::seasonCsv(rows, form), form.separator);
      QCOMPARE(read.size(), rows.size());
      for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
          QString cell = read[r].value(c);
          if (r == 0 || c < 3 || cell.isEmpty()) QCOMPARE(cell, rows[r][c]);
          else QCOMPARE(season::moneyCents(cell.replace(form.decimalMark, u'.')), season::moneyCents(rows[r][c]));
        }
    }
  }
};

QTEST_GUILESS_MAIN(TestSeason)
#include "test_season.moc"
