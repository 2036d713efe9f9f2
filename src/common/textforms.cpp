#include "common/textforms.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kvadus {

namespace {

// The magnitude of `value` in fixed point with `decimals` decimals and '.' as the
// mark. The value is first written with 15 significant digits (so 1.005 is
// 1.00500000000000, not the binary 1.00499999...) and that decimal form is then
// rounded half away from zero. *negative tells whether a minus sign belongs in
// front: only when the value is below zero and does not round to zero.
QString roundedMagnitude(double value, int decimals, bool* negative)
{
    decimals = std::max(decimals, 0);
    *negative = false;
    // Nothing the program computes from its own texts is infinite or not a
    // number; should such a value ever come, it is written as 0 rather than
    // as "inf" or "nan", which no reader could take back.
    if (!std::isfinite(value))
        value = 0;

    // "d.dddddddddddddde+xx": 15 significant digits, locale-independent.
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, 14);
    std::string mantissa;
    const char* p = buf;
    for (; p < written.ptr && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    *written.ptr = '\0';
    const int exponent = std::atoi(p + 1);

    // The rounded value counted in units of the last decimal place.
    const long keep = long(exponent) + 1 + decimals;  // mantissa digits kept
    std::string units;
    if (keep >= long(mantissa.size())) {
        units = mantissa + std::string(std::size_t(keep) - mantissa.size(), '0');
    } else if (keep >= 0) {
        units = mantissa.substr(0, std::size_t(keep));
        if (mantissa[std::size_t(keep)] >= '5') {
            int i = int(units.size()) - 1;
            for (; i >= 0 && units[std::size_t(i)] == '9'; --i)
                units[std::size_t(i)] = '0';
            if (i >= 0)
                ++units[std::size_t(i)];
            else
                units.insert(units.begin(), '1');
        }
    }  // keep < 0: below half a unit, rounds to zero

    const auto firstNonZero = units.find_first_not_of('0');
    units.erase(0, std::min(firstNonZero, units.size()));
    *negative = value < 0 && !units.empty();
    if (units.size() < std::size_t(decimals) + 1)
        units.insert(0, std::size_t(decimals) + 1 - units.size(), '0');
    if (decimals > 0)
        units.insert(units.size() - std::size_t(decimals), 1, '.');
    return QString::fromLatin1(units.data(), qsizetype(units.size()));
}

QString withSystemMark(QString text)
{
    const QChar mark = systemDecimalSeparator();
    if (mark != u'.')
        text.replace(u'.', mark);
    return text;
}

// "%+4.2f" / "%4.2f" with the rounding above, padded on the left to `width`.
QString printfMoney(double value, bool forceSign, int width)
{
    bool negative;
    QString text = roundedMagnitude(value, 2, &negative);
    if (negative)
        text.prepend(u'-');
    else if (forceSign)
        text.prepend(u'+');
    return text.rightJustified(width, u' ');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads an ASCII decimal number ("-12.5", "3.", ".5", "1e-3"; no leading '+').
bool readDouble(const std::string& text, double* value)
{
    double result = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, result, std::chars_format::general);
    if (read.ec != std::errc() || read.ptr != end)
        return false;
    *value = result;
    return true;
}

// Drops the time-zone part ("t", "tt", ...) from a QLocale time format, with the
// blanks before it and, when it stands alone in them, its brackets. Quoted
// literal text is copied as it is.
QString withoutTimeZone(const QString& format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == u't') {
            while (i + 1 < format.size() && format.at(i + 1) == u't')
                ++i;
            if (out.endsWith(u'(') && i + 1 < format.size() && format.at(i + 1) == u')') {
                out.chop(1);
                ++i;
            }
            while (out.endsWith(u' '))
                out.chop(1);
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

}  // namespace

QChar systemDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

QString signedMoneyText(double value)
{
    return printfMoney(value, true, 11);
}

QString moneyText(double value)
{
    return printfMoney(value, false, 11);
}

QString resultsMoneyText(double value)
{
    return printfMoney(value, true, 10);
}

QString priceText(double value)
{
    bool negative;
    const QString magnitude = roundedMagnitude(value, 2, &negative);
    QString text = QStringLiteral(" ");
    if (negative)
        text += u'-';
    else if (magnitude != QLatin1String("0.00"))
        text += u'+';
    return text + withSystemMark(magnitude);
}

QString fixedText(double value, int decimals)
{
    bool negative;
    const QString magnitude = withSystemMark(roundedMagnitude(value, decimals, &negative));
    return negative ? u'-' + magnitude : magnitude;
}

QString generalNumberText(double value)
{
    // Also -0.0, and a value that is not a finite number (never "inf" or
    // "nan", see roundedMagnitude).
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Up to 15 significant digits, always written out in full: a form with
    // an exponent ("3.05e-05") would read back as a different number, since
    // every reader of these texts takes the "e" for a decimal mark.
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value,
                                       std::chars_format::scientific, 14);
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

QString normalizeDecimalMark(const QString& text)
{
    // Only the first mark changes; a second one ends the scan and any later
    // marks stay as they are, so the text keeps failing a strict reading.
    QString result = text.trimmed();
    for (QChar& c : result) {
        if (c == u'.' || c == u',') {
            c = systemDecimalSeparator();
            break;
        }
    }
    return result;
}

double lenientNumber(const QString& text)
{
    // After the mapping only digits, blanks, signs and '.' are left.
    QString mapped = text;
    for (QChar& c : mapped)
        if (!isAsciiDigit(c) && !c.isSpace() && c != u'+' && c != u'-')
            c = u'.';

    qsizetype i = 0;
    const qsizetype n = mapped.size();
    while (i < n && mapped.at(i).isSpace())
        ++i;
    std::string number;
    if (i < n && (mapped.at(i) == u'+' || mapped.at(i) == u'-')) {
        if (mapped.at(i) == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    for (; i < n && isAsciiDigit(mapped.at(i)); ++i, anyDigit = true)
        number += char(mapped.at(i).unicode());
    if (i < n && mapped.at(i) == u'.') {
        number += '.';
        for (++i; i < n && isAsciiDigit(mapped.at(i)); ++i, anyDigit = true)
            number += char(mapped.at(i).unicode());
    }
    double value = 0;
    if (!anyDigit || !readDouble(number, &value))
        return 0;
    return value;
}

bool strictNumber(const QString& text, double* value)
{
    const QChar mark = systemDecimalSeparator();
    const qsizetype n = text.size();
    qsizetype i = 0;
    std::string number;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        if (text.at(i) == u'-')
            number += '-';
        ++i;
    }
    int digits = 0;
    for (; i < n && isAsciiDigit(text.at(i)); ++i, ++digits)
        number += char(text.at(i).unicode());
    if (i < n && text.at(i) == mark) {
        number += '.';
        for (++i; i < n && isAsciiDigit(text.at(i)); ++i, ++digits)
            number += char(text.at(i).unicode());
    }
    if (digits == 0)
        return false;
    // No exponent: every later reading of the text is lenient and would take
    // the "e" of "1e2" for a decimal mark (1.2), so such a text is refused
    // here, as is anything else after the digits ("inf", "nan" included).
    return i == n && readDouble(number, value);
}

QString dateTimeStamp(const QDateTime& when)
{
    const QLocale locale;
    return locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" - ")
           + locale.toString(when.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString dateTimeStamp()
{
    return dateTimeStamp(QDateTime::currentDateTime());
}

const QStringList& flekNames()
{
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
