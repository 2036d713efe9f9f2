#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <system_error>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kvadus {

namespace {

QString decodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  QStringDecoder legacy("windows-1250");
  return legacy.isValid() ? QString(legacy.decode(bytes)) : QString::fromLatin1(bytes);
}

// The system's text for an error number of the C library.
QString systemReason(int error) { return QString::fromStdString(std::generic_category().message(error)); }

// Puts what was written to the open file on the disk itself, not only into
// the system's cache: QSaveFile syncs before its rename but does not look at
// the result, so a disk that fails there would pass as saved.
bool syncToDisk(QFileDevice& file, QString* error) {
#if defined(Q_OS_WIN)
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
  if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle)) return true;
  *error = QString::fromStdString(std::system_category().message(int(GetLastError())));
  return false;
#else
  const int fd = file.handle();
  int result = 0;
  do {
#if defined(Q_OS_LINUX)
    result = ::fdatasync(fd);
#elif defined(Q_OS_DARWIN)
    // Only F_FULLFSYNC reaches the platter there; not every file system has it.
    result = ::fcntl(fd, F_FULLFSYNC);
    if (result != 0 && errno != EINTR) result = ::fsync(fd);
#else
    result = ::fsync(fd);
#endif
  } while (result != 0 && errno == EINTR);
  if (result == 0) return true;
  *error = systemReason(errno);
  return false;
#endif
}

// After a rename the folder holds the new name only in the cache until the
// folder itself is synced. Best effort: not every file system syncs folders,
// and the file is whole under either name.
void syncFolder(const QString& folder) {
#if !defined(Q_OS_WIN)
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#else
  Q_UNUSED(folder);
#endif
}

// Writes the bytes as the whole new content of the file, or nothing at all.
// Every write is checked and the data synced to the disk before the commit: a
// short write must not replace the old file with a truncated one, nor a
// failing disk pass as saved. The file is unbuffered so that a failing write
// reports the system's reason ("File too large", "No space left on device"):
// a short write reports none, the write of the rest that follows does.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* openError, QString* writeError,
                 QString* commitError) {
  const QString folder = QFileInfo(path).absolutePath();
  QDir().mkpath(folder);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    *openError = file.errorString();
    return false;
  }
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) break;
    done += written;
  }
  if (done < bytes.size()) *writeError = file.errorString();
  if (done < bytes.size() || !syncToDisk(file, writeError)) {
    file.cancelWriting();  // the temporary file goes, the old file stays
    return false;
  }
  if (!file.commit()) {
    *commitError = file.errorString();
    return false;
  }
  syncFolder(folder);
  return true;
}

}  // namespace

bool isValidUtf8(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);  // the decoding happens here, not in decode()
  return !utf8.hasError();
}

QStringList decodeTextLines(const QByteArray& bytes) {
  const QString text = decodeText(bytes);
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    lines << text.mid(start, i - start);
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines << text.mid(start);
  return lines;
}

std::optional<QByteArray> encodeLegacyLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  bool ascii = true;
  for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
  if (ascii) return text.toLatin1();  // the same bytes in either encoding
  QStringEncoder encoder("windows-1250");
  if (!encoder.isValid()) return std::nullopt;
  const QByteArray bytes = encoder.encode(text);
  // A letter without a form there becomes a substitute: read back, it would
  // not be the letter written.
  if (encoder.hasError() || QStringDecoder("windows-1250").decode(bytes) != text) return std::nullopt;
  return bytes;
}

QByteArray encodeTextLines(const QStringList& lines) {
  qsizetype size = 0;
  for (const QString& line : lines) size += line.size() + 2;
  QByteArray bytes;
  bytes.reserve(size + size / 8);  // room for a few letters of more than one byte
  for (const QString& line : lines) {
    bytes += line.toUtf8();
    bytes += "\r\n";
  }
  return bytes;
}

namespace {

// The file's bytes, or why they cannot be had.
TextFileRead::Status readBytes(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error) {
  const QFileInfo info(path);
  if (!info.exists()) {
    *error = QStringLiteral("Soubor neexistuje");
    return TextFileRead::Missing;
  }
  // A pipe or a device would block or never end: only plain files and
  // folders (which fail to open with their own message) get that far.
  if (!info.isFile() && !info.isDir()) {
    *error = QStringLiteral("'%1' neni obycejny soubor.").arg(QDir::toNativeSeparators(path));
    return TextFileRead::Failed;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return TextFileRead::Failed;
  }
  *bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    *error = file.errorString();
    return TextFileRead::Failed;
  }
  if (bytes->size() > maxBytes) {
    *error = QStringLiteral("Soubor je prilis velky (vice nez %1 MB).").arg(maxBytes / (qint64(1024) * 1024));
    return TextFileRead::Failed;
  }
  return TextFileRead::Ok;
}

}  // namespace

TextFileRead readTextFile(const QString& path, qint64 maxBytes) {
  TextFileRead result;
  QByteArray bytes;
  result.status = readBytes(path, maxBytes, &bytes, &result.error);
  if (result.status == TextFileRead::Ok) result.lines = decodeTextLines(bytes);
  return result;
}

TextFileWrite writeFileBytes(const QString& path, const QByteArray& bytes) {
  TextFileWrite result;
  QString openError, writeError, commitError;
  result.ok = replaceFile(path, bytes, &openError, &writeError, &commitError);
  result.error = openError + writeError + commitError;
  return result;
}

TextFileWrite writeTextFile(const QString& path, const QStringList& lines, SaveMode mode, LegacyFile legacy) {
  TextFileWrite result;
  QString openError, writeError, commitError;
  if (mode == SaveMode::Overwrite) return writeFileBytes(path, encodeTextLines(lines));

  const QString cannotOpen = QStringLiteral("Soubor nelze otevrit pro pridani");
  QByteArray old;
  QString readError;
  if (readBytes(path, kMaxTextFileBytes, &old, &readError) == TextFileRead::Failed) {
    result.error = cannotOpen;
    return result;
  }
  // The old content stays byte for byte, and the new lines follow in the
  // file's own encoding: a file that is not UTF-8 reads as the old code
  // page (whatever it really holds), so its new lines are written in it.
  QByteArray added;
  if (isValidUtf8(old)) {
    added = encodeTextLines(lines);
  } else if (const std::optional<QByteArray> inCodePage = encodeLegacyLines(lines)) {
    added = *inCodePage;
  } else if (legacy == LegacyFile::Keep) {
    result.needsUtf8 = true;
    return result;
  } else {
    old = QStringEncoder(QStringEncoder::Utf8).encode(decodeText(old));
    added = encodeTextLines(lines);
  }
  if (!old.isEmpty() && !old.endsWith('\n') && !old.endsWith('\r')) old += "\r\n";
  result.ok = replaceFile(path, old + added, &openError, &writeError, &commitError);
  if (!openError.isEmpty()) result.error = cannotOpen;
  else if (!writeError.isEmpty()) result.error = QStringLiteral("Chyba pri zapisu (plny disk ?)");
  else if (!commitError.isEmpty()) result.error = QStringLiteral("Chyba pri uzavirani souboru");
  return result;
}

}  // namespace kvadus
