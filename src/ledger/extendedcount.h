#pragma once
// The extended point counting: the card points of both sides, the trump suit
// and the melds ("hlasky", king and queen of one suit) go in; the totals that
// the points choices "Uhrano" and "Proti" get come out, by the meld rules of a
// declared hundred. The window reads its boxes into Melds and writes back
// what these functions return; nothing here keeps state between calls.

#include <array>

namespace kvadus::extended {

constexpr int kSuits = 4;            // 0 "cervene", 1 "zelene", 2 "kule", 3 "zaludy"
constexpr int kRedSuit = 0;          // trumps in red make a red game
constexpr int kDefaultTrump = 2;     // "kule"
constexpr int kCardTensItems = 10;   // card points "  0" .. "90"
constexpr int kTotalTensItems = 20;  // the totals "  0" .. "190"

using MeldBoxes = std::array<bool, kSuits>;

// The melds each side declared, one box per suit.
struct Melds {
  MeldBoxes declarer{};
  MeldBoxes defenders{};
};

// A meld in tens: 4 (40 points) in the trump suit, 2 in any other.
int meldTens(int suit, int trump);
// The sum of the ticked melds of one side, in tens.
int meldTotal(const MeldBoxes& boxes, int trump);
int meldCount(const MeldBoxes& boxes);

// A suit's meld belongs to one side only: the box just ticked (the suit, and
// whether it is the defenders') unticks the other side's box of that suit.
// A box just unticked, or no box (suit -1), changes nothing.
Melds claimMeld(Melds melds, int suit, bool defenders, bool nowChecked);

// The box "trumfova prvni" (the trump meld was declared first). It is
// ticked whenever the side that counts holds the trump meld, and it can be
// changed only where the order matters: that side announced a hundred and
// holds more than one meld. The side that counts is the one that announced
// the hundred (against); without a hundred, either side.
struct TrumpFirst {
  bool enabled = false;
  bool checked = false;
};
TrumpFirst trumpFirst(const Melds& melds, int trump, bool hundred, bool hundredAgainst);

// Which melds count toward an announced hundred (RAGRPocitaniHlasekUStovky).
enum MeldCounting : int { FirstAndMore = 0, FirstOnly = 1, AllMelds = 2 };

// Everything the points recomputation reads.
struct Input {
  int declarerCardTens = 0;  // F, item of RAGRBodyVeHreUhrano
  int defenderCardTens = 0;  // D, item of RAGRBodyVeHreProti
  Melds melds;
  int trump = kDefaultTrump;    // item of RAGRTrumfy
  bool hundred = false;         // CKBXStovka
  bool hundredAgainst = false;  // CKBXStovkaProti
  bool trumpMeldFirst = false;  // CHBXTrumfovaHlaskaUhranaPrvni
  int meldCounting = FirstAndMore;
  bool lostHundredCountsMelds = false;  // CHBXProhranychStoPocitatIHlasky
};

// The totals in tens, as item indexes of "Uhrano" and "Proti" (at most 19).
struct Totals {
  int declarer = 0;
  int defenders = 0;
  friend bool operator==(const Totals&, const Totals&) = default;
};
Totals totals(const Input& in);

}  // namespace kvadus::extended
