// The results window's settlement: who pays whom to the cent, the grid of
// payments and its lists of payers, receivers and players at zero, the sum
// that changes hands, and the marks of a player's payments or receipts.

#include "common/controls.h"
#include "common/messages.h"
#include "stats/records.h"
#include "stats/resultswindow.h"
#include "stats/resultswindow_grids.h"
#include "stats/settlement.h"
#include "common/fontscale.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kvadus;
using namespace kvadus::resultspage;
namespace stats = kvadus::stats;

// ---- building -------------------------------------------------------------------

void TFRMGrafika::buildSettlementPage() {
  STGRUctenka = makeStringGrid(PGUctenka, "STGRUctenka", QStringLiteral("Ma dati / Dostane"));
  STGRUctenka->verticalHeader()->setDefaultSectionSize(gridRowHeight(20));
  // The names of row 0 and column 0 are shown as the grid's headers, so that
  // they stay in view when a grid of many players scrolls; the corner holds
  // the corner cell's text.
  for (QHeaderView* header : {STGRUctenka->horizontalHeader(), STGRUctenka->verticalHeader()}) {
    header->show();
    header->setFont(STGRUctenka->font());
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  // Enabled, so that its text is not greyed; a click on it selects nothing,
  // since only the program marks cells here.
  STGRUctenka->setCornerButtonEnabled(true);
  if (auto* corner = STGRUctenka->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    auto* label = new QLabel(corner);
    label->setObjectName(QStringLiteral("LABLRohUctenky"));
    label->setFont(STGRUctenka->font());
    label->setContentsMargins(4, 0, 0, 0);
    auto* fill = new QHBoxLayout(corner);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(label);
  }

  auto makeSettlementList = [this](const char* name, const QString& hint) {
    QListWidget* l = makeList(PGUctenka, name, QRect());
    l->setToolTip(hint);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
  };
  LISTBXPlati = makeSettlementList("LISTBXPlati", QStringLiteral("seznam hracu v minusu"));
  LISTBXDostava = makeSettlementList("LISTBXDostava", QStringLiteral("seznam hracu v plusu"));
  LSTBXNaNule = makeSettlementList("LSTBXNaNule", QStringLiteral("seznam hracu v plusu"));
  LSTBXPlatiIndex = makeList(PGUctenka, "LSTBXPlatiIndex", QRect());
  LSTBXDostavaIndex = makeList(PGUctenka, "LSTBXDostavaIndex", QRect());
  LSTBXNaNuleIndex = makeList(PGUctenka, "LSTBXNaNuleIndex", QRect());
  setVisibleAll({LSTBXPlatiIndex, LSTBXDostavaIndex, LSTBXNaNuleIndex}, false);

  LABLNadpisSumaUctu = makeLabel(PGUctenka, "LABLNadpisSumaUctu", stats::validHeading(), QRect());
  LABLNadpisSumaUctu->setToolTip(QStringLiteral("kolik penez zmeni majitele"));
  LABLNadpisSumaUctu->setWordWrap(true);
  EDITPlusMinus = makeReadOnlyEdit(PGUctenka, "EDITPlusMinus", QStringLiteral("0"));
  EDITPlusMinus->setToolTip(QStringLiteral("kolik penez zmeni majitele"));
  QFont bold = EDITPlusMinus->font();
  bold.setBold(true);
  EDITPlusMinus->setFont(bold);
  BUTNOznacDostane =
      makeButton(PGUctenka, "BUTNOznacDostane", QStringLiteral("prijmy"), QStringLiteral("Oznaci prijmy"));
  BUTNOznacZaplati =
      makeButton(PGUctenka, "BUTNOznacZaplati", QStringLiteral("platby"), QStringLiteral("Oznaci platby"));
  BUTNPrepoctiPlatby = makeHiddenButton(PGUctenka, "BUTNPrepoctiPlatby", QStringLiteral("Prepocti platby"));

  auto* side = new QVBoxLayout;
  side->addWidget(makeLabel(PGUctenka, nullptr, QStringLiteral("Plati:"), QRect()));
  side->addWidget(LISTBXPlati);
  side->addWidget(makeLabel(PGUctenka, nullptr, QStringLiteral("Dostavaji:"), QRect()));
  side->addWidget(LISTBXDostava);
  side->addWidget(makeLabel(PGUctenka, nullptr, QStringLiteral("Na nule:"), QRect()));
  side->addWidget(LSTBXNaNule);
  side->addSpacing(6);
  side->addWidget(LABLNadpisSumaUctu);
  side->addWidget(EDITPlusMinus);
  side->addSpacing(6);
  side->addWidget(makeLabel(PGUctenka, nullptr, QStringLiteral("Oznac:"), QRect()));
  auto* mark = new QHBoxLayout;
  mark->addWidget(BUTNOznacDostane);
  mark->addWidget(BUTNOznacZaplati);
  side->addLayout(mark);
  for (QPushButton* b : {BUTNOznacDostane, BUTNOznacZaplati}) b->setFixedWidth(77);
  for (QListWidget* l : {LISTBXPlati, LISTBXDostava, LSTBXNaNule}) l->setFixedWidth(160);
  EDITPlusMinus->setFixedWidth(160);
  LABLNadpisSumaUctu->setFixedWidth(160);

  auto* page = new QHBoxLayout(PGUctenka);
  page->setContentsMargins(6, 6, 6, 6);
  page->addWidget(STGRUctenka, 1);
  page->addLayout(side);
}

// ---- settlement -----------------------------------------------------------------

void TFRMGrafika::BUTNPrepoctiPlatbyClick() {
  const int n = EDITPocetHracu->text().toInt();
  QStringList names, balances;
  for (int k = 1; k <= n; ++k) {
    names << gridCell(STRGRMinMax, stats::kNameColumn, k);
    balances << gridCell(STRGRMinMax, stats::kFinalColumn, k);
  }
  const stats::Settlement s = stats::settle(names, balances);

  STGRUctenka->clearContents();
  STGRUctenka->setColumnCount(n + 2);
  STGRUctenka->setRowCount(n + 2);
  const int width = columnWidthFor(STGRUctenka, 11, 90);
  for (int c = 0; c < n + 2; ++c) STGRUctenka->setColumnWidth(c, width);
  for (int r = 0; r < n + 2; ++r)
    for (int c = 0; c < n + 2; ++c) {
      const QString text = s.grid.cell(c, r);
      if (c == 0 || r == 0 || !text.isEmpty()) setGridCell(STGRUctenka, c, r, text, c == 0 || r == 0);
    }
  STGRUctenka->setRowHidden(0, true);
  STGRUctenka->setColumnHidden(0, true);
  for (int c = 1; c < n + 2; ++c) STGRUctenka->setHorizontalHeaderItem(c, new QTableWidgetItem(s.grid.cell(c, 0)));
  for (int r = 1; r < n + 2; ++r) STGRUctenka->setVerticalHeaderItem(r, new QTableWidgetItem(s.grid.cell(0, r)));
  if (auto* corner = STGRUctenka->findChild<QLabel*>(QStringLiteral("LABLRohUctenky"))) {
    corner->setText(s.grid.cell(0, 0));
    STGRUctenka->verticalHeader()->setMinimumWidth(STGRUctenka->fontMetrics().horizontalAdvance(corner->text()) + 12);
  }
  STGRUctenka->clearSelection();

  const QList<QPair<QListWidget*, QStringList>> lists = {
      {LISTBXPlati, s.payers},      {LSTBXPlatiIndex, s.payerNumbers},
      {LISTBXDostava, s.receivers}, {LSTBXDostavaIndex, s.receiverNumbers},
      {LSTBXNaNule, s.even},        {LSTBXNaNuleIndex, s.evenNumbers}};
  for (const auto& [list, entries] : lists) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
  }

  CHBXUctenka->setEnabled(s.valid);
  LABLNadpisSumaUctu->setText(s.heading);
  EDITPlusMinus->setText(s.total);
  if (!s.valid) {
    CHBXUctenka->setChecked(false);
    showMessage(this, QStringLiteral("Chyba"), s.message);
  } else if (s.markReceipts) {
    BUTNOznacDostaneClick();
  }
}

