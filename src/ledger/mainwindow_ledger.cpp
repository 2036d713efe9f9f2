// The evening ledger on the main window: the score table, the players with
// their roles, a new game, the description column, the sums and counters.

#include "common/controls.h"
#include "common/messages.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "shell/startup.h"

#include <QAction>
#include <QEvent>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

using namespace kvadus;

namespace {
// Rows of one height, whatever a name holds: the marker list beside the
// players scrolls with them row for row, so a name drawn in a taller
// fallback font (CJK letters) must not make its row higher.
class FixedRowDelegate : public QStyledItemDelegate {
 public:
  FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};
}  // namespace

void TFRMMain::buildLedger() {
  auto* players = new QGroupBox(QStringLiteral("Hraci"), this);
  players->setObjectName(QStringLiteral("GRPBXHraci"));
  players->setGeometry(layout::kPlayersGroup);

  LSTBXOznaceniVolice = new QListWidget(players);
  LSTBXOznaceniVolice->setObjectName(QStringLiteral("LSTBXOznaceniVolice"));
  LSTBXOznaceniVolice->setGeometry(6, 21, 84, 84);  // rows level with the names
  LSTBXOznaceniVolice->setSelectionMode(QAbstractItemView::NoSelection);
  LSTBXOznaceniVolice->setFocusPolicy(Qt::NoFocus);
  LSTBXOznaceniVolice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LSTBXOznaceniVolice->setFrameShape(QFrame::NoFrame);
  LSTBXOznaceniVolice->viewport()->setAutoFillBackground(false);  // the window shows through
  LSTBXOznaceniVolice->setTextElideMode(Qt::ElideNone);

  LIBXHraci = new QListWidget(players);
  LIBXHraci->setObjectName(QStringLiteral("LIBXHraci"));
  LIBXHraci->setToolTip(QStringLiteral("jmena hracu ve hre"));
  LIBXHraci->setGeometry(92, 20, 110, 86);
  LIBXHraci->setSelectionMode(QAbstractItemView::SingleSelection);
  // A long name is cut off at the right rather than given a scroll bar that
  // would shorten the list against its markers.
  LIBXHraci->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LIBXHraci->setTextElideMode(Qt::ElideRight);
  const int rowHeight = LIBXHraci->fontMetrics().height() + 1;
  for (QListWidget* list : {LIBXHraci, LSTBXOznaceniVolice}) {
    list->setItemDelegate(new FixedRowDelegate(rowHeight, list));
    list->setUniformItemSizes(true);
  }

  LABLIndexVolice = new QLabel(QStringLiteral("0"), players);
  LABLIndexVolice->setObjectName(QStringLiteral("LABLIndexVolice"));
  LABLIndexVolice->hide();

  LABLPocetHer = new QLabel(ledger::handCountText(2), players);
  LABLPocetHer->setObjectName(QStringLiteral("LABLPocetHer"));
  LABLPocetHer->setGeometry(6, 106, 90, 18);
  LABLPocetHracu = new QLabel(players);
  LABLPocetHracu->setObjectName(QStringLiteral("LABLPocetHracu"));
  LABLPocetHracu->setGeometry(96, 106, 106, 18);
  LABLPocetHracu->hide();

  GRPBXTabulka = new QGroupBox(QStringLiteral(" tabulka odehranych her"), this);
  GRPBXTabulka->setObjectName(QStringLiteral("GRPBXTabulka"));
  GRPBXTabulka->setGeometry(layout::kTableGroup);

  STGOutput = new QTableWidget(GRPBXTabulka);
  STGOutput->setObjectName(QStringLiteral("STGOutput"));
  STGOutput->setToolTip(QStringLiteral("tabulka her"));
  STGOutput->setGeometry(6, 20, layout::kTableGroup.width() - 12, layout::kTableGroup.height() - 70);
  styleScoreTable(STGOutput);
  grid = new TableGrid(STGOutput);

  BUTNSmazat = new QPushButton(QStringLiteral("smazat >>"), GRPBXTabulka);
  BUTNSmazat->setObjectName(QStringLiteral("BUTNSmazat"));
  BUTNSmazat->setToolTip(QStringLiteral("smazani z tabulky her"));
  BUTNSmazat->setGeometry(6, layout::kTableGroup.height() - 32, 100, 26);
  BUTNSmazat->setEnabled(false);

  POPMNUSmazaniVTabulceHer = new QMenu(this);
  POPMNUSmazaniVTabulceHer->setObjectName(QStringLiteral("POPMNUSmazaniVTabulceHer"));
  POPUPSmazVSe = POPMNUSmazaniVTabulceHer->addAction(QStringLiteral("vsechno"));
  POPUPSmazVSe->setObjectName(QStringLiteral("POPUPSmazVSe"));
  POPUPSmazPosledni = POPMNUSmazaniVTabulceHer->addAction(QStringLiteral("posledni hru"));
  POPUPSmazPosledni->setObjectName(QStringLiteral("POPUPSmazPosledni"));
  POPUPSmazHry = POPMNUSmazaniVTabulceHer->addAction(QStringLiteral("pouze hry"));
  POPUPSmazHry->setObjectName(QStringLiteral("POPUPSmazHry"));
  POPUPSmazHry->setToolTip(QStringLiteral("secte hry a pak je vymaze"));
  for (QAction* a : {POPUPSmazVSe, POPUPSmazPosledni, POPUPSmazHry}) a->setEnabled(false);

  // Named procedures that other handlers run; never shown.
  BUTNNovaHraZeJmen = new QPushButton(QStringLiteral("nova hra ze jmen"), this);
  BUTNNovaHraZeJmen->setObjectName(QStringLiteral("BUTNNovaHraZeJmen"));
  BUTNNovaHraZeJmen->hide();
  BUTNSpoctiSumu = new QPushButton(QStringLiteral("prepocti sumu"), this);
  BUTNSpoctiSumu->setObjectName(QStringLiteral("BUTNSpoctiSumu"));
  BUTNSpoctiSumu->hide();

  // An empty table of no players until the first new game.
  grid->setColumnCount(0);
  grid->setRowCount(2);
}

