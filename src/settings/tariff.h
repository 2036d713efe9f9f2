#pragma once
// The rules of the tariff fields: the nine price pairs kept in step through
// the base price, their formats, and the limit of the flek counters.

#include <QString>
#include <QStringList>
#include <QVector>

namespace kvadus::tariff {

// The field names of the nine pairs, in order (pair 1 first).
struct PairNames {
  const char* multiplier;
  const char* price;
};
const QVector<PairNames>& pricePairs();
constexpr int kPairCount = 9;

// Which pair a field belongs to: pair number 1..9 and whether it is the
// multiplier; 0 when the field is in no pair.
struct PairPosition {
  int pair = 0;
  bool multiplier = false;
};
PairPosition pairOf(const QString& fieldName);

struct PairTexts {
  QString multiplier;
  QString price;
};

enum class Direction { FromMultipliers, FromPrices };

struct Reconciled {
  QString base;              // the base price, rewritten as "0.00"
  QVector<PairTexts> pairs;  // all nine; pairs beyond the range unchanged
};

// Reconciles pairs 1..k: from multipliers, price = base x multiplier; from
// prices, multiplier = price / base, the base taken as it is written back
// ("0.00"). Multipliers are written "0.0", prices "0.00" (the system's
// decimal separator). A base of 0 keeps each pair's multiplier as it was
// (nothing can be divided by it), and a result that is not a finite number,
// or is beyond kMaxSettingValue, keeps the field's old value.
Reconciled reconcilePairs(const QString& baseText, const QVector<PairTexts>& pairs, int k, Direction direction);

// A price and a multiplier agree when the price could be the base times the
// multiplier within the rounding of both texts (half a cent, and half a tenth
// of the base). Every reconciliation leaves its pairs agreeing; the rounding
// alone can make base x multiplier differ from the price by a cent or more
// (base 0.30, 1.3 x, price 0.40), so neither can be computed back from the
// other.
bool pairAgrees(double base, double multiplier, double price);

// What a settings text gave for one pair: the value of the pair's last
// multiplier line and of its last price line, each empty when the text has
// none (an empty value is never applied).
struct GivenPair {
  QString multiplier;
  QString price;
};

// The nine pairs once a settings text has been applied. Applied line by
// line, every later line of pair k reconciles pairs 1..k again, so a price
// the text gave would be recomputed from a rounded multiplier. The text's
// own values are put back instead:
// - a price and a multiplier that agree both stay; when they disagree (a
//   text edited by hand), the price wins and the multiplier follows it;
// - a price alone: the multiplier follows it; a multiplier alone: the price
//   follows it;
// - a pair the text does not give stays as it was before the apply, its
//   price following its multiplier when the base changed (as typing the base
//   does);
// - with a base of 0 no multiplier follows a price: it stays as given, or as
//   it was.
// `baseBefore` and `before` are the fields before the apply, `baseAfter` the
// base once the text's lines have been applied. Results beyond what a field
// takes keep the field as given or as it was.
Reconciled settlePairs(const QString& baseBefore, const QVector<PairTexts>& before, const QString& baseAfter,
                       const QVector<GivenPair>& given);

// The flek counters' maximum: floor(40 / factor). A factor of 0 or below, or
// one so small that the limit would not fit a counter, keeps the previous
// maximum.
int flekLimit(const QString& factorText, int previousMaximum);

// The largest number a tariff field takes. It keeps every computation of a
// price finite, whatever the counting rules multiply; the hand amount has a
// limit of its own (pricing::kMaxHandAmount) that keeps the money exact.
constexpr double kMaxSettingValue = 1000000;

// The text of a decimal setting as the check leaves it: normalised; valid
// when it reads strictly as a number that is not negative (any number when
// negatives are allowed) and whose size is at most `limit`.
struct CheckedNumber {
  QString text;
  bool valid = false;
  bool tooLarge = false;  // a number, but beyond the limit
  double value = 0.0;
};
CheckedNumber checkNumber(const QString& text, bool allowNegative, double limit = kMaxSettingValue);

// The message of a rejected number, and of a number beyond the limit.
QString rejectedNumberMessage();
QString tooLargeNumberMessage(double limit);

}  // namespace kvadus::tariff
