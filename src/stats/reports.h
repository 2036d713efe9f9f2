#pragma once
// The texts for paper that the results window's text page makes: the
// statistics report from the records table, the receipt from the final
// balances and the settlement, and the price list of the current tariff, as a
// table and as text. Each is built from the texts the window's controls hold,
// so the rules here run without a screen.

#include "ledger/scoregrid.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kvadus::stats {

// " [  jiz ZAPLACENO!  ]": the mark of an evening already paid.
QString paidMark();

// "Datum a cas   : " and the stamp: the line "<-- pridej datum a a cas" adds.
QString stampLine(const QString& stamp);

// ---- statistics report -------------------------------------------------------

struct StatisticsInput {
  // Rows 0..n of the records table (the header row first), ten texts each.
  QList<QStringList> records;
  QString handsLabel;    // the caption beside the number of hands: "her:"
  QString playersLabel;  // "hracu:"
  QString hands;         // the counters' texts
  QString players;
  QString stamp;     // the date-time stamp, without its prefix
  QString handNote;  // the caption under the records table
  bool paid = false;
};

// The report, line by line. The holder of each record is the first player
// with the highest or lowest value of its column (read strictly: a text that
// is not a number throws ConversionError).
QStringList statisticsReport(const StatisticsInput& in);

// The records table turned on its side, the names first: one line per column
// of the table. Each of its columns (the headers, then a player's records)
// is (78 - n) / (n + 1) characters wide, or as wide as its widest text where
// that is more, and every cell is right-aligned in it, so the columns stay
// aligned at any number of players; a line may then be wider than 78.
QStringList turnedRecords(const QList<QStringList>& records);

// ---- receipt -----------------------------------------------------------------

struct ReceiptInput {
  QStringList names;     // players 1..n
  QStringList balances;  // their final balance texts, as the records table holds them
  // The settlement grid (n + 2 columns and rows, "ZAPLATI" in column n + 1);
  // read only when the payments are wanted.
  const ScoreGrid* settlement = nullptr;
  QString moved;  // the text of the total that changes hands
  bool withPayments = false;
  bool paid = false;
  QString stamp;  // without prefix
};

// The receipt, line by line. Amounts of the settlement are read strictly (a
// text that is not a number throws ConversionError) and written as money text.
QStringList receipt(const ReceiptInput& in);

// ---- price list ----------------------------------------------------------------

// A row of the price list table: three cells.
using PriceRow = QStringList;

// The table as the results window shows it before it is computed: the header,
// a row of '*' and the empty last row.
QList<PriceRow> freshPriceList(const QString& stamp, const QString& redCaption);

// The header row: "Cenik (" stamp ")", " normalni", the red caption.
PriceRow priceListHeader(const QString& stamp, const QString& redCaption);
// A separator: three cells of 100 copies of `fill`.
PriceRow separatorRow(QChar fill);
// A price as the table shows it: the price field's text read leniently, then
// "%+4.2f" padded to 10. An empty text stays empty.
QString priceCell(const QString& priceFieldText);

// Where the prices come from: the main window, driven through its controls.
struct PriceSource {
  // The captions of a quick-selection group (kvadus::quick::Group).
  std::function<QStringList(int group)> items;
  // The price field's texts for the item: the plain game and, when `red` is
  // asked for, the game played in red (else an empty text).
  std::function<QPair<QString, QString>(int group, int item, bool red)> price;
  // Two sevens are offered: the row's caption and its two prices.
  bool twoSevens = false;
  QString twoSevensCaption;
  std::function<QPair<QString, QString>()> twoSevensPrice;
};

// The whole table: won games by group, two sevens when offered, lost games,
// and the empty last row.
QList<PriceRow> computedPriceList(const QString& stamp, const QString& redCaption, const PriceSource& source);

// The table as text: every row one line (cells padded to 30, 10 and 10, the
// header to the left, the others to the right); separators of '=', '-' and
// '*' shortened to 50, and one closing line after the last.
QStringList priceListText(const QList<PriceRow>& rows);

}  // namespace kvadus::stats
