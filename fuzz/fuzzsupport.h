#pragma once
// What the fuzz targets share: reading choices and texts from the fuzzer's
// bytes, choosing the locale, and ending the run when a property fails.

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kvadus::fuzz {

// Prints what failed and aborts, so that libFuzzer keeps the input as a crash
// and the replay test fails.
[[noreturn]] inline void fail(const char* property, const QString& detail) {
  std::fprintf(stderr, "\n*** property failed: %s\n*** %s\n", property, detail.toUtf8().constData());
  std::fflush(stderr);
  std::abort();
}

#define FUZZ_CHECK(condition, detail)                             \
  do {                                                            \
    if (!(condition)) ::kvadus::fuzz::fail(#condition, (detail)); \
  } while (0)

// A finding already reported can be passed over in a long fuzzing run, so
// that the run goes on to new ones: FUZZ_KNOWN names them, separated by
// commas. The replay tests never set it.
inline bool known(const char* finding) {
  static const QByteArray list = "," + qgetenv("FUZZ_KNOWN") + ",";
  return list.contains("," + QByteArray(finding) + ",");
}

// The bytes of one input, taken from the front. Past the end every read
// gives zero or an empty text, so any input is a complete one.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }
  size_t left() const { return size_ - pos_; }

  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool flag() { return byte() & 1; }

  // lo..hi inclusive, from one or four bytes depending on the span.
  int intIn(int lo, int hi) {
    if (hi <= lo) return lo;
    const uint64_t span = uint64_t(int64_t(hi) - int64_t(lo)) + 1;
    uint64_t raw = byte();
    if (span > 256)
      for (int i = 0; i < 3; ++i) raw = (raw << 8) | byte();
    return int(int64_t(lo) + int64_t(raw % span));
  }

  // Any bit pattern: also NaN, infinities, subnormals and -0.
  double rawDouble() {
    uint8_t bytes[8] = {};
    for (uint8_t& b : bytes) b = byte();
    double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  // The bytes up to the next '\n' (not included) or the end.
  QByteArray line() {
    const size_t start = pos_;
    while (pos_ < size_ && data_[pos_] != '\n') ++pos_;
    QByteArray out(reinterpret_cast<const char*>(data_ + start), qsizetype(pos_ - start));
    if (pos_ < size_) ++pos_;
    return out;
  }

  QByteArray rest() {
    QByteArray out(reinterpret_cast<const char*>(data_ + pos_), qsizetype(size_ - pos_));
    pos_ = size_;
    return out;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// How bytes become a text: UTF-8 (broken sequences become U+FFFD), Latin-1
// (every byte one character), or raw UTF-16 code units (lone surrogates too).
enum class Coding { Utf8 = 0, Latin1 = 1, Utf16 = 2 };

inline QString decode(const QByteArray& bytes, Coding coding) {
  switch (coding) {
    case Coding::Latin1:
      return QString::fromLatin1(bytes);
    case Coding::Utf16: {
      QString out;
      for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        out += QChar(char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8)));
      return out;
    }
    case Coding::Utf8:
    default:
      return QString::fromUtf8(bytes);
  }
}

inline Coding codingOf(int choice) { return Coding(((choice % 3) + 3) % 3); }

// The program runs under the system's locale; these are the ones that matter
// for its texts: '.' and ',' as the decimal mark, and one with its own case
// rules for names.
inline void useLocale(int choice) {
  static const QLocale english(QLocale::English, QLocale::UnitedStates);
  static const QLocale czech(QStringLiteral("cs_CZ"));
  static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
  switch (choice) {
    case 1:
      QLocale::setDefault(czech);
      break;
    case 2:
      QLocale::setDefault(turkish);
      break;
    default:
      QLocale::setDefault(english);
      break;
  }
}

// Only what a number text of the program may hold: digits, blanks, signs and
// the two decimal marks. So never "nan", "inf" or an exponent.
inline bool plainNumberText(const QString& text) {
  for (QChar c : text)
    if (!(c.unicode() >= '0' && c.unicode() <= '9') && c != u' ' && c != u'+' && c != u'-' && c != u'.' && c != u',')
      return false;
  return true;
}

inline QString show(const QString& text) {
  QString out = QStringLiteral("\"");
  for (QChar c : text) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\' && c != u'"') out += c;
    else out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
  }
  return out + u'"';
}

inline QString show(double value) { return QString::number(value, 'g', 17); }

}  // namespace kvadus::fuzz
