#pragma once
// Text files of the program (results and settings): read whole, written
// whole. Reading never trusts the file: it refuses what is not a regular
// file or is too large to be one of ours, and accepts UTF-8 or, where the
// bytes are not valid UTF-8, the Central European code page of older tools.
// Writing replaces the file atomically: the old file stays byte for byte
// until the new one is complete on disk.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvadus {

// Bytes as lines: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1250. CR LF, CR and LF all end a line; a final line end does not
// start another line.
QStringList decodeTextLines(const QByteArray& bytes);
bool isValidUtf8(const QByteArray& bytes);

// Lines as file content: UTF-8, every line followed by CR LF.
QByteArray encodeTextLines(const QStringList& lines);
// The same in Windows-1250, or nothing when a letter has no form there.
std::optional<QByteArray> encodeLegacyLines(const QStringList& lines);

// The largest file the program reads: far beyond any evening or tariff.
constexpr qint64 kMaxTextFileBytes = 64LL * 1024 * 1024;

struct TextFileRead {
  enum Status { Ok, Missing, Failed };
  Status status = Failed;
  QStringList lines;
  QString error;  // the reason, for the user, when Failed
};
TextFileRead readTextFile(const QString& path, qint64 maxBytes = kMaxTextFileBytes);

enum class SaveMode { Overwrite, Append };
// Appending to a file in the old code page new lines that have letters it
// lacks: ask first (Keep), or turn the whole file into UTF-8.
enum class LegacyFile { Keep, ConvertToUtf8 };
struct TextFileWrite {
  bool ok = false;
  bool needsUtf8 = false;  // Append, Keep: nothing written, the file would have to become UTF-8
  QString error;           // the reason, for the user, when not ok
};
// Overwrite: the lines become the file. Append: every byte of the file stays
// as it was and the lines follow it (after a line end when its last line had
// none), in the file's own encoding: UTF-8, or Windows-1250 for a file that
// is not valid UTF-8 (so reads as that code page); a missing file is
// created. Either way the file is replaced in one step, synced to the disk
// first, so a failure (disk full, file size limit, no rights, a failing
// disk) leaves it as it was. A missing folder on the way is created.
//
// Append failures carry the messages "Soubor nelze otevrit pro pridani",
// "Chyba pri zapisu (plny disk ?)" and "Chyba pri uzavirani souboru";
// overwrite failures the system's own reason ("File too large").
TextFileWrite writeTextFile(const QString& path, const QStringList& lines, SaveMode mode,
                            LegacyFile legacy = LegacyFile::Keep);

// Any other file the program writes (a PDF, a table for spreadsheets): the
// bytes become the file, replaced in one step as above; a failure carries
// the system's own text.
TextFileWrite writeFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace kvadus
