#include "settings/tariff.h"

#include "common/textforms.h"

#include <climits>
#include <cmath>

namespace kvadus::tariff {

const QVector<PairNames>& pricePairs() {
  static const QVector<PairNames> pairs = {
      {"EDITNasobekHryStovka", "EDITCenaZaStovku"},
      {"EDITNasobekHrySedmaNeHlasena", "EDITCenaZaSedmuNehlasenou"},
      {"EDITNasobekHrySedmaHlasena", "EDITCenaZaSedmu"},
      {"EDITNasobekHryBetl", "EDITCenaZaBetla"},
      {"EDITNasobekHryDruch", "EDITCenaZaDurcha"},
      {"EDITFaktorNadStoNasobekHry", "EDITFaktorNadStoPricitat"},
      {"EDITCenaZaStovkuNasobekHry", "EDITCenaZaStovkuPripocitat"},
      {"EDITCenaZaDveSedmyNasobek", "EDITCenaZaDveSedmy"},
      {"EDITCenaZaDveSedmyCerveneNasobek", "EDITCenaZaDveSedmyCervene"},
  };
  return pairs;
}

PairPosition pairOf(const QString& fieldName) {
  const auto& pairs = pricePairs();
  for (int i = 0; i < pairs.size(); ++i) {
    if (fieldName == QLatin1String(pairs[i].multiplier)) return {i + 1, true};
    if (fieldName == QLatin1String(pairs[i].price)) return {i + 1, false};
  }
  return {};
}

namespace {

// The base counts as it is shown ("0.0149" is 0.01): prices and multipliers
// computed from a base other than the one on screen would not agree with it,
// and would drift further with every reconciliation.
QString shownBase(const QString& baseText) { return fixedText(lenientNumber(baseText), 2); }

// A result beyond what a field takes keeps the field's old value.
bool fits(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxSettingValue; }

double priceOf(double base, double multiplier, double oldPrice) {
  const double p = base * multiplier;
  return fits(p) ? p : oldPrice;
}

// Nothing divides by a base of 0: the multiplier stays.
double multiplierOf(double base, double price, double oldMultiplier) {
  if (base == 0.0) return oldMultiplier;
  const double m = price / base;
  return fits(m) ? m : oldMultiplier;
}

PairTexts shown(double multiplier, double price) { return {fixedText(multiplier, 1), fixedText(price, 2)}; }

}  // namespace

Reconciled reconcilePairs(const QString& baseText, const QVector<PairTexts>& pairs, int k, Direction direction) {
  Reconciled out;
  out.base = shownBase(baseText);
  const double base = lenientNumber(out.base);
  out.pairs = pairs;
  const int last = std::min<int>(k, static_cast<int>(pairs.size()));
  for (int i = 0; i < last; ++i) {
    double multiplier = lenientNumber(pairs[i].multiplier);
    double price = lenientNumber(pairs[i].price);
    if (direction == Direction::FromMultipliers) price = priceOf(base, multiplier, price);
    else multiplier = multiplierOf(base, price, multiplier);
    out.pairs[i] = shown(multiplier, price);
  }
  return out;
}

bool pairAgrees(double base, double multiplier, double price) {
  // The texts round to 0.005 and 0.05; a little more lets the binary
  // representation of both through.
  return std::fabs(price - base * multiplier) <= 0.005 + 0.05 * std::fabs(base) + 1e-9;
}

Reconciled settlePairs(const QString& baseBefore, const QVector<PairTexts>& before, const QString& baseAfter,
                       const QVector<GivenPair>& given) {
  Reconciled out;
  out.base = shownBase(baseAfter);
  const double base = lenientNumber(out.base);
  const bool baseChanged = base != lenientNumber(shownBase(baseBefore));
  out.pairs = before;
  for (int i = 0; i < before.size(); ++i) {
    const GivenPair g = i < given.size() ? given[i] : GivenPair{};
    double multiplier = lenientNumber(before[i].multiplier);
    double price = lenientNumber(before[i].price);
    const bool hasMultiplier = !g.multiplier.isEmpty(), hasPrice = !g.price.isEmpty();
    if (hasMultiplier) multiplier = lenientNumber(g.multiplier);
    if (hasPrice) price = lenientNumber(g.price);
    if (hasPrice) {
      if (!hasMultiplier || !pairAgrees(base, multiplier, price)) multiplier = multiplierOf(base, price, multiplier);
    } else if (hasMultiplier || baseChanged) {
      price = priceOf(base, multiplier, price);
    }
    out.pairs[i] = shown(multiplier, price);
  }
  return out;
}

int flekLimit(const QString& factorText, int previousMaximum) {
  const double factor = lenientNumber(normalizeDecimalMark(factorText));
  if (!(factor > 0.0)) return previousMaximum;
  const double limit = std::floor(40.0 / factor);
  if (!std::isfinite(limit) || limit > INT_MAX) return previousMaximum;
  return static_cast<int>(limit);
}

CheckedNumber checkNumber(const QString& text, bool allowNegative, double limit) {
  CheckedNumber out;
  out.text = normalizeDecimalMark(text);
  double v = 0.0;
  if (strictNumber(out.text, &v) && std::isfinite(v) && (allowNegative || v >= 0.0)) {
    out.value = v;
    out.tooLarge = std::fabs(v) > limit;
    out.valid = !out.tooLarge;
  }
  return out;
}

QString rejectedNumberMessage() {
  return QStringLiteral(
      "Zadejte kladne desetinne cislo.\n\nOK - znovu zadat\nStorno (Cancel) - vratit predchozi "
      "hodnotu");
}

QString tooLargeNumberMessage(double limit) {
  return QStringLiteral("Zadejte cislo nejvyse ") + generalNumberText(limit) +
         QStringLiteral(".\n\nOK - znovu zadat\nStorno (Cancel) - vratit predchozi hodnotu");
}

}  // namespace kvadus::tariff