void TFRMMain::connectLedger() {
  connect(BUTNNovaHraZeJmen, &QPushButton::clicked, this, &TFRMMain::BUTNNovaHraZeJmenClick);
  connect(BUTNSpoctiSumu, &QPushButton::clicked, this, &TFRMMain::BUTNSpoctiSumuClick);
  connect(BUTNNOvaHra, &QPushButton::clicked, this, &TFRMMain::BUTNNOvaHraClick);
  connect(LIBXHraci, &QListWidget::itemSelectionChanged, this, [this] {
    // A game always has its declarer: a click beside the names or a
    // Ctrl+click on the declarer must not take him away.
    if (LIBXHraci->selectedItems().isEmpty() && LIBXHraci->currentRow() >= 0) {
      selectDeclarer(LIBXHraci->currentRow());
      return;
    }
    LIBXHraciClick();
  });
  // A click on the declarer himself runs the selection again (the partner
  // switches are cleared and the hand priced), as any click on a name does.
  connect(LIBXHraci, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (LIBXHraci->row(item) == declarerIndex()) LIBXHraciClick();
  });
  // The marker list follows the player list when that one scrolls.
  connect(LIBXHraci->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int v) { LSTBXOznaceniVolice->verticalScrollBar()->setValue(v); });
  LABLPocetHer->installEventFilter(this);
  connect(BUTNSmazat, &QPushButton::clicked, this,
          [this] { POPMNUSmazaniVTabulceHer->popup(BUTNSmazat->mapToGlobal(QPoint(0, 0))); });
}

int TFRMMain::playerCount() const { return LIBXHraci->count(); }

