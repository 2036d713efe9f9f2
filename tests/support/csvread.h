#pragma once
// Reading back the program's tables for spreadsheets: an RFC 4180 reader of
// our own for many random tables, and Python's csv module, as a spreadsheet
// user's tools would read the file.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testsupport {

// Reads RFC 4180 text (after the byte-order mark) into rows of fields.
inline QList<QStringList> readCsv(const QByteArray& bytes, QChar separator) {
  const QString text = QString::fromUtf8(bytes.mid(3));
  QList<QStringList> rows;
  QStringList row;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (quoted) {
      if (c != u'"') field += c;
      else if (i + 1 < text.size() && text.at(i + 1) == u'"') field += text.at(++i);
      else quoted = false;
    } else if (c == u'"') {
      quoted = true;
    } else if (c == separator) {
      row << field;
      field.clear();
    } else if (c == u'\r' || c == u'\n') {  // any line end outside quotes ends the row, as readers take it
      rows << (row << field);
      row.clear();
      field.clear();
      if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else {
      field += c;
    }
  }
  return rows;
}

// The rows of a CSV file as Python's csv module reads it (UTF-8 with the
// byte-order mark); empty when python3 fails.
inline QList<QStringList> pythonCsv(const QString& path, const QString& separator) {
  QProcess python;
  python.start(QStringLiteral("python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import csv, json, sys\n"
                               "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                               "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2]))))"),
                path, separator});
  QList<QStringList> rows;
  if (!python.waitForFinished(30000) || python.exitCode() != 0) return rows;
  for (const auto& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
    rows << row.toVariant().toStringList();
  return rows;
}

}  // namespace testsupport
