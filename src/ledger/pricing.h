#pragma once
// The pricing of one hand: the tariff and the described hand in, the signed
// hand amount, the points warning, the hand description and each player's
// share out. The window reads its controls into a Tariff and a Hand (numbers
// already read leniently, choices as item indexes) and writes back what these
// functions return; nothing here keeps state between calls.

#include <QString>

namespace kvadus::pricing {

// Item indexes of the game type choice "Typ".
enum GameType : int { Obycejna = 0, Betl = 1, Durch = 2, DveSedmy = 3 };

// Every number and choice of the settings that the pricing reads. A value
// constructed with {} is all zeros and off, as a tariff with unreadable fields
// reads; defaults() is the tariff of a fresh start.
struct Tariff {
  double game = 0;                   // EDITCenaZaHru, the base price of a game
  double hundred = 0;                // EDITCenaZaStovku
  double seven = 0;                  // EDITCenaZaSedmu (announced)
  double silentSeven = 0;            // EDITCenaZaSedmuNehlasenou
  double betl = 0;                   // EDITCenaZaBetla
  double durch = 0;                  // EDITCenaZaDurcha
  double redFactor = 0;              // EDITCenaNasobeniCervenych
  double flekFactor = 0;             // EDITNasobeniFleku
  double twoSevens = 0;              // EDITCenaZaDveSedmy
  double twoSevensRed = 0;           // EDITCenaZaDveSedmyCervene
  int overHundredMethod = 0;         // RAGRNadSto: 0 "nic", 1 "pricitat k zakladu", 2 "nasobit zaklad"
  double overHundredAdd = 0;         // EDITFaktorNadStoPricitat
  double overHundredMultiply = 0;    // EDITFaktorNadStoNasobit
  int hundredWay = 0;                // RAGRStovkaZpusobPocitani: 0 "dohromady se zakladem", 1 "zvlast a pak pripocitat"
  double separateHundred = 0;        // EDITCenaZaStovkuPripocitat
  int lostHundredCounting = 0;       // RAGRPocitaniProhraneStovky: 0 "uhranych bodu", 1 "bodu proti"
  int twoSevensHundredCounting = 0;  // RAGRPocitaniDvouSedemNadSto: 0 "zvlast", 1 "dohromady"
  bool twoSevensWithHundred = false;    // CHBXDveSedmyAStovka
  bool twoSevensSilentHundred = false;  // CHBXDveSedmyAStovkaTicha
  bool checkMinMax = false;             // CHKBXKontrolovatPocetBodu
  bool checkParity = false;             // CHKBXKontrolovatPocetBoduLiche

  static Tariff defaults();

  // The over-hundred factor f of the chosen method: the adding factor for
  // method 1, the multiplying factor for method 2, 0 for any other.
  double overHundredFactor() const;
};

// The hand as described on the main window.
struct Hand {
  int type = Obycejna;               // RAGRTypHry item
  bool seven = false;                // CKBXSedma
  bool sevenAgainst = false;         // CHBXSedmaProti
  bool hundred = false;              // CKBXStovka
  bool hundredAgainst = false;       // CKBXStovkaProti
  bool red = false;                  // CKBXCervene
  bool won = true;                   // RAGRVyhra item 0 "vyhra" (betl and durch)
  int declarerTens = 0;              // U, item of RAGRUhrano
  int defenderTens = 0;              // P, item of RAGRProti
  bool sevenWonByDeclarer = false;   // CHBXUhranaSedmaVolicem
  bool sevenWonByDefenders = false;  // CHBXUhranaSedmaProti
  int gameFleks = 0;                 // EDITFlekHraCount
  int sevenFleks = 0;                // EDITFlekSedmaCount
  double gameMultiplier = 1;         // G, read from EDITFlekHraVal
  double sevenMultiplier = 1;        // Z, read from EDITFlekSedmaVal

  // Direct amount: the amount is taken as it stands in the price field.
  bool directAmountMode = false;
  double directAmount = 0;        // read from EDITCelkemCena
  QString directAmountCaption{};  // caption of the chosen direct-amount item, e.g. "2 KC"

  // For the description only.
  int declarer = -1;  // index in the player list, -1 when none is selected
  QString declarerName{};
  bool showNames = true;          // CHBXVNazvuHryZobrazovatJmena
  bool extendedCounting = false;  // CHBXRozsirenePocitaniBodu
  QString trumpCaption{};         // caption of the selected trump suit
  int declarerCardTens = 0;       // item of RAGRBodyVeHreUhrano
  int defenderCardTens = 0;       // item of RAGRBodyVeHreProti
  int declarerMeldPoints = 0;     // sum of the declarer's melds (40 trump, 20 other)
  int defenderMeldPoints = 0;     // the same for the defenders
};

// The flek multiplier of a count: factor raised to the count (1, 2, 4, 8 ...).
double flekMultiplier(double factor, int count);

// Extends a price by n tens of points over a hundred. M is the method
// (0 "nic", 1 adding, 2 multiplying), W the way (0 together with the base,
// 1 separately and then added), f the method's factor, s the separately
// counted hundred's price.
double overHundred(double base, int n, int M, int W, double f, double s);
double overHundred(double base, int n, const Tariff& tariff);

// The signed amount of the hand (positive: the declarer won): what one
// defender pays the declarer.
double handAmount(const Hand& hand, const Tariff& tariff);

// The largest hand amount the program prices, takes in the price field and
// books. Far beyond any stake played, and small enough that the balances of
// the longest evening stay exact to the cent.
constexpr double kMaxHandAmount = 1e9;
// The amount is a finite number within that limit.
bool amountInRange(double amount);
// The warning shown instead of a price beyond the limit.
QString amountOutOfRangeWarning();  // "cena mimo rozsah !"

// The plausibility warning on the points: "", "min. 90 !", "max. 190 !" or
// "lichy !" (the first that applies). Only ordinary games and two sevens are
// checked, and never in direct amount mode.
QString pointsWarning(const Hand& hand, const Tariff& tariff);

// The hand description: the body (LABLPoctyVeHre) and the text shown above
// the table (player prefix + " : " + body, or the body alone).
struct Description {
  QString body;
  QString text;
};
Description describeHand(const Hand& hand);

// The cross variant: four players, sitting out allowed and the sitting-out
// counting "kvadus do krize ve ctyrech" (item 3).
bool crossVariant(bool sittingOutAllowed, int players, int sittingOutItem);

// The shares of one hand for each kind of player. heading is the caption for
// the declarer's share ("vynosce:"), empty when the caption stays as it is.
// ok is false when the counting items are unknown; the window then reports
// an internal error and leaves its labels alone.
struct Shares {
  double declarer = 0;
  double defender = 0;
  double sittingOut = 0;
  QString heading;
  bool ok = true;
};
// c: the hand amount as read back from the price text; n: the players;
// partner: 0 none, 1..3 the first to third player after the declarer (cross
// variant only).
Shares playerShares(double c, int n, bool sittingOutAllowed, int sittingOutItem, int crossItem, int partner);

}  // namespace kvadus::pricing
