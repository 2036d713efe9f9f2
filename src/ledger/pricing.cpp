#include "ledger/pricing.h"

#include "common/textforms.h"

#include <cmath>

namespace kvadus::pricing {

Tariff Tariff::defaults() {
  Tariff t;
  t.game = 0.1;
  t.hundred = 0.2;
  t.seven = 0.2;
  t.silentSeven = 0.1;
  t.betl = 0.5;
  t.durch = 1.0;
  t.redFactor = 2;
  t.flekFactor = 2;
  t.twoSevens = 3.0;
  t.twoSevensRed = 5.0;
  t.overHundredMethod = 2;
  t.overHundredAdd = 0.1;
  t.overHundredMultiply = 2;
  t.hundredWay = 0;
  t.separateHundred = 0.1;
  t.lostHundredCounting = 1;
  t.twoSevensHundredCounting = 0;
  t.twoSevensWithHundred = true;
  t.twoSevensSilentHundred = true;
  t.checkMinMax = true;
  t.checkParity = true;
  return t;
}

double Tariff::overHundredFactor() const {
  if (overHundredMethod == 1) return overHundredAdd;
  if (overHundredMethod == 2) return overHundredMultiply;
  return 0;
}

double flekMultiplier(double factor, int count) { return std::pow(factor, count); }

bool amountInRange(double amount) { return std::isfinite(amount) && std::fabs(amount) <= kMaxHandAmount; }

QString amountOutOfRangeWarning() { return QStringLiteral("cena mimo rozsah !"); }

double overHundred(double base, int n, int M, int W, double f, double s) {
  if (n <= 0) return base;
  double acc = 0;
  double aside = 0;
  if (W == 0) {
    acc = base;
  } else if (W == 1) {
    acc = s;
    aside = base;
    --n;
  } else {
    return base;
  }
  if (M == 1) {
    for (int i = 0; i < n; ++i) acc = f + acc;
  } else if (M == 2) {
    for (int i = 0; i < n; ++i) acc = f * acc;
  } else if (W == 1) {
    acc = 0;
  }
  return aside + acc;
}

double overHundred(double base, int n, const Tariff& t) {
  return overHundred(base, n, t.overHundredMethod, t.hundredWay, t.overHundredFactor(), t.separateHundred);
}

namespace {

// An announced seven: its price times the seven's fleks, won or lost; an
// unannounced seven counts only when its side won it, without fleks.
double sevenAmount(bool announced, bool won, double z, const Tariff& t) {
  if (announced) return won ? t.seven * z : -(t.seven * z);
  return won ? t.silentSeven : 0;
}

double ordinaryGame(const Hand& h, const Tariff& t) {
  const int U = h.declarerTens;
  const int P = h.defenderTens;
  const double G = h.gameMultiplier;
  if (h.hundred) {
    const double g = t.hundred * G;
    if (U >= 10) return overHundred(g, U - 10, t);
    const int n = t.lostHundredCounting == 0 ? 10 - U : P;
    return -overHundred(g, n, t);
  }
  if (h.hundredAgainst) {
    const double g = t.hundred * G;
    if (P >= 10) return -overHundred(g, P - 10, t);
    const int n = t.lostHundredCounting == 1 ? U : 10 - P;
    return overHundred(g, n, t);
  }
  const double g = t.game * G;
  if (U >= 10) return overHundred(g, U - 9, t);   // silent hundred of the declarer
  if (P >= 10) return -overHundred(g, P - 9, t);  // silent hundred of the defenders
  return P >= U ? -g : g;                         // a tie loses
}

// Two sevens. The sevens are paid at their own price (the red one in red,
// never multiplied again by the red factor) times the seven's fleks, and a
// hundred is paid beside them:
// - "zvlast": the hundred is priced on its own and added to the sevens.
// - "dohromady": the hundred and the sevens are one contract. Their prices
//   with their fleks make one base, base = hundred x G + sevens x Z, which the
//   points over a hundred extend: a made hundred wins +H(base, U - 9), a lost
//   one costs -H(base, P). The hundred decides the contract, so who won the
//   last trick with the seven does not change the amount. A silent hundred of
//   the declarer (when silent hundreds count) is the same contract on the
//   game's price: +H(game + sevens x Z, U - 9).
// A hundred against and a silent hundred of the defenders are always priced
// apart from the sevens.
double twoSevens(const Hand& h, const Tariff& t) {
  const int U = h.declarerTens;
  const int P = h.defenderTens;
  const double G = h.gameMultiplier;
  const double Z = h.sevenMultiplier;
  const bool together = t.twoSevensHundredCounting == 1;
  const double sevensPrice = h.red ? t.twoSevensRed : t.twoSevens;
  const double sevens = h.sevenWonByDeclarer ? sevensPrice * Z : -(sevensPrice * Z);

  if (h.hundred) {
    if (together) {
      const double base = t.hundred * G + sevensPrice * Z;
      return U >= 10 ? overHundred(base, U - 9, t) : -overHundred(base, P, t);
    }
    const double g = U >= 10 ? overHundred(t.hundred, U - 9, t) * G : -(overHundred(t.hundred, P, t) * G);
    return sevens + g;
  }
  if (h.hundredAgainst) {
    const double g = P >= 10 ? -(overHundred(t.hundred, P - 10, t) * G) : overHundred(t.hundred, U, t) * G;
    return sevens + g;
  }
  double g = 0;
  if (t.twoSevensSilentHundred && t.twoSevensWithHundred) {
    if (U >= 10) {
      if (together) return overHundred(t.game + sevensPrice * Z, U - 9, t);
      g = overHundred(t.game, U - 9, t);
    } else if (P >= 10) {
      g = -overHundred(t.game, P - 10, t);
    }
  }
  return sevens + g;
}

QString pointsText(int tens, int melds) {
  QString s = QString::number(tens * 10);
  if (melds != 0) s += QLatin1Char('+') + QString::number(melds);
  return s;
}

}  // namespace

double handAmount(const Hand& h, const Tariff& t) {
  if (h.directAmountMode) return h.directAmount;
  switch (h.type) {
    case Betl:
    case Durch: {
      const double price = h.type == Betl ? t.betl : t.durch;
      return (h.won ? price : -price) * h.gameMultiplier;
    }
    case Obycejna: {
      double s7 = sevenAmount(h.seven, h.sevenWonByDeclarer, h.sevenMultiplier, t);
      double s7p = sevenAmount(h.sevenAgainst, h.sevenWonByDefenders, h.sevenMultiplier, t);
      double g = ordinaryGame(h, t);
      if (h.red) {
        g *= t.redFactor;
        s7 *= t.redFactor;
        s7p *= t.redFactor;
      }
      return s7 - s7p + g;
    }
    case DveSedmy:
      return twoSevens(h, t);
    default:
      return 0;
  }
}

QString pointsWarning(const Hand& h, const Tariff& t) {
  if (h.directAmountMode || (h.type != Obycejna && h.type != DveSedmy)) return {};
  const int sum = h.declarerTens + h.defenderTens;
  if (t.checkMinMax && sum <= 8) return QStringLiteral("min. 90 !");
  if (t.checkMinMax && sum >= 20) return QStringLiteral("max. 190 !");
  if (t.checkParity && sum % 2 == 0) return QStringLiteral("lichy !");
  return {};
}

Description describeHand(const Hand& h) {
  QString prefix;
  if (h.declarer >= 0) {
    prefix = h.showNames ? h.declarerName : QString::asprintf("%2i", h.declarer + 1);
    if (h.extendedCounting) prefix += QStringLiteral(" / ") + h.trumpCaption;
  }

  QString body;
  if (h.directAmountMode) {
    body = QStringLiteral("primo pridano ") + h.directAmountCaption;
  } else if (h.type == Betl || h.type == Durch) {
    body = h.type == Betl ? QStringLiteral("betl") : QStringLiteral("durch");
    if (h.gameFleks > 1) body += QStringLiteral(", ") + generalNumberText(h.gameFleks) + QStringLiteral("x flek");
    body += h.won ? QStringLiteral(" [vyhrany]") : QStringLiteral(" [prohrany]");
  } else if (h.type == Obycejna || h.type == DveSedmy) {
    body = h.type == Obycejna ? QStringLiteral("obycejna  ") : QStringLiteral("2x7 ");
    if (h.red && !h.extendedCounting) body += QStringLiteral(",rude");
    if (h.hundred) body += QStringLiteral(",100");
    if (h.hundredAgainst) body += QStringLiteral(",100 proti");
    if (h.seven) body += QStringLiteral(",7");
    if (h.sevenAgainst) body += QStringLiteral(",7 proti");
    if (h.gameFleks > 1) body += QStringLiteral(",%1x hra").arg(h.gameFleks);
    if (h.sevenFleks > 1) body += QStringLiteral(",%1x sedma").arg(h.sevenFleks);
    body += QStringLiteral(" [");
    if (h.extendedCounting)
      body += pointsText(h.declarerCardTens, h.declarerMeldPoints) + QLatin1Char(',') +
              pointsText(h.defenderCardTens, h.defenderMeldPoints);
    else body += pointsText(h.declarerTens, 0) + QLatin1Char(',') + pointsText(h.defenderTens, 0);
    if (h.sevenWonByDeclarer) body += QStringLiteral(",7 uhrana");
    if (h.sevenWonByDefenders) body += QStringLiteral(",7 proti");
    body += QLatin1Char(']');
  }

  return {body, prefix.isEmpty() ? body : prefix + QStringLiteral(" : ") + body};
}

bool crossVariant(bool sittingOutAllowed, int players, int sittingOutItem) {
  return sittingOutAllowed && players == 4 && sittingOutItem == 3;
}

Shares playerShares(double c, int n, bool sittingOutAllowed, int sittingOutItem, int crossItem, int partner) {
  Shares s;
  const QString vynosce = QStringLiteral("vynosce:");
  if (n == 2) {
    s.declarer = c;
    s.defender = -c;
    return s;
  }
  if (n < 4) {
    s.declarer = 2 * c;
    s.defender = -c;
    if (n == 3) s.heading = vynosce;
    return s;
  }
  if (crossVariant(sittingOutAllowed, n, sittingOutItem)) {
    // One against three, or two against two with a partner.
    if (partner < 1 || partner > 3) {
      s.declarer = 3 * c;
      s.defender = -c;
    } else if (crossItem == 0) {  // "jen jednomu"
      s.declarer = c;
      s.defender = -c;
    } else if (crossItem == 1) {  // "obema protihracum"
      s.declarer = 2 * c;
      s.defender = -2 * c;
    } else {
      s.ok = false;
    }
    return s;
  }
  s.heading = vynosce;
  switch (sittingOutItem) {
    case 0:  // "s vitezem": those sitting out side with the winner
      s.declarer = 2 * c;
      s.defender = -c * (n - 2);
      s.sittingOut = 2 * c;
      break;
    case 1:  // "s porazenymi": they side with the losers
      s.declarer = c * (n - 1);
      s.defender = -c;
      s.sittingOut = -c;
      break;
    case 2:  // "nehraji"
    case 3:  // cross counting chosen, but not four players (or sitting out not allowed)
      s.declarer = 2 * c;
      s.defender = -c;
      break;
    default:
      s = Shares{};
      s.ok = false;
      break;
  }
  return s;
}

}  // namespace kvadus::pricing
