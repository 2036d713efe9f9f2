#include "ledger/extendedcount.h"

#include <algorithm>

namespace kvadus::extended {

int meldTens(int suit, int trump) { return suit == trump ? 4 : 2; }

int meldTotal(const MeldBoxes& boxes, int trump) {
  int total = 0;
  for (int suit = 0; suit < kSuits; ++suit)
    if (boxes[suit]) total += meldTens(suit, trump);
  return total;
}

int meldCount(const MeldBoxes& boxes) { return static_cast<int>(std::count(boxes.begin(), boxes.end(), true)); }

Melds claimMeld(Melds melds, int suit, bool defenders, bool nowChecked) {
  if (suit < 0 || suit >= kSuits || !nowChecked) return melds;
  (defenders ? melds.declarer : melds.defenders)[suit] = false;
  return melds;
}

TrumpFirst trumpFirst(const Melds& melds, int trump, bool hundred, bool hundredAgainst) {
  if (trump < 0 || trump >= kSuits) return {};
  // Only the trump meld of the side that announced the hundred can be the
  // first meld of that hundred; the other side's would credit the hundred
  // with 40 points it never had.
  bool trumpMeld = melds.declarer[trump] || melds.defenders[trump];
  if (hundred) trumpMeld = melds.declarer[trump];
  else if (hundredAgainst) trumpMeld = melds.defenders[trump];
  const bool orderMatters =
      (hundred && meldCount(melds.declarer) > 1) || (hundredAgainst && meldCount(melds.defenders) > 1);
  return {trumpMeld && orderMatters, trumpMeld};
}

namespace {

struct Side {
  int cards;  // card tens
  int melds;  // meld total in tens
};

// The hundred side's total and the other side's, for an announced hundred
// (first) of either side. `first` is the hundred side's card points with the
// first meld counted.
Totals hundredTotals(Side own, Side other, int first, const Input& in) {
  if (in.meldCounting == AllMelds) return {own.cards + own.melds, other.cards + other.melds};
  if (first >= 9) {  // the first meld brings the hundred side to 90 points
    const int ownTotal = in.meldCounting == FirstOnly ? first : own.cards + own.melds;
    return {ownTotal, other.cards + other.melds};
  }
  // No meld counts for the hundred; the other side's count only by the setting.
  return {own.cards, in.lostHundredCountsMelds ? other.cards + other.melds : other.cards};
}

int asItem(int tens) { return std::clamp(tens, 0, kTotalTensItems - 1); }

}  // namespace

Totals totals(const Input& in) {
  const Side declarer{std::max(0, in.declarerCardTens), meldTotal(in.melds.declarer, in.trump)};
  const Side defenders{std::max(0, in.defenderCardTens), meldTotal(in.melds.defenders, in.trump)};
  Totals t{declarer.cards + declarer.melds, defenders.cards + defenders.melds};
  if (in.hundred) {
    int first = declarer.cards;
    if (in.trumpMeldFirst) first += 4;
    else if (meldCount(in.melds.declarer) > 0) first += 2;
    t = hundredTotals(declarer, defenders, first, in);
  } else if (in.hundredAgainst) {
    // Against a hundred of the defenders, their first meld is taken for
    // granted: a non-trump one even when no box of theirs is ticked.
    const int first = defenders.cards + (in.trumpMeldFirst ? 4 : 2);
    const Totals mirrored = hundredTotals(defenders, declarer, first, in);
    t = {mirrored.defenders, mirrored.declarer};
  }
  return {asItem(t.declarer), asItem(t.defenders)};
}

}  // namespace kvadus::extended
