#include "ledger/quickselection.h"

#include <array>

namespace kvadus::quick {

namespace {

QStringList flekItems() {
  return {QStringLiteral("bez fleku"), QStringLiteral("1x flek"), QStringLiteral("2x flek"), QStringLiteral("3x flek"),
          QStringLiteral("4x flek")};
}

QStringList hundredItems() {
  return {QStringLiteral("100"), QStringLiteral("110"), QStringLiteral("120"), QStringLiteral("130"),
          QStringLiteral("140")};
}

QStringList moneyItems() {
  QStringList items;
  for (int h = 10; h <= 90; h += 10) items << QStringLiteral("%1 h").arg(h);
  for (int kc = 1; kc <= 3; ++kc) items << QStringLiteral("%1 KC").arg(kc);
  return items;
}

QStringList lostHundredItems() {
  QStringList items{QStringLiteral("  0")};
  for (int p = 10; p <= 90; p += 10) items << QString::number(p);
  return items;
}

std::array<GroupText, kGroupCount> makeTexts() {
  const QString bezTrumfu = QStringLiteral("bez trumfu");
  const QString obycejna = QStringLiteral("obycejna");
  const QString primo = QStringLiteral("primo penize");
  const QStringList betlDurch{QStringLiteral("betl"), QStringLiteral("durch")};
  return {{
      {"RAGRObycHra", obycejna, QStringLiteral("obycejne hry uhrane volicem"), flekItems()},
      {"RAGRBetlDurch", bezTrumfu, QStringLiteral("betl/durch uhrany volicem"), betlDurch},
      {"RAGRSedma",
       QStringLiteral("Sedma"),
       QStringLiteral("hry se sedmou uhrane volicem"),
       {QStringLiteral("ticha"), QStringLiteral("ticha, zabita"), QStringLiteral("hlasena"),
        QStringLiteral("hlasena + hra"), QStringLiteral("ticha proti zabita")}},
      {"RAGRStovka", QStringLiteral("100"), QStringLiteral("stovky uhrane volicem"), hundredItems()},
      {"RAGRStoASedm", QStringLiteral("100 + 7"), QStringLiteral("sto a sedm uhrane volicem"), hundredItems()},
      {"RAGRPrimaUpravaStavuVyhrane", primo, QString(), moneyItems()},
      {"RAGRProhranaHra", obycejna, QStringLiteral("obycejne hry NEuhrane volicem"), flekItems()},
      {"RAGRBetlDurchProti", bezTrumfu, QStringLiteral("prohrane betly/durchy"), betlDurch},
      {"RAGRSedmaProhrana",
       QStringLiteral("Sedma"),
       QStringLiteral("hry se sedmou NEuhrane volicem"),
       {QStringLiteral("ticha"), QStringLiteral("ticha + hra"), QStringLiteral("ticha - hra"),
        QStringLiteral("hlasena"), QStringLiteral("hlasena + hra")}},
      {"RAGRStoNeuhranych", QStringLiteral("100"), QStringLiteral("stovky NEuhrane volicem"), lostHundredItems()},
      {"RAGRPrimaUpravaStavuProhrane", primo, QString(), moneyItems()},
  }};
}

// The defenders' tens beside a made hundred: ten points for 100, 120, 140,
// none for 110 and 130, so that the points add up to an odd number of tens.
int hundredDefenderTens(int item) { return item % 2 == 0 ? 1 : 0; }

}  // namespace

const GroupText& groupText(Group group) {
  static const std::array<GroupText, kGroupCount> texts = makeTexts();
  return texts.at(static_cast<size_t>(group));
}

bool isWonGroup(Group group) { return group <= PrimaUpravaStavuVyhrane; }

bool isDirectAmount(Group group) { return group == PrimaUpravaStavuVyhrane || group == PrimaUpravaStavuProhrane; }

bool hidesRedBoxes(int group, bool directAmountMode) {
  return directAmountMode || group == BetlDurch || group == BetlDurchProti;
}

double directItemAmount(int item) { return item <= 8 ? 0.1 * (item + 1) : item - 8; }

bool redBoxesState(bool clickedState, bool boxesHidden) { return clickedState && !boxesHidden; }

EntrySettings itemSettings(Group group, int item) {
  EntrySettings s;
  if (group < 0 || group >= kGroupCount || item < 0 || item >= groupText(group).items.size()) return s;
  switch (group) {
    case ObycHra:
      s.declarerTens = 9;
      s.gameFleks = item;
      break;
    case ProhranaHra:
      s.defenderTens = 9;
      s.gameFleks = item;
      break;
    case BetlDurch:
    case BetlDurchProti:
      s.type = item == 0 ? pricing::Betl : pricing::Durch;
      s.result = group == BetlDurch ? 0 : 1;
      break;
    case Sedma:
      s.declarerTens = 9;
      switch (item) {
        case 0:  // "ticha"
        case 4:  // "ticha proti zabita"
          s.sevenWonByDeclarer = true;
          s.gameFleks = 1;
          break;
        case 1:  // "ticha, zabita"
          s.sevenWonByDefenders = true;
          s.gameFleks = 1;
          break;
        case 2:  // "hlasena"
        case 3:  // "hlasena + hra"
          s.sevenWonByDeclarer = true;
          s.seven = true;
          s.gameFleks = item == 3 ? 2 : 0;
          break;
      }
      break;
    case SedmaProhrana:
      s.gameFleks = 1;
      // "ticha" and "hlasena" keep the game; the others lose it too.
      if (item == 0 || item == 3) s.declarerTens = 9;
      else s.defenderTens = 9;
      if (item == 2) s.sevenWonByDeclarer = true;  // "ticha - hra"
      else s.sevenWonByDefenders = true;
      if (item >= 3) s.sevenAgainst = true;  // "hlasena", "hlasena + hra"
      if (item == 3) s.gameFleks = 0;
      break;
    case Stovka:
    case StoASedm:
      s.declarerTens = 10 + item;
      s.defenderTens = hundredDefenderTens(item);
      if (group == Stovka) {
        s.hundred = true;
      } else {
        s.seven = true;
        s.sevenWonByDeclarer = true;
      }
      break;
    case StoNeuhranych:
      s.hundred = true;
      s.defenderTens = item;
      s.declarerTens = 9 - item;
      break;
    case PrimaUpravaStavuVyhrane:
    case PrimaUpravaStavuProhrane:
      s.directAmount = true;
      s.amount = group == PrimaUpravaStavuVyhrane ? directItemAmount(item) : -directItemAmount(item);
      break;
    case kGroupCount:
      break;
  }
  return s;
}

}  // namespace kvadus::quick
