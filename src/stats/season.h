#pragma once
// The season: every evening saved in a folder, side by side. Each results file
// is read as loading it and applying it in the disk operations would, into a
// table of its own; the players of all evenings are matched by name (case and
// blanks aside), and their results are added up in whole cents, so that a
// season of any length stays exact. Everything here is plain values: the
// reading runs off the window's thread, and the season window, a printout or
// an export all take the same rows of texts.

#include "common/csv.h"
#include "stats/chartdata.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

namespace kvadus::season {

// One evening as its file gives it.
struct Evening {
  QString file;          // the file's name, without the folder
  QDateTime when;        // from the text's stamp, else the file's date
  bool stamped = false;  // `when` comes from the stamp
  int hands = 0;
  QStringList players;    // the names as the file writes them
  QList<qint64> results;  // each player's final balance, in cents
};

// A file that holds no evening, with the reason for the person.
struct Skipped {
  QString file;
  QString reason;
};

// What one file gave: an evening, a reason why not, or nothing at all (a
// ".txt" that is not a results text, such as a saved statistics page).
struct FileReading {
  std::optional<Evening> evening;
  QString reason;
  bool ignored = false;
};
FileReading readEvening(const QString& path);

// The files of a folder the season reads, by name: "*.kvd" and "*.txt".
QStringList seasonFiles(const QString& folder);

struct Season {
  QList<Evening> evenings;  // oldest first
  QStringList players;      // one per person, in the order they first played
  // results[e][p]: player p's result of evening e in cents; none when he did
  // not play that evening.
  QList<QList<std::optional<qint64>>> results;
  QList<Skipped> skipped;  // in file order
  bool folderMissing = false;
  bool cancelled = false;
};

// Puts the evenings in date order (the file name decides between equal
// dates) and matches their players: names equal once blanks are trimmed and
// runs of blanks made one, ignoring case. Two players of one evening with the
// same name stay two people, each matched with the same place in others.
Season makeSeason(QList<Evening> evenings, QList<Skipped> skipped = {});

// Reads every season file of the folder. progress(done, total) is called
// after each file; a set `cancel` ends the reading early (the result then
// says so). Safe to run on any thread; nothing is written anywhere.
using Progress = std::function<void(int done, int total)>;
Season readSeason(const QString& folder, const Progress& progress = {}, const std::atomic<bool>* cancel = nullptr);

// ---- what the season shows ------------------------------------------------------

// Money of whole cents as the score table writes it, sign always: "+12.50",
// "-0.05", "+0.00".
QString centsText(qint64 cents);
// A final balance as the table writes it, in cents; none when the text is
// no money text.
std::optional<qint64> moneyCents(const QString& text);

qint64 playerTotal(const Season& season, int player);
int totalHands(const Season& season);
// "1 vecer", "3 vecery", "5 veceru".
QString eveningsText(int count);

// The season table: a header ("datum", "soubor", "her", the players), one row
// per evening (the date in the system's short form, the file, the hands, each
// player's result or an empty cell) and the total row ("celkem", the number
// of evenings, all hands, each player's total).
QList<QStringList> seasonRows(const Season& season);

// The season back from the rows of its table (as seasonRows makes them):
// players, results, files and hands; the dates stay behind in their texts.
Season seasonFromRows(const QList<QStringList>& rows);

struct PlayerSummary {
  QString name;
  int played = 0;
  int won = 0;      // evenings he ended highest, above zero (ties count for each)
  qint64 best = 0;  // cents; 0 when he never played
  qint64 worst = 0;
  int bestEvening = -1;  // the first evening (0-based) of the best result
  int worstEvening = -1;
  qint64 total = 0;
};
QList<PlayerSummary> playerSummaries(const Season& season);

// The player table: a header ("Hrac", "vecery", "vyhrane", "nejlepsi", " *",
// "nejhorsi", " *", "celkem") and a row per player; " *" is the number of
// the evening in the season table (1 for the first).
QList<QStringList> playerRows(const Season& season);
QString eveningNumberNote();  // " * - poradi vecera v tabulce sezony"

// The chart of running totals: one series per player in the palette of the
// course chart, a first point of 0 and a point per evening (the total after
// it). With marks: the first point at the lowest and at the highest total,
// and the last point with the value and the player's number, as the course
// chart marks them.
QString chartTitle();  // "Prubeh sezony"
QList<stats::CourseSeries> seasonSeries(const Season& season, bool showMarks);

// ---- paper and spreadsheets ----------------------------------------------------

// A table as lines of fixed-pitch text: every column as wide as its widest
// cell, two blanks apart, the columns from `firstRight` on right-aligned
// (numbers and money) and the others left-aligned; a line of '-' under the
// header and, with `totalRow`, above the last row. Line breaks and tabs in a
// cell become blanks; no line ends in a blank.
QStringList alignedTable(const QList<QStringList>& rows, int firstRight, bool totalRow);

// The pages printed from the season window, each a title ("Sezona - vecery",
// "Sezona - hraci", "Sezona - vynechane soubory"), the stamp line and a blank
// line before what the page shows: the season table with each evening's
// number in front, the player table with the note on its " *" columns, or
// the files left out with their reasons.
QString seasonTableText(const QList<QStringList>& rows, const QString& stamp);
QString playerTableText(const QList<QStringList>& rows, const QString& stamp);
QString skippedFilesText(const QStringList& files, const QString& stamp);

// The season table (the rows of seasonRows, the total row last) for
// spreadsheets: dates, files and texts as they are, the hands and the
// players' results as plain numbers in the form's decimal mark.
QByteArray seasonCsv(const QList<QStringList>& rows, const CsvForm& form);

}  // namespace kvadus::season