int TFRMMain::chooserIndex() const {
  bool ok = false;
  const int i = LABLIndexVolice->text().trimmed().toInt(&ok);
  return ok ? i : -1;
}

int TFRMMain::declarerIndex() const { return selectedRow(LIBXHraci); }

// Makes the player the declarer without running the selection handler.
void TFRMMain::selectDeclarer(int index) {
  selectRowQuietly(LIBXHraci, index);
  if (index >= 0 && index < LIBXHraci->count())
    LIBXHraci->scrollToItem(LIBXHraci->item(index), QAbstractItemView::PositionAtTop);
}

void TFRMMain::BUTNNOvaHraClick() {
  QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
  if (roster->count() <= 1) {
    FORMZadaniHracu->show();
    FORMZadaniHracu->raise();
    return;
  }
  if (STGOutput->rowCount() > 2 && !askYesNo(this, QStringLiteral("Opravdu zalozit novou hru ?"))) return;

  const QStringList names = itemTexts(roster);
  bool onlyThree = false;
  if (ledger::newGameAsksForThree(static_cast<int>(names.size()), CKBXHraniPauzirovaneho->isChecked())) {
    if (!askYesNo(this, QStringLiteral("Neni povoleno hrani pauziraku,\n"
                                       " mam pokracovat a natahnout jen tri hrace ?")))
      return;
    onlyThree = true;
  }
  const QStringList players = ledger::newGamePlayers(names, onlyThree);
  {
    const QSignalBlocker block(LIBXHraci);
    LIBXHraci->clear();
    LIBXHraci->addItems(players);
  }
  selectDeclarer(ledger::newGameDeclarer(selectedRow(roster), static_cast<int>(players.size())));

  LSTBXOznaceniVolice->clear();
  for (int i = 0; i < players.size(); ++i) LSTBXOznaceniVolice->addItem(QString());

  BUTNNovaHraZeJmenClick();
  BUTNSpoctiSumuClick();
  refreshRoleMarkers();
  BUTNPrepoctiClick();

  FORMZadaniHracu->BUTNZamenit->setEnabled(LIBXHraci->count() > 0 && roster->count() > 0);
  LABLPocetHracu->setText(ledger::playerCountText(playerCount()));
  LABLPocetHracu->setVisible(playerCount() > 3);
  eveningChanged();
}

void TFRMMain::BUTNNovaHraZeJmenClick() {
  ledger::freshTable(*grid, itemTexts(LIBXHraci));
  BUTNPridejSkore->setEnabled(true);
  CKBXZobrazovatDruhyHerClick();
  fitColumnWidths();
  scrollToRow(1);
}

// Widths follow the columns, not their indexes: every player's column shows
// a whole money cell, the description column is 400 wide, whatever the
// columns held before.
void TFRMMain::fitColumnWidths() {
  const int n = playerCount();
  const int playerWidth = STGOutput->horizontalHeader()->defaultSectionSize();
  for (int c = 0; c < STGOutput->columnCount(); ++c)
    STGOutput->setColumnWidth(c, c < n ? playerWidth : ledger::kDescriptionColumnWidth);
}

void TFRMMain::CKBXZobrazovatDruhyHerClick() {
  if (!flags.descriptionColumnGuard) return;
  const int n = playerCount();
  if (CKBXZobrazovatDruhyHer->isChecked()) {
    if (ledger::addDescriptionColumn(*grid, n)) fitColumnWidths();
  } else if (ledger::hasDescriptionColumn(*grid, n)) {
    if (!askYesNo(this, QStringLiteral("Opravdu smazat informace o hrach ?"))) {
      flags.descriptionColumnGuard = 0;
      CKBXZobrazovatDruhyHer->setChecked(true);
      flags.descriptionColumnGuard = 1;
      return;
    }
    ledger::removeDescriptionColumn(*grid, n);
  }
  BUTNPrepoctiClick();
  BUTNSpoctiSumuClick();
  eveningChanged();
}

