#include "stats/resultswindow.h"

#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/chartdata.h"
#include "stats/chartview.h"
#include "stats/records.h"
#include "stats/resultschart.h"
#include "stats/settlement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace kvadus;
namespace stats = kvadus::stats;

namespace {

// A string grid whose fixed row and column are cells drawn like the grid's
// frame, so that every reader finds the headers where the grid keeps them.
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
  grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // A marked range stays visible while another window is active.
  QPalette p = grid->palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
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

// A column wide enough for `chars` characters of the grid's font, and at
// least `least` pixels.
int columnWidthFor(const QTableWidget* grid, int chars, int least) {
  const int text = grid->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
  return std::max(least, text + 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 6);
}

// The values of a course-chart line, one per point, whether it is drawn as a
// line or as stairs: the last vertex at each x holds the point's value.
QList<double> lineValues(const QXYSeries* series) {
  QList<double> values;
  for (const QPointF& v : series->points()) {
    const int x = static_cast<int>(std::lround(v.x()));
    if (x < 0) continue;
    if (x >= values.size()) values.resize(x + 1);
    values[x] = v.y();
  }
  return values;
}

// The vertices that draw the values: a point per value, or stairs, which
// hold a value up to the next point and then step.
QList<QPointF> lineVertices(const QList<double>& values, bool stairs) {
  QList<QPointF> out;
  out.reserve(values.size() * (stairs ? 2 : 1));
  for (int i = 0; i < values.size(); ++i) {
    if (stairs && i > 0) out.append(QPointF(i, values[i - 1]));
    out.append(QPointF(i, values[i]));
  }
  return out;
}

// A vertex of a line as the index of the point whose value it draws: of
// stairs, the corner where a value ends belongs to that value.
int pointOfVertex(int vertex, bool stairs) { return stairs ? vertex / 2 : vertex; }

bool isStairs(const QXYSeries* series) {
  const QList<QPointF> points = series->points();
  return points.size() > 1 && points[0].x() == points[1].x() - 1 && points.size() > 2 &&
         points[1].x() == points[2].x();
}

constexpr qreal kBarWidth = 0.8;

QStringList uniqueCategories(const QStringList& names) {
  QStringList out;
  for (QString name : names) {
    if (name.isEmpty()) name = QStringLiteral(" ");
    while (out.contains(name)) name += QLatin1Char(' ');  // a category axis needs distinct names
    out << name;
  }
  return out;
}

}  // namespace

// ---- building -------------------------------------------------------------------

TFRMGrafika::TFRMGrafika(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FRMGrafika"));
  setWindowTitle(QStringLiteral("Vysledky"));
  setToolTip(QStringLiteral("vysledky partie"));
  resize(792, 560);
  printer_ = new QPrinter(QPrinter::HighResolution);

  PGCTRLOutPut = new QTabWidget(this);
  PGCTRLOutPut->setObjectName(QStringLiteral("PGCTRLOutPut"));
  PGGraf = makePage(PGCTRLOutPut, "PGGraf", QStringLiteral("prubeh partie"),
                    QStringLiteral("prubehy partie"));
  PGCelkem = makePage(PGCTRLOutPut, "PGCelkem", QStringLiteral("stav po posledni hre"),
                      QStringLiteral("konecny vysledek"));
  PGStatistika = makePage(PGCTRLOutPut, "PGStatistika", QStringLiteral("rekordy v prubehu partie"),
                          QStringLiteral("rekordy v prubehu partie"));
  PGUctenka = makePage(PGCTRLOutPut, "PGUctenka", QStringLiteral("ucet po posledni hre"),
                       QStringLiteral("ucet po posledni hre"));
  PGCenik = makePage(PGCTRLOutPut, "PGCenik", QStringLiteral("aktualni cenik"),
                     QStringLiteral("aktualni cenik"));
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
  BUTNTisk = makeButton(this, "BUTNTisk", QStringLiteral("Vytisknout >>"),
                        QStringLiteral("vytiskne aktualni stranku"));
  BUTNNastaveniTisku = makeButton(this, "BUTNNastaveniTisku", QStringLiteral("Nastaveni tisku >>"),
                                  QStringLiteral("Zobrazeni dialogu pro nastaveni tisku"));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(CHBXZaplaceno);
  bottom->addStretch(1);
  bottom->addWidget(BUTNNastaveniTisku);
  bottom->addWidget(BUTNTisk);
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
}

