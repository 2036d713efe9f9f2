// The extended point counting on the main window: the card points of both
// sides, the trump suit and the melds, placed over the basic points choices
// while shown. Every change works out both totals by the meld rules
// (ledger/extendedcount) and selects them in "Uhrano" and "Proti", from where
// the pricing goes on as usual.

#include "ledger/mainwindow_extended.h"

#include "common/controls.h"
#include "common/radiogroup.h"
#include "ledger/extendedcount.h"
#include "ledger/pricing.h"
#include "shell/mainwindow.h"
#include "common/theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <array>

using namespace kvadus;

namespace {

QStringList cardPointItems() {
  QStringList items{QStringLiteral("  0")};
  for (int i = 1; i < extended::kCardTensItems; ++i) items << QString::number(i * 10);
  return items;
}

std::array<QCheckBox*, extended::kSuits> declarerBoxes(const TFRMMain& m) {
  return {m.CHBXHlaskyHlaska0, m.CHBXHlaskyHlaska1, m.CHBXHlaskyHlaska2, m.CHBXHlaskyHlaska3};
}

std::array<QCheckBox*, extended::kSuits> defenderBoxes(const TFRMMain& m) {
  return {m.CHBXHlaskyHlaska0Proti, m.CHBXHlaskyHlaska1Proti, m.CHBXHlaskyHlaska2Proti, m.CHBXHlaskyHlaska3Proti};
}

extended::Melds ticked(const TFRMMain& m) {
  extended::Melds melds;
  for (int suit = 0; suit < extended::kSuits; ++suit) {
    melds.declarer[suit] = declarerBoxes(m)[suit]->isChecked();
    melds.defenders[suit] = defenderBoxes(m)[suit]->isChecked();
  }
  return melds;
}

int trump(const TFRMMain& m) { return m.RAGRTrumfy->itemIndex(); }

// The meld box of the trump suit stands out: bold, in the highlight colour;
// the others have the window's colours.
void styleMeldBox(QCheckBox* box, bool trumps) {
  QFont font = box->font();
  font.setBold(trumps);
  box->setFont(font);
  QPalette palette;
  if (trumps) {
    palette = box->palette();
    const QColor colour = accentColor(QApplication::palette());
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
  }
  box->setPalette(palette);
}

}  // namespace

void TFRMMain::buildExtended() {
  // The switch sits in the corner of the points group, where it stays
  // reachable whatever the group shows.
  const QRect points = GRPBXUhrano->geometry();
  BUTNRozsireneOvladani =
      makeButton(this, "BUTNRozsireneOvladani", QStringLiteral("->"), QStringLiteral("Rozsirene pocitani"));
  BUTNRozsireneOvladani->setGeometry(points.right() - 33, points.y() - 2, 32, 18);

  // The extended controls cover the points choices of GRPBXUhrano and go
  // with it when a betl or durch hides it.
  const auto opaque = [](QWidget* w) {
    w->setAutoFillBackground(true);
    w->hide();
  };
  RAGRBodyVeHreUhrano = makeRadio(GRPBXUhrano, "RAGRBodyVeHreUhrano", QStringLiteral("Uhrano"), cardPointItems(), 0,
                                  {2, 16, 95, 100}, QStringLiteral("body z karet uhrane vynoscem"));
  RAGRBodyVeHreProti = makeRadio(GRPBXUhrano, "RAGRBodyVeHreProti", QStringLiteral("Proti"), cardPointItems(), 0,
                                 {97, 16, 95, 100}, QStringLiteral("body z karet uhrane protihraci"));
  for (RadioGroup* g : {RAGRBodyVeHreUhrano, RAGRBodyVeHreProti}) {
    g->setColumns(2);
    g->setCompact();
    opaque(g);
  }

  GRPBXHlasky = new QGroupBox(QStringLiteral("Hlasky"), GRPBXUhrano);
  GRPBXHlasky->setObjectName(QStringLiteral("GRPBXHlasky"));
  GRPBXHlasky->setToolTip(QStringLiteral("hlasky vynosce a protihracu"));
  GRPBXHlasky->setGeometry(2, 116, 190, 118);
  opaque(GRPBXHlasky);
  RAGRTrumfy =
      makeRadio(GRPBXHlasky, "RAGRTrumfy", QStringLiteral("trumfy"),
                {QStringLiteral("cervene"), QStringLiteral("zelene"), QStringLiteral("kule"), QStringLiteral("zaludy")},
                extended::kDefaultTrump, {2, 14, 80, 84});

  // One row per suit: the declarer's meld captioned with the suit, the
  // defenders' beside it.
  makeLabel(GRPBXHlasky, nullptr, QStringLiteral("vynosce"), {86, 14, 60, 15});
  makeLabel(GRPBXHlasky, nullptr, QStringLiteral("proti"), {156, 14, 32, 15});
  CHBXHlaskyHlaska0 = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska0", QString(), {86, 30, 76, 17});
  CHBXHlaskyHlaska1 = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska1", QString(), {86, 47, 76, 17});
  CHBXHlaskyHlaska2 = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska2", QString(), {86, 64, 76, 17});
  CHBXHlaskyHlaska3 = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska3", QString(), {86, 81, 76, 17});
  CHBXHlaskyHlaska0Proti = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska0Proti", QString(), {166, 30, 20, 17});
  CHBXHlaskyHlaska1Proti = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska1Proti", QString(), {166, 47, 20, 17});
  CHBXHlaskyHlaska2Proti = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska2Proti", QString(), {166, 64, 20, 17});
  CHBXHlaskyHlaska3Proti = makeCheck(GRPBXHlasky, "CHBXHlaskyHlaska3Proti", QString(), {166, 81, 20, 17});
  for (int suit = 0; suit < extended::kSuits; ++suit) {
    declarerBoxes(*this)[suit]->setText(RAGRTrumfy->itemText(suit));
    declarerBoxes(*this)[suit]->setToolTip(QStringLiteral("hlaska vynosce"));
    defenderBoxes(*this)[suit]->setToolTip(QStringLiteral("hlaska proti"));
  }
  CHBXTrumfovaHlaskaUhranaPrvni =
      makeCheck(GRPBXHlasky, "CHBXTrumfovaHlaskaUhranaPrvni", QStringLiteral("trumfova prvni"), {6, 99, 180, 17},
                QStringLiteral("pouze pri vice hlaskach pri hlasenych sto (i proti)"));
  CHBXTrumfovaHlaskaUhranaPrvni->setEnabled(false);
  describeTrumps();
}

