// The results window's frame: the tabs, the counters, the paid flag and the
// closing and printing buttons, the wiring of every page, the activation
// that recomputes the window and the recompute itself. The pages are in
// stats/resultswindow_records.cpp, _charts.cpp, _settlement.cpp and
// _reports.cpp.

#include "stats/resultswindow.h"

#include "common/controls.h"
#include "common/printout.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "shell/mainwindow.h"
#include "shell/screenmetrics.h"
#include "shell/startup.h"
#include "stats/records.h"
#include "stats/resultswindow_grids.h"
#include "common/fontscale.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>

using namespace kvadus;
namespace stats = kvadus::stats;

namespace kvadus::resultspage {

QTableWidget* makeStringGrid(QWidget* parent, const char* name, const QString& hint) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(QLatin1String(name));
  grid->setToolTip(hint);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);  // the program marks, not the mouse
  grid->setWordWrap(false);
  grid->setCornerButtonEnabled(false);
  grid->setFont(fixedFont());
  // A marked range stays visible while another window is active.
  QPalette p = grid->palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
  grid->setPalette(p);
  return grid;
}

void setGridCell(QTableWidget* grid, int column, int row, const QString& text, bool fixed) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(text);
  if (fixed) {
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(grid->palette().color(QPalette::Button));
  } else {
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(Qt::BackgroundRole, QVariant());
  }
}

QString gridCell(const QTableWidget* grid, int column, int row) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

int columnWidthFor(const QTableWidget* grid, int chars, int least) {
  const int text = grid->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
  return std::max(least, text + 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 6);
}

}  // namespace kvadus::resultspage

using namespace kvadus::resultspage;

// ---- building -------------------------------------------------------------------

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+S", "bBUTNPrekresliGraf"}, {"Alt+Y", "BUTNPrekresliGrafVyhry"},
    {"Alt+C", "BUTNPrepoctiCenik"},  {"Alt+U", "BUTNSave"},
    {"Alt+J", "CHBXZaplaceno"},      {"Alt+N", "BUTNNastaveniTisku"},
    {"Alt+K", "BUTNTisk"},           {"Alt+F", "BUTNPdf"},
    {"Alt+Z", "BUTNClose"},
};
}  // namespace

AcceleratorTable TFRMGrafika::accelerators() { return kAccelerators; }

TFRMGrafika::TFRMGrafika(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FRMGrafika"));
  setWindowTitle(QStringLiteral("Vysledky"));
  setToolTip(QStringLiteral("vysledky partie"));
  printer_.setMaker([] { return new QPrinter(QPrinter::HighResolution); });

  PGCTRLOutPut = new QTabWidget(this);
  PGCTRLOutPut->setObjectName(QStringLiteral("PGCTRLOutPut"));
  PGGraf = makePage(PGCTRLOutPut, "PGGraf", QStringLiteral("prubeh partie"), QStringLiteral("prubehy partie"));
  PGCelkem =
      makePage(PGCTRLOutPut, "PGCelkem", QStringLiteral("stav po posledni hre"), QStringLiteral("konecny vysledek"));
  PGStatistika = makePage(PGCTRLOutPut, "PGStatistika", QStringLiteral("rekordy v prubehu partie"),
                          QStringLiteral("rekordy v prubehu partie"));
  PGUctenka = makePage(PGCTRLOutPut, "PGUctenka", QStringLiteral("ucet po posledni hre"),
                       QStringLiteral("ucet po posledni hre"));
  PGCenik = makePage(PGCTRLOutPut, "PGCenik", QStringLiteral("aktualni cenik"), QStringLiteral("aktualni cenik"));
  PGTisk = makePage(PGCTRLOutPut, "PGTisk", QStringLiteral("tisk textu"), QStringLiteral("tisk textu"));

  buildCounters();
  buildCourseChartPage();
  buildFinalChartPage();
  buildRecordsPage();
  buildSettlementPage();
  buildPriceListPage();
  buildTextPage();

  CHBXZaplaceno = makeCheck(this, "CHBXZaplaceno", QStringLiteral("hra jiz zaplacena"), QRect(),
                            QStringLiteral("indikace, zda hra jiz byla/nebyla zaplacena"));
  QFont bold = CHBXZaplaceno->font();
  bold.setBold(true);
  CHBXZaplaceno->setFont(bold);
  BUTNClose = makeButton(this, "BUTNClose", QStringLiteral("zavrit <<"),
                         QStringLiteral("zavre okno a vrati se do hlavniho formulare"));
  BUTNPrepocti = makeHiddenButton(this, "BUTNPrepocti", QStringLiteral("Prepocti"));
  BUTNTisk = makeButton(this, "BUTNTisk", QStringLiteral("Vytisknout >>"), QStringLiteral("vytiskne aktualni stranku"));
  BUTNPdf = makeButton(this, "BUTNPdf", kvadus::pdfButtonCaption(), kvadus::pdfButtonHint());
  BUTNNastaveniTisku = makeButton(this, "BUTNNastaveniTisku", QStringLiteral("Nastaveni tisku >>"),
                                  QStringLiteral("Zobrazeni dialogu pro nastaveni tisku"));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(CHBXZaplaceno);
  bottom->addStretch(1);
  bottom->addWidget(BUTNNastaveniTisku);
  bottom->addWidget(BUTNTisk);
  bottom->addWidget(BUTNPdf);
  bottom->addSpacing(12);
  bottom->addWidget(BUTNClose);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  auto* top = new QHBoxLayout;
  top->addWidget(GRPBXPocty);
  top->addStretch(1);
  outer->addLayout(top);
  outer->addWidget(PGCTRLOutPut, 1);
  outer->addLayout(bottom);

  connectControls();
  BUTNSirkySloupcuClick();
  resetPriceList();
  resize(openingSize(QSize(792, 560)));
  setUpKeyboard(this, accelerators());
}