TFRMGrafika::~TFRMGrafika() { delete printer_; }

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

void TFRMGrafika::buildCourseChartPage() {
  CHARTGraf = makeChartView(PGGraf, "CHARTGraf", QStringLiteral("prubeh hry"));
  ResultsChart* chart = grafChart();
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->legend()->setShowToolTips(false);
  auto* x = makeValueAxis(QStringLiteral("hry"));
  auto* y = makeValueAxis(QStringLiteral("penize"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  LABLNazevHry = makeLabel(PGGraf, "LABLNazevHry", QString(), QRect());
  LABLHodnotaGrafu = makeLabel(PGGraf, "LABLHodnotaGrafu", QString(), QRect());
  LABLHodnotaGrafu->setMinimumWidth(LABLHodnotaGrafu->fontMetrics().horizontalAdvance(
      signedMoneyText(-1234567.89) + QStringLiteral("00")));
  for (QLabel* l : {LABLNazevHry, LABLHodnotaGrafu}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  bBUTNPrekresliGraf = makeButton(PGGraf, "bBUTNPrekresliGraf", QStringLiteral("stavy"),
                                  QStringLiteral("zobrazeni prubehu financi ve hre"));
  BUTNPrekresliGrafVyhry = makeButton(PGGraf, "BUTNPrekresliGrafVyhry", QStringLiteral("vyhry"),
                                      QStringLiteral("zobrazeni prubehu vyher a proher"));
  CHBXSchody = makeCheck(PGGraf, "CHBXSchody", QStringLiteral("schody"), QRect(),
                         QStringLiteral("prepnuti vzhledu grafu (jen stavy)"), false);
  CHBXZobrazitMinMax =
      makeCheck(PGGraf, "CHBXZobrazitMinMax", QStringLiteral("zobrazit minima a maxima"), QRect(),
                QStringLiteral("zobrazit minima a maxima v grafu prubehu"), true);

  auto* readout = new QHBoxLayout;
  readout->addWidget(makeLabel(PGGraf, nullptr, QStringLiteral("hra:"), QRect()));
  readout->addWidget(LABLNazevHry, 1);
  readout->addWidget(makeLabel(PGGraf, nullptr, QStringLiteral("hodnota:"), QRect()));
  readout->addWidget(LABLHodnotaGrafu);
  auto* controls = new QHBoxLayout;
  controls->addWidget(
      makeLabel(PGGraf, nullptr, QStringLiteral("Pozn.: klepnutim na bod grafu ziskate hodnotu"), QRect()));
  controls->addStretch(1);
  controls->addWidget(bBUTNPrekresliGraf);
  controls->addWidget(BUTNPrekresliGrafVyhry);
  controls->addSpacing(8);
  controls->addWidget(CHBXSchody);
  controls->addWidget(CHBXZobrazitMinMax);

  auto* page = new QVBoxLayout(PGGraf);
  page->setContentsMargins(4, 4, 4, 4);
  page->addWidget(CHARTGraf, 1);
  page->addLayout(readout);
  page->addLayout(controls);
}

void TFRMGrafika::buildFinalChartPage() {
  CHARTCelkem = makeChartView(PGCelkem, "CHARTCelkem", QStringLiteral("Stav financi po posledni hre"));
  ResultsChart* chart = celkemChart();
  chart->legend()->hide();
  auto* names = new QBarCategoryAxis;
  auto* y = makeValueAxis(QStringLiteral("penize"));
  chart->addAxis(names, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  // The bars: one bar set per player, each holding a value in its own
  // category only, so that every player's bar has his colour.
  auto* bars = new QStackedBarSeries;
  bars->setName(QStringLiteral("Skore"));
  bars->setBarWidth(0.6);
  auto* zero = new QLineSeries;
  zero->setPen(QPen(Qt::black, 0));
  zero->setPointsVisible(false);
  for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(zero)}) {
    chart->addSeries(s);
    s->attachAxis(names);
    s->attachAxis(y);
  }
  BUTNPrekresliCelkem = makeHiddenButton(PGCelkem, "BUTNPrekresliCelkem", QStringLiteral("prekresli"));
  auto* page = new QVBoxLayout(PGCelkem);
  page->setContentsMargins(4, 4, 4, 4);
  page->addWidget(CHARTCelkem, 1);
}

void TFRMGrafika::buildRecordsPage() {
  STRGRMinMax = makeStringGrid(PGStatistika, "STRGRMinMax", QStringLiteral("tabulka rekordu"));
  STRGRMinMax->setColumnCount(stats::kRecordColumns);
  STRGRMinMax->setRowCount(stats::kRecordRowsShown);
  STRGRMinMax->verticalHeader()->setMinimumSectionSize(stats::kRecordRowHeight);
  STRGRMinMax->verticalHeader()->setDefaultSectionSize(stats::kRecordRowHeight);
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
  BUTNVitez = makeButton(GRPBXVyhledani, "BUTNVitez", QStringLiteral("vitez"),
                         QStringLiteral("oznaci viteze"));
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

void TFRMGrafika::buildSettlementPage() {
  STGRUctenka = makeStringGrid(PGUctenka, "STGRUctenka", QStringLiteral("Ma dati / Dostane"));
  STGRUctenka->verticalHeader()->setDefaultSectionSize(20);
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
  BUTNOznacDostane = makeButton(PGUctenka, "BUTNOznacDostane", QStringLiteral("prijmy"),
                                QStringLiteral("Oznaci prijmy"));
  BUTNOznacZaplati = makeButton(PGUctenka, "BUTNOznacZaplati", QStringLiteral("platby"),
                                QStringLiteral("Oznaci platby"));
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
  connect(BUTNPrekresliGrafVyhry, &QPushButton::clicked, this,
          &TFRMGrafika::BUTNPrekresliGrafVyhryClick);
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

void TFRMGrafika::BUTNSirkySloupcuClick() {
  LABLPopisCislaHry->setText(stats::handNumberNote());
  const QStringList headers = stats::recordHeaders();
  int width = 0;
  for (int c = 0; c < stats::kRecordColumns; ++c) {
    setGridCell(STRGRMinMax, c, 0, headers[c], true);
    // Wide enough for the whole money text in the grid's font.
    int w = stats::recordColumnWidth(c);
    if (c != stats::kNameColumn)
      w = columnWidthFor(STRGRMinMax, stats::isHandNumberColumn(c) ? 2 : 11, w);
    STRGRMinMax->setColumnWidth(c, w);
    width += w;
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
  const int height = stats::separatorHeight(stats::kRecordRowsShown * stats::kRecordRowHeight,
                                            stats::kRecordRowHeight, 0, players);
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
  STRGRMinMax->setRangeSelected(
      QTableWidgetSelectionRange(row, f.column, row, f.column + f.width - 1), true);
}

void TFRMGrafika::BUTNMaxStavClick() { findRecord(stats::Record::HighestBalance); }
void TFRMGrafika::BUTNMinStavClick() { findRecord(stats::Record::LowestBalance); }
void TFRMGrafika::BUTNMaxVyhraClick() { findRecord(stats::Record::BiggestWin); }
void TFRMGrafika::BUTNMaxProhraClick() { findRecord(stats::Record::BiggestLoss); }
void TFRMGrafika::BUTNVitezClick() { findRecord(stats::Record::Winner); }
void TFRMGrafika::BUTNSmolarClick() { findRecord(stats::Record::Loser); }

// ---- charts ---------------------------------------------------------------------

ResultsChart* TFRMGrafika::grafChart() const { return static_cast<ResultsChart*>(CHARTGraf->chart()); }
ResultsChart* TFRMGrafika::celkemChart() const {
  return static_cast<ResultsChart*>(CHARTCelkem->chart());
}

void TFRMGrafika::BUTNPrekresliCelkemClick() {
  refreshFooter();
  ResultsChart* chart = celkemChart();
  auto* bars = static_cast<QStackedBarSeries*>(chart->series().at(0));
  auto* zero = static_cast<QLineSeries*>(chart->series().at(1));
  chart->clearMarks();
  bars->clear();
  zero->clear();

  const int n = EDITPocetHracu->text().toInt();
  QStringList names, balances;
  for (int k = 1; k <= n; ++k) {
    names << gridCell(STRGRMinMax, stats::kNameColumn, k);
    balances << gridCell(STRGRMinMax, stats::kFinalColumn, k);
  }
  const QList<stats::Bar> data = stats::finalBars(names, balances);
  double low = 0, high = 0;
  QList<QPointF> zeroLine;
  for (int k = 0; k < data.size(); ++k) {
    auto* set = new QBarSet(data[k].label);
    QList<qreal> values(data.size(), 0.0);
    values[k] = data[k].value;
    set->append(values);
    set->setColor(paletteQColor(data[k].palette));
    set->setBorderColor(QColor(64, 64, 64));
    bars->append(set);
    zeroLine << QPointF(k, 0);
    low = std::min(low, data[k].value);
    high = std::max(high, data[k].value);
  }
  zero->replace(zeroLine);

  auto* categories = static_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
  categories->setCategories(uniqueCategories(names));
  // Some room beyond the highest and lowest bar for their marks.
  const double room = (high - low) * 0.12;
  applyScale(static_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0)),
             stats::wholeNumberScale(low < 0 ? low - room : low, high > 0 ? high + room : high, 10));
  for (int k = 0; k < data.size(); ++k)
    chart->addMark(bars, QPointF(k, data[k].value), generalNumberText(data[k].value), QColor(),
                   data[k].value < 0 ? ResultsChart::Side::Below : ResultsChart::Side::Above);
  chart->placeMarks();
  chart->update();
}

void TFRMGrafika::bBUTNPrekresliGrafClick() { drawCourseChart(true); }
void TFRMGrafika::BUTNPrekresliGrafVyhryClick() { drawCourseChart(false); }

void TFRMGrafika::drawCourseChart(bool balances) {
  const stats::CourseKind kind = balances ? stats::CourseKind::Balances : stats::CourseKind::Wins;
  ResultsChart* chart = grafChart();
  chart->setTitle(stats::courseTitle(kind));
  refreshFooter();
  chart->clearMarks();
  chart->removeAllSeries();

  const int n = EDITPocetHracu->text().toInt();
  const int hands = EDITPocetHer->text().toInt();
  QList<stats::MarkReferences> refs;
  const int lowColumn = balances ? stats::kLowestBalanceColumn : stats::kBiggestLossColumn;
  const int highColumn = balances ? stats::kHighestBalanceColumn : stats::kBiggestWinColumn;
  for (int k = 1; k <= n; ++k)
    refs << stats::MarkReferences{gridCell(STRGRMinMax, lowColumn, k),
                                  gridCell(STRGRMinMax, highColumn, k)};
  const QList<stats::CourseSeries> data = stats::courseSeries(
      *FRMMain->grid, n, hands, refs, kind, CHBXZobrazitMinMax->isChecked());

  auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).at(0));
  auto* y = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
  applyScale(y, stats::courseValueScale(data));
  const stats::AxisScale along = stats::wholeNumberScale(0, std::max(hands, 1), 15);
  if (balances) {
    applyScale(x, 0, std::max(hands, 1), along.step);
  } else {
    // The first point stands for the state before the first hand; the
    // results start at hand 1.
    applyScale(x, 0.5, std::max(hands, 1) + 0.5, along.step);
  }

  QBarSeries* barSeries = nullptr;
  if (!balances) {
    barSeries = new QBarSeries;
    barSeries->setBarWidth(kBarWidth);
  }
  for (int p = 0; p < data.size(); ++p) {
    const stats::CourseSeries& s = data[p];
    const QColor color = paletteQColor(s.palette);
    if (balances) {
      auto* line = new QLineSeries;
      line->setName(s.title);
      line->setColor(color);
      line->setPen(QPen(color, 2));
      QList<double> values;
      for (const stats::ChartPoint& pt : s.points) values << pt.value;
      line->replace(lineVertices(values, CHBXSchody->isChecked()));
      chart->addSeries(line);
      line->attachAxis(x);
      line->attachAxis(y);
      connect(line, &QLineSeries::clicked, this, [this, line](const QPointF& at) {
        courseSeriesClicked(static_cast<int>(grafChart()->series().indexOf(line)), at);
      });
      addPointMarks(chart, line, s.points, color);
    } else {
      auto* set = new QBarSet(s.title);
      QList<qreal> values;
      for (const stats::ChartPoint& pt : s.points) values << pt.value;
      set->append(values);
      set->setColor(color);
      set->setBorderColor(QColor(64, 64, 64));
      barSeries->append(set);
      const int setIndex = p;
      connect(set, &QBarSet::clicked, this, [this, setIndex](int index) {
        CHARTGrafClickSeries(setIndex, index);
      });
    }
  }
  if (barSeries) {
    chart->addSeries(barSeries);
    barSeries->attachAxis(x);
    barSeries->attachAxis(y);
    // A mark sits over its own bar within the group of the hand.
    const int sets = static_cast<int>(data.size());
    for (int p = 0; p < sets; ++p)
      for (int i = 0; i < data[p].points.size(); ++i) {
        const stats::ChartPoint& pt = data[p].points[i];
        if (pt.label.isEmpty()) continue;
        const qreal along = i - kBarWidth / 2 + (p + 0.5) * kBarWidth / sets;
        chart->addMark(barSeries, QPointF(along, pt.value), pt.label, QColor(),
                       pt.value < 0 ? ResultsChart::Side::Below : ResultsChart::Side::Above);
      }
  }

  LABLHodnotaGrafu->clear();
  LABLNazevHry->clear();
  CHBXSchody->setEnabled(balances);
  chart->placeMarks();
  chart->update();
}

void TFRMGrafika::CHBXSchodyClick() {
  if (!CHBXSchody->isEnabled()) return;  // only the lines of "stavy" have stairs
  const int n = EDITPocetHracu->text().toInt();
  const QList<QAbstractSeries*> all = grafChart()->series();
  for (int i = 0; i < std::min<qsizetype>(n, all.size()); ++i)
    if (auto* line = qobject_cast<QLineSeries*>(all[i]))
      line->replace(lineVertices(lineValues(line), CHBXSchody->isChecked()));
  grafChart()->placeMarks();
}

void TFRMGrafika::CHBXZobrazitMinMaxClick() { drawCourseChart(CHBXSchody->isEnabled()); }

void TFRMGrafika::courseSeriesClicked(int series, const QPointF& at) {
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (series < 0 || series >= all.size()) return;
  auto* line = qobject_cast<QLineSeries*>(all[series]);
  if (!line) return;
  // The vertex nearest to the click on screen names the point.
  const QPointF click = grafChart()->mapToPosition(at, line);
  const QList<QPointF> vertices = line->points();
  int nearest = -1;
  qreal best = std::numeric_limits<qreal>::max();
  for (int v = 0; v < vertices.size(); ++v) {
    const QPointF d = grafChart()->mapToPosition(vertices[v], line) - click;
    const qreal distance = QPointF::dotProduct(d, d);
    if (distance < best) best = distance, nearest = v;
  }
  if (nearest >= 0) CHARTGrafClickSeries(series, pointOfVertex(nearest, isStairs(line)));
}

void TFRMGrafika::CHARTGrafClickSeries(int series, int index) {
  ResultsChart* chart = grafChart();
  const bool balances = CHBXSchody->isEnabled();
  double value = 0;
  if (balances) {
    QList<QAbstractSeries*> all = chart->series();
    if (series < 0 || series >= all.size()) return;
    auto* line = qobject_cast<QLineSeries*>(all[series]);
    const QList<double> values = line ? lineValues(line) : QList<double>();
    if (index < 0 || index >= values.size()) return;
    value = values[index];
    // Drawn last, so on top of the others.
    if (all.last() != line) {
      const QList<QAbstractAxis*> axes = line->attachedAxes();
      chart->removeSeries(line);
      chart->addSeries(line);
      for (QAbstractAxis* a : axes) line->attachAxis(a);
    }
  } else {
    const QList<QAbstractSeries*> all = chart->series();
    auto* bars = all.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(all.first());
    if (!bars || series < 0 || series >= bars->count()) return;
    const QBarSet* set = bars->barSets().at(series);
    if (index < 0 || index >= set->count()) return;
    value = set->at(index);
  }
  LABLHodnotaGrafu->setText(signedMoneyText(value));
  if (FRMMain->CKBXZobrazovatDruhyHer->isChecked()) {
    const ScoreGrid& scores = *FRMMain->grid;
    // Point i stands for hand i in both kinds (point 0 of "stavy" is the
    // state before the first hand, which no hand describes).
    LABLNazevHry->setText(index >= 1 ? scores.cell(scores.columnCount() - 1, index) : QString());
  }
  chart->placeMarks();
  chart->update();
}

void TFRMGrafika::CHBXZaplacenoClick() { refreshFooter(); }

void TFRMGrafika::PGCTRLOutPutChange() { refreshFooter(); }

void TFRMGrafika::refreshFooter() {
  const QString footer = stats::chartFooter(dateTimeStamp(), CHBXZaplaceno->isChecked());
  QWidget* page = PGCTRLOutPut->currentWidget();
  if (page == PGGraf) {
    grafChart()->setFooter(footer);
    grafChart()->update();
  } else if (page == PGCelkem) {
    celkemChart()->setFooter(footer);
    celkemChart()->setTitle(
        stats::finalTitle(CHBXZaplaceno->isChecked(), EDITPocetHer->text().toInt()));
    celkemChart()->update();
  }
}

int TFRMGrafika::courseSeriesCount() const {
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (!all.isEmpty())
    if (auto* bars = qobject_cast<QBarSeries*>(all.first())) return static_cast<int>(bars->count());
  return static_cast<int>(all.size());
}

QStringList TFRMGrafika::courseSeriesTitles() const {
  QStringList out;
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (!all.isEmpty())
    if (auto* bars = qobject_cast<QBarSeries*>(all.first())) {
      for (const QBarSet* set : bars->barSets()) out << set->label();
      return out;
    }
  for (const QAbstractSeries* s : all) out << s->name();
  return out;
}

QList<double> TFRMGrafika::coursePoints(int series) const {
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (!all.isEmpty())
    if (auto* bars = qobject_cast<QBarSeries*>(all.first())) {
      QList<double> out;
      if (series < 0 || series >= bars->count()) return out;
      const QBarSet* set = bars->barSets().at(series);
      for (int i = 0; i < set->count(); ++i) out << set->at(i);
      return out;
    }
  if (series < 0 || series >= all.size()) return {};
  const auto* line = qobject_cast<const QXYSeries*>(all[series]);
  return line ? lineValues(line) : QList<double>();
}

QColor TFRMGrafika::courseSeriesColor(int series) const {
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (!all.isEmpty())
    if (auto* bars = qobject_cast<QBarSeries*>(all.first()))
      return series >= 0 && series < bars->count() ? bars->barSets().at(series)->color() : QColor();
  if (series < 0 || series >= all.size()) return {};
  const auto* line = qobject_cast<const QXYSeries*>(all[series]);
  return line ? line->color() : QColor();
}

bool TFRMGrafika::courseStairs(int series) const {
  const QList<QAbstractSeries*> all = grafChart()->series();
  if (series < 0 || series >= all.size()) return false;
  const auto* line = qobject_cast<const QXYSeries*>(all[series]);
  return line && isStairs(line);
}

QList<double> TFRMGrafika::finalBarValues() const {
  QList<double> out;
  const auto* bars = static_cast<const QStackedBarSeries*>(celkemChart()->series().at(0));
  const QList<QBarSet*> sets = bars->barSets();
  for (int k = 0; k < sets.size(); ++k) out << sets[k]->at(k);
  return out;
}

QStringList TFRMGrafika::finalBarLabels() const {
  QStringList out;
  const auto* bars = static_cast<const QStackedBarSeries*>(celkemChart()->series().at(0));
  for (const QBarSet* set : bars->barSets()) out << set->label();
  return out;
}

QList<QColor> TFRMGrafika::finalBarColors() const {
  QList<QColor> out;
  const auto* bars = static_cast<const QStackedBarSeries*>(celkemChart()->series().at(0));
  for (QBarSet* set : bars->barSets()) out << set->color();
  return out;
}

// ---- printing ---------------------------------------------------------------------

void TFRMGrafika::printChart(QChartView* chart) {
  QPrintDialog dialog(printer_, this);
  dialog.setObjectName(QStringLiteral("DLGPrint"));
  if (runDialog(&dialog) == QDialog::Accepted) printChart(chart, *printer_);
}

bool TFRMGrafika::printChart(QChartView* view, QPrinter& printer) {
  const QPageLayout::Orientation previous = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  // The chart is laid out for the page, whatever its size on screen (or on
  // a page not in view): as wide as a window, in the page's shape. Layouts
  // wait for the event loop, so they are done here before the chart is
  // drawn; afterwards the chart gets its place on screen back.
  QChart* chart = view->chart();
  const QRectF onScreen = chart->geometry();
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  constexpr qreal kWidth = 1000;
  chart->setGeometry(QRectF(onScreen.topLeft(), QSizeF(kWidth, kWidth * page.height() / page.width())));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  bool printed = false;
  {
    QPainter painter;
    if (painter.begin(&printer)) {
      chart->scene()->render(&painter, QRectF(), chart->geometry(), Qt::KeepAspectRatio);
      printed = painter.end();
    }
  }
  chart->setGeometry(onScreen);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  printer.setPageOrientation(previous);
  return printed;
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
  for (int c = 1; c < n + 2; ++c)
    STGRUctenka->setHorizontalHeaderItem(c, new QTableWidgetItem(s.grid.cell(c, 0)));
  for (int r = 1; r < n + 2; ++r)
    STGRUctenka->setVerticalHeaderItem(r, new QTableWidgetItem(s.grid.cell(0, r)));
  if (auto* corner = STGRUctenka->findChild<QLabel*>(QStringLiteral("LABLRohUctenky"))) {
    corner->setText(s.grid.cell(0, 0));
    STGRUctenka->verticalHeader()->setMinimumWidth(
        STGRUctenka->fontMetrics().horizontalAdvance(corner->text()) + 12);
  }
  STGRUctenka->clearSelection();

  const QList<QPair<QListWidget*, QStringList>> lists = {
      {LISTBXPlati, s.payers},       {LSTBXPlatiIndex, s.payerNumbers},
      {LISTBXDostava, s.receivers},  {LSTBXDostavaIndex, s.receiverNumbers},
      {LSTBXNaNule, s.even},         {LSTBXNaNuleIndex, s.evenNumbers}};
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
  if (payerRow)
    markCells(player, 1, player, last);
  else
    markCells(1, player, last, player);
}

void TFRMGrafika::LISTBXPlatiClick() { chooseInList(LISTBXPlati, LSTBXPlatiIndex, true); }
void TFRMGrafika::LISTBXDostavaClick() { chooseInList(LISTBXDostava, LSTBXDostavaIndex, false); }
void TFRMGrafika::LSTBXNaNuleClick() { chooseInList(LSTBXNaNule, LSTBXNaNuleIndex, false); }
