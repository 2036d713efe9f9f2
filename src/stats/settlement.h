#pragma once
// Who pays whom at the end of an evening. The players' final balances become
// single payments, in table order: each payer pays the receivers one after the
// other until his debt is used up, each receiver is paid by the payers one
// after the other until his claim is covered.

#include "ledger/scoregrid.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kvadus::stats {

// Balances whose sum lies within this distance of zero can be settled.
constexpr double kSettlementTolerance = 0.00001;

// The settlement grid is n + 2 columns by n + 2 rows, cells written as
// (column, row): names in row 0 and column 0, a column for every receiver and
// a row for every payer, "ZAPLATI" in column n + 1 and "DOSTANE" in row n + 1.
QString settlementCorner();          // "bere \ plati"
QString settlementPaysHeader();      // "ZAPLATI"
QString settlementReceivesHeader();  // "DOSTANE"
QString settlementDiagonal();        // "      X"
QString settlementNoAmount();        // "      -": the cells of an invalid settlement
QString validHeading();              // "Celkem se presune:"
QString invalidHeading();            // "Chyba! - Suma penez za vsechny hrace ="
// "Celkova suma je  " + the difference + " !" and, on the next line,
// "Cely ucet nelze zpracovat."
QString invalidMessage(double difference);

struct Settlement {
  MemoryGrid grid;  // the settlement grid's texts
  // Players below, above and exactly at zero, in player order: their names
  // and their player numbers (1..n) as decimal text.
  QStringList payers, payerNumbers;
  QStringList receivers, receiverNumbers;
  QStringList even, evenNumbers;
  bool valid = false;
  QString heading;            // the label above the total
  QString total;              // how much money changes hands, or the difference
  QString message;            // the error shown for an invalid settlement, else empty
  bool markReceipts = false;  // the receipts row is selected afterwards
};

// Settles the players whose names and final balance texts are given in
// player order. A balance text is read strictly (after decimal-mark
// normalisation); one that is not a number throws ConversionError.
Settlement settle(const QStringList& names, const QStringList& balanceTexts);

// The greedy walk over the payers and receivers (player numbers, in list
// order) of a grid prepared by settle(): "ZAPLATI" and "DOSTANE" hold what
// each is still to pay or receive, and are read back from their texts at
// every step, in whole cents. Writes each payment (never below 0.01) into
// its cell; a debt or claim below a cent is passed over; stops when either
// list is used up. Returns the number of payments.
int pairPayments(ScoreGrid& grid, int players, const QList<int>& payers, const QList<int>& receivers);

// The payments of a settlement grid as "payer>receiver amount" texts, in row
// and column order.
QStringList paymentList(const ScoreGrid& grid, int players);

}  // namespace kvadus::stats
