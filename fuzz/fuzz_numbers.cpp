// The number texts: the lenient and strict readers and every writer.
//
// Input: one byte of choices, then (when its top bit is set) eight bytes of a
// double, then the text to read.
//   bit 0      locale: English ('.') or Czech (',')
//   bits 1-3   decimals for fixedText, -1..6
//   bits 4-5   how the text's bytes are decoded (UTF-8, Latin-1, UTF-16)
//   bit 7      a raw double follows
#include "common/textforms.h"
#include "fuzzsupport.h"

#include <QHash>

#include <cfloat>
#include <charconv>
#include <cmath>

using namespace kvadus;
using namespace kvadus::fuzz;

namespace {

// Compiled once per pattern.
const QRegularExpression& pattern(const QString& source) {
  static QHash<QString, QRegularExpression> cache;
  auto it = cache.find(source);
  if (it == cache.end()) it = cache.insert(source, QRegularExpression(source));
  return *it;
}

// The value as written with 15 significant digits is still a double: true for
// every finite value except those within a rounding of DBL_MAX, whose 15-digit
// form (1.79769313486232e308) lies beyond the largest double.
bool fifteenDigitsFit(double x) {
  char buf[64];
  const auto w = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
  double back = 0;
  return std::from_chars(buf, w.ptr, back).ec == std::errc();
}

// Significant digits of a plain decimal text (first to last non-zero digit).
int significantDigits(const QString& text) {
  int first = -1, last = -1, i = 0;
  for (QChar c : text) {
    if (c >= u'1' && c <= u'9') {
      if (first < 0) first = i;
      last = i;
    }
    if (c.isDigit()) ++i;
  }
  return first < 0 ? 0 : last - first + 1;
}

// A money text: blanks to `width`, then the core "[sign]digits.dd".
void checkMoney(const QString& text, double x, int width, bool forceSign, const char* what) {
  const auto where = [&] {
    return QString(QStringLiteral("%1(%2) = %3").arg(QLatin1String(what), show(x), show(text)));
  };
  FUZZ_CHECK(plainNumberText(text), where());
  FUZZ_CHECK(text.size() >= width, where());
  const QString core = text.trimmed();
  FUZZ_CHECK(text.size() == width || core.size() == text.size(), where());  // padded only to the width
  FUZZ_CHECK(text.endsWith(core), where());                                 // blanks on the left only
  static const QRegularExpression signedForm(QStringLiteral("^[+-][0-9]+\\.[0-9][0-9]$"));
  static const QRegularExpression unsignedForm(QStringLiteral("^-?[0-9]+\\.[0-9][0-9]$"));
  FUZZ_CHECK((forceSign ? signedForm : unsignedForm).match(core).hasMatch(), where());
  FUZZ_CHECK(core != QLatin1String("-0.00"), where());
  if (!std::isfinite(x)) {
    FUZZ_CHECK(core == (forceSign ? QLatin1String("+0.00") : QLatin1String("0.00")), where());
    return;
  }
  if (!fifteenDigitsFit(x)) return;
  const double back = lenientNumber(core);
  const double tolerance = 0.005 + 1e-13 * std::max(1.0, std::fabs(x));
  FUZZ_CHECK(std::fabs(back - x) <= tolerance, where() + QStringLiteral(" reads back as ") + show(back));
}

void checkWriters(double x, int decimals) {
  const QChar mark = systemDecimalSeparator();

  // generalNumberText: plain, at most 15 significant digits, and it reads back
  // (leniently, and strictly once normalised) to a value written the same.
  const QString g = generalNumberText(x);
  const auto gWhere = [&] { return QString(QStringLiteral("generalNumberText(%1) = %2").arg(show(x), show(g))); };
  FUZZ_CHECK(pattern(QStringLiteral("^-?[0-9]+(\\%1[0-9]+)?$").arg(mark)).match(g).hasMatch(), gWhere());
  FUZZ_CHECK(significantDigits(g) <= 15, gWhere());
  if (!std::isfinite(x)) {
    FUZZ_CHECK(g == QLatin1String("0"), gWhere());
  } else if (fifteenDigitsFit(x)) {
    const double lenient = lenientNumber(g);
    FUZZ_CHECK(generalNumberText(lenient) == g, gWhere() + QStringLiteral(" reads back as ") + show(lenient));
    double strict = 0;
    FUZZ_CHECK(strictNumber(normalizeDecimalMark(g), &strict), gWhere() + QStringLiteral(" is refused strictly"));
    FUZZ_CHECK(strict == lenient, gWhere() + QStringLiteral(" strict ") + show(strict));
  }

  // Money texts and their widths.
  const QString s = signedMoneyText(x);
  checkMoney(s, x, 11, true, "signedMoneyText");
  checkMoney(moneyText(x), x, 11, false, "moneyText");
  checkMoney(resultsMoneyText(x), x, 10, true, "resultsMoneyText");
  // What the score table shows, read back and written again, stays the same.
  if (fifteenDigitsFit(x)) {
    const QString again = signedMoneyText(lenientNumber(normalizeDecimalMark(s)));
    FUZZ_CHECK(again == s,
               QStringLiteral("signedMoneyText(%1) = %2, written again %3").arg(show(x), show(s), show(again)));
  }

  // Every form rounds alike: the price and fixed texts hold the same digits.
  const QString core = s.trimmed();
  QString expectedPrice = QStringLiteral(" ") + (core == QLatin1String("+0.00") ? core.mid(1) : core);
  expectedPrice.replace(u'.', mark);
  const QString p = priceText(x);
  FUZZ_CHECK(p == expectedPrice,
             QStringLiteral("priceText(%1) = %2, signedMoneyText %3").arg(show(x), show(p), show(s)));
  QString expectedFixed = moneyText(x).trimmed();
  expectedFixed.replace(u'.', mark);
  FUZZ_CHECK(
      fixedText(x, 2) == expectedFixed,
      QStringLiteral("fixedText(%1, 2) = %2, moneyText %3").arg(show(x), show(fixedText(x, 2)), show(expectedFixed)));

  // fixedText with other decimals.
  const QString f = fixedText(x, decimals);
  const auto fWhere = [&] {
    return QString(QStringLiteral("fixedText(%1, %2) = %3").arg(show(x)).arg(decimals).arg(show(f)));
  };
  const int d = std::max(decimals, 0);
  FUZZ_CHECK(pattern(d == 0 ? QStringLiteral("^-?[0-9]+$") : QStringLiteral("^-?[0-9]+\\%1[0-9]{%2}$").arg(mark).arg(d))
                 .match(f)
                 .hasMatch(),
             fWhere());
  FUZZ_CHECK(!f.startsWith(u'-') || significantDigits(f) > 0, fWhere() + QStringLiteral(" (minus zero)"));
  if (std::isfinite(x) && fifteenDigitsFit(x)) {
    const double back = lenientNumber(f);
    const double tolerance = 0.5 * std::pow(10.0, -d) + 1e-13 * std::max(1.0, std::fabs(x));
    FUZZ_CHECK(std::fabs(back - x) <= tolerance, fWhere() + QStringLiteral(" reads back as ") + show(back));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  useLocale(choices & 1);
  const int decimals = int((choices >> 1) & 7) - 1;
  const Coding coding = codingOf((choices >> 4) & 3);
  const bool hasRaw = choices & 0x80;
  const double raw = hasRaw ? in.rawDouble() : 0.0;
  const QString text = decode(in.rest(), coding);
  const QChar mark = systemDecimalSeparator();

  // The lenient reader reads every text as some finite number.
  const double lenient = lenientNumber(text);
  FUZZ_CHECK(std::isfinite(lenient), QStringLiteral("lenientNumber(%1) = %2").arg(show(text), show(lenient)));

  // Normalising: trimmed, idempotent, at most the first mark changed.
  const QString normal = normalizeDecimalMark(text);
  const QString trimmed = text.trimmed();
  const auto nWhere = [&] {
    return QString(QStringLiteral("normalizeDecimalMark(%1) = %2").arg(show(text), show(normal)));
  };
  FUZZ_CHECK(normal.size() == trimmed.size(), nWhere());
  FUZZ_CHECK(normalizeDecimalMark(normal) == normal, nWhere());
  int changed = 0;
  for (qsizetype i = 0; i < normal.size(); ++i) {
    if (normal[i] == trimmed[i]) continue;
    ++changed;
    FUZZ_CHECK((trimmed[i] == u'.' || trimmed[i] == u',') && normal[i] == mark, nWhere());
  }
  FUZZ_CHECK(changed <= 1, nWhere());
  // Normalising never changes what the lenient reader sees.
  FUZZ_CHECK(lenientNumber(normal) == lenient, nWhere() + QStringLiteral(" reads ") + show(lenientNumber(normal)));

  // The strict reader: a plain decimal number only, read as the lenient reader
  // reads it (so a text the check accepts means what the program later reads).
  for (const QString& candidate : {text, normal}) {
    double strict = 0;
    if (!strictNumber(candidate, &strict)) continue;
    const auto where = [&] {
      return QString(QStringLiteral("strictNumber(%1) = %2").arg(show(candidate), show(strict)));
    };
    FUZZ_CHECK(std::isfinite(strict), where());
    FUZZ_CHECK(plainNumberText(candidate), where());
    FUZZ_CHECK(strict == lenientNumber(candidate),
               where() + QStringLiteral(", leniently ") + show(lenientNumber(candidate)));
    checkWriters(strict, decimals);
  }

  checkWriters(lenient, decimals);
  if (hasRaw) checkWriters(raw, decimals);
  return 0;
}
