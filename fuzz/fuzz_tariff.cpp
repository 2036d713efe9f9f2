// The tariff fields as the settings panel handles them, and the pricing of a
// hand under the tariff they make.
//
// Every step types a text into one field and leaves it: the text is checked
// (checkNumber), a rejected text gives way to the number the field held, an
// accepted one is kept and reconciles its price pairs (reconcilePairs), the
// flek limit follows the flek factor (flekLimit); then the hand is priced with
// every field read leniently, as the window does.
//
// Input: a choices byte (bit 0 locale, bits 1-2 text coding), eight bytes of
// the hand and counting rules, two bytes for each flek count, then steps: a
// byte naming the field (23: format all numbers, and a settings text applied
// with that text in some of the pairs) and the text up to '\n'.
#include "common/textforms.h"
#include "fuzzsupport.h"
#include "ledger/pricing.h"
#include "settings/tariff.h"

#include <algorithm>
#include <cmath>

using namespace kvadus;
using namespace kvadus::fuzz;

namespace {

// The fields: 0 the base price, 1..9 the prices of pairs 1..9, 10..18 their
// multipliers, then the red factor, the flek factor, the multiplying factor
// over a hundred and the price field of the hand.
constexpr int kBase = 0;
constexpr int kFirstPrice = 1;
constexpr int kFirstMultiplier = 10;
constexpr int kRedFactor = 19;
constexpr int kFlekFactor = 20;
constexpr int kOverHundredMultiply = 21;
constexpr int kHandPrice = 22;
constexpr int kFieldCount = 23;
constexpr int kFormatAll = 23;  // the step that formats every field (loading settings)
constexpr int kMaxSteps = 64;

struct Fields {
  QString text[kFieldCount];
};

double read(const Fields& f, int i) { return lenientNumber(f.text[i]); }

pricing::Tariff tariffOf(const Fields& f, const pricing::Tariff& rules) {
  pricing::Tariff t = rules;
  t.game = read(f, kBase);
  t.hundred = read(f, kFirstPrice + 0);
  t.silentSeven = read(f, kFirstPrice + 1);
  t.seven = read(f, kFirstPrice + 2);
  t.betl = read(f, kFirstPrice + 3);
  t.durch = read(f, kFirstPrice + 4);
  t.overHundredAdd = read(f, kFirstPrice + 5);
  t.separateHundred = read(f, kFirstPrice + 6);
  t.twoSevens = read(f, kFirstPrice + 7);
  t.twoSevensRed = read(f, kFirstPrice + 8);
  t.redFactor = read(f, kRedFactor);
  t.flekFactor = read(f, kFlekFactor);
  t.overHundredMultiply = read(f, kOverHundredMultiply);
  return t;
}

QString describe(const Fields& f) {
  QStringList parts;
  for (int i = 0; i < kFieldCount; ++i) parts << QStringLiteral("%1=%2").arg(i).arg(show(f.text[i]));
  return parts.join(u' ');
}

void reconcile(Fields& f, int k, tariff::Direction direction) {
  QVector<tariff::PairTexts> pairs;
  for (int i = 0; i < tariff::kPairCount; ++i) pairs.append({f.text[kFirstMultiplier + i], f.text[kFirstPrice + i]});
  const tariff::Reconciled r = tariff::reconcilePairs(f.text[kBase], pairs, k, direction);
  const auto where = [&] {
    return QString(QStringLiteral("reconcilePairs(%1, k=%2, dir=%3) from %4")
                       .arg(show(f.text[kBase]))
                       .arg(k)
                       .arg(int(direction))
                       .arg(describe(f)));
  };
  FUZZ_CHECK(r.pairs.size() == pairs.size(), where());
  FUZZ_CHECK(plainNumberText(r.base), where() + QStringLiteral(" base ") + show(r.base));
  f.text[kBase] = r.base;
  for (int i = 0; i < tariff::kPairCount && i < k; ++i) {
    FUZZ_CHECK(
        plainNumberText(r.pairs[i].multiplier) && plainNumberText(r.pairs[i].price),
        where() +
            QStringLiteral(" pair %1: %2 %3").arg(i + 1).arg(show(r.pairs[i].multiplier), show(r.pairs[i].price)));
    f.text[kFirstMultiplier + i] = r.pairs[i].multiplier;
    f.text[kFirstPrice + i] = r.pairs[i].price;
  }
  for (int i = std::max(k, 0); i < tariff::kPairCount; ++i)
    FUZZ_CHECK(r.pairs[i].multiplier == pairs[i].multiplier && r.pairs[i].price == pairs[i].price,
               where() + QStringLiteral(" changed pair %1 beyond k").arg(i + 1));
}

// A settings text applied: the pairs it gives (here the text in some of
// them) are put back over the fields; what is written reads back, within
// what a field takes, and a given price is kept to the cent.
void settle(Fields& f, const QString& text, int seed) {
  QVector<tariff::PairTexts> before;
  QVector<tariff::GivenPair> given(tariff::kPairCount);
  for (int i = 0; i < tariff::kPairCount; ++i) {
    before.append({f.text[kFirstMultiplier + i], f.text[kFirstPrice + i]});
    if ((seed + i) % 3 == 0) given[i].price = text;
    if ((seed + i) % 2 == 0) given[i].multiplier = text;
  }
  const tariff::Reconciled r = tariff::settlePairs(f.text[kBase], before, text, given);
  const auto where = [&] { return QStringLiteral("settlePairs(%1) from %2").arg(show(text), describe(f)); };
  FUZZ_CHECK(r.pairs.size() == tariff::kPairCount && plainNumberText(r.base), where());
  for (int i = 0; i < tariff::kPairCount; ++i) {
    FUZZ_CHECK(plainNumberText(r.pairs[i].multiplier) && plainNumberText(r.pairs[i].price), where());
    if (!given[i].price.isEmpty())
      FUZZ_CHECK(r.pairs[i].price == fixedText(lenientNumber(text), 2),
                 where() + QStringLiteral(" pair %1").arg(i + 1));
  }
}

// What the number check promises for any text.
void checkTheCheck(const QString& text, bool allowNegative, double limit) {
  const tariff::CheckedNumber c = tariff::checkNumber(text, allowNegative, limit);
  const auto where = [&] {
    return QString(QStringLiteral("checkNumber(%1, %2, %3) = %4 valid %5 value %6")
                       .arg(show(text))
                       .arg(allowNegative)
                       .arg(show(limit))
                       .arg(show(c.text))
                       .arg(c.valid)
                       .arg(show(c.value)));
  };
  FUZZ_CHECK(c.text == normalizeDecimalMark(text), where());
  FUZZ_CHECK(!(c.valid && c.tooLarge), where());
  if (!c.valid) return;
  FUZZ_CHECK(std::isfinite(c.value) && std::fabs(c.value) <= limit, where());
  FUZZ_CHECK(allowNegative || !(c.value < 0), where());
  FUZZ_CHECK(plainNumberText(c.text), where());
  // The program reads the field leniently from now on: it must read what was checked.
  FUZZ_CHECK(lenientNumber(c.text) == c.value, where() + QStringLiteral(" read as ") + show(lenientNumber(c.text)));
  const tariff::CheckedNumber again = tariff::checkNumber(c.text, allowNegative, limit);
  FUZZ_CHECK(again.valid && again.text == c.text && again.value == c.value, where());
}

void checkFlekLimit(const QString& factorText, int previous) {
  const int limit = tariff::flekLimit(factorText, previous);
  const double factor = lenientNumber(normalizeDecimalMark(factorText));
  const auto where = [&] {
    return QString(QStringLiteral("flekLimit(%1, %2) = %3").arg(show(factorText)).arg(previous).arg(limit));
  };
  if (limit == previous) return;
  FUZZ_CHECK(limit >= 0 && factor > 0, where());
  // factor^floor(40 / factor) is largest at factor e: e^(40/e), about 2.4e6.
  const double top = pricing::flekMultiplier(factor, limit);
  FUZZ_CHECK(std::isfinite(top) && top <= 2.5e6, where() + QStringLiteral(" multiplier ") + show(top));
}

struct Seating {
  int players = 3;
  bool sittingOutAllowed = false;
  int sittingOutItem = 0;
  int crossItem = 0;
  int partner = 0;
};

void price(const Fields& f, const pricing::Tariff& rules, pricing::Hand hand, int gameCount, int sevenCount,
           int flekMaximum, const Seating& s) {
  const pricing::Tariff t = tariffOf(f, rules);
  // The flek counters stay within their range; the multipliers are written
  // into their fields and read back, as on the window.
  hand.gameFleks = flekMaximum > 0 ? gameCount % (flekMaximum + 1) : 0;
  hand.sevenFleks = flekMaximum > 0 ? sevenCount % (flekMaximum + 1) : 0;
  hand.gameMultiplier = lenientNumber(generalNumberText(pricing::flekMultiplier(t.flekFactor, hand.gameFleks)));
  hand.sevenMultiplier = lenientNumber(generalNumberText(pricing::flekMultiplier(t.flekFactor, hand.sevenFleks)));
  hand.directAmount = read(f, kHandPrice);

  const double amount = pricing::handAmount(hand, t);
  const auto where = [&] {
    return QString(QStringLiteral("handAmount = %1; hand type %2 U %3 P %4 fleks %5/%6 (x%7/x%8) flags %9; fields %10")
                       .arg(show(amount))
                       .arg(hand.type)
                       .arg(hand.declarerTens)
                       .arg(hand.defenderTens)
                       .arg(hand.gameFleks)
                       .arg(hand.sevenFleks)
                       .arg(show(hand.gameMultiplier), show(hand.sevenMultiplier))
                       .arg(QStringLiteral("%1%2%3%4%5%6")
                                .arg(hand.seven)
                                .arg(hand.sevenAgainst)
                                .arg(hand.hundred)
                                .arg(hand.hundredAgainst)
                                .arg(hand.red)
                                .arg(hand.won))
                       .arg(describe(f)));
  };
  FUZZ_CHECK(std::isfinite(amount), where());
  const QString text = priceText(amount);
  FUZZ_CHECK(plainNumberText(text), where() + QStringLiteral(" price ") + show(text));
  pricing::describeHand(hand);
  pricing::pointsWarning(hand, t);

  const pricing::Shares shares = pricing::playerShares(lenientNumber(text), s.players, s.sittingOutAllowed,
                                                       s.sittingOutItem, s.crossItem, s.partner);
  FUZZ_CHECK(std::isfinite(shares.declarer) && std::isfinite(shares.defender) && std::isfinite(shares.sittingOut),
             where() + QStringLiteral(" shares %1 %2 %3")
                           .arg(show(shares.declarer), show(shares.defender), show(shares.sittingOut)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  useLocale(choices & 1);
  const Coding coding = codingOf((choices >> 1) & 3);

  pricing::Hand hand;
  hand.type = in.intIn(0, 3);
  const uint8_t h = in.byte();
  hand.seven = h & 1;
  hand.sevenAgainst = h & 2;
  hand.hundred = h & 4;
  hand.hundredAgainst = h & 8;
  hand.red = h & 16;
  hand.won = h & 32;
  hand.sevenWonByDeclarer = h & 64;
  hand.sevenWonByDefenders = h & 128;
  hand.declarerTens = in.intIn(0, 19);
  hand.defenderTens = in.intIn(0, 19);
  hand.declarer = 0;
  hand.declarerName = QStringLiteral("A");

  pricing::Tariff rules = pricing::Tariff::defaults();
  rules.overHundredMethod = in.intIn(0, 2);
  const uint8_t r = in.byte();
  rules.hundredWay = r & 1;
  rules.lostHundredCounting = (r >> 1) & 1;
  rules.twoSevensHundredCounting = (r >> 2) & 1;
  rules.twoSevensWithHundred = r & 8;
  rules.twoSevensSilentHundred = r & 16;
  rules.checkMinMax = r & 32;
  rules.checkParity = r & 64;
  hand.directAmountMode = r & 128;

  Seating seating;
  seating.players = in.intIn(2, 10);
  const uint8_t s = in.byte();
  seating.sittingOutAllowed = s & 1;
  seating.sittingOutItem = (s >> 1) & 3;
  seating.crossItem = ((s >> 3) & 3) % 3;
  seating.partner = (s >> 5) & 3;
  const int gameCount = (in.byte() << 8) | in.byte();
  const int sevenCount = (in.byte() << 8) | in.byte();

  // A fresh start: the default tariff, formatted.
  const pricing::Tariff d = pricing::Tariff::defaults();
  Fields f;
  const double defaults[kFieldCount] = {d.game,
                                        d.hundred,
                                        d.silentSeven,
                                        d.seven,
                                        d.betl,
                                        d.durch,
                                        d.overHundredAdd,
                                        d.separateHundred,
                                        d.twoSevens,
                                        d.twoSevensRed,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        0,
                                        d.redFactor,
                                        d.flekFactor,
                                        d.overHundredMultiply,
                                        0};
  for (int i = 0; i < kFieldCount; ++i) f.text[i] = generalNumberText(defaults[i]);
  reconcile(f, tariff::kPairCount, tariff::Direction::FromPrices);
  int flekMaximum = 20;
  flekMaximum = tariff::flekLimit(f.text[kFlekFactor], flekMaximum);
  price(f, rules, hand, gameCount, sevenCount, flekMaximum, seating);

  for (int step = 0; step < kMaxSteps && !in.empty(); ++step) {
    const int field = in.byte() % (kFieldCount + 1);
    const QString text = decode(in.line(), coding);

    const bool isPrice = field == kHandPrice;
    const double limit = isPrice ? pricing::kMaxHandAmount : tariff::kMaxSettingValue;
    checkTheCheck(text, isPrice, limit);
    checkTheCheck(text, !isPrice, tariff::kMaxSettingValue);
    checkFlekLimit(text, flekMaximum);
    const tariff::PairPosition pos = tariff::pairOf(text);
    if (pos.pair != 0) {
      FUZZ_CHECK(pos.pair >= 1 && pos.pair <= tariff::kPairCount, show(text));
      const tariff::PairNames& names = tariff::pricePairs()[pos.pair - 1];
      FUZZ_CHECK(text == QLatin1String(pos.multiplier ? names.multiplier : names.price), show(text));
    }
    // Reconciling never writes what no reader takes back, whatever the texts.
    {
      Fields raw = f;
      raw.text[field % 2 ? kBase : kFirstMultiplier + field % tariff::kPairCount] = text;
      raw.text[kFirstPrice + (field / 2) % tariff::kPairCount] = text;
      reconcile(raw, field % 12 - 1, field % 3 ? tariff::Direction::FromPrices : tariff::Direction::FromMultipliers);
    }

    if (field == kFormatAll) {
      reconcile(f, tariff::kPairCount, tariff::Direction::FromPrices);
      settle(f, text, step);
    } else {
      const double remembered = lenientNumber(f.text[field]);
      const tariff::CheckedNumber c = tariff::checkNumber(text, isPrice, limit);
      if (!c.valid) {
        f.text[field] = generalNumberText(remembered);  // "Storno": the field's old number
      } else {
        f.text[field] = c.text;
        if (field == kBase) reconcile(f, tariff::kPairCount, tariff::Direction::FromMultipliers);
        else if (field >= kFirstMultiplier && field < kFirstMultiplier + tariff::kPairCount)
          reconcile(f, field - kFirstMultiplier + 1, tariff::Direction::FromMultipliers);
        else if (field >= kFirstPrice && field < kFirstPrice + tariff::kPairCount)
          reconcile(f, field - kFirstPrice + 1, tariff::Direction::FromPrices);
      }
    }
    flekMaximum = tariff::flekLimit(f.text[kFlekFactor], flekMaximum);
    // Checked entries keep every field of the tariff far below 1e13, also the
    // prices and multipliers that reconciling writes.
    for (int i = 0; i < kHandPrice; ++i)
      FUZZ_CHECK(std::fabs(read(f, i)) < 1e13,
                 QStringLiteral("field %1 after step %2: %3").arg(i).arg(step).arg(describe(f)));
    price(f, rules, hand, gameCount, sevenCount, flekMaximum, seating);
  }
  return 0;
}
