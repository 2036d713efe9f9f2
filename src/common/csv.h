#pragma once
// Tables for spreadsheets: comma-separated values as RFC 4180 has them, in
// UTF-8 with a byte-order mark (so that a spreadsheet takes the Czech letters
// for what they are) and CR LF line ends. The separator and the decimal mark
// follow the system's: where numbers are written "1,50" the fields are
// separated by ';', as spreadsheets there expect.

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvadus {

struct CsvForm {
  QChar separator;
  QChar decimalMark;
};
// ';' and ',' under a decimal comma, else ',' and '.'.
CsvForm csvFormFor(QChar systemDecimalMark);

// One field: as it is, or in double quotes (a quote doubled) when it holds
// the separator, a quote, a line end, or begins or ends with a blank.
QString csvField(const QString& text, QChar separator);

// A money cell as a plain number: no padding, no "+", two decimals with the
// given mark ("      -1.50" -> "-1,50"). A money text is turned digit for
// digit, so it stays exact at any size; other numbers go through their value.
// A blank cell stays empty.
QString csvNumber(const QString& cell, QChar decimalMark);

// The rows as a document: every field through csvField, CR LF after each
// row, UTF-8 with the byte-order mark.
QByteArray csvDocument(const QList<QStringList>& rows, QChar separator);

}  // namespace kvadus