QSize TFRMGrafika::openingSize(const QSize& wanted) const {
  // Every tab caption whole, without scroll arrows: the tab bar's own width,
  // the window's margins and the tab widget's frame around it.
  const QMargins around = layout()->contentsMargins();
  const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, PGCTRLOutPut);
  const int tabs = PGCTRLOutPut->tabBar()->sizeHint().width() + around.left() + around.right() + frame + 4;
  const ScreenMetrics screen = screenMetrics(this, WindowKind::Resizable);
  return windowsize::clientSizeWithin(QSize(std::max(wanted.width(), tabs), wanted.height()), screen.workArea,
                                      screen.frame);
}

TFRMGrafika::~TFRMGrafika() = default;

void TFRMGrafika::buildCounters() {
  GRPBXPocty = new QGroupBox(QStringLiteral("pocty"), this);
  GRPBXPocty->setObjectName(QStringLiteral("GRPBXPocty"));
  GRPBXPocty->setToolTip(QStringLiteral("zakladni udaje"));
  LABLHer = makeLabel(GRPBXPocty, "LABLHer", QStringLiteral("her:"), QRect());
  LABLHracu = makeLabel(GRPBXPocty, "LABLHracu", QStringLiteral("hracu:"), QRect());
  EDITPocetHer = makeReadOnlyEdit(GRPBXPocty, "EDITPocetHer", QStringLiteral("0"));
  EDITPocetHracu = makeReadOnlyEdit(GRPBXPocty, "EDITPocetHracu", QStringLiteral("0"));
  for (QLineEdit* e : {EDITPocetHer, EDITPocetHracu}) {
    QFont f = e->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    e->setFont(f);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setFixedWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("000000")) + 12);
  }
  auto* row = new QHBoxLayout(GRPBXPocty);
  row->setContentsMargins(8, 4, 8, 4);
  row->addWidget(LABLHer);
  row->addWidget(EDITPocetHer);
  row->addSpacing(12);
  row->addWidget(LABLHracu);
  row->addWidget(EDITPocetHracu);
}