void TFRMMain::BUTNSpoctiSumuClick() {
  ledger::recomputeSums(*grid, playerCount(), CKBXZobrazovatDruhyHer->isChecked());
  scrollToRow(STGOutput->rowCount() - 1);
  LABLPocetHerClick();
}

void TFRMMain::LABLPocetHerClick() {
  const int rows = STGOutput->rowCount();
  LABLPocetHer->setText(ledger::handCountText(rows));
  const ledger::CounterState s = ledger::counterState(rows, playerCount());
  POPUPSmazHry->setEnabled(s.removeHands);
  POPUPSmazVSe->setEnabled(s.removeAll);
  POPUPSmazPosledni->setEnabled(s.removeLast);
  BUTNSmazat->setEnabled(s.removeButton);
  BUTNGrafika->setEnabled(s.resultsButton);
}

void TFRMMain::LIBXHraciClick() {
  const int d = declarerIndex();
  BUTNPridejSkore->setEnabled(d >= 0);
  if (d >= 0) LIBXHraci->scrollToItem(LIBXHraci->item(d), QAbstractItemView::PositionAtTop);
  refreshRoleMarkers();
  clearPartnerSwitches();
  BUTNPrepoctiClick();
  eveningChanged();
}

void TFRMMain::refreshRoleMarkers() {
  const QStringList markers = ledger::roleMarkers(LSTBXOznaceniVolice->count(), chooserIndex(), declarerIndex());
  for (int i = 0; i < markers.size(); ++i) {
    QListWidgetItem* item = LSTBXOznaceniVolice->item(i);
    item->setText(markers[i]);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);  // next to the name
  }
  alignRoleMarkers();
  LSTBXOznaceniVolice->clearSelection();
  BUTNZmenaVolice->setEnabled(LSTBXOznaceniVolice->count() > 0);
}

// The marker list shows the same top item as the player list. Both lists
// are laid out first: a list filled a moment ago has no scroll range yet.
void TFRMMain::alignRoleMarkers() {
  LIBXHraci->doItemsLayout();
  LSTBXOznaceniVolice->doItemsLayout();
  LSTBXOznaceniVolice->verticalScrollBar()->setValue(LIBXHraci->verticalScrollBar()->value());
}

void TFRMMain::scrollToRow(int row) {
  const int rows = STGOutput->rowCount();
  if (rows <= 0 || STGOutput->columnCount() <= 0) return;
  if (row >= rows) row = rows - 1;
  if (row < 0) row = 0;
  if (row < rows - 1) {
    // Lay the table out first: a column added a moment ago may bring the
    // horizontal scroll bar, which takes room from the rows.
    STGOutput->doItemsLayout();
    STGOutput->scrollTo(STGOutput->model()->index(row, 0), QAbstractItemView::PositionAtBottom);
    return;
  }
  // The last row at the bottom is where both scroll bars end, with the first
  // column in view. Qt's own ways there walk every row above once the names
  // row is hidden (scrollTo counts the hidden rows, and a bar left short of
  // its end by a new row places the rows by counting them), so the bar keeps
  // to its end while the layout moves it: a hand added to a long evening
  // costs what one added to a short evening costs.
  QScrollBar* bar = STGOutput->verticalScrollBar();
  const QMetaObject::Connection follow =
      connect(bar, &QScrollBar::rangeChanged, bar, [bar](int, int end) { bar->setValue(end); });
  bar->setValue(bar->maximum());
  STGOutput->doItemsLayout();
  disconnect(follow);
  bar->setValue(bar->maximum());
  STGOutput->horizontalScrollBar()->setValue(0);
}

bool TFRMMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LABLPocetHer && event->type() == QEvent::MouseButtonRelease) LABLPocetHerClick();
  numberFieldEvent(watched, event);
  return QWidget::eventFilter(watched, event);
}