void TFRMMain::connectExtended() {
  connect(BUTNRozsireneOvladani, &QPushButton::clicked, this, &TFRMMain::BUTNRozsireneOvladaniClick);
  connect(CHBXRozsirenePocitaniBodu, &QCheckBox::toggled, this, &TFRMMain::CHBXRozsirenePocitaniBoduClick);
  connect(RAGRTrumfy, &RadioGroup::itemClicked, this, &TFRMMain::RAGRTrumfyClick);
  for (int suit = 0; suit < extended::kSuits; ++suit)
    for (QCheckBox* box : {declarerBoxes(*this)[suit], defenderBoxes(*this)[suit]})
      connect(box, &QCheckBox::toggled, this, [this, box] { CHBXHlaskyClick(box); });
  for (RadioGroup* g : {RAGRBodyVeHreUhrano, RAGRBodyVeHreProti})
    connect(g, &RadioGroup::itemClicked, this, &TFRMMain::BodyVeHreClick);
  connect(CHBXTrumfovaHlaskaUhranaPrvni, &QCheckBox::toggled, this, &TFRMMain::BodyVeHreClick);
  // The meld rules of a hundred decide the totals: a change of them shows at
  // once, as any other change of what the price depends on.
  connect(RAGRPocitaniHlasekUStovky, &RadioGroup::itemClicked, this, &TFRMMain::BodyVeHreClick);
  connect(CHBXProhranychStoPocitatIHlasky, &QCheckBox::toggled, this, &TFRMMain::BodyVeHreClick);
}

bool TFRMMain::extendedEntryOn() const { return CHBXRozsirenePocitaniBodu->isChecked(); }

// ---- the switch ------------------------------------------------------------

