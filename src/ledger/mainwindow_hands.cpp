// Adding the described hand to the score table and removing hands from it.

#include "common/messages.h"
#include "common/radiogroup.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace kvadus;

void TFRMMain::buildHands() {
  // Named procedures behind the removal menu; never shown.
  BUTNSmazVsechno = new QPushButton(QStringLiteral("smaz vse"), this);
  BUTNSmazVsechno->setObjectName(QStringLiteral("BUTNSmazVsechno"));
  BUTNSmazPosledniHru = new QPushButton(QStringLiteral("smaz posledni"), this);
  BUTNSmazPosledniHru->setObjectName(QStringLiteral("BUTNSmazPosledniHru"));
  BUTNSmazHry = new QPushButton(QStringLiteral("smaz hry"), this);
  BUTNSmazHry->setObjectName(QStringLiteral("BUTNSmazHry"));
  for (QPushButton* b : {BUTNSmazVsechno, BUTNSmazPosledniHru, BUTNSmazHry}) b->hide();
}

void TFRMMain::connectHands() {
  connect(BUTNPridejSkore, &QPushButton::clicked, this, &TFRMMain::BUTNPridejSkoreClick);
  connect(BUTNPridatDolni, &QPushButton::clicked, this, &TFRMMain::BUTNPridejSkoreClick);
  connect(POPUPSmazVSe, &QAction::triggered, this, &TFRMMain::POPUPSmazVSeClick);
  connect(POPUPSmazPosledni, &QAction::triggered, this, &TFRMMain::POPUPSmazPosledniClick);
  connect(POPUPSmazHry, &QAction::triggered, this, &TFRMMain::POPUPSmazHryClick);
  connect(BUTNSmazVsechno, &QPushButton::clicked, this, &TFRMMain::POPUPSmazVSeClick);
  connect(BUTNSmazPosledniHru, &QPushButton::clicked, this, &TFRMMain::POPUPSmazPosledniClick);
  connect(BUTNSmazHry, &QPushButton::clicked, this, &TFRMMain::POPUPSmazHryClick);
  // Only hand rows can be selected: never the names or the sums.
  connect(STGOutput, &QTableWidget::itemSelectionChanged, this, [this] {
    const int sums = STGOutput->rowCount() - 1;
    for (QTableWidgetItem* item : STGOutput->selectedItems())
      if (item->row() < 1 || item->row() >= sums) item->setSelected(false);
  });
}

void TFRMMain::BUTNPridejSkoreClick() {
  const int declarer = declarerIndex();
  if (declarer < 0) {
    BUTNPridejSkore->setEnabled(false);
    return;
  }
  const int n = playerCount();
  ledger::HandShares shares;
  shares.declarer = lenientNumber(LABLScoreCelkom->text());
  shares.defender = lenientNumber(LABLCenaProProtihrace->text());
  shares.sittingOut = lenientNumber(LABLPauzirujiciCelkem->text());
  const QList<double> row = ledger::handRow(n, declarer, shares, crossVariantActive(), crossPartner());
  if (!ledger::bookingFits(*grid, n, row)) {
    showMessage(this, QStringLiteral("Chyba"), ledger::bookingRefusedMessage());
    return;
  }
  ledger::bookHand(*grid, n, row, CKBXZobrazovatDruhyHer->isChecked(), LABLTextoveVyjadreniHry->text());
  scrollToRow(STGOutput->rowCount() - 1);

  if (CHBXNulovatPoPridani->isChecked()) {
    RAGRTypHry->setItemIndex(0);
    RAGRUhrano->setItemIndex(0);
    RAGRProti->setItemIndex(0);
    LIBXFlekHraValues->setCurrentRow(0);
    LIBXFlekSedmaValues->setCurrentRow(0);
    for (QCheckBox* box : {CHBXUhranaSedmaVolicem, CHBXUhranaSedmaProti, CKBXCervene, CKBXSedma, CHBXSedmaProti,
                           CKBXStovka, CKBXStovkaProti})
      box->setChecked(false);
    clearDirectAmountGroups();
    RAGRTypHryClick();
    LIBXFlekHraValuesClick();
    LIBXFlekSedmaValuesClick();
  }

  // The turn passes from the chooser, not from the declarer.
  const int chooser = ledger::nextChooser(chooserIndex(), n);
  LABLIndexVolice->setText(QString::number(chooser));
  selectDeclarer(chooser);
  refreshRoleMarkers();
  LABLPocetHerClick();

  flags.directAmountMode = 0;
  resetEntry(nullptr);
  // The reset puts the flek counters at 0; their count and multiplier fields
  // follow, so that the next hand is never priced with a stale multiplier.
  LIBXFlekHraValuesClick();
  LIBXFlekSedmaValuesClick();
  BUTNPrepoctiClick();
  clearPartnerSwitches();
  eveningChanged();
}

void TFRMMain::POPUPSmazVSeClick() {
  if (STGOutput->rowCount() > 2 &&
      !askYesNo(this, QStringLiteral("Mate rozehranou hru,\nopravdu chcete vsechno smazat ?")))
    return;
  ledger::removeAllHands(*grid);
  BUTNSpoctiSumuClick();
  eveningChanged();
}

void TFRMMain::POPUPSmazPosledniClick() {
  if (ledger::removeLastHand(*grid)) BUTNSpoctiSumuClick();
  eveningChanged();
}

void TFRMMain::POPUPSmazHryClick() {
  if (ledger::foldHands(*grid, playerCount(), CKBXZobrazovatDruhyHer->isChecked())) BUTNSpoctiSumuClick();
  eveningChanged();
}
