// The results window's page of records: the records table of every player
// (balances, wins and losses with their hands), its column headers and
// widths, the separators between the column groups, and the finders that
// mark a record.

#include "common/controls.h"
#include "stats/records.h"
#include "stats/resultswindow.h"
#include "stats/resultswindow_grids.h"
#include "common/fontscale.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kvadus;
using namespace kvadus::resultspage;
namespace stats = kvadus::stats;

void TFRMGrafika::buildRecordsPage() {
  STRGRMinMax = makeStringGrid(PGStatistika, "STRGRMinMax", QStringLiteral("tabulka rekordu"));
  STRGRMinMax->setColumnCount(stats::kRecordColumns);
  STRGRMinMax->setRowCount(stats::kRecordRowsShown);
  STRGRMinMax->verticalHeader()->setMinimumSectionSize(gridRowHeight(stats::kRecordRowHeight));
  STRGRMinMax->verticalHeader()->setDefaultSectionSize(gridRowHeight(stats::kRecordRowHeight));
  STRGRMinMax->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  STRGRMinMax->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c = 1; c < stats::kRecordColumns; c += 2) {
    auto* line = new QFrame(STRGRMinMax->viewport());
    line->setObjectName(QStringLiteral("PNLOddelovac%1").arg(c / 2 + 1));
    line->setFrameShape(QFrame::NoFrame);
    line->setStyleSheet(QStringLiteral("background: #707070;"));
    separators << line;
  }

  LABLPopisCislaHry = makeLabel(PGStatistika, "LABLPopisCislaHry", QString(), QRect());
  GRPBXVyhledani = new QGroupBox(QStringLiteral("vyhledani"), PGStatistika);
  GRPBXVyhledani->setObjectName(QStringLiteral("GRPBXVyhledani"));
  BUTNMaxStav = makeButton(GRPBXVyhledani, "BUTNMaxStav", QStringLiteral("max. stav"),
                           QStringLiteral("vyhleda maximalni hodnotu stavu penez v prubehu hry"));
  BUTNMinStav = makeButton(GRPBXVyhledani, "BUTNMinStav", QStringLiteral("min. stav"),
                           QStringLiteral("vyhleda minimalni hodnotu stavu penez v prubehu hry"));
  BUTNMaxVyhra = makeButton(GRPBXVyhledani, "BUTNMaxVyhra", QStringLiteral("vyhra"),
                            QStringLiteral("vyhleda maximalni vyhru v prubehu hry"));
  BUTNMaxProhra = makeButton(GRPBXVyhledani, "BUTNMaxProhra", QStringLiteral("prohra"),
                             QStringLiteral("vyhleda maximalni prohru v prubehu hry"));
  BUTNVitez = makeButton(GRPBXVyhledani, "BUTNVitez", QStringLiteral("vitez"), QStringLiteral("oznaci viteze"));
  BUTNSmolar = makeButton(GRPBXVyhledani, "BUTNSmolar", QStringLiteral("smolar"),
                          QStringLiteral("oznaci nejvice platiciho hrace"));
  auto* finders = new QHBoxLayout(GRPBXVyhledani);
  for (QPushButton* b : {BUTNMaxStav, BUTNMinStav, BUTNMaxVyhra, BUTNMaxProhra, BUTNVitez, BUTNSmolar})
    finders->addWidget(b);
  BUTNSirkySloupcu = makeHiddenButton(PGStatistika, "BUTNSirkySloupcu", QStringLiteral("Sirky"));

  auto* page = new QVBoxLayout(PGStatistika);
  page->setContentsMargins(8, 8, 8, 8);
  page->addWidget(STRGRMinMax, 0, Qt::AlignLeft);
  page->addWidget(LABLPopisCislaHry);
  page->addSpacing(8);
  page->addWidget(GRPBXVyhledani, 0, Qt::AlignLeft);
  page->addStretch(1);
}

// ---- the records ---------------------------------------------------------------

void TFRMGrafika::BUTNSirkySloupcuClick() {
  LABLPopisCislaHry->setText(stats::handNumberNote());
  const QStringList headers = stats::recordHeaders();
  int width = 0;
  for (int c = 0; c < stats::kRecordColumns; ++c) {
    setGridCell(STRGRMinMax, c, 0, headers[c], true);
    // Wide enough for the whole money text in the grid's font.
    int w = stats::recordColumnWidth(c);
    if (c != stats::kNameColumn) w = columnWidthFor(STRGRMinMax, stats::isHandNumberColumn(c) ? 2 : 11, w);
    STRGRMinMax->setColumnWidth(c, w);
    // The header keeps a least width of its own, which grows with the font.
    width += STRGRMinMax->columnWidth(c);
  }
  int height = 0;
  for (int r = 0; r < stats::kRecordRowsShown; ++r) height += STRGRMinMax->rowHeight(r);
  const int frame = 2 * STRGRMinMax->frameWidth() + 2;
  STRGRMinMax->setFixedSize(width + frame, height + frame);
  placeSeparators();
}

void TFRMGrafika::placeSeparators() {
  const int players = EDITPocetHracu->text().toInt();
  // The grid shows its first rows; a row's height here includes its grid
  // line.
  const int row = gridRowHeight(stats::kRecordRowHeight);
  const int height = stats::separatorHeight(stats::kRecordRowsShown * row, row, 0, players);
  for (int i = 0; i < separators.size(); ++i) {
    const int column = 2 * i + 1;
    separators[i]->setGeometry(STRGRMinMax->columnViewportPosition(column) - 2, 0, 2, height);
    separators[i]->raise();
  }
}

void TFRMGrafika::findRecord(stats::Record record) {
  const stats::RecordFinder f = stats::recordFinder(record);
  const int n = EDITPocetHracu->text().toInt();
  QStringList texts;
  for (int r = 1; r <= n; ++r) texts << gridCell(STRGRMinMax, f.column, r);
  const int found = stats::findRecord(texts, f.highest);
  STRGRMinMax->clearSelection();
  if (found < 0) return;
  const int row = found + 1;
  STRGRMinMax->setRangeSelected(QTableWidgetSelectionRange(row, f.column, row, f.column + f.width - 1), true);
}

void TFRMGrafika::BUTNMaxStavClick() { findRecord(stats::Record::HighestBalance); }
void TFRMGrafika::BUTNMinStavClick() { findRecord(stats::Record::LowestBalance); }
void TFRMGrafika::BUTNMaxVyhraClick() { findRecord(stats::Record::BiggestWin); }
void TFRMGrafika::BUTNMaxProhraClick() { findRecord(stats::Record::BiggestLoss); }
void TFRMGrafika::BUTNVitezClick() { findRecord(stats::Record::Winner); }
void TFRMGrafika::BUTNSmolarClick() { findRecord(stats::Record::Loser); }
