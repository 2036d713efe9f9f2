// The hand being described: flek lists, the price group with "Pridat", the
// hand description above the table, and the pricing entry point.

#include "ledger/ledger.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace kvadus;

void TFRMMain::buildEntry() {
  auto* fleky = new QGroupBox(QStringLiteral("Fleky"), this);
  fleky->setObjectName(QStringLiteral("GRPBXFleky"));
  fleky->setGeometry(layout::kFlekGroup);

  LIBXFlekHraValues = new QListWidget(fleky);
  LIBXFlekHraValues->setObjectName(QStringLiteral("LIBXFlekHraValues"));
  LIBXFlekHraValues->setGeometry(6, 20, 34, 130);
  LIBXFlekHraAbbrev = new QListWidget(fleky);
  LIBXFlekHraAbbrev->setObjectName(QStringLiteral("LIBXFlekHraAbbrev"));
  LIBXFlekHraAbbrev->setGeometry(44, 20, 76, 130);
  LIBXFlekHraAbbrev->setSelectionMode(QAbstractItemView::MultiSelection);
  LIBXFlekSedmaValues = new QListWidget(fleky);
  LIBXFlekSedmaValues->setObjectName(QStringLiteral("LIBXFlekSedmaValues"));
  LIBXFlekSedmaValues->setGeometry(124, 20, 34, 130);

  LABLTextoveVyjadreniHry = new QLabel(this);
  LABLTextoveVyjadreniHry->setObjectName(QStringLiteral("LABLTextoveVyjadreniHry"));
  LABLTextoveVyjadreniHry->setGeometry(layout::kDescriptionLabel);

  GRPBXCenaHry = new QGroupBox(QStringLiteral("Cena hry"), this);
  GRPBXCenaHry->setObjectName(QStringLiteral("GRPBXCenaHry"));
  GRPBXCenaHry->setGeometry(layout::kPriceGroup);

  BUTNPridejSkore = new QPushButton(QStringLiteral("Pridat"), GRPBXCenaHry);
  BUTNPridejSkore->setObjectName(QStringLiteral("BUTNPridejSkore"));
  BUTNPridejSkore->setToolTip(QStringLiteral("prida zvolenou hru do tabulky"));
  BUTNPridejSkore->setGeometry(8, layout::kPriceGroup.height() - 40, 152, 32);
  BUTNPridejSkore->setEnabled(false);

  BUTNPrepocti = new QPushButton(QStringLiteral("prepocti"), GRPBXCenaHry);
  BUTNPrepocti->setObjectName(QStringLiteral("BUTNPrepocti"));
  BUTNPrepocti->setGeometry(8, layout::kPriceGroup.height() - 72, 152, 26);
  BUTNPrepocti->hide();

  BUTNFlekSelect = new QPushButton(QStringLiteral("flek select"), this);
  BUTNFlekSelect->setObjectName(QStringLiteral("BUTNFlekSelect"));
  BUTNFlekSelect->hide();
}

void TFRMMain::connectEntry() {
  connect(BUTNPrepocti, &QPushButton::clicked, this, &TFRMMain::BUTNPrepoctiClick);
  connect(BUTNFlekSelect, &QPushButton::clicked, this, &TFRMMain::BUTNFlekSelectClick);
  connect(LIBXFlekHraAbbrev, &QListWidget::itemClicked, this, &TFRMMain::BUTNFlekSelectClick);
}

// The pricing. It prices nothing until the hand entry exists; it keeps the
// buttons that depend on the evening in step.
void TFRMMain::BUTNPrepoctiClick() {
  BUTNZmenaStavu->setEnabled(playerCount() > 1);
  BUTNGrafika->setEnabled(ledger::handCount(STGOutput->rowCount()) >= 1);
}

// Highlights the names of the chosen flek counts.
void TFRMMain::BUTNFlekSelectClick() {
  const int game = LIBXFlekHraValues->isHidden() ? -2 : LIBXFlekHraValues->currentRow();
  const int seven = LIBXFlekSedmaValues->isHidden() ? -2 : LIBXFlekSedmaValues->currentRow();
  for (int i = 0; i < LIBXFlekHraAbbrev->count(); ++i)
    LIBXFlekHraAbbrev->item(i)->setSelected(i == game || i == seven);
}

void TFRMMain::RAGRTypHryClick() {}
void TFRMMain::CHBXHratDveSedmyClick() {}
void TFRMMain::CHBXOpravyHodnotClick() {}
void TFRMMain::RAGRPocitaniPauzirakuClick() {}
