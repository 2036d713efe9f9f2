#include "stats/season.h"

#include "common/textfile.h"
#include "common/textforms.h"
#include "results/resultstext.h"
#include "stats/reports.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace kvadus::season {

namespace {

// The first word of a line without ';', lower case: the reader's keyword.
QString keywordOf(const QString& line) {
  if (line.contains(u';')) return {};
  const QString t = line.trimmed().toLower();
  const qsizetype blank = t.indexOf(u' ');
  return blank < 0 ? t : t.left(blank);
}

// The last stamp of the text that reads as a date ("  Datum a cas   : ...").
std::optional<QDateTime> lastStamp(const QStringList& lines) {
  std::optional<QDateTime> found;
  for (const QString& line : lines) {
    if (keywordOf(line) != u"datum") continue;
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) continue;
    if (const auto when = readDateTimeStamp(line.mid(colon + 1).trimmed())) found = when;
  }
  return found;
}

bool isResultsText(const QStringList& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const QString& l) { return keywordOf(l) == u"sloupcu"; });
}

// The matching key of a name: blanks trimmed and runs made one, case folded.
QString nameKey(const QString& name) { return name.simplified().toCaseFolded(); }

}  // namespace

QStringList seasonFiles(const QString& folder) {
  // Unreadable ones too: the reading says why they are left out.
  QDir dir(folder);
  return dir.entryList({QStringLiteral("*.kvd"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

FileReading readEvening(const QString& path) {
  FileReading out;
  const QFileInfo info(path);
  const TextFileRead file = readTextFile(path);
  if (file.status == TextFileRead::Missing) {
    out.reason = QStringLiteral("Soubor neexistuje");
    return out;
  }
  if (file.status != TextFileRead::Ok) {
    out.reason = file.error.simplified();
    return out;
  }
  // A text page saved beside the evenings is no evening, and no fault either.
  if (info.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0 && !isResultsText(file.lines)) {
    out.ignored = true;
    return out;
  }
  // As "Nahrat" and "Pouzit -->" would: the whole file, in place of an empty table.
  const results::ReadResult read =
      results::readResults(file.lines, results::ReadMode::Replace, MemoryGrid(0, 2), info.fileName());
  if (!read.ok) {
    out.reason = read.message.simplified() + QStringLiteral(" (radek %1)").arg(read.log.size());
    return out;
  }
  Evening e;
  e.file = info.fileName();
  const auto stamp = lastStamp(file.lines);
  e.stamped = stamp.has_value();
  e.when = stamp ? *stamp : info.lastModified();
  e.hands = read.table.rowCount() - 2;
  e.players = read.players;
  const int sumRow = read.table.rowCount() - 1;
  for (int p = 0; p < read.players.size(); ++p) {
    const QString text = read.table.cell(p, sumRow);
    const auto cents = moneyCents(text);
    e.results << (cents ? *cents : qRound64(lenientNumber(text) * 100));
  }
  out.evening = std::move(e);
  return out;
}

Season makeSeason(QList<Evening> evenings, QList<Skipped> skipped) {
  std::stable_sort(evenings.begin(), evenings.end(), [](const Evening& a, const Evening& b) {
    if (a.when != b.when) return a.when < b.when;
    return a.file.compare(b.file, Qt::CaseInsensitive) < 0;
  });
  Season s;
  s.skipped = std::move(skipped);
  QHash<QString, int> players;  // key (with its place among equal names) -> player
  for (const Evening& e : evenings) {
    QList<std::optional<qint64>> row(s.players.size());
    QHash<QString, int> seen;
    for (int c = 0; c < e.players.size(); ++c) {
      const QString base = nameKey(e.players[c]);
      const int place = seen[base]++;
      const QString key = place == 0 ? base : base + u'\n' + QString::number(place);
      int p = players.value(key, -1);
      if (p < 0) {
        p = static_cast<int>(s.players.size());
        players.insert(key, p);
        s.players << e.players[c].simplified();
        row.resize(s.players.size());
      }
      if (c < e.results.size()) row[p] = e.results[c];
    }
    s.results << row;
  }
  for (auto& row : s.results) row.resize(s.players.size());
  s.evenings = std::move(evenings);
  return s;
}

Season readSeason(const QString& folder, const Progress& progress, const std::atomic<bool>* cancel) {
  QList<Evening> evenings;
  QList<Skipped> skipped;
  const bool missing = !QFileInfo(folder).isDir();
  const QStringList files = missing ? QStringList() : seasonFiles(folder);
  const QDir dir(folder);
  bool cancelled = false;
  for (int i = 0; i < files.size(); ++i) {
    if (cancel && cancel->load()) {
      cancelled = true;
      break;
    }
    FileReading r = readEvening(dir.filePath(files[i]));
    if (r.evening) evenings << std::move(*r.evening);
    else if (!r.ignored) skipped << Skipped{files[i], r.reason};
    if (progress) progress(i + 1, static_cast<int>(files.size()));
  }
  Season s = makeSeason(std::move(evenings), std::move(skipped));
  s.folderMissing = missing;
  s.cancelled = cancelled;
  return s;
}

// ---- what the season shows ------------------------------------------------------

QString centsText(qint64 cents) {
  const quint64 magnitude = cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
  return (cents < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(magnitude / 100) + u'.' +
         QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> moneyCents(const QString& text) {
  const QString t = text.trimmed();
  qsizetype i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  qint64 whole = 0;
  int digits = 0;
  for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i, ++digits) {
    if (whole > 100'000'000'000'000LL) return std::nullopt;  // far beyond any balance
    whole = whole * 10 + (t[i].unicode() - u'0');
  }
  int fraction = 0, decimals = 0;
  if (i < t.size() && (t[i] == u'.' || t[i] == u',')) {
    for (++i; i < t.size() && t[i].isDigit() && t[i].unicode() < 128 && decimals < 2; ++i, ++decimals)
      fraction = fraction * 10 + (t[i].unicode() - u'0');
  }
  if (digits == 0 || i != t.size()) return std::nullopt;
  if (decimals == 1) fraction *= 10;
  const qint64 cents = whole * 100 + fraction;
  return negative ? -cents : cents;
}

qint64 playerTotal(const Season& season, int player) {
  qint64 total = 0;
  for (const auto& row : season.results)
    if (player < row.size() && row[player]) total += *row[player];
  return total;
}

int totalHands(const Season& season) {
  int hands = 0;
  for (const Evening& e : season.evenings) hands += e.hands;
  return hands;
}

QString eveningsText(int count) {
  const char* word = count == 1 ? "vecer" : (count >= 2 && count <= 4) ? "vecery" : "veceru";
  return QString::number(count) + u' ' + QLatin1String(word);
}

QList<QStringList> seasonRows(const Season& season) {
  QList<QStringList> rows;
  rows << (QStringList{QStringLiteral("datum"), QStringLiteral("soubor"), QStringLiteral("her")} << season.players);
  const QLocale locale;
  for (int e = 0; e < season.evenings.size(); ++e) {
    const Evening& ev = season.evenings[e];
    QStringList row{locale.toString(ev.when.date(), QLocale::ShortFormat), ev.file, QString::number(ev.hands)};
    for (const auto& r : season.results[e]) row << (r ? centsText(*r) : QString());
    rows << row;
  }
  QStringList total{QStringLiteral("celkem"), eveningsText(static_cast<int>(season.evenings.size())),
                    QString::number(totalHands(season))};
  for (int p = 0; p < season.players.size(); ++p) total << centsText(playerTotal(season, p));
  rows << total;
  return rows;
}

Season seasonFromRows(const QList<QStringList>& rows) {
  Season s;
  if (rows.size() < 2) return s;
  constexpr int kFirstPlayer = 3;
  s.players = rows.first().mid(kFirstPlayer);
  for (int r = 1; r < rows.size() - 1; ++r) {
    const QStringList& row = rows[r];
    Evening e;
    e.file = row.value(1);
    e.hands = row.value(2).toInt();
    QList<std::optional<qint64>> results;
    for (int p = 0; p < s.players.size(); ++p) {
      const QString cell = row.value(kFirstPlayer + p);
      results << (cell.trimmed().isEmpty() ? std::nullopt : moneyCents(cell));
      if (!results.last()) continue;
      e.players << s.players[p];
      e.results << *results.last();
    }
    s.evenings << e;
    s.results << results;
  }
  return s;
}

QList<PlayerSummary> playerSummaries(const Season& season) {
  QList<PlayerSummary> out;
  for (const QString& name : season.players) out << PlayerSummary{name};
  for (int e = 0; e < season.results.size(); ++e) {
    const auto& row = season.results[e];
    std::optional<qint64> top;
    for (const auto& r : row)
      if (r && (!top || *r > *top)) top = r;
    for (int p = 0; p < row.size(); ++p) {
      if (!row[p]) continue;
      PlayerSummary& s = out[p];
      const qint64 v = *row[p];
      if (s.played == 0 || v > s.best) s.best = v, s.bestEvening = e;
      if (s.played == 0 || v < s.worst) s.worst = v, s.worstEvening = e;
      ++s.played;
      if (v == *top && v > 0) ++s.won;
      s.total += v;
    }
  }
  return out;
}

QList<QStringList> playerRows(const Season& season) {
  QList<QStringList> rows;
  rows << QStringList{QStringLiteral("Hrac"),     QStringLiteral("vecery"), QStringLiteral("vyhrane"),
                      QStringLiteral("nejlepsi"), QStringLiteral(" *"),     QStringLiteral("nejhorsi"),
                      QStringLiteral(" *"),       QStringLiteral("celkem")};
  auto number = [](int evening) { return evening < 0 ? QString() : QString::number(evening + 1); };
  for (const PlayerSummary& s : playerSummaries(season)) {
    const bool played = s.played > 0;
    rows << QStringList{s.name,
                        QString::number(s.played),
                        QString::number(s.won),
                        played ? centsText(s.best) : QString(),
                        number(s.bestEvening),
                        played ? centsText(s.worst) : QString(),
                        number(s.worstEvening),
                        centsText(s.total)};
  }
  return rows;
}

QString eveningNumberNote() { return QStringLiteral(" * - poradi vecera v tabulce sezony"); }

QString chartTitle() { return QStringLiteral("Prubeh sezony"); }

QList<stats::CourseSeries> seasonSeries(const Season& season, bool showMarks) {
  QList<stats::CourseSeries> out;
  const int evenings = static_cast<int>(season.results.size());
  for (int p = 0; p < season.players.size(); ++p) {
    QList<qint64> running;
    running.reserve(evenings + 1);
    running << 0;
    for (const auto& row : season.results) running << running.last() + (row[p] ? *row[p] : 0);
    // The references, as the course chart takes them: over the points after
    // the start, exact in cents.
    qint64 lowest = 0, highest = 0;
    if (evenings > 0) {
      lowest = *std::min_element(running.begin() + 1, running.end());
      highest = *std::max_element(running.begin() + 1, running.end());
    }
    bool markLowest = showMarks, markHighest = showMarks;
    stats::CourseSeries s;
    s.title = stats::courseSeriesTitle(p, season.players[p]);
    s.palette = stats::playerPaletteEntry(p);
    s.points.reserve(evenings + 1);
    s.points.append({0.0, QString()});
    for (int e = 1; e <= evenings; ++e) {
      const double value = double(running[e]) / 100;  // the nearest double to the cents
      QString label;
      if (showMarks && e == evenings) {
        label = stats::lastPointMark(value, p);
      } else if (markLowest && running[e] == lowest) {
        label = generalNumberText(value);
        markLowest = false;
      } else if (markHighest && running[e] == highest) {
        label = generalNumberText(value);
        markHighest = false;
      }
      s.points.append({value, label});
    }
    out << s;
  }
  return out;
}

// ---- paper and spreadsheets ----------------------------------------------------

QStringList alignedTable(const QList<QStringList>& rows, int firstRight, bool totalRow) {
  QList<QStringList> cells;
  QList<qsizetype> widths;
  for (const QStringList& row : rows) {
    QStringList flat;
    for (int c = 0; c < row.size(); ++c) {
      QString cell = row[c];
      for (QChar& ch : cell)
        if (ch == u'\n' || ch == u'\r' || ch == u'\t') ch = u' ';
      if (c >= widths.size()) widths << 0;
      widths[c] = std::max(widths[c], cell.size());
      flat << cell;
    }
    cells << flat;
  }
  qsizetype width = 0;
  for (qsizetype w : widths) width += w;
  width += 2 * std::max<qsizetype>(0, widths.size() - 1);
  const QString rule(width, u'-');

  QStringList lines;
  for (int r = 0; r < cells.size(); ++r) {
    if (totalRow && r > 0 && r == cells.size() - 1) lines << rule;
    QString line;
    for (int c = 0; c < widths.size(); ++c) {
      const QString cell = cells[r].value(c);
      if (c > 0) line += QStringLiteral("  ");
      line += c >= firstRight ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]);
    }
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ') --end;
    lines << line.left(end);
    if (r == 0) lines << rule;
  }
  return lines;
}

namespace {

QString page(const QString& title, const QString& stamp, const QStringList& body) {
  return (QStringList{QStringLiteral("Sezona - ") + title, stats::stampLine(stamp), QString()} + body).join(u'\n');
}

}  // namespace

QString seasonTableText(const QList<QStringList>& rows, const QString& stamp) {
  // The evenings numbered as in the window, the number the player table names.
  const qsizetype digits = QString::number(std::max<qsizetype>(1, rows.size() - 2)).size();
  QList<QStringList> numbered;
  for (int r = 0; r < rows.size(); ++r) {
    const bool evening = r > 0 && r < rows.size() - 1;
    numbered << (QStringList{evening ? QString::number(r).rightJustified(digits) : QString()} + rows[r]);
  }
  return page(QStringLiteral("vecery"), stamp, alignedTable(numbered, 3, true));
}

QString playerTableText(const QList<QStringList>& rows, const QString& stamp) {
  return page(QStringLiteral("hraci"), stamp,
              alignedTable(rows, 1, false) << QString() << eveningNumberNote().trimmed());
}

QString skippedFilesText(const QStringList& files, const QString& stamp) {
  return page(QStringLiteral("vynechane soubory"), stamp, files);
}

QByteArray seasonCsv(const QList<QStringList>& rows, const CsvForm& form) {
  constexpr int kHands = 2;
  QList<QStringList> fields;
  for (int r = 0; r < rows.size(); ++r) {
    QStringList row = rows[r];
    if (r > 0)
      for (int c = kHands + 1; c < row.size(); ++c) row[c] = csvNumber(row[c], form.decimalMark);
    fields << row;
  }
  return csvDocument(fields, form.separator);
}

}  // namespace kvadus::season
