#pragma once
// The rules of the evening ledger: the layout of the score table, its sums,
// counters and the role markers of the player list. They work on the score
// table as a grid of texts and return what the window is to show.

#include "ledger/scoregrid.h"

#include <QString>
#include <QStringList>

namespace kvadus::ledger {

// Header of the description column.
QString descriptionHeader();
constexpr int kDescriptionColumnWidth = 400;
// Description cell of the sum row after a hand was added.
QString sumRowAfterAdd();  // "   << suma"

// Number of hands held by a table of that many rows (R - 2, never below 0).
int handCount(int rowCount);
// "Pocet her: N" and "pocet hracu : N".
QString handCountText(int rowCount);
QString playerCountText(int players);

// A table of n players holds the description column when it has more columns.
bool hasDescriptionColumn(const ScoreGrid& grid, int players);

// Empties the table for these players: two rows, names in row 0, "0.00" in row 1.
void freshTable(ScoreGrid& grid, const QStringList& names);

// Adds the description column (header, empty hand cells) to a table that has
// exactly n columns. Returns false when there was nothing to add.
bool addDescriptionColumn(ScoreGrid& grid, int players);
// Removes the description column from a table with more than n columns.
bool removeDescriptionColumn(ScoreGrid& grid, int players);

// Recomputes the sum row: every player's balance as the sum of his hand cells,
// written as signed money text; when the description column is shown, its
// sum-row cell names the grand total. Returns the grand total (rounded to
// cents, so float noise never shows as a total).
double recomputeSums(ScoreGrid& grid, int players, bool descriptionShown);
// " << sumy za kazdeho hrace (suma celkem: " + total + " penez)"
QString sumsDescription(double grandTotal);

// The marker list beside the players: the chooser's "voli      - " and the
// declarer's "vynasi  >" (the declarer wins when both fall on one player);
// indexes outside the players are skipped.
QString chooserMarker();
QString declarerMarker();
QStringList roleMarkers(int players, int chooser, int declarer);

// Which removal commands and buttons the table's size allows.
struct CounterState {
  bool removeHands = false;    // "pouze hry"
  bool removeAll = false;      // "vsechno"
  bool removeLast = false;     // "posledni hru"
  bool removeButton = false;   // "smazat >>"
  bool resultsButton = false;  // "vysledky, tisk >>"
};
CounterState counterState(int rowCount, int players);

// The two defenders follow the declarer in seating order, wrapping around.
QList<int> defenders(int players, int declarer);

// A new game: the players taken from the roster. With four or more names and
// sitting out not allowed, the user is asked whether to take the first three.
bool newGameAsksForThree(int rosterSize, bool sittingOutAllowed);
QStringList newGamePlayers(const QStringList& roster, bool onlyThree);
// The first declarer: the roster's selection when it is one of the players,
// else the first player.
int newGameDeclarer(int rosterSelection, int players);

// ---- booking and removing hands ---------------------------------------------

// One hand's shares: the declarer's, each defender's and each sitting-out
// player's, as read back from the share labels.
struct HandShares {
  double declarer = 0;
  double defender = 0;
  double sittingOut = 0;
};

// Where each share goes. Cross variant: everyone gets the defender's share,
// then the declarer and the partner (declarer + k) mod 4 get the declarer's.
// Two players: the declarer's and the other's. Otherwise, walking from the
// declarer with wrap-around: the declarer's, two defenders', and the
// sitting-out share for everyone else.
QList<double> handRow(int players, int declarer, const HandShares& shares, bool cross, int partner);

// Appends the hand: the old sum row becomes the hand row (its cells the
// shares as signed money text, its description cell the hand's description)
// and a new sum row holds the old balances plus the shares, with "   << suma"
// in its description cell. Touches only the last two rows, whatever the
// length of the evening.
void bookHand(ScoreGrid& grid, int players, const QList<double>& row, bool descriptionShown,
              const QString& description);

// The largest balance the table keeps: below it every balance is exact to
// the cent. A hand that would take a balance beyond it is not booked.
constexpr double kMaxBalance = 1e13;
// Whether the hand can be booked: every share and every new balance is a
// finite number within the limit.
bool bookingFits(const ScoreGrid& grid, int players, const QList<double>& row);
QString bookingRefusedMessage();  // why a hand was not booked

// The chooser after a booked hand: the next player, wrapping to the first.
int nextChooser(int chooser, int players);

// "vsechno": only the names and a zero sum row are left (sums recomputed by
// the caller).
void removeAllHands(ScoreGrid& grid);
// "posledni hru": the last row goes, the last hand row becomes the sum row.
bool removeLastHand(ScoreGrid& grid);
// "pouze hry": the hands fold into one row "celkem za predesle hry" holding
// their balances, followed by the sum row.
bool foldHands(ScoreGrid& grid, int players, bool descriptionShown);
QString foldedHandsText();  // "celkem za predesle hry"

}  // namespace kvadus::ledger
