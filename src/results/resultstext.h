#pragma once
// The results text: the line-oriented rendering of an evening's score table
// that is saved to "kvd" files, printed and read back. The writer turns the
// table into lines; the reader walks the lines by their keywords and rebuilds
// a table from them, either in place of the evening or appended to it. Both
// work on plain values, so the disk operations dialog and the results window
// only move texts in and out and swap the table in on success.

#include "ledger/scoregrid.h"

#include <QString>
#include <QStringList>

namespace kvadus::results {

// What the writer needs besides the table.
struct WriteInput {
  int players = 0;               // n: columns 0..n-1 are players
  bool descriptionShown = true;  // column n holds the hand descriptions
  int declarer = -1;             // selected player, -1 when none
  bool paid = false;             // adds the " [  jiz ZAPLACENO!  ]" line
  QString stamp;                 // the date-time stamp of line 4
};

// The lines of the results text of the table (the sum row is its last row).
QStringList writeResults(const ScoreGrid& grid, const WriteInput& input);

enum class ReadMode { Replace, Append };

// The outcome of reading. On failure only the log and the message matter; the
// caller keeps its evening.
struct ReadResult {
  bool ok = false;
  MemoryGrid table;     // the rebuilt table, sums recomputed, description column present
  QStringList players;  // the player list, in column order
  int declarer = -1;    // the player list's selection
  int chooser = -1;     // the chooser index (same as the declarer)
  QStringList log;      // one marked echo per line read
  QString caption;      // the message box to show
  QString message;
  // Read whole, but the sum line of a text does not hold the sums of that
  // text's hands (marked "?" in the log): the text was edited or damaged, and
  // the person decides whether it is used (disagreeingSumsQuestion()).
  bool sumsDisagree = false;
};

// Reads the lines in the mode. Replace mode starts from the current table cut
// to two rows; append mode starts from a copy of the current table and writes
// the text's first hand over its sum row. The current table is never changed.
// currentPlayers: the players of the current table (-1: every column but the
// last, the descriptions); a text appended must have as many, and the table
// its description column. fileName goes into the success message.
//
// Every text of the lines must be whole: a text cut anywhere before the end of
// its sum line is damaged data, refused at the last line read.
ReadResult readResults(const QStringList& lines, ReadMode mode, const ScoreGrid& current, const QString& fileName,
                       int currentPlayers = -1);

// The question asked before a text whose sums disagree is used.
QString disagreeingSumsQuestion();

// The most columns a text may ask for (players and the description column);
// more is taken as damaged data. The roster has no upper limit, so this is
// far beyond any table that plays: every evening the program writes reads back.
constexpr int kMaxColumns = 1001;
// The most cells (columns times rows) of the table a text may build: forty
// players for twenty thousand hands, far beyond any evening, yet a text that
// asks for more is refused before any of it is built. A short hand line fills
// every column, so a small file could otherwise ask for millions.
constexpr qint64 kMaxCells = 1000000;

}  // namespace kvadus::results
