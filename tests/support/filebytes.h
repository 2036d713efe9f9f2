#pragma once
// A file's bytes, read and written whole, for tests that compare files byte
// for byte.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes become the file.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

}  // namespace testsupport
