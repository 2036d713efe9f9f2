#pragma once
// The quick selection of common hands: eleven radio groups whose items each
// stand for a whole hand ("obycejna, 2x flek", "100 + 7 at 120", "2 KC"
// straight). These rules say what the groups are called and what each item
// puts into the hand entry; the main window resets its entry, writes these
// values through its controls and has the hand priced.

#include "ledger/pricing.h"

#include <QString>
#include <QStringList>

namespace kvadus::quick {

// The groups, won hands ("Vyhrane") first, then lost hands ("Prohrane").
enum Group : int {
  ObycHra,                   // RAGRObycHra
  BetlDurch,                 // RAGRBetlDurch
  Sedma,                     // RAGRSedma
  Stovka,                    // RAGRStovka
  StoASedm,                  // RAGRStoASedm
  PrimaUpravaStavuVyhrane,   // RAGRPrimaUpravaStavuVyhrane
  ProhranaHra,               // RAGRProhranaHra
  BetlDurchProti,            // RAGRBetlDurchProti
  SedmaProhrana,             // RAGRSedmaProhrana
  StoNeuhranych,             // RAGRStoNeuhranych
  PrimaUpravaStavuProhrane,  // RAGRPrimaUpravaStavuProhrane
  kGroupCount
};

struct GroupText {
  const char* name;  // the control's name
  QString caption;
  QString hint;  // empty: the group has none
  QStringList items;
};
const GroupText& groupText(Group group);

// The group is in "Vyhrane" (hands won by the declarer).
bool isWonGroup(Group group);
// The "primo penize" groups: they switch the direct amount mode on.
bool isDirectAmount(Group group);
// The red boxes are hidden (and the game is not red) after a click in this
// group (-1: no group, as after adding a hand) with the direct amount mode as
// given: the "bez trumfu" groups and every direct amount have no red suit.
bool hidesRedBoxes(int group, bool directAmountMode);

// What an item writes into the hand entry after the entry was reset. Every
// field holds the value the control gets; the reset values stand where the
// item changes nothing.
struct EntrySettings {
  int type = pricing::Obycejna;      // RAGRTypHry
  int result = -1;                   // RAGRVyhra item; -1: left as it is
  int declarerTens = 0;              // RAGRUhrano item
  int defenderTens = 0;              // RAGRProti item
  bool hundred = false;              // CKBXStovka
  bool seven = false;                // CKBXSedma
  bool sevenAgainst = false;         // CHBXSedmaProti
  bool sevenWonByDeclarer = false;   // CHBXUhranaSedmaVolicem
  bool sevenWonByDefenders = false;  // CHBXUhranaSedmaProti
  int gameFleks = 0;                 // UPDNHraFlekCount
  bool directAmount = false;         // the amount below goes into the price field
  double amount = 0;                 // in crowns, signed
};

// The settings of item `item` of the group; an item outside the group gives
// the reset entry (nothing to set).
EntrySettings itemSettings(Group group, int item);

// The amount of a "primo penize" item in crowns: 0.1 to 0.9, then 1, 2, 3.
double directItemAmount(int item);

// The state both red boxes take, and with them the red switch "cervene",
// after one of them was clicked into `clickedState`. While the boxes are
// hidden the game has no red suit.
bool redBoxesState(bool clickedState, bool boxesHidden);

}  // namespace kvadus::quick