void TFRMGrafika::connectControls() {
  connect(BUTNPrepocti, &QPushButton::clicked, this, &TFRMGrafika::BUTNPrepoctiClick);
  connect(BUTNSirkySloupcu, &QPushButton::clicked, this, &TFRMGrafika::BUTNSirkySloupcuClick);
  connect(BUTNMaxStav, &QPushButton::clicked, this, &TFRMGrafika::BUTNMaxStavClick);
  connect(BUTNMinStav, &QPushButton::clicked, this, &TFRMGrafika::BUTNMinStavClick);
  connect(BUTNMaxVyhra, &QPushButton::clicked, this, &TFRMGrafika::BUTNMaxVyhraClick);
  connect(BUTNMaxProhra, &QPushButton::clicked, this, &TFRMGrafika::BUTNMaxProhraClick);
  connect(BUTNVitez, &QPushButton::clicked, this, &TFRMGrafika::BUTNVitezClick);
  connect(BUTNSmolar, &QPushButton::clicked, this, &TFRMGrafika::BUTNSmolarClick);
  connect(BUTNClose, &QPushButton::clicked, this, &TFRMGrafika::BUTNCloseClick);

  connect(BUTNPrekresliCelkem, &QPushButton::clicked, this, &TFRMGrafika::BUTNPrekresliCelkemClick);
  connect(bBUTNPrekresliGraf, &QPushButton::clicked, this, &TFRMGrafika::bBUTNPrekresliGrafClick);
  connect(BUTNPrekresliGrafVyhry, &QPushButton::clicked, this, &TFRMGrafika::BUTNPrekresliGrafVyhryClick);
  connect(CHBXSchody, &QCheckBox::toggled, this, &TFRMGrafika::CHBXSchodyClick);
  connect(CHBXZobrazitMinMax, &QCheckBox::toggled, this, &TFRMGrafika::CHBXZobrazitMinMaxClick);
  connect(CHBXZaplaceno, &QCheckBox::toggled, this, &TFRMGrafika::CHBXZaplacenoClick);
  connect(PGCTRLOutPut, &QTabWidget::currentChanged, this, &TFRMGrafika::PGCTRLOutPutChange);

  connect(BUTNPrepoctiPlatby, &QPushButton::clicked, this, &TFRMGrafika::BUTNPrepoctiPlatbyClick);
  connect(BUTNOznacDostane, &QPushButton::clicked, this, &TFRMGrafika::BUTNOznacDostaneClick);
  connect(BUTNOznacZaplati, &QPushButton::clicked, this, &TFRMGrafika::BUTNOznacZaplatiClick);
  connect(LISTBXPlati, &QListWidget::itemSelectionChanged, this, &TFRMGrafika::LISTBXPlatiClick);
  connect(LISTBXDostava, &QListWidget::itemSelectionChanged, this, &TFRMGrafika::LISTBXDostavaClick);
  connect(LSTBXNaNule, &QListWidget::itemSelectionChanged, this, &TFRMGrafika::LSTBXNaNuleClick);
  connectReports();

  // A window of the program other than this one and its own boxes takes the
  // focus: coming back here is a new visit.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
    if (window && !belongsHere(window)) returning_ = false;
  });
}

// ---- activation -----------------------------------------------------------------

bool TFRMGrafika::belongsHere(const QWindow* window) const {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->windowHandle() != window) continue;
    for (const QWidget* p = w; p; p = p->parentWidget())
      if (p == this) return true;
    return false;
  }
  return false;
}

bool TFRMGrafika::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate) {
    // Where the activation went decides what coming back means: from one
    // of this window's own boxes or dialogs, or from another program, it
    // continues this visit.
    const QWidget* next = QApplication::activeWindow();
    returning_ = !next || (next != this && next->windowHandle() && belongsHere(next->windowHandle()));
  } else if (e->type() == QEvent::WindowActivate) {
    const bool returning = std::exchange(returning_, false);
    const bool handled = QWidget::event(e);
    if (!returning) FormActivate();
    return handled;
  }
  return QWidget::event(e);
}

void TFRMGrafika::showEvent(QShowEvent* e) {
  returning_ = false;
  CHARTGraf.get();
  CHARTCelkem.get();
  if (!e->spontaneous()) FormShow();
  QWidget::showEvent(e);
  placeSeparators();
}

void TFRMGrafika::hideEvent(QHideEvent* e) {
  returning_ = false;
  QWidget::hideEvent(e);
}

void TFRMGrafika::FormActivate() {
  BUTNPrepoctiClick();
  CHBXZaplaceno->setChecked(false);
  CHBXZaplacenoClick();
}

void TFRMGrafika::BUTNCloseClick() { hide(); }

// ---- the recompute and the records ------------------------------------------------

void TFRMGrafika::BUTNPrepoctiClick() { recompute(); }

void TFRMGrafika::recompute() {
  const ScoreGrid& scores = *FRMMain->grid;
  const int n = FRMMain->LIBXHraci->count();
  const int shownRows = std::max(stats::kRecordRowsShown, n + 1);

  STRGRMinMax->clearContents();
  STRGRMinMax->setRowCount(shownRows);
  for (int r = 0; r < shownRows; ++r) STRGRMinMax->setRowHidden(r, r >= stats::kRecordRowsShown);
  const QList<QStringList> rows = stats::recordRows(scores, n);
  for (int k = 1; k <= n; ++k)
    for (int c = 0; c < stats::kRecordColumns; ++c) setGridCell(STRGRMinMax, c, k, rows[k - 1][c], false);

  EDITPocetHer->setText(QString::number(ledger::handCount(scores.rowCount())));
  EDITPocetHracu->setText(QString::number(n));
  STRGRMinMax->clearSelection();
  STRGRMinMax->setCurrentItem(nullptr);

  BUTNPrekresliCelkemClick();
  bBUTNPrekresliGrafClick();
  BUTNSirkySloupcuClick();
  BUTNPrepoctiPlatbyClick();
}
