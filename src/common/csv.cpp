#include "common/csv.h"

#include "common/textforms.h"

#include <QRegularExpression>

namespace kvadus {

CsvForm csvFormFor(QChar systemDecimalMark) {
  if (systemDecimalMark == u',') return {u';', u','};
  return {u',', u'.'};
}

QString csvField(const QString& text, QChar separator) {
  const bool quoted = text.contains(separator) || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r') ||
                      (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
  if (!quoted) return text;
  QString out = text;
  out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + out + u'"';
}

QString csvNumber(const QString& cell, QChar decimalMark) {
  const QString trimmed = cell.trimmed();
  if (trimmed.isEmpty()) return {};
  static const QRegularExpression money(QStringLiteral("^([+-]?)0*([0-9]*)[.,]([0-9]{2})$"));
  const QRegularExpressionMatch m = money.match(trimmed);
  if (!m.hasMatch()) {
    QString text = QString::number(lenientNumber(cell), 'f', 2);
    if (text == QStringLiteral("-0.00")) text.remove(0, 1);  // a spreadsheet would keep the sign
    return text.replace(u'.', decimalMark);
  }
  const QString whole = m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2);
  const QString cents = m.captured(3);
  const bool negative = m.captured(1) == u"-" && (whole != u"0" || cents != u"00");
  return (negative ? QStringLiteral("-") : QString()) + whole + decimalMark + cents;
}

QByteArray csvDocument(const QList<QStringList>& rows, QChar separator) {
  QString text;
  for (const QStringList& row : rows) {
    QStringList fields;
    fields.reserve(row.size());
    for (const QString& f : row) fields << csvField(f, separator);
    text += fields.join(separator) + QStringLiteral("\r\n");
  }
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace kvadus
