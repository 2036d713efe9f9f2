#include "common/textforms.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace kvadus {

namespace {

// The magnitude of `value` in fixed point with `decimals` decimals (at most
// 20) and '.' as the mark, written to `out` (room for 400 characters); returns
// its length. The value is first written with 15 significant digits (so 1.005
// is 1.00500000000000, not the binary 1.00499999...) and that decimal form is
// then rounded half away from zero. *negative tells whether a minus sign
// belongs in front: only when the value is below zero and does not round to
// zero. Every cell of a long evening passes through here, so it works in
// plain character buffers.
constexpr int kMagnitudeRoom = 400;

int roundedMagnitude(double value, int decimals, bool* negative, char* out) {
  decimals = std::clamp(decimals, 0, 20);
  *negative = false;
  // Nothing the program computes from its own texts is infinite or not a
  // number; should such a value ever come, it is written as 0 rather than
  // as "inf" or "nan", which no reader could take back.
  if (!std::isfinite(value)) value = 0;

  // "d.dddddddddddddde+xx": 15 significant digits, locale-independent.
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  char mantissa[20];
  int digits = 0;
  const char* p = buf;
  for (; p < written.ptr && *p != 'e'; ++p)
    if (*p != '.' && digits < 20) mantissa[digits++] = *p;
  int exponent = 0;
  {
    const char* e = p + 1;
    const bool minus = e < written.ptr && *e == '-';
    if (e < written.ptr && (*e == '-' || *e == '+')) ++e;
    std::from_chars(e, written.ptr, exponent);
    if (minus) exponent = -exponent;
  }

  // The rounded value counted in units of the last decimal place; units[0]
  // is room for a carry out of the first digit.
  char units[kMagnitudeRoom];
  int count = 1;
  units[0] = '0';
  const int keep = exponent + 1 + decimals;  // mantissa digits kept
  if (keep >= digits) {
    std::memcpy(units + 1, mantissa, std::size_t(digits));
    std::memset(units + 1 + digits, '0', std::size_t(keep - digits));
    count += keep;
  } else if (keep >= 0) {
    std::memcpy(units + 1, mantissa, std::size_t(keep));
    count += keep;
    if (mantissa[keep] >= '5') {
      int i = count - 1;
      for (; units[i] == '9'; --i) units[i] = '0';
      ++units[i];
    }
  }  // keep < 0: below half a unit, rounds to zero

  int first = 0;
  while (first < count && units[first] == '0') ++first;
  const int significant = count - first;
  *negative = value < 0 && significant > 0;
  // At least one digit before the mark.
  const int leadingZeros = std::max(0, decimals + 1 - significant);
  int n = 0;
  const int total = leadingZeros + significant;
  for (int k = 0; k < total; ++k) {
    if (decimals > 0 && k == total - decimals) out[n++] = '.';
    out[n++] = k < leadingZeros ? '0' : units[first + k - leadingZeros];
  }
  return n;
}

QString roundedMagnitude(double value, int decimals, bool* negative) {
  char out[kMagnitudeRoom];
  const int n = roundedMagnitude(value, decimals, negative, out);
  return QString::fromLatin1(out, n);
}

QString withSystemMark(QString text) {
  const QChar mark = systemDecimalSeparator();
  if (mark != u'.') text.replace(u'.', mark);
  return text;
}

// "%+4.2f" / "%4.2f" with the rounding above, padded on the left to `width`.
QString printfMoney(double value, bool forceSign, int width) {
  bool negative;
  char magnitude[kMagnitudeRoom];
  const int n = roundedMagnitude(value, 2, &negative, magnitude);
  const bool sign = negative || forceSign;
  const int length = n + (sign ? 1 : 0);
  const int pad = std::max(0, width - length);
  QString text(pad + length, Qt::Uninitialized);
  QChar* c = text.data();
  for (int i = 0; i < pad; ++i) *c++ = u' ';
  if (sign) *c++ = negative ? u'-' : u'+';
  for (int i = 0; i < n; ++i) *c++ = QLatin1Char(magnitude[i]);
  return text;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads an ASCII decimal number ("-12.5", "3.", ".5", "1e-3"; no leading '+').
bool readDouble(const std::string& text, double* value) {
  double result = 0;
  const char* end = text.data() + text.size();
  const auto read = std::from_chars(text.data(), end, result, std::chars_format::general);
  if (read.ec != std::errc() || read.ptr != end) return false;
  *value = result;
  return true;
}

// Drops the time-zone part ("t", "tt", ...) from a QLocale time format, with the
// blanks before it and, when it stands alone in them, its brackets. Quoted
// literal text is copied as it is.
QString withoutTimeZone(const QString& format) {
  QString out;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format.at(i);
    if (c == u'\'') {
      quoted = !quoted;
      out += c;
    } else if (!quoted && c == u't') {
      while (i + 1 < format.size() && format.at(i + 1) == u't') ++i;
      if (out.endsWith(u'(') && i + 1 < format.size() && format.at(i + 1) == u')') {
        out.chop(1);
        ++i;
      }
      while (out.endsWith(u' ')) out.chop(1);
    } else {
      out += c;
    }
  }
  return out.trimmed();
}

}  // namespace