void TFRMMain::BUTNRozsireneOvladaniClick() {
  const bool on = RAGRBodyVeHreUhrano->isHidden();
  setVisibleAll({RAGRBodyVeHreUhrano, RAGRBodyVeHreProti, GRPBXHlasky}, on);
  const quint8 guard = flags.extendedEntryGuard;
  flags.extendedEntryGuard = 0;
  BUTNRozsireneOvladani->setText(on ? QStringLiteral("<-") : QStringLiteral("->"));
  CHBXRozsirenePocitaniBodu->setChecked(on);
  CKBXCervene->setVisible(!on);
  if (on) {
    // The hand goes on as described so far: a red game makes red the trumps,
    // and trumps in red that the red box no longer shows give way to the
    // default ones.
    if (CKBXCervene->isChecked()) RAGRTrumfy->setItemIndex(extended::kRedSuit);
    else if (trump(*this) == extended::kRedSuit) RAGRTrumfy->setItemIndex(extended::kDefaultTrump);
  }
  flags.extendedEntryGuard = guard;
  // From now on the totals are the extended entry's.
  if (on) {
    updateTrumpFirst();
    BodyVeHreClick();
  }
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXRozsirenePocitaniBoduClick() {
  if (!flags.extendedEntryGuard) return;
  if (CHBXRozsirenePocitaniBodu->isChecked() == RAGRBodyVeHreUhrano->isHidden()) BUTNRozsireneOvladaniClick();
}

// ---- trumps and melds ---------------------------------------------------------

// The trump suit's meld box in bold and highlighted, the others plain.
void TFRMMain::describeTrumps() {
  for (int suit = 0; suit < extended::kSuits; ++suit) styleMeldBox(declarerBoxes(*this)[suit], suit == trump(*this));
}

void TFRMMain::RAGRTrumfyClick() {
  describeTrumps();
  if (!flags.extendedEntryGuard) return;
  flags.extendedEntryGuard = 0;
  // Only while the extended entry is on does the red game follow the trumps.
  if (extendedEntryOn()) CKBXCervene->setChecked(trump(*this) == extended::kRedSuit);
  // A meld changes its worth, and perhaps which side holds the trump meld.
  updateTrumpFirst();
  BodyVeHreClick();
  flags.extendedEntryGuard = 1;
}

void TFRMMain::updateTrumpFirst() {
  const extended::TrumpFirst state =
      extended::trumpFirst(ticked(*this), trump(*this), CKBXStovka->isChecked(), CKBXStovkaProti->isChecked());
  CHBXTrumfovaHlaskaUhranaPrvni->setEnabled(state.enabled);
  CHBXTrumfovaHlaskaUhranaPrvni->setChecked(state.checked);
}

void TFRMMain::CHBXHlaskyClick(QCheckBox* box) {
  if (flags.extendedEntryGuard) {
    flags.extendedEntryGuard = 0;
    if (box) {
      const extended::Melds before = ticked(*this);
      for (int suit = 0; suit < extended::kSuits; ++suit) {
        const bool defenders = box == defenderBoxes(*this)[suit];
        if (!defenders && box != declarerBoxes(*this)[suit]) continue;
        const extended::Melds after = extended::claimMeld(before, suit, defenders, box->isChecked());
        declarerBoxes(*this)[suit]->setChecked(after.declarer[suit]);
        defenderBoxes(*this)[suit]->setChecked(after.defenders[suit]);
      }
    }
    updateTrumpFirst();
    flags.extendedEntryGuard = 1;
  }
  BodyVeHreClick();
}

void TFRMMain::HlaskyChange() { CHBXHlaskyClick(nullptr); }

// ---- the totals ---------------------------------------------------------------

void TFRMMain::BodyVeHreClick() {
  // The basic entry's points are the person's own: only the extended entry
  // writes its totals over them.
  if (!extendedEntryOn()) return;
  extended::Input in;
  in.declarerCardTens = RAGRBodyVeHreUhrano->itemIndex();
  in.defenderCardTens = RAGRBodyVeHreProti->itemIndex();
  in.melds = ticked(*this);
  in.trump = trump(*this);
  in.hundred = CKBXStovka->isChecked();
  in.hundredAgainst = CKBXStovkaProti->isChecked();
  in.trumpMeldFirst = CHBXTrumfovaHlaskaUhranaPrvni->isChecked();
  in.meldCounting = RAGRPocitaniHlasekUStovky->itemIndex();
  in.lostHundredCountsMelds = CHBXProhranychStoPocitatIHlasky->isChecked();
  const extended::Totals totals = extended::totals(in);
  RAGRUhrano->setItemIndex(totals.declarer);
  RAGRProti->setItemIndex(totals.defenders);
  BUTNPrepoctiClick();
}

// ---- resets -----------------------------------------------------------------------

void TFRMMain::resetExtendedEntry() {
  for (int suit = 0; suit < extended::kSuits; ++suit) {
    declarerBoxes(*this)[suit]->setChecked(false);
    defenderBoxes(*this)[suit]->setChecked(false);
  }
  RAGRBodyVeHreUhrano->setItemIndex(0);
  RAGRBodyVeHreProti->setItemIndex(0);
  RAGRTrumfy->setItemIndex(extended::kDefaultTrump);
  updateTrumpFirst();
}

void TFRMMain::redFollowsTrump() {
  if (extendedEntryOn() && trump(*this) == extended::kRedSuit) CKBXCervene->setChecked(true);
}

// ---- the description ---------------------------------------------------------------

void extendedentry::readInto(const TFRMMain& m, pricing::Hand& hand) {
  hand.extendedCounting = m.extendedEntryOn();
  if (!hand.extendedCounting) return;
  hand.trumpCaption = m.RAGRTrumfy->itemText(trump(m));
  hand.declarerCardTens = std::max(0, m.RAGRBodyVeHreUhrano->itemIndex());
  hand.defenderCardTens = std::max(0, m.RAGRBodyVeHreProti->itemIndex());
  const extended::Melds melds = ticked(m);
  hand.declarerMeldPoints = 10 * extended::meldTotal(melds.declarer, trump(m));
  hand.defenderMeldPoints = 10 * extended::meldTotal(melds.defenders, trump(m));
}
