#pragma once
// Saved evenings for the season tests, written as the program saves them.
// The hands are whole cents, so the expected totals are plain integer sums
// that owe nothing to the program's arithmetic.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"

#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>

namespace testsupport {

// The lines of an evening's results text; `names` go into the table as they
// are (the writer trims them).
inline QStringList eveningText(const QStringList& names, const QList<QList<qint64>>& hands, const QDateTime& when) {
  kvadus::MemoryGrid g;
  const int n = static_cast<int>(names.size());
  kvadus::ledger::freshTable(g, names);
  kvadus::ledger::addDescriptionColumn(g, n);
  for (const QList<qint64>& hand : hands) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < n; ++c) g.setCell(c, p, kvadus::signedMoneyText(double(hand.value(c)) / 100));
    g.setCell(n, p, QStringLiteral("hra"));
  }
  kvadus::ledger::recomputeSums(g, n, true);
  return kvadus::results::writeResults(g, {n, true, 0, false, kvadus::dateTimeStamp(when)});
}

inline bool saveLines(const QString& path, const QStringList& lines) {
  return kvadus::writeTextFile(path, lines, kvadus::SaveMode::Overwrite).ok;
}

// The folder of the season tests: names differing in case and blanks, an
// evening of one hand, one of two players, and a damaged file. Files are
// named so that their name order is not their date order.
struct SeasonFolder {
  struct Saved {
    QString file;
    QStringList people;  // who played, by their own spelling in `persons`
    QList<QList<qint64>> hands;
  };
  QStringList persons{"Pepa", "Jana", "Karel", "Jan Novak"};  // in the order they first played
  QList<Saved> evenings;                                      // in date order

  explicit SeasonFolder(const QString& folder) {
    const QDateTime first(QDate(2026, 3, 6), QTime(21, 30, 15));
    add(folder, "vecer-brezen.kvd", {"Pepa", "Jana", "Karel"}, {"Pepa", "Jana", "Karel"},
        {{20, -10, -10}, {-50, 100, -50}, {33, -33, 0}}, first);
    // One hand; the names in other case and with blanks inside and around.
    QStringList text = eveningText({"PEPA", "jana", "Jan  Novak"}, {{-120, 60, 60}}, first.addDays(7));
    for (QString& line : text)
      if (line.contains(u';') && line.contains(QStringLiteral("PEPA")))
        line = QStringLiteral("   PEPA ;  jana   ; Jan  Novak; popis; ");
    evenings << Saved{"a-jedna-hra.kvd", {"Pepa", "Jana", "Jan Novak"}, {{-120, 60, 60}}};
    saveLines(QDir(folder).filePath(evenings.last().file), text);
    add(folder, "dva.kvd", {"karel", "pepa"}, {"Karel", "Pepa"}, {{5, -5}, {100001, -100001}, {-3, 3}},
        first.addDays(14));
    add(folder, "b.kvd", {"jan novak", "Karel", "JANA", "Pepa"}, {"Jan Novak", "Karel", "Jana", "Pepa"},
        {{-7, 0, 14, -7}, {250, -50, -100, -100}}, first.addDays(21));
    // A damaged evening: one hand cell is no number.
    QStringList damaged = eveningText({"Pepa", "Jana", "Karel"}, {{20, -10, -10}}, first.addDays(1));
    for (QString& line : damaged)
      if (line.contains(QStringLiteral("+0.20;"))) {
        line.replace(QStringLiteral("+0.20;"), QStringLiteral("+0.2x;"));
        break;
      }
    saveLines(QDir(folder).filePath(QStringLiteral("poskozeny.kvd")), damaged);
  }

  void add(const QString& folder, const char* file, const QStringList& names, const QStringList& people,
           const QList<QList<qint64>>& hands, const QDateTime& when) {
    evenings << Saved{QString::fromLatin1(file), people, hands};
    saveLines(QDir(folder).filePath(evenings.last().file), eveningText(names, hands, when));
  }

  // A person's result of an evening in cents; none when he did not play.
  std::optional<qint64> result(int evening, const QString& person) const {
    const Saved& e = evenings[evening];
    const int c = static_cast<int>(e.people.indexOf(person));
    if (c < 0) return std::nullopt;
    qint64 sum = 0;
    for (const QList<qint64>& hand : e.hands) sum += hand[c];
    return sum;
  }
  // The running totals of a person after each evening, starting from 0.
  QList<qint64> running(const QString& person) const {
    QList<qint64> out{0};
    for (int e = 0; e < evenings.size(); ++e) out << out.last() + result(e, person).value_or(0);
    return out;
  }
};

}  // namespace testsupport