QChar systemDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? QChar(u'.') : point.at(0);
}

QString signedMoneyText(double value) { return printfMoney(value, true, 11); }

QString moneyText(double value) { return printfMoney(value, false, 11); }

QString resultsMoneyText(double value) { return printfMoney(value, true, 10); }

QString priceText(double value) {
  bool negative;
  const QString magnitude = roundedMagnitude(value, 2, &negative);
  QString text = QStringLiteral(" ");
  if (negative) text += u'-';
  else if (magnitude != QLatin1String("0.00")) text += u'+';
  return text + withSystemMark(magnitude);
}

QString fixedText(double value, int decimals) {
  bool negative;
  const QString magnitude = withSystemMark(roundedMagnitude(value, decimals, &negative));
  return negative ? u'-' + magnitude : magnitude;
}

QString generalNumberText(double value) {
  // Also -0.0, and a value that is not a finite number (never "inf" or
  // "nan", see roundedMagnitude).
  if (value == 0 || !std::isfinite(value)) return QStringLiteral("0");
  // Up to 15 significant digits, always written out in full: a form with
  // an exponent ("3.05e-05") would read back as a different number, since
  // every reader of these texts takes the "e" for a decimal mark.
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  const std::string_view sci(buf, written.ptr - buf);
  const bool negative = sci.front() == '-';
  const size_t e = sci.find('e');
  std::string digits;
  for (char c : sci.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::stoi(std::string(sci.substr(e + 1)));
  std::string out = negative ? "-" : "";
  if (exponent >= 0) {
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole) + '.' + digits.substr(whole);
    }
  } else {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return withSystemMark(QString::fromStdString(out));
}

QString normalizeDecimalMark(const QString& text) { return normalizeDecimalMark(text, systemDecimalSeparator()); }

QString normalizeDecimalMark(const QString& text, QChar mark) {
  // Only the first mark changes; a second one ends the scan and any later
  // marks stay as they are, so the text keeps failing a strict reading.
  QString result = text.trimmed();
  for (qsizetype i = 0; i < result.size(); ++i) {
    const QChar c = result.at(i);
    if (c == u'.' || c == u',') {
      if (c != mark) result[i] = mark;  // copies the text only when it changes
      break;
    }
  }
  return result;
}

