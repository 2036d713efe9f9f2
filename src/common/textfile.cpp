#include "common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace kvadus {

namespace {

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder legacy("windows-1250");
    return legacy.isValid() ? QString(legacy.decode(bytes)) : QString::fromLatin1(bytes);
}

// Writes the bytes as the whole new content of the file, or nothing at all.
// Every write is checked and the data flushed before the commit: a short
// write must not replace the old file with a truncated one.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* openError, QString* writeError,
                 QString* commitError)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *openError = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *writeError = file.errorString();
        file.cancelWriting();  // the temporary file goes, the old file stays
        return false;
    }
    if (!file.commit()) {
        *commitError = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);  // the decoding happens here, not in decode()
    return !utf8.hasError();
}

QStringList decodeTextLines(const QByteArray& bytes)
{
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

QByteArray encodeTextLines(const QStringList& lines)
{
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
TextFileRead::Status readBytes(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error)
{
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
        *error = QStringLiteral("Soubor je prilis velky (vice nez %1 MB).").arg(maxBytes / (1024 * 1024));
        return TextFileRead::Failed;
    }
    return TextFileRead::Ok;
}

}  // namespace

TextFileRead readTextFile(const QString& path, qint64 maxBytes)
{
    TextFileRead result;
    QByteArray bytes;
    result.status = readBytes(path, maxBytes, &bytes, &result.error);
    if (result.status == TextFileRead::Ok) result.lines = decodeTextLines(bytes);
    return result;
}

TextFileWrite writeTextFile(const QString& path, const QStringList& lines, SaveMode mode)
{
    TextFileWrite result;
    QString openError, writeError, commitError;
    if (mode == SaveMode::Overwrite) {
        result.ok = replaceFile(path, encodeTextLines(lines), &openError, &writeError, &commitError);
        result.error = openError + writeError + commitError;
        return result;
    }

    const QString cannotOpen = QStringLiteral("Soubor nelze otevrit pro pridani");
    QByteArray old;
    QString readError;
    const TextFileRead::Status before = readBytes(path, kMaxTextFileBytes, &old, &readError);
    if (before == TextFileRead::Failed) {
        result.error = cannotOpen;
        return result;
    }
    if (before == TextFileRead::Ok) {
        // One file, one encoding: a file of the old code page becomes UTF-8
        // before UTF-8 lines are added to it.
        if (!isValidUtf8(old)) old = encodeTextLines(decodeTextLines(old));
        else if (!old.isEmpty() && !old.endsWith('\n') && !old.endsWith('\r')) old += "\r\n";
    }
    result.ok = replaceFile(path, old + encodeTextLines(lines), &openError, &writeError, &commitError);
    if (!openError.isEmpty()) result.error = cannotOpen;
    else if (!writeError.isEmpty()) result.error = QStringLiteral("Chyba pri zapisu (plny disk ?)");
    else if (!commitError.isEmpty()) result.error = QStringLiteral("Chyba pri uzavirani souboru");
    return result;
}

TextFileWrite writeFileBytes(const QString& path, const QByteArray& bytes)
{
    TextFileWrite result;
    QString openError, writeError, commitError;
    result.ok = replaceFile(path, bytes, &openError, &writeError, &commitError);
    result.error = openError + writeError + commitError;
    return result;
}

}  // namespace kvadus
