#pragma once
// The records of an evening: for every player the lowest and highest running
// balance, the biggest loss and win of a single hand, each with the hand in
// which it was first reached, and the final balance. The results window shows
// them in its records table; the charts, the settlement and the reports read
// them back from there.

#include "ledger/scoregrid.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace kvadus::stats {

// A text that had to be a number and is not. Its message names the text.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& text);
};

// Decimal-mark normalisation, then a strict reading of the whole text.
// Throws ConversionError when the text is not a number.
double strictValue(const QString& text);

// ---- the records table ------------------------------------------------------

// Columns of the records table.
enum RecordColumn {
  kNameColumn = 0,
  kLowestBalanceColumn = 1,  // each value column is followed by its hand number
  kHighestBalanceColumn = 3,
  kBiggestLossColumn = 5,
  kBiggestWinColumn = 7,
  kFinalColumn = 9,
};
constexpr int kRecordColumns = 10;
// The header row and nine players are shown; rows of further players are
// kept but hidden.
constexpr int kRecordRowsShown = 10;
constexpr int kRecordRowHeight = 20;

// The header row: "Jmeno", "min. stav", " *", "max. stav", " *",
// "max. prohra", " *", "max. vyhra", " *", "   Celkem".
QStringList recordHeaders();
// The least width of a column: 100 for the names, 80 for a value, 22 for a
// hand number.
int recordColumnWidth(int column);
bool isHandNumberColumn(int column);
// " * - cislo hry, ve ktere byla hodnota dosazena"
QString handNumberNote();
// A hand number right-aligned in two characters: " 3", "12".
QString handNumberText(int hand);

// Rows 1..n of the records table, ten texts each, for the players in the
// first n columns of the score table. Hand cells are read leniently; the final
// balance is the player's sum-row cell as it stands. Without a hand the value
// columns hold the signed money text of 0 and the hand numbers stay empty.
QList<QStringList> recordRows(const ScoreGrid& scores, int players);

// How far the thin separators between the column groups reach: to the bottom
// of the last player's row, or the grid's height when that is less.
int separatorHeight(int gridHeight, int rowHeight, int gridLineWidth, int players);

// ---- record finders -----------------------------------------------------------

enum class Record { HighestBalance, LowestBalance, BiggestWin, BiggestLoss, Winner, Loser };

struct RecordFinder {
  int column;    // the value column scanned
  bool highest;  // looks for the highest value, else the lowest
  int width;     // cells selected from the value column on: 2 with the hand number
};
RecordFinder recordFinder(Record record);

// The index (0-based) of the first of the texts holding the highest or the
// lowest value: on a tie the earlier one wins. -1 for no texts. Each text is
// read strictly; one that is not a number throws ConversionError.
int findRecord(const QStringList& texts, bool highest);

}  // namespace kvadus::stats