double lenientNumber(const QString& text) {
  // Read as if every character other than a digit, white space or a sign
  // were '.', without making that copy: blanks, a sign, digits, then at
  // most one mark and more digits.
  enum Kind { Digit, Space, Plus, Minus, Mark };
  const auto kind = [](QChar c) {
    if (isAsciiDigit(c)) return Digit;
    if (c.isSpace()) return Space;
    if (c == u'+') return Plus;
    if (c == u'-') return Minus;
    return Mark;
  };
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && kind(text.at(i)) == Space) ++i;
  char small[64];
  std::string large;
  int length = 0;
  const auto put = [&](char c) {
    if (length < int(sizeof small)) {
      small[length++] = c;
      return;
    }
    if (large.empty()) large.assign(small, sizeof small);
    large += c;
    ++length;
  };
  if (i < n && (kind(text.at(i)) == Plus || kind(text.at(i)) == Minus)) {
    if (kind(text.at(i)) == Minus) put('-');
    ++i;
  }
  bool anyDigit = false;
  for (; i < n && kind(text.at(i)) == Digit; ++i, anyDigit = true) put(char(text.at(i).unicode()));
  if (i < n && kind(text.at(i)) == Mark) {
    put('.');
    for (++i; i < n && kind(text.at(i)) == Digit; ++i, anyDigit = true) put(char(text.at(i).unicode()));
  }
  if (!anyDigit) return 0;
  const char* begin = large.empty() ? small : large.data();
  double value = 0;
  const auto read = std::from_chars(begin, begin + length, value, std::chars_format::general);
  if (read.ec != std::errc() || read.ptr != begin + length) return 0;
  return value;
}

bool strictNumber(const QString& text, double* value) { return strictNumber(text, systemDecimalSeparator(), value); }

bool strictNumber(const QString& text, QChar mark, double* value) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  std::string number;
  if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
    if (text.at(i) == u'-') number += '-';
    ++i;
  }
  int digits = 0;
  for (; i < n && isAsciiDigit(text.at(i)); ++i, ++digits) number += char(text.at(i).unicode());
  if (i < n && text.at(i) == mark) {
    number += '.';
    for (++i; i < n && isAsciiDigit(text.at(i)); ++i, ++digits) number += char(text.at(i).unicode());
  }
  if (digits == 0) return false;
  // No exponent: every later reading of the text is lenient and would take
  // the "e" of "1e2" for a decimal mark (1.2), so such a text is refused
  // here, as is anything else after the digits ("inf", "nan" included).
  return i == n && readDouble(number, value);
}

QString dateTimeStamp(const QDateTime& when) {
  const QLocale locale;
  return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" - ") +
         locale.toString(when.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString dateTimeStamp() { return dateTimeStamp(QDateTime::currentDateTime()); }

std::optional<QDateTime> readDateTimeStamp(const QString& stamp) {
  const qsizetype dash = stamp.indexOf(QStringLiteral(" - "));
  const QString datePart = (dash < 0 ? stamp : stamp.left(dash)).trimmed();
  const QString timePart = dash < 0 ? QString() : stamp.mid(dash + 3).trimmed();
  const QLocale locales[] = {QLocale(), QLocale(QLocale::Czech, QLocale::Czechia),
                             QLocale(QLocale::English, QLocale::UnitedStates)};
  QDate date;
  for (const QLocale& locale : locales) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    date = locale.toDate(datePart, format);
    if (!date.isValid()) continue;
    // Qt reads "yy" as 19yy.
    if (!format.contains(QStringLiteral("yyyy")) && date.year() < 1970) date = date.addYears(100);
    break;
  }
  if (!date.isValid()) date = QDate::fromString(datePart, Qt::ISODate);
  if (!date.isValid()) return std::nullopt;
  QTime time;
  for (const QLocale& locale : locales) {
    time = locale.toTime(timePart, withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
    if (time.isValid()) break;
  }
  return QDateTime(date, time.isValid() ? time : QTime(0, 0));
}

const QStringList& flekNames() {
  static const QStringList names{
      QString(),
      QStringLiteral("flek"),
      QStringLiteral("re"),
      QStringLiteral("tuti"),
      QStringLiteral("boty"),
      QStringLiteral("kalhoty"),
      QStringLiteral("kajzr"),
      QStringLiteral("rekajzr"),
      QStringLiteral("help! :-)"),
  };
  return names;
}

}  // namespace kvadus
