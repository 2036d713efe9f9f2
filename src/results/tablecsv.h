#pragma once
// The score table for spreadsheets: comma-separated values as RFC 4180 has
// them, in UTF-8 with a byte-order mark (so that a spreadsheet takes the
// Czech letters for what they are) and CR LF line ends. The separator and
// the decimal mark follow the system's: where numbers are written "1,50"
// the fields are separated by ';', as spreadsheets there expect.

#include "ledger/scoregrid.h"

#include <QByteArray>
#include <QChar>
#include <QString>

namespace kvadus::results {

struct CsvForm {
  QChar separator;
  QChar decimalMark;
};
// ';' and ',' under a decimal comma, else ',' and '.'.
CsvForm csvFormFor(QChar systemDecimalMark);

// One field: as it is, or in double quotes (a quote doubled) when it holds
// the separator, a quote, a line end, or begins or ends with a blank.
QString csvField(const QString& text, QChar separator);

// A money cell of the score table as a plain number: no padding, no "+",
// two decimals with the given mark ("      -1.50" -> "-1,50"). A blank cell
// stays empty.
QString csvNumber(const QString& cell, QChar decimalMark);

// The table of n players: a header row "hra", the names (and "popis" when the
// description column is shown), one row per hand with its number, the
// players' amounts and its description, and the sum row last ("celkem").
QByteArray scoreTableCsv(const ScoreGrid& grid, int players, bool descriptionShown, const CsvForm& form);

}  // namespace kvadus::results
