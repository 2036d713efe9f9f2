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

Reconciled reconcilePairs(const QString& baseText, const QVector<PairTexts>& pairs, int k,
                          Direction direction) {
  Reconciled out;
  // The base counts as it is shown ("0.0149" is 0.01): prices and
  // multipliers computed from a base other than the one on screen would not
  // agree with it, and would drift further with every reconciliation.
  out.base = fixedText(lenientNumber(baseText), 2);
  const double base = lenientNumber(out.base);
  out.pairs = pairs;
  const int last = std::min<int>(k, static_cast<int>(pairs.size()));
  for (int i = 0; i < last; ++i) {
    double multiplier = lenientNumber(pairs[i].multiplier);
    double price = lenientNumber(pairs[i].price);
    // A result beyond what a field takes keeps the field's old value.
    auto fits = [](double v) { return std::isfinite(v) && std::fabs(v) <= kMaxSettingValue; };
    if (direction == Direction::FromMultipliers) {
      const double p = base * multiplier;
      if (fits(p)) price = p;
    } else if (base != 0.0) {
      const double m = price / base;
      if (fits(m)) multiplier = m;
    }
    out.pairs[i] = {fixedText(multiplier, 1), fixedText(price, 2)};
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
