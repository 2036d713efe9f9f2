#pragma once
// The text forms in which the program shows, stores and reads back money and
// numbers. Every cell of the score table, every price and share label and every
// tariff field goes through these functions, so they are the one place where
// rounding, signs and decimal marks are decided.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvadus {

// The decimal separator of the default QLocale ("." or ",").
QChar systemDecimalSeparator();

// "%+4.2f" (sign always, '.' as the mark), left-padded with blanks to 11
// characters; longer texts are not cut. Every amount and balance cell of the
// score table. Rounded half away from zero on the value's decimal form, and a
// value that rounds to zero is written "+0.00" (never "-0.00").
QString signedMoneyText(double value);

// The same with "%4.2f" (no "+"), padded to 11: settlement grid, records table.
QString moneyText(double value);

// "%+4.2f" padded to 10: the money form of the results file.
QString resultsMoneyText(double value);

// A blank, "+" when the value (as rounded) is greater than 0, then the value in
// the pattern "0.00" with the system's decimal separator: " +0.40", " -1.20",
// " 0.00". The price field and the share labels.
QString priceText(double value);

// A fixed-point pattern with the system's decimal separator and the given
// number of decimals ("0.00" -> 2, "0.0" -> 1), rounded half away from zero.
QString fixedText(double value, int decimals);

// The shortest form of the number with up to 15 significant digits and the
// system's decimal separator: 0.1 -> "0.1", 4 -> "4", 2.5 -> "2,5" (Czech).
// Never an exponent. Every form here writes a value that is not a finite
// number as 0.
QString generalNumberText(double value);

// Trim, then replace the first "," or "." by the system's decimal separator;
// a second mark ends the scan and stays as it is.
QString normalizeDecimalMark(const QString& text);
// The same with the mark given, for readers that look it up once.
QString normalizeDecimalMark(const QString& text, QChar mark);

// Every character other than a digit, white space, "+" or "-" becomes ".",
// then the longest leading part that forms a decimal number is read; an empty
// or unreadable text reads as 0.
double lenientNumber(const QString& text);

// The whole text (as it stands; normalise first) must be a decimal number in
// the system's format: optional sign, digits with at most one system decimal
// separator. No exponent ("1e2"), "inf" or "nan". Returns false (and leaves
// *value alone) otherwise.
bool strictNumber(const QString& text, double* value);
bool strictNumber(const QString& text, QChar mark, double* value);

// The system's short date, " - ", the system's long time.
QString dateTimeStamp(const QDateTime& when);
QString dateTimeStamp();  // now
// The date and time of a stamp read back: in the system's forms first, then
// in those of the Czech and the American locale, so that a file written on
// another machine still gives its date; a two-digit year is taken in this
// century or the last one's final decades (70..99). A stamp whose time does
// not read gives midnight of its date; no date, no result.
std::optional<QDateTime> readDateTimeStamp(const QString& stamp);

// The names of 0 to 8 fleks (doublings): "", "flek", "re", "tuti", "boty",
// "kalhoty", "kajzr", "rekajzr", "help! :-)".
const QStringList& flekNames();

}  // namespace kvadus
