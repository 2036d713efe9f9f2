#pragma once
// The rules of the balance correction: the two player grids of the window
// (name, money text, order text per row), moving a player in the new order,
// checking a balance typed by hand, the question before applying, and the two
// ways an applied correction changes the score table: exchanging whole
// columns for a new seating order, or one row of new balances in place of
// all hands.

#include "ledger/scoregrid.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kvadus::correction {

// Columns of the two player grids; row 0 holds their headers, row k player k.
constexpr int kNameColumn = 0;
constexpr int kMoneyColumn = 1;
constexpr int kOrderColumn = 2;
constexpr int kColumns = 3;
QStringList gridHeader();  // "Jmeno", "penize", "poradi"

// "   k": who stood k-th when the grids were loaded; read back leniently
// (leading blanks allowed), 0 when it holds no number.
QString orderText(int k);
int orderNumber(const QString& text);

// Players in a grid of n + 1 rows.
int playerRows(const ScoreGrid& players);
int orderAt(const ScoreGrid& players, int row);
// The order numbers of rows 1..n, in row order.
QList<int> orderNumbers(const ScoreGrid& players);

// Fills a player grid from the game: one row per name, each with the
// player's cell of the score table's sum row (verbatim) and his order text.
void loadPlayers(ScoreGrid& players, const QStringList& names, const ScoreGrid& table);

// The first row (from 1) of the new grid whose order number is m; -1 if none.
int rowOfOrder(const ScoreGrid& players, int m);

// Moving the chosen player (row r, 1..n) one place; at either end the whole
// order turns round by one instead. Returns the row he then stands in, or -1
// when r is no player's row (nothing moves).
struct Moved {
  int row = -1;
  bool rotated = false;  // the order turned round instead of two rows swapping
};
Moved moveUp(ScoreGrid& players, int r);
Moved moveDown(ScoreGrid& players, int r);

// A balance typed by hand: trimmed, its first ',' or '.' made the system's
// decimal mark; it must then read as a decimal number whose magnitude stays
// below ledger::kMaxBalance. The text kept is the normalised one, as typed.
struct CheckedMoney {
  bool valid = false;
  QString text;     // the normalised text
  QString message;  // why it was refused (caption "Chyba")
};
CheckedMoney checkMoney(const QString& typed);
QString notADecimalMessage();      // "Zadejte desetinne cislo !"
QString balanceTooLargeMessage();  // a balance at or beyond the limit

// Whether a typed balance is a change of the player's money text: the same
// text up to blanks and decimal mark is none.
bool changesMoney(const QString& typed, const QString& moneyText);

// The question asked before applying; empty when nothing changed. The tail
// about the lost hands comes with a money change when the table holds hands.
QString applyQuestion(bool orderChanged, bool moneyChanged, int handCount);
QString lostHandsTail();  // "\n(vsechny predchozi hry budou smazany)"

// ---- applying ---------------------------------------------------------------

// The new balances, in the new grid's order: each money text normalised and
// read leniently.
QList<double> newBalances(const ScoreGrid& players);
// Every balance is a finite number below ledger::kMaxBalance in magnitude.
bool balancesFit(const QList<double>& balances);

// A money change: the table keeps its names row, one row of the new balances
// (signed money texts, its description cell "uprava stavu penez" when the
// description column is shown) and a sum row that the caller recomputes. The
// names row follows the new order. Returns false, changing nothing, when a
// balance does not fit (balanceTooLargeMessage() says why).
bool writeBalanceRow(ScoreGrid& table, const QStringList& names, const QList<double>& balances);
QString balanceRowDescription();  // "uprava stavu penez"

// An order change is carried into the table by exchanges of whole places
// (0-based columns). The old order numbers are the record of who stands in
// each place now; they are exchanged along with the places.
struct Exchange {
  int first = 0;
  int second = 0;
  bool operator==(const Exchange&) const = default;
};
QList<Exchange> orderExchanges(const QList<int>& newOrder, QList<int>& oldOrder);
// Exchanges two columns in every row: names, hands, sums alike.
void exchangeColumns(ScoreGrid& table, int a, int b);

}  // namespace kvadus::correction
