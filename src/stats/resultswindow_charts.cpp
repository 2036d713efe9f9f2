// The results window's charts: the course of the evening ("stavy" as lines
// or stairs, "vyhry" as bars), the final balances as bars, the footers, the
// value of a clicked point, what tests read back from the charts, and a
// chart printed in landscape.

#include "common/controls.h"
#include "common/textforms.h"
#include "ledger/scoregrid.h"
#include "ledger/tablegrid.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/chartdata.h"
#include "stats/chartview.h"
#include "stats/records.h"
#include "stats/resultschart.h"
#include "stats/resultswindow.h"
#include "stats/resultswindow_grids.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace kvadus;
using namespace kvadus::resultspage;
namespace stats = kvadus::stats;

namespace {

QColor toColor(const stats::Rgb& c) { return QColor(c.red, c.green, c.blue); }
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
  return points.size() > 1 && points[0].x() == points[1].x() - 1 && points.size() > 2 && points[1].x() == points[2].x();
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

void TFRMGrafika::buildCourseChartPage() {
  CHARTGraf.setMaker(
      [this] { return makeCourseChartView(PGGraf, "CHARTGraf", QStringLiteral("prubeh hry"), QStringLiteral("hry")); });

  LABLNazevHry = makeLabel(PGGraf, "LABLNazevHry", QString(), QRect());
  LABLHodnotaGrafu = makeLabel(PGGraf, "LABLHodnotaGrafu", QString(), QRect());
  LABLHodnotaGrafu->setMinimumWidth(
      LABLHodnotaGrafu->fontMetrics().horizontalAdvance(signedMoneyText(-1234567.89) + QStringLiteral("00")));
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
  CHBXZobrazitMinMax = makeCheck(PGGraf, "CHBXZobrazitMinMax", QStringLiteral("zobrazit minima a maxima"), QRect(),
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
  page->addLayout(readout);
  page->addLayout(controls);
}

void TFRMGrafika::buildFinalChartPage() {
  CHARTCelkem.setMaker([this] {
    QChartView* view = makeChartView(PGCelkem, "CHARTCelkem", QStringLiteral("Stav financi po posledni hre"));
    QChart* chart = view->chart();
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
    placeChartView(PGCelkem, view);
    return view;
  });
  BUTNPrekresliCelkem = makeHiddenButton(PGCelkem, "BUTNPrekresliCelkem", QStringLiteral("prekresli"));
  auto* page = new QVBoxLayout(PGCelkem);
  page->setContentsMargins(4, 4, 4, 4);
}

// ---- charts ---------------------------------------------------------------------

ResultsChart* TFRMGrafika::grafChart() const { return static_cast<ResultsChart*>(CHARTGraf->chart()); }
ResultsChart* TFRMGrafika::celkemChart() const { return static_cast<ResultsChart*>(CHARTCelkem->chart()); }

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
    set->setBorderColor(toColor(stats::outlineColor()));
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
    refs << stats::MarkReferences{gridCell(STRGRMinMax, lowColumn, k), gridCell(STRGRMinMax, highColumn, k)};
  const QList<stats::CourseSeries> data =
      stats::courseSeries(*FRMMain->grid, n, hands, refs, kind, CHBXZobrazitMinMax->isChecked());

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
      // A light colour (white, yellow ...) would vanish on the plot area.
      if (stats::needsOutline(stats::paletteColor(s.palette))) chart->addOutline(line, toColor(stats::outlineColor()));
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
      set->setBorderColor(toColor(stats::outlineColor()));
      barSeries->append(set);
      const int setIndex = p;
      connect(set, &QBarSet::clicked, this, [this, setIndex](int index) { CHARTGrafClickSeries(setIndex, index); });
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
  chart->fitLegend();
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
    celkemChart()->setTitle(stats::finalTitle(CHBXZaplaceno->isChecked(), EDITPocetHer->text().toInt()));
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