void TFRMGrafika::markCells(int top, int left, int bottom, int right) {
  STGRUctenka->clearSelection();
  STGRUctenka->setRangeSelected(QTableWidgetSelectionRange(top, left, bottom, right), true);
}

void TFRMGrafika::BUTNOznacDostaneClick() {
  const int last = STGRUctenka->rowCount() - 1;
  for (QListWidget* l : {LISTBXPlati, LISTBXDostava, LSTBXNaNule}) selectRowQuietly(l, -1);
  if (last >= 1) markCells(last, 1, last, last);
}

void TFRMGrafika::BUTNOznacZaplatiClick() {
  const int last = STGRUctenka->columnCount() - 1;
  for (QListWidget* l : {LISTBXPlati, LISTBXDostava, LSTBXNaNule}) selectRowQuietly(l, -1);
  if (last >= 1) markCells(1, last, last, last);
}

void TFRMGrafika::chooseInList(QListWidget* list, QListWidget* twin, bool payerRow) {
  const int chosen = selectedRow(list);
  if (chosen < 0 || chosen >= twin->count()) return;
  for (QListWidget* other : {LISTBXPlati, LISTBXDostava, LSTBXNaNule})
    if (other != list) selectRowQuietly(other, -1);
  const int player = twin->item(chosen)->text().toInt();
  const int last = STGRUctenka->columnCount() - 1;
  if (payerRow) markCells(player, 1, player, last);
  else markCells(1, player, last, player);
}

void TFRMGrafika::LISTBXPlatiClick() { chooseInList(LISTBXPlati, LSTBXPlatiIndex, true); }
void TFRMGrafika::LISTBXDostavaClick() { chooseInList(LISTBXDostava, LSTBXDostavaIndex, false); }
void TFRMGrafika::LSTBXNaNuleClick() { chooseInList(LSTBXNaNule, LSTBXNaNuleIndex, false); }
